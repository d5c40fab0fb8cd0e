// The Elves' Farm: dusk in orange and pink over barns and fields of snow,
// and the warm corners of the farm where the elves live.
#include "scenes.h"

#include <cmath>

static const Rgb DUSK_TOP = hex(0x2A3060), DUSK_MID = hex(0x8A5A8A), DUSK_LOW = hex(0xF0A070);
static const Rgb PINK = hex(0xE8909A), SNOW = hex(0xD8F1FF), BARN = hex(0x8A3A38);
static const Rgb CANDLE = hex(0xF28C28), GOLD = hex(0xF2B632), RED = hex(0xD7263D), PINE = hex(0x2E7D4F);

static const Rgb OUTLINE = hex(0x152038), LIT = hex(0xFFC46A), WOOD = hex(0x6A4634);

static const Stop DUSK_PANE[] = {{0, DUSK_TOP, 1}, {0.55, DUSK_MID, 1}, {1, DUSK_LOW, 1}};

// A stable lantern hanging on its cord from (x, top), its body from y body
// down, casting a wide warm light and a bright core.
static void lantern(cairo_t* cr, double x, double top, double body, double light, double core)
{
    cairo_set_source_rgb(cr, 0.2, 0.14, 0.12);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, body);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 24, body, 48, 70);
    cairo_fill(cr);
    glow(cr, x, body + 36, light, CANDLE, 0.32);
    glow(cr, x, body + 36, core, hex(0xFFE0A0), 0.9);
}

static void dusk_sky(cairo_t* cr, Rng& rng, double horizon, double sun_x)
{
    Stop sky[] = {{0, DUSK_TOP, 1}, {0.45, hex(0x6A4A80), 1}, {0.8, PINK, 1}, {1, DUSK_LOW, 1}};
    fill_vertical(cr, 0, 0, PIC_W, horizon, sky, 4);
    cairo_set_source_rgb(cr, DUSK_LOW.r, DUSK_LOW.g, DUSK_LOW.b);
    cairo_rectangle(cr, 0, horizon, PIC_W, PIC_H - horizon);
    cairo_fill(cr);
    stars(cr, rng, 60, 0, horizon * 0.35, 0.5);
    glow_ellipse(cr, sun_x, horizon, 700, 260, hex(0xFFB070), 0.35);
    glow(cr, sun_x, horizon - 10, 70, hex(0xFFE0B0), 0.6);
    clouds(cr, rng, 10, horizon * 0.45, 100, hex(0xF0B0B8), 0.3);
}

// A snow field lit pink by the sky above it.
static void dusk_field(cairo_t* cr, Rng& rng, double y, double amplitude, double shade)
{
    Rgb lit = mix(mix(SNOW, PINK, 0.4 + shade * 0.2), DUSK_TOP, 0.2 + shade * 0.1);
    ridge(cr, rng, y, amplitude, 0.7, lit, mix(SNOW, DUSK_TOP, 0.5 + shade * 0.2));
}

// A red barn with a gambrel roof and a lit door or window.
static void barn(cairo_t* cr, double x, double base, double w, double h, Rgb wall, double lit)
{
    double roof = h * 0.55;
    cairo_set_source_rgb(cr, wall.r, wall.g, wall.b);
    cairo_rectangle(cr, x, base - h, w, h);
    cairo_fill(cr);
    cairo_move_to(cr, x - w * 0.05, base - h);
    cairo_line_to(cr, x + w * 0.12, base - h - roof * 0.6);
    cairo_line_to(cr, x + w * 0.5, base - h - roof);
    cairo_line_to(cr, x + w * 0.88, base - h - roof * 0.6);
    cairo_line_to(cr, x + w * 1.05, base - h);
    cairo_close_path(cr);
    Rgb roof_c = mix(SNOW, PINK, 0.4);
    cairo_set_source_rgb(cr, roof_c.r, roof_c.g, roof_c.b);
    cairo_fill(cr);
    // The big doors with their white cross braces.
    Rgb trim = mix(SNOW, wall, 0.4);
    cairo_set_source_rgb(cr, trim.r, trim.g, trim.b);
    cairo_set_line_width(cr, w * 0.02);
    double dx = x + w * 0.3, dw = w * 0.4, dh = h * 0.6;
    cairo_rectangle(cr, dx, base - dh, dw, dh);
    cairo_move_to(cr, dx, base - dh);
    cairo_line_to(cr, dx + dw, base);
    cairo_move_to(cr, dx + dw, base - dh);
    cairo_line_to(cr, dx, base);
    cairo_stroke(cr);
    if (lit > 0)
        lit_window(cr, x + w * 0.43, base - h - roof * 0.45, w * 0.14, roof * 0.3, LIT, trim, w * 0.2 * lit);
}

