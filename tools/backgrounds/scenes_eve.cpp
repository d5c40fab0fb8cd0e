// Christmas Eve: deep blue night, lit windows, stars.
#include "scenes.h"

#include <cmath>

static const Rgb NAVY = hex(0x0B1A33), DEEP = hex(0x17325C), HORIZON = hex(0x34507E);
static const Rgb SNOW = hex(0xD8F1FF), CANDLE = hex(0xF28C28), GOLD = hex(0xF2B632);
static const Rgb RED = hex(0xD7263D), PINE = hex(0x2E7D4F), OUTLINE = hex(0x152038);
static const Rgb LIT = hex(0xFFC46A);

static void night_sky(cairo_t* cr, Rng& rng, double horizon, double star_light)
{
    Stop sky[] = {{0, NAVY, 1}, {0.55, DEEP, 1}, {1, HORIZON, 1}};
    fill_vertical(cr, 0, 0, PIC_W, horizon, sky, 3);
    cairo_set_source_rgb(cr, HORIZON.r, HORIZON.g, HORIZON.b);
    cairo_rectangle(cr, 0, horizon, PIC_W, PIC_H - horizon);
    cairo_fill(cr);
    stars(cr, rng, 260, 0, horizon * 0.9, star_light);
}

// Snowy ground rising softly from y, blue in the shade of the night.
static void snow_ground(cairo_t* cr, Rng& rng, double y, double amplitude)
{
    ridge(cr, rng, y, amplitude, 0.8, mix(SNOW, DEEP, 0.45), mix(SNOW, NAVY, 0.62));
}

static void room_walls(cairo_t* cr, Rgb top, Rgb bottom, double floor_y)
{
    Stop wall[] = {{0, top, 1}, {1, bottom, 1}};
    fill_vertical(cr, 0, 0, PIC_W, floor_y, wall, 2);
}

static const Stop NIGHT_PANE[] = {{0, NAVY, 1}, {0.7, DEEP, 1}, {1, HORIZON, 1}};

static void santa_over_the_town(cairo_t* cr, Rng& rng)
{
    night_sky(cr, rng, 900, 0.9);
    clouds(cr, rng, 8, 520, 80, hex(0x4A6A9A), 0.25);
    moon(cr, 1060, 250, 105, hex(0xF4EED8));
    // The sleigh and its team crossing in front of the moon.
    Rgb shadow = mix(OUTLINE, NAVY, 0.3);
    sleigh(cr, 1160, 300, 0.75, -1, shadow, shadow);
    for (int i = 0; i < 4; i++)
        reindeer(cr, 1060 - i * 105, 282 - i * 22 - (i & 1) * 8, 0.55, -1, shadow);
    // Far roofs in the haze, then the town itself with its lit windows.
    for (double x = -40; x < PIC_W; x += rng_range(rng, 110, 170))
        house(cr, rng, x, 1000, rng_range(rng, 100, 150), rng_range(rng, 90, 170), rng_range(rng, 50, 90),
              mix(DEEP, HORIZON, 0.6), mix(DEEP, HORIZON, 0.3), mix(LIT, HORIZON, 0.4), 0.35);
    // A church spire among the roofs.
    cairo_set_source_rgb(cr, DEEP.r, DEEP.g, DEEP.b);
    cairo_move_to(cr, 430, 700);
    cairo_line_to(cr, 470, 860);
    cairo_line_to(cr, 390, 860);
    cairo_close_path(cr);
    cairo_rectangle(cr, 395, 858, 70, 150);
    cairo_fill(cr);
    for (double x = -60; x < PIC_W; x += rng_range(rng, 170, 240))
        house(cr, rng, x, 1160, rng_range(rng, 160, 220), rng_range(rng, 120, 200), rng_range(rng, 70, 120),
              mix(NAVY, DEEP, 0.5), NAVY, LIT, 0.55);
    snowfall(cr, rng, 220, 0.45);
}

