// The six enemy kinds: snowman, ghost, bat, spark, icicle and polar bear.
#include "tools/sprites/sprites.h"

#include <cmath>
#include <initializer_list>

namespace {

const uint32_t COAL = 0x1B2233;
const uint32_t CARROT = 0xF07A1E;
const uint32_t STICK = 0x6B3E26;
const uint32_t PURPLE = 0x4B2A6B;
const uint32_t FUR = 0xF4ECDA;

void stick_arm(cairo_t* cr, double x, double y, double angle, double len)
{
    double a = angle * M_PI / 180.0;
    double ex = x + len * std::cos(a), ey = y + len * std::sin(a);
    double mx = x + 0.6 * len * std::cos(a), my = y + 0.6 * len * std::sin(a);
    double b = a - 0.7;
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, ex, ey);
        cairo_move_to(cr, mx, my);
        cairo_line_to(cr, mx + 9 * std::cos(b), my + 9 * std::sin(b));
        if (pass == 0) {
            outline(cr, 7.5);
        } else {
            colour(cr, STICK);
            cairo_set_line_width(cr, 3.2);
            cairo_stroke(cr);
        }
    }
}

void snowman(cairo_t* cr, int frame)
{
    // Waddles: tilts from foot to foot about the bottom of its base.
    const double tilt[4] = {-7, 0, 7, 0};
    const double lift[4] = {0, -2, 0, -2};
    cairo_save(cr);
    cairo_translate(cr, 48, 92);
    cairo_rotate(cr, tilt[frame] * M_PI / 180.0);
    cairo_scale(cr, 1.1, 1.1);
    cairo_translate(cr, -48, -92 + lift[frame]);
    stick_arm(cr, 36, 60, 200 + (frame % 2 ? 10 : -10), 19);
    ellipse(cr, 48, 72, 21, 19);
    fill_lit(cr, SNOW, 27, 53, 69, 91);
    ellipse(cr, 50, 42, 15, 14);
    fill_lit(cr, SNOW, 35, 28, 65, 56);
    // Red scarf, coal buttons, eyes and brows, the carrot.
    cairo_move_to(cr, 36, 52);
    cairo_curve_to(cr, 44, 58, 56, 58, 64, 52);
    cairo_line_to(cr, 64, 58);
    cairo_curve_to(cr, 56, 63, 44, 63, 36, 58);
    cairo_close_path(cr);
    fill_flat(cr, RED, THIN + 0.6);
    cairo_move_to(cr, 40, 58);
    cairo_line_to(cr, 36, 72);
    cairo_line_to(cr, 44, 71);
    cairo_close_path(cr);
    fill_flat(cr, RED, THIN + 0.6);
    for (double y : {68.0, 78.0}) {
        ellipse(cr, 56, y, 2.6, 2.6);
        fill_flat(cr, COAL, 0);
    }
    for (double x : {52.0, 60.0}) {
        ellipse(cr, x, 39, 2.6, 3.0);
        fill_flat(cr, COAL, 0);
    }
    cairo_move_to(cr, 48, 32);
    cairo_line_to(cr, 55, 35);
    cairo_move_to(cr, 58, 35);
    cairo_line_to(cr, 64, 32);
    outline(cr, 2.6);
    cairo_move_to(cr, 58, 43);
    cairo_line_to(cr, 76, 46);
    cairo_line_to(cr, 58, 49);
    cairo_close_path(cr);
    fill_lit(cr, CARROT, 58, 43, 76, 49, THIN + 0.4);
    // A dark top hat tells it from any other white figure.
    round_rect(cr, 39, 16, 22, 16, 2);
    fill_lit(cr, 0x26304A, 39, 16, 61, 32, LINE * 0.9);
    round_rect(cr, 33, 29, 34, 6, 2);
    fill_flat(cr, 0x26304A, LINE * 0.9);
    cairo_rectangle(cr, 40, 25, 20, 3.5);
    fill_flat(cr, RED, 0);
    stick_arm(cr, 64, 60, -25 + (frame % 2 ? -12 : 8), 18);
    cairo_restore(cr);
}

