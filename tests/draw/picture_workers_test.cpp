// Pictures decoded on worker threads for a window: decoded ahead, they make
// the same textures and log the same failures as pictures decoded on the
// spot; the logo and the glyph sheets follow the first frame, made a strip at
// a time, or at once when something draws them first, and show what
// load_textures' textures show.
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

// What a texture shows over a dark ground, pixel by pixel.
std::vector<Uint32> shown(TestScreen& screen, SDL_Texture* texture)
{
    screen.clear(10, 20, 30);
    int w = 0, h = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
    SDL_Rect to = {0, 0, w, h};
    SDL_RenderCopy(screen.renderer, texture, nullptr, &to);
    screen.flush();
    std::vector<Uint32> pixels;
    for (int y = 0; y < h && y < TestScreen::H; y++)
        for (int x = 0; x < w && x < TestScreen::W; x++)
            pixels.push_back(screen.pixel(x, y));
    return pixels;
}

int log_count = 0;
void count_log_line(void*, int, SDL_LogPriority, const char*)
{
    log_count++;
}

TEST(DecodedAhead, MakesWhatDecodingOnTheSpotMakes)
{
    TestScreen screen;
    ASSERT_NE(screen.renderer, nullptr);
    SDL_LogOutputFunction old_log = nullptr;
    void* old_data = nullptr;
    SDL_LogGetOutputFunction(&old_log, &old_data);
    SDL_LogSetOutputFunction(count_log_line, nullptr);
    const unsigned char noise[] = "not a picture at all";
    struct Case {
        const char* what;
        const unsigned char* bytes;
        int32_t length;
        bool language;
    } cases[] = {
        {"sprite sheet", builtin_pictures[PICTURE_SPRITES].bytes, builtin_pictures[PICTURE_SPRITES].length, false},
        {"background", builtin_pictures[PICTURE_FIRST_BACKGROUND].bytes,
         builtin_pictures[PICTURE_FIRST_BACKGROUND].length, false},
        {"text picture", builtin_pictures[PICTURE_FIRST_LANGUAGE].bytes,
         builtin_pictures[PICTURE_FIRST_LANGUAGE].length, true},
        {"noise", noise, int32_t(sizeof noise), false},
    };
    for (const Case& c : cases) {
        auto make = [&] {
            return c.language ? language_picture_texture(c.bytes, c.length) : texture_from_image(c.bytes, c.length);
        };
        log_count = 0;
        if (c.language)
            decode_language_picture_ahead(c.bytes, c.length);
        else
            decode_picture_ahead(c.bytes, c.length);
        SDL_Texture* ahead = make();
        const int ahead_lines = log_count;
        // The second making finds nothing decoded ahead and decodes itself.
        SDL_Texture* on_the_spot = make();
        EXPECT_EQ(ahead_lines, log_count - ahead_lines) << c.what;
        ASSERT_EQ(ahead == nullptr, on_the_spot == nullptr) << c.what;
        if (ahead) {
            EXPECT_TRUE(shown(screen, ahead) == shown(screen, on_the_spot)) << c.what;
        }
        SDL_DestroyTexture(ahead);
        SDL_DestroyTexture(on_the_spot);
    }
    SDL_LogSetOutputFunction(old_log, old_data);
}

TEST(LaterPictures, FollowTheFirstFrameOrComeAtOnceWhenDrawn)
{
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
