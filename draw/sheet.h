// The built-in pictures' numbers and the sprite sheet's layout: what each
// sprite number shows and where it lies on the sheet. The game draws from
// these and the tools draw the pictures by them, so the two cannot disagree.
// Free of SDL so that the tools may include it; the rest of the game reaches
// it through draw/draw.h.
#pragma once
#include <cstdint>

enum { THEME_COUNT = 24 };

// The built-in pictures by number, data/pictures/picture-NN.png or .jpg. The
// count stays a plain number: the build reads it from this line.
enum {
    PICTURE_SPRITES = 0,
    PICTURE_SIDE_FRAME = 1,
    PICTURE_BOTTOM_FRAME = 2,
    PICTURE_TOP_BAR = 3,
    PICTURE_BOTTOM_BAR = 4,
    PICTURE_BAND = 5,
    PICTURE_LOGO = 6,
    PICTURE_FIRST_BACKGROUND = 7,  // one per theme, in the order of the files
    PICTURE_FONT_SMALL = PICTURE_FIRST_BACKGROUND + THEME_COUNT,
    PICTURE_FONT_BIG = PICTURE_FONT_SMALL + 1,
    PICTURE_FIRST_LANGUAGE = PICTURE_FONT_BIG + 1,  // one text picture per language, in the languages' order
    PICTURE_COUNT = 65,
};

// The background each theme shows, counted from PICTURE_FIRST_BACKGROUND:
// themes follow the levels, while the pictures keep their order in the list.
constexpr int8_t theme_backgrounds[THEME_COUNT] = {
    17, 18, 8, 16, 19, 0, 5, 12, 4, 10, 21, 11, 2, 20, 9, 7, 3, 13, 6, 1, 14, 15, 23, 22,
};

// Sprite numbers, and the frame counts of those that animate. Unflipped
// figures face right. A name with a count after it is the first of that many
// frames.
enum {
    SPRITE_HERO_STAND = 0,          // 4 frames: breathing, the last one blinks
    SPRITE_HERO_WALK = 4,           // 8 frames of one stride
    SPRITE_HERO_RISE = 12,
    SPRITE_HERO_FALL = 13,
    SPRITE_HERO_CROUCH = 14,        // also the short delay before a jump
    SPRITE_HERO_THRUST = 15,        // making or breaking ice, or throwing
    SPRITE_HERO_FOLLOW_THROUGH = 16,
    SPRITE_HERO_DYING = 17,         // 8 frames
    SPRITE_HERO_CHEER = 25,         // 4 frames
    SPRITE_ICE = 29,
    SPRITE_ICE_CRACKED = 30,
    SPRITE_UNUSED = 31,             // drawn by no screen
    SPRITE_STONE = 32,
    SPRITE_DOOR_CLOSED = 33,
    SPRITE_DOOR_OPEN = 34,
    SPRITE_KEY = 35,                // 4 frames
    SPRITE_FISH = 39,               // fish..extra life: items 1..8 in item-code order
    SPRITE_GOLDFISH = 40,
    SPRITE_CRYSTAL = 41,
    SPRITE_RUBY = 42,
    SPRITE_EMERALD = 43,
    SPRITE_SNOWBALLS = 44,
    SPRITE_HOURGLASS = 45,
    SPRITE_LIFE = 46,               // also the lives icon
    SPRITE_BELL = 47,
    SPRITE_SNOWFLAKE = 48,          // 4 frames; also the freeze marker over enemies
    SPRITE_SNOWMAN = 52,            // 4 frames
    SPRITE_GHOST = 56,              // 4 frames
    SPRITE_BAT = 60,                // 4 frames
    SPRITE_SPARK = 64,              // 4 frames
    SPRITE_SNOWBALL = 68,           // 4 frames; the first is also the snowball icon
    SPRITE_PORTAL = 72,             // 4 frames
    SPRITE_PUFF = 76,               // 6 frames
    SPRITE_SHARDS = 82,             // 6 frames
    SPRITE_SLIPPERY = 88,
    SPRITE_ICICLE = 89,             // hanging or falling
    SPRITE_ICICLE_SHAKE = 90,       // 3 frames
    SPRITE_BEAR_WALK = 93,          // 4 frames
    SPRITE_BEAR_CHARGE = 97,        // 4 frames
    SPRITE_SHADOW = 101,            // under a filled cell
    SPRITE_CAP_BOTH = 102,          // snow cap on stone, stone on both sides
    SPRITE_CAP_RIGHT = 103,         // stone on the right only
    SPRITE_CAP_LEFT = 104,          // stone on the left only
    SPRITE_CAP_ALONE = 105,         // no stone beside it
    SPRITE_HANGING_ICICLES = 106,   // 3 variants, under stone
    SPRITE_COUNT = 109,

    // Frames of the sprites that animate.
    HERO_STAND_FRAMES = 4, HERO_WALK_FRAMES = 8, HERO_DYING_FRAMES = 8, HERO_CHEER_FRAMES = 4,
    KEY_FRAMES = 4, SNOWFLAKE_FRAMES = 4, ENEMY_FRAMES = 4, SNOWBALL_FRAMES = 4, PORTAL_FRAMES = 4,
    PARTICLE_FRAMES = 6, ICICLE_SHAKE_FRAMES = 3, HANGING_ICICLE_VARIANTS = 3,
};

// Sprites 0..SHEET_GRID_LAST are the cells of a grid SHEET_GRID_COLUMNS
// wide; the larger pieces after them lie where their rectangles say.
enum { SHEET_CELL = 96, SHEET_GRID_COLUMNS = 21, SHEET_GRID_LAST = 100, SHEET_WIDTH = 2048, SHEET_HEIGHT = 572 };

// A source rectangle of the sprite sheet, in sheet pixels.
struct SpriteRect {
    int16_t x, y, w, h;
};
extern const SpriteRect sprite_rects[SPRITE_COUNT];
