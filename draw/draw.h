// Drawing: the built-in pictures made into textures, the sprite sheet and
// the screens' furniture and glyph fonts. Everything is drawn through
// the renderer kept in `textures`, on the logical screen of 768 x 672.
#pragma once

#include <SDL.h>
#include <cstdint>

// The logical screen every picture is drawn on, and its middle column.
enum { SCREEN_WIDTH = 768, SCREEN_HEIGHT = 672, SCREEN_MIDDLE = 384 };
// The play area: the rectangle of the screen the level's cells fill, between
// the top bar, the side frames and the bottom frame.
enum { PLAY_AREA_X = 24, PLAY_AREA_Y = 48, PLAY_AREA_W = 720, PLAY_AREA_H = 576 };
// The top of the small line along the bottom edge (the level name in play,
// the credit line on the title): high enough that the deepest marks under
// the letters of every language stay on the screen.
enum { BOTTOM_LINE_Y = 640 };

// ---- Built-in pictures, texture set and sprites ----

// The built-in pictures' numbers, the sprite numbers and the sheet's rectangles.
#include "draw/sheet.h"

// One picture file (PNG or JPEG) built into the program.
struct BuiltinPicture {
    const unsigned char* bytes;
    int32_t length;
};
// Every built-in picture, by its number.
extern const BuiltinPicture builtin_pictures[PICTURE_COUNT];

// A texture's pieces each shrunk once to half size, at half their position,
// as a copy to that size shrinks them: made on the software renderer only.
struct HalfCopy {
    SDL_Texture* source;  // the texture it was made from
    SDL_Texture* half;    // null when none was made
};

// The opaque layers of the furniture, each drawn from a copy made at the
// output's scale where the renderer can draw into textures.
enum {
    LAYER_BACKGROUND,
    LAYER_LEFT_FRAME,
    LAYER_RIGHT_FRAME,
    LAYER_BOTTOM_FRAME,
    LAYER_TOP_BAR,
    LAYER_BOTTOM_BAR,
    LAYER_COUNT,
};

// A layer's picture as the output shows it: copied 1:1, unblended, nearest.
struct LayerCopy {
    SDL_Texture* copy;    // a target texture, or null while none is made
    SDL_Texture* source;  // the texture it was drawn from
    float scale_x, scale_y;  // the renderer's scale it was drawn at
};

// A picture kept packed in runs of equal pixels, row by row, for textures of some of its rows.
struct PackedPicture {
    int32_t w, h;
    int32_t channels;      // bytes of a pixel in a run: 2 (grey and alpha) or 4 (RGBA)
    uint32_t* row_starts;  // where each row's runs begin in runs, and one past the last row
    unsigned char* runs;   // each run: its length less one, then its pixel; null when there is no picture
};

// A packed picture drawn a band of rows at a time. Its pieces lie in bands by
// their tops; a band's texture holds its pieces whole, with a few rows more
// at each edge so that filtering at a piece's edge reads the picture's own
// neighbours, and is made when one of its pieces is first drawn.
enum { PICTURE_BANDS = 64, PICTURE_BAND_ROWS = 128, PICTURE_BAND_EDGE = 2 };
struct PictureBand {
    SDL_Texture* texture;  // null until made
    HalfCopy half;         // of texture, by its pieces (a half only on the software renderer)
    int32_t top, rows;     // the picture's rows the texture holds; no rows when no piece lies in the band
};
struct BandedPicture {
    PackedPicture picture;  // its pixels, owned by whoever made it
    const SDL_Rect* pieces; // its pieces' rectangles, kept by whoever planned it
    int32_t piece_count;
    int32_t band_rows;      // a band's share of the picture's rows, by its pieces' tops
    PictureBand bands[PICTURE_BANDS];
};

// The renderer and every texture made at start-up; null until made.
struct TextureSet {
    SDL_Renderer* renderer;
    SDL_Texture* sprites;
    SDL_Texture* side_frame;
    SDL_Texture* bottom_frame;
    SDL_Texture* top_bar;
    SDL_Texture* bottom_bar;
    SDL_Texture* band;
    SDL_Texture* logo;
    BandedPicture font_small;  // the glyph sheets, by the glyph cells
    BandedPicture font_big;
    SDL_Texture* background;
    HalfCopy sprites_half;     // of sprites, by the sprite rectangles
    LayerCopy layers[LAYER_COUNT];
};
extern TextureSet textures;