static void the_elves_are_baking(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x2A2F52), hex(0x4A3A4A), 930);
    room_window(cr, rng, 140, 200, 380, 460, NIGHT_PANE, 3, hex(0x3A2E36), 0.8, 0);
    // Shelves with jars and tins.
    Rgb wood = hex(0x5A3E32);
    for (int s = 0; s < 2; s++) {
        double y = 240 + s * 190;
        cairo_set_source_rgb(cr, wood.r, wood.g, wood.b);
        cairo_rectangle(cr, 640, y, 320, 18);
        cairo_fill(cr);
        for (int j = 0; j < 5; j++) {
            double w = rng_range(rng, 36, 52), h = rng_range(rng, 50, 90);
            Rgb jar = mix(hex(0x6E6A8A), j & 1 ? GOLD : hex(0x7EC8F0), 0.3);
            cairo_set_source_rgb(cr, jar.r * 0.8, jar.g * 0.8, jar.b * 0.8);
            cairo_rectangle(cr, 660 + j * 60, y - h, w, h);
            cairo_fill(cr);
        }
    }
    // The oven: a brick vault with fire inside.
    Rgb brick = hex(0x6A3C3A);
    cairo_set_source_rgb(cr, brick.r, brick.g, brick.b);
    cairo_rectangle(cr, 1040, 160, 360, 780);
    cairo_fill(cr);
    glow(cr, 1220, 720, 420, CANDLE, 0.4);
    cairo_set_source_rgb(cr, 0.18, 0.08, 0.06);
    cairo_move_to(cr, 1110, 820);
    cairo_line_to(cr, 1110, 700);
    cairo_curve_to(cr, 1110, 600, 1330, 600, 1330, 700);
    cairo_line_to(cr, 1330, 820);
    cairo_close_path(cr);
    cairo_fill(cr);
    glow_ellipse(cr, 1220, 790, 110, 50, hex(0xFFB040), 0.9);
    glow_ellipse(cr, 1220, 780, 60, 30, hex(0xFFE0A0), 0.6);
    // Hanging ladles and a garland.
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgb(cr, 0.42, 0.38, 0.44);
    for (int i = 0; i < 3; i++) {
        double x = 700 + i * 90;
        cairo_move_to(cr, x, 560);
        cairo_line_to(cr, x, 660);
        cairo_stroke(cr);
        cairo_arc(cr, x, 675, 18, 0, 6.2832);
        cairo_fill(cr);
    }
    floor_boards(cr, 930, hex(0x3A2A2A), hex(0x4E3A36));
    // The baking table with trays of cookies.
    cairo_set_source_rgb(cr, 0.33, 0.22, 0.18);
    cairo_rectangle(cr, 120, 880, 860, 40);
    cairo_fill(cr);
    for (int i = 0; i < 14; i++) {
        double x = 170 + i * 56;
        cairo_set_source_rgb(cr, 0.72, 0.5, 0.3);
        scaled_arc(cr, x, 870, 0, 1, 0.4, 20, 6.2832);
        cairo_fill(cr);
    }
    // The bakers themselves, one with the rolling pin.
    elf(cr, 300, 880, 2.4, hex(0x5A4A6A), RED);
    elf(cr, 820, 880, 2.4, hex(0x3A5A4A), RED);
    cairo_set_source_rgb(cr, 0.62, 0.46, 0.32);
    cairo_set_line_width(cr, 14);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 340, 850);
    cairo_line_to(cr, 440, 850);
    cairo_stroke(cr);
    glow(cr, 1220, 780, 700, CANDLE, 0.18);
}

