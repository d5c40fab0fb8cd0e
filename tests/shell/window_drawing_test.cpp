// Drawing on an accelerated renderer in a real window. The opaque layers of
// the furniture, drawn from copies at the output's scale, show exactly the
// pixels their pictures drawn straight would at scales 1 and 2, still meet
// without gaps at a fractional scale, and are made again when the scale
// changes or the renderer loses its targets. Sprites side by side show no
// seams at a fractional scale. Texts drawn from the bands of the text
// picture show what they show drawn from the whole picture, but for the
// graphics card's rounding: it samples at coordinates measured against the
// texture's height, which differs, and a level in a few edge pixels moves.
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <vector>
#include "draw/draw.h"
#include "shell/local.h"
#include "text/local.h"
#include "xserver.h"

namespace {

class LayerWindow : public ::testing::Test {
protected:
    XServer x{"1920x1400x24"};
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    TextureSet saved = textures;
    int32_t saved_theme = background_theme;

    void SetUp() override
    {
        ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
        setenv("DISPLAY", x.display.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        // One rasteriser thread, as the game takes for a desktop of this size.
        setenv("LP_NUM_THREADS", "1", 1);
        // The GL driver stays loaded after SDL lets it go, so that what it
        // keeps for itself is told apart from leaks of ours.
        for (const char* driver : {"libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
            dlopen(driver, RTLD_NOW | RTLD_NODELETE);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("-", 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, SDL_WINDOW_RESIZABLE);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer)
            GTEST_SKIP() << "no accelerated renderer: " << SDL_GetError();
        SDL_RenderSetLogicalSize(renderer, SCREEN_WIDTH, SCREEN_HEIGHT);
        load_textures(renderer);
        background_theme = -1;
    }
    void TearDown() override
    {
        if (renderer)
            SDL_DestroyRenderer(renderer);
        if (window)
            SDL_DestroyWindow(window);
        SDL_Quit();
        textures = saved;
        background_theme = saved_theme;
    }
    // Resizes the window and waits until the renderer's output follows.
    void resize(int w, int h)
    {
        SDL_SetWindowSize(window, w, h);
        int ow = 0, oh = 0;
        for (int i = 0; i < 200 && (ow != w || oh != h); i++) {
            SDL_PumpEvents();
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
            SDL_Delay(10);
            SDL_GetRendererOutputSize(renderer, &ow, &oh);
        }
        ASSERT_EQ(ow, w);
        ASSERT_EQ(oh, h);
        // The GL drawable takes its new size at a swap of buffers.
        for (int i = 0; i < 2; i++) {
            SDL_RenderClear(renderer);
            SDL_RenderPresent(renderer);
        }
    }
    std::vector<uint32_t> output(uint8_t r, uint8_t g, uint8_t b, void (*draw)())
    {
        SDL_SetRenderDrawColor(renderer, r, g, b, 255);
        SDL_RenderClear(renderer);
        draw();
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(renderer, &w, &h);
        std::vector<uint32_t> pixels((size_t)w * h, 0);
        SDL_Rect all = {0, 0, w, h};
        // Read in output pixels, whatever the logical size.
        SDL_RenderSetLogicalSize(renderer, 0, 0);
        EXPECT_EQ(SDL_RenderReadPixels(renderer, &all, SDL_PIXELFORMAT_ARGB8888, pixels.data(), 4 * w), 0)
            << SDL_GetError();
        SDL_RenderSetLogicalSize(renderer, SCREEN_WIDTH, SCREEN_HEIGHT);
        // The corners are the ground or the bars, never unread.
        EXPECT_NE(pixels.front(), 0u);
        EXPECT_NE(pixels.back(), 0u);
        return pixels;
    }
};

void draw_layers()
{
    draw_background(3);
    draw_side_frames();
    draw_bars();
}

// The pictures copied straight to the screen, as the furniture was drawn
// before it had copies.
void draw_pictures()
{
    SDL_Renderer* r = textures.renderer;
    const SDL_Rect background = {24, 48, 720, 576}, left = {0, 48, 24, 576}, right = {744, 48, 24, 576},
                   bottom = {0, 624, 768, 24}, top_bar = {0, 0, 768, 48}, bottom_bar = {0, 648, 768, 24};
    SDL_RenderCopy(r, textures.background, nullptr, &background);
    SDL_RenderCopy(r, textures.side_frame, nullptr, &left);
    SDL_RenderCopyEx(r, textures.side_frame, nullptr, &right, 0.0, nullptr, SDL_FLIP_HORIZONTAL);
    SDL_RenderCopy(r, textures.bottom_frame, nullptr, &bottom);
    SDL_RenderCopy(r, textures.top_bar, nullptr, &top_bar);
    SDL_RenderCopy(r, textures.bottom_bar, nullptr, &bottom_bar);
}

size_t differences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    size_t n = a.size() == b.size() ? 0 : a.size() + b.size();
    for (size_t i = 0; i < a.size() && i < b.size(); i++)
        n += a[i] != b[i];
    return n;
}

TEST_F(LayerWindow, CopiesShowThePicturesExactlyAtScaleOneAndTwo)
{
    for (int scale : {1, 2}) {
        resize(SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale);
        std::vector<uint32_t> copied = output(0, 0, 0, draw_layers);
        for (int layer = 0; layer < LAYER_COUNT; layer++) {
            ASSERT_NE(textures.layers[layer].copy, nullptr) << "layer " << layer;
            EXPECT_EQ(textures.layers[layer].scale_x, float(scale));
        }
        int w = 0, h = 0;
        SDL_QueryTexture(textures.layers[LAYER_BACKGROUND].copy, nullptr, nullptr, &w, &h);
        EXPECT_EQ(w, 720 * scale);
        EXPECT_EQ(h, 576 * scale);
        EXPECT_EQ(differences(copied, output(0, 0, 0, draw_pictures)), 0u) << "scale " << scale;
    }
}

TEST_F(LayerWindow, CopiesMeetWithoutGapsAtAFractionalScale)
{
    // 1920 x 1080 full screen: the logical screen shown 1.607 times its size.
    resize(1920, 1080);
    float sx = 0, sy = 0;
    SDL_RenderGetScale(renderer, &sx, &sy);
    ASSERT_NE(sx, std::round(sx));
    std::vector<uint32_t> shown = output(255, 0, 0, draw_layers);
    const int w = 1920, viewport_w = int(float(SCREEN_WIDTH) * sx), left = (w - viewport_w) / 2;
    size_t red = 0;
    for (int y = 0; y < 1080; y++)
        for (int x = left; x < left + viewport_w; x++)
            red += shown[(size_t)y * w + x] == 0xffff0000u;
    EXPECT_EQ(red, 0u) << "pixels of the play screen that no layer covers";
}

TEST_F(LayerWindow, LostTargetsAndANewThemeMakeTheCopiesAgain)
{
    std::vector<uint32_t> first = output(0, 0, 0, draw_layers);
    MainLoop loop{};
    SDL_Event event{};
    event.type = SDL_RENDER_TARGETS_RESET;
    handle_event(&loop, event);
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        EXPECT_EQ(textures.layers[layer].copy, nullptr) << "layer " << layer;
    EXPECT_EQ(differences(output(0, 0, 0, draw_layers), first), 0u);

    draw_background(4);
    EXPECT_EQ(textures.layers[LAYER_BACKGROUND].source, textures.background);
    EXPECT_GT(differences(output(0, 0, 0, [] { draw_background(4); }), output(0, 0, 0, [] { draw_background(3); })), 0u);
    EXPECT_EQ(differences(output(0, 0, 0, draw_layers), first), 0u) << "back to theme 3";
}

TEST_F(LayerWindow, NeighbouringBlocksShowNoSeamsAtAFractionalScale)
{
    // A sheet whose stone is white and everything around it black: filtering
    // across the stone's edge would show as grey.
    std::vector<uint32_t> pixels((size_t)SHEET_WIDTH * SHEET_HEIGHT, 0xff000000u);
    const SpriteRect& stone = sprite_rects[SPRITE_STONE];
    for (int y = stone.y; y < stone.y + stone.h; y++)
        for (int x = stone.x; x < stone.x + stone.w; x++)
            pixels[(size_t)y * SHEET_WIDTH + x] = 0xffffffffu;
    SDL_Texture* sheet = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, SHEET_WIDTH,
                                           SHEET_HEIGHT);
    SDL_UpdateTexture(sheet, nullptr, pixels.data(), 4 * SHEET_WIDTH);
    SDL_SetTextureBlendMode(sheet, SDL_BLENDMODE_BLEND);
    textures.sprites = sheet;
    resize(1920, 1080);
    float sx = 0, sy = 0;
    SDL_RenderGetScale(renderer, &sx, &sy);
    // Three rows of five stones, mirrored in every other column.
    std::vector<uint32_t> shown = output(255, 0, 0, [] {
        for (int r = 0; r < 3; r++)
            for (int c = 0; c < 5; c++)
                draw_sprite(24.0f + 48 * c, 48.0f + 48 * r, SPRITE_STONE, c % 2, 255);
    });
    const int left = (1920 - int(float(SCREEN_WIDTH) * sx)) / 2;
    size_t grey = 0;
    // The whole pixels inside the blocks' area.
    for (int y = (int)std::ceil(48 * sy); y < (int)std::floor((48 + 3 * 48) * sy); y++)
        for (int x = left + (int)std::ceil(24 * sx); x < left + (int)std::floor((24 + 5 * 48) * sx); x++)
            grey += shown[(size_t)y * 1920 + x] != 0xffffffffu;
    EXPECT_EQ(grey, 0u) << "pixels between the blocks that are not the blocks' white" ;
}

// The title's texts and the play's, big and small, some shrunk to fit.
void draw_texts()
{
    draw_message_fit(MSG_TITLE, SCREEN_MIDDLE, 4, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, 613);
    for (int32_t id = MSG_BANNER; id <= MSG_LAST_BUILTIN_NAME; id++) {
        const int32_t y = 90 + 40 * ((id - MSG_BANNER) % 14);
        const int32_t x = 200 + 360 * ((id - MSG_BANNER) / 14 % 2);
        draw_message_fit(id, x, y, id % 3 == 0, ALIGN_CENTRE, COLOUR_PALE_BLUE, id % 2 ? 345 : 0,
                         {num_text(id), msg_ref_text(MSG_LANGUAGE_NAME)});
    }
}

TEST_F(LayerWindow, TextBandsShowWhatTheWholeTextPictureShowsButForRounding)
{
    const int32_t saved_language = get_language();
    set_language(LANGUAGE_ENGLISH);
    // Scale 1, and full screen at 1920 x 1080, a scale between whole numbers.
    const int sizes[][2] = {{SCREEN_WIDTH, SCREEN_HEIGHT}, {1920, 1080}};
    for (const auto& size : sizes) {
        resize(size[0], size[1]);
        forget_atlas();
        const std::vector<uint32_t> from_bands = output(0, 0, 0, draw_texts);
        SDL_Texture* whole = packed_rows_texture(atlas.banded.picture, 0, atlas.banded.picture.h);
        ASSERT_NE(whole, nullptr);
        forget_atlas();
        atlas.language = LANGUAGE_ENGLISH;
        band_whole_texture(&atlas.banded, whole);
        const std::vector<uint32_t> from_whole = output(0, 0, 0, draw_texts);
        SDL_DestroyTexture(whole);
        int most = 0;
        for (size_t i = 0; i < from_bands.size(); i++)
            for (int c = 0; c < 32; c += 8)
                most = std::max(most, std::abs(int(from_bands[i] >> c & 255) - int(from_whole[i] >> c & 255)));
        EXPECT_LE(most, 1) << size[0] << " x " << size[1];
        EXPECT_LT(differences(from_bands, from_whole), from_bands.size() / 500) << size[0] << " x " << size[1];
        EXPECT_GT(differences(from_whole, output(0, 0, 0, [] {})), from_bands.size() / 10) << "texts are drawn";
    }
    forget_atlas();
    set_language(saved_language);
}

}  // namespace
