// Half copies: on the software renderer sprites, glyphs and text pieces come
// from pieces shrunk once, and every pixel must be what shrinking them on
// each copy gave. Drawn with the game's own art on both surface formats.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstring>
#include <vector>
#include "draw/draw.h"
#include "text/local.h"
#include "text/picture_format.h"
#include "tests/text_screen.h"

namespace {

// A backdrop that blending shows through: bands of colour and alpha.
void draw_backdrop(TextScreen& screen)
{
    screen.clear(40, 60, 90);
    for (int i = 0; i < 12; i++)
        fill_rect(0, 56 * i, TextScreen::W, 28, 0x80000000u | uint32_t(20 * i) << 16 | uint32_t(200 - 15 * i));
}

// Every sprite straight, mirrored, turned and faded, at positions between
// pixels, and a few cut by the screen's edges.
void draw_all_sprites()
{
    for (int32_t n = 0; n < SPRITE_COUNT; n++) {
        const float x = (float)(n % 15) * 51.3f - 10.25f;
        const float y = (float)(n / 15) * 83.7f - 7.5f;
        draw_sprite(x, y, n, 0, 255);
        draw_sprite(x + 20.6f, y + 30.1f, n, 1, 255 - n);
        draw_sprite_rotated(x + 7.9f, y + 45.3f, 17.0f * (float)n, n, 200);
        draw_sprite_scaled(x + 3.0f, y + 11.0f, 0.62f, n, n % 2, 255);
    }
    draw_sprite(750.5f, 660.25f, 29, 0, 255);
    draw_sprite(-20.75f, 300.5f, 52, 1, 180);
}

// Glyph text and messages: small and big, fitted and not, with arguments.
void draw_texts()
{
    draw_text("Frostova 0123456789 ÆØÅ æøå ?!", 3, 5, FONT_SMALL, ALIGN_LEFT, COLOUR_GOLD);
    draw_text("Olpi 1234560", 700, 40, FONT_BIG, ALIGN_RIGHT, 0xa0ffffffu);
    draw_text_scaled("skaleret", FONT_BIG, ALIGN_LEFT, COLOUR_WHITE, 10.5f, 90.25f, 0.7f);
    draw_message_fit(MSG_TITLE, 384, 140, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, 640);
    draw_message(MSG_LANGUAGE_KEY, 384, 200, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, {msg_ref_text(MSG_LANGUAGE_NAME)});
    draw_message(MSG_POINTS, 384, 240, FONT_BIG, ALIGN_CENTRE, COLOUR_GOLD, {num_text(123450)});
    draw_message_fit(MSG_SCORE, 40, 300, FONT_SMALL, ALIGN_LEFT, COLOUR_WHITE, 60);
    draw_message(MSG_PAUSED, 384, 340, FONT_BIG, ALIGN_CENTRE, 0x80ffffffu);
    draw_message(MSG_GOAL, 384, 400, FONT_SMALL, ALIGN_CENTRE, COLOUR_LIGHT_RED);
    draw_message(MSG_LEVEL_DONE, 384, 660, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE);
}

// The screen's pixels after drawing.
std::vector<uint32_t> drawn(TextScreen& screen, void (*draw)())
{
    draw_backdrop(screen);
    draw();
    screen.flush();
    const uint32_t* pixels = static_cast<const uint32_t*>(screen.surface->pixels);
    return std::vector<uint32_t>(pixels, pixels + TextScreen::W * TextScreen::H);
}

// The half copies a banded picture's bands made so far.
int32_t halves_of(const BandedPicture& banded)
{
    int32_t halves = 0;
    for (const PictureBand& band : banded.bands)
        halves += band.half.half != nullptr;
    return halves;
}

void drop_halves(BandedPicture& banded)
{
    for (PictureBand& band : banded.bands)
        band.half.half = nullptr;
}

// Draws with the half copies and again with the sheets alone; the first
// drawing makes every band the second uses.
void expect_same_pixels(TextScreen& screen, void (*draw)())
{
    const std::vector<uint32_t> with_halves = drawn(screen, draw);
    const TextureSet kept = textures;
    const BandedPicture kept_atlas = atlas.banded;
    textures.sprites_half.half = nullptr;
    drop_halves(textures.font_small);
    drop_halves(textures.font_big);
    drop_halves(atlas.banded);
    const std::vector<uint32_t> without = drawn(screen, draw);
    textures = kept;
    atlas.banded = kept_atlas;
    size_t differing = 0;
    for (size_t i = 0; i < with_halves.size(); i++)
        differing += with_halves[i] != without[i];
    EXPECT_EQ(differing, 0u);
}

class HalfCopies : public ::testing::TestWithParam<Uint32> {
protected:
    TextScreen screen{GetParam()};
    int32_t saved_language = get_language();

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        load_textures(screen.renderer);
        ASSERT_NE(textures.sprites, nullptr);
        ASSERT_NE(textures.font_small.picture.runs, nullptr);
        ASSERT_NE(textures.font_big.picture.runs, nullptr);
    }
    void TearDown() override { set_language(saved_language); }
};

TEST_P(HalfCopies, SpritesDrawTheSamePixels)
{
    ASSERT_NE(textures.sprites_half.half, nullptr);
    expect_same_pixels(screen, draw_all_sprites);
}

