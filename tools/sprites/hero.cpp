// Olpi, the hero: a round little figure in a red hood and a blue coat.
#include "tools/sprites/sprites.h"

#include <cmath>

namespace {

const uint32_t COAT = 0x2F6FC4;
const uint32_t SKIN = 0xFFD8B8;
const uint32_t CHEEK = 0xF28A9A;
const uint32_t BOOT = 0x6B3E26;

enum Eyes { OPEN, BLINK, WIDE, DIZZY, HAPPY };
enum Mouth { SMILE, OH, GRIN };

struct Pose {
    double dy = 0;        // whole figure up (negative) or down
    double squash = 1;    // height factor about the feet
    double back_foot[2] = {0, 0};
    double front_foot[2] = {0, 0};
    double back_arm = 105; // degrees, 0 forward, 90 down (clockwise on screen)
    double front_arm = 75;
    Eyes eyes = OPEN;
    Mouth mouth = SMILE;
    double frost = 0;     // ice-blue tint over the whole figure
    double spin = 0;      // degrees about the body's middle
    double lean = 0;      // degrees about the feet
    int stars = -1;       // dizzy stars' phase, -1 for none
    bool shock = false;   // surprise strokes around the head
    int sparkles = -1;    // cheering sparkles' phase
};

void arm(cairo_t* cr, double sx, double sy, double angle, uint32_t sleeve, uint32_t mitten)
{
    double a = angle * M_PI / 180.0;
    double ex = sx + 13 * std::cos(a), ey = sy + 13 * std::sin(a);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, ex, ey);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    colour(cr, OUTLINE);
    cairo_set_line_width(cr, 9 + 2 * LINE * 0.9);
    cairo_stroke_preserve(cr);
    colour(cr, sleeve);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    ellipse(cr, ex + 2 * std::cos(a), ey + 2 * std::sin(a), 6, 6);
    fill_lit(cr, mitten, ex - 4, ey - 4, ex + 8, ey + 8, THIN + 0.6);
}

void foot(cairo_t* cr, double x, double y)
{
    ellipse(cr, x, y, 10, 6.5);
    fill_lit(cr, BOOT, x - 10, y - 7, x + 10, y + 7, LINE * 0.9);
}

void eyes(cairo_t* cr, Eyes kind, double y)
{
    const double xs[2] = {53, 64};
    for (double x : xs) {
        switch (kind) {
        case OPEN:
        case WIDE:
            if (kind == WIDE) {
                ellipse(cr, x, y, 5.4, 6.6);
                fill_flat(cr, 0xffffff, 2.0);
                ellipse(cr, x + 0.5, y, 2.4, 2.8);
                fill_flat(cr, NAVY, 0);
            } else {
                ellipse(cr, x, y, 4.7, 6.5);
                fill_flat(cr, NAVY, 0);
                ellipse(cr, x - 1.4, y - 2.5, 2.0, 2.0);
                fill_flat(cr, 0xffffff, 0);
            }
            break;
        case BLINK:
            cairo_move_to(cr, x - 4, y + 1);
            cairo_curve_to(cr, x - 2, y + 3, x + 2, y + 3, x + 4, y + 1);
            outline(cr, 2.6);
            break;
        case HAPPY:
            cairo_move_to(cr, x - 4, y + 2);
            cairo_curve_to(cr, x - 2, y - 4, x + 2, y - 4, x + 4, y + 2);
            outline(cr, 2.8);
            break;
        case DIZZY:
            cairo_move_to(cr, x - 3.5, y - 3.5);
            cairo_line_to(cr, x + 3.5, y + 3.5);
            cairo_move_to(cr, x + 3.5, y - 3.5);
            cairo_line_to(cr, x - 3.5, y + 3.5);
            outline(cr, 2.6);
            break;
        }
    }
}

void mouth(cairo_t* cr, Mouth kind, double y)
{
    switch (kind) {
    case SMILE:
        cairo_arc(cr, 59, y - 2, 3.2, 0.2 * M_PI, 0.8 * M_PI);
        colour(cr, 0x8A1A2A);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        break;
    case OH:
        ellipse(cr, 59, y + 1, 2.8, 3.4);
        fill_flat(cr, 0x8A1A2A, 2.0);
        break;
    case GRIN:
        cairo_move_to(cr, 53, y - 2);
        cairo_curve_to(cr, 54, y + 6, 64, y + 6, 65, y - 2);
        cairo_close_path(cr);
        fill_flat(cr, 0x8A1A2A, 2.2);
        break;
    }
}

