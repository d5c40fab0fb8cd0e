// The cells of the play field and what joins them: ice, stone, slippery ice,
// the door, the shadow, snow caps and icicles. Blocks fill their whole cell,
// edge to edge, with half an outline on every side, so that neighbours meet
// in one seam of full width; they are only ever drawn at whole pixels.
#include "tools/sprites/sprites.h"

#include <cmath>

namespace {

const uint32_t WOOD = 0x8A4B2A;

void edge_outline(cairo_t* cr, double w, double h)
{
    cairo_rectangle(cr, 0.75, 0.75, w - 1.5, h - 1.5);
    outline(cr, 3.0);
}

void ice_block(cairo_t* cr, bool cracked)
{
    cairo_rectangle(cr, 0, 0, 96, 96);
    fill_lit(cr, 0x8FD4F4, 0, 0, 96, 96, 0, 0.9);
    // Bevel: light upper and left faces, shaded lower and right ones.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 96, 0);
    cairo_line_to(cr, 84, 12);
    cairo_line_to(cr, 12, 12);
    cairo_line_to(cr, 12, 84);
    cairo_line_to(cr, 0, 96);
    cairo_close_path(cr);
    colour(cr, PALE_ICE, 0.85);
    cairo_fill(cr);
    cairo_move_to(cr, 96, 0);
    cairo_line_to(cr, 96, 96);
    cairo_line_to(cr, 0, 96);
    cairo_line_to(cr, 12, 84);
    cairo_line_to(cr, 84, 84);
    cairo_line_to(cr, 84, 12);
    cairo_close_path(cr);
    colour(cr, 0x4A9BD0, 0.85);
    cairo_fill(cr);
    cairo_rectangle(cr, 12, 12, 72, 72);
    colour(cr, 0x3E8CC4, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Highlights on the face.
    cairo_move_to(cr, 20, 44);
    cairo_line_to(cr, 44, 20);
    cairo_line_to(cr, 54, 20);
    cairo_line_to(cr, 20, 54);
    cairo_close_path(cr);
    colour(cr, 0xffffff, 0.55);
    cairo_fill(cr);
    cairo_move_to(cr, 24, 66);
    cairo_line_to(cr, 66, 24);
    cairo_line_to(cr, 70, 24);
    cairo_line_to(cr, 24, 70);
    cairo_close_path(cr);
    colour(cr, 0xffffff, 0.4);
    cairo_fill(cr);
    glint(cr, 22, 22, 7);
    if (cracked) {
        const double crack[][2] = {{52, 12}, {46, 30}, {56, 42}, {44, 58}, {50, 72}, {42, 84}};
        const double branch[][2] = {{56, 42}, {72, 48}, {80, 62}};
        const double branch2[][2] = {{44, 58}, {28, 62}, {20, 76}};
        for (int pass = 0; pass < 2; pass++) {
            auto line = [&](const double (*pts)[2], int n) {
                cairo_move_to(cr, pts[0][0], pts[0][1]);
                for (int i = 1; i < n; i++)
                    cairo_line_to(cr, pts[i][0], pts[i][1]);
            };
            line(crack, 6);
            line(branch, 3);
            line(branch2, 3);
            if (pass == 0) {
                outline(cr, 5.0, 0.8);
            } else {
                colour(cr, 0xffffff);
                cairo_set_line_width(cr, 2.4);
                cairo_stroke(cr);
            }
        }
    }
    edge_outline(cr, 96, 96);
}


void stone_block(cairo_t* cr)
{
    // Masonry that repeats every cell: two courses of bricks, the lower
    // course offset by half a brick. Half a joint of dark mortar lies on each
    // edge of the cell, so a lone stone is outlined and a wall runs on
    // without a seam.
    cairo_rectangle(cr, 0, 0, 96, 96);
    colour(cr, mix(OUTLINE, STONE, 0.25));
    cairo_fill(cr);
    struct Brick {
        double x, y, w, h;
    } bricks[] = {{0, 0, 48, 48}, {48, 0, 48, 48}, {-24, 48, 48, 48}, {24, 48, 48, 48}, {72, 48, 48, 48}};
    for (const Brick& b : bricks) {
        double x = b.x + 2.5, y = b.y + 2.5, w = b.w - 5, h = b.h - 5;
        round_rect(cr, x, y, w, h, 4);
        fill_lit(cr, STONE, x, y, x + w, y + h, 0);
        // Bevel: light upper edge, shaded lower edge.
        cairo_move_to(cr, x + 3, y + 3);
        cairo_line_to(cr, x + w - 3, y + 3);
        colour(cr, lighter(STONE, 0.45), 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 3, y + 3);
        cairo_line_to(cr, x + 3, y + h - 3);
        colour(cr, lighter(STONE, 0.3), 0.8);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 3, y + h - 2.5);
        cairo_line_to(cr, x + w - 2.5, y + h - 2.5);
        cairo_line_to(cr, x + w - 2.5, y + 3);
        colour(cr, darker(STONE, 0.35), 0.9);
        cairo_stroke(cr);
    }
}

void slippery_ice(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 96, 96);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 96);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.80, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.18, 0.45, 0.78, 0.95);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.16, 0.42, 0.70);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A glossy top edge and long reflections that run on into the next slab.
    cairo_rectangle(cr, 0, 4, 96, 5);
    colour(cr, 0xffffff, 0.9);
    cairo_fill(cr);
    const double streaks[][3] = {{6, 30, 10}, {40, 30, 6}, {70, 52, 8}, {18, 62, 5}};
    for (const auto& s : streaks) {
        cairo_move_to(cr, s[0], s[1] + 20);
        cairo_line_to(cr, s[0] + 20, s[1]);
        cairo_line_to(cr, s[0] + 20 + s[2], s[1]);
        cairo_line_to(cr, s[0] + s[2], s[1] + 20);
        cairo_close_path(cr);
        colour(cr, 0xffffff, 0.45);
        cairo_fill(cr);
    }
    glint(cr, 78, 18, 6);
    edge_outline(cr, 96, 96);
}

