// The Map Viewer and Map Properties driven as a user drives them: choosing maps and options,
// hiding the option panel, hovering over and clicking cells, and reading one cell's fields,
// loot, texts and event chains.

#include "gamedata/BmpFile.h"
#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/ResourceStrings.h"
#include "maps/CMapPropertiesDlg.h"
#include "maps/CMapViewerDlg.h"
#include "maps/MapLayout.h"
#include "res/resource.h"
#include "tests/maps/MapFixture.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/Bitmaps.h"
#include "ui/SaveBitmapAsBmp.h"
#include "ui/WinText.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using maptest::Event;
using maptest::With;

namespace {

constexpr int kShown = 16; // the map of the cells below: one quadrant at origin (16, 16)
constexpr int kOther = 5;  // the map an event manager reaches
constexpr int kLoot = 17;

// The map tests' installation with plain map tiles, the demo's maps, and two maps of our own:
// cell (6, 6) two fights, (5, 6) one fight, (1, 1) loot, texts and a manager that resets
// event 7 on map 5; (0, 0) nothing.
gamebuild::Installation CellsInstallation()
{
    gamebuild::Installation installation = maptest::MapInstallation();
    gamebuild::AddDemoMaps(installation);
    installation.pictures["MON14.PIC"] = {pic::Form::MaskedBlocks,
                                          std::vector<gamebuild::PicFrame>(35, {8, 8, Record(64, 1)})};
    installation.pictures["MON16.PIC"] = {pic::Form::MaskedBlocks,
                                          std::vector<gamebuild::PicFrame>(8, {8, 8, Record(64, 1)})};
    gamebuild::MapLevel level;
    level.originX[0] = 16;
    level.originY[0] = 16;
    installation.scenario.maps[kShown] = gamebuild::MapRecordBytes(level);
    installation.scenario.maps[kOther] = gamebuild::MapRecordBytes(level);
    installation.scenario.events[kShown] = {
        With(Event(4, 0, 6, 6), 0, 0, 0, 7),
        With(Event(4, 0, 6, 6, 3), 0, 0, 1, 2),
        With(Event(4, 0, 5, 6), 0, 0, 0, 8),
        With(Event(3, 0, 1, 1, 5), 0, 710, 0, kLoot),
        With(Event(16, 0, 1, 1), 999, 0, 0, 0), // a message that is not there: no entry
        With(Event(11, 0, 1, 1), 0, 0, (3 << 13) | (kOther << 8) | 7, 0),
        With(Event(19, 0, 2, 2), 9, 0, 0, 0), // an item usage that sets and resets nothing
    };
    installation.scenario.events[kOther] = {
        With(Event(16, 0, 1, 1, 7), 710, 0, 0, 0),
        With(Event(4, 0, 2, 2, 8), 0, 0, 0, 1),
        With(Event(4, 0, 3, 3, 7), 0, 0, 0, 1),
    };
    Record loot(54, 0);
    ByteWriter(loot).U16(0, 20).U16(2, 10).U8(4, 1).U8(5, 60) // 10-20 gold
        .U16(6, 2).U16(8, 2).U8(10, 2).U8(11, 30);            // item 2
    installation.scenario.loot[kLoot] = loot;
    installation.messages[710] = {"A door."};
    return installation;
}

class MapWindows : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(CellsInstallation().Write(s_folder->Path()));
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    void SetUp() override
    {
        m_store = std::make_unique<TestStore>(s_folder->Path());
        ASSERT_TRUE(m_store->Loaded());
    }
    void TearDown() override
    {
        Close();
        m_store.reset();
    }

    // A Map Viewer whose clicks on cells are recorded instead of opening Map Properties.
    CMapViewerDlg* Open()
    {
        m_viewer = CViewerDialog::Open<CMapViewerDlg>();
        if (m_viewer)
            m_viewer->SetCellOpener([this](HWND, const MapCell& cell) { m_opened.push_back(cell); });
        return m_viewer;
    }
    void Close()
    {
        if (m_viewer)
            DestroyWindow(m_viewer->Handle());
        m_viewer = nullptr;
        PumpMessages();
    }

