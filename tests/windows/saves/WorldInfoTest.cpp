// World Info driven as a user drives it, on save files written for each test beside the demo
// installation: the lists and what their rows open, sorting, the NPCs' offers, the maps with
// the party and the items marked, a map cell's items, and a damaged file.

#include "gamedata/CGameData.h"
#include "gamedata/ItemName.h"
#include "items/ItemRecord.h"
#include "res/resource.h"
#include "saves/CCellItemsDlg.h"
#include "saves/CWorldInfoDlg.h"
#include "saves/CWorldMapDlg.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using gamebuild::SaveWorld;
using gamebuild::SaveWorldItem;

constexpr uint8_t kIdentified = 0x80;

// The party on map 4, quadrant 2, cell (5, 3), facing east; six item records of which two are
// spent (no item; no place); one unidentified item with a count lies on the party's cell.
SaveWorld SmallWorld()
{
    SaveWorld world;
    world.filler = 2;
    world.map = 4, world.quadrant = 2, world.x = 5, world.y = 3, world.facing = 1;
    auto item = [](int map, int quadrant, int x, int y, int number, uint8_t flags, int count, int icon) {
        SaveWorldItem record;
        record.map = static_cast<uint8_t>(map), record.quadrant = static_cast<uint8_t>(quadrant);
        record.x = static_cast<uint8_t>(x), record.y = static_cast<uint8_t>(y);
        record.item = static_cast<uint16_t>(number), record.flags = flags;
        record.count = static_cast<uint8_t>(count), record.icon = static_cast<uint8_t>(icon);
        return record;
    };
    world.items = {item(4, 2, 5, 3, 30, kIdentified, 3, 100), item(4, 1, 1, 1, 0, kIdentified, 1, 101),
                   item(255, 0, 2, 2, 31, kIdentified, 1, 102), item(4, 2, 5, 3, 32, 0, 5, 103),
                   item(6, 1, 2, 2, 12, kIdentified, 1, 104), item(4, 0, 1, 6, 20, kIdentified, 0, 105)};
    world.availabilityStep = 3;
    world.alliances = {25, -12, 0, 48, -70, 10, 5, -5};
    for (int i = 0; i < 100; ++i)
        world.rolls.push_back(static_cast<uint8_t>((i * 37) % 100));
    return world;
}

class WorldInfo : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        StoreSetting(L"w7path", Widen(DemoGameFolder()));
        m_game = std::make_unique<CGameData>(m_platform);
        ASSERT_TRUE(m_game->Loaded());
        SetGameData(m_game.get());
        m_hooks.openItem = [this](HWND owner, int item) { m_opened.emplace_back(owner, item); };
        m_hooks.report = [this](HWND, const std::string& text) { m_reports.push_back(text); };
    }
    void TearDown() override
    {
        m_dialog.reset();
        ReleaseSharedImageLists();
        SetGameData(nullptr);
        m_game.reset();
        ClearSettings();
    }

    std::string WriteSave(const SaveWorld& world, std::optional<size_t> length = std::nullopt) const
    {
        gamebuild::SaveFile save;
        save.world = world;
        save.length = length;
        const std::string path = m_folder.File("WORLD.DBS");
        EXPECT_TRUE(gamebuild::WriteBytes(path, gamebuild::SaveFileBytes(save)));
        return path;
    }
    void Open(const std::string& path)
    {
        m_dialog = std::make_unique<CWorldInfoDlg>(path);
        m_dialog->SetHooks(m_hooks);
        ASSERT_TRUE(m_dialog->Create(nullptr));
    }

    HWND Item(int id) const { return m_dialog->Item(id); }
    std::wstring Text(int id) const { return m_dialog->ItemText(id); }
    CListView List(int id) const { return CListView(Item(id)); }
    std::vector<std::wstring> Column(int id, int column) const
    {
        std::vector<std::wstring> texts;
        const CListView list = List(id);
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, column));
        return texts;
    }
    void Choose(int index) const
    {
        SendMessageW(Item(IDC_WORLD_NPCS), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(m_dialog->Handle(), WM_COMMAND, MAKEWPARAM(IDC_WORLD_NPCS, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_WORLD_NPCS)));
    }
    int EntryCount() const { return static_cast<int>(SendMessageW(Item(IDC_WORLD_NPCS), CB_GETCOUNT, 0, 0)); }
    void DoubleClickRow(int id, int row) const
    {
        HWND list = Item(id);
        RECT place{};
        place.left = LVIR_LABEL;
        ASSERT_TRUE(ListView_GetItemRect(list, row, &place, LVIR_LABEL)) << "row " << row;
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2));
    }
    void Select(int id, int row) const { List(id).SelectItem(row); }
    // What a click on a column header sends.
    void SortBy(int id, int column) const
    {
        NMLISTVIEW header{};
        header.hdr = {Item(id), static_cast<UINT_PTR>(id), LVN_COLUMNCLICK};
        header.iItem = -1;
        header.iSubItem = column;
        SendMessageW(m_dialog->Handle(), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&header));
    }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // Runs check inside the map window that action opens, then closes it.
    void InMapWindow(const std::function<void()>& action, std::function<void(CWorldMapDlg&)> check)
    {
        bool ran = false;
        RunSoon([&] {
            for (HWND window : DialogsBeside(m_dialog->Handle()))
                if (auto* map = dynamic_cast<CWorldMapDlg*>(CDialog::FromHandle(window))) {
                    ran = true;
                    check(*map);
                    map->EndDialog(IDCANCEL);
                }
        });
        action();
        EXPECT_TRUE(ran) << "no map window";
    }

    TempFolder m_folder;
    CapturingPlatform m_platform;
    std::unique_ptr<CGameData> m_game;
    std::unique_ptr<CWorldInfoDlg> m_dialog;
    WorldHooks m_hooks;
    std::vector<std::pair<HWND, int>> m_opened;
    std::vector<std::string> m_reports;
};