static void the_elves_and_the_sled(cairo_t* cr, Rng& rng)
{
    dusk_sky(cr, rng, 760, 1050);
    dusk_field(cr, rng, 780, 20, 0.0);
    barn(cr, 1000, 800, 200, 110, BARN, 1.0);
    house(cr, rng, 1230, 800, 130, 80, 60, hex(0xC8A088), hex(0x6A3A40), LIT, 1.0);
    fir_row(cr, rng, -30, 500, 800, 90, 150, mix(PINE, DUSK_TOP, 0.6), PINK, 0.3);
    dusk_field(cr, rng, 920, 50, 0.4);
    // The elves hauling a sled loaded with sacks up the field.
    Rgb wood = WOOD;
    cairo_set_source_rgb(cr, wood.r, wood.g, wood.b);
    cairo_set_line_width(cr, 8);
    cairo_move_to(cr, 440, 930);
    cairo_line_to(cr, 640, 930);
    cairo_curve_to(cr, 680, 930, 680, 900, 660, 896);
    cairo_stroke(cr);
    cairo_rectangle(cr, 450, 880, 190, 34);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.7, 0.6, 0.5);
    cairo_arc(cr, 500, 860, 34, 0, 6.2832);
    cairo_arc(cr, 580, 856, 40, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.3, 0.2, 0.2);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 660, 900);
    cairo_line_to(cr, 760, 880);
    cairo_line_to(cr, 860, 870);
    cairo_stroke(cr);
    elf(cr, 770, 900, 2.2, hex(0x5A4A6A), RED);
    elf(cr, 870, 890, 2.2, hex(0x4A5A6A), RED);
    elf(cr, 410, 930, 2.0, hex(0x6A4A4A), RED);
    // Drifts in the foreground, their lee sides in shade.
    for (int i = 0; i < 5; i++) {
        double x = rng_range(rng, 0, PIC_W), y = rng_range(rng, 1020, 1120);
        glow_ellipse(cr, x, y + 14, rng_range(rng, 220, 380), 34, DUSK_TOP, 0.35, false);
        glow_ellipse(cr, x - 30, y, rng_range(rng, 200, 320), 26, mix(SNOW, PINK, 0.5), 0.25, false);
    }
    // The sled's tracks.
    cairo_set_source_rgba(cr, 0.55, 0.45, 0.6, 0.5);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, 440, 934);
    cairo_curve_to(cr, 300, 960, 200, 1060, 60, 1160);
    cairo_move_to(cr, 460, 944);
    cairo_curve_to(cr, 330, 975, 230, 1070, 100, 1160);
    cairo_stroke(cr);
}

