#include "bench/windows/WindowBenchDemo.h"

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "testing/GameBuilder.h"
#include "ui/ImageLists.h"

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>

int RunOnDemo(const char* folderName, const std::function<void(const CGameData& game)>& bench)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string folder = (std::filesystem::temp_directory_path() / folderName).string();
    if (!gamebuild::DemoInstallation(gamebuild::Edition::First).Write(folder)) {
        std::fprintf(stderr, "cannot write the demo into %s\n", folder.c_str());
        return 1;
    }
    int status = 1;
    BenchPlatform platform(folder);
    {
        CGameData game(platform);
        if (game.Loaded()) {
            SetGameData(&game);
            bench(game);
            ReleaseSharedImageLists();
            SetGameData(nullptr);
            status = 0;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
