/* Preloaded into the game by window_figures.sh: prints, at the first frame
 * the game presents, the milliseconds since FROSTOVA_LAUNCH_NS (the launch
 * time on CLOCK_REALTIME in nanoseconds), then lets SDL present it; and once
 * the first frame is three seconds old, the longest time between two
 * presented frames since the first. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef struct SDL_Renderer SDL_Renderer;

static double now_ms(void)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return ((double)now.tv_sec * 1e9 + (double)now.tv_nsec) / 1e6;
}

void SDL_RenderPresent(SDL_Renderer* renderer)
{
    static void (*present)(SDL_Renderer*);
    static int frames;
    static double first, last, longest;
    if (!present)
        present = (void (*)(SDL_Renderer*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
    present(renderer);
    double now = now_ms();
    if (frames++ == 0) {
        first = now;
        const char* launch = getenv("FROSTOVA_LAUNCH_NS");
        if (launch)
            fprintf(stderr, "first frame presented after %.1f ms\n", now - strtod(launch, NULL) / 1e6);
    } else if (first > 0) {
        if (now - last > longest)
            longest = now - last;
        if (now - first >= 3000) {
            fprintf(stderr, "longest frame of the first 3 s: %.1f ms\n", longest);
            first = 0;
        }
    }
    last = now;
}
