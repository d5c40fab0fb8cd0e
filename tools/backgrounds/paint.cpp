// The brushes of the background painter.
#include "paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

static const double TAU = 6.283185307179586;

Rgb hex(uint32_t rgb)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}

double rng_unit(Rng& rng)
{
    // splitmix64: tiny, fast and the same on every machine.
    uint64_t z = (rng.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return (z >> 11) * (1.0 / 9007199254740992.0);
}

double rng_range(Rng& rng, double lo, double hi)
{
    return lo + (hi - lo) * rng_unit(rng);
}

void set_colour(cairo_t* cr, Rgb c, double alpha)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void scaled_arc(cairo_t* cr, double x, double y, double angle, double sx, double sy, double r, double end)
{
    cairo_save(cr);
    if (x != 0 || y != 0)
        cairo_translate(cr, x, y);
    if (angle != 0)
        cairo_rotate(cr, angle);
    cairo_scale(cr, sx, sy);
    cairo_arc(cr, 0, 0, r, 0, end);
    cairo_restore(cr);
}

void source_vertical(cairo_t* cr, double y0, double y1, const Stop* stops, int count)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    for (int i = 0; i < count; i++)
        cairo_pattern_add_color_stop_rgba(p, stops[i].at, stops[i].colour.r, stops[i].colour.g,
                                          stops[i].colour.b, stops[i].alpha);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void fill_vertical(cairo_t* cr, double x, double y, double w, double h, const Stop* stops, int count)
{
    source_vertical(cr, y, y + h, stops, count);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void glow_ellipse(cairo_t* cr, double x, double y, double rx, double ry, Rgb c, double alpha, bool additive)
{
    if (rx <= 0 || ry <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    // A falloff close to a Gaussian: bright core, long soft skirt.
    for (int i = 0; i <= 8; i++) {
        double t = i / 8.0;
        double a = alpha * std::exp(-4.0 * t * t) * (1.0 - t);
        cairo_pattern_add_color_stop_rgba(p, t, c.r, c.g, c.b, a);
    }
    cairo_set_source(cr, p);
    if (additive)
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_arc(cr, 0, 0, 1, 0, TAU);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha, bool additive)
{
    glow_ellipse(cr, x, y, r, r, c, alpha, additive);
}

void stars(cairo_t* cr, Rng& rng, int count, double y0, double y1, double brightness)
{
    Rgb white = hex(0xF6FBFF), pale = hex(0xD8F1FF), warm = hex(0xFFF1D0);
    for (int i = 0; i < count; i++) {
        double x = rng_range(rng, 0, PIC_W);
        double t = rng_unit(rng);
        double y = y0 + (y1 - y0) * t * t;  // thicker high in the sky
        double size = rng_unit(rng);
        size = 1.2 + 3.0 * size * size * size;
        double a = brightness * (1.0 - 0.7 * t) * rng_range(rng, 0.35, 1.0);
        double pick = rng_unit(rng);
        Rgb c = pick < 0.6 ? white : pick < 0.85 ? pale : warm;
        glow(cr, x, y, size * 3.5, c, a * 0.35);
        set_colour(cr, c, a);
        cairo_arc(cr, x, y, size * 0.6, 0, TAU);
        cairo_fill(cr);
    }
}

void moon(cairo_t* cr, double x, double y, double r, Rgb c)
{
    glow(cr, x, y, r * 5.0, c, 0.22);
    glow(cr, x, y, r * 2.2, c, 0.25);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 0.97);
    cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.92, c.g * 0.92, c.b * 0.9);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, TAU);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A few faint seas, so that it reads as the moon and not a lamp.
    Rgb sea = scale(c, 0.86);
    glow_ellipse(cr, x + r * 0.28, y - r * 0.22, r * 0.3, r * 0.26, sea, 0.35, false);
    glow_ellipse(cr, x - r * 0.2, y - r * 0.32, r * 0.2, r * 0.16, sea, 0.3, false);
    glow_ellipse(cr, x + r * 0.05, y + r * 0.3, r * 0.22, r * 0.2, sea, 0.25, false);
}

