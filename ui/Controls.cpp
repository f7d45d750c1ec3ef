#include "ui/Controls.h"
#include "ui/WinText.h"

#include <algorithm>

void CControl::AddStyle(DWORD style) const
{
    SetWindowLongW(m_window, GWL_STYLE, static_cast<LONG>(GetWindowLongW(m_window, GWL_STYLE) | style));
}

RECT CControl::RectInParent() const
{
    RECT rect{};
    GetWindowRect(m_window, &rect);
    MapWindowPoints(nullptr, GetParent(m_window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CControl::SetText(std::string_view text) const { SetWindowTextW(m_window, Widen(text).c_str()); }

std::wstring CControl::Text() const
{
    const int length = m_window ? GetWindowTextLengthW(m_window) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    if (m_window)
        GetWindowTextW(m_window, text.data(), length + 1);
    text.resize(wcslen(text.c_str()));
    return text;
}

bool CTextControl::SetTextIfChanged(std::string_view text) const
{
    const std::wstring wide = Widen(text);
    if (Text() == wide)
        return false;
    CControl::SetText(wide.c_str());
    return true;
}

int CComboBox::AddString(std::string_view text) const { return AddString(Widen(text).c_str()); }

int CComboBox::FindItemData(LPARAM data) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetItemData(i) == data)
            return i;
    return -1;
}

int CComboBoxEx::InsertItem(int index, const wchar_t* text, int image, LPARAM data) const
{
    COMBOBOXEXITEMW entry{};
    entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
    entry.iItem = index;
    entry.pszText = const_cast<wchar_t*>(text);
    entry.iImage = entry.iSelectedImage = image;
    entry.lParam = data;
    return static_cast<int>(Send(CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry)));
}

int CListBox::AddString(std::string_view text) const
{
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
}

std::wstring CListBox::GetText(int index) const
{
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void CListBox::Fill(const std::vector<std::string>& texts) const
{
    SetRedraw(false);
    ResetContent();
    for (const std::string& text : texts)
        AddString(text);
    SetRedraw(true);
    Invalidate();
}

int CListView::InsertColumn(int index, const wchar_t* title, int width) const
{
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(title);
    column.cx = width;
    return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int CListView::InsertItem(int index, std::string_view text, int image, LPARAM data) const
{
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = wide.data();
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListView::SetItemText(int row, int column, std::string_view text) const
{
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring CListView::GetItemText(int row, int column) const
{
    std::wstring text(512, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
    return text;
}

LPARAM CListView::GetItemData(int row) const
{
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

void CListView::SelectItem(int row) const
{
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

HTREEITEM CTreeView::InsertItem(HTREEITEM parent, std::string_view text, int image, LPARAM data, bool hasChildren,
                                HTREEITEM after) const
{
    std::wstring wide = Widen(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | (image >= 0 ? TVIF_IMAGE | TVIF_SELECTEDIMAGE : 0);
    insert.item.pszText = wide.data();
    insert.item.iImage = insert.item.iSelectedImage = image;
    insert.item.lParam = data;
    insert.item.cChildren = hasChildren ? 1 : 0;
    return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

LPARAM CTreeView::GetItemData(HTREEITEM handle) const
{
    TVITEMW item{};
    item.mask = TVIF_PARAM;
    item.hItem = handle;
    return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::wstring CTreeView::GetItemText(HTREEITEM handle) const
{
    std::wstring text(512, L'\0');
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = handle;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    text.resize(wcslen(text.c_str()));
    return text;
}

bool CStatusBar::Create(HWND parent, int id, DWORD style)
{
    Attach(CreateWindowExW(0, STATUSCLASSNAMEW, L"", style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr));
    return Handle() != nullptr;
}

void CStatusBar::SetParts(const std::vector<int>& rightEdges) const
{
    std::vector<int> edges = rightEdges;
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetText(int part, std::string_view text) const
{
    Send(SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::wstring CStatusBar::GetText(int part) const
{
    const LRESULT length = LOWORD(Send(SB_GETTEXTLENGTHW, static_cast<WPARAM>(part)));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    Send(SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}
