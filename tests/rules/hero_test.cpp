// The hero's movement: walking, slippery ice, walls, the jump with its buffer
// and take-off delay, steps, head bumps, corner correction and the cell test.
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

// Empty rows above a stone floor; the caller edits rows before making the text.
static std::vector<std::string> open_rows()
{
    std::vector<std::string> rows(11, "...............");
    rows.push_back("sssssssssssssss");
    rows[0] = "..............K";
    rows[1] = "..............D";
    return rows;
}

static void begin_rows(std::vector<std::string> rows, int hero_row = 10, int hero_col = 1)
{
    rows[hero_row][hero_col] = 'T';
    start_fixture(fixture(rows));
    wait_until_playing();
}

TEST(HeroWalk, PlainGroundGivesFullSpeedAndStopsAtOnce)
{
    begin_rows(open_rows());
    replay({ { 10, INPUT_RIGHT }, { 5, 0 }, { 4, INPUT_LEFT } }, {
        { steps_run + 1, STATE_PLAYING, ANY, ANY, ANY, 50.25f, 480.0f },
        { steps_run + 10, STATE_PLAYING, ANY, ANY, ANY, 70.5f, 480.0f },
        { steps_run + 15, STATE_PLAYING, ANY, ANY, ANY, 70.5f, 480.0f },
        { steps_run + 19, STATE_PLAYING, ANY, ANY, ANY, 61.5f, 480.0f },
    });
    EXPECT_EQ(play.facing, -1);
    EXPECT_FLOAT_EQ(play.walk_distance, 14 * 2.25f);
}

TEST(HeroWalk, WallsAndPlayAreaEdgesStopTheBoxFlush)
{
    struct Case {
        const char* name;
        int hero_col;
        int keys;
        int wall_col;  // -1: none
        float stop_x;
    } cases[] = {
        { "stone to the right", 1, INPUT_RIGHT, 4, 48.0f * 4 - 38 },
        { "stone to the left", 6, INPUT_LEFT, 3, 48.0f * 4 - 10 },
        { "right edge", 12, INPUT_RIGHT, -1, 720.0f - 38 },
        { "left edge", 2, INPUT_LEFT, -1, -10.0f },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = open_rows();
        if (c.wall_col >= 0)
            rows[10][c.wall_col] = 's';
        begin_rows(rows, 10, c.hero_col);
        hold(c.keys, 100);
        EXPECT_FLOAT_EQ(play.hero_x, c.stop_x);
        EXPECT_FLOAT_EQ(play.hero_vx, 0.0f);
    }
}

TEST(HeroWalk, SlipperyIceSpeedsUpSlowlyAndSlidesOn)
{
    std::vector<std::string> rows = open_rows();
    rows[11] = "===============";
    begin_rows(rows);
    hold(INPUT_RIGHT, 28);
    EXPECT_NEAR(play.hero_vx, 2.24f, 1e-5f);
    hold(INPUT_RIGHT);
    EXPECT_FLOAT_EQ(play.hero_vx, 2.25f);
    EXPECT_EQ(play.on_slippery, 1u);
    // Released, the hero slides on, losing 0.022 a tick.
    float x = play.hero_x;
    hold(0);
    EXPECT_NEAR(play.hero_vx, 2.228f, 1e-5f);
    EXPECT_FLOAT_EQ(play.hero_x, x + play.hero_vx);
    EXPECT_EQ(play.walking, 0u);
    // A reversal first brakes at 0.08 a tick.
    hold(INPUT_LEFT);
    EXPECT_NEAR(play.hero_vx, 2.148f, 1e-5f);
    EXPECT_EQ(play.facing, -1);
    hold(0, 200);
    EXPECT_FLOAT_EQ(play.hero_vx, 0.0f);
}

TEST(HeroWalk, GlidesOffASlipperyLedge)
{
    std::vector<std::string> rows = open_rows();
    rows[11] = "=====..........";
    rows[8] = "...............";
    begin_rows(rows);
    hold(INPUT_RIGHT, 60);
    ASSERT_FLOAT_EQ(play.hero_vx, 2.25f);
    while (play.on_ground)
        hold(0);
    float v = play.hero_vx;
    hold(0);
    EXPECT_FLOAT_EQ(play.hero_vx, v * 0.985f);
    hold(INPUT_RIGHT);
    EXPECT_FLOAT_EQ(play.hero_vx, 2.25f);
}

