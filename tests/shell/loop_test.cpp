// The main loop's passes run one by one without a real window: events go
// through SDL's own queue under the dummy video driver, the clock is handed
// in (60 counts a second, so one count is one tick), and the frame is drawn
// by the software renderer onto a surface.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>
#include "draw/draw.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "run.h"
#include "shell/local.h"
#include "shell/shell.h"
#include "sound/sound.h"
#include "text/text.h"

namespace {

const char* const two_levels =
    "[bane 1]\nnavn En\nfelter\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n"
    "T.....K.......D\n"
    "[bane 2]\nnavn To\nfelter\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n"
    "D.....K.......T\n";

class Loop : public ::testing::Test {
protected:
    static SDL_Window* window;
    static SDL_Surface* surface;
    static SDL_Renderer* renderer;

    static void SetUpTestSuite()
    {
        // The dummy window never has the focus that controller input needs.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        window = SDL_CreateWindow("Frostova", 0, 0, 768, 672, 0);
        surface = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        load_textures(renderer);
    }
    static void TearDownTestSuite() { SDL_Quit(); }

    TempDir home;
    MainLoop loop{};
    uint64_t now = 1000;

    void SetUp() override
    {
        setenv("HOME", home.path.c_str(), 1);
        init_data_folder();
        for (const char* path : {shell.records_path, shell.own_levels_path, shell.settings_path})
            std::remove(path);
        init_data_folder();
        ASSERT_GT(load_builtin_levels(), 0);
        shell.start_level_index = 0;
        shell.app_mode = APP_TITLE;
        shell.frame_counter = 0;
        shell.paused = 0;
        shell.own_levels_mode = 0;
        shell.music_on = 1;
        shell.high_score_slot = -1;
        shell.typed_name[0] = 0;
        shell.start_button_prev = 0;
        set_language(LANGUAGE_ENGLISH);
        sound_reset();
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        close_controller();
        start_loop(&loop, window, renderer, 0, nullptr, 60, now);
    }
    void TearDown() override { close_controller(); }
    void close_controller()
    {
        if (loop.controller)
            SDL_GameControllerClose(loop.controller);
        loop.controller = nullptr;
    }

    // One pass of the loop that runs exactly `ticks` ticks.
    void pass(int ticks = 1)
    {
        now += ticks;
        run_pass(&loop, now);
    }

