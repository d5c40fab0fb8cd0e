// The sprite sheet: every sprite drawn into its rectangle, and the program
// that writes the sheet, the furniture pictures and the review pictures.
//   sprites DATA_DIR [REVIEW_DIR [TITLE_MOCK_FILE]]
#include "tools/sprites/sprites.h"

#include <cstdio>
#include <string>

SheetRect sheet_rect(int sprite)
{
    if (sprite <= 100)
        return {96 * (sprite % 21), 96 * (sprite / 21), 96, 96};
    const SheetRect pieces[8] = {
        {1632, 384, 128, 128}, {1760, 384, 128, 48}, {1888, 384, 128, 48}, {0, 512, 128, 48},
        {128, 512, 128, 48},   {256, 512, 128, 60},  {384, 512, 128, 60},  {512, 512, 128, 60},
    };
    return pieces[sprite - 101];
}

static void draw_sprite_art(cairo_t* cr, int sprite)
{
    if (sprite <= 28)
        draw_hero(cr, sprite);
    else if (sprite <= 34 || sprite == 88 || sprite >= 101)
        draw_cell(cr, sprite);
    else if (sprite <= 51 || (sprite >= 68 && sprite <= 71))
        draw_item(cr, sprite);
    else if (sprite >= 72 && sprite <= 87)
        draw_effect(cr, sprite);
    else
        draw_enemy(cr, sprite);
}

cairo_surface_t* make_sheet()
{
    cairo_surface_t* sheet = new_surface(2048, 572, true);
    cairo_t* cr = cairo_create(sheet);
    for (int n = 0; n < SPRITES; n++) {
        SheetRect r = sheet_rect(n);
        cairo_save(cr);
        cairo_rectangle(cr, r.x, r.y, r.w, r.h);
        cairo_clip(cr);
        cairo_translate(cr, r.x, r.y);
        draw_sprite_art(cr, n);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return sheet;
}

// The textures are filtered linearly at half size: every figure keeps a
// transparent margin of 2 pixels inside its cell. The blocks and the door fill
// their cells on purpose (they stand at whole pixels and join their neighbours).
static bool margins_clear(cairo_surface_t* sheet)
{
    cairo_surface_flush(sheet);
    const unsigned char* data = cairo_image_surface_get_data(sheet);
    int stride = cairo_image_surface_get_stride(sheet);
    bool ok = true;
    for (int n = 0; n <= 100; n++) {
        if (n == 29 || n == 30 || n == 32 || n == 33 || n == 34 || n == 88)
            continue;
        SheetRect r = sheet_rect(n);
        for (int y = 0; y < r.h; y++)
            for (int x = 0; x < r.w; x++) {
                if (x >= 2 && x < r.w - 2 && y >= 2 && y < r.h - 2)
                    continue;
                const unsigned char* px = data + (r.y + y) * stride + 4 * (r.x + x);
                if (px[3] != 0) {
                    std::fprintf(stderr, "sprite %d reaches into its margin at (%d, %d)\n", n, x, y);
                    ok = false;
                    y = r.h;
                    break;
                }
            }
    }
    return ok;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: sprites DATA_DIR [REVIEW_DIR]\n");
        return 2;
    }
    std::string pictures = std::string(argv[1]) + "/pictures";
    cairo_surface_t* sheet = make_sheet();
    bool ok = margins_clear(sheet);
    ok = save_png(sheet, (pictures + "/picture-00.png").c_str()) && ok;
    ok = make_furniture(pictures.c_str()) && ok;
    if (argc > 2)
        ok = make_review(sheet, pictures.c_str(), argv[2]) && ok;
    if (argc > 3)
        ok = make_title_review(sheet, pictures.c_str(), argv[3]) && ok;
    cairo_surface_destroy(sheet);
    return ok ? 0 : 1;
}
