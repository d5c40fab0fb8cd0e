// Draws the small and the big glyph sheet of the game's two bitmap fonts and
// writes their tables.
//
//   glyphs FONT.ttf DATA_DIR
//
// writes the small and the big sheet's pictures into DATA_DIR/pictures/ and
// DATA_DIR/glyphs/glyph_tables.cpp. Each glyph is drawn at twice its
// on-screen size into a cell twice its advance wide; cells follow each
// other in glyph order, left to right, a new row when the next would pass the
// sheet's width. Advances come from the font's own advance widths at the
// font's size plus a fixed allowance for the dark edge, so that the letters
// keep their natural proportions while the numbers that the screens rely on
// (space, "?", digits, "-", ".", ":", "A", "M", "W", "a", "m") come out as
// the layout of every screen expects; the tool checks them and fails when a
// different font would change them.
#include <cairo.h>
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "draw/sheet.h"
#include "text/picture_format.h"

namespace {

const int GLYPH_SHEET_WIDTH = 4096;
const int GLYPH_COUNT = 791;

struct FontStyle {
    const char* name;      // "small" or "big", for the tables' names
    int picture;           // built-in picture number of the sheet
    int cell_height;       // sheet pixels
    int rows;              // rows the sheet must fill exactly
    double em;             // em size in screen pixels
    double allowance;      // added to the scaled advance before truncation, screen pixels
    int baseline;          // baseline in the cell, sheet pixels
    int telling[11];       // advances of " ?0-.:AMWam"
};

// The baselines put the letters on the line where the text pictures' pieces
// stand (20 and 35 screen pixels below the top of a line).
const FontStyle fonts[2] = {
    {"small", PICTURE_FONT_SMALL, 56, 8, PIECE_EM[KIND_SMALL], 5.88, 40, {12, 16, 18, 13, 12, 13, 19, 23, 25, 18, 24}},
    {"big", PICTURE_FONT_BIG, 94, 12, PIECE_EM[KIND_BIG], 6.10, 70, {17, 25, 29, 20, 18, 19, 32, 39, 43, 28, 41}},
};
const char telling_chars[] = " ?0-.:AMWam";

const int code_ranges[][2] = {
    {0x0020, 0x007E}, {0x00A1, 0x024F}, {0x0384, 0x03CE}, {0x0400, 0x045F},
    {0x0490, 0x0491}, {0x1EA0, 0x1EF9}, {0x2013, 0x2013}, {0x2019, 0x2019},
};

// Outline colour of the house palette and the width of the edge at sheet size.
const double outline_rgb[3] = {0x15 / 255.0, 0x20 / 255.0, 0x38 / 255.0};
const double edge_width = 3.0;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "glyphs: %s\n", what.c_str());
    std::exit(1);
}

std::vector<int> all_codes()
{
    std::vector<int> codes;
    for (const auto& r : code_ranges)
        for (int c = r[0]; c <= r[1]; c++)
            codes.push_back(c);
    if ((int)codes.size() != GLYPH_COUNT)
        fail("the code ranges do not make 791 glyphs");
    return codes;
}

struct Sheet {
    std::vector<int> advance, x, y;
};

Sheet lay_out(FT_Face face, const FontStyle& style, const std::vector<int>& codes)
{
    Sheet s;
    int px = 0, py = 0;
    for (int code : codes) {
        FT_UInt index = FT_Get_Char_Index(face, code);  // 0: no character, the font's own blank
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE))
            fail("cannot load a glyph");
        double units = (double)face->glyph->advance.x;
        int a = (int)std::floor(units * style.em / face->units_per_EM + style.allowance);
        if (px + 2 * a > GLYPH_SHEET_WIDTH) {
            px = 0;
            py += style.cell_height;
        }
        s.advance.push_back(a);
        s.x.push_back(px);
        s.y.push_back(py);
        px += 2 * a;
    }
    int rows = py / style.cell_height + 1;
    if (rows != style.rows)
        fail(std::string("the ") + style.name + " sheet needs " + std::to_string(rows) +
             " rows, not " + std::to_string(style.rows));
    for (int i = 0; i < 11; i++) {
        int a = s.advance[telling_chars[i] - 0x20];
        if (a != style.telling[i])
            fail(std::string("the ") + style.name + " advance of '" + telling_chars[i] + "' is " +
                 std::to_string(a) + ", not " + std::to_string(style.telling[i]));
    }
    return s;
}

