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
        game.BuildStateIcons(game.m_stateIcons9, 9);
        game.BuildStateIcons(game.m_stateIcons16, 16);
        game.LoadImageSet("\\vcfont1.vga", game.m_itemImagesSmall, 1, 1, false);
        game.LoadImageSet("\\vcfont2.vga", game.m_itemImagesLarge, 0, 0, true);
        game.LoadIconImages();
        game.LoadTextFont();
        benchmark::DoNotOptimize(game.m_fontBitmap.Pixels().data());
    }
}
BENCHMARK(BM_AllImageListsAndFont)->Unit(benchmark::kMillisecond);

void BM_StateIcons16(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.BuildStateIcons(game.m_stateIcons16, 16);
}
BENCHMARK(BM_StateIcons16)->Unit(benchmark::kMicrosecond);

void BM_ItemImagesSmall(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadImageSet("\\vcfont1.vga", game.m_itemImagesSmall, 1, 1, false);
}
BENCHMARK(BM_ItemImagesSmall)->Unit(benchmark::kMicrosecond);

void BM_ItemImagesLarge(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadImageSet("\\vcfont2.vga", game.m_itemImagesLarge, 0, 0, true);
}
BENCHMARK(BM_ItemImagesLarge)->Unit(benchmark::kMicrosecond);

void BM_IconImages(benchmark::State& state)
{
    CGameData& game = Game();
    for (auto _ : state)
        game.LoadIconImages();
    state.counters["icons"] = game.m_iconImages.Count();
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
