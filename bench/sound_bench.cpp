// The synthesiser's cost: one second of sound with all eight voices busy.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <vector>
#include "sound/sound.h"

namespace {

// Four long music tones with vibrato, four effects started again whenever one ends.
void start_full_scene()
{
    static const uint32_t waves[MUSIC_VOICES] = {0, 1, 3, 2};
    static const double hz[MUSIC_VOICES] = {523.25, 329.63, 196.0, 110.0};
    sound_reset();
    play_music(0);
    for (int i = 0; i < MUSIC_VOICES; i++) {
        Voice* v = &music_voices[i];
        v->note_left = 1 << 30;
        v->osc.active = 1;
        v->osc.wave = waves[i];
        v->osc.f_start = hz[i];
        v->osc.f_end = hz[i];
        v->osc.duty = 0.25f;
        v->osc.amp_start = 0.3f;
        v->osc.amp_end = 0.1f;
        v->osc.length = 1 << 30;
        v->osc.vibrato = 0.12f;
    }
}

void render_full_second(int16_t* out)
{
    static const int effects[EFFECT_VOICES] = {8, 13, 2, 11};
    for (int done = 0; done < SAMPLE_RATE; done += 1024) {
        for (int j = 0; j < EFFECT_VOICES; j++)
            if (!effect_voices[j].effect)
                play_effect(effects[j]);
        audio_render(out + done, std::min(1024, SAMPLE_RATE - done));
    }
}

void BM_RenderOneSecondAllVoicesBusy(benchmark::State& state)
{
    std::vector<int16_t> out(SAMPLE_RATE);
    for (auto _ : state) {
        start_full_scene();
        render_full_second(out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_RenderOneSecondAllVoicesBusy)->Unit(benchmark::kMillisecond);

void BM_RenderOneSecondOfASong(benchmark::State& state)
{
    std::vector<int16_t> out(SAMPLE_RATE);
    sound_reset();
    play_music(1);
    for (auto _ : state) {
        audio_render(out.data(), SAMPLE_RATE);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_RenderOneSecondOfASong)->Unit(benchmark::kMillisecond);

}  // namespace
