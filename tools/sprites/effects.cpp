// The portal's swirl and the particles: puffs of snow and shards of ice.
#include "tools/sprites/sprites.h"

#include <cmath>

namespace {

void portal(cairo_t* cr, int frame)
{
    // Three arms turning a third of their spacing each frame: the four
    // frames loop without a jump.
    const double cx = 48, cy = 48;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 2, cx, cy, 40);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 0.95, 0.97, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 0.35, 0.45, 0.35, 0.85, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.85, 0.18, 0.12, 0.42, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0.10, 0.08, 0.25, 0.9);
    ellipse(cr, cx, cy, 40, 40);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    outline(cr);
    cairo_save(cr);
    ellipse(cr, cx, cy, 38, 38);
    cairo_clip(cr);
    for (int arm = 0; arm < 3; arm++) {
        double base = (arm * 120.0 + frame * 30.0) * M_PI / 180.0;
        cairo_new_path(cr);
        for (int i = 0; i <= 40; i++) {
            double t = i / 40.0;
            double a = base + t * 2.6;
            double r = 4 + 34 * t;
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const uint32_t arms[3] = {ICE, 0xB58CF0, PALE_ICE};
        colour(cr, arms[arm], 0.9);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    const double sparks[4][2] = {{20, 22}, {76, 26}, {74, 74}, {22, 72}};
    glint(cr, sparks[frame][0], sparks[frame][1], 8);
    ellipse(cr, cx, cy, 7, 7);
    colour(cr, 0xffffff);
    cairo_fill(cr);
}

void puff(cairo_t* cr, int frame)
{
    // Five little clouds spreading out, shrinking and fading.
    double spread = 9 + 5.4 * frame, r = 14 - 1.5 * frame, alpha = 1.0 - 0.16 * frame;
    for (int i = 0; i < 5; i++) {
        double a = (i * 72.0 + 18.0 + frame * 6.0) * M_PI / 180.0;
        double x = 48 + spread * std::cos(a), y = 52 + spread * std::sin(a) * 0.8;
        ellipse(cr, x, y, r, r * 0.9);
        fill_lit(cr, SNOW, x - r, y - r, x + r, y + r, 0, alpha);
        ellipse(cr, x, y, r, r * 0.9);
        colour(cr, DEEP_BLUE, 0.5 * alpha * alpha);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void shards(cairo_t* cr, int frame)
{
    // Six splinters flying outward and falling a little, turning as they go.
    double d = 6 + 5 * frame, alpha = 1.0 - 0.14 * frame;
    for (int i = 0; i < 6; i++) {
        double a = (i * 60.0 + 30.0) * M_PI / 180.0;
        double x = 48 + d * std::cos(a), y = 44 + d * std::sin(a) + 0.3 * frame * frame;
        double turn = a + frame * 0.6 * (i % 2 ? 1 : -1);
        double len = 11 - frame * 0.8;
        cairo_new_path(cr);
        for (int k = 0; k < 3; k++) {
            double b = turn + k * 2 * M_PI / 3;
            double r = k == 0 ? len : len * 0.5;
            cairo_line_to(cr, x + r * std::cos(b), y + r * std::sin(b));
        }
        cairo_close_path(cr);
        fill_lit(cr, 0xBFE9FF, x - len, y - len, x + len, y + len, THIN + 0.6, alpha);
    }
    if (frame < 3)
        glint(cr, 48, 48, 10 - 3 * frame);
}

} // namespace

void draw_effect(cairo_t* cr, int sprite)
{
    if (sprite >= SPRITE_PORTAL && sprite < SPRITE_PORTAL + PORTAL_FRAMES)
        portal(cr, sprite - SPRITE_PORTAL);
    else if (sprite >= SPRITE_PUFF && sprite < SPRITE_PUFF + PARTICLE_FRAMES)
        puff(cr, sprite - SPRITE_PUFF);
    else if (sprite >= SPRITE_SHARDS && sprite < SPRITE_SHARDS + PARTICLE_FRAMES)
        shards(cr, sprite - SPRITE_SHARDS);
}
