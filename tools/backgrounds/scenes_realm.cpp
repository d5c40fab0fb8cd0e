// Santa's Realm: northern lights in green and violet over the far north,
// and the warm rooms of the workshop.
#include "scenes.h"

#include <cmath>

static const Rgb NIGHT = hex(0x0E1634), VIOLET = hex(0x3A2A6A), TEAL = hex(0x1E4A5A);
static const Rgb GREEN_LIGHT = hex(0x4AE0A0), VIOLET_LIGHT = hex(0xA070E0), SNOW = hex(0xD8F1FF);
static const Rgb CANDLE = hex(0xF28C28), GOLD = hex(0xF2B632), RED = hex(0xD7263D), PINE = hex(0x2E7D4F);
static const Rgb OUTLINE = hex(0x152038), LIT = hex(0xFFC46A);

static const Stop AURORA_PANE[] = {{0, NIGHT, 1}, {0.6, hex(0x1C3A5A), 1}, {1, hex(0x2A5A6A), 1}};

static void aurora_sky(cairo_t* cr, Rng& rng, double horizon)
{
    Stop sky[] = {{0, NIGHT, 1}, {0.5, hex(0x1A2450), 1}, {1, TEAL, 1}};
    fill_vertical(cr, 0, 0, PIC_W, PIC_H, sky, 3);
    stars(cr, rng, 220, 0, horizon, 0.75);
    aurora(cr, rng, horizon * 0.55, horizon * 0.5, 70, GREEN_LIGHT, VIOLET_LIGHT, 0.32);
    aurora(cr, rng, horizon * 0.38, horizon * 0.35, 50, hex(0x60D0C0), VIOLET_LIGHT, 0.2);
}

// An aurora seen through a window: a few curtains inside its panes.
static void aurora_in_window(cairo_t* cr, Rng& rng, double x, double y, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    aurora(cr, rng, y + h * 0.55, h * 0.45, 30, GREEN_LIGHT, VIOLET_LIGHT, 0.35);
    cairo_restore(cr);
}

static void sleigh_in_the_moonlight(cairo_t* cr, Rng& rng)
{
    aurora_sky(cr, rng, 760);
    moon(cr, 330, 220, 90, hex(0xEEF0F4));
    // Far mountains with snow on their shoulders.
    Rgb far = mix(VIOLET, NIGHT, 0.3);
    cairo_set_source_rgb(cr, far.r, far.g, far.b);
    cairo_move_to(cr, -10, 800);
    double peaks[][2] = {{120, 620}, {260, 700}, {420, 560}, {600, 690}, {780, 600}, {960, 700}, {1120, 540}, {1300, 660}, {1450, 600}};
    for (auto& p : peaks)
        cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, 1450, 820);
    cairo_close_path(cr);
    cairo_fill_preserve(cr);
    // Snow on the upper slopes, fading down into the violet shade.
    cairo_save(cr);
    cairo_clip(cr);
    Stop caps[] = {{0, mix(SNOW, VIOLET, 0.35), 0.75}, {1, mix(SNOW, VIOLET, 0.35), 0}};
    fill_vertical(cr, 0, 540, PIC_W, 180, caps, 2);
    cairo_restore(cr);
    ridge(cr, rng, 860, 40, 0.7, mix(SNOW, VIOLET, 0.45), mix(SNOW, NIGHT, 0.55));
    // The sleigh and team on the long ridge, lit by the moon.
    Rgb team = mix(OUTLINE, VIOLET, 0.25);
    sleigh(cr, 880, 868, 1.0, 1, team, team);
    for (int i = 0; i < 3; i++)
        reindeer(cr, 1010 + i * 118, 862 - i * 6, 0.7, 1, team);
    // Runner tracks curving away behind it.
    cairo_set_source_rgba(cr, 0.3, 0.35, 0.6, 0.4);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, 810, 866);
    cairo_curve_to(cr, 600, 900, 500, 1000, 120, 1160);
    cairo_move_to(cr, 810, 878);
    cairo_curve_to(cr, 610, 915, 520, 1015, 150, 1160);
    cairo_stroke(cr);
    fir_row(cr, rng, -40, 260, 1000, 160, 260, mix(PINE, NIGHT, 0.65), SNOW, 0.35);
    snowfall(cr, rng, 80, 0.3);
}

