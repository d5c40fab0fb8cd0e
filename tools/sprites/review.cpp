// Review pictures of the art: a contact sheet of every sprite over dark and
// light ground, and a mock of the title screen's furniture. The pictures of
// the game itself come from the game (make pictures).
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
    put_picture(picture_file(pictures, PICTURE_SIDE_FRAME), 0, 48, 24, 576);
    put_picture(picture_file(pictures, PICTURE_SIDE_FRAME), 744, 48, 24, 576, true);
    put_picture(picture_file(pictures, PICTURE_BOTTOM_FRAME), 0, 624, 768, 24);
    put_picture(picture_file(pictures, PICTURE_TOP_BAR), 0, 0, 768, 48);
    put_picture(picture_file(pictures, PICTURE_BOTTOM_BAR), 0, 648, 768, 24);
    put_picture(picture_file(pictures, PICTURE_LOGO), 84, 52, 600, 120);
    put_picture(picture_file(pictures, PICTURE_BAND), 0, 250, 768, 300);
    put_picture(picture_file(pictures, PICTURE_BAND), 0, 560, 768, 80);
    put_picture(picture_file(pictures, PICTURE_BAND), 0, 190, 768, 50);
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

bool make_review(cairo_surface_t* sheet, const char*, const char* dir)
{
    return contact_sheet(sheet, std::string(dir) + "/sprites.png");
}
