// The fixed furniture of every screen: the theme background behind the play
// area, the frames around it, the bars, the band, the logo and filled
// rectangles.
#include "draw/draw.h"
#include "draw/local.h"

#include <cmath>

const BuiltinPicture* theme_image(int32_t theme)
{
    return &builtin_pictures[PICTURE_FIRST_BACKGROUND + theme_backgrounds[theme]];
}

int32_t background_theme = -1;

// The frames close the play area at the sides and below it; the bars lie
// above it and along the screen's bottom edge.
enum {
    SIDE_FRAME_WIDTH = PLAY_AREA_X,
    RIGHT_FRAME_X = PLAY_AREA_X + PLAY_AREA_W,
    BOTTOM_FRAME_Y = PLAY_AREA_Y + PLAY_AREA_H,
    BOTTOM_FRAME_HEIGHT = 24,
    TOP_BAR_HEIGHT = PLAY_AREA_Y,
    BOTTOM_BAR_Y = BOTTOM_FRAME_Y + BOTTOM_FRAME_HEIGHT,
    BOTTOM_BAR_HEIGHT = SCREEN_HEIGHT - BOTTOM_BAR_Y,
};
// The title logo's size on the screen.
enum { LOGO_WIDTH = 600, LOGO_HEIGHT = 120 };

static void copy_to(SDL_Texture* texture, int x, int y, int w, int h, SDL_RendererFlip flip = SDL_FLIP_NONE)
{
    SDL_Rect to = {x, y, w, h};
    if (flip == SDL_FLIP_NONE)
        SDL_RenderCopy(textures.renderer, texture, nullptr, &to);
    else
        SDL_RenderCopyEx(textures.renderer, texture, nullptr, &to, 0.0, nullptr, flip);
}

// Layers are copied where the renderer can draw into textures and draws to
// the output itself: a copy made inside another target would be made at that
// target's scale.
static bool layers_copied(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    return SDL_GetRendererInfo(renderer, &info) == 0 &&
           (info.flags & SDL_RENDERER_TARGETTEXTURE) && SDL_GetRenderTarget(renderer) == nullptr;
}

static void forget_layer(LayerCopy& layer)
{
    if (layer.copy)
        SDL_DestroyTexture(layer.copy);
    layer = LayerCopy{};
}

void forget_layer_copies()
{
    for (LayerCopy& layer : textures.layers)
        forget_layer(layer);
}

// Draws the picture into a new target of w x h output pixels, the way it
// would be drawn straight onto the screen over black: opaque pictures come
// out as the screen would show them.
static SDL_Texture* make_copy(SDL_Renderer* renderer, SDL_Texture* picture, int w, int h, SDL_RendererFlip flip)
{
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    Uint32 format = info.num_texture_formats > 0 ? info.texture_formats[0] : (Uint32)SDL_PIXELFORMAT_ARGB8888;
    SDL_Texture* copy = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_TARGET, w, h);
    if (!copy || SDL_SetRenderTarget(renderer, copy) != 0) {
        if (copy)
            SDL_DestroyTexture(copy);
        return nullptr;
    }
    Uint8 r, g, b, a;
    SDL_GetRenderDrawColor(renderer, &r, &g, &b, &a);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopyEx(renderer, picture, nullptr, nullptr, 0.0, nullptr, flip);
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    SDL_SetTextureBlendMode(copy, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(copy, SDL_ScaleModeNearest);
    return copy;
}

// Draws an opaque picture over (x, y, w, h). Where the renderer can, it
// comes from its layer's copy, made again when the picture or the scale
// changes; a new window size at the same scale only moves the picture by
// whole pixels, which the copy still fits. The copy covers the output pixels
// between the rounded edges of the rectangle, so neighbouring layers meet
// without a gap at any scale, and at a whole scale exactly the pixels the
// picture itself would cover.
static void draw_layer(int layer, SDL_Texture* picture, int x, int y, int w, int h, SDL_RendererFlip flip)
{
    SDL_Renderer* renderer = textures.renderer;
    LayerCopy& held = textures.layers[layer];
    if (!picture || !layers_copied(renderer)) {
        forget_layer(held);
        copy_to(picture, x, y, w, h, flip);
        return;
    }
    float sx = 1.0f, sy = 1.0f;
    SDL_RenderGetScale(renderer, &sx, &sy);
    const float left = std::round(x * sx), right = std::round((x + w) * sx);
    const float top = std::round(y * sy), bottom = std::round((y + h) * sy);
    if (held.copy && (held.source != picture || held.scale_x != sx || held.scale_y != sy))
        forget_layer(held);
    if (!held.copy && right > left && bottom > top) {
        held.copy = make_copy(renderer, picture, int(right - left), int(bottom - top), flip);
        held.source = picture;
        held.scale_x = sx;
        held.scale_y = sy;
    }
    if (!held.copy) {
        copy_to(picture, x, y, w, h, flip);
        return;
    }
    const SDL_FRect to = {left / sx, top / sy, (right - left) / sx, (bottom - top) / sy};
    SDL_RenderCopyF(renderer, held.copy, nullptr, &to);
}

