#include "bench/windows/BenchSupport.h"
#include "gamedata/CGameData.h"
#include "testing/GameBuilder.h"
#include "ui/ImageLists.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::optional<std::string> BenchPlatform::ReadSetting(const char* name)
{
    return std::string(name) == "w7path" ? std::optional<std::string>(m_folder) : std::nullopt;
}

void BenchPlatform::ShowError(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

BenchDemo::BenchDemo(const char* folderName)
    : m_folder((std::filesystem::temp_directory_path() / folderName).string())
{
    if (!gamebuild::DemoInstallation(gamebuild::Edition::First).Write(m_folder)) {
        std::fprintf(stderr, "cannot write the demo into %s\n", m_folder.c_str());
        return;
    }
    m_platform = std::make_unique<BenchPlatform>(m_folder);
    m_game = std::make_unique<CGameData>(*m_platform);
    if (m_game->Loaded())
        SetGameData(m_game.get());
    else
        std::fprintf(stderr, "cannot load the demo in %s\n", m_folder.c_str());
}

BenchDemo::~BenchDemo()
{
    ReleaseSharedImageLists();
    SetGameData(nullptr);
    m_game.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

bool BenchDemo::Loaded() const { return m_game && m_game->Loaded(); }

void InitBenchControls()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
}

int RunsArgument(int argc, char** argv, int fallback) { return argc > 1 ? std::max(std::atoi(argv[1]), 1) : fallback; }

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Between(LARGE_INTEGER start, LARGE_INTEGER end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Milliseconds(const std::function<void()>& action)
{
    const LARGE_INTEGER start = Now();
    action();
    return Between(start, Now());
}

std::vector<double> Repeat(int runs, const std::function<void(int run)>& action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(Milliseconds([&] { action(run); }));
    return times;
}

std::vector<double> BareTemplate(int runs, int templateId)
{
    return OpenAndPaint(runs, [templateId] {
        HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                         [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ShowWindow(window, SW_SHOW);
        return window;
    });
}

std::vector<double> OpenAndPaint(int runs, const std::function<HWND()>& open)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        HWND window = nullptr;
        times.push_back(Milliseconds([&] {
            window = open();
            Paint(window);
        }));
        DestroyWindow(window);
    }
    return times;
}

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", what, times[times.size() / 2],
                times.back(), times.size());
    std::fflush(stdout);
}

void Paint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
