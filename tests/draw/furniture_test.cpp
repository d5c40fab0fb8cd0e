// The screen furniture: theme backgrounds and their cache, frames, bars,
// band, logo and filled rectangles, drawn by the software renderer.
#include <gtest/gtest.h>
#include <SDL.h>
#include <climits>
#include <cstdlib>
#include <set>
#include <vector>
#include "draw/draw.h"
#include "tests/screen.h"

namespace {

const uint32_t BLACK = 0xFF000000u;

struct Box {
    int x, y, w, h;
    uint32_t colour;  // 0xAABBGGRR
};

class Furniture : public ::testing::Test {
protected:
    static const int W = TestScreen::W, H = TestScreen::H;
    TestScreen screen;

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        // Nearest sampling, so that a stretched test texture lands exactly.
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        background_theme = -1;
        screen.clear(0, 0, 0);
    }
    void TearDown() override
    {
        if (textures.background)
            SDL_DestroyTexture(textures.background);
    }
    // A texture whose pixel (x, y) is colour(x, y), opaque.
    template <typename F>
    SDL_Texture* texture(int w, int h, F colour)
    {
        std::vector<uint32_t> pixels((size_t)w * h);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                pixels[(size_t)y * w + x] = 0xFF000000u | colour(x, y);
        return screen.texture(w, h, pixels);
    }
    SDL_Texture* solid(uint32_t colour)
    {
        return texture(16, 16, [&](int, int) { return colour; });
    }
    std::vector<uint32_t> frame()
    {
        std::vector<uint32_t> pixels((size_t)W * H);
        SDL_RenderReadPixels(screen.renderer, nullptr, SDL_PIXELFORMAT_ABGR8888, pixels.data(), 4 * W);
        return pixels;
    }
    // The play area only, where the background goes.
    std::vector<uint32_t> play_area()
    {
        std::vector<uint32_t> all = frame(), area;
        for (int y = PLAY_AREA_Y; y < PLAY_AREA_Y + PLAY_AREA_H; y++)
            area.insert(area.end(), all.begin() + y * W + PLAY_AREA_X, all.begin() + y * W + PLAY_AREA_X + PLAY_AREA_W);
        return area;
    }
    // What the play area shows when built-in picture n is drawn over it directly.
    std::vector<uint32_t> picture_over_play_area(int n)
    {
        SDL_Texture* t = texture_from_image(builtin_pictures[n].bytes, builtin_pictures[n].length);
        EXPECT_NE(t, nullptr) << "picture " << n;
        screen.made.push_back(t);
        screen.clear(0, 0, 0);
        SDL_Rect to = {PLAY_AREA_X, PLAY_AREA_Y, PLAY_AREA_W, PLAY_AREA_H};
        SDL_RenderCopy(screen.renderer, t, nullptr, &to);
        std::vector<uint32_t> area = play_area();
        screen.clear(0, 0, 0);
        return area;
    }
    // Every pixel of the screen is the colour of the last box holding it, else black.
    void expect_boxes(const std::vector<Box>& boxes, const char* what)
    {
        std::vector<uint32_t> pixels = frame();
        int wrong = 0;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++) {
                uint32_t want = BLACK;
                for (const Box& b : boxes)
                    if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h)
                        want = b.colour;
                if (pixels[(size_t)y * W + x] != want && wrong++ < 3)
                    ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex
                                  << pixels[(size_t)y * W + x] << ", wanted " << want;
            }
    }
};

int theme_of_frame(const std::vector<std::vector<uint32_t>>& references, const std::vector<uint32_t>& shown)
{
    for (size_t t = 0; t < references.size(); t++)
        if (references[t] == shown)
            return (int)t;
    return -1;
}

TEST_F(Furniture, EveryThemeShowsItsOwnPictureWhateverTheNumber)
{
    // The picture is counted from the first theme background.
    struct Case { int32_t theme; int background; };
    const Case cases[] = {{0, 17}, {5, 0}, {23, 22}, {24, 17}, {29, 0}, {50, 8}, {-1, 22},
                          {-24, 17}, {-25, 22}, {-47, 18}, {INT_MAX, 12}, {INT_MIN, 3}};
    for (const Case& c : cases) {
        std::vector<uint32_t> want = picture_over_play_area(PICTURE_FIRST_BACKGROUND + c.background);
        draw_background(c.theme);
        EXPECT_EQ(play_area(), want) << "theme " << c.theme;
        EXPECT_EQ(background_theme, ((c.theme % 24) + 24) % 24) << "theme " << c.theme;
    }
}

