#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/FileDialogs.h"
#include "ui/Handles.h"
#include "ui/SaveBitmapAsBmp.h"
#include "ui/WinText.h"

#include <algorithm>

namespace {
constexpr int kMenuId = 146;
constexpr int kVerticalBarId = 1;
constexpr int kHorizontalBarId = 2;
} // namespace

bool CScrollPictureWnd::ReplaceControl(HWND dialog, int id)
{
    // A template control that is a tab stop makes a picture the keyboard can reach and scroll.
    const HWND control = GetDlgItem(dialog, id);
    const DWORD tabStop = control ? static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & WS_TABSTOP : 0;
    return ReplaceDialogControl(dialog, id, L"static", WS_VISIBLE | WS_CLIPCHILDREN | tabStop, WS_EX_STATICEDGE);
}

void CScrollPictureWnd::PlaceCentred(const RECT& stage, int width, int height)
{
    RECT outer{}, client{};
    GetWindowRect(Handle(), &outer);
    GetClientRect(Handle(), &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    const int stageWidth = stage.right - stage.left, stageHeight = stage.bottom - stage.top;
    const int w = std::min(width + frameWidth, stageWidth), h = std::min(height + frameHeight, stageHeight);
    SetWindowPos(Handle(), nullptr, stage.left + (stageWidth - w) / 2, stage.top + (stageHeight - h) / 2, w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScrollPictureWnd::SetFitToPicture(bool fitWidth, bool fitHeight)
{
    m_fitWidth = fitWidth;
    m_fitHeight = fitHeight;
}

void CScrollPictureWnd::SetLineSteps(int horizontal, int vertical)
{
    m_lineStep[0] = horizontal;
    m_lineStep[1] = vertical;
}

void CScrollPictureWnd::SetBitmap(HBITMAP bitmap)
{
    HWND window = Handle();
    m_bitmap = bitmap;
    BITMAP header{};
    if (!bitmap || !window || !GetObjectW(bitmap, sizeof header, &header)) {
        m_bitmap = nullptr;
        m_size = {};
        if (window)
            InvalidateRect(window, nullptr, FALSE);
        return;
    }
    const int width = header.bmWidth, height = header.bmHeight;
    m_size = {width, height};
    if (!m_vertical) {
        m_vertical = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, 0, 0, 0, 0, window,
                                     reinterpret_cast<HMENU>(kVerticalBarId), ProgramInstance(), nullptr);
        m_horizontal = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_HORZ, 0, 0, 0, 0, window,
                                       reinterpret_cast<HMENU>(kHorizontalBarId), ProgramInstance(), nullptr);
    }
    const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);

    if (m_fitWidth || m_fitHeight) {
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        const int frameWidth = (outer.right - outer.left) - client.right;
        const int frameHeight = (outer.bottom - outer.top) - client.bottom;
        int newWidth = m_fitWidth ? width + frameWidth : outer.right - outer.left;
        int newHeight = m_fitHeight ? height + frameHeight : outer.bottom - outer.top;
        if (!m_fitHeight)
            newWidth += cx;
        if (!m_fitWidth)
            newHeight += cy;
        SetWindowPos(window, nullptr, 0, 0, newWidth, newHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    bool needVertical = height > h;
    bool needHorizontal = width > w;
    if (needVertical)
        needHorizontal = width > w - cx;
    if (needHorizontal)
        needVertical = height > h - cy;

    const int verticalPage = h - (needHorizontal ? cy : 0);
    const int horizontalPage = w - (needVertical ? cx : 0);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, height, static_cast<UINT>(std::max(verticalPage, 0)), 0, 0};
    SetScrollInfo(m_vertical, SB_CTL, &info, FALSE);
    MoveWindow(m_vertical, w - cx, 0, cx, std::max(verticalPage, 0), FALSE);
    ShowWindow(m_vertical, needVertical ? SW_SHOW : SW_HIDE);
    info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, width, static_cast<UINT>(std::max(horizontalPage, 0)), 0, 0};
    SetScrollInfo(m_horizontal, SB_CTL, &info, FALSE);
    MoveWindow(m_horizontal, 0, h - cy, std::max(horizontalPage, 0), cy, FALSE);
    ShowWindow(m_horizontal, needHorizontal ? SW_SHOW : SW_HIDE);
    m_verticalShown = needVertical;
    m_horizontalShown = needHorizontal;
    m_offset = {0, 0};
    InvalidateRect(window, nullptr, FALSE);
}

int CScrollPictureWnd::MaxOffset(bool vertical) const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    int most = vertical ? m_size.cy - client.bottom + (m_horizontalShown ? GetSystemMetrics(SM_CYHSCROLL) : 0)
                        : m_size.cx - client.right + (m_verticalShown ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    return std::max(most, 0);
}

