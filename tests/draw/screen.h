// The screen every drawing test draws on: a 768 x 672 surface whose software
// renderer is made the game's renderer for the test. The game's texture set
// and background cache are put back afterwards, and every texture a test
// makes through texture() is destroyed with the screen.
#pragma once
#include <gtest/gtest.h>
#include <SDL.h>
#include <vector>
#include "draw/draw.h"
#include "text/local.h"

class DrawScreen : public ::testing::Test {
protected:
    static constexpr int W = 768, H = 672;

    // format: the surface's pixel format, which decides how pixel() reads.
    explicit DrawScreen(Uint32 format = SDL_PIXELFORMAT_ABGR8888) : format(format) {}

    const Uint32 format;
    SDL_Surface* screen = nullptr;
    SDL_Renderer* renderer = nullptr;
    TextureSet saved_textures = textures;
    int32_t saved_theme = background_theme;
    std::vector<SDL_Texture*> made;

    // Derived set-ups call this first and stop when it failed.
    void SetUp() override
    {
        screen = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, format);
        ASSERT_NE(screen, nullptr);
        renderer = SDL_CreateSoftwareRenderer(screen);
        ASSERT_NE(renderer, nullptr);
        textures = TextureSet{};
        textures.renderer = renderer;
    }
    void TearDown() override
    {
        for (SDL_Texture* t : made)
            SDL_DestroyTexture(t);
        if (renderer)
            SDL_DestroyRenderer(renderer);  // and every texture still made on it
        if (screen)
            SDL_FreeSurface(screen);
        textures = saved_textures;
        background_theme = saved_theme;
        // The text picture's texture went with the renderer.
        atlas_texture = nullptr;
        atlas_language = -1;
    }

    // Sets every screen pixel to the colour, alpha included.
    void clear(int r, int g, int b, int a = 255)
    {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer, (Uint8)r, (Uint8)g, (Uint8)b, (Uint8)a);
        SDL_RenderClear(renderer);
    }
    // A blended texture of w x h pixels given as 0xAABBGGRR.
    SDL_Texture* texture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
        SDL_UpdateTexture(t, nullptr, pixels.data(), 4 * w);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        made.push_back(t);
        return t;
    }
    // The screen pixel at (x, y) as the surface stores it.
    uint32_t pixel(int x, int y) const { return ((const uint32_t*)screen->pixels)[y * (screen->pitch / 4) + x]; }
};