static void food_for_the_birds(cairo_t* cr, Rng& rng)
{
    night_sky(cr, rng, 760, 0.75);
    moon(cr, 300, 210, 70, hex(0xE8EEF4));
    fir_row(cr, rng, -60, PIC_W + 60, 780, 180, 300, mix(PINE, NAVY, 0.7), SNOW, 0.25);
    // The farmhouse behind the garden.
    house(cr, rng, 880, 880, 420, 200, 150, hex(0x46506E), hex(0x2A3450), LIT, 0.8);
    snow_ground(cr, rng, 880, 18);
    // The sheaf of grain on its pole, with birds on it and about it.
    Rgb pole = hex(0x3A3040), straw = hex(0xB89A5A);
    cairo_set_source_rgb(cr, pole.r, pole.g, pole.b);
    cairo_rectangle(cr, 452, 420, 16, 560);
    cairo_fill(cr);
    // The sheaf: stalks fanning up from the band, ears drooping at their tips.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 26; i++) {
        double t = (i - 12.5) / 12.5;
        double tip_x = 460 + t * 110, tip_y = 330 - 40 * (1 - t * t) + rng_range(rng, -10, 10);
        cairo_set_source_rgb(cr, straw.r * rng_range(rng, 0.65, 0.9), straw.g * 0.8, straw.b * 0.7);
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, 460 + t * 8, 470);
        cairo_curve_to(cr, 460 + t * 20, 420, tip_x - t * 30, tip_y + 40, tip_x, tip_y);
        cairo_stroke(cr);
        scaled_arc(cr, tip_x + t * 12, tip_y + 8, t * 1.2, 0.45, 1, 18, 6.2832);
        cairo_fill(cr);
    }
    // Stalk ends below the band.
    for (int i = 0; i < 9; i++) {
        cairo_set_source_rgb(cr, straw.r * 0.7, straw.g * 0.7, straw.b * 0.6);
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, 452 + i * 2, 478);
        cairo_line_to(cr, 440 + i * 5, 540);
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, RED.r * 0.8, RED.g * 0.8, RED.b * 0.8);
    cairo_rectangle(cr, 438, 462, 44, 18);
    cairo_fill(cr);
    Rgb bird = mix(OUTLINE, DEEP, 0.3);
    double birds[][3] = {{400, 310, 1}, {520, 300, -1}, {610, 240, 1}, {700, 330, -1}, {330, 210, 1}, {560, 160, -1}};
    for (auto& b : birds) {
        cairo_save(cr);
        cairo_translate(cr, b[0], b[1]);
        cairo_scale(cr, b[2], 1);
        cairo_set_source_rgb(cr, bird.r, bird.g, bird.b);
        scaled_arc(cr, 0, 0, 0, 1, 0.7, 16, 6.2832);
        cairo_fill(cr);
        cairo_arc(cr, 13, -9, 9, 0, 6.2832);
        cairo_fill(cr);
        cairo_move_to(cr, -12, -2);
        cairo_line_to(cr, -30, -8);
        cairo_line_to(cr, -14, 6);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // A bird table by the fence.
    cairo_set_source_rgb(cr, pole.r, pole.g, pole.b);
    cairo_rectangle(cr, 720, 760, 12, 240);
    cairo_rectangle(cr, 660, 750, 132, 14);
    cairo_fill(cr);
    cairo_move_to(cr, 650, 700);
    cairo_line_to(cr, 726, 650);
    cairo_line_to(cr, 802, 700);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (double x = -20; x < PIC_W; x += 60) {
        cairo_set_source_rgba(cr, pole.r, pole.g, pole.b, 0.8);
        cairo_rectangle(cr, x, 930, 12, 80);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 950, PIC_W, 8);
    cairo_fill(cr);
    Stop near[] = {{0, mix(SNOW, DEEP, 0.5), 1}, {1, mix(SNOW, NAVY, 0.65), 1}};
    fill_vertical(cr, 0, 1000, PIC_W, 152, near, 2);
    snowfall(cr, rng, 160, 0.35);
}

static void christmas_dinner(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x2C2444), hex(0x4A2C3A), 900);
    // Wallpaper stripes, barely there.
    for (double x = 0; x < PIC_W; x += 60) {
        cairo_set_source_rgba(cr, 1, 0.8, 0.8, 0.035);
        cairo_rectangle(cr, x, 0, 24, 900);
        cairo_fill(cr);
    }
    room_window(cr, rng, 150, 180, 300, 520, NIGHT_PANE, 3, hex(0x2A1E2A), 0.8, 150);
    room_window(cr, rng, 990, 180, 300, 520, NIGHT_PANE, 3, hex(0x2A1E2A), 0.8, 150);
    // A painting between the windows, a dim landscape in a gold frame.
    cairo_set_source_rgb(cr, 0.45, 0.35, 0.2);
    cairo_rectangle(cr, 600, 260, 240, 180);
    cairo_fill(cr);
    Stop pic[] = {{0, hex(0x3A4A6A), 1}, {1, hex(0x5A6A5A), 1}};
    fill_vertical(cr, 614, 274, 212, 152, pic, 2);
    // The chandelier.
    cairo_set_source_rgb(cr, 0.35, 0.28, 0.2);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 720, 0);
    cairo_line_to(cr, 720, 120);
    cairo_stroke(cr);
    scaled_arc(cr, 720, 140, 0, 1, 0.25, 160, 3.1416);
    cairo_stroke(cr);
    for (int i = 0; i < 5; i++)
        candle(cr, 560 + i * 80, 150 + (i == 0 || i == 4 ? -8 : 12), 34, hex(0xE8DCC8), 0.7);
    floor_boards(cr, 900, hex(0x2A1C22), hex(0x3A2A2E));
    // The laid table: white cloth, the roast, candles and plates.
    Stop cloth[] = {{0, hex(0xA8B0C6), 1}, {1, hex(0x6A7090), 1}};
    fill_vertical(cr, 60, 860, 1320, 150, cloth, 2);
    cairo_set_source_rgb(cr, 0.45, 0.3, 0.22);
    scaled_arc(cr, 720, 835, 0, 1, 0.45, 110, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.88);
    scaled_arc(cr, 720, 870, 0, 1, 0.22, 170, 6.2832);
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) {
        double x = 180 + i * 216 + (i >= 3 ? 100 : 0) - (i >= 3 ? 100 : 0);
        if (i == 3)
            continue;
        cairo_set_source_rgb(cr, 0.88, 0.9, 0.95);
        scaled_arc(cr, x, 900, 0, 1, 0.28, 55, 6.2832);
        cairo_fill(cr);
    }
    candle(cr, 480, 860, 90, hex(0xE8DCC8), 1.0);
    candle(cr, 960, 860, 90, hex(0xE8DCC8), 1.0);
    glow(cr, 720, 700, 800, CANDLE, 0.12);
}

