#pragma once
// The Picture Viewer: every picture file of the installation, frame by frame, and all frames of
// one saved as BMP files. Any number may be open at once.

#include "gamedata/PictureSets.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/SaveBitmapAsBmp.h"
#include "ui/WindowIcons.h"

#include <functional>
#include <string>
#include <vector>

class CPictureViewerDlg : public CViewerDialog {
public:
    CPictureViewerDlg();

    // What "Save All..." asks for a file name with: the BMP file dialog unless replaced.
    using FileChooser = std::function<std::string(HWND owner)>;
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Where the BMP writer's messages go: message boxes unless replaced.
    void SetErrorReporter(ErrorReporter report) { m_report = std::move(report); }

    // Chooses the set of that file name as the user does in the list; false when it is not listed.
    bool SelectSet(const std::string& name);

    const picturesets::FrameCursor& Frames() const { return m_cursor; }
    HWND PictureWindow() const { return m_picture.Handle(); }
    HBITMAP ShownBitmap() const { return m_picture.Bitmap(); }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

private:
    void FillSetList();
    void OnChooseSet();
    void Step(bool forward);
    void ShowFrame();
    void SaveAll();

    CComboBox m_sets;
    CTextControl m_counter;
    std::vector<std::string> m_names; // the list's entries, by their item data
    std::vector<BitmapHandle> m_frames;
    picturesets::FrameCursor m_cursor;
    CScrollPictureWnd m_picture;
    RECT m_stage{}; // where the picture is centred
    CWindowIcons m_icons;
    FileChooser m_chooseFile;
    ErrorReporter m_report = ShowErrorBox;
};
