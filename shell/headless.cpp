// The two windowless modes: the headless test, which plays a number of ticks
// from an input script and writes pictures, sound and a result line, and the
// sound test, which writes three songs as raw samples.
#include "shell/shell.h"
#include "shell/local.h"
#include "levels/levels.h"
#include "rules/rules.h"
#include "sound/sound.h"
#include "draw/draw.h"
#include "scene/scene.h"

#include <cstdio>
#include <cstdlib>

enum {
    SCRIPT_FRAMES = 200000,
    SAMPLES_PER_FRAME = (int)SAMPLE_RATE / TICKS_PER_SECOND,
    TEST_SAMPLES = 600 * SAMPLE_RATE,  // the first ten minutes
};
// The sound test plays the first songs for this many seconds each.
enum { SOUND_TEST_SONGS = 3, SOUND_TEST_SECONDS = 20 };
// Which output failed: a frame's picture, or one of these.
enum { NO_FAILURE = -1, SOUND_OUTPUT = -2 };

static uint32_t script_bits[SCRIPT_FRAMES];
static uint8_t script_snap[SCRIPT_FRAMES];
static int16_t test_samples[TEST_SAMPLES];
static int16_t probe_block[SAMPLE_RATE];

// Lines "frame bits [s]"; a line longer than the buffer is read as several
// pieces, and a piece without two numbers or with a frame out of range is
// ignored.
void parse_script(const char* text, size_t size)
{
    char piece[128];
    size_t at = 0;
    while (next_piece(text, size, &at, piece, sizeof piece)) {
        int frame, bits;
        char mark = 0;
        if (sscanf(piece, "%d %d %c", &frame, &bits, &mark) >= 2 && frame >= 0 && frame < SCRIPT_FRAMES) {
            script_bits[frame] = (uint32_t)bits;
            script_snap[frame] = mark == 's';
        }
    }
}

// A script that cannot be read, or is no regular file, counts as empty.
static void read_script(const char* path)
{
    size_t size = 0;
    char* text = path ? read_whole_file(path, &size) : nullptr;
    if (!text)
        return;
    parse_script(text, size);
    free(text);
}

// Frames past the script tables hold no keys and want no picture.
static uint32_t held_bits(int32_t frame)
{
    return frame >= 0 && frame < SCRIPT_FRAMES ? script_bits[frame] : 0;
}

// The name of an output of the run: the picture of a frame, or the sound for
// SOUND_OUTPUT; snprintf's count.
static int output_name(char* path, size_t size, const char* out_dir, int32_t frame)
{
    if (frame == SOUND_OUTPUT)
        return snprintf(path, size, "%s/lyd.raw", out_dir);
    return snprintf(path, size, "%s/f%05d.bmp", out_dir, frame);
}

// A name that does not fit its buffer is not cut short and used: the cut name
// would be some other file. It counts as an output that cannot be written.
static int32_t save_picture(SDL_Renderer* renderer, SDL_Surface* surface, const char* out_dir, int32_t frame)
{
    char path[OUT_PATH_BYTES];
    int n = output_name(path, sizeof path, out_dir, frame);
    if (!renderer || n < 0 || n >= (int)sizeof path)
        return -1;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    draw_game();
    SDL_RenderPresent(renderer);
    return write_picture(surface, path);
}

static int32_t write_sound(const char* out_dir, int32_t count)
{
    char path[OUT_PATH_BYTES];
    int n = output_name(path, sizeof path, out_dir, SOUND_OUTPUT);
    if (n < 0 || n >= (int)sizeof path)
        return -1;
    return write_output(path, test_samples, (size_t)count * sizeof test_samples[0]);
}

static int report_failed_output(const char* out_dir, int32_t frame)
{
    int n = output_name(nullptr, 0, out_dir, frame);
    char* path = n >= 0 ? (char*)malloc((size_t)n + 1) : nullptr;
    if (path)
        output_name(path, (size_t)n + 1, out_dir, frame);
    int code = report_unwritable(path ? path : out_dir);
    free(path);
    return code;
}

int run_headless_test(int32_t frames, const char* script, const char* out_dir, int32_t start_level)
{
    SDL_Init(0);
    read_script(script);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (renderer)
        load_textures(renderer);

    // A level text without levels has nothing to play: the game is never
    // started and the result line shows the untouched play state. Once an
    // output could not be written no further one is tried (a full disk would
    // only fail again), but play goes on to give its result line.
    int32_t count = 0;
    int32_t failed = NO_FAILURE;
    if (level_count > 0) {
        new_game(start_level);
        for (int32_t f = 0; f < frames; f++) {
            game_step(input_frame(held_bits(f), f > 0 ? held_bits(f - 1) : 0));
            if (count < TEST_SAMPLES) {
                audio_render(test_samples + count, SAMPLES_PER_FRAME);
                count += SAMPLES_PER_FRAME;
            }
            int snap = f < SCRIPT_FRAMES && script_snap[f];
            if ((snap || f == frames - 1) && failed == NO_FAILURE && save_picture(renderer, surface, out_dir, f) != 0)
                failed = f;
        }
    }
    if (failed == NO_FAILURE && write_sound(out_dir, count) != 0)
        failed = SOUND_OUTPUT;

    printf("tilstand %d, bane %d, point %d, liv %d\n", (int)play.state, (int)play.level + 1, (int)play.score,
           (int)play.lives);
    fflush(stdout);
    return failed == NO_FAILURE ? 0 : report_failed_output(out_dir, failed);
}

int run_sound_test(const char* path)
{
    int fd = open_output(path);
    if (fd < 0)
        return report_unwritable(path);
    int ok = 1;
    for (int song = 0; ok && song < SOUND_TEST_SONGS; song++) {
        play_music(song);
        for (int second = 0; ok && second < SOUND_TEST_SECONDS; second++) {
            audio_render(probe_block, SAMPLE_RATE);
            ok = write_all(fd, probe_block, sizeof probe_block) == 0;
        }
    }
    return close_output(fd, path, ok) == 0 ? 0 : report_unwritable(path);
}