static void on_the_way_to_church(cairo_t* cr, Rng& rng)
{
    night_sky(cr, rng, 820, 1.0);
    clouds(cr, rng, 6, 380, 120, hex(0x3E5A8A), 0.2);
    ridge(cr, rng, 840, 30, 0.6, mix(DEEP, HORIZON, 0.5), DEEP);
    hill(cr, -400, PIC_W + 300, 1020, 640, 1080, mix(SNOW, DEEP, 0.5), mix(SNOW, NAVY, 0.7));
    // The white church with its stepped gable tower.
    Rgb wall = hex(0xB8C4D8), roof = hex(0x6A3A44);
    cairo_set_source_rgb(cr, wall.r, wall.g, wall.b);
    cairo_rectangle(cr, 960, 520, 330, 150);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, roof.r, roof.g, roof.b);
    cairo_move_to(cr, 950, 522);
    cairo_line_to(cr, 1000, 440);
    cairo_line_to(cr, 1300, 440);
    cairo_line_to(cr, 1300, 522);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, wall.r * 0.92, wall.g * 0.92, wall.b * 0.95);
    cairo_rectangle(cr, 860, 360, 110, 310);
    cairo_fill(cr);
    for (int i = 0; i < 4; i++) {
        cairo_rectangle(cr, 860 + i * 14, 360 - i * 26, 110 - i * 28, 30);
        cairo_fill(cr);
    }
    for (int i = 0; i < 4; i++)
        lit_window(cr, 1000 + i * 72, 560, 30, 64, LIT, hex(0x8A6A5A), 40);
    lit_window(cr, 900, 420, 30, 50, LIT, hex(0x8A6A5A), 30);
    glow(cr, 1120, 600, 400, CANDLE, 0.15);
    fir_row(cr, rng, 1250, PIC_W + 80, 700, 120, 190, mix(PINE, NAVY, 0.65), SNOW, 0.35);
    fir_row(cr, rng, -60, 420, 880, 200, 320, mix(PINE, NAVY, 0.7), SNOW, 0.3);
    // The path up the hill with its lanterns and the churchgoers.
    cairo_set_source_rgba(cr, 0.7, 0.78, 0.9, 0.35);
    cairo_set_line_width(cr, 46);
    cairo_move_to(cr, 300, 1152);
    cairo_curve_to(cr, 700, 1040, 520, 860, 900, 690);
    cairo_stroke(cr);
    double lamps[][2] = {{420, 1040}, {600, 930}, {720, 830}, {860, 730}};
    for (auto& l : lamps) {
        cairo_set_source_rgb(cr, OUTLINE.r, OUTLINE.g, OUTLINE.b);
        cairo_rectangle(cr, l[0] - 3, l[1] - 70, 6, 70);
        cairo_fill(cr);
        glow(cr, l[0], l[1] - 80, 80, LIT, 0.55);
        glow(cr, l[0], l[1] - 80, 14, hex(0xFFF0C0), 0.9);
    }
    double folk[][2] = {{520, 1000}, {556, 996}, {680, 880}, {792, 790}};
    for (auto& f : folk) {
        cairo_set_source_rgb(cr, OUTLINE.r, OUTLINE.g, OUTLINE.b);
        cairo_move_to(cr, f[0] - 14, f[1]);
        cairo_curve_to(cr, f[0] - 14, f[1] - 40, f[0] + 14, f[1] - 40, f[0] + 14, f[1]);
        cairo_fill(cr);
        cairo_arc(cr, f[0], f[1] - 50, 10, 0, 6.2832);
        cairo_fill(cr);
    }
    snowfall(cr, rng, 120, 0.3);
}

