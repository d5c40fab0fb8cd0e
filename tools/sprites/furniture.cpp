// Pictures 1 to 6: the carved, frosted frames round the play area, the top
// and bottom bars behind the head-up display, the band behind overlay texts
// and the title logo.
#include "tools/sprites/sprites.h"

#include <pango/pangocairo.h>
#include <cmath>
#include <string>

namespace {

const uint32_t MOULDING = 0x24497E;

void linear(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t a, uint32_t b,
            double alpha = 1.0)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, ((a >> 16) & 255) / 255.0, ((a >> 8) & 255) / 255.0,
                                      (a & 255) / 255.0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, ((b >> 16) & 255) / 255.0, ((b >> 8) & 255) / 255.0,
                                      (b & 255) / 255.0, alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t c, double width, double alpha = 1.0)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    colour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void gem(cairo_t* cr, double cx, double cy, double r, uint32_t c)
{
    cairo_move_to(cr, cx, cy - r);
    cairo_line_to(cr, cx + r, cy);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx - r, cy);
    cairo_close_path(cr);
    fill_lit(cr, c, cx - r, cy - r, cx + r, cy + r, THIN + 0.4);
    glint(cr, cx - r * 0.3, cy - r * 0.35, r * 0.45, 0.9);
}

// A raised moulding running along x (horizontal) between y0 and y1, in a
// coordinate system where "up" is the lit side.
void moulding(cairo_t* cr, double length, double y0, double y1)
{
    cairo_rectangle(cr, 0, y0, length, y1 - y0);
    linear(cr, 0, y0, 0, y1, lighter(MOULDING, 0.15), darker(MOULDING, 0.3));
    line(cr, 0, y0 + 1.5, length, y0 + 1.5, ICE, 3, 0.9);
    line(cr, 0, y1 - 1.5, length, y1 - 1.5, NAVY, 3);
    // A carved twist along the middle: slanted grooves, each with its lit
    // edge above and its shaded edge below.
    double mid = (y0 + y1) / 2, half = (y1 - y0) * 0.28;
    cairo_rectangle(cr, 0, mid - half, length, 2 * half);
    colour(cr, darker(MOULDING, 0.15));
    cairo_fill(cr);
    for (double x = -16; x < length + 16; x += 12) {
        line(cr, x, mid + half, x + 10, mid - half, darker(MOULDING, 0.6), 2.6);
        line(cr, x + 2.5, mid + half, x + 12.5, mid - half, lighter(MOULDING, 0.45), 1.4, 0.8);
    }
    line(cr, 0, mid - half, length, mid - half, NAVY, 1.5, 0.8);
    line(cr, 0, mid + half, length, mid + half, NAVY, 1.5, 0.8);
}

// Side frame, 48 x 1152: the screen's edge at x 0, the play area at x 48.
// Drawn as a horizontal strip turned a quarter, so that its light comes
// from the left and the frost lies on the play area's side.
bool side_frame(const std::string& dir)
{
    cairo_surface_t* s = new_surface(48, 1152, false);
    cairo_t* cr = cairo_create(s);
    cairo_rectangle(cr, 0, 0, 48, 1152);
    linear(cr, 0, 0, 48, 0, NAVY, DEEP_BLUE);
    cairo_save(cr);
    cairo_translate(cr, 0, 1152);
    cairo_rotate(cr, -M_PI / 2);
    moulding(cr, 1152, 6, 38);
    cairo_restore(cr);
    // A small ice gem at the height of every cell row.
    for (int row = 0; row < 12; row++)
        gem(cr, 22, 48 + 96 * row, 8, ICE);
    // Frost on the inner edge, then the dark seam against the play area.
    cairo_rectangle(cr, 38, 0, 10, 1152);
    linear(cr, 38, 0, 48, 0, PALE_ICE, SNOW);
    line(cr, 46.5, 0, 46.5, 1152, OUTLINE, 3);
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_SIDE_FRAME).c_str());
    cairo_surface_destroy(s);
    return ok;
}

void snow_drift(cairo_t* cr, double x0, double x1, double y, double depth, double period)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y - 4);
    for (double x = x0; x <= x1; x += 2)
        cairo_line_to(cr, x, y + depth * (0.6 + 0.4 * std::cos(2 * M_PI * x / period)));
    cairo_line_to(cr, x1, y - 4);
    cairo_close_path(cr);
    colour(cr, SNOW);
    cairo_fill_preserve(cr);
    cairo_new_path(cr);
    for (double x = x0; x <= x1; x += 2)
        cairo_line_to(cr, x, y + depth * (0.6 + 0.4 * std::cos(2 * M_PI * x / period)));
    outline(cr, 3);
}

