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

#include <windows.h>

#include <commctrl.h>
#include <utility>
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

HWND OpenItemList() { return CViewerDialog::Open<CItemListDlg>()->Handle(); }

void Run(const CGameData& game, int runs)
{
    // Untimed: the first window also loads the fonts, the first Item List makes the item icons.
    OpenAndPaint(1, OpenItemList);
    HandleWaitingMessages();

    Report("the bare template, for comparison", BareTemplate(runs, IDD_ITEM_LIST));
    HandleWaitingMessages();

    // The list view's own inserts: every row's texts into the bare template's list.
    const std::vector<ItemListRow> rows = ItemListRows(game, {});
    Report("the list view's inserts alone (571 x 21)", OpenAndPaint(runs, [&] {
        HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ITEM_LIST), nullptr,
                                         [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ShowWindow(window, SW_SHOW);
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
        return window;
    }));
    HandleWaitingMessages();

    Report("open the Item List", OpenAndPaint(runs, OpenItemList));
    HandleWaitingMessages();

    CItemListDlg* dialog = CViewerDialog::Open<CItemListDlg>();
    const HWND window = dialog->Handle();
    PaintAndHandle(window);
    Report("Refresh", Repeat(runs, [&](int) {
        SendDlgItemMessageW(window, IDC_ITEMLIST_REFRESH, BM_CLICK, 0, 0);
        PaintAndHandle(window);
    }));
    const std::pair<const char*, int> sorts[] = {{"sort on text (name)", itemlist::kName},
                                                 {"sort on a number (price)", itemlist::kPrice},
                                                 {"sort on damage (average)", itemlist::kDamage},
                                                 {"sort on letters (races)", itemlist::kRaces},
                                                 {"sort on the list's text (effects)", itemlist::kEffects}};
    for (const auto& [what, column] : sorts) {
        // One click on the header, as a user sorts: ascending, since the list was sorted on
        // another column just before (untimed).
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            dialog->List().OnColumnClick(column == itemlist::kType ? itemlist::kSkill : itemlist::kType);
            PaintAndHandle(window);
            times.push_back(Milliseconds([&, column = column] {
                dialog->List().OnColumnClick(column);
                PaintAndHandle(window);
            }));
        }
        Report(what, times);
    }
    Report("copy every row", Repeat(runs, [&](int) { dialog->List().CopyToClipboard(); }));
    DestroyWindow(window);
    HandleWaitingMessages();
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = RunsArgument(argc, argv, 10);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-items");
    if (!demo.Loaded())
        return 1;
    Run(demo.Game(), runs);
    return 0;
}
