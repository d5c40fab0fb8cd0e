// The enemies in play: contact, freezing and fading in, the level speed
// factor, and the movement of each of the six kinds.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

namespace {

// The floor of row 11 is stone; the rows above are open unless drawn.
const std::vector<std::string> OPEN_FLOOR = {
    "...............", "...............", "...............", "...............",
    "...............", "...............", "...............", "...............",
    "...............", "...............", "T..............", "sssssssssssssss",
};

// A kind that takes no movement, only the contact test.
const int STILL_KIND = 99;

// Starts play on a level drawn in level letters with a long time limit; the
// door and the key, hidden in stone, lie in the cell (key_row, key_col),
// which must be stone. Levels before the wanted one are copies of it.
void start_scene(const std::vector<std::string>& rows, int level = 0, int key_row = 11, int key_col = 14)
{
    std::string extra = "tid 999\nskjult " + std::to_string(key_row + 1) + "," + std::to_string(key_col + 1)
        + " " + item_names[ITEM_KEY] + "\n";
    std::vector<std::string> door(12, "...............");
    door[key_row][key_col] = 'D';
    std::string one = fixture(rows, extra) + "felter\n";
    for (const std::string& row : door)
        one += row + "\n";
    std::string text;
    for (int i = 0; i <= level; i++)
        text += one;
    start_fixture(text, level);
    wait_until_playing();
    clear_sound_log();
}

void step(int ticks = 1)
{
    hold(0, ticks);
}

// Puts an enemy of a kind into a slot at a position, facing dir.
Enemy& place(int slot, int kind, float x, float y, int dir = 1)
{
    Enemy& e = play.enemies[slot];
    e = Enemy{};
    e.active = 1;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.dir = dir;
    e.vx = (float)dir;
    e.vy = 1.0f;
    return e;
}

TEST(EnemyContact, WalkingSnowmanKillsStandingHeroInTheTickItComesWithinReach)
{
    const std::vector<std::string> rows = {
        "...............", "...............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "..T.....M......", "sssssssssssssss",
    };
    start_scene(rows);
    // Slot 0 walks left from 288 px away at 1.1 px per tick: within 28 px
    // after 1.1 n > 260, first at n = 237.
    step(236);
    EXPECT_EQ(play.state, (uint32_t)STATE_PLAYING);
    step(1);
    EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
    EXPECT_EQ(play.tick, 0);
    EXPECT_NEAR(play.enemies[0].x, 384.0f - 237 * 1.1f, 0.01f);
}

TEST(EnemyContact, ReachIsStrictlyBelow28OnBothAxes)
{
    struct Case { float dx, dy; bool kills; };
    const Case cases[] = {
        {27.9f, 0.0f, true}, {28.0f, 0.0f, false}, {-28.0f, 0.0f, false},
        {0.0f, 27.9f, true}, {0.0f, -28.0f, false}, {-27.0f, -27.0f, true}, {27.0f, 28.0f, false},
    };
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR);
        place(0, STILL_KIND, play.hero_x + c.dx, play.hero_y + c.dy);
        step();
        EXPECT_EQ(play.state == STATE_DYING, c.kills) << "dx " << c.dx << " dy " << c.dy;
    }
}

TEST(EnemyContact, FrozenEnemiesAnimateAndKillWhileFadingInOnesDoNeither)
{
    struct Case { int freeze, fade_in; bool kills; int anim, fade_after; };
    const Case cases[] = {
        {0, 0, true, 1, 0},
        {100, 0, true, 1, 0},
        {0, 5, false, 0, 4},
        {100, 5, false, 0, 4},
    };
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR);
        play.freeze_ticks = c.freeze;
        float x = play.hero_x + 20.0f;
        Enemy& e = place(0, ENEMY_SNOWMAN, x, play.hero_y);
        e.fade_in = c.fade_in;
        step();
        EXPECT_EQ(play.state == STATE_DYING, c.kills) << "freeze " << c.freeze << " fade " << c.fade_in;
        EXPECT_EQ(e.anim, c.anim);
        EXPECT_EQ(e.fade_in, c.fade_after);
        if (c.freeze || c.fade_in) {
            EXPECT_EQ(e.x, x) << "a frozen or fading enemy must not move";
        }
    }
}

