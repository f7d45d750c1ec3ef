#pragma once
// A character's attitude towards every NPC, with the NPC's alliance icon; sorted on a click on
// a column header.

#include "saves/CharacterLists.h"
#include "saves/CharacterRecord.h"
#include "ui/Dialog.h"

#include <vector>

class CCharNpcsDlg : public CDialog {
public:
    explicit CCharNpcsDlg(const CharacterRecord& record);

    static constexpr int kAllianceIcons = 9;
    static constexpr int kIconSize = 16;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void SortBy(int column);
    static int CALLBACK Compare(LPARAM first, LPARAM second, LPARAM self);
    const NpcAttitudeRow* RowOf(LPARAM monster) const;

    CharacterRecord m_record;
    std::vector<NpcAttitudeRow> m_rows;
    int m_sortColumn = -1;
    bool m_descending = false;
};