static void trimming_the_tree(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x2A2048), 1}, {1, hex(0x4A3040), 1}};
    fill_vertical(cr, 0, 0, PIC_W, 900, wall, 2);
    // Three tall arched windows with the northern lights in them.
    for (int i = 0; i < 3; i++) {
        double x = 100 + i * 470;
        window_view(cr, rng, x, 120, 300, 640, AURORA_PANE, 3, 0.7, 150);
        aurora_in_window(cr, rng, x, 120, 300, 640);
        window_frame(cr, x, 120, 300, 640, hex(0x2A2030), 150);
    }
    floor_boards(cr, 900, hex(0x3A2424), hex(0x4A3030));
    glow(cr, 720, 600, 700, CANDLE, 0.2);
    // The great tree, half trimmed, with a ladder against it.
    Rgb tree = mix(PINE, NIGHT, 0.4);
    for (int i = 0; i < 5; i++) {
        double top = 80 + i * 150, bottom = top + 250, half = 100 + i * 64;
        cairo_set_source_rgb(cr, tree.r, tree.g * (1 - 0.04 * i), tree.b);
        cairo_move_to(cr, 720, top);
        cairo_curve_to(cr, 740, top + 100, 720 + half * 0.8, bottom - 20, 720 + half, bottom);
        cairo_curve_to(cr, 720, bottom - 24, 720, bottom - 24, 720 - half, bottom);
        cairo_curve_to(cr, 720 - half * 0.8, bottom - 20, 700, top + 100, 720, top);
        cairo_fill(cr);
    }
    // Baubles only on the left half: the right is still to be trimmed.
    for (int i = 0; i < 26; i++) {
        double t = rng_unit(rng);
        double y = 180 + t * 720;
        double x = 720 - rng_unit(rng) * (40 + t * 320);
        Rgb c = i % 3 == 0 ? RED : i % 3 == 1 ? GOLD : hex(0x7EC8F0);
        glow(cr, x, y, 28, c, 0.35);
        cairo_set_source_rgb(cr, c.r * 0.85, c.g * 0.85, c.b * 0.85);
        cairo_arc(cr, x, y, 11, 0, 6.2832);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 0.42, 0.3, 0.22);
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, 980, 1000);
    cairo_line_to(cr, 880, 380);
    cairo_move_to(cr, 1080, 1000);
    cairo_line_to(cr, 980, 380);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 8);
    for (int i = 1; i < 9; i++) {
        double t = i / 9.0;
        cairo_move_to(cr, 980 - 100 * t, 1000 - 620 * t);
        cairo_line_to(cr, 1080 - 100 * t, 1000 - 620 * t);
    }
    cairo_stroke(cr);
    elf(cr, 950, 640, 2.2, hex(0x3A6A4A), RED);
    // A box of baubles on the floor.
    present(cr, 360, 1020, 180, 90, hex(0x6A4A3A), hex(0x8A6A4A));
}

static void unwrapping_the_presents(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x2E1E4A), 1}, {1, hex(0x4A2A52), 1}};
    fill_vertical(cr, 0, 0, PIC_W, 860, wall, 2);
    window_view(cr, rng, 160, 160, 340, 460, AURORA_PANE, 3, 0.7, 0);
    aurora_in_window(cr, rng, 160, 160, 340, 460);
    window_frame(cr, 160, 160, 340, 460, hex(0x2A1E36), 0);
    // The fireplace at the right.
    Rgb stone = hex(0x5A4A5E);
    cairo_set_source_rgb(cr, stone.r, stone.g, stone.b);
    cairo_rectangle(cr, 900, 360, 440, 500);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, stone.r * 1.2, stone.g * 1.2, stone.b * 1.2);
    cairo_rectangle(cr, 870, 340, 500, 40);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.14, 0.07, 0.08);
    cairo_rectangle(cr, 990, 560, 260, 300);
    cairo_fill(cr);
    glow_ellipse(cr, 1120, 820, 140, 70, hex(0xFFA040), 0.85);
    glow(cr, 1120, 760, 560, CANDLE, 0.3);
    // Stockings on the mantel.
    for (int i = 0; i < 3; i++) {
        double x = 960 + i * 150;
        Rgb c = i == 1 ? hex(0x2E7D4F) : RED;
        cairo_set_source_rgb(cr, c.r * 0.75, c.g * 0.75, c.b * 0.75);
        cairo_move_to(cr, x, 380);
        cairo_line_to(cr, x + 50, 380);
        cairo_line_to(cr, x + 50, 470);
        cairo_curve_to(cr, x + 50, 500, x + 100, 500, x + 100, 470);
        cairo_line_to(cr, x + 100, 500);
        cairo_curve_to(cr, x + 100, 540, x, 540, x, 490);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    floor_boards(cr, 860, hex(0x301C2A), hex(0x442A36));
    // A pile of presents, some opened, with paper and ribbon strewn about.
    struct P { double x, base, w, h; Rgb paper, ribbon; };
    const P pile[] = {
        {120, 1040, 220, 160, hex(0x7A3A8A), GOLD}, {330, 1060, 170, 120, hex(0x3A7A6A), RED},
        {230, 920, 140, 110, RED, hex(0xF6FBFF)}, {520, 1070, 120, 90, GOLD, RED},
        {640, 1050, 200, 140, hex(0x3A5A9A), GOLD}, {700, 930, 110, 90, hex(0x9A3A5A), hex(0xF6FBFF)},
    };
    for (const P& p : pile)
        present(cr, p.x, p.base, p.w, p.h, p.paper, p.ribbon);
    for (int i = 0; i < 12; i++) {
        double x = rng_range(rng, 100, 1300), y = rng_range(rng, 1080, 1140);
        Rgb c = i % 2 ? RED : hex(0x7A3A8A);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng_range(rng, -0.6, 0.6));
        cairo_set_source_rgba(cr, c.r * 0.8, c.g * 0.8, c.b * 0.8, 0.8);
        cairo_rectangle(cr, -30, -10, 60, 20);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The opened box with a teddy peeping out.
    cairo_set_source_rgb(cr, 0.66, 0.46, 0.3);
    cairo_arc(cr, 1000, 930, 46, 0, 6.2832);
    cairo_fill(cr);
    cairo_arc(cr, 966, 892, 16, 0, 6.2832);
    cairo_arc(cr, 1034, 892, 16, 0, 6.2832);
    cairo_fill(cr);
    present(cr, 900, 1080, 200, 130, hex(0x5A3A7A), GOLD);
}

