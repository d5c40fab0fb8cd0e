// The level text reader: its messages with their line numbers, the way it
// cuts lines, and what it stores in the records.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include "levels/levels.h"

namespace {

// A grid that passes the level checks: hero, door and a key.
const std::string minimal_grid = "felter\nT.............D\n..............K\n";
const std::string minimal_level = "[bane 1]\n" + minimal_grid;

// A whole 12-row grid block from the rows given, the rest left empty.
std::string grid(const std::string& rows)
{
    std::string text = "felter\n" + rows;
    for (size_t n = std::count(rows.begin(), rows.end(), '\n'); n < LEVEL_ROWS; n++)
        text += "...............\n";
    return text;
}

struct Parsed {
    int result;
    std::string message;
};

Parsed parse(const std::string& text)
{
    char message[256];
    std::strcpy(message, "(untouched)");
    int result = parse_levels(text.c_str(), message, sizeof message);
    return {result, result < 0 ? std::string(message) : std::string()};
}

std::string repeat(const std::string& piece, int times)
{
    std::string s;
    for (int i = 0; i < times; i++)
        s += piece;
    return s;
}

struct FaultCase {
    const char* what;
    std::string text;
    std::string message;
};

TEST(LevelReader, EachFaultGivesItsMessageAndLine)
{
    const FaultCase cases[] = {
        {"101st level line", repeat("[bane 1]\n", 101), "linje 101: for mange baner (højst 100)"},
        {"keyword before any level", "\n# intro\nnavn Bane\n", "linje 3: skriv [bane N] først"},
        {"level line without a number", "[bane]\n", "linje 1: skriv [bane N] først"},
        {"level line with a word for a number", "[bane x]\n", "linje 1: skriv [bane N] først"},
        {"unknown keyword", "[bane 1]\nnavne Jul\n", "linje 2: ukendt linje \"navne\""},
        {"keywords are case-sensitive", "[bane 1]\nNavn Jul\n", "linje 2: ukendt linje \"Navn\""},
        {"long keyword cut to 31 bytes", "[bane 1]\n" + std::string(40, 'q') + "\n",
         "linje 2: ukendt linje \"" + std::string(31, 'q') + "\""},
        {"grid row outside a grid is a keyword", "[bane 1]\n" + grid("T.............D\n") + "..............K\n",
         "linje 15: ukendt linje \"..............K\""},
        {"short row", "[bane 1]\nfelter\n....\n", "linje 3: en række skal have 15 tegn (har 4)"},
        {"long row", "[bane 1]\nfelter\n" + std::string(16, '.') + "\n", "linje 3: en række skal have 15 tegn (har 16)"},
        {"keyword among the rows", "[bane 1]\nfelter\nT.............D\nfelter\n",
         "linje 4: en række skal have 15 tegn (har 6)"},
        {"unknown letter", "[bane 1]\nfelter\n.......x.......\n", "linje 3: ukendt tegn 'x'"},
        {"space inside a row", "[bane 1]\nfelter\n....... .......\n", "linje 3: ukendt tegn ' '"},
        {"UTF-8 letter counts bytes and shows one", "[bane 1]\nfelter\n.............ø\n", "linje 3: ukendt tegn '\xc3'"},
        {"skjult row 0", "[bane 1]\nskjult 0,1 fisk\n", "linje 2: skriv skjult række,kolonne navn"},
        {"skjult row 13", "[bane 1]\nskjult 13,1 fisk\n", "linje 2: skriv skjult række,kolonne navn"},
        {"portal column 0", "[bane 1]\nportal 1,0 gnist\n", "linje 2: skriv portal række,kolonne navn"},
        {"portal column 16", "[bane 1]\nportal 1,16 gnist\n", "linje 2: skriv portal række,kolonne navn"},
        {"space before the comma", "[bane 1]\nskjult 1 ,2 fisk\n", "linje 2: skriv skjult række,kolonne navn"},
        {"no name", "[bane 1]\nportal 2,3\n", "linje 2: skriv portal række,kolonne navn"},
        {"no position", "[bane 1]\nskjult\n", "linje 2: skriv skjult række,kolonne navn"},
        {"unknown item", "[bane 1]\nskjult 1,1 fisken\n", "linje 2: ukendt ting \"fisken\""},
        {"enemy name is no item", "[bane 1]\nskjult 1,1 gnist\n", "linje 2: ukendt ting \"gnist\""},
        {"unknown enemy", "[bane 1]\nportal 1,1 nisse 5\n", "linje 2: ukendt fjende \"nisse\""},
        {"no hero", "[bane 1]\nfelter\n..............D\n..............K\n", "bane 1 mangler Olpi (T)"},
        {"no door", "[bane 1]\nfelter\nT..............\n..............K\n", "bane 1 mangler en dør (D)"},
        {"no key", "[bane 1]\nfelter\nT.............D\n", "bane 1 mangler en nøgle (K)"},
        {"line faults come before level checks", "[bane 1]\n[bane 2]\nfoo\n", "linje 3: ukendt linje \"foo\""},
        {"lowest level first", minimal_level + "[bane 2]\nfelter\n.D.............\n" + "[bane 3]\nfelter\nT..............\n",
         "bane 2 mangler Olpi (T)"},
        {"hero before door before key", "[bane 1]\nfelter\n...............\n", "bane 1 mangler Olpi (T)"},
        {"door before key", "[bane 1]\nfelter\nT..............\n", "bane 1 mangler en dør (D)"},
    };
    for (const FaultCase& c : cases) {
        Parsed p = parse(c.text);
        EXPECT_EQ(p.result, -1) << c.what;
        EXPECT_EQ(p.message, c.message) << c.what;
    }
}

// A line longer than 511 bytes is read as pieces of 511 bytes, each a line.
TEST(LevelReader, LongLinesAreCutIntoPiecesOf511Bytes)
{
    struct Case {
        size_t length;
        std::string message;
    };
    const Case cases[] = {
        {510, "linje 3: ukendt linje \"foo\""},
        {511, "linje 3: ukendt linje \"foo\""},
        {512, "linje 3: ukendt linje \"x\""},
        {600, "linje 3: ukendt linje \"" + std::string(31, 'x') + "\""},
        {1100, "linje 3: ukendt linje \"" + std::string(31, 'x') + "\""},
    };
    for (const Case& c : cases) {
        Parsed p = parse("[bane 1]\n#" + std::string(c.length - 1, 'x') + "\nfoo\n");
        EXPECT_EQ(p.message, c.message) << c.length;
    }
    // The second piece of a 600-byte comment is a comment only when it holds a '#'.
    Parsed p = parse("[bane 1]\n#" + std::string(510, 'x') + "#" + std::string(88, 'x') + "\nfoo\n");
    EXPECT_EQ(p.message, "linje 4: ukendt linje \"foo\"");
    // Trailing spaces that run into a second piece leave a valid row and an empty line.
    p = parse("[bane 1]\nfelter\nT.............D" + std::string(600, ' ') + "# x\n" + "..............K\nfoo\n");
    EXPECT_EQ(p.message, "linje 6: en række skal have 15 tegn (har 3)");
}

TEST(LevelReader, TextsWithoutLevelsGiveAnEmptyTable)
{
    const std::string texts[] = {"", "\n\n", "# only a comment\n   \n\t# another\n", "  \r\n"};
    for (const std::string& text : texts) {
        level_count = 7;
        Parsed p = parse(text);
        EXPECT_EQ(p.result, 0);
        EXPECT_EQ(level_count, 0);
    }
}

TEST(LevelReader, LineEndsCommentsAndNulAreTolerated)
{
    const std::string texts[] = {
        "[bane 1]\r\nnavn Jul\r\nfelter\r\nT.............D\r\n..............K\r\n",
        "[bane 1]   # first level\nnavn Jul # a name\nfelter # grid\nT.............D   # row one\n..............K#two",
        std::string("[bane 1]\nnavn Jul\n") + minimal_grid + std::string("\0ukendt\n", 8),
        "   [bane 1]\n  navn    Jul\n\n\nfelter\n\n  T.............D\n\n..............K",
    };
    for (const std::string& text : texts) {
        Parsed p = parse(text);
        ASSERT_EQ(p.result, 1) << text << p.message;
        EXPECT_STREQ(level_table[0].name, "Jul");
        EXPECT_EQ(level_table[0].hero_row, 0);
        EXPECT_EQ(level_table[0].door_col, 14);
        EXPECT_EQ(level_table[0].items[1][14], 11);
    }
}

TEST(LevelReader, LevelLinesBeginLevelsWithDefaults)
{
    const std::string text = "[bane 7]\n" + minimal_grid + "[bane2]\n" + minimal_grid + "  [bane -3\n" + minimal_grid +
                             "[bane +4] extra\n" + minimal_grid;
    ASSERT_EQ(parse(text).result, 4);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(level_table[i].name, "Bane " + std::to_string(i + 1));
        EXPECT_EQ(level_table[i].time_limit, DEFAULT_TIME_LIMIT);
        EXPECT_EQ(level_table[i].theme, 0);
        EXPECT_STREQ(level_table[i].world, "");
    }
}

