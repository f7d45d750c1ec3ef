#include "maps/CMapViewerDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/MainPictures.h"
#include "gamedata/ResourceStrings.h"
#include "maps/CMapPropertiesDlg.h"
#include "maps/MapData.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/Controls.h"
#include "ui/DwordSetting.h"
#include "ui/ImageLists.h"

#include <iterator>
#include <windowsx.h>

namespace {

struct Option {
    int id;
    uint32_t bit;
};
constexpr Option kOptions[] = {
    {IDC_MAP_SHOW_LADDERS, mapoption::kLadders},
    {IDC_MAP_SHOW_STAIRS, mapoption::kStairs},
    {IDC_MAP_SHOW_PITS, mapoption::kPits},
    {IDC_MAP_SHOW_FOUNTAINS, mapoption::kFountains},
    {IDC_MAP_SHOW_CHESTS, mapoption::kChests},
    {IDC_MAP_SHOW_TELEPORTERS, mapoption::kTeleporters},
    {IDC_MAP_SHOW_FIGHTS, mapoption::kFights},
    {IDC_MAP_SHOW_LOOT, mapoption::kLoot},
    {IDC_MAP_SHOW_TEXTS, mapoption::kTexts},
    {IDC_MAP_SHOW_SECRET_BUTTONS, mapoption::kSecretButtons},
    {IDC_MAP_SHOW_ILLUSION_WALLS, mapoption::kIllusionWalls},
    {IDC_MAP_SHOW_ITEM_USAGES, mapoption::kItemUsages},
    {IDC_MAP_SHOW_NEGATIVE_EFFECTS, mapoption::kNegativeEffects},
    {IDC_MAP_SHOW_LEVERS, mapoption::kLevers},
    {IDC_MAP_SHOW_MOVERS, mapoption::kMovers},
    {IDC_MAP_SHOW_LOCKED_DOORS, mapoption::kLockedDoors},
    {IDC_MAP_SHOW_INCIDENTS, mapoption::kIncidents},
    {IDC_MAP_SHOW_HIDDEN_THINGS, mapoption::kHiddenThings},
    {IDC_MAP_SHOW_EVENT_MANAGERS, mapoption::kEventManagers},
    {IDC_MAP_SHOW_ACTION_FORKS, mapoption::kActionForks},
    {IDC_MAP_SHOW_NO_MONSTER_AREAS, mapoption::kNoMonsterAreas},
};
constexpr int kLegendButtons[] = {IDC_MAP_LEGEND_LADDER, IDC_MAP_LEGEND_STAIRS, IDC_MAP_LEGEND_PIT,
                                  IDC_MAP_LEGEND_NEGATIVE_EFFECT, IDC_MAP_LEGEND_SECRET_BUTTON};
constexpr int kNegativeEffectIcon = 10; // of the 9-pixel state icons

// Every control of the option panel: what hiding the panel hides and what follows the right edge.
std::vector<int> PanelControls()
{
    std::vector<int> ids;
    for (const Option& option : kOptions)
        ids.push_back(option.id);
    ids.insert(ids.end(), std::begin(kLegendButtons), std::end(kLegendButtons));
    for (int id = IDC_MAP_FIRST_LEGEND; id <= IDC_MAP_LAST_LEGEND; ++id)
        ids.push_back(id);
    ids.insert(ids.end(), {IDC_MAP_TOGGLE_ALL, IDC_MAP_SHOW_BATTLE_MASK, IDC_MAP_SEPARATOR});
    return ids;
}

// The stored view state; its absence, or a value that cannot be read, leaves the defaults.
MapViewState ReadStoredState()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    RegistryKey owner(key);
    uint8_t bytes[MapViewState::kSize] = {};
    DWORD size = 0, type = 0;
    if (RegQueryValueExW(key, CMapViewerDlg::kStateValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > sizeof bytes)
        return {};
    if (RegQueryValueExW(key, CMapViewerDlg::kStateValue, nullptr, &type, bytes, &size) != ERROR_SUCCESS)
        return {};
    return MapViewState::FromStored(std::span<const uint8_t>(bytes, size));
}

void StoreState(const MapViewState& state)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegistryKey owner(key);
    RegSetValueExW(key, CMapViewerDlg::kStateValue, 0, REG_BINARY, state.Bytes().data(),
                   static_cast<DWORD>(state.Bytes().size()));
}

void OpenMapProperties(HWND owner, const MapCell& cell, const MapTileSet* tiles)
{
    CMapPropertiesDlg properties;
    properties.SetCell(cell.map, cell.quadrant, cell.x, cell.y);
    properties.SetTileSet(tiles);
    properties.DoModal(owner);
}

} // namespace

CMapViewerDlg::CMapViewerDlg()
    : CResizableDlg(IDD_MAP_VIEWER, kPlacementName), m_state(ReadStoredState()), m_renderer(*GetGameData())
{
    m_openCell = [this](HWND owner, const MapCell& cell) { OpenMapProperties(owner, cell, &m_tiles); };
}

