#pragma once
// A report list that sorts by a click on a column header (ascending, descending, unsorted, with an
// arrow in the header), sizes its columns to their contents, copies rows to the clipboard as
// tab-separated text (Ctrl+C, Ctrl+Insert), selects with Ctrl+A and Ctrl+Space, and applies a
// check-box change to every selected row.

#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

#include <commctrl.h>

#include <functional>
#include <string>

// Sent to the owner (WM_NOTIFY from the list) before a row's state image changes; the owner may
// write another new image into the record.
constexpr int ELN_STATEIMAGECHANGING = -197;
struct NMEXTLISTSTATEIMAGE {
    NMHDR header;
    int item;
    int oldImage;
    int newImage;
};

class CExtListCtrl : public CSubclassedWindow {
public:
    enum SortState { kUnsorted = 0, kAscending = 1, kDescending = 2 };
    static constexpr int kMaxCellText = 4096;
    static constexpr int kAscendingBitmap = 215;
    static constexpr int kDescendingBitmap = 214;

    // Compares two rows by their item data for the sort column and state (1 or 2): negative
    // when the first goes first. Item data rather than positions, because the list view does not
    // keep positions stable while it sorts.
    using SortCallback = std::function<int(LPARAM first, LPARAM second, int column, int state)>;

    CExtListCtrl();
    ~CExtListCtrl() override;

    // Takes over the dialog's list view with that id; false when it is not there.
    bool AttachToDialog(HWND dialog, int id);

    void SetSortCallback(SortCallback callback) { m_sortCallback = std::move(callback); }
    // A click on the header of column: the next step of its sort cycle.
    void OnColumnClick(int column);
    int SortColumn() const { return m_sortColumn; }
    int SortState() const { return m_sortState; }
    // The header arrow of a sort state; null for unsorted.
    HBITMAP ArrowBitmap(int state) const
    {
        return state == kAscending ? m_ascending.Get() : state == kDescending ? m_descending.Get() : nullptr;
    }

    // Width 0: each column as wide as the wider of its header and its contents.
    void AutoSizeColumns(int width = 0, bool holdRedraw = true);
    // The selected rows, or every row when none is selected, as tab-separated lines.
    void CopyToClipboard() const;
    // The text CopyToClipboard puts there; empty when the list has no rows.
    std::wstring ClipboardText() const;

    // Replaces the list's state image list (which the list does not own).
    void SetStateImageList(HIMAGELIST images);
    int StateImageCount() const { return m_stateImageCount; }

    std::wstring CellText(int row, int column) const;
    int RowCount() const;
    int ColumnCount() const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    void DetachParent();
    void Sort();
    void ShowSortArrow(int column, int state) const;
    void OnItemChanged(const NMLISTVIEW& change);
    int AskOwner(int row, int oldImage, int newImage) const;
    void SetStateImage(int row, int image);
    std::wstring HeaderText(int column) const;
    int HeaderWidth(int column) const;

    BitmapHandle m_ascending;
    BitmapHandle m_descending;
    SortCallback m_sortCallback;
    int m_sortColumn = -1;
    int m_sortState = kUnsorted;
    int m_stateImageCount = 0;
    bool m_settingStateImages = false;
    HWND m_parent = nullptr;
};
