// Shared inside text/: the tables translated-text drawing reads and its
// cached text-picture texture.
#pragma once
#include "text/text.h"

#include <SDL.h>
#include "draw/draw.h"

// The language tables translated-text drawing reads: language_table, unless
// a test puts tables of its own (32 records) in their place.
extern const LanguageInfo* text_languages;

// Pieces sit in bands of the text picture's rows by their tops; a band's
// texture holds its pieces whole, with a few rows more at each edge, so that
// filtering at a piece's edge reads the same neighbours as in the picture.
enum { ATLAS_BANDS = 64, ATLAS_BAND_ROWS = 128, ATLAS_BAND_EDGE = 2 };

// A band of the text picture, made into a texture when a piece in it is first drawn.
struct AtlasBand {
    SDL_Texture* texture;  // null until made
    HalfCopy half;         // of texture, by its pieces (a half only on the software renderer)
    int32_t top, rows;     // the picture's rows the texture holds; no rows when no piece lies in the band
};

// The current language's text picture, kept packed, and its bands.
struct TextAtlas {
    int32_t language;      // whose picture it holds; -1 before the first and after a failure
    PackedPicture picture;
    int32_t band_rows;     // a band's share of the picture's rows, by its pieces' tops
    AtlasBand bands[ATLAS_BANDS];
};
extern TextAtlas atlas;

// Drops the cached picture without destroying its textures, which go with their renderer.
void forget_atlas();
// Destroys the cached picture's textures, on a renderer still there, and drops the picture.
void drop_atlas();
