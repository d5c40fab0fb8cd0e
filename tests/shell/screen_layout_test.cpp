// Every screen in every language, from the boxes the drawing itself noted:
// on the title (both panels, with and without the banner), in play (head-up
// display, intro, level done, frozen line), in pause, game over, all levels
// done and name entry, the drawn texts and icons keep apart, stay inside the
// panel or bar they stand in, and keep their ink on the screen. Where the
// ink lies inside each box is read from the art: the text pictures, the
// glyph sheets, the sprite sheet and the logo.
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>
#include "draw/draw.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "shell/local.h"
#include "shell/shell.h"
#include "text/local.h"
#include "text/text.h"
#include "tests/text_screen.h"
#include "stb_image.h"

namespace {

// A pixel this opaque or more is ink a player sees.
const int INK_ALPHA = 64;
// The band picture's light edges take its top and bottom 12 of 200 rows.
const float BAND_EDGE = 12.0f / 200.0f;
// Boxes are floats from scaled art: a hair of contact is no overlap.
const float SLACK = 0.5f;

// The alpha of one picture, decoded once.
struct Art {
    int w = 0, h = 0;
    std::vector<uint8_t> alpha;
};

Art decode(const unsigned char* bytes, int length)
{
    Art art;
    int channels = 0;
    unsigned char* rgba = stbi_load_from_memory(bytes, length, &art.w, &art.h, &channels, 4);
    if (!rgba)
        return art;
    art.alpha.resize((size_t)art.w * art.h);
    for (size_t i = 0; i < art.alpha.size(); i++)
        art.alpha[i] = rgba[4 * i + 3];
    stbi_image_free(rgba);
    return art;
}

const Art& picture(int n)
{
    static std::map<int, Art> decoded;
    auto it = decoded.find(n);
    if (it == decoded.end())
        it = decoded.emplace(n, decode(builtin_pictures[n].bytes, builtin_pictures[n].length)).first;
    return it->second;
}

// The smallest rectangle of source holding all its ink; w 0 when it has none.
SDL_Rect ink_in(const Art& art, SDL_Rect source)
{
    int x0 = source.x + source.w, y0 = source.y + source.h, x1 = source.x - 1, y1 = source.y - 1;
    for (int y = std::max(source.y, 0); y < std::min(source.y + source.h, art.h); y++)
        for (int x = std::max(source.x, 0); x < std::min(source.x + source.w, art.w); x++)
            if (art.alpha[(size_t)y * art.w + x] >= INK_ALPHA) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < x0)
        return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// Where the ink of source lands when source is drawn into box.
SDL_FRect ink_on_screen(const Art& art, SDL_Rect source, SDL_FRect box)
{
    static std::map<std::pair<const Art*, std::vector<int>>, SDL_Rect> known;
    auto key = std::make_pair(&art, std::vector<int>{source.x, source.y, source.w, source.h});
    auto it = known.find(key);
    if (it == known.end())
        it = known.emplace(key, ink_in(art, source)).first;
    const SDL_Rect ink = it->second;
    if (ink.w == 0 || source.w == 0 || source.h == 0)
        return SDL_FRect{0, 0, 0, 0};
    const float sx = box.w / source.w, sy = box.h / source.h;
    return SDL_FRect{box.x + (ink.x - source.x) * sx, box.y + (ink.y - source.y) * sy, ink.w * sx, ink.h * sy};
}

SDL_FRect join(SDL_FRect a, SDL_FRect b)
{
    if (a.w <= 0 && a.h <= 0)
        return b;
    if (b.w <= 0 && b.h <= 0)
        return a;
    const float x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const float x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return SDL_FRect{x0, y0, x1 - x0, y1 - y0};
}

bool overlap(SDL_FRect a, SDL_FRect b)
{
    return a.x + SLACK < b.x + b.w && b.x + SLACK < a.x + a.w && a.y + SLACK < b.y + b.h && b.y + SLACK < a.y + a.h;
}

bool inside(SDL_FRect ink, SDL_FRect room)
{
    return ink.x + SLACK >= room.x && ink.y + SLACK >= room.y && ink.x + ink.w <= room.x + room.w + SLACK &&
           ink.y + ink.h <= room.y + room.h + SLACK;
}

bool contains(SDL_FRect room, float x, float y)
{
    return x >= room.x && x < room.x + room.w && y >= room.y && y < room.y + room.h;
}

std::string show(SDL_FRect r)
{
    char text[96];
    snprintf(text, sizeof text, "(%.1f, %.1f)-(%.1f, %.1f)", r.x, r.y, r.x + r.w, r.y + r.h);
    return text;
}

// One box of art drawn to the screen.
struct Drawn {
    const Art* art;
    SDL_Rect source;
    SDL_FRect box;
};

// A text line, icon or logo as the player sees it: the art it is drawn from
// and the bounds of its ink.
struct Thing {
    std::string name;
    SDL_FRect ink{0, 0, 0, 0};
    std::vector<Drawn> drawn;
};

// Whether the thing puts ink on the screen pixel (x, y).
bool inks(const Thing& t, int x, int y)
{
    const float px = x + 0.5f, py = y + 0.5f;
    for (const Drawn& d : t.drawn) {
        if (!contains(d.box, px, py))
            continue;
        const int sx = d.source.x + (int)((px - d.box.x) * d.source.w / d.box.w);
        const int sy = d.source.y + (int)((py - d.box.y) * d.source.h / d.box.h);
        if (sx >= 0 && sy >= 0 && sx < d.art->w && sy < d.art->h && d.art->alpha[(size_t)sy * d.art->w + sx] >= INK_ALPHA)
            return true;
    }
    return false;
}

// Whether two things ink one pixel: their ink bounds meet, and inside the
// meeting some pixel has ink of both.
bool drawn_over(const Thing& a, const Thing& b)
{
    if (!overlap(a.ink, b.ink))
        return false;
    const int x0 = (int)std::max(a.ink.x, b.ink.x), x1 = (int)std::min(a.ink.x + a.ink.w, b.ink.x + b.ink.w);
    const int y0 = (int)std::max(a.ink.y, b.ink.y), y1 = (int)std::min(a.ink.y + a.ink.h, b.ink.y + b.ink.h);
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (inks(a, x, y) && inks(b, x, y))
                return true;
    return false;
}

struct Panel {
    SDL_FRect box;
    SDL_FRect room;  // where what stands in it must keep its ink
    bool fill;       // a filled rectangle covers what lies under it
    int32_t kind;
};

std::string thing_name(const DrawnBox& b)
{
    char text[64];
    if (b.kind == DRAWN_LINE)
        snprintf(text, sizeof text, "message %d", (int)b.what);
    else if (b.kind == DRAWN_SPRITE)
        snprintf(text, sizeof text, "sprite %d", (int)b.what);
    else if (b.kind == DRAWN_LOGO)
        snprintf(text, sizeof text, "logo");
    else
        snprintf(text, sizeof text, "glyph text");
    return text;
}

// The things and panels of one frame's notes, with the ink of each box.
void read_notes(const DrawnLayout& notes, std::vector<Thing>* things, std::vector<Panel>* panels)
{
    const LanguageInfo& language = language_table[get_language()];
    const Art& text_picture = picture(PICTURE_FIRST_LANGUAGE + get_language());
    std::map<int32_t, size_t> line_thing;
    for (int32_t i = 0; i < notes.count; i++) {
        const DrawnBox& b = notes.boxes[i];
        if (b.kind == DRAWN_BAND || b.kind == DRAWN_FILL || b.kind == DRAWN_BAR) {
            Panel p{b.box, b.box, b.kind == DRAWN_FILL, b.kind};
            if (b.kind == DRAWN_BAND) {
                p.room.y += b.box.h * BAND_EDGE;
                p.room.h -= 2.0f * b.box.h * BAND_EDGE;
            }
            // A bar or filled rectangle joins one of its kind that it touches: they make one panel.
            bool joined = false;
            for (Panel& q : *panels)
                if (b.kind != DRAWN_BAND && q.kind == b.kind && q.box.x == p.box.x && q.box.w == p.box.w &&
                    (q.box.y + q.box.h == p.box.y || p.box.y + p.box.h == q.box.y)) {
                    q.box = q.room = join(q.box, p.box);
                    joined = true;
                }
            if (!joined)
                panels->push_back(p);
            continue;
        }
        Thing* t;
        if (b.line >= 0 && line_thing.count(b.line)) {
            t = &(*things)[line_thing[b.line]];
        } else {
            things->push_back(Thing{thing_name(b), {0, 0, 0, 0}, {}});
            t = &things->back();
            if (b.line >= 0)
                line_thing[b.line] = things->size() - 1;
        }
        Drawn d{nullptr, SDL_Rect{0, 0, 0, 0}, b.box};
        if (b.kind == DRAWN_PIECE) {
            const int16_t* r = language.rects + 5 * b.what;
            d.art = &text_picture;
            d.source = SDL_Rect{r[0], r[1], r[2], r[3]};
        } else if (b.kind == DRAWN_GLYPH) {
            const int font = b.what / GLYPH_COUNT, g = b.what % GLYPH_COUNT;
            const GlyphFont& f = glyph_fonts[font];
            d.art = &picture(font ? PICTURE_FONT_BIG : PICTURE_FONT_SMALL);
            d.source = SDL_Rect{f.glyph_sheet_x[g], f.glyph_sheet_y[g], 2 * f.glyph_advance[g], 2 * f.height};
        } else if (b.kind == DRAWN_SPRITE) {
            const SpriteRect& r = sprite_rects[b.what];
            d.art = &picture(PICTURE_SPRITES);
            d.source = SDL_Rect{r.x, r.y, r.w, r.h};
        } else if (b.kind == DRAWN_LOGO) {
            d.art = &picture(PICTURE_LOGO);
            d.source = SDL_Rect{0, 0, d.art->w, d.art->h};
        } else {
            continue;
        }
        t->drawn.push_back(d);
        t->ink = join(t->ink, ink_on_screen(*d.art, d.source, d.box));
    }
    things->erase(std::remove_if(things->begin(), things->end(), [](const Thing& t) { return t.ink.w <= 0; }),
                  things->end());
}

// What is wrong with one frame, a line per fault; empty when nothing is.
std::vector<std::string> faults_of(const DrawnLayout& notes)
{
    std::vector<Thing> things;
    std::vector<Panel> panels;
    read_notes(notes, &things, &panels);
    std::vector<std::string> faults;
    const SDL_FRect screen_box{0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
    std::vector<const Panel*> home(things.size(), nullptr);
    for (size_t i = 0; i < things.size(); i++) {
        const Thing& t = things[i];
        if (!inside(t.ink, screen_box))
            faults.push_back(t.name + " cut at the screen's edge: ink " + show(t.ink));
        // The last panel drawn under the middle of its ink is the one it stands in.
        const float cx = t.ink.x + t.ink.w * 0.5f, cy = t.ink.y + t.ink.h * 0.5f;
        for (const Panel& p : panels)
            if (contains(p.box, cx, cy))
                home[i] = &p;
        if (home[i] && !inside(t.ink, home[i]->room))
            faults.push_back(t.name + " leaves its panel " + show(home[i]->room) + ": ink " + show(t.ink));
        for (const Panel& p : panels)
            if (p.fill && &p != home[i] && overlap(t.ink, p.box) && (!home[i] || !home[i]->fill))
                faults.push_back(t.name + " lies under the filled panel " + show(p.box) + ": ink " + show(t.ink));
        for (size_t j = 0; j < i; j++)
            if (drawn_over(t, things[j]))
                faults.push_back(t.name + " " + show(t.ink) + " runs into " + things[j].name + " " +
                                 show(things[j].ink));
    }
    return faults;
}

int language_index(const char* code)
{
    for (int32_t i = 0; i < LANGUAGE_COUNT; i++)
        if (strcmp(language_code(i), code) == 0)
            return i;
    return LANGUAGE_ENGLISH;
}

// The Danish text of a built-in name: the name a level file holds.
const char* danish(int message)
{
    return language_table[LANGUAGE_DANISH].texts[message];
}

enum { TABLE_LEVELS = 24 };

class ScreenLayout : public ::testing::Test {
protected:
    TextScreen screen;
    MainLoop loop{};
    DrawnLayout notes{};
    SDL_Texture* stand_in_picture = nullptr;
    std::vector<LevelRecord> saved_levels{level_table, level_table + TABLE_LEVELS};
    int32_t saved_count = level_count;
    int32_t saved_language = get_language();
    uint32_t saved_banner = locale_banner;
    int32_t saved_frame = shell.frame_counter;
    HighScore saved_scores[HIGH_SCORE_ROWS];
    char saved_own_path[DATA_PATH_BYTES];
    char saved_name[NAME_BYTES];

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        memcpy(saved_scores, shell.high_scores, sizeof shell.high_scores);
        memcpy(saved_own_path, shell.own_levels_path, sizeof shell.own_levels_path);
        memcpy(saved_name, shell.typed_name, sizeof shell.typed_name);
        screen.use_stand_in_art();
        stand_in_picture = screen.plain(16, 16, COLOUR_WHITE);
        background_theme = 0;
        loop.renderer = screen.renderer;
        // The own-levels hint shows while its file exists.
        snprintf(shell.own_levels_path, sizeof shell.own_levels_path, "%s", FROSTOVA_SOURCE_DIR "/README.md");
        for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
            snprintf(shell.high_scores[i].name, sizeof shell.high_scores[i].name, "%s", DEFAULT_HIGH_SCORE_NAME);
            shell.high_scores[i].score = 20000 - 2000 * i;
            shell.high_scores[i].level = TABLE_LEVELS;
        }
        for (int i = 0; i < TABLE_LEVELS; i++) {
            level_table[i] = LevelRecord{};
            level_table[i].door_row = 20;
        }
        level_count = TABLE_LEVELS;
    }
    void TearDown() override
    {
        drawn_layout = nullptr;
        forget_atlas();
        std::copy(saved_levels.begin(), saved_levels.end(), level_table);
        level_count = saved_count;
        set_language(saved_language);
        locale_banner = saved_banner;
        shell.frame_counter = saved_frame;
        shell.app_mode = APP_TITLE;
        shell.paused = 0;
        play = PlayState{};
        memcpy(shell.high_scores, saved_scores, sizeof shell.high_scores);
        memcpy(shell.own_levels_path, saved_own_path, sizeof shell.own_levels_path);
        memcpy(shell.typed_name, saved_name, sizeof shell.typed_name);
    }
    // The last level of the table, starting a world, with many lives and
    // snowballs, a long score and the enemies frozen.
    void play_at(int32_t state, int32_t tick, const char* name, const char* world)
    {
        snprintf(level_table[TABLE_LEVELS - 1].name, sizeof level_table[0].name, "%s", name);
        snprintf(level_table[TABLE_LEVELS - 1].world, sizeof level_table[0].world, "%s", world);
        play = PlayState{};
        play.level = TABLE_LEVELS - 1;
        play.state = state;
        play.tick = tick;
        play.score = 9876543;
        play.bonus = 9999;
        play.lives = 9;
        play.snowballs_left = 9;
        play.freeze_ticks = 100;
        play.hero_x = 2000.0f;
        play.hero_y = 2000.0f;
        play.facing = 1;
    }
    // Draws one frame of the shell and says what is wrong with it.
    void check(const std::string& what)
    {
        notes = DrawnLayout{};
        drawn_layout = &notes;
        // Only where the pieces go counts, not their pixels: a stand-in
        // picture, one band holding every piece, spares decoding every
        // language's picture for the screen.
        forget_atlas();
        atlas.language = get_language();
        band_whole_texture(&atlas.banded, stand_in_picture);
        screen.clear();
        draw_frame(&loop);
        drawn_layout = nullptr;
        ASSERT_LT(notes.count, (int32_t)DRAWN_BOXES) << what;
        for (const std::string& fault : faults_of(notes))
            ADD_FAILURE() << language_code(get_language()) << ", " << what << ": " << fault;
    }

