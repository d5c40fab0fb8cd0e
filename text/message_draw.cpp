// Translated-text drawing: placeholder-free stand-ins until the text pictures exist.
#include "text/text.h"

int32_t draw_message_v(int32_t, int32_t, int32_t, int32_t, int32_t, uint32_t, int32_t, const char* const*, int32_t)
{
    return 0;
}

int32_t draw_message_fit(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour, int32_t max_width,
                         std::initializer_list<const char*> args)
{
    return draw_message_v(id, x, y, big, align, colour, max_width, args.begin(), (int32_t)args.size());
}

int32_t draw_message(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour,
                     std::initializer_list<const char*> args)
{
    return draw_message_v(id, x, y, big, align, colour, 736, args.begin(), (int32_t)args.size());
}

void draw_name(const char*, int32_t, int32_t, int32_t, int32_t, uint32_t) {}

int32_t layout_message(int32_t, int32_t, const char* const*, int32_t, LayoutItem[LAYOUT_ITEMS], float* total_width, float* scale)
{
    *total_width = 0;
    *scale = 1;
    return 0;
}

void draw_message_runs(int32_t, int32_t, uint32_t, const char* const*, int32_t, float, float, float) {}