static void an_apple_for_the_reindeer(cairo_t* cr, Rng& rng)
{
    aurora_sky(cr, rng, 780);
    ridge(cr, rng, 800, 30, 0.5, mix(SNOW, VIOLET, 0.5), mix(SNOW, NIGHT, 0.5));
    // Birches at the edge of the field.
    for (int i = 0; i < 7; i++) {
        double x = 60 + i * 90 + rng_range(rng, -20, 20);
        bare_tree(cr, rng, x, 820, rng_range(rng, 380, 520), mix(SNOW, VIOLET, 0.4), 12);
    }
    // The reindeer shed with a lantern.
    Rgb wood = hex(0x4A3040);
    house(cr, rng, 1050, 860, 300, 200, 130, wood, hex(0x2A1E36), LIT, 1.0);
    glow(cr, 1040, 740, 40, LIT, 0.7);
    // A fence, and the reindeer reaching over it for the apple.
    Stop field[] = {{0, mix(SNOW, VIOLET, 0.42), 1}, {1, mix(SNOW, NIGHT, 0.6), 1}};
    fill_vertical(cr, 0, 900, PIC_W, 252, field, 2);
    Rgb post = hex(0x3A2A3A);
    cairo_set_source_rgb(cr, post.r, post.g, post.b);
    for (double x = 20; x < PIC_W; x += 110)
        cairo_rectangle(cr, x, 880, 14, 120);
    cairo_rectangle(cr, 0, 900, PIC_W, 10);
    cairo_rectangle(cr, 0, 950, PIC_W, 10);
    cairo_fill(cr);
    Rgb deer = hex(0x5A4048);
    reindeer(cr, 620, 980, 2.4, 1, mix(deer, OUTLINE, 0.3));
    // The apple in a mitten held up to it.
    cairo_set_source_rgb(cr, RED.r * 0.85, RED.g * 0.85, RED.b * 0.85);
    cairo_arc(cr, 860, 760, 26, 0, 6.2832);
    cairo_fill(cr);
    glow(cr, 860, 760, 60, RED, 0.2);
    cairo_set_source_rgb(cr, 0.2, 0.4, 0.25);
    cairo_move_to(cr, 860, 734);
    cairo_curve_to(cr, 872, 716, 890, 716, 894, 726);
    cairo_fill(cr);
    elf(cr, 930, 900, 2.6, hex(0x2E5A4A), RED);
    snowfall(cr, rng, 70, 0.28);
}

