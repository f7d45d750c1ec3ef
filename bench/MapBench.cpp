// Maps from the demo installation: building the tile set, drawing every map with every option
// on, and describing every event of every map.

#include "bench/BenchDemo.h"
#include "gamedata/CGameData.h"
#include "maps/EventDescriber.h"
#include "maps/MapRenderer.h"
#include "maps/MapTileSet.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Demo {
    CGameData& game;
    MapTileSet tiles;
};

Demo& LoadedDemo(gamebuild::Edition edition)
{
    static std::unique_ptr<Demo> demos[2];
    std::unique_ptr<Demo>& demo = demos[edition == gamebuild::Edition::Gold];
    if (!demo) {
        demo = std::make_unique<Demo>(Demo{*LoadedBenchDemo(edition).game, {}});
        BuildMapTileSet(demo->game, 2, demo->tiles);
    }
    return *demo;
}

void BM_BuildMapTileSet(benchmark::State& state, gamebuild::Edition edition)
{
    Demo& demo = LoadedDemo(edition);
    for (auto _ : state) {
        MapTileSet tiles;
        if (!BuildMapTileSet(demo.game, 2, tiles))
            state.SkipWithError("no map tiles");
        benchmark::DoNotOptimize(tiles.tiles.data());
    }
}
BENCHMARK_CAPTURE(BM_BuildMapTileSet, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildMapTileSet, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);

// One iteration draws all 32 maps, each read anew as when the viewer switches maps.
void BM_RenderEveryMap(benchmark::State& state, gamebuild::Edition edition)
{
    Demo& demo = LoadedDemo(edition);
    MapRenderer renderer(demo.game);
    renderer.SetTileSet(&demo.tiles);
    renderer.SetOptions(mapoption::kAll, true);
    int64_t pixels = 0;
    for (auto _ : state)
        for (int map = 0; map < 32; ++map) {
            renderer.SetMap(map);
            renderer.SetHighlight(0, 3, 3, map % 4);
            std::optional<Image> image = renderer.Render();
            if (!image)
                state.SkipWithError("a map was not drawn");
            else
                pixels += static_cast<int64_t>(image->Width()) * image->Height();
        }
    state.counters["maps"] = benchmark::Counter(32.0 * static_cast<double>(state.iterations()));
    state.counters["ms per map"] =
        benchmark::Counter(32.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK_CAPTURE(BM_RenderEveryMap, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderEveryMap, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);

void BM_DescribeEveryEvent(benchmark::State& state)
{
    Demo& demo = LoadedDemo(gamebuild::Edition::First);
    int64_t events = 0;
    for (auto _ : state) {
        for (int map = 0; map < 32; ++map) {
            EventDescriber describer(demo.game, MapCell{map, 0, 0, 0});
            std::span<const MapEvent> table = describer.Map(map).Events();
            for (size_t slot = 0; slot < table.size(); ++slot) {
                if (!table[slot].type)
                    continue;
                benchmark::DoNotOptimize(describer.DescribeEvent(map, static_cast<int>(slot), true));
                if (IsBranchingType(table[slot].type))
                    benchmark::DoNotOptimize(describer.DescribeEventOutcomes(map, static_cast<int>(slot), true));
                ++events;
            }
        }
    }
    state.counters["events"] = benchmark::Counter(static_cast<double>(events), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DescribeEveryEvent)->Unit(benchmark::kMillisecond);

} // namespace
