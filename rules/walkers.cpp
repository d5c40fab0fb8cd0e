// The walking enemies: the shared walking movement, the snowman and the
// polar bear with its charge.
#include <cmath>
#include "rules/enemy_moves.h"
#include "sound/sound.h"

// A cell that the ledge probe finds empty; a point outside the play area is
// no ledge, so a walker on the bottom row walks along the grid's edge.
static int ledge_at(float px, float py)
{
    if (px < 0.0f || px >= PLAY_WIDTH || py < 0.0f || py >= PLAY_HEIGHT)
        return 0;
    return cell_open((int)(py / CELL_SIZE), (int)(px / CELL_SIZE));
}

int walker_step(Enemy& e, float speed)
{
    if (!rect_hits_solid(e.x + 10.0f, e.y + CELL_SIZE, e.x + 38.0f, e.y + 49.0f)) {
        e.vy = fminf(e.vy + 0.28f, 6.0f);
        float ny = e.y + e.vy;
        if (rect_hits_solid(e.x + 10.0f, ny + 47.0f, e.x + 38.0f, ny + CELL_SIZE)) {
            e.y = floorf((ny + CELL_SIZE) / CELL_SIZE) * CELL_SIZE - CELL_SIZE;
            e.vy = 0.0f;
        } else {
            e.y = ny;
        }
        return 0;
    }
    float nx = e.x + (float)e.dir * speed;
    int wall = rect_hits_solid(nx + 10.0f, e.y + 4.0f, nx + 38.0f, e.y + 47.0f);
    float px = e.dir > 0 ? nx + 40.0f : nx + 8.0f;
    if (wall || ledge_at(px, e.y + 50.0f)) {
        e.dir = -e.dir;
        return 1;
    }
    e.x = nx;
    return 0;
}

void snowman_step(Enemy& e, float f)
{
    walker_step(e, 1.1f * f);
}

// The bear sees the hero ahead of it, close in height and distance, with
// nothing but empty cells of its own row between them.
static int bear_sees_hero(const Enemy& e)
{
    float hx = play.hero_x, hy = play.hero_y;
    if (fabsf(hy - e.y) > 20.0f)
        return 0;
    float ahead = (float)e.dir * (hx - e.x);
    if (ahead < 0.0f || ahead > 288.0f)
        return 0;
    int bc = (int)((e.x + 24.0f) / CELL_SIZE);
    int hc = (int)((hx + 24.0f) / CELL_SIZE);
    int br = (int)((e.y + 24.0f) / CELL_SIZE);
    if (bc == hc)
        return 1;
    int step = e.dir > 0 ? 1 : -1;
    // A cell outside the grid is never open, so the look always ends.
    for (int c = bc; c != hc; c += step)
        if (!cell_open(br, c))
            return 0;
    return 1;
}

void bear_step(Enemy& e, float f)
{
    if (e.mode == BEAR_WALKING && bear_sees_hero(e)) {
        e.mode = BEAR_CHARGING;
        play_effect(EFFECT_THREAT);
    }
    if (e.mode == BEAR_CHARGING) {
        if (walker_step(e, 3.2f * (0.8f + 0.2f * f)))
            e.mode = BEAR_WALKING;
    } else {
        walker_step(e, 0.9f * f);
    }
}
