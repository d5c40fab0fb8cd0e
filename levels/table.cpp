// The global level table and the names that the level text uses for items
// and enemies.
#include "levels/levels.h"

int32_t level_count;
LevelRecord level_table[MAX_LEVELS];

const char* const item_names[12] = {
    "", "fisk", "guldfisk", "krystal", "rubin", "smaragd",
    "snebolde", "timeglas", "liv", "snefnug", "klokke", "nøgle",
};

const char* const enemy_names[6] = {
    "snemand", "spøgelse", "flagermus", "gnist", "istap", "isbjørn",
};