static void the_almond_prize(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x1E2A4A), hex(0x2E3252), 780);
    // The Christmas tree far behind, blurred to lights.
    Rgb tree = mix(PINE, NAVY, 0.55);
    cairo_set_source_rgb(cr, tree.r, tree.g, tree.b);
    cairo_move_to(cr, 1150, 120);
    cairo_line_to(cr, 1380, 780);
    cairo_line_to(cr, 920, 780);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (int i = 0; i < 40; i++) {
        double t = rng_unit(rng);
        double y = 160 + t * 600;
        double x = 1150 + (rng_unit(rng) - 0.5) * t * 420;
        glow(cr, x, y, rng_range(rng, 14, 30), i % 3 ? GOLD : RED, 0.5);
    }
    room_window(cr, rng, 160, 140, 320, 420, NIGHT_PANE, 3, hex(0x2A2A44), 0.7, 0);
    // The table top in candle light.
    Stop table[] = {{0, hex(0x6A4438), 1}, {1, hex(0x3A2626), 1}};
    fill_vertical(cr, 0, 780, PIC_W, 372, table, 2);
    Stop cloth[] = {{0, hex(0x8A90AC), 1}, {1, hex(0x4E5272), 1}};
    fill_vertical(cr, 200, 800, 1040, 352, cloth, 2);
    // The bowl of rice pudding with cherry sauce, and the marzipan pig's parcel.
    bowl(cr, 700, 820, 380, 170, hex(0x9AAAC8), hex(0xEDE6D8));
    glow_ellipse(cr, 700, 816, 80, 14, hex(0x8A1A2A), 0.8, false);
    present(cr, 1000, 940, 130, 100, hex(0xB83048), GOLD);
    // The marzipan pig itself, beside its parcel.
    Rgb pig = hex(0xD8A0A8);
    cairo_set_source_rgb(cr, pig.r, pig.g, pig.b);
    scaled_arc(cr, 350, 900, 0, 1, 0.72, 70, 6.2832);
    cairo_fill(cr);
    cairo_arc(cr, 428, 880, 34, 0, 6.2832);
    cairo_fill(cr);
    cairo_rectangle(cr, 300, 930, 20, 34);
    cairo_rectangle(cr, 380, 930, 20, 34);
    cairo_fill(cr);
    cairo_move_to(cr, 410, 850);
    cairo_line_to(cr, 420, 822);
    cairo_line_to(cr, 436, 848);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, pig.r * 0.85, pig.g * 0.8, pig.b * 0.8);
    scaled_arc(cr, 462, 886, 0, 0.6, 1, 16, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.3, 0.2, 0.22);
    cairo_arc(cr, 436, 870, 4, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.72, 0.2, 0.26);
    cairo_set_line_width(cr, 8);
    cairo_move_to(cr, 400, 858);
    cairo_line_to(cr, 404, 914);
    cairo_stroke(cr);
    candle(cr, 520, 800, 120, hex(0xE8DCC8), 1.0);
    candle(cr, 900, 800, 120, hex(0xE8DCC8), 1.0);
    glow(cr, 700, 760, 700, CANDLE, 0.14);
}

