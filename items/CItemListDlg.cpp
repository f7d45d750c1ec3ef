#include "items/CItemListDlg.h"

#include "gamedata/CGameData.h"
#include "items/CItemViewerDlg.h"
#include "res/resource.h"
#include "ui/ImageLists.h"
#include "ui/Handles.h"
#include "ui/WinText.h"

#include <array>

namespace {

constexpr int kHeaderImageSide = 14;
constexpr int kChecked = 2; // the state image of a ticked row

// Hidden with the filter, shown with it.
constexpr std::array<int, 11> kFilterControls = {
    IDC_ITEMLIST_RESISTANCES, IDC_ITEMLIST_EFFECTS,        IDC_ITEMLIST_PROPERTIES,    IDC_ITEMLIST_TYPE,
    IDC_ITEMLIST_SKILL,       IDC_ITEMLIST_BY_RESISTANCES, IDC_ITEMLIST_BY_EFFECTS,    IDC_ITEMLIST_BY_PROPERTIES,
    IDC_ITEMLIST_REFRESH,     IDC_ITEMLIST_TYPE_LABEL,     IDC_ITEMLIST_SKILL_LABEL,
};

IconHandle LoadIconSized(int id, int widthMetric, int heightMetric)
{
    return IconHandle(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                    GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0)));
}

void FillCombo(const CComboBox& combo, const std::vector<FilterChoice>& choices)
{
    for (const FilterChoice& choice : choices) {
        const int at = combo.AddString(choice.text);
        if (at >= 0)
            combo.SetItemData(at, choice.data);
    }
    combo.SetCurSel(combo.FindItemData(itemlist::kAny));
}

int SelectedData(const CComboBox& combo)
{
    const int at = combo.GetCurSel();
    return at < 0 ? itemlist::kAny : static_cast<int>(combo.GetItemData(at));
}

template <size_t N>
void ReadTicks(const CExtListCtrl& list, std::array<bool, N>& ticks)
{
    for (size_t row = 0; row < N; ++row)
        ticks[row] = list.StateImage(static_cast<int>(row)) == kChecked;
}

} // namespace

CItemListDlg::CItemListDlg()
    : CResizableDlg(IDD_ITEM_LIST, kPlacementName), m_checkBoxes(CExtListCtrl::CreateCheckBoxImages())
{
    m_icon = LoadIconSized(IDI_ITEM_LIST, SM_CXICON, SM_CYICON);
    m_smallIcon = LoadIconSized(IDI_ITEM_LIST, SM_CXSMICON, SM_CYSMICON);
}

