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

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

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
    const int runs = RunsArgument(argc, argv, 30);
    InitBenchControls();
    BenchDemo demo("tallowmark-bench-pictures");
    if (!demo.Loaded())
        return 1;
    const std::string saved = (std::filesystem::temp_directory_path() / "tallowmark-bench-saved").string();
    std::filesystem::create_directories(saved);
    {
        const auto [largest, frames] = LargestSet(demo.Game());
        std::printf("largest picture set: %s, %i frames\n", largest.c_str(), frames);

        Report("the bare template, for comparison", BareTemplate(runs, IDD_PICTURE_VIEWER));
        Report("open the Picture Viewer",
               OpenAndPaint(runs, [] { return CViewerDialog::Open<CPictureViewerDlg>()->Handle(); }));

        CPictureViewerDlg* viewer = CViewerDialog::Open<CPictureViewerDlg>();
        const HWND window = viewer->Handle();
        Report("choose the largest picture set", Repeat(runs, [&](int) {
                   viewer->SelectSet(largest);
                   Paint(window);
               }));
        Report("next frame", Repeat(runs, [&](int) {
                   SendMessageW(GetDlgItem(window, IDC_PICTURE_NEXT), BM_CLICK, 0, 0);
                   Paint(window);
               }));
        const std::string target = saved + "\\frames.bmp";
        viewer->SetFileChooser([&target](HWND) { return target; });
        std::vector<double> saving = Repeat(std::max(runs / 5, 3), [&](int) {
            SendMessageW(GetDlgItem(window, IDC_PICTURE_SAVE_ALL), BM_CLICK, 0, 0);
        });
        Report("save all frames of it", saving);
        for (double& time : saving)
            time /= std::max(frames, 1);
        Report("  the same per frame", saving);
        DestroyWindow(window);
    }
    std::error_code ignored;
    std::filesystem::remove_all(saved, ignored);
    return 0;
}
