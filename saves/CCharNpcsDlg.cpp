#include "saves/CCharNpcsDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "res/resource.h"
#include "ui/Controls.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <cstdlib>

namespace {
constexpr Colour kAllianceMask = Rgb(96, 96, 128);

// The nine alliance icons, cut from the program's own bitmap once for the run.
const ImageList& AllianceIcons(CGameData& game)
{
    constexpr int size = CCharNpcsDlg::kIconSize;
    static ImageList icons(size, size, kAllianceMask);
    if (icons.Empty())
        if (std::optional<Image> strip = game.LoadProgramBitmap(IDB_ALLIANCES))
            for (int i = 0; i < CCharNpcsDlg::kAllianceIcons; ++i) {
                Image cell(size, size, kAllianceMask);
                cell.Draw(*strip, -i * size, 0);
                icons.Add(cell);
            }
    return icons;
}
} // namespace

CCharNpcsDlg::CCharNpcsDlg(const CharacterRecord& record) : CDialog(IDD_CHAR_NPCS), m_record(record) {}

BOOL CCharNpcsDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetWindowTextW(window, Widen(Format("%s vs NPCs", m_record.name().c_str())).c_str());
    CGameData* game = GetGameData();
    if (!game)
        return TRUE;
    m_list.AttachToDialog(window, IDC_NPCS_LIST);
    m_list.SetSortCallback([this](LPARAM first, LPARAM second, int column, int state) {
        return Compare(first, second, column, state);
    });
    const CListView list(window, IDC_NPCS_LIST);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.SetImageList(SharedImageList(AllianceIcons(*game)), LVSIL_SMALL);
    RECT client{};
    GetClientRect(list.Handle(), &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    list.InsertColumn(0, "NPC", (width / 4) * 3, LVCFMT_LEFT);
    list.InsertColumn(1, "Attitude", width / 4, LVCFMT_RIGHT);
    m_rows = BuildNpcAttitudes(*game, m_record);
    list.SetRedraw(false); // else the list lays itself out again after every cell
    for (const NpcAttitudeRow& row : m_rows) {
        const int at = list.InsertItem(list.GetItemCount(), row.text, row.image, row.data);
        list.SetItemText(at, 1, row.attitude);
    }
    list.SetRedraw(true);
    list.Invalidate();
    return TRUE;
}

const NpcAttitudeRow* CCharNpcsDlg::RowOf(LPARAM monster) const
{
    for (const NpcAttitudeRow& row : m_rows)
        if (row.data == monster)
            return &row;
    return nullptr;
}

// The NPC's text, or its attitude as a number; rows that tie keep the monster order.
int CCharNpcsDlg::Compare(LPARAM first, LPARAM second, int column, int state) const
{
    const NpcAttitudeRow* a = RowOf(first);
    const NpcAttitudeRow* b = RowOf(second);
    if (!a || !b)
        return 0;
    int order = column == 1 ? std::atoi(a->attitude.c_str()) - std::atoi(b->attitude.c_str()) : a->text.compare(b->text);
    if (order == 0)
        order = a->data < b->data ? -1 : a->data > b->data;
    return state == CExtListCtrl::kDescending ? -order : order;
}
