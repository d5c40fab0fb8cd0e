// What the play fuzzer and the soak share: the input of a tick made from
// bits of held keys, and the invariants of play that must hold after every
// tick whatever the input.
#pragma once
#include <cstdint>

struct InputFrame;

// The bits of held keys, as the headless scripts write them.
enum { HELD_RIGHT = 1, HELD_LEFT = 2, HELD_UP = 4, HELD_DOWN = 8, HELD_THROW = 16, HELD_ACTION = 32 };

// A tick's input from the keys held now and at the tick before: up, throw and action count when newly pressed.
InputFrame input_from_bits(uint32_t held, uint32_t prev);

// What the checks remember from one tick to the next.
struct PlayWatch {
    int32_t last_score;  // the score after the previous tick of this game
};

// Starts watching a game that new_game has just begun.
void watch_new_game(PlayWatch* watch);

// The first broken invariant of the play state after a tick, or null.
const char* check_play(PlayWatch* watch);
