// Levels: the level record, the global level table, the level text reader
// and writer, and the built-in set of 24 levels.
#pragma once
#include <cstdint>

enum { LEVEL_ROWS = 12, LEVEL_COLS = 15, MAX_LEVELS = 100, MAX_LEVEL_ENEMIES = 24, MAX_PORTALS = 4 };

struct LevelEnemy {
    int32_t kind;   // enemy kind 0..5
    int32_t row;
    int32_t col;
};

struct LevelPortal {
    int32_t row;
    int32_t col;
    int32_t kind;      // the enemy kind the portal sends
    int32_t period_s;  // seconds between two enemies, 2..INT32_MAX as read: clamp before turning into ticks
};

struct LevelRecord {
    char name[64];
    char world[48];
    int32_t time_limit;  // seconds, 6..INT32_MAX as read: clamp before turning into ticks
    int32_t theme;       // any value as read
    uint8_t cells[LEVEL_ROWS][LEVEL_COLS];  // 0 empty, 1 ice block, 2 stone, 3 slippery ice
    uint8_t items[LEVEL_ROWS][LEVEL_COLS];  // item code in bits 0..6, bit 7 hidden in the cell
    int32_t hero_row;
    int32_t hero_col;
    int32_t door_row;
    int32_t door_col;
    int32_t enemy_count;
    LevelEnemy enemies[MAX_LEVEL_ENEMIES];
    int32_t portal_count;
    LevelPortal portals[MAX_PORTALS];
};

// The level table, filled only by parse_levels. After a successful parse every
// record has hero_row and door_row in 0..11, a key (code 11, hidden or not),
// at most 24 enemies and 4 portals with kinds 0..5, periods of 2 or more and a
// time limit of 6 or more (both as large as the text says: multiply them in
// 64 bits or clamp them first), and an empty world only before the first one.
extern int32_t level_count;
extern LevelRecord level_table[MAX_LEVELS];

// Item names by item code (0 is the empty string) and enemy names by kind.
extern const char* const item_names[12];
extern const char* const enemy_names[6];

// The built-in level set as one NUL-terminated level text, and its length in bytes.
extern "C" const unsigned char builtin_level_text[];
extern "C" const unsigned int builtin_level_text_size;

// Parses level text into the table; the level count, or -1 with a message.
int parse_levels(const char* text, char* message, int message_size);

// The whole table as level text in a new heap buffer the caller frees; null when out of memory.
char* write_levels();
