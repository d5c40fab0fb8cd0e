// Translated-text drawing on a fixture text picture: layout, placement,
// alignment, fitting, nested messages, right-to-left lines, the texture
// cache and the arguments and references that must never be misread.
#include <gtest/gtest.h>
#include <string>
#include <SDL.h>

#include "draw/draw.h"
#include "stb_image_write.h"
#include "text/local.h"
#include "text/picture_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// ---- The fixture language ----
// Its picture stores in each pixel its own coordinates, x + 2048 y, so that
// a pixel on the screen tells which picture pixel was copied there.

enum { ATLAS_W = TEXT_PICTURE_WIDTH, ATLAS_H = 447 };

// Piece rectangles x, y, w, h, baseline; piece n (counted from 1) is row n - 1.
const int16_t fixture_rects[][RECT_FIELDS] = {
    {1252, 0, 321, 68, 44},   // 1: the one piece of message 3, advance 152.5
    {0, 0, 200, 68, 44},      // 2: message 2, the language's own name, advance 92
    {201, 0, 300, 68, 44},    // 3: message 7's and 27's words, advance 142
    {502, 0, 150, 68, 44},    // 4: message 16's word, small, advance 67
    {0, 69, 250, 116, 80},    // 5: message 16's word, big, advance 117
    {653, 0, 180, 68, 44},    // 6: message 26's word, small, advance 82
    {251, 69, 300, 116, 80},  // 7: message 26's and 27's word, big, advance 142
    {834, 0, 100, 68, 44},    // 8..10: the three words of message 88, advances 42, 52, 62
    {935, 0, 120, 68, 44},
    {1056, 0, 140, 68, 44},
    {0, 186, 600, 192, 0},    // 11: the title, message 0, advance 292
    {0, 379, 2016, 68, 44},   // 12: message 13, advance 1000
    {552, 69, 616, 68, 44},   // 13: message 14, advance 300
};
const int PIECE_COUNT = sizeof fixture_rects / sizeof fixture_rects[0];

struct FixtureList {
    int id, big;
    std::vector<int16_t> entries;  // without the closing 0
};
const std::vector<FixtureList> fixture_lists = {
    {0, 1, {11}},
    {2, 0, {2}},
    {3, 0, {1}},
    {5, 0, std::vector<int16_t>(18, 8)},  // longer than any line may be
    {7, 0, {3, -1}},
    {13, 0, {12}},
    {13, 1, {12}},
    {14, 0, {13}},
    {16, 0, {-1, 4}},
    {16, 1, {-1, 5}},
    {26, 0, {6, -1}},
    {26, 1, {7, -1}},
    {27, 0, {3, -1}},
    {27, 1, {7, -1}},
    {88, 0, {8, -1, 9, -2, 10}},
};

struct FixtureTables {
    std::vector<uint8_t> png;
    std::vector<int16_t> runs;
    std::vector<uint16_t> run_index = std::vector<uint16_t>(2 * MESSAGE_COUNT, NO_LIST);
    std::array<LanguageInfo, LANGUAGE_COUNT> languages;
};

void append_png(void* context, void* data, int size)
{
    auto* png = (std::vector<uint8_t>*)context;
    png->insert(png->end(), (uint8_t*)data, (uint8_t*)data + size);
}

// Every language shares the fixture tables, with its own code and direction.
const FixtureTables& fixture()
{
    static FixtureTables* tables = [] {
        auto* t = new FixtureTables;
        std::vector<uint32_t> pixels(ATLAS_W * ATLAS_H);
        for (int y = 0; y < ATLAS_H; y++)
            for (int x = 0; x < ATLAS_W; x++)
                pixels[y * ATLAS_W + x] = 0xFF000000u | (uint32_t)(x + ATLAS_W * y);
        stbi_write_png_compression_level = 1;
        stbi_write_png_to_func(append_png, &t->png, ATLAS_W, ATLAS_H, 4, pixels.data(), ATLAS_W * 4);
        for (const FixtureList& list : fixture_lists) {
            t->run_index[2 * list.id + list.big] = (uint16_t)t->runs.size();
            t->runs.insert(t->runs.end(), list.entries.begin(), list.entries.end());
            t->runs.push_back(0);
        }
        for (int i = 0; i < LANGUAGE_COUNT; i++)
            t->languages[i] = LanguageInfo{language_table[i].code, language_table[i].rtl, t->png.data(), t->png.size(),
                                           t->runs.data(), t->run_index.data(), &fixture_rects[0][0],
                                           language_table[i].texts};
        return t;
    }();
    return *tables;
}

