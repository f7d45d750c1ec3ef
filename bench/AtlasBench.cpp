// The atlas of the demo installation with its save file, written whole, per edition: the figure
// for "both editions in under 5 s" is the sum of the two.

#include "bench/BenchDemo.h"
#include "saves/SaveGame.h"
#include "tools/atlas/Atlas.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void BM_WriteAtlas(benchmark::State& state, gamebuild::Edition edition)
{
    BenchDemo& demo = LoadedBenchDemo(edition);
    const std::string savePath = demo.folder + "/SAVES/SAVEGAME.DBS";
    SaveGame save;
    const bool withSave = save.Load(savePath) != SaveFileKind::NotRecognised;
    const std::string out = (std::filesystem::temp_directory_path() / "tallowmark-bench-atlas").string();
    int files = 0;
    for (auto _ : state) {
        const atlas::AtlasResult result = atlas::WriteAtlas(*demo.game, out, withSave ? &save : nullptr, savePath);
        if (!result.ok)
            state.SkipWithError(result.error.c_str());
        files = result.files;
    }
    state.counters["files"] = files;
    std::error_code ignored;
    std::filesystem::remove_all(out, ignored);
}

} // namespace

BENCHMARK_CAPTURE(BM_WriteAtlas, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WriteAtlas, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond)->Iterations(3);
