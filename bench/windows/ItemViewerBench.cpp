// item_viewer_bench: times what a user does in the Item Viewer, on the first-edition demo:
// each action from the message that starts it until every window it touched has painted.
// Prints one line per action: runs, median and slowest in milliseconds.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "items/CItemViewerDlg.h"
#include "items/ItemRecord.h"
#include "items/ItemViewerContent.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

void HandleWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!CDialog::RouteDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Paints the window and its controls now, as the message loop would next.
void PaintNow(HWND window)
{
    Paint(window);
    HandleWaitingMessages();
}

// Item numbers spread over the table, the same on every run.
std::vector<int> Spread(int count, int wanted)
{
    std::vector<int> numbers;
    for (int i = 0; i < wanted && count > 0; ++i)
        numbers.push_back(static_cast<int>((i * 7919LL + 13) % count));
    return numbers;
}

void Choose(HWND dialog, int id, int index)
{
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ItemViewer(const CGameData& game)
{
    // The first viewer of a run also makes the shared list of item pictures.
    std::vector<double> open;
    for (int run = 0; run < 16; ++run) {
        const LARGE_INTEGER start = Now();
        CItemViewerDlg* viewer = CViewerDialog::Open<CItemViewerDlg>();
        if (!viewer)
            return;
        PaintNow(viewer->Handle());
        open.push_back(Between(start, Now()));
        DestroyWindow(viewer->Handle());
        HandleWaitingMessages();
    }
    Report("open the first viewer", {open.front()});
    Report("open a viewer (571 items in each list)", {open.begin() + 1, open.end()});

    CItemViewerDlg* viewer = CViewerDialog::Open<CItemViewerDlg>();
    HWND dialog = viewer->Handle();
    PaintNow(dialog);
    std::vector<double> byNumber, byName, withText;
    for (int number : Spread(game.ItemCount(), 60)) {
        const LARGE_INTEGER start = Now();
        Choose(dialog, IDC_ITEM_NUMBERS, number);
        PaintNow(dialog);
        byNumber.push_back(Between(start, Now()));
    }
    Report("choose an item by number", byNumber);
    const int names = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETCOUNT, 0, 0));
    for (int entry : Spread(names, 60)) {
        const LARGE_INTEGER start = Now();
        Choose(dialog, IDC_ITEM_NAMES, entry);
        PaintNow(dialog);
        byName.push_back(Between(start, Now()));
    }
    Report("choose an item by name", byName);

    // With the text shown: text items widen the window and draw their text, others narrow it.
    SendDlgItemMessageW(dialog, IDC_ITEM_SHOW_TEXT, BM_SETCHECK, BST_CHECKED, 0);
    std::vector<int> texts;
    for (int number = 0; number < game.ItemCount(); ++number)
        if (ItemRecord(game.GetItem(number)).inventoryAction() == itemviewer::kReadAction)
            texts.push_back(number);
    for (int run = 0; run < 30 && !texts.empty(); ++run) {
        const int number = run % 2 ? 1 : texts[static_cast<size_t>(run / 2) % texts.size()];
        const LARGE_INTEGER start = Now();
        Choose(dialog, IDC_ITEM_NUMBERS, number);
        PaintNow(dialog);
        withText.push_back(Between(start, Now()));
    }
    Report("choose, text shown (widen, narrow, draw text)", withText);

    std::vector<double> find;
    for (int run = 0; run < 10; ++run) {
        SetDlgItemTextW(dialog, IDC_ITEM_NAME_MASK, L"no such name");
        viewer->SetReporter([](const wchar_t*) {});
        const LARGE_INTEGER start = Now();
        SendDlgItemMessageW(dialog, IDC_ITEM_FIND, BM_CLICK, 0, 0);
        PaintNow(dialog);
        find.push_back(Between(start, Now()));
    }
    Report("find through the whole table", find);
    DestroyWindow(dialog);
    HandleWaitingMessages();
}

} // namespace

int main()
{
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-items");
    if (!demo.Loaded())
        return 1;
    ItemViewer(demo.Game());
    return 0;
}