    static void key(uint32_t type, SDL_Keycode sym, uint16_t mod = 0, uint8_t repeat = 0)
    {
        SDL_Event e{};
        e.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    static void press(SDL_Keycode sym, uint16_t mod = 0) { key(SDL_KEYDOWN, sym, mod); }
    static void release(SDL_Keycode sym) { key(SDL_KEYUP, sym); }
    static void tap(SDL_Keycode sym, uint16_t mod = 0)
    {
        press(sym, mod);
        release(sym);
    }
    static void type(const char* text)
    {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        strncpy(e.text.text, text, sizeof e.text.text - 1);
        SDL_PushEvent(&e);
    }

    // A game on the title's start level, past nothing yet.
    void start_game()
    {
        tap(SDLK_RETURN);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
    }

    // Play at the end of a game: state and its tick counter as game_step left them.
    void end_of_game(uint32_t state, int32_t tick, int32_t score)
    {
        start_game();
        play.state = state;
        play.tick = tick;
        play.score = score;
    }
};
SDL_Window* Loop::window;
SDL_Surface* Loop::surface;
SDL_Renderer* Loop::renderer;

// Enter, keypad Enter and Start confirm; Alt+Enter and F11 switch full
// screen instead, and a key's repeats do nothing more.
TEST_F(Loop, ConfirmKeysAndFullScreenKeys)
{
    struct Case {
        const char* what;
        SDL_Keycode sym;
        uint16_t mod;
        uint8_t repeat;
        bool starts;
        bool fullscreen;
    } cases[] = {
        {"Enter", SDLK_RETURN, 0, 0, true, false},
        {"keypad Enter", SDLK_KP_ENTER, 0, 0, true, false},
        {"Enter with Shift", SDLK_RETURN, KMOD_LSHIFT, 0, true, false},
        {"Alt+Enter", SDLK_RETURN, KMOD_LALT, 0, false, true},
        {"right Alt+keypad Enter", SDLK_KP_ENTER, KMOD_RALT, 0, false, true},
        {"F11", SDLK_F11, 0, 0, false, true},
        {"Ctrl+F11", SDLK_F11, KMOD_LCTRL, 0, false, true},
        {"a repeat of Enter", SDLK_RETURN, 0, 1, false, false},
        {"P on the title", SDLK_p, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        key(SDL_KEYDOWN, c.sym, c.mod, c.repeat);
        pass();
        EXPECT_EQ(shell.app_mode == APP_PLAYING, c.starts) << c.what;
        EXPECT_EQ(loop.fullscreen != 0, c.fullscreen) << c.what;
        SDL_SetWindowFullscreen(window, 0);
    }
}

// A confirm stays wanted through passes that run no tick (a display faster
// than 60 Hz) and is used up by the first tick that comes.
TEST_F(Loop, ConfirmWaitsForTheNextTickAndActsOnce)
{
    tap(SDLK_RETURN);
    pass(0);
    pass(0);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
    pass(1);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
    EXPECT_EQ(loop.confirm, 0u);
    EXPECT_EQ(play.tick, 1) << "the tick that starts a game also plays its first tick";

    // Used up: reaching game over later does not leave play at once.
    play.state = STATE_GAME_OVER;
    play.tick = 0;
    pass(3);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
}

// A key pressed in a pass without a tick is still held in the next tick;
// holding X starts one game only.
TEST_F(Loop, HeldKeysAcrossPassesAndTheHeldActionKey)
{
    press(SDLK_x);
    pass(0);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
    pass(1);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);

    tap(SDLK_ESCAPE);  // give up, X still held
    pass(1);
    ASSERT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
    pass(30);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << "a held X must not start another game";

    release(SDLK_x);
    pass(1);
    press(SDLK_x);
    pass(1);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
}

// The tick's input comes from the held bits of this tick and the one before.
TEST_F(Loop, InputFrameFromHeldAndPrevious)
{
    struct Case {
        uint32_t held, prev;
        InputFrame want;
    } cases[] = {
        {0, 0, {0, 0, 0, 0, 0, 0, 0}},
        {63, 0, {2, 1, 4, 8, 1, 1, 1}},
        {63, 63, {2, 1, 4, 8, 0, 0, 0}},
        {INPUT_ACTION | INPUT_RIGHT, INPUT_RIGHT, {0, 1, 0, 0, 0, 1, 0}},
        {0, 63, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        InputFrame in = input_frame(c.held, c.prev);
        EXPECT_EQ(std::vector<int>({in.left, in.right, in.up_held, in.down, in.jump_pressed, in.action_pressed,
                                    in.throw_pressed}),
                  std::vector<int>({c.want.left, c.want.right, c.want.up_held, c.want.down, c.want.jump_pressed,
                                    c.want.action_pressed, c.want.throw_pressed}))
            << c.held << " after " << c.prev;
    }
}

TEST_F(Loop, KeysSetAndClearTheirBits)
{
    struct Case {
        SDL_Keycode sym;
        uint32_t bit;
    } cases[] = {
        {SDLK_RIGHT, INPUT_RIGHT}, {SDLK_d, INPUT_RIGHT}, {SDLK_LEFT, INPUT_LEFT}, {SDLK_a, INPUT_LEFT},
        {SDLK_UP, INPUT_UP}, {SDLK_w, INPUT_UP}, {SDLK_DOWN, INPUT_DOWN}, {SDLK_s, INPUT_DOWN},
        {SDLK_k, INPUT_THROW}, {SDLK_z, INPUT_THROW}, {SDLK_j, INPUT_ACTION}, {SDLK_x, INPUT_ACTION},
        {SDLK_SPACE, INPUT_ACTION}, {SDLK_q, 0}, {SDLK_RETURN, 0},
    };
    start_game();
    for (const Case& c : cases) {
        press(c.sym);
        pass(0);
        EXPECT_EQ(loop.held, c.bit) << SDL_GetKeyName(c.sym);
        release(c.sym);
        pass(0);
        EXPECT_EQ(loop.held, 0u) << SDL_GetKeyName(c.sym);
    }
}

// Name entry sees no key releases, so it forgets every key as it begins and
// as it ends: a key held into it or through it moves nothing in the next game.
TEST_F(Loop, NameEntryForgetsTheHeldKeys)
{
    end_of_game(STATE_GAME_OVER, 0, 50000);
    press(SDLK_RIGHT);
    pass(0);
    ASSERT_EQ(loop.held, (uint32_t)INPUT_RIGHT);
    tap(SDLK_RETURN);
    pass();
    ASSERT_EQ(shell.app_mode, (uint32_t)APP_NAME_ENTRY);
    EXPECT_EQ(loop.held, 0u) << "held into name entry";
    release(SDLK_RIGHT);
    press(SDLK_LEFT);
    pass();
    EXPECT_EQ(loop.held, 0u) << "pressed during name entry";

    for (SDL_Keycode end : {SDLK_RETURN, SDLK_ESCAPE}) {
        SetUp();
        end_of_game(STATE_GAME_OVER, 0, 50000);
        press(SDLK_RIGHT);  // held from the game through name entry
        tap(SDLK_RETURN);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_NAME_ENTRY);
        tap(end);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << SDL_GetKeyName(end);
        EXPECT_EQ(loop.held, 0u) << SDL_GetKeyName(end);
        start_game();
        play.state = STATE_PLAYING;
        float x = play.hero_x;
        pass(30);
        EXPECT_EQ(play.hero_x, x) << SDL_GetKeyName(end) << ": Olpi must stand still in the next game";
    }
}

// A key pressed and let go within one pass is a press for the next tick,
// also when it was held at the tick before; held keys and repeats are no new
// presses. Each case toggles the ice block before the hero twenty times.
TEST_F(Loop, ShortTapsReachTheNextTick)
{
    char message[256];
    ASSERT_EQ(parse_levels(walk_level, message, sizeof message), 1);
    start_game();
    play.state = STATE_PLAYING;
    play.tick = 0;
    pass(5);
    const int row = (int)((play.hero_y + 24.0f) / CELL_SIZE);
    const int col = (int)((play.hero_x + 24.0f) / CELL_SIZE) + play.facing;
    const uint8_t empty = play.cells[row][col];
    auto ice = [&] { return play.cells[row][col] != empty; };

    for (int i = 0; i < 20; i++) {
        bool before = ice();
        tap(SDLK_x);
        pass(i % 2 ? 1 : 0);  // the tick may come in a later pass
        pass(1);
        EXPECT_NE(ice(), before) << "tap " << i;
        pass(ACTION_COOLDOWN + 1);
    }

    bool before = ice();
    press(SDLK_x);
    pass(1);
    EXPECT_NE(ice(), before) << "a held key presses once";
    before = ice();
    key(SDL_KEYDOWN, SDLK_x, 0, 1);
    pass(ACTION_COOLDOWN + 1);
    key(SDL_KEYDOWN, SDLK_SPACE);  // the same bit from a second key
    pass(ACTION_COOLDOWN + 1);
    EXPECT_EQ(ice(), before) << "repeats and a second key of a held bit";
    release(SDLK_SPACE);
    tap(SDLK_x);
    pass(1);
    EXPECT_NE(ice(), before) << "let go and pressed again within one pass";

    int32_t balls = play.snowballs_left = 3;
    tap(SDLK_k);
    pass(1);
    EXPECT_EQ(play.snowballs_left, balls - 1) << "a tap throws";
    tap(SDLK_UP);
    pass(1);
    EXPECT_TRUE(play.jump_delay > 0 || play.hero_vy < 0.0f) << "a tap jumps";
}

// Typed text is taken only in name entry and only while the whole of it fits
// into 11 bytes; Backspace takes off one whole UTF-8 character.
TEST_F(Loop, TypedNameLimitAndBackspace)
{
    struct Case {
        const char* what;
        std::string before;
        std::vector<std::string> typed;
        int backspaces;
        std::string after;
    } cases[] = {
        {"3 bytes at 8 bytes", "ABCDEFGH", {"ệ"}, 0, "ABCDEFGHệ"},
        {"3 bytes at 9 bytes", "ABCDEFGHI", {"–"}, 0, "ABCDEFGHI"},
        {"only what the fonts draw", "", {"Ōno山田", "علي", "€😀", "Ψ"}, 0, "ŌnoΨ"},
        {"the drawable rest counts", "ABCDEFGH", {"é山x"}, 0, "ABCDEFGHéx"},
        {"broken bytes", "", {"a\xC3", "\x80" "b"}, 0, "ab"},
        {"a whole text or nothing", "ABCDEFGHI", {"xyz", "Q"}, 0, "ABCDEFGHIQ"},
        {"up to 11", "", {"Olpi", "Kanin", "ab", "c"}, 0, "OlpiKaninab"},
        {"Backspace after Å", "AÅ", {}, 1, "A"},
        {"Backspace after a 3-byte and a 4-byte character", "a€😀", {}, 2, "a"},
        {"Backspace on nothing", "", {}, 1, ""},
        {"Backspace on continuation bytes only", "\x80\x80", {}, 1, "\x80\x80"},
    };
    for (const Case& c : cases) {
        SetUp();
        end_of_game(STATE_GAME_OVER, 0, 50000);
        tap(SDLK_RETURN);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_NAME_ENTRY);
        strcpy(shell.typed_name, c.before.c_str());
        for (const std::string& t : c.typed)
            type(t.c_str());
        for (int i = 0; i < c.backspaces; i++)
            tap(SDLK_BACKSPACE);
        pass(0);
        EXPECT_EQ(std::string(shell.typed_name), c.after) << c.what;
    }

