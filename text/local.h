// Shared inside text/: the tables translated-text drawing reads, its cached
// text-picture texture, and the reader of message references.
#pragma once
#include "text/text.h"

#include <SDL.h>

// The language tables translated-text drawing reads: language_table, unless
// a test puts tables of its own (32 records) in their place.
extern const LanguageInfo* text_languages;

// The texture of the current language's text picture, or null; made again when the language changes.
extern SDL_Texture* atlas_texture;
// The language whose picture atlas_texture holds; -1 before the first.
extern int32_t atlas_language;

// The message number a reference ("\x01" and a number) names, or -1 when it is not 0..117.
int32_t read_message_ref(const char* ref);