TEST(LevelReader, HundredLevelsFitTheTable)
{
    Parsed p = parse(repeat(minimal_level, 100));
    EXPECT_EQ(p.result, 100);
    p = parse(repeat(minimal_level, 100) + "[bane 101]\n");
    EXPECT_EQ(p.message, "linje 401: for mange baner (højst 100)");
    EXPECT_EQ(level_count, 100);
}

TEST(LevelReader, TimeAndThemeNumbers)
{
    struct Case {
        const char* line;
        int32_t time_limit;
        int32_t theme;
    };
    const Case cases[] = {
        {"tid 5", DEFAULT_TIME_LIMIT, 0},
        {"tid 0", DEFAULT_TIME_LIMIT, 0},
        {"tid -20", DEFAULT_TIME_LIMIT, 0},
        {"tid snart", DEFAULT_TIME_LIMIT, 0},
        {"tid", DEFAULT_TIME_LIMIT, 0},
        {"tid 6", 6, 0},
        {"tid 90s", 90, 0},
        {"tid 4294967302", 6, 0},  // only the low 32 bits count
        {"tid 2147483647", 2147483647, 0},
        {"tid 99999999999999999999", DEFAULT_TIME_LIMIT, 0},
        {"tema -4", DEFAULT_TIME_LIMIT, -4},
        {"tema 1000", DEFAULT_TIME_LIMIT, 1000},
        {"tema", DEFAULT_TIME_LIMIT, 0},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(parse("[bane 1]\n" + std::string(c.line) + "\n" + minimal_grid).result, 1) << c.line;
        EXPECT_EQ(level_table[0].time_limit, c.time_limit) << c.line;
        EXPECT_EQ(level_table[0].theme, c.theme) << c.line;
    }
}