static void fetching_the_tree(cairo_t* cr, Rng& rng)
{
    dusk_sky(cr, rng, 700, 300);
    fir_row(cr, rng, -40, 600, 720, 180, 280, mix(PINE, DUSK_TOP, 0.55), PINK, 0.35);
    dusk_field(cr, rng, 740, 15, 0.1);
    barn(cr, 900, 780, 320, 190, BARN, 1.0);
    house(cr, rng, 1240, 780, 200, 130, 90, hex(0xC8A088), hex(0x6A3A40), LIT, 1.0);
    dusk_field(cr, rng, 900, 30, 0.45);
    // The horse pulling the sledge with the tree on it, homeward bound.
    Rgb horse = mix(OUTLINE, hex(0x5A3A3A), 0.5);
    cairo_save(cr);
    cairo_translate(cr, 760, 960);
    cairo_set_source_rgb(cr, horse.r, horse.g, horse.b);
    scaled_arc(cr, 0, -110, 0, 1, 0.45, 90, 6.2832);
    cairo_fill(cr);
    cairo_move_to(cr, 60, -130);
    cairo_line_to(cr, 110, -200);
    cairo_line_to(cr, 150, -190);
    cairo_line_to(cr, 100, -100);
    cairo_close_path(cr);
    cairo_fill(cr);
    scaled_arc(cr, 150, -190, 0.6, 1, 0.5, 36, 6.2832);
    cairo_fill(cr);
    cairo_set_line_width(cr, 16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    double legs[] = {-60, -40, 50, 70};
    for (double l : legs) {
        cairo_move_to(cr, l, -100);
        cairo_line_to(cr, l + (l > 0 ? 10 : -6), 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The sledge and the tree lying on it.
    cairo_set_source_rgb(cr, WOOD.r, WOOD.g, WOOD.b);
    cairo_set_line_width(cr, 8);
    cairo_move_to(cr, 260, 968);
    cairo_line_to(cr, 640, 968);
    cairo_stroke(cr);
    cairo_move_to(cr, 640, 930);
    cairo_line_to(cr, 700, 880);
    cairo_stroke(cr);
    // The felled fir lying on the sledge, its top trailing behind.
    cairo_save(cr);
    cairo_translate(cr, 650, 905);
    cairo_rotate(cr, -1.5708 - 0.04);
    fir(cr, 0, 0, 400, mix(PINE, DUSK_TOP, 0.35), mix(SNOW, PINK, 0.4), 0.35);
    cairo_restore(cr);
    elf(cr, 960, 960, 2.2, hex(0x5A4A6A), RED);
}

static void into_the_forest(cairo_t* cr, Rng& rng)
{
    dusk_sky(cr, rng, 760, 720);
    // Rows of firs stepping nearer: pink haze far off, deep green-violet close by.
    const double rows[][3] = {{700, 110, 170}, {760, 160, 240}, {830, 220, 320}};
    for (int layer = 0; layer < 3; layer++) {
        double k = layer / 2.0;
        Rgb body = mix(mix(PINK, DUSK_MID, 0.6), mix(PINE, DUSK_TOP, 0.5), 0.35 + 0.65 * k);
        fir_row(cr, rng, -80, PIC_W + 80, rows[layer][0], rows[layer][1], rows[layer][2], body, mix(SNOW, PINK, 0.45), 0.25);
        glow_ellipse(cr, 720, rows[layer][0] - 40, 900, 120, mix(PINK, DUSK_LOW, 0.5), 0.18, false);
    }
    // The snowy floor of the forest, with a path running in among the trees.
    Stop floor[] = {{0, mix(mix(SNOW, PINK, 0.45), DUSK_TOP, 0.25), 1}, {1, mix(SNOW, DUSK_TOP, 0.6), 1}};
    cairo_move_to(cr, -10, 830);
    cairo_curve_to(cr, 400, 800, 1000, 810, 1450, 830);
    cairo_line_to(cr, 1450, 1160);
    cairo_line_to(cr, -10, 1160);
    cairo_close_path(cr);
    source_vertical(cr, 800, 1152, floor, 2);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.45, 0.38, 0.58, 0.35);
    cairo_move_to(cr, 660, 820);
    cairo_curve_to(cr, 560, 900, 560, 1000, 420, 1160);
    cairo_line_to(cr, 900, 1160);
    cairo_curve_to(cr, 800, 1000, 760, 900, 740, 820);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Light of the low sun falling between the trunks.
    for (int i = 0; i < 5; i++) {
        double x = 300 + i * 220;
        cairo_save(cr);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 60, 0);
        cairo_line_to(cr, x + 260, 1152);
        cairo_line_to(cr, x + 120, 1152);
        cairo_close_path(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_rgba(cr, 1.0, 0.7, 0.5, 0.035);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Great firs close by at both sides frame the clearing and leave its middle calm.
    Rgb near = mix(PINE, DUSK_TOP, 0.55);
    fir(cr, 90, 1180, 1000, near, mix(SNOW, PINK, 0.4), 0.3);
    fir(cr, 1360, 1190, 1080, near, mix(SNOW, PINK, 0.4), 0.3);
    fir(cr, 1180, 1150, 640, mix(near, DUSK_MID, 0.15), mix(SNOW, PINK, 0.4), 0.3);
    // The elves with their saw, choosing a tree.
    elf(cr, 640, 960, 2.0, hex(0x5A4A6A), RED);
    elf(cr, 740, 968, 2.0, hex(0x4A5A5A), RED);
    cairo_set_source_rgb(cr, 0.55, 0.55, 0.6);
    cairo_rectangle(cr, 680, 900, 40, 8);
    cairo_fill(cr);
}

static void rice_pudding_in_the_loft(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x3A2830), 1}, {1, hex(0x5A3A34), 1}};
    fill_vertical(cr, 0, 0, PIC_W, PIC_H, wall, 2);
    // The roof's underside: rafters meeting at the ridge.
    Rgb beam = hex(0x2E1E20);
    cairo_set_source_rgb(cr, beam.r, beam.g, beam.b);
    for (int i = -6; i <= 6; i++) {
        cairo_move_to(cr, 720 + i * 8, 0);
        cairo_line_to(cr, 720 + i * 260 + 20, 1152);
        cairo_line_to(cr, 720 + i * 260 - 20, 1152);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 420, PIC_W, 36);
    cairo_fill(cr);
    // The small gable window with the dusk outside.
    room_window(cr, rng, 620, 120, 200, 200, DUSK_PANE, 3, hex(0x2A1C1E), 0.4, 100);
    glow_ellipse(cr, 720, 620, 500, 280, hex(0xF0A070), 0.12);
    // Hay bales on the boards.
    floor_boards(cr, 900, hex(0x3A2620), hex(0x52362A));
    Rgb hay = hex(0xB08A50);
    for (int i = 0; i < 5; i++) {
        double x = i < 2 ? 60 + i * 200 : 1000 + (i - 2) * 150, y = i == 1 ? 780 : 860;
        Stop s[] = {{0, hay, 1}, {1, scale(hay, 0.65), 1}};
        fill_vertical(cr, x, y - 120, 190, 140, s, 2);
        cairo_set_source_rgba(cr, 0.3, 0.2, 0.1, 0.6);
        cairo_rectangle(cr, x + 50, y - 120, 8, 140);
        cairo_rectangle(cr, x + 130, y - 120, 8, 140);
        cairo_fill(cr);
    }
    // The bowl of porridge with its knob of butter, left out for the elf.
    cairo_set_source_rgb(cr, 0.36, 0.24, 0.18);
    cairo_rectangle(cr, 600, 860, 240, 26);
    cairo_rectangle(cr, 620, 886, 20, 110);
    cairo_rectangle(cr, 800, 886, 20, 110);
    cairo_fill(cr);
    bowl(cr, 720, 800, 180, 60, hex(0x8A6A8A), hex(0xF2E6CE));
    glow_ellipse(cr, 720, 798, 26, 8, GOLD, 0.9, false);
    cairo_set_source_rgb(cr, 0.7, 0.7, 0.72);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 760, 796);
    cairo_line_to(cr, 830, 740);
    cairo_stroke(cr);
    // The lantern hanging from the beam.
    lantern(cr, 420, 456, 560, 380, 26);
    elf(cr, 1120, 740, 2.2, hex(0x5A4A6A), RED);
}

