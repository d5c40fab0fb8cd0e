// The language table, the current language and the choice of language at
// start-up from a code, the desktop's preferred locales or the environment.
#include "text/text.h"
#include "draw/draw.h"
#include "data/lang/text_pictures.h"

#include <SDL_locale.h>
#include <SDL_stdinc.h>

#include <cstdlib>
#include <cstring>

// The text pictures are the built-in pictures from PICTURE_FIRST_LANGUAGE on,
// one per language in this order, compiled in by draw/; their tables and byte
// lengths come from the same generator, so every field here is a constant
// fixed before start-up. The symbols are named by the pictures' numbers.
#define LANGUAGE_PICTURE(n) extern "C" const unsigned char picture_##n[];
LANGUAGE_PICTURE(33) LANGUAGE_PICTURE(34) LANGUAGE_PICTURE(35) LANGUAGE_PICTURE(36) LANGUAGE_PICTURE(37)
LANGUAGE_PICTURE(38) LANGUAGE_PICTURE(39) LANGUAGE_PICTURE(40) LANGUAGE_PICTURE(41) LANGUAGE_PICTURE(42)
LANGUAGE_PICTURE(43) LANGUAGE_PICTURE(44) LANGUAGE_PICTURE(45) LANGUAGE_PICTURE(46) LANGUAGE_PICTURE(47)
LANGUAGE_PICTURE(48) LANGUAGE_PICTURE(49) LANGUAGE_PICTURE(50) LANGUAGE_PICTURE(51) LANGUAGE_PICTURE(52)
LANGUAGE_PICTURE(53) LANGUAGE_PICTURE(54) LANGUAGE_PICTURE(55) LANGUAGE_PICTURE(56) LANGUAGE_PICTURE(57)
LANGUAGE_PICTURE(58) LANGUAGE_PICTURE(59) LANGUAGE_PICTURE(60) LANGUAGE_PICTURE(61) LANGUAGE_PICTURE(62)
LANGUAGE_PICTURE(63) LANGUAGE_PICTURE(64)

static_assert((int)PICTURE_FIRST_LANGUAGE + LANGUAGE_COUNT == PICTURE_COUNT, "one text picture per language, the last pictures");