    HWND Item(int id) const { return GetDlgItem(m_viewer->Handle(), id); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    std::wstring Text(int id) const
    {
        wchar_t text[512] = {};
        GetWindowTextW(Item(id), text, 512);
        return text;
    }
    // The point of the viewer's client area over pixel (x, y) of the drawing shown.
    POINT OverPixel(int x, int y) const
    {
        const POINT scrolled = m_viewer->Picture().GetScrollPosition();
        POINT at{x - scrolled.x, y - scrolled.y};
        MapWindowPoints(m_viewer->PictureWindow(), m_viewer->Handle(), &at, 1);
        return at;
    }
    POINT OverCell(int quadrant, int x, int y) const
    {
        const MapRenderParams p = MapRenderParams::ForEdition(false);
        const MapLayout layout = LayOutMap(MapData::Load(m_store->Game(), kShown)->Record(), p);
        return OverPixel(layout.CellPixelX(p, quadrant, x) + 5, layout.CellPixelY(p, quadrant, y) + 5);
    }
    void Mouse(UINT message, POINT at) const
    {
        SendMessageW(m_viewer->Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
    }
    void ChooseMap(int map) const
    {
        SendMessageW(Item(IDC_MAP_LIST), CB_SETCURSEL, static_cast<WPARAM>(map), 0);
        SendMessageW(m_viewer->Handle(), WM_COMMAND, MAKEWPARAM(IDC_MAP_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_MAP_LIST)));
    }

    static std::unique_ptr<TempFolder> s_folder;
    std::unique_ptr<TestStore> m_store;
    CMapViewerDlg* m_viewer = nullptr;
    std::vector<MapCell> m_opened;
};
std::unique_ptr<TempFolder> MapWindows::s_folder;

std::vector<uint8_t> StoredBytes(const wchar_t* name, DWORD* type = nullptr)
{
    HKEY key = nullptr;
    std::vector<uint8_t> bytes(64);
    DWORD size = static_cast<DWORD>(bytes.size()), kind = 0;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    if (RegQueryValueExW(key, name, nullptr, &kind, bytes.data(), &size) != ERROR_SUCCESS)
        size = 0;
    RegCloseKey(key);
    if (type)
        *type = kind;
    bytes.resize(size);
    return bytes;
}

void StoreBytes(const wchar_t* name, const std::vector<uint8_t>& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

constexpr int kOptionIds[] = {
    IDC_MAP_SHOW_LADDERS, IDC_MAP_SHOW_STAIRS, IDC_MAP_SHOW_PITS, IDC_MAP_SHOW_FOUNTAINS, IDC_MAP_SHOW_CHESTS,
    IDC_MAP_SHOW_TELEPORTERS, IDC_MAP_SHOW_FIGHTS, IDC_MAP_SHOW_LOOT, IDC_MAP_SHOW_TEXTS,
    IDC_MAP_SHOW_SECRET_BUTTONS, IDC_MAP_SHOW_ILLUSION_WALLS, IDC_MAP_SHOW_ITEM_USAGES,
    IDC_MAP_SHOW_NEGATIVE_EFFECTS, IDC_MAP_SHOW_LEVERS, IDC_MAP_SHOW_MOVERS, IDC_MAP_SHOW_LOCKED_DOORS,
    IDC_MAP_SHOW_INCIDENTS, IDC_MAP_SHOW_HIDDEN_THINGS, IDC_MAP_SHOW_EVENT_MANAGERS, IDC_MAP_SHOW_ACTION_FORKS,
    IDC_MAP_SHOW_NO_MONSTER_AREAS};

TEST_F(MapWindows, ViewerOpensOnMapZeroWithThePanelShownAndNothingMarked)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(SendMessageW(Item(IDC_MAP_LIST), CB_GETCOUNT, 0, 0), 32);
    EXPECT_EQ(SendMessageW(Item(IDC_MAP_LIST), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(IDC_MAP_LIST).substr(0, 5), L"{00} ");
    EXPECT_NE(m_viewer->ShownBitmap(), nullptr);
    EXPECT_EQ(Text(IDC_MAP_PANEL_BUTTON), L"Hide filter controls &>>");
    for (int id : kOptionIds) {
        EXPECT_FALSE(Checked(id)) << id;
        EXPECT_TRUE(IsWindowVisible(Item(id))) << id;
    }
    EXPECT_FALSE(Checked(IDC_MAP_TOGGLE_ALL));
    EXPECT_FALSE(Checked(IDC_MAP_SHOW_BATTLE_MASK));
    EXPECT_TRUE(m_store->Platform().errors.empty());
}

TEST_F(MapWindows, ToggleAllSetsEveryBitAndOptionsRebuildTheMask)
{
    ASSERT_TRUE(Open());
    Click(IDC_MAP_TOGGLE_ALL);
    EXPECT_EQ(m_viewer->State().Options(), 0xFFFFFFFFu);
    for (int id : kOptionIds)
        EXPECT_TRUE(Checked(id)) << id;

    // Bits 16 to 20 are not looked at by "To&ggle All"; the boxes give 21 bits only.
    Click(IDC_MAP_SHOW_INCIDENTS);
    EXPECT_EQ(m_viewer->State().Options(), 0x001EFFFFu);
    EXPECT_TRUE(Checked(IDC_MAP_TOGGLE_ALL));
    Click(IDC_MAP_SHOW_LADDERS);
    EXPECT_FALSE(Checked(IDC_MAP_TOGGLE_ALL));

    Click(IDC_MAP_TOGGLE_ALL);
    Click(IDC_MAP_TOGGLE_ALL);
    EXPECT_EQ(m_viewer->State().Options(), 0u);
    for (int id : kOptionIds)
        EXPECT_FALSE(Checked(id)) << id;
}

TEST_F(MapWindows, RedrawingForAnOptionKeepsTheScrollPosition)
{
    ASSERT_TRUE(Open());
    // The largest demo map does not fit the window.
    int map = 0;
    for (; map < 32; ++map) {
        ChooseMap(map);
        if (m_viewer->Picture().IsScrollBarShown(true))
            break;
    }
    ASSERT_LT(map, 32) << "some map needs scrolling";
    // The end key scrolls to the bottom, and the redraws for an option keep it there.
    SendMessageW(m_viewer->PictureWindow(), WM_KEYDOWN, VK_END, 0);
    const POINT bottom = m_viewer->Picture().GetScrollPosition();
    EXPECT_GT(bottom.y, 0);
    Click(IDC_MAP_SHOW_FIGHTS);
    Click(IDC_MAP_SHOW_BATTLE_MASK);
    EXPECT_EQ(m_viewer->Picture().GetScrollPosition().y, bottom.y);
    SendMessageW(m_viewer->PictureWindow(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(m_viewer->Picture().GetScrollPosition().y, 0);
    // A turn of the wheel towards the user scrolls down.
    SendMessageW(m_viewer->PictureWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_GT(m_viewer->Picture().GetScrollPosition().y, 0);
    // A new map starts at the top.
    ChooseMap(kShown);
    EXPECT_EQ(m_viewer->Picture().GetScrollPosition().y, 0);
}

TEST_F(MapWindows, OptionsAndThePanelSurviveClosingAndALongerValueIsIgnored)
{
    ASSERT_TRUE(Open());
    RECT shown{};
    GetWindowRect(m_viewer->PictureWindow(), &shown);
    Click(IDC_MAP_SHOW_FIGHTS);
    Click(IDC_MAP_SHOW_BATTLE_MASK);
    Click(IDC_MAP_PANEL_BUTTON);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MAP_SHOW_FIGHTS)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MAP_SEPARATOR)));
    EXPECT_EQ(Text(IDC_MAP_PANEL_BUTTON), L"<&< Show filter controls");
    RECT hidden{}, button{};
    GetWindowRect(m_viewer->PictureWindow(), &hidden);
    GetWindowRect(Item(IDC_MAP_PANEL_BUTTON), &button);
    EXPECT_EQ(hidden.right, button.right) << "the map takes the panel's room";
    Close();

    DWORD type = 0;
    EXPECT_EQ(StoredBytes(L"vmapdata", &type), (std::vector<uint8_t>{1, 0, 0, 0, 0x40, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    ASSERT_TRUE(Open());
    EXPECT_TRUE(Checked(IDC_MAP_SHOW_FIGHTS));
    EXPECT_TRUE(Checked(IDC_MAP_SHOW_BATTLE_MASK));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MAP_SHOW_FIGHTS)));
    Click(IDC_MAP_PANEL_BUTTON);
    EXPECT_TRUE(IsWindowVisible(Item(IDC_MAP_SHOW_FIGHTS)));
    RECT again{};
    GetWindowRect(m_viewer->PictureWindow(), &again);
    EXPECT_EQ(again.right - again.left, shown.right - shown.left);
    Close();

    StoreBytes(L"vmapdata", {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0});
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Checked(IDC_MAP_SHOW_LADDERS));
    EXPECT_FALSE(Checked(IDC_MAP_SHOW_BATTLE_MASK));
    EXPECT_TRUE(IsWindowVisible(Item(IDC_MAP_SHOW_LADDERS)));
}