    void check_title()
    {
        shell.app_mode = APP_TITLE;
        // Hero pictures 2, 3, 0 and 1; the help panel, then the high scores;
        // the invitation hidden, then shown.
        for (uint32_t banner = 0; banner < 2; banner++) {
            locale_banner = banner;
            for (int32_t f : {21, 31, 441, 451}) {
                shell.frame_counter = f;
                check("title at frame " + std::to_string(f) + (banner ? " with the banner" : ""));
            }
        }
        locale_banner = 0;
    }
    // Every built-in name as the level's and the world's.
    void check_play()
    {
        shell.app_mode = APP_PLAYING;
        for (int32_t m = MSG_FIRST_BUILTIN_NAME; m <= MSG_LAST_BUILTIN_NAME; m++) {
            play_at(STATE_INTRO, 0, danish(m), danish(m));
            check("level intro of name " + std::to_string(m));
        }
        play_at(STATE_LEVEL_DONE, 41, danish(MSG_FIRST_BUILTIN_NAME), danish(MSG_FIRST_BUILTIN_NAME));
        check("level done");
    }
    void check_notices_and_name_entry()
    {
        shell.app_mode = APP_PLAYING;
        play_at(STATE_PLAYING, 10, danish(MSG_FIRST_BUILTIN_NAME), "");
        shell.paused = 1;
        check("pause");
        shell.paused = 0;
        play_at(STATE_GAME_OVER, 10, danish(MSG_FIRST_BUILTIN_NAME), "");
        check("game over");
        play_at(STATE_ALL_DONE, 10, danish(MSG_FIRST_BUILTIN_NAME), "");
        check("all levels done");
        // The longest name that may be typed, with and without the cursor.
        snprintf(shell.typed_name, sizeof shell.typed_name, "%s", "WWWWWWWWWWW");
        shell.app_mode = APP_NAME_ENTRY;
        for (int32_t f : {19, 20}) {
            shell.frame_counter = f;
            play_at(STATE_ALL_DONE, 10, danish(MSG_FIRST_BUILTIN_NAME), "");
            check("name entry after all levels");
            play_at(STATE_GAME_OVER, 10, danish(MSG_FIRST_BUILTIN_NAME), "");
            check("name entry after game over");
        }
    }
};

// One test for all, so that each language's text picture is read once.
TEST_F(ScreenLayout, EveryScreenInEveryLanguage)
{
    for (int32_t language = 0; language < LANGUAGE_COUNT; language++) {
        set_language(language);
        check_title();
        check_play();
        check_notices_and_name_entry();
    }
}

// A name that matches no built-in name is shrunk as the translated ones are.
TEST_F(ScreenLayout, OwnLevelNamesAreFittedInTheIntroAndTheBottomBar)
{
    shell.app_mode = APP_PLAYING;
    set_language(language_index("en"));
    play_at(STATE_INTRO, 0, "The very long name of a level a player made for the fun of it", "Mine");
    check("intro of an own level");
    play_at(STATE_PLAYING, 10, "The very long name of a level a player made for the fun of it", "Mine");
    check("play on an own level");
}

}  // namespace
