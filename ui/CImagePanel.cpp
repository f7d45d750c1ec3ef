#include "ui/CImagePanel.h"

CImagePanel::~CImagePanel() { ReleaseImage(); }

bool CImagePanel::ReplaceControl(HWND dialog, int id, bool fit)
{
    m_fit = fit;
    return ReplaceDialogControl(dialog, id, L"static", 0, WS_EX_STATICEDGE);
}

void CImagePanel::ReleaseImage()
{
    if (m_owns) {
        if (m_bitmap)
            DeleteObject(m_bitmap);
        if (m_icon)
            DestroyIcon(m_icon);
    }
    m_bitmap = nullptr;
    m_icon = nullptr;
    m_size = {};
}

void CImagePanel::SetBitmap(HBITMAP bitmap, bool owns)
{
    ReleaseImage();
    m_bitmap = bitmap;
    m_owns = owns;
    BITMAP header{};
    if (bitmap && GetObjectW(bitmap, sizeof header, &header))
        m_size = {header.bmWidth, header.bmHeight};
    Show();
}

void CImagePanel::SetIcon(HICON icon, bool owns)
{
    ReleaseImage();
    m_icon = icon;
    m_owns = owns;
    ICONINFO info{};
    if (icon && GetIconInfo(icon, &info)) {
        BITMAP header{};
        if (GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof header, &header))
            m_size = {header.bmWidth, info.hbmColor ? header.bmHeight : header.bmHeight / 2};
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    Show();
}

void CImagePanel::SetBackground(COLORREF colour)
{
    m_background = colour;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CImagePanel::Show()
{
    HWND window = Handle();
    if (!window)
        return;
    const bool hasImage = m_bitmap || m_icon;
    if (hasImage && m_fit) {
        // The client area takes the image's size; the frame stays around it.
        RECT frame{0, 0, m_size.cx, m_size.cy};
        AdjustWindowRectEx(&frame, GetWindowLongW(window, GWL_STYLE), FALSE, GetWindowLongW(window, GWL_EXSTYLE));
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, hasImage ? SW_SHOW : SW_HIDE);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

void CImagePanel::Paint(HDC dc) const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!m_bitmap && !m_icon) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
        return;
    }
    const int left = client.right > m_size.cx ? (client.right - m_size.cx) / 2 : 0;
    const int top = client.bottom > m_size.cy ? (client.bottom - m_size.cy) / 2 : 0;
    BrushHandle background(CreateSolidBrush(m_background));
    if (m_bitmap) {
        if (left || top)
            FillRect(dc, &client, background.Get());
        MemoryDc memory(CreateCompatibleDC(dc));
        SelectGuard select(memory.Get(), m_bitmap);
        BitBlt(dc, left, top, m_size.cx, m_size.cy, memory.Get(), 0, 0, SRCCOPY);
        return;
    }
    // The icon is drawn off screen first, so the panel does not flicker.
    MemoryDc memory(CreateCompatibleDC(dc));
    BitmapHandle canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
    SelectGuard select(memory.Get(), canvas.Get());
    FillRect(memory.Get(), &client, background.Get());
    DrawIconEx(memory.Get(), left, top, m_icon, m_size.cx, m_size.cy, 0, nullptr, DI_NORMAL);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

bool CImagePanel::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) { return HandlePaint(message, result); }