TEST(EnemyContact, OnlyTheFirstTouchingEnemyTakesItsTurn)
{
    start_scene(OPEN_FLOOR);
    place(3, STILL_KIND, play.hero_x, play.hero_y);
    Enemy& later = place(7, STILL_KIND, play.hero_x + 5.0f, play.hero_y);
    Snowball& ball = play.snowballs[0];
    ball.active = 1;
    ball.x = 300.0f;
    ball.y = 100.0f;
    ball.vx = 7.0f;
    step();
    EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
    EXPECT_EQ(play.enemies[3].anim, 1);
    EXPECT_EQ(later.anim, 0);
    EXPECT_EQ(ball.x, 300.0f) << "the snowballs get no turn after a death";
}

TEST(EnemyStep, NothingMovesOutsidePlay)
{
    start_scene(OPEN_FLOOR);
    play.state = STATE_DYING;
    play.tick = 0;
    Enemy& e = place(0, ENEMY_GHOST, 300.0f, 100.0f);
    step(10);
    EXPECT_EQ(e.x, 300.0f);
    EXPECT_EQ(e.anim, 0);
}

// The distance an enemy covers in one tick of open space, by level index:
// every kind scales by min(2.2, 1 + 0.03 x level).
TEST(EnemySpeed, ScalesWithTheLevelUpToTheCap)
{
    struct Case { int kind, level; float dx, dy; };
    const Case cases[] = {
        {ENEMY_SNOWMAN, 0, 1.1f, 0.0f},      {ENEMY_SNOWMAN, 10, 1.43f, 0.0f},
        {ENEMY_SNOWMAN, 41, 2.42f, 0.0f},    {ENEMY_SNOWMAN, 99, 2.42f, 0.0f},
        {ENEMY_POLAR_BEAR, 0, 0.9f, 0.0f},   {ENEMY_POLAR_BEAR, 41, 1.98f, 0.0f},
        {ENEMY_GHOST, 0, 1.4f, 0.35f},       {ENEMY_GHOST, 41, 3.08f, 0.77f},
        {ENEMY_BAT, 0, 1.5f, 1.5f},          {ENEMY_BAT, 50, 3.3f, 3.3f},
        {ENEMY_SPARK, 0, 1.6f, 0.0f},        {ENEMY_SPARK, 41, 3.52f, 0.0f},
    };
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR, c.level);
        // Hero low down on the left: the ghost drifts down, the bear never
        // sees him behind it.
        bool flies = c.kind == ENEMY_GHOST || c.kind == ENEMY_BAT;
        Enemy& e = place(0, c.kind, 336.0f, flies ? 240.0f : 480.0f);
        float x = e.x, y = e.y;
        step();
        EXPECT_NEAR(fabsf(e.x - x), c.dx, 1e-4f) << "kind " << c.kind << " level " << c.level;
        EXPECT_NEAR(fabsf(e.y - y), c.dy, 1e-4f) << "kind " << c.kind << " level " << c.level;
    }
}

TEST(EnemySpeed, Level40StaysJustUnderTheCap)
{
    start_scene(OPEN_FLOOR, 40);
    play.hero_x = 600.0f;
    // Near 0 the position keeps the last bit of the step.
    Enemy& e = place(0, ENEMY_SNOWMAN, 0.0f, 480.0f);
    step();
    EXPECT_LT(e.x, 2.42f);
    EXPECT_NEAR(e.x, 2.42f, 1e-5f);
}

TEST(Walkers, NeighboursFromTheLevelWalkApartBySlotParity)
{
    const std::vector<std::string> rows = {
        "...............", "...............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "T.....MM.......", "sssssssssssssss",
    };
    start_scene(rows);
    step(20);
    const Enemy& even = play.enemies[0];
    const Enemy& odd = play.enemies[1];
    EXPECT_EQ(even.dir, -1);
    EXPECT_EQ(odd.dir, 1);
    EXPECT_NEAR(even.x, 288.0f - 22.0f, 1e-3f);
    EXPECT_NEAR(odd.x, 336.0f + 22.0f, 1e-3f);
    EXPECT_EQ(even.y, 480.0f);
    EXPECT_EQ(odd.y, 480.0f);
}