// A horse's head and neck in profile, looking over a gate; facing right.
static void horse_head(cairo_t* cr, double x, double y, double s, Rgb c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    // Neck rising from behind the gate, then the long head bent down.
    cairo_move_to(cr, -60, 120);
    cairo_curve_to(cr, -70, 40, -50, -40, 0, -70);
    cairo_curve_to(cr, 40, -90, 80, -60, 120, 0);
    cairo_curve_to(cr, 134, 22, 120, 42, 96, 40);
    cairo_curve_to(cr, 70, 38, 50, 10, 30, 0);
    cairo_curve_to(cr, 20, 40, 30, 90, 40, 120);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Ears, mane and eye.
    cairo_move_to(cr, -4, -68);
    cairo_line_to(cr, 4, -106);
    cairo_line_to(cr, 18, -72);
    cairo_fill(cr);
    Rgb mane = scale(c, 0.6);
    cairo_set_source_rgb(cr, mane.r, mane.g, mane.b);
    cairo_move_to(cr, -60, 110);
    cairo_curve_to(cr, -78, 40, -60, -40, -6, -70);
    cairo_curve_to(cr, -40, -30, -50, 40, -40, 110);
    cairo_fill(cr);
    cairo_arc(cr, 40, -44, 6, 0, 6.2832);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A cow's head from the front, with horns and a pale muzzle.
static void cow_head(cairo_t* cr, double x, double y, double s, Rgb c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_set_source_rgb(cr, 0.85, 0.8, 0.7);
    cairo_set_line_width(cr, 12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, -40, -60);
    cairo_curve_to(cr, -70, -70, -80, -90, -70, -110);
    cairo_move_to(cr, 40, -60);
    cairo_curve_to(cr, 70, -70, 80, -90, 70, -110);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    scaled_arc(cr, 0, 0, 0, 1, 1.3, 56, 6.2832);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        scaled_arc(cr, side * 70, -40, side * 0.4, 1, 0.5, 30, 6.2832);
        cairo_fill(cr);
    }
    Rgb patch = scale(c, 0.45);
    cairo_set_source_rgb(cr, patch.r, patch.g, patch.b);
    scaled_arc(cr, -22, -30, 0, 1, 1.3, 26, 6.2832);
    cairo_fill(cr);
    cairo_arc(cr, -20, -18, 6, 0, 6.2832);
    cairo_arc(cr, 20, -18, 6, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.85, 0.66, 0.64);
    scaled_arc(cr, 0, 52, 0, 1, 0.62, 44, 6.2832);
    cairo_fill(cr);
    cairo_restore(cr);
}

