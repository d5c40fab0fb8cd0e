// The icicle: hangs until the hero passes below with nothing between, shakes
// for half a second, falls and shatters on the first cell it meets.
#include <cmath>
#include "rules/enemy_moves.h"
#include "sound/sound.h"

// The hero is below, close across, and the cells between them are empty.
static int icicle_sees_hero(const Enemy& e)
{
    float hx = play.hero_x, hy = play.hero_y;
    if (fabsf((hx + 24.0f) - (e.x + 24.0f)) >= 26.0f || !(hy > e.y))
        return 0;
    int ir = (int)((e.y + 24.0f) / CELL_SIZE);
    int hr = (int)((hy + 24.0f) / CELL_SIZE);
    int ic = (int)((e.x + 24.0f) / CELL_SIZE);
    for (int r = ir + 1; r < hr; r++)
        if (!cell_open(r, ic))
            return 0;
    return 1;
}

void icicle_step(Enemy& e)
{
    if (e.mode == ICICLE_HANGING) {
        if (icicle_sees_hero(e)) {
            e.mode = ICICLE_SHAKING;
            e.mode_timer = ICICLE_SHAKE_TICKS;
            play_effect(EFFECT_CRACK);
        }
    } else if (e.mode == ICICLE_SHAKING) {
        e.mode_timer -= 1;
        if (e.mode_timer <= 0) {
            e.mode = ICICLE_FALLING;
            e.vy = 0.0f;
        }
    } else if (e.mode == ICICLE_FALLING) {
        e.vy = fminf(e.vy + 0.336f, 9.0f);
        e.y += e.vy;
        if (rect_hits_solid(e.x + 14.0f, e.y + 40.0f, e.x + 34.0f, e.y + 46.0f)) {
            e.active = 0;
            spawn_particle(PARTICLE_SHARDS, e.x, e.y);
            play_effect(EFFECT_SHATTER);
        }
    }
}
