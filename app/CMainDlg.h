#pragma once
// The main window: one button per viewer. It runs modally; closing it ends the program.

#include "gamedata/Image.h"
#include "ui/CImageButton.h"
#include "ui/CScrollPictureWnd.h"
#include "res/resource.h"
#include "ui/Dialog.h"

#include <array>
#include <vector>

class CMainDlg : public CDialog {
public:
    CMainDlg();

    // The seven buttons, in tab order.
    static constexpr std::array<int, 7> kButtonIds = {IDC_MONSTER_VIEWER, IDC_SAVE_FILES_VIEWER, IDC_ITEM_VIEWER,
                                                      IDC_ITEM_LIST, IDC_MAP_VIEWER, IDC_ABOUT, IDC_PIC_VIEWER};

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
    CImageButton& Button(int id);
    // The buttons' pictures and the main picture, from the game's files.
    void Decorate();
    void SetButtonIcon(int id, int icon);
    // Sets the first frame given on the button; false when there is none.
    bool SetButtonPicture(int id, const std::vector<Image>& frames, int margin, int gap);
    // Opens the viewer of a button as a new modeless window.
    void OpenViewer(int id);

    std::array<CImageButton, 7> m_buttons;
    CScrollPictureWnd m_picture;
    std::vector<BitmapHandle> m_pictureFrames;
    int m_captionHeight = 0;
};
