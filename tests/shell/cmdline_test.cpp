// The command line and the level loading of the real program: the usage text,
// the start level, and the faults of a level file that end every mode.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "run.h"
#include "shell/shell.h"

namespace {

const std::string usage = std::string("Frostova\n\nBrug: ") + FROSTOVA_BIN +
                          " [--baner fil] [--bane N] [--fuldskaerm] [--skala N]"
                          " [--sprog da|sv|nb|fi|is|fo|kl|en|de|es|fr|uk|th|ja|zh|hi|ar]\n";

TEST(CommandLine, UnknownWordsAndMissingArgumentsPrintTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--hjaelp"},
        {"-h"},
        {"--Bane", "2"},
        {"--sprog"},
        {"--test"},
        {"--baner", "x.baner", "--bane"},
        {"--fuldskaerm", "ekstra"},
        {"--test", "1", "--test", "1", "løs"},
    };
    TempDir t;
    for (const std::vector<std::string>& args : cases) {
        Outcome r = run_game(t.path, args);
        EXPECT_EQ(r.code, 0) << args[0];
        EXPECT_EQ(r.out, usage) << args[0];
        EXPECT_EQ(r.err, "") << args[0];
    }
}

std::string numbered_levels(int count)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += std::string(walk_level);
    return text;
}

// The headless test's result line names the level play started on.
TEST(CommandLine, StartLevelComesFromBaneWhenItNamesALevel)
{
    struct Case {
        std::vector<std::string> args;
        int level;
    };
    const std::vector<Case> cases = {
        {{}, 1},
        {{"--bane", "2"}, 2},
        {{"--bane", "3"}, 3},
        {{"--bane", "4"}, 1},
        {{"--bane", "0"}, 1},
        {{"--bane", "-3"}, 1},
        {{"--bane", "tre"}, 1},
        {{"--bane", "-2147483648"}, 1},
        {{"--bane", "4294967298"}, 2},  // only the low 32 bits count
        {{"--bane", "2", "--bane", "3"}, 3},
    };
    TempDir t;
    write_text(t.path + "/tre.baner", numbered_levels(3));
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--baner", "tre.baner", "--test", "1"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Outcome r = run_game(t.path, args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, "tilstand 0, bane " + std::to_string(c.level) + ", point 0, liv 3\n")
            << (c.args.empty() ? "" : c.args.back());
    }
    Outcome last = run_game(t.path, {"--bane", "24", "--test", "1"});
    EXPECT_EQ(last.out, "tilstand 0, bane 24, point 0, liv 3\n");
}

TEST(CommandLine, LevelFileFaultsEndEveryModeWithCodeOne)
{
    TempDir t;
    write_text(t.path + "/fejl.baner", "[bane 1]\nfoo\n");
    write_text(t.path + "/mangler.baner", "[bane 1]\nfelter\nT..............\n");
    std::system(("mkdir '" + t.path + "/mappe.baner'").c_str());
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--baner", "findes-ikke.baner"}, "Kan ikke læse findes-ikke.baner\n"},
        {{"--baner", "mappe.baner", "--test", "1"}, "Kan ikke læse mappe.baner\n"},
        {{"--baner", "--bane", "2"}, "Kan ikke læse --bane\n"},
        {{"--baner", "fejl.baner"}, "Fejl i banerne: linje 2: ukendt linje \"foo\"\n"},
        {{"--baner", "fejl.baner", "--test", "5"}, "Fejl i banerne: linje 2: ukendt linje \"foo\"\n"},
        {{"--titelbillede", "titel.bmp", "--baner", "mangler.baner"}, "Fejl i banerne: bane 1 mangler en dør (D)\n"},
    };
    for (const Case& c : cases) {
        Outcome r = run_game(t.path, c.args);
        EXPECT_EQ(r.code, 1) << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "") << c.err;
    }
    EXPECT_FALSE(file_exists(t.path + "/f00000.bmp"));
    EXPECT_FALSE(file_exists(t.path + "/titel.bmp"));
}

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

    EXPECT_EQ(read_file(t.path.c_str()), nullptr);
    EXPECT_EQ(read_file((t.path + "/findes-ikke").c_str()), nullptr);
    EXPECT_EQ(read_file("/dev/null"), nullptr);
}

}  // namespace
