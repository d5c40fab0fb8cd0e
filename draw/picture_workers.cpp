// Pictures decoded on worker threads while a window and its renderer are
// being made, and taken by the ordinary texture making when it comes to
// them. Each worker decodes its pictures in turn, one at a time: a picture
// being decoded briefly takes twice its size, and two large ones at once
// would raise the game's peak of memory for nothing.
#include "draw/draw.h"
#include "draw/local.h"
#include "stb_image.h"

namespace {

enum { AHEAD_MAX = 8 };

struct AheadPicture {
    const unsigned char* bytes;
    int32_t length;
    bool packed;             // kept packed instead of whole
    unsigned char* pixels;   // RGBA when whole; null when it failed
    PackedPicture picture;   // when packed; no runs when it failed
    const char* failure;     // the decoder's reason when it failed
    int w, h;
    SDL_atomic_t decoded;    // set by the worker once the result is there
    bool taken;
};

struct AheadLane {
    int32_t first, count;    // its pictures in `ahead`
    SDL_Thread* worker;
};

AheadPicture ahead[AHEAD_MAX];
int32_t ahead_count = 0;
AheadLane lanes[AHEAD_MAX];
int32_t lane_count = 0;

void decode_one(AheadPicture& p)
{
    const int channels = p.packed ? packed_channels(p.bytes, p.length) : 4;
    int in_file = 0;
    p.pixels = stbi_load_from_memory(p.bytes, p.length, &p.w, &p.h, &in_file, channels);
    // The decoder's reasons are its own thread's, so the worker keeps the reason itself.
    if (!p.pixels)
        p.failure = stbi_failure_reason();
    if (p.pixels && p.packed) {
        pack_picture(p.pixels, p.w, p.h, channels, &p.picture);
        stbi_image_free(p.pixels);
        p.pixels = nullptr;
    }
    SDL_MemoryBarrierRelease();
    SDL_AtomicSet(&p.decoded, 1);
}

int decode_lane(void* data)
{
    const AheadLane& lane = *(const AheadLane*)data;
    for (int32_t i = lane.first; i < lane.first + lane.count; i++)
        decode_one(ahead[i]);
    return 0;
}

// The picture of these bytes and kind handed to a worker and not yet taken;
// waits until it is decoded.
AheadPicture* find_ahead(const unsigned char* bytes, bool packed)
{
    for (int32_t i = 0; i < ahead_count; i++) {
        AheadPicture& p = ahead[i];
        if (p.taken || p.bytes != bytes || p.packed != packed)
            continue;
        while (!SDL_AtomicGet(&p.decoded))
            SDL_Delay(1);
        SDL_MemoryBarrierAcquire();
        p.taken = true;
        return &p;
    }
    return nullptr;
}

}  // namespace

void decode_pictures_ahead(const PictureAhead* pictures, int32_t count)
{
    if (lane_count == AHEAD_MAX || count <= 0 || count > AHEAD_MAX - ahead_count)
        return;
    AheadLane& lane = lanes[lane_count];
    lane = AheadLane{ahead_count, 0, nullptr};
    for (int32_t i = 0; i < count; i++) {
        const BuiltinPicture& picture = pictures[i].picture;
        if (!picture.bytes || picture.length <= 0)
            continue;
        AheadPicture& p = ahead[lane.first + lane.count++];
        p = AheadPicture{};
        p.bytes = picture.bytes;
        p.length = picture.length;
        p.packed = pictures[i].packed;
    }
    if (lane.count == 0)
        return;
    lane.worker = SDL_CreateThread(decode_lane, "pictures", &lane);
    if (!lane.worker)
        return;
    SDL_DetachThread(lane.worker);
    ahead_count += lane.count;
    lane_count++;
}

bool take_decoded_ahead(const unsigned char* bytes, unsigned char** pixels, int* w, int* h, const char** failure)
{
    AheadPicture* p = find_ahead(bytes, false);
    if (!p)
        return false;
    *pixels = p->pixels;
    *w = p->w;
    *h = p->h;
    *failure = p->failure;
    return true;
}

bool take_packed_ahead(const unsigned char* bytes, PackedPicture* packed)
{
    AheadPicture* p = find_ahead(bytes, true);
    if (!p)
        return false;
    *packed = p->picture;
    if (p->failure)
        SDL_Log("Kunne ikke læse indlejret billede: %s", p->failure);
    return true;
}
