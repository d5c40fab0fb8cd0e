// Review pictures of the art, as a player sees it: a contact sheet of every
// sprite over dark and light ground, and a mock scene of a level at its real
// size on the screen, drawn the way the game draws it.
#include "tools/sprites/sprites.h"

#include <pango/pangocairo.h>
#include <cmath>
#include <string>

namespace {

cairo_surface_t* sheet_surface = nullptr;
cairo_t* scene = nullptr;

// Sprite n at half size at (x, y) on the scene, optionally mirrored.
void put(int n, double x, double y, bool flip = false, double alpha = 1.0)
{
    SheetRect r = sheet_rect(n);
    cairo_save(scene);
    cairo_translate(scene, x, y);
    if (flip) {
        cairo_translate(scene, r.w / 2.0, 0);
        cairo_scale(scene, -1, 1);
    }
    cairo_scale(scene, 0.5, 0.5);
    cairo_set_source_surface(scene, sheet_surface, -r.x, -r.y);
    cairo_pattern_set_filter(cairo_get_source(scene), CAIRO_FILTER_BILINEAR);
    cairo_rectangle(scene, 0, 0, r.w, r.h);
    cairo_clip(scene);
    cairo_paint_with_alpha(scene, alpha);
    cairo_restore(scene);
}

void put_picture(const std::string& file, double x, double y, double w, double h, bool flip = false)
{
    cairo_surface_t* pic = cairo_image_surface_create_from_png(file.c_str());
    double pw = cairo_image_surface_get_width(pic), ph = cairo_image_surface_get_height(pic);
    cairo_save(scene);
    cairo_translate(scene, x, y);
    if (flip) {
        cairo_translate(scene, w, 0);
        cairo_scale(scene, -1, 1);
    }
    cairo_scale(scene, w / pw, h / ph);
    cairo_set_source_surface(scene, pic, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(scene), CAIRO_FILTER_BILINEAR);
    cairo_paint(scene);
    cairo_restore(scene);
    cairo_surface_destroy(pic);
}

void label(cairo_t* cr, const char* text, double x, double y, int px, uint32_t c, bool centre)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    std::string desc = "Noto Sans Bold " + std::to_string(px) + "px";
    PangoFontDescription* font = pango_font_description_from_string(desc.c_str());
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    cairo_move_to(cr, centre ? x - logical.width / 2.0 : x, y);
    pango_cairo_layout_path(cr, layout);
    outline(cr, 3.0);
    cairo_move_to(cr, centre ? x - logical.width / 2.0 : x, y);
    colour(cr, c);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

bool contact_sheet(cairo_surface_t* sheet, const std::string& file)
{
    // Each tile: the sprite at drawing size, dark ground on the left half
    // and light ground on the right, so it is seen on both at once.
    const int cols = 16, tile = 100, label_h = 18;
    const int rows = (SPRITE_COUNT + cols - 1) / cols;
    cairo_surface_t* s = new_surface(cols * tile, rows * (tile + label_h), false);
    cairo_t* cr = cairo_create(s);
    colour(cr, 0x303848);
    cairo_paint(cr);
    for (int n = 0; n < SPRITE_COUNT; n++) {
        double x = (n % cols) * tile, y = (n / cols) * (tile + label_h);
        cairo_rectangle(cr, x + 2, y + 2, tile / 2 - 2, tile - 4);
        colour(cr, DEEP_BLUE);
        cairo_fill(cr);
        cairo_rectangle(cr, x + tile / 2, y + 2, tile / 2 - 2, tile - 4);
        colour(cr, 0xE4EEF6);
        cairo_fill(cr);
        SheetRect r = sheet_rect(n);
        double k = std::fmin(1.0, 96.0 / r.w);
        cairo_save(cr);
        cairo_translate(cr, x + 2 + (96 - r.w * k) / 2, y + 2 + (96 - r.h * k) / 2);
        cairo_scale(cr, k, k);
        cairo_set_source_surface(cr, sheet, -r.x, -r.y);
        cairo_rectangle(cr, 0, 0, r.w, r.h);
        cairo_fill(cr);
        cairo_restore(cr);
        label(cr, std::to_string(n).c_str(), x + tile / 2.0, y + tile - 2, 13, SNOW, true);
    }
    cairo_destroy(cr);
    bool ok = save_png(s, file.c_str());
    cairo_surface_destroy(s);
    return ok;
}

// The mock level: # stone, I ice, C cracked ice, S slippery ice.
const char* const LEVEL[12] = {
    "...............",
    "..####....###..",
    "...............",
    "......ICI......",
    "####.......####",
    "...............",
    "....#######....",
    "...............",
    "..II......SSS..",
    "...............",
    "...............",
    "###############",
};

char cell(int r, int c)
{
    if (r < 0 || r > 11 || c < 0 || c > 14)
        return '.';
    return LEVEL[r][c];
}

bool mock_scene(cairo_surface_t* sheet, const std::string& pictures, const std::string& file)
{
    sheet_surface = sheet;
    cairo_surface_t* s = new_surface(768, 672, false);
    scene = cairo_create(s);
    colour(scene, 0x000000);
    cairo_paint(scene);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 48, 0, 624);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.06, 0.12, 0.28);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.15, 0.27, 0.48);
    cairo_rectangle(scene, 24, 48, 720, 576);
    cairo_set_source(scene, sky);
    cairo_fill(scene);
    cairo_pattern_destroy(sky);
    auto X = [](double c) { return 24 + 48 * c; };
    auto Y = [](double r) { return 48 + 48 * r; };

    put(SPRITE_PORTAL + 1, X(1), Y(2), false, 230 / 255.0);
    put(SPRITE_DOOR_OPEN, X(13), Y(10));
    for (int r = 0; r < 12; r++)
        for (int c = 0; c < 15; c++)
            if (cell(r, c) != '.')
                put(SPRITE_SHADOW, 21 + 48 * c, 46 + 48 * r);
    struct Item {
        int sprite, r, c;
    } items[] = {{SPRITE_KEY, 2, 7},       {SPRITE_FISH, 0, 3},       {SPRITE_GOLDFISH, 0, 11},
                 {SPRITE_CRYSTAL, 3, 1},   {SPRITE_RUBY, 5, 13},      {SPRITE_EMERALD, 7, 5},
                 {SPRITE_SNOWBALLS, 10, 10}, {SPRITE_HOURGLASS, 5, 6}, {SPRITE_LIFE, 7, 9},
                 {SPRITE_BELL, 2, 12},     {SPRITE_SNOWFLAKE + 1, 7, 12}};
    for (int r = 0; r < 12; r++)
        for (int c = 0; c < 15; c++) {
            for (const Item& it : items)
                if (it.r == r && it.c == c)
                    put(it.sprite, X(c), Y(r) + 2 * std::sin(0.08 * (13 * c)));
            switch (cell(r, c)) {
            case '#': put(SPRITE_STONE, X(c), Y(r)); break;
            case 'I': put(SPRITE_ICE, X(c), Y(r)); break;
            case 'C': put(SPRITE_ICE_CRACKED, X(c), Y(r)); break;
            case 'S': put(SPRITE_SLIPPERY, X(c), Y(r)); break;
            default: break;
            }
        }
    for (int r = 0; r < 12; r++)
        for (int c = 0; c < 15; c++) {
            if (cell(r, c) != '#')
                continue;
            if (r < 11 && cell(r + 1, c) == '.')
                put(SPRITE_HANGING_ICICLES + r % HANGING_ICICLE_VARIANTS, 16 + 48 * c, 92 + 48 * r);
            if (r == 0 || cell(r - 1, c) == '.') {
                bool left = cell(r, c - 1) == '#', right = cell(r, c + 1) == '#';
                put(left && right ? SPRITE_CAP_BOTH : right ? SPRITE_CAP_RIGHT : left ? SPRITE_CAP_LEFT : SPRITE_CAP_ALONE, 16 + 48 * c, 38 + 48 * r);
            }
        }
    put(SPRITE_SNOWMAN + 1, X(5), Y(10), true);
    put(SPRITE_BEAR_WALK + 1, X(8), Y(10));
    put(SPRITE_BEAR_CHARGE + 1, X(3.2), Y(3));
    put(SPRITE_GHOST + 1, X(10), Y(5) + 2);
    put(SPRITE_BAT + 1, X(6.5), Y(2), true);
    put(SPRITE_SPARK + 1, X(2), Y(7));
    put(SPRITE_ICICLE_SHAKE, X(6) + 1.5, Y(7));
    put(SPRITE_SNOWFLAKE, X(5) + 12, Y(10) - 14, false, 160 / 255.0);
    put(SPRITE_SNOWBALL + 1, X(3.4), Y(10));
    put(SPRITE_HERO_WALK + 2, X(2.2), Y(10));
    put(SPRITE_PUFF + 3, X(11), Y(7));
    put(SPRITE_SHARDS + 1, X(8), Y(3));

    put_picture(pictures + "/picture-01.png", 0, 48, 24, 576);
    put_picture(pictures + "/picture-01.png", 744, 48, 24, 576, true);
    put_picture(pictures + "/picture-02.png", 0, 624, 768, 24);
    put_picture(pictures + "/picture-03.png", 0, 0, 768, 48);
    put_picture(pictures + "/picture-04.png", 0, 648, 768, 24);
    put(SPRITE_LIFE, 688 - (0.62 - 1) * 24, 0 - (0.62 - 1) * 24);
    label(scene, "12340", 40, 10, 22, SNOW, false);
    label(scene, "Bonus 2500", 384, 10, 22, GOLD, true);
    label(scene, "Juleaften", 384, 649, 15, 0xAAE6FF, true);
    cairo_destroy(scene);
    scene = nullptr;
    bool ok = save_png(s, file.c_str());
    cairo_surface_destroy(s);
    return ok;
}