// A walker going right turns back without a step at a wall or at a ledge,
// and walks along the bottom edge of the grid.
TEST(Walkers, TurnAtWallsAndLedgesButNotAtTheGridBottom)
{
    struct Case { const char* name; std::vector<std::string> rows; float y; float turn_right_edge; int key_row, key_col; };
    const Case cases[] = {
        {"wall", {"...............", "...............", "...............", "...............",
                  "...............", "...............", "...............", "...............",
                  "...............", "...............", "T........s.....", "sssssssssssssss"},
         480.0f, 432.0f, 11, 14},
        {"ledge", {"...............", "...............", "...............", "...............",
                   "...............", "...............", "...............", "...............",
                   "...............", "...............", "T..............", "ssssssss......."},
         480.0f, 384.0f - 2.0f, 11, 0},
        {"play area edge", {"...............", "...............", "...............", "...............",
                            "...............", "...............", "...............", "...............",
                            "...............", "...............", "T..............", "sssssssssssssss"},
         480.0f, 720.0f, 11, 14},
        {"grid bottom", {"..............s", "...............", "...............", "...............",
                         "...............", "...............", "...............", "...............",
                         "...............", "...............", "T..............", "..............."},
         528.0f, 720.0f, 0, 14},
    };
    for (const Case& c : cases) {
        start_scene(c.rows, 0, c.key_row, c.key_col);
        Enemy& e = place(0, ENEMY_SNOWMAN, 240.0f, c.y);
        float right = 0.0f;
        int ticks = 0;
        while (e.dir == 1 && ticks < 1000) {
            step();
            ticks++;
            right = fmaxf(right, e.x + 38.0f);
        }
        ASSERT_EQ(e.dir, -1) << c.name;
        // The box (or, at a ledge, the probe 2 px beyond it) stops short of
        // the border by less than one step.
        EXPECT_LE(right, c.turn_right_edge + 0.01f) << c.name;
        EXPECT_GT(right + 1.1f, c.turn_right_edge) << c.name;
        EXPECT_EQ(e.y, c.y) << c.name;
        float x = e.x;
        step();
        EXPECT_NEAR(e.x, x - 1.1f, 1e-4f) << c.name << ": walks back";
    }
}

TEST(Walkers, FallStraightDownAndLandOnTheFirstSolidRow)
{
    start_scene(OPEN_FLOOR);
    play.hero_x = 0.0f;
    Enemy& e = place(0, ENEMY_SNOWMAN, 336.0f, 100.0f);
    e.vy = -1.0f;
    step();
    EXPECT_NEAR(e.y, 100.0f - 0.72f, 1e-4f) << "the creation speed carries into the first fall";
    float y = e.y;
    for (int i = 0; i < 200 && e.y < 480.0f; i++) {
        step();
        EXPECT_LE(e.y - y, 6.0f);
        EXPECT_EQ(e.x, 336.0f);
        y = e.y;
    }
    EXPECT_EQ(e.y, 480.0f);
    EXPECT_EQ(e.vy, 0.0f);
    step();
    EXPECT_NEAR(e.x, 337.1f, 1e-4f) << "walks on after landing";
}

// Bear at column 2 facing right; the hero and a block are put in its row.
TEST(PolarBear, ChargesOnlyAtAHeroItSeesAhead)
{
    struct Case { const char* name; float hero_dx, hero_dy; int dir; int block_col; bool charges; };
    const Case cases[] = {
        {"clear row at 288 px", 288.0f, 0.0f, 1, -1, true},
        {"level with it", 0.0f, 0.0f, 1, -1, true},
        {"too far", 289.0f, 0.0f, 1, -1, false},
        {"facing away", 200.0f, 0.0f, -1, -1, false},
        {"ice block between", 192.0f, 0.0f, 1, 4, false},
        {"block beyond the hero", 96.0f, 0.0f, 1, 6, true},
        {"20 px higher", 192.0f, -20.0f, 1, -1, true},
        {"21 px higher", 192.0f, -21.0f, 1, -1, false},
    };
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR);
        if (c.block_col >= 0)
            play.cells[10][c.block_col] = CELL_ICE;
        Enemy& bear = place(0, ENEMY_POLAR_BEAR, 96.0f, 480.0f, c.dir);
        play.hero_x = 96.0f + c.hero_dx;
        play.hero_y = 480.0f + c.hero_dy;
        step();
        EXPECT_EQ(bear.mode, c.charges ? 1 : 0) << c.name;
        EXPECT_EQ(std::count(effects_log.begin(), effects_log.end(), 13), c.charges ? 1 : 0) << c.name;
        float moved = fabsf(bear.x - 96.0f);
        EXPECT_NEAR(moved, c.charges ? 3.2f : 0.9f, 1e-4f) << c.name;
    }
}