TEST_F(MapWindows, TheMapGrowsWithTheWindowAndThePlacementIsKept)
{
    ASSERT_TRUE(Open());
    RECT window{}, picture{}, fights{};
    GetWindowRect(m_viewer->Handle(), &window);
    GetWindowRect(m_viewer->PictureWindow(), &picture);
    GetWindowRect(Item(IDC_MAP_SHOW_FIGHTS), &fights);
    SetWindowPos(m_viewer->Handle(), nullptr, 0, 0, window.right - window.left + 100, window.bottom - window.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT grown{}, moved{};
    GetWindowRect(m_viewer->PictureWindow(), &grown);
    GetWindowRect(Item(IDC_MAP_SHOW_FIGHTS), &moved);
    EXPECT_EQ(grown.right - grown.left, picture.right - picture.left + 100);
    EXPECT_EQ(grown.bottom - grown.top, picture.bottom - picture.top + 60);
    EXPECT_EQ(moved.left, fights.left + 100);
    EXPECT_EQ(moved.top, fights.top) << "the panel keeps to the top";
    // Hidden, the panel leaves the map its room at the new size too.
    Click(IDC_MAP_PANEL_BUTTON);
    RECT button{};
    GetWindowRect(Item(IDC_MAP_PANEL_BUTTON), &button);
    GetWindowRect(m_viewer->PictureWindow(), &grown);
    EXPECT_EQ(grown.right, button.right);
    Close();

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Tallowmark\\DialogsData\\WizMapViewer", 0, KEY_QUERY_VALUE,
                            &key),
              ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Placement", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(size, 44u);
    ASSERT_TRUE(Open());
    RECT reopened{};
    GetWindowRect(m_viewer->Handle(), &reopened);
    EXPECT_EQ(reopened.right - reopened.left, window.right - window.left + 100);
}

