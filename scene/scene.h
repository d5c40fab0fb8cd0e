// The play scene: the play field, the frames and bars over it, the head-up
// display and the overlays of the play state, drawn from the play rules'
// record and the level table with the pictures, fonts and translated texts.
#pragma once

// Draws one frame of play from `play` and its level in the level table, changing neither.
void draw_game();

// Where the head-up display stands in the top bar, in logical-screen pixels:
// the labels a little above the bar's middle, the values a little below.
enum {
    HUD_LABEL_Y = 1,             // top of the score's and the bonus's labels
    HUD_VALUE_Y = 23,            // top of their values
    HUD_SCORE_X = 30,            // left end of the score's label and value
    HUD_SCORE_LABEL_WIDTH = 120,
    HUD_BONUS_X = 330,           // centre of the bonus's label and value
    HUD_BONUS_LABEL_WIDTH = 150,
    HUD_LEVEL_X = 490,           // centre of the level number's label
    HUD_LEVEL_Y = 12,
    HUD_LEVEL_WIDTH = 160,
    HUD_LIFE_X = 688,            // the rightmost spare life; the others step left
    HUD_LIFE_STEP = 30,
    HUD_SNOWBALL_X = 560,        // the leftmost snowball; the others step right
    HUD_SNOWBALL_STEP = 18,
};
constexpr float HUD_LIFE_Y = -10.0f, HUD_LIFE_SCALE = 0.62f;
constexpr float HUD_SNOWBALL_Y = 6.0f, HUD_SNOWBALL_SCALE = 0.75f;

// The level intro: the band behind the level's lines, the band of a new
// world above it, and the tops of their lines.
enum {
    INTRO_BAND_Y = 250,
    INTRO_BAND_HEIGHT = 150,
    WORLD_BAND_Y = 160,
    WORLD_BAND_HEIGHT = 80,
    WORLD_LINE_Y = 178,
    INTRO_LEVEL_LINE_Y = 262,
    INTRO_NAME_LINE_Y = 312,
    INTRO_READY_LINE_Y = 364,
};

// The level-done panel: its band and the tops of its two lines.
enum { LEVEL_DONE_BAND_Y = 280, LEVEL_DONE_BAND_HEIGHT = 90, LEVEL_DONE_LINE_Y = 290, BONUS_ADDED_LINE_Y = 334 };

// The top of the frozen-enemies line, just inside the play area.
enum { FROZEN_LINE_Y = 54 };
