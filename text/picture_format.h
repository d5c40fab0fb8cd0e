// The format of a language's text picture and its tables, which the
// generator in tools/textpictures/ writes and the translated-text drawing
// reads. Plain constants, free of SDL, so that the generator may include them.
#pragma once
#include <cstdint>

// A text picture is lettered at twice the size it is drawn at, on a fixed
// width; its height follows from its pieces, packed in rows.
constexpr int TEXT_PICTURE_SCALE = 2, TEXT_PICTURE_WIDTH = 2048;

// Picture pixels of margin at each side of a piece, outside its advance.
constexpr int PIECE_MARGIN = 8;

// Piece sizes: the three kinds of lettering a piece can hold.
enum PieceKind { KIND_SMALL, KIND_BIG, KIND_TITLE, PIECE_KINDS };

// Height and baseline of a piece of each kind, in picture pixels. The title's
// recorded baseline is 0: its piece hangs from the line's baseline, and its
// letters stand on TITLE_LETTER_BASELINE inside it.
constexpr int PIECE_HEIGHT[PIECE_KINDS] = { 68, 116, 192 };
constexpr int PIECE_BASELINE[PIECE_KINDS] = { 44, 80, 0 };
constexpr int TITLE_LETTER_BASELINE = 146;

// Em sizes of the glyph fonts in screen pixels (small, big), so that a piece
// and a number drawn beside it match; the title's own size.
constexpr double PIECE_EM[PIECE_KINDS] = { 18.15, 33.80, 75.0 };

// A run list: piece numbers (n for the piece of rectangle n - 1) and
// placeholders (-1..-4 for {1}..{4}) in reading order, at most RUN_LIST_MOST
// of them, then RUN_END. Each message has two positions in the run index,
// its small list's and its big one's, NO_LIST where it has none.
enum { RUN_END = 0, RUN_LIST_MOST = 5 };
constexpr uint16_t NO_LIST = 0xFFFF;

// Fields of a piece rectangle, five per piece, in picture pixels.
enum { RECT_X, RECT_Y, RECT_W, RECT_H, RECT_BASELINE, RECT_FIELDS };
