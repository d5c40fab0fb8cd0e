// The fixed furniture of every screen: the theme background behind the play
// area, the frames around it, the bars, the band, the logo and filled
// rectangles.
#include "draw/draw.h"

// The picture each theme shows: themes follow the levels, while the
// pictures keep the numbers of the built-in picture list.
const BuiltinPicture* const theme_images[THEME_COUNT] = {
    &builtin_pictures[24], &builtin_pictures[25], &builtin_pictures[15], &builtin_pictures[23],
    &builtin_pictures[26], &builtin_pictures[7],  &builtin_pictures[12], &builtin_pictures[19],
    &builtin_pictures[11], &builtin_pictures[17], &builtin_pictures[28], &builtin_pictures[18],
    &builtin_pictures[9],  &builtin_pictures[27], &builtin_pictures[16], &builtin_pictures[14],
    &builtin_pictures[10], &builtin_pictures[20], &builtin_pictures[13], &builtin_pictures[8],
    &builtin_pictures[21], &builtin_pictures[22], &builtin_pictures[30], &builtin_pictures[29],
};

int32_t background_theme = -1;

static void copy_to(SDL_Texture* texture, int x, int y, int w, int h)
{
    SDL_Rect to = {x, y, w, h};
    SDL_RenderCopy(textures.renderer, texture, nullptr, &to);
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
        if (textures.background)
            SDL_DestroyTexture(textures.background);
        textures.background = texture_from_image(theme_images[t]->bytes, theme_images[t]->length);
        background_theme = t;
    }
    copy_to(textures.background, 24, 48, 720, 576);
}

void draw_side_frames()
{
    copy_to(textures.side_frame, 0, 48, 24, 576);
    SDL_Rect right = {744, 48, 24, 576};
    SDL_RenderCopyEx(textures.renderer, textures.side_frame, nullptr, &right, 0.0, nullptr, SDL_FLIP_HORIZONTAL);
    copy_to(textures.bottom_frame, 0, 624, 768, 24);
    note_drawn(DRAWN_BAR, 0, float_rect(0, 624, 768, 24));
}

void draw_bars()
{
    copy_to(textures.top_bar, 0, 0, 768, 48);
    copy_to(textures.bottom_bar, 0, 648, 768, 24);
    note_drawn(DRAWN_BAR, 0, float_rect(0, 0, 768, 48));
    note_drawn(DRAWN_BAR, 0, float_rect(0, 648, 768, 24));
}

void draw_band(int32_t y, int32_t h)
{
    copy_to(textures.band, 0, y, 768, h);
    note_drawn(DRAWN_BAND, 0, float_rect(0, y, 768, h));
}

void draw_logo(int32_t x, int32_t y)
{
    copy_to(textures.logo, x - 300, y, 600, 120);
    note_drawn(DRAWN_LOGO, 0, float_rect(x - 300, y, 600, 120));
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
