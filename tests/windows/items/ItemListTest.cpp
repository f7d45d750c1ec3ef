// The Item List as a user drives it: the filters, the header sort, copying rows, the check
// boxes of the filter lists, hiding the filter, the placement, the double click, the main
// window's button. What it shows is checked against the model's rows for the same filter.

#include "app/CMainDlg.h"
#include "gamedata/CGameData.h"
#include "items/CItemListDlg.h"
#include "items/CItemViewerDlg.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// Items of the demo made into the cases the tests look for.
constexpr int kOneD8 = 560, kTwoD4 = 561, kOneD6PlusOne = 562, kOddBlade = 563;

gamebuild::Installation ListInstallation()
{
    gamebuild::Installation installation = gamebuild::DemoInstallation(gamebuild::Edition::First);
    auto item = [&](int number, const char* name) {
        Record& record = installation.scenario.items[static_cast<size_t>(number)];
        record.assign(72, 0);
        ByteWriter(record).Text(0, name, 22);
        return ByteWriter(record);
    };
    item(kOneD8, "ONE EIGHT").U8(56, 0).U8(57, 1).U8(32, 1).U8(33, 8);
    item(kTwoD4, "TWO FOURS").U8(56, 0).U8(57, 1).U8(32, 2).U8(33, 4);
    item(kOneD6PlusOne, "SIX AND ONE").U8(56, 0).U8(57, 1).U8(32, 1).U8(33, 6).U16(30, 1);
    item(kOddBlade, "ODD BLADE").U8(56, 1).U8(57, 200); // a picture in no skill table
    return installation;
}

