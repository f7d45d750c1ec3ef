// The extended list control: the header's sort cycle and arrows, the owner's comparison,
// column widths, copying rows, the selection keys and check boxes that follow the selection.

#include "res/resource.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/CExtListCtrl.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A dialog with a list of the given rows (cells separated by '|'), the row's number as its data.
class ExtList : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(nullptr)); }

    HWND Fill(int id, const std::vector<std::wstring>& rows, const std::vector<std::wstring>& headers)
    {
        HWND window = dialog.Item(id);
        EXPECT_TRUE(list.AttachToDialog(dialog.Handle(), id));
        for (size_t column = 0; column < headers.size(); ++column) {
            LVCOLUMNW entry{};
            entry.mask = LVCF_TEXT | LVCF_WIDTH;
            entry.cx = 60;
            entry.pszText = const_cast<wchar_t*>(headers[column].c_str());
            SendMessageW(window, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
        }
        for (size_t row = 0; row < rows.size(); ++row) {
            std::vector<std::wstring> cells;
            size_t start = 0, bar;
            while ((bar = rows[row].find(L'|', start)) != std::wstring::npos) {
                cells.push_back(rows[row].substr(start, bar - start));
                start = bar + 1;
            }
            cells.push_back(rows[row].substr(start));
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(row);
            item.lParam = static_cast<LPARAM>(row);
            item.pszText = cells[0].data();
            SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            for (size_t column = 1; column < cells.size(); ++column) {
                item.iSubItem = static_cast<int>(column);
                item.pszText = cells[column].data();
                SendMessageW(window, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            }
        }
        return window;
    }

    // What the list sends its parent when a header is clicked.
    void ClickHeader(int column)
    {
        NMLISTVIEW notice{};
        notice.hdr = {list.Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(list.Handle())), LVN_COLUMNCLICK};
        notice.iItem = -1;
        notice.iSubItem = column;
        SendMessageW(dialog.Handle(), WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    }

    std::vector<std::wstring> Column(int column) const
    {
        std::vector<std::wstring> texts;
        for (int row = 0; row < list.RowCount(); ++row)
            texts.push_back(list.CellText(row, column));
        return texts;
    }

    LPARAM Data(int row) const
    {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageW(list.Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }

    HBITMAP HeaderBitmap(int column, int* format = nullptr) const
    {
        HWND header = reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_GETHEADER, 0, 0));
        HDITEMW item{};
        item.mask = HDI_FORMAT | HDI_BITMAP;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        if (format)
            *format = item.fmt;
        return (item.fmt & HDF_BITMAP) ? item.hbm : nullptr;
    }

    void Select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            SetState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
    void SetState(int row, UINT mask, UINT state)
    {
        LVITEMW item{};
        item.stateMask = mask;
        item.state = state;
        SendMessageW(list.Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int StateImage(int row) const
    {
        return static_cast<int>(
            (SendMessageW(list.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) >> 12));
    }
    bool Selected(int row) const
    {
        return SendMessageW(list.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
    }

    // A key pressed with the control keys held.
    void PressWithControl(WPARAM key)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(list.Handle(), WM_KEYDOWN, key, 1);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
        SetKeyboardState(keys);
    }

    static std::wstring ClipboardText()
    {
        std::wstring text;
        if (!OpenClipboard(nullptr))
            return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    static void ClearClipboard()
    {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }

    std::vector<int> asked; // rows the owner was asked about; outlives the window
    CDialog dialog{IDD_ITEM_LIST};
    CExtListCtrl list;
};

using Texts = std::vector<std::wstring>;

} // namespace

TEST_F(ExtList, HeaderClicksCycleAscendingDescendingUnsortedAndTheArrowFollows)
{
    Fill(IDC_ITEMLIST_ITEMS, {L"b|2", L"A|3", L"c|1", L"B|0"}, {L"letter", L"number"});
    ClickHeader(0);
    EXPECT_EQ(Column(0), (Texts{L"A", L"b", L"B", L"c"})) << "letter case aside; equal rows keep their order";
    EXPECT_EQ(list.SortState(), CExtListCtrl::kAscending);
    EXPECT_EQ(HeaderBitmap(0), list.ArrowBitmap(CExtListCtrl::kAscending));
    EXPECT_NE(HeaderBitmap(0), nullptr);
    // Each row keeps its own item data through the sort.
    const Texts numberOfRow = {L"2", L"3", L"1", L"0"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(Column(1)[static_cast<size_t>(row)], numberOfRow[static_cast<size_t>(Data(row))]) << row;

    ClickHeader(0);
    EXPECT_EQ(Column(0), (Texts{L"c", L"b", L"B", L"A"}));
    EXPECT_EQ(HeaderBitmap(0), list.ArrowBitmap(CExtListCtrl::kDescending));
    EXPECT_NE(list.ArrowBitmap(CExtListCtrl::kDescending), list.ArrowBitmap(CExtListCtrl::kAscending));

    ClickHeader(0);
    EXPECT_EQ(Column(0), (Texts{L"c", L"b", L"B", L"A"})) << "unsorted leaves the order";
    int format = 0;
    EXPECT_EQ(HeaderBitmap(0, &format), nullptr);
    EXPECT_FALSE(format & HDF_BITMAP_ON_RIGHT);
    EXPECT_EQ(list.SortState(), CExtListCtrl::kUnsorted);

    ClickHeader(0);
    ClickHeader(1);
    EXPECT_EQ(Column(1), (Texts{L"0", L"1", L"2", L"3"}));
    EXPECT_EQ(list.SortColumn(), 1);
    EXPECT_EQ(HeaderBitmap(0), nullptr) << "the arrow moved to the new column";
    EXPECT_EQ(HeaderBitmap(1), list.ArrowBitmap(CExtListCtrl::kAscending));
}

TEST_F(ExtList, TheOwnersComparisonReplacesTheTextComparison)
{
    Fill(IDC_ITEMLIST_ITEMS, {L"a", L"b", L"c", L"d"}, {L"letter"});
    std::vector<int> states;
    // By item data, odd rows first.
    list.SetSortCallback([&](LPARAM first, LPARAM second, int column, int state) {
        EXPECT_EQ(column, 0);
        states.push_back(state);
        const int x = static_cast<int>(first % 2 ? first - 10 : first), y = static_cast<int>(second % 2 ? second - 10 : second);
        return state == CExtListCtrl::kDescending ? y - x : x - y;
    });
    ClickHeader(0);
    EXPECT_EQ(Column(0), (Texts{L"b", L"d", L"a", L"c"}));
    ClickHeader(0);
    EXPECT_EQ(Column(0), (Texts{L"c", L"a", L"d", L"b"}));
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.front(), 1);
    EXPECT_EQ(states.back(), 2);
}

TEST_F(ExtList, ColumnsFitTheWiderOfHeaderAndContents)
{
    Fill(IDC_ITEMLIST_ITEMS, {L"x|a rather long text in the second column|y"}, {L"a", L"b", L"quite a long header"});
    list.AutoSizeColumns();
    auto width = [&](int column) {
        return static_cast<int>(SendMessageW(list.Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    };
    auto textWidth = [&](const wchar_t* text) {
        return static_cast<int>(SendMessageW(list.Handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    };
    EXPECT_LT(width(0), 40);
    EXPECT_GE(width(1), textWidth(L"a rather long text in the second column"));
    EXPECT_GE(width(2), textWidth(L"quite a long header")) << "the header is wider than its contents";
    list.AutoSizeColumns(33);
    EXPECT_EQ(width(0), 33);
    EXPECT_EQ(width(2), 33);
}

TEST_F(ExtList, CopiedRowsAreTabSeparatedLinesWithTheHeaderLineForTwoOrMore)
{
    Fill(IDC_ITEMLIST_ITEMS, {L"a|1", L"b|2", L"c|3"}, {L"name", L"n"});
    ClearClipboard();
    Select({1});
    PressWithControl('C');
    EXPECT_EQ(ClipboardText(), L"b\t2\r\n");
    Select({2});
    PressWithControl(VK_INSERT);
    EXPECT_EQ(ClipboardText(), L"name\tn\r\nb\t2\r\nc\t3\r\n");
    SetState(-1, LVIS_SELECTED, 0);
    list.CopyToClipboard();
    EXPECT_EQ(ClipboardText(), L"name\tn\r\na\t1\r\nb\t2\r\nc\t3\r\n") << "no selection: every row";
    SendMessageW(list.Handle(), LVM_DELETEALLITEMS, 0, 0);
    list.CopyToClipboard();
    EXPECT_EQ(ClipboardText(), L"name\tn\r\na\t1\r\nb\t2\r\nc\t3\r\n") << "an empty list copies nothing";
}

TEST_F(ExtList, ControlASelectsAllUnlessSingleSelectionAndControlSpaceToggles)
{
    HWND window = Fill(IDC_ITEMLIST_ITEMS, {L"a", L"b", L"c"}, {L"name"});
    PressWithControl('A');
    EXPECT_TRUE(Selected(0) && Selected(1) && Selected(2));

    SetState(-1, LVIS_SELECTED, 0);
    SetState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    PressWithControl(VK_SPACE);
    EXPECT_TRUE(Selected(1));
    EXPECT_FALSE(Selected(0));
    PressWithControl(VK_SPACE);
    EXPECT_FALSE(Selected(1));

    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | LVS_SINGLESEL);
    Select({2});
    PressWithControl('A');
    EXPECT_FALSE(Selected(0));
    EXPECT_FALSE(Selected(1));
    EXPECT_TRUE(Selected(2));
}

TEST_F(ExtList, ACheckBoxChangeReachesEverySelectedRowAndTheOwnerMayOverrule)
{
    HWND window = Fill(IDC_ITEMLIST_PROPERTIES, {L"0", L"1", L"2", L"3", L"4", L"5", L"6"}, {L""});
    SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    list.SetStateImageList(reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, LVSIL_STATE, 0)));
    EXPECT_EQ(list.StateImageCount(), 2);
    for (int row = 0; row < 7; ++row)
        ASSERT_EQ(StateImage(row), 1) << row;

    // The owner keeps row 5 unchecked.
    SetWindowSubclass(
        dialog.Handle(),
        [](HWND owner, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) -> LRESULT {
            auto* notice = reinterpret_cast<NMEXTLISTSTATEIMAGE*>(lParam);
            if (message == WM_NOTIFY && notice->header.code == static_cast<UINT>(ELN_STATEIMAGECHANGING)) {
                reinterpret_cast<std::vector<int>*>(data)->push_back(notice->item);
                if (notice->item == 5)
                    notice->newImage = notice->oldImage;
                return 0;
            }
            return DefSubclassProc(owner, message, wParam, lParam);
        },
        1, reinterpret_cast<DWORD_PTR>(&asked));

    Select({0, 1, 2, 3, 5});
    SetState(2, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
    EXPECT_EQ(StateImage(0), 2);
    EXPECT_EQ(StateImage(1), 2);
    EXPECT_EQ(StateImage(2), 2);
    EXPECT_EQ(StateImage(3), 2);
    EXPECT_EQ(StateImage(4), 1) << "not selected";
    EXPECT_EQ(StateImage(5), 1) << "the owner said no";
    EXPECT_EQ(StateImage(6), 1);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), 2);

    // A row that is not selected changes alone.
    SetState(6, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
    EXPECT_EQ(StateImage(6), 2);
    EXPECT_EQ(StateImage(4), 1);
}

TEST_F(ExtList, RowsOfATextSourceShowSortCopyAndSizeTheOwnersTexts)
{
    HWND window = Fill(IDC_ITEMLIST_ITEMS, {}, {L"name", L"size"});
    // Item data 10, 20, 30; the list holds none of the texts.
    const std::vector<Texts> cells = {{L"ant", L"a rather long text for an ant"}, {L"bee", L"2"}, {L"cat", L"3"}};
    list.SetTextSource([&](LPARAM data, int column) -> std::wstring_view {
        return cells.at(static_cast<size_t>(data / 10 - 1)).at(static_cast<size_t>(column));
    });
    for (int row = 0; row < 3; ++row)
        ASSERT_EQ(list.InsertRow(row, (row + 1) * 10, -1), row);

    // What the list itself answers, as it draws the cells: the first column and the others alike.
    auto shown = [&](int row, int column, int room) {
        std::wstring text(static_cast<size_t>(room), L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = room;
        text.resize(static_cast<size_t>(SendMessageW(window, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                                     reinterpret_cast<LPARAM>(&item))));
        return text;
    };
    EXPECT_EQ(shown(1, 0, 64), L"bee");
    EXPECT_EQ(shown(0, 1, 64), L"a rather long text for an ant");
    EXPECT_EQ(shown(0, 1, 4), L"a r") << "cut to the caller's room";

    list.SetSortCallback([](LPARAM first, LPARAM second, int, int state) {
        return static_cast<int>(state == CExtListCtrl::kDescending ? second - first : first - second);
    });
    ClickHeader(0);
    ClickHeader(0);
    EXPECT_EQ(shown(0, 0, 64), L"cat") << "the texts follow their rows";
    EXPECT_EQ(shown(2, 1, 64), L"a rather long text for an ant");
    EXPECT_EQ(Column(0), (Texts{L"cat", L"bee", L"ant"}));

    ClearClipboard();
    list.CopyToClipboard();
    EXPECT_EQ(ClipboardText(), L"name\tsize\r\ncat\t3\r\nbee\t2\r\nant\ta rather long text for an ant\r\n");

    list.AutoSizeColumns();
    const int longest = static_cast<int>(
        SendMessageW(window, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(L"a rather long text for an ant")));
    const int widthOfSize = static_cast<int>(SendMessageW(window, LVM_GETCOLUMNWIDTH, 1, 0));
    EXPECT_GE(widthOfSize, longest);
    EXPECT_LT(widthOfSize, longest + 40);
}

TEST_F(ExtList, SortsOnAHeaderClickOnADialogOfAnotherKind)
{
    // A dialog without the dialog base: the list watches its notifications through a subclass.
    HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ITEM_LIST), nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(plain, nullptr);
    {
        CExtListCtrl other;
        ASSERT_TRUE(other.AttachToDialog(plain, IDC_ITEMLIST_ITEMS));
        const CListView view(other.Handle());
        view.InsertColumn(0, L"letter", 60);
        for (const char* letter : {"b", "c", "a"})
            view.InsertItem(view.GetItemCount(), letter, -1, 0);
        NMLISTVIEW notice{};
        notice.hdr = {other.Handle(), IDC_ITEMLIST_ITEMS, LVN_COLUMNCLICK};
        notice.iItem = -1;
        SendMessageW(plain, WM_NOTIFY, IDC_ITEMLIST_ITEMS, reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(other.SortState(), CExtListCtrl::kAscending);
        EXPECT_EQ(other.CellText(0, 0), L"a");
        EXPECT_EQ(other.CellText(2, 0), L"c");
    } // the list lets go of the dialog first
    DestroyWindow(plain);
}
