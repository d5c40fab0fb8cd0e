// The pictures a window's first frame does not draw: the logo and the two
// glyph sheets. They are decoded on a worker thread while the first frame is
// made, then uploaded into their textures a strip of rows a frame, so that
// neither the first frame nor a later one waits for them. A screen that
// draws one before it is ready makes it at once.
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
    {6, &textures.logo, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
    {31, &textures.font_small, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
    {32, &textures.font_big, nullptr, nullptr, 0, 0, {0}, nullptr, 0, false},
};
enum { LATER_COUNT = sizeof later / sizeof later[0] };

// The worker: decodes each picture in turn and marks it decoded. The
// decoder's reasons are its own thread's, so it keeps the reason itself.
int decode_later(void*)
{
    static const unsigned char nothing = 0;
    for (LaterPicture& p : later) {
        const BuiltinPicture& picture = builtin_pictures[p.picture];
        const bool present = picture.bytes && picture.length > 0;
        int channels = 0;
        p.pixels = stbi_load_from_memory(present ? picture.bytes : &nothing, present ? picture.length : 0, &p.w,
                                         &p.h, &channels, 4);
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
        stbi_image_free(p.pixels);
        p.pixels = nullptr;
        p.finished = true;
    }
}

bool started = false;

}  // namespace

void load_first_textures(SDL_Renderer* renderer)
{
    load_screen_textures(renderer);
    SDL_Thread* worker = SDL_CreateThread(decode_later, "pictures", nullptr);
    if (worker)
        SDL_DetachThread(worker);
    else
        decode_later(nullptr);
    started = true;
}

void make_later_textures()
{
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
