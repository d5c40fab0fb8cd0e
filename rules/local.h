// Private to the play rules: the steps that game_step calls in their fixed
// order, and the helpers the steps share. Never included from outside rules/.
#pragma once
#include "rules/rules.h"

// Points for taking an item, by item code.
extern const int32_t item_points[ITEM_KINDS];

// Points for killing an enemy with a snowball, by enemy kind.
extern const int32_t enemy_points[ENEMY_KINDS];

// Enters a play state: sets it and starts its tick count at 0.
void enter_state(uint32_t state);

// The level being played.
const LevelRecord& current_level();

// Enemy speed factor of the current level: min(2.2, 1 + 0.03 x level).
float level_speed_factor();

// 1 when the cell is outside the grid or not empty.
int cell_solid(int row, int col);

// 1 when the cell lies in the grid and is empty.
int cell_open(int row, int col);

// Every state, first: particles and pop-ups age.
void age_effects();

// Step 2: the bonus countdown; 1 when time ran out and the hero died (the tick ends).
int count_down_bonus();

// Step 3: walking, ducking, the jump and the vertical move.
void move_hero(const InputFrame& input);

// Step 4: the action key (make or break ice), then the throw.
void hero_actions(const InputFrame& input);

// Step 5: item pick-up, then the door; 1 when the door ended the level (the tick ends).
int take_items();

// Step 6: portal timers and spawns.
void update_portals();

// Step 7: enemy movement and contact; 1 when an enemy killed the hero (the tick ends).
int update_enemies();

// Moves one walking enemy by one tick at a speed; 1 when it reversed at a wall or ledge.
int walker_step(Enemy& e, float speed);

// Step 8: snowballs in flight and their hits.
void update_snowballs();
