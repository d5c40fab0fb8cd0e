// Shared drawing helpers of the art generators.
#include "tools/art/art.h"

#include <cmath>
#include <cstdio>

static double channel(uint32_t c, int shift)
{
    return double((c >> shift) & 0xff) / 255.0;
}

uint32_t mix(uint32_t a, uint32_t b, double t)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        double v = channel(a, shift) * (1.0 - t) + channel(b, shift) * t;
        out |= uint32_t(std::lround(v * 255.0)) << shift;
    }
    return out;
}

uint32_t lighter(uint32_t c, double t)
{
    return mix(c, 0xffffff, t);
}

uint32_t darker(uint32_t c, double t)
{
    return mix(c, NAVY, t);
}

void colour(cairo_t* cr, uint32_t c, double alpha)
{
    cairo_set_source_rgba(cr, channel(c, 16), channel(c, 8), channel(c, 0), alpha);
}

void outline(cairo_t* cr, double width, double alpha)
{
    colour(cr, OUTLINE, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void fill_flat(cairo_t* cr, uint32_t c, double width, double alpha)
{
    colour(cr, c, alpha);
    if (width > 0) {
        cairo_fill_preserve(cr);
        outline(cr, width, alpha < 1.0 ? std::fmin(1.0, alpha + 0.25) : 1.0);
    } else {
        cairo_fill(cr);
    }
}

static void add_stop(cairo_pattern_t* p, double at, uint32_t c, double alpha)
{
    cairo_pattern_add_color_stop_rgba(p, at, channel(c, 16), channel(c, 8), channel(c, 0), alpha);
}

void fill_lit(cairo_t* cr, uint32_t c, double x0, double y0, double x1, double y1, double width, double alpha)
{
    double w = x1 - x0, h = y1 - y0;
    double cx = x0 + 0.32 * w, cy = y0 + 0.28 * h;
    double r = 0.95 * std::fmax(w, h);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, r);
    add_stop(p, 0.0, lighter(c, 0.55), alpha);
    add_stop(p, 0.38, c, alpha);
    add_stop(p, 1.0, darker(c, 0.42), alpha);
    cairo_set_source(cr, p);
    if (width > 0) {
        cairo_fill_preserve(cr);
        outline(cr, width, alpha < 1.0 ? std::fmin(1.0, alpha + 0.25) : 1.0);
    } else {
        cairo_fill(cr);
    }
    cairo_pattern_destroy(p);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
}

void round_rect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn_degrees)
{
    cairo_new_sub_path(cr);
    double turn = turn_degrees * M_PI / 180.0;
    for (int i = 0; i < 2 * points; i++) {
        double a = turn - M_PI / 2 + M_PI * i / points;
        double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void glint(cairo_t* cr, double cx, double cy, double size, double alpha)
{
    star(cr, cx, cy, size, size * 0.22, 4, 0.0);
    colour(cr, 0xffffff, alpha);
    cairo_fill(cr);
}

cairo_surface_t* new_surface(int w, int h, bool alpha)
{
    return cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h);
}

bool save_png(cairo_surface_t* surface, const char* path)
{
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, path) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    return true;
}
