// The text-picture generator's shared records: the run lists and pieces of one
// language, and the rendering of its pieces into one picture.
#pragma once
#include "text/picture_format.h"

#include <cstdint>
#include <string>
#include <vector>

struct Piece {
    PieceKind kind;
    std::string text;   // the literal stretch, spaces at its ends included
    int advance = 0;    // picture pixels; the rectangle is advance + 16 wide
    int shift = 0;      // of the letters to the right, to keep an overhang inside
    int x = 0, y = 0;   // top-left corner in the picture
};

struct LanguageTables {
    std::vector<int16_t> runs;
    uint16_t run_index[2 * 118];
    std::vector<Piece> pieces;  // piece n at n - 1
    int height = 0;             // of the picture
};

// How one language is lettered.
struct Lettering {
    const char* family;  // fontconfig family of the language's script
    double scale;        // size of that script against the Latin letters
    const char* pango_language;
    bool rtl;
};

[[noreturn]] void fail(const std::string& what);

// Builds the run lists and the pieces of one language from its 118 texts.
void build_lists(const char* const* texts, LanguageTables* tables);

// Places the pieces in rows by their advances and sets the picture height;
// false, after naming each on standard error, when a piece is wider than the picture.
bool pack_pieces(LanguageTables* tables, const char* code);

// Measures every piece's advance with the language's lettering.
void measure_pieces(const Lettering& lettering, LanguageTables* tables);

// Renders every piece into a 2048-wide grey-and-alpha picture and writes it as PNG.
void render_picture(const Lettering& lettering, const LanguageTables& tables, const std::string& path);