BOOL CMapViewerDlg::OnInitDialog()
{
    CResizableDlg::OnInitDialog();
    CGameData& game = *GetGameData();
    SetChecks();
    SetWindowIcons();
    BuildMapTileSet(game, 2, m_tiles);
    m_renderer.SetTileSet(&m_tiles);
    m_renderer.SetParams(MapRenderParams::ForEdition(game.IsGold()));
    SetLegendPictures();

    const CComboBox list(Handle(), IDC_MAP_LIST);
    for (int map = 0; map < 32; ++map)
        list.AddString(MapListEntry(map));
    list.SetCurSel(0);

    if (m_picture.ReplaceControl(Handle(), IDC_MAP_PICTURE))
        m_picture.SetPassMouse(true);
    SetAnchors();
    Redraw(false);
    // The stored state is the one the toggle brings.
    m_state.SetPanelHidden(!m_state.PanelHidden());
    TogglePanel();

    BindCommand(IDC_MAP_LIST, CBN_SELCHANGE, [this] { SelectMap(CComboBox(Handle(), IDC_MAP_LIST).GetCurSel()); });
    for (const Option& option : kOptions)
        BindClick(option.id, [this] { OnOption(); });
    BindClick(IDC_MAP_TOGGLE_ALL, [this] { OnToggleAll(); });
    BindClick(IDC_MAP_SHOW_BATTLE_MASK, [this] { OnBattleMask(); });
    BindClick(IDC_MAP_PANEL_BUTTON, [this] { TogglePanel(); });
    return TRUE;
}

// The map grows both ways, the list and the hover text grow wider, the text follows the bottom;
// the panel and its button keep to the right edge.
void CMapViewerDlg::SetAnchors()
{
    AddAnchor(IDC_MAP_PICTURE, kStretchRight | kStretchDown);
    AddAnchor(IDC_MAP_LIST, kStretchRight);
    AddAnchor(IDC_MAP_HOVER, kStretchRight | kMoveDown);
    AddAnchor(IDC_MAP_PANEL_BUTTON, kMoveRight);
    for (int id : PanelControls())
        AddAnchor(id, kMoveRight);
}

// The window's icons are the map picture of the small item images.
void CMapViewerDlg::SetWindowIcons()
{
    const CGameData& game = *GetGameData();
    if (mainpictures::kMapViewerIcon >= game.ItemImagesSmall().Count())
        return;
    HIMAGELIST images = SharedImageList(game.ItemImagesSmall());
    m_icons.Set(Handle(), ImageList_GetIcon(images, mainpictures::kMapViewerIcon, ILD_NORMAL),
                ImageList_GetIcon(images, mainpictures::kMapViewerIcon, ILD_NORMAL));
}

void CMapViewerDlg::SetLegendPictures()
{
    const CGameData& game = *GetGameData();
    const auto show = [this](int id, const Image* image) {
        if (!image || image->Empty())
            return;
        m_legendArt.push_back(CreateBitmapFromImage(*image));
        CButton(Handle(), id).SetImage(m_legendArt.back().Get());
    };
    show(IDC_MAP_LEGEND_LADDER, m_tiles.Tile(tile::kLadder2));
    show(IDC_MAP_LEGEND_STAIRS, m_tiles.Tile(tile::kStairs));
    show(IDC_MAP_LEGEND_PIT, m_tiles.Tile(tile::kPit2));
    show(IDC_MAP_LEGEND_SECRET_BUTTON, m_tiles.Legend(legend::kSecretButton));
    show(IDC_MAP_LEGEND_NEGATIVE_EFFECT, game.StateIcons9().Get(kNegativeEffectIcon));
}

void CMapViewerDlg::SetChecks() const
{
    const uint32_t options = m_state.Options();
    for (const Option& option : kOptions)
        CButton(Handle(), option.id).SetCheck((options & option.bit) != 0);
    CButton(Handle(), IDC_MAP_TOGGLE_ALL).SetCheck(ToggleAllChecked(options));
    CButton(Handle(), IDC_MAP_SHOW_BATTLE_MASK).SetCheck(m_state.BattleMask());
}

void CMapViewerDlg::SelectMap(int map)
{
    if (map < 0 || map >= 32)
        return;
    m_map = map;
    const CComboBox list(Handle(), IDC_MAP_LIST);
    if (list.GetCurSel() != map)
        list.SetCurSel(map);
    Redraw(false);
}

void CMapViewerDlg::OnOption()
{
    uint32_t options = 0;
    for (const Option& option : kOptions)
        if (CButton(Handle(), option.id).IsChecked())
            options |= option.bit;
    m_state.SetOptions(options);
    CButton(Handle(), IDC_MAP_TOGGLE_ALL).SetCheck(ToggleAllChecked(options));
    Redraw(true);
}