static void the_elves_in_the_stable(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x3A2A2E), 1}, {1, hex(0x5A3E32), 1}};
    fill_vertical(cr, 0, 0, PIC_W, PIC_H, wall, 2);
    // Planks of the walls and the beam under the loft.
    for (double x = 0; x < PIC_W; x += 90) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
        cairo_rectangle(cr, x, 0, 4, 900);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.2, 0.13, 0.12);
    cairo_rectangle(cr, 0, 80, PIC_W, 40);
    cairo_fill(cr);
    // The open door at the back: dusk and snow outside.
    window_view(cr, rng, 600, 260, 240, 600, DUSK_PANE, 3, 0.4, 0);
    cairo_save(cr);
    cairo_rectangle(cr, 600, 260, 240, 600);
    cairo_clip(cr);
    Stop yard[] = {{0, mix(mix(SNOW, PINK, 0.45), DUSK_TOP, 0.2), 1}, {1, mix(SNOW, DUSK_TOP, 0.45), 1}};
    fill_vertical(cr, 600, 700, 240, 160, yard, 2);
    fir_row(cr, rng, 600, 840, 705, 60, 100, mix(PINE, DUSK_TOP, 0.55), PINK, 0.3);
    cairo_restore(cr);
    Rgb post = hex(0x2E1E1C);
    cairo_set_source_rgb(cr, post.r, post.g, post.b);
    cairo_rectangle(cr, 580, 240, 20, 640);
    cairo_rectangle(cr, 840, 240, 20, 640);
    cairo_rectangle(cr, 580, 240, 280, 24);
    cairo_fill(cr);
    glow_ellipse(cr, 720, 900, 320, 70, PINK, 0.18);
    // The horse and the cow looking over the gates of their stalls.
    horse_head(cr, 230, 520, 1.5, hex(0x6A3E30));
    cairo_set_source_rgb(cr, 0.5, 0.44, 0.42);
    cairo_move_to(cr, 1060, 700);
    cairo_curve_to(cr, 1070, 600, 1110, 560, 1170, 560);
    cairo_curve_to(cr, 1230, 560, 1270, 600, 1280, 700);
    cairo_close_path(cr);
    cairo_fill(cr);
    cow_head(cr, 1170, 520, 1.2, hex(0xB8AAA0));
    Rgb gate = hex(0x7A5236);
    cairo_set_source_rgb(cr, gate.r, gate.g, gate.b);
    for (int side = 0; side < 2; side++) {
        double x0 = side ? 900 : 40;
        cairo_rectangle(cr, x0, 660, 500, 26);
        cairo_rectangle(cr, x0, 770, 500, 26);
        cairo_rectangle(cr, x0, 650, 26, 250);
        cairo_rectangle(cr, x0 + 474, 650, 26, 250);
        cairo_rectangle(cr, x0 + 237, 650, 26, 250);
    }
    cairo_fill(cr);
    // Straw on the floor.
    Stop straw[] = {{0, hex(0x7A5E3A), 1}, {1, hex(0x4A3428), 1}};
    fill_vertical(cr, 0, 900, PIC_W, 252, straw, 2);
    cairo_set_source_rgba(cr, 0.8, 0.65, 0.35, 0.3);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 260; i++) {
        double x = rng_range(rng, 0, PIC_W), y = rng_range(rng, 900, 1150), a = rng_range(rng, -0.5, 0.5);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 30 * std::cos(a), y + 30 * std::sin(a));
    }
    cairo_stroke(cr);
    // The lantern hanging from the beam, and the elves at their evening round.
    lantern(cr, 460, 120, 300, 460, 24);
    elf(cr, 520, 900, 2.2, hex(0x5A4A6A), RED);
    elf(cr, 940, 900, 2.2, hex(0x4A5A5A), RED);
}

