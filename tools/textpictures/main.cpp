// textpictures DATA: reads DATA/lang/<code>.txt of every language, lays out
// the pieces of each language's text picture, renders them and writes
// DATA/pictures/picture-33.png .. picture-64.png (language i is picture
// PICTURE_FIRST_LANGUAGE + i) and DATA/lang/text_pictures.h with the run lists, run-list
// positions and piece rectangles of every language. Stops, naming the piece,
// when a letter would leave its piece or a piece would not fit the picture.
#include "text/langfile_internal.h"
#include "draw/sheet.h"
#include "tools/textpictures/textpictures.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>
#include <sys/stat.h>

// The language order of the game's language table, and how each is lettered.
// The sizes of the other scripts against DejaVu Sans were matched by eye, so
// that a line in them looks as large and as heavy as a Latin one, as far as
// the piece heights allow: Arabic vowel marks over a tall letter and Thai
// tone marks over a vowel sign reach highest, so those two stay a little
// smaller than the rest. Urdu is set in Noto Sans Arabic with Urdu forms:
// Noto Nastaliq Urdu's slanting joins rise up to 2.2 em above the baseline
// and fall 0.75 em below it, so inside a 68-pixel piece it would have to be
// drawn at half the Latin size.
static const struct {
    const char* code;
    Lettering lettering;
} languages[LANGUAGE_COUNT] = {
    { "da", { "DejaVu Sans", 1.0, "da", false } },
    { "sv", { "DejaVu Sans", 1.0, "sv", false } },
    { "nb", { "DejaVu Sans", 1.0, "nb", false } },
    { "fi", { "DejaVu Sans", 1.0, "fi", false } },
    { "is", { "DejaVu Sans", 1.0, "is", false } },
    { "en", { "DejaVu Sans", 1.0, "en", false } },
    { "de", { "DejaVu Sans", 1.0, "de", false } },
    { "nl", { "DejaVu Sans", 1.0, "nl", false } },
    { "fr", { "DejaVu Sans", 1.0, "fr", false } },
    { "it", { "DejaVu Sans", 1.0, "it", false } },
    { "es", { "DejaVu Sans", 1.0, "es", false } },
    { "pt", { "DejaVu Sans", 1.0, "pt", false } },
    { "pt_BR", { "DejaVu Sans", 1.0, "pt-br", false } },
    { "pl", { "DejaVu Sans", 1.0, "pl", false } },
    { "cs", { "DejaVu Sans", 1.0, "cs", false } },
    { "hu", { "DejaVu Sans", 1.0, "hu", false } },
    { "ro", { "DejaVu Sans", 1.0, "ro", false } },
    { "el", { "DejaVu Sans", 1.0, "el", false } },
    { "tr", { "DejaVu Sans", 1.0, "tr", false } },
    { "uk", { "DejaVu Sans", 1.0, "uk", false } },
    { "he", { "Noto Sans Hebrew", 1.1, "he", true } },
    { "ar", { "Noto Sans Arabic", 1.05, "ar", true } },
    { "fa", { "Noto Sans Arabic", 1.15, "fa", true } },
    { "ur", { "Noto Sans Arabic", 1.15, "ur", true } },
    { "hi", { "Noto Sans Devanagari", 1.1, "hi", false } },
    { "bn", { "Noto Sans Bengali", 1.1, "bn", false } },
    { "th", { "Noto Sans Thai", 1.05, "th", false } },
    { "vi", { "DejaVu Sans", 1.0, "vi", false } },
    { "id", { "DejaVu Sans", 1.0, "id", false } },
    { "ko", { "Noto Sans CJK KR", 1.0, "ko", false } },
    { "ja", { "Noto Sans CJK JP", 1.0, "ja", false } },
    { "zh", { "Noto Sans CJK SC", 1.0, "zh-cn", false } },
};

static LanguageFile file;
static LanguageTables tables[LANGUAGE_COUNT];

void fail(const std::string& what)
{
    std::fprintf(stderr, "textpictures: %s\n", what.c_str());
    std::exit(1);
}

