// Keyboard and controller: the held-key bits, the confirm, the typed name and
// the keys of the menus, each acted on as its event arrives.
#include "shell/shell.h"
#include "shell/local.h"
#include "draw/draw.h"
#include "sound/sound.h"
#include "text/text.h"

#include <cstdio>
#include <cstring>

// A stick counts as pushed beyond this far from its centre.
enum { STICK_THRESHOLD = 16000 };

// The bits whose new press counts, not only their holding.
static const uint32_t PRESS_BITS = INPUT_UP | INPUT_ACTION | INPUT_THROW;

// The held-key bit of a key, 0 for a key that holds none.
static uint32_t key_bit(SDL_Keycode key)
{
    switch (key) {
    case SDLK_RIGHT: case SDLK_d: return INPUT_RIGHT;
    case SDLK_LEFT: case SDLK_a: return INPUT_LEFT;
    case SDLK_UP: case SDLK_w: return INPUT_UP;
    case SDLK_DOWN: case SDLK_s: return INPUT_DOWN;
    case SDLK_k: case SDLK_z: return INPUT_THROW;
    case SDLK_j: case SDLK_x: case SDLK_SPACE: return INPUT_ACTION;
    default: return 0;
    }
}

void remove_last_character(char* name)
{
    int n = (int)strlen(name);
    while (n > 0 && ((unsigned char)name[n - 1] & 0xC0) == 0x80)
        n--;
    if (n > 0)
        name[n - 1] = 0;
}

static void toggle_fullscreen(MainLoop* loop)
{
    SDL_SetWindowFullscreen(loop->window, loop->fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    loop->fullscreen = !loop->fullscreen;
}

// The music fades rather than jumps, which would click. Switched on, it plays
// the song of the screen: play keeps its own song sounding even while the
// music is off, but the title may have been reached in silence.
static void toggle_music()
{
    shell.music_on = !shell.music_on;
    fade_music(shell.music_on ? MUSIC_ON_PERCENT : 0);
    if (shell.music_on && shell.app_mode == APP_TITLE)
        play_music(SONG_TITLE);
}

static void step_language(MainLoop* loop, int backwards)
{
    set_language((get_language() + (backwards ? LANGUAGE_COUNT - 1 : 1)) % LANGUAGE_COUNT);
    save_settings();
    play_effect(EFFECT_MENU);
    shell.frame_counter = 0;
    char title[256];
    snprintf(title, sizeof title, "%s", current_title());
    set_window_title(loop->window, title);
}

static void play_own_levels()
{
    if (!load_own_levels())
        return;
    shell.own_levels_mode = 1;
    play_effect(EFFECT_MENU);
    new_game(0);
    shell.app_mode = APP_PLAYING;
    shell.paused = 0;
}

static void give_up()
{
    leave_own_levels();
    return_to_title(0);
    // Play's song gives way to the title's even while the music is off.
    play_music(SONG_TITLE);
    shell.paused = 0;
}

void forget_keys(MainLoop* loop)
{
    loop->keyboard_bits = 0;
    loop->held = 0;
    loop->pressed = 0;
}

void end_name_entry(MainLoop* loop)
{
    finish_name_entry();
    forget_keys(loop);
}

// Only what the glyph fonts can draw is typed, so that a name is shown and
// kept just as the player saw it while typing; the rest of the text stays.
static void append_text(const char* text)
{
    char add[SDL_TEXTINPUTEVENT_TEXT_SIZE];
    size_t n = 0;
    for (const unsigned char* p = (const unsigned char*)text; *p;) {
        Utf8Char u = utf8_read(p);
        if (u.length == 0) {
            p++;
            continue;
        }
        if (u.well_formed && glyph_codes[find_glyph(u.code)] == u.code && n + u.length < sizeof add) {
            memcpy(add + n, p, u.length);
            n += u.length;
        }
        p += u.length;
    }
    add[n] = 0;
    size_t have = strlen(shell.typed_name);
    if (n > 0 && have + n <= TYPED_NAME_LIMIT)
        memcpy(shell.typed_name + have, add, n + 1);
}

static void key_pressed(MainLoop* loop, const SDL_Keysym& key)
{
    switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        if (key.mod & KMOD_ALT)
            toggle_fullscreen(loop);
        else
            loop->confirm = 1;
        break;
    case SDLK_F11:
        toggle_fullscreen(loop);
        break;
    case SDLK_BACKSPACE:
        if (shell.app_mode == APP_NAME_ENTRY)
            remove_last_character(shell.typed_name);
        break;
    case SDLK_p:
        if (shell.app_mode == APP_PLAYING)
            shell.paused = !shell.paused;
        break;
    case SDLK_m:
        if (shell.app_mode != APP_NAME_ENTRY)
            toggle_music();
        break;
    case SDLK_l:
        if (shell.app_mode == APP_TITLE)
            step_language(loop, (key.mod & KMOD_SHIFT) != 0);
        break;
    case SDLK_e:
        if (shell.app_mode == APP_TITLE)
            play_own_levels();
        break;
    case SDLK_ESCAPE:
        if (shell.app_mode == APP_PLAYING)
            give_up();
        else if (shell.app_mode == APP_NAME_ENTRY)
            end_name_entry(loop);
        else
            loop->quit = 1;
        break;
    default:
        break;
    }
}