static void the_elves_den(cairo_t* cr, Rng& rng)
{
    // Inside a hollow under the roots of an old tree.
    Stop earth[] = {{0, hex(0x2A2028), 1}, {1, hex(0x4A342E), 1}};
    fill_vertical(cr, 0, 0, PIC_W, PIC_H, earth, 2);
    glow_ellipse(cr, 720, 600, 760, 520, hex(0x6A4A3A), 0.5, false);
    // The round opening with the dusk and the snow beyond it.
    cairo_save(cr);
    cairo_arc(cr, 1120, 380, 170, 0, 6.2832);
    cairo_clip(cr);
    fill_vertical(cr, 950, 210, 340, 340, DUSK_PANE, 3);
    fir_row(cr, rng, 940, 1300, 520, 90, 150, mix(PINE, DUSK_TOP, 0.5), PINK, 0.3);
    Stop snow[] = {{0, mix(SNOW, PINK, 0.4), 1}, {1, mix(SNOW, PINK, 0.2), 1}};
    fill_vertical(cr, 950, 500, 340, 60, snow, 2);
    cairo_restore(cr);
    // Roots arching over the den.
    Rgb root = hex(0x3A2620);
    cairo_set_source_rgb(cr, root.r, root.g, root.b);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 9; i++) {
        double x = rng_range(rng, 0, PIC_W);
        cairo_set_line_width(cr, rng_range(rng, 14, 36));
        cairo_move_to(cr, x, -20);
        cairo_curve_to(cr, x + rng_range(rng, -200, 200), 200, x + rng_range(rng, -300, 300), 360, x + rng_range(rng, -300, 300), rng_range(rng, 420, 640));
        cairo_stroke(cr);
    }
    // Shelves cut in the earth, with jars, and a little round door.
    cairo_set_source_rgb(cr, 0.36, 0.24, 0.18);
    cairo_rectangle(cr, 140, 420, 360, 16);
    cairo_fill(cr);
    for (int j = 0; j < 5; j++) {
        Rgb jar = j & 1 ? hex(0x8A6A4A) : hex(0x6A7A8A);
        cairo_set_source_rgb(cr, jar.r, jar.g, jar.b);
        cairo_rectangle(cr, 160 + j * 68, 350, 46, 70);
        cairo_fill(cr);
    }
    Rgb door = hex(0x7A3A2E);
    cairo_set_source_rgb(cr, door.r, door.g, door.b);
    cairo_arc(cr, 300, 860, 110, 3.1416, 0);
    cairo_rectangle(cr, 190, 860, 220, 60);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, GOLD.r, GOLD.g, GOLD.b);
    cairo_arc(cr, 370, 860, 9, 0, 6.2832);
    cairo_fill(cr);
    // Rugs, cushions and lanterns.
    Stop floor[] = {{0, hex(0x4A3428), 1}, {1, hex(0x2E2220), 1}};
    fill_vertical(cr, 0, 920, PIC_W, 232, floor, 2);
    cairo_set_source_rgb(cr, 0.55, 0.22, 0.24);
    scaled_arc(cr, 720, 1010, 0, 1, 0.2, 360, 6.2832);
    cairo_fill(cr);
    double lamps[][2] = {{600, 540}, {880, 480}};
    for (auto& l : lamps) {
        glow(cr, l[0], l[1], 300, CANDLE, 0.3);
        cairo_set_source_rgb(cr, 0.2, 0.14, 0.12);
        cairo_rectangle(cr, l[0] - 18, l[1] - 26, 36, 52);
        cairo_fill(cr);
        glow(cr, l[0], l[1], 18, hex(0xFFE0A0), 0.9);
    }
    elf(cr, 700, 980, 2.0, hex(0x5A4A6A), RED);
    elf(cr, 800, 990, 1.8, hex(0x3A5A4A), RED);
}

