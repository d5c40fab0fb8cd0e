// The play scene: one frame of play drawn from the play state and the
// current level record. Nothing here is kept from one frame to the next and
// nothing is written back; every step below only reads `play` and the level.
#include <cmath>
#include <cstdio>
#include "draw/draw.h"
#include "scene/local.h"
#include "scene/scene.h"
#include "levels/levels.h"
#include "rules/rules.h"

// Where the play area's top-left corner lies on the logical screen; play
// positions are relative to it.
static constexpr float FIELD_X = (float)PLAY_AREA_X;
static constexpr float FIELD_Y = (float)PLAY_AREA_Y;

// The cell size in whole pixels, for the pieces laid on the cell grid.
static constexpr int CELL_PIXELS = (int)CELL_SIZE;

// Where a filled cell's shadow, a stone's snow cap and the icicles under it
// lie against the cell's corner; the icicles hang from the cell's bottom.
enum {
    SHADOW_DX = -3, SHADOW_DY = -2,
    CAP_DX = -8, CAP_DY = -10,
    ICICLES_DX = -8, ICICLES_DY = CELL_PIXELS - 4,
};

// A score popup's number is centred over the cell it was won in, at its top.
static constexpr float POPUP_DX = FIELD_X + CELL_SIZE * 0.5f;

// While the action cooldown is this or more (and below the thrust) the hero
// shows the action's follow-through.
static const int32_t FOLLOW_THROUGH_COOLDOWN = 3;

// The sprite of each item code that does not animate; the snowflake and the
// key take their frames from the cell's phase instead.
static const int32_t item_sprites[ITEM_KINDS] = {
    -1, SPRITE_FISH, SPRITE_GOLDFISH, SPRITE_CRYSTAL, SPRITE_RUBY, SPRITE_EMERALD, SPRITE_SNOWBALLS,
    SPRITE_HOURGLASS, SPRITE_LIFE, SPRITE_SNOWFLAKE, SPRITE_BELL, SPRITE_KEY,
};

// The first of the four walking frames of each enemy kind.
static const int32_t enemy_base_sprites[ENEMY_KINDS] = {
    SPRITE_SNOWMAN, SPRITE_GHOST, SPRITE_BAT, SPRITE_SPARK, SPRITE_ICICLE, SPRITE_BEAR_WALK,
};

static float cell_x(int c)
{
    return FIELD_X + CELL_SIZE * (float)c;
}

static float cell_y(int r)
{
    return FIELD_Y + CELL_SIZE * (float)r;
}

// The whole-pixel screen position of a piece dx, dy from the corner of cell (r, c).
static float grid_x(int c, int dx)
{
    return (float)(PLAY_AREA_X + dx + CELL_PIXELS * c);
}

static float grid_y(int r, int dy)
{
    return (float)(PLAY_AREA_Y + dy + CELL_PIXELS * r);
}

// The record of the level being played. An index outside the table (which
// the play rules never make) yields none rather than a read past the table.
static const LevelRecord* current_level()
{
    if (play.level < 0 || play.level >= MAX_LEVELS)
        return nullptr;
    return &level_table[play.level];
}

static void draw_portals(const LevelRecord* level, int32_t t)
{
    if (!level)
        return;
    int32_t count = level->portal_count;
    if (count > MAX_PORTALS)
        count = MAX_PORTALS;
    // Every portal turns in step with the others.
    const int32_t sprite = SPRITE_PORTAL + (t / 8) % PORTAL_FRAMES;
    for (int32_t i = 0; i < count; i++)
        draw_sprite(cell_x(level->portals[i].col), cell_y(level->portals[i].row), sprite, 0, 230);
}

static void draw_door(const LevelRecord* level)
{
    if (!level)
        return;
    draw_sprite(cell_x(level->door_col), cell_y(level->door_row), play.has_key ? SPRITE_DOOR_OPEN : SPRITE_DOOR_CLOSED, 0, 255);
}

// All shadows go down before any block, so that no shadow darkens a block.
static void draw_shadows()
{
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++)
            if (play.cells[r][c] != CELL_EMPTY)
                draw_sprite(grid_x(c, SHADOW_DX), grid_y(r, SHADOW_DY), SPRITE_SHADOW, 0, 255);
}

