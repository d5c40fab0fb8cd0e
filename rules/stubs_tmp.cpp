#include "rules/local.h"
void move_hero(const InputFrame&) {}
void hero_actions(const InputFrame&) {}
int take_items() { return 0; }
void update_snowballs() {}
int rect_hits_solid(float, float, float, float) { return 0; }
