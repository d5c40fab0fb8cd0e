// Long renders pinned sample for sample, so that no change to the
// synthesiser's speed can change what it plays.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "sound/sound.h"
#include "fixtures/busy_scene.h"

namespace {

uint64_t fnv1a(const std::vector<int16_t>& samples)
{
    uint64_t h = 14695981039346656037ull;
    for (int16_t s : samples) {
        for (int byte = 0; byte < 2; byte++) {
            h ^= (uint8_t)((uint16_t)s >> (8 * byte));
            h *= 1099511628211ull;
        }
    }
    return h;
}

TEST(Output, FullSceneOfTenSeconds)
{
    std::vector<int16_t> out(10 * SAMPLE_RATE);
    start_full_scene();
    for (int second = 0; second < 10; second++)
        render_full_second(out.data() + second * SAMPLE_RATE);
    EXPECT_EQ(fnv1a(out), 6502227953077711856ull);
}

TEST(Output, TwentySecondsOfEverySong)
{
    const uint64_t expected[SONG_COUNT] = {
        14781793114031722577ull, 8975518614053502561ull, 13318292514520195147ull,
        16838843202382798359ull, 17899410476640604677ull, 16764565859887578217ull,
    };
    std::vector<int16_t> out(20 * SAMPLE_RATE);
    for (int n = 0; n < SONG_COUNT; n++) {
        sound_reset();
        play_music(n);
        audio_render(out.data(), (int)out.size());
        EXPECT_EQ(fnv1a(out), expected[n]) << "song " << n;
    }
}

TEST(Output, RenderingInPiecesOfAnySizeGivesTheSameSamples)
{
    const int total = 3 * SAMPLE_RATE;
    std::vector<int16_t> whole(total), pieces(total);
    const int sizes[] = {1, 2, 3, 5, 96, 239, 1023, 1024, 1025, 4099};
    for (int song : {1, 3, 5}) {
        sound_reset();
        play_music(song);
        play_effect(8);
        play_effect(11);
        play_effect(2);
        audio_render(whole.data(), total);

        sound_reset();
        play_music(song);
        play_effect(8);
        play_effect(11);
        play_effect(2);
        for (int done = 0, k = 0; done < total; k++) {
            int size = std::min(sizes[k % 10], total - done);
            audio_render(pieces.data() + done, size);
            done += size;
        }
        EXPECT_EQ(whole, pieces) << "song " << song;
    }
}

}  // namespace