void corner(cairo_t* cr, double cx, double cy)
{
    cairo_rectangle(cr, cx - 24, cy - 24, 48, 48);
    linear(cr, cx - 24, cy - 24, cx + 24, cy + 24, lighter(MOULDING, 0.1), NAVY);
    star(cr, cx, cy, 16, 7, 8, 0);
    fill_lit(cr, GOLD, cx - 16, cy - 16, cx + 16, cy + 16, THIN + 0.4);
    ellipse(cr, cx, cy, 5, 5);
    fill_flat(cr, RED, 2);
}

// Bottom frame, 1536 x 48, under the play area and both side frames.
bool bottom_frame(const std::string& dir)
{
    cairo_surface_t* s = new_surface(1536, 48, false);
    cairo_t* cr = cairo_create(s);
    cairo_rectangle(cr, 0, 0, 1536, 48);
    linear(cr, 0, 0, 0, 48, DEEP_BLUE, NAVY);
    moulding(cr, 1536, 12, 44);
    for (int c = 0; c < 15; c++)
        gem(cr, 96 + 96 * c, 28, 8, ICE);
    corner(cr, 24, 24);
    corner(cr, 1512, 24);
    // Snow lying along the play area's floor.
    snow_drift(cr, 48, 1488, 4, 8, 96);
    line(cr, 0, 1, 48, 1, OUTLINE, 3);
    line(cr, 1488, 1, 1536, 1, OUTLINE, 3);
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_BOTTOM_FRAME).c_str());
    cairo_surface_destroy(s);
    return ok;
}

// Top bar, 1536 x 96: a calm dark ground for the score and counters, closed
// at the bottom by a gold-trimmed moulding hung with frost.
bool top_bar(const std::string& dir)
{
    cairo_surface_t* s = new_surface(1536, 96, false);
    cairo_t* cr = cairo_create(s);
    cairo_rectangle(cr, 0, 0, 1536, 96);
    linear(cr, 0, 0, 0, 96, NAVY, DEEP_BLUE);
    line(cr, 0, 3, 1536, 3, ICE, 2, 0.35);
    cairo_rectangle(cr, 0, 76, 1536, 20);
    linear(cr, 0, 76, 0, 96, lighter(MOULDING, 0.1), darker(MOULDING, 0.3));
    line(cr, 0, 76.5, 1536, 76.5, GOLD, 3);
    line(cr, 0, 80, 1536, 80, darker(GOLD, 0.5), 1.2);
    for (int c = 0; c < 16; c++)
        gem(cr, 48 + 96 * c, 86, 6, c % 2 ? ICE : RED);
    // Frost scallops hanging from the gold line, one pair per cell.
    for (double x = 0; x < 1536; x += 48) {
        cairo_arc(cr, x + 24, 78, 10, 0, M_PI);
        cairo_close_path(cr);
        colour(cr, PALE_ICE, 0.25);
        cairo_fill(cr);
    }
    line(cr, 0, 94.5, 1536, 94.5, OUTLINE, 3);
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_TOP_BAR).c_str());
    cairo_surface_destroy(s);
    return ok;
}

// Bottom bar, 1536 x 48: the level's name is written on it.
bool bottom_bar(const std::string& dir)
{
    cairo_surface_t* s = new_surface(1536, 48, false);
    cairo_t* cr = cairo_create(s);
    cairo_rectangle(cr, 0, 0, 1536, 48);
    linear(cr, 0, 0, 0, 48, DEEP_BLUE, NAVY);
    line(cr, 0, 1.5, 1536, 1.5, OUTLINE, 3);
    line(cr, 0, 4.5, 1536, 4.5, GOLD, 3);
    line(cr, 0, 7.5, 1536, 7.5, darker(GOLD, 0.5), 1.2);
    line(cr, 0, 45, 1536, 45, ICE, 2, 0.3);
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_BOTTOM_BAR).c_str());
    cairo_surface_destroy(s);
    return ok;
}

// Band, 1536 x 200: translucent night blue with a frosted edge and a gold
// line at top and bottom; all detail runs across, so stretching it to any
// height only thickens or thins the lines.
bool band(const std::string& dir)
{
    cairo_surface_t* s = new_surface(1536, 200, true);
    cairo_t* cr = cairo_create(s);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 200);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 0.07, 0.15, 0.30, 0.86);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.10, 0.22, 0.40, 0.80);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0.05, 0.11, 0.23, 0.88);
    cairo_rectangle(cr, 0, 4, 1536, 192);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int side = 0; side < 2; side++) {
        double y = side ? 200 : 0, dir_y = side ? -1 : 1;
        cairo_rectangle(cr, 0, side ? 196 : 0, 1536, 4);
        colour(cr, OUTLINE, 0.9);
        cairo_fill(cr);
        line(cr, 0, y + dir_y * 5.5, 1536, y + dir_y * 5.5, PALE_ICE, 3, 0.95);
        line(cr, 0, y + dir_y * 9, 1536, y + dir_y * 9, GOLD, 2, 0.95);
        line(cr, 0, y + dir_y * 11, 1536, y + dir_y * 11, OUTLINE, 1.5, 0.6);
    }
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_BAND).c_str());
    cairo_surface_destroy(s);
    return ok;
}

