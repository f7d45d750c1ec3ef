#include "ui/SubclassedWindow.h"
#include "ui/Dialog.h"
#include "ui/WindowFailure.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x544D5357; // "TMSW"
}

CSubclassedWindow::~CSubclassedWindow()
{
    if (!m_window)
        return;
    m_going = true;
    if (m_previous)
        Unchain();
    else
        RemoveWindowSubclass(m_window, SubclassProc, kSubclassId);
    DestroyWindow(m_window);
}

bool CSubclassedWindow::Subclass(HWND window)
{
    m_window = window;
    // The common controls' subclassing looks up a window property on every message, which under
    // Wine is a round trip to the server: a list filled with a few hundred rows paid tens of
    // milliseconds for it. A procedure of our own in front finds us in the user data instead.
    if (GetWindowLongPtrW(window, GWLP_USERDATA) == 0) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
        if (m_previous)
            return true;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return SetWindowSubclass(m_window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CSubclassedWindow::Unchain()
{
    // Put back only when we are still in front; a procedure set after ours goes on calling ours,
    // which then passes every message on (m_going) until the window ends.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_window, GWLP_WNDPROC)) == &ChainProc) {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
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
    HWND created = CreateWindowExW(extendedStyle, windowClass, L"", WS_CHILD | style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
    if (!created)
        return false;
    SetWindowPos(created, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font)
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return Subclass(created);
}

bool CSubclassedWindow::Attach(HWND window)
{
    if (!window || m_window)
        return false;
    return Subclass(window);
}

LRESULT CSubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_previous ? CallWindowProcW(m_previous, m_window, message, wParam, lParam)
                      : DefSubclassProc(m_window, message, wParam, lParam);
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

LRESULT CALLBACK CSubclassedWindow::ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CSubclassedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam); // not reached: we leave with the user data
    const WNDPROC previous = self->m_previous;
    if (message == WM_NCDESTROY) {
        self->Unchain();
        self->m_window = nullptr;
        self->m_previous = nullptr;
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    LRESULT result = 0;
    const bool handled = !self->m_going &&
                         CallGuarded(window, false, [&] { return self->OnMessage(message, wParam, lParam, result); });
    return handled ? result : CallWindowProcW(previous, window, message, wParam, lParam);
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