float advance(int piece) { return (fixture_rects[piece - 1][RECT_W] - 2 * PIECE_MARGIN) * 0.5f; }

const float ENLARGED = 1.8888888f;
const uint32_t WHITE = 0xFFFFFFFF;
const int LANGUAGE_ARABIC = 21;

// What a screen pixel shows.
enum { NOTHING = -1, GLYPH = -2, STRAY = -3 };
// Glyph sheets are one solid colour that no picture pixel has.
const uint32_t GLYPH_COLOUR = 0xFFFF00FF;

// ---- Layout ----

struct Item {
    int32_t piece;
    const char* text;
    int32_t message;
    float width;
};
Item piece_item(int piece, float scale = 1.0f) { return {piece - 1, nullptr, -1, advance(piece) * scale}; }
Item text_item(const char* text, int32_t big) { return {-1, text, -1, (float)(text_width(text, big) - (big ? 6 : 4))}; }
Item message_item(int32_t message, float width) { return {-1, nullptr, message, width}; }
Item nothing_item() { return {-1, nullptr, -1, 0.0f}; }

struct LayoutCase {
    const char* what;
    int32_t id, big;
    std::vector<const char*> args;
    std::vector<Item> items;
    float scale;
};

class MessageLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        text_languages = fixture().languages.data();
        set_language(LANGUAGE_ENGLISH);
    }
    void TearDown() override
    {
        text_languages = language_table;
        set_language(LANGUAGE_ENGLISH);
    }
};

TEST_F(MessageLayout, ItemsWidthsAndScale)
{
    const LayoutCase cases[] = {
        {"one piece", 3, 0, {}, {piece_item(1)}, 1.0f},
        {"a small list drawn big is enlarged", 3, 1, {}, {piece_item(1, ENLARGED)}, ENLARGED},
        {"a number, then a word", 16, 0, {"12"}, {text_item("12", 0), piece_item(4)}, 1.0f},
        {"a missing argument is empty and 1 wide when small", 16, 0, {}, {{-1, "", -1, 1.0f}, piece_item(4)}, 1.0f},
        {"a missing argument is -1 wide when big", 16, 1, {}, {{-1, "", -1, -1.0f}, piece_item(5)}, 1.0f},
        {"a null argument is empty", 16, 0, {nullptr}, {{-1, "", -1, 1.0f}, piece_item(4)}, 1.0f},
        {"a nested message takes its line's width", 7, 0, {"\x01" "2"}, {piece_item(3), message_item(2, 92.0f)}, 1.0f},
        {"a nested message is enlarged too", 7, 1, {"\x01" "2"},
         {piece_item(3, ENLARGED), message_item(2, 92.0f * ENLARGED)}, ENLARGED},
        {"a nested message gets no argument", 7, 0, {"\x01" "16"},
         {piece_item(3), message_item(16, 1.0f + 67.0f)}, 1.0f},
        {"a reference beyond 32 bits does not wrap to message 2", 7, 0, {"\x01" "4294967298"},
         {piece_item(3), nothing_item()}, 1.0f},
        {"a reference past the last message", 7, 0, {"\x01" "118"}, {piece_item(3), nothing_item()}, 1.0f},
        {"a negative reference", 7, 0, {"\x01" "-1"}, {piece_item(3), nothing_item()}, 1.0f},
        {"arguments fill their own placeholders", 88, 0, {"A", "B"},
         {piece_item(8), text_item("A", 0), piece_item(9), text_item("B", 0), piece_item(10)}, 1.0f},
        {"the title has no small list", 0, 0, {}, {}, 1.0f},
        {"the title's big list", 0, 1, {}, {piece_item(11)}, 1.0f},
        {"a list is cut after 16 entries", 5, 0, {}, std::vector<Item>(LAYOUT_ITEMS, piece_item(8)), 1.0f},
        {"id 118", 118, 0, {}, {}, 1.0f},
        {"id -1", -1, 1, {}, {}, 1.0f},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        LayoutItem items[LAYOUT_ITEMS];
        float total = -99.0f, scale = -99.0f;
        int32_t n = layout_message(c.id, c.big, c.args.data(), (int32_t)c.args.size(), items, &total, &scale);
        ASSERT_EQ(n, (int32_t)c.items.size());
        float expected_total = 0.0f;
        for (int32_t i = 0; i < n; i++) {
            const Item& e = c.items[i];
            EXPECT_EQ(items[i].piece, e.piece) << "item " << i;
            EXPECT_EQ(items[i].message, e.message) << "item " << i;
            if (e.text) {
                EXPECT_STREQ(items[i].text, e.text) << "item " << i;
            } else {
                EXPECT_EQ(items[i].text, nullptr) << "item " << i;
            }
            EXPECT_FLOAT_EQ(items[i].width, e.width) << "item " << i;
            expected_total += e.width;
        }
        EXPECT_FLOAT_EQ(total, expected_total);
        EXPECT_EQ(scale, c.scale);
    }
}