void clouds(cairo_t* cr, Rng& rng, int count, double y, double spread, Rgb c, double alpha)
{
    for (int i = 0; i < count; i++) {
        double x = rng_range(rng, -200, PIC_W + 200);
        double cy = y + rng_range(rng, -spread, spread);
        double rx = rng_range(rng, 160, 420);
        glow_ellipse(cr, x, cy, rx, rx * rng_range(rng, 0.12, 0.22), c, alpha * rng_range(rng, 0.5, 1.0), false);
    }
}

void aurora(cairo_t* cr, Rng& rng, double y, double height, double sway, Rgb low, Rgb high, double alpha)
{
    double p1 = rng_range(rng, 0, TAU), p2 = rng_range(rng, 0, TAU), p3 = rng_range(rng, 0, TAU);
    double f1 = rng_range(rng, 1.0, 1.8), f2 = rng_range(rng, 2.5, 3.5);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (double x = -40; x < PIC_W + 40; x += 6) {
        double u = x / PIC_W;
        double base = y + sway * (std::sin(TAU * f1 * u + p1) + 0.4 * std::sin(TAU * f2 * u + p2));
        double hk = 0.55 + 0.45 * std::sin(TAU * 2.2 * u + p3);
        double h = height * (0.5 + 0.5 * hk);
        double a = alpha * (0.45 + 0.55 * hk) * (0.7 + 0.3 * std::sin(x * 0.031 + p2));
        cairo_pattern_t* p = cairo_pattern_create_linear(0, base - h, 0, base + 20);
        cairo_pattern_add_color_stop_rgba(p, 0, high.r, high.g, high.b, 0);
        cairo_pattern_add_color_stop_rgba(p, 0.55, high.r, high.g, high.b, a * 0.45);
        cairo_pattern_add_color_stop_rgba(p, 0.88, low.r, low.g, low.b, a);
        cairo_pattern_add_color_stop_rgba(p, 1, low.r, low.g, low.b, 0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, x, base - h, 7, h + 20);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_restore(cr);
}

static void ridge_path(cairo_t* cr, Rng& rng, double y, double amplitude, double waves)
{
    double p1 = rng_range(rng, 0, TAU), p2 = rng_range(rng, 0, TAU);
    cairo_move_to(cr, -10, PIC_H + 10);
    for (double x = -10; x <= PIC_W + 10; x += 8) {
        double u = x / PIC_W;
        double h = std::sin(TAU * waves * u + p1) + 0.35 * std::sin(TAU * waves * 2.7 * u + p2);
        cairo_line_to(cr, x, y - amplitude * h);
    }
    cairo_line_to(cr, PIC_W + 10, PIC_H + 10);
    cairo_close_path(cr);
}

void ridge(cairo_t* cr, Rng& rng, double y, double amplitude, double waves, Rgb top, Rgb bottom)
{
    ridge_path(cr, rng, y, amplitude, waves);
    Stop s[] = {{0, top, 1}, {1, bottom, 1}};
    source_vertical(cr, y - amplitude * 1.4, PIC_H, s, 2);
    cairo_fill(cr);
}

void hill(cairo_t* cr, double x0, double x1, double top_x, double top_y, double base_y, Rgb top, Rgb bottom)
{
    cairo_move_to(cr, x0, PIC_H + 10);
    cairo_line_to(cr, x0, base_y);
    cairo_curve_to(cr, x0 + (top_x - x0) * 0.5, base_y, top_x - (top_x - x0) * 0.35, top_y, top_x, top_y);
    cairo_curve_to(cr, top_x + (x1 - top_x) * 0.35, top_y, x1 - (x1 - top_x) * 0.5, base_y, x1, base_y);
    cairo_line_to(cr, x1, PIC_H + 10);
    cairo_close_path(cr);
    Stop s[] = {{0, top, 1}, {1, bottom, 1}};
    source_vertical(cr, top_y, PIC_H, s, 2);
    cairo_fill(cr);
}

void fir(cairo_t* cr, double x, double base, double height, Rgb body, Rgb snow, double snow_alpha)
{
    double w = height * 0.42;
    set_colour(cr, scale(body, 0.8));
    cairo_rectangle(cr, x - w * 0.06, base - height * 0.12, w * 0.12, height * 0.12);
    cairo_fill(cr);
    const int tiers = 4;
    for (int i = 0; i < tiers; i++) {
        double t0 = (double)i / tiers;
        double top = base - height * (0.25 + 0.75 * (i + 1) / tiers) - height * 0.05;
        double bottom = base - height * (0.1 + 0.72 * t0);
        double half = w * (1.0 - 0.6 * t0);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.3, top + (bottom - top) * 0.5, x + half * 0.8, bottom - 4, x + half, bottom);
        cairo_curve_to(cr, x + half * 0.5, bottom - (bottom - top) * 0.08, x - half * 0.5, bottom - (bottom - top) * 0.08, x - half, bottom);
        cairo_curve_to(cr, x - half * 0.8, bottom - 4, x - half * 0.3, top + (bottom - top) * 0.5, x, top);
        cairo_close_path(cr);
        set_colour(cr, body);
        cairo_fill_preserve(cr);
        if (snow_alpha > 0) {
            // Snow lies on the upper left of each tier, where the light falls.
            cairo_save(cr);
            cairo_clip(cr);
            cairo_pattern_t* p = cairo_pattern_create_linear(x - half, top, x + half * 0.4, bottom);
            cairo_pattern_add_color_stop_rgba(p, 0, snow.r, snow.g, snow.b, snow_alpha);
            cairo_pattern_add_color_stop_rgba(p, 0.55, snow.r, snow.g, snow.b, snow_alpha * 0.25);
            cairo_pattern_add_color_stop_rgba(p, 1, snow.r, snow.g, snow.b, 0);
            cairo_set_source(cr, p);
            cairo_paint(cr);
            cairo_pattern_destroy(p);
            cairo_restore(cr);
        } else {
            cairo_new_path(cr);
        }
    }
}

