// world_info_bench [RUNS]: how long World Info takes, under Wine, on the first save of the
// first-edition demo: opening it (made, filled and painted) beside its bare template
// (Wine's floor for a window of that many controls), choosing an NPC, opening the map of the
// party's map with every item marked (until it is shown and painted), and a click on a map cell
// where items lie (the list of that cell's items shown and painted). Prints the median and the
// slowest run of each in milliseconds. Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CCellItemsDlg.h"
#include "saves/CWorldInfoDlg.h"
#include "saves/CWorldMapDlg.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// The open dialog of the kind T, or null.
template <typename T>
T* OpenDialog()
{
    static T* s_found;
    s_found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) {
            if (auto* dialog = dynamic_cast<T*>(CDialog::FromHandle(window)))
                s_found = dialog;
            return TRUE;
        },
        0);
    return s_found;
}

// A modal window of the kind T, once its loop is idle: painted, the time taken, then closed.
template <typename T>
void WhenShown(LARGE_INTEGER& shown)
{
    static LARGE_INTEGER* s_shown;
    s_shown = &shown;
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (T* dialog = OpenDialog<T>()) {
            Paint(dialog->Handle());
            *s_shown = Now();
            dialog->EndDialog(IDCANCEL);
        }
    });
}

std::vector<double> Opening(int runs, const std::string& save)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        CWorldInfoDlg dialog(save);
        times.push_back(Milliseconds([&] {
            dialog.Create(nullptr);
            Paint(dialog.Handle());
        }));
    }
    return times;
}

std::vector<double> Choosing(int runs, const std::string& save)
{
    CWorldInfoDlg dialog(save);
    dialog.Create(nullptr);
    const HWND npcs = dialog.Item(IDC_WORLD_NPCS);
    const int count = static_cast<int>(SendMessageW(npcs, CB_GETCOUNT, 0, 0));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const int entry = (run * 7) % count;
        times.push_back(Milliseconds([&] {
            SendMessageW(npcs, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_WORLD_NPCS, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(npcs));
            Paint(dialog.Handle());
        }));
    }
    return times;
}

// The party's map, every item on it marked with the noticeable icons, the first chosen.
std::vector<double> OpeningTheMap(int runs, const std::string& save)
{
    CWorldInfoDlg dialog(save);
    dialog.Create(nullptr);
    SendDlgItemMessageW(dialog.Handle(), IDC_WORLD_NOTICEABLE, BM_SETCHECK, BST_CHECKED, 0);
    const int map = dialog.World().position ? dialog.World().position->map : 0;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER shown{};
        WhenShown<CWorldMapDlg>(shown);
        const LARGE_INTEGER start = Now();
        dialog.ShowMap(map, 0);
        times.push_back(Between(start, shown));
    }
    return times;
}

std::vector<double> ClickingACell(int runs, const std::string& save)
{
    CWorldInfoDlg dialog(save);
    dialog.Create(nullptr);
    const WorldState& world = dialog.World();
    std::vector<double> times;
    if (!world.position)
        return times;
    const int map = world.position->map;
    static std::function<void()> s_inside;
    s_inside = [&] {
        CWorldMapDlg* mapWindow = OpenDialog<CWorldMapDlg>();
        if (!mapWindow)
            return;
        const MapRenderer& renderer = mapWindow->Renderer();
        const PartyPosition& at = *world.position;
        const POINT scroll = mapWindow->Panel().GetScrollPosition();
        const POINT point{renderer.Layout().CellPixelX(renderer.Params(), at.quadrant, at.x) + 4 - scroll.x,
                          renderer.Layout().CellPixelY(renderer.Params(), at.quadrant, at.y) + 4 - scroll.y};
        for (int run = 0; run < runs; ++run) {
            LARGE_INTEGER shown{};
            WhenShown<CCellItemsDlg>(shown);
            const LARGE_INTEGER start = Now();
            if (!mapWindow->OpenCellAt(point))
                break;
            times.push_back(Between(start, shown));
        }
        mapWindow->EndDialog(IDCANCEL);
    };
    SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        s_inside();
    });
    dialog.ShowMap(map, -1);
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = RunsArgument(argc, argv, 20);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-world");
    if (!demo.Loaded())
        return 1;
    const std::string save = demo.Game().InstallPath() + "\\SAVES\\SAVEGAME.DBS";
    Opening(1, save); // the first run also makes the shared image lists
    Report("the bare template, for comparison", BareTemplate(runs, IDD_WORLD_INFO));
    Report("open World Info", Opening(runs, save));
    Report("choose an NPC or shop", Choosing(runs, save));
    Report("open the map, every item marked", OpeningTheMap(runs, save));
    const std::vector<double> clicks = ClickingACell(runs, save);
    if (clicks.empty())
        std::printf("click a map cell: no items on the party's cell\n");
    else
        Report("click a map cell, its items listed", clicks);
    return 0;
}
