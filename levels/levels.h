// Levels: the level record, the global level table, the level text reader
// and writer, and the built-in set of 24 levels.
#pragma once
#include <cstdint>

enum { LEVEL_ROWS = 12, LEVEL_COLS = 15, MAX_LEVELS = 100, MAX_LEVEL_ENEMIES = 24, MAX_PORTALS = 4 };

// 1 when the cell lies in the grid, else 0.
constexpr int cell_in_grid(int row, int col)
{
    return row >= 0 && row < LEVEL_ROWS && col >= 0 && col < LEVEL_COLS;
}

// Cell codes; every non-zero cell is solid.
enum { CELL_EMPTY = 0, CELL_ICE = 1, CELL_STONE = 2, CELL_SLIPPERY = 3, CELL_KINDS = 4 };

// Item codes, in bits 0..6 of an item byte; bit 7 hides the item inside an ice block.
enum {
    ITEM_NONE = 0, ITEM_FISH = 1, ITEM_GOLDFISH = 2, ITEM_CRYSTAL = 3, ITEM_RUBY = 4,
    ITEM_EMERALD = 5, ITEM_SNOWBALLS = 6, ITEM_HOURGLASS = 7, ITEM_LIFE = 8,
    ITEM_SNOWFLAKE = 9, ITEM_BELL = 10, ITEM_KEY = 11, ITEM_KINDS = 12,
    ITEM_HIDDEN = 0x80, ITEM_CODE_MASK = 0x7f,
};

// Enemy kinds.
enum {
    ENEMY_SNOWMAN = 0, ENEMY_GHOST = 1, ENEMY_BAT = 2,
    ENEMY_SPARK = 3, ENEMY_ICICLE = 4, ENEMY_POLAR_BEAR = 5, ENEMY_KINDS = 6,
};

// What a level has until its lines say otherwise, and the least time limit
// and portal period that the reader lets through (less gets the default).
enum { DEFAULT_TIME_LIMIT = 60, MIN_TIME_LIMIT = 6, DEFAULT_PORTAL_PERIOD = 8, MIN_PORTAL_PERIOD = 2 };

// The letters of a grid row that are not cells, items or enemies.
constexpr char GRID_EMPTY = '.', GRID_HERO = 'T', GRID_DOOR = 'D', GRID_PORTAL = 'P';

struct LevelEnemy {
    int32_t kind;   // enemy kind
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
    uint8_t cells[LEVEL_ROWS][LEVEL_COLS];  // cell codes
    uint8_t items[LEVEL_ROWS][LEVEL_COLS];  // item bytes: item code, maybe ITEM_HIDDEN
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
// record has hero_row and door_row in 0..11, a key (ITEM_KEY, hidden or not),
// at most 24 enemies and 4 portals of known kinds, periods of 2 or more and a
// time limit of 6 or more (both as large as the text says: multiply them in
// 64 bits or clamp them first), and an empty world only before the first one.
extern int32_t level_count;
extern LevelRecord level_table[MAX_LEVELS];

// Item names by item code (0 is the empty string) and enemy names by kind.
extern const char* const item_names[ITEM_KINDS];
extern const char* const enemy_names[ENEMY_KINDS];

// The grid letters of cells by cell code (GRID_EMPTY for empty), of visible
// items by item code - 1 (ITEM_FISH..ITEM_KEY) and of enemies by kind.
extern const char cell_letters[CELL_KINDS + 1];
extern const char item_letters[ITEM_KINDS];
extern const char enemy_letters[ENEMY_KINDS + 1];

// The built-in level set as one NUL-terminated level text, and its length in bytes.
extern "C" const unsigned char builtin_level_text[];
extern "C" const unsigned int builtin_level_text_size;

// Parses level text into the table; the level count, or -1 with a message.
int parse_levels(const char* text, char* message, int message_size);

// The whole table as level text in a new heap buffer the caller frees; null when out of memory.
char* write_levels();