void fir_row(cairo_t* cr, Rng& rng, double x0, double x1, double y, double lo, double hi, Rgb body, Rgb snow, double snow_alpha)
{
    for (double x = x0; x < x1; x += rng_range(rng, lo * 0.22, lo * 0.42))
        fir(cr, x, y + rng_range(rng, -6, 10), rng_range(rng, lo, hi), body, snow, snow_alpha);
}

static void branch(cairo_t* cr, Rng& rng, double x, double y, double angle, double length, double width, int depth)
{
    double x2 = x + std::cos(angle) * length, y2 = y + std::sin(angle) * length;
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + (x2 - x) * 0.3 + rng_range(rng, -8, 8), y + (y2 - y) * 0.3, x + (x2 - x) * 0.7, y + (y2 - y) * 0.7 + rng_range(rng, -8, 8), x2, y2);
    cairo_stroke(cr);
    if (depth <= 0)
        return;
    int n = 2 + (rng_unit(rng) < 0.4);
    for (int i = 0; i < n; i++)
        branch(cr, rng, x2, y2, angle + rng_range(rng, -0.7, 0.7), length * rng_range(rng, 0.55, 0.75), width * 0.62, depth - 1);
}

void bare_tree(cairo_t* cr, Rng& rng, double x, double base, double height, Rgb c, double width)
{
    set_colour(cr, c);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    branch(cr, rng, x, base, -TAU / 4 + rng_range(rng, -0.08, 0.08), height * 0.42, width, 4);
}

