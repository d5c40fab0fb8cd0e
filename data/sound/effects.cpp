// The 16 sound effects: wave, start and end frequency (Hz), length (ms),
// volume and pulse duty of each segment.
#include "sound/sound.h"

const SoundEffect sound_effects[EFFECT_COUNT] = {
    // 0: the jump takes off
    {1, {{WAVE_PULSE, 300, 720, 120, 0.35f, 0.25f}}},
    // 1: an ice block is made
    {3, {{WAVE_TRIANGLE, 900, 1800, 60, 0.4f, 0.5f},
         {WAVE_PULSE, 1400, 2600, 70, 0.22f, 0.12f},
         {WAVE_TRIANGLE, 2000, 2400, 90, 0.25f, 0.5f}}},
    // 2: an ice block breaks, an icicle shatters
    {2, {{WAVE_NOISE, 6000, 2000, 90, 0.45f, 0},
         {WAVE_TRIANGLE, 1500, 600, 120, 0.3f, 0.5f}}},
    // 3: a bump against stone, a refused action
    {1, {{WAVE_PULSE, 180, 120, 70, 0.3f, 0.5f}}},
    // 4: an ice block cracks, an icicle shakes
    {2, {{WAVE_NOISE, 3000, 3000, 40, 0.4f, 0},
         {WAVE_PULSE, 400, 300, 60, 0.25f, 0.25f}}},
    // 5: points or snowballs taken
    {2, {{WAVE_PULSE, 1046, 1046, 60, 0.3f, 0.25f},
         {WAVE_PULSE, 1568, 1568, 120, 0.3f, 0.25f}}},
    // 6: the key taken
    {4, {{WAVE_PULSE, 784, 784, 80, 0.3f, 0.25f},
         {WAVE_PULSE, 988, 988, 80, 0.3f, 0.25f},
         {WAVE_PULSE, 1175, 1175, 80, 0.3f, 0.25f},
         {WAVE_PULSE, 1568, 1568, 260, 0.3f, 0.25f}}},
    // 7: the door reached with the key
    {4, {{WAVE_TRIANGLE, 523, 523, 90, 0.5f, 0.5f},
         {WAVE_TRIANGLE, 659, 659, 90, 0.5f, 0.5f},
         {WAVE_TRIANGLE, 784, 784, 90, 0.5f, 0.5f},
         {WAVE_TRIANGLE, 1046, 1046, 300, 0.5f, 0.5f}}},
    // 8: the hero dies
    {3, {{WAVE_PULSE, 880, 440, 250, 0.35f, 0.5f},
         {WAVE_PULSE, 440, 220, 250, 0.35f, 0.5f},
         {WAVE_PULSE, 220, 80, 500, 0.35f, 0.5f}}},
    // 9: a snowball thrown
    {1, {{WAVE_NOISE, 1500, 400, 140, 0.3f, 0}}},
    // 10: a snowball hits an enemy
    {2, {{WAVE_NOISE, 5000, 800, 160, 0.4f, 0},
         {WAVE_PULSE, 600, 1200, 120, 0.25f, 0.25f}}},
    // 11: an extra life
    {6, {{WAVE_PULSE, 523, 523, 70, 0.3f, 0.5f},
         {WAVE_PULSE, 659, 659, 70, 0.3f, 0.5f},
         {WAVE_PULSE, 784, 784, 70, 0.3f, 0.5f},
         {WAVE_PULSE, 1046, 1046, 70, 0.3f, 0.5f},
         {WAVE_PULSE, 1318, 1318, 70, 0.3f, 0.5f},
         {WAVE_PULSE, 1568, 1568, 200, 0.3f, 0.5f}}},
    // 12: hourglass or snowflake, the bonus warning
    {2, {{WAVE_PULSE, 1760, 1760, 40, 0.2f, 0.12f},
         {WAVE_PULSE, 1320, 1320, 40, 0.2f, 0.12f}}},
    // 13: a portal sends an enemy, a polar bear charges
    {1, {{WAVE_TRIANGLE, 200, 900, 260, 0.35f, 0.5f}}},
    // 14: bonus counted into the score
    {1, {{WAVE_PULSE, 1976, 1976, 25, 0.15f, 0.25f}}},
    // 15: a menu action on the title
    {1, {{WAVE_PULSE, 880, 1320, 60, 0.25f, 0.25f}}},
};
