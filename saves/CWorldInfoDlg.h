#pragma once
// World Info: the state of the world kept in a save file. Where the party stands, every item
// lying in the world, the alliances' attitudes, the party's item availability level, and what
// each NPC and shop holds or offers; maps of the world with the party and the items marked.
// A modal dialog, opened by the Save File Viewer on the file it loaded last.

#include "maps/MapRenderer.h"
#include "maps/MapTileSet.h"
#include "saves/Offers.h"
#include "saves/WorldContent.h"
#include "saves/WorldDialogs.h"
#include "ui/Dialog.h"
#include "ui/Handles.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWorldInfoDlg : public CDialog {
public:
    explicit CWorldInfoDlg(std::string path);
    ~CWorldInfoDlg() override;

    // Opens World Info modally over owner on the save file at path.
    static void ShowModal(HWND owner, const std::string& path);

    void SetHooks(WorldHooks hooks) { m_hooks = std::move(hooks); }
    // The work area the map windows fit into; by default the desktop's.
    void SetMapWorkArea(const RECT& area) { m_workArea = area; }

    // Shows the map m in its modal window, with the world-item list's row (its data) chosen, or -1.
    void ShowMap(int map, int chosenRow);

    const WorldState& World() const { return m_world; }
    const WorldItemList& WorldItems() const { return m_items; }
    const Offers& ShownOffers() const { return m_offers; }
    // What the map window shows or showed last.
    const std::optional<WorldMapView>& LastMap() const { return m_lastMap; }

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;

private:
    void PrepareLists();
    void FillNpcs();
    void FillWorldItems();
    void FillParty();
    void FillAlliances();
    void ShowEntry();
    void OnItemDoubleClick(int row);
    void OnOfferDoubleClick(int row);
    void OnViewItem();
    int SelectedPlace() const;

    std::string m_path;
    WorldState m_world;
    WorldItemList m_items;
    std::vector<AllianceRow> m_alliances;
    std::vector<NpcEntry> m_entries;
    Offers m_offers;
    std::optional<WorldMapView> m_lastMap;
    MapTileSet m_tiles;
    std::unique_ptr<MapRenderer> m_renderer;
    ImageListHandle m_allianceIcons;
    CListView m_itemList, m_allianceList, m_offerList;
    CExtListCtrl m_itemListExt, m_allianceListExt, m_offerListExt; // the same lists: sorting, copying
    CComboBoxEx m_npcs;
    WorldHooks m_hooks;
    std::optional<RECT> m_workArea;
};
