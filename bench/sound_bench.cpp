// The synthesiser's cost: one second of sound with all eight voices busy
// (goal: at most 0.8 ms), and one second of a song.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <vector>
#include "sound/sound.h"
#include "fixtures/busy_scene.h"

namespace {

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
