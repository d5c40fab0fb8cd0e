// The glyph fonts: tables, UTF-8 reading, widths and where glyphs land.
#include <gtest/gtest.h>
#include <SDL.h>
#include "draw/draw.h"
#include "tests/screen.h"

namespace {

int advance(int32_t font, int32_t code)
{
    return glyph_fonts[font != 0].glyph_advance[find_glyph(code)];
}

TEST(GlyphTables, CodesAreTheRangesInAscendingOrder)
{
    const int ranges[][2] = {{0x20, 0x7E}, {0xA1, 0x24F}, {0x384, 0x3CE}, {0x400, 0x45F},
                             {0x490, 0x491}, {0x1EA0, 0x1EF9}, {0x2013, 0x2013}, {0x2019, 0x2019}};
    int i = 0;
    for (const auto& r : ranges)
        for (int c = r[0]; c <= r[1]; c++, i++)
            ASSERT_EQ(glyph_codes[i], c) << "glyph " << i;
    EXPECT_EQ(i, GLYPH_COUNT);
    EXPECT_EQ(glyph_codes[GLYPH_QUESTION], '?');
}

TEST(GlyphTables, SheetsFollowTheLayoutRule)
{
    const int cell_height[2] = {56, 94}, rows[2] = {8, 12};
    for (int font = 0; font < 2; font++) {
        const GlyphFont& f = glyph_fonts[font];
        int x = 0, y = 0;
        for (int i = 0; i < GLYPH_COUNT; i++) {
            int w = 2 * f.glyph_advance[i];
            ASSERT_GT(w, 0);
            if (x + w > 4096) {
                x = 0;
                y += cell_height[font];
            }
            ASSERT_EQ(f.glyph_sheet_x[i], x) << "font " << font << " glyph " << i;
            ASSERT_EQ(f.glyph_sheet_y[i], y) << "font " << font << " glyph " << i;
            x += w;
        }
        EXPECT_EQ(y / cell_height[font] + 1, rows[font]) << "font " << font;
        EXPECT_EQ(2 * f.height, cell_height[font]);
    }
}

TEST(GlyphTables, AdvancesTheScreensRelyOn)
{
    struct Case { char c; int big, small; };
    const Case cases[] = {{' ', 17, 12}, {'?', 25, 16}, {'-', 20, 13}, {'.', 18, 12}, {':', 19, 13},
                          {'A', 32, 19}, {'M', 39, 23}, {'W', 43, 25}, {'a', 28, 18}, {'m', 41, 24}};
    for (const Case& k : cases) {
        EXPECT_EQ(advance(1, k.c), k.big) << k.c;
        EXPECT_EQ(advance(0, k.c), k.small) << k.c;
    }
    for (char d = '0'; d <= '9'; d++) {
        EXPECT_EQ(advance(1, d), 29) << d;
        EXPECT_EQ(advance(0, d), 18) << d;
    }
}

TEST(GlyphText, Widths)
{
    struct Case { const char* text; int32_t font; int32_t width; };
    const int q_big = 25, q_small = 16;
    const Case cases[] = {
        {"", 0, 5},
        {"", 1, 5},
        {"0", 1, 29},
        {"10", 1, 53},
        {"10", 0, 31},
        {"AB", 1, 32 - 5 + advance(1, 'B')},
        {"\xC3\xA9", 1, advance(1, 0xE9)},           // é is one glyph
        {"\xC3\xA9", 0, advance(0, 0xE9)},
        {"\xE9", 1, q_big},                        // a lone Latin-1 byte is "?"
        {"a\xC3", 0, 18 - 5 + q_small},            // a lead byte cut off by the end
        {"\xF0\x9F\x8E\x84", 1, 4 * (q_big - 5) + 5},  // four bytes, four "?"
        {"\xE2\x82\xAC", 1, q_big},                // U+20AC is not in the fonts
        {"\xE2\x80\x93", 1, advance(1, 0x2013)},    // U+2013 is
        {"a\nb", 0, 18 - 5 + q_small - 5 + advance(0, 'b')},  // a control character is "?"
        {"\xC2\xA0", 0, q_small},                  // U+00A0 lies between the ranges
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_width(c.text, c.font), c.width) << "\"" << c.text << "\" font " << c.font;
    EXPECT_EQ(advance(1, 0xE9), 29);
    EXPECT_EQ(advance(0, 0xE9), 18);
    EXPECT_NE(find_glyph(0x2013), GLYPH_QUESTION);
    EXPECT_NE(find_glyph(0x2019), GLYPH_QUESTION);
    EXPECT_EQ(find_glyph(0x20AC), GLYPH_QUESTION);
    EXPECT_EQ(find_glyph(0x1F), GLYPH_QUESTION);
    EXPECT_EQ(find_glyph(0x1EFA), GLYPH_QUESTION);
}

// A software renderer on a 768 x 672 surface whose big sheet is a texture
// that stores in each pixel its own sheet coordinates, so that a pixel drawn
// on the screen tells which sheet pixel it came from.
class GlyphDrawing : public ::testing::Test {
protected:
    TestScreen screen;
    SDL_Texture* sheet = nullptr;

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        std::vector<uint32_t> pixels(4096 * 1128);
        for (int y = 0; y < 1128; y++)
            for (int x = 0; x < 4096; x++)
                pixels[y * 4096 + x] = 0xFF000000u | (uint32_t)(y << 12) | (uint32_t)x;
        sheet = screen.texture(4096, 1128, pixels);
        band_whole_texture(&textures.font_big, sheet);
        clear();
    }
    void clear() { screen.clear(0, 0, 0, 0); }
    // The left- and rightmost columns drawn on row y, or -1.
    std::pair<int, int> span(int y) const
    {
        int first = -1, last = -1;
        for (int x = 0; x < 768; x++)
            if (screen.pixel(x, y) != 0) {
                if (first < 0)
                    first = x;
                last = x;
            }
        return {first, last};
    }
};