static void dancing_round_the_tree(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x222A4C), hex(0x3E3450), 880);
    room_window(cr, rng, 110, 200, 260, 420, NIGHT_PANE, 3, hex(0x2A2440), 0.7, 0);
    room_window(cr, rng, 1070, 200, 260, 420, NIGHT_PANE, 3, hex(0x2A2440), 0.7, 0);
    floor_boards(cr, 880, hex(0x3A2A30), hex(0x4A3838));
    glow(cr, 720, 560, 620, CANDLE, 0.28);
    // The tree: tiers of green, candles, hearts and the star on top.
    Rgb tree = mix(PINE, NAVY, 0.35);
    for (int i = 0; i < 5; i++) {
        double top = 120 + i * 140, bottom = top + 240, half = 90 + i * 60;
        cairo_set_source_rgb(cr, tree.r * (1 - 0.05 * i), tree.g * (1 - 0.05 * i), tree.b);
        cairo_move_to(cr, 720, top);
        cairo_curve_to(cr, 740, top + 100, 720 + half * 0.8, bottom - 20, 720 + half, bottom);
        cairo_curve_to(cr, 720, bottom - 20, 720, bottom - 20, 720 - half, bottom);
        cairo_curve_to(cr, 720 - half * 0.8, bottom - 20, 700, top + 100, 720, top);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.3, 0.2, 0.16);
    cairo_rectangle(cr, 700, 920, 40, 40);
    cairo_fill(cr);
    for (int i = 0; i < 34; i++) {
        double t = rng_unit(rng);
        double y = 200 + t * 700;
        double x = 720 + (rng_unit(rng) - 0.5) * (60 + t * 560);
        glow(cr, x, y, 26, LIT, 0.5);
        glow(cr, x, y, 6, hex(0xFFF4D0), 0.9);
    }
    glow(cr, 720, 120, 90, GOLD, 0.9);
    // The ring of dancers, hand in hand, soft against the light.
    Rgb folk = mix(OUTLINE, hex(0x3A2A40), 0.4);
    cairo_set_source_rgb(cr, folk.r, folk.g, folk.b);
    cairo_set_line_width(cr, 10);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    double hand_x = 0, hand_y = 0;
    bool holding = false;
    for (int i = 0; i < 9; i++) {
        double a = i / 9.0 * 6.2832 + 0.3;
        if (std::sin(a) < -0.3) {
            holding = false;  // behind the tree
            continue;
        }
        double x = 720 + std::cos(a) * 520, base = 1050 + std::sin(a) * 60;
        double s = 1.0 + 0.15 * std::sin(a);
        cairo_move_to(cr, x - 34 * s, base);
        cairo_curve_to(cr, x - 34 * s, base - 120 * s, x + 34 * s, base - 120 * s, x + 34 * s, base);
        cairo_fill(cr);
        cairo_arc(cr, x, base - 140 * s, 24 * s, 0, 6.2832);
        cairo_fill(cr);
        // Arms out to both sides; the right one meets the neighbour's left.
        cairo_move_to(cr, x - 28 * s, base - 90 * s);
        cairo_line_to(cr, x - 70 * s, base - 76 * s);
        if (holding) {
            cairo_move_to(cr, hand_x, hand_y);
            cairo_line_to(cr, x - 70 * s, base - 76 * s);
        }
        cairo_move_to(cr, x + 28 * s, base - 90 * s);
        cairo_line_to(cr, x + 70 * s, base - 76 * s);
        cairo_stroke(cr);
        hand_x = x + 70 * s;
        hand_y = base - 76 * s;
        holding = true;
    }
}

