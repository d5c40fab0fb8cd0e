// The command line and the filling of the level table.
#include "shell/shell.h"
#include "levels/levels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

Options options = {nullptr, 0, 0, 0, 0, nullptr, ".", nullptr, nullptr};

static const char* const usage_text =
    "Frostova\n\nBrug: %s [--baner fil] [--bane N] [--fuldskaerm] [--skala N] "
    "[--sprog da|sv|nb|fi|is|fo|kl|en|de|es|fr|uk|th|ja|zh|hi|ar]\n";

// strtol's reading, keeping the low 32 bits.
static int32_t number_of(const char* word)
{
    return (int32_t)(uint32_t)(unsigned long)strtol(word, nullptr, 10);
}

int read_command_line(int argc, char** argv)
{
    for (int i = 1; i < argc; i++) {
        const char* word = argv[i];
        if (!strcmp(word, "--fuldskaerm")) {
            options.fullscreen = 1;
            continue;
        }
        if (i + 1 >= argc) {
            printf(usage_text, argv[0]);
            return 0;
        }
        const char* arg = argv[i + 1];
        if (!strcmp(word, "--baner"))
            options.levels_file = arg;
        else if (!strcmp(word, "--bane"))
            options.start_level = (int32_t)((uint32_t)number_of(arg) - 1u);
        else if (!strcmp(word, "--skala"))
            options.scale = number_of(arg);
        else if (!strcmp(word, "--test"))
            options.test_frames = number_of(arg);
        else if (!strcmp(word, "--script"))
            options.script_file = arg;
        else if (!strcmp(word, "--ud"))
            options.out_dir = arg[0] ? arg : ".";  // empty: the current folder, not the root
        else if (!strcmp(word, "--titelbillede"))
            options.title_picture = arg;
        else if (!strcmp(word, "--sprog"))
            options.language = arg;
        else {
            printf(usage_text, argv[0]);
            return 0;
        }
        i++;
    }
    return -1;
}

// The headless test draws on chance (portals) from one fixed seed, so that
// its pictures and result depend only on its arguments and script; 1 is
// where the standard generator starts when it is never seeded.
enum { HEADLESS_SEED = 1 };

int load_levels()
{
    int32_t mode = chosen_mode();
    srand(mode == MODE_HEADLESS_TEST ? (unsigned)HEADLESS_SEED : (unsigned)time(nullptr));
    char* file_text = nullptr;
    const char* text = (const char*)builtin_level_text;
    if (options.levels_file) {
        file_text = read_file(options.levels_file);
        text = file_text;
        if (!text) {
            fprintf(stderr, "Kan ikke læse %s\n", options.levels_file);
            return 1;
        }
    }
    char message[256];
    int count = parse_levels(text, message, sizeof message);
    free(file_text);
    if (count < 0) {
        fprintf(stderr, "Fejl i banerne: %s\n", message);
        // Only the game has a player watching a screen; a box in a batch run
        // would wait for a click that never comes.
        if (mode == MODE_GAME)
            SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Frostova", message, nullptr);
        return 1;
    }
    int32_t n = options.start_level;
    shell.start_level_index = n >= 0 && n < level_count ? n : 0;
    return -1;
}
