// The UTF-8 reader.
#include "draw/utf8.h"

Utf8Char utf8_read(const unsigned char* p, uint32_t n)
{
    Utf8Char u = {0, 0, 0};
    if (n == 0)
        return u;
    const unsigned lead = p[0];
    uint32_t length;
    uint32_t code;
    if (lead < 0x80)
        length = 1, code = lead;
    else if (lead >= 0xC0 && lead <= 0xDF)
        length = 2, code = lead & 0x1Fu;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, code = lead & 0x0Fu;
    else if (lead >= 0xF0 && lead <= 0xF7)
        length = 4, code = lead & 0x07u;
    else
        return u;
    if (length > n)
        return u;
    uint32_t continuations_ok = 1;
    for (uint32_t i = 1; i < length; i++) {
        if (p[i] == 0)
            return u;
        if ((p[i] & 0xC0) != 0x80)
            continuations_ok = 0;
        code = (code << 6) | (p[i] & 0x3Fu);
    }
    static const uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    u.code = (int32_t)code;
    u.length = length;
    u.well_formed = continuations_ok && code >= least[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return u;
}

Utf8Char utf8_read(const unsigned char* p)
{
    return utf8_read(p, UINT32_MAX);
}
