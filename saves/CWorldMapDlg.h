#pragma once
// A map of the world in a modal window sized to it: the party and the items marked. A click on
// a cell where items lie lists them (CCellItemsDlg); the picture's context menu saves it.

#include "maps/MapRenderer.h"
#include "saves/WorldContent.h"
#include "saves/WorldDialogs.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"
#include "ui/WindowIcons.h"

#include <optional>

class CWorldMapDlg : public CDialog {
public:
    // Shows bitmap (owned from now on), drawn by renderer, of map; world gives the items of a cell.
    CWorldMapDlg(BitmapHandle bitmap, const MapRenderer& renderer, int map, const WorldState& world,
                 const WorldHooks& hooks);

    // The work area the window fits into; by default the desktop's.
    void SetWorkArea(const RECT& area) { m_workArea = area; }

    const CScrollPictureWnd& Panel() const { return m_panel; }
    const MapRenderer& Renderer() const { return m_renderer; }
    int Map() const { return m_map; }
    // Lists the items of the cell under a point of the picture window's client area, if any lie
    // there; false when none do.
    bool OpenCellAt(POINT panelPoint);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FitToPicture();

    BitmapHandle m_bitmap;
    const MapRenderer& m_renderer;
    int m_map;
    const WorldState& m_world;
    const WorldHooks& m_hooks;
    std::optional<RECT> m_workArea;
    CScrollPictureWnd m_panel;
    CWindowIcons m_icons;
};