static void the_elves_workshop(cairo_t* cr, Rng& rng)
{
    Stop wall[] = {{0, hex(0x3A2A3A), 1}, {1, hex(0x5A3A30), 1}};
    fill_vertical(cr, 0, 0, PIC_W, 900, wall, 2);
    // Timber beams.
    cairo_set_source_rgb(cr, 0.22, 0.14, 0.12);
    for (int i = 0; i < 5; i++)
        cairo_rectangle(cr, i * 360 - 20, 0, 40, 900);
    cairo_rectangle(cr, 0, 60, PIC_W, 40);
    cairo_fill(cr);
    // The round window with the northern lights.
    cairo_save(cr);
    cairo_arc(cr, 720, 300, 150, 0, 6.2832);
    cairo_clip(cr);
    fill_vertical(cr, 570, 150, 300, 300, AURORA_PANE, 3);
    aurora_in_window(cr, rng, 570, 150, 300, 300);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.26, 0.16, 0.14);
    cairo_set_line_width(cr, 22);
    cairo_arc(cr, 720, 300, 150, 0, 6.2832);
    cairo_move_to(cr, 570, 300);
    cairo_line_to(cr, 870, 300);
    cairo_move_to(cr, 720, 150);
    cairo_line_to(cr, 720, 450);
    cairo_stroke(cr);
    // Tools hanging on the wall: saws, hammers, a pair of pliers.
    cairo_set_source_rgb(cr, 0.45, 0.4, 0.42);
    for (int i = 0; i < 6; i++) {
        double x = 90 + i * 70;
        cairo_rectangle(cr, x, 300, 10, 110 + (i % 3) * 20);
        cairo_rectangle(cr, x - 18, 300, 46, 22);
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; i++) {
        double x = 1000 + i * 64;
        cairo_move_to(cr, x, 280);
        cairo_line_to(cr, x + 40, 280);
        cairo_line_to(cr, x + 28, 440);
        cairo_line_to(cr, x + 8, 440);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Lamps over the benches.
    for (int i = 0; i < 3; i++) {
        double x = 260 + i * 460;
        cairo_set_source_rgb(cr, 0.2, 0.16, 0.16);
        cairo_set_line_width(cr, 4);
        cairo_move_to(cr, x, 100);
        cairo_line_to(cr, x, 540);
        cairo_stroke(cr);
        cairo_move_to(cr, x - 50, 580);
        cairo_line_to(cr, x - 20, 540);
        cairo_line_to(cr, x + 20, 540);
        cairo_line_to(cr, x + 50, 580);
        cairo_close_path(cr);
        cairo_fill(cr);
        glow(cr, x, 600, 260, LIT, 0.4);
        glow_ellipse(cr, x, 820, 260, 80, LIT, 0.25);
    }
    floor_boards(cr, 900, hex(0x3A2620), hex(0x4E3428));
    // The long bench with toys in the making.
    cairo_set_source_rgb(cr, 0.4, 0.26, 0.18);
    cairo_rectangle(cr, 40, 820, 1360, 40);
    cairo_fill(cr);
    cairo_rectangle(cr, 80, 860, 30, 140);
    cairo_rectangle(cr, 1330, 860, 30, 140);
    cairo_fill(cr);
    // A rocking horse, a train and a drum.
    Rgb paint = hex(0x9A3A3A);
    cairo_set_source_rgb(cr, paint.r, paint.g, paint.b);
    scaled_arc(cr, 300, 740, 0, 1, 0.45, 80, 6.2832);
    cairo_fill(cr);
    cairo_arc(cr, 380, 680, 34, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_line_width(cr, 10);
    cairo_move_to(cr, 200, 790);
    cairo_curve_to(cr, 260, 830, 340, 830, 400, 790);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.25, 0.4, 0.55);
    cairo_rectangle(cr, 620, 730, 160, 80);
    cairo_rectangle(cr, 780, 760, 100, 50);
    cairo_rectangle(cr, 640, 690, 40, 40);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.2, 0.16, 0.16);
    for (int i = 0; i < 4; i++)
        cairo_arc(cr, 650 + i * 65, 816, 18, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.75, 0.6, 0.3);
    cairo_rectangle(cr, 1050, 720, 140, 100);
    cairo_fill(cr);
    elf(cr, 520, 820, 2.0, hex(0x2E5A4A), RED);
    elf(cr, 960, 820, 2.0, hex(0x5A3A6A), hex(0x2E7D4F));
}