TEST(LevelReader, NamesAreCutAndLaterLinesWin)
{
    ASSERT_EQ(parse("[bane 1]\nnavn\nverden " + std::string(60, 'v') + "\n" + minimal_grid).result, 1);
    EXPECT_STREQ(level_table[0].name, "");
    EXPECT_EQ(std::string(level_table[0].world), std::string(47, 'v'));

    ASSERT_EQ(parse("[bane 1]\nnavn Første\nnavn " + std::string(70, 'n') + "\ntid 80\ntid 70\n" + minimal_grid).result, 1);
    EXPECT_EQ(std::string(level_table[0].name), std::string(63, 'n'));
    EXPECT_EQ(level_table[0].time_limit, 70);
}

TEST(LevelReader, GridLettersSetCellsItemsAndActors)
{
    const std::string text = "[bane 1]\nfelter\n"
                             "is=fgcrebtlnkK.\n"
                             "MSFXVBP.T.D....\n"
                             "\n"
                             "T..............\n";  // a later T replaces the first
    ASSERT_EQ(parse(text).result, 1);
    const LevelRecord& l = level_table[0];
    const uint8_t cells[3] = {1, 2, 3};
    for (int c = 0; c < 3; c++)
        EXPECT_EQ(l.cells[0][c], cells[c]);
    for (int code = 1; code <= 11; code++)
        EXPECT_EQ(l.items[0][2 + code], code);
    ASSERT_EQ(l.enemy_count, 6);
    for (int k = 0; k < 6; k++) {
        EXPECT_EQ(l.enemies[k].kind, k);
        EXPECT_EQ(l.enemies[k].row, 1);
        EXPECT_EQ(l.enemies[k].col, k);
        EXPECT_EQ(l.cells[1][k], 0);
    }
    ASSERT_EQ(l.portal_count, 1);
    EXPECT_EQ(l.portals[0].kind, 1);
    EXPECT_EQ(l.portals[0].period_s, 8);
    EXPECT_EQ(l.hero_row, 2);
    EXPECT_EQ(l.hero_col, 0);
    EXPECT_EQ(l.door_row, 1);
    EXPECT_EQ(l.door_col, 10);
}

