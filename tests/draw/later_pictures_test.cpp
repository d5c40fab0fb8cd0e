// A window's first textures: the logo and the glyph sheets follow the first
// frame, made a strip at a time, or at once when something draws them first;
// either way they show what load_textures' textures show.
#include <gtest/gtest.h>
#include <SDL.h>
#include <vector>
#include "draw/draw.h"
#include "tests/screen.h"

namespace {

void draw_late_pictures()
{
    draw_text("Olpi 123", 10, 10, FONT_BIG, ALIGN_LEFT, COLOUR_WHITE);
    draw_text("Olpi 123", 10, 80, FONT_SMALL, ALIGN_LEFT, COLOUR_GOLD);
    draw_logo(SCREEN_MIDDLE, 200);
}

std::vector<uint32_t> pixels_of(TestScreen& screen)
{
    screen.flush();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < TestScreen::H; y++)
        for (int x = 0; x < TestScreen::W; x++)
            pixels.push_back(screen.pixel(x, y));
    return pixels;
}

TEST(LaterPictures, FollowTheFirstFrameOrComeAtOnceWhenDrawn)
{
    for (int n : {6, 31, 32})
        if (builtin_pictures[n].length == 0)
            GTEST_SKIP() << "this build lacks picture " << n;
    std::vector<uint32_t> late, made_at_start;
    {
        TestScreen screen;
        ASSERT_NE(screen.renderer, nullptr);
        load_first_textures(screen.renderer);
        EXPECT_NE(textures.sprites, nullptr);
        EXPECT_NE(textures.band, nullptr);
        EXPECT_EQ(textures.logo, nullptr);
        EXPECT_EQ(textures.font_small, nullptr);
        EXPECT_EQ(textures.font_big, nullptr);

        // Big glyph text before its sheet is there waits for it.
        draw_text("Olpi", 10, 10, FONT_BIG, ALIGN_LEFT, COLOUR_WHITE);
        EXPECT_NE(textures.font_big, nullptr);

        int steps = 0;
        while ((!textures.logo || !textures.font_small) && steps < 100000) {
            make_later_textures();
            steps++;
            SDL_Delay(textures.logo ? 0 : 1);
        }
        ASSERT_NE(textures.logo, nullptr);
        ASSERT_NE(textures.font_small, nullptr);
        EXPECT_GE(steps, 1 + 448 / 128) << "the small sheet comes in strips";
        screen.clear();
        draw_late_pictures();
        late = pixels_of(screen);
    }
    {
        TestScreen screen;
        load_textures(screen.renderer);
        screen.clear();
        draw_late_pictures();
        made_at_start = pixels_of(screen);
    }
    EXPECT_TRUE(late == made_at_start);
}

}  // namespace
