// Items, hidden items and the door.
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

static std::vector<std::string> floor_rows()
{
    std::vector<std::string> rows(11, "...............");
    rows.push_back("sssssssssssssss");
    return rows;
}

TEST(Items, WalkToTheDoorWithAFishAndTheKey)
{
    // Walking right at 2.25 px a tick from x 48, the box's right edge
    // (x + 37 for items) reaches the fish's column 4 at x 156 (play tick 48),
    // the key's column 6 at x 252.75 (tick 91); the door at column 9 opens
    // once the centre is within 14 px of 456, at x 419.25 (tick 165).
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".T..f.K..D.....";
    start_fixture(fixture(rows, "tid 60\n"));
    const int play_from = 91;
    // 165 ticks of the countdown take 450 off the bonus; it moves at 100 a
    // tick from T = 50, 96 ticks, and the last level ends at T = 150.
    replay({ { 91, 0 }, { 165, INPUT_RIGHT }, { 151, 0 } }, {
        { play_from + 47, STATE_PLAYING, 47, 0 },
        { play_from + 48, STATE_PLAYING, 48, 200, 3, 156.0f, 480.0f },
        { play_from + 90, STATE_PLAYING, 90, 200 },
        { play_from + 91, STATE_PLAYING, 91, 1200 },
        { play_from + 164, STATE_PLAYING, 164, 1200 },
        { play_from + 165, STATE_LEVEL_DONE, 0, 1200, 3, 419.25f, 480.0f },
        { play_from + 165 + 50, STATE_LEVEL_DONE, 50, 1200 },
        { play_from + 165 + 146, STATE_LEVEL_DONE, 146, 1200 + 9550 },
        { play_from + 165 + 150, STATE_LEVEL_DONE, 150, 1200 + 9550 },
        { play_from + 165 + 151, STATE_ALL_DONE, 0, 1200 + 9550 },
    });
    EXPECT_EQ(effects_log[0], 5);
    EXPECT_EQ(effects_log[1], 6);
    EXPECT_EQ(effects_log[2], 7);
    EXPECT_EQ(music_log, (std::vector<int>{ 1, -1, 3 }));
}