TEST_F(MapWindows, HoverNamesTheCellAndItsEventsAndAClickOpensOnlyCellsWithEvents)
{
    ASSERT_TRUE(Open());
    ChooseMap(kShown);
    Mouse(WM_MOUSEMOVE, OverCell(0, 6, 6));
    EXPECT_EQ(Text(IDC_MAP_HOVER), L"Quadrant 0 (6, 6)  <Fight>, <Fight>");
    Mouse(WM_MOUSEMOVE, OverCell(0, 0, 0));
    EXPECT_EQ(Text(IDC_MAP_HOVER), L"Quadrant 0 (0, 0)");
    RECT list{};
    GetWindowRect(Item(IDC_MAP_LIST), &list);
    POINT outside{list.left + 2, list.top + 2};
    ScreenToClient(m_viewer->Handle(), &outside);
    Mouse(WM_MOUSEMOVE, outside);
    EXPECT_EQ(Text(IDC_MAP_HOVER), L"");
    Mouse(WM_MOUSEMOVE, OverCell(0, 0, 0));
    SendMessageW(m_viewer->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Text(IDC_MAP_HOVER), L"") << "the mouse left the window from over the map";

    Mouse(WM_LBUTTONDOWN, OverCell(0, 0, 0));
    Mouse(WM_LBUTTONDOWN, outside);
    // Inside the picture, beyond the drawing of this one-quadrant map.
    RECT picture{};
    GetClientRect(m_viewer->PictureWindow(), &picture);
    Mouse(WM_LBUTTONDOWN, OverPixel(picture.right - 30, picture.bottom - 30));
    EXPECT_TRUE(m_opened.empty());
    Mouse(WM_LBUTTONDOWN, OverCell(0, 5, 6));
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], (MapCell{kShown, 0, 5, 6}));
}

