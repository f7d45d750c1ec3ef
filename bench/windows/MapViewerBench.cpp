// map_viewer_bench [RUNS]: how long the map windows take under Wine on the full first-edition
// demo: opening the Map Viewer (made, the map drawn, painted), choosing another map, ticking an
// option (a redraw that keeps the scroll position), a hover (mouse move to the new text shown),
// opening Map Properties on the demo's busiest cell, and expanding a chain. Beside each opening,
// the bare template's cost: Wine's floor for a window of that many controls. Prints the median
// and the slowest run of each, in milliseconds. Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "maps/CMapPropertiesDlg.h"
#include "maps/CMapViewerDlg.h"
#include "maps/EventChain.h"
#include "maps/MapData.h"
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

// The cell of the demo with the most events.
MapCell BusiestCell(const CGameData& game)
{
    MapCell best;
    int most = 0;
    for (int map = 0; map < 32; ++map) {
        const std::span<const MapEvent> events = GetMapEventTable(game, map);
        for (const MapEvent& event : events) {
            if (event.type == 0)
                continue;
            int count = 0;
            for (const MapEvent& other : events)
                count += other.type != 0 && IsOnCell(other, event.quadrant, event.x, event.y);
            if (count > most) {
                most = count;
                best = {map, event.quadrant, event.x, event.y};
            }
        }
    }
    return best;
}

HWND OpenProperties(CMapPropertiesDlg& properties, const MapCell& cell)
{
    properties.SetCell(cell.map, cell.quadrant, cell.x, cell.y);
    properties.Create(nullptr);
    Paint(properties.Handle());
    return properties.Handle();
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = RunsArgument(argc, argv, 30);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-maps");
    if (!demo.Loaded())
        return 1;
    {
        CGameData& game = demo.Game();
        const auto open = [] { return CViewerDialog::Open<CMapViewerDlg>()->Handle(); };
        OpenAndPaint(1, open); // the first run also makes the shared image lists
        Report("the bare template 142, for comparison", BareTemplate(runs, IDD_MAP_VIEWER));
        Report("open the Map Viewer", OpenAndPaint(runs, open));

        CMapViewerDlg* viewer = CViewerDialog::Open<CMapViewerDlg>();
        const HWND window = viewer->Handle(), list = viewer->Item(IDC_MAP_LIST);
        Report("choose another map", Repeat(runs, [&](int run) {
                   SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>((run * 7 + 1) % 32), 0);
                   SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_MAP_LIST, CBN_SELCHANGE),
                                reinterpret_cast<LPARAM>(list));
                   Paint(window);
               }));

        viewer->SelectMap(7);
        viewer->Picture().SetScrollPosition({40, 40});
        Report("tick an option (redraw, scroll kept)", Repeat(runs, [&](int) {
                   SendMessageW(viewer->Item(IDC_MAP_SHOW_FIGHTS), BM_CLICK, 0, 0);
                   Paint(window);
               }));

        // Across the cells of the map's drawing, each move to a new cell.
        RECT picture{};
        GetWindowRect(viewer->PictureWindow(), &picture);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&picture), 2);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const int x = picture.left + 8 + (run * 31) % 300, y = picture.top + 8 + (run * 17) % 300;
            times.push_back(Milliseconds([&] {
                SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
                Paint(viewer->Item(IDC_MAP_HOVER));
            }));
        }
        Report("hover (mouse move to the new text)", times);
        DestroyWindow(window);

        const MapCell busiest = BusiestCell(game);
        std::printf("busiest cell: map %i quadrant %i (%i, %i)\n", busiest.map, busiest.quadrant, busiest.x, busiest.y);
        Report("the bare template 143, for comparison", BareTemplate(runs, IDD_MAP_PROPERTIES));
        times.clear();
        for (int run = 0; run < runs; ++run) {
            CMapPropertiesDlg properties;
            HWND opened = nullptr;
            times.push_back(Milliseconds([&] { opened = OpenProperties(properties, busiest); }));
            DestroyWindow(opened);
        }
        Report("open Map Properties on the busiest cell", times);

        times.clear();
        for (int run = 0; run < runs; ++run) {
            CMapPropertiesDlg properties;
            const HWND opened = OpenProperties(properties, busiest);
            const HWND tree = GetDlgItem(opened, IDC_CELL_CHAINS);
            const HTREEITEM root = TreeView_GetRoot(tree);
            HTREEITEM item = TreeView_GetChild(tree, root) ? TreeView_GetChild(tree, root) : root;
            times.push_back(Milliseconds([&] {
                TreeView_Expand(tree, item, TVE_EXPAND);
                Paint(tree);
            }));
            DestroyWindow(opened);
        }
        Report("expand a chain", times);
    }
    return 0;
}
