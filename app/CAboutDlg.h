#pragma once
// The About box: the program's own text drawn in the game's font, and its version.

#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/WindowIcons.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    HBITMAP ShownBitmap() const { return m_picture.Bitmap(); }

protected:
    BOOL OnInitDialog() override;

private:
    // Grows the box where the text's picture reaches below it.
    void FitToPicture();

    CScrollPictureWnd m_picture;
    BitmapHandle m_text;
    CWindowIcons m_icons;
};
