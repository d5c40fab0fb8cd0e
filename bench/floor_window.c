/* The floor beside which window_figures.sh reports the game's figures: the
 * game's window and renderer (the same size, flags and logical screen) that
 * only clear and present every frame, or with "layer" also draw one blended,
 * linearly filtered picture of twice the screen's size over all of it, as the
 * game's background is drawn. Runs until the window is closed. */
#include <SDL.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv)
{
    int layer = argc > 1 && strcmp(argv[1], "layer") == 0;
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_Window* window = SDL_CreateWindow("Frostova floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 768, 672,
                                          SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer)
        renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer)
        return 1;
    SDL_RenderSetLogicalSize(renderer, 768, 672);
    SDL_Texture* picture = NULL;
    if (layer) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
        const int w = 1536, h = 1344;
        Uint32* pixels = malloc(sizeof(Uint32) * w * h);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                pixels[y * w + x] = 0xff000000u | (Uint32)(x * 7 ^ y * 3) << 8 | (Uint32)(x + y);
        picture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
        SDL_UpdateTexture(picture, NULL, pixels, 4 * w);
        SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_BLEND);
        free(pixels);
    }
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
                SDL_Quit();
                return 0;
            }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        if (picture)
            SDL_RenderCopy(renderer, picture, NULL, NULL);
        SDL_RenderPresent(renderer);
    }
}