std::wstring Name(const CGameData& game, int item) { return Widen(ExpandItemName(ItemRecord(game.GetItem(item)).name())); }

TEST_F(WorldInfo, ShowsWhereThePartyStandsAndEveryItemLyingInTheWorld)
{
    Open(WriteSave(SmallWorld()));
    EXPECT_EQ(Text(IDC_WORLD_MAP_NAME).substr(0, 5), L"{04} ");
    EXPECT_EQ(Text(IDC_WORLD_COORDINATES), L"Quadrant 2 (5, 3)  ");
    EXPECT_EQ(Text(IDC_WORLD_FACING), L"EAST");
    EXPECT_EQ(Text(IDC_WORLD_AVAILABILITY), L"27");

    // The spent records are neither listed nor counted.
    EXPECT_EQ(Text(IDC_WORLD_ITEM_TOTAL), L"4 item(s) total");
    const std::vector<std::wstring> names = Column(IDC_WORLD_ITEMS, 0);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], Name(*m_game, 30));
    EXPECT_NE(names[1], Name(*m_game, 32)) << "unidentified: the unidentified name";
    EXPECT_EQ(Column(IDC_WORLD_ITEMS, 1)[2], L"Map {06} Quadrant 1 (2,2)");
    EXPECT_EQ(Column(IDC_WORLD_ITEMS, 2), (std::vector<std::wstring>{L"3", L"", L"1", L""}))
        << "no count for the unidentified item nor for a count of 0";

    const std::vector<std::wstring> attitudes = Column(IDC_WORLD_ALLIANCES, 1);
    EXPECT_EQ(attitudes, (std::vector<std::wstring>{L"25", L"-12", L"0", L"48", L"-70", L"10", L"5", L"-5"}));
    EXPECT_EQ(Column(IDC_WORLD_ALLIANCES, 0)[3], Widen(m_game->AllianceName(4)));

    // "View item on the Map..." follows the selection.
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_WORLD_VIEW_ITEM)));
    Select(IDC_WORLD_ITEMS, 2);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_WORLD_VIEW_ITEM)));
    ListView_SetItemState(Item(IDC_WORLD_ITEMS), -1, 0, LVIS_SELECTED);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_WORLD_VIEW_ITEM)));
    SendMessageW(m_dialog->Handle(), WM_COMMAND, MAKEWPARAM(IDC_WORLD_VIEW_ITEM, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_WORLD_VIEW_ITEM)));
    EXPECT_EQ(m_reports, (std::vector<std::string>{"Select an Item in the item list to view it on the map!"}));

    // A double click opens an identified item; an unidentified one gives the hint.
    DoubleClickRow(IDC_WORLD_ITEMS, 2);
    DoubleClickRow(IDC_WORLD_ITEMS, 1);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], std::make_pair(m_dialog->Handle(), 12));
    ASSERT_EQ(m_reports.size(), 2u);
    EXPECT_EQ(m_reports[1], "Item was not identified by your characters!");
}

