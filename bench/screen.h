// The screen the drawing benchmarks draw on: the software renderer on a
// 768 x 672 surface, made the game's renderer while the benchmark runs.
#pragma once
#include <benchmark/benchmark.h>
#include <SDL.h>
#include "draw/draw.h"
#include "text/local.h"

struct BenchScreen {
    SDL_Surface* surface;
    SDL_Renderer* renderer;
    TextureSet saved;  // the texture set before, put back when the screen goes
};

// Makes the screen with the game's textures on it, the background still to
// decode; false, with the benchmark skipped, when it cannot.
inline bool open_bench_screen(benchmark::State& state, BenchScreen& screen, Uint32 format = SDL_PIXELFORMAT_ARGB8888)
{
    screen.surface = SDL_CreateRGBSurfaceWithFormat(0, 768, 672, 32, format);
    screen.renderer = screen.surface ? SDL_CreateSoftwareRenderer(screen.surface) : nullptr;
    if (!screen.renderer) {
        state.SkipWithError(SDL_GetError());
        SDL_FreeSurface(screen.surface);
        return false;
    }
    screen.saved = textures;
    load_textures(screen.renderer);
    background_theme = -1;
    return true;
}

// Draws one frame per iteration over a black screen.
inline void draw_bench_frames(benchmark::State& state, const BenchScreen& screen, void (*draw)())
{
    for (auto _ : state) {
        SDL_SetRenderDrawColor(screen.renderer, 0, 0, 0, 255);
        SDL_RenderClear(screen.renderer);
        draw();
        SDL_RenderFlush(screen.renderer);
    }
}

// Destroys the screen with every texture made on it, and forgets the cached
// background and text picture, which went with it.
inline void close_bench_screen(BenchScreen& screen)
{
    SDL_DestroyRenderer(screen.renderer);
    SDL_FreeSurface(screen.surface);
    textures = screen.saved;
    background_theme = -1;
    forget_atlas();
}
