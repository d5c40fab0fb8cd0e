// The files the windowless modes write, put where a careless or hostile
// user could put them: a link planted at an output's name, a FIFO, a device,
// a full disk, an output folder that is missing, unwritable or no folder.
// No link is followed, no run waits, no cut file stays, and every failure
// ends with one message naming the file and exit code 1, after the result line.
#include <gtest/gtest.h>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "run.h"

namespace {

const char* const first_tick = "tilstand 0, bane 1, point 0, liv 3\n";
const long picture_bytes = 2064506;  // a 768 x 672 BMP of 32 bits

void plant_link(const std::string& dir, const char* name, const char* target)
{
    ASSERT_EQ(symlink(target, (dir + "/" + name).c_str()), 0) << name;
}

void plant_fifo(const std::string& dir, const char* name)
{
    ASSERT_EQ(mkfifo((dir + "/" + name).c_str(), 0644), 0) << name;
}

struct Case {
    const char* what;
    std::function<void(const std::string&)> plant;  // made in the run's folder, which holds ud/ and victim
    std::vector<std::string> args;
    const char* env;   // an extra "NAME=value" word, or ""
    long file_limit;   // 0: none
    int code;
    const char* out;
    const char* err;
    std::vector<std::pair<const char*, long>> sizes;  // files and their sizes after the run, -1: none
};

void run_cases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        TempDir t;
        mkdir((t.path + "/ud").c_str(), 0755);
        write_text(t.path + "/victim", "the player's file\n");
        if (c.plant)
            c.plant(t.path);
        std::vector<std::string> env;
        if (*c.env)
            env.push_back(c.env);
        Outcome r = run_game_bounded(30, c.file_limit, t.path, c.args, env);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err, c.err) << c.what;
        EXPECT_EQ(read_text(t.path + "/victim"), "the player's file\n") << c.what;
        for (const auto& [name, size] : c.sizes)
            EXPECT_EQ(file_size(t.path + "/" + name), size) << c.what << ": " << name;
    }
}

const std::vector<std::string> one = {"--test", "1", "--ud", "ud"};

TEST(Outputs, HeadlessTestFollowsNoLinkAndWaitsOnNoFifo)
{
    run_cases({
        {"ordinary run", nullptr, one, "", 0, 0, first_tick, "", {{"ud/f00000.bmp", picture_bytes}, {"ud/lyd.raw", 1600}}},
        {"sound a link", [](const std::string& d) { plant_link(d, "ud/lyd.raw", "../victim"); }, one, "", 0, 1,
         first_tick, "Kan ikke skrive ud/lyd.raw\n", {}},
        {"picture a link", [](const std::string& d) { plant_link(d, "ud/f00000.bmp", "../victim"); }, one, "", 0,
         1, first_tick, "Kan ikke skrive ud/f00000.bmp\n", {{"ud/lyd.raw", -1}}},
        {"picture a link to nowhere", [](const std::string& d) { plant_link(d, "ud/f00000.bmp", "../made"); },
         one, "", 0, 1, first_tick, "Kan ikke skrive ud/f00000.bmp\n", {{"made", -1}}},
        {"sound a fifo", [](const std::string& d) { plant_fifo(d, "ud/lyd.raw"); }, one, "", 0, 1, first_tick,
         "Kan ikke skrive ud/lyd.raw\n", {}},
        {"picture a fifo", [](const std::string& d) { plant_fifo(d, "ud/f00000.bmp"); }, one, "", 0, 1, first_tick,
         "Kan ikke skrive ud/f00000.bmp\n", {}},
    });
}

TEST(Outputs, HeadlessTestReportsAnOutputFolderItCannotWriteTo)
{
    run_cases({
        {"folder missing", nullptr, {"--test", "1", "--ud", "nowhere"}, "", 0, 1, first_tick,
         "Kan ikke skrive nowhere/f00000.bmp\n", {}},
        {"folder a file", nullptr, {"--test", "1", "--ud", "victim"}, "", 0, 1, first_tick,
         "Kan ikke skrive victim/f00000.bmp\n", {}},
        {"folder a device", nullptr, {"--test", "1", "--ud", "/dev/full"}, "", 0, 1, first_tick,
         "Kan ikke skrive /dev/full/f00000.bmp\n", {}},
        {"folder unwritable", nullptr, {"--test", "1", "--ud", "/proc"}, "", 0, 1, first_tick,
         "Kan ikke skrive /proc/f00000.bmp\n", {}},
        {"no negative frames, sound unwritable", nullptr, {"--test", "-1", "--ud", "/proc"}, "", 0, 1, first_tick,
         "Kan ikke skrive /proc/lyd.raw\n", {}},
    });
}

