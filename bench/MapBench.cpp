// Maps from the demo installation: building the tile set, drawing every map with every option
// on, and describing every event of every map.

#include "gamedata/BmpFile.h"
#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/MemoryPlatform.h"
#include "maps/EventDescriber.h"
#include "maps/MapRenderer.h"
#include "maps/MapTileSet.h"
#include "testing/GameBuilder.h"
#include "tools/art/ProgramArt.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>

namespace {

struct Demo {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
    MapTileSet tiles;
};

Demo& LoadedDemo(gamebuild::Edition edition)
{
    static std::unique_ptr<Demo> demos[2];
    std::unique_ptr<Demo>& demo = demos[edition == gamebuild::Edition::Gold];
    if (!demo) {
        demo = std::make_unique<Demo>();
        auto folder = std::filesystem::temp_directory_path() /
                      (edition == gamebuild::Edition::Gold ? "tallowmark-bench-maps-gold" : "tallowmark-bench-maps");
        gamebuild::DemoInstallation(edition).Write(folder.string());
        demo->platform.settings["w7path"] = folder.string();
        for (int id = 144; id <= 243; ++id)
            if (auto bytes = ReadGameFile(std::string(TALLOWMARK_ART_DIR) + "/" + art::ProgramBitmapFile(id)))
                if (auto bitmap = DecodeBmp(*bytes))
                    demo->platform.bitmaps[id] = *bitmap;
        demo->game = std::make_unique<CGameData>(demo->platform);
        BuildMapTileSet(*demo->game, 2, demo->tiles);
    }
    return *demo;
}

void BM_BuildMapTileSet(benchmark::State& state, gamebuild::Edition edition)
{
    Demo& demo = LoadedDemo(edition);
    for (auto _ : state) {
        MapTileSet tiles;
        if (!BuildMapTileSet(*demo.game, 2, tiles))
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
    MapRenderer renderer(*demo.game);
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
            EventDescriber describer(*demo.game, MapCell{map, 0, 0, 0});
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
