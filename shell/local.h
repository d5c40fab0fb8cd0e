// Shared inside the shell only.
#pragma once
#include <SDL.h>
#include <cstddef>
#include <cstdint>
#include "rules/rules.h"

// Copies at most 15 bytes of whole UTF-8 characters of a name, leaving out control characters and broken bytes.
void copy_clean_name(char* dst, const char* src);

// The most bytes a file the game reads may hold: far beyond any level, script, settings or high-score file.
enum { READ_LIMIT_BYTES = 64 << 20 };
// The whole regular file as a new NUL-terminated buffer and its size; null when it is too big or cannot be read whole.
char* read_whole_file(const char* path, size_t* size);
// Writes all size bytes of data to fd; 0, or -1 when they could not all be written.
int32_t write_all(int fd, const void* data, size_t size);
// Opens path as an emptied output, never through a link, never waiting, and only a regular file; the descriptor or -1.
int open_output(const char* path);
// Closes an output; one that failed (ok 0, or the close fails) is removed. 0, or -1.
int32_t close_output(int fd, const char* path, int32_t ok);
// The room for the name of an output of the windowless modes, with its terminator; a longer name is never cut short.
enum { OUT_PATH_BYTES = 600 };
// Writes size bytes of data as the whole of the output at path; 0, or -1 with no file left.
int32_t write_output(const char* path, const void* data, size_t size);
// Says on standard error that the output at path could not be written; the exit code that follows.
int report_unwritable(const char* path);
enum { BMP_HEADER_ROOM = 1024 };
// Writes a surface as a BMP picture to the output at path; 0, or -1 with no file left.
int32_t write_picture(SDL_Surface* surface, const char* path);
// The process id in one of write_file_safely's temporary names for the file named base; 0 for any other name.
long temporary_owner(const char* name, const char* base);
// Copies the next piece of text from *at as fgets with piece_size bytes would read it; 0 at the end.
int32_t next_piece(const char* text, size_t size, size_t* at, char* piece, int32_t piece_size);
// Sets the headless test's script tables from the text of a script.
void parse_script(const char* text, size_t size);
// Sets high-score rows from the text of a high-score file, at most one per line.
void parse_high_scores(const char* text, size_t size);
// Sets shell.settings_language from the text of a settings file (the last matching line wins).
void parse_settings(const char* text, size_t size);
// Fills the level table with the built-in levels again; their number.
int32_t load_builtin_levels();
// Brings back the built-in levels when the level table holds the player's own, and leaves own-levels mode.
void leave_own_levels();
// Goes to the title screen with its tick counter at tick, and the title's song when the music is on.
void return_to_title(int32_t tick);

// The main loop's own state, in one record so that its passes can be run
// and looked at one by one.
struct MainLoop {
    SDL_Window* window;
    SDL_Renderer* renderer;
    SDL_GameController* controller;  // the one open controller, or null
    uint32_t fullscreen;             // the window is in desktop full screen
    uint32_t keyboard_bits;          // held bits from the keyboard, kept across passes
    uint32_t held;                   // keyboard and controller bits of this pass
    uint32_t prev;                   // held as the last tick saw it
    uint32_t pressed;                // jump, action and throw keys pressed since the last tick
    uint32_t confirm;                // Enter or Start pressed and no tick has taken it yet
    uint32_t quit;                   // leave the loop after this pass
    double accumulator;              // seconds not yet played, at most 0.25
    uint64_t frequency;              // performance counter ticks per second
    uint64_t previous;               // performance counter at the previous pass
};

// Prepares the loop's record for a window, its renderer and the controller (null: none), clocked from counter now.
void start_loop(MainLoop* loop, SDL_Window* window, SDL_Renderer* renderer, uint32_t fullscreen,
                SDL_GameController* controller, uint64_t frequency, uint64_t now);
// Acts on one event: held keys, confirm, text input and the menu keys.
void handle_event(MainLoop* loop, const SDL_Event& event);
// Forgets every held and pressed key, as name entry begins and ends: its key releases are never seen.
void forget_keys(MainLoop* loop);
// Ends name entry with finish_name_entry, forgetting the keys held through it.
void end_name_entry(MainLoop* loop);
// The open controller's held bits; a new press of Start confirms.
uint32_t poll_controller(MainLoop* loop);
// Advances the application state by one tick.
void run_tick(MainLoop* loop);
// Clears the screen and draws the current application state, without presenting.
void draw_frame(MainLoop* loop);
// Whether the window can be seen: shown, and neither hidden nor minimised.
uint32_t window_seen(SDL_Window* window);
// One pass at performance counter now: events, controller, the ticks due, the frame presented while the window is seen.
void run_pass(MainLoop* loop, uint64_t now);
// Milliseconds to sleep after a pass that ended at counter now: the rest of the tick, whatever vsync claims.
uint32_t idle_ms(const MainLoop* loop, uint64_t now);
enum { NAME_LINE_BYTES = 24 };
// The typed name as name entry shows it, with the cursor "_" in every other 20 ticks.
void name_entry_line(char line[NAME_LINE_BYTES]);
// Removes the last UTF-8 character of a name; an empty name, or one of continuation bytes only, is kept.
void remove_last_character(char* name);