TEST_F(WorldInfo, RowsKeepTheirItemThroughSorting)
{
    Open(WriteSave(SmallWorld()));
    SortBy(IDC_WORLD_ITEMS, 0);
    std::vector<std::wstring> names = Column(IDC_WORLD_ITEMS, 0);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return _wcsicmp(a.c_str(), b.c_str()) < 0;
    }));
    SortBy(IDC_WORLD_ITEMS, 0);
    const std::vector<std::wstring> reversed = Column(IDC_WORLD_ITEMS, 0);
    EXPECT_EQ(reversed, std::vector<std::wstring>(names.rbegin(), names.rend())) << "a second click reverses";
    // Each row still opens its own item, and its place on the map.
    for (int row = 0; row < 4; ++row) {
        m_opened.clear();
        m_reports.clear();
        DoubleClickRow(IDC_WORLD_ITEMS, row);
        const std::wstring name = reversed[static_cast<size_t>(row)];
        if (name == Name(*m_game, 30) || name == Name(*m_game, 12) || name == Name(*m_game, 20)) {
            ASSERT_EQ(m_opened.size(), 1u) << "row " << row;
            EXPECT_EQ(Name(*m_game, m_opened[0].second), name);
        } else {
            EXPECT_EQ(m_reports.size(), 1u) << "row " << row;
        }
    }
    SortBy(IDC_WORLD_ITEMS, 2);
    EXPECT_EQ(Column(IDC_WORLD_ITEMS, 2), (std::vector<std::wstring>{L"1", L"3", L"", L""})) << "numbers as numbers";
    SortBy(IDC_WORLD_ALLIANCES, 1);
    EXPECT_EQ(Column(IDC_WORLD_ALLIANCES, 1).front(), L"-70");
    EXPECT_EQ(Column(IDC_WORLD_ALLIANCES, 0).front(), Widen(m_game->AllianceName(5)));
}

TEST_F(WorldInfo, ShowsWhatEachNpcAndShopOffers)
{
    const std::string path = WriteSave(SmallWorld());
    Open(path);
    const int entries = EntryCount();
    ASSERT_GE(entries, 3);
    WorldState world;
    ASSERT_TRUE(world.Load(path));
    const std::vector<NpcEntry> model = BuildNpcEntries(*m_game);
    ASSERT_EQ(static_cast<int>(model.size()), entries);

    // The shops have no status; every entry's rows are the model's, with their images.
    Choose(entries - 1);
    EXPECT_EQ(Text(IDC_WORLD_STATUS), L"");
    bool sawGold = false, sawItem = false;
    for (int entry = 0; entry < entries; ++entry) {
        Choose(entry);
        const Offers offers = BuildOffers(*m_game, world, model[static_cast<size_t>(entry)].data);
        EXPECT_EQ(Text(IDC_WORLD_STATUS), Widen(offers.status)) << "entry " << entry;
        const std::vector<std::wstring> rows = Column(IDC_WORLD_OFFERS, 0);
        ASSERT_EQ(rows.size(), offers.rows.size()) << "entry " << entry;
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i], Widen(offers.rows[i].name));
        if (sawGold && sawItem)
            continue;
        // Gold rows open nothing; item rows open their item.
        for (size_t i = 0; i < rows.size(); ++i) {
            m_opened.clear();
            DoubleClickRow(IDC_WORLD_OFFERS, static_cast<int>(i));
            if (offers.rows[i].data < 0) {
                sawGold = true;
                EXPECT_TRUE(m_opened.empty());
            } else {
                sawItem = true;
                ASSERT_EQ(m_opened.size(), 1u);
                EXPECT_EQ(m_opened[0].second, offers.rows[i].data);
            }
        }
    }
    EXPECT_TRUE(sawGold && sawItem) << "the demo's NPCs offer gold and items";

    // Sorted, a row still opens its own item.
    for (int entry = 0; entry < entries; ++entry) {
        Choose(entry);
        if (List(IDC_WORLD_OFFERS).GetItemCount() < 3)
            continue;
        SortBy(IDC_WORLD_OFFERS, 0);
        SortBy(IDC_WORLD_OFFERS, 0);
        const Offers offers = BuildOffers(*m_game, world, model[static_cast<size_t>(entry)].data);
        const std::wstring first = List(IDC_WORLD_OFFERS).GetItemText(0, 0);
        m_opened.clear();
        DoubleClickRow(IDC_WORLD_OFFERS, 0);
        for (const OfferRow& row : offers.rows)
            if (Widen(row.name) == first && row.data >= 0) {
                ASSERT_EQ(m_opened.size(), 1u);
                EXPECT_EQ(Name(*m_game, m_opened[0].second), first);
            }
        break;
    }
}

