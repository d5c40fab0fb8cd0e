// The replay harness, and stand-ins for the two sound operations that log
// instead of playing (this test program links no sound device).
#include "tests/rules/harness.h"
#include <gtest/gtest.h>
#include "levels/levels.h"
#include "sound/sound.h"

int steps_run;
std::vector<int> effects_log;
std::vector<int> music_log;
static int previous_bits;

void play_effect(int n)
{
    effects_log.push_back(n);
}

void play_music(int n)
{
    music_log.push_back(n);
}

void clear_sound_log()
{
    effects_log.clear();
    music_log.clear();
}

std::string fixture(const std::vector<std::string>& rows, const std::string& extra)
{
    std::string text = "[bane 1]\n" + extra + "felter\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

void start_fixture(const std::string& text, int level)
{
    char message[256] = "";
    int count = parse_levels(text.c_str(), message, sizeof message);
    ASSERT_GT(count, 0) << message;
    new_game(level);
    steps_run = 0;
    previous_bits = 0;
    clear_sound_log();
}

void hold(int held, int ticks)
{
    for (int i = 0; i < ticks; i++) {
        game_step(input_frame(held, previous_bits));
        previous_bits = held;
        steps_run++;
    }
}

void wait_until_playing()
{
    for (int i = 0; i < 1000 && play.state != STATE_PLAYING; i++)
        hold(0);
    ASSERT_EQ(play.state, (uint32_t)STATE_PLAYING);
}

static void check(const Expect& e)
{
    SCOPED_TRACE("after " + std::to_string(e.after) + " steps");
    EXPECT_EQ((int)play.state, e.state);
    if (e.tick != ANY) {
        EXPECT_EQ(play.tick, e.tick);
    }
    if (e.score != ANY) {
        EXPECT_EQ(play.score, e.score);
    }
    if (e.lives != ANY) {
        EXPECT_EQ(play.lives, e.lives);
    }
    if (!std::isnan(e.hero_x)) {
        EXPECT_FLOAT_EQ(play.hero_x, e.hero_x);
    }
    if (!std::isnan(e.hero_y)) {
        EXPECT_FLOAT_EQ(play.hero_y, e.hero_y);
    }
}

void replay(const std::vector<Keys>& keys, const std::vector<Expect>& checks)
{
    size_t next = 0;
    auto due = [&] {
        while (next < checks.size() && checks[next].after <= steps_run) {
            EXPECT_EQ(checks[next].after, steps_run) << "expectations must be in step order";
            check(checks[next++]);
        }
    };
    due();
    for (const Keys& k : keys) {
        for (int i = 0; i < k.ticks; i++) {
            hold(k.held);
            due();
        }
    }
    EXPECT_EQ(next, checks.size()) << "the replay ended before every expectation";
}
