// Shared inside text/: the tables translated-text drawing reads and its
// cached text-picture texture.
#pragma once
#include "text/text.h"

#include <SDL.h>
#include "draw/draw.h"

// The language tables translated-text drawing reads: language_table, unless
// a test puts tables of its own (32 records) in their place.
extern const LanguageInfo* text_languages;

// The texture of the current language's text picture, or null; made again when the language changes.
extern SDL_Texture* atlas_texture;
// The half copy of atlas_texture by its pieces, made with it (a half only on the software renderer).
extern HalfCopy atlas_half;
// The language whose picture atlas_texture holds; -1 before the first.
extern int32_t atlas_language;
