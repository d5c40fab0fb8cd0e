// Built-in pictures: decoding into textures, the failure log line, the
// texture set, and the format of every picture file built into the game.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstring>
#include <string>
#include <vector>
#include "draw/draw.h"
#include "tests/golden.h"
#include "tests/screen.h"

namespace {

std::vector<std::string> log_lines;

void keep_log_line(void*, int, SDL_LogPriority, const char* message)
{
    log_lines.push_back(message);
}

class PictureScreen : public ::testing::Test {
protected:
    TestScreen screen{SDL_PIXELFORMAT_ARGB8888};
    SDL_LogOutputFunction old_log = nullptr;
    void* old_log_data = nullptr;

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        screen.clear(10, 20, 30);
        SDL_LogGetOutputFunction(&old_log, &old_log_data);
        SDL_LogSetOutputFunction(keep_log_line, nullptr);
        log_lines.clear();
    }

    void TearDown() override
    {
        if (old_log)
            SDL_LogSetOutputFunction(old_log, old_log_data);
    }

    // What rows top..top+rows-1 of a texture show over the dark ground.
    std::vector<Uint32> shown_rows(SDL_Texture* t, int w, int top, int rows)
    {
        screen.clear(10, 20, 30);
        const SDL_Rect from = {0, top, w, rows}, to = {0, 0, w, rows};
        SDL_RenderCopy(screen.renderer, t, &from, &to);
        std::vector<Uint32> pixels;
        for (int y = 0; y < rows; y++)
            for (int x = 0; x < w; x++)
                pixels.push_back(pixel(x, y));
        return pixels;
    }

    Uint32 pixel(int x, int y)
    {
        screen.flush();
        Uint8 r, g, b;
        SDL_GetRGB(screen.pixel(x, y), screen.surface->format, &r, &g, &b);
        return Uint32(r) << 16 | Uint32(g) << 8 | b;
    }
};

std::vector<unsigned char> png_bytes(int w, int h, int channels, const unsigned char* pixels)
{
    int length = 0;
    unsigned char* png = stbi_write_png_to_mem(pixels, w * channels, w, h, channels, &length);
    std::vector<unsigned char> bytes(png, png + length);
    STBIW_FREE(png);
    return bytes;
}

TEST_F(PictureScreen, ColourKindsBecomeRgbaTextures)
{
    // 2 x 1 pictures: grey and alpha gives the grey in red, green and blue;
    // RGB gives alpha 255.
    const unsigned char grey_alpha[] = {200, 255, 90, 0};
    const unsigned char rgb[] = {255, 0, 0, 0, 128, 255};
    struct Case {
        int channels;
        const unsigned char* pixels;
        Uint32 left, right; // what the screen shows over the dark ground
    } cases[] = {
        {2, grey_alpha, 0xc8c8c8, 0x0a141e},
        {3, rgb, 0xff0000, 0x0080ff},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = png_bytes(2, 1, c.channels, c.pixels);
        SDL_Texture* t = texture_from_image(bytes.data(), int32_t(bytes.size()));
        ASSERT_NE(t, nullptr);
        int w = 0, h = 0;
        Uint32 format = 0;
        SDL_QueryTexture(t, &format, nullptr, &w, &h);
        EXPECT_EQ(format, Uint32(SDL_PIXELFORMAT_ABGR8888));
        EXPECT_EQ(w, 2);
        EXPECT_EQ(h, 1);
        SDL_BlendMode mode;
        SDL_GetTextureBlendMode(t, &mode);
        EXPECT_EQ(mode, SDL_BLENDMODE_BLEND);
        SDL_Rect to = {0, 0, 2, 1};
        SDL_RenderCopy(screen.renderer, t, nullptr, &to);
        EXPECT_EQ(pixel(0, 0), c.left) << c.channels << " channels";
        EXPECT_EQ(pixel(1, 0), c.right) << c.channels << " channels";
        SDL_DestroyTexture(t);
    }
    EXPECT_TRUE(log_lines.empty());
}

