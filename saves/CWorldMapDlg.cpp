#include "saves/CWorldMapDlg.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CCellItemsDlg.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <algorithm>
#include <windowsx.h>

CWorldMapDlg::CWorldMapDlg(BitmapHandle bitmap, const MapRenderer& renderer, int map, const WorldState& world,
                           const WorldHooks& hooks)
    : CDialog(IDD_WORLD_MAP), m_bitmap(std::move(bitmap)), m_renderer(renderer), m_map(map), m_world(world),
      m_hooks(hooks)
{
}

BOOL CWorldMapDlg::OnInitDialog()
{
    if (const CGameData* game = GetGameData()) {
        if (HIMAGELIST icons = SharedImageList(game->ItemImagesSmall())) {
            m_icons.Set(Handle(), ImageList_GetIcon(icons, worldmap::kMapWindowIcon, ILD_NORMAL),
                        ImageList_GetIcon(icons, worldmap::kMapWindowIcon, ILD_NORMAL));
        }
    }
    SetWindowTextW(Handle(), Widen(WorldMapTitle(m_map)).c_str());
    m_panel.ReplaceControl(Handle(), IDC_WORLD_MAP_PICTURE);
    m_panel.SetPassMouse(true); // clicks reach the window, which finds the cell
    FitToPicture();
    return TRUE;
}

// The client area fits the picture; a window wider than the work area takes its width and room
// for a horizontal scroll bar, and one then taller takes its height and room for a vertical one.
void CWorldMapDlg::FitToPicture()
{
    const HWND window = Handle(), panel = m_panel.Handle();
    BITMAP picture{};
    if (!m_bitmap || !GetObjectW(m_bitmap.Get(), sizeof picture, &picture))
        return;
    RECT area{};
    if (m_workArea)
        area = *m_workArea;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;

    // The panel's edge and the window's frame lie around the picture.
    RECT panelOuter{}, panelClient{}, outer{}, client{};
    GetWindowRect(panel, &panelOuter);
    GetClientRect(panel, &panelClient);
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int edgeWidth = (panelOuter.right - panelOuter.left) - panelClient.right;
    const int edgeHeight = (panelOuter.bottom - panelOuter.top) - panelClient.bottom;
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;

    int width = picture.bmWidth + edgeWidth + frameWidth;
    int height = picture.bmHeight + edgeHeight + frameHeight;
    if (width > areaWidth) {
        width = areaWidth;
        height += GetSystemMetrics(SM_CYHSCROLL);
    }
    if (height > areaHeight) {
        height = areaHeight;
        width = std::min(width + GetSystemMetrics(SM_CXVSCROLL), areaWidth);
    }
    const int left = area.left + (areaWidth - width) / 2, top = area.top + (areaHeight - height) / 2;
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(window, &client);
    MoveWindow(panel, 0, 0, client.right, client.bottom, FALSE);
    m_panel.SetBitmap(m_bitmap.Get());
}

bool CWorldMapDlg::OpenCellAt(POINT panelPoint)
{
    RECT client{};
    GetClientRect(m_panel.Handle(), &client);
    if (!PtInRect(&client, panelPoint))
        return false;
    const POINT scroll = m_panel.GetScrollPosition();
    const CellHit hit = m_renderer.HitTest(panelPoint.x + scroll.x, panelPoint.y + scroll.y);
    if (hit.quadrant < 0 || !GetGameData())
        return false;
    CCellItemsDlg cell(m_world, m_map, hit.quadrant, hit.x, hit.y, m_hooks);
    if (cell.Items().rows.empty())
        return false;
    cell.DoModal(Handle());
    return true;
}

bool CWorldMapDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_LBUTTONDOWN: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(Handle(), m_panel.Handle(), &point, 1);
        OpenCellAt(point);
        result = TRUE;
        return true;
    }
    case WM_CONTEXTMENU: {
        // Inside the picture (or from the keyboard) the picture's own menu: saving it.
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT panel{};
        GetWindowRect(m_panel.Handle(), &panel);
        if (lParam == -1 || PtInRect(&panel, screen))
            m_panel.ShowContextMenu(screen);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}
