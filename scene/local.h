// Shared inside the play scene only.
#pragma once
#include "levels/levels.h"

// The frames and bars over the play field, the head-up display and the
// overlays of the play state: the last steps of draw_game. level may be null.
void draw_hud_and_overlays(const LevelRecord* level);
