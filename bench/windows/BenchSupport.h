#pragma once
// What the window benchmarks share: a store read from a folder without the registry, timing with
// the performance counter, and the median and slowest run printed the same way for all.

#include "app/WinPlatform.h"

#include <windows.h>

#include <functional>
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

LARGE_INTEGER Now();
// Milliseconds from one reading of the counter to another.
double Between(LARGE_INTEGER start, LARGE_INTEGER end);
double Milliseconds(const std::function<void()>& action);
// One line: the median and the slowest of the times, and how many there were.
void Report(const char* what, std::vector<double> times);
// Draws at once whatever the window and its controls have waiting to be drawn.
void Paint(HWND window);

// The number of runs given on the command line (the first argument), or fallback.
int RunsArgument(int argc, char** argv, int fallback);
// The time of each of runs calls of action.
std::vector<double> TimesOf(int runs, const std::function<void()>& action);
// A window's template made and shown with a do-nothing dialog procedure: the floor of its opening.
HWND OpenBareTemplate(int templateId);
// Handles the messages waiting in this thread's queue.
void DispatchWaitingMessages();
