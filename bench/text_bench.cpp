// Translated texts on the software renderer: a busy screen's worth of
// messages per frame (goal: well under 0.5 ms), and the making of the
// largest text picture's texture, which the language key on the title
// screen waits for (goal: under 100 ms). Both need the text pictures and
// are skipped in a build without them.
#include <benchmark/benchmark.h>
#include <SDL.h>
#include "draw/draw.h"
#include "text/local.h"

#include <string>

namespace {

enum { FIRST_TEXT_PICTURE = 33, LAST_TEXT_PICTURE = 64 };

// Twenty lines of mixed sizes, with numbers and references as the screens
// give them.
void draw_twenty_messages()
{
    const uint32_t white = 0xFFFFFFFF;
    draw_message_fit(0, 384, 0, 1, 1, white, 640);
    draw_message(3, 384, 60, 0, 1, white);
    draw_message(4, 384, 90, 0, 1, white);
    draw_message(5, 384, 120, 0, 1, white);
    draw_message(6, 384, 150, 0, 1, white);
    draw_message(7, 384, 180, 0, 1, white, {msg_ref_text(2)});
    draw_message(8, 384, 210, 1, 1, white);
    draw_message(9, 384, 250, 0, 1, white, {num_text(12)});
    draw_message(10, 384, 280, 1, 1, white);
    draw_message_fit(13, 384, 320, 0, 1, white, 728);
    draw_message(16, 384, 350, 1, 1, white, {num_text(123450)});
    draw_message(17, 384, 390, 0, 1, white);
    draw_message(20, 384, 420, 1, 1, white);
    draw_message_fit(24, 40, 460, 0, 0, white, 120);
    draw_message_fit(25, 300, 460, 0, 0, white, 150);
    draw_message_fit(26, 600, 460, 0, 0, white, 170, {num_text(7)});
    draw_message(26, 384, 490, 1, 1, white, {num_text(7)});
    draw_message(27, 384, 530, 1, 1, white, {level_name_ref(language_table[0].texts[33])});
    draw_message(29, 384, 570, 1, 1, white);
    draw_message_fit(31, 384, 610, 0, 1, white, 440);
}

// Forgets the cached text picture, whose renderer is about to go.
void forget_text_picture()
{
    if (atlas_texture)
        SDL_DestroyTexture(atlas_texture);
    atlas_texture = nullptr;
    atlas_language = -1;
}

void BM_DrawTwentyMessages(benchmark::State& state)
{
    if (!text_languages[LANGUAGE_ENGLISH].atlas_png) {
        state.SkipWithError("this build has no text pictures");
        return;
    }
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(screen);
    if (!renderer) {
        state.SkipWithError(SDL_GetError());
        SDL_FreeSurface(screen);
        return;
    }
    const TextureSet saved = textures;
    load_textures(renderer);
    set_language(LANGUAGE_ENGLISH);
    forget_text_picture();
    // The first frame makes the language's texture; the frames after it find it made.
    draw_twenty_messages();
    for (auto _ : state) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        draw_twenty_messages();
        SDL_RenderFlush(renderer);
    }
    forget_text_picture();
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(screen);
    textures = saved;
}
BENCHMARK(BM_DrawTwentyMessages)->Unit(benchmark::kMicrosecond);

void BM_MakeLargestTextPicture(benchmark::State& state)
{
    int largest = FIRST_TEXT_PICTURE;
    int64_t all = 0;
    for (int n = FIRST_TEXT_PICTURE; n <= LAST_TEXT_PICTURE; n++) {
        all += builtin_pictures[n].length;
        if (builtin_pictures[n].length > builtin_pictures[largest].length)
            largest = n;
    }
    const BuiltinPicture& picture = builtin_pictures[largest];
    if (picture.length <= 0) {
        state.SkipWithError("this build has no text pictures");
        return;
    }
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(screen);
    const TextureSet saved = textures;
    textures.renderer = renderer;
    state.SetLabel("picture " + std::to_string(largest) + ", " + std::to_string(picture.length / 1024) + " KiB; all " +
                   std::to_string(LAST_TEXT_PICTURE - FIRST_TEXT_PICTURE + 1) + ": " + std::to_string(all / 1024) + " KiB");
    for (auto _ : state) {
        SDL_Texture* texture = language_picture_texture(picture.bytes, picture.length);
        if (!texture) {
            state.SkipWithError("the picture does not decode");
            break;
        }
        SDL_DestroyTexture(texture);
    }
    textures = saved;
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(screen);
}
BENCHMARK(BM_MakeLargestTextPicture)->Unit(benchmark::kMillisecond);

}  // namespace
