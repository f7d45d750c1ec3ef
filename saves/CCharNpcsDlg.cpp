#include "saves/CCharNpcsDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "res/resource.h"
#include "saves/TypedControls.h"
#include "ui/ImageLists.h"

#include <cstdlib>

namespace {
constexpr Colour kAllianceMask = Rgb(96, 96, 128);
}

CCharNpcsDlg::CCharNpcsDlg(const CharacterRecord& record) : CDialog(IDD_CHAR_NPCS), m_record(record) {}

BOOL CCharNpcsDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetWindowTextW(window, Widen(Format("%s vs NPCs", m_record.name().c_str())).c_str());
    CGameData* game = GetGameData();
    if (!game)
        return TRUE;
    const typed::ListView list(window, IDC_NPCS_LIST);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    ImageList icons(kIconSize, kIconSize, kAllianceMask);
    if (std::optional<Image> strip = game->LoadProgramBitmap(IDB_ALLIANCES))
        for (int i = 0; i < kAllianceIcons; ++i) {
            Image cell(kIconSize, kIconSize, kAllianceMask);
            cell.Draw(*strip, -i * kIconSize, 0);
            icons.Add(cell);
        }
    // The list owns its image list and destroys it with itself.
    list.SetImageList(CreateImageList(icons).Release(), LVSIL_SMALL);
    const int width = list.ClientWidth() - GetSystemMetrics(SM_CXVSCROLL);
    list.AddColumn("NPC", (width / 4) * 3);
    list.AddColumn("Attitude", width / 4, LVCFMT_RIGHT);
    m_rows = BuildNpcAttitudes(*game, m_record);
    for (const NpcAttitudeRow& row : m_rows) {
        const int at = list.Add(row.text, row.image, row.data);
        list.SetText(at, 1, row.attitude);
    }
    return TRUE;
}

const NpcAttitudeRow* CCharNpcsDlg::RowOf(LPARAM monster) const
{
    for (const NpcAttitudeRow& row : m_rows)
        if (row.data == monster)
            return &row;
    return nullptr;
}

int CALLBACK CCharNpcsDlg::Compare(LPARAM first, LPARAM second, LPARAM self)
{
    const auto* dialog = reinterpret_cast<const CCharNpcsDlg*>(self);
    const NpcAttitudeRow* a = dialog->RowOf(first);
    const NpcAttitudeRow* b = dialog->RowOf(second);
    if (!a || !b)
        return 0;
    int order = 0;
    if (dialog->m_sortColumn == 1)
        order = std::atoi(a->attitude.c_str()) - std::atoi(b->attitude.c_str());
    else
        order = a->text.compare(b->text);
    if (order == 0)
        order = a->data < b->data ? -1 : a->data > b->data;
    return dialog->m_descending ? -order : order;
}

// A second click on the same header reverses the order.
void CCharNpcsDlg::SortBy(int column)
{
    m_descending = column == m_sortColumn && !m_descending;
    m_sortColumn = column;
    typed::ListView(Handle(), IDC_NPCS_LIST).Sort(Compare, reinterpret_cast<LPARAM>(this));
}

bool CCharNpcsDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_NPCS_LIST || header->code != LVN_COLUMNCLICK)
        return false;
    SortBy(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
    result = 0;
    return true;
}
