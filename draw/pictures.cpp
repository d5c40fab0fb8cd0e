// The built-in pictures made into textures, and the texture set.
#include "draw/draw.h"
#include "draw/local.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#include "stb_image.h"

TextureSet textures;

unsigned char* decode_picture(const unsigned char* bytes, int32_t length, int channels, int* w, int* h)
{
    unsigned char* pixels = nullptr;
    const char* failure = nullptr;
    if (channels != 4 || !take_decoded_ahead(bytes, &pixels, w, h, &failure)) {
        // Bytes that are not there (none, or a length below 0) are handed
        // to the decoder as an empty buffer: it fails and gives its reason
        // as for any picture that does not decode.
        static const unsigned char nothing = 0;
        if (!bytes || length < 0) {
            bytes = &nothing;
            length = 0;
        }
        int in_file = 0;
        pixels = stbi_load_from_memory(bytes, length, w, h, &in_file, channels);
        if (!pixels)
            failure = stbi_failure_reason();
    }
    if (!pixels)
        SDL_Log("Kunne ikke læse indlejret billede: %s", failure);
    return pixels;
}

SDL_Texture* texture_from_image(const unsigned char* bytes, int32_t length)
{
    int w = 0, h = 0;
    unsigned char* pixels = decode_picture(bytes, length, 4, &w, &h);
    if (!pixels)
        return nullptr;
    // ABGR8888 is R, G, B, A in memory on a little-endian machine: the
    // decoder's own order, so the pixels go in unchanged.
    SDL_Texture* texture = SDL_CreateTexture(textures.renderer, SDL_PIXELFORMAT_ABGR8888,
                                             SDL_TEXTUREACCESS_STATIC, w, h);
    SDL_UpdateTexture(texture, nullptr, pixels, 4 * w);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    stbi_image_free(pixels);
    return texture;
}

// The glyph sheets' cells, and their pictures packed once for every renderer.
static SDL_Rect glyph_cells[2][GLYPH_COUNT];
static PackedPicture glyph_sheets[2];

// Plans a glyph sheet's bands, packing its picture the first time.
static void load_glyph_sheet(int32_t font, int picture, BandedPicture* sheet)
{
    *sheet = BandedPicture{};
    if (!glyph_sheets[font].runs &&
        !decode_packed_picture(builtin_pictures[picture].bytes, builtin_pictures[picture].length, &glyph_sheets[font]))
        return;
    for (int32_t g = 0; g < GLYPH_COUNT; g++)
        glyph_cells[font][g] = glyph_cell(glyph_fonts[font], g);
    sheet->picture = glyph_sheets[font];
    plan_bands(sheet, glyph_cells[font], GLYPH_COUNT);
}

SDL_Texture* picture_texture(int picture)
{
    return texture_from_image(builtin_pictures[picture].bytes, builtin_pictures[picture].length);
}

// The pictures every screen draws, in the order they are made.
struct ScreenPicture {
    SDL_Texture** field;
    int picture;
};
static const ScreenPicture screen_pictures[] = {
    {&textures.sprites, PICTURE_SPRITES},         {&textures.side_frame, PICTURE_SIDE_FRAME},
    {&textures.bottom_frame, PICTURE_BOTTOM_FRAME}, {&textures.top_bar, PICTURE_TOP_BAR},
    {&textures.bottom_bar, PICTURE_BOTTOM_BAR},   {&textures.band, PICTURE_BAND},
};

void load_screen_textures(SDL_Renderer* renderer)
{
    textures.renderer = renderer;
    // Copies made on an earlier renderer went with it.
    for (LayerCopy& layer : textures.layers)
        layer = LayerCopy{};
    // Every texture is shown at half its size or stretched: filter linearly.
    // The hint must be set before the first texture exists.
    SDL_SetHint("SDL_RENDER_SCALE_QUALITY", "1");
    for (const ScreenPicture& p : screen_pictures)
        *p.field = picture_texture(p.picture);
    static SDL_Rect sprite_cells[SPRITE_COUNT];
    for (int32_t n = 0; n < SPRITE_COUNT; n++)
        sprite_cells[n] = SDL_Rect{sprite_rects[n].x, sprite_rects[n].y, sprite_rects[n].w, sprite_rects[n].h};
    textures.sprites_half = make_half_copy(textures.sprites, sprite_cells, SPRITE_COUNT);
}

void load_textures(SDL_Renderer* renderer)
{
    load_screen_textures(renderer);
    textures.logo = picture_texture(PICTURE_LOGO);
    load_glyph_sheet(FONT_SMALL, PICTURE_FONT_SMALL, &textures.font_small);
    load_glyph_sheet(FONT_BIG, PICTURE_FONT_BIG, &textures.font_big);
}
