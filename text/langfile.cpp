// The reader of one language file: comment lines beginning with '#', and one
// line per message, "NNN text", for all messages in order. Used by the
// generator of the text tables and by the tests that check them.
#include "text/text.h"

#include <cstdio>

// Length of the well-formed UTF-8 sequence at p (at most n bytes), or 0.
static uint32_t utf8_length(const unsigned char* p, uint32_t n)
{
    if (p[0] < 0x80)
        return 1;
    uint32_t len, c;
    if (p[0] >= 0xC2 && p[0] <= 0xDF)
        len = 2, c = p[0] & 0x1Fu;
    else if (p[0] >= 0xE0 && p[0] <= 0xEF)
        len = 3, c = p[0] & 0x0Fu;
    else if (p[0] >= 0xF0 && p[0] <= 0xF4)
        len = 4, c = p[0] & 0x07u;
    else
        return 0;
    if (len > n)
        return 0;
    for (uint32_t i = 1; i < len; i++) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3Fu);
    }
    static const uint32_t least[5] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (c < least[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

static int32_t fail(LanguageFile* file, int line, const char* what)
{
    snprintf(file->error, sizeof file->error, "line %d: %s", line, what);
    return -1;
}

int32_t parse_language_file(const char* text, uint32_t size, LanguageFile* file)
{
    const unsigned char* s = (const unsigned char*)text;
    uint32_t pos = 0, used = 0;
    int32_t next = 0;
    int line = 0;
    file->error[0] = 0;

    while (pos < size) {
        line++;
        uint32_t end = pos;
        while (end < size && s[end] != '\n')
            end++;
        if (s[pos] == '#') {
            pos = end + 1;
            continue;
        }

        if (end - pos < 4 || s[pos] < '0' || s[pos] > '9' || s[pos + 1] < '0' || s[pos + 1] > '9' ||
            s[pos + 2] < '0' || s[pos + 2] > '9' || s[pos + 3] != ' ')
            return fail(file, line, "expected a three-digit message number, a space and the text");
        int32_t number = (s[pos] - '0') * 100 + (s[pos + 1] - '0') * 10 + (s[pos + 2] - '0');
        if (next >= MESSAGE_COUNT)
            return fail(file, line, "more messages than the game has");
        if (number != next) {
            char what[64];
            snprintf(what, sizeof what, "message %03d where %03d was expected", number, next);
            return fail(file, line, what);
        }
        if (end - pos == 4)
            return fail(file, line, "empty text");
        if (s[end - 1] == ' ')
            return fail(file, line, "blank at the end of the text");

        char* out = file->store + used;
        for (uint32_t i = pos + 4; i < end;) {
            unsigned char c = s[i];
            if (used + 5 >= sizeof file->store)
                return fail(file, line, "the texts are too long");
            if (c == '\\') {
                if (i + 1 < end && s[i + 1] == 'n')
                    file->store[used++] = '\n';
                else if (i + 1 < end && s[i + 1] == '\\')
                    file->store[used++] = '\\';
                else
                    return fail(file, line, "a backslash must start \\n or \\\\");
                i += 2;
            } else if (c < 0x20 || c == 0x7F) {
                return fail(file, line, "control character in the text");
            } else {
                uint32_t len = utf8_length(s + i, end - i);
                if (!len)
                    return fail(file, line, "not valid UTF-8");
                for (uint32_t k = 0; k < len; k++)
                    file->store[used++] = (char)s[i + k];
                i += len;
            }
        }
        file->store[used++] = 0;
        file->texts[next++] = out;
        pos = end + 1;
    }

    if (next < MESSAGE_COUNT) {
        char what[64];
        snprintf(what, sizeof what, "message %03d is missing", next);
        return fail(file, line + 1, what);
    }
    return 0;
}
