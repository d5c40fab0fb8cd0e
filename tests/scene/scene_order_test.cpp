// The play scene: the order of its steps, and that drawing changes nothing.
#include "tests/scene/scene_fixture.h"

namespace {

// Everything stacked on one spot: each step covers the ones before it.
TEST_F(Scene, LaterStepsCoverEarlierOnes)
{
    screen.white_small_font();
    const float x = 192.0f, y = 192.0f;  // cell (4, 4)
    const struct {
        const char* name;
        int sprite;  // on top once this layer is added; -2 the pop-up text
    } layers[] = {
        {"door", 33}, {"ice block", 29}, {"enemy", 52}, {"snowball", 68},
        {"hero", 0},  {"particle", 76},  {"pop-up", -2},
    };
    level_table[0].door_row = 4;
    level_table[0].door_col = 4;
    for (int n = 0; n < 7; n++) {
        SCOPED_TRACE(layers[n].name);
        switch (n) {
        case 1: play.cells[4][4] = CELL_ICE; break;
        case 2: add_enemy(ENEMY_SNOWMAN, x, y, 1); break;
        case 3: play.snowballs[0] = Snowball{1, x, y, 7.0f, 0}; break;
        case 4: play.hero_x = x; play.hero_y = y; break;
        case 5: play.particles[0] = Particle{1, PARTICLE_PUFF, x, y, 0}; break;
        case 6: play.popups[0] = Popup{x - 14.0f, y - 10.0f, 30, 5}; break;
        }
        draw();
        const int px = (int)x + PLAY_AREA_X + 10, py = (int)y + PLAY_AREA_Y + 10;
        if (layers[n].sprite == -2)
            EXPECT_EQ(screen.pixel(px, py) & 0xffffff, (COLOUR_GOLD & 0xffffffu));
        else
            EXPECT_EQ(probe(px, py).sprite, layers[n].sprite);
    }
}

TEST_F(Scene, DrawingChangesNeitherThePlayStateNorTheLevel)
{
    load(cell_fixture);
    level_table[0].portal_count = 2;
    level_table[0].door_row = 3;
    play.tick = 77;
    play.freeze_ticks = 5;
    for (int i = 0; i < MAX_ENEMIES; i++)
        add_enemy(i % 6, 30.0f * i, 20.0f * (i % 5), i % 2 ? 1 : -1).anim = i;
    play.snowballs[1] = Snowball{1, 10.0f, 10.0f, -7.0f, 3};
    play.particles[4] = Particle{1, PARTICLE_SHARDS, 50.0f, 50.0f, 8};
    play.popups[2] = Popup{20.0f, 20.0f, 12, 500};
    const PlayState before = play;
    const LevelRecord level_before = level_table[0];
    draw();
    EXPECT_EQ(memcmp(&before, &play, sizeof play), 0);
    EXPECT_EQ(memcmp(&level_before, &level_table[0], sizeof level_before), 0);
}

// A level index outside the table has no record to draw a door or portals
// from; the rest of the field is still drawn.
TEST_F(Scene, LevelIndexOutsideTheTableDrawsTheFieldWithoutDoor)
{
    play.cells[2][2] = CELL_STONE;
    level_table[0].door_row = 0;
    level_table[0].door_col = 0;
    draw();
    EXPECT_EQ(probe_box(cx(0), cy(0)).sprite, 33);
    for (int32_t index : {-1, (int32_t)MAX_LEVELS, 1 << 30}) {
        SCOPED_TRACE(index);
        play.level = index;
        draw();
        EXPECT_EQ(probe((int)cx(2) + 12, (int)cy(2) + 30).sprite, 32);
        EXPECT_EQ(probe_box(cx(0), cy(0)).alpha, 0);
    }
}

}  // namespace