// ---- Drawing ----
// The screen is 1536 x 1344 pixels with the renderer's scale at 2, so that
// half-pixel positions of the logical screen land on whole pixels.

class MessageDrawing : public ::testing::Test {
protected:
    SDL_Surface* screen = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* sheets[2] = {};
    TextureSet saved = textures;
    std::array<LanguageInfo, LANGUAGE_COUNT> languages = fixture().languages;
    SDL_LogOutputFunction saved_log = nullptr;
    void* saved_log_data = nullptr;
    int logged = 0;

    static void count_log(void* data, int, SDL_LogPriority, const char*) { ++*(int*)data; }

    void SetUp() override
    {
        screen = SDL_CreateRGBSurfaceWithFormat(0, 1536, 1344, 32, SDL_PIXELFORMAT_ABGR8888);
        renderer = SDL_CreateSoftwareRenderer(screen);
        ASSERT_NE(renderer, nullptr);
        SDL_RenderSetScale(renderer, 2.0f, 2.0f);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        const int sheet_h[2] = {448, 1128};
        for (int font = 0; font < 2; font++) {
            std::vector<uint32_t> pixels(4096 * sheet_h[font], GLYPH_COLOUR);
            sheets[font] = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, 4096,
                                             sheet_h[font]);
            SDL_UpdateTexture(sheets[font], nullptr, pixels.data(), 4096 * 4);
        }
        textures.renderer = renderer;
        band_whole_texture(&textures.font_small, sheets[0]);
        band_whole_texture(&textures.font_big, sheets[1]);
        text_languages = languages.data();
        forget_atlas();
        set_language(LANGUAGE_ENGLISH);
        SDL_LogGetOutputFunction(&saved_log, &saved_log_data);
        SDL_LogSetOutputFunction(count_log, &logged);
        clear();
    }
    void TearDown() override
    {
        SDL_LogSetOutputFunction(saved_log, saved_log_data);
        forget_atlas();
        text_languages = language_table;
        set_language(LANGUAGE_ENGLISH);
        textures = saved;
        SDL_DestroyTexture(sheets[0]);
        SDL_DestroyTexture(sheets[1]);
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(screen);
    }
    void clear()
    {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
        SDL_RenderClear(renderer);
    }
    uint32_t pixel(int x, int y) const { return ((uint32_t*)screen->pixels)[y * (screen->pitch / 4) + x]; }
    // The picture pixel shown at a screen pixel, as x + 2048 y.
    int source(int x, int y) const { return (int)(pixel(x, y) & 0xFFFFFF); }
    // The piece (counted from 1) a screen pixel shows, GLYPH, NOTHING or STRAY.
    int piece_at(int x, int y) const
    {
        uint32_t p = pixel(x, y);
        if (p == 0)
            return NOTHING;
        if (p == GLYPH_COLOUR)
            return GLYPH;
        int sx = source(x, y) % ATLAS_W, sy = source(x, y) / ATLAS_W;
        for (int n = 1; n <= PIECE_COUNT; n++) {
            const int16_t* r = fixture_rects[n - 1];
            if (sx >= r[RECT_X] && sx < r[RECT_X] + r[RECT_W] && sy >= r[RECT_Y] && sy < r[RECT_Y] + r[RECT_H])
                return n;
        }
        return STRAY;
    }
    // The screen box covered by what piece_at calls `what`: x, y, w, h; w = 0 when absent.
    SDL_Rect box(int what) const
    {
        int x0 = screen->w, y0 = screen->h, x1 = -1, y1 = -1;
        for (int y = 0; y < screen->h; y++)
            for (int x = 0; x < screen->w; x++)
                if (piece_at(x, y) == what) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y);
                    x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        return x1 < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
    bool anything_drawn() const
    {
        for (int y = 0; y < screen->h; y++)
            for (int x = 0; x < screen->w; x++)
                if (pixel(x, y))
                    return true;
        return false;
    }
};

