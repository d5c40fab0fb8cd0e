// The level text reader: fills the level table from level text, or stops at
// the first fault with a Danish message naming the line or the level.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "levels/levels.h"

enum { LINE_PIECE = 511, KEYWORD_MAX = 31, NAME_MAX = 63 };

static int is_space(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static const char* skip_space(const char* p)
{
    while (is_space((unsigned char)*p))
        p++;
    return p;
}

static int fail(char* message, int message_size, const char* format, ...)
{
    if (message && message_size > 0) {
        va_list args;
        va_start(args, format);
        vsnprintf(message, (size_t)message_size, format, args);
        va_end(args);
    }
    return -1;
}

// Reads a decimal integer the way strtol does and keeps its low 32 bits;
// 0 when p holds no digits.
static int read_int(const char* p, const char** end, int32_t* value)
{
    char* stop;
    long v = strtol(p, &stop, 10);
    if (end)
        *end = stop;
    if (stop == p)
        return 0;
    *value = (int32_t)(uint32_t)(unsigned long)v;
    return 1;
}

// A level line: "[bane", optional whitespace, then a number with optional sign.
static int is_level_line(const char* p)
{
    if (strncmp(p, "[bane", 5) != 0)
        return 0;
    p = skip_space(p + 5);
    if (*p == '+' || *p == '-')
        p++;
    return *p >= '0' && *p <= '9';
}

// Copies at most size - 1 bytes of src into dst and terminates it.
static void copy_cut(char* dst, const char* src, size_t size)
{
    size_t n = strlen(src);
    if (n > size - 1)
        n = size - 1;
    memcpy(dst, src, n);
    dst[n] = 0;
}

static void begin_level()
{
    LevelRecord* level = &level_table[level_count];
    memset(level, 0, sizeof *level);
    level_count++;
    level->time_limit = DEFAULT_TIME_LIMIT;
    level->hero_row = -1;
    level->door_row = -1;
    snprintf(level->name, sizeof level->name, "Bane %d", (int)level_count);
}

// Applies one grid row; the offending byte, or 0 when every letter is known.
static int apply_row(LevelRecord* level, int row, const char* letters)
{
    for (int col = 0; col < LEVEL_COLS; col++) {
        unsigned char c = (unsigned char)letters[col];
        const char* found;
        if (c == GRID_EMPTY)
            continue;
        if ((found = strchr(cell_letters + CELL_ICE, c)) != nullptr) {
            level->cells[row][col] = (uint8_t)(found - cell_letters);
        } else if ((found = strchr(item_letters, c)) != nullptr) {
            level->items[row][col] = (uint8_t)(found - item_letters + ITEM_FISH);
        } else if (c == GRID_HERO) {
            level->hero_row = row;
            level->hero_col = col;
        } else if (c == GRID_DOOR) {
            level->door_row = row;
            level->door_col = col;
        } else if (c == GRID_PORTAL) {
            if (level->portal_count < MAX_PORTALS) {
                LevelPortal* portal = &level->portals[level->portal_count++];
                portal->row = row;
                portal->col = col;
                portal->kind = ENEMY_GHOST;
                portal->period_s = DEFAULT_PORTAL_PERIOD;
            }
        } else if ((found = strchr(enemy_letters, c)) != nullptr) {
            if (level->enemy_count < MAX_LEVEL_ENEMIES) {
                LevelEnemy* enemy = &level->enemies[level->enemy_count++];
                enemy->kind = (int32_t)(found - enemy_letters);
                enemy->row = row;
                enemy->col = col;
            }
        } else {
            return c;
        }
    }
    return 0;
}

// The arguments of a skjult or portal line, "row,col name [period]".
struct PlaceArgs {
    int32_t row;
    int32_t col;
    char name[NAME_MAX + 1];
    int32_t period;
};

// Reads "row,col name [period]"; the number of values read before the period.
static int read_place(const char* p, PlaceArgs* args)
{
    args->period = DEFAULT_PORTAL_PERIOD;
    if (!read_int(p, &p, &args->row))
        return 0;
    if (*p != ',')
        return 1;
    if (!read_int(p + 1, &p, &args->col))
        return 1;
    p = skip_space(p);
    size_t n = 0;
    while (p[n] && !is_space((unsigned char)p[n]) && n < NAME_MAX)
        n++;
    if (n == 0)
        return 2;
    memcpy(args->name, p, n);
    args->name[n] = 0;
    read_int(p + n, nullptr, &args->period);
    return 3;
}

static int find_name(const char* const* names, int first, int count, const char* name)
{
    for (int i = first; i < count; i++)
        if (strcmp(names[i], name) == 0)
            return i;
    return -1;
}

static void set_portal(LevelRecord* level, int row, int col, int kind, int32_t period)
{
    LevelPortal* portal = nullptr;
    for (int i = level->portal_count - 1; i >= 0 && !portal; i--)
        if (level->portals[i].row == row && level->portals[i].col == col)
            portal = &level->portals[i];
    if (!portal) {
        if (level->portal_count >= MAX_PORTALS)
            return;
        portal = &level->portals[level->portal_count++];
        portal->row = row;
        portal->col = col;
    }
    portal->kind = kind;
    portal->period_s = period < MIN_PORTAL_PERIOD ? DEFAULT_PORTAL_PERIOD : period;
}

static void fill_in_worlds()
{
    for (int i = 1; i < level_count; i++)
        if (!level_table[i].world[0])
            memcpy(level_table[i].world, level_table[i - 1].world, sizeof level_table[i].world);
}

static int has_key(const LevelRecord* level)
{
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++)
            if ((level->items[r][c] & ITEM_CODE_MASK) == ITEM_KEY)
                return 1;
    return 0;
}