static void pancake_puffs_at_grandmas(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x4A3444), 1}, {1, hex(0x6A4A44), 1}};
    fill_vertical(cr, 0, 0, PIC_W, 900, wall, 2);
    // The window with a checked curtain and the dusk outside.
    room_window(cr, rng, 150, 180, 360, 400, DUSK_PANE, 3, hex(0x3A2830), 0.3, 0);
    for (int side = 0; side < 2; side++) {
        double x = side ? 470 : 100;
        for (int i = 0; i < 6; i++)
            for (int j = 0; j < 12; j++) {
                Rgb c = (i + j) & 1 ? hex(0xE8E0E0) : hex(0xC84A50);
                cairo_set_source_rgba(cr, c.r * 0.7, c.g * 0.7, c.b * 0.7, 0.9);
                cairo_rectangle(cr, x + i * 15, 160 + j * 38, 15, 38);
                cairo_fill(cr);
            }
    }
    // Plates on the rack.
    for (int i = 0; i < 5; i++) {
        cairo_set_source_rgb(cr, 0.72, 0.74, 0.82);
        cairo_arc(cr, 720 + i * 90, 280, 38, 0, 6.2832);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.3, 0.4, 0.65);
        cairo_arc(cr, 720 + i * 90, 280, 22, 0, 6.2832);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.36, 0.24, 0.2);
    cairo_rectangle(cr, 660, 318, 460, 16);
    cairo_fill(cr);
    // The old iron stove with the pan of pancake puffs on it.
    Rgb iron = hex(0x2E2A34);
    cairo_set_source_rgb(cr, iron.r, iron.g, iron.b);
    cairo_rectangle(cr, 820, 560, 480, 340);
    cairo_fill(cr);
    cairo_rectangle(cr, 1180, 80, 60, 480);
    cairo_fill(cr);
    glow_ellipse(cr, 1000, 780, 110, 50, hex(0xFF9040), 0.8);
    cairo_set_source_rgb(cr, 0.16, 0.14, 0.18);
    scaled_arc(cr, 1000, 550, 0, 1, 0.3, 150, 6.2832);
    cairo_fill(cr);
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, 850, 550);
    cairo_line_to(cr, 700, 520);
    cairo_stroke(cr);
    for (int i = 0; i < 7; i++) {
        double a = i / 7.0 * 6.2832;
        double x = i == 6 ? 1000 : 1000 + std::cos(a) * 90, y = i == 6 ? 548 : 548 + std::sin(a) * 26;
        cairo_set_source_rgb(cr, 0.8, 0.55, 0.3);
        cairo_arc(cr, x, y - 12, 22, 0, 6.2832);
        cairo_fill(cr);
    }
    glow(cr, 1000, 560, 420, CANDLE, 0.25);
    floor_boards(cr, 900, hex(0x3A2826), hex(0x4E3630));
    // The table with a plate piled high and the jam.
    cairo_set_source_rgb(cr, 0.42, 0.28, 0.2);
    cairo_rectangle(cr, 80, 820, 620, 36);
    cairo_rectangle(cr, 110, 856, 24, 160);
    cairo_rectangle(cr, 646, 856, 24, 160);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.8, 0.82, 0.88);
    scaled_arc(cr, 380, 815, 0, 1, 0.25, 120, 6.2832);
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) {
        cairo_set_source_rgb(cr, 0.78, 0.55, 0.32);
        cairo_arc(cr, 320 + (i % 3) * 60, 790 - (i / 3) * 36, 26, 0, 6.2832);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.6, 0.16, 0.2);
    cairo_rectangle(cr, 540, 750, 60, 70);
    cairo_fill(cr);
}

