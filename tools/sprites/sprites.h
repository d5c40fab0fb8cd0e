// The sprite-sheet generator's own declarations. Every sprite function draws
// in the sprite's own coordinates, (0, 0) to its width and height at drawing
// size; the cell sprites are 96 x 96 with the feet on the bottom edge.
#pragma once

#include <string>
#include "draw/sheet.h"
#include "tools/art/art.h"

// A sprite's rectangle of the sheet, from the layout the game reads.
struct SheetRect {
    int x, y, w, h;
};
SheetRect sheet_rect(int sprite);

// Olpi: sprites 0..28 and the extra-life head (46).
void draw_hero(cairo_t* cr, int sprite);
void draw_olpi_head(cairo_t* cr, double cx, double cy, double size);
// Cells and their furniture: 29..34, 88, 101..108.
void draw_cell(cairo_t* cr, int sprite);
// Items and the snowball: 35..51, 68..71.
void draw_item(cairo_t* cr, int sprite);
// Enemies: 52..67, 89..100.
void draw_enemy(cairo_t* cr, int sprite);
// Portal, puffs and shards: 72..87.
void draw_effect(cairo_t* cr, int sprite);

// The file of built-in picture n (a PICTURE_ number) in the pictures folder dir.
std::string picture_file(const std::string& dir, int picture);

// The whole sprite sheet, SHEET_WIDTH x SHEET_HEIGHT.
cairo_surface_t* make_sheet();
// Pictures 1..6: frames, bars, band and logo, written into dir.
bool make_furniture(const char* dir);
// The review picture: the contact sheet, written into dir.
bool make_review(cairo_surface_t* sheet, const char* pictures_dir, const char* dir);
// A mock of the title screen's furniture, for review only.
bool make_title_review(cairo_surface_t* sheet, const char* pictures_dir, const char* file);
