#include "ui/CHelpTip.h"
#include "gamedata/ResourceStrings.h"
#include "ui/Dialog.h"
#include "ui/WinText.h"

#include <algorithm>
#include <commctrl.h>

namespace {
TTTOOLINFOW ToolInfo(HWND owner, int tool)
{
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(tool);
    return info;
}
} // namespace

CHelpTip::~CHelpTip() { Destroy(); }

bool CHelpTip::Create(HWND owner)
{
    Destroy();
    m_owner = owner;
    m_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            ProgramInstance(), nullptr);
    return m_tip != nullptr;
}

void CHelpTip::Destroy()
{
    if (m_tip && IsWindow(m_tip))
        DestroyWindow(m_tip);
    m_tip = nullptr;
    m_shown = 0;
    m_buttons.clear();
}

void CHelpTip::AddTool(int tool, const std::wstring& text)
{
    if (!m_tip)
        return;
    TTTOOLINFOW info = ToolInfo(m_owner, tool);
    info.lpszText = const_cast<wchar_t*>(text.c_str()); // the tooltip keeps a copy
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CHelpTip::AddButtons(std::span<const HelpButton> buttons)
{
    for (const HelpButton& button : buttons) {
        const bool known = std::any_of(m_buttons.begin(), m_buttons.end(),
                                       [&](const HelpButton& added) { return added.tool == button.tool; });
        m_buttons.push_back(button);
        if (!known)
            AddTool(button.tool, Widen(ResourceString(button.text)));
    }
}

bool CHelpTip::ShowFor(int buttonId)
{
    for (const HelpButton& button : m_buttons)
        if (button.id == buttonId) {
            Show(button.tool, GetDlgItem(m_owner, buttonId), button.maxWidth, button.milliseconds);
            return true;
        }
    return false;
}

void CHelpTip::HideOnCommand(int code)
{
    // The codes of different control kinds share values: LBN_SETFOCUS is CBN_KILLFOCUS.
    switch (code) {
    case BN_CLICKED:
    case CBN_SETFOCUS:
    case CBN_KILLFOCUS:
    case EN_SETFOCUS:
        Hide();
        break;
    default:
        break;
    }
}

void CHelpTip::Show(int tool, HWND anchor, int maxWidth, UINT milliseconds)
{
    if (!m_tip)
        return;
    Hide();
    SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    TTTOOLINFOW info = ToolInfo(m_owner, tool);
    // Below the button where the text fits on the screen, else above it; never past either side.
    const LRESULT bubble = SendMessageW(m_tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&info));
    const int width = LOWORD(bubble), height = HIWORD(bubble);
    RECT button{};
    GetWindowRect(anchor, &button);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    int y = button.bottom + 2;
    if (y + height > work.bottom && button.top - 2 - height >= work.top)
        y = button.top - 2 - height;
    const int x = std::max<int>(work.left, std::min<int>(button.left, work.right - width));
    SendMessageW(m_tip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
    SendMessageW(m_tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    SetWindowPos(m_tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_shown = tool;
    SetTimer(m_owner, kTimer, milliseconds, nullptr);
}

void CHelpTip::Hide()
{
    if (m_owner)
        KillTimer(m_owner, kTimer);
    if (!m_tip || !m_shown)
        return;
    TTTOOLINFOW info = ToolInfo(m_owner, m_shown);
    SendMessageW(m_tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    m_shown = 0;
}