TEST(HeroJump, TakesOffInTheThirdTickAndFallsBack)
{
    begin_rows(open_rows());
    replay({ { 1, INPUT_UP }, { 2, INPUT_UP }, { 1, 0 }, { 60, 0 } }, {
        { steps_run + 1, STATE_PLAYING, ANY, ANY, ANY, 48.0f, 480.0f },
        { steps_run + 3, STATE_PLAYING, ANY, ANY, ANY, 48.0f, 480.0f },
        { steps_run + 4, STATE_PLAYING, ANY, ANY, ANY, 48.0f, 480.0f - 5.47f },
        { steps_run + 64, STATE_PLAYING, ANY, ANY, ANY, 48.0f, 480.0f },
    });
    EXPECT_EQ(play.on_ground, 1u);
    EXPECT_EQ(effects_log, std::vector<int>{ 0 });
}

TEST(HeroJump, ClimbsAOneCellStepButNotTwo)
{
    struct Case {
        const char* name;
        bool two_high;
        float end_y;
    } cases[] = { { "one cell", false, 432.0f }, { "two cells", true, 480.0f } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = open_rows();
        rows[10] = "...ssssssssssss";
        if (c.two_high)
            rows[9] = "...ssssssssssss";
        begin_rows(rows);
        hold(INPUT_RIGHT, 30);
        ASSERT_FLOAT_EQ(play.hero_x, 106.0f);
        hold(INPUT_RIGHT | INPUT_UP, 60);
        EXPECT_FLOAT_EQ(play.hero_y, c.end_y);
        EXPECT_EQ(play.on_ground, 1u);
        if (c.two_high) {
            EXPECT_FLOAT_EQ(play.hero_x, 106.0f);
        } else {
            EXPECT_GT(play.hero_x, 144.0f);
        }
    }
}

// Ticks from a drop at row 2 until the hero stands on the floor.
static int landing_step()
{
    std::vector<std::string> rows = open_rows();
    begin_rows(rows, 2, 1);
    int start = steps_run;
    while (!play.on_ground || play.hero_y != 480.0f)
        hold(0);
    return steps_run - start;
}

TEST(HeroJump, PressInTheAirIsKeptForSevenTicksBeforeTheLanding)
{
    const int land = landing_step();
    struct Case {
        int before_landing;
        bool jumps;
    } cases[] = { { 0, true }, { 6, true }, { 7, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before_landing);
        begin_rows(open_rows(), 2, 1);
        hold(0, land - c.before_landing - 1);
        hold(INPUT_UP);
        hold(0, c.before_landing);
        ASSERT_EQ(play.on_ground, 1u);
        hold(0);
        EXPECT_EQ(play.jump_delay, c.jumps ? 3 : 0);
        hold(0, 3);
        EXPECT_EQ(play.on_ground, c.jumps ? 0u : 1u);
    }
}

TEST(HeroJump, DuckingHoldsTheJumpUntilTheBufferRunsOut)
{
    struct Case {
        int ducked_ticks;
        bool jumps;
    } cases[] = { { 1, true }, { 7, true }, { 8, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ducked_ticks);
        begin_rows(open_rows());
        hold(INPUT_DOWN | INPUT_UP);
        EXPECT_EQ(play.crouching, 1u);
        hold(INPUT_DOWN, c.ducked_ticks - 1);
        hold(0, 5);
        EXPECT_EQ(play.on_ground, c.jumps ? 0u : 1u);
    }
}

TEST(HeroJump, DuckingStopsWalkingButTurnsTheHero)
{
    begin_rows(open_rows());
    hold(INPUT_DOWN | INPUT_LEFT, 5);
    EXPECT_FLOAT_EQ(play.hero_x, 48.0f);
    EXPECT_EQ(play.facing, -1);
    EXPECT_EQ(play.walking, 0u);
}

TEST(HeadBump, IceCracksThenBreaksAndFreesItsItem)
{
    // An ice block with a hidden fish two rows above the hero's head.
    std::vector<std::string> rows = open_rows();
    rows[10][1] = 'T';
    start_fixture(fixture(rows) + "skjult 9,2 fisk\n");
    wait_until_playing();
    ASSERT_EQ(play.cells[8][1], CELL_ICE);

    struct Bump {
        int cell;
        int cracks;
        int effect;
        int score;
    } bumps[] = { { CELL_ICE, 1, 4, 0 }, { CELL_EMPTY, 0, 2, 0 }, { CELL_EMPTY, 0, 5, 200 } };
    for (const Bump& b : bumps) {
        clear_sound_log();
        hold(INPUT_UP);
        hold(0, 70);
        EXPECT_EQ(play.cells[8][1], b.cell);
        EXPECT_EQ(play.cracks[8][1], b.cracks);
        ASSERT_GE(effects_log.size(), 2u);
        EXPECT_EQ(effects_log[1], b.effect);
        EXPECT_EQ(play.score, b.score);
        EXPECT_FLOAT_EQ(play.hero_y, 480.0f);
    }
    EXPECT_EQ(play.items[8][1], ITEM_NONE);
}

