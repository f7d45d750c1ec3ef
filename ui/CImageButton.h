#pragma once
// An owner-drawn push button that shows an image (icon or bitmap, each a private copy) and its
// caption at positions of the owner's choosing; without an image it shows its caption alone.

#include "ui/Handles.h"

class CImageButton {
public:
    CImageButton() = default;
    ~CImageButton();
    CImageButton(const CImageButton&) = delete;
    CImageButton& operator=(const CImageButton&) = delete;

    // Takes over drawing of the dialog's button control.
    bool Attach(HWND button);
    HWND Handle() const { return m_button; }

    void SetIcon(HICON icon, int width, int height);
    void SetBitmap(HBITMAP bitmap, int width, int height);
    void SetImagePos(POINT position);
    void SetCaptionPos(POINT position);

    SIZE ImageSize() const { return m_imageSize; }
    bool HasImage() const { return m_icon || m_bitmap; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void Draw(const DRAWITEMSTRUCT& item) const;
    void DrawImage(HDC dc, POINT at, bool disabled) const;
    void Redraw() const;

    HWND m_button = nullptr;
    IconHandle m_icon;
    BitmapHandle m_bitmap;
    BitmapHandle m_greyBitmap; // the bitmap's disabled look: faded towards the face colour
    SIZE m_imageSize{};
    POINT m_imagePos{};
    POINT m_captionPos{};
    bool m_captionPlaced = false;
};