TEST_P(HalfCopies, TextsDrawTheSamePixelsInEveryScript)
{
    // Latin, right to left, and a script of wide pictures.
    for (const char* code : {"en", "ar", "ja"}) {
        SCOPED_TRACE(code);
        int32_t language = 0;
        while (language < LANGUAGE_COUNT && std::strcmp(language_code(language), code) != 0)
            language++;
        ASSERT_LT(language, LANGUAGE_COUNT);
        ASSERT_NE(text_languages[language].atlas_png, nullptr);
        set_language(language);
        expect_same_pixels(screen, draw_texts);
        EXPECT_GT(halves_of(atlas.banded), 0);
        EXPECT_GT(halves_of(textures.font_small), 0);
        EXPECT_GT(halves_of(textures.font_big), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(SurfaceFormats, HalfCopies, ::testing::Values(SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_ABGR8888));

// Where the half copy is used: only for a copy to its piece's whole half
// size on an output drawn pixel for pixel.
TEST(HalfCopy, OnlyServesCopiesToTheHalfSizeOnAnUnscaledOutput)
{
    TextScreen screen;
    ASSERT_NE(screen.renderer, nullptr);
    SDL_Texture* sheet = screen.plain(200, 100, COLOUR_WHITE);
    const SDL_Rect pieces[2] = {{0, 0, 96, 96}, {101, 3, 33, 17}};
    const HalfCopy copy = make_half_copy(sheet, pieces, 2);
    ASSERT_NE(copy.half, nullptr);
    int w = 0, h = 0;
    SDL_QueryTexture(copy.half, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 50);

    struct Case {
        SDL_Rect piece;
        SDL_FRect to;
        bool half;
        SDL_Rect source;
    };
    const Case cases[] = {
        {{0, 0, 96, 96}, {10.7f, 3.2f, 48.0f, 48.0f}, true, {0, 0, 48, 48}},
        {{0, 0, 96, 96}, {10.0f, 3.0f, 48.9f, 48.5f}, true, {0, 0, 48, 48}},
        {{101, 3, 33, 17}, {0.0f, 0.0f, 16.5f, 8.5f}, true, {50, 1, 16, 8}},
        {{0, 0, 96, 96}, {10.0f, 3.0f, 47.9f, 48.0f}, false, {0, 0, 96, 96}},
        {{0, 0, 96, 96}, {10.0f, 3.0f, 96.0f, 96.0f}, false, {0, 0, 96, 96}},
        {{0, 0, 96, 96}, {10.0f, 3.0f, 29.76f, 29.76f}, false, {0, 0, 96, 96}},
    };
    for (const Case& c : cases) {
        SDL_Rect source = c.piece;
        EXPECT_EQ(copy_source(copy, sheet, &source, c.to), c.half ? copy.half : sheet);
        EXPECT_TRUE(SDL_RectEquals(&source, &c.source));
    }

    // Another texture, a scaled output, a clip or a smaller viewport: the sheet.
    const SDL_FRect half_size = {0.0f, 0.0f, 48.0f, 48.0f};
    SDL_Rect source = pieces[0];
    SDL_Texture* other = screen.plain(200, 100, COLOUR_WHITE);
    EXPECT_EQ(copy_source(copy, other, &source, half_size), other);
    SDL_RenderSetScale(screen.renderer, 2.0f, 2.0f);
    EXPECT_EQ(copy_source(copy, sheet, &source, half_size), sheet);
    SDL_RenderSetScale(screen.renderer, 1.0f, 1.0f);
    const SDL_Rect clip = {0, 0, 300, 300};
    SDL_RenderSetClipRect(screen.renderer, &clip);
    EXPECT_EQ(copy_source(copy, sheet, &source, half_size), sheet);
    SDL_RenderSetClipRect(screen.renderer, nullptr);
    SDL_RenderSetViewport(screen.renderer, &clip);
    EXPECT_EQ(copy_source(copy, sheet, &source, half_size), sheet);
    SDL_RenderSetViewport(screen.renderer, nullptr);
    EXPECT_EQ(copy_source(copy, sheet, &source, half_size), copy.half);
}

// The half copy keeps each piece at half its position: that holds only
// while no two pieces of a sheet overlap.
bool any_overlap(const std::vector<SDL_Rect>& rects)
{
    for (size_t i = 0; i < rects.size(); i++)
        for (size_t j = i + 1; j < rects.size(); j++)
            if (SDL_HasIntersection(&rects[i], &rects[j]))
                return true;
    return false;
}

TEST(HalfCopy, NoTwoPiecesOfASheetOverlap)
{
    std::vector<SDL_Rect> sprites;
    for (const SpriteRect& r : sprite_rects)
        sprites.push_back(SDL_Rect{r.x, r.y, r.w, r.h});
    EXPECT_FALSE(any_overlap(sprites));
    for (int font = 0; font < 2; font++) {
        std::vector<SDL_Rect> cells;
        for (int32_t g = 0; g < GLYPH_COUNT; g++)
            cells.push_back(glyph_cell(glyph_fonts[font], g));
        EXPECT_FALSE(any_overlap(cells)) << "font " << font;
    }
    for (int32_t language = 0; language < LANGUAGE_COUNT; language++) {
        const LanguageInfo& info = language_table[language];
        int32_t pieces = 0;
        for (int32_t i = 0; info.run_index && i < 2 * MESSAGE_COUNT; i++) {
            if (info.run_index[i] == NO_LIST)
                continue;
            for (const int16_t* v = info.runs + info.run_index[i]; *v != RUN_END; v++)
                pieces = *v > pieces ? *v : pieces;
        }
        std::vector<SDL_Rect> rects;
        for (int32_t p = 0; p < pieces; p++) {
            const int16_t* r = info.rects + RECT_FIELDS * p;
            rects.push_back(SDL_Rect{r[RECT_X], r[RECT_Y], r[RECT_W], r[RECT_H]});
        }
        EXPECT_FALSE(any_overlap(rects)) << info.code;
    }
}

}  // namespace
