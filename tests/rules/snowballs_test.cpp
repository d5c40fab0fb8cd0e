// Snowball flight and hits, and the ageing and limits of particles and pop-ups.
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

// A stone floor, the hero at column 1 of row 10 facing right, with snowballs.
static void start_row(const std::string& row10)
{
    std::vector<std::string> rows(11, "...............");
    rows.push_back("sssssssssssssss");
    rows[0] = "K.............D";
    rows[10] = row10;
    start_fixture(fixture(rows));
    wait_until_playing();
    play.snowballs_left = 4;
    play.freeze_ticks = 10000;  // enemies stand still for the hit tests
}

static void throw_right()
{
    game_step(input_frame(INPUT_THROW, 0));
}

TEST(Snowball, StopsAtASolidCellWithAPuffAndNoSound)
{
    // From x 72 the probe x + 32 reaches the stone at column 3 (x 144) at x 114.
    struct Case {
        const char* name;
        const char* row;
        int stop_tick;
        float stop_x;
    } cases[] = {
        { "stone", ".T.s...........", 6, 114.0f },
        { "ice", ".T.i...........", 6, 114.0f },
        { "right edge", ".T.............", 88, 688.0f },
        // After 33 ticks the probe is at 335, one pixel short of column 7.
        { "stone at column 7", ".T.....s.......", 34, 310.0f },
        { "stone in front of the hero", ".Ts............", 1, 79.0f },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_row(c.row);
        throw_right();
        clear_sound_log();
        for (int t = 1; t < c.stop_tick; t++) {
            ASSERT_EQ(play.snowballs[0].active, 1u) << t;
            hold(0);
        }
        EXPECT_EQ(play.snowballs[0].active, 0u);
        EXPECT_FLOAT_EQ(play.snowballs[0].x, c.stop_x);
        EXPECT_TRUE(effects_log.empty());
        ASSERT_EQ(play.particles[0].active, 1u);
        EXPECT_FLOAT_EQ(play.particles[0].x, c.stop_x);
        EXPECT_FLOAT_EQ(play.particles[0].y, 486.0f);
        EXPECT_EQ(play.cells[10][3] == CELL_EMPTY, c.row[3] == '.');
        EXPECT_EQ(play.cells[10][7] == CELL_EMPTY, c.row[7] == '.');
    }
}

