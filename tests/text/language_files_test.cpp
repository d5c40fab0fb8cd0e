// The language files: the reader's rules on small fixtures, every language's
// texts against English and the fixed texts, and the built tables against
// the files they were made from.
#include "text/langfile_internal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace {

// A well-formed file whose message m reads "text m".
std::string valid_file()
{
    std::string s = "# Test\n";
    char line[32];
    for (int m = 0; m < MESSAGE_COUNT; m++) {
        snprintf(line, sizeof line, "%03d text %d\n", m, m);
        s += line;
    }
    return s;
}

// A file with the line of message m (file line m + 2) replaced.
std::string with_line(int m, const std::string& replacement, std::string s = valid_file())
{
    char head[8];
    snprintf(head, sizeof head, "\n%03d ", m);
    size_t start = s.find(head) + 1;
    size_t end = s.find('\n', start);
    return s.substr(0, start) + replacement + s.substr(end);
}

int32_t parse(const std::string& text, LanguageFile* file)
{
    return parse_language_file(text.data(), (uint32_t)text.size(), file);
}

std::string read_file(const std::string& path)
{
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return {};
    std::string s;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        s.append(buffer, n);
    fclose(f);
    return s;
}

std::set<std::string> placeholders(const char* text)
{
    std::set<std::string> found;
    for (const char* p = text; (p = strchr(p, '{')); p++)
        if (p[1] >= '0' && p[1] <= '9' && p[2] == '}')
            found.insert(std::string(p, 3));
    return found;
}

} // namespace

TEST(LanguageFileReader, ReadsCommentsEscapesAndEveryMessage)
{
    auto file = std::make_unique<LanguageFile>();
    std::string text = with_line(7, "007 L: sprog – {1}");
    text = with_line(83, "083 one\\ntwo \\\\ three", text);
    text.insert(text.find("\n050 ") + 1, "# a comment between messages\n");
    text.pop_back();  // no line feed after the last message
    ASSERT_EQ(parse(text, file.get()), 0) << file->error;
    EXPECT_STREQ(file->texts[0], "text 0");
    EXPECT_STREQ(file->texts[7], "L: sprog – {1}");
    EXPECT_STREQ(file->texts[83], "one\ntwo \\ three");
    EXPECT_STREQ(file->texts[117], "text 117");
}

TEST(LanguageFileReader, RejectsMalformedFilesNamingTheLine)
{
    std::string valid = valid_file();
    struct Case {
        const char* what;
        std::string text;
        const char* error_start;
    } cases[] = {
        { "message out of order", with_line(5, "006 six"), "line 7:" },
        { "message number repeated", with_line(5, "004 again"), "line 7:" },
        { "two-digit number", with_line(5, "05 five"), "line 7:" },
        { "no space after the number", with_line(5, "005five"), "line 7:" },
        { "empty text", with_line(5, "005 "), "line 7:" },
        { "number alone", with_line(5, "005"), "line 7:" },
        { "blank at the end", with_line(5, "005 five "), "line 7:" },
        { "unknown escape", with_line(5, "005 a\\tb"), "line 7:" },
        { "backslash at the end", with_line(5, "005 ab\\"), "line 7:" },
        { "carriage return", with_line(5, "005 five\r"), "line 7:" },
        { "lone lead byte", with_line(5, "005 \xC3"), "line 7:" },
        { "overlong encoding", with_line(5, "005 \xC0\xAF"), "line 7:" },
        { "surrogate", with_line(5, "005 \xED\xA0\x80"), "line 7:" },
        { "stray continuation byte", with_line(5, "005 a\x80"), "line 7:" },
        { "empty line", with_line(5, "005 five\n"), "line 8:" },
        { "last message missing", valid.substr(0, valid.find("117 ")), "line 119:" },
        { "one message too many", valid + "118 more\n", "line 120:" },
        { "empty file", "", "line 1:" },
    };
    auto file = std::make_unique<LanguageFile>();
    for (const Case& c : cases) {
        EXPECT_EQ(parse(c.text, file.get()), -1) << c.what;
        EXPECT_EQ(std::string(file->error).rfind(c.error_start, 0), 0u) << c.what << ": " << file->error;
    }
}