TEST_F(PictureScreen, PackedPicturesShowWhatWholeDecodingShows)
{
    // Tall enough to be widened in several strips, the last one short; every
    // grey and alpha value appears, and in the wide pictures runs longer than
    // one length byte holds. Grey alone gets alpha 255 either way; an RGBA
    // picture keeps its colours and is packed with four channels.
    const int h = 150;
    struct Case {
        const char* what;
        int w, channels, run;  // run: pixels in a row of one value
    } cases[] = {
        {"grey and alpha", 7, 2, 1}, {"grey", 7, 1, 1}, {"RGBA", 7, 4, 1},
        {"grey and alpha, long runs", 700, 2, 300}, {"RGBA, long runs", 700, 4, 257},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> pixels((size_t)c.w * h * c.channels);
        for (size_t i = 0; i < pixels.size(); i++) {
            const size_t pixel = i / c.channels, x = pixel % c.w, y = pixel / c.w;
            pixels[i] = (unsigned char)((y * 7 + x / c.run) * 37 + i % c.channels * 53);
        }
        std::vector<unsigned char> bytes = png_bytes(c.w, h, c.channels, pixels.data());
        SDL_Texture* whole = texture_from_image(bytes.data(), int32_t(bytes.size()));
        PackedPicture packed;
        ASSERT_TRUE(decode_packed_picture(bytes.data(), int32_t(bytes.size()), &packed));
        EXPECT_EQ(packed.channels, c.channels == 4 ? 4 : 2);
        if (c.run > 1) {
            EXPECT_LT(packed.row_starts[h], (uint32_t)pixels.size() / 8) << "long runs pack small";
        }
        // The whole picture, a band in the middle, and the last row alone.
        const int bands[][2] = {{0, h}, {37, 50}, {h - 1, 1}};
        for (const auto& band : bands) {
            SDL_Texture* rows = packed_rows_texture(packed, band[0], band[1]);
            ASSERT_NE(rows, nullptr) << band[0];
            SDL_BlendMode mode;
            SDL_GetTextureBlendMode(rows, &mode);
            EXPECT_EQ(mode, SDL_BLENDMODE_BLEND);
            EXPECT_EQ(shown_rows(rows, c.w, 0, band[1]), shown_rows(whole, c.w, band[0], band[1]))
                << "rows from " << band[0];
            SDL_DestroyTexture(rows);
        }
        // Rows that are not all in the picture make nothing.
        const int outside[][2] = {{-1, 5}, {0, h + 1}, {h, 1}, {10, 0}, {10, -3}};
        for (const auto& band : outside)
            EXPECT_EQ(packed_rows_texture(packed, band[0], band[1]), nullptr) << band[0] << ", " << band[1];
        free_packed_picture(&packed);
        EXPECT_EQ(packed.runs, nullptr);
        EXPECT_EQ(packed_rows_texture(packed, 0, 1), nullptr) << "nor does a freed picture";
        SDL_DestroyTexture(whole);
    }
    EXPECT_TRUE(log_lines.empty());
}

// A band holds the rows of the pieces it was planned with, so a piece it
// was not planned with that reaches below them draws from nothing.
TEST_F(PictureScreen, BandsHoldTheRowsOfTheirPlannedPieces)
{
    std::vector<unsigned char> grey(64 * 300 * 2, 200);
    std::vector<unsigned char> bytes = png_bytes(64, 300, 2, grey.data());
    BandedPicture banded{};
    ASSERT_TRUE(decode_packed_picture(bytes.data(), int32_t(bytes.size()), &banded.picture));
    const SDL_Rect planned[] = {{0, 10, 32, 40}, {0, 130, 64, 20}};
    plan_bands(&banded, planned, 2);
    struct Case {
        SDL_Rect piece;
        bool drawn;
        int source_y;
    } cases[] = {
        {{0, 10, 32, 40}, true, 2},    // the first band begins two rows above its piece
        {{0, 20, 16, 30}, true, 12},   // within the planned rows
        {{0, 10, 32, 60}, false, 0},   // reaches past them
        {{0, 130, 64, 20}, true, 2},
        {{0, 290, 8, 8}, false, 0},    // a band no piece was planned in
    };
    for (const Case& c : cases) {
        SDL_Rect source{};
        const HalfCopy* half = nullptr;
        SDL_Texture* t = band_texture(&banded, c.piece, &source, &half);
        EXPECT_EQ(t != nullptr, c.drawn) << c.piece.y << " + " << c.piece.h;
        if (t) {
            EXPECT_EQ(source.y, c.source_y) << c.piece.y;
        }
    }
    destroy_band_textures(&banded);
    free_packed_picture(&banded.picture);
}