void lit_window(cairo_t* cr, double x, double y, double w, double h, Rgb lit, Rgb frame, double glow_r)
{
    if (glow_r > 0)
        glow_ellipse(cr, x + w / 2, y + h / 2, glow_r + w, glow_r + h, lit, 0.28);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, lit.r, lit.g * 0.85, lit.b * 0.7);
    cairo_pattern_add_color_stop_rgb(p, 1, std::fmin(1, lit.r * 1.1), std::fmin(1, lit.g * 1.05), lit.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    set_colour(cr, frame, 0.85);
    double bar = std::fmax(2.0, w * 0.09);
    cairo_rectangle(cr, x + w / 2 - bar / 2, y, bar, h);
    cairo_rectangle(cr, x, y + h * 0.45 - bar / 2, w, bar);
    cairo_fill(cr);
}

void house(cairo_t* cr, Rng& rng, double x, double base, double w, double h, double roof, Rgb wall, Rgb roof_c, Rgb lit, double lit_share)
{
    double over = w * 0.06;
    set_colour(cr, wall);
    cairo_rectangle(cr, x, base - h, w, h);
    cairo_fill(cr);
    // Chimney, then the roof over it.
    if (rng_unit(rng) < 0.7) {
        double cx = x + w * rng_range(rng, 0.62, 0.78);
        set_colour(cr, scale(roof_c, 0.9));
        cairo_rectangle(cr, cx, base - h - roof * 0.95, w * 0.08, roof * 0.7);
        cairo_fill(cr);
    }
    cairo_move_to(cr, x - over, base - h);
    cairo_line_to(cr, x + w / 2, base - h - roof);
    cairo_line_to(cr, x + w + over, base - h);
    cairo_close_path(cr);
    set_colour(cr, roof_c);
    cairo_fill(cr);
    // The snow blanket on the roof.
    cairo_move_to(cr, x - over, base - h + 2);
    cairo_line_to(cr, x + w / 2, base - h - roof);
    cairo_line_to(cr, x + w + over, base - h + 2);
    cairo_curve_to(cr, x + w * 0.8, base - h - roof * 0.18, x + w * 0.6, base - h - roof * 0.55, x + w / 2, base - h - roof * 0.62);
    cairo_curve_to(cr, x + w * 0.4, base - h - roof * 0.55, x + w * 0.2, base - h - roof * 0.12, x - over, base - h + 2);
    cairo_close_path(cr);
    set_colour(cr, mix(hex(0xD8F1FF), roof_c, 0.45), 0.9);
    cairo_fill(cr);
    int cols = (int)std::fmax(1, std::floor(w / 70));
    int rows = (int)std::fmax(1, std::floor(h / 90));
    double ww = w / cols * 0.42, wh = h / rows * 0.42;
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++) {
            double wx = x + (c + 0.5) * w / cols - ww / 2, wy = base - h + (r + 0.42) * h / rows - wh / 2;
            if (rng_unit(rng) < lit_share)
                lit_window(cr, wx, wy, ww, wh, lit, scale(wall, 0.7), ww * 0.9);
            else {
                set_colour(cr, scale(wall, 0.6));
                cairo_rectangle(cr, wx, wy, ww, wh);
                cairo_fill(cr);
            }
        }
}

void snowfall(cairo_t* cr, Rng& rng, int count, double alpha)
{
    Rgb white = hex(0xF6FBFF);
    for (int i = 0; i < count; i++) {
        double x = rng_range(rng, 0, PIC_W), y = rng_range(rng, 0, PIC_H);
        double r = rng_unit(rng);
        r = 1.5 + 5.0 * r * r;
        glow(cr, x, y, r * 2.2, white, alpha * rng_range(rng, 0.4, 1.0), false);
    }
}

