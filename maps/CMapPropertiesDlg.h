#pragma once
// Map Properties: everything that stands on one cell of a map, its events sorted into fields,
// the loot and texts they hold, and the chains of events they set and reset through the maps.

#include "items/LootList.h"
#include "maps/CEventTreeCtrl.h"
#include "maps/CellContents.h"
#include "maps/EventChain.h"
#include "maps/MapTileSet.h"
#include "ui/CChoiceListCtrl.h"
#include "ui/CScrollPictureWnd.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

#include <functional>
#include <memory>
#include <vector>

class CMapPropertiesDlg : public CDialog {
public:
    CMapPropertiesDlg();
    ~CMapPropertiesDlg() override;

    void SetCell(int map, int quadrant, int x, int y);
    // Not owned: the Map Viewer's, for the legend pictures and the cell's tile.
    void SetTileSet(const MapTileSet* tiles) { m_tiles = tiles; }

    // What a double click on a loot row calls: the Item Viewer, modal, unless replaced.
    using ItemOpener = std::function<void(HWND owner, int item)>;
    void SetItemOpener(ItemOpener opener) { m_openItem = std::move(opener); }
    void SetWarner(CEventTreeCtrl::Warner warner) { m_tree.SetWarner(std::move(warner)); }

    const CellContents& Contents() const { return m_contents; }
    HBITMAP TextPicture() const { return m_textPicture.Bitmap(); }

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;

private:
    void SetIcons();
    void PrepareLootList();
    void FillField(int listId, int editId, const std::vector<CellEntry>& entries) const;
    void FillList(int listId, const std::vector<CellEntry>& entries) const;
    void FillTree();
    HTREEITEM InsertNode(HTREEITEM parent, int id);
    LRESULT OnExpanding(NMHDR& header);
    void ShowText();
    void ShowLoot();
    void ShowTransfer();
    void OnLootDoubleClick(int row);
    // The selected entry's index in its field's entries, or -1.
    int Selected(int listId) const;

    MapCell m_cell;
    const MapTileSet* m_tiles = nullptr;
    std::unique_ptr<EventDescriber> m_describer;
    std::unique_ptr<EventChainTree> m_chains;
    CellContents m_contents;
    std::vector<LootRow> m_lootRows;
    CEventTreeCtrl m_tree;
    CChoiceListCtrl m_loot;
    CScrollPictureWnd m_textPicture;
    BitmapHandle m_textBitmap;
    ImageListHandle m_treeIcons;
    std::vector<BitmapHandle> m_iconArt;
    ItemOpener m_openItem;
};
