#pragma once
// How a character stands against each profession's attribute requirements: one owner-drawn row
// per profession, coloured by what is current, allowed and restricted.

#include "saves/CharacterRecord.h"
#include "saves/Professions.h"
#include "ui/Dialog.h"

#include <vector>

class CCharProfessionsDlg : public CDialog {
public:
    explicit CCharProfessionsDlg(const CharacterRecord& record);

    const std::vector<ProfessionRow>& Rows() const { return m_rows; }

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;

private:
    void DrawRow(const DRAWITEMSTRUCT& item) const;

    CharacterRecord m_record;
    std::vector<ProfessionRow> m_rows;
};