void ghost(cairo_t* cr, int frame)
{
    // A pale wisp whose tail trails behind and waves.
    double wave = std::sin(frame * M_PI / 2);
    double tip_y = 78 + 6 * wave;
    cairo_move_to(cr, 74, 46);
    cairo_curve_to(cr, 74, 18, 32, 14, 30, 42);
    cairo_curve_to(cr, 28, 58, 22, 66, 10, tip_y);
    cairo_curve_to(cr, 24, 80 - 3 * wave, 34, 76, 44, 80 + 3 * wave);
    cairo_curve_to(cr, 52, 82, 58, 78 - 2 * wave, 64, 72);
    cairo_curve_to(cr, 72, 66, 74, 58, 74, 46);
    cairo_close_path(cr);
    cairo_path_t* body = cairo_copy_path(cr);
    fill_lit(cr, 0xC4F1FF, 10, 18, 76, 84, 0, 0.8);
    cairo_append_path(cr, body);
    outline(cr, LINE, 0.9);
    cairo_path_destroy(body);
    // Little arms reaching forward.
    cairo_move_to(cr, 70, 56);
    cairo_curve_to(cr, 78, 54 + 2 * wave, 84, 58, 82, 62);
    cairo_curve_to(cr, 78, 64, 74, 62, 70, 62);
    fill_flat(cr, 0xC4F1FF, THIN + 0.4, 0.85);
    for (double x : {56.0, 67.0}) {
        ellipse(cr, x, 40, 4.2, 6.2);
        fill_flat(cr, DEEP_BLUE, 0);
    }
    ellipse(cr, 62, 54, 3.6, 4.4 + wave);
    fill_flat(cr, DEEP_BLUE, 0);
    ellipse(cr, 44, 30, 6, 4);
    colour(cr, 0xffffff, 0.8);
    cairo_fill(cr);
}

