// The title-picture mode through the real program: two BMP pictures of the
// whole screen, the same on every run, one set per language; the headless
// test wins over it, and a picture that cannot be written is reported.
#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <sys/stat.h>
#include "run.h"
#include "draw/draw.h"
#include "shell/local.h"
#include "text/text.h"

namespace {

// Width and height from a BMP file's header (a picture stored top-down has
// a negative height).
bool bmp_size(const std::string& bytes, int32_t* w, int32_t* h)
{
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0)
        return false;
    auto le32 = [&](size_t at) {
        return (int32_t)((uint8_t)bytes[at] | (uint8_t)bytes[at + 1] << 8 | (uint8_t)bytes[at + 2] << 16 |
                         (uint32_t)(uint8_t)bytes[at + 3] << 24);
    };
    *w = le32(18);
    *h = le32(22) < 0 ? -le32(22) : le32(22);
    return true;
}

void expect_screen_bmp(const std::string& path)
{
    int32_t w = 0, h = 0;
    ASSERT_TRUE(bmp_size(read_text(path), &w, &h)) << path;
    EXPECT_EQ(w, 768) << path;
    EXPECT_EQ(h, 672) << path;
}

class EveryLanguage : public ::testing::TestWithParam<int32_t> {};

// With drivers that do not exist the game itself could not start.
TEST_P(EveryLanguage, WritesBothTitlePicturesWithoutAWindow)
{
    TempDir t;
    Outcome r = run_game(t.path, {"--sprog", language_code(GetParam()), "--titelbillede", "t.bmp"},
                         {"SDL_VIDEODRIVER=none", "SDL_AUDIODRIVER=none"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    expect_screen_bmp(t.path + "/t.bmp");
    expect_screen_bmp(t.path + "/t.bmp.2.bmp");
    EXPECT_NE(read_text(t.path + "/t.bmp"), read_text(t.path + "/t.bmp.2.bmp"));
}

INSTANTIATE_TEST_SUITE_P(TitlePictures, EveryLanguage, ::testing::Range(0, (int32_t)LANGUAGE_COUNT),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return std::string(language_code(info.param));
                         });

TEST(TitlePictures, SameOnEveryRunAndDifferentPerLanguage)
{
    TempDir t;
    // Without translated texts drawn in this build only the Danish logo
    // tells the languages apart.
    const bool texts_drawn = draw_message(MSG_TITLE, 0, 0, FONT_BIG, ALIGN_LEFT, COLOUR_WHITE, {}) != 0;
    const char* const codes[] = {"en", "da", "ar", "ja"};
    for (const char* code : codes)
        for (const char* run : {"a", "b"}) {
            Outcome r = run_game(t.path, {"--sprog", code, "--titelbillede", std::string(code) + run + ".bmp"});
            EXPECT_EQ(r.code, 0) << code;
        }
    for (const char* code : codes) {
        const std::string a = t.path + "/" + code + "a.bmp", b = t.path + "/" + code + "b.bmp";
        EXPECT_EQ(read_text(a), read_text(b)) << code;
        EXPECT_EQ(read_text(a + ".2.bmp"), read_text(b + ".2.bmp")) << code;
        if (std::string(code) == "en" || (!texts_drawn && std::string(code) != "da"))
            continue;
        EXPECT_NE(read_text(a), read_text(t.path + "/ena.bmp")) << code;
    }
}

TEST(TitlePictures, HeadlessTestWinsOverThem)
{
    TempDir t;
    Outcome r = run_game(t.path, {"--titelbillede", "t.bmp", "--test", "1"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("tilstand ", 0), 0u) << r.out;
    EXPECT_FALSE(file_exists(t.path + "/t.bmp"));
    EXPECT_FALSE(file_exists(t.path + "/t.bmp.2.bmp"));
    EXPECT_TRUE(file_exists(t.path + "/f00000.bmp"));
}

TEST(TitlePictures, UnwritablePictureIsReported)
{
    TempDir t;
    const std::string path = t.path + "/no-such-folder/t.bmp";
    Outcome r = run_game(t.path, {"--titelbillede", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Kan ikke skrive " + path + "\n");
    EXPECT_FALSE(file_exists(t.path + "/no-such-folder"));
}

// The second picture's name is FILE + ".2.bmp" in a buffer of OUT_PATH_BYTES. A
// name that does not fit is not cut short (the shortened name could be the
// first picture's own): the second picture is reported as one that cannot
// be written.
TEST(TitlePictures, SecondNameThatDoesNotFitIsReported)
{
    TempDir t;
    std::string folder = t.path;
    while (folder.size() < 500) {
        folder += "/" + std::string(60, 'd');
        mkdir(folder.c_str(), 0755);
    }
    // A name that fills the buffer with ".2.bmp" and its terminator fits; one byte more does not.
    const size_t longest = OUT_PATH_BYTES - sizeof ".2.bmp";
    const std::string fits = folder + "/" + std::string(longest - folder.size() - 1, 'a');
    const std::string too_long = folder + "/" + std::string(longest + 1 - folder.size() - 1, 'b');
    ASSERT_EQ(fits.size(), longest);
    ASSERT_EQ(too_long.size(), longest + 1);
    EXPECT_EQ(run_game(t.path, {"--titelbillede", fits}).code, 0);
    Outcome r = run_game(t.path, {"--titelbillede", too_long});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Kan ikke skrive " + too_long + ".2.bmp\n");
    EXPECT_TRUE(file_exists(fits + ".2.bmp"));
    EXPECT_FALSE(file_exists(too_long + ".2.bmp"));
    // The first picture is the help panel, whole and not overwritten.
    EXPECT_EQ(read_text(too_long), read_text(fits));
}

}  // namespace
