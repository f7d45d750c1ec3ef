// Every text form of every item and monster of the demo, as the Item List, the Item Viewer and
// the Monster Viewer ask for them.

#include "bench/BenchDemo.h"
#include "testing/Exercise.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EveryItemAndMonsterForm(benchmark::State& state)
{
    CGameData& game = *LoadedBenchDemo(gamebuild::Edition::First).game;
    if (!game.m_loaded)
        state.SkipWithError("the demo did not load");
    for (auto _ : state) {
        int shown = 0;
        for (int number = 0; number < game.m_itemCount; ++number)
            shown += exercise::Item(game, number);
        for (int number = 0; number < game.m_monsterCount; ++number)
            shown += exercise::Monster(game, number);
        benchmark::DoNotOptimize(shown);
    }
    state.counters["records"] = game.m_itemCount + game.m_monsterCount;
}
BENCHMARK(BM_EveryItemAndMonsterForm)->Unit(benchmark::kMillisecond);

} // namespace