TEST_F(MapWindows, TheSavedPictureIsTheMapAsDrawnForTheOptions)
{
    ASSERT_TRUE(Open());
    ChooseMap(3);
    Click(IDC_MAP_SHOW_FIGHTS);
    Click(IDC_MAP_SHOW_LADDERS);
    TempFolder out;
    ASSERT_TRUE(SaveBitmapAsBmp(Widen(out.File("map.bmp")), m_viewer->ShownBitmap()));
    const auto bytes = ReadGameFile(out.File("map.bmp"));
    ASSERT_TRUE(bytes);
    const std::optional<Image> saved = DecodeBmp(*bytes);
    ASSERT_TRUE(saved);

    // What the command line's "map 3 --options 0x41" draws.
    MapTileSet tiles;
    ASSERT_TRUE(BuildMapTileSet(m_store->Game(), 2, tiles));
    MapRenderer renderer(m_store->Game());
    renderer.SetMap(3);
    renderer.SetOptions(0x41, false);
    renderer.SetTileSet(&tiles);
    const std::optional<Image> drawn = renderer.Render();
    ASSERT_TRUE(drawn);
    ASSERT_EQ(saved->Width(), drawn->Width());
    ASSERT_EQ(saved->Height(), drawn->Height());
    EXPECT_TRUE(saved->Pixels() == drawn->Pixels());
}

// ---- Map Properties --------------------------------------------------------------------------

class MapProperties : public MapWindows {
protected:
    // Opens the window on a cell of the shown map, runs check inside it, then closes it.
    void Inspect(int x, int y, const std::function<void(CMapPropertiesDlg&)>& check)
    {
        CMapPropertiesDlg dialog;
        dialog.SetCell(kShown, 0, x, y);
        dialog.SetItemOpener([this](HWND, int item) { m_items.push_back(item); });
        dialog.SetWarner([this](HWND, const std::wstring& text) { m_warnings.push_back(text); });
        RunSoon([&] {
            m_dialog = dialog.Handle();
            check(dialog);
            dialog.EndDialog(IDOK);
        });
        EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    }
    HWND Field(int id) const { return GetDlgItem(m_dialog, id); }
    std::wstring FieldText(int id) const
    {
        wchar_t text[512] = {};
        GetWindowTextW(Field(id), text, 512);
        return text;
    }
    bool Shown(int id) const { return IsWindowVisible(Field(id)) != FALSE; }
    std::wstring TreeText(HTREEITEM item) const
    {
        wchar_t text[256] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 256;
        TreeView_GetItem(Field(IDC_CELL_CHAINS), &data);
        return text;
    }

    HWND m_dialog = nullptr;
    std::vector<int> m_items;
    std::vector<std::wstring> m_warnings;
};

