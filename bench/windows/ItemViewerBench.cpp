// item_viewer_bench FOLDER: times what a user does in the viewers, on the installation in FOLDER:
// each action from the message that starts it until every window it touched has painted.
// Prints one line per action: runs, median and slowest in milliseconds.

#include "app/WinPlatform.h"
#include "gamedata/CGameData.h"
#include "items/CItemViewerDlg.h"
#include "items/ItemRecord.h"
#include "items/ItemViewerContent.h"
#include "res/resource.h"
#include "ui/ImageLists.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The installation named on the command line; settings are neither read nor written.
class BenchPlatform : public WinPlatform {
public:
    explicit BenchPlatform(std::string folder) : m_folder(std::move(folder)) {}
    std::optional<std::string> ReadSetting(const char* name) override
    {
        return std::string(name) == "w7path" ? std::optional<std::string>(m_folder) : std::nullopt;
    }
    void WriteSetting(const char*, const std::string&) override {}

private:
    std::string m_folder;
};

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HandleWaitingMessages();
}

void Report(const char* action, std::vector<double> times)
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    std::printf("%-48s %4zu runs  median %7.2f ms  slowest %7.2f ms\n", action, times.size(),
                times[times.size() / 2], times.back());
    std::fflush(stdout);
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
        const double start = Now();
        CItemViewerDlg* viewer = CViewerDialog::Open<CItemViewerDlg>();
        if (!viewer)
            return;
        PaintNow(viewer->Handle());
        open.push_back(Now() - start);
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
        const double start = Now();
        Choose(dialog, IDC_ITEM_NUMBERS, number);
        PaintNow(dialog);
        byNumber.push_back(Now() - start);
    }
    Report("choose an item by number", byNumber);
    const int names = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETCOUNT, 0, 0));
    for (int entry : Spread(names, 60)) {
        const double start = Now();
        Choose(dialog, IDC_ITEM_NAMES, entry);
        PaintNow(dialog);
        byName.push_back(Now() - start);
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
        const double start = Now();
        Choose(dialog, IDC_ITEM_NUMBERS, number);
        PaintNow(dialog);
        withText.push_back(Now() - start);
    }
    Report("choose, text shown (widen, narrow, draw text)", withText);

    std::vector<double> find;
    for (int run = 0; run < 10; ++run) {
        SetDlgItemTextW(dialog, IDC_ITEM_NAME_MASK, L"no such name");
        viewer->SetReporter([](const wchar_t*) {});
        const double start = Now();
        SendDlgItemMessageW(dialog, IDC_ITEM_FIND, BM_CLICK, 0, 0);
        PaintNow(dialog);
        find.push_back(Now() - start);
    }
    Report("find through the whole table", find);
    DestroyWindow(dialog);
    HandleWaitingMessages();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: item_viewer_bench FOLDER\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    BenchPlatform platform(argv[1]);
    CGameData game(platform);
    if (!game.Loaded()) {
        std::fprintf(stderr, "item_viewer_bench: cannot load %s\n", argv[1]);
        return 1;
    }
    SetGameData(&game);
    ItemViewer(game);
    ReleaseSharedImageLists();
    SetGameData(nullptr);
    return 0;
}
