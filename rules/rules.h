// Play rules: the play state and one fixed tick of play (hero, ice, items,
// enemies, portals, snowballs, bonus counter, score, lives and the play state
// machine). A pure simulation: no SDL, no files, no clock.
#pragma once
#include <cstdint>
#include "levels/levels.h"

enum { MAX_ENEMIES = 24, MAX_SNOWBALLS = 4, MAX_PARTICLES = 32, MAX_POPUPS = 8 };

// Play state codes.
enum {
    STATE_INTRO = 0, STATE_PLAYING = 1, STATE_DYING = 2,
    STATE_LEVEL_DONE = 3, STATE_GAME_OVER = 4, STATE_ALL_DONE = 5,
};

// The play area: LEVEL_COLS x LEVEL_ROWS cells of CELL_SIZE pixels. Play
// positions are pixels from its top-left corner; the hero and every enemy
// have a square of one cell, placed by its top-left corner.
constexpr float CELL_SIZE = 48.0f;
constexpr float PLAY_WIDTH = CELL_SIZE * (float)LEVEL_COLS;
constexpr float PLAY_HEIGHT = CELL_SIZE * (float)LEVEL_ROWS;

// The hero's hit box inside his square: the feet on its bottom edge, a gap
// for the head above and at each side.
constexpr float HERO_BOX_LEFT = 10.0f, HERO_BOX_RIGHT = 38.0f, HERO_BOX_TOP = 6.0f, HERO_BOX_BOTTOM = CELL_SIZE;

// Play runs in fixed ticks; every duration of play below is in ticks.
enum { TICKS_PER_SECOND = 60 };

// The level intro, longer for a level that starts a world; then play.
enum { INTRO_TICKS = 3 * TICKS_PER_SECOND / 2, WORLD_INTRO_TICKS = 5 * TICKS_PER_SECOND / 2 };

// Dying: the hero hops up and falls for this long, then the next life or the end.
enum { DYING_TICKS = 2 * TICKS_PER_SECOND };

// Level done: the hero cheers at the door through LEVEL_DONE_CHEER_TICKS and
// fades out by LEVEL_DONE_FADE_END, the panel showing once he fades; the bonus
// moves into the score from LEVEL_DONE_BONUS_TICK on, and the next level (or
// the end) comes at LEVEL_DONE_END_TICK once all of it has moved.
enum { LEVEL_DONE_CHEER_TICKS = 40, LEVEL_DONE_FADE_END = 80, LEVEL_DONE_BONUS_TICK = 50, LEVEL_DONE_END_TICK = 151 };

// The bonus counter: its value at level start, the value at and below which
// it warns with a beep every BONUS_BEEP_PERIOD ticks, and the tens it counts down in.
enum { BONUS_START = 10000, BONUS_WARNING = 1000, BONUS_BEEP_PERIOD = TICKS_PER_SECOND, BONUS_COUNT_STEP = 10 };

// The lives of a new game, and the scores that give an extra life:
// EXTRA_LIFE_FIRST + EXTRA_LIFE_EVERY * k for k below EXTRA_LIFE_COUNT.
enum { START_LIVES = 3, EXTRA_LIFE_FIRST = 20000, EXTRA_LIFE_EVERY = 30000, EXTRA_LIFE_COUNT = 33 };

// A level's portals send their first enemies one after the other, the first
// after PORTAL_FIRST_SEND ticks and each next one PORTAL_SEND_STAGGER later;
// a sent enemy fades in for PORTAL_FADE_IN ticks.
enum { PORTAL_FIRST_SEND = 3 * TICKS_PER_SECOND, PORTAL_SEND_STAGGER = 3 * TICKS_PER_SECOND / 2, PORTAL_FADE_IN = TICKS_PER_SECOND / 2 };

// A particle stays through PARTICLE_LAST_AGE and is freed in the ageing past
// it; the drawing shows it only below that age. A pop-up shows for POPUP_TICKS.
enum { PARTICLE_LAST_AGE = 36, POPUP_TICKS = 50 };

// The snowflake freezes the enemies for FREEZE_TICKS; an icicle shakes for
// ICICLE_SHAKE_TICKS before it falls.
enum { FREEZE_TICKS = 6 * TICKS_PER_SECOND, ICICLE_SHAKE_TICKS = TICKS_PER_SECOND / 2 };

// A jump press stays wanted for JUMP_BUFFER ticks; the take-off takes TAKE_OFF_DELAY.
enum { JUMP_BUFFER = 8, TAKE_OFF_DELAY = 3 };

// The action key's cooldown in ticks after the action key and after a throw;
// while it is ACTION_THRUST_COOLDOWN or more the hero stands in the action's
// thrust and may not walk.
enum { ACTION_COOLDOWN = 14, THROW_COOLDOWN = 8, ACTION_THRUST_COOLDOWN = 9 };

// Enemy modes: of an icicle, and of a polar bear.
enum { ICICLE_HANGING = 0, ICICLE_SHAKING = 1, ICICLE_FALLING = 2 };
enum { BEAR_WALKING = 0, BEAR_CHARGING = 1 };

// Particle kinds.
enum { PARTICLE_PUFF = 0, PARTICLE_SHARDS = 1 };

