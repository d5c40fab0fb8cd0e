// The game in a real window on a private X server: the window's UTF-8 names
// set through a libX11 loaded at run time, and a whole session played with
// keys sent by xdotool, checked through xprop, the data folder, the sound
// written by SDL's disk audio driver and screenshots of each screen.
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_syswm.h>
#include <cmath>
#include <cstdio>
#include <dlfcn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>
#include "run.h"
#include "shell/shell.h"
#include "xserver.h"

namespace {

// xprop's reading of the four names of a window, as type and hex bytes.
std::string name_properties(const std::string& display, unsigned long window)
{
    std::string command = "DISPLAY=" + display + " xprop -id " + std::to_string(window);
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "WM_NAME", "WM_ICON_NAME"})
        command += std::string(" -f ") + name + " 8x";
    return output_of(command + " _NET_WM_NAME _NET_WM_ICON_NAME WM_NAME WM_ICON_NAME 2>&1");
}

// What name_properties shows when all four hold exactly text as UTF8_STRING.
std::string expected_properties(const std::string& text)
{
    std::string bytes;
    for (unsigned char c : text) {
        char hex[8];
        snprintf(hex, sizeof hex, "%s0x%x", bytes.empty() ? "" : ", ", c);
        bytes += hex;
    }
    std::string out;
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "WM_NAME", "WM_ICON_NAME"})
        out += std::string(name) + "(UTF8_STRING) = " + bytes + "\n";
    return out;
}

TEST(WindowNames, AreTheTitlesBytesOnX11)
{
    XServer x;
    ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
    setenv("DISPLAY", x.display.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("-", 0, 0, 64, 64, 0);
    ASSERT_NE(window, nullptr);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(window, &info));
    for (const std::string text : {"Frostova", "Ærø – Фростова ❄ 北", "", "Frostova"}) {
        set_window_title(window, text.c_str());
        EXPECT_EQ(std::string(SDL_GetWindowTitle(window)), text);
        EXPECT_EQ(name_properties(x.display, info.info.x11.window), expected_properties(text)) << text;
    }
    SDL_Quit();
}

TEST(WindowNames, OtherDriversGetOnlySdlsTitleAndNoLibX11)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("-", 0, 0, 64, 64, 0);
    bool loaded_before = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD) != nullptr;
    set_window_title(window, "Frostová");
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Frostová");
    if (!loaded_before) {
        EXPECT_EQ(dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD), nullptr) << "libX11 was loaded";
    }
    SDL_Quit();

    // The game's program does not link libX11: it is loaded only when needed.
    std::string needed = output_of(std::string("readelf -d '") + FROSTOVA_BIN + "'");
    EXPECT_NE(needed.find("libSDL2"), std::string::npos) << needed;
    EXPECT_EQ(needed.find("libX11"), std::string::npos) << needed;
}

// A level on which Olpi loses his lives fast: a fish beside him, a snowman
// close behind it and two seconds on the clock.
const char* const short_level =
    "[bane 1]\nnavn Kort\ntid 2\nfelter\n"
    "D.............K\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n"
    "TfM............\n";

// The game as another process in the X server's window.
struct Session {
    const XServer& x;
    std::string dir;
    std::string data;
    std::string shots;
    pid_t pid = -1;
    unsigned long window = 0;

    std::string run(const std::string& command) const { return output_of("DISPLAY=" + x.display + " " + command); }
    void key(const std::string& keys) const { run("xdotool key --delay 40 " + keys); }
    // A picture of the window and the mean brightness of a part of it.
    double shot(const std::string& name, const std::string& crop = "560x220+100+215") const
    {
        std::string path = shots + "/" + name + ".png";
        run("timeout 20 import -silent -window " + std::to_string(window) + " " + path);
        std::string mean = output_of("convert " + path + " -crop " + crop + " -format '%[fx:mean]' info:");
        return mean.empty() ? -1 : std::stod(mean);
    }
};

std::string data_file(const Session& s, const char* name)
{
    return read_text(s.data + "/" + name);
}

// The first samples of a song after its first sound, as raw bytes.
std::string from_first_sound(const std::string& raw, size_t bytes)
{
    size_t i = 0;
    while (i + 1 < raw.size() && raw[i] == 0 && raw[i + 1] == 0)
        i += 2;
    return raw.substr(i, bytes);
}

