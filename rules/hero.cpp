// The hero's movement: walking on plain and slippery ice, ducking, the
// buffered jump, gravity, landing, head bumps and the corner correction;
// and the cell collision test that the hero shares with the enemies.
#include <cmath>
#include "rules/local.h"
#include "sound/sound.h"

static const float WALK_SPEED = 2.25f;
static const float SLIP_ACCEL = 0.08f;
static const float SLIP_DECEL = 0.022f;
static const float GLIDE = 0.985f;
static const float REST_SPEED = 0.02f;
static const float JUMP_SPEED = -5.75f;
static const float GRAVITY = 0.28f;
static const float MAX_FALL = 6.0f;
static const float BUMP_SPEED = 0.5f;
static const float CORNER_MARGIN = 12.0f;
// The number of head bumps that break an ice block; the ones before only crack it.
static const int BUMPS_TO_BREAK = 2;

int cell_solid(int row, int col)
{
    return !cell_in_grid(row, col) || play.cells[row][col] != CELL_EMPTY;
}

int cell_open(int row, int col)
{
    return cell_in_grid(row, col) && play.cells[row][col] == CELL_EMPTY;
}

// Cell index of a coordinate, clamped to a range just outside the grid so
// that far-away or non-finite coordinates stay cheap and defined.
static int cell_index(float v, int size)
{
    float c = floorf(v / CELL_SIZE);
    if (!(c >= -1.0f))
        return -1;
    if (c > (float)size)
        return size;
    return (int)c;
}

int rect_hits_solid(float x0, float y0, float x1, float y1)
{
    int r0 = cell_index(y0, LEVEL_ROWS), r1 = cell_index(y1 - 0.01f, LEVEL_ROWS);
    int c0 = cell_index(x0, LEVEL_COLS), c1 = cell_index(x1 - 0.01f, LEVEL_COLS);
    for (int r = r0; r <= r1; r++)
        for (int c = c0; c <= c1; c++)
            if (cell_solid(r, c))
                return 1;
    return 0;
}

static void walk(const InputFrame& input)
{
    int may_walk = 1;
    if (play.action_cooldown > 0) {
        may_walk = play.action_cooldown < ACTION_THRUST_COOLDOWN;
        play.action_cooldown -= 1;
    }
    int dir = (input.right ? 1 : 0) - (input.left ? 1 : 0);
    play.crouching = (play.on_ground && input.down && play.jump_delay == 0) ? 1 : 0;
    if (dir != 0)
        play.facing = dir;
    float target = 0.0f;
    if (dir != 0 && play.jump_delay == 0 && !play.crouching && may_walk)
        target = WALK_SPEED * (float)dir;

    float x = play.hero_x, y = play.hero_y;
    if (play.on_ground) {
        int row = (int)floorf((y + (HERO_BOX_BOTTOM + 1.0f)) / CELL_SIZE);
        int c0 = (int)floorf((x + HERO_BOX_LEFT) / CELL_SIZE);
        int c1 = (int)floorf((x + HERO_BOX_RIGHT - 0.01f) / CELL_SIZE);
        int slippery = 0;
        for (int c = c0; c <= c1; c++)
            if (cell_in_grid(row, c) && play.cells[row][c] == CELL_SLIPPERY)
                slippery = 1;
        if (slippery) {
            float limit = target != 0.0f ? SLIP_ACCEL : SLIP_DECEL;
            float change = target - play.hero_vx;
            if (change > limit)
                change = limit;
            if (change < -limit)
                change = -limit;
            play.hero_vx += change;
            play.on_slippery = 1;
        } else {
            play.hero_vx = target;
            play.on_slippery = 0;
        }
    } else if (play.on_slippery) {
        play.hero_vx = target != 0.0f ? target : play.hero_vx * GLIDE;
    } else {
        play.hero_vx = target;
    }
    play.walking = target != 0.0f;

    if (fabsf(play.hero_vx) < REST_SPEED) {
        play.hero_vx = 0.0f;
        return;
    }
    float v = play.hero_vx;
    float nx = x + v;
    if (!rect_hits_solid(nx + HERO_BOX_LEFT, y + HERO_BOX_TOP, nx + HERO_BOX_RIGHT, y + HERO_BOX_BOTTOM)) {
        play.hero_x = nx;
    } else {
        float sx = v > 0.0f ? floorf((nx + HERO_BOX_RIGHT) / CELL_SIZE) * CELL_SIZE - HERO_BOX_RIGHT
                            : ceilf((nx + HERO_BOX_LEFT) / CELL_SIZE) * CELL_SIZE - HERO_BOX_LEFT;
        if (!rect_hits_solid(sx + HERO_BOX_LEFT, y + HERO_BOX_TOP, sx + HERO_BOX_RIGHT, y + HERO_BOX_BOTTOM))
            play.hero_x = sx;
        play.hero_vx = 0.0f;
    }
    play.walk_distance += fabsf(v);
}