void candle(cairo_t* cr, double x, double base, double h, Rgb wax, double light)
{
    double w = h * 0.22;
    glow(cr, x, base - h - w * 1.2, h * 2.6, hex(0xF28C28), 0.35 * light);
    glow(cr, x, base - h - w * 1.2, h * 0.9, hex(0xF2B632), 0.45 * light);
    Stop s[] = {{0, wax, 1}, {1, scale(wax, 0.65), 1}};
    cairo_pattern_t* p = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
    for (const Stop& st : s)
        cairo_pattern_add_color_stop_rgb(p, st.at, st.colour.r, st.colour.g, st.colour.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x - w / 2, base - h, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    double fy = base - h - w * 0.25;
    cairo_move_to(cr, x, fy - w * 1.9);
    cairo_curve_to(cr, x + w * 0.55, fy - w * 0.9, x + w * 0.45, fy, x, fy);
    cairo_curve_to(cr, x - w * 0.45, fy, x - w * 0.55, fy - w * 0.9, x, fy - w * 1.9);
    set_colour(cr, hex(0xFFE9A8));
    cairo_fill(cr);
}

void reindeer(cairo_t* cr, double x, double base, double s, int dir, Rgb c)
{
    cairo_save(cr);
    cairo_translate(cr, x, base);
    cairo_scale(cr, s * dir, s);
    set_colour(cr, c);
    // Body, neck and head, in units of one body length of 100.
    scaled_arc(cr, 0, -62, 0, 1, 0.42, 48, TAU);
    cairo_fill(cr);
    cairo_move_to(cr, 28, -72);
    cairo_line_to(cr, 52, -112);
    cairo_line_to(cr, 66, -108);
    cairo_line_to(cr, 46, -60);
    cairo_close_path(cr);
    cairo_fill(cr);
    scaled_arc(cr, 66, -112, 0.35, 1, 0.55, 17, TAU);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 8);
    double legs[4][2] = {{-34, -10}, {-22, 6}, {24, -6}, {36, 10}};
    for (auto& l : legs) {
        cairo_move_to(cr, l[0], -55);
        cairo_line_to(cr, l[0] + l[1] * 0.5, -30);
        cairo_line_to(cr, l[0] + l[1], 0);
    }
    cairo_stroke(cr);
    // Antlers.
    cairo_set_line_width(cr, 4.5);
    cairo_move_to(cr, 60, -122);
    cairo_curve_to(cr, 54, -145, 40, -152, 30, -160);
    cairo_move_to(cr, 50, -142);
    cairo_line_to(cr, 58, -158);
    cairo_move_to(cr, 40, -152);
    cairo_line_to(cr, 42, -168);
    cairo_move_to(cr, 66, -124);
    cairo_curve_to(cr, 70, -146, 62, -158, 56, -170);
    cairo_move_to(cr, 66, -146);
    cairo_line_to(cr, 76, -158);
    cairo_stroke(cr);
    // Tail.
    cairo_arc(cr, -48, -70, 7, 0, TAU);
    cairo_fill(cr);
    cairo_restore(cr);
}