static SDL_FRect float_rect(int x, int y, int w, int h)
{
    return SDL_FRect{(float)x, (float)y, (float)w, (float)h};
}

void draw_background(int32_t theme)
{
    int32_t t = theme % THEME_COUNT;
    if (t < 0)
        t += THEME_COUNT;
    // Only one background is held at a time. A picture that does not decode
    // still records its theme, so that it is not tried again every frame.
    if (t != background_theme) {
        forget_layer(textures.layers[LAYER_BACKGROUND]);
        if (textures.background)
            SDL_DestroyTexture(textures.background);
        const BuiltinPicture* picture = theme_image(t);
        textures.background = texture_from_image(picture->bytes, picture->length);
        background_theme = t;
    }
    draw_layer(LAYER_BACKGROUND, textures.background, PLAY_AREA_X, PLAY_AREA_Y, PLAY_AREA_W, PLAY_AREA_H, SDL_FLIP_NONE);
}

void draw_side_frames()
{
    draw_layer(LAYER_LEFT_FRAME, textures.side_frame, 0, PLAY_AREA_Y, SIDE_FRAME_WIDTH, PLAY_AREA_H, SDL_FLIP_NONE);
    draw_layer(LAYER_RIGHT_FRAME, textures.side_frame, RIGHT_FRAME_X, PLAY_AREA_Y, SIDE_FRAME_WIDTH, PLAY_AREA_H,
               SDL_FLIP_HORIZONTAL);
    draw_layer(LAYER_BOTTOM_FRAME, textures.bottom_frame, 0, BOTTOM_FRAME_Y, SCREEN_WIDTH, BOTTOM_FRAME_HEIGHT,
               SDL_FLIP_NONE);
    note_drawn(DRAWN_BAR, 0, float_rect(0, BOTTOM_FRAME_Y, SCREEN_WIDTH, BOTTOM_FRAME_HEIGHT));
}

void draw_bars()
{
    draw_layer(LAYER_TOP_BAR, textures.top_bar, 0, 0, SCREEN_WIDTH, TOP_BAR_HEIGHT, SDL_FLIP_NONE);
    draw_layer(LAYER_BOTTOM_BAR, textures.bottom_bar, 0, BOTTOM_BAR_Y, SCREEN_WIDTH, BOTTOM_BAR_HEIGHT, SDL_FLIP_NONE);
    note_drawn(DRAWN_BAR, 0, float_rect(0, 0, SCREEN_WIDTH, TOP_BAR_HEIGHT));
    note_drawn(DRAWN_BAR, 0, float_rect(0, BOTTOM_BAR_Y, SCREEN_WIDTH, BOTTOM_BAR_HEIGHT));
}

void draw_band(int32_t y, int32_t h)
{
    copy_to(textures.band, 0, y, SCREEN_WIDTH, h);
    note_drawn(DRAWN_BAND, 0, float_rect(0, y, SCREEN_WIDTH, h));
}

void draw_logo(int32_t x, int32_t y)
{
    copy_to(textures.logo, x - LOGO_WIDTH / 2, y, LOGO_WIDTH, LOGO_HEIGHT);
    note_drawn(DRAWN_LOGO, 0, float_rect(x - LOGO_WIDTH / 2, y, LOGO_WIDTH, LOGO_HEIGHT));
}

void fill_rect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour)
{
    SDL_SetRenderDrawBlendMode(textures.renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(textures.renderer, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF,
                           colour >> 24);
    SDL_Rect r = {x, y, w, h};
    SDL_RenderFillRect(textures.renderer, &r);
    note_drawn(DRAWN_FILL, 0, float_rect(x, y, w, h));
}
