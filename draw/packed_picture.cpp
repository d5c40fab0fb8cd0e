// Pictures kept packed in runs of equal pixels, each row on its own, so that
// a texture of a few of their rows can be made whenever a screen first
// needs them, without keeping the decoded picture whole. The text pictures
// and the glyph sheets are mostly clear: packed, each takes a sixth of its
// decoded pixels or less.
#include "draw/draw.h"
#include "draw/local.h"
#include "stb_image.h"

#include <cstring>

// The longest run one length byte can hold.
enum { LONGEST_RUN = 256 };

// Rows widened to RGBA at a time on their way into a texture.
enum { STRIP_ROWS = 64 };

static bool same_pixel(const unsigned char* a, const unsigned char* b, int32_t channels)
{
    for (int32_t c = 0; c < channels; c++)
        if (a[c] != b[c])
            return false;
    return true;
}

// The bytes one row takes packed; with `to`, also writes them there.
static size_t pack_row(const unsigned char* row, int32_t w, int32_t channels, unsigned char* to)
{
    size_t bytes = 0;
    for (int32_t x = 0; x < w;) {
        int32_t run = 1;
        while (x + run < w && run < LONGEST_RUN && same_pixel(row + (size_t)channels * x, row + (size_t)channels * (x + run), channels))
            run++;
        if (to) {
            to[bytes] = (unsigned char)(run - 1);
            memcpy(to + bytes + 1, row + (size_t)channels * x, (size_t)channels);
        }
        bytes += 1 + (size_t)channels;
        x += run;
    }
    return bytes;
}

bool pack_picture(const unsigned char* pixels, int32_t w, int32_t h, int32_t channels, PackedPicture* packed)
{
    *packed = PackedPicture{};
    if (!pixels || w <= 0 || h <= 0 || (channels != 2 && channels != 4))
        return false;
    const size_t row_bytes = (size_t)channels * w;
    uint32_t* starts = (uint32_t*)SDL_malloc(sizeof(uint32_t) * ((size_t)h + 1));
    if (!starts)
        return false;
    size_t total = 0;
    for (int32_t y = 0; y < h; y++) {
        starts[y] = (uint32_t)total;
        total += pack_row(pixels + row_bytes * y, w, channels, nullptr);
        if (total > UINT32_MAX) {
            SDL_free(starts);
            return false;
        }
    }
    starts[h] = (uint32_t)total;
    unsigned char* runs = (unsigned char*)SDL_malloc(total);
    if (!runs) {
        SDL_free(starts);
        return false;
    }
    for (int32_t y = 0; y < h; y++)
        pack_row(pixels + row_bytes * y, w, channels, runs + starts[y]);
    *packed = PackedPicture{w, h, channels, starts, runs};
    return true;
}

void free_packed_picture(PackedPicture* packed)
{
    SDL_free(packed->row_starts);
    SDL_free(packed->runs);
    *packed = PackedPicture{};
}

// Widens one packed row into w RGBA pixels in ABGR8888, whose memory order
// is R, G, B, A on a little-endian machine; grey goes into all three.
static void unpack_row(const PackedPicture& packed, int32_t y, Uint32* to)
{
    const unsigned char* run = packed.runs + packed.row_starts[y];
    const unsigned char* end = packed.runs + packed.row_starts[y + 1];
    for (; run < end; run += 1 + packed.channels) {
        const unsigned char* p = run + 1;
        const Uint32 pixel = packed.channels == 2 ? (Uint32)p[0] * 0x010101u | (Uint32)p[1] << 24
                                                  : (Uint32)p[0] | (Uint32)p[1] << 8 | (Uint32)p[2] << 16 | (Uint32)p[3] << 24;
        for (int32_t n = run[0] + 1; n > 0; n--)
            *to++ = pixel;
    }
}

SDL_Texture* packed_rows_texture(const PackedPicture& packed, int32_t top, int32_t rows)
{
    if (!packed.runs || top < 0 || rows <= 0 || rows > packed.h - top)
        return nullptr;
    SDL_Texture* texture = SDL_CreateTexture(textures.renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                             packed.w, rows);
    if (!texture)
        return nullptr;
    Uint32* strip = (Uint32*)SDL_malloc(sizeof(Uint32) * (size_t)packed.w * STRIP_ROWS);
    if (!strip) {
        SDL_DestroyTexture(texture);
        return nullptr;
    }
    for (int32_t first = 0; first < rows; first += STRIP_ROWS) {
        const int32_t n = rows - first < STRIP_ROWS ? rows - first : STRIP_ROWS;
        for (int32_t i = 0; i < n; i++)
            unpack_row(packed, top + first + i, strip + (size_t)packed.w * i);
        const SDL_Rect rect = {0, first, packed.w, n};
        SDL_UpdateTexture(texture, &rect, strip, 4 * packed.w);
    }
    SDL_free(strip);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

int32_t packed_channels(const unsigned char* bytes, int32_t length)
{
    int w = 0, h = 0, channels = 0;
    if (!bytes || length <= 0 || !stbi_info_from_memory(bytes, length, &w, &h, &channels))
        return 4;
    return channels > 2 ? 4 : 2;
}

bool decode_packed_picture(const unsigned char* bytes, int32_t length, PackedPicture* packed)
{
    if (take_packed_ahead(bytes, packed))
        return packed->runs != nullptr;
    const int32_t channels = packed_channels(bytes, length);
    int w = 0, h = 0;
    unsigned char* pixels = decode_picture(bytes, length, channels, &w, &h);
    if (!pixels) {
        *packed = PackedPicture{};
        return false;
    }
    const bool done = pack_picture(pixels, w, h, channels, packed);
    stbi_image_free(pixels);
    return done;
}
