// One tick of play in a crowded level: 24 enemies of every kind, 4 snowballs
// in flight and a full particle pool.
#include <benchmark/benchmark.h>
#include <cstring>
#include "rules/rules.h"

namespace {

// Three stone shelves keep the enemies apart from the hero at the bottom
// left; column 14 stays open from top to bottom for falling icicles.
const char* const CROWD_ROWS[12] = {
    "...............", "...............", "...............", ".#############.",
    "...............", "...............", ".#############.", "...............",
    "...............", ".#############.", "...............", "###############",
};

// The play state is restored this often, before anything leaves the pools.
const int TICKS_PER_ROUND = 32;

void load_crowd_level()
{
    LevelRecord& r = level_table[0];
    memset(&r, 0, sizeof r);
    r.time_limit = 999;
    for (int row = 0; row < LEVEL_ROWS; row++)
        for (int col = 0; col < LEVEL_COLS; col++)
            r.cells[row][col] = CROWD_ROWS[row][col] == '#' ? CELL_STONE : CELL_EMPTY;
    r.hero_row = 10;
    r.hero_col = 0;
    r.door_row = 10;
    r.door_col = 14;
    r.items[0][0] = ITEM_KEY;
    level_count = 1;
}

void add_enemy(int slot, int kind, int col, float y, int mode)
{
    Enemy& e = play.enemies[slot];
    e = Enemy{};
    e.active = 1;
    e.kind = kind;
    e.x = 48.0f * (float)col;
    e.y = y;
    e.dir = (slot % 2) ? 1 : -1;
    e.vx = (float)e.dir;
    e.vy = 1.0f;
    e.mode = mode;
}

// The state that every round of ticks starts from.
PlayState crowd_start()
{
    load_crowd_level();
    new_game(0);
    InputFrame idle = {};
    while (play.state == STATE_INTRO)
        game_step(idle);
    const int cols[4] = {2, 5, 8, 11};
    for (int i = 0; i < 4; i++) {
        add_enemy(i, ENEMY_SNOWMAN, cols[i], 96.0f, 0);
        add_enemy(4 + i, ENEMY_BAT, cols[i], 192.0f, 0);
        add_enemy(8 + i, ENEMY_POLAR_BEAR, cols[i], 240.0f, 0);
        add_enemy(12 + i, ENEMY_GHOST, cols[i] + 1, 336.0f, 0);
        add_enemy(16 + i, ENEMY_SPARK, cols[i], 384.0f, 0);
    }
    add_enemy(20, ENEMY_ICICLE, 4, 48.0f, 0);
    add_enemy(21, ENEMY_ICICLE, 9, 48.0f, 0);
    add_enemy(22, ENEMY_ICICLE, 14, 0.0f, 2);
    add_enemy(23, ENEMY_ICICLE, 14, 48.0f, 2);
    for (int i = 0; i < MAX_SNOWBALLS; i++) {
        Snowball& s = play.snowballs[i];
        s.active = 1;
        s.x = 50.0f * (float)i;
        s.y = 0.0f;
        s.vx = 7.0f;
        s.age = 0;
    }
    for (int i = 0; i < MAX_PARTICLES; i++) {
        Particle& p = play.particles[i];
        p.active = 1;
        p.kind = (uint32_t)(i % 2);
        p.x = 20.0f * (float)i;
        p.y = 100.0f;
        p.age = 0;
    }
    return play;
}

void BM_GameStepCrowd(benchmark::State& state)
{
    const PlayState start = crowd_start();
    InputFrame idle = {};
    for (int i = 0; i < TICKS_PER_ROUND; i++)
        game_step(idle);
    int alive = 0;
    for (const Enemy& e : play.enemies)
        alive += e.active != 0;
    if (play.state != STATE_PLAYING || alive != MAX_ENEMIES) {
        state.SkipWithError("the crowd does not last a round");
        return;
    }
    int ticks = 0;
    for (auto _ : state) {
        if (ticks++ % TICKS_PER_ROUND == 0)
            play = start;
        game_step(idle);
        benchmark::DoNotOptimize(play.enemies);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_GameStepCrowd);
