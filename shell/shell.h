// Game shell: the program entry and command line, the start-up of the four
// modes, the headless test, the sound test and the title pictures, the
// interactive main loop with keyboard and controller, the window names, the
// title screen, and the data folder with the settings, high-score and
// own-levels files.
#pragma once
#include <SDL.h>
#include <cstdint>
#include "rules/rules.h"

// ---- Command line and level loading ----

// The values of the command line; a later occurrence of an option wins.
struct Options {
    const char* levels_file;    // --baner FILE, null: the built-in level set
    int32_t start_level;        // --bane N, stored as N - 1
    uint32_t fullscreen;        // --fuldskaerm
    int32_t scale;              // --skala N, 0: automatic
    int32_t test_frames;        // --test N, 0: no headless test
    const char* script_file;    // --script FILE, null: none
    const char* out_dir;        // --ud DIR, "." by default
    const char* title_picture;  // --titelbillede FILE, null: none
    const char* language;       // --sprog CODE, null: none
};
extern Options options;

// Reads the options from the words of the command line; -1 to go on, else the exit code after the usage text.
int read_command_line(int argc, char** argv);
// Seeds the random generator and fills the level table; -1 to go on, else the exit code after a message.
int load_levels();
// A level file as a new NUL-terminated buffer the caller frees, without a leading byte-order mark; null when it cannot be read.
char* read_file(const char* path);

// ---- Shell state ----

enum { HIGH_SCORE_ROWS = 10, NAME_BYTES = 16, DATA_PATH_BYTES = 1024 };

// The name of a row no player has typed a name for.
constexpr char DEFAULT_HIGH_SCORE_NAME[] = "OLPI";

// One row of the high-score table.
struct HighScore {
    char name[NAME_BYTES];  // NUL-terminated UTF-8, at most 15 bytes
    int32_t score;
    int32_t level;          // level number counted from 1
};

// Application states.
enum { APP_TITLE = 0, APP_PLAYING = 1, APP_NAME_ENTRY = 2 };

// The most bytes a typed name may hold.
enum { TYPED_NAME_LIMIT = 11 };

// The shell's state, shared by the modes, the main loop, the title screen
// and the end of name entry; zero at start where no value is given.
struct ShellState {
    uint32_t app_mode;                       // an application state
    int32_t frame_counter;                   // ticks, read by the title screen and the name-entry cursor
    uint32_t paused;                         // 1 while play is paused
    uint8_t own_levels_mode;                 // 1 while the level table holds the player's own levels
    uint32_t music_on = 1;                   // 1 while the music is wanted
    uint32_t start_button_prev;              // the controller's Start button at the previous poll
    int32_t high_score_slot = -1;            // the row the new score takes, -1 none
    char typed_name[NAME_BYTES];             // the name being typed in name entry
    HighScore high_scores[HIGH_SCORE_ROWS];  // best first
    // The data folder's files; an empty path is never read or written.
    char records_path[DATA_PATH_BYTES];      // the high-score file
    char own_levels_path[DATA_PATH_BYTES];   // the player's own levels
    char settings_path[DATA_PATH_BYTES];     // the settings file
    char settings_language[16];              // the code read from the settings file, empty: none
    SDL_Window* game_window;                 // the game's window, null until the game makes it
    SDL_Renderer* game_renderer;             // the game window's renderer
    int32_t start_level_index;               // the level every mode starts at (from --bane when it names one)
};
extern ShellState shell;

// ---- Data folder and its files ----

// Sets the default high scores, makes the data folder under HOME, builds the paths and reads the high scores.
void init_data_folder();
// Reads the settings file's language code into shell.settings_language; the code, or null when there is none.
const char* load_settings_language();
// Writes the current language's code to the settings file.
void save_settings();
// Reads the own-levels file into the level table; 1 when it holds a level, else 0 with the built-in levels back.
int32_t load_own_levels();
// Puts the typed name and the play score into their row of the table, writes the file and returns to the title.
void finish_name_entry();
// Replaces the file at path by size bytes of data through a temporary file beside it; 0, or -1 with the old file kept.
int32_t write_file_safely(const char* path, const char* data, int32_t size);

// ---- Modes ----

// The four modes, in the order in which the first one asked for wins.
enum { MODE_HEADLESS_TEST, MODE_SOUND_TEST, MODE_TITLE_PICTURES, MODE_GAME };
// The mode the options and the environment ask for.
int32_t chosen_mode();
// Runs start-up after the level table is filled: data folder, language and one mode; the exit code.
int start_modes();
// Plays frames ticks from the script, writing pictures, the sound and the result line; the exit code.
int run_headless_test(int32_t frames, const char* script, const char* out_dir, int32_t start_level);
// Writes 20 seconds of each of songs 0, 1 and 2 to path as raw samples; the exit code.
int run_sound_test(const char* path);
// Writes the title screen at ticks 31 and 451 to file and to file + ".2.bmp" as BMP pictures; the exit code.
int run_title_pictures(const char* file);

// ---- Main loop and window names ----

// Runs the interactive game until the player quits; the controller open at the end, or null.
SDL_GameController* run_main_loop(SDL_Window* window, SDL_Renderer* renderer, uint32_t fullscreen,
                                  SDL_GameController* controller);
// Names the window through SDL and, on X11, as the four UTF-8 window-manager names.
void set_window_title(SDL_Window* window, const char* text);

// ---- Title screen ----

// The ticks each of the title's two panels shows, the help first and then the high scores.
enum { TICKS_PER_PANEL = 7 * TICKS_PER_SECOND };

// Starts decoding the pictures the title draws on worker threads, before the window exists.
void decode_title_pictures_ahead();
// Draws one frame of the title screen from shell.frame_counter, the high scores and the language; changes no state.
void draw_title();
