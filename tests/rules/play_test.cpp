// The play state machine: intro lengths, songs, time-outs, deaths and game
// over, the level end with its bonus transfer, extra lives, and the limits of
// the level data.
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "tests/rules/harness.h"

// A floor of stone, the hero on the left, the key beside him and the door far right.
static std::vector<std::string> plain_rows()
{
    std::vector<std::string> rows(10, "...............");
    rows.push_back(".T...........D.");
    rows.push_back("sssssssssssssss");
    rows[9] = "..............K";
    return rows;
}

static std::string level(const std::string& extra)
{
    return fixture(plain_rows(), extra);
}

TEST(PlayStateMachine, NewGameStartsTheLevelIntroWithThreeLives)
{
    start_fixture(level("") + level(""), 1);
    EXPECT_EQ(play.state, (uint32_t)STATE_INTRO);
    EXPECT_EQ(play.level, 1);
    EXPECT_EQ(play.score, 0);
    EXPECT_EQ(play.lives, START_LIVES);
    EXPECT_EQ(play.snowballs_left, 0);
    EXPECT_EQ(play.bonus, BONUS_START);
    EXPECT_FLOAT_EQ(play.hero_x, 48.0f);
    EXPECT_FLOAT_EQ(play.hero_y, 480.0f);
}

TEST(PlayStateMachine, IntroLastsLongerWhenTheLevelStartsAWorld)
{
    struct Case {
        const char* name;
        std::string text;
        int level;
        int intro;
    } cases[] = {
        { "no world name", level(""), 0, INTRO_TICKS },
        { "first level of a world", level("verden Is\n"), 0, WORLD_INTRO_TICKS },
        { "same world as the level before", level("verden Is\n") + level(""), 1, INTRO_TICKS },
        { "a new world", level("verden Is\n") + level("verden Sne\n"), 1, WORLD_INTRO_TICKS },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_fixture(c.text, c.level);
        replay({ { c.intro + 1, 0 } }, {
            { c.intro, STATE_INTRO, c.intro },
            { c.intro + 1, STATE_PLAYING, 0 },
        });
        ASSERT_EQ(music_log.size(), 1u);
    }
}

TEST(PlayStateMachine, SongFollowsTheWorldChanges)
{
    std::string text = level("verden A\n") + level("") + level("") + level("verden B\n")
        + level("") + level("verden C\n") + level("verden A\n");
    const int songs[] = { 1, 2, 1, 4, 4, 5, 5 };
    for (int i = 0; i < 7; i++) {
        SCOPED_TRACE("level " + std::to_string(i));
        start_fixture(text, i);
        wait_until_playing();
        EXPECT_EQ(music_log, std::vector<int>{ songs[i] });
    }
}

// Play ticks until the bonus runs out, by the single-precision countdown of
// 10000 / (seconds * 60) per tick with the bonus taken off in steps of 10.
TEST(PlayStateMachine, TimeOutComesOnTheTickTheCountdownGives)
{
    struct Case {
        int seconds;
        int death_tick;
    } cases[] = { { 6, 360 }, { 60, 3601 }, { 90, 5401 } };
    for (const Case& c : cases) {
        SCOPED_TRACE("tid " + std::to_string(c.seconds));
        start_fixture(level("tid " + std::to_string(c.seconds) + "\n"));
        wait_until_playing();
        hold(0, c.death_tick - 1);
        EXPECT_EQ(play.state, (uint32_t)STATE_PLAYING);
        EXPECT_GT(play.bonus, 0);
        clear_sound_log();
        float x = play.hero_x;
        hold(INPUT_RIGHT);
        EXPECT_FLOAT_EQ(play.hero_x, x);
        EXPECT_EQ(play.state, (uint32_t)STATE_DYING);
        EXPECT_EQ(play.tick, 0);
        EXPECT_EQ(play.bonus, 0);
        EXPECT_EQ(effects_log, std::vector<int>{ 8 });
        EXPECT_EQ(music_log, std::vector<int>{ -1 });
    }
}

TEST(PlayStateMachine, TimeWarningSoundsEverySecondOfTheLastThousand)
{
    start_fixture(level("tid 60\n"));
    wait_until_playing();
    int warnings = 0, first = 0;
    for (int t = 1; t <= 3600; t++) {
        clear_sound_log();
        hold(0);
        if (!effects_log.empty() && effects_log[0] == 12) {
            warnings++;
            if (!first)
                first = t;
            EXPECT_EQ(t % 60, 0);
        }
    }
    EXPECT_EQ(first, 3300);
    EXPECT_EQ(warnings, 6);
}

