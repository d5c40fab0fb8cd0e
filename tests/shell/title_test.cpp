// The title screen drawn by the software renderer: what shell.frame_counter moves
// (theme, panel, hero and key), the logo, the banner, the own-levels hint,
// that drawing changes no state, and reference pictures in four languages.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include "draw/draw.h"
#include "shell/shell.h"
#include "text/text.h"
#include "tests/golden.h"
#include "tests/text_screen.h"

namespace {

const uint32_t BAND = 0xff804020u;
const uint32_t LOGO = 0xff10a0f0u;

enum { SPRITE_HERO_CHEERING = 25, SPRITE_KEY = 35 };

int language_index(const char* code)
{
    for (int32_t i = 0; i < LANGUAGE_COUNT; i++)
        if (strcmp(language_code(i), code) == 0)
            return i;
    ADD_FAILURE() << "no language " << code;
    return LANGUAGE_ENGLISH;
}

void default_high_scores()
{
    for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
        snprintf(shell.high_scores[i].name, sizeof shell.high_scores[i].name, "%s", DEFAULT_HIGH_SCORE_NAME);
        shell.high_scores[i].score = 20000 - 2000 * i;
        shell.high_scores[i].level = 1;
    }
}

// The centre of a sprite where draw_sprite_scaled puts it.
SDL_Point centre(float x, float y, float scale, int sprite)
{
    const SDL_FRect box = sprite_box(x, y, scale, sprite);
    return SDL_Point{(int)(box.x + box.w / 2), (int)(box.y + box.h / 2)};
}

class Title : public ::testing::Test {
protected:
    TextScreen screen;
    int32_t saved_frame = shell.frame_counter;
    int32_t saved_language = get_language();
    uint32_t saved_banner = locale_banner;
    HighScore saved_scores[HIGH_SCORE_ROWS];
    char saved_own_path[DATA_PATH_BYTES];

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        memcpy(saved_scores, shell.high_scores, sizeof shell.high_scores);
        memcpy(saved_own_path, shell.own_levels_path, sizeof shell.own_levels_path);
        screen.use_stand_in_art();
        textures.band = screen.plain(16, 16, BAND);
        textures.logo = screen.plain(16, 16, LOGO);
        // The background is taken as held already and is not there.
        background_theme = 0;
        shell.own_levels_path[0] = 0;
        locale_banner = 0;
        set_language(LANGUAGE_ENGLISH);
        default_high_scores();
    }
    void TearDown() override
    {
        shell.frame_counter = saved_frame;
        set_language(saved_language);
        locale_banner = saved_banner;
        memcpy(shell.high_scores, saved_scores, sizeof shell.high_scores);
        memcpy(shell.own_levels_path, saved_own_path, sizeof shell.own_levels_path);
    }
    void draw(int32_t f)
    {
        shell.frame_counter = f;
        screen.clear();
        draw_title();
        screen.flush();
    }
    // The topmost row in column x where sprite shows, or -1.
    int top_of(int sprite, int x)
    {
        for (int y = 0; y < TextScreen::H; y++)
            if (screen.sprite_at(x, y) == sprite)
                return y;
        return -1;
    }
};

TEST_F(Title, FrameCounterMovesThemePanelHeroAndKey)
{
    const struct {
        int32_t f;
        int32_t theme;
        bool high_scores;
        int hero, key;
    } cases[] = {
        {0, 0, false, 25, 35},
        {31, 0, false, 28, 38},
        {TICKS_PER_PANEL - 1, 0, false, 26, 36},
        {TICKS_PER_PANEL, 0, true, 27, 37},
        {451, 0, true, 26, 36},
        {2 * TICKS_PER_PANEL, 1, false, 25, 35},
        {4199, 6, true, 28, 38},
        {6000, 10, false, 25, 35},
        {14400, 0, false, 25, 35},
    };
    for (const auto& k : cases) {
        // A theme other than the last one drawn is decoded from its picture.
        background_theme = -1;
        draw(k.f);
        EXPECT_EQ(background_theme, k.theme) << "f " << k.f;
        // The rank " 1." ends at x 220 in the top row of the high scores.
        EXPECT_EQ(screen.pixel(216, 326) == COLOUR_GREY_BLUE, k.high_scores) << "f " << k.f;
        const SDL_Point hero = centre(360.0f, 178.0f, 2.0f, k.hero);
        EXPECT_EQ(screen.sprite_at(hero.x, hero.y), k.hero) << "f " << k.f;
        const SDL_Point key = centre(454.0f, 188.0f, 1.3f, k.key);
        EXPECT_EQ(screen.sprite_at(key.x, key.y), k.key) << "f " << k.f;
    }
}

TEST_F(Title, LogoOnlyInDanish)
{
    const struct {
        const char* code;
        bool logo;
    } cases[] = {{"da", true}, {"en", false}, {"nb", false}, {"ar", false}, {"ja", false}};
    for (const auto& k : cases) {
        set_language(language_index(k.code));
        draw(31);
        EXPECT_EQ(screen.pixel(150, 100) == LOGO, k.logo) << k.code;
        EXPECT_EQ(screen.pixel(600, 100) == LOGO, k.logo) << k.code;
    }
}

