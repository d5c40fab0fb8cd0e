// What goes over the play field: the frames and bars that close it, the
// head-up display in the two bars, and the overlays the play state asks for
// (the level intro, the level-done panel and the frozen-enemies line). Like
// the rest of the play scene this only reads the play state and the level.
#include <cstdio>
#include "draw/draw.h"
#include "scene/local.h"
#include "scene/scene.h"
#include "rules/rules.h"
#include "text/text.h"

enum { MAX_LIFE_ICONS = 5, MAX_SNOWBALL_ICONS = 6 };

// A low bonus warns by blinking: 15 ticks gold, then 15 light red.
static uint32_t bonus_colour()
{
    if (play.bonus > BONUS_WARNING)
        return COLOUR_GOLD;
    return (play.tick / 15) % 2 == 0 ? COLOUR_GOLD : COLOUR_LIGHT_RED;
}

// The widest the level name may be in the bottom bar, kept to the bar's middle.
enum { BOTTOM_NAME_WIDTH = 440 };

static void draw_hud(const LevelRecord* level)
{
    char number[16];
    // The labels stand a little higher and the values a little lower than
    // the middle of the bar, so that the deepest marks under a label's
    // letters keep clear of the digits.
    draw_message_fit(MSG_SCORE, HUD_SCORE_X, HUD_LABEL_Y, FONT_SMALL, ALIGN_LEFT, COLOUR_PALE_BLUE, HUD_SCORE_LABEL_WIDTH, {});
    snprintf(number, sizeof number, "%d", (int)play.score);
    draw_text(number, HUD_SCORE_X, HUD_VALUE_Y, FONT_SMALL, ALIGN_LEFT, COLOUR_WHITE);

    draw_message_fit(MSG_BONUS, HUD_BONUS_X, HUD_LABEL_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, HUD_BONUS_LABEL_WIDTH, {});
    snprintf(number, sizeof number, "%d", (int)play.bonus);
    draw_text(number, HUD_BONUS_X, HUD_VALUE_Y, FONT_SMALL, ALIGN_CENTRE, bonus_colour());

    // The label ends before the first icon; the spare lives stand above the
    // snowballs, so that neither row covers the other.
    draw_message_fit(MSG_LEVEL_NUMBER, HUD_LEVEL_X, HUD_LEVEL_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE,
                     HUD_LEVEL_WIDTH, {num_text(play.level + 1)});

    // The life being played is not shown, only the spare ones, right to left.
    const int32_t lives = play.lives - 1 < MAX_LIFE_ICONS ? play.lives - 1 : MAX_LIFE_ICONS;
    for (int32_t i = 0; i < lives; i++)
        draw_sprite_scaled((float)(HUD_LIFE_X - HUD_LIFE_STEP * i), HUD_LIFE_Y, HUD_LIFE_SCALE, SPRITE_LIFE, 0, 255);
    const int32_t balls = play.snowballs_left < MAX_SNOWBALL_ICONS ? play.snowballs_left : MAX_SNOWBALL_ICONS;
    for (int32_t i = 0; i < balls; i++)
        draw_sprite_scaled((float)(HUD_SNOWBALL_X + HUD_SNOWBALL_STEP * i), HUD_SNOWBALL_Y, HUD_SNOWBALL_SCALE, SPRITE_SNOWBALL, 0,
                           255);

    if (level)
        draw_name_fit(level_name_ref(level->name), SCREEN_MIDDLE, BOTTOM_LINE_Y, FONT_SMALL, ALIGN_CENTRE,
                      COLOUR_PALE_BLUE, BOTTOM_NAME_WIDTH);
}

static void draw_intro(const LevelRecord* level)
{
    draw_band(INTRO_BAND_Y, INTRO_BAND_HEIGHT);
    if (level && level_starts_world() && play.tick < WORLD_INTRO_TICKS) {
        draw_band(WORLD_BAND_Y, WORLD_BAND_HEIGHT);
        draw_message(MSG_WORLD, SCREEN_MIDDLE, WORLD_LINE_Y, FONT_BIG, ALIGN_CENTRE, COLOUR_GOLD, {level_name_ref(level->world)});
    }
    draw_message(MSG_LEVEL_NUMBER, SCREEN_MIDDLE, INTRO_LEVEL_LINE_Y, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, {num_text(play.level + 1)});
    if (level)
        draw_name(level_name_ref(level->name), SCREEN_MIDDLE, INTRO_NAME_LINE_Y, FONT_BIG, ALIGN_CENTRE, COLOUR_PALE_BLUE);
    // Low in the band, clear of the deepest marks of a long level name.
    draw_message(MSG_READY, SCREEN_MIDDLE, INTRO_READY_LINE_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_GOLD, {});
}

// The panel waits until the hero has begun to fade out at the door.
static void draw_level_done()
{
    draw_band(LEVEL_DONE_BAND_Y, LEVEL_DONE_BAND_HEIGHT);
    draw_message(MSG_LEVEL_DONE, SCREEN_MIDDLE, LEVEL_DONE_LINE_Y, FONT_BIG, ALIGN_CENTRE, COLOUR_WHITE, {});
    draw_message(MSG_BONUS_ADDED, SCREEN_MIDDLE, BONUS_ADDED_LINE_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_GOLD, {});
}

void draw_hud_and_overlays(const LevelRecord* level)
{
    // The frames and bars hide whatever sticks out of the play area.
    draw_side_frames();
    draw_bars();
    draw_hud(level);
    if (play.state == STATE_INTRO)
        draw_intro(level);
    else if (play.state == STATE_LEVEL_DONE && play.tick > LEVEL_DONE_CHEER_TICKS)
        draw_level_done();
    // Last, so that no panel hides it, in whatever state play is.
    if (play.freeze_ticks != 0)
        draw_message(MSG_FROZEN, SCREEN_MIDDLE, FROZEN_LINE_Y, FONT_SMALL, ALIGN_CENTRE, COLOUR_PALE_BLUE, {});
}