void expect_box(const SDL_Rect& got, const SDL_Rect& want)
{
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.w, want.w);
    EXPECT_EQ(got.h, want.h);
}

// One piece at (100, 50), left-aligned and unfitted. Small: copied to
// (96, 48, 160.5, 34), which is (192, 96, 321, 68) on the doubled screen,
// pixel for pixel. Big without a big list: k = 0.9444444 and the picture's
// pixels land on (92.44, 43.44, 303.17, 64.22), whole pixels 184, 86, 606, 128.
TEST_F(MessageDrawing, WorkedPlacementSmallAndEnlarged)
{
    struct Case { int32_t big; int32_t width; SDL_Rect box; };
    const Case cases[] = {{0, 152, {192, 96, 321, 68}}, {1, 288, {184, 86, 606, 128}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.big ? "big" : "small");
        clear();
        EXPECT_EQ(draw_message(3, 100, 50, c.big, 0, WHITE), c.width);
        SDL_Rect got = box(1);
        expect_box(got, c.box);
        EXPECT_EQ(source(got.x, got.y), 1252) << "the piece's top-left picture pixel";
        EXPECT_EQ(box(STRAY).w, 0) << "nothing but the piece's rectangle is copied";
    }
    clear();
    draw_message(3, 100, 50, 0, 0, WHITE);
    EXPECT_EQ(source(192 + 320, 96 + 67), 1572 + 67 * ATLAS_W) << "its bottom-right one";
}

TEST_F(MessageDrawing, PiecesAreTintedByTheColour)
{
    draw_message(3, 100, 50, 0, 0, 0x80563412);
    Uint8 r, g, b, a;
    SDL_GetTextureColorMod(atlas.banded.bands[0].texture, &r, &g, &b);
    SDL_GetTextureAlphaMod(atlas.banded.bands[0].texture, &a);
    EXPECT_EQ(r, 0x12);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x56);
    EXPECT_EQ(a, 0x80);
}

// A 300-wide line at x 384; the piece's box begins 4 pixels left of the line.
TEST_F(MessageDrawing, Alignment)
{
    struct Case { int32_t align; int left; };
    const Case cases[] = {{0, 384}, {1, 234}, {2, 84}, {3, 384}, {-1, 384}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        clear();
        EXPECT_EQ(draw_message(14, 384, 200, 0, c.align, WHITE), 300);
        EXPECT_EQ(box(13).x, 2 * (c.left - 4));
    }
}

// A 1000-wide line at (10, 100) fitted to 736: fit 0.736, so the picture
// scale k is 0.368; the line's top moves down by 0.264 x 18 / 2 (small) or
// 0.264 x 34 / 2 (big); its piece box lies at 10 - 8k = 7.056, its top at
// the line's top + baseline x fit - 44k, and it is 2016k = 741.9 wide.
TEST_F(MessageDrawing, FittingShrinksAndKeepsTheLineCentred)
{
    struct Case { const char* what; int32_t big, max_width, width; SDL_Rect box; };
    const Case cases[] = {
        {"small, fitted", 0, 736, 736, {14, 201, 1483, 50}},     // top 100.904
        {"big, fitted", 1, 736, 736, {14, 228, 1483, 50}},       // top 114.056
        {"no limit at 0", 0, 0, 1000, {12, 196, 1524, 68}},      // top 98, clipped at the screen's edge
        {"no limit below 0", 0, -5, 1000, {12, 196, 1524, 68}},
        {"a limit it fits", 1, 1000, 1000, {12, 226, 1524, 68}},  // top 113
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        EXPECT_EQ(draw_message_fit(13, 10, 100, c.big, 0, WHITE, c.max_width), c.width);
        expect_box(box(12), c.box);
    }
}

