// The contact sheet of the translated texts: the title, the help line, the
// language line with the language's own name, a score and a world's intro,
// in every language, one row each, drawn by the game's own drawing on the
// software renderer at the logical screen's scale. It is written only when
// FROSTOVA_CONTACT_SHEET names the PNG file to write, for a reader of each
// script to look at; otherwise the test is skipped.
#include <gtest/gtest.h>
#include <SDL.h>

#include "draw/draw.h"
#include "stb_image_write.h"
#include "text/local.h"

#include <cstdlib>

namespace {

enum { SHEET_W = 1740, ROW_H = 120, SHEET_H = ROW_H * LANGUAGE_COUNT };

// Night navy behind every other row, deep blue behind the rest; snow white,
// pale ice and gold for the texts.
const SDL_Color NAVY = {0x0B, 0x1A, 0x33, 0xFF}, DEEP_BLUE = {0x17, 0x32, 0x5C, 0xFF};
const uint32_t SNOW = 0xFFFFFBF6, PALE_ICE = 0xFFFFF1D8, GOLD = 0xFF32B6F2;

void draw_row(int32_t language, int32_t y)
{
    draw_text(language_code(language), 8, y + 8, FONT_SMALL, ALIGN_LEFT, PALE_ICE);
    // The title's piece hangs from its line's baseline: lift it into the row.
    draw_message_fit(MSG_TITLE, 80, y - 24, FONT_BIG, ALIGN_LEFT, SNOW, 300);
    draw_message_fit(MSG_GOAL, 400, y + 16, FONT_SMALL, ALIGN_LEFT, SNOW, 700);
    draw_message_fit(MSG_LANGUAGE_KEY, 400, y + 62, FONT_SMALL, ALIGN_LEFT, PALE_ICE, 700,
                     {msg_ref_text(MSG_LANGUAGE_NAME)});
    draw_message_fit(MSG_POINTS, 1120, y + 4, FONT_BIG, ALIGN_LEFT, GOLD, 600, {num_text(12340)});
    const char* world = language_table[LANGUAGE_DANISH].texts[MSG_FIRST_BUILTIN_NAME + 1];
    draw_message_fit(MSG_WORLD, 1120, y + 62, FONT_BIG, ALIGN_LEFT, SNOW, 600, {level_name_ref(world)});
}

TEST(ContactSheet, EveryLanguage)
{
    const char* path = getenv("FROSTOVA_CONTACT_SHEET");
    if (!path || !path[0])
        GTEST_SKIP() << "FROSTOVA_CONTACT_SHEET names the picture to write";

    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(0, SHEET_W, SHEET_H, 32, SDL_PIXELFORMAT_ABGR8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(sheet);
    ASSERT_NE(renderer, nullptr);
    const TextureSet saved = textures;
    const int32_t saved_language = get_language();
    load_textures(renderer);
    forget_atlas();

    for (int32_t language = 0; language < LANGUAGE_COUNT; language++) {
        const SDL_Color c = language % 2 ? DEEP_BLUE : NAVY;
        const SDL_Rect row = {0, language * ROW_H, SHEET_W, ROW_H};
        SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
        SDL_RenderFillRect(renderer, &row);
        set_language(language);
        draw_row(language, row.y);
    }
    SDL_RenderFlush(renderer);
    // ABGR8888 is R, G, B, A in memory: the PNG writer's own order.
    EXPECT_NE(stbi_write_png(path, SHEET_W, SHEET_H, 4, sheet->pixels, sheet->pitch), 0) << path;

    forget_atlas();
    for (SDL_Texture* t : {textures.sprites, textures.side_frame, textures.bottom_frame, textures.top_bar,
                           textures.bottom_bar, textures.band, textures.logo})
        if (t)
            SDL_DestroyTexture(t);
    destroy_band_textures(&textures.font_small);
    destroy_band_textures(&textures.font_big);
    textures = saved;
    set_language(saved_language);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(sheet);
}

}  // namespace
