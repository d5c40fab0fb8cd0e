// The frames, bars, head-up display and overlays that draw_game puts over
// the play field: icons, the blinking bonus, the bands of the level intro and
// the level-done panel, drawing order, and that drawing changes nothing.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstring>
#include "draw/draw.h"
#include "scene/scene.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "text/text.h"
#include "tests/golden.h"
#include "tests/text_screen.h"

namespace {

const uint32_t BAND = 0xff804020u;
const uint32_t FRAME = 0xff203040u;

enum { SPRITE_LIFE_ICON = 46, SPRITE_SNOWBALL_ICON = 68, SPRITE_SNOWMAN = 52 };

// The Danish texts of the built-in world and level names.
const char* danish(int message)
{
    return language_table[LANGUAGE_DANISH].texts[message];
}

class Hud : public ::testing::Test {
protected:
    TextScreen screen;
    int32_t saved_count = level_count;
    LevelRecord saved_levels[2] = {level_table[0], level_table[1]};

    void SetUp() override
    {
        ASSERT_NE(screen.renderer, nullptr);
        screen.use_stand_in_art();
        // The background is taken as held already and is not there: the
        // play area stays black.
        background_theme = 0;
        level_table[0] = LevelRecord{};
        level_table[1] = LevelRecord{};
        level_table[0].door_row = 20;
        level_table[1].door_row = 20;
        level_count = 2;
        play = PlayState{};
        play.state = STATE_PLAYING;
        play.on_ground = 1;
        play.facing = 1;
        play.hero_x = 2000.0f;
        play.hero_y = 2000.0f;
    }
    void TearDown() override
    {
        level_count = saved_count;
        level_table[0] = saved_levels[0];
        level_table[1] = saved_levels[1];
    }
    void draw()
    {
        screen.clear();
        draw_game();
        screen.flush();
    }
};

TEST_F(Hud, SpareLivesShowAsAtMostFiveIconsFromTheRight)
{
    const struct {
        int32_t lives;
        int icons;
    } cases[] = {{-3, 0}, {0, 0}, {1, 0}, {2, 1}, {3, 2}, {6, 5}, {7, 5}, {100, 5}};
    for (const auto& k : cases) {
        play.lives = k.lives;
        draw();
        int first = -1, last = -1;
        const int columns = screen.columns_with(SPRITE_LIFE_ICON, 0, PLAY_AREA_Y - 1, &first, &last);
        if (k.icons == 0) {
            EXPECT_EQ(columns, 0) << "lives " << k.lives;
            continue;
        }
        const SDL_FRect rightmost = sprite_box((float)HUD_LIFE_X, 0.0f, HUD_LIFE_SCALE, SPRITE_LIFE_ICON);
        const SDL_FRect leftmost =
            sprite_box((float)(HUD_LIFE_X - HUD_LIFE_STEP * (k.icons - 1)), 0.0f, HUD_LIFE_SCALE, SPRITE_LIFE_ICON);
        EXPECT_NEAR(last, rightmost.x + rightmost.w - 1, 1.0) << "lives " << k.lives;
        EXPECT_NEAR(first, leftmost.x, 1.0) << "lives " << k.lives;
    }
}

TEST_F(Hud, SnowballsShowAsAtMostSixIconsFromTheLeft)
{
    const struct {
        int32_t snowballs;
        int icons;
    } cases[] = {{-1, 0}, {0, 0}, {1, 1}, {5, 5}, {6, 6}, {9, 6}};
    for (const auto& k : cases) {
        play.snowballs_left = k.snowballs;
        draw();
        int first = -1, last = -1;
        const int columns = screen.columns_with(SPRITE_SNOWBALL_ICON, 0, PLAY_AREA_Y - 1, &first, &last);
        if (k.icons == 0) {
            EXPECT_EQ(columns, 0) << "snowballs " << k.snowballs;
            continue;
        }
        const SDL_FRect leftmost = sprite_box((float)HUD_SNOWBALL_X, 4.0f, HUD_SNOWBALL_SCALE, SPRITE_SNOWBALL_ICON);
        const SDL_FRect rightmost = sprite_box((float)(HUD_SNOWBALL_X + HUD_SNOWBALL_STEP * (k.icons - 1)), 4.0f,
                                               HUD_SNOWBALL_SCALE, SPRITE_SNOWBALL_ICON);
        EXPECT_NEAR(first, leftmost.x, 1.0) << "snowballs " << k.snowballs;
        EXPECT_NEAR(last, rightmost.x + rightmost.w - 1, 1.0) << "snowballs " << k.snowballs;
    }
}

TEST_F(Hud, LowBonusBlinksFifteenTicksGoldThenFifteenRed)
{
    const struct {
        int32_t bonus;
        int32_t tick;
        uint32_t colour;
    } cases[] = {
        {1001, 15, COLOUR_GOLD},      {1001, 20, COLOUR_GOLD},      {1000, 0, COLOUR_GOLD},
        {1000, 14, COLOUR_GOLD},      {1000, 15, COLOUR_LIGHT_RED}, {1000, 29, COLOUR_LIGHT_RED},
        {1000, 30, COLOUR_GOLD},      {0, 45, COLOUR_LIGHT_RED},    {-40, 15, COLOUR_LIGHT_RED},
    };
    for (const auto& k : cases) {
        play.bonus = k.bonus;
        play.tick = k.tick;
        draw();
        // The value is centred below the label, in the small font.
        EXPECT_EQ(screen.pixel(HUD_BONUS_X, HUD_VALUE_Y + 11), k.colour) << "bonus " << k.bonus << " at tick " << k.tick;
    }
}

// The world band, the band behind the level line and the level-done band by
// play state, tick and world names, each seen where only it lies, or where
// the level line's band and the level-done band both lie.
TEST_F(Hud, BandsOfTheIntroAndTheLevelDonePanel)
{
    const struct {
        const char* what;
        int32_t level;
        const char* world0;
        const char* world1;
        uint32_t state;
        int32_t tick;
        bool world_band, intro_band, done_band;
    } cases[] = {
        {"first level with a world", 0, "Juleaften", "", STATE_INTRO, 0, true, true, false},
        {"still at tick 149", 0, "Juleaften", "", STATE_INTRO, 149, true, true, false},
        {"gone at tick 150", 0, "Juleaften", "", STATE_INTRO, 150, false, true, false},
        {"first level without a world", 0, "", "", STATE_INTRO, 0, false, true, false},
        {"next level of the same world", 1, "Alfa", "Alfa", STATE_INTRO, 0, false, true, false},
        {"next level of a new world", 1, "Alfa", "Beta", STATE_INTRO, 0, true, true, false},
        {"a world after levels without one", 1, "", "Beta", STATE_INTRO, 0, true, true, false},
        {"a new world's level in play", 1, "Alfa", "Beta", STATE_PLAYING, 0, false, false, false},
        {"level done before the hero fades", 0, "", "", STATE_LEVEL_DONE, 40, false, false, false},
        {"level done as he fades", 0, "", "", STATE_LEVEL_DONE, 41, false, false, true},
        {"level done long after", 0, "", "", STATE_LEVEL_DONE, 900, false, false, true},
        {"dying", 0, "Juleaften", "", STATE_DYING, 60, false, false, false},
        {"game over", 0, "Juleaften", "", STATE_GAME_OVER, 60, false, false, false},
        {"all levels done", 0, "Juleaften", "", STATE_ALL_DONE, 60, false, false, false},
    };
    textures.band = screen.plain(16, 16, BAND);
    for (const auto& k : cases) {
        snprintf(level_table[0].world, sizeof level_table[0].world, "%s", k.world0);
        snprintf(level_table[1].world, sizeof level_table[1].world, "%s", k.world1);
        play.level = k.level;
        play.state = k.state;
        play.tick = k.tick;
        draw();
        EXPECT_EQ(screen.pixel(10, WORLD_BAND_Y + WORLD_BAND_HEIGHT / 2) == BAND, k.world_band) << k.what;
        EXPECT_EQ(screen.pixel(10, INTRO_BAND_Y + INTRO_BAND_HEIGHT - 10) == BAND, k.intro_band) << k.what;
        EXPECT_EQ(screen.pixel(10, LEVEL_DONE_BAND_Y + 20) == BAND, k.intro_band || k.done_band) << k.what;
    }
}

// Sprites that stick out of the play area go under the frames and bars;
// the icons of the head-up display lie on the bar.
TEST_F(Hud, FramesAndBarsCoverTheFieldAndCarryTheIcons)
{
    textures.side_frame = screen.plain(16, 16, FRAME);
    textures.top_bar = screen.plain(16, 16, FRAME);
    Enemy& left = play.enemies[0];
    left.active = 1;
    left.kind = ENEMY_SNOWMAN;
    left.x = -20.0f;
    left.y = 200.0f;
    Enemy& top = play.enemies[1];
    top.active = 1;
    top.kind = ENEMY_SNOWMAN;
    top.x = 170.0f;  // between the score and the bonus, where no text stands
    top.y = -40.0f;
    play.lives = 2;
    draw();
    EXPECT_EQ(screen.pixel(10, PLAY_AREA_Y + 220), FRAME);
    EXPECT_EQ(screen.sprite_at(30, PLAY_AREA_Y + 220), SPRITE_SNOWMAN) << "the part inside the field shows";
    EXPECT_EQ(screen.pixel(PLAY_AREA_X + 190, 30), FRAME);
    EXPECT_EQ(screen.columns_with(SPRITE_SNOWMAN, 0, PLAY_AREA_Y - 1), 0);
    EXPECT_GT(screen.columns_with(SPRITE_LIFE_ICON, 0, PLAY_AREA_Y - 1), 0);
}

// A name from the player's own file is plain glyph text in the bottom bar.
TEST_F(Hud, OwnLevelNameIsPlainTextInTheBottomBar)
{
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", "Min bane");
    draw();
    EXPECT_EQ(screen.pixel(384, 660), COLOUR_PALE_BLUE);
}

// draw_game only reads: neither the play state nor the level table moves,
// and a frame takes at most five buffers of the text ring, so none is
// reused before its text is drawn.
TEST_F(Hud, DrawingChangesNothingAndTakesAtMostFiveRingBuffers)
{
    snprintf(level_table[0].world, sizeof level_table[0].world, "%s", danish(32));
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", danish(35));
    for (uint32_t state = STATE_INTRO; state <= STATE_ALL_DONE; state++) {
        play.state = state;
        play.tick = 60;
        play.lives = 4;
        play.snowballs_left = 3;
        play.freeze_ticks = 100;
        play.bonus = 900;
        static PlayState before_play;
        static LevelRecord before_levels[2];
        memcpy(&before_play, &play, sizeof play);
        memcpy(before_levels, level_table, sizeof before_levels);
        const int32_t ring = text_ring_index;
        draw();
        EXPECT_EQ(memcmp(&before_play, &play, sizeof play), 0) << "state " << state;
        EXPECT_EQ(memcmp(before_levels, level_table, sizeof before_levels), 0) << "state " << state;
        const int32_t taken = (text_ring_index - ring + TEXT_RING_SIZE) % TEXT_RING_SIZE;
        EXPECT_LE(taken, 5) << "state " << state;
    }
}

// ---- Reference pictures with the game's own art ----

class GoldenHud : public Hud {
protected:
    void SetUp() override
    {
        Hud::SetUp();
        screen.use_game_art();
        for (int c = 0; c < LEVEL_COLS; c++)
            play.cells[LEVEL_ROWS - 1][c] = CELL_STONE;
        play.hero_x = 336.0f;
        play.hero_y = 480.0f;
        play.score = 123450;
        play.bonus = 8640;
        play.lives = 4;
        play.snowballs_left = 4;
    }
    void expect_screen(const char* name)
    {
        draw();
        expect_golden_surface(name, screen.surface);
    }
};

// Score, a low bonus in its red phase, level 2, three spare lives, four
// snowballs and an own level's name.
TEST_F(GoldenHud, HeadUpDisplay)
{
    play.level = 1;
    play.bonus = 850;
    play.tick = 20;
    snprintf(level_table[1].name, sizeof level_table[1].name, "%s", "Prøve");
    expect_screen("hud");
}

TEST_F(GoldenHud, IntroOfANewWorld)
{
    snprintf(level_table[0].world, sizeof level_table[0].world, "%s", danish(32));
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", danish(35));
    play.state = STATE_INTRO;
    play.tick = 60;
    expect_screen("intro-new-world");
}

TEST_F(GoldenHud, LevelDonePanel)
{
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", danish(36));
    play.state = STATE_LEVEL_DONE;
    play.tick = 60;
    expect_screen("level-done");
}

TEST_F(GoldenHud, FrozenEnemiesLine)
{
    snprintf(level_table[0].name, sizeof level_table[0].name, "%s", danish(36));
    play.freeze_ticks = 200;
    Enemy& e = play.enemies[0];
    e.active = 1;
    e.kind = ENEMY_BAT;
    e.x = 336.0f;
    e.y = 0.0f;
    e.dir = 1;
    expect_screen("frozen-line");
}

}  // namespace