void sleigh(cairo_t* cr, double x, double base, double s, int dir, Rgb body, Rgb trim)
{
    cairo_save(cr);
    cairo_translate(cr, x, base);
    cairo_scale(cr, s * dir, s);
    // Runner with its curl at the front.
    set_colour(cr, trim);
    cairo_set_line_width(cr, 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, -70, -4);
    cairo_line_to(cr, 60, -4);
    cairo_curve_to(cr, 90, -4, 92, -30, 72, -30);
    cairo_stroke(cr);
    cairo_move_to(cr, -40, -4);
    cairo_line_to(cr, -40, -22);
    cairo_move_to(cr, 40, -4);
    cairo_line_to(cr, 40, -22);
    cairo_stroke(cr);
    // Body.
    cairo_move_to(cr, -80, -80);
    cairo_curve_to(cr, -84, -40, -70, -22, -40, -22);
    cairo_line_to(cr, 50, -22);
    cairo_curve_to(cr, 70, -22, 78, -40, 72, -56);
    cairo_line_to(cr, 20, -56);
    cairo_line_to(cr, 6, -70);
    cairo_line_to(cr, -54, -70);
    cairo_curve_to(cr, -60, -90, -72, -96, -80, -80);
    cairo_close_path(cr);
    set_colour(cr, body);
    cairo_fill(cr);
    // Santa: coat, head and cap, and the sack behind him.
    set_colour(cr, scale(body, 0.8));
    cairo_arc(cr, -42, -86, 26, 0, TAU);
    cairo_fill(cr);
    set_colour(cr, body);
    cairo_arc(cr, -8, -82, 20, 0, TAU);
    cairo_fill(cr);
    set_colour(cr, trim);
    cairo_arc(cr, -6, -108, 12, 0, TAU);
    cairo_fill(cr);
    set_colour(cr, body);
    cairo_move_to(cr, -18, -112);
    cairo_curve_to(cr, -10, -136, 6, -134, 12, -118);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void elf(cairo_t* cr, double x, double base, double s, Rgb coat, Rgb cap)
{
    cairo_save(cr);
    cairo_translate(cr, x, base);
    cairo_scale(cr, s, s);
    set_colour(cr, coat);
    cairo_move_to(cr, -16, 0);
    cairo_curve_to(cr, -18, -20, -14, -36, 0, -38);
    cairo_curve_to(cr, 14, -36, 18, -20, 16, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_colour(cr, mix(coat, hex(0xF2C9A8), 0.6));
    cairo_arc(cr, 0, -46, 10, 0, TAU);
    cairo_fill(cr);
    // Muted, so that a painted elf never passes for the hero in his red hood.
    Rgb hat = mix(cap, coat, 0.35);
    set_colour(cr, hat);
    cairo_move_to(cr, -12, -48);
    cairo_curve_to(cr, -8, -66, 4, -74, 18, -70);
    cairo_curve_to(cr, 8, -64, 10, -56, 12, -48);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_colour(cr, mix(hex(0xF6FBFF), hat, 0.4));
    cairo_arc(cr, 18, -70, 4, 0, TAU);
    cairo_fill(cr);
    cairo_restore(cr);
}

void present(cairo_t* cr, double x, double base, double w, double h, Rgb paper, Rgb ribbon)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x, base - h, x + w, base);
    cairo_pattern_add_color_stop_rgb(p, 0, paper.r * 1.1, paper.g * 1.1, paper.b * 1.1);
    cairo_pattern_add_color_stop_rgb(p, 1, paper.r * 0.7, paper.g * 0.7, paper.b * 0.7);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, base - h, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    set_colour(cr, ribbon);
    double rb = std::fmax(4, w * 0.1);
    cairo_rectangle(cr, x + w / 2 - rb / 2, base - h, rb, h);
    cairo_rectangle(cr, x, base - h * 0.55 - rb / 2, w, rb);
    cairo_fill(cr);
    cairo_set_line_width(cr, rb * 0.7);
    cairo_move_to(cr, x + w / 2, base - h);
    cairo_curve_to(cr, x + w * 0.2, base - h - w * 0.3, x + w * 0.15, base - h + 4, x + w / 2, base - h);
    cairo_curve_to(cr, x + w * 0.8, base - h - w * 0.3, x + w * 0.85, base - h + 4, x + w / 2, base - h);
    cairo_stroke(cr);
}

static void heart_path(cairo_t* cr)
{
    // Unit heart, point down at (0, 1): two lobes on a square turned 45 degrees.
    cairo_move_to(cr, 0, 1);
    cairo_line_to(cr, -0.72, 0.0);
    cairo_arc(cr, -0.36, -0.36, 0.509, TAU * 0.375, TAU * 0.875);
    cairo_arc(cr, 0.36, -0.36, 0.509, TAU * 0.625, TAU * 1.125);
    cairo_close_path(cr);
}

