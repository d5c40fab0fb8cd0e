// Half copies: the pieces of a sheet shrunk once to the half size they are
// drawn at. The software renderer shrinks a piece anew on every scaled copy,
// into a scratch picture of the drawn size that it then blends; a piece
// shrunk the same way once and blended unscaled gives the same pixels for a
// fraction of the work. Other renderers sample the sheet itself and get none.
#include "draw/draw.h"

// Where a piece of the sheet lies in its half copy: at half its position,
// half its size rounded down. Pieces that do not overlap in the sheet do not
// overlap there either.
static SDL_Rect half_rect(const SDL_Rect& r)
{
    return SDL_Rect{r.x / 2, r.y / 2, r.w / 2, r.h / 2};
}

HalfCopy make_half_copy(SDL_Texture* texture, const SDL_Rect* rects, int32_t count)
{
    HalfCopy copy = {texture, nullptr};
    SDL_Renderer* renderer = textures.renderer;
    SDL_RendererInfo info;
    if (!texture || SDL_GetRendererInfo(renderer, &info) != 0 || !(info.flags & SDL_RENDERER_SOFTWARE))
        return copy;
    Uint32 format;
    int w, h;
    SDL_BlendMode blend;
    SDL_ScaleMode scale;
    Uint8 r, g, b, a;
    SDL_QueryTexture(texture, &format, nullptr, &w, &h);
    SDL_GetTextureBlendMode(texture, &blend);
    SDL_GetTextureScaleMode(texture, &scale);
    SDL_GetTextureColorMod(texture, &r, &g, &b);
    SDL_GetTextureAlphaMod(texture, &a);
    copy.half = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_TARGET, w / 2, h / 2);
    if (!copy.half)
        return copy;
    // Unblended and unmodulated, a scaled copy between textures of one format
    // is the very shrink that a drawn copy makes into its scratch picture.
    SDL_Texture* target = SDL_GetRenderTarget(renderer);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetRenderTarget(renderer, copy.half);
    for (int32_t i = 0; i < count; i++) {
        const SDL_Rect to = half_rect(rects[i]);
        SDL_RenderCopy(renderer, texture, &rects[i], &to);
    }
    SDL_SetRenderTarget(renderer, target);
    SDL_SetTextureBlendMode(texture, blend);
    SDL_SetTextureColorMod(texture, r, g, b);
    SDL_SetTextureAlphaMod(texture, a);
    SDL_SetTextureBlendMode(copy.half, blend);
    SDL_SetTextureScaleMode(copy.half, scale);
    return copy;
}

// True while a copy lands on the output pixel for pixel: no scale, no clip,
// and a viewport that is the whole output. Then the renderer cuts a scaled
// copy at the output's edges only after shrinking it, as an unscaled one is
// cut; anywhere else it would shrink a cut piece instead.
static bool output_unscaled()
{
    SDL_Renderer* renderer = textures.renderer;
    float sx, sy;
    SDL_RenderGetScale(renderer, &sx, &sy);
    if (sx != 1.0f || sy != 1.0f || SDL_RenderIsClipEnabled(renderer))
        return false;
    SDL_Rect view;
    int w, h;
    SDL_RenderGetViewport(renderer, &view);
    if (SDL_GetRendererOutputSize(renderer, &w, &h) != 0)
        return false;
    return view.x == 0 && view.y == 0 && view.w == w && view.h == h;
}

SDL_Texture* copy_source(const HalfCopy& copy, SDL_Texture* texture, SDL_Rect* source, const SDL_FRect& destination)
{
    if (!copy.half || copy.source != texture)
        return texture;
    // The renderer cuts the destination to whole pixels, size and all: only
    // the whole size decides how a piece is shrunk.
    const SDL_Rect half = half_rect(*source);
    const bool same_size = destination.w >= (float)half.w && destination.w < (float)(half.w + 1) &&
                           destination.h >= (float)half.h && destination.h < (float)(half.h + 1);
    if (!same_size || !output_unscaled())
        return texture;
    *source = half;
    return copy.half;
}
