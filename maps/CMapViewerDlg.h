#pragma once
// The Map Viewer: one map at a time with the marks the show options choose; the cell under the
// mouse and its events in words; a click on a cell with events opens Map Properties on it.

#include "maps/MapRenderer.h"
#include "maps/MapTileSet.h"
#include "maps/MapViewerContent.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/CResizableDlg.h"
#include "ui/Handles.h"
#include "ui/WindowIcons.h"

#include <functional>
#include <vector>

class CMapViewerDlg : public CResizableDlg {
public:
    // Reads the stored view state.
    CMapViewerDlg();

    void SelectMap(int map);
    int Map() const { return m_map; }
    const MapViewState& State() const { return m_state; }
    HWND PictureWindow() const { return m_picture.Handle(); }
    HBITMAP ShownBitmap() const { return m_picture.Bitmap(); }
    CScrollPictureWnd& Picture() { return m_picture; }

    // What a click on a cell with events calls: Map Properties, modal, unless replaced.
    using CellOpener = std::function<void(HWND owner, const MapCell& cell)>;
    void SetCellOpener(CellOpener opener) { m_openCell = std::move(opener); }

    static constexpr const wchar_t* kStateValue = L"vmapdata";
    static constexpr const wchar_t* kPlacementName = L"WizMapViewer";

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int width, int height) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void SetWindowIcons();
    void SetAnchors();
    void SetLegendPictures();
    void SetChecks() const;
    void OnOption();
    void OnToggleAll();
    void OnBattleMask();
    void TogglePanel();
    void Redraw(bool keepScroll);
    // The cell under a point of the dialog's client area; quadrant -1 for none.
    CellHit CellAt(POINT client) const;
    void OnMouseMove(POINT client);
    void OnClick(POINT client);
    bool OverPicture(POINT screen) const;
    void OpenCell(const MapCell& cell);

    MapViewState m_state;
    int m_map = 0;
    MapTileSet m_tiles;
    MapRenderer m_renderer;
    BitmapHandle m_bitmap;
    CScrollPictureWnd m_picture;
    std::vector<BitmapHandle> m_legendArt;
    CWindowIcons m_icons;
    CellOpener m_openCell;
    bool m_watchingLeave = false; // asked to hear when the mouse leaves the window
};
