// monster_viewer_bench [RUNS]: how long the Monster Viewer takes, under Wine, to open on the full
// first-edition demo (its window made, filled and painted), and to show another monster chosen in
// its list (every field, the loot, the picture's frames, painted). Prints the median and the
// slowest run of each, in milliseconds, beside the cost of the form's bare template, which is
// Wine's floor for a window of that many controls. Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "items/CMonsterScrollDlg.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "ui/ImageLists.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

// For comparison: the form's template alone, its controls made and painted, nothing filled.
std::vector<double> OpeningTheBareTemplate(int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        times.push_back(Milliseconds([&] {
            window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MONSTER_VIEWER), nullptr,
                                        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
            ShowWindow(window, SW_SHOW);
            Paint(window);
        }));
        DestroyWindow(window);
    }
    return times;
}

std::vector<double> Opening(int runs, int workWidth, int workHeight)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        times.push_back(Milliseconds([&] {
            CMonsterViewerDlg* viewer = OpenMonsterViewer(workWidth, workHeight);
            window = viewer ? GetAncestor(viewer->Handle(), GA_ROOT) : nullptr;
            Paint(window);
        }));
        DestroyWindow(window);
    }
    return times;
}

std::vector<double> Switching(int runs, int monsterCount)
{
    CMonsterViewerDlg* viewer = OpenMonsterViewer(1024, 768);
    const HWND window = viewer->Handle(), names = viewer->Item(IDC_MONSTER_NAME);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const int entry = (run * 37) % monsterCount; // across the list, not in order
        times.push_back(Milliseconds([&] {
            SendMessageW(names, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_MONSTER_NAME, CBN_SELENDOK),
                         reinterpret_cast<LPARAM>(names));
            Paint(window);
        }));
    }
    DestroyWindow(window);
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 30;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string folder = (std::filesystem::temp_directory_path() / "tallowmark-bench-monsters").string();
    if (!gamebuild::DemoInstallation(gamebuild::Edition::First).Write(folder)) {
        std::fprintf(stderr, "cannot write the demo into %s\n", folder.c_str());
        return 1;
    }
    BenchPlatform platform(folder);
    {
        CGameData game(platform);
        if (!game.Loaded())
            return 1;
        SetGameData(&game);
        Opening(1, 1024, 768); // the first run also makes the shared image lists
        Report("the bare template, for comparison", OpeningTheBareTemplate(runs));
        Report("open the Monster Viewer", Opening(runs, 1024, 768));
        Report("open it in the scrolling frame", Opening(runs, 800, 600));
        Report("choose another monster", Switching(runs, game.MonsterCount()));
        ReleaseSharedImageLists();
        SetGameData(nullptr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
