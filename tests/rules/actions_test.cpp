// The action key (making and breaking ice, its refusals, the push-back and the
// cooldown) and the throw.
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

static std::vector<std::string> floor_rows()
{
    std::vector<std::string> rows(11, "...............");
    rows.push_back("sssssssssssssss");
    rows[0] = "K.............D";
    return rows;
}

static void start_rows(std::vector<std::string> rows, int hero_row, int hero_col)
{
    rows[hero_row][hero_col] = 'T';
    start_fixture(fixture(rows));
    wait_until_playing();
}

static int particles_of(int kind)
{
    int n = 0;
    for (const Particle& p : play.particles)
        n += p.active && (int)p.kind == kind;
    return n;
}

TEST(ActionKey, TargetCellByWhatItHolds)
{
    // The hero stands at (hero_row, hero_col) facing right unless the keys
    // turn him; the letter is put into the target cell (at_row, at_col).
    struct Case {
        const char* name;
        int keys;
        int hero_row, hero_col;
        char letter;
        int at_row, at_col;
        int cell_after;
        std::vector<int> effects;
        int shards, puffs;
    } cases[] = {
        { "empty: a new block", 0, 10, 4, '.', 10, 5, CELL_ICE, { 1 }, 0, 1 },
        { "ice breaks", 0, 10, 4, 'i', 10, 5, CELL_EMPTY, { 2 }, 1, 0 },
        { "stone stays", 0, 10, 4, 's', 10, 5, CELL_STONE, { 3 }, 0, 1 },
        { "slippery ice stays", 0, 10, 4, '=', 10, 5, CELL_SLIPPERY, { 3 }, 0, 1 },
        { "the door's cell", 0, 10, 4, 'D', 10, 5, CELL_EMPTY, { 3 }, 0, 0 },
        { "an enemy's cell", 0, 10, 4, 'M', 10, 5, CELL_EMPTY, { 3 }, 0, 0 },
        { "facing left", INPUT_LEFT, 10, 4, 'i', 10, 3, CELL_EMPTY, { 2 }, 1, 0 },
        { "ducking breaks the floor ahead", INPUT_DOWN, 10, 4, '.', 11, 5, CELL_EMPTY, { 2 }, 1, 0 },
        { "right edge", 0, 10, 14, '.', 10, 14, CELL_EMPTY, { 3 }, 0, 0 },
        { "left edge", INPUT_LEFT, 10, 0, '.', 10, 0, CELL_EMPTY, { 3 }, 0, 0 },
        { "ducking on the bottom row", INPUT_DOWN, 11, 4, '.', 11, 5, CELL_EMPTY, { 3 }, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = floor_rows();
        if (c.hero_row == 11)
            rows[11] = "...............";
        if (c.keys == INPUT_DOWN && c.hero_row == 10)
            rows[11][5] = 'i';
        if (c.letter == 'D')
            rows[0][14] = '.';
        rows[c.at_row][c.at_col] = c.letter == '.' ? rows[c.at_row][c.at_col] : c.letter;
        start_rows(rows, c.hero_row, c.hero_col);
        hold(c.keys);
        hold(c.keys | INPUT_ACTION);
        EXPECT_EQ(play.cells[c.at_row][c.at_col], c.cell_after);
        EXPECT_EQ(effects_log, c.effects);
        EXPECT_EQ(play.action_cooldown, 14);
        EXPECT_EQ(particles_of(PARTICLE_SHARDS), c.shards);
        EXPECT_EQ(particles_of(PARTICLE_PUFF), c.puffs);
    }
}

TEST(ActionKey, OverlapUpToTwentyPixelsPushesTheHeroBack)
{
    // Facing right with his centre in column 1, the target is column 2
    // (x 96): the box's right edge hero_x + 38 reaches hero_x - 58 pixels
    // into it. From x 72 on the centre is in column 2 and the target moves on.
    struct Case {
        float hero_x;
        int facing;
        int target_col;
        float x_after;
    } cases[] = {
        { 58.0f, 1, 2, 58.0f },
        { 60.0f, 1, 2, 58.0f },
        { 71.5f, 1, 2, 58.0f },
        { 72.0f, 1, 3, 72.0f },
        { 86.0f, -1, 1, 86.0f },
        { 84.0f, -1, 1, 86.0f },
        { 72.5f, -1, 1, 86.0f },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hero_x);
        start_rows(floor_rows(), 10, 1);
        play.hero_x = c.hero_x;
        play.facing = c.facing;
        hold(INPUT_ACTION);
        EXPECT_EQ(play.cells[10][c.target_col], CELL_ICE);
        EXPECT_FLOAT_EQ(play.hero_x, c.x_after);
    }
}