TEST_F(GlyphDrawing, AtScaleTwoTheBigZeroIsItsWholeCellAndThePenMovesBy48)
{
    int g = find_glyph('0');
    int sx = glyph_fonts[1].glyph_sheet_x[g], sy = glyph_fonts[1].glyph_sheet_y[g];
    EXPECT_EQ(draw_text_scaled("00", 1, 0, 0xFFFFFFFF, 100.0f, 200.0f, 2.0f), (29 + 24) * 2);
    // First glyph: a 58 x 94 box at (100, 200), copied pixel for pixel.
    EXPECT_EQ(screen.pixel(100, 200) & 0xFFFFFF, (uint32_t)(sy << 12 | sx));
    EXPECT_EQ(screen.pixel(147, 293) & 0xFFFFFF, (uint32_t)((sy + 93) << 12 | (sx + 47)));
    EXPECT_EQ(screen.pixel(100, 294), 0u);
    // The second box begins 48 pixels on and covers the first one's right end.
    EXPECT_EQ(screen.pixel(148, 200) & 0xFFFFFF, (uint32_t)(sy << 12 | sx));
    EXPECT_EQ(span(250), std::make_pair(100, 100 + 48 + 57));
}

TEST_F(GlyphDrawing, AlignmentPlacesTheBoxes)
{
    struct Case { int32_t align; int first, last; };
    const int w = text_width("AB", 1);  // 58
    const Case cases[] = {{0, 100, 100 + w - 1}, {1, 71, 71 + w - 1}, {2, 100 - w, 99}, {7, 100, 100 + w - 1}};
    for (const Case& c : cases) {
        clear();
        draw_text("AB", 100, 300, 1, c.align, 0xFFFFFFFF);
        EXPECT_EQ(span(320), std::make_pair(c.first, c.last)) << "align " << c.align;
    }
    // The second glyph's box starts at the first one's advance minus the overlap.
    clear();
    draw_text("AB", 100, 300, 1, 1, 0xFFFFFFFF);
    int b = find_glyph('B');
    uint32_t expect = (uint32_t)(glyph_fonts[1].glyph_sheet_y[b] << 12 | glyph_fonts[1].glyph_sheet_x[b]);
    // At scale 1 the box shows the cell at half size: its top-left screen
    // pixel samples the cell's top-left 2 x 2 sheet pixels.
    uint32_t got = screen.pixel(98, 300) & 0xFFFFFF;
    EXPECT_LE((got & 0xFFF) - (expect & 0xFFF), 1u) << "column";
    EXPECT_LE((got >> 12) - (expect >> 12), 1u) << "row";
    EXPECT_NE(screen.pixel(97, 300) & 0xFFFFFF, got) << "the first glyph ends before";
}

TEST_F(GlyphDrawing, EmptyTextDrawsNothingAndReturnsItsScaledWidth)
{
    EXPECT_EQ(draw_text_scaled("", 1, 0, 0xFFFFFFFF, 10.0f, 10.0f, 1.0f), 5);
    EXPECT_EQ(draw_text_scaled("", 1, 0, 0xFFFFFFFF, 10.0f, 10.0f, 0.5f), 2);
    for (int y = 0; y < 672; y += 7)
        ASSERT_EQ(span(y).first, -1);
}

TEST_F(GlyphDrawing, ColourAndAlphaModulateTheSheet)
{
    draw_text("A", 0, 0, 1, 0, 0x80563412);
    Uint8 r, g, b, a;
    SDL_GetTextureColorMod(sheet, &r, &g, &b);
    SDL_GetTextureAlphaMod(sheet, &a);
    EXPECT_EQ(r, 0x12);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x56);
    EXPECT_EQ(a, 0x80);
}

TEST_F(GlyphDrawing, MissingSheetDrawsNothingButStillMeasures)
{
    EXPECT_EQ(draw_text("10", 50, 50, 0, 0, 0xFFFFFFFF), 31);
    for (int y = 40; y < 100; y++)
        ASSERT_EQ(span(y).first, -1);
}

}  // namespace
