#pragma once
// The main window: one button per viewer. It runs modally; closing it ends the program.

#include "ui/CImageButton.h"
#include "ui/Dialog.h"

#include <array>

class CMainDlg : public CDialog {
public:
    CMainDlg();

    // The seven buttons, in tab order.
    static constexpr std::array<int, 7> kButtonIds = {1168, 1247, 1167, 1097, 1098, 1222, 1242};

    int CaptionTextHeight() const { return m_captionHeight; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static bool ViewerExists(int id);
    // Opens the viewer of a button as a new modeless window.
    void OpenViewer(int id);

    std::array<CImageButton, 7> m_buttons;
    IconHandle m_bigIcon;
    IconHandle m_smallIcon;
    int m_captionHeight = 0;
};
