// A screen for picture tests: the software renderer on a 768 x 672 surface,
// with stand-in textures whose pixels tell what was drawn where. In the
// marked sprite sheet every sprite is opaque with red = 100 + its number and
// green = 255, so one pixel over black names the sprite on top; a plain
// texture is one colour all over, so a glyph font made of it draws every
// glyph as a box of the text's colour.
#pragma once
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <vector>
#include "draw/draw.h"
#include "text/local.h"

struct TestScreen {
    static const int W = 768, H = 672;
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::vector<SDL_Texture*> made;

    TestScreen()
    {
        surface = SDL_CreateRGBSurfaceWithFormat(0, W, H, 32, SDL_PIXELFORMAT_ABGR8888);
        renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    }
    ~TestScreen()
    {
        for (SDL_Texture* t : made)
            SDL_DestroyTexture(t);
        if (renderer)
            SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
        // The text picture's texture went with the renderer.
        atlas_texture = nullptr;
        atlas_language = -1;
    }
    void clear()
    {
        SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_Texture* texture(int w, int h, const std::vector<uint32_t>& pixels)
    {
        SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
        SDL_UpdateTexture(t, nullptr, pixels.data(), 4 * w);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(t, SDL_ScaleModeNearest);
        made.push_back(t);
        return t;
    }
    // One colour (0xAABBGGRR) all over.
    SDL_Texture* plain(int w, int h, uint32_t colour)
    {
        return texture(w, h, std::vector<uint32_t>((size_t)w * h, colour));
    }
    SDL_Texture* marked_sheet()
    {
        int w = 0, h = 0;
        for (const SpriteRect& r : sprite_rects) {
            w = std::max(w, r.x + r.w);
            h = std::max(h, r.y + r.h);
        }
        std::vector<uint32_t> pixels((size_t)w * h, 0);
        for (int n = 0; n < SPRITE_COUNT; n++) {
            const SpriteRect& r = sprite_rects[n];
            for (int y = r.y; y < r.y + r.h; y++)
                for (int x = r.x; x < r.x + r.w; x++)
                    pixels[(size_t)y * w + x] = 0xff00ff00u | uint32_t(100 + n);
        }
        return texture(w, h, pixels);
    }
    // Textures for drawing with no art: the marked sheet, glyph fonts of
    // white boxes, and nothing else unless a test adds it.
    void use_stand_in_art()
    {
        textures = TextureSet{};
        textures.renderer = renderer;
        textures.sprites = marked_sheet();
        textures.font_small = plain(4096, 448, 0xffffffffu);
        textures.font_big = plain(4096, 1128, 0xffffffffu);
    }
    void flush() { SDL_RenderFlush(renderer); }
    // The pixel at (x, y) as 0xAABBGGRR.
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
