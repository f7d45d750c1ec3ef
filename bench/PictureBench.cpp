// Decoding every picture of the demo installations, as a Picture Viewer stepping through all
// picture sets would (scale 2, all frames).

#include "testing/GameDataSeam.h"
#include "bench/BenchDemo.h"
#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "gamedata/PicFile.h"
#include "testing/DemoPalette.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// The picture files of the demo installation's folder.
std::vector<std::string> PictureNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (extension == ".pic")
            names.push_back(entry.path().filename().string());
    }
    return names;
}

void BM_DecodeEveryPicture(benchmark::State& state, gamebuild::Edition edition, int scale)
{
    const std::string& folder = BenchDemoFolder(edition);
    const std::vector<std::string> pictures = PictureNames(folder);
    MemoryPlatform platform;
    platform.settings["w7path"] = folder;
    CGameData game(platform);
    GameDataSeam(game).Palette() = gamebuild::DemoPalette();
    int64_t frames = 0, pixels = 0;
    for (auto _ : state) {
        for (const std::string& name : pictures) {
            std::vector<Image> images;
            frames += game.LoadPicByName(name, images, {.scale = scale, .background = pic::kBackground});
            for (const Image& image : images)
                pixels += static_cast<int64_t>(image.Width()) * image.Height();
            benchmark::DoNotOptimize(images.data());
        }
    }
    state.counters["files"] = static_cast<double>(pictures.size());
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