TEST(HeadBump, StoneAndTheCeilingOnlyBump)
{
    struct Case {
        const char* name;
        int hero_row;
        int stone_row;
        float bump_y;
    } cases[] = { { "stone", 10, 8, 48.0f * 8 + 42 }, { "top of the play area", 0, -1, -6.0f } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = open_rows();
        rows[0] = "...............";
        rows[1] = ".............DK";
        if (c.hero_row == 0)
            rows[1] = "sssssssssssssss";
        if (c.stone_row >= 0)
            rows[c.stone_row][1] = 's';
        rows[5] = ".............DK";
        begin_rows(rows, c.hero_row, 1);
        hold(INPUT_UP, 4);
        float lowest = play.hero_y;
        while (play.hero_vy < 0.0f && play.hero_y <= lowest) {
            lowest = play.hero_y;
            hold(INPUT_UP);
        }
        EXPECT_FLOAT_EQ(play.hero_y, c.bump_y);
        EXPECT_FLOAT_EQ(play.hero_vy, 0.5f);
        EXPECT_EQ(effects_log.back(), 3);
        if (c.stone_row >= 0) {
            EXPECT_EQ(play.cells[c.stone_row][1], CELL_STONE);
        }
    }
}

TEST(HeadBump, CornerCorrectionWithinTwelvePixels)
{
    // The block is the ice at column 3 (x 144..192) or column 1 (x 48..96),
    // two rows above the hero; centre is the hero's centre x.
    struct Case {
        int block_col;
        float centre;
        float end_x;  // x once he has risen past, or stayed for a bump
        bool bumped;
    } cases[] = {
        { 3, 144 + 11.0f, 48.0f * 3 - 38, false },
        { 3, 144 + 12.0f, 144 + 12.0f - 24, true },
        { 1, 96 - 11.0f, 48.0f * 1 + 38, false },
        { 1, 96 - 12.0f, 96 - 12.0f - 24, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.centre);
        std::vector<std::string> rows = open_rows();
        rows[8][c.block_col] = 'i';
        begin_rows(rows, 10, 2);
        play.hero_x = c.centre - 24.0f;
        hold(INPUT_UP, 4);
        while (play.hero_vy < 0.0f && play.cracks[8][c.block_col] == 0)
            hold(INPUT_UP);
        EXPECT_FLOAT_EQ(play.hero_x, c.end_x);
        EXPECT_EQ(play.cracks[8][c.block_col], c.bumped ? 1 : 0);
    }
}

TEST(HeroFall, TopSpeedAndLandingOnTheFloor)
{
    begin_rows(open_rows(), 2, 1);
    hold(0, 30);
    EXPECT_FLOAT_EQ(play.hero_vy, 6.0f);
    hold(0, 100);
    EXPECT_FLOAT_EQ(play.hero_y, 480.0f);
    EXPECT_EQ(play.on_ground, 1u);
}

TEST(HeroFall, BottomEdgeHoldsTheHeroUp)
{
    std::vector<std::string> rows = open_rows();
    rows[11] = "...............";
    begin_rows(rows, 8, 1);
    hold(0, 100);
    EXPECT_FLOAT_EQ(play.hero_y, 528.0f);
    EXPECT_EQ(play.on_ground, 1u);
}

TEST(RectHitsSolid, BordersAndTheOutsideOfTheGrid)
{
    begin_rows(open_rows());
    play.cells[5][5] = CELL_STONE;  // x 240..288, y 240..288
    struct Case {
        float x0, y0, x1, y1;
        int hits;
    } cases[] = {
        { 192, 240, 240, 288, 0 },       // right edge on the cell's border
        { 192, 240, 240.5f, 288, 1 },
        { 288, 240, 300, 288, 0 },       // left edge on the border beyond it
        { 287.5f, 240, 300, 288, 1 },
        { 240, 200, 288, 240, 0 },       // bottom edge on its top border
        { 0, 480, 720, 528, 0 },         // the whole empty row above the floor
        { 0, 480, 720, 528.5f, 1 },
        { -0.5f, 100, 10, 110, 1 },      // left of the grid
        { 710, 100, 720.5f, 110, 1 },    // right of it
        { 10, -0.5f, 20, 10, 1 },        // above it
        { 10, 576, 20, 577, 1 },         // below it
        { -1e30f, -1e30f, 1e30f, 1e30f, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " - " << c.x1 << "," << c.y1);
        EXPECT_EQ(rect_hits_solid(c.x0, c.y0, c.x1, c.y1), c.hits);
    }
}
