// Every text form of every item and monster of the demo, as the Item List, the Item Viewer and
// the Monster Viewer ask for them.

#include "bench/BenchDemo.h"
#include "items/ItemListContent.h"
#include "testing/Exercise.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EveryItemAndMonsterForm(benchmark::State& state)
{
    CGameData& game = *LoadedBenchDemo(gamebuild::Edition::First).game;
    if (!game.Loaded())
        state.SkipWithError("the demo did not load");
    for (auto _ : state) {
        int shown = 0;
        for (int number = 0; number < game.ItemCount(); ++number)
            shown += exercise::Item(game, number);
        for (int number = 0; number < game.MonsterCount(); ++number)
            shown += exercise::Monster(game, number);
        benchmark::DoNotOptimize(shown);
    }
    state.counters["records"] = game.ItemCount() + game.MonsterCount();
}
BENCHMARK(BM_EveryItemAndMonsterForm)->Unit(benchmark::kMillisecond);

// The Item List's fill: every item through the default filter, each row's 21 texts.
void BM_ItemListRows(benchmark::State& state)
{
    CGameData& game = *LoadedBenchDemo(gamebuild::Edition::First).game;
    for (auto _ : state)
        benchmark::DoNotOptimize(ItemListRows(game, {}));
    state.counters["items"] = game.ItemCount();
}
BENCHMARK(BM_ItemListRows)->Unit(benchmark::kMillisecond);

// A sort on a column of each kind: text, numeric, damage average, letters.
void BM_ItemListSort(benchmark::State& state)
{
    CGameData& game = *LoadedBenchDemo(gamebuild::Edition::First).game;
    const std::vector<ItemListRow> rows = ItemListRows(game, {});
    for (auto _ : state)
        for (int column : {itemlist::kName, itemlist::kPrice, itemlist::kDamage, itemlist::kRaces}) {
            std::vector<ItemListRow> sorted = rows;
            SortRows(game, sorted, column, true);
            benchmark::DoNotOptimize(sorted);
        }
}
BENCHMARK(BM_ItemListSort)->Unit(benchmark::kMillisecond);

} // namespace