void figure(cairo_t* cr, const Pose& p)
{
    const double d = p.dy;
    cairo_save(cr);
    // Squash and lean about the feet, spin about the middle of the body.
    cairo_translate(cr, 48, 86);
    cairo_rotate(cr, p.lean * M_PI / 180.0);
    cairo_translate(cr, 0, 5);
    cairo_scale(cr, 1.0 + (1.0 - p.squash) * 0.5, p.squash);
    cairo_translate(cr, -48, -91);
    if (p.spin != 0) {
        // Tumbling, he curls up a little so that head over heels still fits.
        cairo_translate(cr, 48, 57 + d);
        cairo_rotate(cr, p.spin * M_PI / 180.0);
        cairo_scale(cr, 0.88, 0.88);
        cairo_translate(cr, -48, -57 - d);
    }

    arm(cr, 41, 65 + d, p.back_arm, darker(COAT, 0.25), darker(RED, 0.2));
    foot(cr, 39 + p.back_foot[0], 84 + p.back_foot[1]);
    foot(cr, 58 + p.front_foot[0], 84 + p.front_foot[1]);

    // Coat with its white hem and gold buttons.
    ellipse(cr, 48, 70 + d, 20.5, 16.5);
    cairo_path_t* body = cairo_copy_path(cr);
    fill_lit(cr, COAT, 28, 54 + d, 68, 87 + d, 0);
    cairo_save(cr);
    cairo_append_path(cr, body);
    cairo_clip(cr);
    ellipse(cr, 48, 88 + d, 26, 7.5);
    fill_flat(cr, SNOW, THIN);
    cairo_restore(cr);
    cairo_append_path(cr, body);
    outline(cr);
    cairo_path_destroy(body);
    ellipse(cr, 60, 67 + d, 2.3, 2.3);
    fill_flat(cr, GOLD, 1.6);
    ellipse(cr, 61, 75 + d, 2.3, 2.3);
    fill_flat(cr, GOLD, 1.6);

    // Hood, its fur rim, the face.
    ellipse(cr, 47, 42 + d, 23.5, 22.5);
    fill_lit(cr, RED, 24, 20 + d, 71, 65 + d);
    ellipse(cr, 56, 46 + d, 17.5, 16.5);
    fill_lit(cr, SNOW, 39, 30 + d, 74, 63 + d, THIN + 0.4);
    ellipse(cr, 57, 46.5 + d, 13.5, 12.5);
    fill_lit(cr, SKIN, 44, 34 + d, 71, 59 + d, 0);
    ellipse(cr, 57, 46.5 + d, 13.5, 12.5);
    colour(cr, 0xC98A6A, 0.9);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    ellipse(cr, 50, 52 + d, 3.4, 2.6);
    colour(cr, CHEEK, 0.85);
    cairo_fill(cr);
    ellipse(cr, 67.5, 52 + d, 2.6, 2.4);
    colour(cr, CHEEK, 0.85);
    cairo_fill(cr);
    eyes(cr, p.eyes, 44 + d);
    mouth(cr, p.mouth, 55 + d);

    // Pompom on the hood's back.
    ellipse(cr, 27, 25 + d, 8, 8);
    fill_lit(cr, SNOW, 19, 17 + d, 35, 33 + d, LINE * 0.9);

    arm(cr, 57, 65 + d, p.front_arm, COAT, RED);
    cairo_restore(cr);
}

void extras(cairo_t* cr, const Pose& p)
{
    if (p.shock) {
        const double lines[3][4] = {{18, 24, 11, 17}, {48, 14, 48, 8}, {78, 24, 85, 17}};
        for (const auto& l : lines) {
            cairo_move_to(cr, l[0], l[1] + p.dy);
            cairo_line_to(cr, l[2], l[3] + p.dy);
            outline(cr, 3.2);
        }
    }
    if (p.stars >= 0) {
        for (int i = 0; i < 3; i++) {
            double a = (p.stars * 40 + i * 120) * M_PI / 180.0;
            double x = 50 + 24 * std::cos(a), y = 16 + 6 * std::sin(a);
            star(cr, x, y, 7, 3, 5, p.stars * 15.0);
            fill_flat(cr, GOLD, 2.0);
        }
    }
    if (p.sparkles >= 0) {
        const double spots[4][2] = {{12, 30}, {84, 22}, {14, 66}, {86, 58}};
        for (int i = 0; i < 4; i++)
            if ((i + p.sparkles) % 2 == 0)
                glint(cr, spots[i][0], spots[i][1], 7);
    }
}

