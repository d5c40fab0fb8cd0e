// The text ring, number and reference strings, the built-in names as
// references, and the glyph-safe texts.
#include "text/local.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TextRing, SeventeenthUseReusesTheFirstBuffer)
{
    char* first = num_text(111);
    char* others[15];
    for (int i = 0; i < 15; i++)
        others[i] = num_text(i);
    EXPECT_STREQ(first, "111") << "a string stays intact for 15 further uses";
    for (int i = 0; i < 15; i++)
        EXPECT_NE(others[i], first);
    char* seventeenth = msg_ref_text(27);
    EXPECT_EQ(seventeenth, first);
    EXPECT_EQ(std::string(first), std::string(1, MESSAGE_REF_MARK) + "27");
}

TEST(TextRing, NumbersAndReferences)
{
    EXPECT_STREQ(num_text(-5), "-5");
    EXPECT_STREQ(num_text(INT32_MIN), "-2147483648");
    EXPECT_EQ(std::string(msg_ref_text(2)), std::string(1, MESSAGE_REF_MARK) + "2");
    EXPECT_EQ(std::string(msg_ref_text(117)), std::string(1, MESSAGE_REF_MARK) + "117");
}

TEST(MessageRef, NumbersOutsideTheMessagesNameNone)
{
    struct Case { const char* ref; int32_t message; };
    const Case cases[] = {
        {"\x01" "0", 0},       {"\x01" "117", 117},   {"\x01" " +27x", 27},  {"\x01", 0},
        {"\x01" "118", -1},    {"\x01" "-1", -1},     {"\x01" "4294967298", -1},
        {"\x01" "-4294967294", -1},                    {"\x01" "99999999999999999999999", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(read_message_ref(c.ref), c.message) << c.ref + 1;
}

TEST(LevelNameRef, BuiltInNamesBecomeReferences)
{
    char expected[8];
    for (int m = 32; m <= 58; m++) {
        snprintf(expected, sizeof expected, "%c%d", MESSAGE_REF_MARK, m);
        std::string name = language_table[0].texts[m];
        EXPECT_STREQ(level_name_ref(name.c_str()), expected) << name;
    }
}

TEST(LevelNameRef, OtherNamesStayAsTheyAreWithoutTouchingTheRing)
{
    static const char* const names[] = {
        "Kælkebakken ", "kælkebakken", " Kælkebakken", "Kælkebakke", "JULEAFTEN", "Tom", "Bane 1",
        "Frostova", "", "Christmas Eve", "\x01" "35",
    };
    for (const char* name : names) {
        int32_t ring = text_ring_index;
        EXPECT_EQ(level_name_ref(name), name) << name;
        EXPECT_EQ(text_ring_index, ring) << name;
    }
}

TEST(CurrentTitle, FollowsTheLanguage)
{
    set_language(19);
    EXPECT_STREQ(current_title(), language_table[19].texts[0]);
    set_language(LANGUAGE_ENGLISH);
    EXPECT_STREQ(current_title(), "Frostova");
}

TEST(MessageText, FallsBackToEnglishWhereTheGlyphFontsLackACharacter)
{
    // Message 2 is the language's own name, written in its own script.
    static const struct {
        int32_t language;
        bool own;
    } cases[] = {
        { 0, true }, { 4, true }, { 14, true }, { 17, true }, { 19, true }, { 27, true },
        { 20, false }, { 21, false }, { 24, false }, { 26, false }, { 29, false }, { 30, false },
    };
    for (const auto& c : cases) {
        set_language(c.language);
        const char* expected = c.own ? language_table[c.language].texts[2] : "English";
        EXPECT_STREQ(message_text(2), expected) << language_code(c.language);
        EXPECT_STREQ(message_text(1), "Слава Україні!") << language_code(c.language);
    }
    set_language(LANGUAGE_ENGLISH);
}

TEST(MessageText, LatinGreekAndCyrillicTranslationsNeedNoFallback)
{
    // Typographic quotes or an ellipsis would silently show English instead.
    static const int32_t languages[] = { 0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 27, 28 };
    for (int32_t language : languages) {
        set_language(language);
        for (int32_t m = 0; m < MESSAGE_COUNT; m++)
            EXPECT_EQ(message_text(m), language_table[language].texts[m]) << language_code(language) << " " << m;
    }
    // French sets a narrow no-break space before ":" and "!", which only the
    // text pictures hold; nothing else in French may fall back.
    const int32_t french = 8;
    set_language(french);
    for (int32_t m = 0; m < MESSAGE_COUNT; m++) {
        const char* own = language_table[french].texts[m];
        bool narrow_space = strstr(own, "\u202F") != nullptr;
        EXPECT_EQ(message_text(m), narrow_space ? language_table[LANGUAGE_ENGLISH].texts[m] : own) << m;
    }
    set_language(LANGUAGE_ENGLISH);
}
