#pragma once
// No C++ exception leaves a window procedure: the procedures of the dialog base and of the
// subclassed controls catch at that boundary and report the failure here, once, and the window
// goes on (or, when it could not be made, closes).

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

// Where a failure is reported; by default a message box over the window. The program hands it
// to its platform's error message.
void SetWindowFailureReporter(std::function<void(const std::string& text)> report);

// Reports that handling a message of window failed with what (the exception's text, if any).
// A failure while another is being reported is not reported again.
void ReportWindowFailure(HWND window, const char* what);

// Runs handler, reporting any exception it throws; returns fallback then.
template <typename Result, typename Handler>
Result CallGuarded(HWND window, Result fallback, Handler&& handler)
{
    try {
        return handler();
    } catch (const std::exception& failure) {
        ReportWindowFailure(window, failure.what());
    } catch (...) {
        ReportWindowFailure(window, nullptr);
    }
    return fallback;
}
