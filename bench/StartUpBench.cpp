// Loading the store from the full demo installation.

#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "testing/GameBuilder.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {
std::string DemoFolder(gamebuild::Edition edition)
{
    auto folder = std::filesystem::temp_directory_path() /
                  (edition == gamebuild::Edition::Gold ? "tallowmark-bench-gold" : "tallowmark-bench-first");
    gamebuild::DemoInstallation(edition).Write(folder.string());
    return folder.string();
}

void BM_GameDataConstruction(benchmark::State& state, gamebuild::Edition edition)
{
    const std::string folder = DemoFolder(edition);
    for (auto _ : state) {
        MemoryPlatform platform;
        platform.settings["w7path"] = folder;
        CGameData game(platform);
        if (!game.m_loaded)
            state.SkipWithError("the demo did not load");
        benchmark::DoNotOptimize(game.m_itemCount);
    }
}
BENCHMARK_CAPTURE(BM_GameDataConstruction, first, gamebuild::Edition::First)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GameDataConstruction, gold, gamebuild::Edition::Gold)->Unit(benchmark::kMillisecond);
} // namespace
