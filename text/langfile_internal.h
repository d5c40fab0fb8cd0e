// The reader of the language files, for the generator of the text tables and
// the tests that check the files. The game itself is built with the tables.
#pragma once
#include "text/text.h"

// One language file parsed: its texts point into store.
struct LanguageFile {
    const char* texts[MESSAGE_COUNT];
    char error[192];
    char store[65536];
};

// Parses the text of a language file; 0, or -1 with a message naming the line in error.
int32_t parse_language_file(const char* text, uint32_t size, LanguageFile* file);