// Title logo, 1200 x 240: "Frostova" in icy letters with snow on every
// upward face, icicles under the letters, holly and a few sparkles.
bool logo(const std::string& dir)
{
    cairo_surface_t* s = new_surface(1200, 240, true);
    cairo_t* cr = cairo_create(s);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Noto Sans Bold 120px");
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, "Frostova", -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double scale = std::fmin(1060.0 / ink.width, 150.0 / ink.height);
    double tx = 600 - (ink.x + ink.width / 2.0) * scale;
    double ty = 100 - (ink.y + ink.height / 2.0) * scale;
    double baseline = ty + pango_layout_get_baseline(layout) / double(PANGO_SCALE) * scale;
    cairo_save(cr);
    cairo_translate(cr, tx, ty);
    cairo_scale(cr, scale, scale);
    pango_cairo_layout_path(cr, layout);
    cairo_restore(cr);
    cairo_path_t* text = cairo_copy_path(cr);
    cairo_new_path(cr);

    // Soft ice glow, the dark edge, then the letters lit from above.
    cairo_append_path(cr, text);
    colour(cr, ICE, 0.35);
    cairo_set_line_width(cr, 30);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_append_path(cr, text);
    outline(cr, 13);
    cairo_append_path(cr, text);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, ty + ink.y * scale, 0, ty + (ink.y + ink.height) * scale);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.62, 0.86, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.40, 0.70, 0.94);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.14, 0.36, 0.72);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Snow: each letter less itself moved down, i.e. its upward faces.
    cairo_push_group(cr);
    cairo_append_path(cr, text);
    colour(cr, SNOW);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr, 0, 15);
    cairo_append_path(cr, text);
    cairo_fill(cr);
    cairo_identity_matrix(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // A shine along the upper half of the letters.
    cairo_save(cr);
    cairo_append_path(cr, text);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, ty + (ink.y + ink.height * 0.36) * scale, 1200, 4);
    colour(cr, 0xffffff, 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, text);
    outline(cr, 3.5);

    // Icicles where a letter stands on the baseline.
    for (double x = 120; x < 1100; x += 23) {
        cairo_append_path(cr, text);
        bool under = cairo_in_fill(cr, x, baseline - 3) && cairo_in_fill(cr, x - 6, baseline - 3) &&
                     cairo_in_fill(cr, x + 6, baseline - 3);
        cairo_new_path(cr);
        if (!under)
            continue;
        double len = 20 + 14 * std::fabs(std::sin(x * 0.37));
        cairo_move_to(cr, x - 7, baseline - 8);
        cairo_line_to(cr, x, baseline + len);
        cairo_line_to(cr, x + 7, baseline - 8);
        cairo_close_path(cr);
        fill_lit(cr, PALE_ICE, x - 7, baseline - 8, x + 7, baseline + len, 3.5);
    }
    // Holly on the first letter, sparkles round the word.
    double hx = tx + ink.x * scale + 18, hy = ty + ink.y * scale + 6;
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, side * 0.6 - 0.2);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 8, -10, 24, -12, 34, -4);
        cairo_curve_to(cr, 24, 4, 8, 8, 0, 0);
        cairo_restore(cr);
        fill_lit(cr, PINE, hx - 34, hy - 34, hx + 34, hy + 34, 3.5);
    }
    const double berries[3][2] = {{-6, 2}, {4, 6}, {-2, -6}};
    for (const auto& b : berries) {
        ellipse(cr, hx + b[0], hy + b[1], 6, 6);
        fill_lit(cr, RED, hx + b[0] - 6, hy + b[1] - 6, hx + b[0] + 6, hy + b[1] + 6, 3);
    }
    const double sparkles[5][3] = {{60, 50, 16}, {1140, 60, 14}, {1110, 190, 10}, {90, 200, 11}, {640, 18, 10}};
    for (const auto& g : sparkles) {
        star(cr, g[0], g[1], g[2] + 3, (g[2] + 3) * 0.3, 4, 0);
        colour(cr, OUTLINE, 0.6);
        cairo_fill(cr);
        glint(cr, g[0], g[1], g[2]);
    }
    cairo_path_destroy(text);
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    bool ok = save_png(s, picture_file(dir, PICTURE_LOGO).c_str());
    cairo_surface_destroy(s);
    return ok;
}

} // namespace

bool make_furniture(const char* dir)
{
    std::string d = dir;
    bool ok = side_frame(d);
    ok = bottom_frame(d) && ok;
    ok = top_bar(d) && ok;
    ok = bottom_bar(d) && ok;
    ok = band(d) && ok;
    ok = logo(d) && ok;
    return ok;
}
