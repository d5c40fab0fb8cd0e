// Which mode the program runs, the sound test's file, the game's start
// through SDL's dummy drivers, and the data folder seen from outside.
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include "run.h"

namespace {

TEST(SoundTest, WritesTwentySecondsOfThreeSongsTheSameEveryRun)
{
    TempDir t;
    Outcome first = run_game(t.path, {}, {"OLPI_LYDPROEVE=" + t.path + "/a.raw"});
    Outcome second = run_game(t.path, {}, {"OLPI_LYDPROEVE=" + t.path + "/b.raw"});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(first.out, "");
    std::string a = read_text(t.path + "/a.raw");
    EXPECT_EQ(a.size(), 5760000u);
    EXPECT_TRUE(a == read_text(t.path + "/b.raw"));
    // Each song's 20 seconds hold sound.
    for (size_t song = 0; song < 3; song++) {
        std::string part = a.substr(song * 1920000, 1920000);
        EXPECT_NE(part.find_first_not_of('\0'), std::string::npos) << "song " << song;
    }
}

TEST(SoundTest, UnwritableFileIsReported)
{
    TempDir t;
    const std::string path = t.path + "/no-such-folder/x.raw";
    Outcome r = run_game(t.path, {}, {"OLPI_LYDPROEVE=" + path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Kan ikke skrive " + path + "\n");
    EXPECT_FALSE(file_exists(t.path + "/no-such-folder"));
}

// Which of the modes runs when several are asked for: the headless test
// prints its line, the sound test writes its file, the game prints nothing.
TEST(Modes, FirstMatchWins)
{
    struct Case {
        const char* what;
        std::vector<std::string> args;
        bool sound_env;
        const char* mode;
    } cases[] = {
        {"all three", {"--test", "1", "--titelbillede", "t.bmp"}, true, "headless"},
        {"negative frame count", {"--test", "-2"}, true, "headless"},
        {"frame count 0", {"--test", "0"}, true, "sound"},
        {"frame count no number", {"--test", "abc"}, true, "sound"},
        {"sound before title pictures", {"--titelbillede", "t.bmp"}, true, "sound"},
        {"no number and no sound: the game", {"--test", "abc"}, false, "game"},
    };
    for (const Case& c : cases) {
        TempDir t;
        write_text(t.path + "/walk.baner", walk_level);
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), {"--baner", "walk.baner"});
        std::vector<std::string> env;
        if (c.sound_env)
            env.push_back("OLPI_LYDPROEVE=" + t.path + "/s.raw");
        bool game = std::string(c.mode) == "game";
        Outcome r = game ? run_game_then_quit(3, t.path, args, env) : run_game(t.path, args, env);
        std::string mode = !r.out.empty() ? "headless" : file_exists(t.path + "/s.raw") ? "sound" : "game";
        EXPECT_EQ(r.code, 0) << c.what;
        EXPECT_EQ(mode, c.mode) << c.what;
        EXPECT_EQ(r.out.empty() || r.out.rfind("tilstand", 0) == 0, true) << c.what;
    }
}

// The sound test then names a file that cannot be written.
TEST(Modes, EmptySoundVariableStillChoosesTheSoundTest)
{
    TempDir t;
    Outcome r = run_game(t.path, {}, {"OLPI_LYDPROEVE="});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Kan ikke skrive \n");
}

TEST(Game, StartsAndEndsThroughTheDummyDrivers)
{
    TempDir t;
    Outcome r = run_game_then_quit(3, t.path, {"--skala", "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(Game, FailedStartOfSdlIsReported)
{
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::vector<std::string> env;
    } cases[] = {
        {"no video driver", {}, {"SDL_VIDEODRIVER=no-such-driver"}},
        {"window too large", {"--skala", "100000"}, {}},
        // 768 times these leaves the 32-bit range: no overflow, just a refusal.
        {"scale past the width's range", {"--skala", "2796203"}, {}},
        {"largest scale", {"--skala", "2147483647"}, {}},
    };
    for (const Case& c : cases) {
        TempDir t;
        Outcome r = run_game(t.path, c.args, c.env);
        EXPECT_EQ(r.code, 1) << c.what;
        EXPECT_EQ(r.err.rfind("SDL: ", 0), 0u) << c.what << ": " << r.err;
        EXPECT_EQ(r.err.back(), '\n') << c.what;
    }
}

TEST(Modes, LevelTextWithoutLevelsStartsNoPlayInAnyMode)
{
    TempDir t;
    write_text(t.path + "/empty.baner", "# nothing here\n");
    EXPECT_EQ(run_game_then_quit(3, t.path, {"--baner", "empty.baner"}).code, 0);
    Outcome sound = run_game(t.path, {"--baner", "empty.baner"}, {"OLPI_LYDPROEVE=" + t.path + "/s.raw"});
    EXPECT_EQ(sound.code, 0);
    EXPECT_EQ(file_size(t.path + "/s.raw"), 5760000);
}

// Without HOME, or with an empty one, no data folder is made anywhere the
// run could reach and the modes still run.
TEST(DataFolder, NoHomeMeansNoDataFiles)
{
    for (const char* home : {"-u HOME", "HOME="}) {
        TempDir t;
        write_text(t.path + "/walk.baner", walk_level);
        Outcome r = run_game(t.path, {"--baner", "walk.baner", "--test", "1"}, {home});
        EXPECT_EQ(r.code, 0) << home;
        EXPECT_EQ(r.out, "tilstand 0, bane 1, point 0, liv 3\n") << home;
        EXPECT_FALSE(file_exists(t.path + "/.local")) << home;
        EXPECT_FALSE(file_exists("/.local/share/frostova")) << home;
    }
}

TEST(DataFolder, FirstStartMakesTheFoldersButNoFiles)
{
    TempDir t;
    write_text(t.path + "/walk.baner", walk_level);
    Outcome r = run_game(t.path, {"--baner", "walk.baner", "--test", "1"}, {});
    EXPECT_EQ(r.code, 0);
    for (const char* folder : {"/.local", "/.local/share", "/.local/share/frostova"}) {
        struct stat st;
        ASSERT_EQ(stat((t.path + folder).c_str(), &st), 0) << folder;
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << folder;
    }
    EXPECT_FALSE(file_exists(t.path + "/.local/share/frostova/rekorder.txt"));
    EXPECT_FALSE(file_exists(t.path + "/.local/share/frostova/indstillinger.txt"));
}

}  // namespace
