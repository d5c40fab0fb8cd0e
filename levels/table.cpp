// The global level table and the names and grid letters that the level text
// uses for cells, items and enemies.
#include "levels/levels.h"

int32_t level_count;
LevelRecord level_table[MAX_LEVELS];

const char* const item_names[ITEM_KINDS] = {
    "", "fisk", "guldfisk", "krystal", "rubin", "smaragd",
    "snebolde", "timeglas", "liv", "snefnug", "klokke", "nøgle",
};

const char* const enemy_names[ENEMY_KINDS] = {
    "snemand", "spøgelse", "flagermus", "gnist", "istap", "isbjørn",
};

const char cell_letters[CELL_KINDS + 1] = {GRID_EMPTY, 'i', 's', '=', 0};
const char item_letters[ITEM_KINDS] = "fgcrebtlnkK";
const char enemy_letters[ENEMY_KINDS + 1] = "MSFXVB";