TEST_F(MessageDrawing, NestedMessageFollowsItsWord)
{
    EXPECT_EQ(draw_message(7, 100, 300, 0, 0, WHITE, {msg_ref_text(2)}), 142 + 92);
    SDL_Rect word = box(3), name = box(2);
    EXPECT_EQ(word.x, 2 * (100 - 4));
    EXPECT_EQ(name.x, 2 * (100 + 142 - 4));
    EXPECT_EQ(name.y, word.y);
    EXPECT_EQ(box(GLYPH).w, 0);
}

// Message 88 is word, {1}, word, {2}, word. Left to right its items follow
// each other from x; right to left the first is at the right end, and the
// line covers the same span.
TEST_F(MessageDrawing, RightToLeftReversesTheItemsWithinTheSameSpan)
{
    const float widths[5] = {42, (float)text_width("A", 0) - 4, 52, (float)text_width("B", 0) - 4, 62};
    const int shows[5] = {8, GLYPH, 9, GLYPH, 10};
    float total = 0;
    for (float w : widths)
        total += w;
    const int x = 100, y = 300;
    std::pair<int, int> spans[2];
    for (int32_t language : {(int32_t)LANGUAGE_ENGLISH, LANGUAGE_ARABIC}) {
        const bool rtl = language == LANGUAGE_ARABIC;
        SCOPED_TRACE(rtl ? "right to left" : "left to right");
        set_language(language);
        clear();
        EXPECT_EQ(draw_message(88, x, y, 0, 0, WHITE, {"A", "B"}), (int32_t)total);
        float pen = rtl ? x + total : x;
        for (int i = 0; i < 5; i++) {
            float left = rtl ? pen - widths[i] : pen;
            EXPECT_EQ(piece_at((int)(2 * (left + widths[i] / 2)), 2 * (y + 14)), shows[i]) << "item " << i;
            pen += rtl ? -widths[i] : widths[i];
        }
        int first = screen->w, end = 0;
        for (int what : {8, 9, 10, (int)GLYPH}) {
            SDL_Rect b = box(what);
            first = std::min(first, b.x);
            end = std::max(end, b.x + b.w);
        }
        spans[rtl] = {first, end};
    }
    EXPECT_EQ(spans[1], spans[0]);
    EXPECT_EQ(spans[0].first, 2 * (x - 4));
}

