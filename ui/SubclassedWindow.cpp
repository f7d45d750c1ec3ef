#include "ui/SubclassedWindow.h"
#include "ui/Dialog.h"
#include "ui/WindowFailure.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x544D5357; // "TMSW"
}

CSubclassedWindow::~CSubclassedWindow()
{
    if (m_window) {
        RemoveWindowSubclass(m_window, SubclassProc, kSubclassId);
        DestroyWindow(m_window);
    }
}

bool CSubclassedWindow::ReplaceDialogControl(HWND dialog, int id, const wchar_t* windowClass, DWORD style,
                                             DWORD extendedStyle)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control || m_window)
        return false;
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    HWND previous = GetWindow(control, GW_HWNDPREV); // keeps the tab order
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    DestroyWindow(control);
    m_window = CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | style, place.left, place.top,
                               place.right - place.left, place.bottom - place.top, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
    if (!m_window)
        return false;
    SetWindowPos(m_window, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font)
        SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return SetWindowSubclass(m_window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

bool CSubclassedWindow::Attach(HWND window)
{
    if (!window || m_window)
        return false;
    m_window = window;
    return SetWindowSubclass(m_window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CSubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return DefSubclassProc(m_window, message, wParam, lParam);
}

bool CSubclassedWindow::HandlePaint(UINT message, LRESULT& result)
{
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    if (message != WM_PAINT)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    Paint(dc);
    EndPaint(m_window, &paint);
    result = 0;
    return true;
}

LRESULT CALLBACK CSubclassedWindow::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR data)
{
    auto* self = reinterpret_cast<CSubclassedWindow*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        self->m_window = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    const bool handled = CallGuarded(window, false, [&] { return self->OnMessage(message, wParam, lParam, result); });
    return handled ? result : DefSubclassProc(window, message, wParam, lParam);
}