    SetUp();
    type("Ole");
    tap(SDLK_BACKSPACE);
    pass();
    EXPECT_EQ(std::string(shell.typed_name), "") << "text on the title is not taken";
}

// L and Shift+L step through the 32 languages on the title, write the
// setting at once, restart the title's animation and rename the window.
TEST_F(Loop, LanguageKeysWrapAndSaveAtOnce)
{
    struct Case {
        int32_t from;
        uint16_t mod;
        int32_t to;
    } cases[] = {
        {0, KMOD_LSHIFT, 31}, {31, 0, 0}, {5, 0, 6}, {5, KMOD_RSHIFT, 4},
    };
    for (const Case& c : cases) {
        SetUp();
        set_language(c.from);
        shell.frame_counter = 300;
        SDL_SetWindowTitle(window, "-");
        tap(SDLK_l, c.mod);
        pass(0);
        EXPECT_EQ(get_language(), c.to) << c.from;
        EXPECT_EQ(shell.frame_counter, 0) << c.from;
        EXPECT_EQ(read_text(shell.settings_path), std::string("sprog ") + language_code(c.to) + "\n") << c.from;
        EXPECT_EQ(std::string(SDL_GetWindowTitle(window)), current_title()) << c.from;
    }

    SetUp();
    start_game();
    tap(SDLK_l);
    pass(0);
    EXPECT_EQ(get_language(), LANGUAGE_ENGLISH) << "L during play";
    EXPECT_FALSE(file_exists(shell.settings_path));
}

// Escape and SDL's quit end the loop only after the pass: its ticks run and
// its frame is drawn.
TEST_F(Loop, EscapeAndQuitLetThePassFinish)
{
    struct Case {
        const char* what;
        bool quit_event;
        uint32_t mode;
    } cases[] = {
        {"Escape on the title", false, APP_TITLE},
        {"quit event on the title", true, APP_TITLE},
        {"quit event in play", true, APP_PLAYING},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.mode == APP_PLAYING)
            start_game();
        int32_t before = shell.frame_counter;
        SDL_FillRect(surface, nullptr, 0xFFFFFFFF);
        if (c.quit_event) {
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        } else {
            tap(SDLK_ESCAPE);
        }
        pass(3);
        EXPECT_EQ(loop.quit, 1u) << c.what;
        EXPECT_EQ(shell.frame_counter, before + 3) << c.what;
        EXPECT_NE(((uint32_t*)surface->pixels)[0], 0xFFFFFFFFu) << c.what << ": the frame was not drawn";
    }
}

