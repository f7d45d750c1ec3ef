#include "ui/WindowIcons.h"
#include "ui/Dialog.h"

namespace {
HICON LoadIconOfSize(int id, int metricX, int metricY)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
}
} // namespace

void CWindowIcons::Set(HWND window, int iconId)
{
    Set(window, LoadIconOfSize(iconId, SM_CXICON, SM_CYICON), LoadIconOfSize(iconId, SM_CXSMICON, SM_CYSMICON));
}

void CWindowIcons::Set(HWND window, HICON big, HICON small)
{
    m_big.Reset(big);
    m_small.Reset(small);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_big.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_small.Get()));
}

bool CWindowIcons::PaintMinimised(HWND window) const
{
    if (!IsIconic(window))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(window, &client);
    const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2, m_big.Get());
    EndPaint(window, &paint);
    return true;
}