TEST_F(WorldInfo, MapsMarkThePartyOnItsOwnMapAndTheChosenItem)
{
    Open(WriteSave(SmallWorld()));
    InMapWindow([&] { Click(IDC_WORLD_VIEW_PARTY); }, [&](CWorldMapDlg& map) {
        EXPECT_EQ(map.Map(), 4);
        EXPECT_EQ(GetWindowTextLengthW(map.Handle()) > 0, true);
        wchar_t title[64] = {};
        GetWindowTextW(map.Handle(), title, 64);
        EXPECT_EQ(std::wstring(title).substr(0, 16), L"World Map: {04} ");
        EXPECT_NE(map.Panel().Bitmap(), nullptr);
    });
    ASSERT_TRUE(m_dialog->LastMap());
    EXPECT_TRUE(m_dialog->LastMap()->party);
    EXPECT_FALSE(m_dialog->LastMap()->chosen);
    EXPECT_EQ(m_dialog->LastMap()->markers.size(), 3u) << "the listed items of map 4";

    // The item on map 6: no party there; its own icon, then the noticeable ones.
    Select(IDC_WORLD_ITEMS, 2);
    InMapWindow([&] { Click(IDC_WORLD_VIEW_ITEM); }, [&](CWorldMapDlg& map) { EXPECT_EQ(map.Map(), 6); });
    ASSERT_TRUE(m_dialog->LastMap() && m_dialog->LastMap()->chosen);
    EXPECT_FALSE(m_dialog->LastMap()->party);
    EXPECT_EQ(m_dialog->LastMap()->chosen->icon, 104);
    Click(IDC_WORLD_NOTICEABLE);
    InMapWindow([&] { Click(IDC_WORLD_VIEW_ITEM); }, [](CWorldMapDlg&) {});
    EXPECT_EQ(m_dialog->LastMap()->chosen->icon, 84);
    ASSERT_EQ(m_dialog->LastMap()->markers.size(), 1u);
    EXPECT_EQ(m_dialog->LastMap()->markers[0].icon, 38);
}

