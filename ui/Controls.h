#pragma once
// Typed controls: one small non-owning class per control kind, holding only the control's HWND,
// with one short method per message, so that a window never sends a raw control message. They
// cost nothing to make: attach one where it is needed, or keep one as a member.
//
// Notifications are not carried by the controls: a dialog binds a handler to a control id and
// a notification code once, in OnInitDialog, and the dialog base calls it (ui/Dialog.h):
//
//     BOOL CSomeDlg::OnInitDialog()
//     {
//         m_names.Attach(Handle(), IDC_SOME_NAMES);
//         BindCommand(IDC_SOME_NAMES, CBN_SELENDOK, [this] { ShowEntry(m_names.GetCurSelData()); });
//         BindClick(IDC_SOME_FIND, [this] { Find(); });
//         BindNotify(IDC_SOME_LIST, NM_DBLCLK, [this](NMHDR& header) {
//             Open(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
//             return LRESULT{0};
//         });
//         return TRUE;
//     }

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

// What every control has: its window, its id, enabling, showing and drawing.
class CControl {
public:
    CControl() = default;
    explicit CControl(HWND window) : m_window(window) {}
    CControl(HWND dialog, int id) : m_window(GetDlgItem(dialog, id)) {}

    void Attach(HWND window) { m_window = window; }
    void Attach(HWND dialog, int id) { m_window = GetDlgItem(dialog, id); }
    HWND Handle() const { return m_window; }
    explicit operator bool() const { return m_window != nullptr; }
    int Id() const { return GetDlgCtrlID(m_window); }

    void Enable(bool enable) const { EnableWindow(m_window, enable); }
    bool IsEnabled() const { return IsWindowEnabled(m_window) != FALSE; }
    // Shows without activating, or hides.
    void Show(bool show) const { ShowWindow(m_window, show ? SW_SHOWNA : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(m_window) != FALSE; }
    // Stops (false) or resumes (true) drawing, around a fill of many entries.
    void SetRedraw(bool redraw) const { SendMessageW(m_window, WM_SETREDRAW, redraw, 0); }
    void Invalidate() const { InvalidateRect(m_window, nullptr, TRUE); }
    HFONT Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
    void AddStyle(DWORD style) const;
    // The control's rectangle in its parent's client coordinates.
    RECT RectInParent() const;

    // The window text (an edit's content, a static's or a button's caption).
    void SetText(std::string_view text) const;
    void SetText(const wchar_t* text) const { SetWindowTextW(m_window, text); }
    std::wstring Text() const;

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(m_window, message, wParam, lParam);
    }

private:
    HWND m_window = nullptr;
};

// An edit or a static text.
class CTextControl : public CControl {
public:
    using CControl::CControl;
    // Sets the text unless it already is the text; false when it was. Each set costs a redraw.
    bool SetTextIfChanged(std::string_view text) const;
};

// A push button, check box or radio button.
class CButton : public CControl {
public:
    using CControl::CControl;
    void Click() const { Send(BM_CLICK); }
    void SetCheck(bool check) const { Send(BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED); }
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetImage(HBITMAP bitmap) const { Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)); }
    HBITMAP Image() const { return reinterpret_cast<HBITMAP>(Send(BM_GETIMAGE, IMAGE_BITMAP)); }
};