TEST_F(Furniture, TheTwentyFourThemesAreTwentyFourDifferentPictures)
{
    std::set<std::vector<uint32_t>> seen;
    for (int t = 0; t < THEME_COUNT; t++) {
        screen.clear(0, 0, 0);
        draw_background(t);
        ASSERT_NE(textures.background, nullptr) << "theme " << t;
        seen.insert(play_area());
    }
    EXPECT_EQ(seen.size(), (size_t)THEME_COUNT);
}

TEST_F(Furniture, TheBackgroundIsDecodedOnlyWhenTheThemeChanges)
{
    draw_background(5);
    SDL_Texture* first = textures.background;
    ASSERT_NE(first, nullptr);
    // A mark that a freshly decoded texture would not carry, even one made
    // again at the same address.
    SDL_SetTextureColorMod(first, 0, 0, 0);
    for (int32_t theme : {5, 29, -19}) {
        screen.clear(90, 90, 90);
        draw_background(theme);
        EXPECT_EQ(textures.background, first) << "theme " << theme;
        Uint8 r = 255, g = 255, b = 255;
        SDL_GetTextureColorMod(textures.background, &r, &g, &b);
        EXPECT_EQ(r + g + b, 0) << "theme " << theme << " was decoded again";
    }
    screen.clear(90, 90, 90);
    draw_background(6);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetTextureColorMod(textures.background, &r, &g, &b);
    EXPECT_EQ(r + g + b, 3 * 255) << "theme 6 kept the old texture";
    EXPECT_EQ(background_theme, 6);
}

TEST_F(Furniture, AlternatingThemesAlwaysShowTheRightPicture)
{
    std::vector<std::vector<uint32_t>> references = {picture_over_play_area(PICTURE_FIRST_BACKGROUND + 17),
                                                          picture_over_play_area(PICTURE_FIRST_BACKGROUND + 18)};
    for (int i = 0; i < 6; i++) {
        screen.clear(0, 0, 0);
        draw_background(i & 1);
        EXPECT_EQ(theme_of_frame(references, play_area()), i & 1) << "frame " << i;
    }
}

TEST_F(Furniture, ABackgroundThatCouldNotBeMadeIsNotTriedAgain)
{
    // Without a renderer the texture cannot be made: the picture decodes,
    // the texture is null, exactly as for a picture that does not decode.
    textures.renderer = nullptr;
    draw_background(3);
    textures.renderer = screen.renderer;
    EXPECT_EQ(textures.background, nullptr);
    EXPECT_EQ(background_theme, 3);
    for (int32_t theme : {3, 27, -21}) {
        screen.clear(90, 90, 90);
        draw_background(theme);
        EXPECT_EQ(textures.background, nullptr) << "theme " << theme << " was tried again";
        EXPECT_EQ(frame()[300 * W + 384], 0xFF5A5A5Au) << "theme " << theme;
    }
    draw_background(4);
    EXPECT_NE(textures.background, nullptr);
    EXPECT_EQ(background_theme, 4);
}

TEST_F(Furniture, EachPieceCoversItsRectangleAndNothingElse)
{
    const uint32_t side = 0x0000C0, bottom = 0x00C000, top = 0xC00000, lower = 0xC0C000, band = 0x00C0C0, logo = 0xC000C0;
    textures.side_frame = solid(side);
    textures.bottom_frame = solid(bottom);
    textures.top_bar = solid(top);
    textures.bottom_bar = solid(lower);
    textures.band = solid(band);
    textures.logo = solid(logo);
    struct Case {
        const char* what;
        void (*draw)();
        std::vector<Box> boxes;
    };
    const Case cases[] = {
        {"side frames", [] { draw_side_frames(); },
         {{0, PLAY_AREA_Y, PLAY_AREA_X, PLAY_AREA_H, BLACK | side},
          {PLAY_AREA_X + PLAY_AREA_W, PLAY_AREA_Y, PLAY_AREA_X, PLAY_AREA_H, BLACK | side},
          {0, PLAY_AREA_Y + PLAY_AREA_H, 768, 24, BLACK | bottom}}},
        {"bars", [] { draw_bars(); }, {{0, 0, 768, PLAY_AREA_Y, BLACK | top}, {0, 648, 768, 24, BLACK | lower}}},
        {"band 250, 150", [] { draw_band(250, 150); }, {{0, 250, 768, 150, BLACK | band}}},
        {"band partly above the screen", [] { draw_band(-30, 80); }, {{0, 0, 768, 50, BLACK | band}}},
        {"logo 384, 52", [] { draw_logo(384, 52); }, {{84, 52, 600, 120, BLACK | logo}}},
        {"logo off centre", [] { draw_logo(100, 500); }, {{0, 500, 400, 120, BLACK | logo}}},
    };
    for (const Case& c : cases) {
        screen.clear(0, 0, 0);
        c.draw();
        expect_boxes(c.boxes, c.what);
    }
}

