#include "app/CAboutDlg.h"
#include "gamedata/Format.h"
#include "gamedata/TextPicture.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/Controls.h"

namespace {

// The text, held as the game holds its texts: prefix-coded pieces of the message file's form.
constexpr unsigned char kCodedText[] = {
#include "about_text.inc"
};

} // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BOOL CAboutDlg::OnInitDialog()
{
    const HWND window = Handle();
    m_icons.Set(window, IDI_TALLOWMARK);
    SetItemText(IDC_ABOUT_VERSION, Format("Version %s", TALLOWMARK_VERSION));

    if (m_picture.ReplaceControl(window, IDC_ABOUT_TEXT_PICTURE)) {
        m_picture.SetFitToPicture(true, true);
        // Before the store has a font there is nothing to draw: the panel keeps its face colour.
        const Image text = RenderMessageText(reinterpret_cast<const char*>(kCodedText), sizeof kCodedText, true);
        if (text.Width() > 0 && text.Height() > 0)
            m_text = CreateBitmapFromImage(text);
        m_picture.SetBitmap(m_text.Get());
        FitToPicture();
    }
    return TRUE;
}

void CAboutDlg::FitToPicture()
{
    const RECT picture = CControl(m_picture.Handle()).RectInParent();
    RECT client{}, outer{};
    GetClientRect(Handle(), &client);
    const int margin = picture.top; // the same below the picture as above it
    const int grow = picture.bottom + margin - client.bottom;
    if (grow <= 0)
        return;
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, outer.left, outer.top - grow / 2, outer.right - outer.left,
                 outer.bottom - outer.top + grow, SWP_NOZORDER | SWP_NOACTIVATE);
    // The OK button stays in the bottom right-hand corner.
    const RECT ok = CControl(Handle(), IDOK).RectInParent();
    SetWindowPos(Item(IDOK), nullptr, ok.left, ok.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
