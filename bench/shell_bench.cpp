// The headless test as a whole process: ten minutes of play (36,000 ticks)
// of the built-in levels with its sound and its last picture. Goal: under
// two seconds.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

void BM_HeadlessTenMinutes(benchmark::State& state)
{
    char name[] = "/tmp/frostova-bench-XXXXXX";
    const std::string dir = mkdtemp(name);
    const std::string command = "cd '" + dir + "' && env -u OLPI_LYDPROEVE HOME='" + dir +
                                "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" FROSTOVA_BIN
                                "' --test 36000 >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the headless test failed");
    std::system(("rm -rf '" + dir + "'").c_str());
}
BENCHMARK(BM_HeadlessTenMinutes)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
