// Pictures decoded on worker threads for a window. What its first frame
// draws is decoded ahead while the window and its renderer are being made,
// and taken by the ordinary texture making when it comes to it. What the
// first frame does not draw (the logo and the two glyph sheets) is decoded
// once it is presented, then uploaded a strip of rows a frame into its
// texture, made empty before the first frame, so that no frame waits long
// for it; a screen that draws one before it is ready makes it at once.
#include "draw/draw.h"
#include "draw/local.h"
#include "stb_image.h"

namespace {

// Rows uploaded in one frame: a few milliseconds of copying at most.
enum { ROWS_PER_FRAME = 128 };

struct LaterPicture {
    int picture;
    SDL_Texture** field;     // where the finished texture goes
    unsigned char* pixels;   // RGBA, from the worker; null when it failed
    const char* failure;     // the decoder's reason when it failed
    int w, h;
    SDL_atomic_t decoded;    // set by the worker once pixels or failure is there
    SDL_Texture* texture;    // being filled, not yet in field
    int rows;                // rows uploaded so far
    bool finished;
};

LaterPicture later[] = {
    {PICTURE_LOGO, &textures.logo, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
    {PICTURE_FONT_SMALL, &textures.font_small, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
    {PICTURE_FONT_BIG, &textures.font_big, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
};
enum { LATER_COUNT = sizeof later / sizeof later[0] };

// The worker: decodes each picture in turn and marks it decoded. The
// decoder's reasons are its own thread's, so it keeps the reason itself.
int decode_later(void*)
{
    for (LaterPicture& p : later) {
        const BuiltinPicture& picture = builtin_pictures[p.picture];
        int channels = 0;
        p.pixels = stbi_load_from_memory(picture.bytes, picture.length, &p.w, &p.h, &channels, 4);
        if (!p.pixels)
            p.failure = stbi_failure_reason();
        SDL_MemoryBarrierRelease();
        SDL_AtomicSet(&p.decoded, 1);
    }
    return 0;
}

bool decoded(LaterPicture& p)
{
    if (!SDL_AtomicGet(&p.decoded))
        return false;
    SDL_MemoryBarrierAcquire();
    return true;
}

// Uploads up to `rows` more rows of a decoded picture; finished when the
// texture is whole (or the picture failed), and only then is it in its field.
void upload(LaterPicture& p, int rows)
{
    if (!p.pixels) {
        SDL_Log("Kunne ikke læse indlejret billede: %s", p.failure);
        if (p.texture)
            SDL_DestroyTexture(p.texture);
        p.texture = nullptr;
        p.finished = true;
        return;
    }
    if (!p.texture) {
        p.texture = SDL_CreateTexture(textures.renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, p.w, p.h);
        SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
    }
    const int n = p.h - p.rows < rows ? p.h - p.rows : rows;
    const SDL_Rect strip = {0, p.rows, p.w, n};
    SDL_UpdateTexture(p.texture, &strip, p.pixels + (size_t)4 * p.w * p.rows, 4 * p.w);
    p.rows += n;
    if (p.rows >= p.h) {
        *p.field = p.texture;
        make_glyph_half_copy(p.field);
        stbi_image_free(p.pixels);
        p.pixels = nullptr;
        p.finished = true;
    }
}

bool started = false;

// ---- decoded ahead ----

enum { AHEAD_MAX = 4 };

struct AheadPicture {
    const unsigned char* bytes;
    int32_t length;
    int channels;
    unsigned char* pixels;
    const char* failure;
    int w, h;
    SDL_atomic_t decoded;
    SDL_Thread* worker;
    bool taken;
};

AheadPicture ahead[AHEAD_MAX];
int ahead_count = 0;

int decode_ahead(void* data)
{
    AheadPicture& p = *(AheadPicture*)data;
    int channels = 0;
    p.pixels = stbi_load_from_memory(p.bytes, p.length, &p.w, &p.h, &channels, p.channels);
    if (!p.pixels)
        p.failure = stbi_failure_reason();
    SDL_MemoryBarrierRelease();
    SDL_AtomicSet(&p.decoded, 1);
    return 0;
}

void start_ahead(const unsigned char* bytes, int32_t length, int channels)
{
    if (!bytes || length <= 0 || ahead_count == AHEAD_MAX)
        return;
    AheadPicture& p = ahead[ahead_count];
    p = AheadPicture{};
    p.bytes = bytes;
    p.length = length;
    p.channels = channels;
    p.worker = SDL_CreateThread(decode_ahead, "picture", &p);
    if (p.worker)
        ahead_count++;
}

}  // namespace

void decode_picture_ahead(const unsigned char* bytes, int32_t length)
{
    start_ahead(bytes, length, 4);
}

void decode_language_picture_ahead(const unsigned char* bytes, int32_t length)
{
    int w = 0, h = 0, channels = 0;
    if (bytes && length > 0 && stbi_info_from_memory(bytes, length, &w, &h, &channels))
        start_ahead(bytes, length, channels > 2 ? 4 : 2);
}

bool take_decoded_ahead(const unsigned char* bytes, int channels, unsigned char** pixels, int* w, int* h,
                        const char** failure)
{
    for (int i = 0; i < ahead_count; i++) {
        AheadPicture& p = ahead[i];
        if (p.taken || p.bytes != bytes || p.channels != channels)
            continue;
        SDL_WaitThread(p.worker, nullptr);
        p.taken = true;
        *pixels = p.pixels;
        *w = p.w;
        *h = p.h;
        *failure = p.failure;
        return true;
    }
    return false;
}

// The logo and the glyph sheets wait until the first frame is out, so that
// their decoding takes neither time nor memory from it.
static bool left_for_later = false;

static void start_later()
{
    if (started || !left_for_later)
        return;
    started = true;
    SDL_Thread* worker = SDL_CreateThread(decode_later, "pictures", nullptr);
    if (worker)
        SDL_DetachThread(worker);
    else
        decode_later(nullptr);
}

void load_first_textures(SDL_Renderer* renderer)
{
    load_screen_textures(renderer);
    left_for_later = true;
    // The empty textures are made now: making a large texture touches all
    // its memory, too long a wait for a frame of play.
    for (LaterPicture& p : later) {
        const BuiltinPicture& picture = builtin_pictures[p.picture];
        int w = 0, h = 0, channels = 0;
        if (stbi_info_from_memory(picture.bytes, picture.length, &w, &h, &channels)) {
            p.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
            SDL_SetTextureBlendMode(p.texture, SDL_BLENDMODE_BLEND);
        }
    }
}

void make_later_textures()
{
    start_later();
    if (!started)
        return;
    for (LaterPicture& p : later) {
        if (p.finished)
            continue;
        if (decoded(p))
            upload(p, ROWS_PER_FRAME);
        return;
    }
}

void make_later_texture_now(SDL_Texture* const* field)
{
    start_later();
    if (!started)
        return;
    for (LaterPicture& p : later) {
        if (p.field != field || p.finished)
            continue;
        while (!decoded(p))
            SDL_Delay(1);
        while (!p.finished)
            upload(p, p.h);
    }
}
