// Start-up after the level table is filled: the data folder, the language and
// the choice of one mode; for the game, SDL with its window and its names,
// the renderer, textures, audio device and first game controller, then the
// main loop and the shut-down.
#include "shell/shell.h"
#include "draw/draw.h"
#include "sound/sound.h"
#include "text/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

// Blocks from this size up are mapped apart from the heap.
enum { LARGE_BLOCK_BYTES = 1 << 20 };

static int sdl_failure()
{
    fprintf(stderr, "SDL: %s\n", SDL_GetError());
    SDL_Quit();
    return 1;
}

// Drivers that show no window. SDL falls back to one of them when no display
// can be reached, and the game would then run unseen until killed; it takes
// one only when the user named a driver.
static const char* const windowless_drivers[] = {"offscreen", "dummy", "evdev"};

static int shows_no_window(const char* driver)
{
    for (const char* name : windowless_drivers)
        if (driver && !strcmp(driver, name))
            return 1;
    return 0;
}

// A scale below 1 would make a window of no size or less: it means the
// automatic one, like 0.
static int window_scale()
{
    if (options.scale >= 1)
        return options.scale;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.h >= 1444)
        return 2;
    return 1;
}

// Mesa's software rasteriser, which draws where a machine has no graphics
// card, starts a thread per core. For a picture of this size the threads
// cost more in waking and handing tiles to each other than they save: one
// core draws the play screen with its layers a million pixels at a time in a
// few milliseconds. The game asks for a thread per million pixels of the
// desktop, the largest the window can become, unless the player has chosen a
// number (an empty one is none); other drivers do not read it.
enum { PIXELS_PER_RASTER_THREAD = 1000000 };

static void size_software_rasteriser()
{
    const char* chosen = getenv("LP_NUM_THREADS");
    SDL_DisplayMode mode;
    if ((chosen && chosen[0]) || SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return;
    const int64_t pixels = (int64_t)mode.w * mode.h;
    int64_t threads = (pixels + PIXELS_PER_RASTER_THREAD - 1) / PIXELS_PER_RASTER_THREAD;
    if (threads > SDL_GetCPUCount())
        threads = SDL_GetCPUCount();
    if (threads < 1)
        threads = 1;
    char number[24];
    snprintf(number, sizeof number, "%lld", (long long)threads);
    setenv("LP_NUM_THREADS", number, 1);
}

static SDL_GameController* open_first_controller()
{
    for (int i = 0; i < SDL_NumJoysticks(); i++)
        if (SDL_IsGameController(i))
            return SDL_GameControllerOpen(i);
    return nullptr;
}

static int run_game()
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_GAMECONTROLLER) != 0) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    const char* named = getenv("SDL_VIDEODRIVER");
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!(named && named[0]) && shows_no_window(driver)) {
        SDL_SetError("no display to show the window on (the %s video driver shows none); "
                     "name a driver in SDL_VIDEODRIVER to run anyway", driver);
        return sdl_failure();
    }
    // Decoded pictures, megabytes each and made on several threads, go back
    // to the system as soon as they are in their textures, instead of
    // staying in the threads' heaps as the allocator's moving threshold
    // would keep them.
    mallopt(M_MMAP_THRESHOLD, LARGE_BLOCK_BYTES);
    // The title's pictures are decoded while the window and its renderer are
    // made. Not sooner: SDL_Init may start a helper process (a session bus),
    // and a process forked while a worker holds a lock of the allocator
    // could wait on it for ever.
    decode_title_pictures_ahead();
    size_software_rasteriser();
    int64_t scale = window_scale();
    uint32_t flags = SDL_WINDOW_RESIZABLE;
    if (options.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    // A window or renderer that cannot be made (a scale beyond what the
    // platform allows) is a failed start like SDL_Init's; so is a size that
    // a window's 32-bit width and height cannot even hold.
    int64_t width = (int64_t)SCREEN_WIDTH * scale, height = (int64_t)SCREEN_HEIGHT * scale;
    if (width > INT32_MAX || width < INT32_MIN || height > INT32_MAX || height < INT32_MIN) {
        SDL_SetError("a window of %lld x %lld pixels cannot be made", (long long)width, (long long)height);
        return sdl_failure();
    }
    // Made for OpenGL from the start, the window is not made a second time
    // when the accelerated renderer takes it; without OpenGL, as it is.
    const char* name = current_title();
    shell.game_window = SDL_CreateWindow(name, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, (int)width, (int)height,
                                   flags | SDL_WINDOW_OPENGL);
    if (!shell.game_window)
        shell.game_window = SDL_CreateWindow(name, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, (int)width,
                                       (int)height, flags);
    if (!shell.game_window)
        return sdl_failure();
    shell.game_renderer =
        SDL_CreateRenderer(shell.game_window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!shell.game_renderer)
        shell.game_renderer = SDL_CreateRenderer(shell.game_window, -1, 0);
    if (!shell.game_renderer)
        return sdl_failure();
    char title[256];
    snprintf(title, sizeof title, "%s", SDL_GetWindowTitle(shell.game_window));
    set_window_title(shell.game_window, title);
    SDL_RenderSetLogicalSize(shell.game_renderer, SCREEN_WIDTH, SCREEN_HEIGHT);
    load_textures(shell.game_renderer);
    audio_open();
    play_music(SONG_TITLE);
    SDL_GameController* controller = open_first_controller();

    controller = run_main_loop(shell.game_window, shell.game_renderer, options.fullscreen, controller);
    if (controller)
        SDL_GameControllerClose(controller);
    SDL_Quit();
    return 0;
}

int32_t chosen_mode()
{
    if (options.test_frames != 0)
        return MODE_HEADLESS_TEST;
    if (getenv("OLPI_LYDPROEVE"))
        return MODE_SOUND_TEST;
    if (options.title_picture)
        return MODE_TITLE_PICTURES;
    return MODE_GAME;
}

int start_modes()
{
    init_data_folder();
    const char* code = options.language ? options.language : load_settings_language();
    choose_language(code);

    switch (chosen_mode()) {
    case MODE_HEADLESS_TEST:
        return run_headless_test(options.test_frames, options.script_file, options.out_dir, shell.start_level_index);
    case MODE_SOUND_TEST:
        return run_sound_test(getenv("OLPI_LYDPROEVE"));
    case MODE_TITLE_PICTURES:
        return run_title_pictures(options.title_picture);
    default:
        return run_game();
    }
}