class CComboBox : public CControl {
public:
    using CControl::CControl;
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // Returns the entry's index, or a negative value.
    int AddString(std::string_view text) const;
    int AddString(const wchar_t* text) const { return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const wchar_t* text) const
    {
        return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    LPARAM GetItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const { Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // Reserves room for count entries of bytes of text in all, before a long fill.
    void InitStorage(size_t count, size_t bytes) const { Send(CB_INITSTORAGE, count, static_cast<LPARAM>(bytes)); }
    // The first entry whose data is data, or -1.
    int FindItemData(LPARAM data) const;
};

// The extended combo box: entries with a picture from its image list.
class CComboBoxEx : public CControl {
public:
    using CControl::CControl;
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // Inserts at index (-1: at the end) an entry showing image; returns its index or -1.
    int InsertItem(int index, const wchar_t* text, int image, LPARAM data) const;
    void SetImageList(HIMAGELIST images) const { Send(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)); }
    // The combo box inside it.
    CComboBox ComboControl() const { return CComboBox(reinterpret_cast<HWND>(Send(CBEM_GETCOMBOCONTROL))); }
};

class CListBox : public CControl {
public:
    using CControl::CControl;
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
    int AddString(std::string_view text) const;
    LPARAM GetItemData(int index) const { return Send(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const { Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    std::wstring GetText(int index) const;
    void ResetContent() const { Send(LB_RESETCONTENT); }
    // The height of every entry of an owner-drawn list.
    void SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, height); }
    // Replaces the entries with texts, drawn once at the end.
    void Fill(const std::vector<std::string>& texts) const;
};

class CListView : public CControl {
public:
    using CControl::CControl;
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, static_cast<LPARAM>(style)); }
    // kind: LVSIL_SMALL, LVSIL_NORMAL or LVSIL_STATE.
    void SetImageList(HIMAGELIST images, int kind) const { Send(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images)); }
    int InsertColumn(int index, const wchar_t* title, int width) const;
    // format: LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER (the first column is always left).
    int InsertColumn(int index, std::string_view title, int width, int format) const;
    // The text colour and the background of every row and of the empty space.
    void SetColours(COLORREF text, COLORREF background) const;
    // A cell's rectangle (column 0: the whole row), and part (LVIR_ICON, LVIR_LABEL...) of a row.
    RECT GetSubItemRect(int row, int column) const;
    RECT GetItemRect(int row, int part) const;
    int GetColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column))); }
    void SetColumnWidth(int column, int width) const { Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width); }
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // Inserts a row at index showing image (-1: none); returns its index or -1.
    int InsertItem(int index, std::string_view text, int image, LPARAM data) const;
    void SetItemText(int row, int column, std::string_view text) const;
    std::wstring GetItemText(int row, int column) const;
    LPARAM GetItemData(int row) const;
    void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }
    // The next selected row after row (-1: from the start), or -1.
    int GetNextSelected(int row = -1) const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED)); }
    void SelectItem(int row) const;
    void EnsureVisible(int row) const { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
    // Sorts by each row's data with compare(data1, data2, context).
    void SortItems(PFNLVCOMPARE compare, LPARAM context) const { Send(LVM_SORTITEMS, static_cast<WPARAM>(context), reinterpret_cast<LPARAM>(compare)); }
};

class CTreeView : public CControl {
public:
    using CControl::CControl;
    void SetImageList(HIMAGELIST images, int kind = TVSIL_NORMAL) const { Send(TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images)); }
    // Inserts under parent (TVI_ROOT for the top) after after (TVI_LAST: at the end). An item
    // with children still to come shows its button before they are there.
    HTREEITEM InsertItem(HTREEITEM parent, std::string_view text, int image, LPARAM data, bool hasChildren = false,
                         HTREEITEM after = TVI_LAST) const;
    void DeleteAllItems() const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
    void DeleteItem(HTREEITEM item) const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)); }
    int GetCount() const { return static_cast<int>(Send(TVM_GETCOUNT)); }
    HTREEITEM GetSelection() const { return Next(nullptr, TVGN_CARET); }
    void Select(HTREEITEM item) const { Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
    HTREEITEM GetRoot() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM GetChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM GetNextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM GetParent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    // action: TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE.
    void Expand(HTREEITEM item, UINT action = TVE_EXPAND) const { Send(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)); }
    LPARAM GetItemData(HTREEITEM item) const;
    std::wstring GetItemText(HTREEITEM item) const;
    // Changes an item's text and image (the same image when selected).
    void SetItem(HTREEITEM item, std::string_view text, int image) const;
    void SetItemImage(HTREEITEM item, int image) const;

private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
};

// A status bar; it is made at run time (Create), not from the template.
class CStatusBar : public CControl {
public:
    using CControl::CControl;
    // Makes a status bar with the id at the bottom of parent; false when it cannot be made.
    bool Create(HWND parent, int id, DWORD style = WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP);
    // Right edges of the parts in client pixels; -1 for the last: to the right edge.
    void SetParts(const std::vector<int>& rightEdges) const;
    void SetText(int part, std::string_view text) const;
    std::wstring GetText(int part) const;
    // Follows its parent's new size (from the parent's WM_SIZE).
    void Resize() const { Send(WM_SIZE); }
};
