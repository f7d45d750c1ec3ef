#include "ui/CImageButton.h"
#include "ui/WindowFailure.h"
#include "ui/Bitmaps.h"
#include "ui/Dialog.h"

#include <string>

namespace {
constexpr UINT_PTR kSubclassId = 0x494D4742; // "IMGB"

// A picture in grey, halfway to the face colour, as a disabled button shows it.
BitmapHandle Faded(HBITMAP bitmap)
{
    std::optional<Image> image = ImageFromBitmap(bitmap);
    if (!image)
        return {};
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x) {
            Colour c = image->Pixel(x, y);
            int grey = (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100;
            image->SetPixel(x, y, Rgb((grey + GetRValue(face)) / 2, (grey + GetGValue(face)) / 2,
                                      (grey + GetBValue(face)) / 2));
        }
    return CreateBitmapFromImage(*image);
}
} // namespace

CImageButton::~CImageButton()
{
    if (m_button)
        RemoveWindowSubclass(m_button, SubclassProc, kSubclassId);
}

bool CImageButton::Attach(HWND button)
{
    if (!button || m_button)
        return false;
    m_button = button;
    return SetWindowSubclass(button, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CImageButton::SetIcon(HICON icon, int width, int height)
{
    m_icon.Reset(icon ? CopyIcon(icon) : nullptr);
    m_bitmap.Reset();
    m_greyBitmap.Reset();
    m_imageSize = {width, height};
    Redraw();
}

void CImageButton::SetBitmap(HBITMAP bitmap, int width, int height)
{
    m_bitmap.Reset(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
    m_greyBitmap = m_bitmap ? Faded(m_bitmap.Get()) : BitmapHandle();
    m_icon.Reset();
    m_imageSize = {width, height};
    Redraw();
}

void CImageButton::SetImagePos(POINT position)
{
    m_imagePos = position;
    Redraw();
}

void CImageButton::SetCaptionPos(POINT position)
{
    m_captionPos = position;
    m_captionPlaced = true;
    Redraw();
}

void CImageButton::Redraw() const
{
    if (m_button)
        InvalidateRect(m_button, nullptr, TRUE);
}

LRESULT CALLBACK CImageButton::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data)
{
    auto* button = reinterpret_cast<CImageButton*>(data);
    if (message == kReflectedDrawItem) {
        return CallGuarded(window, LRESULT{TRUE}, [&] {
            button->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return LRESULT{TRUE};
        });
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        button->m_button = nullptr;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void CImageButton::DrawImage(HDC dc, POINT at, bool disabled) const
{
    if (m_icon) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_icon.Get()), 0, at.x, at.y, m_imageSize.cx,
                   m_imageSize.cy, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    } else if (m_bitmap) {
        MemoryDc memory(CreateCompatibleDC(dc));
        SelectGuard select(memory.Get(), disabled && m_greyBitmap ? m_greyBitmap.Get() : m_bitmap.Get());
        BitBlt(dc, at.x, at.y, m_imageSize.cx, m_imageSize.cy, memory.Get(), 0, 0, SRCCOPY);
    }
}

void CImageButton::Draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool focused = item.itemState & ODS_FOCUS;

    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const int shift = pressed ? 1 : 0; // contents move with a pressed button

    if (HasImage())
        DrawImage(dc, {rect.left + m_imagePos.x + shift, rect.top + m_imagePos.y + shift}, disabled);

    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()))));
    if (!caption.empty()) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
        SelectGuard selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        UINT format = DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
        RECT text = rect;
        if (m_captionPlaced) {
            text.left += m_captionPos.x;
            text.top += m_captionPos.y;
        } else {
            format |= DT_CENTER | DT_VCENTER;
        }
        OffsetRect(&text, shift, shift);
        if (disabled) {
            // Etched grey text, as the system draws disabled captions.
            RECT etched = text;
            OffsetRect(&etched, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
            DrawTextW(dc, caption.c_str(), -1, &etched, format);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        } else {
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        }
        DrawTextW(dc, caption.c_str(), -1, &text, format);
    }

    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}
