// save_viewer_bench [RUNS]: how long the Save File Viewer takes, under Wine, on the first-edition
// demo: opening (made and painted; beside its bare template, Wine's floor for a window of that
// many controls), loading the demo's save file, switching characters, turning "Show &unknown" on
// and off, and opening each character dialog. Prints the median and the slowest run of each, in
// milliseconds. Run it with build/windows/wine-run.sh.

#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CCharItemsDlg.h"
#include "saves/CCharNpcsDlg.h"
#include "saves/CCharProfessionsDlg.h"
#include "saves/CSaveFileViewerDlg.h"
#include "testing/GameBuilder.h"
#include "saves/SpellTree.h"
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

std::vector<double> OpeningTheBareTemplate(int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        times.push_back(Milliseconds([&] {
            window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SAVE_VIEWER), nullptr,
                                        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
            ShowWindow(window, SW_SHOW);
            Paint(window);
        }));
        DestroyWindow(window);
    }
    return times;
}

std::vector<double> Opening(int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        times.push_back(Milliseconds([&] {
            CSaveFileViewerDlg* viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
            window = viewer ? viewer->Handle() : nullptr;
            Paint(window);
        }));
        DestroyWindow(window);
    }
    return times;
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

// A character dialog opened on the demo's fifth character, painted and closed.
template <typename Dialog>
std::vector<double> OpeningDialog(int runs, const SaveGame& file)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        Dialog dialog(file.Characters()[4].Record());
        double shown = 0;
        LARGE_INTEGER frequency, start;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        static std::function<void()> s_done;
        s_done = [&] {
            LARGE_INTEGER end;
            Paint(dialog.Handle());
            QueryPerformanceCounter(&end);
            shown = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            dialog.EndDialog(IDCANCEL);
        };
        SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            s_done();
        });
        dialog.DoModal(nullptr);
        times.push_back(shown);
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 30;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string folder = (std::filesystem::temp_directory_path() / "tallowmark-bench-saves").string();
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
        const std::string save = folder + "\\SAVES\\SAVEGAME.DBS";
        Opening(1); // the first run also makes the shared image lists
        Report("the bare template, for comparison", OpeningTheBareTemplate(runs));
        Report("open the Save File Viewer", Opening(runs));
        std::vector<double> images;
        for (int run = 0; run < runs; ++run)
            images.push_back(Milliseconds([&game] {
                int frames = 0;
                const Image schools = game.LoadProgramBitmap(spelltree::kSchoolBitmap).value_or(Image());
                CreateImageList(BuildSpellTreeImages(game, GetSysColor(COLOR_WINDOW), schools, frames));
            }));
        Report("the spell tree's images (made once per store)", images);
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
            Report("open Classes...", OpeningDialog<CCharProfessionsDlg>(runs, file));
            Report("open Items...", OpeningDialog<CCharItemsDlg>(runs, file));
            Report("open NPCs...", OpeningDialog<CCharNpcsDlg>(runs, file));
        }
        ReleaseSharedImageLists();
        SetGameData(nullptr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
