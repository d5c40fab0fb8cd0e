// Sound effects: their renderings and the choice of voice.
#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "sound/sound.h"

namespace {

struct Effects : ::testing::Test {
    void SetUp() override { sound_reset(); }
};

int busy_voices()
{
    int busy = 0;
    for (const Voice& v : effect_voices)
        busy += v.effect != nullptr;
    return busy;
}

TEST_F(Effects, EachEffectRendersItsSegmentsOnAFreshVoice)
{
    // Worked out independently, sample by sample in single precision:
    // samples until the voice is free, samples 1..3 and 300..302, the sum
    // of the samples and of their magnitudes (10 more samples rendered).
    struct Case { int n; int length; int first[3]; int later[3]; long sum; long magnitude; };
    const Case cases[] = {
        { 0,  5760, {   76,   153,   229}, { -7235,  -7234,  -7234},  -17577928,   35009428},
        { 1, 10560, {  -74,  -135,  -183}, { -6109,  -6782,  -7456},   -9570781,   31591965},
        { 2, 10080, {    0,     0,     0}, {   281,    281,    281},    -357358,   31923860},
        { 3,  3360, {   65,   131,   196}, {  6131,   6130,   6130},      83633,   17155075},
        { 4,  4800, {    0,     0,     0}, {   624,    623,    623},   -6520816,   18344220},
        { 5,  8640, {   65,   131,   196}, { -6103,  -6102,  -6101},  -22297056,   44591832},
        { 6, 24000, {   65,   131,   196}, { -6152,  -6151,  -6151},  -62643477,  125168535},
        { 7, 27360, {  -99,  -190,  -270}, {  1219,   1667,   2115},      12291,  119298503},
        { 8, 48000, {   76,   153,   229}, {  7294,  -7294,  -7294},     222706,  296941692},
        { 9,  6720, {    0,     0,     0}, { -1616,  -1616,  -1616},   -1333228,   17352144},
        {10, 13440, {    0,     0,     0}, { -7617,  -7617,  -7616},  -13948704,   52327084},
        {11, 26400, {   65,   131,   196}, {  6131,   6130,   6130},      35888,  136345400},
        {12,  3840, {   43,    87,  -131}, {  4003,   4002,   4001},   -9565786,   12587540},
        {13, 12480, {  -74,  -145,  -214}, {  1661,   1793,   1925},     164516,   38484254},
        {14,  1200, {   32,    65,    98}, { -2913,  -2912,  -2912},   -1396452,    2790252},
        {15,  2880, {   54,   109,   164}, { -5085,  -5085,  -5084},   -6075399,   12153165},
    };
    for (const Case& c : cases) {
        sound_reset();
        play_effect(c.n);
        std::vector<int16_t> out(c.length + 10);
        audio_render(out.data(), c.length - 1);
        EXPECT_NE(effect_voices[0].effect, nullptr) << c.n;
        audio_render(out.data() + c.length - 1, 11);
        EXPECT_EQ(effect_voices[0].effect, nullptr) << "effect " << c.n << " ends after " << c.length;
        EXPECT_EQ(out[0], 0) << c.n;
        long sum = 0, magnitude = 0;
        for (int16_t s : out) {
            sum += s;
            magnitude += s < 0 ? -s : s;
        }
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(out[1 + k], c.first[k]) << "effect " << c.n << " sample " << 1 + k;
            EXPECT_EQ(out[300 + k], c.later[k]) << "effect " << c.n << " sample " << 300 + k;
        }
        EXPECT_EQ(sum, c.sum) << c.n;
        EXPECT_EQ(magnitude, c.magnitude) << c.n;
        for (int k = c.length; k < c.length + 10; k++)
            EXPECT_EQ(out[k], 0) << c.n;
    }
}

TEST_F(Effects, FifthEffectTakesTheLowestVoiceWhenAllAreEquallyFar)
{
    for (int k = 0; k < 4; k++)
        play_effect(3);
    for (int j = 0; j < EFFECT_VOICES; j++)
        EXPECT_EQ(effect_voices[j].effect, &sound_effects[3]) << j;
    play_effect(14);
    EXPECT_EQ(effect_voices[0].effect, &sound_effects[14]);
    EXPECT_EQ(effect_voices[0].segment_left, 1200);
    for (int j = 1; j < EFFECT_VOICES; j++)
        EXPECT_EQ(effect_voices[j].effect, &sound_effects[3]) << j;
}

