// The notes of where a frame put its texts, icons and panels, kept only while
// a check asks for them.
#include "draw/draw.h"

DrawnLayout* drawn_layout = nullptr;

int32_t note_line()
{
    if (!drawn_layout)
        return -1;
    return drawn_layout->lines++;
}

void note_drawn(int32_t kind, int32_t what, SDL_FRect box)
{
    DrawnLayout* notes = drawn_layout;
    if (!notes || notes->count >= DRAWN_BOXES)
        return;
    int32_t line = -1;
    if (kind == DRAWN_LINE || kind == DRAWN_PIECE || kind == DRAWN_GLYPH)
        line = notes->lines - 1;
    notes->boxes[notes->count++] = DrawnBox{kind, what, line, box};
}
