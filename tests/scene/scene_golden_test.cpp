// The play scene with the game's own art: fixture scenes drawn and compared
// with reference pictures in tests/golden/; FROSTOVA_REBASELINE=1 writes
// those references instead.
#include "tests/scene/scene_fixture.h"
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/golden.h"

namespace {

class GoldenScene : public Scene {
protected:
    void SetUp() override
    {
        Scene::SetUp();
        screen.use_game_art();
    }
    void expect_screen(const std::string& name)
    {
        expect_golden_surface(name, screen.surface);
    }
};

// A level with every cell kind and every item, shown and hidden, stone
// standing alone and in rows, and ice under and over stone.
const FixtureLevel busy_level = {
    {
        "s.............s",
        "s.............s",
        "s..sss...ici..s",
        "s.............s",
        "s......~~~....s",
        "s.ss.........cs",
        "s...........iis",
        "s....sss......s",
        "s.............s",
        "s..ii.....s...s",
        "s.........ss..s",
        "sssssssssssssss",
    },
    {
        "...............",
        "...1.2.3.4.5...",
        "..........F....",
        "...6.7.8.9.b.k.",
        "...............",
        "...............",
        ".............!.",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    },
};

TEST_F(GoldenScene, BusyField)
{
    load(busy_level);
    LevelRecord& level = level_table[0];
    level.door_row = 10;
    level.door_col = 13;
    level.portal_count = 2;
    level.portals[0] = LevelPortal{8, 2, ENEMY_SNOWMAN, 5};
    level.portals[1] = LevelPortal{4, 12, ENEMY_BAT, 5};
    play.tick = 37;
    play.hero_x = CELL_SIZE * 4;
    play.hero_y = CELL_SIZE * 10;
    play.walking = 1;
    play.walk_distance = 30.0f;
    const struct {
        int kind, row, col, dir, anim, mode, fade_in;
    } enemies[] = {
        {ENEMY_SNOWMAN, 8, 4, 1, 3, 0, 0},   {ENEMY_SNOWMAN, 8, 8, -1, 17, 0, 0},
        {ENEMY_GHOST, 3, 2, 1, 11, 0, 0},    {ENEMY_GHOST, 6, 5, -1, 40, 0, 0},
        {ENEMY_BAT, 1, 6, 1, 5, 0, 0},       {ENEMY_BAT, 4, 11, -1, 25, 0, 0},
        {ENEMY_SPARK, 6, 1, -1, 12, 0, 0},   {ENEMY_ICICLE, 8, 6, 1, 7, 1, 0},
        {ENEMY_ICICLE, 3, 4, -1, 0, 0, 0},   {ENEMY_POLAR_BEAR, 10, 7, -1, 14, 0, 0},
        {ENEMY_POLAR_BEAR, 6, 9, 1, 6, 1, 0}, {ENEMY_SNOWMAN, 8, 2, 1, 0, 0, 30},
        {ENEMY_BAT, 4, 12, -1, 0, 0, 15},
    };
    for (const auto& k : enemies) {
        Enemy& e = add_enemy(k.kind, CELL_SIZE * k.col, CELL_SIZE * k.row, k.dir);
        e.anim = k.anim;
        e.mode = k.mode;
        e.fade_in = k.fade_in;
    }
    play.snowballs[0] = Snowball{1, 260.5f, 488.0f, 7.0f, 2};
    play.snowballs[2] = Snowball{1, 410.0f, 300.0f, -7.0f, 9};
    play.particles[0] = Particle{1, PARTICLE_PUFF, 96.0f, 96.0f, 8};
    play.particles[5] = Particle{1, PARTICLE_SHARDS, 528.0f, 240.0f, 20};
    play.popups[0] = Popup{336.0f, 150.0f, 45, 100};
    play.popups[3] = Popup{500.0f, 400.0f, 8, 2500};
    draw();
    expect_screen("busy-field");
}

// The key taken, the enemies frozen under their markers, the hero throwing.
TEST_F(GoldenScene, FrozenEnemiesAndOpenDoor)
{
    load(busy_level);
    level_table[0].door_row = 10;
    level_table[0].door_col = 13;
    play.has_key = 1;
    play.freeze_ticks = 300;
    play.tick = 100;
    play.hero_x = CELL_SIZE * 11;
    play.hero_y = CELL_SIZE * 9;
    play.facing = -1;
    play.action_cooldown = 10;
    for (int kind = 0; kind < 6; kind++) {
        Enemy& e = add_enemy(kind, 48.0f + 96.0f * kind, CELL_SIZE * (kind % 2 ? 4 : 8), kind % 2 ? -1 : 1);
        e.anim = 10 * kind;
        e.mode = kind == ENEMY_ICICLE ? 1 : 0;
    }
    draw();
    expect_screen("frozen-open-door");
}

// The hero in each pose, side by side: a 64 x 96 piece of the screen around
// him for every pose.
TEST_F(GoldenScene, HeroPoses)
{
    struct Pose {
        uint32_t state;
        int32_t tick;
        int32_t cooldown;
        uint32_t crouching;
        uint32_t on_ground;
        float vy;
        float walk_distance;
        int32_t facing;
    } poses[] = {
        {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 0.0f, 1},     {STATE_PLAYING, 20, 0, 0, 1, 0.0f, 0.0f, -1},
        {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 10.0f, 1},    {STATE_PLAYING, 0, 0, 0, 1, 0.0f, 31.0f, 1},
        {STATE_PLAYING, 0, 0, 0, 0, -5.0f, 0.0f, 1},    {STATE_PLAYING, 0, 0, 0, 0, 5.0f, 0.0f, 1},
        {STATE_PLAYING, 0, 0, 1, 1, 0.0f, 0.0f, 1},     {STATE_PLAYING, 0, 12, 0, 1, 0.0f, 0.0f, 1},
        {STATE_PLAYING, 0, 5, 0, 1, 0.0f, 0.0f, -1},    {STATE_DYING, 12, 0, 0, 1, 0.0f, 0.0f, 1},
        {STATE_DYING, 30, 0, 0, 1, 0.0f, 0.0f, 1},      {STATE_LEVEL_DONE, 8, 0, 0, 1, 0.0f, 0.0f, 1},
        {STATE_LEVEL_DONE, 60, 0, 0, 1, 0.0f, 0.0f, 1},
    };
    const int PIECE_W = 64, PIECE_H = 96, COUNT = sizeof poses / sizeof poses[0];
    std::vector<unsigned char> strip((size_t)PIECE_W * COUNT * PIECE_H * 3);
    for (int n = 0; n < COUNT; n++) {
        const Pose& k = poses[n];
        play.state = k.state;
        play.tick = k.tick;
        play.action_cooldown = k.cooldown;
        play.crouching = k.crouching;
        play.on_ground = k.on_ground;
        play.hero_vy = k.vy;
        play.walking = k.walk_distance > 0.0f;
        play.walk_distance = k.walk_distance;
        play.facing = k.facing;
        play.hero_x = 336.0f;
        play.hero_y = 240.0f;
        draw();
        const std::vector<unsigned char> piece = surface_rgb(screen.surface, 360 - 8, 288 + 48 - PIECE_H, PIECE_W, PIECE_H);
        for (int y = 0; y < PIECE_H; y++)
            memcpy(&strip[((size_t)y * PIECE_W * COUNT + (size_t)n * PIECE_W) * 3], &piece[(size_t)y * PIECE_W * 3],
                   (size_t)PIECE_W * 3);
    }
    expect_golden("hero-poses", strip, PIECE_W * COUNT, PIECE_H);
}

}  // namespace
