// The title-picture mode: two frames of the title screen written as BMP
// pictures without a window, the help panel at tick 31 and the high-score
// panel at tick 451, both with the invitation showing.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "shell/shell.h"
#include "draw/draw.h"
#include "shell/local.h"

// The same moment of each panel, so that the invitation shows in both.
enum { HELP_TICK = 31, HIGH_SCORES_TICK = TICKS_PER_PANEL + HELP_TICK };

static int32_t save_title(SDL_Renderer* renderer, SDL_Surface* surface, int32_t tick, const char* path)
{
    shell.frame_counter = tick;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    draw_title();
    SDL_RenderPresent(renderer);
    return write_picture(surface, path);
}

// The first picture that cannot be written ends the mode with its name.
int run_title_pictures(const char* file)
{
    SDL_Init(0);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (!renderer)
        return report_unwritable(file);
    load_textures(renderer);
    if (save_title(renderer, surface, HELP_TICK, file) != 0)
        return report_unwritable(file);
    // A name too long for the second path is not cut short: the shortened
    // path could name the first picture or some other file.
    size_t size = strlen(file) + sizeof ".2.bmp";
    char* second = (char*)malloc(size);
    if (!second)
        return report_unwritable(file);
    snprintf(second, size, "%s.2.bmp", file);
    int ok = size <= OUT_PATH_BYTES && save_title(renderer, surface, HIGH_SCORES_TICK, second) == 0;
    int code = ok ? 0 : report_unwritable(second);
    free(second);
    return code;
}
