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
