// save_viewer_bench [RUNS]: how long the Save File Viewer takes, under Wine, on the first-edition
// demo: opening (made and painted, by turns with its bare template, Wine's floor for a window of
// that many controls), loading the demo's save file, switching characters, turning "Show
// &unknown" on and off, and opening each character dialog beside its own bare template. Prints
// the median and the slowest run of each, in milliseconds, and the opening's ratio to its floor.
// Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CCharItemsDlg.h"
#include "saves/CCharNpcsDlg.h"
#include "saves/CCharProfessionsDlg.h"
#include "saves/CSaveFileViewerDlg.h"
#include "saves/SpellTree.h"
#include "ui/ImageLists.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

double OpeningTheBareTemplate()
{
    HWND window = nullptr;
    const double time = Milliseconds([&] {
        window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SAVE_VIEWER), nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ShowWindow(window, SW_SHOW);
        Paint(window);
    });
    DestroyWindow(window);
    return time;
}

double Opening()
{
    HWND window = nullptr;
    const double time = Milliseconds([&] {
        CSaveFileViewerDlg* viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
        window = viewer ? viewer->Handle() : nullptr;
        Paint(window);
    });
    DestroyWindow(window);
    return time;
}

// The viewer and its bare template opened by turns, so that other work on the machine weighs
// on both alike; prints both and the median of the ratios of each pair.
void ReportOpening(int runs)
{
    std::vector<double> bare, viewer, ratios;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(OpeningTheBareTemplate());
        viewer.push_back(Opening());
        ratios.push_back(viewer.back() / bare.back());
    }
    Report("the bare template, for comparison", bare);
    Report("open the Save File Viewer", viewer);
    std::sort(ratios.begin(), ratios.end());
    std::printf("%-44s median %7.2f\n", "opening / bare template, run by run", ratios[ratios.size() / 2]);
}

// Times each step on one viewer that has the demo's save loaded.
std::vector<double> OnTheViewer(int runs, const std::string& save, const std::function<void(CSaveFileViewerDlg&, int)>& step)
{
    CSaveFileViewerDlg* viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
    viewer->LoadFile(save);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(Milliseconds([&] {
            step(*viewer, run);
            Paint(viewer->Handle());
        }));
    DestroyWindow(viewer->Handle());
    return times;
}

void Click(HWND window, int id) { SendDlgItemMessageW(window, id, BM_CLICK, 0, 0); }

// Runs an action at the first message a modal loop takes, before anything is drawn: a posted
// message to a window of the thread's own (a timer would wait its ten milliseconds' minimum).
std::function<void()> s_action;

void PostAction(std::function<void()> action)
{
    static const HWND poke = [] {
        const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m != WM_APP)
                return DefWindowProcW(w, m, wp, lp);
            s_action();
            return 0;
        }));
        return window;
    }();
    s_action = std::move(action);
    PostMessageW(poke, WM_APP, 0, 0);
}

// A character dialog opened modal on the demo's fifth character, painted and closed, by turns
// with its bare template (made, shown and painted); prints both.
template <typename Dialog>
void ReportDialog(const char* what, int templateId, int runs, const SaveGame& file)
{
    std::vector<double> bare, times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        bare.push_back(Milliseconds([&] {
            window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
            ShowWindow(window, SW_SHOW);
            Paint(window);
        }));
        DestroyWindow(window);

        Dialog dialog(file.Characters()[4].Record());
        LARGE_INTEGER start = Now(), shown = start;
        PostAction([&] {
            Paint(dialog.Handle());
            shown = Now();
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal(nullptr);
        times.push_back(Between(start, shown));
    }
    Report((std::string(what) + ", its bare template").c_str(), bare);
    Report(what, times);
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = RunsArgument(argc, argv, 30);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-saves");
    if (!demo.Loaded())
        return 1;
    CGameData& game = demo.Game();
    const std::string save = game.InstallPath() + "\\SAVES\\SAVEGAME.DBS";
    Opening(); // the first run also makes the shared image lists
    ReportOpening(runs);
    Report("the spell tree's images (made once per store)", Repeat(runs, [&game](int) {
               int frames = 0;
               const Image schools = game.LoadProgramBitmap(spelltree::kSchoolBitmap).value_or(Image());
               CreateImageList(BuildSpellTreeImages(game, GetSysColor(COLOR_WINDOW), schools, frames));
           }));
    Report("load the demo's save file", OnTheViewer(runs, save, [&save](CSaveFileViewerDlg& viewer, int) {
               viewer.LoadFile(save);
           }));
    Report("choose another character", OnTheViewer(runs, save, [](CSaveFileViewerDlg& viewer, int run) {
               SendDlgItemMessageW(viewer.Handle(), IDC_SAVE_CHARACTER, CB_SETCURSEL, (run * 5 + 1) % 6, 0);
               viewer.ShowSelected();
           }));
    Report("toggle Show unknown", OnTheViewer(runs, save, [](CSaveFileViewerDlg& viewer, int) {
               Click(viewer.Handle(), IDC_SAVE_SHOW_UNKNOWN);
           }));
    SaveGame file;
    if (file.Load(save) == SaveFileKind::Save && file.Count() > 4) {
        ReportDialog<CCharProfessionsDlg>("open Classes...", IDD_CHAR_PROFESSIONS, runs, file);
        ReportDialog<CCharItemsDlg>("open Items...", IDD_CHAR_ITEMS, runs, file);
        ReportDialog<CCharNpcsDlg>("open NPCs...", IDD_CHAR_NPCS, runs, file);
    }
    return 0;
}