struct Enemy {
    uint32_t active;     // 1 while the slot holds an enemy
    int32_t kind;        // enemy kind
    float x;             // top-left of the 48 x 48 box, play-area pixels
    float y;
    float vx;            // horizontal velocity value (its use depends on the kind)
    float vy;            // falling speed of walkers and icicles; direction of the bat
    int32_t dir;         // +1 moving or facing right, -1 left
    int32_t anim;        // animation counter
    int32_t fade_in;     // ticks of fading in left; passive and harmless meanwhile
    int32_t crawl_dir;   // spark: 0 right, 1 down, 2 left, 3 up
    float leg_left;      // spark: pixels left to the next cell corner
    int32_t mode;        // icicle: ICICLE_ mode; bear: BEAR_ mode
    int32_t mode_timer;  // icicle: shaking ticks left
};

struct Snowball {
    uint32_t active;
    float x;
    float y;
    float vx;      // +7 or -7 pixels per tick
    int32_t age;   // ticks since the throw
};

struct Particle {
    uint32_t active;
    uint32_t kind;  // 0 puff, 1 ice shards
    float x;        // top-left of the sprite
    float y;
    int32_t age;    // ticks since it began
};

struct Popup {
    float x;
    float y;
    int32_t ticks;   // ticks left to show; 0 marks a free slot
    int32_t points;  // the number shown
};

struct PlayState {
    uint32_t state;           // play state code
    int32_t tick;             // ticks since the state began
    int32_t level;            // index of the current level in the level table
    int32_t theme;            // copy of the level's theme
    uint8_t cells[LEVEL_ROWS][LEVEL_COLS];   // live cell codes
    uint8_t items[LEVEL_ROWS][LEVEL_COLS];   // live item codes, bit 7 hidden
    uint8_t cracks[LEVEL_ROWS][LEVEL_COLS];  // head bumps taken by each ice block
    uint32_t has_key;         // 1 once the key has been taken
    float hero_x;             // top-left of the hero's 48 x 48 square
    float hero_y;
    float hero_vy;            // pixels per tick, negative while rising
    float hero_vx;            // pixels per tick
    int32_t facing;           // +1 right, -1 left
    uint32_t on_ground;       // 1 while the hero stands
    uint32_t crouching;       // 1 while the hero ducks
    int32_t jump_delay;       // take-off ticks left
    int32_t jump_buffer;      // ticks for which a jump press stays wanted
    int32_t action_cooldown;  // ticks until the action key works again
    uint32_t walking;         // 1 while the player asks for a walking speed
    uint32_t on_slippery;     // 1 when the hero last stood on slippery ice
    float walk_distance;      // pixels walked
    Enemy enemies[MAX_ENEMIES];
    Snowball snowballs[MAX_SNOWBALLS];
    Particle particles[MAX_PARTICLES];
    Popup popups[MAX_POPUPS];
    int32_t portal_timers[MAX_PORTALS];  // ticks until each portal sends its next enemy
    int32_t score;            // kept across levels
    int32_t lives;            // kept across levels
    int32_t snowballs_left;   // kept across levels
    int32_t freeze_ticks;     // enemies are frozen while non-zero
    int32_t bonus;            // the bonus counter, BONUS_START at level start
    float bonus_acc;          // countdown not yet taken off the bonus
    float bonus_step;         // countdown per tick
};

// One tick's input; each entry is tested only for non-zero.
struct InputFrame {
    int32_t left;            // left held
    int32_t right;           // right held
    int32_t up_held;         // up held (not read by the play rules)
    int32_t down;            // down held
    int32_t jump_pressed;    // 1 in the tick in which jump went down
    int32_t action_pressed;  // 1 in the tick in which make-or-break went down
    int32_t throw_pressed;   // 1 in the tick in which throw went down
};

// The held-key bits from which each tick's input is made: the keyboard and
// the controller set them in the game, a script gives them in the headless test.
enum {
    INPUT_RIGHT = 1, INPUT_LEFT = 2, INPUT_UP = 4, INPUT_DOWN = 8,
    INPUT_THROW = 16, INPUT_ACTION = 32,  // the action also starts a game on the title
};

// A tick's input from the bits held now and in the tick before: jump, action and throw count when newly pressed.
InputFrame input_frame(uint32_t held, uint32_t prev);

// The one record of play.
extern PlayState play;

// Clears the play state, gives START_LIVES lives and starts the level (STATE_GAME_OVER at once when the table is empty).
void new_game(int level);

// Loads a level of the table into the play state and enters the level intro.
void start_level(int level);

// 1 when the current level starts a new world, else 0.
int level_starts_world();

// Advances play by one tick.
void game_step(const InputFrame& input);

// Adds points to the score, with an extra life at each extra-life score crossed.
void add_score(int points);

// Ends the hero's life when playing: STATE_DYING, EFFECT_DEATH, music stopped.
void kill_hero();

// Starts a particle of a kind at a position in the first free slot; nothing when all are busy.
void spawn_particle(int kind, float x, float y);

// Shows points at a position for POPUP_TICKS in the first free pop-up slot; nothing when all are busy.
void spawn_popup(float x, float y, int points);

// 1 when the rectangle touches a solid cell or leaves the grid, else 0.
int rect_hits_solid(float x0, float y0, float x1, float y1);