TEST_F(WorldInfo, ACellClickListsThatCellsItems)
{
    Open(WriteSave(SmallWorld()));
    InMapWindow([&] { Click(IDC_WORLD_VIEW_PARTY); }, [&](CWorldMapDlg& map) {
        const MapRenderer& renderer = map.Renderer();
        auto pointOf = [&](int quadrant, int x, int y) {
            const MapRenderParams& p = renderer.Params();
            POINT at{renderer.Layout().CellPixelX(p, quadrant, x) + 4, renderer.Layout().CellPixelY(p, quadrant, y) + 4};
            const CellHit hit = renderer.HitTest(at.x, at.y);
            EXPECT_EQ(hit.quadrant, quadrant);
            EXPECT_EQ(hit.x, x);
            EXPECT_EQ(hit.y, y);
            const POINT scroll = map.Panel().GetScrollPosition();
            at.x -= scroll.x, at.y -= scroll.y;
            MapWindowPoints(map.Panel().Handle(), map.Handle(), &at, 1);
            return at;
        };
        // The party's cell holds two items; the unidentified one gives the hint.
        bool listed = false;
        RunSoon([&] {
            for (HWND window : DialogsBeside(m_dialog->Handle()))
                if (auto* cell = dynamic_cast<CCellItemsDlg*>(CDialog::FromHandle(window))) {
                    listed = true;
                    EXPECT_EQ(cell->ItemText(IDC_WORLD_ITEM_TOTAL), L"2 item(s) total");
                    HWND list = cell->Item(IDC_WORLD_ITEMS);
                    EXPECT_EQ(CListView(list).GetItemText(0, 0), Name(*m_game, 30));
                    EXPECT_EQ(CListView(list).GetItemText(0, 1), L"3");
                    EXPECT_EQ(CListView(list).GetItemText(1, 1), L"");
                    RECT place{};
                    place.left = LVIR_LABEL;
                    ListView_GetItemRect(list, 1, &place, LVIR_LABEL);
                    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(place.left + 4, place.top + 4));
                    ListView_GetItemRect(list, 0, &place, LVIR_LABEL);
                    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(place.left + 4, place.top + 4));
                    cell->EndDialog(IDCANCEL);
                }
        });
        POINT at = pointOf(2, 5, 3);
        SendMessageW(map.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        EXPECT_TRUE(listed);
        EXPECT_EQ(m_reports, (std::vector<std::string>{"Item was not identified by your characters!"}));
        ASSERT_EQ(m_opened.size(), 1u);
        EXPECT_EQ(m_opened[0].second, 30);

        // A cell without items does nothing.
        EXPECT_FALSE(map.OpenCellAt([&] {
            POINT empty = pointOf(2, 4, 3);
            MapWindowPoints(map.Handle(), map.Panel().Handle(), &empty, 1);
            return empty;
        }()));
    });
}

TEST_F(WorldInfo, AMapWiderThanTheWorkAreaScrolls)
{
    Open(WriteSave(SmallWorld()));
    const RECT area{0, 0, 320, 900};
    m_dialog->SetMapWorkArea(area);
    InMapWindow([&] { Click(IDC_WORLD_VIEW_PARTY); }, [&](CWorldMapDlg& map) {
        BITMAP picture{};
        GetObjectW(map.Panel().Bitmap(), sizeof picture, &picture);
        ASSERT_GT(picture.bmWidth, 320) << "the demo's map 4 is wider than the area";
        RECT outer{};
        GetWindowRect(map.Handle(), &outer);
        EXPECT_EQ(outer.right - outer.left, 320);
        EXPECT_TRUE(map.Panel().IsScrollBarShown(false));
        EXPECT_FALSE(map.Panel().IsScrollBarShown(true)) << "its height fits";
    });
    // Too wide and too tall: the whole work area, both bars.
    m_dialog->SetMapWorkArea({0, 0, 320, 200});
    InMapWindow([&] { Click(IDC_WORLD_VIEW_PARTY); }, [&](CWorldMapDlg& map) {
        RECT outer{};
        GetWindowRect(map.Handle(), &outer);
        EXPECT_EQ(outer.right - outer.left, 320);
        EXPECT_EQ(outer.bottom - outer.top, 200);
        EXPECT_TRUE(map.Panel().IsScrollBarShown(false));
        EXPECT_TRUE(map.Panel().IsScrollBarShown(true));
    });
}

TEST_F(WorldInfo, ADamagedOrMissingFileLeavesTheWindowEmpty)
{
    for (const std::string& path : {WriteSave(SmallWorld(), 600), m_folder.File("GONE.DBS")}) {
        Open(path);
        EXPECT_EQ(Text(IDC_WORLD_ITEM_TOTAL), L"0 item(s) total");
        EXPECT_EQ(Text(IDC_WORLD_MAP_NAME), L"");
        EXPECT_EQ(Text(IDC_WORLD_AVAILABILITY), L"");
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_WORLD_VIEW_PARTY)));
        EXPECT_EQ(List(IDC_WORLD_ALLIANCES).GetItemCount(), 8);
        EXPECT_EQ(Column(IDC_WORLD_ALLIANCES, 1)[0], L"");
        Choose(0);
        Choose(EntryCount() - 1);
        EXPECT_EQ(List(IDC_WORLD_OFFERS).GetItemCount(), 0) << "no rolls, no offers";
        EXPECT_TRUE(m_reports.empty());
    }
}

} // namespace
