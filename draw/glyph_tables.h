// The glyph fonts' tables that tools/glyphs writes into
// data/glyphs/glyph_tables.cpp. That file includes this header, so a table of
// another size or type than the fonts read fails to compile.
#pragma once
#include "draw/draw.h"

// Per font, each glyph's advance in screen pixels and the top-left corner of
// its cell in the font's sheet; glyph_codes (draw/draw.h) gives the code points.
extern const int16_t glyph_advance_small[GLYPH_COUNT];
extern const int16_t glyph_sheet_x_small[GLYPH_COUNT];
extern const int16_t glyph_sheet_y_small[GLYPH_COUNT];
extern const int16_t glyph_advance_big[GLYPH_COUNT];
extern const int16_t glyph_sheet_x_big[GLYPH_COUNT];
extern const int16_t glyph_sheet_y_big[GLYPH_COUNT];
