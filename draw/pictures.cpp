// The built-in pictures made into textures, and the texture set.
#include "draw/draw.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include "stb_image.h"

TextureSet textures;

SDL_Texture* texture_from_image(const unsigned char* bytes, int32_t length)
{
    // A picture missing from the build has no bytes: the decoder is handed
    // an empty buffer instead, fails and gives its reason like any other.
    static const unsigned char nothing = 0;
    if (!bytes || length < 0) {
        bytes = &nothing;
        length = 0;
    }
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes, length, &w, &h, &channels, 4);
    if (!pixels) {
        SDL_Log("Kunne ikke læse indlejret billede: %s", stbi_failure_reason());
        return nullptr;
    }
    // ABGR8888 is R, G, B, A in memory on a little-endian machine: the
    // decoder's own order, so the pixels go in unchanged.
    SDL_Texture* texture = SDL_CreateTexture(textures.renderer, SDL_PIXELFORMAT_ABGR8888,
                                             SDL_TEXTUREACCESS_STATIC, w, h);
    SDL_UpdateTexture(texture, nullptr, pixels, 4 * w);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    stbi_image_free(pixels);
    return texture;
}

SDL_Texture* language_picture_texture(const unsigned char* bytes, int32_t length)
{
    return texture_from_image(bytes, length);
}

// The half copy of a glyph sheet, by the cells of its glyphs.
static HalfCopy glyph_half_copy(SDL_Texture* sheet, const GlyphFont& font)
{
    static SDL_Rect cells[GLYPH_COUNT];
    for (int32_t g = 0; g < GLYPH_COUNT; g++)
        cells[g] = glyph_cell(font, g);
    return make_half_copy(sheet, cells, GLYPH_COUNT);
}

static SDL_Texture* picture_texture(int picture)
{
    return texture_from_image(builtin_pictures[picture].bytes, builtin_pictures[picture].length);
}

void load_textures(SDL_Renderer* renderer)
{
    textures.renderer = renderer;
    // Every texture is shown at half its size or stretched: filter linearly.
    // The hint must be set before the first texture exists.
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "1");
    textures.sprites = picture_texture(0);
    textures.side_frame = picture_texture(1);
    textures.bottom_frame = picture_texture(2);
    textures.top_bar = picture_texture(3);
    textures.bottom_bar = picture_texture(4);
    textures.band = picture_texture(5);
    textures.logo = picture_texture(6);
    textures.font_small = picture_texture(31);
    textures.font_big = picture_texture(32);

    static SDL_Rect sprite_cells[SPRITE_COUNT];
    for (int32_t n = 0; n < SPRITE_COUNT; n++)
        sprite_cells[n] = SDL_Rect{sprite_rects[n].x, sprite_rects[n].y, sprite_rects[n].w, sprite_rects[n].h};
    textures.sprites_half = make_half_copy(textures.sprites, sprite_cells, SPRITE_COUNT);
    textures.font_small_half = glyph_half_copy(textures.font_small, glyph_fonts[FONT_SMALL]);
    textures.font_big_half = glyph_half_copy(textures.font_big, glyph_fonts[FONT_BIG]);
}
