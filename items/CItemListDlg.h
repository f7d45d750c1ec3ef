#pragma once
// The Item List: every item as a row of one large list, one column per field in its short form,
// filtered by type, weapon skill, hit effects, resistances and properties, sortable by any
// column. A double click opens the Item Viewer on the row's item. The rows, the filters and the
// order are the model's (items/ItemListContent.h); this window only shows them.

#include "items/ItemListContent.h"
#include "ui/CExtListCtrl.h"
#include "ui/CResizableDlg.h"
#include "ui/Controls.h"

#include <array>
#include <map>
#include <string>

class CItemListDlg : public CResizableDlg {
public:
    static constexpr const wchar_t* kPlacementName = L"WizItemList";

    CItemListDlg();

    // The filters as the controls now set them, and whether an item passes them.
    ItemListFilter Filter() const;
    bool PassesFilter(const ItemRecord& item) const;
    // The sort callback: two rows' item numbers, the column's index in the list, the sort state.
    int CompareRows(LPARAM first, LPARAM second, int columnIndex, int state) const;

    CExtListCtrl& List() { return m_items; }
    bool FilterHidden() const { return m_filterHidden; }

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int width, int height) override;

private:
    void FillFilterList(CExtListCtrl& list, const std::vector<IconEntry>& rows, HIMAGELIST images);
    void Refresh();
    void OnToggleFilter();
    void FitListToStatusBar();

    CExtListCtrl m_items;
    CExtListCtrl m_effects;
    CExtListCtrl m_resistances;
    CExtListCtrl m_properties;
    CComboBox m_type;
    CComboBox m_skill;
    CButton m_byEffects;
    CButton m_byResistances;
    CButton m_byProperties;
    CButton m_toggle;
    CStatusBar m_status;
    ImageListHandle m_headerImages;
    ImageListHandle m_checkBoxes;
    IconHandle m_smallIcon;
    // A row shown: the model's row, and its texts as the list shows them (asked for by the list).
    struct ShownRow {
        ItemListRow row;
        std::array<std::wstring, itemlist::kColumnCount> texts;
    };
    std::map<int, ShownRow> m_rows; // by item number
    // Each column's number as its header item carries it, read once the columns are in.
    std::array<int, itemlist::kColumnCount> m_columnOf{};
    bool m_filterHidden = false;
};