void draw_sheet(FT_Face face, const FontStyle& style, const std::vector<int>& codes,
                const Sheet& s, const std::string& path)
{
    int height = style.rows * style.cell_height;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, GLYPH_SHEET_WIDTH, height);
    cairo_t* cr = cairo_create(surface);
    cairo_font_face_t* font = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr, font);
    cairo_set_font_size(cr, 2.0 * style.em);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    for (size_t i = 0; i < codes.size(); i++) {
        FT_UInt index = FT_Get_Char_Index(face, codes[i]);
        if (index == 0 || codes[i] == ' ')
            continue;  // an empty cell keeps the layout of the whole range
        cairo_text_extents_t ext;
        cairo_glyph_t g = {index, 0.0, 0.0};
        cairo_glyph_extents(cr, &g, 1, &ext);
        double cell_w = 2.0 * s.advance[i];
        // Centre the glyph's advance in its cell; the cell is wider by the
        // allowance, which holds the dark edge and the overlap of neighbours.
        g.x = s.x[i] + std::round((cell_w - ext.x_advance) * 0.5);
        g.y = s.y[i] + style.baseline;
        cairo_save(cr);
        cairo_rectangle(cr, s.x[i], s.y[i], cell_w, style.cell_height);
        cairo_clip(cr);
        cairo_glyph_path(cr, &g, 1);
        cairo_set_source_rgb(cr, outline_rgb[0], outline_rgb[1], outline_rgb[2]);
        cairo_set_line_width(cr, 2.0 * edge_width);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        fail("cannot write " + path);
    cairo_font_options_destroy(options);
    cairo_destroy(cr);
    cairo_font_face_destroy(font);
    cairo_surface_destroy(surface);
}

void write_table(FILE* f, const char* type, const char* name, const std::vector<int>& v)
{
    // extern: a const table at namespace scope would otherwise be private to its file.
    std::fprintf(f, "extern const %s %s[%d] = {", type, name, GLYPH_COUNT);
    for (size_t i = 0; i < v.size(); i++)
        std::fprintf(f, "%s%d,", i % 12 ? " " : "\n    ", v[i]);
    std::fprintf(f, "\n};\n\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        fail("usage: glyphs FONT.ttf DATA_DIR");
    std::string data = argv[2];
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) || FT_New_Face(library, argv[1], 0, &face))
        fail(std::string("cannot open the font ") + argv[1]);

    std::vector<int> codes = all_codes();
    std::string tables_path = data + "/glyphs/glyph_tables.cpp";
    FILE* out = std::fopen(tables_path.c_str(), "w");
    if (!out)
        fail("cannot write " + tables_path);
    std::fprintf(out,
                 "// Generated by tools/glyphs (make assets) from DejaVu Sans Bold; do not edit.\n"
                 "// The glyph fonts' code points and, per font, each glyph's advance in screen\n"
                 "// pixels and the top-left corner of its cell in the font's sheet.\n"
                 "#include \"draw/glyph_tables.h\"\n\n");
    write_table(out, "int32_t", "glyph_codes", codes);
    for (const FontStyle& style : fonts) {
        Sheet s = lay_out(face, style, codes);
        char picture[64];
        std::snprintf(picture, sizeof picture, "/pictures/picture-%02d.png", style.picture);
        draw_sheet(face, style, codes, s, data + picture);
        write_table(out, "int16_t", (std::string("glyph_advance_") + style.name).c_str(), s.advance);
        write_table(out, "int16_t", (std::string("glyph_sheet_x_") + style.name).c_str(), s.x);
        write_table(out, "int16_t", (std::string("glyph_sheet_y_") + style.name).c_str(), s.y);
    }
    if (std::fclose(out) != 0)
        fail("cannot write " + tables_path);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return 0;
}
