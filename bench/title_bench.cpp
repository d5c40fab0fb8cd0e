// One frame of the title screen on the software renderer, with the
// high-score panel showing (its ten rows are the most text the screen draws).
#include <benchmark/benchmark.h>
#include <SDL.h>
#include <cstdio>
#include "draw/draw.h"
#include "shell/shell.h"
#include "bench/screen.h"

namespace {

void BM_DrawTitle(benchmark::State& state)
{
    BenchScreen screen;
    if (!open_bench_screen(state, screen))
        return;
    for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
        snprintf(shell.high_scores[i].name, sizeof shell.high_scores[i].name, "%s", DEFAULT_HIGH_SCORE_NAME);
        shell.high_scores[i].score = 20000 - 2000 * i;
        shell.high_scores[i].level = 1;
    }
    shell.frame_counter = (int32_t)state.range(0);
    // The first frame decodes the theme's background; later ones find it held.
    draw_title();
    draw_bench_frames(state, screen, draw_title);
    close_bench_screen(screen);
}
// Tick 31 shows the help panel, tick 451 the high scores.
BENCHMARK(BM_DrawTitle)->Arg(31)->Arg(451)->Unit(benchmark::kMillisecond);

}  // namespace
