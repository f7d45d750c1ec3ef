#include "saves/CWorldInfoDlg.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CWorldMapDlg.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

namespace {

constexpr int kAllianceIconSize = 16;
constexpr int kAllianceIconCount = 9;
constexpr COLORREF kAllianceMask = RGB(96, 96, 128);
constexpr const char* kSelectFirst = "Select an Item in the item list to view it on the map!";

int ClientWidth(const CListView& list)
{
    RECT client{};
    GetClientRect(list.Handle(), &client);
    return client.right;
}

void PrepareList(const CListView& list, HIMAGELIST images)
{
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (images)
        list.SetImageList(images, LVSIL_SMALL);
}

LRESULT RowActivated(NMHDR& header, const std::function<void(int)>& act)
{
    act(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
    return 0;
}

} // namespace

CWorldInfoDlg::CWorldInfoDlg(std::string path) : CDialog(IDD_WORLD_INFO), m_path(std::move(path)) {}

CWorldInfoDlg::~CWorldInfoDlg() = default;

void CWorldInfoDlg::ShowModal(HWND owner, const std::string& path)
{
    CWorldInfoDlg dialog(path);
    dialog.DoModal(owner);
}

BOOL CWorldInfoDlg::OnInitDialog()
{
    CGameData* game = GetGameData();
    if (game) {
        BuildMapTileSet(*game, 2, m_tiles);
        m_renderer = std::make_unique<MapRenderer>(*game);
    }
    // The alliance icons: nine of 16 x 16 side by side.
    if (HBITMAP strip = static_cast<HBITMAP>(
            LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDB_ALLIANCES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        m_allianceIcons.Reset(
            ImageList_Create(kAllianceIconSize, kAllianceIconSize, ILC_COLOR32 | ILC_MASK, kAllianceIconCount, 0));
        if (m_allianceIcons)
            ImageList_AddMasked(m_allianceIcons.Get(), strip, kAllianceMask);
        DeleteObject(strip);
    }
    PrepareLists();
    FillNpcs();

    m_world.Load(m_path); // a file that cannot be read again leaves the window empty
    FillWorldItems();
    FillParty();
    FillAlliances();

    BindClick(IDC_WORLD_VIEW_PARTY, [this] {
        if (m_world.position)
            ShowMap(m_world.position->map, -1);
    });
    BindClick(IDC_WORLD_VIEW_ITEM, [this] { OnViewItem(); });
    BindCommand(IDC_WORLD_NPCS, CBN_SELCHANGE, [this] { ShowEntry(); });
    BindNotify(IDC_WORLD_ITEMS, NM_DBLCLK,
               [this](NMHDR& header) { return RowActivated(header, [this](int row) { OnItemDoubleClick(row); }); });
    BindNotify(IDC_WORLD_OFFERS, NM_DBLCLK,
               [this](NMHDR& header) { return RowActivated(header, [this](int row) { OnOfferDoubleClick(row); }); });
    BindNotify(IDC_WORLD_ITEMS, LVN_ITEMCHANGED, [this](NMHDR&) {
        EnableItem(IDC_WORLD_VIEW_ITEM, m_itemList.GetNextSelected() >= 0);
        return LRESULT{0};
    });
    return TRUE;
}

void CWorldInfoDlg::OnDestroy()
{
    m_renderer.reset();
    m_tiles = {};
}

void CWorldInfoDlg::PrepareLists()
{
    const CGameData* game = GetGameData();
    HIMAGELIST items = game ? SharedImageList(game->ItemImagesSmall()) : nullptr;
    m_itemList.Attach(Handle(), IDC_WORLD_ITEMS);
    m_allianceList.Attach(Handle(), IDC_WORLD_ALLIANCES);
    m_offerList.Attach(Handle(), IDC_WORLD_OFFERS);
    m_npcs.Attach(Handle(), IDC_WORLD_NPCS);
    m_itemListExt.AttachToDialog(Handle(), IDC_WORLD_ITEMS);
    m_allianceListExt.AttachToDialog(Handle(), IDC_WORLD_ALLIANCES);
    m_offerListExt.AttachToDialog(Handle(), IDC_WORLD_OFFERS);
    m_itemListExt.SetSortCallback(SortByCellText([this](LPARAM data, int column) {
        const WorldItemRow& row = m_items.rows[static_cast<size_t>(data)];
        return column == 0 ? row.name : column == 1 ? row.location : row.count;
    }));
    m_allianceListExt.SetSortCallback(SortByCellText([this](LPARAM data, int column) {
        const AllianceRow& row = m_alliances[static_cast<size_t>(data)];
        return column == 0 ? row.name : row.attitude;
    }));
    m_offerListExt.SetSortCallback(
        SortByCellText([this](LPARAM data, int) { return m_offers.rows[static_cast<size_t>(data)].name; }));
    PrepareList(m_itemList, items);
    PrepareList(m_allianceList, m_allianceIcons.Get());
    PrepareList(m_offerList, items);
    m_npcs.SetImageList(m_allianceIcons.Get());

    // The world's items fill more rows than the list shows: room for the scroll bar, so that
    // the columns need no horizontal one.
    int w = ClientWidth(m_itemList) - GetSystemMetrics(SM_CXVSCROLL);
    m_itemList.InsertColumn(0, L"name", w / 2);
    m_itemList.InsertColumn(1, L"Location", (w / 2) / 4 * 3);
    m_itemList.InsertColumn(2, L"N", (w / 2) / 4);
    w = ClientWidth(m_allianceList);
    m_allianceList.InsertColumn(0, L"Alliance", (w / 4) * 3);
    m_allianceList.InsertColumn(1, L"Attitute", w / 4);
    m_offerList.InsertColumn(0, L"name", ClientWidth(m_offerList) - GetSystemMetrics(SM_CXVSCROLL));
}

void CWorldInfoDlg::FillNpcs()
{
    const CGameData* game = GetGameData();
    if (!game)
        return;
    m_entries = BuildNpcEntries(*game);
    m_npcs.SetRedraw(false);
    for (const NpcEntry& entry : m_entries)
        m_npcs.InsertItem(-1, Widen(entry.name).c_str(), entry.icon, entry.data);
    m_npcs.SetRedraw(true);
}

void CWorldInfoDlg::FillWorldItems()
{
    const CGameData* game = GetGameData();
    if (game)
        m_items = BuildWorldItems(*game, m_world);
    m_itemList.SetRedraw(false);
    m_itemList.DeleteAllItems();
    for (size_t i = 0; i < m_items.rows.size(); ++i) {
        const WorldItemRow& row = m_items.rows[i];
        const int at = m_itemList.InsertItem(static_cast<int>(i), row.name, row.image, row.data);
        m_itemList.SetItemText(at, 1, row.location);
        m_itemList.SetItemText(at, 2, row.count);
    }
    m_itemList.SetRedraw(true);
    SetItemText(IDC_WORLD_ITEM_TOTAL, m_items.total);
    EnableItem(IDC_WORLD_VIEW_ITEM, false);
}

void CWorldInfoDlg::FillParty()
{
    SetItemText(IDC_WORLD_AVAILABILITY, AvailabilityText(m_world));
    if (const CGameData* game = GetGameData()) {
        const PartyPlaceText place = BuildPartyPlace(*game, m_world);
        SetItemText(IDC_WORLD_MAP_NAME, place.map);
        SetItemText(IDC_WORLD_COORDINATES, place.coordinates);
        SetItemText(IDC_WORLD_FACING, place.facing);
    }
    EnableItem(IDC_WORLD_VIEW_PARTY, m_world.position.has_value() && m_renderer);
}

void CWorldInfoDlg::FillAlliances()
{
    const CGameData* game = GetGameData();
    if (!game)
        return;
    m_alliances = BuildAlliances(*game, m_world);
    for (size_t i = 0; i < m_alliances.size(); ++i) {
        const int at = m_allianceList.InsertItem(static_cast<int>(i), m_alliances[i].name, m_alliances[i].icon,
                                                 static_cast<LPARAM>(i));
        m_allianceList.SetItemText(at, 1, m_alliances[i].attitude);
    }
}

void CWorldInfoDlg::ShowEntry()
{
    const CGameData* game = GetGameData();
    const int chosen = m_npcs.GetCurSel();
    if (!game || chosen < 0 || chosen >= static_cast<int>(m_entries.size()))
        return;
    m_offers = BuildOffers(*game, m_world, m_entries[static_cast<size_t>(chosen)].data);
    m_offerList.SetRedraw(false);
    m_offerList.DeleteAllItems();
    for (size_t i = 0; i < m_offers.rows.size(); ++i)
        m_offerList.InsertItem(static_cast<int>(i), m_offers.rows[i].name, m_offers.rows[i].image,
                               static_cast<LPARAM>(i));
    m_offerList.SetRedraw(true);
    SetItemText(IDC_WORLD_STATUS, m_offers.status);
}

void CWorldInfoDlg::OnItemDoubleClick(int row)
{
    if (row < 0)
        return;
    const size_t place = static_cast<size_t>(m_itemList.GetItemData(row));
    if (place >= m_items.places.size())
        return;
    const int item = m_items.places[place].item;
    if (item < 0)
        m_hooks.Report(Handle(), kNotIdentified);
    else
        m_hooks.OpenItem(Handle(), item);
}

void CWorldInfoDlg::OnOfferDoubleClick(int row)
{
    if (row < 0)
        return;
    const size_t index = static_cast<size_t>(m_offerList.GetItemData(row));
    if (index < m_offers.rows.size() && m_offers.rows[index].data >= 0) // gold rows open nothing
        m_hooks.OpenItem(Handle(), m_offers.rows[index].data);
}

int CWorldInfoDlg::SelectedPlace() const
{
    const int row = m_itemList.GetNextSelected();
    return row < 0 ? -1 : static_cast<int>(m_itemList.GetItemData(row));
}

void CWorldInfoDlg::OnViewItem()
{
    const int place = SelectedPlace();
    if (place < 0 || place >= static_cast<int>(m_items.places.size())) {
        m_hooks.Report(Handle(), kSelectFirst);
        return;
    }
    ShowMap(m_items.places[static_cast<size_t>(place)].map, place);
}

void CWorldInfoDlg::ShowMap(int map, int chosenRow)
{
    if (!m_renderer)
        return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const WorldMapView view = BuildWorldMap(m_world, m_items, map, chosenRow, IsItemChecked(IDC_WORLD_NOTICEABLE));
    m_renderer->SetMap(map);
    m_renderer->SetTileSet(&m_tiles);
    if (view.party)
        m_renderer->SetHighlight(view.party->quadrant, view.party->x, view.party->y, view.party->facing);
    if (view.chosen)
        m_renderer->SetMarker(view.chosen->quadrant, view.chosen->x, view.chosen->y, view.chosen->icon);
    m_renderer->SetMarkerList(view.markers);
    std::optional<Image> picture = m_renderer->Render();
    m_renderer->SetMarkerList({});
    SetCursor(previous);
    if (!picture)
        return; // the map record cannot be read
    m_lastMap = view;
    CWorldMapDlg window(CreateBitmapFromImage(*picture), *m_renderer, map, m_world, m_hooks);
    if (m_workArea)
        window.SetWorkArea(*m_workArea);
    window.DoModal(Handle());
}