void woven_heart(cairo_t* cr, double x, double y, double s, double angle, Rgb a, Rgb b)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, s, s);
    heart_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    set_colour(cr, a);
    cairo_paint(cr);
    // The weave: strips along the two diagonals, crossing in a checker.
    cairo_rotate(cr, TAU / 8);
    set_colour(cr, b);
    for (int i = -4; i < 4; i++)
        for (int j = -4; j < 4; j++)
            if ((i + j) & 1) {
                cairo_rectangle(cr, i * 0.3, j * 0.3, 0.3, 0.3);
            }
    cairo_fill(cr);
    cairo_restore(cr);
    heart_path(cr);
    cairo_set_line_width(cr, 0.05);
    set_colour(cr, scale(a, 0.6), 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void bowl(cairo_t* cr, double x, double y, double w, double h, Rgb c, Rgb filling)
{
    set_colour(cr, filling);
    scaled_arc(cr, x, y, 0, w / 2, h * 0.18, 1, TAU);
    cairo_fill(cr);
    cairo_move_to(cr, x - w / 2, y);
    cairo_curve_to(cr, x - w / 2, y + h * 0.8, x - w * 0.2, y + h, x, y + h);
    cairo_curve_to(cr, x + w * 0.2, y + h, x + w / 2, y + h * 0.8, x + w / 2, y);
    cairo_curve_to(cr, x + w * 0.2, y + h * 0.22, x - w * 0.2, y + h * 0.22, x - w / 2, y);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, c.r * 1.05, c.g * 1.05, c.b * 1.05);
    cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.6, c.g * 0.6, c.b * 0.6);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

static void window_outline(cairo_t* cr, double x, double y, double w, double h, double arch)
{
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + arch);
    if (arch > 0)
        cairo_curve_to(cr, x, y, x + w, y, x + w, y + arch);
    else
        cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
}

void window_view(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const Stop* sky, int count, double star_brightness, double arch)
{
    cairo_save(cr);
    window_outline(cr, x, y, w, h, arch);
    cairo_clip(cr);
    fill_vertical(cr, x, y, w, h, sky, count);
    if (star_brightness > 0) {
        for (int i = 0; i < (int)(w * h / 2500); i++) {
            double sx = x + rng_range(rng, 0, w), sy = y + rng_range(rng, 0, h * 0.7);
            glow(cr, sx, sy, rng_range(rng, 3, 7), hex(0xF6FBFF), star_brightness * rng_range(rng, 0.3, 1));
        }
    }
    // Snow lying outside on the ground far below.
    Stop snow[] = {{0, hex(0x8FB0D0), 0.0}, {1, hex(0xB8D0E6), 0.55}};
    fill_vertical(cr, x, y + h * 0.78, w, h * 0.22, snow, 2);
    cairo_restore(cr);
}

void window_frame(cairo_t* cr, double x, double y, double w, double h, Rgb frame, double arch)
{
    set_colour(cr, frame);
    double bar = std::fmax(6, w * 0.045);
    cairo_set_line_width(cr, bar * 1.6);
    window_outline(cr, x, y, w, h, arch);
    cairo_stroke(cr);
    cairo_rectangle(cr, x + w / 2 - bar / 2, y + arch * 0.25, bar, h - arch * 0.25);
    cairo_rectangle(cr, x, y + h * 0.5 - bar / 2, w, bar);
    cairo_fill(cr);
    // The sill.
    set_colour(cr, scale(frame, 1.15));
    cairo_rectangle(cr, x - bar * 2, y + h, w + bar * 4, bar * 1.8);
    cairo_fill(cr);
}

void room_window(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const Stop* sky, int count, Rgb frame, double star_brightness, double arch)
{
    window_view(cr, rng, x, y, w, h, sky, count, star_brightness, arch);
    window_frame(cr, x, y, w, h, frame, arch);
}

void floor_boards(cairo_t* cr, double y, Rgb near_c, Rgb far_c)
{
    Stop s[] = {{0, far_c, 1}, {1, near_c, 1}};
    fill_vertical(cr, 0, y, PIC_W, PIC_H - y, s, 2);
    set_colour(cr, scale(far_c, 0.7), 0.5);
    cairo_set_line_width(cr, 2.5);
    // Boards run towards a vanishing point above the middle of the room.
    double vx = PIC_W / 2, vy = y - 600;
    for (int i = -14; i <= 14; i++) {
        double bx = PIC_W / 2 + i * 140;
        double t = (y - vy) / (PIC_H - vy);
        cairo_move_to(cr, vx + (bx - vx) * t, y);
        cairo_line_to(cr, bx, PIC_H);
    }
    cairo_stroke(cr);
}

