// The interactive main loop: each pass takes the events, reads the
// controller, runs the fixed ticks of 1/60 second that the clock allows and
// draws one frame. A tick advances the application state: title, play or
// high-score name entry.
#include "shell/shell.h"
#include "shell/local.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "sound/sound.h"
#include "draw/draw.h"

#include <cmath>

static const double TICK_SECONDS = 1.0 / (double)TICKS_PER_SECOND;
static const double MAX_CATCH_UP_SECONDS = 0.25;
// The sleep of a pass while the window is not seen.
enum { HIDDEN_SLEEP_MS = 10 };

// How long the end of a game stays on the screen before play is left.
enum { GAME_OVER_TICKS = 181, ALL_DONE_TICKS = 301 };

void start_loop(MainLoop* loop, SDL_Window* window, SDL_Renderer* renderer, uint32_t fullscreen,
                SDL_GameController* controller, uint64_t frequency, uint64_t now)
{
    *loop = MainLoop{};
    loop->window = window;
    loop->renderer = renderer;
    loop->fullscreen = fullscreen;
    loop->controller = controller;
    loop->frequency = frequency ? frequency : 1;
    loop->previous = now;
}

void return_to_title(int32_t tick)
{
    shell.app_mode = APP_TITLE;
    shell.frame_counter = tick;
    if (shell.music_on)
        play_music(SONG_TITLE);
}

// The end of a game: the built-in levels come back after the own levels,
// and a score above some row of the table is asked for a name.
static void leave_play(MainLoop* loop)
{
    shell.high_score_slot = -1;
    if (shell.own_levels_mode) {
        leave_own_levels();
        return_to_title(0);
        return;
    }
    for (int i = 0; i < HIGH_SCORE_ROWS; i++) {
        if (shell.high_scores[i].score < play.score) {
            shell.high_score_slot = i;
            shell.app_mode = APP_NAME_ENTRY;
            shell.typed_name[0] = 0;
            forget_keys(loop);
            SDL_StartTextInput();
            return;
        }
    }
    return_to_title(0);
}

static int game_has_ended(uint32_t confirm)
{
    if (play.state == STATE_GAME_OVER)
        return confirm || play.tick >= GAME_OVER_TICKS;
    if (play.state == STATE_ALL_DONE)
        return confirm || play.tick >= ALL_DONE_TICKS;
    return 0;
}

// The states are taken in turn within one tick: a game started on the title
// plays its first tick at once, while a game that has just ended in name
// entry waits for a confirm of a later tick.
void run_tick(MainLoop* loop)
{
    shell.frame_counter++;
    // A key pressed since the last tick counts as newly pressed whether it
    // is still held, was let go, or was let go and pressed again.
    uint32_t held = loop->held | loop->pressed;
    uint32_t prev = loop->prev & ~loop->pressed;
    uint32_t new_action = (held & INPUT_ACTION) && !(prev & INPUT_ACTION);
    if (shell.app_mode == APP_TITLE && (loop->confirm || new_action)) {
        play_effect(EFFECT_MENU);
        new_game(shell.start_level_index < level_count ? shell.start_level_index : 0);
        shell.app_mode = APP_PLAYING;
        shell.paused = 0;
    }
    if (shell.app_mode == APP_PLAYING && !shell.paused) {
        game_step(input_frame(held, prev));
        if (game_has_ended(loop->confirm)) {
            leave_play(loop);
            return;
        }
    }
    if (shell.app_mode == APP_NAME_ENTRY && loop->confirm)
        end_name_entry(loop);
}

uint32_t window_seen(SDL_Window* window)
{
    const Uint32 flags = SDL_GetWindowFlags(window);
    return (flags & SDL_WINDOW_SHOWN) && !(flags & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED));
}

void run_pass(MainLoop* loop, uint64_t now)
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handle_event(loop, event);
    loop->held = loop->keyboard_bits | poll_controller(loop);

    loop->accumulator += (double)(now - loop->previous) / (double)loop->frequency;
    if (loop->accumulator > MAX_CATCH_UP_SECONDS)
        loop->accumulator = MAX_CATCH_UP_SECONDS;
    loop->previous = now;
    // A confirm and the presses wait for the next tick however many passes
    // run without one, so a display faster than the ticks never loses a key.
    while (loop->accumulator >= TICK_SECONDS) {
        loop->accumulator -= TICK_SECONDS;
        run_tick(loop);
        loop->confirm = 0;
        loop->pressed = 0;
        loop->prev = loop->held;
    }

    // A window nobody can see is neither drawn nor presented; play goes on.
    if (!window_seen(loop->window))
        return;
    draw_frame(loop);
    SDL_RenderPresent(loop->renderer);
}

// A pass before the next tick is due could only draw the same picture
// again. Vertical sync cannot be trusted to hold the loop back: a renderer
// may claim it and return at once, so the loop sleeps out the rest of the
// tick either way; with a display that does wait, the sleep ends before the
// display's next picture and costs nothing.
uint32_t idle_ms(const MainLoop* loop, uint64_t now)
{
    double spent = (double)(now - loop->previous) / (double)loop->frequency;
    double left = TICK_SECONDS - loop->accumulator - spent;
    return left > 0 ? (uint32_t)std::ceil(left * 1000.0) : 0;
}

SDL_GameController* run_main_loop(SDL_Window* window, SDL_Renderer* renderer, uint32_t fullscreen,
                                  SDL_GameController* controller)
{
    static MainLoop loop;
    start_loop(&loop, window, renderer, fullscreen, controller, SDL_GetPerformanceFrequency(),
               SDL_GetPerformanceCounter());
    while (!loop.quit) {
        run_pass(&loop, SDL_GetPerformanceCounter());
        // Unseen, nothing is presented to hold the loop back.
        if (!window_seen(window))
            SDL_Delay(HIDDEN_SLEEP_MS);
        else if (uint32_t ms = idle_ms(&loop, SDL_GetPerformanceCounter()))
            SDL_Delay(ms);
    }
    return loop.controller;
}