TEST_F(Furniture, MissingTexturesDrawNothing)
{
    draw_side_frames();
    draw_bars();
    draw_band(0, 672);
    draw_logo(384, 0);
    expect_boxes({}, "no textures");
}

TEST_F(Furniture, TheRightFrameIsTheLeftOneMirrored)
{
    // Every column of the frame its own colour, rows shaded too.
    textures.side_frame = texture(48, 1152, [](int x, int y) { return (uint32_t)(x * 5) | (uint32_t)(y / 5) << 8; });
    draw_side_frames();
    std::vector<uint32_t> pixels = frame();
    ASSERT_NE(pixels[100 * W + 0], pixels[100 * W + 23]);
    for (int y = PLAY_AREA_Y; y < PLAY_AREA_Y + PLAY_AREA_H; y++)
        for (int k = 0; k < PLAY_AREA_X; k++)
            ASSERT_EQ(pixels[(size_t)y * W + PLAY_AREA_X + PLAY_AREA_W + k], pixels[(size_t)y * W + PLAY_AREA_X - 1 - k])
                << "row " << y << ", column " << k;
}

TEST_F(Furniture, TheBandIsStretchedToTheHeightAsked)
{
    // Upper half of the band red, lower half blue: wherever the band is drawn,
    // its middle must fall halfway down the rectangle.
    const uint32_t red = 0xFF0000FF, blue = 0xFFFF0000;
    textures.band = texture(1536, 200, [](int, int y) { return y < 100 ? 0x0000FFu : 0xFF0000u; });
    for (int h : {80, 90, 100, 130, 150, 300}) {
        int y = 200;
        screen.clear(0, 0, 0);
        draw_band(y, h);
        expect_boxes({{0, y, 768, h / 2, red}, {0, y + h / 2, 768, h - h / 2, blue}}, "band");
        if (HasFailure())
            FAIL() << "height " << h;
    }
}

TEST_F(Furniture, FilledRectanglesBlendByTheirAlpha)
{
    struct Case { uint32_t colour; int r, g, b; };
    const int r0 = 0x20, g0 = 0x40, b0 = 0x60;
    const Case cases[] = {
        {0xF0B75700, (0x00 * 240 + r0 * 15) / 255, (0x57 * 240 + g0 * 15) / 255, (0xB7 * 240 + b0 * 15) / 255},
        {0x00FFFFFF, r0, g0, b0},
        {0xFF0000FF, 0xFF, 0, 0},
        {0x80FFFFFF, (255 * 128 + r0 * 127) / 255, (255 * 128 + g0 * 127) / 255, (255 * 128 + b0 * 127) / 255},
        {0x4000FF00, (r0 * 191) / 255, (255 * 64 + g0 * 191) / 255, (b0 * 191) / 255},
    };
    for (const Case& c : cases) {
        screen.clear(r0, g0, b0);
        // Whatever blend mode the renderer was left in, the fill blends.
        SDL_SetRenderDrawBlendMode(screen.renderer, SDL_BLENDMODE_NONE);
        fill_rect(254, 124, 260, 15, c.colour);
        std::vector<uint32_t> pixels = frame();
        const int inside[][2] = {{254, 124}, {513, 124}, {254, 138}, {513, 138}, {384, 130}};
        for (auto& p : inside) {
            uint32_t v = pixels[(size_t)p[1] * W + p[0]];
            EXPECT_NEAR((int)(v & 255), c.r, 2) << std::hex << c.colour << " at " << std::dec << p[0] << ", " << p[1];
            EXPECT_NEAR((int)(v >> 8 & 255), c.g, 2) << std::hex << c.colour;
            EXPECT_NEAR((int)(v >> 16 & 255), c.b, 2) << std::hex << c.colour;
        }
        const uint32_t ground = 0xFF000000u | (uint32_t)b0 << 16 | (uint32_t)g0 << 8 | (uint32_t)r0;
        const int outside[][2] = {{253, 130}, {514, 130}, {384, 123}, {384, 139}};
        for (auto& p : outside)
            EXPECT_EQ(pixels[(size_t)p[1] * W + p[0]], ground) << std::hex << c.colour << " at " << std::dec << p[0] << ", " << p[1];
    }
}

}  // namespace
