// The level reader on any text: it either refuses with a message or fills the
// table within its documented guarantees; and every accepted table that the
// writer promises to carry exactly comes back the same after writing and
// reading again.
#include "levels/levels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static LevelRecord first_table[MAX_LEVELS];

static void fault(const char* what, int level)
{
    fprintf(stderr, "level %d: %s\n", level + 1, what);
    abort();
}

static bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static void check_guarantees(const LevelRecord& l, int i)
{
    if (l.hero_row < 0 || l.hero_row >= LEVEL_ROWS || l.hero_col < 0 || l.hero_col >= LEVEL_COLS)
        fault("hero outside the grid", i);
    if (l.door_row < 0 || l.door_row >= LEVEL_ROWS || l.door_col < 0 || l.door_col >= LEVEL_COLS)
        fault("door outside the grid", i);
    if (l.enemy_count < 0 || l.enemy_count > MAX_LEVEL_ENEMIES || l.portal_count < 0 || l.portal_count > MAX_PORTALS)
        fault("enemy or portal count out of range", i);
    if (l.time_limit < 6)
        fault("time limit below 6", i);
    bool key = false;
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            key = key || (l.items[r][c] & 0x7F) == 11;
            if (l.cells[r][c] > 3 || (l.items[r][c] & 0x7F) > 11)
                fault("cell or item code out of range", i);
        }
    if (!key)
        fault("no key", i);
    for (int k = 0; k < l.enemy_count; k++)
        if (l.enemies[k].kind < 0 || l.enemies[k].kind > 5)
            fault("enemy kind out of range", i);
    for (int k = 0; k < l.portal_count; k++)
        if (l.portals[k].kind < 0 || l.portals[k].kind > 5 || l.portals[k].period_s < 2)
            fault("portal kind or period out of range", i);
    if (!memchr(l.name, 0, sizeof l.name) || !memchr(l.world, 0, sizeof l.world))
        fault("name without its end", i);
}

// The writer's conditions for reading back exactly.
static bool clean_name(const char* s)
{
    size_t n = strlen(s);
    return !strchr(s, '#') && (n == 0 || (!is_space(s[0]) && !is_space(s[n - 1])));
}

static bool carried_exactly(const LevelRecord& l)
{
    if (!clean_name(l.name) || !clean_name(l.world))
        return false;
    // Positions of the hero, the door, the portals and the enemies in that
    // order; portals and enemies each in row-major order, none shared, each
    // on an empty cell without an item.
    int pos[2 + MAX_PORTALS + MAX_LEVEL_ENEMIES];
    int n = 0;
    pos[n++] = l.hero_row * LEVEL_COLS + l.hero_col;
    pos[n++] = l.door_row * LEVEL_COLS + l.door_col;
    for (int k = 0; k < l.portal_count; k++) {
        pos[n] = l.portals[k].row * LEVEL_COLS + l.portals[k].col;
        if (k > 0 && pos[n] <= pos[n - 1])
            return false;
        n++;
    }
    for (int k = 0; k < l.enemy_count; k++) {
        pos[n] = l.enemies[k].row * LEVEL_COLS + l.enemies[k].col;
        if (k > 0 && pos[n] <= pos[n - 1])
            return false;
        n++;
    }
    for (int a = 0; a < n; a++) {
        if (l.cells[pos[a] / LEVEL_COLS][pos[a] % LEVEL_COLS] || l.items[pos[a] / LEVEL_COLS][pos[a] % LEVEL_COLS])
            return false;
        for (int b = a + 1; b < n; b++)
            if (pos[a] == pos[b])
                return false;
    }
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            int item = l.items[r][c], cell = l.cells[r][c];
            if (item && !(item & ITEM_HIDDEN) && cell)
                return false;
            if ((item & ITEM_HIDDEN) && cell != CELL_ICE && cell != CELL_STONE)
                return false;
        }
    return true;
}

static bool same_level(const LevelRecord& a, const LevelRecord& b)
{
    if (strcmp(a.name, b.name) || strcmp(a.world, b.world) || a.time_limit != b.time_limit || a.theme != b.theme)
        return false;
    if (memcmp(a.cells, b.cells, sizeof a.cells) || memcmp(a.items, b.items, sizeof a.items))
        return false;
    if (a.hero_row != b.hero_row || a.hero_col != b.hero_col || a.door_row != b.door_row || a.door_col != b.door_col)
        return false;
    if (a.enemy_count != b.enemy_count || a.portal_count != b.portal_count)
        return false;
    for (int k = 0; k < a.enemy_count; k++)
        if (a.enemies[k].kind != b.enemies[k].kind || a.enemies[k].row != b.enemies[k].row ||
            a.enemies[k].col != b.enemies[k].col)
            return false;
    for (int k = 0; k < a.portal_count; k++)
        if (a.portals[k].kind != b.portals[k].kind || a.portals[k].row != b.portals[k].row ||
            a.portals[k].col != b.portals[k].col || a.portals[k].period_s != b.portals[k].period_s)
            return false;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text((const char*)data, size);
    char message[256];
    memset(message, 0x55, sizeof message);
    int count = parse_levels(text.c_str(), message, sizeof message);
    if (count < 0) {
        if (!memchr(message, 0, sizeof message) || !message[0])
            fault("refusal without a message", -1);
        return 0;
    }
    if (count != level_count || count > MAX_LEVELS)
        fault("count differs from the table", -1);
    bool exact = true;
    for (int i = 0; i < count; i++) {
        check_guarantees(level_table[i], i);
        exact = exact && carried_exactly(level_table[i]);
    }
    if (!exact)
        return 0;

    memcpy(first_table, level_table, sizeof(LevelRecord) * count);
    char* written = write_levels();
    if (!written)
        return 0;
    int again = parse_levels(written, message, sizeof message);
    if (again != count) {
        fprintf(stderr, "read back: %d levels of %d (%s)\n%s", again, count, again < 0 ? message : "", written);
        abort();
    }
    for (int i = 0; i < count; i++)
        if (!same_level(first_table[i], level_table[i])) {
            fprintf(stderr, "%s", written);
            fault("differs after writing and reading back", i);
        }
    free(written);
    return 0;
}
