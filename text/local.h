// Shared inside text/: the tables translated-text drawing reads and its
// cached text-picture texture.
#pragma once
#include "text/text.h"

#include <SDL.h>
#include "draw/draw.h"

// The language tables translated-text drawing reads: language_table, unless
// a test puts tables of its own (32 records) in their place.
extern const LanguageInfo* text_languages;

// The most pieces of a text picture that are drawn, far more than any language's run lists name.
enum { MOST_PIECES = 1024 };

// The current language's text picture, kept packed and drawn a band at a time.
struct TextAtlas {
    int32_t language;       // whose picture it holds; -1 before the first and after a failure
    BandedPicture banded;   // its picture is the atlas's own
    SDL_Rect pieces[MOST_PIECES];
};
extern TextAtlas atlas;

// Frees the cached picture without destroying its textures, which go with their renderer.
void forget_atlas();
// Destroys the cached picture's textures, on a renderer still there, and frees the picture.
void drop_atlas();