TEST_F(Effects, BusyVoiceNearestTheEndOfItsSegmentIsTakenOver)
{
    // Voice 0 plays the long death tune but is 10 samples from the end of
    // its first segment; the others are early in a short beep.
    std::vector<int16_t> out(12000);
    play_effect(8);
    audio_render(out.data(), 11990);
    play_effect(14);
    play_effect(14);
    play_effect(14);
    ASSERT_EQ(effect_voices[0].segment_left, 10);
    play_effect(5);
    EXPECT_EQ(effect_voices[0].effect, &sound_effects[5]);
    EXPECT_EQ(effect_voices[0].segment, 0);
    EXPECT_EQ(effect_voices[0].osc.pos, 0);

    // The beeps now have 1100 samples left, voice 0 2780: the beeps go
    // first, the lower voice winning each tie.
    audio_render(out.data(), 100);
    play_effect(12);
    EXPECT_EQ(effect_voices[1].effect, &sound_effects[12]);
    EXPECT_EQ(effect_voices[2].effect, &sound_effects[14]);
    play_effect(12);
    EXPECT_EQ(effect_voices[2].effect, &sound_effects[12]);
    EXPECT_EQ(effect_voices[3].effect, &sound_effects[14]);
    EXPECT_EQ(effect_voices[0].effect, &sound_effects[5]);
}

TEST_F(Effects, TakenOverVoiceKeepsItsPhaseAndNoise)
{
    std::vector<int16_t> out(6000);
    play_effect(9);
    audio_render(out.data(), 6000);
    Oscillator before = effect_voices[0].osc;
    ASSERT_NE(before.noise_seed, 0u);
    for (int k = 0; k < 3; k++)
        play_effect(0);  // voices 1..3
    play_effect(0);      // all busy; voice 0 has the fewest samples left
    EXPECT_EQ(effect_voices[0].effect, &sound_effects[0]);
    EXPECT_EQ(effect_voices[0].osc.phase, before.phase);
    EXPECT_EQ(effect_voices[0].osc.noise_seed, before.noise_seed);
    EXPECT_EQ(effect_voices[0].osc.noise_value, before.noise_value);
    EXPECT_EQ(effect_voices[0].osc.noise_hold, before.noise_hold);
}

TEST_F(Effects, SameEffectTwiceSoundsTwiceAsLoud)
{
    std::vector<int16_t> once(2000), twice(2000);
    play_effect(13);
    audio_render(once.data(), 2000);
    sound_reset();
    play_effect(13);
    play_effect(13);
    EXPECT_EQ(busy_voices(), 2);
    audio_render(twice.data(), 2000);
    for (int k = 0; k < 2000; k += 97)
        EXPECT_NEAR(twice[k], 2 * once[k], 2) << k;
}

TEST_F(Effects, NumbersOutsideTheTableAreIgnored)
{
    for (int n : {16, -1, 1000, INT_MIN, INT_MAX})
        play_effect(n);
    EXPECT_EQ(busy_voices(), 0);
}

TEST_F(Effects, SegmentOfNoLengthGivesOneSilentSampleAndMovesOn)
{
    static const SoundEffect gap = {2, {{0, 1000, 1000, 0, 0.5f, 0.5f}, {0, 1000, 1000, 10, 0.5f, 0.5f}}};
    Voice* v = &effect_voices[0];
    v->effect = &gap;
    v->segment = 0;
    v->segment_left = 0;
    v->osc.active = 1;
    v->osc.length = 0;
    int16_t first = 99;
    audio_render(&first, 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(v->segment, 1);
    EXPECT_EQ(v->osc.length, 480);
    std::vector<int16_t> out(480);
    audio_render(out.data(), 479);
    EXPECT_EQ(v->effect, &gap);
    audio_render(out.data(), 1);
    EXPECT_EQ(v->effect, nullptr);
}

}  // namespace