static void draw_item(int r, int c, int32_t t)
{
    // Items hidden in ice are not drawn.
    const int32_t item = play.items[r][c];
    if ((item & ITEM_HIDDEN) || item < ITEM_FISH || item > ITEM_KEY)
        return;
    // The bob follows the column only: the items of one column move together.
    const float x = cell_x(c);
    const float y = cell_y(r) + 2.0f * sinf(0.08f * (float)(t + 13 * c));
    const int32_t phase = t + 7 * r + 3 * c;
    if (item == ITEM_SNOWFLAKE)
        draw_sprite_rotated(x, y, 0.8f * (float)t, SPRITE_SNOWFLAKE + (phase / 8) % SNOWFLAKE_FRAMES, 255);
    else if (item == ITEM_KEY)
        draw_sprite(x, y, SPRITE_KEY + (phase / 10) % KEY_FRAMES, 0, 255);
    else
        draw_sprite(x, y, item_sprites[item], 0, 255);
}

static void draw_block(int r, int c)
{
    int32_t sprite = -1;
    switch (play.cells[r][c]) {
    case CELL_ICE:
        sprite = play.cracks[r][c] != 0 ? SPRITE_ICE_CRACKED : SPRITE_ICE;
        break;
    case CELL_STONE:
        sprite = SPRITE_STONE;
        break;
    case CELL_SLIPPERY:
        sprite = SPRITE_SLIPPERY;
        break;
    default:
        return;
    }
    draw_sprite(cell_x(c), cell_y(r), sprite, 0, 255);
}

// One pass row by row, item before block: a bobbing item is covered by the
// block below it and covers the block above it.
static void draw_items_and_blocks(int32_t t)
{
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            draw_item(r, c, t);
            draw_block(r, c);
        }
}

static bool is_stone(int r, int c)
{
    return cell_in_grid(r, c) && play.cells[r][c] == CELL_STONE;
}

// The cap's sprite joins up with stone neighbours in the same row.
static int32_t cap_sprite(int r, int c)
{
    const bool left = is_stone(r, c - 1);
    const bool right = is_stone(r, c + 1);
    if (left && right)
        return SPRITE_CAP_BOTH;
    if (right)
        return SPRITE_CAP_RIGHT;
    if (left)
        return SPRITE_CAP_LEFT;
    return SPRITE_CAP_ALONE;
}

static void draw_snow_and_icicles()
{
    for (int r = 0; r < LEVEL_ROWS; r++)
        for (int c = 0; c < LEVEL_COLS; c++) {
            if (play.cells[r][c] != CELL_STONE)
                continue;
            if (r < LEVEL_ROWS - 1 && play.cells[r + 1][c] == CELL_EMPTY)
                draw_sprite(grid_x(c, ICICLES_DX), grid_y(r, ICICLES_DY), SPRITE_HANGING_ICICLES + r % HANGING_ICICLE_VARIANTS, 0,
                            255);
            if (r == 0 || play.cells[r - 1][c] == CELL_EMPTY)
                draw_sprite(grid_x(c, CAP_DX), grid_y(r, CAP_DY), cap_sprite(r, c), 0, 255);
        }
}

static int32_t enemy_sprite(const Enemy& e)
{
    const int32_t a = e.anim;
    switch (e.kind) {
    case ENEMY_ICICLE:
        return e.mode == ICICLE_SHAKING ? SPRITE_ICICLE_SHAKE + (a / 3) % ICICLE_SHAKE_FRAMES : SPRITE_ICICLE;
    case ENEMY_POLAR_BEAR:
        return e.mode == BEAR_WALKING ? SPRITE_BEAR_WALK + (a / 10) % ENEMY_FRAMES : SPRITE_BEAR_CHARGE + (a / 5) % ENEMY_FRAMES;
    default:
        return enemy_base_sprites[e.kind] + (a / 10) % ENEMY_FRAMES;
    }
}

static void draw_enemies(int32_t t)
{
    const int32_t marker = SPRITE_SNOWFLAKE + (t / 8) % SNOWFLAKE_FRAMES;
    for (int i = 0; i < MAX_ENEMIES; i++) {
        const Enemy& e = play.enemies[i];
        if (!e.active || e.kind < ENEMY_SNOWMAN || e.kind > ENEMY_POLAR_BEAR)
            continue;
        float x = e.x + FIELD_X;
        float y = e.y + FIELD_Y;
        if (e.kind == ENEMY_GHOST)
            y += 3.0f * sinf(0.07f * (float)e.anim);
        const float shake = e.kind == ENEMY_ICICLE && e.mode == ICICLE_SHAKING ? 2.2f * sinf(1.9f * (float)e.anim) : 0.0f;
        // Sparks and icicles have no facing.
        const bool flip = e.dir < 0 && e.kind != ENEMY_SPARK && e.kind != ENEMY_ICICLE;
        // A fade-in beyond the longest one the portals give is as faint as
        // alpha goes, not wrapped round to opaque.
        int32_t fade = e.fade_in < 0 ? 0 : e.fade_in;
        if (fade > 36)
            fade = 36;
        draw_sprite(x + shake, y, enemy_sprite(e), flip, 255 - 7 * fade);
        if (play.freeze_ticks != 0)
            draw_sprite(e.x + 36.0f, y - 14.0f, marker, 0, 160);
    }
}

