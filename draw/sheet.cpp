// The sprite sheet's rectangles. Shared with the sprite tool, which draws
// every sprite into its rectangle.
#include "draw/sheet.h"

// Sprites 0..SHEET_GRID_LAST are the cells of the grid.
#define CELL(n) {int16_t(SHEET_CELL * ((n) % SHEET_GRID_COLUMNS)), int16_t(SHEET_CELL * ((n) / SHEET_GRID_COLUMNS)), SHEET_CELL, SHEET_CELL}

const SpriteRect sprite_rects[SPRITE_COUNT] = {
    CELL(0),  CELL(1),  CELL(2),  CELL(3),  CELL(4),  CELL(5),  CELL(6),
    CELL(7),  CELL(8),  CELL(9),  CELL(10), CELL(11), CELL(12), CELL(13),
    CELL(14), CELL(15), CELL(16), CELL(17), CELL(18), CELL(19), CELL(20),
    CELL(21), CELL(22), CELL(23), CELL(24), CELL(25), CELL(26), CELL(27),
    CELL(28), CELL(29), CELL(30), CELL(31), CELL(32), CELL(33), CELL(34),
    CELL(35), CELL(36), CELL(37), CELL(38), CELL(39), CELL(40), CELL(41),
    CELL(42), CELL(43), CELL(44), CELL(45), CELL(46), CELL(47), CELL(48),
    CELL(49), CELL(50), CELL(51), CELL(52), CELL(53), CELL(54), CELL(55),
    CELL(56), CELL(57), CELL(58), CELL(59), CELL(60), CELL(61), CELL(62),
    CELL(63), CELL(64), CELL(65), CELL(66), CELL(67), CELL(68), CELL(69),
    CELL(70), CELL(71), CELL(72), CELL(73), CELL(74), CELL(75), CELL(76),
    CELL(77), CELL(78), CELL(79), CELL(80), CELL(81), CELL(82), CELL(83),
    CELL(84), CELL(85), CELL(86), CELL(87), CELL(88), CELL(89), CELL(90),
    CELL(91), CELL(92), CELL(93), CELL(94), CELL(95), CELL(96), CELL(97),
    CELL(98), CELL(99), CELL(100),
    {1632, 384, 128, 128}, // 101 shadow under a filled cell
    {1760, 384, 128, 48},  // 102 snow cap, stone on both sides
    {1888, 384, 128, 48},  // 103 snow cap, stone on the right
    {0, 512, 128, 48},     // 104 snow cap, stone on the left
    {128, 512, 128, 48},   // 105 snow cap, free-standing
    {256, 512, 128, 60},   // 106..108 icicles under stone
    {384, 512, 128, 60},
    {512, 512, 128, 60},
};

#undef CELL