// Escape gives up play at once, paused or not, without name entry.
TEST_F(Loop, EscapeGivesUpPlay)
{
    end_of_game(STATE_PLAYING, 10, 90000);
    tap(SDLK_p);
    pass(0);
    ASSERT_EQ(shell.paused, 1u);
    tap(SDLK_ESCAPE);
    pass(0);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
    EXPECT_EQ(shell.paused, 0u);
    EXPECT_EQ(shell.frame_counter, 0);
    EXPECT_EQ(current_song, SONG_TITLE);
    EXPECT_EQ(shell.high_score_slot, -1);
}

// P pauses play: no tick of play runs and a confirm is thrown away.
TEST_F(Loop, PauseStopsPlay)
{
    end_of_game(STATE_GAME_OVER, 5, 0);
    tap(SDLK_p);
    pass(0);
    ASSERT_EQ(shell.paused, 1u);
    tap(SDLK_RETURN);
    pass(20);
    EXPECT_EQ(play.tick, 5);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
    tap(SDLK_p);
    pass(1);
    EXPECT_EQ(play.tick, 6);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING) << "the confirm given while shell.paused must be gone";
}

// When the end of a game leaves play: by its tick counter or a confirm.
TEST_F(Loop, LeavingPlayAtTheEndOfAGame)
{
    struct Case {
        const char* what;
        uint32_t state;
        int32_t tick;  // before the tick that game_step adds
        bool confirm;
        bool leaves;
    } cases[] = {
        {"game over at 180", STATE_GAME_OVER, 179, false, false},
        {"game over at 181", STATE_GAME_OVER, 180, false, true},
        {"all done at 300", STATE_ALL_DONE, 299, false, false},
        {"all done at 301", STATE_ALL_DONE, 300, false, true},
        {"confirm at game over", STATE_GAME_OVER, 0, true, true},
        {"confirm at all done", STATE_ALL_DONE, 7, true, true},
        {"confirm while playing", STATE_PLAYING, 7, true, false},
    };
    for (const Case& c : cases) {
        SetUp();
        end_of_game(c.state, c.tick, 0);
        if (c.confirm)
            tap(SDLK_RETURN);
        pass(1);
        EXPECT_EQ(shell.app_mode == APP_TITLE, c.leaves) << c.what;
        if (!c.leaves) {
            EXPECT_EQ(play.tick, c.tick + 1) << c.what << ": play must go on";
        }
    }
}

