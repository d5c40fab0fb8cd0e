// Sprites: where they land on the screen, mirroring, alpha and rotation,
// drawn by the software renderer into a 768 x 672 surface.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cmath>
#include "draw/draw.h"
#include "tests/screen.h"

namespace {

struct Box {
    int x0, y0, x1, y1; // painted pixels, x1 and y1 exclusive; x0 = -1 when none
};

// A screen surface with a software renderer, and a test sheet in place of
// picture 0: every sprite cell red in its left half and blue in its right.
class SpriteScreen : public ::testing::Test {
protected:
    TestScreen screen{SDL_PIXELFORMAT_ARGB8888};

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        std::vector<Uint32> pixels(2048 * 572);
        for (int y = 0; y < 572; y++)
            for (int x = 0; x < 2048; x++) {
                int cell_x = x;
                for (int n = 0; n < SPRITE_COUNT; n++) {
                    const SpriteRect& r = sprite_rects[n];
                    if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h)
                        cell_x = (x - r.x) * 2 < r.w ? 0 : 1;
                }
                pixels[y * 2048 + x] = cell_x == 0 ? 0xff0000ffu : 0xffff0000u; // ABGR: red, blue
            }
        textures.sprites = screen.texture(2048, 572, pixels);
        ASSERT_NE(textures.sprites, nullptr);
        SDL_SetTextureScaleMode(textures.sprites, SDL_ScaleModeNearest);
        clear();
    }

    void clear() { screen.clear(); }

    void rgb(int x, int y, Uint8& r, Uint8& g, Uint8& b)
    {
        screen.flush();
        SDL_GetRGB(screen.pixel(x, y), screen.surface->format, &r, &g, &b);
    }

    bool black(int x, int y)
    {
        Uint8 r, g, b;
        rgb(x, y, r, g, b);
        return r == 0 && g == 0 && b == 0;
    }

    Box painted()
    {
        Box box{-1, -1, -1, -1};
        for (int y = 0; y < 672; y++)
            for (int x = 0; x < 768; x++)
                if (!black(x, y)) {
                    if (box.x0 < 0 || x < box.x0) box.x0 = x;
                    if (box.y0 < 0) box.y0 = y;
                    box.x1 = std::max(box.x1, x + 1);
                    box.y1 = y + 1;
                }
        return box;
    }
};

TEST(SpriteRects, GridAndLargerPieces)
{
    struct Case {
        int sprite, x, y, w, h;
    } cases[] = {
        {0, 0, 0, 96, 96},        {20, 1920, 0, 96, 96},      {21, 0, 96, 96, 96},
        {52, 96 * 10, 192, 96, 96}, {84, 0, 384, 96, 96},      {100, 1536, 384, 96, 96},
        {101, 1632, 384, 128, 128}, {102, 1760, 384, 128, 48}, {103, 1888, 384, 128, 48},
        {104, 0, 512, 128, 48},   {105, 128, 512, 128, 48},   {106, 256, 512, 128, 60},
        {107, 384, 512, 128, 60}, {108, 512, 512, 128, 60},
    };
    for (const Case& c : cases) {
        const SpriteRect& r = sprite_rects[c.sprite];
        EXPECT_EQ(r.x, c.x) << "sprite " << c.sprite;
        EXPECT_EQ(r.y, c.y) << "sprite " << c.sprite;
        EXPECT_EQ(r.w, c.w) << "sprite " << c.sprite;
        EXPECT_EQ(r.h, c.h) << "sprite " << c.sprite;
    }
    for (const SpriteRect& r : sprite_rects) {
        EXPECT_LE(r.x + r.w, 2048);
        EXPECT_LE(r.y + r.h, 572);
    }
}

TEST(SpriteBox, HalfSizeScaledAboutTheCentre)
{
    struct Case {
        float x, y, scale;
        int sprite;
        float bx, by, bw, bh;
    } cases[] = {
        {24, 48, 1, 0, 24, 48, 48, 48},
        {24, 48, 1, 101, 24, 48, 64, 64},
        {16, 38, 1, 102, 16, 38, 64, 24},
        {16, 92, 1, 106, 16, 92, 64, 30},
        {360, 150, 2, 25, 336, 126, 96, 96},
        {688, 0, 0.62f, 46, 697.12f, 9.12f, 29.76f, 29.76f},
        {560, 4, 0.75f, 68, 566, 10, 36, 36},
        {10.25f, 20.75f, 1, 7, 10.25f, 20.75f, 48, 48},
    };
    for (const Case& c : cases) {
        SDL_FRect b = sprite_box(c.x, c.y, c.scale, c.sprite);
        EXPECT_NEAR(b.x, c.bx, 1e-3f) << "sprite " << c.sprite;
        EXPECT_NEAR(b.y, c.by, 1e-3f) << "sprite " << c.sprite;
        EXPECT_NEAR(b.w, c.bw, 1e-3f) << "sprite " << c.sprite;
        EXPECT_NEAR(b.h, c.bh, 1e-3f) << "sprite " << c.sprite;
        // The centre is that of the unscaled box, whatever the scale.
        const SpriteRect& r = sprite_rects[c.sprite];
        EXPECT_NEAR(b.x + b.w / 2, c.x + r.w / 4.0f, 1e-3f);
        EXPECT_NEAR(b.y + b.h / 2, c.y + r.h / 4.0f, 1e-3f);
    }
}

