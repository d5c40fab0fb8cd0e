/* Preloaded into the game by window_figures.sh: prints, at the first frame
 * the game presents, the milliseconds since FROSTOVA_LAUNCH_NS (the launch
 * time on CLOCK_REALTIME in nanoseconds), then lets SDL present it. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef struct SDL_Renderer SDL_Renderer;

void SDL_RenderPresent(SDL_Renderer* renderer)
{
    static void (*present)(SDL_Renderer*);
    static int done;
    if (!present)
        present = (void (*)(SDL_Renderer*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    present(renderer);
    if (!done) {
        done = 1;
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        const char* launch = getenv("FROSTOVA_LAUNCH_NS");
        if (launch) {
            double ms = ((double)now.tv_sec * 1e9 + (double)now.tv_nsec - strtod(launch, NULL)) / 1e6;
            fprintf(stderr, "first frame presented after %.1f ms\n", ms);
        }
    }
}
