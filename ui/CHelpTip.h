#pragma once
// The help texts behind a dialog's small help buttons: one topmost tooltip in tracking mode that
// a button shows for a while. The owner hides it on its timer kTimer, on a click and on commands.

#include <windows.h>

#include <span>
#include <string>
#include <vector>

// A help button of a dialog: the tool it shows, the tool's text (a resource string), how wide
// its lines may be (pixels; negative: no limit) and how long it stays.
struct HelpButton {
    int id;
    int tool;
    int text;
    int maxWidth;
    UINT milliseconds;
};

class CHelpTip {
public:
    CHelpTip() = default;
    ~CHelpTip();
    CHelpTip(const CHelpTip&) = delete;
    CHelpTip& operator=(const CHelpTip&) = delete;

    static constexpr UINT_PTR kTimer = 2;

    bool Create(HWND owner);
    void Destroy();
    void AddTool(int tool, const std::wstring& text);
    // Adds the buttons' tools; a tool several buttons show is added once.
    void AddButtons(std::span<const HelpButton> buttons);
    // Shows the text of the help button with this id next to it; false when it is none of them.
    bool ShowFor(int buttonId);
    // Shows the tool's text next to anchor, lines wrapped at maxWidth pixels (not at all when
    // negative), and starts the owner's timer to hide it after milliseconds.
    void Show(int tool, HWND anchor, int maxWidth, UINT milliseconds);
    // Hides the text shown, if any, and stops the timer.
    void Hide();
    // A shown text goes before a control is clicked or a combo box, list box or edit takes the
    // focus, or a combo box loses it: call with the notification code of every WM_COMMAND.
    void HideOnCommand(int code);

    HWND Handle() const { return m_tip; }
    int ShownTool() const { return m_shown; } // 0: none

private:
    HWND m_owner = nullptr;
    HWND m_tip = nullptr;
    int m_shown = 0;
    std::vector<HelpButton> m_buttons;
};
