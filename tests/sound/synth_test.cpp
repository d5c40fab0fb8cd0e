// The tone generator and the mix.
#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "sound/synth_internal.h"

namespace {

struct Synth : ::testing::Test {
    void SetUp() override { sound_reset(); }
};

// A steady tone of amplitude 1, well past its fade-in.
Oscillator steady_tone(uint32_t wave, double hz)
{
    Oscillator osc{};
    osc.active = 1;
    osc.wave = wave;
    osc.f_start = hz;
    osc.f_end = hz;
    osc.duty = 0.5f;
    osc.amp_start = 1.0f;
    osc.amp_end = 1.0f;
    osc.length = 100000;
    osc.pos = 1000;
    return osc;
}

TEST_F(Synth, NoiseSeededWith12345HoldsItsFirstRenewedValue)
{
    Oscillator osc = steady_tone(WAVE_NOISE, 48000.0);  // renewed on every sample
    osc.noise_seed = 12345;
    voice_sample(&osc);
    EXPECT_EQ(osc.noise_value, 0.310302734375f);  // 21468 * 2^-14 - 1
    EXPECT_EQ(osc.noise_seed, 12345u * 1103515245u + 12345u);
}

TEST_F(Synth, NoiseIsRenewedEveryFortyEightThousandthOverFrequencyPlusOne)
{
    struct Case { double hz; int period; };
    const Case cases[] = {{9000.0, 5}, {220.0, 217}, {48000.0, 1}, {100000.0, 1}};
    for (const Case& c : cases) {
        Oscillator osc = steady_tone(WAVE_NOISE, c.hz);
        std::vector<int> renewals;
        for (int k = 0; k < 1000; k++) {
            uint32_t seed = osc.noise_seed;
            voice_sample(&osc);
            if (osc.noise_seed != seed)
                renewals.push_back(k);
        }
        ASSERT_GE(renewals.size(), 3u) << c.hz;
        EXPECT_EQ(renewals[0], c.period - 1) << c.hz;
        EXPECT_EQ(renewals[2] - renewals[1], c.period) << c.hz;
        EXPECT_EQ(osc.phase, 0.0) << "noise leaves the phase alone";
    }
}

TEST_F(Synth, WaveShapesAtQuarterPeriods)
{
    // 12000 Hz moves the phase by a quarter per sample: 0.25, 0.5, 0.75, 0.
    struct Case { uint32_t wave; float values[4]; };
    const Case cases[] = {
        {WAVE_PULSE, {1.0f, -1.0f, -1.0f, 1.0f}},   // pulse, duty 0.5
        {WAVE_TRIANGLE, {0.0f, 1.0f, 0.0f, -1.0f}},    // triangle
        {WAVE_SAW, {-0.5f, 0.0f, 0.5f, -1.0f}},   // saw
        {7, {-0.5f, 0.0f, 0.5f, -1.0f}},   // any other wave is a saw
    };
    for (const Case& c : cases) {
        Oscillator osc = steady_tone(c.wave, 12000.0);
        for (int k = 0; k < 4; k++)
            EXPECT_EQ(voice_sample(&osc), c.values[k]) << "wave " << c.wave << " sample " << k;
    }
}

TEST_F(Synth, PulseDutyIsThePartOfThePeriodAtPlusOne)
{
    Oscillator osc = steady_tone(WAVE_PULSE, 480.0);  // 100 samples a period
    osc.duty = 0.25f;
    int high = 0;
    for (int k = 0; k < 1000; k++)
        high += voice_sample(&osc) > 0.0f;
    EXPECT_NEAR(high, 250, 2);
}

TEST_F(Synth, FadesShapeEveryToneAndOverlapOnShortOnes)
{
    // Pulse of duty 1 is +1 throughout, so the samples are the amplitude.
    struct Case { int length; int pos; float amplitude; };
    const Case cases[] = {
        {1000, 0, 0.0f},             // the first sample of every tone is 0
        {1000, 48, 0.5f},            // halfway through the fade-in
        {1000, 500, 1.0f},
        {1000, 880, 0.5f},           // 120 of 240 left
        {1000, 999, 1.0f / 240.0f},  // the last sample
        {200, 50, (50.0f / 96.0f) * (150.0f / 240.0f)},  // both fades at once
    };
    for (const Case& c : cases) {
        Oscillator osc = steady_tone(WAVE_PULSE, 440.0);
        osc.duty = 1.0f;
        osc.length = c.length;
        osc.pos = c.pos;
        EXPECT_FLOAT_EQ(voice_sample(&osc), c.amplitude) << c.length << " at " << c.pos;
    }
}

TEST_F(Synth, AmplitudeMovesLinearlyOverTheTone)
{
    Oscillator osc = steady_tone(WAVE_PULSE, 440.0);
    osc.duty = 1.0f;
    osc.amp_start = 0.8f;
    osc.amp_end = 0.2f;
    osc.length = 10000;
    osc.pos = 5000;
    EXPECT_FLOAT_EQ(voice_sample(&osc), 0.5f);
}

TEST_F(Synth, FrequencySlidesFromStartToEnd)
{
    Oscillator osc = steady_tone(WAVE_SAW, 0.0);
    osc.f_start = 1000.0;
    osc.f_end = 3000.0;
    osc.pos = 50000;  // halfway: 2000 Hz
    osc.phase = 0.0;
    voice_sample(&osc);
    EXPECT_NEAR(osc.phase, 2000.0 / 48000.0, 1e-7);
}

TEST_F(Synth, VibratoSwingsAtFiveAndAHalfHertzByItsDepthInSemitones)
{
    // A quarter of the 5.5 Hz period in: the pitch is one depth above.
    struct Case { float depth; int pos; double ratio; };
    const Case cases[] = {
        {12.0f, 2182, 2.0},          // an octave up at the crest
        {12.0f, 6545, 0.5},          // an octave down at the trough
        {0.12f, 2182, 1.0069555501},  // 2^(0.12/12)
        {0.0f, 2182, 1.0},
    };
    for (const Case& c : cases) {
        Oscillator osc = steady_tone(WAVE_SAW, 1000.0);
        osc.vibrato = c.depth;
        osc.pos = c.pos;
        osc.phase = 0.0;
        voice_sample(&osc);
        EXPECT_NEAR(osc.phase * 48000.0 / 1000.0, c.ratio, 1e-4) << c.depth << " at " << c.pos;
    }
}

TEST_F(Synth, ToneEndsByItselfAndSilentOscillatorsStayPut)
{
    Oscillator zero_length = steady_tone(WAVE_PULSE, 440.0);
    zero_length.length = 0;
    zero_length.pos = 0;
    EXPECT_EQ(voice_sample(&zero_length), 0.0f);
    EXPECT_EQ(zero_length.active, 0u);
    EXPECT_EQ(zero_length.pos, 0);

    Oscillator ending = steady_tone(WAVE_TRIANGLE, 440.0);
    ending.length = 1001;
    voice_sample(&ending);
    EXPECT_EQ(ending.active, 1u);
    EXPECT_EQ(voice_sample(&ending), 0.0f);
    EXPECT_EQ(ending.active, 0u);
    Oscillator before = ending;
    EXPECT_EQ(voice_sample(&ending), 0.0f);
    EXPECT_EQ(std::memcmp(&before, &ending, sizeof ending), 0);
}

TEST_F(Synth, NothingPlayingRendersSilence)
{
    std::vector<int16_t> out(5000, 77);
    audio_render(out.data(), (int)out.size());
    for (int16_t s : out)
        ASSERT_EQ(s, 0);
}

TEST_F(Synth, RenderOfNoSamplesWritesAndChangesNothing)
{
    play_music(1);
    play_effect(8);
    std::vector<int16_t> warm(3000);
    audio_render(warm.data(), (int)warm.size());
    Voice music[MUSIC_VOICES], effects[EFFECT_VOICES];
    std::memcpy(music, music_voices, sizeof music);
    std::memcpy(effects, effect_voices, sizeof effects);
    for (int n : {0, -1, -1000}) {
        int16_t out[4] = {11, 11, 11, 11};
        audio_render(out, n);
        for (int16_t s : out)
            EXPECT_EQ(s, 11);
        EXPECT_EQ(std::memcmp(music, music_voices, sizeof music), 0);
        EXPECT_EQ(std::memcmp(effects, effect_voices, sizeof effects), 0);
    }
}

TEST_F(Synth, LoudMixIsClampedToFullScale)
{
    set_volumes(80, 5000);
    play_effect(8);
    std::vector<int16_t> out(48000);
    audio_render(out.data(), (int)out.size());
    int16_t lo = 0, hi = 0;
    for (int16_t s : out) {
        lo = std::min(lo, s);
        hi = std::max(hi, s);
    }
    EXPECT_EQ(hi, 30000);
    EXPECT_EQ(lo, -30000);
}

}  // namespace