TEST(PolarBear, ChargeEndsAtALedgeAndTheBearWalksBack)
{
    const std::vector<std::string> rows = {
        "...............", "...............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "T..............", "sssssss........",
    };
    start_scene(rows, 0, 11, 0);
    Enemy& bear = place(0, ENEMY_POLAR_BEAR, 48.0f, 480.0f, 1);
    play.hero_x = 300.0f;
    play.hero_y = 460.0f;
    step();
    ASSERT_EQ(bear.mode, 1);
    // Back behind the bear: the charge goes on without a look.
    play.hero_x = 0.0f;
    play.hero_y = 480.0f;
    int ticks = 0;
    while (bear.mode == 1 && ticks++ < 200)
        step();
    EXPECT_EQ(bear.mode, 0);
    EXPECT_EQ(bear.dir, -1);
    // The ledge probe 40 px ahead stopped short of the open column 7.
    EXPECT_LT(bear.x + 40.0f, 336.0f);
    EXPECT_GE(bear.x + 40.0f + 3.2f, 336.0f);
    float x = bear.x;
    step();
    EXPECT_NEAR(bear.x, x - 0.9f, 1e-4f);
}

TEST(Ghost, DriftsToTheHerosHeightAndStopsWithin2Pixels)
{
    // A wall keeps the ghost's flight away from the hero.
    const std::vector<std::string> rows = {
        "....s..........", "....s..........", "....s..........", "....s..........",
        "....s..........", "....s..........", "....s..........", "....s..........",
        "....s..........", "....s..........", "T...s..........", "sssssssssssssss",
    };
    start_scene(rows);
    Enemy& ghost = place(0, ENEMY_GHOST, 336.0f, 96.0f);
    float y = ghost.y;
    for (int i = 0; i < 1500; i++) {
        step();
        ASSERT_EQ(play.state, (uint32_t)STATE_PLAYING);
        EXPECT_GE(ghost.y, y) << "a ghost never turns back vertically";
        y = ghost.y;
    }
    EXPECT_LE(fabsf(play.hero_y - ghost.y), 2.0f);
    EXPECT_GT(fabsf(play.hero_y - ghost.y), 2.0f - 0.35f);

    ghost.y = play.hero_y - 2.0f;
    step();
    EXPECT_EQ(ghost.y, play.hero_y - 2.0f) << "exactly 2 px off: no drift";
}

TEST(Ghost, ReversesAtWallsAndKeepsItsHeightUnderACeiling)
{
    // The hero stands high above; the ghost's box top lies on the ceiling.
    const std::vector<std::string> rows = {
        "T..............", "s..............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...sssssss.....", "...s.....s.....", "sssssssssssssss",
    };
    start_scene(rows);
    Enemy& ghost = place(0, ENEMY_GHOST, 240.0f, 472.0f, 1);
    float lo = ghost.x, hi = ghost.x;
    for (int i = 0; i < 400; i++) {
        step();
        lo = fminf(lo, ghost.x);
        hi = fmaxf(hi, ghost.x);
        ASSERT_EQ(ghost.y, 472.0f);
    }
    // The box x + 8 .. x + 40 stays between the walls at 192 and 432 and
    // comes within one step of each.
    EXPECT_GE(lo + 8.0f, 192.0f);
    EXPECT_LT(lo + 8.0f, 192.0f + 1.4f);
    EXPECT_LE(hi + 40.0f, 432.01f);
    EXPECT_GT(hi + 40.0f, 432.0f - 1.4f);
}