// Decodes a picture into a new blended texture on textures.renderer; null (and one log line) when it does not decode.
SDL_Texture* texture_from_image(const unsigned char* bytes, int32_t length);
// Packs w x h pixels of 2 or 4 channels into packed; false (and nothing packed) when it cannot.
bool pack_picture(const unsigned char* pixels, int32_t w, int32_t h, int32_t channels, PackedPicture* packed);
// Decodes a picture, grey and alpha as such, and packs it, or takes what a worker packed ahead; false, with the log line, when it does not decode.
bool decode_packed_picture(const unsigned char* bytes, int32_t length, PackedPicture* packed);
// A new blended RGBA texture of rows top..top+rows-1 of a packed picture; null when they are not all in it.
SDL_Texture* packed_rows_texture(const PackedPicture& packed, int32_t top, int32_t rows);
// Frees a packed picture's runs and leaves it empty.
void free_packed_picture(PackedPicture* packed);
// Plans the bands of banded's picture by count pieces, whose rectangles the caller keeps; no band is made yet.
void plan_bands(BandedPicture* banded, const SDL_Rect* pieces, int32_t count);
// The texture a piece of banded is drawn from, made if it is the first of its band, with the piece's rectangle in it and the band's half copy; null when it cannot be made.
SDL_Texture* band_texture(BandedPicture* banded, const SDL_Rect& piece, SDL_Rect* source, const HalfCopy** half);
// Makes banded one band of a texture that holds the whole picture, every piece at its own place, and nothing packed.
void band_whole_texture(BandedPicture* banded, SDL_Texture* texture);
// Destroys the band textures made so far, on a renderer still there; the plan stays.
void destroy_band_textures(BandedPicture* banded);
// Keeps the renderer, asks for linear filtering, makes the textures of the sprite sheet, the furniture and the logo, and plans the glyph sheets' bands.
void load_textures(SDL_Renderer* renderer);
// On the software renderer, the half copy of texture by count rectangles that do not overlap; elsewhere one without a half.
HalfCopy make_half_copy(SDL_Texture* texture, const SDL_Rect* rects, int32_t count);
// What to copy source of texture to destination from: copy's half, with source moved into it, where that gives the same pixels, else texture.
SDL_Texture* copy_source(const HalfCopy& copy, SDL_Texture* texture, SDL_Rect* source, const SDL_FRect& destination);
// A picture to decode ahead, for texture_from_image, or packed for decode_packed_picture.
struct PictureAhead {
    BuiltinPicture picture;
    bool packed;
};
// Starts decoding these pictures in turn on a worker thread of their own, for a later making of the same bytes to take.
void decode_pictures_ahead(const PictureAhead* pictures, int32_t count);
// Where draw_sprite_scaled puts a sprite: its half-size box at (x, y), scaled about the box's centre.
SDL_FRect sprite_box(float x, float y, float scale, int32_t sprite);
// Draws a sprite at half size with its top-left corner at (x, y); any non-zero flip mirrors it.
void draw_sprite(float x, float y, int32_t sprite, int32_t flip, int32_t alpha);
// Draws a sprite at half size times scale, about the centre of draw_sprite's box.
void draw_sprite_scaled(float x, float y, float scale, int32_t sprite, int32_t flip, int32_t alpha);
// Draws a sprite at half size at (x, y), turned clockwise by angle degrees about its centre.
void draw_sprite_rotated(float x, float y, float angle, int32_t sprite, int32_t alpha);

// ---- Backgrounds, frames, bars and panels ----
// Rectangles are integer logical-screen pixels; textures are copied whole.

// The built-in picture of theme 0..23.
const BuiltinPicture* theme_image(int32_t theme);
// The theme whose picture textures.background holds; -1 before the first background.
extern int32_t background_theme;

// Draws the background of theme (theme mod 24) over the play area, decoding it only when the theme changes.
void draw_background(int32_t theme);
// Draws the left side frame, its mirror image at the right and the bottom frame.
void draw_side_frames();
// Draws the top bar and the bottom bar.
void draw_bars();
// Draws the band across the whole screen width from y, h pixels high.
void draw_band(int32_t y, int32_t h);
// Draws the title logo, 600 x 120, centred on x with its top at y.
void draw_logo(int32_t x, int32_t y);
// Destroys the layer copies, to be made again at the next draw: after the renderer lost its targets.
void forget_layer_copies();
// Fills a rectangle with colour 0xAABBGGRR, blended by its alpha.
void fill_rect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);

