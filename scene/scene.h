// The play scene: the play field, the frames and bars over it, the head-up
// display and the overlays of the play state, drawn from the play rules'
// record and the level table with the pictures, fonts and translated texts.
#pragma once

// Draws one frame of play from `play` and its level in the level table, changing neither.
void draw_game();