Pose pose_for(int sprite)
{
    Pose p;
    if (sprite < SPRITE_HERO_WALK) { // standing: breathing, a blink on the last frame
        const double bob[4] = {0, -1, -1.5, -0.5};
        p.dy = bob[sprite];
        p.squash = sprite == 2 ? 1.01 : 1.0;
        p.eyes = sprite == 3 ? BLINK : OPEN;
    } else if (sprite < SPRITE_HERO_RISE) { // walking: eight steps of one stride
        double phase = 2 * M_PI * (sprite - SPRITE_HERO_WALK) / 8.0;
        double s = std::sin(phase), c = std::cos(phase);
        p.front_foot[0] = 11 * s;
        p.front_foot[1] = -6.5 * std::fmax(0.0, c);
        p.back_foot[0] = -11 * s;
        p.back_foot[1] = -6.5 * std::fmax(0.0, -c);
        p.dy = -2.5 * std::fabs(c);
        p.front_arm = 80 - 40 * s;
        p.back_arm = 100 + 40 * s;
        p.lean = 3;
    } else if (sprite == SPRITE_HERO_RISE) { // rising
        p.dy = -2;
        p.squash = 1.04;
        p.front_foot[0] = 3;
        p.front_foot[1] = -6;
        p.back_foot[0] = -2;
        p.back_foot[1] = -2;
        p.front_arm = -55;
        p.back_arm = -125;
        p.mouth = OH;
    } else if (sprite == SPRITE_HERO_FALL) { // falling
        p.front_foot[1] = 1;
        p.back_foot[0] = -4;
        p.front_arm = -15;
        p.back_arm = 195;
        p.eyes = WIDE;
        p.mouth = OH;
    } else if (sprite == SPRITE_HERO_CROUCH) { // crouching
        p.squash = 0.8;
        p.front_foot[0] = 2;
        p.back_foot[0] = -2;
        p.front_arm = 30;
        p.back_arm = 140;
    } else if (sprite == SPRITE_HERO_THRUST) { // thrust
        p.lean = 5;
        p.front_arm = -5;
        p.back_arm = 150;
        p.front_foot[0] = 2;
        p.front_foot[1] = -1.5;
        p.back_foot[0] = -5;
        p.mouth = OH;
    } else if (sprite == SPRITE_HERO_FOLLOW_THROUGH) { // follow through
        p.lean = 4;
        p.front_arm = 35;
        p.back_arm = 130;
        p.front_foot[0] = 3;
        p.back_foot[0] = -3;
    } else if (sprite < SPRITE_HERO_CHEER) { // dying: struck, tumbling, dazed
        int f = sprite - SPRITE_HERO_DYING;
        p.frost = 0.12 * f > 0.55 ? 0.55 : 0.12 * f;
        if (f <= 1) {
            p.eyes = WIDE;
            p.mouth = OH;
            p.shock = true;
            p.front_arm = -70;
            p.back_arm = -110;
            p.squash = f == 0 ? 1.06 : 1.0;
            p.dy = f == 0 ? -3 : 0;
        } else if (f <= 5) {
            p.spin = -90.0 * (f - 1);
            p.eyes = DIZZY;
            p.mouth = OH;
            p.front_arm = -30;
            p.back_arm = 210;
            p.front_foot[1] = -3;
        } else {
            p.eyes = DIZZY;
            p.mouth = OH;
            p.squash = 0.9;
            p.lean = f == 6 ? -6 : 6;
            p.front_arm = 90;
            p.back_arm = 90;
            p.stars = f - 6;
        }
    } else { // cheering
        int f = sprite - SPRITE_HERO_CHEER;
        const double lift[4] = {0, -5, -8, -4};
        const double up[4][2] = {{-55, -125}, {-70, -110}, {-80, -100}, {-40, -140}};
        p.dy = lift[f];
        p.squash = f == 0 ? 0.96 : 1.02;
        p.front_arm = up[f][0];
        p.back_arm = up[f][1];
        p.front_foot[1] = f == 0 ? 0 : -3;
        p.back_foot[1] = f == 0 ? 0 : -3;
        p.eyes = HAPPY;
        p.mouth = GRIN;
        p.sparkles = f;
    }
    return p;
}

} // namespace

void draw_hero(cairo_t* cr, int sprite)
{
    Pose p = pose_for(sprite);
    cairo_push_group(cr);
    figure(cr, p);
    cairo_pattern_t* fig = cairo_pop_group(cr);
    cairo_set_source(cr, fig);
    cairo_paint(cr);
    if (p.frost > 0) {
        colour(cr, ICE, p.frost);
        cairo_mask(cr, fig);
    }
    cairo_pattern_destroy(fig);
    extras(cr, p);
}

void draw_olpi_head(cairo_t* cr, double cx, double cy, double size)
{
    // The hood and face of the standing figure, centred and scaled.
    cairo_save(cr);
    double k = size / 48.0;
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, k, k);
    cairo_translate(cr, -48, -42);
    Pose p;
    ellipse(cr, 47, 42, 23.5, 22.5);
    fill_lit(cr, RED, 24, 20, 71, 65, LINE / k);
    ellipse(cr, 56, 46, 17.5, 16.5);
    fill_lit(cr, SNOW, 39, 30, 74, 63, (THIN + 0.4) / k);
    ellipse(cr, 57, 46.5, 13.5, 12.5);
    fill_lit(cr, SKIN, 44, 34, 71, 59, 0);
    ellipse(cr, 50, 52, 3.4, 2.6);
    colour(cr, CHEEK, 0.85);
    cairo_fill(cr);
    ellipse(cr, 67.5, 52, 2.6, 2.4);
    colour(cr, CHEEK, 0.85);
    cairo_fill(cr);
    eyes(cr, p.eyes, 44);
    mouth(cr, GRIN, 55);
    ellipse(cr, 27, 25, 8, 8);
    fill_lit(cr, SNOW, 19, 17, 35, 33, LINE * 0.9 / k);
    cairo_restore(cr);
}