// Three box blurs in a row come close to a Gaussian of the same width.
static void box_blur(std::vector<float>& ch, std::vector<float>& tmp, int w, int h, int radius)
{
    float k = 1.0f / (2 * radius + 1);
    for (int y = 0; y < h; y++) {
        float* row = &ch[(size_t)y * w];
        float* out = &tmp[(size_t)y * w];
        float sum = 0;
        for (int i = -radius; i <= radius; i++)
            sum += row[std::min(std::max(i, 0), w - 1)];
        for (int x = 0; x < w; x++) {
            out[x] = sum * k;
            sum += row[std::min(x + radius + 1, w - 1)] - row[std::max(x - radius, 0)];
        }
    }
    for (int x = 0; x < w; x++) {
        float sum = 0;
        for (int i = -radius; i <= radius; i++)
            sum += tmp[(size_t)std::min(std::max(i, 0), h - 1) * w + x];
        for (int y = 0; y < h; y++) {
            ch[(size_t)y * w + x] = sum * k;
            sum += tmp[(size_t)std::min(y + radius + 1, h - 1) * w + x] - tmp[(size_t)std::max(y - radius, 0) * w + x];
        }
    }
}

// Lightness above the knee is kept only in part.
static const float KNEE = 0.5f, KNEE_SLOPE = 0.3f;

void finish_picture(cairo_surface_t* surface, const Calm& calm, Rng& rng, unsigned char* rgb)
{
    cairo_surface_flush(surface);
    const int w = PIC_W, h = PIC_H;
    unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    std::vector<float> ch[3], tmp((size_t)w * h);
    for (int c = 0; c < 3; c++)
        ch[c].resize((size_t)w * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t px = *(const uint32_t*)(data + (size_t)y * stride + 4 * x);
            ch[0][(size_t)y * w + x] = ((px >> 16) & 255) / 255.0f;
            ch[1][(size_t)y * w + x] = ((px >> 8) & 255) / 255.0f;
            ch[2][(size_t)y * w + x] = (px & 255) / 255.0f;
        }
    // Soft edges everywhere: a painting, not a diagram.
    for (int c = 0; c < 3; c++)
        for (int pass = 0; pass < 3; pass++)
            box_blur(ch[c], tmp, w, h, 2);
    double mean[3] = {0, 0, 0};
    for (int c = 0; c < 3; c++) {
        for (float v : ch[c])
            mean[c] += v;
        mean[c] /= (double)w * h;
    }
    float haze[3] = {(float)calm.haze.r, (float)calm.haze.g, (float)calm.haze.b};
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            size_t i = (size_t)y * w + x;
            float v[3] = {ch[0][i], ch[1][i], ch[2][i]};
            float grey = 0.3f * v[0] + 0.59f * v[1] + 0.11f * v[2];
            // The play field covers the whole picture, its busiest part the
            // middle: the haze is strongest there and thins to the edges.
            double dx = (x - w * 0.5) / (w * 0.5), dy = (y - h * 0.52) / (h * 0.5);
            double d = dx * dx * 0.8 + dy * dy;
            float hz = (float)(calm.haze_amount * std::exp(-1.6 * d));
            // White belongs to the figures: the brightest parts of the
            // painting are pressed down below them.
            float lift = 1.0f;
            if (grey > KNEE)
                lift = (KNEE + (grey - KNEE) * KNEE_SLOPE) / grey;
            for (int c = 0; c < 3; c++)
                v[c] *= lift;
            grey *= lift;
            for (int c = 0; c < 3; c++) {
                float s = v[c] + (grey - v[c]) * (float)calm.desaturate;
                s = s + ((float)mean[c] - s) * (float)calm.flatten;
                s = s + (haze[c] - s) * hz;
                // A whisper of grain keeps the gradients from banding.
                s += (float)((rng_unit(rng) + rng_unit(rng) - 1.0) * 1.2 / 255.0);
                int q = (int)std::lround(s * 255.0f);
                rgb[i * 3 + c] = (unsigned char)std::min(255, std::max(0, q));
            }
        }
}
