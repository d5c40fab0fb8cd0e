// Message references, the ring of short formatted strings, and the lookups
// of the title, the built-in names and glyph-safe texts.
#include "text/local.h"
#include "draw/draw.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

char text_ring[TEXT_RING_SIZE][TEXT_RING_BYTES];
int32_t text_ring_index = 0;

static char* next_ring_buffer()
{
    text_ring_index = (text_ring_index + 1) % TEXT_RING_SIZE;
    return text_ring[text_ring_index];
}

char* num_text(int32_t n)
{
    char* buffer = next_ring_buffer();
    snprintf(buffer, TEXT_RING_BYTES, "%d", n);
    return buffer;
}

char* msg_ref_text(int32_t n)
{
    char* buffer = next_ring_buffer();
    snprintf(buffer, TEXT_RING_BYTES, "%c%d", MESSAGE_REF_MARK, n);
    return buffer;
}

int32_t read_message_ref(const char* ref)
{
    // The number is checked while it is still a long: narrowed first, a
    // reference such as 4294967298 would wrap round to a real message.
    long n = strtol(ref + 1, nullptr, 10);
    return n >= 0 && n < MESSAGE_COUNT ? (int32_t)n : -1;
}

const char* current_title() { return language_table[current_language].texts[MSG_TITLE]; }

const char* level_name_ref(const char* name)
{
    const char* const* danish = language_table[LANGUAGE_DANISH].texts;
    for (int32_t m = MSG_FIRST_BUILTIN_NAME; m <= MSG_LAST_BUILTIN_NAME; m++)
        if (!strcmp(name, danish[m]))
            return msg_ref_text(m);
    return name;
}

// Whether the glyph fonts hold code point c: Latin, Greek, Cyrillic, Vietnamese, en dash and apostrophe.
static bool glyph_safe(uint32_t c)
{
    return c < 0x250 || (c >= 0x370 && c <= 0x3FF) || (c >= 0x400 && c <= 0x45F) || (c >= 0x490 && c <= 0x491) ||
           (c >= 0x1EA0 && c <= 0x1EF9) || c == 0x2013 || c == 0x2019;
}

const char* message_text(int32_t n)
{
    const char* text = language_table[current_language].texts[n];
    const unsigned char* p = (const unsigned char*)text;
    // Read as glyph text reads it: sequences of one to three bytes by their
    // bits; anything else cannot be drawn and falls back to English.
    while (*p) {
        const Utf8Char u = utf8_read(p);
        if (u.length == 0 || u.length > 3 || !glyph_safe((uint32_t)u.code))
            return language_table[LANGUAGE_ENGLISH].texts[n];
        p += u.length;
    }
    return text;
}
