// The command line and the level loading, seen from outside the program.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "run.h"

namespace {

const std::string usage_for(const std::string& program)
{
    return "Frostova\n\nBrug: " + program +
           " [--baner fil] [--bane N] [--fuldskaerm] [--skala N] "
           "[--sprog da|sv|nb|fi|is|fo|kl|en|de|es|fr|uk|th|ja|zh|hi|ar]\n";
}

TEST(CommandLine, UnknownWordOrMissingArgumentPrintsTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--hjaelp"},
        {"--sprog"},
        {"--test", "1", "--ud"},
        {"--fuldskaerm", "ord"},
        {"-test", "1"},
    };
    for (const auto& args : cases) {
        TempDir t;
        Outcome r = run_game(t.path, args);
        EXPECT_EQ(r.code, 0) << args[0];
        EXPECT_EQ(r.out, usage_for(FROSTOVA_BIN)) << args[0];
        EXPECT_FALSE(file_exists(t.path + "/.local")) << args[0];
    }
}

TEST(CommandLine, StartLevelFromBane)
{
    std::string three;
    for (int i = 1; i <= 3; i++)
        three += "[bane " + std::to_string(i) + "]\nfelter\nT.............D\n..............K\n";
    struct Case {
        std::vector<std::string> bane;
        int level;  // the level number the result line shows
    } cases[] = {
        {{}, 1},
        {{"--bane", "3"}, 3},
        {{"--bane", "0"}, 1},
        {{"--bane", "-3"}, 1},
        {{"--bane", "tre"}, 1},
        {{"--bane", "4"}, 1},
        {{"--bane", "-2147483648"}, 1},
        {{"--bane", "2", "--bane", "3"}, 3},
        {{"--bane", "4294967298"}, 2},  // only the low 32 bits count
    };
    for (const Case& c : cases) {
        TempDir t;
        write_text(t.path + "/tre.baner", three);
        std::vector<std::string> args = {"--baner", "tre.baner", "--test", "1"};
        args.insert(args.end(), c.bane.begin(), c.bane.end());
        Outcome r = run_game(t.path, args);
        std::string what = c.bane.empty() ? "(none)" : c.bane.back();
        EXPECT_EQ(r.code, 0) << what;
        EXPECT_EQ(r.out, "tilstand 0, bane " + std::to_string(c.level) + ", point 0, liv 3\n") << what;
    }
}

TEST(CommandLine, LevelFileFaultsEndEveryModeWithCodeOne)
{
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"missing file, headless", {"--baner", "ingen.baner", "--test", "1"}, "Kan ikke læse ingen.baner\n"},
        {"missing file, game", {"--baner", "ingen.baner"}, "Kan ikke læse ingen.baner\n"},
        {"--baner takes the next word as its file", {"--baner", "--bane", "--test", "1"}, "Kan ikke læse --bane\n"},
        {"invalid file, headless", {"--baner", "fejl.baner", "--test", "1"},
         "Fejl i banerne: linje 1: skriv [bane N] først\n"},
    };
    for (const Case& c : cases) {
        TempDir t;
        write_text(t.path + "/fejl.baner", "navn Uden bane\n");
        Outcome r = run_game(t.path, c.args);
        EXPECT_EQ(r.code, 1) << c.what;
        EXPECT_EQ(r.out, "") << c.what;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.what;
        EXPECT_FALSE(file_exists(t.path + "/lyd.raw")) << c.what;
    }
}

}  // namespace
