// Private to the enemy files of the play rules: the movement of each kind,
// one tick at the level speed factor f. Never included from outside rules/.
#pragma once
#include "rules/local.h"

// Snowman: walks at 1.1 f, turning at walls and ledges.
void snowman_step(Enemy& e, float f);

// Polar bear: walks at 0.9 f and charges at the hero it sees ahead in its row.
void bear_step(Enemy& e, float f);

// Ghost: flies to and fro at 1.4 f and drifts towards the hero's height.
void ghost_step(Enemy& e, float f);

// Bat: bounces diagonally off cells at 1.5 f, one axis at a time.
void bat_step(Enemy& e, float f);

// Spark: crawls along cell edges at 1.6 f in legs of one cell.
void spark_step(Enemy& e, float f);

// Icicle: hangs, shakes when the hero passes below, falls and shatters.
void icicle_step(Enemy& e);
