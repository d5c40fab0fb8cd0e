// Translated texts on the software renderer: a busy screen's worth of
// messages per frame (goal: well under 0.5 ms), and the making of the
// largest text picture's texture, which the language key on the title
// screen waits for (goal: 80 ms or less). Both need the text pictures and
// are skipped in a build without them.
#include <benchmark/benchmark.h>
#include <SDL.h>
#include "draw/draw.h"
#include "text/local.h"
#include "bench/screen.h"

#include <string>

namespace {

// Twenty lines of mixed sizes, with numbers and references as the screens
// give them.
void draw_twenty_messages()
{
    const uint32_t white = COLOUR_WHITE;
    const char* const world = language_table[LANGUAGE_DANISH].texts[MSG_FIRST_BUILTIN_NAME + 1];
    draw_message_fit(MSG_TITLE, 384, 0, FONT_BIG, ALIGN_CENTRE, white, 640);
    draw_message(MSG_GOAL, 384, 60, FONT_SMALL, ALIGN_CENTRE, white);
    for (int32_t i = 0; i < 3; i++)
        draw_message(MSG_KEYS_FIRST + i, 384, 90 + 30 * i, FONT_SMALL, ALIGN_CENTRE, white);
    draw_message(MSG_LANGUAGE_KEY, 384, 180, FONT_SMALL, ALIGN_CENTRE, white, {msg_ref_text(MSG_LANGUAGE_NAME)});
    draw_message(MSG_BEST_PLAYERS, 384, 210, FONT_BIG, ALIGN_CENTRE, white);
    draw_message(MSG_ROW_LEVEL, 384, 250, FONT_SMALL, ALIGN_CENTRE, white, {num_text(12)});
    draw_message(MSG_PRESS_ENTER, 384, 280, FONT_BIG, ALIGN_CENTRE, white);
    draw_message_fit(MSG_CREDIT, 384, 320, FONT_SMALL, ALIGN_CENTRE, white, 728);
    draw_message(MSG_POINTS, 384, 350, FONT_BIG, ALIGN_CENTRE, white, {num_text(123450)});
    draw_message(MSG_TYPE_NAME, 384, 390, FONT_SMALL, ALIGN_CENTRE, white);
    draw_message(MSG_PAUSED, 384, 420, FONT_BIG, ALIGN_CENTRE, white);
    draw_message_fit(MSG_SCORE, 40, 460, FONT_SMALL, ALIGN_LEFT, white, 120);
    draw_message_fit(MSG_BONUS, 300, 460, FONT_SMALL, ALIGN_LEFT, white, 150);
    draw_message_fit(MSG_LEVEL_NUMBER, 600, 460, FONT_SMALL, ALIGN_LEFT, white, 170, {num_text(7)});
    draw_message(MSG_LEVEL_NUMBER, 384, 490, FONT_BIG, ALIGN_CENTRE, white, {num_text(7)});
    draw_message(MSG_WORLD, 384, 530, FONT_BIG, ALIGN_CENTRE, white, {level_name_ref(world)});
    draw_message(MSG_LEVEL_DONE, 384, 570, FONT_BIG, ALIGN_CENTRE, white);
    draw_message_fit(MSG_FROZEN, 384, 610, FONT_SMALL, ALIGN_CENTRE, white, 440);
}

void BM_DrawTwentyMessages(benchmark::State& state)
{
    if (!text_languages[LANGUAGE_ENGLISH].atlas_png) {
        state.SkipWithError("this build has no text pictures");
        return;
    }
    BenchScreen screen;
    if (!open_bench_screen(state, screen))
        return;
    set_language(LANGUAGE_ENGLISH);
    // The first frame makes the language's texture; the frames after it find it made.
    draw_twenty_messages();
    draw_bench_frames(state, screen, draw_twenty_messages);
    close_bench_screen(screen);
}
BENCHMARK(BM_DrawTwentyMessages)->Unit(benchmark::kMicrosecond);

void BM_MakeLargestTextPicture(benchmark::State& state)
{
    int largest = PICTURE_FIRST_LANGUAGE;
    int64_t all = 0;
    for (int n = PICTURE_FIRST_LANGUAGE; n < PICTURE_COUNT; n++) {
        all += builtin_pictures[n].length;
        if (builtin_pictures[n].length > builtin_pictures[largest].length)
            largest = n;
    }
    const BuiltinPicture& picture = builtin_pictures[largest];
    if (picture.length <= 0) {
        state.SkipWithError("this build has no text pictures");
        return;
    }
    BenchScreen screen;
    if (!open_bench_screen(state, screen))
        return;
    state.SetLabel("picture " + std::to_string(largest) + ", " + std::to_string(picture.length / 1024) + " KiB; all " +
                   std::to_string(PICTURE_COUNT - PICTURE_FIRST_LANGUAGE) + ": " + std::to_string(all / 1024) + " KiB");
    // What changing to the language costs before its title shows: its
    // picture decoded and packed, and the bands of the title's texts made.
    const int32_t saved_language = get_language();
    set_language(largest - PICTURE_FIRST_LANGUAGE);
    for (auto _ : state) {
        drop_atlas();
        for (int32_t id = MSG_TITLE; id <= MSG_CREDIT; id++)
            draw_message(id, SCREEN_MIDDLE, 10, id == MSG_TITLE ? FONT_BIG : FONT_SMALL, ALIGN_CENTRE, COLOUR_WHITE);
        if (!atlas.banded.picture.runs) {
            state.SkipWithError("the picture does not decode");
            break;
        }
    }
    set_language(saved_language);
    close_bench_screen(screen);
}
BENCHMARK(BM_MakeLargestTextPicture)->Unit(benchmark::kMillisecond);

}  // namespace