TEST(LevelReader, ShortAndRepeatedGrids)
{
    // Ten rows before the next level: the last two stay empty.
    std::string text = "[bane 1]\nfelter\n" + repeat("sssssssssssssss\n", 9) + "T............DK\n" + "[bane 2]\n" +
                       minimal_grid;
    ASSERT_EQ(parse(text).result, 2) << parse(text).message;
    EXPECT_EQ(level_table[0].cells[8][0], 2);
    EXPECT_EQ(level_table[0].cells[10][0], 0);

    // A second grid overlays the first and adds its actors.
    text = "[bane 1]\n" + grid("sss.M..........\nT.............D\n..P...........K\n") +
           "felter\n.i..S..........\n...............\n...P...........\n";
    ASSERT_EQ(parse(text).result, 1);
    const LevelRecord& l = level_table[0];
    EXPECT_EQ(l.cells[0][0], 2);
    EXPECT_EQ(l.cells[0][1], 1);
    EXPECT_EQ(l.enemy_count, 2);
    EXPECT_EQ(l.portal_count, 2);
    EXPECT_EQ(l.items[2][14], 11);
}

TEST(LevelReader, ActorLimitsDropExtrasQuietly)
{
    const std::string text = "[bane 1]\n" +
                             grid("T.............D\n..............K\n"
                                  "MMMMMMMMMMMMMMM\nBBBBBBBBBBBBBBB\nPPPPP..........\n") +
                             "portal 12,12 gnist 3\n";
    ASSERT_EQ(parse(text).result, 1);
    const LevelRecord& l = level_table[0];
    EXPECT_EQ(l.enemy_count, 24);
    EXPECT_EQ(l.enemies[23].kind, 5);
    EXPECT_EQ(l.enemies[23].col, 8);
    ASSERT_EQ(l.portal_count, 4);
    EXPECT_EQ(l.portals[3].col, 3);
    for (const LevelPortal& p : l.portals)
        EXPECT_EQ(p.kind, 1);
}

