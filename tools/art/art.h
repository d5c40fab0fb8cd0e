// Shared drawing helpers of the art generators: the game's palette, lit and
// outlined fills in the house style, and PNG writing.
#pragma once

#include <cairo.h>
#include <cstdint>

// The palette, as 0xRRGGBB.
enum : uint32_t {
    OUTLINE = 0x152038,
    NAVY = 0x0B1A33,
    DEEP_BLUE = 0x17325C,
    ICE = 0x7EC8F0,
    PALE_ICE = 0xD8F1FF,
    SNOW = 0xF6FBFF,
    RED = 0xD7263D,
    PINE = 0x2E7D4F,
    GOLD = 0xF2B632,
    ORANGE = 0xF28C28,
    STONE = 0x5D6B82,
};

// Outline widths at drawing size (twice the size shown).
const double LINE = 4.0;
const double THIN = 2.6;

// Blends two colours: t = 0 gives a, 1 gives b.
uint32_t mix(uint32_t a, uint32_t b, double t);
// Towards white (highlight) or towards night navy (shade).
uint32_t lighter(uint32_t c, double t);
uint32_t darker(uint32_t c, double t);
// Sets the source colour.
void colour(cairo_t* cr, uint32_t c, double alpha = 1.0);
// Strokes the current path in the outline colour and clears it.
void outline(cairo_t* cr, double width = LINE, double alpha = 1.0);
// Fills the current path in one colour, then outlines it.
void fill_flat(cairo_t* cr, uint32_t c, double width = LINE, double alpha = 1.0);
// Fills the current path lit from the top left (highlight, base, shade)
// over the box (x0, y0)-(x1, y1), then outlines it; width 0 leaves no outline.
void fill_lit(cairo_t* cr, uint32_t c, double x0, double y0, double x1, double y1,
              double width = LINE, double alpha = 1.0);
// Path shapes.
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void round_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn_degrees);
// A small four-pointed glint, filled white.
void glint(cairo_t* cr, double cx, double cy, double size, double alpha = 1.0);
// A new surface: ARGB (transparent) or RGB (opaque).
cairo_surface_t* new_surface(int w, int h, bool alpha);
// Writes the surface as an 8-bit PNG (RGB or RGBA by the surface's format); false on failure.
bool save_png(cairo_surface_t* surface, const char* path);
