// The UTF-8 reader that glyph text, message texts and language files share:
// the length and code it reads, whether the sequence is well formed, and
// that it never reads past a NUL or the byte count it is given.
#include <gtest/gtest.h>
#include <cstring>
#include "draw/utf8.h"

namespace {

struct Utf8Case {
    const char* name;
    const char* bytes;
    uint32_t n;  // bytes the reader may look at
    uint32_t length = 0;
    int32_t code = 0;
    uint32_t well_formed = 0;
};

TEST(Utf8Reader, LengthCodeAndForm)
{
    const Utf8Case cases[] = {
        {.name = "ASCII", .bytes = "A", .n = 1, .length = 1, .code = 'A', .well_formed = 1},
        {.name = "two bytes", .bytes = "\xC3\xA6", .n = 2, .length = 2, .code = 0xE6, .well_formed = 1},
        {.name = "three bytes", .bytes = "\xE2\x80\x93", .n = 3, .length = 3, .code = 0x2013, .well_formed = 1},
        {.name = "four bytes", .bytes = "\xF0\x9F\x98\x80", .n = 4, .length = 4, .code = 0x1F600, .well_formed = 1},
        {.name = "overlong two bytes keep their bits", .bytes = "\xC1\xBF", .n = 2, .length = 2, .code = 0x7F, .well_formed = 0},
        {.name = "an odd continuation byte counts by its low bits", .bytes = "\xC3\x66", .n = 2, .length = 2, .code = 0xE6,
         .well_formed = 0},
        {.name = "a surrogate", .bytes = "\xED\xA0\x80", .n = 3, .length = 3, .code = 0xD800, .well_formed = 0},
        {.name = "above U+10FFFF", .bytes = "\xF5\x80\x80\x80", .n = 4, .length = 4, .code = 0x140000, .well_formed = 0},
        {.name = "a stray continuation byte", .bytes = "\x80", .n = 1, .length = 0},
        {.name = "a lead byte of no length", .bytes = "\xF8\x80\x80\x80\x80", .n = 5, .length = 0},
        {.name = "cut short by the NUL", .bytes = "\xE2\x80", .n = 3, .length = 0},
        {.name = "cut short by the count", .bytes = "\xE2\x80\x93", .n = 2, .length = 0},
        {.name = "nothing to read", .bytes = "A", .n = 0, .length = 0},
    };
    for (const Utf8Case& k : cases) {
        SCOPED_TRACE(k.name);
        const Utf8Char u = utf8_read((const unsigned char*)k.bytes, k.n);
        EXPECT_EQ(u.length, k.length);
        if (k.length != 0) {
            EXPECT_EQ(u.code, k.code);
            EXPECT_EQ(u.well_formed, k.well_formed);
        }
    }
}

TEST(Utf8Reader, ATextEndsAtItsNul)
{
    const unsigned char text[] = {0xF0, 0x9F, 0x98, 0x00, 0x80};
    EXPECT_EQ(utf8_read(text).length, 0u);
    EXPECT_EQ(utf8_read((const unsigned char*)"\xC3\xA6x").length, 2u);
}

}  // namespace