TEST(PlayStateMachine, DeathsCostLivesUntilGameOver)
{
    // Intro 90 steps, the 91st starts play, the 360th play tick runs out of
    // time; 120 ticks of dying later the level starts again.
    start_fixture(level("tid 6\n"));
    const int death = 91 + 360, restart = death + 121;
    const int cycle = restart;
    replay({ { 3 * cycle + 100, 0 } }, {
        { death - 1, STATE_PLAYING, 359, 0, 3 },
        { death, STATE_DYING, 0, 0, 3 },
        { death + 120, STATE_DYING, 120, 0, 3 },
        { restart, STATE_INTRO, 0, 0, 2, 48.0f, 480.0f },
        { cycle + restart, STATE_INTRO, 0, 0, 1 },
        { 2 * cycle + death, STATE_DYING, 0, 0, 1 },
        { 2 * cycle + restart - 1, STATE_DYING, 120, 0, 1 },
        { 2 * cycle + restart, STATE_GAME_OVER, 0, 0, 0 },
        { 3 * cycle + 100, STATE_GAME_OVER, 100, 0, 0 },
    });
    EXPECT_EQ(music_log.back(), -1);
}

TEST(PlayStateMachine, LevelDoneMovesTheBonusThenStartsTheNextLevel)
{
    start_fixture(level("") + level(""));
    wait_until_playing();
    play.has_key = 1;
    play.hero_x = 48.0f * 13;
    play.bonus = 5000;
    hold(0);
    ASSERT_EQ(play.state, (uint32_t)STATE_LEVEL_DONE);
    int bonus = play.bonus, score = play.score;
    clear_sound_log();
    // T runs 0, 1, ...: the transfer moves 100 a tick from T = 50 and the next
    // level starts at T = 150.
    replay({ { 151, 0 } }, {
        { steps_run + 50, STATE_LEVEL_DONE, 50, score },
        { steps_run + 51, STATE_LEVEL_DONE, 51, score + 100 },
        { steps_run + 150, STATE_LEVEL_DONE, 150, score + bonus },
        { steps_run + 151, STATE_INTRO, 0, score + bonus },
    });
    EXPECT_EQ(play.level, 1);
    EXPECT_EQ(play.bonus, BONUS_START);
}

TEST(PlayStateMachine, TransferSoundsInEveryThirdTick)
{
    start_fixture(level(""));
    wait_until_playing();
    play.has_key = 1;
    play.hero_x = 48.0f * 13;
    hold(0);
    ASSERT_EQ(play.state, (uint32_t)STATE_LEVEL_DONE);
    hold(0, 50);
    // The ticks with T = 50, 53, 56, ... sound: T + 1 is a multiple of 3.
    for (int t = 50; t < 60; t++) {
        clear_sound_log();
        hold(0);
        EXPECT_EQ(effects_log == std::vector<int>{ 14 }, (t + 1) % 3 == 0) << "T = " << t;
    }
}

TEST(LevelStart, EnemiesFaceByTheirSlotAndPortalsWaitInTurn)
{
    std::vector<std::string> rows = plain_rows();
    rows[4] = "MSFXV.P..P.P.P.";
    start_fixture(fixture(rows));
    const struct {
        int kind;
        int dir;
        float vy;
    } slots[] = { { 0, -1, -1.0f }, { 1, 1, -1.0f }, { 2, -1, 1.0f }, { 3, 1, 1.0f }, { 4, -1, -1.0f } };
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE(i);
        const Enemy& e = play.enemies[i];
        EXPECT_EQ(e.active, 1u);
        EXPECT_EQ(e.kind, slots[i].kind);
        EXPECT_EQ(e.dir, slots[i].dir);
        EXPECT_FLOAT_EQ(e.vx, (float)slots[i].dir);
        EXPECT_FLOAT_EQ(e.vy, slots[i].vy);
        EXPECT_FLOAT_EQ(e.x, 48.0f * i);
        EXPECT_FLOAT_EQ(e.y, 192.0f);
    }
    EXPECT_EQ(play.enemies[5].active, 0u);
    const int32_t timers[MAX_PORTALS] = { 180, 270, 360, 450 };
    for (int i = 0; i < MAX_PORTALS; i++)
        EXPECT_EQ(play.portal_timers[i], timers[i]);
}

