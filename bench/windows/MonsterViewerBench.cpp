// monster_viewer_bench [RUNS]: how long the Monster Viewer takes, under Wine, to open on the full
// first-edition demo (its window made, filled and painted), and to show another monster chosen in
// its list (every field, the loot, the picture's frames, painted). Prints the median and the
// slowest run of each, in milliseconds, beside the cost of the form's bare template, which is
// Wine's floor for a window of that many controls. Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "items/CMonsterScrollDlg.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

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
    const int runs = RunsArgument(argc, argv, 30);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-monsters");
    if (!demo.Loaded())
        return 1;
    const auto opening = [](int runs, int width, int height) {
        return OpenAndPaint(runs, [width, height] {
            CMonsterViewerDlg* viewer = OpenMonsterViewer(width, height);
            return viewer ? GetAncestor(viewer->Handle(), GA_ROOT) : nullptr;
        });
    };
    opening(1, 1024, 768); // the first run also makes the shared image lists
    Report("the bare template, for comparison", BareTemplate(runs, IDD_MONSTER_VIEWER));
    Report("open the Monster Viewer", opening(runs, 1024, 768));
    Report("open it in the scrolling frame", opening(runs, 800, 600));
    Report("choose another monster", Switching(runs, demo.Game().MonsterCount()));
    return 0;
}
