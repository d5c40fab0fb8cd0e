// The game's one UTF-8 reader. Each caller decides what to do with what it
// reads: drawing accepts more than a file check does. Free of SDL so that the
// generators may link it; the rest of the game reaches it through draw/draw.h.
#pragma once
#include <cstdint>

// One UTF-8 sequence as read from a text.
struct Utf8Char {
    int32_t code;          // the code point its bits give
    uint32_t length;       // its bytes, 1..4; 0 when the bytes at p begin no sequence
    uint32_t well_formed;  // 1 when its continuation bytes are 10xxxxxx and it is the shortest form of a scalar value
};

// Reads the sequence at p within n bytes. The lead byte gives the length; a
// sequence that runs past n bytes or into a NUL has length 0, so a
// NUL-terminated text is never read past its end.
Utf8Char utf8_read(const unsigned char* p, uint32_t n);

// utf8_read of a NUL-terminated text, which bounds it.
Utf8Char utf8_read(const unsigned char* p);
