// The level text writer: the whole level table as level text that the reader
// gives back as the same table.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "levels/levels.h"

// A growing output text; text is null once an allocation has failed.
struct TextBuffer {
    char* text;
    size_t used;
    size_t capacity;
};

// Makes room for at least need more bytes and the terminating NUL.
static int reserve(TextBuffer* out, size_t need)
{
    if (!out->text)
        return 0;
    size_t capacity = out->capacity;
    while (out->used + need + 1 > capacity)
        capacity *= 2;
    if (capacity != out->capacity) {
        char* grown = (char*)realloc(out->text, capacity);
        if (!grown) {
            free(out->text);
            out->text = nullptr;
            return 0;
        }
        out->text = grown;
        out->capacity = capacity;
    }
    return 1;
}

// Appends formatted text, growing the buffer first so that it always fits.
static void append(TextBuffer* out, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int length = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length < 0 || !reserve(out, (size_t)length))
        return;
    va_start(args, format);
    vsnprintf(out->text + out->used, out->capacity - out->used, format, args);
    va_end(args);
    out->used += (size_t)length;
}

static void put_letter(char grid[LEVEL_ROWS][LEVEL_COLS + 1], int row, int col, char letter)
{
    if (cell_in_grid(row, col))
        grid[row][col] = letter;
}

static void write_level(TextBuffer* out, int index)
{
    const LevelRecord* level = &level_table[index];
    append(out, "\n[bane %d]\nnavn %s\n", index + 1, level->name);
    if (level->world[0] && (index == 0 || strcmp(level->world, level_table[index - 1].world) != 0))
        append(out, "verden %s\n", level->world);
    append(out, "tid %d\ntema %d\nfelter\n", (int)level->time_limit, (int)level->theme);

    char grid[LEVEL_ROWS][LEVEL_COLS + 1];
    for (int r = 0; r < LEVEL_ROWS; r++) {
        for (int c = 0; c < LEVEL_COLS; c++) {
            int cell = level->cells[r][c];
            int item = level->items[r][c];
            if (cell >= CELL_ICE && cell <= CELL_SLIPPERY)
                grid[r][c] = cell_letters[cell];
            else if (item >= ITEM_FISH && item <= ITEM_KEY)
                grid[r][c] = item_letters[item - ITEM_FISH];
            else
                grid[r][c] = GRID_EMPTY;
        }
        grid[r][LEVEL_COLS] = 0;
    }
    put_letter(grid, level->hero_row, level->hero_col, GRID_HERO);
    put_letter(grid, level->door_row, level->door_col, GRID_DOOR);
    int portals = level->portal_count < MAX_PORTALS ? level->portal_count : MAX_PORTALS;
    for (int i = 0; i < portals; i++)
        put_letter(grid, level->portals[i].row, level->portals[i].col, GRID_PORTAL);
    int enemies = level->enemy_count < MAX_LEVEL_ENEMIES ? level->enemy_count : MAX_LEVEL_ENEMIES;
    for (int i = 0; i < enemies; i++) {
        int kind = level->enemies[i].kind;
        put_letter(grid, level->enemies[i].row, level->enemies[i].col,
                   kind >= 0 && kind < ENEMY_KINDS ? enemy_letters[kind] : GRID_EMPTY);
    }
    for (int r = 0; r < LEVEL_ROWS; r++)
        append(out, "%s\n", grid[r]);

    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            int item = level->items[r][c];
            int code = item & ITEM_CODE_MASK;
            if ((item & ITEM_HIDDEN) && code >= ITEM_FISH && code <= ITEM_KEY)
                append(out, "skjult %d,%d %s\n", r + 1, c + 1, item_names[code]);
        }
    for (int i = 0; i < portals; i++) {
        const LevelPortal* portal = &level->portals[i];
        if (portal->kind >= 0 && portal->kind < ENEMY_KINDS)
            append(out, "portal %d,%d %s %d\n", portal->row + 1, portal->col + 1, enemy_names[portal->kind], (int)portal->period_s);
    }
}

char* write_levels()
{
    int count = level_count < MAX_LEVELS ? level_count : MAX_LEVELS;
    TextBuffer out;
    out.used = 0;
    out.capacity = (size_t)(count > 0 ? count : 0) * 2048 + 4096;
    out.text = (char*)malloc(out.capacity);
    if (!out.text)
        return nullptr;
    out.text[0] = 0;
    append(&out, "# Frostova – baner (lavet med baneeditoren)\n");
    append(&out, "#   .  tom  i isblok  s sten  T Olpi  D dør  K nøgle  P portal\n");
    append(&out, "#   f fisk  g guldfisk  c krystal  r rubin  e smaragd  b snebolde  t timeglas  l liv  n snefnug  k klokke\n");
    append(&out, "#   M snemand  S isspøgelse  F isflagermus  X gnist  V istap  B isbjørn  = glat is\n");
    for (int i = 0; i < count && out.text; i++)
        write_level(&out, i);
    return out.text;
}