void door(cairo_t* cr, bool open)
{
    // An arched doorway in a frosted stone frame, flush with the floor.
    auto arch = [&](double inset) {
        cairo_new_path(cr);
        cairo_move_to(cr, 6 + inset, 96);
        cairo_line_to(cr, 6 + inset, 44);
        cairo_arc(cr, 48, 44, 42 - inset, M_PI, 2 * M_PI);
        cairo_line_to(cr, 90 - inset, 96);
        cairo_close_path(cr);
    };
    arch(0);
    fill_lit(cr, STONE, 6, 2, 90, 96);
    arch(9);
    if (open) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(48, 60, 4, 48, 60, 50);
        cairo_pattern_add_color_stop_rgb(glow, 0.0, 1.0, 0.96, 0.78);
        cairo_pattern_add_color_stop_rgb(glow, 0.45, 0.98, 0.72, 0.20);
        cairo_pattern_add_color_stop_rgb(glow, 1.0, 0.86, 0.40, 0.10);
        cairo_set_source(cr, glow);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(glow);
        outline(cr, THIN);
        // A little tree with its star inside, the door leaf swung open.
        cairo_move_to(cr, 54, 40);
        cairo_line_to(cr, 68, 82);
        cairo_line_to(cr, 40, 82);
        cairo_close_path(cr);
        fill_flat(cr, PINE, THIN);
        cairo_rectangle(cr, 51, 82, 6, 8);
        fill_flat(cr, 0x6B3E26, 2);
        star(cr, 54, 38, 6, 2.6, 5, 0);
        fill_flat(cr, GOLD, 1.6);
        cairo_move_to(cr, 15, 96);
        cairo_line_to(cr, 15, 34);
        cairo_line_to(cr, 29, 40);
        cairo_line_to(cr, 29, 96);
        cairo_close_path(cr);
        fill_lit(cr, WOOD, 15, 34, 29, 96, THIN + 0.4);
        glint(cr, 74, 52, 6, 0.9);
    } else {
        fill_lit(cr, WOOD, 15, 11, 81, 96, THIN + 0.4);
        for (int x = 32; x <= 64; x += 16) {
            cairo_move_to(cr, x, 20 - (x == 48 ? 8 : 2));
            cairo_line_to(cr, x, 94);
            colour(cr, darker(WOOD, 0.45), 0.9);
            cairo_set_line_width(cr, 2.2);
            cairo_stroke(cr);
        }
        // Wreath with berries and a red bow, and a gold knob.
        ellipse(cr, 48, 44, 14, 14);
        ellipse(cr, 48, 44, 7, 7);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        fill_lit(cr, PINE, 34, 30, 62, 58, THIN + 0.4);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        const double berries[][2] = {{38, 36}, {58, 37}, {37, 51}, {59, 50}, {48, 31}};
        for (const auto& b : berries) {
            ellipse(cr, b[0], b[1], 2.4, 2.4);
            fill_flat(cr, RED, 1.4);
        }
        cairo_move_to(cr, 48, 57);
        cairo_line_to(cr, 39, 52);
        cairo_line_to(cr, 39, 63);
        cairo_close_path(cr);
        cairo_move_to(cr, 48, 57);
        cairo_line_to(cr, 57, 52);
        cairo_line_to(cr, 57, 63);
        cairo_close_path(cr);
        fill_flat(cr, RED, 2.0);
        ellipse(cr, 70, 68, 3.5, 3.5);
        fill_lit(cr, GOLD, 66, 64, 74, 72, 2.0);
    }
    // Snow on the arch.
    cairo_new_path(cr);
    cairo_arc(cr, 48, 44, 43, 1.08 * M_PI, 1.92 * M_PI);
    cairo_arc_negative(cr, 48, 48, 38, 1.9 * M_PI, 1.1 * M_PI);
    cairo_close_path(cr);
    fill_flat(cr, SNOW, THIN);
}