// The banner's two bands have the top bar to themselves: hero and key stand
// below the title where they stand without it.
TEST_F(Title, BannerInTheTopBarLeavesHeroAndKeyInPlace)
{
    set_language(LANGUAGE_DANISH);
    textures.logo = nullptr;
    for (uint32_t banner = 0; banner <= 1; banner++) {
        locale_banner = banner;
        draw(0);
        const float y0 = 178.0f;
        const SDL_Point hero = centre(360.0f, y0, 2.0f, SPRITE_HERO_CHEERING);
        const SDL_FRect box = sprite_box(360.0f, y0, 2.0f, SPRITE_HERO_CHEERING);
        EXPECT_NEAR(top_of(SPRITE_HERO_CHEERING, hero.x), box.y, 1.0) << "banner " << banner;
        const SDL_Point key = centre(454.0f, y0 + 10.0f, 1.3f, SPRITE_KEY);
        EXPECT_NEAR(top_of(SPRITE_KEY, key.x), sprite_box(454.0f, y0 + 10.0f, 1.3f, SPRITE_KEY).y, 1.0)
            << "banner " << banner;
        // Blue over yellow, each 15 rows, from x 254 to 513, over black.
        const uint32_t blue = screen.pixel(260, 15), yellow = screen.pixel(260, 30);
        if (banner) {
            EXPECT_GT((blue >> 16) & 0xff, 150u);
            EXPECT_LT(blue & 0xff, 10u);
            EXPECT_GT(yellow & 0xff, 220u);
            EXPECT_LT((yellow >> 16) & 0xff, 10u);
            EXPECT_EQ(screen.pixel(253, 15), 0xff000000u);
            EXPECT_EQ(screen.pixel(514, 30), 0xff000000u);
        } else {
            EXPECT_EQ(blue, 0xff000000u);
            EXPECT_EQ(yellow, 0xff000000u);
        }
    }
}

// The hint is a translated text only; where texts are not drawn in this
// build there is nothing to see.
TEST_F(Title, OwnLevelsHintShowsWhileTheFileExists)
{
    if (draw_message(MSG_OWN_LEVELS, 0, 0, FONT_SMALL, ALIGN_LEFT, COLOUR_WHITE, {}) == 0)
        GTEST_SKIP() << "translated texts draw nothing in this build";
    char folder[] = "/tmp/frostova-title-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string there = std::string(folder) + "/mine-baner.baner";
    const std::string missing = std::string(folder) + "/ingen.baner";
    FILE* f = fopen(there.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fclose(f);

    draw(0);
    const std::vector<unsigned char> without = surface_rgb(screen.surface, 0, 590, TextScreen::W, 40);
    const struct {
        const char* what;
        std::string path;
        bool shown;
    } cases[] = {
        {"the file exists", there, true},
        {"no such file", missing, false},
        {"no data folder", "", false},
    };
    for (const auto& k : cases) {
        snprintf(shell.own_levels_path, sizeof shell.own_levels_path, "%s", k.path.c_str());
        draw(0);
        EXPECT_EQ(surface_rgb(screen.surface, 0, 590, TextScreen::W, 40) != without, k.shown) << k.what;
    }
    remove(there.c_str());
    rmdir(folder);
}

// draw_title only reads: the shell's state stays as it was, and the text ring
// moves by at most one buffer on the help panel and ten on the high scores.
TEST_F(Title, DrawingChangesNoStateOfTheShell)
{
    shell.app_mode = APP_TITLE;
    shell.music_on = 1;
    shell.high_score_slot = -1;
    snprintf(shell.typed_name, sizeof shell.typed_name, "%s", "Ida");
    for (int32_t f : {31, 451}) {
        const int32_t language = get_language();
        HighScore scores[HIGH_SCORE_ROWS];
        memcpy(scores, shell.high_scores, sizeof scores);
        const int32_t ring = text_ring_index;
        draw(f);
        EXPECT_EQ(shell.frame_counter, f);
        EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
        EXPECT_EQ(shell.music_on, 1u);
        EXPECT_EQ(shell.high_score_slot, -1);
        EXPECT_STREQ(shell.typed_name, "Ida");
        EXPECT_EQ(get_language(), language);
        EXPECT_EQ(memcmp(scores, shell.high_scores, sizeof scores), 0);
        const int32_t taken = (text_ring_index - ring + TEXT_RING_SIZE) % TEXT_RING_SIZE;
        EXPECT_LE(taken, f == 31 ? 1 : 10) << "f " << f;
    }
}

// ---- Reference pictures with the game's own art ----

class GoldenTitle : public Title {
protected:
    void SetUp() override
    {
        Title::SetUp();
        screen.use_game_art();
    }
    void expect_title(const char* code, int32_t f, const std::string& name)
    {
        set_language(language_index(code));
        draw(f);
        expect_golden_surface(name, screen.surface);
    }
};

// The help panel at 31 and the high scores at 451, the invitation showing.
TEST_F(GoldenTitle, FourLanguages)
{
    for (const char* code : {"en", "da", "ar", "ja"})
        for (int32_t f : {31, 451})
            expect_title(code, f, std::string("title-") + code + "-" + std::to_string(f));
}

TEST_F(GoldenTitle, Banner)
{
    locale_banner = 1;
    expect_title("en", 31, "title-banner");
}

}  // namespace
