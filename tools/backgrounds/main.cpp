// Paints the 24 theme backgrounds as baseline JPEGs of 1440 x 1152 and a
// contact sheet of them in theme order.
//   backgrounds DATA_PICTURES_DIR DOCS_DIR
#include "draw/sheet.h"
#include "scenes.h"

#include <cstdio>
#include <vector>

// The library is not ours: its own initialisers are left as they are.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
#pragma GCC diagnostic pop

// Quality 95 keeps the soft gradients clean at 100 to 250 KB a picture.
enum { QUALITY = 95, SHEET_COLS = 6, THUMB_W = 240, THUMB_H = 192, GAP = 8 };

static const Scene* scene_of(int theme)
{
    if (theme < 10)
        return &eve_scenes[theme];
    if (theme < 16)
        return &realm_scenes[theme - 10];
    return &farm_scenes[theme - 16];
}

// Every sixth pixel in both directions, averaged over its 6 x 6 block.
static void shrink_into(const unsigned char* rgb, unsigned char* sheet, int sheet_w, int ox, int oy)
{
    for (int y = 0; y < THUMB_H; y++)
        for (int x = 0; x < THUMB_W; x++)
            for (int c = 0; c < 3; c++) {
                int sum = 0;
                for (int j = 0; j < 6; j++)
                    for (int i = 0; i < 6; i++)
                        sum += rgb[((size_t)(y * 6 + j) * PIC_W + x * 6 + i) * 3 + c];
                sheet[((size_t)(oy + y) * sheet_w + ox + x) * 3 + c] = (unsigned char)((sum + 18) / 36);
            }
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: backgrounds DATA_PICTURES_DIR DOCS_DIR\n");
        return 2;
    }
    const int rows = (int)THEME_COUNT / SHEET_COLS;
    const int sheet_w = SHEET_COLS * THUMB_W + (SHEET_COLS + 1) * GAP;
    const int sheet_h = rows * THUMB_H + (rows + 1) * GAP;
    std::vector<unsigned char> sheet((size_t)sheet_w * sheet_h * 3, 24);
    std::vector<unsigned char> rgb((size_t)PIC_W * PIC_H * 3);
    for (int theme = 0; theme < THEME_COUNT; theme++) {
        const Scene* scene = scene_of(theme);
        Rng rng = {0x5EEDu + 7919u * (uint64_t)theme};
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, PIC_W, PIC_H);
        cairo_t* cr = cairo_create(surface);
        scene->paint(cr, rng);
        cairo_destroy(cr);
        finish_picture(surface, scene->calm, rng, rgb.data());
        cairo_surface_destroy(surface);
        char path[1024];
        std::snprintf(path, sizeof path, "%s/picture-%02d.jpg", argv[1], PICTURE_FIRST_BACKGROUND + theme_backgrounds[theme]);
        if (!stbi_write_jpg(path, PIC_W, PIC_H, 3, rgb.data(), QUALITY)) {
            std::fprintf(stderr, "backgrounds: cannot write %s\n", path);
            return 1;
        }
        shrink_into(rgb.data(), sheet.data(), sheet_w, GAP + (theme % SHEET_COLS) * (THUMB_W + GAP),
                    GAP + (theme / SHEET_COLS) * (THUMB_H + GAP));
    }
    char path[1024];
    std::snprintf(path, sizeof path, "%s/backgrounds.jpg", argv[2]);
    if (!stbi_write_jpg(path, sheet_w, sheet_h, 3, sheet.data(), QUALITY)) {
        std::fprintf(stderr, "backgrounds: cannot write %s\n", path);
        return 1;
    }
    return 0;
}
