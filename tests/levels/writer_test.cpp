// The level text writer: what it writes for the parts of a record, and that
// the reader gives back the same table.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "levels/levels.h"

namespace {

const std::string header =
    "# Frostova – baner (lavet med baneeditoren)\n"
    "#   .  tom  i isblok  s sten  T Olpi  D dør  K nøgle  P portal\n"
    "#   f fisk  g guldfisk  c krystal  r rubin  e smaragd  b snebolde  t timeglas  l liv  n snefnug  k klokke\n"
    "#   M snemand  S isspøgelse  F isflagermus  X gnist  V istap  B isbjørn  = glat is\n";

std::string written()
{
    char* text = write_levels();
    EXPECT_NE(text, nullptr);
    std::string s = text ? text : "";
    free(text);
    return s;
}

std::string parse_and_write(const std::string& level_text)
{
    char message[256] = "";
    EXPECT_GE(parse_levels(level_text.c_str(), message, sizeof message), 0) << message;
    return written();
}

// Empty grid rows.
std::string rows(int n)
{
    std::string s;
    for (int i = 0; i < n; i++)
        s += "...............\n";
    return s;
}

size_t occurrences(const std::string& text, const std::string& piece)
{
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        n++;
    return n;
}

TEST(LevelWriter, EmptyTableIsTheHeaderAlone)
{
    level_count = 0;
    EXPECT_EQ(written(), header);
}

TEST(LevelWriter, WritesAWholeLevel)
{
    const std::string text = parse_and_write(
        "[bane 1]\nnavn Is og sne\nverden Vinter\ntid 75\ntema -3\nfelter\n"
        "i.s=fK.........\n...............\n...............\n...............\n...............\n"
        "...............\n...............\n...............\n...............\n...............\n"
        ".P...........MX\nT.............D\n"
        "skjult 1,1 nøgle\nskjult 1,3 rubin\nskjult 2,5 liv\nportal 11,2 gnist 12\n");
    const std::string level =
        "\n[bane 1]\nnavn Is og sne\nverden Vinter\ntid 75\ntema -3\nfelter\n"
        "i.s=fK.........\n....i..........\n...............\n...............\n...............\n"
        "...............\n...............\n...............\n...............\n...............\n"
        ".P...........MX\nT.............D\n"
        "skjult 1,1 nøgle\nskjult 1,3 rubin\nskjult 2,5 liv\nportal 11,2 gnist 12\n";
    EXPECT_EQ(text, header + level);
}

TEST(LevelWriter, WorldIsWrittenWhereItBegins)
{
    struct Case {
        const char* worlds[3];
        size_t lines;
    };
    const Case cases[] = {
        {{"Sne", "", ""}, 1},        // filled in for the later levels: written once
        {{"Sne", "Is", ""}, 2},
        {{"", "", ""}, 0},
        {{"", "Is", "Is"}, 1},
        {{"Sne", "Is", "Sne"}, 3},
    };
    for (const Case& c : cases) {
        std::string text;
        for (int i = 0; i < 3; i++) {
            text += "[bane 1]\n";
            if (c.worlds[i][0])
                text += std::string("verden ") + c.worlds[i] + "\n";
            text += "felter\nT.............D\n..............K\n";
        }
        EXPECT_EQ(occurrences(parse_and_write(text), "verden "), c.lines) << c.worlds[0] << c.worlds[1] << c.worlds[2];
    }
}

TEST(LevelWriter, PortalMadeByALetterKeepsItsDefaults)
{
    const std::string text = parse_and_write("[bane 1]\nfelter\nT......P......D\n..............K\n");
    EXPECT_NE(text.find("\nT......P......D\n"), std::string::npos);
    EXPECT_NE(text.find("\nportal 1,8 spøgelse 8\n"), std::string::npos);
}

// Hidden keys show as the block they are in, never as K.
TEST(LevelWriter, HiddenKeyShowsItsBlock)
{
    const std::string text =
        parse_and_write("[bane 1]\nfelter\nT.s.=.........D\n" + std::string(11, '.') + "....\n" + rows(10) + "skjult 1,3 nøgle\nskjult 1,5 nøgle\nskjult 1,7 nøgle\n");
    EXPECT_NE(text.find("\nT.s.i.i.......D\n"), std::string::npos);
    EXPECT_EQ(occurrences(text, "K"), 1u);  // only the header's legend
    EXPECT_NE(text.find("skjult 1,3 nøgle\nskjult 1,5 nøgle\nskjult 1,7 nøgle\n"), std::string::npos);
}

void expect_round_trip()
{
    static LevelRecord before[MAX_LEVELS];
    const int count = level_count;
    std::memcpy(before, level_table, sizeof before);
    char* text = write_levels();
    ASSERT_NE(text, nullptr);
    char message[256] = "";
    EXPECT_EQ(parse_levels(text, message, sizeof message), count) << message;
    free(text);
    for (int i = 0; i < count; i++)
        EXPECT_EQ(std::memcmp(&before[i], &level_table[i], sizeof(LevelRecord)), 0) << "level " << i + 1;
}

TEST(LevelWriter, BuiltinSetComesBackTheSame)
{
    char message[256] = "";
    ASSERT_EQ(parse_levels(reinterpret_cast<const char*>(builtin_level_text), message, sizeof message), 24);
    expect_round_trip();
}

// A full table whose every free position hides an item needs far more room
// than the writer starts with; the text must still be whole.
TEST(LevelWriter, GrowsForLevelsFullOfHiddenItems)
{
    std::memset(level_table, 0, sizeof level_table);
    level_count = MAX_LEVELS;
    for (int i = 0; i < MAX_LEVELS; i++) {
        LevelRecord& l = level_table[i];
        std::memset(l.name, 'n', 63);
        std::memset(l.world, 'w', 47);
        l.world[0] = (char)('A' + i % 2);
        l.time_limit = 2147483647;
        l.theme = -2147483647 - 1;
        for (int r = 0; r < LEVEL_ROWS; r++)
            for (int c = 0; c < LEVEL_COLS; c++) {
                l.cells[r][c] = (r + c) % 5 == 0 ? 2 : 1;
                l.items[r][c] = (uint8_t)(0x80 | (1 + (r * LEVEL_COLS + c + i) % 11));
            }
        l.cells[11][0] = 0;
        l.items[11][0] = 0;
        l.cells[11][14] = 0;
        l.items[11][14] = 0;
        l.hero_row = 11;
        l.door_row = 11;
        l.door_col = 14;
    }
    char* text = write_levels();
    ASSERT_NE(text, nullptr);
    EXPECT_GT(std::strlen(text), (size_t)MAX_LEVELS * 2048 + 4096);
    free(text);
    expect_round_trip();
}

}  // namespace
