// The title-picture mode: two frames of the title screen written as BMP
// pictures without a window, the help panel at tick 31 and the high-score
// panel at tick 451, both with the invitation showing.
#include <cstdio>
#include "shell/shell.h"
#include "draw/draw.h"

enum { OUT_PATH_BYTES = 600 };
enum { HELP_TICK = 31, HIGH_SCORES_TICK = 451 };

// A picture that cannot be written is left out; the run goes on.
static void save_title(SDL_Renderer* renderer, SDL_Surface* surface, int32_t tick, const char* path)
{
    frame_counter = tick;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    draw_title();
    SDL_RenderPresent(renderer);
    SDL_RWops* out = SDL_RWFromFile(path, "wb");
    if (out)
        SDL_SaveBMP_RW(surface, out, 1);
}

int run_title_pictures(const char* file)
{
    SDL_Init(0);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (!renderer)
        return 0;
    load_textures(renderer);
    save_title(renderer, surface, HELP_TICK, file);
    // A name too long for the second path is not cut short: the shortened
    // path could name the first picture or some other file.
    char second[OUT_PATH_BYTES];
    int n = snprintf(second, sizeof second, "%s.2.bmp", file);
    if (n >= 0 && n < (int)sizeof second)
        save_title(renderer, surface, HIGH_SCORES_TICK, second);
    return 0;
}