void CScrollPictureWnd::SetScrollPosition(POINT position)
{
    m_offset = {std::clamp<LONG>(position.x, 0, MaxOffset(false)), std::clamp<LONG>(position.y, 0, MaxOffset(true))};
    if (m_horizontal)
        SetScrollPos(m_horizontal, SB_CTL, m_offset.x, TRUE);
    if (m_vertical)
        SetScrollPos(m_vertical, SB_CTL, m_offset.y, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CScrollPictureWnd::Scroll(bool vertical, int request)
{
    HWND bar = vertical ? m_vertical : m_horizontal;
    if (!bar)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int page = vertical ? client.bottom : client.right;
    const int step = m_lineStep[vertical] ? m_lineStep[vertical] : kDefaultLineStep;
    LONG& offset = vertical ? m_offset.y : m_offset.x;
    SCROLLINFO info{sizeof info, SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &info);
    switch (request) {
    case SB_LINEUP: offset -= step; break;
    case SB_LINEDOWN: offset += step; break;
    case SB_PAGEUP: offset -= page; break;
    case SB_PAGEDOWN: offset += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: offset = info.nTrackPos; break;
    case SB_TOP: offset = 0; break;
    case SB_BOTTOM: offset = MaxOffset(vertical); break;
    default: return;
    }
    offset = std::clamp(static_cast<int>(offset), 0, MaxOffset(vertical));
    SetScrollPos(bar, SB_CTL, offset, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CScrollPictureWnd::Wheel(int delta, bool horizontal)
{
    // Three lines a notch, as the system's default; the remainder of a fine wheel is kept.
    int& rest = m_wheelRest[horizontal ? 0 : 1];
    rest += delta;
    const int notches = rest / WHEEL_DELTA;
    rest -= notches * WHEEL_DELTA;
    const int lines = 3 * (notches < 0 ? -notches : notches);
    // Wheel up scrolls up; a sideways wheel turned right scrolls right.
    const bool back = horizontal ? notches < 0 : notches > 0;
    for (int i = 0; i < lines; ++i)
        Scroll(!horizontal, back ? SB_LINEUP : SB_LINEDOWN);
}

bool CScrollPictureWnd::OnKey(UINT key)
{
    switch (key) {
    case VK_UP: Scroll(true, SB_LINEUP); return true;
    case VK_DOWN: Scroll(true, SB_LINEDOWN); return true;
    case VK_LEFT: Scroll(false, SB_LINEUP); return true;
    case VK_RIGHT: Scroll(false, SB_LINEDOWN); return true;
    case VK_PRIOR: Scroll(true, SB_PAGEUP); return true;
    case VK_NEXT: Scroll(true, SB_PAGEDOWN); return true;
    case VK_HOME: Scroll(true, SB_TOP); Scroll(false, SB_TOP); return true;
    case VK_END: Scroll(true, SB_BOTTOM); Scroll(false, SB_BOTTOM); return true;
    default: return false;
    }
}

void CScrollPictureWnd::Paint(HDC dc) const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
    if (!m_bitmap) {
        FillRect(dc, &client, face);
        return;
    }
    const int shownWidth = std::min<int>(client.right, m_size.cx);
    const int shownHeight = std::min<int>(client.bottom, m_size.cy);
    {
        MemoryDc memory(CreateCompatibleDC(dc));
        SelectGuard select(memory.Get(), m_bitmap);
        BitBlt(dc, 0, 0, shownWidth, shownHeight, memory.Get(), m_offset.x, m_offset.y, SRCCOPY);
    }
    RECT right{shownWidth, 0, client.right, client.bottom};
    RECT below{0, shownHeight, shownWidth, client.bottom};
    FillRect(dc, &right, face);
    FillRect(dc, &below, face);
}

void CScrollPictureWnd::ShowContextMenu(POINT screen)
{
    if (!m_bitmap)
        return;
    HMENU menu = LoadMenuW(ProgramInstance(), MAKEINTRESOURCEW(kMenuId));
    if (!menu)
        return;
    if (screen.x == -1 && screen.y == -1) { // from the keyboard: at the window's corner
        RECT place{};
        GetWindowRect(Handle(), &place);
        screen = {place.left, place.top};
    }
    const int command = TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                       screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
    if (command != kSaveImageCommand || !m_game)
        return;
    const std::string path = ChooseBmpFile(*m_game, GetParent(Handle()));
    if (!path.empty())
        SaveBitmapAsBmp(Widen(path), m_bitmap);
}

bool CScrollPictureWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (HandlePaint(message, result))
        return true;
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message == WM_VSCROLL, LOWORD(wParam));
        result = 0;
        return true;
    case WM_NCHITTEST:
        // A static window lets the mouse through; this one takes it unless told to pass it on.
        if (m_passMouse)
            return false;
        result = Default(message, wParam, lParam);
        if (result == HTTRANSPARENT)
            result = HTCLIENT;
        return true;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam),
              message == WM_MOUSEHWHEEL || (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0);
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS;
        return true;
    case WM_KEYDOWN:
        if (!OnKey(static_cast<UINT>(wParam)))
            return false;
        result = 0;
        return true;
    case WM_CONTEXTMENU:
        ShowContextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        result = 0;
        return true;
    default:
        return false;
    }
}