// Only a score strictly above a row's score is asked for a name.
TEST_F(Loop, NameEntryOnlyForAScoreThatBeatsARow)
{
    struct Case {
        int32_t score;
        uint32_t mode;
        int32_t slot;
    } cases[] = {
        {2000, APP_TITLE, -1}, {2001, APP_NAME_ENTRY, 9}, {20000, APP_NAME_ENTRY, 1},
        {20001, APP_NAME_ENTRY, 0}, {0, APP_TITLE, -1},
    };
    for (const Case& c : cases) {
        SetUp();
        end_of_game(STATE_GAME_OVER, 0, c.score);
        tap(SDLK_RETURN);
        pass();
        EXPECT_EQ(shell.app_mode, c.mode) << c.score;
        EXPECT_EQ(shell.high_score_slot, c.slot) << c.score;
    }
}

// Name entry ends with Enter in a tick or with Escape at once; the row is
// written to the high-score file and the title opens on its table.
TEST_F(Loop, NameEntryEndsInTheFile)
{
    for (SDL_Keycode end : {SDLK_RETURN, SDLK_ESCAPE}) {
        SetUp();
        end_of_game(STATE_GAME_OVER, 0, 15000);
        play.level = 4;
        tap(SDLK_RETURN);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_NAME_ENTRY);
        type("Åse");
        tap(end);
        pass(end == SDLK_RETURN ? 1 : 0);
        EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
        EXPECT_EQ(shell.frame_counter, TICKS_PER_PANEL);
        std::string file = read_text(shell.records_path);
        EXPECT_NE(file.find("\n15000 5 Åse\n"), std::string::npos) << file;
    }
}

// With the music off, the end of a game keeps the song play chose last; only
// giving up and the music switched on bring back the title's song.
TEST_F(Loop, MusicSwitchAndTheEndOfAGame)
{
    struct Case {
        const char* what;
        bool music;
        uint32_t state;
        bool give_up;
        int song;  // the song after returning to the title
    } cases[] = {
        {"music on, game over", true, STATE_GAME_OVER, false, SONG_TITLE},
        {"music off, game over", false, STATE_GAME_OVER, false, 3},
        {"music off, give up", false, STATE_PLAYING, true, SONG_TITLE},
    };
    for (const Case& c : cases) {
        SetUp();
        if (!c.music)
            tap(SDLK_m);
        pass(0);
        EXPECT_EQ(shell.music_on, c.music ? 1u : 0u) << c.what;
        if (!c.music) {
            EXPECT_FLOAT_EQ(music_volume, 0.0f) << c.what;
            EXPECT_FLOAT_EQ(music_gain, MUSIC_ON_VOLUME) << c.what << ": the sound fades out, it does not jump";
        }
        end_of_game(c.state, 0, 0);
        play_music(3);
        tap(c.give_up ? SDLK_ESCAPE : SDLK_RETURN);
        pass();
        ASSERT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << c.what;
        EXPECT_EQ(current_song, c.song) << c.what;
    }

    SetUp();
    tap(SDLK_m);
    tap(SDLK_m);
    pass(0);
    EXPECT_EQ(shell.music_on, 1u);
    EXPECT_FLOAT_EQ(music_volume, MUSIC_ON_VOLUME);

    // Switched on again, the music plays the song of the screen.
    struct OnAgain {
        const char* what;
        uint32_t mode;
        int song_before;
        int song;
    } on_again[] = {
        {"title after a silent game over", APP_TITLE, SONG_NONE, SONG_TITLE},
        {"title after the fanfare", APP_TITLE, SONG_ALL_DONE, SONG_TITLE},
        {"play keeps its own song", APP_PLAYING, SONG_SECOND_WORLD, SONG_SECOND_WORLD},
    };
    for (const OnAgain& c : on_again) {
        SetUp();
        tap(SDLK_m);
        pass(0);
        shell.app_mode = c.mode;
        play_music(c.song_before);
        tap(SDLK_m);
        pass(0);
        EXPECT_EQ(current_song, c.song) << c.what;
        EXPECT_FLOAT_EQ(music_volume, MUSIC_ON_VOLUME) << c.what;
    }
}

