// The screen picture tests draw on: the software renderer on a 768 x 672
// surface, made the game's renderer while the screen lives. The game's
// texture set and background cache are put back, and every texture made
// through the screen is destroyed, when it goes.
//
// Stand-in textures tell by their pixels what was drawn where. In the marked
// sprite sheet every sprite is opaque, its red channel is 100 + its number,
// green is 255 and blue tells the quarter of the sprite (0 top left, 80 top
// right, 160 bottom left, 240 bottom right): over black one pixel names the
// sprite on top, which way it faces and, through green, how transparent it
// was drawn. A plain texture is one colour all over, so a glyph font made of
// it draws every glyph as a box of the text's colour.
#pragma once
#include <gtest/gtest.h>
#include <SDL.h>
#include <vector>
#include "draw/draw.h"

struct TestScreen {
    static const int W = 768, H = 672;
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SDL_Texture*> made;
    TextureSet saved_textures = textures;
    int32_t saved_theme = background_theme;

    // format: the surface's pixel format, which decides how pixel() reads.
    explicit TestScreen(Uint32 format = SDL_PIXELFORMAT_ABGR8888)
    {
        surface = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, format);
        renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
        textures = TextureSet{};
        textures.renderer = renderer;
    }
    ~TestScreen()
    {
        for (SDL_Texture* t : made)
            SDL_DestroyTexture(t);
        if (renderer)
            SDL_DestroyRenderer(renderer);  // and every texture still made on it
        SDL_FreeSurface(surface);
        textures = saved_textures;
        background_theme = saved_theme;
    }
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    // Sets every screen pixel to the colour, alpha included.
    void clear(int r = 0, int g = 0, int b = 0, int a = 255)
    {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer, (Uint8)r, (Uint8)g, (Uint8)b, (Uint8)a);
        SDL_RenderClear(renderer);
    }
    // A blended texture of w x h pixels given as 0xAABBGGRR, sampled as the render hint says.
    SDL_Texture* texture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
        SDL_UpdateTexture(t, nullptr, pixels.data(), 4 * w);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        made.push_back(t);
        return t;
    }
    // texture() sampled at the nearest pixel, so that marks land exactly.
    SDL_Texture* nearest_texture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        SDL_Texture* t = texture(w, h, pixels);
        SDL_SetTextureScaleMode(t, SDL_ScaleModeNearest);
        return t;
    }
    // One colour (0xAABBGGRR) all over.
    SDL_Texture* plain(int w, int h, uint32_t colour)
    {
        return nearest_texture(w, h, std::vector<uint32_t>((size_t)w * h, colour));
    }
    SDL_Texture* marked_sheet()
    {
        std::vector<uint32_t> pixels((size_t)SHEET_WIDTH * SHEET_HEIGHT, 0);
        for (int n = 0; n < SPRITE_COUNT; n++) {
            const SpriteRect& r = sprite_rects[n];
            for (int y = r.y; y < r.y + r.h; y++)
                for (int x = r.x; x < r.x + r.w; x++) {
                    const uint32_t quarter = ((y - r.y) * 2 >= r.h ? 2u : 0u) + ((x - r.x) * 2 >= r.w ? 1u : 0u);
                    pixels[(size_t)y * SHEET_WIDTH + x] = 0xff00ff00u | (80u * quarter) << 16 | uint32_t(100 + n);
                }
        }
        return nearest_texture(SHEET_WIDTH, SHEET_HEIGHT, pixels);
    }
    // A small glyph font that is white all over.
    void white_small_font() { band_whole_texture(&textures.font_small, plain(4096, 448, COLOUR_WHITE)); }
    // Textures for drawing with no art: the marked sheet, glyph fonts of
    // white boxes, and nothing else unless a test adds it.
    void use_stand_in_art()
    {
        textures = TextureSet{};
        textures.renderer = renderer;
        textures.sprites = marked_sheet();
        white_small_font();
        band_whole_texture(&textures.font_big, plain(4096, 1128, COLOUR_WHITE));
    }
    // The game's own art, over a plain night-blue background held as the
    // current theme's: the theme pictures have tests of their own, and a
    // plain backdrop keeps reference pictures small and independent of them.
    void use_game_art()
    {
        load_textures(renderer);
        textures.background = plain(16, 16, 0xff331a0bu);
        background_theme = 0;
    }
    void flush() { SDL_RenderFlush(renderer); }
    // The pixel at (x, y) as the surface stores it.
    uint32_t pixel(int x, int y) const
    {
        return static_cast<const uint32_t*>(surface->pixels)[(size_t)y * (surface->pitch / 4) + x];
    }
    // The marked sprite on top at (x, y), or -1.
    int sprite_at(int x, int y) const
    {
        const uint32_t p = pixel(x, y);
        const int r = p & 0xff, g = (p >> 8) & 0xff;
        return g == 255 && r >= 100 ? r - 100 : -1;
    }
    // The number of columns, from the left, in which sprite shows within the rows y0..y1.
    int columns_with(int sprite, int y0, int y1, int* first = nullptr, int* last = nullptr) const
    {
        int count = 0;
        for (int x = 0; x < W; x++) {
            bool found = false;
            for (int y = y0; y <= y1 && !found; y++)
                found = sprite_at(x, y) == sprite;
            if (found) {
                if (count++ == 0 && first)
                    *first = x;
                if (last)
                    *last = x;
            }
        }
        return count;
    }
};