TEST(Bat, FlipsBothAxesWithoutMovingWhenACornerBlocksBoth)
{
    start_scene(OPEN_FLOOR);
    play.cells[10][9] = CELL_STONE;
    play.hero_x = 0.0f;
    // Box right edge on the wall's border, box bottom on the floor's.
    Enemy& bat = place(0, ENEMY_BAT, 432.0f - 40.0f, 528.0f - 46.0f, 1);
    step();
    EXPECT_EQ(bat.x, 392.0f);
    EXPECT_EQ(bat.y, 482.0f);
    EXPECT_EQ(bat.vx, -1.0f);
    EXPECT_EQ(bat.vy, -1.0f);
    EXPECT_EQ(bat.dir, -1);
    step();
    EXPECT_EQ(bat.x, 390.5f);
    EXPECT_EQ(bat.y, 480.5f);
}

TEST(Bat, StaysInsideAClosedRoom)
{
    const std::vector<std::string> rows = {
        "sssssssssssssss", "s.....s.......s", "s.............s", "s.........s...s",
        "s.............s", "sssssssssssssss", "...............", "...............",
        "...............", "...............", "T..............", "sssssssssssssss",
    };
    start_scene(rows);
    Enemy& bat = place(0, ENEMY_BAT, 240.0f, 96.0f, 1);
    for (int i = 0; i < 3000; i++) {
        step();
        int c0 = (int)floorf((bat.x + 8.0f) / 48.0f), c1 = (int)floorf((bat.x + 40.0f - 0.01f) / 48.0f);
        int r0 = (int)floorf((bat.y + 8.0f) / 48.0f), r1 = (int)floorf((bat.y + 46.0f - 0.01f) / 48.0f);
        ASSERT_GE(r0, 1);
        ASSERT_LE(r1, 4);
        for (int r = r0; r <= r1; r++)
            for (int c = c0; c <= c1; c++)
                ASSERT_EQ(play.cells[r][c], CELL_EMPTY) << "tick " << i;
    }
}

// The cells (row, column) at which a spark arrives at its next corners,
// starting to the right at a corner.
TEST(Spark, TakesCornersInItsTurnOrder)
{
    struct Case { const char* name; std::vector<std::string> rows; int start_row, start_col; int path[5][2]; };
    const Case cases[] = {
        {"open floor: round a square clockwise",
         {"...............", "...............", "...............", "...............",
          "...............", "...............", "...............", "...............",
          "...............", "...............", "T..............", "sssssssssssssss"},
         10, 7, {{10, 6}, {9, 6}, {9, 7}, {10, 7}, {10, 6}}},
        {"corridor one cell high: swings",
         {"...............", "...............", "...............", "...............",
          "...............", "...............", "...............", "...............",
          "...............", "sssssssssssssss", "T..............", "sssssssssssssss"},
         10, 7, {{10, 6}, {10, 7}, {10, 6}, {10, 7}, {10, 6}}},
        {"floor and wall behind: anticlockwise, then round the square beside",
         {"...............", "...............", "...............", "...............",
          "...............", "...............", "...............", "...............",
          "...............", "...............", "T.....s........", "sssssssssssssss"},
         10, 7, {{9, 7}, {9, 8}, {10, 8}, {10, 7}, {9, 7}}},
        {"a block below the square: it sidesteps",
         {"...............", "...............", "...............", "...............",
          "...............", "...............", "...............", "...............",
          "...............", "...............", "T....s.........", "sssssssssssssss"},
         9, 6, {{10, 6}, {9, 6}, {9, 7}, {10, 7}, {10, 6}}},
        {"shut in: pushes on into the cells ahead",
         {"sssssssssssssss", "sssssssssssssss", "sssssssssssssss", "sssssssssssssss",
          "sssssssssssssss", "sssssssssssssss", "sssssssssssssss", "sssssssssssssss",
          "sssssssssssssss", "sssssssssssssss", "Tssssss.sssssss", "sssssssssssssss"},
         10, 7, {{10, 8}, {10, 7}, {10, 6}, {10, 7}, {10, 8}}},
    };
    for (const Case& c : cases) {
        start_scene(c.rows);
        Enemy& spark = place(0, ENEMY_SPARK, 48.0f * c.start_col, 48.0f * c.start_row);
        for (int k = 0; k < 5; k++) {
            int ticks = 0;
            do {
                step();
                ticks++;
            } while (spark.leg_left > 0.0f && ticks < 100);
            ASSERT_EQ(play.state, (uint32_t)STATE_PLAYING) << c.name;
            // Float steps land within a hair of the corner; the next corner
            // snaps the spark onto the cell.
            EXPECT_NEAR(spark.y, 48.0f * c.path[k][0], 1e-3f) << c.name << ", corner " << k;
            EXPECT_NEAR(spark.x, 48.0f * c.path[k][1], 1e-3f) << c.name << ", corner " << k;
        }
    }
}

