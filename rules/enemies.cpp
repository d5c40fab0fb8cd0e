// The enemy step: turn order, fading in, freezing, movement by kind and the
// deadly contact with the hero.
#include <cmath>
#include "rules/enemy_moves.h"

// Enemies closer than this on both axes touch the hero.
static const float CONTACT_REACH = 28.0f;

float level_speed_factor()
{
    float f = 1.0f + 0.03f * (float)play.level;
    return f < 2.2f ? f : 2.2f;
}

// Moves one enemy by its kind; a kind outside 0..5 stands still.
static void move_enemy(Enemy& e, float f)
{
    switch (e.kind) {
    case ENEMY_SNOWMAN: snowman_step(e, f); break;
    case ENEMY_GHOST: ghost_step(e, f); break;
    case ENEMY_BAT: bat_step(e, f); break;
    case ENEMY_SPARK: spark_step(e, f); break;
    case ENEMY_ICICLE: icicle_step(e); break;
    case ENEMY_POLAR_BEAR: bear_step(e, f); break;
    default: break;
    }
}

int update_enemies()
{
    float f = level_speed_factor();
    for (Enemy& e : play.enemies) {
        if (!e.active)
            continue;
        if (e.fade_in != 0) {
            e.fade_in -= 1;
            continue;
        }
        e.anim += 1;
        if (play.freeze_ticks == 0)
            move_enemy(e, f);
        // Frozen enemies kill too, and so does an icicle that has just
        // shattered, at the place where it broke.
        if (fabsf(e.x - play.hero_x) < CONTACT_REACH && fabsf(e.y - play.hero_y) < CONTACT_REACH) {
            kill_hero();
            return 1;
        }
    }
    return 0;
}