TEST(Outputs, HeadlessTestLeavesNoCutFileOnAFullDisk)
{
    run_cases({
        {"disk full at the picture", nullptr, {"--test", "3", "--ud", "ud"}, "", 1000000, 1, first_tick,
         "Kan ikke skrive ud/f00002.bmp\n", {{"ud/f00002.bmp", -1}, {"ud/lyd.raw", -1}}},
        {"disk full at the sound", nullptr, {"--test", "2000", "--ud", "ud"}, "", picture_bytes + 1000, 1,
         "tilstand 1, bane 1, point 0, liv 3\n", "Kan ikke skrive ud/lyd.raw\n",
         {{"ud/f01999.bmp", picture_bytes}, {"ud/lyd.raw", -1}}},
    });
}

TEST(Outputs, SoundTestWritesOnlyAWholeRegularFile)
{
    run_cases({
        {"sound test ordinary", nullptr, {}, "OLPI_LYDPROEVE=s.raw", 0, 0, "", "", {{"s.raw", 5760000}}},
        {"sound test a link", [](const std::string& d) { plant_link(d, "s.raw", "victim"); }, {},
         "OLPI_LYDPROEVE=s.raw", 0, 1, "", "Kan ikke skrive s.raw\n", {}},
        {"sound test a fifo", [](const std::string& d) { plant_fifo(d, "s.raw"); }, {}, "OLPI_LYDPROEVE=s.raw", 0, 1,
         "", "Kan ikke skrive s.raw\n", {}},
        {"sound test a device", nullptr, {}, "OLPI_LYDPROEVE=/dev/full", 0, 1, "", "Kan ikke skrive /dev/full\n", {}},
        {"sound test empty name", nullptr, {}, "OLPI_LYDPROEVE=", 0, 1, "", "Kan ikke skrive \n", {}},
        {"sound test disk full", nullptr, {}, "OLPI_LYDPROEVE=s.raw", 1000000, 1, "", "Kan ikke skrive s.raw\n",
         {{"s.raw", -1}}},
    });
}

TEST(Outputs, TitlePicturesAreOnlyWholeRegularFiles)
{
    run_cases({
        {"title ordinary", nullptr, {"--titelbillede", "t.bmp"}, "", 0, 0, "", "",
         {{"t.bmp", picture_bytes}, {"t.bmp.2.bmp", picture_bytes}}},
        {"title a link", [](const std::string& d) { plant_link(d, "t.bmp", "victim"); }, {"--titelbillede", "t.bmp"},
         "", 0, 1, "", "Kan ikke skrive t.bmp\n", {{"t.bmp.2.bmp", -1}}},
        {"second title a link", [](const std::string& d) { plant_link(d, "t.bmp.2.bmp", "victim"); },
         {"--titelbillede", "t.bmp"}, "", 0, 1, "", "Kan ikke skrive t.bmp.2.bmp\n", {{"t.bmp", picture_bytes}}},
        {"title a fifo", [](const std::string& d) { plant_fifo(d, "t.bmp"); }, {"--titelbillede", "t.bmp"}, "", 0, 1,
         "", "Kan ikke skrive t.bmp\n", {}},
        {"title a device", nullptr, {"--titelbillede", "/dev/full"}, "", 0, 1, "", "Kan ikke skrive /dev/full\n", {}},
        {"title disk full", nullptr, {"--titelbillede", "t.bmp"}, "", 1000000, 1, "", "Kan ikke skrive t.bmp\n",
         {{"t.bmp", -1}, {"t.bmp.2.bmp", -1}}},
    });
}

// An empty output folder is the current folder, as an empty name is for the
// shell; it never means the root.
TEST(Outputs, EmptyOutputFolderIsTheCurrentOne)
{
    TempDir t;
    Outcome r = run_game(t.path, {"--test", "1", "--ud", ""});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, first_tick);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(file_size(t.path + "/f00000.bmp"), picture_bytes);
    EXPECT_EQ(file_size(t.path + "/lyd.raw"), 1600);
}

}  // namespace
