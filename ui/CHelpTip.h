#pragma once
// The help texts behind a dialog's small help buttons: one topmost tooltip in tracking mode that
// a button shows for a while. The owner hides it on its timer kTimer, on a click and on commands.

#include <windows.h>

#include <string>

class CHelpTip {
public:
    // timer: the owner's timer that hides the text.
    explicit CHelpTip(UINT_PTR timer = kTimer) : m_timer(timer) {}
    ~CHelpTip();
    CHelpTip(const CHelpTip&) = delete;
    CHelpTip& operator=(const CHelpTip&) = delete;

    static constexpr UINT_PTR kTimer = 2;

    bool Create(HWND owner);
    void Destroy();
    void AddTool(int tool, const std::wstring& text);
    void RemoveTool(int tool);
    // Shows the tool's text next to anchor, lines wrapped at maxWidth pixels (not at all when
    // negative), and starts the owner's timer to hide it after milliseconds.
    void Show(int tool, HWND anchor, int maxWidth, UINT milliseconds);
    // Hides the text shown, if any, and stops the timer.
    void Hide();

    HWND Handle() const { return m_tip; }
    int ShownTool() const { return m_shown; } // 0: none

private:
    UINT_PTR m_timer;
    HWND m_owner = nullptr;
    HWND m_tip = nullptr;
    int m_shown = 0;
};
