// What the play fuzzer and the soak share: the invariants of play that must
// hold after every tick whatever the input.
#pragma once
#include <cstdint>

// What the checks remember from one tick to the next.
struct PlayWatch {
    int32_t last_score;  // the score after the previous tick of this game
};

// Starts watching a game that new_game has just begun.
void watch_new_game(PlayWatch* watch);

// The first broken invariant of the play state after a tick, or null.
const char* check_play(PlayWatch* watch);
