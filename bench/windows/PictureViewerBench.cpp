// picture_viewer_bench [RUNS]: how long the Picture Viewer takes, under Wine, on the first-edition
// demo: to open (the list of picture files filled, painted) beside its bare template, to choose the
// largest picture set (every frame decoded, the first painted), to show the next frame, and to
// save all frames of that set as BMP files (also per frame). Prints the median and the slowest
// run of each, in milliseconds. Run it with build/windows/wine-run.sh.

#include "app/CPictureViewerDlg.h"
#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "gamedata/PictureSets.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

std::vector<double> Repeat(int runs, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(Milliseconds(action));
    return times;
}

// The set with the most pixels in all its frames, and its number of frames.
std::pair<std::string, int> LargestSet(CGameData& game)
{
    std::pair<std::string, int> largest;
    long long most = -1;
    for (const std::string& name : picturesets::ListPictureFiles(game.InstallPath())) {
        std::vector<Image> frames;
        game.LoadPicByName(name, frames, {.scale = 2, .background = Rgb(96, 96, 128)});
        long long pixels = 0;
        for (const Image& frame : frames)
            pixels += static_cast<long long>(frame.Width()) * frame.Height();
        if (pixels > most) {
            most = pixels;
            largest = {name, static_cast<int>(frames.size())};
        }
    }
    return largest;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 30;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);

    const auto temp = std::filesystem::temp_directory_path();
    const std::string folder = (temp / "tallowmark-bench-pictures").string();
    const std::string saved = (temp / "tallowmark-bench-saved").string();
    if (!gamebuild::DemoInstallation(gamebuild::Edition::First).Write(folder)) {
        std::fprintf(stderr, "cannot write the demo into %s\n", folder.c_str());
        return 1;
    }
    std::filesystem::create_directories(saved);
    BenchPlatform platform(folder);
    {
        CGameData game(platform);
        if (!game.Loaded())
            return 1;
        SetGameData(&game);
        const auto [largest, frames] = LargestSet(game);
        std::printf("largest picture set: %s, %i frames\n", largest.c_str(), frames);

        Report("the bare template, for comparison", Repeat(runs, [] {
                   HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PICTURE_VIEWER),
                                                    nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
                   ShowWindow(window, SW_SHOW);
                   Paint(window);
                   DestroyWindow(window);
               }));
        Report("open the Picture Viewer", Repeat(runs, [] {
                   CPictureViewerDlg* viewer = CViewerDialog::Open<CPictureViewerDlg>();
                   Paint(viewer->Handle());
                   DestroyWindow(viewer->Handle());
               }));

        CPictureViewerDlg* viewer = CViewerDialog::Open<CPictureViewerDlg>();
        const HWND window = viewer->Handle();
        Report("choose the largest picture set", Repeat(runs, [&] {
                   viewer->SelectSet(largest);
                   Paint(window);
               }));
        Report("next frame", Repeat(runs, [&] {
                   SendMessageW(GetDlgItem(window, IDC_PICTURE_NEXT), BM_CLICK, 0, 0);
                   Paint(window);
               }));
        const std::string target = saved + "\\frames.bmp";
        viewer->SetFileChooser([&target](HWND) { return target; });
        std::vector<double> saving = Repeat(std::max(runs / 5, 3), [&] {
            SendMessageW(GetDlgItem(window, IDC_PICTURE_SAVE_ALL), BM_CLICK, 0, 0);
        });
        Report("save all frames of it", saving);
        for (double& time : saving)
            time /= std::max(frames, 1);
        Report("  the same per frame", saving);
        DestroyWindow(window);
        SetGameData(nullptr);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::remove_all(saved, ignored);
    return 0;
}
