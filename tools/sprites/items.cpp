// The items Olpi picks up, and his thrown snowball.
#include "tools/sprites/sprites.h"

#include <cmath>
#include <initializer_list>

namespace {

const uint32_t WOOD = 0x8A4B2A;

void fish(cairo_t* cr, uint32_t body, uint32_t fin, bool fancy)
{
    // Tail first (at the back, left), then the body facing right.
    cairo_move_to(cr, 30, 50);
    if (fancy) {
        cairo_curve_to(cr, 18, 30, 8, 30, 10, 36);
        cairo_curve_to(cr, 14, 46, 14, 54, 10, 64);
        cairo_curve_to(cr, 8, 70, 18, 70, 30, 50);
    } else {
        cairo_line_to(cr, 12, 34);
        cairo_line_to(cr, 16, 50);
        cairo_line_to(cr, 12, 66);
    }
    cairo_close_path(cr);
    fill_lit(cr, fin, 10, 30, 30, 70, LINE * 0.9);
    cairo_move_to(cr, 44, 34);
    cairo_curve_to(cr, 48, 22, 62, 24, 64, 34);
    cairo_close_path(cr);
    fill_flat(cr, fin, THIN + 0.4);
    cairo_move_to(cr, 26, 50);
    cairo_curve_to(cr, 38, 28, 70, 26, 84, 50);
    cairo_curve_to(cr, 70, 72, 38, 72, 26, 50);
    cairo_close_path(cr);
    fill_lit(cr, body, 26, 30, 84, 70);
    cairo_move_to(cr, 40, 56);
    cairo_curve_to(cr, 50, 66, 66, 66, 76, 56);
    colour(cr, 0xffffff, 0.35);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, 64, 38);
    cairo_curve_to(cr, 60, 46, 60, 54, 64, 62);
    outline(cr, 2.2, 0.8);
    ellipse(cr, 72, 46, 3.6, 3.6);
    fill_flat(cr, 0xffffff, 1.6);
    ellipse(cr, 73, 46, 1.8, 1.8);
    fill_flat(cr, NAVY, 0);
    glint(cr, 46, 38, 5, 0.9);
}

void gem_facets(cairo_t* cr, const double (*pts)[2], int n, double cx, double cy, uint32_t base)
{
    // Fans of facets from an inner point: lit on the upper left, shaded lower right.
    for (int i = 0; i < n; i++) {
        const double* a = pts[i];
        const double* b = pts[(i + 1) % n];
        double mx = (a[0] + b[0]) / 2 - cx, my = (a[1] + b[1]) / 2 - cy;
        double light = -(mx + my) / (std::fabs(mx) + std::fabs(my) + 1e-9);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, a[0], a[1]);
        cairo_line_to(cr, b[0], b[1]);
        cairo_close_path(cr);
        colour(cr, light > 0 ? lighter(base, 0.45 * light) : darker(base, -0.4 * light));
        cairo_fill(cr);
    }
    cairo_move_to(cr, pts[0][0], pts[0][1]);
    for (int i = 1; i < n; i++)
        cairo_line_to(cr, pts[i][0], pts[i][1]);
    cairo_close_path(cr);
    outline(cr);
}

