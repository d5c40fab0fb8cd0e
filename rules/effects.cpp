// Particles and score pop-ups: making them in the first free slot, and their ageing.
#include "rules/local.h"

void spawn_particle(int kind, float x, float y)
{
    for (Particle& p : play.particles) {
        if (p.active)
            continue;
        p.active = 1;
        p.kind = (uint32_t)kind;
        p.x = x;
        p.y = y;
        p.age = 0;
        return;
    }
}

void spawn_popup(float x, float y, int points)
{
    for (Popup& p : play.popups) {
        if (p.ticks != 0)
            continue;
        p.x = x;
        p.y = y;
        p.ticks = POPUP_TICKS;
        p.points = points;
        return;
    }
}

void age_effects()
{
    for (Particle& p : play.particles) {
        if (!p.active)
            continue;
        int32_t before = p.age;
        p.age += 1;
        if (before >= PARTICLE_LAST_AGE)
            p.active = 0;
    }
    for (Popup& p : play.popups) {
        if (p.ticks == 0)
            continue;
        p.ticks -= 1;
        p.y -= 0.6f;
    }
}
