// The whole-file reader behind --baner and the own levels: whole regular
// files only, and a folder named as the level file is a file that cannot be read.
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

TEST(ReadFile, BuiltinLevelsServeWithoutAFile)
{
    TempDir t;
    Outcome r = run_game(t.path, {"--bane", "24", "--test", "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "tilstand 0, bane 24, point 0, liv 3\n");
}

}  // namespace
