// Building the image lists and the font from the demo installation, and drawing a text.

#include "bench/BenchDemo.h"
#include "gamedata/CGameData.h"
#include "gamedata/TextPicture.h"

#include <benchmark/benchmark.h>

namespace {

CGameData& Game() { return *LoadedBenchDemo(gamebuild::Edition::First).game; }

void BM_AllImageListsAndFont(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state) {
        game.LoadPalette();
        game.LoadStateIcons();
        game.LoadItemImages();
        game.LoadIconImages();
        game.LoadTextFont();
        benchmark::DoNotOptimize(game.Font().strip.Pixels().data());
    }
}
BENCHMARK(BM_AllImageListsAndFont)->Unit(benchmark::kMillisecond);

void BM_StateIcons(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadStateIcons();
}
BENCHMARK(BM_StateIcons)->Unit(benchmark::kMicrosecond);

void BM_ItemImages(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadItemImages();
}
BENCHMARK(BM_ItemImages)->Unit(benchmark::kMicrosecond);

void BM_IconImages(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadIconImages();
    state.counters["icons"] = game.IconImages().Count();
}
BENCHMARK(BM_IconImages)->Unit(benchmark::kMicrosecond);

void BM_TextFont(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadTextFont();
}
BENCHMARK(BM_TextFont)->Unit(benchmark::kMicrosecond);

void BM_RenderMessageText(benchmark::State& state)
{
    const CGameData& game = Game();
    const std::string text = "You stand before a heavy oak door bound in iron. A faded sign reads: KEEP OUT!@"
                             "Beyond it you hear the scratching of claws on stone, and something breathing "
                             "slowly in the dark. Do you open the door?";
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderMessageText(game, text.data(), text.size(), false));
}
BENCHMARK(BM_RenderMessageText)->Unit(benchmark::kMicrosecond);

} // namespace
