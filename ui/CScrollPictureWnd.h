#pragma once
// A window that shows one bitmap at its natural size, with scroll bars where it does not fit,
// in place of a static control of a dialog template; its context menu saves the picture. The
// mouse wheel scrolls it (sideways with Shift), and so do the arrow and page keys when it has
// the focus.

#include "ui/SubclassedWindow.h"

class CGameData;

class CScrollPictureWnd : public CSubclassedWindow {
public:
    // Replaces the dialog's control with a visible picture window at its place.
    bool ReplaceControl(HWND dialog, int id);
    // With a fit flag set, each bitmap given resizes the window to it in that direction.
    void SetFitToPicture(bool fitWidth, bool fitHeight);
    // Sizes the window to a picture of that size with its frame, centred on the stage (client
    // coordinates of its parent); a picture larger than the stage is shown in part, with scroll bars.
    void PlaceCentred(const RECT& stage, int width, int height);
    // With the flag set, the mouse goes through the window to what lies under it.
    void SetPassMouse(bool pass) { m_passMouse = pass; }
    // The store whose folder the "save as" command of the context menu starts in and keeps;
    // without one the command does nothing.
    void SetStore(CGameData* game) { m_game = game; }
    // The bitmap shown (not owned: the caller keeps and deletes it), or null.
    void SetBitmap(HBITMAP bitmap);
    HBITMAP Bitmap() const { return m_bitmap; }

    POINT GetScrollPosition() const { return m_offset; }
    void SetScrollPosition(POINT position);
    // The pixels a scroll arrow moves; 0 gives the default step.
    void SetLineSteps(int horizontal, int vertical);

    // Scrolls by a wheel turn (WHEEL_DELTA a notch), sideways when horizontal is set.
    void Wheel(int delta, bool horizontal);
    // The menu that saves the picture, at a point of the screen; nothing without a picture.
    void ShowContextMenu(POINT screen);

    bool IsScrollBarShown(bool vertical) const { return vertical ? m_verticalShown : m_horizontalShown; }
    HWND ScrollBar(bool vertical) const { return vertical ? m_vertical : m_horizontal; }

    static constexpr int kDefaultLineStep = 16;
    static constexpr int kSaveImageCommand = 32771;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Scroll(bool vertical, int request);
    int MaxOffset(bool vertical) const;
    void Paint(HDC dc) const override;
    bool OnKey(UINT key);

    HWND m_vertical = nullptr;
    HWND m_horizontal = nullptr;
    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
    POINT m_offset{};
    int m_lineStep[2] = {0, 0}; // horizontal, vertical
    int m_wheelRest[2] = {0, 0}; // parts of a notch not yet scrolled
    bool m_verticalShown = false;
    bool m_horizontalShown = false;
    bool m_fitWidth = false;
    bool m_fitHeight = false;
    bool m_passMouse = false;
    CGameData* m_game = nullptr;
};
