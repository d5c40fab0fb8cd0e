// The high-score and settings readers on any bytes: every name stays a
// clean, cut string and the language code a single word of at most 15 bytes.
#include "shell/shell.h"
#include "shell/local.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static void fault(const char* what)
{
    fprintf(stderr, "%s\n", what);
    abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char* text = (const char*)data + 1;
    size--;
    if (data[0] & 1) {
        parse_settings(text, size);
        size_t n = strnlen(shell.settings_language, sizeof shell.settings_language);
        if (n >= sizeof shell.settings_language)
            fault("language code without its end");
        for (size_t i = 0; i < n; i++)
            if (strchr(" \t\n\v\f\r", shell.settings_language[i]))
                fault("language code with a blank");
        return 0;
    }
    parse_high_scores(text, size);
    for (const HighScore& h : shell.high_scores) {
        size_t n = strnlen(h.name, sizeof h.name);
        if (n >= sizeof h.name)
            fault("name without its end");
        for (size_t i = 0; i < n; i++)
            if ((unsigned char)h.name[i] < 0x20 || h.name[i] == 0x7F)
                fault("control character in a name");
    }
    return 0;
}
