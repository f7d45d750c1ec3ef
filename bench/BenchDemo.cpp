#include "bench/BenchDemo.h"

#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "tools/art/ProgramArt.h"

#include <filesystem>

namespace {
bool IsGold(gamebuild::Edition edition) { return edition == gamebuild::Edition::Gold; }
} // namespace

const std::string& BenchDemoFolder(gamebuild::Edition edition)
{
    static std::string folders[2];
    std::string& folder = folders[IsGold(edition)];
    if (folder.empty()) {
        folder = (std::filesystem::temp_directory_path() /
                  (IsGold(edition) ? "tallowmark-bench-gold" : "tallowmark-bench-first"))
                     .string();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        gamebuild::DemoInstallation(edition).Write(folder);
    }
    return folder;
}

BenchDemo& LoadedBenchDemo(gamebuild::Edition edition)
{
    static std::unique_ptr<BenchDemo> demos[2];
    std::unique_ptr<BenchDemo>& demo = demos[IsGold(edition)];
    if (!demo) {
        demo = std::make_unique<BenchDemo>();
        demo->folder = BenchDemoFolder(edition);
        demo->platform.settings["w7path"] = demo->folder;
        // The item icons (131) and the map tiles (144 to 243).
        for (int id = 131; id <= 243; ++id)
            if (auto bytes = ReadGameFile(std::string(TALLOWMARK_ART_DIR) + "/" + art::ProgramBitmapFile(id)))
                if (auto bitmap = DecodeBmp(*bytes))
                    demo->platform.bitmaps[id] = *bitmap;
        demo->game = std::make_unique<CGameData>(demo->platform);
    }
    return *demo;
}
