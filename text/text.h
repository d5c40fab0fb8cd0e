// Texts: the 32 languages with their 118 messages, the choice of language,
// message references and the ring of short formatted strings.
#pragma once
#include <cstdint>
#include <initializer_list>

enum { LANGUAGE_COUNT = 32, MESSAGE_COUNT = 118, TEXT_RING_SIZE = 16, TEXT_RING_BYTES = 128 };
// Danish is the levels' own language: its texts of the built-in names are the names the level files hold.
enum { LANGUAGE_DANISH = 0, LANGUAGE_ENGLISH = 5 };

// The messages the game draws, by number.
enum {
    MSG_TITLE = 0,
    MSG_BANNER = 1,
    MSG_LANGUAGE_NAME = 2,
    MSG_GOAL = 3,
    MSG_KEYS_FIRST = 4,  // three lines of keys, 4 to 6
    MSG_LANGUAGE_KEY = 7,
    MSG_BEST_PLAYERS = 8,
    MSG_ROW_LEVEL = 9,
    MSG_PRESS_ENTER = 10,
    MSG_OWN_LEVELS = 11,
    MSG_CREDIT = 13,
    MSG_ALL_LEVELS_DONE = 14,  // heads the name entry
    MSG_NEW_HIGH_SCORE = 15,
    MSG_POINTS = 16,
    MSG_TYPE_NAME = 17,
    MSG_PAUSED = 20,
    MSG_GAME_OVER = 21,
    MSG_CONGRATULATIONS = 22,
    MSG_ALL_KEYS_FOUND = 23,
    MSG_SCORE = 24,
    MSG_BONUS = 25,
    MSG_LEVEL_NUMBER = 26,
    MSG_WORLD = 27,
    MSG_READY = 28,
    MSG_LEVEL_DONE = 29,
    MSG_BONUS_ADDED = 30,
    MSG_FROZEN = 31,
    MSG_FIRST_BUILTIN_NAME = 32,  // the built-in world and level names, 32 to 58
    MSG_LAST_BUILTIN_NAME = 58,
};

// One language: its code, its direction, its text picture and its texts.
struct LanguageInfo {
    const char* code;           // as in the settings file, e.g. "pt_BR"
    uint32_t rtl;               // 1 for a right-to-left language
    const uint8_t* atlas_png;   // the text picture, a PNG file
    uint64_t atlas_size;        // its length in bytes
    const int16_t* runs;        // run lists of the text picture
    const uint16_t* run_index;  // where each message's small and big run lists begin
    const int16_t* rects;       // piece rectangles: x, y, w, h, baseline
    const char* const* texts;   // the 118 UTF-8 texts
};

// The languages in their fixed order; the index is the language number.
extern const LanguageInfo language_table[LANGUAGE_COUNT];

// The UTF-8 texts of every language, read from data/lang/<code>.txt.
extern const char* const language_texts[LANGUAGE_COUNT][MESSAGE_COUNT];

extern int32_t current_language;  // 0..31, English until the choice at start-up
extern uint32_t locale_banner;    // 1 when the player's locale is Russian

// The code of language index (0..31).
const char* language_code(int32_t index);

// The current language.
int32_t get_language();

// Makes index the current language when it is 0..31; otherwise changes nothing.
void set_language(int32_t index);

// The locale banner flag, 0 or 1.
uint32_t locale_banner_flag();

// The language a locale string names, or -1; a Russian locale sets the banner flag.
int32_t find_language(const char* locale);

// Chooses the language at start-up from a code (or null), the desktop's locales and the environment.
void choose_language(const char* code);

// The 16 rotating buffers of short formatted strings, and the one used last.
extern char text_ring[TEXT_RING_SIZE][TEXT_RING_BYTES];
extern int32_t text_ring_index;

// n in decimal, in the next ring buffer.
char* num_text(int32_t n);

// The first byte of a message reference, which no text begins with; the message's number follows in decimal.
constexpr char MESSAGE_REF_MARK = '\x01';

// The message reference to message n, in the next ring buffer.
char* msg_ref_text(int32_t n);
// The message number a reference (MESSAGE_REF_MARK and a number) names, or -1 when it is not 0..117.
int32_t read_message_ref(const char* ref);

// Message 0 of the current language: the game's title.
const char* current_title();

// The message reference of a built-in level or world name, else name itself.
const char* level_name_ref(const char* name);

// Message n (0..117) in the current language, or in English where the glyph fonts lack a character.
const char* message_text(int32_t n);

// ---- Translated-text drawing ----
// Messages are drawn from the current language's text picture; placeholders
// {1}..{4} take the arguments (plain text in the glyph font, or a message
// reference drawn as that message). Arguments travel with their count, so a
// placeholder nobody filled is empty, never a stray read. big: 0 small, else
// big; align: 1 centred on x, 2 right end at x, anything else left end at x.

// One laid-out piece of a message line.
struct LayoutItem {
    int32_t piece;        // rectangle index in the text picture, -1 when no piece
    const char* text;     // a plain-text argument, else null
    int32_t message;      // a nested message reference, else -1
    float width;          // advance in screen pixels before fitting
};
enum { LAYOUT_ITEMS = 16, MESSAGE_ARGS = 4 };

// Draws message id with its top at y, shrunk to max_width when wider (no limit when 0 or less); the width drawn.
int32_t draw_message_v(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour, int32_t max_width,
                       const char* const* args, int32_t arg_count);
// draw_message_v with the arguments given in braces, fitted to max_width.
int32_t draw_message_fit(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour, int32_t max_width,
                         std::initializer_list<const char*> args = {});
// draw_message_v with the arguments given in braces, fitted to the screen's 736.
int32_t draw_message(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour,
                     std::initializer_list<const char*> args = {});
// Draws a level or world name: a message reference as that message, anything else in the glyph font.
void draw_name(const char* name, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour);
// draw_name shrunk to max_width when wider, the glyph text as a message would be.
void draw_name_fit(const char* name, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour,
                   int32_t max_width);
// Lays message id out into at most 16 items; their count, with the total width and the picture scale.
int32_t layout_message(int32_t id, int32_t big, const char* const* args, int32_t arg_count, LayoutItem items[LAYOUT_ITEMS],
                       float* total_width, float* scale);
// Draws the laid-out message from left x (already aligned) at line top y, every size times fit.
void draw_message_runs(int32_t id, int32_t big, uint32_t colour, const char* const* args, int32_t arg_count, float x, float y,
                       float fit);
