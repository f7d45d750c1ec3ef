#pragma once
// What the window benchmarks share: the demo written and loaded as the store of the run without
// the registry, timing with the performance counter, the bare template beside each window, and
// the median and slowest run printed the same way for all.

#include "app/WinPlatform.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The store of the installation in one folder, without the registry: nothing is read from or
// written to it, and errors go to stderr.
class BenchPlatform : public WinPlatform {
public:
    explicit BenchPlatform(std::string folder) : m_folder(std::move(folder)) {}
    std::optional<std::string> ReadSetting(const char* name) override;
    void WriteSetting(const char*, const std::string&) override {}
    void ShowError(const std::string& text) override;

private:
    std::string m_folder;
};

class CGameData;

// The first-edition demo written into a folder of the temp directory, loaded as the store of
// this run; the folder is removed and the shared image lists released when it goes.
class BenchDemo {
public:
    explicit BenchDemo(const char* folderName);
    ~BenchDemo();
    BenchDemo(const BenchDemo&) = delete;
    BenchDemo& operator=(const BenchDemo&) = delete;

    // False, with the reason on stderr, when the demo could not be written or loaded.
    bool Loaded() const;
    CGameData& Game() { return *m_game; }

private:
    std::string m_folder;
    std::unique_ptr<BenchPlatform> m_platform;
    std::unique_ptr<CGameData> m_game;
};

// The common controls the windows use.
void InitBenchControls();
// The number of runs given as the first argument, else the fallback.
int RunsArgument(int argc, char** argv, int fallback);

LARGE_INTEGER Now();
// Milliseconds from one reading of the counter to another.
double Between(LARGE_INTEGER start, LARGE_INTEGER end);
double Milliseconds(const std::function<void()>& action);
// Times the action once per run, giving it the run's number.
std::vector<double> Repeat(int runs, const std::function<void(int run)>& action);
// The template alone, made with a do-nothing dialog procedure, shown and painted: Wine's floor
// for a window of that many controls. Destroyed after each timing.
std::vector<double> BareTemplate(int runs, int templateId);
// A window opened (open returns it) and painted; destroyed after each timing.
std::vector<double> OpenAndPaint(int runs, const std::function<HWND()>& open);
// One line: the median and the slowest of the times, and how many there were.
void Report(const char* what, std::vector<double> times);
// Draws at once whatever the window and its controls have waiting to be drawn.
void Paint(HWND window);
