// The three ways of drawing a sprite from the sheet.
#include "draw/draw.h"

SDL_FRect sprite_box(float x, float y, float scale, int32_t sprite)
{
    if (sprite < 0 || sprite >= SPRITE_COUNT)
        return SDL_FRect{x, y, 0.0f, 0.0f};
    const SpriteRect& r = sprite_rects[sprite];
    return SDL_FRect{x - (scale - 1.0f) * r.w * 0.25f, y - (scale - 1.0f) * r.h * 0.25f,
                     scale * r.w * 0.5f, scale * r.h * 0.5f};
}

// One copy from the sheet framed by the two alpha settings, so that the
// sheet is always back at full alpha for whoever draws next.
static void copy_sprite(int32_t sprite, const SDL_FRect& box, double angle, int32_t flip, int32_t alpha)
{
    if (sprite < 0 || sprite >= SPRITE_COUNT)
        return;
    const SpriteRect& r = sprite_rects[sprite];
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