TEST(Spark, ShutInAtTheGridEdgeWaitsInsideThePlayArea)
{
    const std::vector<std::string> rows = {
        "sssssssssssssss", "sssssssssssssss", "sssssssssssssss", "sssssssssssssss",
        "sssssssssssssss", "sssssssssssssss", "sssssssssssssss", "sssssssssssssss",
        "sssssssssssssss", "ssssssssssssss.", "Tssssssssssssss", "sssssssssssssss",
    };
    start_scene(rows);
    Enemy& spark = place(0, ENEMY_SPARK, 672.0f, 432.0f);
    step(100);
    EXPECT_EQ(spark.x, 672.0f);
    EXPECT_EQ(spark.y, 432.0f);
    EXPECT_EQ(spark.crawl_dir, 0);
}

TEST(Spark, LegTakesWholeTicksAndArrivesExactlyOnTheCorner)
{
    struct Case { int level; int ticks_per_leg; };
    const Case cases[] = {{0, 31}, {41, 14}};
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR, c.level);
        Enemy& spark = place(0, ENEMY_SPARK, 336.0f, 480.0f);
        int ticks = 0;
        do {
            step();
            ticks++;
        } while (spark.leg_left > 0.0f && ticks < 100);
        EXPECT_EQ(ticks, c.ticks_per_leg) << "level " << c.level;
        EXPECT_NEAR(spark.x, 288.0f, 1e-3f) << "level " << c.level;
        EXPECT_EQ(spark.leg_left, 0.0f) << "level " << c.level;
    }
}

TEST(Spark, FrozenInMidLegGoesOnFromThere)
{
    start_scene(OPEN_FLOOR);
    Enemy& spark = place(0, ENEMY_SPARK, 336.0f, 480.0f);
    step(10);
    float x = spark.x, left = spark.leg_left;
    // The freeze counts down before the enemies move: 5 holds them 4 ticks.
    play.freeze_ticks = 5;
    step(4);
    EXPECT_EQ(spark.x, x);
    EXPECT_EQ(spark.leg_left, left);
    step();
    EXPECT_NEAR(spark.x, x - 1.6f, 1e-4f);
}

TEST(Icicle, ShakesFallsAndShatters)
{
    const std::vector<std::string> rows = {
        "...............", "...............", ".......V.......", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", ".......T.......", "sssssssssssssss",
    };
    start_scene(rows);
    Enemy& icicle = play.enemies[0];
    step();
    EXPECT_EQ(icicle.mode, 1);
    EXPECT_EQ(icicle.mode_timer, 30);
    EXPECT_EQ(effects_log, std::vector<int>{4});
    // Once shaking it falls whatever the hero does; 28 px aside he is safe.
    play.hero_x = 336.0f - 28.0f;
    step(29);
    EXPECT_EQ(icicle.mode, 1);
    step();
    EXPECT_EQ(icicle.mode, 2);
    EXPECT_EQ(icicle.y, 96.0f);
    step();
    EXPECT_NEAR(icicle.y, 96.336f, 1e-4f);
    float y = icicle.y, vy = icicle.vy;
    int ticks = 0;
    while (icicle.active && ticks++ < 200) {
        step();
        EXPECT_EQ(icicle.x, 336.0f);
        EXPECT_NEAR(icicle.vy, fminf(vy + 0.336f, 9.0f), 1e-4f);
        vy = icicle.vy;
        if (icicle.active)
            y = icicle.y;
    }
    ASSERT_FALSE(icicle.active);
    EXPECT_EQ(effects_log, (std::vector<int>{4, 2}));
    // Its box bottom y + 46 went into the floor row in the last fall.
    EXPECT_LE(y + 46.0f, 528.01f);
    EXPECT_GT(icicle.y + 46.0f, 528.0f);
    EXPECT_EQ(play.state, (uint32_t)STATE_PLAYING);
    bool shards = false;
    for (const Particle& p : play.particles)
        shards |= p.active && p.kind == PARTICLE_SHARDS && p.x == 336.0f && p.y == icicle.y;
    EXPECT_TRUE(shards);
}

