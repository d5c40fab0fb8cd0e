// Translated texts with arbitrary message numbers, arguments and names:
// message references with any number after them, nested references as
// arguments, any language, size, alignment and width.
#include "draw/draw.h"
#include "fuzz/renderer.h"
#include "text/local.h"
#include "text/text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

enum { MOST_ARGS = 6 };

// Decoding a language's text picture takes far longer than drawing one
// input, so the fuzzer keeps each language's packed picture and bands once
// made and hands them to the text drawing as its cached picture.
static TextAtlas language_atlases[LANGUAGE_COUNT];
static bool kept[LANGUAGE_COUNT];

static void use_language(int32_t language)
{
    set_language(language);
    if (kept[language])
        atlas = language_atlases[language];
    else
        atlas = TextAtlas{-1, {}, {}};
}

static void keep_language_atlas()
{
    if (atlas.language >= 0 && atlas.language < LANGUAGE_COUNT) {
        language_atlases[atlas.language] = atlas;
        kept[atlas.language] = true;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensure_renderer();
    if (size < 6)
        return 0;
    use_language(data[0] % LANGUAGE_COUNT);
    const int32_t id = (int8_t)data[1] + (data[2] & 1 ? MESSAGE_COUNT : 0);
    const int32_t big = data[2] & 2;
    const int32_t align = (int8_t)data[3] >> 2;
    const int32_t max_width = (int16_t)(data[4] << 8 | data[5]);
    // The rest: a name, then the arguments, split at NUL bytes.
    std::vector<std::string> words(1);
    for (size_t i = 6; i < size; i++) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += (char)data[i];
    }
    const char* args[MOST_ARGS];
    int32_t count = 0;
    for (size_t i = 1; i < words.size() && count < MOST_ARGS; i++)
        args[count++] = words[i].c_str();

    draw_name(words[0].c_str(), 100, 100, big, align, COLOUR_WHITE);
    draw_name(level_name_ref(words[0].c_str()), 700, 600, big, align, 0xFF00FFFFu);
    draw_message_v(id, 384, 200, big, align, COLOUR_WHITE, max_width, args, count);
    if (count >= 4)
        draw_message(id, 0, 640, big, align, 0xFF0000FFu, {args[0], args[1], args[2], args[3]});
    else if (count >= 1)
        draw_message_fit(id, 768, 0, big, align, 0xFF0000FFu, max_width, {args[0]});
    LayoutItem items[LAYOUT_ITEMS];
    float total = 0, scale = 0;
    const int32_t laid = layout_message(id, big, args, count, items, &total, &scale);
    if (laid < 0 || laid > LAYOUT_ITEMS || !std::isfinite(total) || !std::isfinite(scale)) {
        fprintf(stderr, "layout of message %d: %d items, width %g, scale %g\n", id, laid, total, scale);
        abort();
    }
    if (id >= 0 && id < MESSAGE_COUNT)
        text_width(message_text(id), big);
    keep_language_atlas();
    set_language(LANGUAGE_ENGLISH);
    return 0;
}