// The own levels replace the table for one game; afterwards the built-in
// levels are back, also when the program began with a level file.
TEST_F(Loop, OwnLevelsAndTheBuiltInLevelsAfterThem)
{
    struct Case {
        const char* what;
        const char* own;  // null: no own-levels file
        bool plays;
    } cases[] = {
        {"two own levels", two_levels, true},
        {"no file", nullptr, false},
        {"a file without levels", "# nothing\n", false},
    };
    for (const Case& c : cases) {
        SetUp();
        char message[256];
        ASSERT_EQ(parse_levels(walk_level, message, sizeof message), 1);  // as with --baner
        shell.start_level_index = 0;
        if (c.own)
            write_text(shell.own_levels_path, c.own);
        tap(SDLK_e);
        pass();
        EXPECT_EQ(shell.app_mode == APP_PLAYING, c.plays) << c.what;
        EXPECT_EQ(shell.own_levels_mode, c.plays ? 1 : 0) << c.what;
        if (c.plays) {
            EXPECT_EQ(level_count, 2) << c.what;
            EXPECT_EQ(play.level, 0) << c.what;
        }
    }

    // Leaving an own-levels game: by giving up, and by its end even with a
    // score that beats the table.
    for (bool give_up : {true, false}) {
        SetUp();
        char message[256];
        parse_levels(walk_level, message, sizeof message);
        shell.start_level_index = 0;
        write_text(shell.own_levels_path, two_levels);
        tap(SDLK_e);
        pass();
        ASSERT_EQ(shell.own_levels_mode, 1);
        play.state = STATE_GAME_OVER;
        play.score = 99999;
        tap(give_up ? SDLK_ESCAPE : SDLK_RETURN);
        pass();
        EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << give_up;
        EXPECT_EQ(shell.own_levels_mode, 0) << give_up;
        EXPECT_EQ(level_count, 24) << give_up << ": the level file's levels do not come back";
        EXPECT_FALSE(file_exists(shell.records_path)) << give_up;
    }
}

// A start level beyond the table as it now is starts the game at the first level.
TEST_F(Loop, StartLevelBeyondTheTableStartsAtTheFirst)
{
    for (int32_t start : {23, 24}) {
        SetUp();
        shell.start_level_index = start;
        start_game();
        EXPECT_EQ(play.level, start < level_count ? start : 0) << start;
    }
}

// The ticks a pass runs come from the clock, at most 15 however long it stalled.
TEST_F(Loop, TicksPerPassFollowTheClock)
{
    struct Case {
        uint64_t counts;  // at 60 counts a second
        int32_t ticks;
    } cases[] = {{0, 0}, {1, 1}, {14, 14}, {15, 15}, {16, 15}, {600, 15}};
    for (const Case& c : cases) {
        SetUp();
        int32_t before = shell.frame_counter;
        pass((int)c.counts);
        EXPECT_EQ(shell.frame_counter - before, c.ticks) << c.counts;
    }

    // Half a tick now and half a tick later make one tick.
    SetUp();
    start_loop(&loop, window, renderer, 0, nullptr, 120, now);
    pass(1);
    EXPECT_EQ(shell.frame_counter, 0);
    pass(1);
    EXPECT_EQ(shell.frame_counter, 1);
}