// ---- Glyph fonts and glyph text ----

// The UTF-8 reader that glyph text, message texts and language files share.
#include "draw/utf8.h"

// A font argument of 0 selects the small font, any other value the big one.
// Colours are 0xAABBGGRR; alignment 0 left, 1 centred, 2 right, others left.
enum { FONT_SMALL = 0, FONT_BIG = 1 };
enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };

// The colours the screens share, 0xAABBGGRR.
constexpr uint32_t COLOUR_WHITE = 0xffffffffu;
constexpr uint32_t COLOUR_GOLD = 0xff78e2ffu;
constexpr uint32_t COLOUR_PALE_BLUE = 0xffffe6aau;
constexpr uint32_t COLOUR_GREY_BLUE = 0xffc8aa96u;
constexpr uint32_t COLOUR_LIGHT_RED = 0xff7878ffu;
constexpr uint32_t COLOUR_BANNER_BLUE = 0xf0b75700u;
constexpr uint32_t COLOUR_BANNER_YELLOW = 0xf000d7ffu;

enum { GLYPH_COUNT = 791, GLYPH_QUESTION = 31 };

// One bitmap font: per glyph its advance in screen pixels and its cell's corner in the sheet.
struct GlyphFont {
    const int16_t* glyph_advance;
    const int16_t* glyph_sheet_x;
    const int16_t* glyph_sheet_y;
    int32_t height;  // glyph height on the screen at scale 1
};
// The code point of each glyph, strictly ascending; both fonts share it.
extern const int32_t glyph_codes[GLYPH_COUNT];
// The small (0) and the big (1) font.
extern const GlyphFont glyph_fonts[2];

// The cell of a glyph in its font's sheet: twice its advance by twice the font's height.
SDL_Rect glyph_cell(const GlyphFont& font, int32_t glyph);
// The glyph that draws a code point; the "?" glyph when the fonts lack it.
int32_t find_glyph(int32_t code);
// Width of a text in screen pixels at scale 1 (an empty text is 5 wide).
int32_t text_width(const char* text, int32_t font);
// Draws a text with its top edge at y, aligned at x, tinted by colour; returns its width times scale.
int32_t draw_text_scaled(const char* text, int32_t font, int32_t align, uint32_t colour, float x, float y, float scale);
// draw_text_scaled at integer x, y and scale 1.
int32_t draw_text(const char* text, int32_t x, int32_t y, int32_t font, int32_t align, uint32_t colour);

// ---- Layout notes ----
// Where a frame put its texts, icons and panels, exactly as the drawing
// placed them, so that checks can see every language's screens keep their
// texts apart, inside their panels and on the screen. Nothing is noted while
// drawn_layout is null, as in the game.

enum {
    DRAWN_LINE,   // a translated line's advance and line height; what: message
    DRAWN_PIECE,  // one piece of a text picture; what: its rectangle index
    DRAWN_GLYPH,  // one glyph box; what: font * GLYPH_COUNT + glyph
    DRAWN_SPRITE, // a sprite scaled about its centre; what: sprite number
    DRAWN_LOGO,   // the title logo
    DRAWN_BAND,   // a band panel
    DRAWN_FILL,   // a filled rectangle
    DRAWN_BAR,    // the bottom frame or one of the bars
};
struct DrawnBox {
    int32_t kind;
    int32_t what;
    int32_t line;  // boxes of one translated line or one glyph text share it; -1 for others
    SDL_FRect box;
};
enum { DRAWN_BOXES = 1024 };
struct DrawnLayout {
    DrawnBox boxes[DRAWN_BOXES];
    int32_t count;  // boxes beyond DRAWN_BOXES are dropped
    int32_t lines;  // the line numbers given so far
    int32_t depth;  // inside a translated line, whose glyph text is part of it
};
extern DrawnLayout* drawn_layout;

// Notes one box when drawn_layout is set; glyphs outside a translated line begin a line of their own.
void note_drawn(int32_t kind, int32_t what, SDL_FRect box);
// Begins a new line for the boxes noted next; returns its number (-1 while nothing is noted).
int32_t note_line();
