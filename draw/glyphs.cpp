// The two bitmap glyph fonts: UTF-8 reading, glyph lookup, text width and
// drawing glyph text from the sheets.
#include "draw/glyph_tables.h"
#include "draw/local.h"

const GlyphFont glyph_fonts[2] = {
    {glyph_advance_small, glyph_sheet_x_small, glyph_sheet_y_small, 28},
    {glyph_advance_big, glyph_sheet_x_big, glyph_sheet_y_big, 47},
};

// Neighbouring glyph boxes overlap by this much, so that the dark edges of
// two letters touch instead of leaving a gap.
static const int GLYPH_OVERLAP = 5;

// Reads one code point at *p and moves *p past it. Glyph text is drawn, not
// checked: a sequence of one to three bytes counts by the code point its bits
// give even when it is not well formed; anything else (a stray byte, a
// four-byte sequence, one cut short by the end) becomes "?", one byte at a
// time.
static int32_t next_code(const unsigned char** p)
{
    const Utf8Char u = utf8_read(*p);
    if (u.length == 0 || u.length > 3) {
        *p += 1;
        return '?';
    }
    *p += u.length;
    return u.code;
}

int32_t find_glyph(int32_t code)
{
    int low = 0, high = GLYPH_COUNT - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        if (glyph_codes[middle] == code)
            return middle;
        if (glyph_codes[middle] > code)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return GLYPH_QUESTION;
}

static const GlyphFont& font_of(int32_t font)
{
    return glyph_fonts[font != 0];
}

SDL_Rect glyph_cell(const GlyphFont& font, int32_t glyph)
{
    return SDL_Rect{font.glyph_sheet_x[glyph], font.glyph_sheet_y[glyph], 2 * font.glyph_advance[glyph], 2 * font.height};
}

int32_t text_width(const char* text, int32_t font)
{
    const GlyphFont& f = font_of(font);
    const unsigned char* p = (const unsigned char*)text;
    int32_t width = GLYPH_OVERLAP;
    while (*p)
        width += f.glyph_advance[find_glyph(next_code(&p))] - GLYPH_OVERLAP;
    return width;
}

// Tints the texture a glyph comes from, once for each texture a text uses.
static void tint(SDL_Texture* texture, uint32_t colour)
{
    SDL_SetTextureColorMod(texture, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    SDL_SetTextureAlphaMod(texture, (colour >> 24) & 0xFF);
}

int32_t draw_text_scaled(const char* text, int32_t font, int32_t align, uint32_t colour, float x, float y, float scale)
{
    const GlyphFont& f = font_of(font);
    BandedPicture* sheet = font ? &textures.font_big : &textures.font_small;
    float width = (float)text_width(text, font) * scale;
    if (align == ALIGN_RIGHT)
        x -= width;
    else if (align == ALIGN_CENTRE)
        x -= 0.5f * width;
    float height = (float)f.height * scale;
    if (drawn_layout && drawn_layout->depth == 0)
        note_line();
    SDL_Texture* tinted = nullptr;
    const unsigned char* p = (const unsigned char*)text;
    while (*p) {
        int32_t g = find_glyph(next_code(&p));
        int32_t a = f.glyph_advance[g];
        SDL_Rect src;
        const HalfCopy* half = nullptr;
        SDL_Texture* band = band_texture(sheet, glyph_cell(f, g), &src, &half);
        SDL_FRect dst = {x, y, (float)a * scale, height};
        if (band) {
            // A glyph may come from the band's half copy, which takes the same tint.
            if (band != tinted) {
                tint(band, colour);
                if (half->half && half->source == band)
                    tint(half->half, colour);
                tinted = band;
            }
            SDL_RenderCopyF(textures.renderer, copy_source(*half, band, &src, dst), &src, &dst);
        }
        note_drawn(DRAWN_GLYPH, (font != 0) * GLYPH_COUNT + g, dst);
        x += (float)(a - GLYPH_OVERLAP) * scale;
    }
    return (int32_t)width;
}

int32_t draw_text(const char* text, int32_t x, int32_t y, int32_t font, int32_t align, uint32_t colour)
{
    return draw_text_scaled(text, font, align, colour, (float)x, (float)y, 1.0f);
}