// The loop sleeps out the rest of the tick instead of spinning, also on a
// renderer that claims vertical sync: one that claims it and does not wait
// would otherwise run passes as fast as it can draw.
TEST_F(Loop, IdleTimeWithoutVerticalSync)
{
    start_loop(&loop, window, renderer, 0, nullptr, 6000, 0);
    now = 0;
    run_pass(&loop, 50);  // half a tick gathered, no tick run
    EXPECT_EQ(shell.frame_counter, 0);
    EXPECT_EQ(idle_ms(&loop, 50), 9u);   // 8.33 ms left
    EXPECT_EQ(idle_ms(&loop, 80), 4u);   // 3.33 ms after 5 ms of drawing
    EXPECT_EQ(idle_ms(&loop, 200), 0u);  // the tick is already due
}

// The window renderer of SDL's dummy driver claims vertical sync and
// presents at once. Slept out as the loop does, its passes never outrun the
// ticks.
TEST_F(Loop, PassesNeverOutrunTheTicks)
{
    SDL_Renderer* claimed = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    ASSERT_NE(claimed, nullptr) << SDL_GetError();
    SDL_RendererInfo info;
    ASSERT_EQ(SDL_GetRendererInfo(claimed, &info), 0);
    ASSERT_TRUE(info.flags & SDL_RENDERER_PRESENTVSYNC);
    const uint64_t frequency = 60000;  // 1000 counts a tick
    start_loop(&loop, window, claimed, 0, nullptr, frequency, 0);
    uint64_t clock = 0;
    int passes = 0;
    while (clock < 30 * 1000) {  // half a second
        run_pass(&loop, clock);
        passes++;
        clock += 10;  // drawing and presenting take 1/100 of a tick
        clock += idle_ms(&loop, clock) * frequency / 1000;
    }
    EXPECT_LE(passes, 31);
    EXPECT_GE(passes, 15);
    loop.renderer = renderer;
    SDL_DestroyRenderer(claimed);
}

// While the window is hidden the ticks still run but no frame is drawn.
TEST_F(Loop, AHiddenWindowPlaysOnWithoutDrawing)
{
    const Uint32 mark = SDL_MapRGB(surface->format, 1, 2, 3);
    struct Case {
        bool hidden;
        bool drawn;
    } cases[] = {{true, false}, {false, true}};
    for (const Case& c : cases) {
        if (c.hidden)
            SDL_HideWindow(window);
        else
            SDL_ShowWindow(window);
        EXPECT_EQ(window_seen(window), c.hidden ? 0u : 1u);
        SDL_FillRect(surface, nullptr, mark);
        int32_t before = shell.frame_counter;
        pass(3);
        EXPECT_EQ(shell.frame_counter - before, 3) << (c.hidden ? "hidden" : "shown");
        EXPECT_EQ(static_cast<const Uint32*>(surface->pixels)[300 * 768 + 384] != mark, c.drawn)
            << (c.hidden ? "hidden" : "shown");
    }
    EXPECT_EQ(window_seen(nullptr), 0u);
}

// The name-entry cursor shows in ticks 20-39, 60-79 and so on.
TEST_F(Loop, NameEntryCursorPhases)
{
    struct Case {
        int32_t ticks;
        const char* line;
    } cases[] = {{0, "Bo "}, {19, "Bo "}, {20, "Bo_"}, {39, "Bo_"}, {40, "Bo "}, {60, "Bo_"}, {79, "Bo_"}, {80, "Bo "}};
    strcpy(shell.typed_name, "Bo");
    for (const Case& c : cases) {
        shell.frame_counter = c.ticks;
        char line[NAME_LINE_BYTES];
        name_entry_line(line);
        EXPECT_STREQ(line, c.line) << c.ticks;
    }
    strcpy(shell.typed_name, "ÅÅÅÅÅ€");
    shell.frame_counter = 20;
    char line[NAME_LINE_BYTES];
    name_entry_line(line);
    EXPECT_STREQ(line, "ÅÅÅÅÅ€_") << "the longest name keeps its cursor";
}

// A controller made by SDL's virtual joystick driver, its buttons and axes
// numbered as the mapping below names them.
struct VirtualPad {
    int index = -1;
    SDL_Joystick* joystick = nullptr;

