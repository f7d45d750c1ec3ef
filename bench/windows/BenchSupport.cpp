#include "bench/windows/BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::optional<std::string> BenchPlatform::ReadSetting(const char* name)
{
    return std::string(name) == "w7path" ? std::optional<std::string>(m_folder) : std::nullopt;
}

void BenchPlatform::ShowError(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

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

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms   slowest %7.2f ms   (%zu runs)\n", what, times[times.size() / 2],
                times.back(), times.size());
    std::fflush(stdout);
}

void Paint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

int RunsArgument(int argc, char** argv, int fallback)
{
    return argc > 1 ? std::max(std::atoi(argv[1]), 1) : fallback;
}

std::vector<double> TimesOf(int runs, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(Milliseconds(action));
    return times;
}

HWND OpenBareTemplate(int templateId)
{
    HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                                     [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ShowWindow(window, SW_SHOW);
    return window;
}

void DispatchWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