// Every language file exists, reads without fault, carries the fixed texts and
// the placeholders of English, and is what the game was built with.
TEST(LanguageFiles, EveryLanguageIsCompleteAndBuiltIn)
{
    static const char* const own_names[LANGUAGE_COUNT] = {
        "Dansk", "Svenska", "Norsk", "Suomi", "Íslenska", "English", "Deutsch", "Nederlands",
        "Français", "Italiano", "Español", "Português", "Português (Brasil)", "Polski", "Čeština", "Magyar",
        "Română", "Ελληνικά", "Türkçe", "Українська", "עברית", "العربية", "فارسی", "اردو",
        "हिन्दी", "বাংলা", "ไทย", "Tiếng Việt", "Bahasa Indonesia", "한국어", "日本語", "中文",
    };
    auto english = std::make_unique<LanguageFile>();
    auto file = std::make_unique<LanguageFile>();
    std::string folder = std::string(FROSTOVA_SOURCE_DIR) + "/data/lang/";
    std::string english_text = read_file(folder + "en.txt");
    ASSERT_EQ(parse(english_text, english.get()), 0) << "en.txt: " << english->error;

    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        const char* code = language_code(i);
        std::string text = read_file(folder + code + ".txt");
        ASSERT_FALSE(text.empty()) << code << ".txt is missing";
        ASSERT_EQ(parse(text, file.get()), 0) << code << ".txt: " << file->error;
        EXPECT_STREQ(file->texts[1], "Слава Україні!") << code;
        EXPECT_STREQ(file->texts[2], own_names[i]) << code;
        for (int m = 0; m < MESSAGE_COUNT; m++) {
            EXPECT_EQ(placeholders(file->texts[m]), placeholders(english->texts[m])) << code << " message " << m;
            EXPECT_STREQ(language_table[i].texts[m], file->texts[m])
                << code << " message " << m << ": the built tables are older than the file; run make assets";
        }
    }
}

TEST(LanguageFiles, EnglishAndDanishFixedTexts)
{
    static const struct {
        int language, message;
        const char* text;
    } fixed[] = {
        { 5, 0, "Frostova" },
        { 5, 7, "L: language – {1}" },
        { 5, 33, "Santa's Realm" },
        { 5, 88, "The portal now sends: {1} every {2} seconds (Shift and +/- change the pace)" },
        { 5, 117, "{1} (copy)" },
        { 0, 32, "Juleaften" }, { 0, 33, "Julemandens rige" }, { 0, 34, "Nissegården" },
        { 0, 35, "Julemanden over byen" }, { 0, 36, "Nisserne bager" }, { 0, 37, "Mad til fuglene" },
        { 0, 38, "Julemiddagen" }, { 0, 39, "På vej til kirke" }, { 0, 40, "Mandelgaven" },
        { 0, 41, "Dansen om juletræet" }, { 0, 42, "Postbudet kommer" }, { 0, 43, "Nissen i træskoen" },
        { 0, 44, "Julehjerter" }, { 0, 45, "Kanen i måneskin" }, { 0, 46, "Juletræet pyntes" },
        { 0, 47, "Gaverne pakkes op" }, { 0, 48, "Et æble til rensdyret" }, { 0, 49, "Nissernes værksted" },
        { 0, 50, "Legetøjsvinduet" }, { 0, 51, "Nisserne med kælken" }, { 0, 52, "Juletræet hentes" },
        { 0, 53, "I skoven efter juletræ" }, { 0, 54, "Risengrød på loftet" }, { 0, 55, "Nisserne i stalden" },
        { 0, 56, "Nissernes hule" }, { 0, 57, "Æbleskiver hos bedstemor" }, { 0, 58, "Kælkebakken" },
    };
    for (const auto& f : fixed)
        EXPECT_STREQ(language_table[f.language].texts[f.message], f.text) << language_code(f.language) << " " << f.message;
}
