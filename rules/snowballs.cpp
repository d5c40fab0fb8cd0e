// Snowballs in flight: they stop at cells and the edges of the play area, and
// kill the first enemy they reach for its points.
#include "rules/local.h"
#include "sound/sound.h"

const int32_t enemy_points[ENEMY_KINDS] = { 300, 500, 700, 1000, 400, 800 };

// How near a ball and an enemy must be on both axes for a hit.
static const float HIT_REACH = 34.0f;

static float distance(float a, float b)
{
    return a > b ? a - b : b - a;
}

static void fly(Snowball& s)
{
    s.x += s.vx;
    s.age += 1;
    float px = s.vx > 0.0f ? s.x + 24.0f + 8.0f : s.x + 24.0f - 8.0f;
    float py = s.y + 24.0f;
    if (!(px >= 0.0f && px < PLAY_WIDTH && py >= 0.0f && py < PLAY_HEIGHT)
        || play.cells[(int)(py / CELL_SIZE)][(int)(px / CELL_SIZE)] != CELL_EMPTY) {
        s.active = 0;
        spawn_particle(PARTICLE_PUFF, s.x, s.y);
        return;
    }
    for (Enemy& e : play.enemies) {
        if (!e.active || distance(s.x, e.x) >= HIT_REACH || distance(s.y, e.y) >= HIT_REACH)
            continue;
        e.active = 0;
        s.active = 0;
        spawn_particle(PARTICLE_PUFF, e.x, e.y);
        play_effect(EFFECT_KILL);
        int points = e.kind >= 0 && e.kind < ENEMY_KINDS ? enemy_points[e.kind] : 0;
        add_score(points);
        spawn_popup(e.x, e.y, points);
        return;
    }
}

void update_snowballs()
{
    for (Snowball& s : play.snowballs)
        if (s.active)
            fly(s);
}