TEST(RealWindow, TitlePlayGameOverNameEntryAndQuit)
{
    XServer x;
    ASSERT_FALSE(x.display.empty()) << "Xvfb did not start";
    TempDir t;
    Session s{x, t.path, t.path + "/.local/share/frostova", "window-screens"};
    mkdir(s.shots.c_str(), 0755);
    ASSERT_EQ(std::system(("mkdir -p '" + s.data + "'").c_str()), 0);
    write_text(s.data + "/indstillinger.txt", "sprog en\n");
    std::string low_table;
    for (int i = 0; i < HIGH_SCORE_ROWS; i++)
        low_table += "100 1 Lav\n";
    write_text(s.data + "/rekorder.txt", low_table);
    write_text(s.data + "/mine-baner.baner", short_level);
    write_text(t.path + "/kort.baner", short_level);

    s.pid = spawn({FROSTOVA_BIN, "--baner", t.path + "/kort.baner"},
                  {"DISPLAY=" + x.display, "HOME=" + t.path, "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=disk",
                   "SDL_DISKAUDIOFILE=" + t.path + "/lyd.raw", "ASAN_OPTIONS=detect_leaks=0"},
                  t.path + "/game.log");
    ASSERT_TRUE(wait_for(
        [&] {
            std::string id = s.run("xdotool search --name '^Frostova$' 2>/dev/null");
            s.window = std::strtoul(id.c_str(), nullptr, 10);
            return s.window != 0;
        },
        30))
        << read_text(t.path + "/game.log");

    // The names as the window opened.
    EXPECT_TRUE(wait_for([&] { return name_properties(x.display, s.window) == expected_properties("Frostova"); }, 5))
        << name_properties(x.display, s.window);

    // Song 0 reaches the audio device: the first second after the first
    // sound is the title song as the sound test renders it.
    const size_t second = 2 * 48000;
    EXPECT_TRUE(wait_for([&] { return file_size(t.path + "/lyd.raw") > (long)(3 * second); }, 20));
    ASSERT_EQ(run_game(t.path, {}, {"OLPI_LYDPROEVE=" + t.path + "/sang.raw"}).code, 0);
    std::string heard = from_first_sound(read_text(t.path + "/lyd.raw"), second);
    EXPECT_EQ(heard.size(), second);
    EXPECT_TRUE(heard == from_first_sound(read_text(t.path + "/sang.raw"), second)) << "song 0 did not play";

    // L: the next language, written at once, and the names set again.
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "WM_NAME", "WM_ICON_NAME"})
        s.run("xprop -id " + std::to_string(s.window) + " -f " + name + " 8s -set " + name + " stale");
    EXPECT_NE(name_properties(x.display, s.window), expected_properties("Frostova"));
    s.key("l");
    EXPECT_TRUE(wait_for([&] { return data_file(s, "indstillinger.txt") == "sprog de\n"; }, 10))
        << data_file(s, "indstillinger.txt");
    EXPECT_TRUE(wait_for([&] { return name_properties(x.display, s.window) == expected_properties("Frostova"); }, 5))
        << name_properties(x.display, s.window);
    const std::string middle = "560x60+100+380";  // clear of the pause and end-of-game bands
    const std::string band = "700x2+34+287";  // the bright upper edge of the pause band

    // A game on the level file, paused for a moment, then played to its end
    // with Right held: Olpi takes the fish and meets the snowman, three times.
    // The level's door stands in the top-left cell, where the title shows
    // only its night sky.
    const std::string door = "36x36+30+54";
    const double title_door = s.shot("title", door);
    s.key("Return");
    EXPECT_TRUE(wait_for([&] { return std::fabs(s.shot("play", door) - title_door) > 0.05; }, 10))
        << "no play field drawn";
    const double play_mean = s.shot("play", middle);
    double play_band = s.shot("play", band);
    s.key("p");
    EXPECT_TRUE(wait_for([&] { return s.shot("pause", band) > play_band + 0.2; }, 10)) << "no pause band";
    s.key("p");
    s.run("xdotool keydown Right");
    // Name entry darkens the middle of the screen with its panel.
    EXPECT_TRUE(wait_for([&] { return s.shot("name-entry", middle) < play_mean * 0.5; }, 60)) << "no name entry";
    s.run("xdotool keyup Right");
    s.run("xdotool type --delay 40 Ada");
    s.shot("name-entry");
    s.key("Return");
    // The new row beats every row of the low table, so it comes first.
    std::string table;
    int score = 0;
    EXPECT_TRUE(wait_for(
        [&] {
            table = data_file(s, "rekorder.txt");
            int level = 0;
            char name[16] = "";
            return sscanf(table.c_str(), "%d %d %15[^\n]", &score, &level, name) == 3 && level == 1 &&
                   std::string(name) == "Ada";
        },
        10))
        << table;
    EXPECT_GT(score, 100) << "the fish's points";

    // E plays the own levels; Escape gives that game up, and Escape on the
    // title ends the program with no further row in the table.
    s.key("e");
    EXPECT_TRUE(wait_for([&] { return std::fabs(s.shot("own-levels", middle) - play_mean) < 0.03; }, 10))
        << "no own level drawn";
    s.key("Escape");
    s.key("Escape");
    EXPECT_EQ(wait_exit(s.pid, 20), 0) << read_text(t.path + "/game.log");
    EXPECT_EQ(data_file(s, "rekorder.txt"), table);
}

}  // namespace
