#pragma once
// A character's items: slots 0-9 with their equipped and cursed marks, and slots 10-19. A
// double click opens an identified item in the Item Viewer.

#include "saves/CharacterLists.h"
#include "saves/CharacterRecord.h"
#include "ui/CExtListCtrl.h"
#include "ui/CImagePanel.h"
#include "ui/Dialog.h"

#include <functional>
#include <string>

class CCharItemsDlg : public CDialog {
public:
    explicit CCharItemsDlg(const CharacterRecord& record);

    static constexpr const char* kNotIdentified = "Item was not identified by your characters!";

    // What a double click calls: the Item Viewer, modal, unless replaced; the message for an
    // unidentified item (an information box unless replaced).
    void SetItemOpener(std::function<void(HWND owner, int item)> opener) { m_openItem = std::move(opener); }
    void SetReporter(std::function<void(const std::string&)> report) { m_report = std::move(report); }

protected:
    BOOL OnInitDialog() override;

private:
    void Fill(int id, const std::vector<CharacterItemRow>& rows, bool first) const;
    void OnDoubleClick(int id, int row);

    CharacterRecord m_record;
    CImagePanel m_icon;
    CExtListCtrl m_first;
    CExtListCtrl m_second;
    std::function<void(HWND, int)> m_openItem;
    std::function<void(const std::string&)> m_report;
};