static void read_language(const std::string& path, LanguageFile* out)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        fail(path + ": cannot read");
    static char buffer[1 << 20];
    size_t size = std::fread(buffer, 1, sizeof buffer, f);
    std::fclose(f);
    if (size == sizeof buffer)
        fail(path + ": file too long");
    if (parse_language_file(buffer, (uint32_t)size, out) != 0)
        fail(path + ": " + out->error);
}

static long file_size(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        fail("cannot read back " + path);
    return (long)st.st_size;
}

template <typename T>
static void write_array(FILE* out, const char* type, const char* what, const char* code, const std::vector<T>& v,
                        int per_line)
{
    std::fprintf(out, "inline constexpr %s text_%s_%s[%zu] = {", type, what, code, v.size());
    for (size_t i = 0; i < v.size(); i++)
        std::fprintf(out, "%s%d,", i % per_line ? " " : "\n    ", (int)v[i]);
    std::fprintf(out, "\n};\n");
}

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: textpictures DATA-FOLDER");
    std::string data = argv[1];
    bool fits = true;
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        read_language(data + "/lang/" + languages[i].code + ".txt", &file);
        build_lists(file.texts, &tables[i]);
        measure_pieces(languages[i].lettering, &tables[i]);
        fits = pack_pieces(&tables[i], languages[i].code) && fits;
    }
    if (!fits)
        fail("the texts above must be made shorter");
    // The pictures are independent: four at a time, each with its own shaper.
    std::atomic<int> next{ 0 };
    auto render_some = [&] {
        for (int i; (i = next++) < LANGUAGE_COUNT;) {
            char name[64];
            std::snprintf(name, sizeof name, "/pictures/picture-%02d.png", PICTURE_FIRST_LANGUAGE + i);
            render_picture(languages[i].lettering, tables[i], data + name);
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; t++)
        workers.emplace_back(render_some);
    for (std::thread& w : workers)
        w.join();
    long sizes[LANGUAGE_COUNT];
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        char name[64];
        std::snprintf(name, sizeof name, "/pictures/picture-%02d.png", PICTURE_FIRST_LANGUAGE + i);
        sizes[i] = file_size(data + name);
    }

    std::string path = data + "/lang/text_pictures.h";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        fail("cannot write " + path);
    std::fprintf(out,
                 "// Generated from data/lang/<code>.txt by tools/textpictures (make assets): do not edit.\n"
                 "// Per language: the byte length of its text picture (data/pictures/picture-33.png\n"
                 "// onwards, in language order), its run lists, the position of each message's\n"
                 "// small and big run list (0xFFFF: none) and its piece rectangles (x, y, w, h,\n"
                 "// baseline). Picture heights: ");
    for (int i = 0; i < LANGUAGE_COUNT; i++)
        std::fprintf(out, "%s%s %d", i ? ", " : "", languages[i].code, tables[i].height);
    std::fprintf(out, ".\n#pragma once\n#include <cstdint>\n");
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        const LanguageTables& t = tables[i];
        const char* code = languages[i].code;
        std::fprintf(out, "\n// %s\ninline constexpr uint64_t text_picture_bytes_%s = %ld;\n", code, code, sizes[i]);
        write_array(out, "int16_t", "runs", code, t.runs, 16);
        write_array(out, "uint16_t", "run_index", code, std::vector<uint16_t>(t.run_index, t.run_index + 236), 12);
        std::vector<int16_t> rects;
        for (const Piece& p : t.pieces) {
            rects.push_back((int16_t)p.x);
            rects.push_back((int16_t)p.y);
            rects.push_back((int16_t)(p.advance + 2 * PIECE_MARGIN));
            rects.push_back((int16_t)PIECE_HEIGHT[p.kind]);
            rects.push_back((int16_t)PIECE_BASELINE[p.kind]);
        }
        write_array(out, "int16_t", "rects", code, rects, 15);
    }
    if (std::fclose(out) != 0)
        fail("cannot write " + path);
    return 0;
}