TEST(Items, EachItemsEffect)
{
    struct Case {
        const char* name;
        int code;
        std::vector<int> effects;
        int points;
        bool popup;
    } cases[] = {
        { "fish", ITEM_FISH, { 5 }, 200, true },
        { "emerald", ITEM_EMERALD, { 5 }, 5000, true },
        { "snowballs", ITEM_SNOWBALLS, { 5 }, 100, true },
        { "hourglass", ITEM_HOURGLASS, { 12 }, 200, true },
        { "extra life", ITEM_LIFE, { 11 }, 0, false },
        { "snowflake", ITEM_SNOWFLAKE, { 12 }, 300, true },
        { "bell", ITEM_BELL, { 5 }, 1000, true },
        { "key", ITEM_KEY, { 6 }, 1000, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = floor_rows();
        rows[10] = ".T.........D..K";
        start_fixture(fixture(rows));
        wait_until_playing();
        play.items[10][1] = (uint8_t)c.code;
        play.freeze_ticks = 5;
        hold(0);
        EXPECT_EQ(play.items[10][1], ITEM_NONE);
        EXPECT_EQ(effects_log, c.effects);
        EXPECT_EQ(play.score, c.points);
        EXPECT_EQ(play.popups[0].ticks != 0, c.popup);
        if (c.popup) {
            EXPECT_EQ(play.popups[0].points, c.points);
            EXPECT_FLOAT_EQ(play.popups[0].x, 48.0f);
        }
        EXPECT_EQ(play.particles[0].active, 1u);
        EXPECT_EQ(play.snowballs_left, c.code == ITEM_SNOWBALLS ? 3 : 0);
        EXPECT_EQ(play.lives, c.code == ITEM_LIFE ? 4 : 3);
        EXPECT_EQ(play.freeze_ticks, c.code == ITEM_SNOWFLAKE ? FREEZE_TICKS : 4);
        EXPECT_EQ(play.has_key, c.code == ITEM_KEY ? 1u : 0u);
    }
}

TEST(Items, HourglassFillsTheBonusUpToTenThousand)
{
    const int cases[][2] = { { 7000, 10000 }, { 5000, 10000 }, { 3000, 8000 }, { 10, 5010 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        std::vector<std::string> rows = floor_rows();
        rows[10] = ".T.........D..K";
        start_fixture(fixture(rows));
        wait_until_playing();
        play.bonus = c[0];
        play.items[10][1] = ITEM_HOURGLASS;
        hold(0);
        EXPECT_EQ(play.bonus, c[1]);
    }
}

TEST(Items, FishCrossingAThresholdGivesALifeInTheSameTick)
{
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".Tf........D..K";
    start_fixture(fixture(rows));
    wait_until_playing();
    play.score = 19900;
    play.hero_x = 96.0f;
    hold(0);
    EXPECT_EQ(play.score, 20100);
    EXPECT_EQ(play.lives, 4);
    EXPECT_EQ(effects_log, (std::vector<int>{ 5, 11 }));
}

TEST(Items, TwoUnderTheBoxAreTakenTopRowFirst)
{
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".T.........D..K";
    start_fixture(fixture(rows));
    wait_until_playing();
    play.hero_x = 72.0f;  // the box spans columns 1 and 2
    play.hero_y = 456.0f; // and rows 9 and 10
    play.items[9][2] = ITEM_RUBY;
    play.items[10][1] = ITEM_BELL;
    play.items[10][2] = ITEM_CRYSTAL;
    hold(0);
    ASSERT_EQ(play.score, 2000 + 1000 + 500);
    EXPECT_EQ(play.popups[0].points, 2000);
    EXPECT_EQ(play.popups[1].points, 1000);
    EXPECT_EQ(play.popups[2].points, 500);
}

TEST(Items, BoxEdgeOnACellBorderDoesNotReachIt)
{
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".T.........D..K";
    start_fixture(fixture(rows));
    wait_until_playing();
    play.hero_x = 48.0f * 2 - 38.0f;  // the box's right edge on column 2's left border
    play.items[10][2] = ITEM_FISH;
    hold(0);
    EXPECT_EQ(play.items[10][2], ITEM_FISH);
    play.hero_x += 1.0f;
    hold(0);
    EXPECT_EQ(play.items[10][2], ITEM_NONE);
}

TEST(Items, FullPopupPoolStillScores)
{
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".T.........D..K";
    start_fixture(fixture(rows));
    wait_until_playing();
    for (Popup& p : play.popups)
        p = { 1.0f, 1.0f, 50, 7 };
    play.items[10][1] = ITEM_GOLDFISH;
    hold(0);
    EXPECT_EQ(play.score, 1000);
    for (const Popup& p : play.popups)
        EXPECT_EQ(p.points, 7);
}

TEST(Door, OpensOnlyWithTheKeyOnTheGroundAndNearItsCell)
{
    // The door is at column 6 of row 10 (x 288); dx is the hero's offset from it.
    struct Case {
        const char* name;
        bool key;
        float dx;
        bool in_air;
        bool done;
    } cases[] = {
        { "in the door", true, 0.0f, false, true },
        { "13 px right", true, 13.0f, false, true },
        { "13 px left", true, -13.0f, false, true },
        { "14 px right", true, 14.0f, false, false },
        { "14 px left", true, -14.0f, false, false },
        { "without the key", false, 0.0f, false, false },
        { "in a jump", true, 0.0f, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> rows = floor_rows();
        rows[10] = ".T....D.......K";
        start_fixture(fixture(rows));
        wait_until_playing();
        play.has_key = c.key;
        play.hero_x = 288.0f + c.dx;
        if (c.in_air) {
            play.hero_y = 475.0f;
            play.on_ground = 0;
            play.hero_vy = -3.0f;
        }
        hold(0);
        EXPECT_EQ(play.state, c.done ? (uint32_t)STATE_LEVEL_DONE : (uint32_t)STATE_PLAYING);
        if (c.done) {
            EXPECT_EQ(effects_log, std::vector<int>{ 7 });
            EXPECT_EQ(music_log.back(), -1);
        }
    }
}

TEST(Door, EndsTheTickBeforeTheEnemiesAndSnowballsMove)
{
    std::vector<std::string> rows = floor_rows();
    rows[10] = ".T....DM......K";
    start_fixture(fixture(rows));
    wait_until_playing();
    play.has_key = 1;
    play.hero_x = 288.0f;
    play.snowballs[0] = { 1, 600.0f, 100.0f, 7.0f, 0 };
    Enemy before = play.enemies[0];
    hold(0);
    EXPECT_EQ(play.state, (uint32_t)STATE_LEVEL_DONE);
    EXPECT_FLOAT_EQ(play.enemies[0].x, before.x);
    EXPECT_FLOAT_EQ(play.snowballs[0].x, 600.0f);
}
