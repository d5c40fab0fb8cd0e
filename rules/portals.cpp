// Portals: each counts down its timer in the ticks of play and, while few
// enough enemies are about, sends an enemy of its kind that fades in.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include "rules/local.h"
#include "sound/sound.h"

// With this many active enemies a portal sends nothing.
static const int PORTAL_ENEMY_LIMIT = 8;

// Ticks between two spawns, in 64 bits so that a huge period saturates
// instead of wrapping into a negative count.
static int32_t portal_reload(int32_t period_s)
{
    int64_t ticks = (int64_t)period_s * TICKS_PER_SECOND;
    if (ticks > INT32_MAX)
        return INT32_MAX;
    if (ticks < 1)
        return 1;
    return (int32_t)ticks;
}

static int active_enemies()
{
    int n = 0;
    for (const Enemy& e : play.enemies)
        n += e.active != 0;
    return n;
}

// Fills the first free slot with a fading-in enemy of the portal's kind.
static void portal_spawn(const LevelPortal& p)
{
    for (Enemy& e : play.enemies) {
        if (e.active)
            continue;
        memset(&e, 0, sizeof e);
        e.active = 1;
        e.kind = p.kind;
        e.x = CELL_SIZE * (float)p.col;
        e.y = CELL_SIZE * (float)p.row;
        e.dir = (rand() & 1) ? 1 : -1;
        e.vx = (float)e.dir;
        e.vy = 1.0f;
        e.fade_in = PORTAL_FADE_IN;
        play_effect(EFFECT_THREAT);
        spawn_particle(PARTICLE_PUFF, e.x, e.y);
        return;
    }
}

void update_portals()
{
    const LevelRecord& r = current_level();
    int n = r.portal_count < MAX_PORTALS ? r.portal_count : MAX_PORTALS;
    for (int i = 0; i < n; i++) {
        play.portal_timers[i] -= 1;
        if (play.portal_timers[i] > 0)
            continue;
        // The attempt is used up even when the limit refuses it.
        play.portal_timers[i] = portal_reload(r.portals[i].period_s);
        if (active_enemies() < PORTAL_ENEMY_LIMIT)
            portal_spawn(r.portals[i]);
    }
}