void CMapViewerDlg::OnToggleAll()
{
    m_state.SetOptions(CButton(Handle(), IDC_MAP_TOGGLE_ALL).IsChecked() ? mapoption::kAll : 0);
    SetChecks();
    Redraw(true);
}

void CMapViewerDlg::OnBattleMask()
{
    m_state.SetBattleMask(CButton(Handle(), IDC_MAP_SHOW_BATTLE_MASK).IsChecked());
    Redraw(true);
}

void CMapViewerDlg::TogglePanel()
{
    const bool hidden = !m_state.PanelHidden();
    m_state.SetPanelHidden(hidden);
    const CControl picture(m_picture.Handle());
    RECT place = picture.RectInParent();
    place.right = CControl(Handle(), hidden ? IDC_MAP_PANEL_BUTTON : IDC_MAP_LIST).RectInParent().right;
    SetWindowPos(picture.Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : PanelControls())
        CControl(Handle(), id).Show(!hidden);
    CControl(Handle(), IDC_MAP_PANEL_BUTTON).SetText(ResourceString(hidden ? 23 : 22));
    const POINT scrolled = m_picture.GetScrollPosition();
    m_picture.SetBitmap(m_bitmap.Get());
    m_picture.SetScrollPosition(scrolled);
}

void CMapViewerDlg::Redraw(bool keepScroll)
{
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const POINT scrolled = m_picture.GetScrollPosition();
    m_picture.SetBitmap(nullptr);
    m_bitmap.Reset();
    m_renderer.SetMap(m_map);
    m_renderer.SetOptions(m_state.Options(), m_state.BattleMask());
    if (std::optional<Image> image = m_renderer.Render())
        m_bitmap = CreateBitmapFromImage(*image);
    m_picture.SetBitmap(m_bitmap.Get());
    if (keepScroll)
        m_picture.SetScrollPosition(scrolled);
    SetCursor(previous);
}

// ---- Mouse -----------------------------------------------------------------------------------

bool CMapViewerDlg::OverPicture(POINT screen) const
{
    RECT place{};
    return GetWindowRect(m_picture.Handle(), &place) && PtInRect(&place, screen);
}

CellHit CMapViewerDlg::CellAt(POINT client) const
{
    POINT point = client;
    ClientToScreen(Handle(), &point);
    if (!m_bitmap || !OverPicture(point))
        return {};
    ScreenToClient(m_picture.Handle(), &point);
    const POINT scrolled = m_picture.GetScrollPosition();
    return m_renderer.HitTest(point.x + scrolled.x, point.y + scrolled.y);
}

void CMapViewerDlg::OnMouseMove(POINT client)
{
    const CGameData& game = *GetGameData();
    CTextControl(Handle(), IDC_MAP_HOVER).SetTextIfChanged(HoverText(GetMapEventTable(game, m_map), CellAt(client)));
}

void CMapViewerDlg::OnClick(POINT client)
{
    const CellHit hit = CellAt(client);
    if (hit.quadrant < 0)
        return;
    // The keyboard then scrolls the map.
    SetFocus(m_picture.Handle());
    if (HasCellEvents(GetMapEventTable(*GetGameData(), m_map), hit.quadrant, hit.x, hit.y))
        OpenCell({m_map, hit.quadrant, hit.x, hit.y});
}

void CMapViewerDlg::OpenCell(const MapCell& cell)
{
    if (m_openCell)
        m_openCell(Handle(), cell);
}

bool CMapViewerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        if (!m_watchingLeave) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
            m_watchingLeave = TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSELEAVE:
        // Onto another window or a control: no cell is under the mouse any more.
        m_watchingLeave = false;
        CTextControl(Handle(), IDC_MAP_HOVER).SetTextIfChanged("");
        break;
    case WM_LBUTTONDOWN:
        OnClick(point);
        break;
    case WM_CONTEXTMENU:
        if (!OverPicture(point))
            break;
        m_picture.ShowContextMenu(point);
        result = TRUE;
        return true;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        // Wheel turns reach the dialog from the control with the focus; over the map they scroll it.
        if (!OverPicture(point))
            break;
        m_picture.Wheel(GET_WHEEL_DELTA_WPARAM(wParam),
                        message == WM_MOUSEHWHEEL || (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0);
        result = TRUE;
        return true;
    default:
        break;
    }
    return CResizableDlg::OnMessage(message, wParam, lParam, result);
}

void CMapViewerDlg::OnSize(UINT type, int width, int height)
{
    CResizableDlg::OnSize(type, width, height);
    if (type == SIZE_MINIMIZED || !m_picture.Handle())
        return;
    const POINT scrolled = m_picture.GetScrollPosition();
    m_picture.SetBitmap(m_bitmap.Get());
    m_picture.SetScrollPosition(scrolled);
}

void CMapViewerDlg::OnDestroy()
{
    StoreState(m_state);
    m_picture.SetBitmap(nullptr);
    m_bitmap.Reset();
    m_tiles = {};
    CResizableDlg::OnDestroy();
}