TEST_F(MessageDrawing, IdsOutsideTheMessagesDrawNothing)
{
    for (int32_t id : {118, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(draw_message(id, 100, 100, 0, 0, WHITE), 0) << id;
        EXPECT_EQ(draw_message(id, 100, 100, 1, 1, WHITE, {"1"}), 0) << id;
    }
    EXPECT_FALSE(anything_drawn());
    EXPECT_EQ(atlas.banded.picture.runs, nullptr) << "no picture is decoded for them";
}

// Only as many arguments as the caller passed are read: a one-entry array
// for a message with two placeholders leaves the second empty (the address
// sanitizer catches a read past it).
TEST_F(MessageDrawing, ArgumentsBeyondTheCountAreNeverRead)
{
    const char** one = new const char*[1]{"7"};
    const float expected = 42 + (text_width("7", 0) - 4) + 52 + (5 - 4) + 62;
    EXPECT_EQ(draw_message_v(88, 100, 100, 0, 0, WHITE, 0, one, 1), (int32_t)expected);
    delete[] one;
    EXPECT_EQ(draw_message_v(88, 100, 100, 0, 0, WHITE, 0, nullptr, 2), (int32_t)(42 + 1 + 52 + 1 + 62));
    EXPECT_EQ(draw_message(7, 100, 100, 0, 0, WHITE, {msg_ref_text(2), "surplus", "more"}), 142 + 92);
}

// The fixture's pieces lie in three bands of 128 rows by their tops: 0 and
// 69 (reaching row 185), 186 (reaching 378), and 379 (to the picture's end).
TEST_F(MessageDrawing, OnePicturePerLanguageAndABandMadeWhenFirstDrawn)
{
    static int mark;
    draw_message(3, 0, 0, 0, 0, WHITE);
    ASSERT_NE(atlas.banded.picture.runs, nullptr);
    EXPECT_EQ(atlas.language, LANGUAGE_ENGLISH);
    ASSERT_NE(atlas.banded.bands[0].texture, nullptr);
    EXPECT_EQ(atlas.banded.bands[1].texture, nullptr) << "no piece of the second band was drawn";
    // Each band's rows: its pieces and two more at each edge, within the picture.
    const int32_t rows[][2] = {{0, 187}, {184, 196}, {377, ATLAS_H - 377}};
    for (int32_t b = 0; b < 3; b++) {
        EXPECT_EQ(atlas.banded.bands[b].top, rows[b][0]) << "band " << b;
        EXPECT_EQ(atlas.banded.bands[b].rows, rows[b][1]) << "band " << b;
    }
    EXPECT_EQ(atlas.banded.bands[3].rows, 0) << "no piece lies there";
    const unsigned char* packed = atlas.banded.picture.runs;
    SDL_SetTextureUserData(atlas.banded.bands[0].texture, &mark);
    draw_message(3, 0, 0, 0, 0, WHITE);
    draw_message(16, 0, 100, 1, 0, WHITE, {"5"});
    EXPECT_EQ(SDL_GetTextureUserData(atlas.banded.bands[0].texture), &mark) << "the same language keeps its bands";
    EXPECT_EQ(atlas.banded.picture.runs, packed) << "and its picture";
    draw_message(0, 0, 300, 1, 0, WHITE);
    EXPECT_NE(atlas.banded.bands[1].texture, nullptr) << "the title's band is made as it is drawn";
    EXPECT_EQ(atlas.banded.bands[2].texture, nullptr);

    set_language(6);
    draw_message(3, 0, 0, 0, 0, WHITE);
    ASSERT_NE(atlas.banded.bands[0].texture, nullptr);
    EXPECT_EQ(atlas.language, 6);
    EXPECT_EQ(SDL_GetTextureUserData(atlas.banded.bands[0].texture), nullptr) << "a new language makes new bands";
    EXPECT_EQ(atlas.banded.bands[1].texture, nullptr);
    EXPECT_EQ(logged, 0);
}

// Filtered and scaled between pixels, a piece drawn from its band shows
// what it shows drawn from the whole picture, edges and all: the title, a
// piece reaching across a band's rows and the picture's last piece.
TEST_F(MessageDrawing, BandsShowWhatTheWholePictureShowsFiltered)
{
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    auto drawn = [&] {
        clear();
        draw_message_fit(0, 384, 10, 1, ALIGN_CENTRE, WHITE, 333);
        draw_message_fit(16, 101, 300, 1, ALIGN_LEFT, 0xC0FFE0D0u, 97, {"5"});
        draw_message_fit(13, 384, 500, 0, ALIGN_CENTRE, WHITE, 517);
        SDL_RenderFlush(renderer);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < screen->h; y++)
            for (int x = 0; x < screen->w; x++)
                pixels.push_back(pixel(x, y));
        return pixels;
    };
    forget_atlas();
    const std::vector<uint32_t> from_bands = drawn();
    ASSERT_NE(atlas.banded.bands[2].texture, nullptr);
    SDL_Texture* whole = texture_from_image(fixture().png.data(), int32_t(fixture().png.size()));
    ASSERT_NE(whole, nullptr);
    forget_atlas();
    atlas.language = LANGUAGE_ENGLISH;
    band_whole_texture(&atlas.banded, whole);
    const std::vector<uint32_t> from_whole = drawn();
    size_t differing = 0;
    for (size_t i = 0; i < from_bands.size(); i++)
        differing += from_bands[i] != from_whole[i];
    EXPECT_EQ(differing, 0u);
    EXPECT_NE(from_bands, std::vector<uint32_t>(from_bands.size(), 0u)) << "something is drawn";
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
}