TEST(PlayStateMachine, LongTransferDelaysTheNextLevelUntilItsLastPoints)
{
    start_fixture(level("") + level(""));
    wait_until_playing();
    play.has_key = 1;
    play.hero_x = 48.0f * 13;
    play.bonus = 12345;  // more than 100 ticks of transfer
    hold(0);
    int score = play.score;
    int moved = play.bonus, ticks = (moved + 99) / 100;
    replay({ { 50 + ticks + 1, 0 } }, {
        { steps_run + 50 + ticks - 1, STATE_LEVEL_DONE, ANY, score + (ticks - 1) * 100 },
        { steps_run + 50 + ticks, STATE_INTRO, 0, score + moved },
    });
}

TEST(PlayStateMachine, LastLevelDoneEndsTheGameWithItsSong)
{
    start_fixture(level(""));
    wait_until_playing();
    play.has_key = 1;
    play.hero_x = 48.0f * 13;
    hold(0);
    ASSERT_EQ(play.state, (uint32_t)STATE_LEVEL_DONE);
    hold(0, 200);
    EXPECT_EQ(play.state, (uint32_t)STATE_ALL_DONE);
    EXPECT_EQ(play.bonus, 0);
    EXPECT_EQ(music_log.back(), 3);
}

TEST(Score, ExtraLivesAtEachThresholdCrossed)
{
    struct Case {
        int score;
        int points;
        int lives_gained;
        int score_after = ANY;
    } cases[] = {
        { 0, 19999, 0 },
        { 19999, 1, 1 },
        { 19950, 100, 1 },
        { 20000, 29999, 0 },
        { 0, 50000, 2 },
        { 0, 1000000, 33 },
        { 979950, 100, 1 },
        { 980000, 100000, 0 },
        { 2147483600, 1000, 0, 2147483647 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.score) + " + " + std::to_string(c.points));
        start_fixture(level(""));
        play.score = c.score;
        add_score(c.points);
        EXPECT_EQ(play.score, c.score_after == ANY ? c.score + c.points : c.score_after);
        EXPECT_EQ(play.lives, 3 + c.lives_gained);
        EXPECT_EQ(effects_log, std::vector<int>(c.lives_gained, 11));
    }
}

TEST(LevelLimits, BadTimeLimitsNeverHangOrUnderflowTheBonus)
{
    const int32_t limits[] = { 0, -5, 1, 40000000, 2147483647, -2147483647 - 1 };
    for (int32_t limit : limits) {
        SCOPED_TRACE(limit);
        start_fixture(level(""));
        level_table[0].time_limit = limit;
        new_game(0);
        EXPECT_TRUE(std::isfinite(play.bonus_step));
        EXPECT_GT(play.bonus_step, 0.0f);
        for (int i = 0; i < 5000 && play.state <= STATE_DYING; i++) {
            hold(0);
            EXPECT_GE(play.bonus, 0);
            EXPECT_LE(play.bonus, 10000);
        }
    }
}

TEST(LevelLimits, EmptyLevelTableIsNeverPlayed)
{
    start_fixture(level(""));
    level_count = 0;
    new_game(0);
    EXPECT_EQ(play.state, (uint32_t)STATE_GAME_OVER);
    hold(INPUT_RIGHT | INPUT_ACTION, 300);
    EXPECT_EQ(play.state, (uint32_t)STATE_GAME_OVER);
    EXPECT_EQ(play.score, 0);
    EXPECT_TRUE(effects_log.empty());
}

TEST(LevelLimits, LevelIndexOutsideTheTableStartsTheFirstLevel)
{
    start_fixture(level("") + level("tid 7\n"));
    for (int n : { -1, 2, 99 }) {
        new_game(n);
        EXPECT_EQ(play.level, 0);
        EXPECT_EQ(play.state, (uint32_t)STATE_INTRO);
    }
}

TEST(BuiltInLevels, FirstLevelTimesOutAfterItsNinetySeconds)
{
    char message[256] = "";
    if (parse_levels((const char*)builtin_level_text, message, sizeof message) <= 0)
        GTEST_SKIP() << "the built-in level set holds no level";
    ASSERT_EQ(level_table[0].time_limit, 90);
    new_game(0);
    steps_run = 0;
    // A world begins at the first level: 150 ticks of intro, then the single
    // precision countdown of 90 seconds runs out in play tick 5401.
    replay({ { 151 + 5401, 0 } }, {
        { 150, STATE_INTRO, 150 },
        { 151, STATE_PLAYING, 0 },
        { 151 + 5400, STATE_PLAYING, 5400, 0, 3 },
        { 151 + 5401, STATE_DYING, 0, 0, 3 },
    });
}
