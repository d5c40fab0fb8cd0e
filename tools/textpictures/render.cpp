// Shaping and rendering of the pieces with pango (HarfBuzz) on cairo: white
// letters with a dark edge in the outline colour, at twice the drawn size.
#include "tools/textpictures/textpictures.h"

#include <pango/pangocairo.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Half the stroke of the dark edge, in picture pixels, as on the glyph sheets.
const double EDGE[PIECE_KINDS] = { 3.0, 3.0, 5.0 };
const double OUTLINE_RGB[3] = { 0x15 / 255.0, 0x20 / 255.0, 0x38 / 255.0 };
const char* const LATIN_FAMILY = "DejaVu Sans";
// Room around a piece on the scratch surface, to catch ink that leaves it.
const int SCRATCH_PAD = 96;

// Latin, Greek and Cyrillic letters, digits and ASCII signs: lettered in the
// Latin face whatever the language's script, so they match the glyph fonts.
bool latin_char(gunichar c) { return (c > 0x20 && c < 0x250) || (c >= 0x370 && c < 0x530); }

struct Shaper {
    PangoFontMap* map;
    PangoContext* context;
};

Shaper make_shaper(const Lettering& lettering)
{
    Shaper s;
    s.map = pango_cairo_font_map_new();
    s.context = pango_font_map_create_context(s.map);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(s.context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(s.context, FALSE);
    pango_context_set_language(s.context, pango_language_from_string(lettering.pango_language));
    return s;
}

void free_shaper(Shaper& s)
{
    g_object_unref(s.context);
    g_object_unref(s.map);
}

bool rtl_char(gunichar c) { return (c >= 0x590 && c < 0x900) || (c >= 0xFB1D && c < 0xFE00) || (c >= 0xFE70 && c < 0xFF00); }

// The direction is the language's, never guessed from a first letter: a
// right-to-left line that begins "Frostova" still runs right to left. Only a
// phrase wholly in another script, with no right-to-left letter and no space
// at its ends to keep on the reading side ("Слава Україні!"), keeps its own
// order, so its exclamation mark stays after its last word.
PangoDirection direction(const Lettering& lettering, const std::string& text)
{
    if (!lettering.rtl)
        return PANGO_DIRECTION_LTR;
    if (text.empty() || text.front() == ' ' || text.back() == ' ')
        return PANGO_DIRECTION_RTL;
    for (const char* p = text.c_str(); *p; p = g_utf8_next_char(p))
        if (rtl_char(g_utf8_get_char(p)))
            return PANGO_DIRECTION_RTL;
    return PANGO_DIRECTION_LTR;
}

PangoLayout* make_layout(const Shaper& s, const Lettering& lettering, const Piece& piece)
{
    pango_context_set_base_dir(s.context, direction(lettering, piece.text));
    PangoLayout* layout = pango_layout_new(s.context);
    pango_layout_set_auto_dir(layout, FALSE);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    double em = TEXT_PICTURE_SCALE * PIECE_EM[piece.kind];
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, lettering.family);
    pango_font_description_set_weight(desc, PANGO_WEIGHT_BOLD);
    pango_font_description_set_absolute_size(desc, em * lettering.scale * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, piece.text.c_str(), (int)piece.text.size());

    if (std::strcmp(lettering.family, LATIN_FAMILY) != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        const char* text = piece.text.c_str();
        const char* p = text;
        while (*p) {
            const char* start = p;
            while (*p && latin_char(g_utf8_get_char(p)))
                p = g_utf8_next_char(p);
            if (p > start) {
                PangoAttribute* family = pango_attr_family_new(LATIN_FAMILY);
                PangoAttribute* size = pango_attr_size_new_absolute((int)std::lround(em * PANGO_SCALE));
                family->start_index = size->start_index = (guint)(start - text);
                family->end_index = size->end_index = (guint)(p - text);
                pango_attr_list_insert(attrs, family);
                pango_attr_list_insert(attrs, size);
            } else {
                p = g_utf8_next_char(p);
            }
        }
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    if (pango_layout_get_unknown_glyphs_count(layout) > 0)
        fail("no face holds every letter of \"" + piece.text + "\"");
    return layout;
}

// Writes 8-bit grey with alpha, with nothing that changes from run to run.
void write_png(const std::string& path, const std::vector<uint8_t>& pixels, int width, int height)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        fail("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)))
        fail("cannot write " + path);
    png_init_io(png, f);
    png_set_compression_level(png, 9);
    // Rows are mostly empty ground: unfiltered they pack smaller than with
    // any row filter, and decode faster.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; y++)
        png_write_row(png, pixels.data() + (size_t)y * width * 2);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f) != 0)
        fail("cannot write " + path);
}

}  // namespace

