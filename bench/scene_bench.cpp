// One frame of the play scene on the software renderer, in the busiest
// state play can reach: every cell of the grid in use, 24 enemies frozen
// under their markers, and every snowball, particle and pop-up slot taken
// (goal: at most 3 ms on the surface format of the headless test, ARGB8888).
#include <benchmark/benchmark.h>
#include <SDL.h>
#include <cstdio>
#include "draw/draw.h"
#include "scene/scene.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "text/text.h"
#include "bench/screen.h"

namespace {

// Rows of blocks (stone, ice, cracked ice and slippery ice in turn, so that
// every stone has a cap and an icicle) between rows of items of every kind.
void fill_busy_scene()
{
    LevelRecord& level = level_table[0];
    level = LevelRecord{};
    level.door_row = 11;
    level.door_col = 14;
    level.portal_count = MAX_PORTALS;
    for (int i = 0; i < MAX_PORTALS; i++)
        level.portals[i] = LevelPortal{2 * i + 1, 3 * i + 1, i, 5};
    level_count = 1;

    play = PlayState{};
    play.state = STATE_PLAYING;
    play.tick = 123;
    play.theme = 3;
    play.on_ground = 1;
    play.facing = -1;
    play.walking = 1;
    play.walk_distance = 40.0f;
    play.hero_x = 300.0f;
    play.hero_y = 480.0f;
    play.freeze_ticks = 200;
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            if (r % 2 == 0) {
                play.cells[r][c] = (uint8_t)(c % 4 == 3 ? CELL_SLIPPERY : c % 4 == 0 ? CELL_STONE : CELL_ICE);
                play.cracks[r][c] = c % 4 == 2;
            } else {
                play.items[r][c] = (uint8_t)(1 + (r * LEVEL_COLS + c) % ITEM_KEY);
            }
        }
    for (int i = 0; i < MAX_ENEMIES; i++) {
        Enemy& e = play.enemies[i];
        e.active = 1;
        e.kind = i % 6;
        e.x = 29.0f * i;
        e.y = 22.5f * i;
        e.dir = i % 2 ? 1 : -1;
        e.anim = 7 * i;
        e.mode = i % 3 == 0;
        e.fade_in = i % 5 == 0 ? 20 : 0;
    }
    for (int i = 0; i < MAX_SNOWBALLS; i++)
        play.snowballs[i] = Snowball{1, 100.0f + 150.0f * i, 200.5f, 7.0f, i * 5};
    for (int i = 0; i < MAX_PARTICLES; i++)
        play.particles[i] = Particle{1, (uint32_t)(i % 2), 22.0f * i, 17.0f * i, i};
    for (int i = 0; i < MAX_POPUPS; i++)
        play.popups[i] = Popup{80.0f * i, 60.0f * i, 10 + 6 * i, 100 * (i + 1)};
}

// The argument is the screen surface's pixel format: SDL's blitters are
// much faster into ARGB8888 than into ABGR8888 once alpha is modulated.
void BM_DrawBusyScene(benchmark::State& state)
{
    const Uint32 format = (Uint32)state.range(0);
    state.SetLabel(SDL_GetPixelFormatName(format));
    BenchScreen screen;
    if (!open_bench_screen(state, screen, format))
        return;
    fill_busy_scene();
    // The first frame decodes the theme's background; frames of play after
    // it find it cached.
    draw_game();
    draw_bench_frames(state, screen, draw_game);
    close_bench_screen(screen);
}
BENCHMARK(BM_DrawBusyScene)
    ->Arg(SDL_PIXELFORMAT_ARGB8888)
    ->Arg(SDL_PIXELFORMAT_ABGR8888)
    ->Unit(benchmark::kMillisecond);

// The same scene in its level intro: the head-up display with the world
// band, the level band and their lines over the field, on the surface format
// the headless test and the title pictures use.
void BM_DrawBusySceneIntro(benchmark::State& state)
{
    BenchScreen screen;
    if (!open_bench_screen(state, screen))
        return;
    fill_busy_scene();
    const char* const* danish = language_table[LANGUAGE_DANISH].texts;
    snprintf(level_table[0].world, sizeof level_table[0].world, "%s", danish[MSG_FIRST_BUILTIN_NAME]);
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", danish[MSG_FIRST_BUILTIN_NAME + 3]);
    play.state = STATE_INTRO;
    play.tick = 60;
    play.lives = 7;
    play.snowballs_left = 9;
    play.score = 1234560;
    draw_game();
    draw_bench_frames(state, screen, draw_game);
    close_bench_screen(screen);
}
BENCHMARK(BM_DrawBusySceneIntro)->Unit(benchmark::kMillisecond);

}  // namespace
