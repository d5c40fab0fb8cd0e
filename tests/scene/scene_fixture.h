// The play-scene tests' fixture: the screen with the marked sheet in place
// of the sprite sheet (see tests/screen.h for what its pixels say).
#pragma once
#include <gtest/gtest.h>
#include <SDL.h>
#include <vector>
#include "draw/draw.h"
#include "scene/scene.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "tests/text_screen.h"

// Quarters of a marked sprite as they read from the blue channel.
enum { TOP_LEFT = 0, TOP_RIGHT = 1, BOTTOM_LEFT = 2, BOTTOM_RIGHT = 3 };

struct Probe {
    int sprite;   // the opaque sprite on top, or -1
    int quarter;  // which quarter of it
    int alpha;    // the green channel: 255 for an opaque sprite over black
};

// Cells and items of a fixture level, one letter per cell:
// cells '.' empty, 'i' ice, 'c' cracked ice, 's' stone, '~' slippery ice;
// items '.' none, '1'..'9' the item codes 1..9, 'b' bell (10), 'k' key (11),
// an upper-case letter or '!' the same item hidden ('F' fish, '!' key).
struct FixtureLevel {
    const char* cells[LEVEL_ROWS];
    const char* items[LEVEL_ROWS];
};

inline int item_code(char ch)
{
    if (ch >= '1' && ch <= '9')
        return ch - '0';
    switch (ch) {
    case 'b': return ITEM_BELL;
    case 'k': return ITEM_KEY;
    case 'F': return ITEM_HIDDEN | ITEM_FISH;
    case '!': return ITEM_HIDDEN | ITEM_KEY;
    default: return ITEM_NONE;
    }
}

class Scene : public ::testing::Test {
protected:
    TextScreen screen;
    int32_t saved_count = level_count;
    LevelRecord saved_level = level_table[0];

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        textures.sprites = screen.marked_sheet();
        // The background step finds its theme already held and copies a
        // texture that is not there: the screen stays black behind the field.
        background_theme = 0;
        level_table[0] = LevelRecord{};
        level_table[0].door_row = 20;  // below the screen unless a test places it
        level_count = 1;
        play = PlayState{};
        play.state = STATE_PLAYING;
        play.on_ground = 1;
        play.facing = 1;
        park_hero();
        screen.clear();
    }
    void TearDown() override
    {
        level_count = saved_count;
        level_table[0] = saved_level;
    }

    // The hero stands far off the screen unless a test places him.
    void park_hero()
    {
        play.hero_x = 2000.0f;
        play.hero_y = 2000.0f;
    }
    void load(const FixtureLevel& fixture)
    {
        for (int r = 0; r < LEVEL_ROWS; r++)
            for (int c = 0; c < LEVEL_COLS; c++) {
                const char cell = fixture.cells[r][c];
                play.cells[r][c] = cell == 'i' || cell == 'c' ? CELL_ICE
                                   : cell == 's'              ? CELL_STONE
                                   : cell == '~'              ? CELL_SLIPPERY
                                                              : CELL_EMPTY;
                play.cracks[r][c] = cell == 'c' ? 1 : 0;
                play.items[r][c] = (uint8_t)item_code(fixture.items[r][c]);
                level_table[0].cells[r][c] = play.cells[r][c];
                level_table[0].items[r][c] = play.items[r][c];
            }
    }
    Enemy& add_enemy(int kind, float x, float y, int dir)
    {
        for (Enemy& e : play.enemies)
            if (!e.active) {
                e = Enemy{};
                e.active = 1;
                e.kind = kind;
                e.x = x;
                e.y = y;
                e.dir = dir;
                return e;
            }
        ADD_FAILURE() << "no free enemy slot";
        return play.enemies[0];
    }
    Probe probe(int x, int y)
    {
        const uint32_t p = screen.pixel(x, y);
        const int r = p & 0xff, g = (p >> 8) & 0xff, b = (p >> 16) & 0xff;
        Probe result = {-1, (b + 40) / 80, g};
        if (g == 255 && r >= 100)
            result.sprite = r - 100;
        return result;
    }
    // The sprite at the middle of the top-left quarter of a 48 x 48 box
    // whose top-left corner is at the screen position (x, y).
    Probe probe_box(float x, float y)
    {
        return probe((int)x + 12, (int)y + 12);
    }
    void draw()
    {
        screen.clear();
        draw_game();
        screen.flush();
    }
};

// Screen corner of a cell.
inline float cx(int c)
{
    return (float)(PLAY_AREA_X + (int)CELL_SIZE * c);
}
inline float cy(int r)
{
    return (float)(PLAY_AREA_Y + (int)CELL_SIZE * r);
}

// Cells of every code with stone in the shapes that give caps and icicles.
inline const FixtureLevel cell_fixture = {
    {
        "s.s.ss.sss.s.ss",
        "...............",
        "i.c.s.~........",
        "...............",
        ".....isi.....s.",
        ".....s.......s.",
        "s...........sss",
        "s..............",
        "...............",
        "...............",
        "...............",
        "s.s............",
    },
    {
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
        "...............",
    },
};