class ItemList : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_store = std::make_unique<TestStore>(ListInstallation());
        ASSERT_TRUE(s_store->Loaded());
    }
    static void TearDownTestSuite() { s_store.reset(); }
    void TearDown() override
    {
        if (m_dialog && IsWindow(m_dialog))
            DestroyWindow(m_dialog);
        PumpMessages();
    }

    HWND Open()
    {
        m_list = CViewerDialog::Open<CItemListDlg>();
        m_dialog = m_list ? m_list->Handle() : nullptr;
        PumpMessages();
        return m_dialog;
    }
    void Close()
    {
        SendMessageW(m_dialog, WM_CLOSE, 0, 0);
        PumpMessages();
        m_dialog = nullptr;
        m_list = nullptr;
    }

    HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
    void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    void Choose(int id, int index) const { SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void Tick(int id, int row, bool ticked) const
    {
        LVITEMW item{};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2u : 1u);
        SendMessageW(Control(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int StateImage(int id, int row) const
    {
        return static_cast<int>(SendMessageW(Control(id), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) >> 12);
    }
    void Select(int id, int row, bool selected) const
    {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED;
        item.state = selected ? LVIS_SELECTED : 0;
        SendMessageW(Control(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int RowCount(int id) const { return static_cast<int>(SendMessageW(Control(id), LVM_GETITEMCOUNT, 0, 0)); }

    // The item numbers of the list's rows, in order.
    std::vector<int> Shown() const
    {
        std::vector<int> numbers;
        for (int row = 0; row < RowCount(IDC_ITEMLIST_ITEMS); ++row) {
            LVITEMW item{};
            item.mask = LVIF_PARAM;
            item.iItem = row;
            SendMessageW(Control(IDC_ITEMLIST_ITEMS), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            numbers.push_back(static_cast<int>(item.lParam));
        }
        return numbers;
    }
    static std::vector<int> Expected(const ItemListFilter& filter)
    {
        std::vector<int> numbers;
        for (const ItemListRow& row : ItemListRows(s_store->Game(), filter))
            numbers.push_back(row.number);
        return numbers;
    }
    std::wstring StatusText() const
    {
        wchar_t text[64] = {};
        SendMessageW(Control(IDC_ITEMLIST_STATUS), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void ClickHeader(int column) const
    {
        NMLISTVIEW notice{};
        notice.hdr = {Control(IDC_ITEMLIST_ITEMS), IDC_ITEMLIST_ITEMS, LVN_COLUMNCLICK};
        notice.iItem = -1;
        notice.iSubItem = column;
        SendMessageW(m_dialog, WM_NOTIFY, IDC_ITEMLIST_ITEMS, reinterpret_cast<LPARAM>(&notice));
    }
    RECT Place(int id) const
    {
        RECT place{};
        GetWindowRect(Control(id), &place);
        MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    static size_t Position(const std::vector<int>& numbers, int number)
    {
        return static_cast<size_t>(std::find(numbers.begin(), numbers.end(), number) - numbers.begin());
    }

    static inline std::unique_ptr<TestStore> s_store;
    CItemListDlg* m_list = nullptr;
    HWND m_dialog = nullptr;
};

} // namespace

TEST_F(ItemList, TheDefaultsListEveryItemAndTheStatusBarSaysSo)
{
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Shown(), Expected({}));
    EXPECT_EQ(RowCount(IDC_ITEMLIST_ITEMS), 571);
    EXPECT_EQ(StatusText(), L"571 items");
    wchar_t caption[64] = {};
    GetWindowTextW(m_dialog, caption, 64);
    EXPECT_STREQ(caption, L"Wizardry VII Item List");
    EXPECT_NE(SendMessageW(m_dialog, WM_GETICON, ICON_BIG, 0), 0);

    // Both combos stand on "-any-"; the filter lists are off until their boxes are checked.
    for (int id : {IDC_ITEMLIST_TYPE, IDC_ITEMLIST_SKILL}) {
        const LRESULT at = SendMessageW(Control(id), CB_GETCURSEL, 0, 0);
        wchar_t text[32] = {};
        SendMessageW(Control(id), CB_GETLBTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, L"-any-") << id;
        EXPECT_EQ(SendMessageW(Control(id), CB_GETITEMDATA, static_cast<WPARAM>(at), 0), 255);
    }
    EXPECT_EQ(SendMessageW(Control(IDC_ITEMLIST_SKILL), CB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(RowCount(IDC_ITEMLIST_EFFECTS), 8);
    EXPECT_EQ(RowCount(IDC_ITEMLIST_RESISTANCES), 13);
    EXPECT_EQ(RowCount(IDC_ITEMLIST_PROPERTIES), 8);
    for (int id : {IDC_ITEMLIST_EFFECTS, IDC_ITEMLIST_RESISTANCES, IDC_ITEMLIST_PROPERTIES}) {
        EXPECT_FALSE(IsWindowEnabled(Control(id))) << id;
        EXPECT_EQ(StateImage(id, 0), 1) << "an unticked box";
    }
    Click(IDC_ITEMLIST_BY_EFFECTS);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_ITEMLIST_EFFECTS)));
    Click(IDC_ITEMLIST_BY_EFFECTS);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_ITEMLIST_EFFECTS)));

    // 21 columns; the header items carry their column numbers; every row holds the model's texts.
    HWND header = reinterpret_cast<HWND>(SendMessageW(Control(IDC_ITEMLIST_ITEMS), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 21);
    int images = 0;
    for (int column = 0; column < 21; ++column) {
        HDITEMW item{};
        item.mask = HDI_LPARAM | HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.lParam, column);
        images += (item.fmt & HDF_IMAGE) != 0;
        EXPECT_GT(SendMessageW(Control(IDC_ITEMLIST_ITEMS), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0), 10)
            << column;
    }
    EXPECT_EQ(images, 7);
    const ItemListRow row = ItemListRowOf(s_store->Game(), kOneD6PlusOne);
    for (int column = 0; column < 21; ++column)
        EXPECT_EQ(m_list->List().CellText(static_cast<int>(Position(Shown(), kOneD6PlusOne)), column),
                  Widen(row.texts[static_cast<size_t>(column)]))
            << column;
}

TEST_F(ItemList, EachFilterTakesEffectAtRefreshAndACheckedListWithNothingTickedHidesEverything)
{
    ASSERT_NE(Open(), nullptr);
    ItemListFilter filter;

    Choose(IDC_ITEMLIST_TYPE, 3);
    EXPECT_EQ(RowCount(IDC_ITEMLIST_ITEMS), 571) << "not before Refresh";
    Click(IDC_ITEMLIST_REFRESH);
    filter.type = 3;
    EXPECT_EQ(Shown(), Expected(filter));
    EXPECT_FALSE(Shown().empty());
    EXPECT_EQ(StatusText(), std::to_wstring(Shown().size()) + L" items");
    Choose(IDC_ITEMLIST_TYPE, static_cast<int>(SendMessageW(Control(IDC_ITEMLIST_TYPE), CB_GETCOUNT, 0, 0)) - 1);
    filter = {};

    // Skill 0 keeps the weapon whose picture is in no skill table.
    Choose(IDC_ITEMLIST_SKILL, 0);
    Click(IDC_ITEMLIST_REFRESH);
    filter.skill = 0;
    EXPECT_EQ(Shown(), Expected(filter));
    EXPECT_LT(Position(Shown(), kOddBlade), Shown().size());
    Choose(IDC_ITEMLIST_SKILL, 8);
    filter = {};

    struct Case {
        int check, list, row;
        bool ItemListFilter::*on;
    };
    for (const Case& kind : {Case{IDC_ITEMLIST_BY_RESISTANCES, IDC_ITEMLIST_RESISTANCES, 1, &ItemListFilter::byResistances},
                             Case{IDC_ITEMLIST_BY_EFFECTS, IDC_ITEMLIST_EFFECTS, 2, &ItemListFilter::byEffects},
                             Case{IDC_ITEMLIST_BY_PROPERTIES, IDC_ITEMLIST_PROPERTIES, 0, &ItemListFilter::byProperties}}) {
        Click(kind.check);
        Click(IDC_ITEMLIST_REFRESH);
        EXPECT_EQ(RowCount(IDC_ITEMLIST_ITEMS), 0) << kind.list;
        EXPECT_EQ(StatusText(), L"0 items");
        Tick(kind.list, kind.row, true);
        Click(IDC_ITEMLIST_REFRESH);
        filter = m_list->Filter();
        EXPECT_TRUE(filter.*kind.on);
        EXPECT_EQ(Shown(), Expected(filter)) << kind.list;
        EXPECT_FALSE(Shown().empty()) << kind.list;
        Tick(kind.list, kind.row, false);
        Click(kind.check);
    }
    Click(IDC_ITEMLIST_REFRESH);
    EXPECT_EQ(RowCount(IDC_ITEMLIST_ITEMS), 571);
}

TEST_F(ItemList, HeaderClicksSortByDamageAverageThenDescendThenLeaveTheOrder)
{
    ASSERT_NE(Open(), nullptr);
    ClickHeader(itemlist::kDamage);
    std::vector<int> rows = Shown();
    EXPECT_LT(Position(rows, kOneD8), Position(rows, kOneD6PlusOne)) << "equal averages keep their order";
    EXPECT_LT(Position(rows, kOneD6PlusOne), Position(rows, kTwoD4));
    std::vector<ItemListRow> model = ItemListRows(s_store->Game(), {});
    SortRows(s_store->Game(), model, itemlist::kDamage, false);
    std::vector<int> expected;
    for (const ItemListRow& row : model)
        expected.push_back(row.number);
    EXPECT_EQ(rows, expected) << "the order the command line prints";

    ClickHeader(itemlist::kDamage);
    rows = Shown();
    EXPECT_GT(Position(rows, kOneD8), Position(rows, kTwoD4));
    const std::vector<int> descending = rows;
    ClickHeader(itemlist::kDamage);
    EXPECT_EQ(Shown(), descending);
    EXPECT_EQ(m_list->List().SortState(), CExtListCtrl::kUnsorted);

    // Descending races: rows whose letters begin with a small letter come first.
    ClickHeader(itemlist::kRaces);
    ClickHeader(itemlist::kRaces);
    rows = Shown();
    bool capitals = false;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::wstring races = m_list->List().CellText(row, itemlist::kRaces);
        if (races.empty())
            continue;
        const bool small = races[0] >= L'a' && races[0] <= L'z';
        EXPECT_FALSE(small && capitals) << "row " << row;
        capitals |= !small;
    }
    // Refresh keeps the sort the header shows, on rows filled anew in number order.
    Click(IDC_ITEMLIST_REFRESH);
    model = ItemListRows(s_store->Game(), {});
    SortRows(s_store->Game(), model, itemlist::kRaces, true);
    expected.clear();
    for (const ItemListRow& row : model)
        expected.push_back(row.number);
    EXPECT_EQ(Shown(), expected);
}

TEST_F(ItemList, SelectedRowsAreCopiedOneWithoutHeaderTwoWithIt)
{
    ASSERT_NE(Open(), nullptr);
    auto clipboard = [] {
        std::wstring text;
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                text = static_cast<const wchar_t*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    };
    const int row = static_cast<int>(Position(Shown(), kTwoD4));
    Select(IDC_ITEMLIST_ITEMS, row, true);
    m_list->List().CopyToClipboard();
    std::wstring copied = clipboard();
    EXPECT_EQ(copied.substr(0, 10), L"TWO FOURS\t");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), L'\n'), 1);
    EXPECT_EQ(std::count(copied.begin(), copied.end(), L'\t'), 20);

    Select(IDC_ITEMLIST_ITEMS, row + 1, true);
    m_list->List().CopyToClipboard();
    copied = clipboard();
    EXPECT_EQ(std::count(copied.begin(), copied.end(), L'\n'), 3);
    EXPECT_EQ(copied.substr(0, copied.find(L"\r\n")),
              L"name\ttype\tskill\tweight\tprice\tAC\tto hit\tinitiative\tdamage\tP/S\thands\tcursed\tregen\tspell\t"
              L"resistances\tinvoke\teffects\traces\tprofessions\tgender\tattack modes")
        << "the header images' columns are named";
}

