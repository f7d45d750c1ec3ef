#pragma once
// The items lying on one cell of a map of the world, in a small modal window.

#include "saves/WorldContent.h"
#include "saves/WorldDialogs.h"
#include "ui/Dialog.h"

class CCellItemsDlg : public CDialog {
public:
    CCellItemsDlg(const WorldState& world, int map, int quadrant, int x, int y, const WorldHooks& hooks);

    const WorldItemList& Items() const { return m_items; }

protected:
    BOOL OnInitDialog() override;

private:
    void OnDoubleClick(int row);

    WorldItemList m_items;
    CListView m_list;
    CExtListCtrl m_listExt; // the same list: sorting, copying
    const WorldHooks& m_hooks;
};