// Copies the next line of text into line, at most LINE_PIECE bytes of it
// (the rest reads as a line of its own), without its comment and trailing
// space; returns the text after it.
static const char* next_line(const char* p, char line[LINE_PIECE + 1])
{
    size_t n = 0;
    while (p[n] && p[n] != '\n' && n < LINE_PIECE)
        n++;
    memcpy(line, p, n);
    line[n] = 0;
    p += n;
    if (*p == '\n')
        p++;

    char* hash = strchr(line, '#');
    if (hash)
        *hash = 0;
    n = strlen(line);
    while (n > 0 && is_space((unsigned char)line[n - 1]))
        line[--n] = 0;
    return p;
}

// The parse in progress: the level being filled, the next row of a grid in
// progress (-1 when none), the line number and where a fault's message goes.
struct ParseState {
    LevelRecord* level;
    int grid_row;
    int line_number;
    char* message;
    int message_size;
};

// One row of the grid in progress; -1 with a message on a fault, else 0.
static int grid_line(ParseState* parse, const char* s)
{
    int length = (int)strlen(s);
    if (length != LEVEL_COLS)
        return fail(parse->message, parse->message_size, "linje %d: en række skal have %d tegn (har %d)", parse->line_number, LEVEL_COLS, length);
    int bad = apply_row(parse->level, parse->grid_row, s);
    if (bad)
        return fail(parse->message, parse->message_size, "linje %d: ukendt tegn '%c'", parse->line_number, bad);
    parse->grid_row = parse->grid_row + 1 < LEVEL_ROWS ? parse->grid_row + 1 : -1;
    return 0;
}

// A skjult line hides an item in ice (stone stays stone), a portal line sets
// a portal's enemy and period; -1 with a message on a fault, else 0.
static int place_line(ParseState* parse, const char* keyword, const char* arg)
{
    PlaceArgs place;
    if (read_place(arg, &place) < 3 || place.row < 1 || place.row > LEVEL_ROWS || place.col < 1 || place.col > LEVEL_COLS)
        return fail(parse->message, parse->message_size, "linje %d: skriv %s række,kolonne navn", parse->line_number, keyword);
    LevelRecord* level = parse->level;
    int row = place.row - 1, col = place.col - 1;
    if (keyword[0] == 's') {
        int code = find_name(item_names, ITEM_FISH, ITEM_KINDS, place.name);
        if (code < 0)
            return fail(parse->message, parse->message_size, "linje %d: ukendt ting \"%s\"", parse->line_number, place.name);
        level->items[row][col] = (uint8_t)(code | ITEM_HIDDEN);
        if (level->cells[row][col] != CELL_STONE)
            level->cells[row][col] = CELL_ICE;
    } else {
        int kind = find_name(enemy_names, ENEMY_SNOWMAN, ENEMY_KINDS, place.name);
        if (kind < 0)
            return fail(parse->message, parse->message_size, "linje %d: ukendt fjende \"%s\"", parse->line_number, place.name);
        set_portal(level, row, col, kind, place.period);
    }
    return 0;
}

