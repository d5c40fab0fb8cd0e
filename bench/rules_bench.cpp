// One tick of play on a full level: the hero runs, jumps, makes and breaks
// ice and throws among walkers, flyers and portals.
#include <benchmark/benchmark.h>
#include "levels/levels.h"
#include "rules/rules.h"

namespace {

const char* const FULL_LEVEL =
    "[bane 1]\n"
    "tid 999\n"
    "felter\n"
    "K....f...g....P\n"
    "sssss..iii..sss\n"
    "...S.....c.....\n"
    "..iii=====iii..\n"
    "f.....F.....r.f\n"
    "sss..sssss..sss\n"
    ".M....b....B...\n"
    "..iiii...iiii..\n"
    "P...X.....e...P\n"
    "====.......====\n"
    "T.f..c...g.r.D.\n"
    "sssssssssssssss\n"
    "skjult 8,4 fisk\n"
    "portal 1,15 snemand 2\n"
    "portal 9,1 flagermus 3\n";

// Held-key bits per stretch of ticks: right, right and jump, action, left, throw.
const int KEY_PLAN[][2] = {
    { 40, 1 }, { 2, 1 | 4 }, { 20, 1 }, { 1, 32 }, { 15, 0 }, { 30, 2 },
    { 2, 2 | 4 }, { 10, 2 }, { 1, 16 }, { 1, 0 }, { 1, 16 }, { 20, 8 }, { 1, 8 | 32 },
};

// The play state is restored this often so that the hero keeps playing.
const int TICKS_PER_ROUND = 400;

InputFrame frame(int held, int previous)
{
    int pressed = held & ~previous;
    return { held & 2, held & 1, held & 4, held & 8, (pressed & 4) ? 1 : 0,
             (pressed & 32) ? 1 : 0, (pressed & 16) ? 1 : 0 };
}

void BM_game_step_full_level(benchmark::State& state)
{
    char message[256];
    if (parse_levels(FULL_LEVEL, message, sizeof message) != 1) {
        state.SkipWithError(message);
        return;
    }
    new_game(0);
    while (play.state != 1)
        game_step(InputFrame{});
    play.snowballs_left = 1000;
    PlayState start = play;

    // The key plan unrolled into one frame per tick of a round.
    static InputFrame frames[TICKS_PER_ROUND];
    int previous = 0, t = 0;
    while (t < TICKS_PER_ROUND)
        for (const auto& stretch : KEY_PLAN)
            for (int i = 0; i < stretch[0] && t < TICKS_PER_ROUND; i++, t++) {
                frames[t] = frame(stretch[1], previous);
                previous = stretch[1];
            }

    int tick = 0;
    for (auto _ : state) {
        game_step(frames[tick]);
        if (++tick == TICKS_PER_ROUND) {
            tick = 0;
            play = start;
        }
    }
    benchmark::DoNotOptimize(play.score);
}

}  // namespace

BENCHMARK(BM_game_step_full_level);
