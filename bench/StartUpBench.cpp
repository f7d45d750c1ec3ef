// Loading the store from the full demo installation.

#include "bench/BenchDemo.h"

#include <benchmark/benchmark.h>

namespace {
void BM_GameDataConstruction(benchmark::State& state, gamebuild::Edition edition)
{
    const std::string& folder = BenchDemoFolder(edition);
    for (auto _ : state) {
        MemoryPlatform platform;
        platform.settings["w7path"] = folder;
        CGameData game(platform);
        if (!game.Loaded())
            state.SkipWithError("the demo did not load");
        benchmark::DoNotOptimize(game.ItemCount());
    }
}
BENCHMARK_CAPTURE(BM_GameDataConstruction, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GameDataConstruction, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);
} // namespace