// A language's index follows from its picture's number.
#define LANGUAGE_INFO(code, rtl, picture)                                                                          \
    { #code, rtl, picture_##picture, text_picture_bytes_##code, text_runs_##code, text_run_index_##code,           \
      text_rects_##code, language_texts[(picture) - PICTURE_FIRST_LANGUAGE] }

const LanguageInfo language_table[LANGUAGE_COUNT] = {
    LANGUAGE_INFO(da, 0, 33),    LANGUAGE_INFO(sv, 0, 34),    LANGUAGE_INFO(nb, 0, 35),    LANGUAGE_INFO(fi, 0, 36),
    LANGUAGE_INFO(is, 0, 37),    LANGUAGE_INFO(en, 0, 38),    LANGUAGE_INFO(de, 0, 39),    LANGUAGE_INFO(nl, 0, 40),
    LANGUAGE_INFO(fr, 0, 41),    LANGUAGE_INFO(it, 0, 42),    LANGUAGE_INFO(es, 0, 43),    LANGUAGE_INFO(pt, 0, 44),
    LANGUAGE_INFO(pt_BR, 0, 45), LANGUAGE_INFO(pl, 0, 46),    LANGUAGE_INFO(cs, 0, 47),    LANGUAGE_INFO(hu, 0, 48),
    LANGUAGE_INFO(ro, 0, 49),    LANGUAGE_INFO(el, 0, 50),    LANGUAGE_INFO(tr, 0, 51),    LANGUAGE_INFO(uk, 0, 52),
    LANGUAGE_INFO(he, 1, 53),    LANGUAGE_INFO(ar, 1, 54),    LANGUAGE_INFO(fa, 1, 55),    LANGUAGE_INFO(ur, 1, 56),
    LANGUAGE_INFO(hi, 0, 57),    LANGUAGE_INFO(bn, 0, 58),    LANGUAGE_INFO(th, 0, 59),    LANGUAGE_INFO(vi, 0, 60),
    LANGUAGE_INFO(id, 0, 61),    LANGUAGE_INFO(ko, 0, 62),    LANGUAGE_INFO(ja, 0, 63),    LANGUAGE_INFO(zh, 0, 64),
};

int32_t current_language = LANGUAGE_ENGLISH;
uint32_t locale_banner = 0;

const char* language_code(int32_t index) { return language_table[index].code; }

int32_t get_language() { return current_language; }

void set_language(int32_t index)
{
    if ((uint32_t)index < LANGUAGE_COUNT)
        current_language = index;
}

uint32_t locale_banner_flag() { return locale_banner; }

static bool is_locale_stop(char c) { return c == '-' || c == '.' || c == '@' || c == '_'; }

int32_t find_language(const char* locale)
{
    if (!locale || !locale[0])
        return -1;

    // The language part: up to three bytes before the first separator, lower-cased.
    char part[4] = {};
    int len = 0;
    while (len < 3 && locale[len] && !is_locale_stop(locale[len])) {
        part[len] = (char)(locale[len] | 0x20);
        len++;
    }

    const char* code = part;
    if (!strcmp(part, "pt") && (locale[2] == '_' || locale[2] == '-') && (locale[3] == 'B' || locale[3] == 'b') &&
        (locale[4] == 'R' || locale[4] == 'r'))
        code = "pt_BR";
    else if (!strcmp(part, "no") || !strcmp(part, "nn"))
        code = "nb";
    else if (!strcmp(part, "kl") || !strcmp(part, "fo"))
        code = "da";
    else if (!strcmp(part, "ru")) {
        code = "uk";
        locale_banner = 1;
    } else if (!strcmp(part, "iw"))
        code = "he";
    else if (!strcmp(part, "in"))
        code = "id";

    for (int32_t i = 0; i < LANGUAGE_COUNT; i++)
        if (!strcmp(code, language_table[i].code))
            return i;
    return -1;
}

static bool begins_with_ru(const char* s) { return s && s[0] == 'r' && s[1] == 'u'; }

// The first language named by a piece of a ':'-separated environment value, or -1.
static int32_t find_in_list(const char* value)
{
    char buffer[128];
    SDL_strlcpy(buffer, value, sizeof buffer);
    for (char* piece = buffer; *piece;) {
        char* end = strchr(piece, ':');
        if (end)
            *end = 0;
        int32_t idx = find_language(piece);
        if (idx >= 0)
            return idx;
        if (!end)
            break;
        piece = end + 1;
    }
    return -1;
}

void choose_language(const char* code)
{
    int32_t idx = find_language(code);
    locale_banner = 0;

    SDL_Locale* locales = SDL_GetPreferredLocales();

    if (idx >= 0) {
        // A given language still shows the banner to a player whose desktop speaks Russian.
        for (SDL_Locale* l = locales; l && l->language; l++)
            if (begins_with_ru(l->language))
                locale_banner = 1;
        if (begins_with_ru(getenv("LANG")) || begins_with_ru(getenv("LANGUAGE")))
            locale_banner = 1;
        SDL_free(locales);
        current_language = idx;
        return;
    }

    if (locales) {
        for (SDL_Locale* l = locales; l->language && idx < 0; l++)
            idx = find_language(l->language);
        SDL_free(locales);
        if (idx >= 0) {
            current_language = idx;
            return;
        }
    }

    static const char* const variables[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
    for (const char* name : variables) {
        const char* value = getenv(name);
        if (!value)
            continue;
        idx = find_in_list(value);
        if (idx >= 0) {
            current_language = idx;
            return;
        }
    }

    current_language = find_language("en");
}
