// Decoding every picture of the demo installations, as a Picture Viewer stepping through all
// picture sets would (scale 2, all frames).

#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "gamedata/PicFile.h"
#include "testing/DemoPalette.h"
#include "testing/GameBuilder.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

struct Demo {
    std::string folder;
    std::vector<std::string> pictures;
};

Demo WriteDemo(gamebuild::Edition edition)
{
    const bool gold = edition == gamebuild::Edition::Gold;
    auto folder =
        std::filesystem::temp_directory_path() / (gold ? "tallowmark-picbench-gold" : "tallowmark-picbench-first");
    std::filesystem::remove_all(folder);
    gamebuild::Installation installation = gamebuild::DemoInstallation(edition);
    installation.Write(folder.string());
    Demo demo{folder.string(), {}};
    for (const auto& [name, picture] : installation.pictures)
        demo.pictures.push_back(name);
    return demo;
}

void BM_DecodeEveryPicture(benchmark::State& state, gamebuild::Edition edition, int scale)
{
    const Demo demo = WriteDemo(edition);
    MemoryPlatform platform;
    platform.settings["w7path"] = demo.folder;
    CGameData game(platform);
    game.m_palette = gamebuild::DemoPalette();
    int64_t frames = 0, pixels = 0;
    for (auto _ : state) {
        for (const std::string& name : demo.pictures) {
            std::vector<Image> images;
            frames += game.LoadPicByName(name, images, scale, 0, 0, pic::kBackground);
            for (const Image& image : images)
                pixels += static_cast<int64_t>(image.Width()) * image.Height();
            benchmark::DoNotOptimize(images.data());
        }
    }
    state.counters["files"] = static_cast<double>(demo.pictures.size());
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.counters["Mpixels/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsRate);
    if (!platform.errors.empty())
        state.SkipWithError("a picture did not load");
}
BENCHMARK_CAPTURE(BM_DecodeEveryPicture, first_scale2, gamebuild::Edition::First, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeEveryPicture, gold_scale2, gamebuild::Edition::Gold, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeEveryPicture, first_scale1, gamebuild::Edition::First, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeEveryPicture, gold_scale1, gamebuild::Edition::Gold, 1)->Unit(benchmark::kMillisecond);

} // namespace
