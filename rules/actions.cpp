// The hero's actions: the make-or-break key on the cell in front of him, and
// the throw of a snowball.
#include "rules/local.h"
#include "sound/sound.h"

static const float SNOWBALL_SPEED = 7.0f;
// Deeper than this in the target column, the hero is in the way of a new block.
static const float MAX_PUSH_BACK = 20.0f;

// 1 when an active enemy's box reaches into the cell's square.
static int enemy_in_cell(int row, int col)
{
    float left = CELL_SIZE * (float)col, top = CELL_SIZE * (float)row;
    for (const Enemy& e : play.enemies) {
        if (!e.active)
            continue;
        if (e.x + 40.0f > left && e.x + 8.0f < left + CELL_SIZE
            && e.y + 44.0f > top && e.y + 6.0f < top + CELL_SIZE)
            return 1;
    }
    return 0;
}

static void make_block(int row, int col)
{
    float left = CELL_SIZE * (float)col, top = CELL_SIZE * (float)row;
    const LevelRecord& level = current_level();
    float ov = play.facing > 0 ? (play.hero_x + HERO_BOX_RIGHT) - left
                               : (left + CELL_SIZE) - (play.hero_x + HERO_BOX_LEFT);
    int overlaps = ov > 0.0f && play.hero_y + HERO_BOX_TOP < top + (CELL_SIZE - 1.0f)
                   && top + 1.0f < play.hero_y + HERO_BOX_BOTTOM;
    if ((row == level.door_row && col == level.door_col)
        || (overlaps && ov > MAX_PUSH_BACK) || enemy_in_cell(row, col)) {
        play_effect(EFFECT_BUMP);
        return;
    }
    if (overlaps)
        play.hero_x -= (float)play.facing * ov;
    play.cells[row][col] = CELL_ICE;
    play.cracks[row][col] = 0;
    if (play.items[row][col] != ITEM_NONE)
        play.items[row][col] |= ITEM_HIDDEN;
    spawn_particle(PARTICLE_PUFF, left, top);
    play_effect(EFFECT_MAKE_ICE);
}

static void action_key()
{
    play.action_cooldown = ACTION_COOLDOWN;
    int col = (int)((play.hero_x + 24.0f) / CELL_SIZE) + play.facing;
    int row = (int)((play.hero_y + 24.0f) / CELL_SIZE) + (int)play.crouching;
    if (!cell_in_grid(row, col)) {
        play_effect(EFFECT_BUMP);
        return;
    }
    float left = CELL_SIZE * (float)col, top = CELL_SIZE * (float)row;
    switch (play.cells[row][col]) {
    case CELL_EMPTY:
        make_block(row, col);
        break;
    case CELL_ICE:
        play.cells[row][col] = CELL_EMPTY;
        play.cracks[row][col] = 0;
        play.items[row][col] &= (uint8_t)~ITEM_HIDDEN;
        spawn_particle(PARTICLE_SHARDS, left, top);
        play_effect(EFFECT_SHATTER);
        break;
    default:
        play_effect(EFFECT_BUMP);
        spawn_particle(PARTICLE_PUFF, left, top);
        break;
    }
}

static void throw_snowball()
{
    for (Snowball& s : play.snowballs) {
        if (s.active)
            continue;
        s.active = 1;
        s.x = play.facing > 0 ? play.hero_x + 24.0f : play.hero_x;
        s.y = play.hero_y + 6.0f;
        s.vx = SNOWBALL_SPEED * (float)play.facing;
        s.age = 0;
        play.snowballs_left -= 1;
        play_effect(EFFECT_THROW);
        play.action_cooldown = THROW_COOLDOWN;
        return;
    }
}

void hero_actions(const InputFrame& input)
{
    if (input.action_pressed && play.action_cooldown == 0 && play.jump_delay == 0)
        action_key();
    if (input.throw_pressed && play.snowballs_left > 0)
        throw_snowball();
}