static void the_sledging_hill(cairo_t* cr, Rng& rng)
{
    dusk_sky(cr, rng, 860, 1200);
    ridge(cr, rng, 880, 20, 0.5, mix(PINK, DUSK_MID, 0.4), mix(SNOW, PINK, 0.4));
    // The long hill falling from the upper left to the lower right.
    Stop slope[] = {{0, mix(SNOW, PINK, 0.3), 1}, {1, mix(SNOW, DUSK_TOP, 0.45), 1}};
    cairo_move_to(cr, -10, 520);
    cairo_curve_to(cr, 300, 500, 500, 620, 800, 820);
    cairo_curve_to(cr, 1000, 950, 1200, 1000, 1450, 1010);
    cairo_line_to(cr, 1450, 1160);
    cairo_line_to(cr, -10, 1160);
    cairo_close_path(cr);
    source_vertical(cr, 500, 1152, slope, 2);
    cairo_fill(cr);
    fir_row(cr, rng, -40, 300, 540, 120, 200, mix(PINE, DUSK_TOP, 0.6), PINK, 0.35);
    barn(cr, 1120, 930, 220, 120, BARN, 1.0);
    // Tracks down the slope and the sledgers on them.
    cairo_set_source_rgba(cr, 0.55, 0.45, 0.62, 0.45);
    cairo_set_line_width(cr, 5);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, 120 + i * 30, 540 + i * 10);
        cairo_curve_to(cr, 420, 600 + i * 30, 600, 800 + i * 20, 1000 - i * 60, 1100);
    }
    cairo_stroke(cr);
    double riders[][3] = {{420, 640, 0.45}, {640, 800, 0.6}, {260, 560, 0.35}};
    for (auto& r : riders) {
        double x = r[0], y = r[1], a = r[2];
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_set_source_rgb(cr, WOOD.r, WOOD.g, WOOD.b);
        cairo_rectangle(cr, -50, -8, 100, 12);
        cairo_fill(cr);
        cairo_restore(cr);
        elf(cr, x, y - 4, 1.8, hex(0x4A4A6A), RED);
    }
    // A few firs at the foot of the hill, where the run ends.
    fir_row(cr, rng, 120, 420, 1060, 130, 200, mix(PINE, DUSK_TOP, 0.5), PINK, 0.35);
}

static const Calm FARM_SKY = {hex(0x8A6A80), 0.24, 0.12, 0.16};
static const Calm FARM_ROOM = {hex(0x4A3436), 0.3, 0.14, 0.18};

const Scene farm_scenes[8] = {
    {the_elves_and_the_sled, FARM_SKY},
    {fetching_the_tree, FARM_SKY},
    {into_the_forest, FARM_SKY},
    {rice_pudding_in_the_loft, FARM_ROOM},
    {the_elves_in_the_stable, FARM_ROOM},
    {the_elves_den, FARM_ROOM},
    {pancake_puffs_at_grandmas, FARM_ROOM},
    {the_sledging_hill, FARM_SKY},
};
