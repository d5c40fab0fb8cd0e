// The audio device, its callback and the volumes.
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <unistd.h>
#include "sound/sound.h"

namespace {

struct Device : ::testing::Test {
    void SetUp() override { sound_reset(); }
};

// Something of every kind sounding: a song and two effects.
void start_busy_scene()
{
    sound_reset();
    play_music(1);
    play_effect(7);
    play_effect(10);
}

TEST_F(Device, VolumesAreGainsInPercentWithoutClamping)
{
    struct Case { int music, effects; float music_gain, effect_gain; };
    const Case cases[] = {
        {80, 100, 0.8f, 1.0f}, {0, 100, 0.0f, 1.0f}, {150, 0, 1.5f, 0.0f}, {-20, 250, -0.2f, 2.5f},
    };
    for (const Case& c : cases) {
        set_volumes(c.music, c.effects);
        EXPECT_EQ(music_volume, c.music_gain) << c.music;
        EXPECT_EQ(effect_volume, c.effect_gain) << c.effects;
    }
}

TEST_F(Device, MutedMusicRunsOnUnderTheEffects)
{
    std::vector<int16_t> effect_alone(30000), muted(30000), later(20000), unmuted(20000);
    play_effect(6);
    audio_render(effect_alone.data(), 30000);

    sound_reset();
    play_music(1);
    play_effect(6);
    set_volumes(0, 100);
    audio_render(muted.data(), 30000);
    EXPECT_EQ(muted, effect_alone);
    set_volumes(MUSIC_ON_PERCENT, 100);
    audio_render(later.data(), 20000);

    sound_reset();
    play_music(1);
    audio_render(muted.data(), 30000);
    audio_render(unmuted.data(), 20000);
    EXPECT_EQ(later, unmuted) << "the song comes back where it has got to";
}

// Switching the music off or on fades it over at most 5 ms instead of a
// jump that clicks; once there, the samples are those of a gain set at once.
TEST_F(Device, MusicSwitchFadesWithoutAJump)
{
    const int before = 30000, fade = 240, after = 4000;
    std::vector<int16_t> full(before + fade + after), lead(before), faded(fade + after);
    play_music(1);
    audio_render(full.data(), (int)full.size());

    struct Case { const char* what; int from, to; };
    const Case cases[] = {{"off", MUSIC_ON_PERCENT, 0}, {"on", 0, MUSIC_ON_PERCENT}};
    for (const Case& c : cases) {
        sound_reset();
        play_music(1);
        set_volumes(c.from, 100);
        audio_render(lead.data(), before);
        fade_music(c.to);
        EXPECT_EQ(music_volume, c.to / 100.0f) << c.what << ": the wanted gain is taken at once";
        audio_render(faded.data(), (int)faded.size());
        // The gain each loud sample shows, against the song at 80 %, moves
        // no faster than from silence to full in 3 ms: a jump would not.
        float gain = c.from / 100.0f;
        int at = -1;
        for (int k = 0; k < fade + after; k++) {
            if (std::abs(full[before + k]) < 2000)
                continue;
            float shown = (float)faded[k] / (float)full[before + k] * MUSIC_ON_VOLUME;
            ASSERT_LE(std::abs(shown - gain), (float)(k - at) / 144.0f + 0.01f) << c.what << " at sample " << k;
            gain = shown;
            at = k;
        }
        std::vector<int16_t> settled(faded.begin() + fade, faded.end());
        std::vector<int16_t> set_at_once(after);
        sound_reset();
        play_music(1);
        set_volumes(c.from, 100);
        audio_render(lead.data(), before);
        std::vector<int16_t> skip(fade);
        audio_render(skip.data(), fade);
        set_volumes(c.to, 100);
        audio_render(set_at_once.data(), after);
        EXPECT_EQ(settled, set_at_once) << c.what;
        EXPECT_EQ(music_gain, music_volume) << c.what;
    }
}

TEST_F(Device, CallbackFillsWholeSamplesOfTheBuffer)
{
    std::vector<int16_t> expected(1024);
    start_busy_scene();
    audio_render(expected.data(), 1024);
    for (int len : {2048, 2049}) {
        start_busy_scene();
        std::vector<uint8_t> stream(len + 1, 0xAB);
        audio_callback(nullptr, stream.data(), len);
        EXPECT_EQ(std::memcmp(stream.data(), expected.data(), 2048), 0) << len;
        EXPECT_EQ(stream[2048], 0xAB) << len;
    }
}

TEST_F(Device, NoDeviceLeavesTheGameSilentAndTheCallsSafe)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_NE(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    audio_open();
    EXPECT_EQ(audio_device, 0u);
    play_music(2);
    play_effect(3);
    set_volumes(50, 60);
    EXPECT_EQ(current_song, 2);
    EXPECT_EQ(effect_voices[0].effect, &sound_effects[3]);
    EXPECT_EQ(music_volume, 0.5f);
    std::vector<int16_t> out(1024);
    audio_render(out.data(), 1024);
    SDL_Quit();
}

std::vector<uint8_t> read_whole(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        uint8_t chunk[4096];
        size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
        std::fclose(f);
    }
    return bytes;
}

TEST_F(Device, CallbackOfARealDeviceDeliversWhatTheSynthesiserRenders)
{
    char folder[] = "/tmp/frostova-sound-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string path = std::string(folder) + "/out.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();

    start_busy_scene();
    audio_open();
    ASSERT_NE(audio_device, 0u) << SDL_GetError();
    const size_t wanted = 16 * 2048;
    for (int wait = 0; wait < 30000 && read_whole(path).size() < wanted; wait += 10)
        SDL_Delay(10);

    // Calls from this thread now go through the device's lock.
    play_effect(5);
    bool started = false;
    for (const Voice& v : effect_voices)
        started = started || v.effect == &sound_effects[5];
    EXPECT_TRUE(started);
    SDL_CloseAudioDevice(audio_device);
    audio_device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);

    std::vector<uint8_t> bytes = read_whole(path);
    ASSERT_GE(bytes.size(), wanted);
    // Before the device is started SDL may write silent buffers of its own.
    size_t start = 0;
    while (start + 2048 <= bytes.size() &&
           std::all_of(bytes.begin() + start, bytes.begin() + start + 2048, [](uint8_t b) { return b == 0; }))
        start += 2048;
    ASSERT_LE(start, 2 * 2048u);
    std::vector<int16_t> expected(wanted / 2);
    start_busy_scene();
    audio_render(expected.data(), (int)expected.size());
    ASSERT_GE(bytes.size() - start, wanted);
    EXPECT_EQ(std::memcmp(bytes.data() + start, expected.data(), wanted), 0);

    std::remove(path.c_str());
    rmdir(folder);
}

}  // namespace