static void jump(const InputFrame& input)
{
    if (input.jump_pressed)
        play.jump_buffer = JUMP_BUFFER;
    else if (play.jump_buffer > 0)
        play.jump_buffer -= 1;

    if (play.on_ground && play.jump_buffer != 0 && play.jump_delay == 0 && !play.crouching) {
        play.jump_delay = TAKE_OFF_DELAY;
        play.jump_buffer = 0;
    } else if (play.jump_delay != 0) {
        play.jump_delay -= 1;
        if (play.jump_delay == 0) {
            play.hero_vy = JUMP_SPEED;
            play.on_ground = 0;
            play_effect(EFFECT_JUMP);
        }
    }
}

// A rising head met a solid cell in row r: crack or break ice, or just bump.
static void head_bump(int r, int c0, int c1)
{
    float x = play.hero_x;
    int cc = (int)floorf((x + CELL_SIZE / 2.0f) / CELL_SIZE);
    int col;
    if (cell_in_grid(r, cc) && play.cells[r][cc] != CELL_EMPTY)
        col = cc;
    else if (cell_in_grid(r, c0) && play.cells[r][c0] != CELL_EMPTY)
        col = c0;
    else
        col = c1;

    if (!cell_in_grid(r, col) || play.cells[r][col] != CELL_ICE) {
        play_effect(EFFECT_BUMP);
    } else {
        play.cracks[r][col] += 1;
        if (play.cracks[r][col] < BUMPS_TO_BREAK) {
            play_effect(EFFECT_CRACK);
            spawn_particle(PARTICLE_PUFF, CELL_SIZE * (float)col, CELL_SIZE * (float)r + 20.0f);
        } else {
            play.cells[r][col] = CELL_EMPTY;
            play.cracks[r][col] = 0;
            play.items[r][col] &= (uint8_t)~ITEM_HIDDEN;
            spawn_particle(PARTICLE_SHARDS, CELL_SIZE * (float)col, CELL_SIZE * (float)r);
            play_effect(EFFECT_SHATTER);
        }
    }
    play.hero_y = CELL_SIZE * (float)r + (CELL_SIZE - HERO_BOX_TOP);
    play.hero_vy = BUMP_SPEED;
}

// Moves the hero past the edge of a block his head only just reaches under; 1 when it did.
static int corner_correction(int r, int c0, int c1)
{
    if (c0 == c1)
        return 0;
    int left = cell_solid(r, c0), right = cell_solid(r, c1);
    if (left == right)
        return 0;
    float centre = play.hero_x + CELL_SIZE / 2.0f;
    if (right && centre - CELL_SIZE * (float)c1 < CORNER_MARGIN) {
        play.hero_x = CELL_SIZE * (float)c1 - HERO_BOX_RIGHT;
        return 1;
    }
    if (left && CELL_SIZE * (float)(c0 + 1) - centre < CORNER_MARGIN) {
        play.hero_x = CELL_SIZE * (float)c0 + (CELL_SIZE - HERO_BOX_LEFT);
        return 1;
    }
    return 0;
}

static void support_test()
{
    float x = play.hero_x, y = play.hero_y;
    if (!rect_hits_solid(x + HERO_BOX_LEFT, y + HERO_BOX_BOTTOM, x + HERO_BOX_RIGHT, y + (HERO_BOX_BOTTOM + 1.0f))) {
        play.on_ground = 0;
        play.hero_vy = 0.0f;
    }
}

static void fall()
{
    if (play.on_ground && play.hero_vy >= 0.0f) {
        support_test();
        return;
    }
    play.hero_vy = fminf(play.hero_vy + GRAVITY, MAX_FALL);
    float x = play.hero_x;
    float ny = play.hero_y + play.hero_vy;
    if (play.hero_vy < 0.0f) {
        if (rect_hits_solid(x + HERO_BOX_LEFT, ny + HERO_BOX_TOP, x + HERO_BOX_RIGHT, ny + (HERO_BOX_TOP + 1.0f))) {
            int r = (int)floorf((ny + HERO_BOX_TOP) / CELL_SIZE);
            int c0 = (int)floorf((x + HERO_BOX_LEFT) / CELL_SIZE);
            int c1 = (int)floorf((x + HERO_BOX_RIGHT - 0.01f) / CELL_SIZE);
            if (!corner_correction(r, c0, c1)) {
                head_bump(r, c0, c1);
                return;
            }
        }
        play.hero_y = ny;
        play.on_ground = 0;
    } else if (play.hero_vy > 0.0f
               && rect_hits_solid(x + HERO_BOX_LEFT, ny + (HERO_BOX_BOTTOM - 1.0f), x + HERO_BOX_RIGHT, ny + HERO_BOX_BOTTOM)) {
        play.hero_y = floorf((ny + HERO_BOX_BOTTOM) / CELL_SIZE) * CELL_SIZE - HERO_BOX_BOTTOM;
        play.hero_vy = 0.0f;
        play.on_ground = 1;
        support_test();
    } else {
        play.hero_y = ny;
        play.on_ground = 0;
    }
}

void move_hero(const InputFrame& input)
{
    walk(input);
    jump(input);
    fall();
}