// A line that begins with a keyword; -1 with a message on a fault, else 0.
static int keyword_line(ParseState* parse, const char* s)
{
    char keyword[KEYWORD_MAX + 1];
    size_t k = 0;
    while (s[k] && !is_space((unsigned char)s[k]) && k < KEYWORD_MAX)
        k++;
    memcpy(keyword, s, k);
    keyword[k] = 0;
    const char* arg = skip_space(s + k);
    LevelRecord* level = parse->level;

    if (strcmp(keyword, "navn") == 0) {
        copy_cut(level->name, arg, sizeof level->name);
    } else if (strcmp(keyword, "verden") == 0) {
        copy_cut(level->world, arg, sizeof level->world);
    } else if (strcmp(keyword, "tid") == 0) {
        int32_t t = 0;
        read_int(arg, nullptr, &t);
        level->time_limit = t < MIN_TIME_LIMIT ? DEFAULT_TIME_LIMIT : t;
    } else if (strcmp(keyword, "tema") == 0) {
        int32_t t = 0;
        read_int(arg, nullptr, &t);
        level->theme = t;
    } else if (strcmp(keyword, "felter") == 0) {
        parse->grid_row = 0;
    } else if (strcmp(keyword, "skjult") == 0 || strcmp(keyword, "portal") == 0) {
        return place_line(parse, keyword, arg);
    } else {
        return fail(parse->message, parse->message_size, "linje %d: ukendt linje \"%s\"", parse->line_number, keyword);
    }
    return 0;
}

// One line without its comment; -1 with a message on a fault, else 0.
static int parse_line(ParseState* parse, const char* s)
{
    if (is_level_line(s)) {
        if (level_count >= MAX_LEVELS)
            return fail(parse->message, parse->message_size, "linje %d: for mange baner (højst %d)", parse->line_number, MAX_LEVELS);
        begin_level();
        parse->level = &level_table[level_count - 1];
        parse->grid_row = -1;
        return 0;
    }
    if (!parse->level)
        return fail(parse->message, parse->message_size, "linje %d: skriv [bane N] først", parse->line_number);
    if (parse->grid_row >= 0)
        return grid_line(parse, s);
    return keyword_line(parse, s);
}

// The end of the text: worlds carried on, and every level with a hero, a
// door and a key; the level count, or -1 with a message.
static int finish_levels(char* message, int message_size)
{
    fill_in_worlds();
    for (int i = 0; i < level_count; i++) {
        const LevelRecord* l = &level_table[i];
        if (l->hero_row < 0)
            return fail(message, message_size, "bane %d mangler Olpi (T)", i + 1);
        if (l->door_row < 0)
            return fail(message, message_size, "bane %d mangler en dør (D)", i + 1);
        if (!has_key(l))
            return fail(message, message_size, "bane %d mangler en nøgle (K)", i + 1);
    }
    return level_count;
}

int parse_levels(const char* text, char* message, int message_size)
{
    level_count = 0;
    if (!text || !*text)
        return 0;

    ParseState parse = { nullptr, -1, 0, message, message_size };
    const char* p = text;
    char line[LINE_PIECE + 1];
    while (*p) {
        p = next_line(p, line);
        parse.line_number++;
        const char* s = skip_space(line);
        if (*s && parse_line(&parse, s) < 0)
            return -1;
    }
    return finish_levels(message, message_size);
}
