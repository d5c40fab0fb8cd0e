// The flying enemies: the ghost that drifts to the hero's height and the bat
// that bounces off cells, one axis at a time.
#include <cmath>
#include "rules/enemy_moves.h"

// The box with which ghosts and bats meet cells, at the position (x, y).
static int flyer_hits(float x, float y)
{
    return rect_hits_solid(x + 8.0f, y + 8.0f, x + 40.0f, y + 46.0f);
}

void ghost_step(Enemy& e, float f)
{
    float nx = e.x + (float)e.dir * (1.4f * f);
    if (flyer_hits(nx, e.y))
        e.dir = -e.dir;
    else
        e.x = nx;
    float hy = play.hero_y;
    // Within 2 pixels of the hero's height the drift rests.
    if (fabsf(hy - e.y) > 2.0f) {
        float drift = 0.35f * f;
        float ny = hy > e.y ? e.y + drift : e.y - drift;
        if (!flyer_hits(e.x, ny))
            e.y = ny;
    }
}

void bat_step(Enemy& e, float f)
{
    float b = 1.5f * f;
    float nx = e.x + e.vx * b;
    if (flyer_hits(nx, e.y))
        e.vx = -e.vx;
    else
        e.x = nx;
    float ny = e.y + e.vy * b;
    if (flyer_hits(e.x, ny))
        e.vy = -e.vy;
    else
        e.y = ny;
    e.dir = e.vx > 0.0f ? 1 : -1;
}
