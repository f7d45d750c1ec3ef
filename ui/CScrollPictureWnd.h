#pragma once
// A window that shows one bitmap at its natural size, with scroll bars where it does not fit,
// in place of a static control of a dialog template; its context menu saves the picture.

#include "ui/SubclassedWindow.h"

class CGameData;

class CScrollPictureWnd : public CSubclassedWindow {
public:
    // Replaces the dialog's control with a visible picture window at its place.
    bool ReplaceControl(HWND dialog, int id);
    // With a fit flag set, each bitmap given resizes the window to it in that direction.
    void SetFitToPicture(bool fitWidth, bool fitHeight);
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
    void ShowContextMenu(POINT screen);

    HWND m_vertical = nullptr;
    HWND m_horizontal = nullptr;
    HBITMAP m_bitmap = nullptr;
    SIZE m_size{};
    POINT m_offset{};
    int m_lineStep[2] = {0, 0}; // horizontal, vertical
    bool m_verticalShown = false;
    bool m_horizontalShown = false;
    bool m_fitWidth = false;
    bool m_fitHeight = false;
    bool m_passMouse = false;
    CGameData* m_game = nullptr;
};
