#pragma once
// A character's attitude towards every NPC, with the NPC's alliance icon; sorted on a click on
// a column header.

#include "saves/CharacterLists.h"
#include "saves/CharacterRecord.h"
#include "ui/CExtListCtrl.h"
#include "ui/Dialog.h"

#include <vector>

class CCharNpcsDlg : public CDialog {
public:
    explicit CCharNpcsDlg(const CharacterRecord& record);

    static constexpr int kAllianceIcons = 9;
    static constexpr int kIconSize = 16;

protected:
    BOOL OnInitDialog() override;

private:
    int Compare(LPARAM first, LPARAM second, int column, int state) const;
    const NpcAttitudeRow* RowOf(LPARAM monster) const;

    CharacterRecord m_record;
    CExtListCtrl m_list;
    std::vector<NpcAttitudeRow> m_rows;
};