TEST(LevelReader, PortalLinesSetOrAddPortals)
{
    struct Case {
        const char* lines;
        int count;
        LevelPortal last;
    };
    // The grid has a P at row 1, column 8.
    const Case cases[] = {
        {"portal 1,8 spøgelse 10\n", 1, {0, 7, 1, 10}},
        {"portal 1,8 gnist\n", 1, {0, 7, 3, 8}},
        {"portal 1,8 gnist 1\n", 1, {0, 7, 3, 8}},
        {"portal 1,8 gnist 0\n", 1, {0, 7, 3, 8}},
        {"portal 1,8 gnist -9\n", 1, {0, 7, 3, 8}},
        {"portal 1,8 gnist 2\n", 1, {0, 7, 3, 2}},
        {"portal 1,8 gnist tit\n", 1, {0, 7, 3, 8}},
        {"portal 1,8 isbjørn 2147483647\n", 1, {0, 7, 5, 2147483647}},
        {"portal 1, 8 istap 4\n", 1, {0, 7, 4, 4}},
        {"portal 5,5 snemand 3\n", 2, {4, 4, 0, 3}},
        {"portal 5,5 snemand 3\nportal 5,5 flagermus 6\n", 2, {4, 4, 2, 6}},
        {"portal 2,1 gnist\nportal 2,2 gnist\nportal 2,3 istap 5\nportal 2,4 istap\n", 4, {1, 2, 4, 5}},
    };
    for (const Case& c : cases) {
        const std::string text = "[bane 1]\n" + grid(".......P.......\nT.............D\n..............K\n") + c.lines;
        ASSERT_EQ(parse(text).result, 1) << c.lines;
        const LevelRecord& l = level_table[0];
        ASSERT_EQ(l.portal_count, c.count) << c.lines;
        const LevelPortal& p = l.portals[c.count - 1];
        EXPECT_EQ(p.row, c.last.row) << c.lines;
        EXPECT_EQ(p.col, c.last.col) << c.lines;
        EXPECT_EQ(p.kind, c.last.kind) << c.lines;
        EXPECT_EQ(p.period_s, c.last.period_s) << c.lines;
    }
}

TEST(LevelReader, HiddenItemsMakeIceExceptOnStone)
{
    // Row 1: empty, ice, stone, slippery ice, a visible fish.
    const std::string text = "[bane 1]\n" + grid(".is=f..........\nT.............D\n") +
                             "skjult 1,1 nøgle\nskjult 1,2 rubin\nskjult 1,3 liv\nskjult 1,4 klokke\nskjult 1,5 smaragd 9\n";
    ASSERT_EQ(parse(text).result, 1) << parse(text).message;
    const LevelRecord& l = level_table[0];
    const uint8_t cells[5] = {1, 1, 2, 1, 1};
    const uint8_t items[5] = {0x80 | 11, 0x80 | 4, 0x80 | 8, 0x80 | 10, 0x80 | 5};
    for (int c = 0; c < 5; c++) {
        EXPECT_EQ(l.cells[0][c], cells[c]) << c;
        EXPECT_EQ(l.items[0][c], items[c]) << c;
    }
}

TEST(LevelReader, WorldsCarryOverToFollowingLevels)
{
    const std::string text = "[bane 1]\n" + minimal_grid + "[bane 2]\nverden Sne\n" + minimal_grid + "[bane 3]\nverden\n" +
                             minimal_grid + "[bane 4]\nverden Is\n" + minimal_grid + "[bane 5]\n" + minimal_grid;
    ASSERT_EQ(parse(text).result, 5);
    const char* worlds[5] = {"", "Sne", "Sne", "Is", "Is"};
    for (int i = 0; i < 5; i++)
        EXPECT_STREQ(level_table[i].world, worlds[i]) << i;
}

TEST(LevelReader, MessageIsCutToTheBuffer)
{
    char message[12];
    std::memset(message, 'z', sizeof message);
    EXPECT_EQ(parse_levels("[bane 1]\nfoo\n", message, 10), -1);
    EXPECT_STREQ(message, "linje 2: ");
    EXPECT_EQ(message[10], 'z');
    EXPECT_EQ(parse_levels("[bane 1]\nfoo\n", nullptr, 0), -1);
}

}  // namespace
