// Replay harness for the play rules: fixture levels from level text, held-key
// bits per tick turned into input frames as the shell does, checks at chosen
// ticks, and a log of the sounds the rules started.
#pragma once
#include <climits>
#include <cmath>
#include <string>
#include <vector>
#include "rules/rules.h"

// One level's text: a [bane] section with the extra keyword lines, then the 12 grid rows.
std::string fixture(const std::vector<std::string>& rows, const std::string& extra = "");

// Parses level text into the table (the test fails on an error) and starts a new game there.
void start_fixture(const std::string& text, int level = 0);

// Runs ticks of game_step with these bits held; presses count against the previous tick.
void hold(int held, int ticks = 1);

// Runs ticks with no key until the state is playing (the test fails after 1000).
void wait_until_playing();

// game_step calls since begin.
extern int steps_run;

// Sounds started since begin or the last clear, in order; music -1 is a stop.
extern std::vector<int> effects_log;
extern std::vector<int> music_log;
void clear_sound_log();

// One stretch of a replay: ticks with the bits held.
struct Keys {
    int ticks;
    int held;
};

// Wanted values after a given number of game_step calls; ANY and ANY_F do not check.
enum { ANY = INT_MIN };
constexpr float ANY_F = NAN;
struct Expect {
    int after;
    int state;
    int tick = ANY;
    int score = ANY;
    int lives = ANY;
    float hero_x = ANY_F;
    float hero_y = ANY_F;
};

// Plays the stretches in order and checks each expectation when its step count is reached.
void replay(const std::vector<Keys>& keys, const std::vector<Expect>& checks);
