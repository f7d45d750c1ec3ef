#include "ui/CEffectsList.h"
#include "ui/Bitmaps.h"
#include "ui/Dialog.h"

bool CEffectsList::Attach(HWND dialog, int id, const ImageList& marks)
{
    if (!CSubclassedWindow::Attach(GetDlgItem(dialog, id)))
        return false;
    // The entries were measured before the dialog had its object: their height is set here.
    List().SetItemHeight(kRowHeight);
    m_markCount = marks.Count();
    m_marks = CreateBitmapFromImage(marks.Strip());
    return true;
}

bool CEffectsList::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != kReflectedDrawItem)
        return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->itemID != static_cast<UINT>(-1))
        Draw(*item);
    result = TRUE;
    return true;
}

// The entry's mark, then its text 12 pixels on; no selection, no focus.
void CEffectsList::Draw(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    RECT place = item.rcItem;
    FillRect(dc, &place, GetSysColorBrush(COLOR_WINDOW));
    const ULONG_PTR mark = item.itemData;
    if (m_marks && mark < static_cast<ULONG_PTR>(m_markCount)) {
        MemoryDc marks(CreateCompatibleDC(dc));
        SelectGuard select(marks.Get(), m_marks.Get());
        BitBlt(dc, place.left + 1, place.top + (place.bottom - place.top - kMarkSide) / 2, kMarkSide, kMarkSide,
               marks.Get(), static_cast<int>(mark) * kMarkSide, 0, SRCCOPY);
    }
    const std::wstring text = List().GetText(static_cast<int>(item.itemID));
    place.left += 12;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