TEST_F(ItemList, TickingOneOfFiveSelectedFilterRowsTicksAllFive)
{
    ASSERT_NE(Open(), nullptr);
    Click(IDC_ITEMLIST_BY_PROPERTIES);
    for (int row = 0; row < 5; ++row)
        Select(IDC_ITEMLIST_PROPERTIES, row, true);
    Tick(IDC_ITEMLIST_PROPERTIES, 3, true);
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(StateImage(IDC_ITEMLIST_PROPERTIES, row), row < 5 ? 2 : 1) << row;
    Click(IDC_ITEMLIST_REFRESH);
    const ItemListFilter filter = m_list->Filter();
    EXPECT_EQ(filter.properties, (std::array<bool, 8>{true, true, true, true, true, false, false, false}));
    EXPECT_EQ(Shown(), Expected(filter));
}

TEST_F(ItemList, HidingTheFilterRaisesTheListAndShowingItPutsItBack)
{
    ASSERT_NE(Open(), nullptr);
    const RECT list = Place(IDC_ITEMLIST_ITEMS);
    EXPECT_EQ(list.top, Place(IDC_ITEMLIST_LIST_TOP).top);
    Click(IDC_ITEMLIST_TOGGLE_FILTER);
    EXPECT_TRUE(m_list->FilterHidden());
    RECT hidden = Place(IDC_ITEMLIST_ITEMS);
    EXPECT_EQ(hidden.top, Place(IDC_ITEMLIST_SKILL).top);
    EXPECT_EQ(hidden.left, list.left);
    EXPECT_EQ(hidden.right, list.right);
    EXPECT_EQ(hidden.bottom, list.bottom);
    for (int id : {IDC_ITEMLIST_TYPE, IDC_ITEMLIST_SKILL, IDC_ITEMLIST_EFFECTS, IDC_ITEMLIST_BY_PROPERTIES,
                   IDC_ITEMLIST_REFRESH, IDC_ITEMLIST_TYPE_LABEL})
        EXPECT_FALSE(IsWindowVisible(Control(id))) << id;
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ITEMLIST_TOGGLE_FILTER)));
    wchar_t text[32] = {};
    GetWindowTextW(Control(IDC_ITEMLIST_TOGGLE_FILTER), text, 32);
    EXPECT_STREQ(text, L"Show fi&lter");

    Click(IDC_ITEMLIST_TOGGLE_FILTER);
    EXPECT_EQ(Place(IDC_ITEMLIST_ITEMS).top, list.top);
    EXPECT_TRUE(IsWindowVisible(Control(IDC_ITEMLIST_RESISTANCES)));
    GetWindowTextW(Control(IDC_ITEMLIST_TOGGLE_FILTER), text, 32);
    EXPECT_STREQ(text, L"Hide fi&lter");
}

