// The game and the display: without one the game refuses to run unseen
// (unless the user named a driver), a scale below 1 opens the window at the
// automatic scale, and the error box of a faulty level text
// is shown only in the game, never in a windowless mode that has a display at
// hand and would wait for its click. On the software rasteriser the game
// draws with a thread per million pixels of the desktop, unless the player
// chose a number.
#include <gtest/gtest.h>
#include <algorithm>
#include <unistd.h>
#include <string>
#include <vector>
#include "run.h"
#include "xserver.h"

namespace {

std::string last_line(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

TEST(NoDisplay, GameRefusesToRunUnseenUnlessADriverIsNamed)
{
    struct Case {
        const char* what;
        std::vector<std::string> env;
        int code;
    } cases[] = {
        {"no DISPLAY", {"-u SDL_VIDEODRIVER", "-u DISPLAY", "-u WAYLAND_DISPLAY"}, 1},
        {"no server at DISPLAY", {"-u SDL_VIDEODRIVER", "-u WAYLAND_DISPLAY", "DISPLAY=:97"}, 1},
        {"empty driver name", {"-u DISPLAY", "-u WAYLAND_DISPLAY", "SDL_VIDEODRIVER="}, 1},
        {"offscreen named", {"-u DISPLAY", "-u WAYLAND_DISPLAY", "SDL_VIDEODRIVER=offscreen"}, 0},
    };
    for (const Case& c : cases) {
        TempDir t;
        std::vector<std::string> env = c.env;
        env.push_back("ASAN_OPTIONS=detect_leaks=0");  // the desktop libraries SDL tries keep their memory
        // A game that runs gets SIGTERM after 5 seconds and then ends with 0.
        Outcome r = run_game_then_quit(5, t.path, {"--skala", "1"}, env);
        EXPECT_EQ(r.code, c.code) << c.what << ": " << r.err;
        if (c.code == 1) {
            EXPECT_EQ(last_line(r.err).rfind("SDL: no display", 0), 0u) << c.what << ": " << r.err;
        }
    }
}

// The private X server's screen is 768 pixels high, so the automatic scale is 1.
TEST(WindowScale, BelowOneIsTheAutomaticScale)
{
    XServer x;
    ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
    for (const char* scale : {"0", "-1", "-2147483648", "1"}) {
        TempDir t;
        pid_t pid = spawn({FROSTOVA_BIN, "--skala", scale},
                          {"DISPLAY=" + x.display, "HOME=" + t.path, "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy",
                           "ASAN_OPTIONS=detect_leaks=0"},
                          t.path + "/log");
        std::string tree;
        EXPECT_TRUE(wait_for(
            [&] {
                tree = output_of("DISPLAY=" + x.display + " xwininfo -root -tree 2>/dev/null");
                return tree.find("\"Frostova\"") != std::string::npos;
            },
            20))
            << scale << ": " << read_text(t.path + "/log");
        size_t at = tree.find("\"Frostova\"");
        std::string line = at == std::string::npos ? "" : tree.substr(at, tree.find('\n', at) - at);
        EXPECT_NE(line.find(" 768x672+"), std::string::npos) << scale << ": " << line;
        wait_exit(pid, 0);
    }
}

// The rasteriser's threads of a running game, by their names.
int rasteriser_threads(pid_t pid)
{
    const std::string names = output_of("cat /proc/" + std::to_string(pid) + "/task/*/comm 2>/dev/null");
    int count = 0;
    for (size_t at = names.find("llvmpipe-"); at != std::string::npos; at = names.find("llvmpipe-", at + 1))
        count++;
    return count;
}

TEST(SoftwareRasteriser, AThreadPerMillionPixelsOfTheDesktopUnlessChosen)
{
    const int cores = (int)sysconf(_SC_NPROCESSORS_ONLN);
    struct Case {
        const char* screen;
        const char* chosen;  // LP_NUM_THREADS, or null for none
        int threads;
    } cases[] = {
        {"1024x768x24", nullptr, 1},
        {"1920x1080x24", nullptr, std::min(3, cores)},
        {"1024x768x24", "2", 2},
    };
    for (const Case& c : cases) {
        XServer x{c.screen};
        ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
        TempDir t;
        std::vector<std::string> env = {"DISPLAY=" + x.display, "HOME=" + t.path, "SDL_VIDEODRIVER=x11",
                                        "SDL_AUDIODRIVER=dummy", "ASAN_OPTIONS=detect_leaks=0"};
        env.push_back(std::string("LP_NUM_THREADS=") + (c.chosen ? c.chosen : ""));
        pid_t pid = spawn({FROSTOVA_BIN, "--skala", "1"}, env, t.path + "/log");
        int threads = 0;
        EXPECT_TRUE(wait_for([&] { return (threads = rasteriser_threads(pid)) == c.threads; }, 20))
            << c.screen << ": " << threads << " threads; " << read_text(t.path + "/log");
        wait_exit(pid, 0);
    }
}

const char* const faulty_level = "[bane 1]\nfelter\nxyz\n";

TEST(ErrorBox, OnlyTheGameShowsIt)
{
    XServer x;
    ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
    TempDir t;
    write_text(t.path + "/fejl.baner", faulty_level);
    const std::vector<std::string> env = {"DISPLAY=" + x.display, "HOME=" + t.path, "SDL_VIDEODRIVER=x11",
                                          "ASAN_OPTIONS=detect_leaks=0"};
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* sound;  // OLPI_LYDPROEVE, null: unset
    } windowless[] = {
        {"headless test", {"--test", "1"}, nullptr},
        {"title pictures", {"--titelbillede", t.path + "/t.bmp"}, nullptr},
        {"sound test", {}, "OLPI_LYDPROEVE=s.raw"},
    };
    for (const Case& c : windowless) {
        std::vector<std::string> argv = {FROSTOVA_BIN, "--baner", t.path + "/fejl.baner"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::vector<std::string> with = env;
        if (c.sound)
            with.push_back(c.sound);
        pid_t pid = spawn(argv, with, t.path + "/log");
        EXPECT_EQ(wait_exit(pid, 20), 1) << c.what << ": " << read_text(t.path + "/log");
        EXPECT_EQ(read_text(t.path + "/log").rfind("Fejl i banerne: ", 0), 0u) << c.what;
    }

    // The game shows the message in a box of its own and waits for it (the
    // box names itself in UTF-8 only, which xwininfo reads).
    pid_t pid = spawn({FROSTOVA_BIN, "--baner", t.path + "/fejl.baner"}, env, t.path + "/log");
    EXPECT_TRUE(wait_for(
        [&] {
            std::string tree = output_of("DISPLAY=" + x.display + " xwininfo -root -tree 2>/dev/null");
            return tree.find("\"Frostova\"") != std::string::npos;
        },
        20))
        << read_text(t.path + "/log");
    EXPECT_EQ(wait_exit(pid, 0.5), -2) << "the game did not wait for its box";
}

}  // namespace