static void the_postman_is_coming(cairo_t* cr, Rng& rng)
{
    night_sky(cr, rng, 700, 0.8);
    // Houses on both sides of the street, stepping back towards the middle.
    for (int i = 0; i < 4; i++) {
        double depth = i / 4.0;
        Rgb wall = mix(hex(0x50587A), HORIZON, depth * 0.7);
        house(cr, rng, -40 + i * 140, 900 - i * 70, 300 - i * 50, 380 - i * 70, 150 - i * 20, wall, mix(NAVY, HORIZON, depth), LIT, 0.6);
        house(cr, rng, 1180 - i * 140, 900 - i * 70, 300 - i * 50, 380 - i * 70, 150 - i * 20, mix(hex(0x5A4A6A), HORIZON, depth * 0.7), mix(NAVY, HORIZON, depth), LIT, 0.6);
    }
    // The street, trodden snow, with footprints coming this way.
    Stop street[] = {{0, mix(SNOW, DEEP, 0.6), 1}, {1, mix(SNOW, NAVY, 0.68), 1}};
    cairo_move_to(cr, 600, 690);
    cairo_line_to(cr, 840, 690);
    cairo_line_to(cr, PIC_W, 960);
    cairo_line_to(cr, PIC_W, PIC_H);
    cairo_line_to(cr, 0, PIC_H);
    cairo_line_to(cr, 0, 960);
    cairo_close_path(cr);
    source_vertical(cr, 690, PIC_H, street, 2);
    cairo_fill(cr);
    for (int i = 0; i < 14; i++) {
        double t = i / 14.0;
        double y = 720 + t * t * 420, x = 720 + (i & 1 ? 1 : -1) * (6 + 20 * t);
        glow_ellipse(cr, x, y, 6 + 14 * t, 3 + 6 * t, hex(0x26406A), 0.5, false);
    }
    // Street lamps.
    double lamps[][2] = {{350, 1000}, {1090, 1000}, {560, 820}, {880, 820}};
    for (auto& l : lamps) {
        double h = l[1] > 900 ? 380 : 220;
        cairo_set_source_rgb(cr, OUTLINE.r, OUTLINE.g, OUTLINE.b);
        cairo_rectangle(cr, l[0] - 5, l[1] - h, 10, h);
        cairo_fill(cr);
        glow(cr, l[0], l[1] - h, h * 0.6, LIT, 0.5);
        glow(cr, l[0], l[1] - h, 16, hex(0xFFF0C0), 0.9);
        glow_ellipse(cr, l[0], l[1], h * 0.5, h * 0.12, LIT, 0.2);
    }
    // The red post box, and the postman with his bag.
    cairo_set_source_rgb(cr, RED.r * 0.75, RED.g * 0.75, RED.b * 0.8);
    cairo_rectangle(cr, 1150, 900, 70, 110);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.9, 0.92, 0.96);
    cairo_rectangle(cr, 1144, 894, 82, 12);
    cairo_fill(cr);
    Rgb man = OUTLINE;
    cairo_set_source_rgb(cr, man.r, man.g, man.b);
    cairo_move_to(cr, 690, 900);
    cairo_curve_to(cr, 690, 800, 750, 800, 750, 900);
    cairo_fill(cr);
    cairo_arc(cr, 720, 790, 20, 0, 6.2832);
    cairo_fill(cr);
    cairo_rectangle(cr, 696, 760, 48, 10);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.5, 0.36, 0.26);
    cairo_rectangle(cr, 740, 830, 36, 40);
    cairo_fill(cr);
    snowfall(cr, rng, 240, 0.45);
}

static void the_elf_in_the_clog(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x1C2846), hex(0x2C2C4C), 820);
    // The big window with a snowy yard and one lit farmhouse far off.
    window_view(cr, rng, 300, 120, 840, 600, NIGHT_PANE, 3, 0.9, 0);
    cairo_save(cr);
    cairo_rectangle(cr, 300, 120, 840, 600);
    cairo_clip(cr);
    fir_row(cr, rng, 300, 760, 640, 90, 150, mix(PINE, NAVY, 0.7), SNOW, 0.3);
    house(cr, rng, 860, 650, 170, 90, 70, hex(0x40486A), hex(0x22304E), LIT, 1.0);
    Stop yard[] = {{0, mix(SNOW, DEEP, 0.5), 1}, {1, mix(SNOW, DEEP, 0.6), 1}};
    fill_vertical(cr, 300, 650, 840, 70, yard, 2);
    snowfall(cr, rng, 80, 0.5);
    cairo_restore(cr);
    window_frame(cr, 300, 120, 840, 600, hex(0x2E2A40), 0);
    // The floor by the window, and the wooden clog set out for the elf.
    floor_boards(cr, 800, hex(0x2A2436), hex(0x3E3446));
    const double x0 = 470, base = 960, len = 460, hi = 210;
    glow_ellipse(cr, x0 + len / 2, base + 6, len * 0.6, 26, hex(0x0B1A33), 0.6, false);
    cairo_move_to(cr, x0 + 20, base);
    cairo_line_to(cr, x0 + len * 0.82, base);
    cairo_curve_to(cr, x0 + len * 1.0, base, x0 + len * 1.04, base - hi * 0.3, x0 + len * 0.98, base - hi * 0.42);
    cairo_curve_to(cr, x0 + len * 0.9, base - hi * 0.62, x0 + len * 0.66, base - hi * 0.72, x0 + len * 0.48, base - hi * 0.8);
    cairo_line_to(cr, x0 + len * 0.06, base - hi * 0.92);
    cairo_curve_to(cr, x0 - 6, base - hi * 0.7, x0 - 6, base - hi * 0.2, x0 + 20, base);
    cairo_close_path(cr);
    cairo_pattern_t* wood = cairo_pattern_create_linear(x0, base - hi, x0 + len * 0.4, base + hi * 0.4);
    cairo_pattern_add_color_stop_rgb(wood, 0, 0.78, 0.6, 0.4);
    cairo_pattern_add_color_stop_rgb(wood, 1, 0.42, 0.3, 0.22);
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    // The opening at the top, with the elf peeping out of it.
    scaled_arc(cr, x0 + len * 0.27, base - hi * 0.86, -0.06, 1, 0.24, len * 0.22, 6.2832);
    cairo_set_source_rgb(cr, 0.2, 0.13, 0.1);
    cairo_fill(cr);
    elf(cr, x0 + len * 0.27, base - hi * 0.84, 2.4, hex(0x8A4A4A), RED);
    cairo_set_source_rgb(cr, 0.5, 0.36, 0.26);
    scaled_arc(cr, x0 + len * 0.27, base - hi * 0.84, 0, 1, 0.22, len * 0.22, 3.1416);
    cairo_fill(cr);
    candle(cr, 1080, 900, 110, hex(0xE8DCC8), 1.0);
    glow(cr, 1080, 760, 520, CANDLE, 0.16);
}