TEST_F(ItemList, TheListMeetsTheStatusBarAndTheWindowKeepsItsPlacement)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\DialogsData");
    ASSERT_NE(Open(), nullptr);
    RECT window{};
    GetWindowRect(m_dialog, &window);
    MINMAXINFO limits{};
    SendMessageW(m_dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, window.right - window.left) << "no smaller than the template";

    MoveWindow(m_dialog, window.left + 20, window.top + 10, window.right - window.left + 120,
               window.bottom - window.top + 90, TRUE);
    PumpMessages();
    EXPECT_EQ(Place(IDC_ITEMLIST_ITEMS).bottom, Place(IDC_ITEMLIST_STATUS).top);
    EXPECT_NEAR(Place(IDC_ITEMLIST_REFRESH).right, Place(IDC_ITEMLIST_ITEMS).right, 1) << "both follow the right edge";
    GetWindowRect(m_dialog, &window);
    ShowWindow(m_dialog, SW_MAXIMIZE);
    PumpMessages();
    EXPECT_EQ(Place(IDC_ITEMLIST_ITEMS).bottom, Place(IDC_ITEMLIST_STATUS).top);
    Close();

    DWORD size = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\DialogsData\\WizItemList", L"Placement",
                           RRF_RT_REG_BINARY, nullptr, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 44u);
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(IsZoomed(m_dialog));
    EXPECT_EQ(Place(IDC_ITEMLIST_ITEMS).bottom, Place(IDC_ITEMLIST_STATUS).top);
    ShowWindow(m_dialog, SW_RESTORE);
    PumpMessages();
    RECT restored{};
    GetWindowRect(m_dialog, &restored);
    EXPECT_EQ(restored.left, window.left);
    EXPECT_EQ(restored.right, window.right);
    EXPECT_EQ(restored.bottom, window.bottom);
    Close();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\DialogsData");
}

