// The sprite sheet: every sprite drawn into its rectangle, and the program
// that writes the sheet, the furniture pictures and the review pictures.
//   sprites DATA_DIR [REVIEW_DIR [TITLE_MOCK_FILE]]
#include "tools/sprites/sprites.h"

#include <cstdio>
#include <string>

SheetRect sheet_rect(int sprite)
{
    const SpriteRect& r = sprite_rects[sprite];
    return {r.x, r.y, r.w, r.h};
}

std::string picture_file(const std::string& dir, int picture)
{
    char name[32];
    std::snprintf(name, sizeof name, "/picture-%02d.png", picture);
    return dir + name;
}

static void draw_sprite_art(cairo_t* cr, int sprite)
{
    if (sprite < SPRITE_ICE)
        draw_hero(cr, sprite);
    else if (sprite < SPRITE_KEY || sprite == SPRITE_SLIPPERY || sprite >= SPRITE_SHADOW)
        draw_cell(cr, sprite);
    else if (sprite < SPRITE_SNOWMAN || (sprite >= SPRITE_SNOWBALL && sprite < SPRITE_PORTAL))
        draw_item(cr, sprite);
    else if (sprite >= SPRITE_PORTAL && sprite < SPRITE_SLIPPERY)
        draw_effect(cr, sprite);
    else
        draw_enemy(cr, sprite);
}

cairo_surface_t* make_sheet()
{
    cairo_surface_t* sheet = new_surface(SHEET_WIDTH, SHEET_HEIGHT, true);
    cairo_t* cr = cairo_create(sheet);
    for (int n = 0; n < SPRITE_COUNT; n++) {
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
    for (int n = 0; n <= SHEET_GRID_LAST; n++) {
        if (n == SPRITE_ICE || n == SPRITE_ICE_CRACKED || n == SPRITE_STONE || n == SPRITE_DOOR_CLOSED
            || n == SPRITE_DOOR_OPEN || n == SPRITE_SLIPPERY)
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
    ok = save_png(sheet, picture_file(pictures, PICTURE_SPRITES).c_str()) && ok;
    ok = make_furniture(pictures.c_str()) && ok;
    if (argc > 2)
        ok = make_review(sheet, pictures.c_str(), argv[2]) && ok;
    if (argc > 3)
        ok = make_title_review(sheet, pictures.c_str(), argv[3]) && ok;
    cairo_surface_destroy(sheet);
    return ok ? 0 : 1;
}