void measure_pieces(const Lettering& lettering, LanguageTables* tables)
{
    Shaper s = make_shaper(lettering);
    for (Piece& p : tables->pieces) {
        PangoLayout* layout = make_layout(s, lettering, p);
        PangoRectangle ink, logical;
        pango_layout_get_extents(layout, &ink, &logical);
        // A letter may reach beyond its advance (a swash, a mark hung to the
        // side); the piece then grows so that its margin still holds the ink
        // with the edge and one clear pixel.
        double room = PIECE_MARGIN - EDGE[p.kind] - 1.0;
        double ink_left = (double)(ink.x - logical.x) / PANGO_SCALE;
        double ink_right = (double)(ink.x + ink.width - logical.x) / PANGO_SCALE;
        p.shift = ink.width > 0 ? std::max(0, (int)std::ceil(-ink_left - room)) : 0;
        int advance = (int)std::lround((double)logical.width / PANGO_SCALE) + p.shift;
        if (ink.width > 0)
            advance = std::max(advance, (int)std::ceil(p.shift + ink_right - room));
        p.advance = advance;
        g_object_unref(layout);
    }
    free_shaper(s);
}

void render_picture(const Lettering& lettering, const LanguageTables& tables, const std::string& path)
{
    Shaper s = make_shaper(lettering);
    std::vector<uint8_t> picture((size_t)TEXT_PICTURE_WIDTH * tables.height * 2, 0);
    for (const Piece& p : tables.pieces) {
        int w = p.advance + 2 * PIECE_MARGIN, h = PIECE_HEIGHT[p.kind];
        int sw = w + 2 * SCRATCH_PAD, sh = h + 2 * SCRATCH_PAD;
        cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, sw, sh);
        cairo_t* cr = cairo_create(scratch);
        pango_cairo_update_context(cr, s.context);
        PangoLayout* layout = make_layout(s, lettering, p);
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        int baseline = p.kind == KIND_TITLE ? TITLE_LETTER_BASELINE : PIECE_BASELINE[p.kind];
        double x = SCRATCH_PAD + PIECE_MARGIN + p.shift - (double)logical.x / PANGO_SCALE;
        double y = SCRATCH_PAD + baseline - (double)pango_layout_get_baseline(layout) / PANGO_SCALE;
        cairo_move_to(cr, x, y);
        pango_cairo_layout_path(cr, layout);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 2.0 * EDGE[p.kind]);
        cairo_set_source_rgb(cr, OUTLINE_RGB[0], OUTLINE_RGB[1], OUTLINE_RGB[2]);
        cairo_stroke_preserve(cr);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_fill(cr);
        cairo_surface_flush(scratch);

        const uint8_t* data = cairo_image_surface_get_data(scratch);
        int stride = cairo_image_surface_get_stride(scratch);
        for (int sy = 0; sy < sh; sy++) {
            const uint32_t* row = (const uint32_t*)(data + (size_t)sy * stride);
            for (int sx = 0; sx < sw; sx++) {
                uint32_t px = row[sx];
                uint32_t a = px >> 24;
                if (!a)
                    continue;
                int px_x = sx - SCRATCH_PAD, px_y = sy - SCRATCH_PAD;
                if (px_x < 0 || px_x >= w || px_y < 0 || px_y >= h)
                    fail("the ink of \"" + p.text + "\" leaves its piece at (" + std::to_string(px_x) + ", " +
                         std::to_string(px_y) + ") in " + path);
                // Premultiplied colour back to plain, then to grey.
                double r = ((px >> 16) & 0xFF) * 255.0 / a, g = ((px >> 8) & 0xFF) * 255.0 / a,
                       b = (px & 0xFF) * 255.0 / a;
                long grey = std::lround(0.299 * r + 0.587 * g + 0.114 * b);
                uint8_t* out = picture.data() + ((size_t)(p.y + px_y) * TEXT_PICTURE_WIDTH + p.x + px_x) * 2;
                out[0] = (uint8_t)(grey > 255 ? 255 : grey);
                out[1] = (uint8_t)a;
            }
        }
        g_object_unref(layout);
        cairo_destroy(cr);
        cairo_surface_destroy(scratch);
    }
    free_shaper(s);
    write_png(path, picture, TEXT_PICTURE_WIDTH, tables.height);
}
