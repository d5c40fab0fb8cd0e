// The three ways of drawing a sprite from the sheet.
#include "draw/draw.h"

#include <cmath>
#include <utility>

SDL_FRect sprite_box(float x, float y, float scale, int32_t sprite)
{
    if (sprite < 0 || sprite >= SPRITE_COUNT)
        return SDL_FRect{x, y, 0.0f, 0.0f};
    const SpriteRect& r = sprite_rects[sprite];
    return SDL_FRect{x - (scale - 1.0f) * r.w * 0.25f, y - (scale - 1.0f) * r.h * 0.25f,
                     scale * r.w * 0.5f, scale * r.h * 0.5f};
}

// Whether the renderer shows the logical screen at a whole number of output
// pixels per logical pixel, as the headless screen and windows of 1 and 2
// times the size do.
static bool whole_scale()
{
    float sx = 1.0f, sy = 1.0f;
    SDL_RenderGetScale(textures.renderer, &sx, &sy);
    return sx == std::floor(sx) && sy == std::floor(sy);
}

// At a scale that is not whole, the filtering of a sprite's edge pixels would
// reach into the texels beside its rectangle, which belong to other sprites:
// dark seams between neighbouring blocks. There the sprite's texture
// coordinates stay half a texel inside its rectangle. At whole scales every
// edge pixel is filtered within the rectangle, and copies are left as they are.
static void copy_sprite_inside(const SpriteRect& r, const SDL_FRect& box, int32_t flip, int32_t alpha)
{
    int tw = 0, th = 0;
    if (SDL_QueryTexture(textures.sprites, nullptr, nullptr, &tw, &th) != 0 || tw <= 0 || th <= 0)
        return;
    float u0 = (r.x + 0.5f) / tw, u1 = (r.x + r.w - 0.5f) / tw;
    const float v0 = (r.y + 0.5f) / th, v1 = (r.y + r.h - 0.5f) / th;
    if (flip != 0)
        std::swap(u0, u1);
    const SDL_Color tint = {255, 255, 255, Uint8(alpha & 0xff)};
    const float right = box.x + box.w, bottom = box.y + box.h;
    const SDL_Vertex corners[4] = {
        {{box.x, box.y}, tint, {u0, v0}},
        {{right, box.y}, tint, {u1, v0}},
        {{right, bottom}, tint, {u1, v1}},
        {{box.x, bottom}, tint, {u0, v1}},
    };
    static const int order[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(textures.renderer, textures.sprites, corners, 4, order, 6);
}

// One copy from the sheet framed by the two alpha settings, so that the
// sheet is always back at full alpha for whoever draws next.
static void copy_sprite(int32_t sprite, const SDL_FRect& box, double angle, int32_t flip, int32_t alpha)
{
    if (sprite < 0 || sprite >= SPRITE_COUNT)
        return;
    const SpriteRect& r = sprite_rects[sprite];
    if (angle == 0.0 && !whole_scale()) {
        copy_sprite_inside(r, box, flip, alpha);
        return;
    }
    SDL_Rect source = {r.x, r.y, r.w, r.h};
    SDL_Texture* sheet = copy_source(textures.sprites_half, textures.sprites, &source, box);
    SDL_SetTextureAlphaMod(sheet, Uint8(alpha & 0xff));
    SDL_RenderCopyExF(textures.renderer, sheet, &source, &box, angle, nullptr,
                      flip != 0 ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
    SDL_SetTextureAlphaMod(sheet, 255);
}

void draw_sprite(float x, float y, int32_t sprite, int32_t flip, int32_t alpha)
{
    copy_sprite(sprite, sprite_box(x, y, 1.0f, sprite), 0.0, flip, alpha);
}

void draw_sprite_scaled(float x, float y, float scale, int32_t sprite, int32_t flip, int32_t alpha)
{
    const SDL_FRect box = sprite_box(x, y, scale, sprite);
    copy_sprite(sprite, box, 0.0, flip, alpha);
    note_drawn(DRAWN_SPRITE, sprite, box);
}

void draw_sprite_rotated(float x, float y, float angle, int32_t sprite, int32_t alpha)
{
    copy_sprite(sprite, sprite_box(x, y, 1.0f, sprite), double(angle), 0, alpha);
}
