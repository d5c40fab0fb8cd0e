// The play state, the start of a game and of a level, the tick with its play
// state machine, the level's song, score and extra lives, and the hero's death.
#include <cstdint>
#include <cstring>
#include "rules/local.h"
#include "sound/sound.h"

PlayState play;

void enter_state(uint32_t state)
{
    play.state = state;
    play.tick = 0;
}

const LevelRecord& current_level()
{
    return level_table[play.level];
}

// The hero stands at his start cell, at rest and facing right.
static void reset_hero(const LevelRecord& r)
{
    play.hero_x = CELL_SIZE * (float)r.hero_col;
    play.hero_y = CELL_SIZE * (float)r.hero_row;
    play.hero_vy = 0.0f;
    play.hero_vx = 0.0f;
    play.facing = 1;
    play.on_ground = 1;
    play.crouching = 0;
    play.jump_delay = 0;
    play.jump_buffer = 0;
    play.action_cooldown = 0;
    play.walking = 0;
    play.on_slippery = 0;
    play.walk_distance = 0.0f;
}

// The level's enemies in their cells, alternately facing left and right; of
// every four, the first two start with an upward speed.
static void place_enemies(const LevelRecord& r)
{
    memset(play.enemies, 0, sizeof play.enemies);
    int enemies = r.enemy_count < MAX_ENEMIES ? r.enemy_count : MAX_ENEMIES;
    for (int i = 0; i < enemies; i++) {
        Enemy& e = play.enemies[i];
        e.active = 1;
        e.kind = r.enemies[i].kind;
        e.x = CELL_SIZE * (float)r.enemies[i].col;
        e.y = CELL_SIZE * (float)r.enemies[i].row;
        e.dir = (i % 2) ? 1 : -1;
        e.vx = (float)e.dir;
        e.vy = (i % 4) < 2 ? -1.0f : 1.0f;
    }
}

// The portals send their first enemies one after the other.
static void set_portal_timers(const LevelRecord& r)
{
    memset(play.portal_timers, 0, sizeof play.portal_timers);
    int portals = r.portal_count < MAX_PORTALS ? r.portal_count : MAX_PORTALS;
    for (int i = 0; i < portals; i++)
        play.portal_timers[i] = PORTAL_FIRST_SEND + PORTAL_SEND_STAGGER * i;
}

// A full bonus that counts down to nothing in the level's time limit; a
// record that comes from elsewhere with less than the reader lets through
// gets the reader's default.
static void set_bonus(const LevelRecord& r)
{
    // In single precision and without an integer product, so that no time
    // limit can overflow, make the step infinite or turn it negative.
    int32_t limit = r.time_limit < MIN_TIME_LIMIT ? DEFAULT_TIME_LIMIT : r.time_limit;
    play.bonus = BONUS_START;
    play.bonus_acc = 0.0f;
    play.bonus_step = (float)BONUS_START / ((float)limit * (float)TICKS_PER_SECOND);
}

void start_level(int level)
{
    if (level_count <= 0) {
        // Nothing to play: the game is over before it began.
        enter_state(STATE_GAME_OVER);
        return;
    }
    if (level < 0 || level >= level_count)
        level = 0;
    const LevelRecord& r = level_table[level];

    enter_state(STATE_INTRO);
    play.level = level;
    play.theme = r.theme;

    memcpy(play.cells, r.cells, sizeof play.cells);
    memcpy(play.items, r.items, sizeof play.items);
    memset(play.cracks, 0, sizeof play.cracks);
    play.has_key = 0;

    reset_hero(r);
    place_enemies(r);
    memset(play.snowballs, 0, sizeof play.snowballs);
    memset(play.particles, 0, sizeof play.particles);
    memset(play.popups, 0, sizeof play.popups);
    set_portal_timers(r);
    play.freeze_ticks = 0;
    set_bonus(r);
}

void new_game(int level)
{
    memset(&play, 0, sizeof play);
    play.lives = START_LIVES;
    start_level(level);
}

int level_starts_world()
{
    if (play.level < 0 || play.level >= level_count)
        return 0;
    const char* world = level_table[play.level].world;
    if (world[0] == 0)
        return 0;
    if (play.level == 0)
        return 1;
    return strcmp(world, level_table[play.level - 1].world) != 0;
}

