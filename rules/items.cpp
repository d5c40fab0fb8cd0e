// Items the hero's box reaches, what each does, and the door that ends the
// level once the key is taken.
#include <cmath>
#include "rules/local.h"
#include "sound/sound.h"

const int32_t item_points[ITEM_KINDS] = { 0, 200, 1000, 500, 2000, 5000, 100, 200, 0, 300, 1000, 1000 };

// The hourglass gives this much bonus, never beyond the bonus at level start;
// a pack holds this many snowballs.
static const int32_t HOURGLASS_BONUS = 5000;
static const int32_t SNOWBALLS_PER_PACK = 3;

static void take_item(int row, int col)
{
    int code = play.items[row][col];
    float left = CELL_SIZE * (float)col, top = CELL_SIZE * (float)row;
    play.items[row][col] = ITEM_NONE;
    spawn_particle(PARTICLE_PUFF, left, top);
    int effect = EFFECT_PICK_UP;
    switch (code) {
    case ITEM_SNOWBALLS:
        play.snowballs_left += SNOWBALLS_PER_PACK;
        break;
    case ITEM_HOURGLASS:
        play.bonus = (play.bonus < BONUS_START - HOURGLASS_BONUS ? play.bonus : BONUS_START - HOURGLASS_BONUS) + HOURGLASS_BONUS;
        effect = EFFECT_TIME;
        break;
    case ITEM_LIFE:
        play.lives += 1;
        effect = EFFECT_EXTRA_LIFE;
        break;
    case ITEM_SNOWFLAKE:
        play.freeze_ticks = FREEZE_TICKS;
        effect = EFFECT_TIME;
        break;
    case ITEM_KEY:
        play.has_key = 1;
        effect = EFFECT_KEY;
        break;
    default:
        break;
    }
    play_effect(effect);
    if (code == ITEM_LIFE)
        return;
    int points = code < ITEM_KINDS ? item_points[code] : 0;
    add_score(points);
    spawn_popup(left, top, points);
}

int take_items()
{
    float x = play.hero_x, y = play.hero_y;
    int r0 = (int)floorf((y + HERO_BOX_TOP) / CELL_SIZE), r1 = (int)floorf((y + (HERO_BOX_BOTTOM - 1.0f)) / CELL_SIZE);
    int c0 = (int)floorf((x + HERO_BOX_LEFT) / CELL_SIZE), c1 = (int)floorf((x + (HERO_BOX_RIGHT - 1.0f)) / CELL_SIZE);
    for (int r = r0; r <= r1; r++) {
        for (int c = c0; c <= c1; c++) {
            if (!cell_in_grid(r, c))
                continue;
            // Items hidden in ice stay where they are.
            int code = play.items[r][c];
            if (code != ITEM_NONE && !(code & ITEM_HIDDEN))
                take_item(r, c);
        }
    }

    const LevelRecord& level = current_level();
    if (play.has_key && play.on_ground
        && fabsf((x + 24.0f) - (CELL_SIZE * (float)level.door_col + 24.0f)) < 14.0f
        && fabsf((y + 24.0f) - (CELL_SIZE * (float)level.door_row + 24.0f)) < 10.0f) {
        enter_state(STATE_LEVEL_DONE);
        play_effect(EFFECT_DOOR);
        play_music(SONG_NONE);
        return 1;
    }
    return 0;
}
