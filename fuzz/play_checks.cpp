// The play state's invariants:
// lives never negative, the score never falling within a game, every active
// enemy inside the play area, every position a finite number, and every pool
// slot well formed.
#include "fuzz/play_checks.h"
#include "rules/rules.h"

#include <cmath>
#include <cstdio>

// An enemy is inside the 720 x 576 play area when its collision box is: the
// boxes are inset into the 48 x 48 square (a walker's by 10 pixels at each
// side), so the square itself may stand out by up to that much, and the cell
// test lets a box's far edge pass a wall by less than its 0.01 pixel.
static const float INSET = 10.0f + 0.01f;
static const float MIN_X = -INSET, MAX_X = 720.0f - 48.0f + INSET;
static const float MIN_Y = -INSET, MAX_Y = 576.0f - 48.0f + INSET;

static bool finite(float a, float b)
{
    return std::isfinite(a) && std::isfinite(b);
}

void watch_new_game(PlayWatch* watch)
{
    watch->last_score = play.score;
}

static const char* check_pools()
{
    for (const Enemy& e : play.enemies) {
        if (e.active > 1)
            return "enemy slot neither free nor active";
        if (!e.active)
            continue;
        if (e.kind < 0 || e.kind > ENEMY_POLAR_BEAR)
            return "active enemy of no kind";
        if (!finite(e.x, e.y) || !finite(e.vx, e.vy) || !std::isfinite(e.leg_left))
            return "enemy position or speed not finite";
        if (e.x < MIN_X || e.x > MAX_X || e.y < MIN_Y || e.y > MAX_Y) {
            fprintf(stderr, "enemy kind %d at %g, %g speed %g, %g mode %d\n", e.kind, e.x, e.y, e.vx, e.vy, e.mode);
            return "active enemy outside the play area";
        }
    }
    for (const Snowball& s : play.snowballs) {
        if (s.active > 1)
            return "snowball slot neither free nor active";
        if (s.active && (!finite(s.x, s.y) || !std::isfinite(s.vx)))
            return "snowball position not finite";
    }
    for (const Particle& p : play.particles) {
        if (p.active > 1 || (p.active && p.kind > PARTICLE_SHARDS))
            return "particle slot malformed";
        if (p.active && !finite(p.x, p.y))
            return "particle position not finite";
    }
    for (const Popup& p : play.popups) {
        if (p.ticks < 0 || p.ticks > 50)
            return "pop-up ticks out of range";
        if (p.ticks && !finite(p.x, p.y))
            return "pop-up position not finite";
    }
    return nullptr;
}

const char* check_play(PlayWatch* watch)
{
    if (play.lives < 0)
        return "lives negative";
    if (play.score < watch->last_score)
        return "score fell within a game";
    watch->last_score = play.score;
    if (play.state > STATE_ALL_DONE)
        return "play state out of range";
    if (play.snowballs_left < 0)
        return "snowballs left negative";
    if (play.freeze_ticks < 0)
        return "freeze ticks negative";
    if (play.level < 0 || (level_count > 0 && play.level >= level_count))
        return "level index outside the table";
    if (!finite(play.hero_x, play.hero_y) || !finite(play.hero_vx, play.hero_vy))
        return "hero position or speed not finite";
    return check_pools();
}