BOOL CItemListDlg::OnInitDialog()
{
    CResizableDlg::OnInitDialog();
    SetWindowIcons(m_icon.Get(), m_smallIcon.Get());

    AddAnchor(IDC_ITEMLIST_ITEMS, kStretchRight | kStretchDown);
    AddAnchor(IDC_ITEMLIST_REFRESH, kMoveRight);
    AddAnchor(IDC_ITEMLIST_TOGGLE_FILTER, kMoveRight);

    m_items.AttachToDialog(Handle(), IDC_ITEMLIST_ITEMS);
    m_effects.AttachToDialog(Handle(), IDC_ITEMLIST_EFFECTS);
    m_resistances.AttachToDialog(Handle(), IDC_ITEMLIST_RESISTANCES);
    m_properties.AttachToDialog(Handle(), IDC_ITEMLIST_PROPERTIES);
    m_type.Attach(Handle(), IDC_ITEMLIST_TYPE);
    m_skill.Attach(Handle(), IDC_ITEMLIST_SKILL);
    m_byEffects.Attach(Handle(), IDC_ITEMLIST_BY_EFFECTS);
    m_byResistances.Attach(Handle(), IDC_ITEMLIST_BY_RESISTANCES);
    m_byProperties.Attach(Handle(), IDC_ITEMLIST_BY_PROPERTIES);
    m_toggle.Attach(Handle(), IDC_ITEMLIST_TOGGLE_FILTER);

    const CGameData* game = GetGameData();
    const CListView items(m_items.Handle());
    items.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_headerImages.Reset(ImageList_LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDB_ITEM_LIST_HEADERS),
                                              kHeaderImageSide, 0, RGB(255, 255, 255), IMAGE_BITMAP,
                                              LR_CREATEDIBSECTION));
    m_items.SetSortCallback([this](LPARAM first, LPARAM second, int column, int state) {
        return CompareRows(first, second, column, state);
    });
    m_items.SetTextSource([this](LPARAM number, int column) -> std::wstring_view {
        const auto shown = m_rows.find(static_cast<int>(number));
        if (shown == m_rows.end() || column < 0 || column >= itemlist::kColumnCount)
            return {};
        return shown->second.texts[static_cast<size_t>(column)];
    });

    if (game) {
        items.SetImageList(SharedImageList(game->IconImages()), LVSIL_SMALL);
        FillCombo(m_skill, WeaponSkillChoices(*game));
        FillCombo(m_type, ItemTypeChoices(*game));
        FillFilterList(m_effects, EffectFilterRows(*game), SharedImageList(game->StateIcons16()));
        std::vector<IconEntry> resistances, properties;
        for (const std::string& text : ResistanceFilterRows(*game))
            resistances.push_back({text, -1});
        for (const std::string& text : PropertyFilterRows(*game))
            properties.push_back({text, -1});
        FillFilterList(m_resistances, resistances, nullptr);
        FillFilterList(m_properties, properties, nullptr);
    }
    // After the small image list, which the list view also hands to its header.
    m_items.SetHeaderImageList(m_headerImages.Get());
    for (int column = 0; column < itemlist::kColumnCount; ++column) {
        const itemlist::ColumnHeader& header = itemlist::kColumns[static_cast<size_t>(column)];
        m_items.InsertColumn(column, Widen(header.name).c_str(), header.image);
    }
    for (int column = 0; column < itemlist::kColumnCount; ++column)
        m_columnOf[static_cast<size_t>(column)] = static_cast<int>(m_items.HeaderItemData(column));
    m_status.Create(Handle(), IDC_ITEMLIST_STATUS);

    BindClick(IDC_ITEMLIST_REFRESH, [this] { Refresh(); });
    BindClick(IDC_ITEMLIST_TOGGLE_FILTER, [this] { OnToggleFilter(); });
    const std::pair<int, const CExtListCtrl*> switches[] = {{IDC_ITEMLIST_BY_RESISTANCES, &m_resistances},
                                                            {IDC_ITEMLIST_BY_EFFECTS, &m_effects},
                                                            {IDC_ITEMLIST_BY_PROPERTIES, &m_properties}};
    for (const auto& [id, list] : switches)
        BindClick(id, [this, id = id, list = list] { CControl(list->Handle()).Enable(CButton(Handle(), id).IsChecked()); });
    // Emptied at each refresh: a notice per deleted row would only cost time.
    BindNotify(IDC_ITEMLIST_ITEMS, LVN_DELETEALLITEMS, [](NMHDR&) { return LRESULT{TRUE}; });
    BindNotify(IDC_ITEMLIST_ITEMS, NM_DBLCLK, [this](NMHDR& header) {
        const int row = reinterpret_cast<NMITEMACTIVATE&>(header).iItem;
        if (row >= 0)
            CItemViewerDlg::ShowModal(Handle(), static_cast<int>(CListView(m_items.Handle()).GetItemData(row)));
        return LRESULT{0};
    });

    Refresh();
    m_items.AutoSizeColumns();
    FitListToStatusBar();
    return TRUE;
}

void CItemListDlg::FillFilterList(CExtListCtrl& list, const std::vector<IconEntry>& rows, HIMAGELIST images)
{
    const CListView view(list.Handle());
    view.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.SetStateImageList(m_checkBoxes.Get());
    if (images)
        view.SetImageList(images, LVSIL_SMALL);
    view.InsertColumn(0, L"", 0);
    // Without drawing: otherwise each row that does not fit lays the scroll bars out anew.
    view.SetRedraw(false);
    for (size_t row = 0; row < rows.size(); ++row)
        view.InsertItem(static_cast<int>(row), rows[row].text, images ? rows[row].icon : -1, static_cast<LPARAM>(row));
    view.SetRedraw(true);
    list.AutoSizeColumns();
}

