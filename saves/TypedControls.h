#pragma once
// Thin typed controls for the save windows: non-owning, one method per message, attached by
// dialog item id, so that the windows send no raw messages.

#include "ui/WinText.h"

#include <windows.h>

#include <commctrl.h>
#include <string>
#include <iterator>
#include <string_view>

namespace typed {

class Control {
public:
    Control() = default;
    explicit Control(HWND window) : m_window(window) {}
    Control(HWND dialog, int id) : m_window(GetDlgItem(dialog, id)) {}
    HWND Handle() const { return m_window; }
    void SetRedraw(bool redraw) const { SendMessageW(m_window, WM_SETREDRAW, redraw, 0); }
    void Enable(bool enable) const { EnableWindow(m_window, enable); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(m_window, message, wParam, lParam);
    }
    HWND m_window = nullptr;
};

inline void SetWindowIcons(HWND window, HICON big, HICON small)
{
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

class Text : public Control {
public:
    using Control::Control;
    void Set(std::string_view text) const { SetWindowTextW(m_window, Widen(text).c_str()); }
    std::wstring Get() const
    {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(m_window)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(m_window, text.data(), static_cast<int>(text.size()))));
        return text;
    }
};

class Button : public Control {
public:
    using Control::Control;
    bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void Check(bool check) const { Send(BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED); }
    void SetBitmap(HBITMAP bitmap) const { Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    void Reset() const { Send(CB_RESETCONTENT); }
    int Add(std::string_view text) const
    {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
    }
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int Selected() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void Select(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
};

class ListBox : public Control {
public:
    using Control::Control;
    void Reset() const { Send(LB_RESETCONTENT); }
    int Add(std::string_view text, LPARAM data) const
    {
        const int at = static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
        if (at >= 0)
            Send(LB_SETITEMDATA, static_cast<WPARAM>(at), data);
        return at;
    }
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    std::wstring ItemText(int index) const
    {
        const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
        if (length <= 0)
            return {};
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    void SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, height); }
};

class ListView : public Control {
public:
    using Control::Control;
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
    void SetImageList(HIMAGELIST images, int which) const { Send(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images)); }
    void SetColours(COLORREF text, COLORREF background) const
    {
        Send(LVM_SETTEXTCOLOR, 0, text);
        Send(LVM_SETTEXTBKCOLOR, 0, background);
        Send(LVM_SETBKCOLOR, 0, background);
    }
    void AddColumn(std::string_view text, int width, int format = LVCFMT_LEFT) const
    {
        std::wstring wide = Widen(text);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_FMT;
        column.fmt = format;
        column.cx = width;
        column.pszText = wide.data();
        Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(ColumnCount()), reinterpret_cast<LPARAM>(&column));
    }
    int ColumnCount() const
    {
        return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(Send(LVM_GETHEADER)), HDM_GETITEMCOUNT, 0, 0));
    }
    int ColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column)); }
    void SetColumnWidth(int column, int width) const { Send(LVM_SETCOLUMNWIDTH, column, width); }
    // Appends a row; its index.
    int Add(std::string_view text, int image = -1, LPARAM data = 0) const
    {
        std::wstring wide = Widen(text);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
        item.iItem = Count();
        item.pszText = wide.data();
        item.iImage = image;
        item.lParam = data;
        return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetText(int row, int column, std::string_view text) const
    {
        std::wstring wide = Widen(text);
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = wide.data();
        Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    std::wstring Text(int row, int column) const
    {
        wchar_t buffer[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(std::size(buffer));
        Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    LPARAM Data(int row) const
    {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    void Clear() const { Send(LVM_DELETEALLITEMS); }
    // Sorts on the rows' data: compare(data1, data2, context).
    void Sort(PFNLVCOMPARE compare, LPARAM context) const
    {
        Send(LVM_SORTITEMS, static_cast<WPARAM>(context), reinterpret_cast<LPARAM>(compare));
    }
    int ClientWidth() const
    {
        RECT client{};
        GetClientRect(m_window, &client);
        return client.right;
    }
    RECT SubItemRect(int row, int column) const
    {
        RECT place{};
        place.top = column;
        place.left = LVIR_BOUNDS;
        Send(LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&place));
        return place;
    }
    RECT IconRect(int row) const
    {
        RECT place{};
        place.left = LVIR_ICON;
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&place));
        return place;
    }
};

class TreeView : public Control {
public:
    using Control::Control;
    void SetImageList(HIMAGELIST images) const { Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images)); }
    // Inserts an item as the first child of parent (TVI_ROOT: top level, then at the end).
    HTREEITEM Insert(HTREEITEM parent, std::string_view text, int image, HTREEITEM after) const
    {
        std::wstring wide = Widen(text);
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = wide.data();
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void SetItem(HTREEITEM item, std::string_view text, int image) const
    {
        std::wstring wide = Widen(text);
        TVITEMW change{};
        change.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        change.hItem = item;
        change.pszText = wide.data();
        change.iImage = image;
        change.iSelectedImage = image;
        Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    }
    void SetImage(HTREEITEM item, int image) const
    {
        TVITEMW change{};
        change.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        change.hItem = item;
        change.iImage = image;
        change.iSelectedImage = image;
        Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    }
    HTREEITEM Child(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM Sibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    void Delete(HTREEITEM item) const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)); }
    void DeleteAll() const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
    int Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }

private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
};

} // namespace typed