TEST(Snowball, KillsAnEnemyForItsKindsPoints)
{
    // The enemy at column 5 (x 240) is in reach once the ball passes x 206.
    struct Case {
        char letter;
        int points;
    } cases[] = { { 'M', 300 }, { 'S', 500 }, { 'F', 700 }, { 'X', 1000 }, { 'V', 400 }, { 'B', 800 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        std::string row = ".T.............";
        row[5] = c.letter;
        start_row(row);
        throw_right();
        hold(0, 18);
        EXPECT_EQ(play.score, 0);
        clear_sound_log();
        hold(0);
        EXPECT_EQ(play.enemies[0].active, 0u);
        EXPECT_EQ(play.snowballs[0].active, 0u);
        EXPECT_EQ(play.score, c.points);
        EXPECT_EQ(effects_log, std::vector<int>{ 10 });
        EXPECT_EQ(play.popups[0].points, c.points);
        EXPECT_FLOAT_EQ(play.popups[0].x, 240.0f);
        EXPECT_FLOAT_EQ(play.popups[0].y, 480.0f);
    }
}

TEST(Snowball, CellBeatsEnemyAndOnlyTheLowerSlotDies)
{
    start_row(".T..MMs........");
    play.enemies[0].x = 160.0f;  // both within 34 px of the ball at x 128
    play.enemies[1].x = 170.0f;
    throw_right();
    hold(0, 7);
    EXPECT_EQ(play.enemies[0].active, 0u);
    EXPECT_EQ(play.enemies[1].active, 1u);
    EXPECT_EQ(play.score, 300);

    // The probe enters the stone at column 4 with the ball at x 163, the
    // first tick in which the enemy at x 190 is within reach: it survives.
    start_row(".T..s..........");
    play.enemies[0] = {};
    play.enemies[0].active = 1;
    play.enemies[0].x = 190.0f;
    play.enemies[0].y = 480.0f;
    throw_right();
    hold(0, 10);
    EXPECT_EQ(play.enemies[0].active, 1u);
    EXPECT_EQ(play.score, 0);
}

TEST(Snowball, KillAcrossAThresholdGivesALife)
{
    start_row(".T...X.........");
    play.score = 19500;
    throw_right();
    hold(0, 18);
    clear_sound_log();
    hold(0);
    EXPECT_EQ(play.score, 20500);
    EXPECT_EQ(play.lives, 4);
    EXPECT_EQ(effects_log, (std::vector<int>{ 10, 11 }));
}

TEST(Snowball, StandsStillWhileTheHeroDies)
{
    start_row(".T.............");
    throw_right();
    play.bonus = 1;
    play.bonus_acc = 9.99f;
    hold(0);
    ASSERT_EQ(play.state, (uint32_t)STATE_DYING);
    float x = play.snowballs[0].x;
    hold(0, 50);
    EXPECT_FLOAT_EQ(play.snowballs[0].x, x);
}

TEST(Particles, LiveForThirtySevenTicksInEveryState)
{
    for (uint32_t state : { (uint32_t)STATE_PLAYING, (uint32_t)STATE_GAME_OVER }) {
        SCOPED_TRACE(state);
        start_row(".T.............");
        play.state = state;
        spawn_particle(PARTICLE_SHARDS, 10.0f, 20.0f);
        hold(0, 36);
        EXPECT_EQ(play.particles[0].active, 1u);
        EXPECT_EQ(play.particles[0].age, 36);
        hold(0);
        EXPECT_EQ(play.particles[0].active, 0u);
    }
}

TEST(Popups, RiseForFiftyTicks)
{
    start_row(".T.............");
    play.state = STATE_GAME_OVER;
    spawn_popup(100.0f, 240.0f, 500);
    hold(0, 49);
    EXPECT_NEAR(play.popups[0].y, 210.6f, 1e-3f);
    EXPECT_EQ(play.popups[0].ticks, 1);
    hold(0);
    EXPECT_EQ(play.popups[0].ticks, 0);
    spawn_popup(1.0f, 2.0f, 3);
    EXPECT_EQ(play.popups[0].points, 3);
}

TEST(Pools, FullPoolsMakeNothingAndTakeTheLowestFreeSlot)
{
    start_row(".T.............");
    for (int i = 0; i < MAX_PARTICLES; i++)
        spawn_particle(PARTICLE_PUFF, (float)i, 0.0f);
    for (int i = 0; i < MAX_POPUPS; i++)
        spawn_popup((float)i, 0.0f, i);
    spawn_particle(PARTICLE_SHARDS, 99.0f, 99.0f);
    spawn_popup(99.0f, 99.0f, 99);
    for (int i = 0; i < MAX_PARTICLES; i++)
        EXPECT_FLOAT_EQ(play.particles[i].x, (float)i);
    for (int i = 0; i < MAX_POPUPS; i++)
        EXPECT_EQ(play.popups[i].points, i);

    // A block made with the pools full still stands and sounds.
    hold(INPUT_ACTION);
    EXPECT_EQ(play.cells[10][2], CELL_ICE);
    EXPECT_EQ(effects_log, std::vector<int>{ 1 });

    play.particles[5].active = 0;
    play.popups[3].ticks = 0;
    spawn_particle(PARTICLE_SHARDS, 99.0f, 99.0f);
    spawn_popup(99.0f, 99.0f, 99);
    EXPECT_FLOAT_EQ(play.particles[5].x, 99.0f);
    EXPECT_EQ(play.popups[3].points, 99);
}