void bat(cairo_t* cr, int frame)
{
    // Wing beats: up, level, down, level.
    const double tip[4] = {-30, 0, 26, 4};
    double ty = tip[frame];
    cairo_save(cr);
    cairo_translate(cr, 48, 50);
    cairo_scale(cr, 1.06, 1.06);
    cairo_translate(cr, -48, -48);
    for (int side = -1; side <= 1; side += 2) {
        double sx = 48 + side * 10, tx = 48 + side * 40;
        cairo_move_to(cr, sx, 44);
        cairo_curve_to(cr, 48 + side * 22, 36 + ty * 0.6, 48 + side * 34, 40 + ty, tx, 42 + ty);
        cairo_curve_to(cr, 48 + side * 36, 52 + ty * 0.7, 48 + side * 30, 48 + ty * 0.5, 48 + side * 27, 56 + ty * 0.5);
        cairo_curve_to(cr, 48 + side * 22, 50 + ty * 0.3, 48 + side * 18, 52 + ty * 0.3, 48 + side * 16, 60 + ty * 0.2);
        cairo_curve_to(cr, 48 + side * 14, 56, 48 + side * 12, 56, sx, 56);
        cairo_close_path(cr);
        fill_lit(cr, ICE, 48 + std::fmin(0, side * 42), 20, 48 + std::fmax(0, side * 42), 80);
        cairo_move_to(cr, sx, 46);
        cairo_line_to(cr, 48 + side * 27, 56 + ty * 0.5);
        cairo_move_to(cr, sx, 46);
        cairo_line_to(cr, 48 + side * 16, 60 + ty * 0.2);
        colour(cr, PURPLE, 0.8);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    // Body, ears, eyes looking forward, fangs.
    cairo_move_to(cr, 40, 34);
    cairo_line_to(cr, 42, 24);
    cairo_line_to(cr, 47, 32);
    cairo_move_to(cr, 52, 32);
    cairo_line_to(cr, 58, 22);
    cairo_line_to(cr, 58, 34);
    fill_flat(cr, PURPLE, THIN + 0.6);
    ellipse(cr, 49, 48, 13, 15);
    fill_lit(cr, PURPLE, 36, 33, 62, 63);
    for (double x : {51.0, 58.0}) {
        ellipse(cr, x, 44, 3.2, 3.6);
        fill_flat(cr, GOLD, 1.4);
        ellipse(cr, x + 0.8, 44, 1.3, 2.2);
        fill_flat(cr, NAVY, 0);
    }
    for (double x : {51.0, 57.0}) {
        cairo_move_to(cr, x - 2, 52);
        cairo_line_to(cr, x, 57);
        cairo_line_to(cr, x + 2, 52);
        cairo_close_path(cr);
        fill_flat(cr, 0xffffff, 1.2);
    }
    cairo_restore(cr);
}

void spark(cairo_t* cr, int frame)
{
    // A white-yellow star in a flickering orange glow; no facing.
    const double glow_r[4] = {34, 28, 36, 30};
    const double outer[4] = {26, 22, 28, 23};
    const double turn[4] = {0, 12, 24, 36};
    cairo_pattern_t* glow = cairo_pattern_create_radial(48, 48, 4, 48, 48, glow_r[frame]);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.8, 0.3, 0.95);
    cairo_pattern_add_color_stop_rgba(glow, 0.5, 0.95, 0.55, 0.16, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, 0.95, 0.55, 0.16, 0.0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 48, 48, glow_r[frame], 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    star(cr, 48, 48, outer[frame] + 6, outer[frame] * 0.45, 8, turn[frame] + 22.5);
    fill_flat(cr, ORANGE, THIN + 0.6);
    star(cr, 48, 48, outer[frame], outer[frame] * 0.42, 4, turn[frame]);
    cairo_pattern_t* core = cairo_pattern_create_radial(46, 46, 1, 48, 48, outer[frame]);
    cairo_pattern_add_color_stop_rgb(core, 0.0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(core, 0.5, 1.0, 0.95, 0.55);
    cairo_pattern_add_color_stop_rgb(core, 1.0, 0.98, 0.78, 0.2);
    cairo_set_source(cr, core);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(core);
    outline(cr, THIN + 0.8);
    // Angry little eyes.
    for (double x : {43.0, 53.0}) {
        ellipse(cr, x, 47, 2.2, 3.0);
        fill_flat(cr, OUTLINE, 0);
    }
    const double embers[4][2] = {{18, 22}, {80, 30}, {74, 78}, {20, 72}};
    for (int i = 0; i < 4; i++)
        if ((i + frame) % 3 != 0) {
            ellipse(cr, embers[i][0], embers[i][1], 3, 3);
            fill_flat(cr, GOLD, 1.6);
        }
}

void icicle(cairo_t* cr, int shake)
{
    // A cone hanging from the ceiling; while it shakes it rocks about its
    // root and loses a few flakes of snow.
    const double rock[4] = {0, -5, 0, 5};
    cairo_save(cr);
    cairo_translate(cr, 48, 6);
    cairo_rotate(cr, rock[shake] * M_PI / 180.0);
    cairo_translate(cr, -48, -6);
    cairo_move_to(cr, 30, 9);
    cairo_curve_to(cr, 32, 40, 44, 70, 48, 90);
    cairo_curve_to(cr, 52, 70, 64, 40, 66, 9);
    cairo_close_path(cr);
    fill_lit(cr, 0x9ED8F5, 28, 6, 68, 90);
    cairo_move_to(cr, 33, 10);
    cairo_curve_to(cr, 35, 36, 42, 56, 46, 72);
    colour(cr, 0xffffff, 0.95);
    cairo_set_line_width(cr, 3.4);
    cairo_stroke(cr);
    // Angry eyes make it a foe rather than a decoration.
    for (double x : {43.0, 53.0}) {
        ellipse(cr, x, 26, 2.6, 3.2);
        fill_flat(cr, DEEP_BLUE, 0);
    }
    cairo_move_to(cr, 39, 19);
    cairo_line_to(cr, 46, 22);
    cairo_move_to(cr, 50, 22);
    cairo_line_to(cr, 57, 19);
    outline(cr, 2.4);
    cairo_rectangle(cr, 28, 7, 40, 5);
    fill_flat(cr, SNOW, THIN);
    cairo_restore(cr);
    if (shake > 0) {
        const double flakes[3][2] = {{22, 30}, {74, 40}, {20, 58}};
        for (int i = 0; i < 3; i++) {
            double y = flakes[i][1] + 8 * ((i + shake) % 3);
            ellipse(cr, flakes[i][0] + (i == 1 ? 0 : 2 * shake), y, 3, 3);
            fill_flat(cr, SNOW, 1.6);
        }
        double side = shake == 1 ? -1 : 1;
        for (double y : {24.0, 40.0}) {
            cairo_move_to(cr, 48 + side * 26, y);
            cairo_line_to(cr, 48 + side * 34, y - 4);
            outline(cr, 2.6, 0.8);
        }
    }
}

void bear(cairo_t* cr, int frame, bool charging)
{
    // Big, low and heavy, facing right. Charging it leans into the run
    // with its mouth open, kicking up snow behind.
    double phase = 2 * M_PI * frame / 4.0;
    double s = std::sin(phase);
    cairo_save(cr);
    // Drawn a little taller than its sketch so that it looms over Olpi.
    cairo_translate(cr, 46, 92);
    cairo_scale(cr, 1.05, 1.16);
    cairo_translate(cr, -48, -92);
    if (charging) {
        cairo_translate(cr, 48, 92);
        cairo_rotate(cr, 7 * M_PI / 180.0);
        cairo_scale(cr, 0.94, 0.94);
        cairo_translate(cr, -48, -95);
    }
    double bob = charging ? -2 * std::fabs(std::cos(phase)) : -1 * std::fabs(std::cos(phase));
    double stride = charging ? 9 : 5;
    struct Leg {
        double x, shift, shade;
    } legs[4] = {{26, -s, 0.25}, {64, s, 0.25}, {32, s, 0}, {70, -s, 0}};
    for (int i = 0; i < 4; i++) {
        if (i == 2) {
            ellipse(cr, 46, 64 + bob, 34, 20);
            fill_lit(cr, FUR, 12, 44 + bob, 80, 84 + bob);
            // Shoulder hump and a shade on the belly.
            cairo_move_to(cr, 20, 74 + bob);
            cairo_curve_to(cr, 36, 84 + bob, 58, 84 + bob, 72, 74 + bob);
            colour(cr, 0xC9BA9C, 0.6);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            ellipse(cr, 15, 58 + bob, 5, 5);
            fill_flat(cr, FUR, THIN + 0.4);
        }
        const Leg& l = legs[i];
        double x = l.x + l.shift * stride;
        double lift = std::fmax(0.0, l.shift) * (charging ? 5 : 3);
        round_rect(cr, x - 7, 70 + bob, 14, 19 - lift - bob, 6);
        fill_lit(cr, darker(FUR, l.shade), x - 7, 70, x + 7, 91);
        ellipse(cr, x + 1, 88 - lift, 8, 3.5);
        fill_flat(cr, darker(FUR, l.shade + 0.1), THIN);
    }
    // Head with ears, snout, nose and eye.
    double hy = 52 + bob + (charging ? 4 : 0);
    ellipse(cr, 64, hy - 13, 5.5, 5.5);
    fill_flat(cr, FUR, THIN + 0.6);
    ellipse(cr, 70, hy, 16, 14);
    fill_lit(cr, FUR, 54, hy - 14, 86, hy + 14);
    if (charging) {
        cairo_move_to(cr, 74, hy + 4);
        cairo_line_to(cr, 88, hy + 2);
        cairo_line_to(cr, 86, hy + 14);
        cairo_line_to(cr, 74, hy + 10);
        cairo_close_path(cr);
        fill_flat(cr, 0x8A1A2A, THIN + 0.4);
        cairo_move_to(cr, 80, hy + 3);
        cairo_line_to(cr, 82, hy + 7);
        cairo_line_to(cr, 84, hy + 3);
        fill_flat(cr, 0xffffff, 1.2);
    }
    ellipse(cr, 81, hy + 1, 8, 6.5);
    fill_lit(cr, 0xEADFC6, 73, hy - 6, 89, hy + 8, THIN + 0.4);
    ellipse(cr, 87, hy - 1, 3.2, 2.6);
    fill_flat(cr, NAVY, 0);
    ellipse(cr, 71, hy - 5, 2.6, 3.0);
    fill_flat(cr, NAVY, 0);
    if (charging) {
        cairo_move_to(cr, 66, hy - 11);
        cairo_line_to(cr, 75, hy - 7);
        outline(cr, 3);
    } else {
        ellipse(cr, 70.3, hy - 6, 1, 1);
        fill_flat(cr, 0xffffff, 0);
    }
    cairo_restore(cr);
    if (charging) {
        for (int i = 0; i < 3; i++) {
            double x = 12 + 7 * i - 3 * ((frame + i) % 2), y = 84 - 7 * i;
            ellipse(cr, x, y, 5 - i, 5 - i);
            fill_flat(cr, SNOW, 1.8, 0.9);
        }
        for (double y : {50.0, 62.0}) {
            cairo_move_to(cr, 4, y);
            cairo_line_to(cr, 10 + 2 * (frame % 2), y);
            outline(cr, 2.6, 0.7);
        }
    }
}

} // namespace

void draw_enemy(cairo_t* cr, int sprite)
{
    if (sprite >= SPRITE_SNOWMAN && sprite < SPRITE_SNOWMAN + ENEMY_FRAMES)
        snowman(cr, sprite - SPRITE_SNOWMAN);
    else if (sprite >= SPRITE_GHOST && sprite < SPRITE_GHOST + ENEMY_FRAMES)
        ghost(cr, sprite - SPRITE_GHOST);
    else if (sprite >= SPRITE_BAT && sprite < SPRITE_BAT + ENEMY_FRAMES)
        bat(cr, sprite - SPRITE_BAT);
    else if (sprite >= SPRITE_SPARK && sprite < SPRITE_SPARK + ENEMY_FRAMES)
        spark(cr, sprite - SPRITE_SPARK);
    else if (sprite >= SPRITE_ICICLE && sprite < SPRITE_ICICLE_SHAKE + ICICLE_SHAKE_FRAMES)
        icicle(cr, sprite - SPRITE_ICICLE);
    else if (sprite >= SPRITE_BEAR_WALK && sprite < SPRITE_BEAR_WALK + ENEMY_FRAMES)
        bear(cr, sprite - SPRITE_BEAR_WALK, false);
    else if (sprite >= SPRITE_BEAR_CHARGE && sprite < SPRITE_BEAR_CHARGE + ENEMY_FRAMES)
        bear(cr, sprite - SPRITE_BEAR_CHARGE, true);
}