void crystal(cairo_t* cr)
{
    const double pts[][2] = {{48, 12}, {68, 34}, {66, 68}, {48, 88}, {30, 68}, {28, 34}};
    gem_facets(cr, pts, 6, 46, 46, 0x59D4EE);
    cairo_move_to(cr, 48, 12);
    cairo_line_to(cr, 46, 46);
    cairo_line_to(cr, 48, 88);
    colour(cr, 0xffffff, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    glint(cr, 38, 30, 8);
}

void ruby(cairo_t* cr)
{
    const double pts[][2] = {{30, 34}, {40, 22}, {56, 22}, {66, 34}, {48, 80}};
    gem_facets(cr, pts, 5, 48, 38, RED);
    cairo_move_to(cr, 30, 34);
    cairo_line_to(cr, 66, 34);
    cairo_move_to(cr, 40, 22);
    cairo_line_to(cr, 44, 34);
    cairo_line_to(cr, 48, 80);
    cairo_line_to(cr, 52, 34);
    cairo_line_to(cr, 56, 22);
    outline(cr, 2.0, 0.7);
    glint(cr, 40, 30, 8);
}

void emerald(cairo_t* cr)
{
    const double pts[][2] = {{36, 20}, {60, 20}, {68, 30}, {68, 70}, {60, 80}, {36, 80}, {28, 70}, {28, 30}};
    gem_facets(cr, pts, 8, 48, 50, 0x2FB36A);
    round_rect(cr, 38, 32, 20, 36, 2);
    fill_lit(cr, 0x47C97F, 38, 32, 58, 68, 2.2);
    glint(cr, 36, 28, 8);
}

void ball(cairo_t* cr, double x, double y, double r)
{
    ellipse(cr, x, y, r, r);
    fill_lit(cr, SNOW, x - r, y - r, x + r, y + r);
    ellipse(cr, x - r * 0.35, y - r * 0.4, r * 0.28, r * 0.2);
    colour(cr, 0xffffff);
    cairo_fill(cr);
}

void snowballs(cairo_t* cr)
{
    ball(cr, 34, 70, 14);
    ball(cr, 62, 70, 14);
    ball(cr, 48, 46, 14);
}

void hourglass(cairo_t* cr)
{
    // Glass bulbs with sand in the lower one, between two wooden ends.
    cairo_move_to(cr, 32, 22);
    cairo_curve_to(cr, 32, 40, 46, 44, 46, 50);
    cairo_curve_to(cr, 46, 56, 32, 60, 32, 78);
    cairo_line_to(cr, 64, 78);
    cairo_curve_to(cr, 64, 60, 50, 56, 50, 50);
    cairo_curve_to(cr, 50, 44, 64, 40, 64, 22);
    cairo_close_path(cr);
    cairo_path_t* glass = cairo_copy_path(cr);
    fill_flat(cr, PALE_ICE, 0, 0.8);
    cairo_save(cr);
    cairo_append_path(cr, glass);
    cairo_clip(cr);
    cairo_move_to(cr, 30, 78);
    cairo_curve_to(cr, 36, 62, 60, 62, 66, 78);
    cairo_close_path(cr);
    cairo_rectangle(cr, 34, 30, 28, 8);
    fill_flat(cr, GOLD, 0);
    cairo_rectangle(cr, 47, 44, 2.5, 24);
    fill_flat(cr, GOLD, 0);
    cairo_restore(cr);
    cairo_append_path(cr, glass);
    outline(cr, THIN + 0.6);
    cairo_path_destroy(glass);
    cairo_move_to(cr, 37, 28);
    cairo_curve_to(cr, 38, 36, 42, 40, 44, 43);
    colour(cr, 0xffffff, 0.9);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    round_rect(cr, 24, 14, 48, 10, 3);
    fill_lit(cr, WOOD, 24, 14, 72, 24);
    round_rect(cr, 24, 76, 48, 10, 3);
    fill_lit(cr, WOOD, 24, 76, 72, 86);
    glint(cr, 60, 32, 6);
}

void bell(cairo_t* cr)
{
    cairo_move_to(cr, 48, 24);
    cairo_curve_to(cr, 64, 24, 66, 40, 66, 54);
    cairo_curve_to(cr, 66, 64, 74, 68, 76, 72);
    cairo_line_to(cr, 20, 72);
    cairo_curve_to(cr, 22, 68, 30, 64, 30, 54);
    cairo_curve_to(cr, 30, 40, 32, 24, 48, 24);
    cairo_close_path(cr);
    fill_lit(cr, GOLD, 20, 24, 76, 72);
    ellipse(cr, 48, 76, 7, 6);
    fill_lit(cr, darker(GOLD, 0.2), 41, 70, 55, 82, THIN + 0.6);
    cairo_move_to(cr, 36, 60);
    cairo_curve_to(cr, 36, 48, 38, 36, 44, 32);
    colour(cr, 0xffffff, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Red bow on top.
    cairo_move_to(cr, 48, 22);
    cairo_curve_to(cr, 38, 10, 28, 14, 30, 22);
    cairo_curve_to(cr, 32, 28, 42, 26, 48, 22);
    cairo_curve_to(cr, 58, 10, 68, 14, 66, 22);
    cairo_curve_to(cr, 64, 28, 54, 26, 48, 22);
    cairo_close_path(cr);
    fill_lit(cr, RED, 28, 12, 68, 28, THIN + 0.8);
    cairo_move_to(cr, 46, 24);
    cairo_line_to(cr, 40, 36);
    cairo_move_to(cr, 50, 24);
    cairo_line_to(cr, 56, 36);
    colour(cr, OUTLINE);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    colour(cr, RED);
    cairo_set_line_width(cr, 3.4);
    cairo_stroke(cr);
    ellipse(cr, 48, 22, 4, 4);
    fill_flat(cr, darker(RED, 0.15), 2.2);
    glint(cr, 38, 44, 7);
}

void snowflake(cairo_t* cr, int frame)
{
    // Six arms with two pairs of branches; the frames twinkle.
    const double arm = 34, cx = 48, cy = 48;
    for (int pass = 0; pass < 2; pass++) {
        for (int i = 0; i < 6; i++) {
            double a = i * M_PI / 3 - M_PI / 2;
            double ca = std::cos(a), sa = std::sin(a);
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + arm * ca, cy + arm * sa);
            for (double at : {0.45, 0.72}) {
                double bx = cx + arm * at * ca, by = cy + arm * at * sa;
                double len = at < 0.5 ? 11 : 8;
                for (int side = -1; side <= 1; side += 2) {
                    double b = a + side * M_PI / 3;
                    cairo_move_to(cr, bx, by);
                    cairo_line_to(cr, bx + len * std::cos(b), by + len * std::sin(b));
                }
            }
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        if (pass == 0) {
            outline(cr, 10);
        } else {
            colour(cr, 0xE8F8FF);
            cairo_set_line_width(cr, 4.5);
            cairo_stroke(cr);
        }
    }
    ellipse(cr, cx, cy, 7, 7);
    fill_lit(cr, ICE, cx - 7, cy - 7, cx + 7, cy + 7, 2.0);
    const double tips[4][2] = {{48, 14}, {77, 65}, {19, 65}, {77, 31}};
    glint(cr, tips[frame][0], tips[frame][1], 9);
    star(cr, cx, cy, 3.5, 1.5, 6, frame * 15.0);
    colour(cr, 0xffffff);
    cairo_fill(cr);
}

void key(cairo_t* cr, int frame)
{
    // The key turns about its upright shaft: each part's path is squeezed
    // across by the turn, then filled and outlined at full width.
    const double squeeze[4] = {1.0, 0.6, 0.3, -0.6};
    auto turned = [&](auto build) {
        cairo_save(cr);
        cairo_translate(cr, 48, 0);
        cairo_scale(cr, squeeze[frame], 1);
        cairo_translate(cr, -48, 0);
        build();
        cairo_restore(cr);
    };
    double x0 = 48 - 17 * std::fabs(squeeze[frame]), x1 = 48 + 17 * std::fabs(squeeze[frame]);
    turned([&] {
        cairo_move_to(cr, 50, 62);
        cairo_line_to(cr, 64, 62);
        cairo_line_to(cr, 64, 70);
        cairo_line_to(cr, 58, 70);
        cairo_line_to(cr, 58, 76);
        cairo_line_to(cr, 64, 76);
        cairo_line_to(cr, 64, 84);
        cairo_line_to(cr, 50, 84);
        cairo_close_path(cr);
    });
    fill_lit(cr, ICE, x0, 62, x1, 84, LINE * 0.9);
    turned([&] { round_rect(cr, 42, 40, 10, 48, 3); });
    fill_lit(cr, GOLD, x0, 40, x1, 88, LINE * 0.9);
    turned([&] {
        ellipse(cr, 47, 28, 16, 16);
        ellipse(cr, 47, 28, 7, 7);
    });
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fill_lit(cr, GOLD, x0, 12, x1, 44);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    if (frame == 0)
        glint(cr, 36, 18, 8);
    if (frame == 2)
        glint(cr, 52, 56, 9);
}

void thrown_snowball(cairo_t* cr, int frame)
{
    const double cx = 48, cy = 50, r = 16;
    ellipse(cr, cx, cy, r, r);
    fill_lit(cr, SNOW, cx - r, cy - r, cx + r, cy + r);
    // A packed seam that turns with the ball.
    double a = frame * M_PI / 4;
    cairo_save(cr);
    ellipse(cr, cx, cy, r - 2, r - 2);
    cairo_clip(cr);
    cairo_arc(cr, cx + 10 * std::cos(a), cy + 10 * std::sin(a), 9, a + M_PI * 0.6, a + M_PI * 1.4);
    colour(cr, ICE, 0.9);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    ellipse(cr, cx - 6, cy - 7, 4.5, 3);
    colour(cr, 0xffffff);
    cairo_fill(cr);
}

} // namespace

void draw_item(cairo_t* cr, int sprite)
{
    if (sprite >= SPRITE_KEY && sprite < SPRITE_KEY + KEY_FRAMES)
        key(cr, sprite - SPRITE_KEY);
    else if (sprite >= SPRITE_SNOWFLAKE && sprite < SPRITE_SNOWFLAKE + SNOWFLAKE_FRAMES)
        snowflake(cr, sprite - SPRITE_SNOWFLAKE);
    else if (sprite >= SPRITE_SNOWBALL && sprite < SPRITE_SNOWBALL + SNOWBALL_FRAMES)
        thrown_snowball(cr, sprite - SPRITE_SNOWBALL);
    else
        switch (sprite) {
        case SPRITE_FISH: fish(cr, 0x7C9DB8, 0x5A7893, false); break;
        case SPRITE_GOLDFISH: fish(cr, GOLD, ORANGE, true); break;
        case SPRITE_CRYSTAL: crystal(cr); break;
        case SPRITE_RUBY: ruby(cr); break;
        case SPRITE_EMERALD: emerald(cr); break;
        case SPRITE_SNOWBALLS: snowballs(cr); break;
        case SPRITE_HOURGLASS: hourglass(cr); break;
        case SPRITE_LIFE:
            draw_olpi_head(cr, 48, 50, 40);
            glint(cr, 78, 22, 7);
            break;
        case SPRITE_BELL: bell(cr); break;
        default: break;
        }
}
