// One frame of the title screen on the software renderer, with the
// high-score panel showing (its ten rows are the most text the screen draws).
#include <benchmark/benchmark.h>
#include <SDL.h>
#include <cstdio>
#include "draw/draw.h"
#include "shell/shell.h"

namespace {

void BM_DrawTitle(benchmark::State& state)
{
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(screen);
    if (!renderer) {
        state.SkipWithError(SDL_GetError());
        SDL_FreeSurface(screen);
        return;
    }
    const TextureSet saved = textures;
    load_textures(renderer);
    background_theme = -1;
    for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
        snprintf(high_scores[i].name, sizeof high_scores[i].name, "%s", "OLPI");
        high_scores[i].score = 20000 - 2000 * i;
        high_scores[i].level = 1;
    }
    frame_counter = (int32_t)state.range(0);
    // The first frame decodes the theme's background; later ones find it held.
    draw_title();
    for (auto _ : state) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        draw_title();
        SDL_RenderFlush(renderer);
    }
    textures.background = nullptr;
    background_theme = -1;
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(screen);
    textures = saved;
}
// Tick 31 shows the help panel, tick 451 the high scores.
BENCHMARK(BM_DrawTitle)->Arg(31)->Arg(451)->Unit(benchmark::kMillisecond);

}  // namespace
