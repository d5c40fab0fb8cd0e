// The play scene: enemy sprites, mirroring, fading in, the freeze marker
// and the ghost's bob and the icicle's shake.
#include "tests/scene/scene_fixture.h"

namespace {

struct EnemyCase {
    const char* name;
    int kind;
    int dir;
    int anim;
    int mode;
    int sprite;
    bool mirrored;
};

TEST_F(Scene, EnemySpritesAndMirroring)
{
    const EnemyCase cases[] = {
        {"snowman right", ENEMY_SNOWMAN, 1, 0, 0, 52, false},
        {"snowman left", ENEMY_SNOWMAN, -1, 35, 0, 55, true},
        {"ghost left", ENEMY_GHOST, -1, 10, 0, 57, true},
        {"bat right, frames wrap after 4", ENEMY_BAT, 1, 49, 0, 60, false},
        {"bat left", ENEMY_BAT, -1, 39, 0, 63, true},
        {"spark left is never mirrored", ENEMY_SPARK, -1, 20, 0, 66, false},
        {"hanging icicle", ENEMY_ICICLE, 1, 40, 0, 89, false},
        {"shaking icicle left is never mirrored", ENEMY_ICICLE, -1, 4, 1, 91, false},
        {"shaking icicle frames wrap after 3", ENEMY_ICICLE, 1, 9, 1, 90, false},
        {"falling icicle looks like a hanging one", ENEMY_ICICLE, 1, 7, 2, 89, false},
        {"walking bear left", ENEMY_POLAR_BEAR, -1, 25, 0, 95, true},
        {"charging bear", ENEMY_POLAR_BEAR, 1, 12, 1, 99, false},
        {"charging bear frames wrap after 4", ENEMY_POLAR_BEAR, -1, 20, 1, 97, true},
    };
    for (const EnemyCase& k : cases) {
        SCOPED_TRACE(k.name);
        play.enemies[0] = Enemy{};
        Enemy& e = add_enemy(k.kind, 200.0f, 150.0f, k.dir);
        e.anim = k.anim;
        e.mode = k.mode;
        draw();
        const Probe p = probe_box(224.0f, 198.0f);
        EXPECT_EQ(p.sprite, k.sprite);
        EXPECT_EQ(p.quarter, k.mirrored ? TOP_RIGHT : TOP_LEFT);
    }
}

TEST_F(Scene, EnemyFadesInFromAPortal)
{
    const struct {
        int fade_in;
        int alpha;
    } cases[] = {{30, 45}, {10, 185}, {0, 255}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.fade_in);
        play.enemies[0] = Enemy{};
        add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, 1).fade_in = k.fade_in;
        draw();
        EXPECT_NEAR(probe_box(224.0f, 198.0f).alpha, k.alpha, 1);
    }
}

TEST_F(Scene, InactiveEnemySlotsAndUnknownKindsDrawNothing)
{
    add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, 1).active = 0;
    add_enemy(6, 300.0f, 150.0f, 1);
    add_enemy(-1, 400.0f, 150.0f, 1);
    draw();
    EXPECT_EQ(probe_box(224.0f, 198.0f).alpha, 0);
    EXPECT_EQ(probe_box(324.0f, 198.0f).alpha, 0);
    EXPECT_EQ(probe_box(424.0f, 198.0f).alpha, 0);
}

// The marker of an enemy lies 12 pixels right of and 14 above its sprite and
// is drawn right after it, so the next enemy covers it.
TEST_F(Scene, FreezeMarkerFollowsEachEnemy)
{
    play.freeze_ticks = 100;
    play.tick = 8;
    add_enemy(ENEMY_SNOWMAN, 200.0f, 150.0f, -1);
    add_enemy(ENEMY_SNOWMAN, 230.0f, 150.0f, 1);
    draw();
    const int x0 = 224, y0 = 198;  // the first enemy's screen corner
    // Above the first enemy: the marker alone, half transparent, frame 49.
    const Probe above = probe(x0 + 20, y0 - 8);
    EXPECT_NEAR(above.alpha, 160, 1);
    EXPECT_NEAR((int)(screen.pixel(x0 + 20, y0 - 8) & 0xff), (100 + 49) * 160 / 255, 1);
    EXPECT_EQ(probe(x0 + 11, y0 - 8).alpha, 0);
    EXPECT_EQ(probe(x0 + 20, y0 - 15).alpha, 0);
    // Inside the first enemy left of the marker: the enemy itself, mirrored.
    EXPECT_EQ(probe(x0 + 6, y0 + 20).sprite, 52);
    EXPECT_EQ(probe(x0 + 6, y0 + 20).quarter, TOP_RIGHT);
    // Where the second enemy covers the first one's marker: the enemy.
    EXPECT_EQ(probe(x0 + 36, y0 + 20).sprite, 52);
    EXPECT_EQ(probe(x0 + 36, y0 + 20).quarter, TOP_LEFT);

    play.freeze_ticks = 0;
    draw();
    EXPECT_EQ(probe(x0 + 20, y0 - 8).alpha, 0);
}

TEST_F(Scene, GhostBobCarriesItsMarkerAndOnlyAShakingIcicleShakes)
{
    play.freeze_ticks = 1;
    // sin(0.07 x 22) is 1 to within 0.001: the ghost is 3 pixels lower.
    add_enemy(ENEMY_GHOST, 200.0f, 150.0f, 1).anim = 22;
    // sin(1.9 x 1) is 0.946: the shaking icicle is 2.08 pixels to the right.
    Enemy& icicle = add_enemy(ENEMY_ICICLE, 400.0f, 150.0f, 1);
    icicle.anim = 1;
    icicle.mode = 1;
    // A falling icicle does not shake.
    Enemy& falling = add_enemy(ENEMY_ICICLE, 550.0f, 150.0f, 1);
    falling.anim = 1;
    falling.mode = 2;
    draw();
    const int gx = 224, ix = 424, y0 = 198;
    EXPECT_EQ(probe(gx + 6, y0 + 1).alpha, 0);
    EXPECT_EQ(probe(gx + 6, y0 + 4).sprite, 58);
    EXPECT_EQ(probe(gx + 20, y0 - 13).alpha, 0);
    EXPECT_NEAR(probe(gx + 20, y0 - 9).alpha, 160, 1);

    EXPECT_EQ(probe(ix + 1, y0 + 20).alpha, 0);
    EXPECT_EQ(probe(ix + 3, y0 + 20).sprite, 90);
    EXPECT_EQ(probe(ix + 11, y0 - 8).alpha, 0);
    EXPECT_NEAR(probe(ix + 12, y0 - 8).alpha, 160, 1);

    const int fx = 574;
    EXPECT_EQ(probe(fx, y0 + 20).sprite, 89);
    EXPECT_EQ(probe(fx - 1, y0 + 20).alpha, 0);
}

}  // namespace