TEST(Icicle, SeesOnlyAHeroBelowWithEmptyCellsBetween)
{
    struct Case { const char* name; float hero_dx; int hero_row; int block_row; bool shakes; };
    const Case cases[] = {
        {"straight below, far", 0.0f, 10, -1, true},
        {"in the next row", 0.0f, 3, -1, true},
        {"25 px aside", 25.0f, 10, -1, true},
        {"26 px aside", 26.0f, 10, -1, false},
        {"ice block between", 0.0f, 10, 6, false},
        {"block below the hero", 0.0f, 8, 9, true},
        {"level with it", 40.0f, 2, -1, false},
    };
    for (const Case& c : cases) {
        start_scene(OPEN_FLOOR);
        if (c.block_row >= 0)
            play.cells[c.block_row][7] = CELL_ICE;
        Enemy& icicle = place(0, ENEMY_ICICLE, 336.0f, 96.0f);
        play.hero_x = 336.0f + c.hero_dx;
        play.hero_y = 48.0f * c.hero_row;
        step();
        EXPECT_EQ(icicle.mode, c.shakes ? 1 : 0) << c.name;
        EXPECT_EQ(icicle.y, 96.0f) << c.name;
    }
}

TEST(Icicle, FrozenIcicleNeitherShakesNorFalls)
{
    start_scene(OPEN_FLOOR);
    Enemy& icicle = place(0, ENEMY_ICICLE, 0.0f, 96.0f);
    play.freeze_ticks = 20;
    step(10);
    EXPECT_EQ(icicle.mode, 0);
    icicle.mode = 2;
    step(5);
    EXPECT_EQ(icicle.y, 96.0f);
    EXPECT_EQ(icicle.anim, 15);
}

TEST(Icicle, ShatteringWithinReachStillKillsTheHero)
{
    const std::vector<std::string> rows = {
        "T..............", "ss.............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "...............", "sssssssssssssss",
    };
    start_scene(rows);
    // Its box bottom lies on the stone and the hero within reach: the first
    // fall breaks it, and the shattered icicle still takes the contact test.
    Enemy& icicle = place(0, ENEMY_ICICLE, 20.0f, 2.0f);
    icicle.mode = 2;
    step();
    EXPECT_FALSE(icicle.active);
    EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
}

TEST(Icicle, FallingOnTheHeroKillsHimAndInTheBottomRowShattersOnTheGridEdge)
{
    start_scene(OPEN_FLOOR);
    Enemy& icicle = place(0, ENEMY_ICICLE, 0.0f, 96.0f);
    icicle.mode = 2;
    int ticks = 0;
    while (play.state == STATE_PLAYING && ticks++ < 200)
        step();
    EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
    EXPECT_TRUE(icicle.active) << "the floor is still below it";

    const std::vector<std::string> rows = {
        "...............", "...............", "...............", "...............",
        "...............", "...............", "...............", "...............",
        "...............", "...............", "T..............", "ssssssssss.....",
    };
    start_scene(rows, 0, 11, 0);
    Enemy& low = place(0, ENEMY_ICICLE, 576.0f, 528.0f);
    low.mode = 2;
    ticks = 0;
    while (low.active && ticks++ < 20)
        step();
    EXPECT_FALSE(low.active);
    EXPECT_GT(low.y, 530.0f);
    EXPECT_LT(low.y, 540.0f);
}

} // namespace