TEST(ActionKey, NewBlockHidesTheItemInItsCellAndBreakingShowsIt)
{
    std::vector<std::string> rows = floor_rows();
    rows[10][2] = 'c';
    start_rows(rows, 10, 1);
    hold(INPUT_ACTION);
    EXPECT_EQ(play.items[10][2], ITEM_CRYSTAL | ITEM_HIDDEN);
    hold(0, 14);
    hold(INPUT_ACTION);
    EXPECT_EQ(play.cells[10][2], CELL_EMPTY);
    EXPECT_EQ(play.items[10][2], ITEM_CRYSTAL);
}

TEST(ActionKey, BlockMadeAheadIsAWallThatStopsTheHero)
{
    start_rows(floor_rows(), 10, 1);
    hold(INPUT_ACTION);
    hold(INPUT_RIGHT, 40);
    EXPECT_FLOAT_EQ(play.hero_x, 96.0f - 38.0f);
}

TEST(ActionKey, CooldownRefusesPressesAndStopsWalking)
{
    start_rows(floor_rows(), 10, 4);
    hold(INPUT_ACTION);
    hold(INPUT_RIGHT, 6);
    EXPECT_FLOAT_EQ(play.hero_x, 192.0f);
    hold(INPUT_RIGHT);
    EXPECT_FLOAT_EQ(play.hero_x, 194.25f);
    // The press in the 13th tick after the first does nothing; the 14th works.
    start_rows(floor_rows(), 10, 4);
    hold(INPUT_ACTION);
    hold(0, 12);
    clear_sound_log();
    hold(INPUT_ACTION);
    EXPECT_TRUE(effects_log.empty());
    hold(0);
    hold(INPUT_ACTION);
    EXPECT_EQ(effects_log, std::vector<int>{ 2 });
}

TEST(ActionKey, WaitsForTheTakeOff)
{
    start_rows(floor_rows(), 10, 4);
    hold(INPUT_UP);
    hold(INPUT_ACTION);
    EXPECT_EQ(play.cells[10][5], CELL_EMPTY);
    EXPECT_EQ(play.action_cooldown, 0);
    hold(0);
    hold(INPUT_ACTION);  // in the air now
    EXPECT_EQ(play.cells[10][5], CELL_ICE);
}

TEST(Throw, NeedsSnowballsAndAFreeSlot)
{
    start_rows(floor_rows(), 10, 4);
    InputFrame throw_now = input_frame(INPUT_THROW, 0);
    game_step(throw_now);
    EXPECT_EQ(play.snowballs[0].active, 0u);
    EXPECT_TRUE(effects_log.empty());

    play.snowballs_left = 5;
    for (int i = 0; i < 4; i++)
        game_step(throw_now);
    EXPECT_EQ(play.snowballs_left, 1);
    EXPECT_EQ(effects_log, std::vector<int>(4, 9));
    EXPECT_EQ(play.action_cooldown, 8);
    // All four in flight: the fifth press uses nothing.
    game_step(throw_now);
    EXPECT_EQ(play.snowballs_left, 1);
    EXPECT_EQ(effects_log.size(), 4u);
    const Snowball& s = play.snowballs[0];
    EXPECT_FLOAT_EQ(s.x, 192.0f + 24 + 5 * 7.0f);
    EXPECT_FLOAT_EQ(s.y, 480.0f + 6);
    EXPECT_FLOAT_EQ(s.vx, 7.0f);
    EXPECT_EQ(s.age, 5);
}

TEST(Throw, LeavesFromTheSideTheHeroFaces)
{
    start_rows(floor_rows(), 10, 4);
    play.snowballs_left = 1;
    hold(INPUT_LEFT | INPUT_THROW);
    EXPECT_FLOAT_EQ(play.snowballs[0].vx, -7.0f);
    EXPECT_FLOAT_EQ(play.snowballs[0].x, play.hero_x - 7.0f);
}

TEST(Throw, AfterTheActionKeyInTheSameTickTheCooldownIsEight)
{
    start_rows(floor_rows(), 10, 4);
    play.snowballs_left = 1;
    hold(INPUT_ACTION | INPUT_THROW);
    EXPECT_EQ(play.cells[10][5], CELL_ICE);
    EXPECT_EQ(play.action_cooldown, 8);
    EXPECT_EQ(play.snowballs_left, 0);
}