TEST_F(PictureScreen, UndecodablePictureLogsOneLineAndDrawsNothing)
{
    const unsigned char noise[] = "not a picture at all";
    const unsigned char png_signature_only[] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    std::vector<unsigned char> truncated = png_bytes(4, 4, 3, std::vector<unsigned char>(48, 7).data());
    truncated.resize(truncated.size() / 2);
    struct Case {
        const char* what;
        const unsigned char* bytes;
        int32_t length;
    } cases[] = {
        {"noise", noise, int32_t(sizeof noise)},
        {"signature only", png_signature_only, int32_t(sizeof png_signature_only)},
        {"cut in half", truncated.data(), int32_t(truncated.size())},
        {"no bytes", nullptr, 0},
        {"negative length", noise, -5},
    };
    const char* start = "Kunne ikke læse indlejret billede: ";
    for (const Case& c : cases) {
        log_lines.clear();
        EXPECT_EQ(texture_from_image(c.bytes, c.length), nullptr) << c.what;
        PackedPicture packed;
        EXPECT_FALSE(decode_packed_picture(c.bytes, c.length, &packed)) << c.what;
        EXPECT_EQ(packed.runs, nullptr) << c.what;
        ASSERT_EQ(log_lines.size(), 2u) << c.what;
        EXPECT_EQ(log_lines[0].rfind(start, 0), 0u) << log_lines[0];
        EXPECT_GT(log_lines[0].size(), strlen(start)) << "the decoder's reason follows";
    }
    // Later draws without a sprite sheet leave the screen as it was.
    textures.sprites = nullptr;
    draw_sprite(0, 0, 0, 0, 255);
    draw_sprite_scaled(0, 0, 3.0f, 101, 1, 255);
    draw_sprite_rotated(0, 0, 30.0f, 0, 255);
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 200; x += 7)
            ASSERT_EQ(pixel(x, y), 0x0a141eu);
}

TEST_F(PictureScreen, LoadTexturesMakesTheSetFromTheBuiltInPictures)
{
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "0");
    load_textures(screen.renderer);
    EXPECT_EQ(textures.renderer, screen.renderer);
    EXPECT_STREQ(SDL_GetHint("SDL_RENDER_SCALE_QUALITY"), "1");
    struct Case {
        SDL_Texture* texture;
        int picture, w, h;
    } cases[] = {
        {textures.sprites, PICTURE_SPRITES, 2048, 572},
        {textures.side_frame, PICTURE_SIDE_FRAME, 48, 1152},
        {textures.bottom_frame, PICTURE_BOTTOM_FRAME, 1536, 48},
        {textures.top_bar, PICTURE_TOP_BAR, 1536, 96},
        {textures.bottom_bar, PICTURE_BOTTOM_BAR, 1536, 48},
        {textures.band, PICTURE_BAND, 1536, 200},
        {textures.logo, PICTURE_LOGO, 1200, 240},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.texture, nullptr) << "picture " << c.picture;
        int w = 0, h = 0;
        SDL_QueryTexture(c.texture, nullptr, nullptr, &w, &h);
        EXPECT_EQ(w, c.w) << "picture " << c.picture;
        EXPECT_EQ(h, c.h) << "picture " << c.picture;
    }
    // The glyph sheets are packed, their bands planned and none made yet.
    const struct {
        const BandedPicture& sheet;
        int w, h;
    } sheets[] = {{textures.font_small, 4096, 448}, {textures.font_big, 4096, 1128}};
    for (const auto& c : sheets) {
        EXPECT_EQ(c.sheet.picture.w, c.w);
        EXPECT_EQ(c.sheet.picture.h, c.h);
        EXPECT_EQ(c.sheet.piece_count, GLYPH_COUNT);
        for (const PictureBand& band : c.sheet.bands)
            EXPECT_EQ(band.texture, nullptr);
    }
    EXPECT_TRUE(log_lines.empty()) << "every picture decodes";
    EXPECT_EQ(textures.background, nullptr);
}

