// The brushes of the background painter: colours, a fixed-seed random
// generator, gradients, lights and the shapes the 24 scenes are built from.
#pragma once

#include <cairo.h>
#include <cstdint>

constexpr int PIC_W = 1440, PIC_H = 1152;

struct Rgb {
    double r, g, b;
};

// Same seed, same picture: a small generator of our own, never rand().
struct Rng {
    uint64_t state;
};

// One colour stop of a gradient.
struct Stop {
    double at;
    Rgb colour;
    double alpha;
};

// How the finished picture is calmed: a haze colour the middle fades
// towards, and how strongly the whole is pulled to its own mean.
struct Calm {
    Rgb haze;
    double haze_amount;   // 0..1 in the middle of the picture
    double flatten;       // 0..1 of contrast taken away
    double desaturate;    // 0..1 of saturation taken away
};

Rgb hex(uint32_t rgb);
Rgb mix(Rgb a, Rgb b, double t);
Rgb scale(Rgb a, double k);

double rng_unit(Rng& rng);
double rng_range(Rng& rng, double lo, double hi);

void set_colour(cairo_t* cr, Rgb c, double alpha = 1.0);
// Adds to the path an arc from 0 to end radians of radius r, squashed by
// (sx, sy), turned by angle and centred on (x, y): an ellipse or part of one.
void scaled_arc(cairo_t* cr, double x, double y, double angle, double sx, double sy, double r, double end);
// A vertical linear gradient over the rectangle (x, y, w, h).
void fill_vertical(cairo_t* cr, double x, double y, double w, double h, const Stop* stops, int count);
// A vertical gradient as the current source for the next fill, from y0 to y1.
void source_vertical(cairo_t* cr, double y0, double y1, const Stop* stops, int count);
// A soft round light fading to nothing at radius r; added when additive.
void glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha, bool additive = true);
// A soft elliptic light, rx by ry.
void glow_ellipse(cairo_t* cr, double x, double y, double rx, double ry, Rgb c, double alpha, bool additive = true);
// Stars between y0 and y1, fewer and fainter towards y1.
void stars(cairo_t* cr, Rng& rng, int count, double y0, double y1, double brightness);
// The moon with its halo.
void moon(cairo_t* cr, double x, double y, double r, Rgb c);
// Soft drifting cloud banks along y.
void clouds(cairo_t* cr, Rng& rng, int count, double y, double spread, Rgb c, double alpha);
// Curtains of northern light along a wavy line at y, rising height.
void aurora(cairo_t* cr, Rng& rng, double y, double height, double sway, Rgb low, Rgb high, double alpha);
// A rolling ridge from the left to the right edge, filled down to the bottom.
void ridge(cairo_t* cr, Rng& rng, double y, double amplitude, double waves, Rgb top, Rgb bottom);
// A hill with one summit, filled down to the bottom.
void hill(cairo_t* cr, double x0, double x1, double top_x, double top_y, double base_y, Rgb top, Rgb bottom);
// A fir tree standing at (x, base), with snow laid on its branches.
void fir(cairo_t* cr, double x, double base, double height, Rgb body, Rgb snow, double snow_alpha);
// A row of firs along y with heights between lo and hi.
void fir_row(cairo_t* cr, Rng& rng, double x0, double x1, double y, double lo, double hi, Rgb body, Rgb snow, double snow_alpha);
// A bare birch or deciduous tree: trunk and forking branches.
void bare_tree(cairo_t* cr, Rng& rng, double x, double base, double height, Rgb c, double width);
// A house with a pitched, snow-covered roof and windows lit in warm light.
void house(cairo_t* cr, Rng& rng, double x, double base, double w, double h, double roof, Rgb wall, Rgb roof_c, Rgb lit, double lit_share);
// A lit window pane with a cross bar and a glow about it.
void lit_window(cairo_t* cr, double x, double y, double w, double h, Rgb lit, Rgb frame, double glow_r);
// Falling snow: soft flakes of a few sizes.
void snowfall(cairo_t* cr, Rng& rng, int count, double alpha);
// A candle with its flame and light.
void candle(cairo_t* cr, double x, double base, double h, Rgb wax, double light);
// A reindeer seen from the side, facing right (dir 1) or left (dir -1).
void reindeer(cairo_t* cr, double x, double base, double s, int dir, Rgb c);
// Santa's sleigh, runners at base, facing right or left.
void sleigh(cairo_t* cr, double x, double base, double s, int dir, Rgb body, Rgb trim);
// A small elf in a pointed cap, feet at base.
void elf(cairo_t* cr, double x, double base, double s, Rgb coat, Rgb cap);
// A wrapped present with its ribbon.
void present(cairo_t* cr, double x, double base, double w, double h, Rgb paper, Rgb ribbon);
// A woven paper heart of two colours, point down, centred at (x, y).
void woven_heart(cairo_t* cr, double x, double y, double s, double angle, Rgb a, Rgb b);
// A rounded bowl seen from the side, rim at y.
void bowl(cairo_t* cr, double x, double y, double w, double h, Rgb c, Rgb filling);
// What a window shows from inside: the sky in sky, stars, the snow below; arch rounds its top.
void window_view(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const Stop* sky, int count, double star_brightness, double arch);
// A window's frame, glazing bars and sill, drawn over its view.
void window_frame(cairo_t* cr, double x, double y, double w, double h, Rgb frame, double arch);
// A window seen from inside: its view, then its frame.
void room_window(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const Stop* sky, int count, Rgb frame, double star_brightness, double arch);
// Wooden boards across the floor from y down.
void floor_boards(cairo_t* cr, double y, Rgb near_c, Rgb far_c);

// Softens, calms and dithers a finished painting in place, then copies it
// out as packed 8-bit RGB rows.
void finish_picture(cairo_surface_t* surface, const Calm& calm, Rng& rng, unsigned char* rgb);
