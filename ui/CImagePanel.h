#pragma once
// A panel that shows one bitmap or icon centred on a background colour, in place of a static
// control of a dialog template.

#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

class CImagePanel : public CSubclassedWindow {
public:
    ~CImagePanel() override;

    // Replaces the dialog's control with a hidden panel at its place; with fit, the panel takes
    // the size of each image it is given.
    bool ReplaceControl(HWND dialog, int id, bool fit);
    // Shows the image (null: none, and the panel hides). With owns, the panel deletes it when
    // it is replaced or the panel goes.
    void SetBitmap(HBITMAP bitmap, bool owns);
    void SetIcon(HICON icon, bool owns);
    void SetBackground(COLORREF colour);

    SIZE ImageSize() const { return m_size; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ReleaseImage();
    void Show();
    void Paint(HDC dc) const override;

    HBITMAP m_bitmap = nullptr;
    HICON m_icon = nullptr;
    bool m_owns = false;
    bool m_fit = false;
    COLORREF m_background = RGB(0, 0, 0);
    SIZE m_size{};
};
