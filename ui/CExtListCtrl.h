#pragma once
// A report list that sorts by a click on a column header (ascending, descending, unsorted, with an
// arrow in the header), sizes its columns to their contents, copies rows to the clipboard as
// tab-separated text (Ctrl+C, Ctrl+Insert), selects with Ctrl+A and Ctrl+Space, and applies a
// check-box change to every selected row.

#include "ui/Handles.h"
#include "ui/SubclassedWindow.h"

#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

    // A cell's text, of the row with that item data, kept by the owner.
    using TextSource = std::function<std::wstring_view(LPARAM data, int column)>;

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

    // Sorts again by the present sort column and state, after the rows were filled anew.
    void Resort();

    // For large lists: the rows' texts stay with the owner instead of being copied into the list.
    // The list asks the source for the cells it shows; copying, sizing and sorting read it
    // directly. Rows of such a list are inserted with InsertRow.
    void SetTextSource(TextSource source) { m_textSource = std::move(source); }
    // Inserts a row at index whose texts come from the source; image -1 for none. Its index or -1.
    int InsertRow(int index, LPARAM data, int image) const;

    // Inserts a column named name whose header item carries its index as data; with a header
    // image (>= 0) the header shows that image instead of the name.
    int InsertColumn(int index, const wchar_t* name, int headerImage = -1);
    void SetHeaderImageList(HIMAGELIST images) const;
    LPARAM HeaderItemData(int column) const;

    // The check boxes of state images: a 16 x 16 image list of the system's unchecked and checked
    // boxes, for state images 1 and 2.
    static ImageListHandle CreateCheckBoxImages();
    // Replaces the list's state image list (which the list does not own).
    void SetStateImageList(HIMAGELIST images);
    int StateImageCount() const { return m_stateImageCount; }

    int StateImage(int row) const;
    std::wstring CellText(int row, int column) const;
    int RowCount() const;
    int ColumnCount() const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
    void DetachParent();
    // The list's notification to its parent; true when it ends here with result.
    bool OnNotify(NMHDR& header, LRESULT& result);
    void Sort();
    void ShowSortArrow(int column, int state) const;
    void OnItemChanged(const NMLISTVIEW& change);
    void OnGetDispInfo(NMLVDISPINFOW& info) const;
    // Column widths measured from the source's texts, without asking the list for every cell.
    void AutoSizeFromSource();
    std::optional<LPARAM> RowData(int row) const;
    int AskOwner(int row, int oldImage, int newImage) const;
    void SetStateImage(int row, int image);
    std::wstring HeaderText(int column) const;
    int HeaderWidth(int column) const;
    int ImagesWidth() const;

    BitmapHandle m_ascending;
    BitmapHandle m_descending;
    SortCallback m_sortCallback;
    TextSource m_textSource;
    int m_sortColumn = -1;
    int m_sortState = kUnsorted;
    int m_stateImageCount = 0;
    bool m_settingStateImages = false;
    HWND m_parent = nullptr;
    HWND m_list = nullptr; // kept past the list window, to stop watching it
    bool m_parentIsDialog = false;
};