TEST_F(MessageDrawing, APictureThatFailsIsTriedAgainAndTheTextStillDrawn)
{
    static const uint8_t not_a_picture[] = "not a picture";
    const int32_t broken = 3;
    languages[broken].atlas_png = not_a_picture;
    languages[broken].atlas_size = sizeof not_a_picture;
    set_language(broken);
    EXPECT_EQ(draw_message(16, 100, 100, 0, 0, WHITE, {"12"}), text_width("12", 0) - 4 + 67);
    EXPECT_EQ(atlas.banded.picture.runs, nullptr);
    EXPECT_EQ(atlas.banded.bands[0].texture, nullptr);
    EXPECT_EQ(logged, 1);
    EXPECT_GT(box(GLYPH).w, 0) << "the number is drawn";
    EXPECT_EQ(box(4).w, 0) << "the word is not";

    draw_message(16, 100, 100, 0, 0, WHITE, {"12"});
    EXPECT_EQ(logged, 2) << "every draw tries again";

    languages[broken] = fixture().languages[broken];
    draw_message(16, 100, 100, 0, 0, WHITE, {"12"});
    EXPECT_NE(atlas.banded.bands[0].texture, nullptr);
    EXPECT_GT(box(4).w, 0);
}

TEST_F(MessageDrawing, Names)
{
    struct Case { const char* name; int32_t big; int shows; int left; };
    const Case cases[] = {
        {"AB", 1, GLYPH, 100},                    // a plain name in the glyph font
        {"\x01" "2", 0, 2, 100 - 4},              // a reference draws its message
        {"\x01" "26", 1, 7, 100 - 4},             // its placeholder stays empty
        {"\x01" "4294967298", 0, NOTHING, 0},     // not message 2
        {"\x01" "118", 0, NOTHING, 0},
        {"\x01" "-1", 1, NOTHING, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + (c.name[0] == MESSAGE_REF_MARK));
        clear();
        draw_name(c.name, 100, 200, c.big, 0, WHITE);
        if (c.shows == NOTHING) {
            EXPECT_FALSE(anything_drawn());
            continue;
        }
        EXPECT_EQ(box(c.shows).x, 2 * c.left);
        if (c.shows != GLYPH) {
            EXPECT_EQ(box(GLYPH).w, 0) << "no glyph text beside the message";
        }
    }
}

}  // namespace

// A plain name wider than its room shrinks about its line's middle, as a
// translated line does; one that fits is drawn as draw_text draws it.
TEST(NameFitting, PlainNamesShrinkToTheirRoom)
{
    struct Case { const char* name; int32_t big, align, max_width; float left, width, top, height; };
    // Ten W: 10 x (25 - 5) + 5 = 205 small; 10 x (43 - 5) + 5 = 385 big.
    const float small_fit = 100.0f / 205.0f, big_fit = 300.0f / 385.0f;
    const Case cases[] = {
        {"WWWWWWWWWW", 0, 1, 100, 334.0f, 100.0f, 640.0f + (1 - small_fit) * 14.0f, 28.0f * small_fit},
        {"WWWWWWWWWW", 0, 2, 100, 284.0f, 100.0f, 640.0f + (1 - small_fit) * 14.0f, 28.0f * small_fit},
        {"WWWWWWWWWW", 1, 0, 300, 384.0f, 300.0f, 640.0f + (1 - big_fit) * 23.5f, 47.0f * big_fit},
        {"WWWWWWWWWW", 0, 1, 205, 281.5f, 205.0f, 640.0f, 28.0f},
        {"WWWWWWWWWW", 1, 1, 736, 191.5f, 385.0f, 640.0f, 47.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.big) + " " + std::to_string(c.align) + " " + std::to_string(c.max_width));
        DrawnLayout notes{};
        drawn_layout = &notes;
        draw_name_fit(c.name, 384, 640, c.big, c.align, WHITE, c.max_width);
        drawn_layout = nullptr;
        ASSERT_EQ(notes.count, 10);
        const SDL_FRect& first = notes.boxes[0].box;
        const SDL_FRect& last = notes.boxes[9].box;
        EXPECT_NEAR(first.x, c.left, 0.01f);
        EXPECT_NEAR(last.x + last.w - first.x, c.width, 0.01f);
        EXPECT_NEAR(first.y, c.top, 0.01f);
        EXPECT_NEAR(first.h, c.height, 0.01f);
    }
}
