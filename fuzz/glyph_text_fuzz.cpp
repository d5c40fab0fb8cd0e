// Glyph text on arbitrary bytes: broken, cut and overlong UTF-8 sequences,
// code points the fonts lack, any font, alignment and position.
#include "draw/draw.h"
#include "fuzz/renderer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensure_renderer();
    if (size < 3)
        return 0;
    const int32_t font = (int8_t)data[0];
    const int32_t align = (int8_t)data[1];
    const float scale = (float)(data[2] & 15) / 4.0f;
    const std::string text((const char*)data + 3, size - 3);
    const int32_t width = text_width(text.c_str(), font);
    if (width < 0) {
        fprintf(stderr, "negative width %d\n", width);
        abort();
    }
    draw_text(text.c_str(), 384, 300, font, align, COLOUR_WHITE);
    draw_text_scaled(text.c_str(), font, align, 0x80FF00FFu, -50.5f, 660.25f, scale);
    return 0;
}