static void woven_christmas_hearts(cairo_t* cr, Rng& rng)
{
    room_walls(cr, hex(0x16264A), hex(0x242C50), PIC_H);
    // The lights of the room behind, out of focus.
    for (int i = 0; i < 30; i++)
        glow(cr, rng_range(rng, 0, PIC_W), rng_range(rng, 200, 1100), rng_range(rng, 40, 110), i % 4 ? LIT : hex(0x7EC8F0), rng_range(rng, 0.08, 0.22));
    // A fir branch across the top, and the hearts hanging from it.
    Rgb needles = mix(PINE, NAVY, 0.45);
    cairo_set_source_rgb(cr, needles.r * 0.6, needles.g * 0.5, needles.b * 0.5);
    cairo_set_line_width(cr, 16);
    cairo_move_to(cr, -20, 170);
    cairo_curve_to(cr, 400, 110, 900, 230, 1460, 130);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgb(cr, needles.r, needles.g, needles.b);
    for (double x = 0; x < PIC_W; x += 9) {
        double u = x / PIC_W;
        double y = 170 - 60 * u + 60 * std::sin(u * 3.1416) * 0.8 - 20;
        double len = rng_range(rng, 30, 60);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng_range(rng, -20, 20), y + len);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng_range(rng, -20, 20), y - len * 0.6);
    }
    cairo_stroke(cr);
    double hearts[][3] = {{160, 430, 90}, {420, 560, 110}, {700, 400, 80}, {980, 600, 120}, {1260, 440, 95}};
    for (int i = 0; i < 5; i++) {
        double x = hearts[i][0], y = hearts[i][1], s = hearts[i][2];
        cairo_set_source_rgba(cr, 0.8, 0.75, 0.7, 0.6);
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, x, 150 - 40 * (x / PIC_W) + 20);
        cairo_line_to(cr, x, y - s * 0.9);
        cairo_stroke(cr);
        woven_heart(cr, x, y, s, rng_range(rng, -0.15, 0.15), mix(RED, NAVY, 0.25), mix(hex(0xF6FBFF), NAVY, 0.2));
    }
    candle(cr, 360, 1120, 150, hex(0xE8DCC8), 0.8);
    candle(cr, 1100, 1120, 170, hex(0xE8DCC8), 0.8);
}

static const Calm EVE_CALM = {hex(0x1A2C52), 0.28, 0.12, 0.16};
static const Calm EVE_ROOM = {hex(0x2A2840), 0.3, 0.14, 0.18};

const Scene eve_scenes[10] = {
    {santa_over_the_town, EVE_CALM},
    {the_elves_are_baking, EVE_ROOM},
    {food_for_the_birds, EVE_CALM},
    {christmas_dinner, EVE_ROOM},
    {on_the_way_to_church, EVE_CALM},
    {the_almond_prize, EVE_ROOM},
    {dancing_round_the_tree, EVE_ROOM},
    {the_postman_is_coming, EVE_CALM},
    {the_elf_in_the_clog, EVE_ROOM},
    {woven_christmas_hearts, EVE_CALM},
};
