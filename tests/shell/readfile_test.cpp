// The whole-file reader behind --baner and the own levels: whole regular
// files only, a folder named as the level file is a file that cannot be read,
// and a byte-order mark at the start is no part of the text.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "run.h"
#include "shell/shell.h"

namespace {

TEST(ReadFile, GivesWholeRegularFilesOnly)
{
    TempDir t;
    const std::string bytes("[bane 1]\n\0efter\n", 16);
    write_text(t.path + "/nul.baner", bytes);
    write_text(t.path + "/tom.baner", "");

    char* text = read_file((t.path + "/nul.baner").c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::memcmp(text, bytes.data(), bytes.size()), 0);
    EXPECT_EQ(text[bytes.size()], 0);
    free(text);

    text = read_file((t.path + "/tom.baner").c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text[0], 0);
    free(text);

    // A folder and a device open like files but have no size to read.
    EXPECT_EQ(read_file(t.path.c_str()), nullptr);
    EXPECT_EQ(read_file("/dev/null"), nullptr);
    EXPECT_EQ(read_file((t.path + "/findes-ikke").c_str()), nullptr);
}

TEST(ReadFile, FolderAsLevelFileCannotBeRead)
{
    TempDir t;
    ASSERT_EQ(std::system(("mkdir '" + t.path + "/mappe.baner'").c_str()), 0);
    for (const char* mode : {"--test", "--skala"}) {
        Outcome r = run_game(t.path, {"--baner", "mappe.baner", mode, "1"});
        EXPECT_EQ(r.code, 1) << mode;
        EXPECT_EQ(r.err, "Kan ikke læse mappe.baner\n") << mode;
        EXPECT_EQ(r.out, "") << mode;
    }
}

const char* const mark = "\xEF\xBB\xBF";

TEST(ReadFile, LeadingByteOrderMarkIsSkipped)
{
    struct Case {
        const char* what;
        std::string text;
        int code;
        const char* out;
    } cases[] = {
        {"mark before the levels", mark + std::string(walk_level), 0, "tilstand 0, bane 1, point 0, liv 3\n"},
        {"no mark", walk_level, 0, "tilstand 0, bane 1, point 0, liv 3\n"},
        {"only the mark", mark, 0, "tilstand 0, bane 1, point 0, liv 0\n"},
        {"two marks", mark + std::string(mark) + walk_level, 1, ""},
        {"mark on the second line", "# levels\n" + (mark + std::string(walk_level)), 1, ""},
        {"half a mark", "\xEF\xBB" + std::string(walk_level), 1, ""},
    };
    for (const Case& c : cases) {
        TempDir t;
        write_text(t.path + "/bom.baner", c.text);
        Outcome r = run_game(t.path, {"--baner", "bom.baner", "--test", "1"});
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err.empty(), c.code == 0) << c.what << ": " << r.err;
    }

    // The own-levels file is read the same way.
    TempDir t;
    setenv("HOME", t.path.c_str(), 1);
    init_data_folder();
    write_text(shell.own_levels_path, mark + std::string(walk_level));
    EXPECT_EQ(load_own_levels(), 1);
    char* text = read_file(shell.own_levels_path);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, walk_level);
    free(text);
}

TEST(ReadFile, BuiltinLevelsServeWithoutAFile)
{
    TempDir t;
    Outcome r = run_game(t.path, {"--bane", "24", "--test", "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "tilstand 0, bane 24, point 0, liv 3\n");
}

}  // namespace