ItemListFilter CItemListDlg::Filter() const
{
    ItemListFilter filter;
    filter.type = SelectedData(m_type);
    filter.skill = SelectedData(m_skill);
    filter.byEffects = m_byEffects.IsChecked();
    ReadTicks(m_effects, filter.effects);
    filter.byResistances = m_byResistances.IsChecked();
    ReadTicks(m_resistances, filter.resistances);
    filter.byProperties = m_byProperties.IsChecked();
    ReadTicks(m_properties, filter.properties);
    return filter;
}

bool CItemListDlg::PassesFilter(const ItemRecord& item) const { return ::PassesFilter(Filter(), item); }

void CItemListDlg::Refresh()
{
    WaitCursor wait;
    const CListView items(m_items.Handle());
    items.SetRedraw(false);
    items.DeleteAllItems();
    m_rows.clear();
    int at = 0;
    if (const CGameData* game = GetGameData())
        for (ItemListRow& row : ItemListRows(*game, Filter())) {
            // The list keeps no texts of its own: it asks for the cells it shows.
            ShownRow& shown = m_rows[row.number];
            for (size_t column = 0; column < shown.texts.size(); ++column)
                shown.texts[column] = Widen(row.texts[column]);
            m_items.InsertRow(at++, row.number, row.image);
            shown.row = std::move(row);
        }
    // The arrow in the header stays true: the new rows take the order it shows.
    m_items.Resort();
    items.SetRedraw(true);
    items.Invalidate();
    m_status.SetText(0, itemlist::ItemCountText(items.GetItemCount()));
}

int CItemListDlg::CompareRows(LPARAM first, LPARAM second, int columnIndex, int state) const
{
    const CGameData* game = GetGameData();
    const auto a = m_rows.find(static_cast<int>(first)), b = m_rows.find(static_cast<int>(second));
    if (!game || a == m_rows.end() || b == m_rows.end())
        return 0;
    if (columnIndex < 0 || columnIndex >= itemlist::kColumnCount)
        return 0;
    const int column = m_columnOf[static_cast<size_t>(columnIndex)];
    return ::CompareRows(*game, a->second.row, b->second.row, column, state == CExtListCtrl::kDescending);
}

void CItemListDlg::OnToggleFilter()
{
    m_filterHidden = !m_filterHidden;
    const CControl list(m_items.Handle());
    const RECT place = list.RectInParent();
    const int top = CControl(Handle(), m_filterHidden ? IDC_ITEMLIST_SKILL : IDC_ITEMLIST_LIST_TOP).RectInParent().top;
    auto moveList = [&] {
        SetWindowPos(list.Handle(), nullptr, place.left, top, place.right - place.left, place.bottom - top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    if (m_filterHidden) {
        for (int id : kFilterControls)
            CControl(Handle(), id).Show(false);
        moveList();
    } else {
        moveList();
        for (int id : kFilterControls)
            CControl(Handle(), id).Show(true);
    }
    m_toggle.SetText(m_filterHidden ? L"Show fi&lter" : L"Hide fi&lter");
}

void CItemListDlg::OnSize(UINT type, int width, int height)
{
    CResizableDlg::OnSize(type, width, height);
    if (type != SIZE_MINIMIZED)
        FitListToStatusBar();
}

void CItemListDlg::FitListToStatusBar()
{
    if (!m_status || !m_items.Handle())
        return;
    m_status.Resize();
    RECT status{}, list{};
    GetWindowRect(m_status.Handle(), &status);
    GetWindowRect(m_items.Handle(), &list);
    SetWindowPos(m_items.Handle(), nullptr, 0, 0, list.right - list.left, std::max<int>(status.top - list.top, 0),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