// audio_render works through long stretches of a tone at once; every sample
// and the oscillator it leaves behind must be what voice_sample gives one
// sample at a time, on the paths it takes and the ones it falls back to.
TEST_F(Synth, RenderedToneIsVoiceSampleOneByOne)
{
    struct Case {
        const char* name;
        uint32_t wave;
        double f_start, f_end;
        float vibrato;
        double phase;
        int32_t pos, length;
    };
    const Case cases[] = {
        {"steady pulse", WAVE_PULSE, 440.0, 440.0, 0.0f, 0.0, 0, 30000},
        {"sliding triangle", WAVE_TRIANGLE, 900.0, 1800.0, 0.0f, 0.25, 0, 30000},
        {"saw with the notes' vibrato", WAVE_SAW, 196.0, 196.0, NOTE_VIBRATO, 0.0, 0, 30000},
        {"vibrato past the end of its table", WAVE_PULSE, 523.25, 523.25, NOTE_VIBRATO, 0.0, 130000, 140000},
        {"deeper vibrato", WAVE_TRIANGLE, 330.0, 330.0, 0.5f, 0.0, 0, 20000},
        {"sliding noise with vibrato", WAVE_NOISE, 6000.0, 2000.0, NOTE_VIBRATO, 0.0, 0, 20000},
        {"steady noise", WAVE_NOISE, 9000.0, 9000.0, 0.0f, 0.0, 0, 20000},
        {"phase off the fixed-point grid", WAVE_PULSE, 440.0, 440.0, 0.0f, 0.1, 0, 20000},
        {"steps too fine for the grid", WAVE_SAW, 0.00001, 0.00002, 0.0f, 0.5, 0, 20000},
        {"steps of more than a period", WAVE_SAW, 50000.0, 130000.0, 0.0f, 0.0, 0, 20000},
        {"negative frequency", WAVE_TRIANGLE, -300.0, -200.0, 0.0f, 0.0, 0, 20000},
        {"tone ending inside the render", WAVE_PULSE, 440.0, 220.0, 0.0f, 0.0, 0, 5000},
    };
    const int n = 12000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sound_reset();
        play_music(SONG_TITLE);
        for (int i = 0; i < MUSIC_VOICES; i++) {
            music_voices[i].note_left = 1 << 30;
            music_voices[i].osc.active = 0;
        }
        Oscillator& osc = music_voices[0].osc;
        osc.active = 1;
        osc.wave = c.wave;
        osc.f_start = c.f_start;
        osc.f_end = c.f_end;
        osc.duty = 0.3f;
        osc.amp_start = 0.9f;
        osc.amp_end = 0.2f;
        osc.vibrato = c.vibrato;
        osc.phase = c.phase;
        osc.pos = c.pos;
        osc.length = c.length;
        osc.noise_seed = 777;
        Oscillator by_hand = osc;

        std::vector<int16_t> out(n);
        audio_render(out.data(), n);
        int differing = 0;
        for (int k = 0; k < n; k++) {
            float v = (voice_sample(&by_hand) * music_volume) * 0.6f + (0.0f * effect_volume) * 0.7f;
            v = v > 1.0f ? 1.0f : v < -1.0f ? -1.0f : v;
            differing += out[k] != (int16_t)(int32_t)(v * 30000.0f);
        }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(osc.active, by_hand.active);
        EXPECT_EQ(osc.pos, by_hand.pos);
        EXPECT_EQ(osc.phase, by_hand.phase);
        EXPECT_EQ(osc.noise_seed, by_hand.noise_seed);
        EXPECT_EQ(osc.noise_value, by_hand.noise_value);
        EXPECT_EQ(osc.noise_hold, by_hand.noise_hold);
    }
}