static void draw_snowballs()
{
    for (int i = 0; i < MAX_SNOWBALLS; i++) {
        const Snowball& s = play.snowballs[i];
        if (s.active)
            draw_sprite(s.x + FIELD_X, s.y + FIELD_Y, SPRITE_SNOWBALL + (s.age / 4) % SNOWBALL_FRAMES, 0, 255);
    }
}

// The hero's pose: the first row of the pose table that applies.
static int32_t hero_sprite(int32_t t)
{
    if (play.state == STATE_DYING)
        return SPRITE_HERO_DYING + (t / 6) % HERO_DYING_FRAMES;
    if (play.state == STATE_LEVEL_DONE)
        return SPRITE_HERO_CHEER + (t / 8) % HERO_CHEER_FRAMES;
    if (play.action_cooldown >= ACTION_THRUST_COOLDOWN)
        return SPRITE_HERO_THRUST;
    if (play.action_cooldown >= FOLLOW_THROUGH_COOLDOWN)
        return SPRITE_HERO_FOLLOW_THROUGH;
    if (play.crouching || play.jump_delay != 0)
        return SPRITE_HERO_CROUCH;
    if (!play.on_ground)
        return play.hero_vy < 0.0f ? SPRITE_HERO_RISE : SPRITE_HERO_FALL;
    if (play.state == STATE_PLAYING && play.walking && play.walk_distance > 0.0f)
        return SPRITE_HERO_WALK + (int32_t)(play.walk_distance / 7.0f) % HERO_WALK_FRAMES;
    return SPRITE_HERO_STAND + (t / 20) % HERO_STAND_FRAMES;
}

// The hero fades out once he has cheered at the door for a while.
static int32_t hero_alpha(int32_t t)
{
    if (play.state != STATE_LEVEL_DONE || t <= LEVEL_DONE_CHEER_TICKS)
        return 255;
    if (t <= LEVEL_DONE_FADE_END)
        return 255 - 6 * (t - LEVEL_DONE_CHEER_TICKS);
    return 0;
}

static void draw_hero(int32_t t)
{
    const int32_t alpha = hero_alpha(t);
    if (play.state == STATE_ALL_DONE || alpha == 0)
        return;
    // A dying hero jumps up and drops back down within a second.
    float lift = 0.0f;
    if (play.state == STATE_DYING)
        lift = 30.0f * sinf(3.14159f * (float)(t < TICKS_PER_SECOND ? t : TICKS_PER_SECOND) / (float)TICKS_PER_SECOND);
    draw_sprite(play.hero_x + FIELD_X, play.hero_y + FIELD_Y - lift, hero_sprite(t), play.facing < 0, alpha);
}

static void draw_particles()
{
    for (int i = 0; i < MAX_PARTICLES; i++) {
        const Particle& p = play.particles[i];
        if (!p.active || p.age >= PARTICLE_LAST_AGE)
            continue;
        const int32_t first = p.kind == PARTICLE_PUFF ? SPRITE_PUFF : SPRITE_SHARDS;
        draw_sprite(p.x + FIELD_X, p.y + FIELD_Y, first + p.age / 6, 0, 255);
    }
}

static void draw_popups()
{
    for (int i = 0; i < MAX_POPUPS; i++) {
        const Popup& p = play.popups[i];
        // Only the play rules' own counts 1 and up show; a negative count
        // would have no alpha to fade with.
        if (p.ticks <= 0)
            continue;
        uint32_t colour = COLOUR_GOLD;
        if (p.ticks <= 20)
            colour = (uint32_t)(12 * p.ticks) << 24 | (COLOUR_GOLD & 0xffffffu);
        char number[16];
        snprintf(number, sizeof number, "%d", (int)p.points);
        draw_text(number, (int32_t)(p.x + POPUP_DX), (int32_t)(p.y + FIELD_Y), FONT_SMALL, ALIGN_CENTRE, colour);
    }
}

// The level's cells and everything that lives on them, back to front.
static void draw_play_field(const LevelRecord* level)
{
    const int32_t t = play.tick;
    draw_background(play.theme);
    draw_portals(level, t);
    draw_door(level);
    draw_shadows();
    draw_items_and_blocks(t);
    draw_snow_and_icicles();
    draw_enemies(t);
    draw_snowballs();
    draw_hero(t);
    draw_particles();
    draw_popups();
}

void draw_game()
{
    const LevelRecord* level = current_level();
    draw_play_field(level);
    draw_hud_and_overlays(level);
}
