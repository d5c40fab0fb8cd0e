// langtables DATA: reads DATA/lang/<code>.txt of every language and writes
// DATA/lang/texts.cpp, the constant text tables of the game. A missing or
// malformed file stops it, naming the file (and the line), before anything is
// written.
#include "text/langfile_internal.h"

#include <cstdio>
#include <cstdlib>

// The language order of the game's language table.
static const char* const codes[LANGUAGE_COUNT] = {
    "da", "sv", "nb", "fi", "is", "en", "de", "nl", "fr", "it", "es", "pt", "pt_BR", "pl", "cs", "hu",
    "ro", "el", "tr", "uk", "he", "ar", "fa", "ur", "hi", "bn", "th", "vi", "id", "ko", "ja", "zh",
};

static LanguageFile files[LANGUAGE_COUNT];

// Reads and parses one file; exits on any fault.
static void read_language(const char* path, LanguageFile* file)
{
    FILE* f = fopen(path, "rb");
    if (!f) {
        fprintf(stderr, "%s: cannot read\n", path);
        exit(1);
    }
    static char buffer[1 << 20];
    size_t size = fread(buffer, 1, sizeof buffer, f);
    bool too_long = size == sizeof buffer;
    fclose(f);
    if (too_long) {
        fprintf(stderr, "%s: file too long\n", path);
        exit(1);
    }
    if (parse_language_file(buffer, (uint32_t)size, file) != 0) {
        fprintf(stderr, "%s: %s\n", path, file->error);
        exit(1);
    }
}

static void write_literal(FILE* out, const char* s)
{
    fputc('"', out);
    for (; *s; s++) {
        if (*s == '"' || *s == '\\')
            fprintf(out, "\\%c", *s);
        else if (*s == '\n')
            fputs("\\n", out);
        else
            fputc(*s, out);
    }
    fputc('"', out);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s DATA-FOLDER\n", argv[0]);
        return 2;
    }
    char path[4096];
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        snprintf(path, sizeof path, "%s/lang/%s.txt", argv[1], codes[i]);
        read_language(path, &files[i]);
    }

    snprintf(path, sizeof path, "%s/lang/texts.cpp", argv[1]);
    FILE* out = fopen(path, "wb");
    if (!out) {
        fprintf(stderr, "%s: cannot write\n", path);
        return 1;
    }
    fprintf(out, "// Generated from data/lang/<code>.txt by tools/langtables (make assets): do not edit.\n");
    fprintf(out, "#include \"text/text.h\"\n\n");
    fprintf(out, "const char* const language_texts[LANGUAGE_COUNT][MESSAGE_COUNT] = {\n");
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        const LanguageFile* file = &files[i];
        fprintf(out, "    // %s\n    {\n", codes[i]);
        for (int m = 0; m < MESSAGE_COUNT; m++) {
            fprintf(out, "        /* %03d */ ", m);
            write_literal(out, file->texts[m]);
            fputs(",\n", out);
        }
        fputs("    },\n", out);
    }
    fputs("};\n", out);
    if (fclose(out) != 0) {
        fprintf(stderr, "%s: cannot write\n", path);
        return 1;
    }
    return 0;
}
