// Message texts of the demo installation: the index and name lists of start-up, and every message.

#include "gamedata/NameLists.h"
#include "bench/BenchDemo.h"

#include <benchmark/benchmark.h>

namespace {

void BM_IndexAndNameLists(benchmark::State& state, gamebuild::Edition edition)
{
    CGameData& game = *LoadedBenchDemo(edition).game;
    if (!game.Loaded())
        state.SkipWithError("the demo did not load");
    for (auto _ : state) {
        game.LoadMessageIndex();
        game.LoadNameLists();
        benchmark::DoNotOptimize(game.NameList(namelist::kRankTitles)->data());
    }
}
BENCHMARK_CAPTURE(BM_IndexAndNameLists, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexAndNameLists, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);

void BM_EveryMessageText(benchmark::State& state, gamebuild::Edition edition)
{
    CGameData& game = *LoadedBenchDemo(edition).game;
    if (!game.Loaded())
        state.SkipWithError("the demo did not load");
    size_t characters = 0;
    for (auto _ : state) {
        for (const auto& entry : game.Messages())
            characters += game.GetMessageText(entry.first).size();
    }
    state.counters["messages"] = static_cast<double>(game.Messages().size());
    state.SetBytesProcessed(static_cast<int64_t>(characters));
}
BENCHMARK_CAPTURE(BM_EveryMessageText, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EveryMessageText, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);

} // namespace
