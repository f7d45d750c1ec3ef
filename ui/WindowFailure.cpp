#include "ui/WindowFailure.h"
#include "ui/WinText.h"

#include <utility>

namespace {
std::function<void(const std::string&)> g_report;
bool g_reporting = false;
} // namespace

void SetWindowFailureReporter(std::function<void(const std::string& text)> report) { g_report = std::move(report); }

void ReportWindowFailure(HWND window, const char* what)
{
    // A message box runs a message loop: the messages it lets through may fail again.
    if (g_reporting)
        return;
    g_reporting = true;
    std::string text = "The window could not finish what it was doing";
    text += what && *what ? std::string(":\n") + what : std::string(".");
    if (g_report)
        g_report(text);
    else
        MessageBoxW(window ? GetAncestor(window, GA_ROOT) : nullptr, Widen(text).c_str(), L"Tallowmark",
                    MB_OK | MB_ICONERROR);
    g_reporting = false;
}