TEST_F(SpriteScreen, DrawnWhereTheBoxSays)
{
    struct Case {
        float x, y, scale;
        int sprite;
        Box box;
    } cases[] = {
        {24, 48, 1, 0, {24, 48, 72, 96}},
        {24, 48, 1, 101, {24, 48, 88, 112}},
        {360, 150, 2, 25, {336, 126, 432, 222}},
        {100, 200, 1, 105, {100, 200, 164, 224}},
    };
    for (const Case& c : cases) {
        clear();
        if (c.scale == 1)
            draw_sprite(c.x, c.y, c.sprite, 0, 255);
        else
            draw_sprite_scaled(c.x, c.y, c.scale, c.sprite, 0, 255);
        Box b = painted();
        EXPECT_EQ(b.x0, c.box.x0) << "sprite " << c.sprite;
        EXPECT_EQ(b.y0, c.box.y0) << "sprite " << c.sprite;
        EXPECT_EQ(b.x1, c.box.x1) << "sprite " << c.sprite;
        EXPECT_EQ(b.y1, c.box.y1) << "sprite " << c.sprite;
    }
}

TEST_F(SpriteScreen, AnyNonZeroFlipMirrorsInPlace)
{
    struct Case {
        int flip;
        bool mirrored;
    } cases[] = {{0, false}, {1, true}, {5, true}, {-1, true}, {256, true}};
    for (const Case& c : cases) {
        for (int scaled = 0; scaled < 2; scaled++) {
            clear();
            if (scaled)
                draw_sprite_scaled(100, 100, 1.0f, 29, c.flip, 255);
            else
                draw_sprite(100, 100, 29, c.flip, 255);
            Uint8 r, g, b;
            rgb(102, 120, r, g, b); // left edge of the box
            EXPECT_EQ(r == 255 && b == 0, !c.mirrored) << "flip " << c.flip;
            EXPECT_EQ(b == 255 && r == 0, c.mirrored) << "flip " << c.flip;
            Box box = painted();
            EXPECT_EQ(box.x0, 100) << "flip " << c.flip;
            EXPECT_EQ(box.x1, 148) << "flip " << c.flip;
        }
    }
}

TEST_F(SpriteScreen, AlphaIsBackAtFullAfterEverySprite)
{
    using Draw = void (*)(int alpha);
    const Draw draws[] = {
        [](int alpha) { draw_sprite(200, 200, 3, 0, alpha); },
        [](int alpha) { draw_sprite_scaled(200, 200, 1.0f, 3, 1, alpha); },
        [](int alpha) { draw_sprite_rotated(200, 200, 0.0f, 3, alpha); },
    };
    for (Draw draw : draws) {
        clear();
        draw(0);
        EXPECT_EQ(painted().x0, -1) << "alpha 0 leaves the screen untouched";
        Uint8 alpha = 0;
        SDL_GetTextureAlphaMod(textures.sprites, &alpha);
        EXPECT_EQ(alpha, 255);
        draw(256); // only the low 8 bits count: invisible again
        EXPECT_EQ(painted().x0, -1);
        draw(255);
        Uint8 r, g, b;
        rgb(210, 220, r, g, b);
        EXPECT_TRUE((r == 255 || b == 255) && g == 0) << "the next opaque sprite is fully opaque";
        draw(128);
        SDL_GetTextureAlphaMod(textures.sprites, &alpha);
        EXPECT_EQ(alpha, 255);
    }
}

TEST_F(SpriteScreen, RotationKeepsTheCentre)
{
    // Sprite 102 is 64 x 24 on the screen: turned a quarter it stands 24 x 64
    // about the same centre, (x + 32, y + 12).
    struct Case {
        float angle;
        Box box;
    } cases[] = {
        {0.0f, {300, 300, 364, 324}},
        {360.0f, {300, 300, 364, 324}},
        {90.0f, {320, 280, 344, 344}},
        {-90.0f, {320, 280, 344, 344}},
    };
    for (const Case& c : cases) {
        clear();
        draw_sprite_rotated(300, 300, c.angle, 102, 255);
        Box b = painted();
        EXPECT_NEAR(b.x0, c.box.x0, 1) << "angle " << c.angle;
        EXPECT_NEAR(b.y0, c.box.y0, 1) << "angle " << c.angle;
        EXPECT_NEAR(b.x1, c.box.x1, 1) << "angle " << c.angle;
        EXPECT_NEAR(b.y1, c.box.y1, 1) << "angle " << c.angle;
    }
    // A clockwise quarter turn brings the left (red) half to the top.
    clear();
    draw_sprite_rotated(300, 300, 90.0f, 102, 255);
    Uint8 r, g, b;
    rgb(332, 284, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 0);
}

TEST_F(SpriteScreen, NullSheetOrUnknownSpriteDrawsNothing)
{
    draw_sprite(10, 10, -1, 0, 255);
    draw_sprite(10, 10, SPRITE_COUNT, 0, 255);
    draw_sprite_scaled(10, 10, 2.0f, 1000, 0, 255);
    draw_sprite_rotated(10, 10, 45.0f, -7, 255);
    EXPECT_EQ(painted().x0, -1);

    SDL_DestroyTexture(textures.sprites);
    textures.sprites = nullptr;
    draw_sprite(10, 10, 0, 0, 255);
    draw_sprite_scaled(10, 10, 2.0f, 0, 1, 255);
    draw_sprite_rotated(10, 10, 45.0f, 0, 255);
    EXPECT_EQ(painted().x0, -1);
}

} // namespace
