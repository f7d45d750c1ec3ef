#include "bench/windows/BenchSupport.h"

#include <algorithm>
#include <cstdio>

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