TEST_F(ItemList, ADoubleClickOpensTheItemViewerModalOnTheRowsItem)
{
    ASSERT_NE(Open(), nullptr);
    ClickHeader(itemlist::kName);
    const int row = static_cast<int>(Position(Shown(), kOddBlade));
    std::wstring shown;
    bool modal = false;
    RunSoon([&] {
        HWND viewer = GetActiveWindow();
        wchar_t id[16] = {};
        GetDlgItemTextW(viewer, IDC_ITEM_ID, id, 16);
        shown = id;
        modal = !IsWindowEnabled(m_dialog);
        PostMessageW(viewer, WM_COMMAND, IDCANCEL, 0);
    });
    NMITEMACTIVATE click{};
    click.hdr = {Control(IDC_ITEMLIST_ITEMS), IDC_ITEMLIST_ITEMS, static_cast<UINT>(NM_DBLCLK)};
    click.iItem = row;
    EXPECT_EQ(SendMessageW(m_dialog, WM_NOTIFY, IDC_ITEMLIST_ITEMS, reinterpret_cast<LPARAM>(&click)), 0);
    EXPECT_EQ(shown, std::to_wstring(kOddBlade));
    EXPECT_TRUE(modal) << "the list waits for the viewer";
    EXPECT_TRUE(IsWindowEnabled(m_dialog));
}

TEST_F(ItemList, TheMainWindowOpensANewListAtEachPress)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    HWND button = GetDlgItem(main.Handle(), IDC_ITEM_LIST);
    EXPECT_TRUE(IsWindowEnabled(button));
    SendMessageW(button, BM_CLICK, 0, 0);
    SendMessageW(button, BM_CLICK, 0, 0);
    std::vector<HWND> lists;
    for (HWND window : DialogsBeside(main.Handle()))
        if (dynamic_cast<CItemListDlg*>(CDialog::FromHandle(window)))
            lists.push_back(window);
    ASSERT_EQ(lists.size(), 2u);
    for (HWND list : lists)
        PostMessageW(list, WM_CLOSE, 0, 0);
    PumpMessages();
    DestroyWindow(main.Handle());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\DialogsData");
}