void handle_event(MainLoop* loop, const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        loop->quit = 1;
        break;
    case SDL_CONTROLLERDEVICEADDED:
        if (!loop->controller)
            loop->controller = SDL_GameControllerOpen(event.cdevice.which);
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        // What was drawn into target textures is gone.
        forget_layer_copies();
        break;
    case SDL_TEXTINPUT:
        if (shell.app_mode == APP_NAME_ENTRY)
            append_text(event.text.text);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        uint32_t bit = key_bit(event.key.keysym.sym);
        if (bit && shell.app_mode != APP_NAME_ENTRY) {
            if (event.type == SDL_KEYDOWN) {
                // A new press is kept for the next tick even when its key
                // is let go again before that tick comes.
                if (!(loop->keyboard_bits & bit))
                    loop->pressed |= bit & PRESS_BITS;
                loop->keyboard_bits |= bit;
            } else {
                loop->keyboard_bits &= ~bit;
            }
        }
        if (event.type == SDL_KEYDOWN && !event.key.repeat)
            key_pressed(loop, event.key.keysym);
        break;
    }
    default:
        break;
    }
}

static int button(SDL_GameController* c, SDL_GameControllerButton b)
{
    return SDL_GameControllerGetButton(c, b) != 0;
}

uint32_t poll_controller(MainLoop* loop)
{
    SDL_GameController* c = loop->controller;
    if (!c)
        return 0;
    int x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    int y = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    uint32_t bits = 0;
    if (button(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || x > STICK_THRESHOLD)
        bits |= INPUT_RIGHT;
    if (button(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) || x < -STICK_THRESHOLD)
        bits |= INPUT_LEFT;
    if (button(c, SDL_CONTROLLER_BUTTON_DPAD_UP) || y < -STICK_THRESHOLD)
        bits |= INPUT_UP;
    if (button(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN) || y > STICK_THRESHOLD)
        bits |= INPUT_DOWN;
    if (button(c, SDL_CONTROLLER_BUTTON_B) || button(c, SDL_CONTROLLER_BUTTON_Y))
        bits |= INPUT_THROW;
    if (button(c, SDL_CONTROLLER_BUTTON_A) || button(c, SDL_CONTROLLER_BUTTON_X))
        bits |= INPUT_ACTION;
    uint32_t start = button(c, SDL_CONTROLLER_BUTTON_START);
    if (start && !shell.start_button_prev)
        loop->confirm = 1;
    shell.start_button_prev = start;
    return bits;
}
