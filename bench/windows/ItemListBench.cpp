// item_list_bench [RUNS]: how long the Item List takes under Wine on the full first-edition demo
// (571 items x 21 columns): opening it (made, filled, columns sized, painted) beside its bare
// template (the same template with a do-nothing dialog procedure, Wine's floor), the list view's
// own inserts of the same texts alone, "Refresh", a sort on each kind of column, and copying every
// row. Prints the median and the slowest run of each, in milliseconds. Run it with
// build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "items/CItemListDlg.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

void HandleWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Paints now, then handles what the painting left waiting.
void PaintAndHandle(HWND window)
{
    Paint(window);
    HandleWaitingMessages();
}

HWND OpenBare()
{
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ITEM_LIST), nullptr,
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ShowWindow(window, SW_SHOW);
    return window;
}

std::vector<double> Repeat(int runs, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(Milliseconds(action));
    return times;
}

void Run(int runs)
{
    const CGameData& game = *GetGameData();
    Report("the bare template, for comparison", Repeat(runs, [] {
        HWND window = OpenBare();
        PaintAndHandle(window);
        DestroyWindow(window);
    }));

    // The list view's own inserts: every row's texts into the bare template's list.
    const std::vector<ItemListRow> rows = ItemListRows(game, {});
    Report("the list view's inserts alone (571 x 21)", Repeat(runs, [&] {
        HWND window = OpenBare();
        const CListView list(window, IDC_ITEMLIST_ITEMS);
        for (int column = 0; column < itemlist::kColumnCount; ++column)
            list.InsertColumn(column, L"", 40);
        list.SetRedraw(false);
        for (const ItemListRow& row : rows) {
            const int at = list.InsertItem(list.GetItemCount(), row.texts[0], -1, row.number);
            for (int column = 1; column < itemlist::kColumnCount; ++column)
                list.SetItemText(at, column, row.texts[static_cast<size_t>(column)]);
        }
        list.SetRedraw(true);
        PaintAndHandle(window);
        DestroyWindow(window);
    }));

    Report("open the Item List", Repeat(runs, [] {
        CItemListDlg* dialog = CViewerDialog::Open<CItemListDlg>();
        PaintAndHandle(dialog->Handle());
        DestroyWindow(dialog->Handle());
    }));

    CItemListDlg* dialog = CViewerDialog::Open<CItemListDlg>();
    const HWND window = dialog->Handle();
    PaintAndHandle(window);
    Report("Refresh", Repeat(runs, [&] {
        SendDlgItemMessageW(window, IDC_ITEMLIST_REFRESH, BM_CLICK, 0, 0);
        PaintAndHandle(window);
    }));
    const std::pair<const char*, int> sorts[] = {{"sort on text (name)", itemlist::kName},
                                                 {"sort on a number (price)", itemlist::kPrice},
                                                 {"sort on damage (average)", itemlist::kDamage},
                                                 {"sort on letters (races)", itemlist::kRaces},
                                                 {"sort on the list's text (effects)", itemlist::kEffects}};
    for (const auto& [what, column] : sorts)
        Report(what, Repeat(runs, [&, column = column] {
            // Ascending each time: click until the column sorts ascending anew.
            do
                dialog->List().OnColumnClick(column);
            while (dialog->List().SortState() != CExtListCtrl::kAscending);
            PaintAndHandle(window);
        }));
    Report("copy every row", Repeat(runs, [&] { dialog->List().CopyToClipboard(); }));
    DestroyWindow(window);
    HandleWaitingMessages();
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 10;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string folder = (std::filesystem::temp_directory_path() / "tallowmark-bench-items").string();
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
        Run(runs);
        ReleaseSharedImageLists();
        SetGameData(nullptr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
