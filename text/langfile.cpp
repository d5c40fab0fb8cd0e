// The reader of one language file: comment lines beginning with '#', and one
// line per message, "NNN text", for all messages in order. Used by the
// generator of the text tables and by the tests that check them.
#include "text/langfile_internal.h"
#include "draw/utf8.h"

#include <cstdio>

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
                // A language file must be strictly UTF-8: only well-formed
                // sequences within the line pass.
                const Utf8Char u = utf8_read(s + i, end - i);
                if (u.length == 0 || !u.well_formed)
                    return fail(file, line, "not valid UTF-8");
                const uint32_t len = u.length;
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
