#include "app/CMainDlg.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdlib>

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {}

BOOL CMainDlg::OnInitDialog()
{
    const HWND window = Handle();
    m_bigIcon.Reset(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDI_TALLOWMARK), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    m_smallIcon.Reset(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDI_TALLOWMARK),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    // Captions are centred by the height of the dialog's font.
    LOGFONTW font{};
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (dialogFont && GetObjectW(dialogFont, sizeof font, &font)) {
        WindowDc screen(nullptr);
        m_captionHeight = -MulDiv(font.lfHeight, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    }

    std::srand(GetTickCount());

    for (size_t i = 0; i < kButtonIds.size(); ++i) {
        m_buttons[i].Attach(Item(kButtonIds[i]));
        EnableItem(kButtonIds[i], ViewerExists(kButtonIds[i]));
    }
    return TRUE;
}

bool CMainDlg::ViewerExists(int)
{
    return false; // each viewer enables its button when it comes
}

void CMainDlg::OpenViewer(int id)
{
    switch (id) {
    default:
        break;
    }
}

bool CMainDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || std::find(kButtonIds.begin(), kButtonIds.end(), id) == kButtonIds.end())
        return false;
    OpenViewer(id);
    return true;
}

void CMainDlg::OnOK()
{
    // Enter opens the viewer of the focused button and never closes the window.
    const int focused = GetDlgCtrlID(GetFocus());
    if (std::find(kButtonIds.begin(), kButtonIds.end(), focused) != kButtonIds.end() && ViewerExists(focused))
        OpenViewer(focused);
}

void CMainDlg::OnCancel() { EndDialog(IDCANCEL); }

bool CMainDlg::OnPaint()
{
    if (!IsIconic(Handle()))
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2, m_bigIcon.Get());
    EndPaint(Handle(), &paint);
    return true;
}

bool CMainDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    // The icon that stands for the window while it is dragged minimised.
    if (message == WM_QUERYDRAGICON) {
        result = reinterpret_cast<INT_PTR>(m_bigIcon.Get());
        return true;
    }
    return false;
}
