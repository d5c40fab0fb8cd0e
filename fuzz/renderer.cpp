// The drawing fuzzers draw into a surface: no window, no video driver.
#include "fuzz/renderer.h"
#include "draw/draw.h"

#include <cstdlib>

void ensure_renderer()
{
    if (textures.renderer)
        return;
    SDL_Init(0);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
    if (!renderer)
        abort();
    load_textures(renderer);
}