static void the_toy_shop_window(cairo_t* cr, Rng& rng)
{
    aurora_sky(cr, rng, 420);
    // The shop front filling most of the view.
    Rgb front = hex(0x3A2A4A);
    cairo_set_source_rgb(cr, front.r, front.g, front.b);
    cairo_rectangle(cr, 80, 300, 1280, 852);
    cairo_fill(cr);
    // A striped awning above the window.
    for (int i = 0; i < 16; i++) {
        Rgb c = i & 1 ? hex(0xE8E0E8) : RED;
        cairo_set_source_rgb(cr, c.r * 0.7, c.g * 0.7, c.b * 0.75);
        cairo_move_to(cr, 120 + i * 75, 360);
        cairo_line_to(cr, 195 + i * 75, 360);
        cairo_line_to(cr, 205 + i * 75, 460);
        cairo_line_to(cr, 110 + i * 75, 460);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // The lit window with its toys.
    Stop lit[] = {{0, hex(0x6E5444), 1}, {1, hex(0xA07E54), 1}};
    fill_vertical(cr, 180, 500, 1080, 420, lit, 2);
    glow(cr, 720, 720, 700, LIT, 0.25);
    cairo_save(cr);
    cairo_rectangle(cr, 180, 500, 1080, 420);
    cairo_clip(cr);
    // Shelf, teddy, drum, a toy soldier and a train set.
    cairo_set_source_rgb(cr, 0.45, 0.3, 0.2);
    cairo_rectangle(cr, 180, 740, 1080, 16);
    cairo_rectangle(cr, 180, 880, 1080, 40);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.55, 0.36, 0.22);
    cairo_arc(cr, 320, 680, 55, 0, 6.2832);
    cairo_arc(cr, 320, 590, 40, 0, 6.2832);
    cairo_fill(cr);
    cairo_arc(cr, 288, 556, 14, 0, 6.2832);
    cairo_arc(cr, 352, 556, 14, 0, 6.2832);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, RED.r * 0.8, RED.g * 0.8, RED.b * 0.8);
    cairo_rectangle(cr, 520, 640, 120, 100);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.2, 0.25, 0.5);
    cairo_rectangle(cr, 820, 600, 40, 140);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, RED.r * 0.8, RED.g * 0.8, RED.b * 0.8);
    cairo_rectangle(cr, 816, 560, 48, 50);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.2, 0.4, 0.35);
    for (int i = 0; i < 4; i++)
        cairo_rectangle(cr, 420 + i * 170, 810, 150, 70);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.9, 0.8, 0.6);
    cairo_arc(cr, 1080, 660, 70, 0, 6.2832);
    cairo_fill(cr);
    cairo_restore(cr);
    // Glazing bars and frame.
    cairo_set_source_rgb(cr, 0.22, 0.16, 0.24);
    cairo_set_line_width(cr, 16);
    cairo_rectangle(cr, 180, 500, 1080, 420);
    cairo_move_to(cr, 540, 500);
    cairo_line_to(cr, 540, 920);
    cairo_move_to(cr, 900, 500);
    cairo_line_to(cr, 900, 920);
    cairo_stroke(cr);
    // Snow on the sill and the pavement, and reflections of the window.
    Stop snow[] = {{0, mix(SNOW, VIOLET, 0.35), 1}, {1, mix(SNOW, NIGHT, 0.55), 1}};
    fill_vertical(cr, 0, 960, PIC_W, 192, snow, 2);
    glow_ellipse(cr, 720, 990, 600, 50, LIT, 0.22);
    glow_ellipse(cr, 720, 930, 560, 14, SNOW, 0.5, false);
    // Two small onlookers with their noses to the glass.
    Rgb kid = mix(OUTLINE, VIOLET, 0.2);
    for (int i = 0; i < 2; i++) {
        double x = 610 + i * 190;
        cairo_set_source_rgb(cr, kid.r, kid.g, kid.b);
        cairo_move_to(cr, x - 46, 1100);
        cairo_curve_to(cr, x - 50, 960, x + 50, 960, x + 46, 1100);
        cairo_fill(cr);
        cairo_arc(cr, x, 930, 36, 0, 6.2832);
        cairo_fill(cr);
    }
    snowfall(cr, rng, 130, 0.4);
}

static const Calm REALM_SKY = {hex(0x1A2A4A), 0.26, 0.12, 0.14};
static const Calm REALM_ROOM = {hex(0x2E2438), 0.3, 0.14, 0.18};

const Scene realm_scenes[6] = {
    {sleigh_in_the_moonlight, REALM_SKY},
    {trimming_the_tree, REALM_ROOM},
    {unwrapping_the_presents, REALM_ROOM},
    {an_apple_for_the_reindeer, REALM_SKY},
    {the_elves_workshop, REALM_ROOM},
    {the_toy_shop_window, REALM_SKY},
};
