#include "saves/CCellItemsDlg.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "ui/ImageLists.h"

CCellItemsDlg::CCellItemsDlg(const WorldState& world, int map, int quadrant, int x, int y, const WorldHooks& hooks)
    : CDialog(IDD_CELL_ITEMS), m_hooks(hooks)
{
    if (const CGameData* game = GetGameData())
        m_items = BuildCellItems(*game, world, map, quadrant, x, y);
}

BOOL CCellItemsDlg::OnInitDialog()
{
    m_list.Attach(Handle(), IDC_WORLD_ITEMS);
    m_listExt.AttachToDialog(Handle(), IDC_WORLD_ITEMS);
    m_listExt.SetSortCallback(SortByCellText([this](LPARAM data, int column) {
        const WorldItemRow& row = m_items.rows[static_cast<size_t>(data)];
        return column == 0 ? row.name : row.count;
    }));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (const CGameData* game = GetGameData())
        if (HIMAGELIST images = SharedImageList(game->ItemImagesSmall()))
            m_list.SetImageList(images, LVSIL_SMALL);
    RECT client{};
    GetClientRect(m_list.Handle(), &client);
    const int w = client.right;
    m_list.InsertColumn(0, L"name", 4 * (w / 5));
    m_list.InsertColumn(1, L"N", w / 5);
    for (size_t i = 0; i < m_items.rows.size(); ++i) {
        const WorldItemRow& row = m_items.rows[i];
        const int at = m_list.InsertItem(static_cast<int>(i), row.name, row.image, static_cast<LPARAM>(i));
        m_list.SetItemText(at, 1, row.count);
    }
    SetItemText(IDC_WORLD_ITEM_TOTAL, m_items.total);

    BindNotify(IDC_WORLD_ITEMS, NM_DBLCLK, [this](NMHDR& header) {
        OnDoubleClick(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        return LRESULT{0};
    });
    return TRUE;
}

void CCellItemsDlg::OnDoubleClick(int row)
{
    if (row < 0)
        return;
    const size_t index = static_cast<size_t>(m_list.GetItemData(row));
    if (index >= m_items.rows.size())
        return;
    const int item = m_items.rows[index].data;
    if (item < 0)
        m_hooks.Report(Handle(), kNotIdentified);
    else
        m_hooks.OpenItem(Handle(), item);
}
