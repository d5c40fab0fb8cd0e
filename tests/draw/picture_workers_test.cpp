// Pictures decoded on worker threads for a window: decoded ahead, in turn on
// each worker, they make the same textures and packed pictures and log the
// same failures as pictures decoded on the spot, and each is taken once.
#include <gtest/gtest.h>
#include <SDL.h>
#include <vector>
#include "draw/draw.h"
#include "tests/screen.h"

namespace {

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
    // One worker for the whole pictures, one for the text picture.
    std::vector<PictureAhead> whole, packed;
    for (const Case& c : cases)
        (c.language ? packed : whole).push_back(PictureAhead{{c.bytes, c.length}, c.language});
    decode_pictures_ahead(whole.data(), int32_t(whole.size()));
    decode_pictures_ahead(packed.data(), int32_t(packed.size()));
    for (const Case& c : cases) {
        auto make = [&] {
            if (!c.language)
                return texture_from_image(c.bytes, c.length);
            PackedPicture picture;
            if (!decode_packed_picture(c.bytes, c.length, &picture))
                return (SDL_Texture*)nullptr;
            SDL_Texture* t = packed_rows_texture(picture, 0, picture.h);
            free_packed_picture(&picture);
            return t;
        };
        log_count = 0;
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

}  // namespace