// The song of the current level: by the number of world changes up to it.
static int level_song()
{
    int changes = 0;
    for (int j = 1; j <= play.level && j < level_count; j++)
        if (strcmp(level_table[j].world, level_table[j - 1].world) != 0)
            changes++;
    if (changes == 0)
        return SONG_FIRST_WORLD_EVEN + play.level % 2;
    return changes == 1 ? SONG_SECOND_WORLD : SONG_LATER_WORLDS;
}

void add_score(int points)
{
    int32_t old = play.score;
    // A sum past the i32 range stops at its end instead of overflowing.
    int64_t sum = (int64_t)old + points;
    play.score = sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : (int32_t)sum;
    for (int k = 0; k < EXTRA_LIFE_COUNT; k++) {
        int32_t t = EXTRA_LIFE_FIRST + EXTRA_LIFE_EVERY * k;
        if (old < t && t <= play.score) {
            play.lives += 1;
            play_effect(EFFECT_EXTRA_LIFE);
        }
    }
}

void kill_hero()
{
    if (play.state != STATE_PLAYING)
        return;
    enter_state(STATE_DYING);
    play_effect(EFFECT_DEATH);
    play_music(SONG_NONE);
}

int count_down_bonus()
{
    play.bonus_acc += play.bonus_step;
    // The step is at most BONUS_START / (MIN_TIME_LIMIT x TICKS_PER_SECOND),
    // so this runs at most three times.
    while (play.bonus_acc >= (float)BONUS_COUNT_STEP) {
        play.bonus_acc -= (float)BONUS_COUNT_STEP;
        play.bonus -= BONUS_COUNT_STEP;
    }
    if (play.bonus >= 1 && play.bonus <= BONUS_WARNING && play.tick % BONUS_BEEP_PERIOD == 0)
        play_effect(EFFECT_TIME);
    if (play.bonus <= 0) {
        play.bonus = 0;
        kill_hero();
        return 1;
    }
    return 0;
}

// The steps of play, in their fixed order; a step that ends the tick skips the rest.
static void play_tick(const InputFrame& input)
{
    if (play.freeze_ticks > 0)
        play.freeze_ticks -= 1;
    if (count_down_bonus())
        return;
    move_hero(input);
    hero_actions(input);
    if (take_items())
        return;
    update_portals();
    if (update_enemies())
        return;
    update_snowballs();
}

// The bonus moves into the score this much a tick, sounding every BONUS_SOUND_PERIOD ticks.
static const int32_t BONUS_MOVE_STEP = 100;
static const int32_t BONUS_SOUND_PERIOD = 3;

// Level done: the bonus moves into the score, then the next level or the end.
static void level_done_tick(int32_t before)
{
    if (before >= LEVEL_DONE_BONUS_TICK && play.bonus > 0) {
        int amount = play.bonus < BONUS_MOVE_STEP ? play.bonus : BONUS_MOVE_STEP;
        play.bonus -= amount;
        add_score(amount);
        if (play.tick % BONUS_SOUND_PERIOD == 0)
            play_effect(EFFECT_BONUS);
    }
    if (play.tick >= LEVEL_DONE_END_TICK && play.bonus <= 0) {
        if (play.level + 1 < level_count) {
            start_level(play.level + 1);
        } else {
            enter_state(STATE_ALL_DONE);
            play_music(SONG_ALL_DONE);
        }
    }
}

void game_step(const InputFrame& input)
{
    int32_t before = play.tick;
    play.tick += 1;
    age_effects();
    switch (play.state) {
    case STATE_INTRO: {
        int32_t length = level_starts_world() ? WORLD_INTRO_TICKS : INTRO_TICKS;
        if (before >= length) {
            enter_state(STATE_PLAYING);
            play_music(level_song());
        }
        break;
    }
    case STATE_PLAYING:
        play_tick(input);
        break;
    case STATE_DYING:
        if (before >= DYING_TICKS) {
            play.lives -= 1;
            if (play.lives > 0) {
                start_level(play.level);
            } else {
                enter_state(STATE_GAME_OVER);
                play_music(SONG_NONE);
            }
        }
        break;
    case STATE_LEVEL_DONE:
        level_done_tick(before);
        break;
    default:
        break;
    }
}