void shadow(cairo_t* cr)
{
    // The block stands at (6, 4) of this sprite; its shadow falls 8 right
    // and 10 down. Hard edges, so that neighbouring shadows meet exactly.
    cairo_rectangle(cr, 14, 14, 96, 96);
    colour(cr, NAVY, 0.42);
    cairo_fill(cr);
}

// Snow cap: the stone's top edge is at y 20, its sides at x 16 and 112.
// The snow's edges repeat every 48 pixels so that caps of neighbouring stones,
// which overlap by 32 pixels, lie exactly on each other.
void snow_cap(cairo_t* cr, bool left_open, bool right_open)
{
    const double a = left_open ? 8 : -6, b = right_open ? 120 : 134;
    auto top = [](double x) { return 10.0 - 2.0 * std::cos(2 * M_PI * x / 48.0); };
    auto bottom = [](double x) {
        double u = std::fmod(x + 480.0, 48.0) / 48.0;
        return 27.0 + 6.0 * std::pow(std::sin(M_PI * u), 6.0) + 1.5 * std::sin(2 * M_PI * u);
    };
    auto taper = [&](double x) {
        double t = 1.0;
        if (left_open && x < a + 14)
            t = std::sqrt(std::fmax(0.0, 1.0 - std::pow((a + 14 - x) / 14.0, 2)));
        if (right_open && x > b - 14)
            t = std::fmin(t, std::sqrt(std::fmax(0.0, 1.0 - std::pow((x - (b - 14)) / 14.0, 2))));
        return t;
    };
    cairo_new_path(cr);
    for (double x = a; x <= b; x += 1.0) {
        double mid = 20.0, t = taper(x);
        cairo_line_to(cr, x, mid - (mid - top(x)) * t);
    }
    for (double x = b; x >= a; x -= 1.0) {
        double mid = 20.0, t = taper(x);
        cairo_line_to(cr, x, mid + (bottom(x) - mid) * t);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, 36);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0.93, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.74, 0.88, 0.98);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    outline(cr, 3.5);
}

// Icicles under a stone whose bottom edge is at y 8, sides at x 16 and 112.
void icicles(cairo_t* cr, int variant)
{
    const double sets[3][5][3] = {
        {{28, 30, 13}, {47, 44, 16}, {68, 24, 12}, {86, 38, 14}, {102, 18, 10}},
        {{26, 20, 11}, {42, 36, 14}, {60, 48, 17}, {80, 26, 12}, {98, 34, 13}},
        {{30, 40, 15}, {50, 22, 11}, {66, 34, 13}, {84, 46, 16}, {101, 24, 11}},
    };
    for (const auto& s : sets[variant]) {
        double x = s[0], len = s[1], w = s[2];
        cairo_move_to(cr, x - w / 2, 8);
        cairo_curve_to(cr, x - w / 2, 8 + len * 0.4, x - 1.5, 8 + len * 0.8, x, 10 + len);
        cairo_curve_to(cr, x + 1.5, 8 + len * 0.8, x + w / 2, 8 + len * 0.4, x + w / 2, 8);
        cairo_close_path(cr);
        fill_lit(cr, 0xA9DDF7, x - w / 2, 6, x + w / 2, 10 + len, 3.2);
        cairo_move_to(cr, x - w / 2 + 3, 12);
        cairo_line_to(cr, x - 1, 6 + len * 0.8);
        colour(cr, 0xffffff, 0.9);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    // Frost along the stone's lower edge, squared off at the cell's sides.
    cairo_rectangle(cr, 16, 3, 96, 9);
    colour(cr, PALE_ICE);
    cairo_fill(cr);
    cairo_move_to(cr, 16, 12);
    for (double x = 16; x <= 112; x += 2)
        cairo_line_to(cr, x, 11.5 + 1.2 * std::sin(x * 0.5));
    outline(cr, 3.0);
    cairo_move_to(cr, 16, 3);
    cairo_line_to(cr, 112, 3);
    colour(cr, 0xffffff, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

} // namespace

void draw_cell(cairo_t* cr, int sprite)
{
    switch (sprite) {
    case SPRITE_ICE: ice_block(cr, false); break;
    case SPRITE_ICE_CRACKED: ice_block(cr, true); break;
    case SPRITE_STONE: stone_block(cr); break;
    case SPRITE_DOOR_CLOSED: door(cr, false); break;
    case SPRITE_DOOR_OPEN: door(cr, true); break;
    case SPRITE_SLIPPERY: slippery_ice(cr); break;
    case SPRITE_SHADOW: shadow(cr); break;
    case SPRITE_CAP_BOTH: snow_cap(cr, false, false); break;
    case SPRITE_CAP_RIGHT: snow_cap(cr, true, false); break;
    case SPRITE_CAP_LEFT: snow_cap(cr, false, true); break;
    case SPRITE_CAP_ALONE: snow_cap(cr, true, true); break;
    case SPRITE_HANGING_ICICLES:
    case SPRITE_HANGING_ICICLES + 1:
    case SPRITE_HANGING_ICICLES + 2: icicles(cr, sprite - SPRITE_HANGING_ICICLES); break;
    default: break;
    }
}