TEST_F(MapProperties, OneEntryShowsInTheEditSeveralInAList)
{
    Inspect(5, 6, [&](CMapPropertiesDlg&) {
        EXPECT_EQ(FieldText(IDC_CELL_COORDINATES), L"Map {16} Quadrant 0 (5,6)");
        EXPECT_TRUE(Shown(IDC_CELL_FIGHT));
        EXPECT_FALSE(Shown(IDC_CELL_FIGHT_LIST));
        EXPECT_FALSE(FieldText(IDC_CELL_FIGHT).empty());
    });
    Inspect(6, 6, [&](CMapPropertiesDlg&) {
        EXPECT_FALSE(Shown(IDC_CELL_FIGHT));
        EXPECT_TRUE(Shown(IDC_CELL_FIGHT_LIST));
        EXPECT_EQ(SendMessageW(Field(IDC_CELL_FIGHT_LIST), CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageW(Field(IDC_CELL_FIGHT_LIST), CB_GETCURSEL, 0, 0), 0);
        EXPECT_FALSE(Shown(IDC_CELL_TEXT)) << "no texts here";
    });
}

TEST_F(MapProperties, TextsSkipEmptyMessagesAndLootOpensItemsButNotGold)
{
    Inspect(1, 1, [&](CMapPropertiesDlg& dialog) {
        EXPECT_EQ(SendMessageW(Field(IDC_CELL_TEXT_LIST), CB_GETCOUNT, 0, 0), 1) << "the empty message adds none";
        EXPECT_FALSE(IsWindowEnabled(Field(IDC_CELL_TEXT_LIST)));
        EXPECT_TRUE(Shown(IDC_CELL_TEXT));
        EXPECT_EQ(FieldText(IDC_CELL_TEXT), L"A door.");
        EXPECT_NE(dialog.TextPicture(), nullptr);

        const HWND loot = Field(IDC_CELL_LOOT);
        EXPECT_TRUE(IsWindowEnabled(loot));
        ASSERT_EQ(ListView_GetItemCount(loot), 2);
        for (int row = 0; row < 2; ++row) {
            NMITEMACTIVATE activate{};
            activate.hdr = {loot, IDC_CELL_LOOT, NM_DBLCLK};
            activate.iItem = row;
            SendMessageW(m_dialog, WM_NOTIFY, IDC_CELL_LOOT, reinterpret_cast<LPARAM>(&activate));
        }
    });
    EXPECT_EQ(m_items, std::vector<int>{2}) << "the gold row opens nothing";
}

TEST_F(MapProperties, ChainsFollowAResetToAnotherMapAndLoseButtonsThatLeadNowhere)
{
    Inspect(1, 1, [&](CMapPropertiesDlg&) {
        const HWND tree = Field(IDC_CELL_CHAINS);
        const HTREEITEM manager = TreeView_GetRoot(tree);
        ASSERT_NE(manager, nullptr);
        EXPECT_EQ(TreeView_GetChild(tree, manager), nullptr) << "filled when expanded";
        // "*" on the keypad is refused with a warning and expands nothing.
        SetFocus(tree);
        SendMessageW(tree, WM_KEYDOWN, VK_MULTIPLY, 0);
        ASSERT_EQ(m_warnings.size(), 1u);
        EXPECT_EQ(m_warnings[0], L"This option is disabled due to high possibility of infinite item nesting...");
        EXPECT_EQ(TreeView_GetChild(tree, manager), nullptr);

        // A manager goes straight to the events it reaches.
        EXPECT_EQ(TreeText(manager).substr(0, 16), L"Resets event [7]");
        EXPECT_NE(TreeText(manager).find(L"Map {05}"), std::wstring::npos);
        TreeView_Expand(tree, manager, TVE_EXPAND);
        int under = 0;
        for (HTREEITEM item = TreeView_GetChild(tree, manager); item; item = TreeView_GetNextSibling(tree, item)) {
            EXPECT_EQ(TreeText(item).substr(0, 4), L"[7] ");
            ++under;
        }
        EXPECT_EQ(under, 2) << "the two events numbered 7 of map 5";
    });
    Inspect(2, 2, [&](CMapPropertiesDlg&) {
        const HWND tree = Field(IDC_CELL_CHAINS);
        const HTREEITEM usage = TreeView_GetRoot(tree);
        ASSERT_NE(usage, nullptr);
        TVITEMW data{};
        data.mask = TVIF_CHILDREN;
        data.hItem = usage;
        TreeView_GetItem(tree, &data);
        EXPECT_EQ(data.cChildren, 1) << "it may lead somewhere until it is opened";
        TreeView_Expand(tree, usage, TVE_EXPAND);
        TreeView_GetItem(tree, &data);
        EXPECT_EQ(data.cChildren, 0) << "its button goes when nothing was added";
    });
}

} // namespace
