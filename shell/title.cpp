// The title screen: the theme background in its frame, the game's title, the
// hero cheering beside the key, a panel that alternates between the help and
// the high scores, the invitation to start, the own-levels hint and the
// credit line. Everything that moves is worked out from shell.frame_counter; the
// screen keeps no state and changes none.
#include <cstdio>
#include <sys/stat.h>
#include "shell/shell.h"
#include "draw/draw.h"
#include "text/text.h"

// The title's background changes every ten seconds; the invitation blinks
// every half second and the hero and key animate six times a second.
enum {
    TICKS_PER_THEME = 10 * TICKS_PER_SECOND,
    TICKS_PER_BLINK = TICKS_PER_SECOND / 2,
    TICKS_PER_FRAME = TICKS_PER_SECOND / 6,
};

static void draw_help_panel()
{
    draw_message(MSG_GOAL, SCREEN_MIDDLE, 280, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, {});
    for (int32_t i = 0; i < 3; i++)
        draw_message(MSG_KEYS_FIRST + i, SCREEN_MIDDLE, 340 + 30 * i, FONT_SMALL, ALIGN_CENTRE, COLOUR_GREY_BLUE, {});
    draw_message(MSG_LANGUAGE_KEY, SCREEN_MIDDLE, 450, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE,
                 {msg_ref_text(MSG_LANGUAGE_NAME)});
}

// The heading and the ten rows stand inside the band's edges and clear of
// the invitation; the level column keeps clear of the scores, which end at
// x 470.
enum { ROWS_TOP = 316, ROW_HEIGHT = 21, ROW_LEVEL_WIDTH = 80 };

static void draw_high_score_panel()
{
    draw_message(MSG_BEST_PLAYERS, SCREEN_MIDDLE, 272, FONT_BIG, ALIGN_CENTRE, COLOUR_PALE_BLUE, {});
    for (int32_t i = 0; i < HIGH_SCORE_ROWS; i++) {
        const HighScore& row = shell.high_scores[i];
        const int32_t y = ROWS_TOP + ROW_HEIGHT * i;
        char text[16];
        snprintf(text, sizeof text, "%2d.", (int)(i + 1));
        draw_text(text, 220, y, FONT_SMALL, ALIGN_RIGHT, COLOUR_GREY_BLUE);
        // A player's name is always plain text, never a message reference.
        draw_text(row.name, 240, y, FONT_SMALL, ALIGN_LEFT, COLOUR_WHITE);
        snprintf(text, sizeof text, "%d", (int)row.score);
        draw_text(text, 470, y, FONT_SMALL, ALIGN_RIGHT, COLOUR_GOLD);
        draw_message_fit(MSG_ROW_LEVEL, 560, y, FONT_SMALL, ALIGN_RIGHT, COLOUR_GREY_BLUE, ROW_LEVEL_WIDTH,
                         {num_text(row.level)});
    }
}

// Looked up on every frame, so that a newly written file shows at once.
static bool own_levels_exist()
{
    struct stat st;
    return shell.own_levels_path[0] != 0 && stat(shell.own_levels_path, &st) == 0;
}

void decode_title_pictures_ahead()
{
    // Two workers, each with about half of the work, and the two largest
    // pictures first: the text picture and the big glyph sheet, both kept
    // packed. A third would start the first frame sooner but hold more
    // decoded pictures at once.
    const LanguageInfo& language = language_table[get_language()];
    const PictureAhead first[] = {
        {{language.atlas_png, (int32_t)(uint32_t)language.atlas_size}, true},
        {builtin_pictures[PICTURE_FONT_SMALL], true},
    };
    decode_pictures_ahead(first, (int32_t)(sizeof first / sizeof first[0]));
    const PictureAhead second[] = {
        {builtin_pictures[PICTURE_FONT_BIG], true},
        {builtin_pictures[PICTURE_SPRITES], false},
        {*theme_image(0), false},
        {builtin_pictures[PICTURE_LOGO], false},
    };
    decode_pictures_ahead(second, (int32_t)(sizeof second / sizeof second[0]));
}

void draw_title()
{
    const int32_t f = shell.frame_counter;
    draw_background((f / TICKS_PER_THEME) % THEME_COUNT);
    draw_side_frames();
    draw_bars();

    // The logo carries Danish lettering; other languages write the title.
    if (get_language() == LANGUAGE_DANISH)
        draw_logo(SCREEN_MIDDLE, 52);
    else
        draw_message_fit(MSG_TITLE, SCREEN_MIDDLE, 30, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, 640, {});

    // The hero's pompom stays clear of the title's letters and the logo; the
    // banner has the top bar to itself, above them all.
    const int32_t y0 = 178;
    draw_sprite_scaled(360.0f, (float)y0, 2.0f, SPRITE_HERO_CHEER + (f / TICKS_PER_FRAME) % HERO_CHEER_FRAMES, 0, 255);
    if (locale_banner_flag() != 0) {
        fill_rect(254, 9, 260, 15, COLOUR_BANNER_BLUE);
        fill_rect(254, 24, 260, 15, COLOUR_BANNER_YELLOW);
        draw_message(MSG_BANNER, SCREEN_MIDDLE, 12, FONT_SMALL, ALIGN_CENTRE, COLOUR_WHITE, {});
    }
    draw_sprite_scaled(454.0f, (float)(y0 + 10), 1.3f, SPRITE_KEY + (f / TICKS_PER_FRAME) % KEY_FRAMES, 0, 255);

    draw_band(250, 300);
    draw_band(540, 100);
    if ((f / TICKS_PER_PANEL) % 2 == 0)
        draw_help_panel();
    else
        draw_high_score_panel();

    // Hidden first, then shown and hidden for 30 ticks each.
    if ((f / TICKS_PER_BLINK) % 2 == 1)
        draw_message(MSG_PRESS_ENTER, SCREEN_MIDDLE, 552, FONT_BIG, ALIGN_CENTRE, COLOUR_GOLD, {});
    if (own_levels_exist())
        draw_message(MSG_OWN_LEVELS, SCREEN_MIDDLE, 602, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, {});
    draw_message_fit(MSG_CREDIT, SCREEN_MIDDLE, BOTTOM_LINE_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_GREY_BLUE, 728, {});
}