// The title screen's layout: logo, cheering hero beside the key, and the
// band stretched to the heights the screens use.
bool mock_title(cairo_surface_t* sheet, const std::string& pictures, const std::string& file)
{
    sheet_surface = sheet;
    cairo_surface_t* s = new_surface(768, 672, false);
    scene = cairo_create(s);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 48, 0, 624);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.06, 0.12, 0.28);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.35, 0.47, 0.68);
    cairo_rectangle(scene, 0, 0, 768, 672);
    cairo_set_source(scene, sky);
    cairo_fill(scene);
    cairo_pattern_destroy(sky);
    put_picture(pictures + "/picture-01.png", 0, 48, 24, 576);
    put_picture(pictures + "/picture-01.png", 744, 48, 24, 576, true);
    put_picture(pictures + "/picture-02.png", 0, 624, 768, 24);
    put_picture(pictures + "/picture-03.png", 0, 0, 768, 48);
    put_picture(pictures + "/picture-04.png", 0, 648, 768, 24);
    put_picture(pictures + "/picture-06.png", 84, 52, 600, 120);
    put_picture(pictures + "/picture-05.png", 0, 250, 768, 300);
    put_picture(pictures + "/picture-05.png", 0, 560, 768, 80);
    put_picture(pictures + "/picture-05.png", 0, 190, 768, 50);
    label(scene, "Find the key and reach the door before time runs out.", 384, 280, 15, 0xAAE6FF, true);
    label(scene, "Press Enter to start", 384, 580, 22, GOLD, true);
    for (int i = 0; i < 4; i++)
        put(SPRITE_HERO_CHEER + i, 200 + 100 * i, 195);
    put(SPRITE_KEY, 130, 195);
    cairo_destroy(scene);
    scene = nullptr;
    bool ok = save_png(s, file.c_str());
    cairo_surface_destroy(s);
    return ok;
}

} // namespace

bool make_title_review(cairo_surface_t* sheet, const char* pictures_dir, const char* file)
{
    return mock_title(sheet, pictures_dir, file);
}

bool make_review(cairo_surface_t* sheet, const char* pictures_dir, const char* dir)
{
    std::string d = dir;
    bool ok = contact_sheet(sheet, d + "/sprites.png");
    return mock_scene(sheet, pictures_dir, d + "/scene.png") && ok;
}