// ---- the files built into the game ----

uint32_t big_endian(const unsigned char* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

struct Expected {
    bool jpeg;
    int w, h_min, h_max;
    int colour_type; // PNG: 2 RGB, 4 grey and alpha, 6 RGBA
};

Expected expected_picture(int n)
{
    if (n == PICTURE_SPRITES) return {false, 2048, 572, 572, 6};
    if (n == PICTURE_SIDE_FRAME) return {false, 48, 1152, 1152, 2};
    if (n == PICTURE_BOTTOM_FRAME || n == PICTURE_BOTTOM_BAR) return {false, 1536, 48, 48, 2};
    if (n == PICTURE_TOP_BAR) return {false, 1536, 96, 96, 2};
    if (n == PICTURE_BAND) return {false, 1536, 200, 200, 6};
    if (n == PICTURE_LOGO) return {false, 1200, 240, 240, 6};
    if (n < PICTURE_FONT_SMALL) return {true, 1440, 1152, 1152, 0};
    if (n == PICTURE_FONT_SMALL) return {false, 4096, 448, 448, 6};
    if (n == PICTURE_FONT_BIG) return {false, 4096, 1128, 1128, 6};
    return {false, 2048, 2520, 6108, 4};
}

// Finds the JPEG frame header: the marker segments before the first SOFn.
const unsigned char* jpeg_frame(const unsigned char* p, int32_t length, int& marker)
{
    int32_t i = 2;
    while (i + 4 <= length && p[i] == 0xff) {
        marker = p[i + 1];
        int32_t segment = p[i + 2] << 8 | p[i + 3];
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            return i + 10 <= length ? p + i + 4 : nullptr;
        i += 2 + segment;
    }
    return nullptr;
}

TEST(BuiltinPictureFiles, HeadersMatchTheTableAndDecode)
{
    for (int n = 0; n < PICTURE_COUNT; n++) {
        const BuiltinPicture& pic = builtin_pictures[n];
        EXPECT_GT(pic.length, 0) << "picture " << n << " is built in";
        SCOPED_TRACE("picture " + std::to_string(n));
        const Expected e = expected_picture(n);
        const unsigned char* p = pic.bytes;
        int w = 0, h = 0;
        if (e.jpeg) {
            ASSERT_GE(pic.length, 4);
            ASSERT_EQ(p[0], 0xff);
            ASSERT_EQ(p[1], 0xd8);
            int marker = 0;
            const unsigned char* frame = jpeg_frame(p, pic.length, marker);
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(marker, 0xc0) << "baseline";
            EXPECT_EQ(frame[0], 8) << "8-bit samples";
            h = frame[1] << 8 | frame[2];
            w = frame[3] << 8 | frame[4];
            EXPECT_EQ(frame[5], 3) << "three components";
        } else {
            const unsigned char signature[8] = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
            ASSERT_GE(pic.length, 33);
            ASSERT_EQ(memcmp(p, signature, 8), 0);
            ASSERT_EQ(memcmp(p + 12, "IHDR", 4), 0);
            w = int(big_endian(p + 16));
            h = int(big_endian(p + 20));
            EXPECT_EQ(p[24], 8) << "bit depth";
            EXPECT_EQ(p[25], e.colour_type) << "colour type";
            EXPECT_EQ(p[28], 0) << "not interlaced";
        }
        EXPECT_EQ(w, e.w);
        EXPECT_GE(h, e.h_min);
        EXPECT_LE(h, e.h_max);

        int dw = 0, dh = 0, channels = 0;
        unsigned char* pixels = stbi_load_from_memory(p, pic.length, &dw, &dh, &channels, 4);
        ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
        EXPECT_EQ(dw, w);
        EXPECT_EQ(dh, h);
        stbi_image_free(pixels);
    }
}

} // namespace
