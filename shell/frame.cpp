// The drawing of one frame of the interactive game: the title screen, or the
// play scene with the pause and end-of-game notices, or with the name-entry
// panel.
#include "shell/shell.h"
#include "shell/local.h"
#include "draw/draw.h"
#include "scene/scene.h"
#include "rules/rules.h"
#include "text/text.h"

#include <cstdio>

// The name-entry panel darkens the scene behind it, 0xAABBGGRR.
static const uint32_t PANEL = 0xDC1E0A00;

enum { CURSOR_BLINK_TICKS = 20 };

void name_entry_line(char line[NAME_LINE_BYTES])
{
    const char* cursor = (shell.frame_counter / CURSOR_BLINK_TICKS) % 2 ? "_" : " ";
    snprintf(line, NAME_LINE_BYTES, "%s%s", shell.typed_name, cursor);
}

static void draw_play_notices()
{
    if (shell.paused) {
        draw_band(285, 80);
        draw_message(MSG_PAUSED, SCREEN_MIDDLE, 300, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE);
    }
    if (play.state == STATE_GAME_OVER) {
        draw_band(280, 90);
        draw_message(MSG_GAME_OVER, SCREEN_MIDDLE, 296, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE);
    }
    if (play.state == STATE_ALL_DONE) {
        draw_band(260, 130);
        draw_message(MSG_CONGRATULATIONS, SCREEN_MIDDLE, 272, FONT_BIG, ALIGN_CENTRE, COLOUR_GOLD);
        draw_message(MSG_ALL_KEYS_FOUND, SCREEN_MIDDLE, 326, FONT_SMALL, ALIGN_CENTRE, COLOUR_WHITE);
    }
}

// The name-entry panel, and the widest its texts may be: the panel less a margin at each side.
enum { PANEL_X = 84, PANEL_Y = 200, PANEL_W = 600, PANEL_H = 250, PANEL_TEXT_WIDTH = PANEL_W - 24 };

static void draw_name_entry()
{
    fill_rect(PANEL_X, PANEL_Y, PANEL_W, PANEL_H, PANEL);
    int32_t heading = play.state == STATE_ALL_DONE ? MSG_ALL_LEVELS_DONE : MSG_NEW_HIGH_SCORE;
    draw_message_fit(heading, SCREEN_MIDDLE, 216, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, PANEL_TEXT_WIDTH);
    draw_message_fit(MSG_POINTS, SCREEN_MIDDLE, 266, FONT_BIG, ALIGN_CENTRE, COLOUR_GOLD, PANEL_TEXT_WIDTH,
                     {num_text(play.score)});
    draw_message_fit(MSG_TYPE_NAME, SCREEN_MIDDLE, 320, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, PANEL_TEXT_WIDTH);
    char line[NAME_LINE_BYTES];
    name_entry_line(line);
    draw_text(line, SCREEN_MIDDLE, 360, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE);
}

void draw_frame(MainLoop* loop)
{
    SDL_SetRenderDrawColor(loop->renderer, 0, 0, 0, 255);
    SDL_RenderClear(loop->renderer);
    if (shell.app_mode == APP_TITLE) {
        draw_title();
    } else if (shell.app_mode == APP_PLAYING) {
        draw_game();
        draw_play_notices();
    } else if (shell.app_mode == APP_NAME_ENTRY) {
        draw_game();
        draw_name_entry();
    }
}