    VirtualPad()
    {
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_MAX, 0);
        char guid[64];
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
        std::string mapping = std::string(guid) +
                              ",Test pad,a:b0,b:b1,x:b2,y:b3,back:b4,guide:b5,start:b6,dpup:b11,dpdown:b12,"
                              "dpleft:b13,dpright:b14,leftx:a0,lefty:a1,";
        SDL_GameControllerAddMapping(mapping.c_str());
        joystick = SDL_JoystickOpen(index);
    }
    ~VirtualPad()
    {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(index);
    }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick, b, down); }
    void axis(SDL_GameControllerAxis a, int16_t value) { SDL_JoystickSetVirtualAxis(joystick, a, value); }
};

// The d-pad and the stick beyond 16000 hold the direction bits, A and X the
// action, B and Y the throw; Start gives no bit.
TEST_F(Loop, ControllerButtonsAndStickSetBits)
{
    VirtualPad pad;
    pass(0);
    ASSERT_NE(loop.controller, nullptr) << "the added controller is opened";
    struct Step {
        const char* what;
        int button;  // -1: the stick instead
        int16_t x, y;
        uint32_t bits;
    } steps[] = {
        {"d-pad right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, 0, INPUT_RIGHT},
        {"d-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 0, INPUT_LEFT},
        {"d-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, 0, 0, INPUT_UP},
        {"d-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, 0, INPUT_DOWN},
        {"A", SDL_CONTROLLER_BUTTON_A, 0, 0, INPUT_ACTION},
        {"X", SDL_CONTROLLER_BUTTON_X, 0, 0, INPUT_ACTION},
        {"B", SDL_CONTROLLER_BUTTON_B, 0, 0, INPUT_THROW},
        {"Y", SDL_CONTROLLER_BUTTON_Y, 0, 0, INPUT_THROW},
        {"Start", SDL_CONTROLLER_BUTTON_START, 0, 0, 0},
        {"stick at 16000", -1, 16000, 16000, 0},
        {"stick at -16000", -1, -16000, -16000, 0},
        {"stick right at 16001", -1, 16001, 0, INPUT_RIGHT},
        {"stick left at -16001", -1, -16001, 0, INPUT_LEFT},
        {"stick up at -16001", -1, 0, -16001, INPUT_UP},
        {"stick down at 32767", -1, 0, 32767, INPUT_DOWN},
        {"stick up and left", -1, -32768, -32768, INPUT_UP | INPUT_LEFT},
    };
    start_game();
    for (const Step& s : steps) {
        if (s.button >= 0)
            pad.button((SDL_GameControllerButton)s.button, true);
        else {
            pad.axis(SDL_CONTROLLER_AXIS_LEFTX, s.x);
            pad.axis(SDL_CONTROLLER_AXIS_LEFTY, s.y);
        }
        pass(0);
        EXPECT_EQ(loop.held, s.bits) << s.what;
        if (s.button >= 0)
            pad.button((SDL_GameControllerButton)s.button, false);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
        pass(0);
        EXPECT_EQ(loop.held, 0u) << s.what << " released";
    }

    // The keyboard's bits join the controller's.
    press(SDLK_k);
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pass(0);
    EXPECT_EQ(loop.held, (uint32_t)(INPUT_THROW | INPUT_LEFT));
}

// Start confirms when it goes down, not while it stays down.
TEST_F(Loop, ControllerStartConfirmsOnItsPressOnly)
{
    VirtualPad pad;
    pass(0);
    ASSERT_NE(loop.controller, nullptr);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    pass(0);  // no tick: the confirm waits
    pass(1);
    ASSERT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
    play.state = STATE_GAME_OVER;
    play.tick = 0;
    pass(5);  // Start still down: no new confirm
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_PLAYING);
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    pass(1);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    pass(1);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE) << "a new press of Start leaves the end of the game";
}

// Only one controller is used: a second one plugged in is not opened, and
// its buttons do nothing.
TEST_F(Loop, SecondControllerIsIgnored)
{
    VirtualPad first;
    pass(0);
    SDL_GameController* open = loop.controller;
    ASSERT_NE(open, nullptr);
    VirtualPad second;
    pass(0);
    EXPECT_EQ(loop.controller, open);
    second.button(SDL_CONTROLLER_BUTTON_A, true);
    second.button(SDL_CONTROLLER_BUTTON_START, true);
    pass(1);
    EXPECT_EQ(loop.held, 0u);
    EXPECT_EQ(shell.app_mode, (uint32_t)APP_TITLE);
}

}  // namespace
