// Finding a language from a locale string, and the choice at start-up from a
// given code, the desktop's preferred locales and the locale variables.
#include "text/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(FindLanguage, FoldsLocalesToLanguages)
{
    static const struct {
        const char* locale;
        int32_t language;
        uint32_t banner;
    } cases[] = {
        { "en_US.UTF-8", 5, 0 }, { "EN", 5, 0 },     { "en-GB", 5, 0 },    { "de@euro", 6, 0 },
        { "pt-br", 12, 0 },      { "pt_BR", 12, 0 }, { "pt-BR", 12, 0 },   { "pt_br.UTF-8", 12, 0 },
        { "pt", 11, 0 },         { "pt_PT", 11, 0 }, { "pt_B", 11, 0 },    { "pt_", 11, 0 },
        { "ptBR", -1, 0 },       { "ru_RU", 19, 1 }, { "RU", 19, 1 },      { "uk_UA", 19, 0 },
        { "nn", 2, 0 },          { "no_NO", 2, 0 },  { "nb", 2, 0 },       { "fo", 0, 0 },
        { "kl", 0, 0 },          { "iw", 20, 0 },    { "in", 28, 0 },      { "he", 20, 0 },
        { "POSIX", -1, 0 },      { "C", -1, 0 },     { "eng", -1, 0 },     { "rus", -1, 0 },
        { "_en", -1, 0 },        { "", -1, 0 },      { nullptr, -1, 0 },   { "zh_TW", 31, 0 },
    };
    for (const auto& c : cases) {
        locale_banner = 0;
        EXPECT_EQ(find_language(c.locale), c.language) << (c.locale ? c.locale : "null");
        EXPECT_EQ(locale_banner_flag(), c.banner) << (c.locale ? c.locale : "null");
    }
}

TEST(SetLanguage, KeepsToTheTable)
{
    static const struct {
        int32_t index, expected;
    } cases[] = { { 0, 0 }, { 31, 31 }, { 32, 31 }, { -1, 31 }, { 12, 12 }, { INT32_MIN, 12 } };
    set_language(31);
    for (const auto& c : cases) {
        set_language(c.index);
        EXPECT_EQ(get_language(), c.expected) << c.index;
    }
    EXPECT_STREQ(language_code(12), "pt_BR");
    set_language(LANGUAGE_ENGLISH);
}

namespace {

// The variables the choice reads, directly or through SDL; null leaves one unset.
struct Environment {
    const char* preferred;  // SDL's override of the desktop's preferred locales
    const char* language;
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
};

void set_environment(const Environment& e)
{
    const char* names[] = { "SDL_PREFERRED_LOCALES", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
    const char* values[] = { e.preferred, e.language, e.lc_all, e.lc_messages, e.lang };
    for (int i = 0; i < 5; i++) {
        if (values[i])
            setenv(names[i], values[i], 1);
        else
            unsetenv(names[i]);
    }
}

} // namespace

TEST(ChooseLanguage, FromCodeLocalesAndVariables)
{
    // A preferred locale "xx" names no language, so the variables decide.
    const std::string long_language = std::string(125, 'x') + ":sv";
    static const char* const unset = nullptr;
    const struct {
        const char* what;
        const char* code;
        Environment env;
        int32_t language;
        uint32_t banner;
    } cases[] = {
        { "nothing at all", nullptr, { unset, unset, unset, unset, unset }, 5, 0 },
        { "unknown code, nothing else", "xx", { "xx", unset, unset, unset, unset }, 5, 0 },
        { "given code", "de", { "fr", unset, unset, unset, "fr_FR.UTF-8" }, 6, 0 },
        { "given code folded", "nn", { "xx", unset, unset, unset, unset }, 2, 0 },
        { "faroese", "fo", { "xx", unset, unset, unset, unset }, 0, 0 },
        { "greenlandic", "kl", { "xx", unset, unset, unset, unset }, 0, 0 },
        { "old hebrew code", "iw", { "xx", unset, unset, unset, unset }, 20, 0 },
        { "old indonesian code", "in", { "xx", unset, unset, unset, unset }, 28, 0 },
        { "ru alone gives no banner", "ru", { "xx", unset, unset, unset, unset }, 19, 0 },
        { "ru with a russian desktop", "ru", { "ru_RU", unset, unset, unset, unset }, 19, 1 },
        { "ru with LANG russian", "ru", { "xx", unset, unset, unset, "ru_RU.UTF-8" }, 19, 1 },
        { "ru with LANGUAGE russian", "ru", { "xx", "ru", unset, unset, unset }, 19, 1 },
        { "given code, later preferred locale russian", "de", { "de,ru", unset, unset, unset, unset }, 6, 1 },
        { "given code, LC_ALL is not asked for the banner", "de", { "xx", unset, "ru_RU", unset, unset }, 6, 0 },
        { "given code, upper-case RU is no banner", "de", { "xx", unset, unset, unset, "RU" }, 6, 0 },
        { "preferred ru then en", "xx", { "ru,en", unset, unset, unset, unset }, 19, 1 },
        { "preferred de then ru", "xx", { "de,ru", unset, unset, unset, unset }, 6, 0 },
        { "preferred country not looked at", nullptr, { "xx,pt_BR", unset, unset, unset, unset }, 11, 0 },
        { "first piece naming a language", nullptr, { "xx", "xx:sv:de", unset, unset, "fr_FR.UTF-8" }, 1, 0 },
        { "empty LANGUAGE passes on", nullptr, { "xx", "", unset, unset, "fr_FR.UTF-8" }, 8, 0 },
        { "empty pieces skipped", nullptr, { "xx", "::it", unset, unset, unset }, 9, 0 },
        { "LC_ALL before LC_MESSAGES", nullptr, { "xx", "C", "fi_FI", "hu_HU", "fr_FR" }, 3, 0 },
        { "LC_MESSAGES before LANG", nullptr, { "xx", unset, unset, "hu_HU", "fr_FR" }, 15, 0 },
        { "russian variable", nullptr, { "xx", unset, unset, unset, "ru_UA.UTF-8" }, 19, 1 },
        { "variables naming nothing", nullptr, { "xx", "C", "POSIX", "eng", "xx" }, 5, 0 },
        { "LANGUAGE cut at 127 bytes", nullptr, { "xx", long_language.c_str(), unset, unset, "de" }, 6, 0 },
        // Without the override SDL reads the desktop's locales from the variables itself.
        { "SDL reads LANG", nullptr, { unset, unset, unset, unset, "sv_SE.UTF-8" }, 1, 0 },
        { "SDL reads a russian LANG", nullptr, { unset, unset, unset, unset, "ru_RU.UTF-8" }, 19, 1 },
    };
    for (const auto& c : cases) {
        set_environment(c.env);
        current_language = 31;
        locale_banner = 1;
        choose_language(c.code);
        EXPECT_EQ(get_language(), c.language) << c.what;
        EXPECT_EQ(locale_banner_flag(), c.banner) << c.what;
    }
    set_environment({ unset, unset, unset, unset, unset });
    current_language = LANGUAGE_ENGLISH;
    locale_banner = 0;
}
