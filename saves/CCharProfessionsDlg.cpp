#include "saves/CCharProfessionsDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "res/resource.h"
#include "ui/Controls.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

namespace {

struct Note {
    int id;
    int text; // resource string
    Shade shade;
};
constexpr Note kNotes[] = {
    {IDC_PROFESSIONS_CURRENT, 91, Shade::Current},
    {IDC_PROFESSIONS_ALLOWED, 92, Shade::Allowed},
    {IDC_PROFESSIONS_RESTRICTED, 93, Shade::Normal},
};

COLORREF TextColour(Shade shade)
{
    const std::optional<Colour> colour = ShadeColour(shade);
    return colour ? *colour : GetSysColor(COLOR_WINDOWTEXT);
}

constexpr int kCellMargin = 14; // pixels right of a value

} // namespace

CCharProfessionsDlg::CCharProfessionsDlg(const CharacterRecord& record)
    : CDialog(IDD_CHAR_PROFESSIONS), m_record(record)
{
}

BOOL CCharProfessionsDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetWindowTextW(window, Widen(Format("%s vs Professions", m_record.name().c_str())).c_str());
    for (const Note& note : kNotes)
        SetItemText(note.id, ResourceString(note.text));
    const CGameData* game = GetGameData();
    if (!game)
        return TRUE;
    const CListView list(window, IDC_PROFESSIONS_LIST);
    list.SetRedraw(false); // else the list lays itself out again after every cell
    list.SetImageList(SharedImageList(game->ItemImagesSmall()), LVSIL_SMALL);
    RECT client{};
    GetClientRect(list.Handle(), &client);
    const int width = client.right;
    const std::vector<std::string> columns = ProfessionColumns(*game);
    for (size_t c = 0; c < columns.size(); ++c)
        list.InsertColumn(static_cast<int>(c), columns[c], c == 0 ? 2 * (width / 9) : width / 9,
                          c == 0 ? LVCFMT_LEFT : LVCFMT_CENTER);
    m_rows = ProfessionRows(*game, m_record);
    for (const ProfessionRow& row : m_rows) {
        const int at = list.InsertItem(list.GetItemCount(), row.name, row.icon, row.profession);
        for (size_t a = 0; a < row.cells.size(); ++a)
            list.SetItemText(at, static_cast<int>(a) + 1, row.cells[a].text);
    }
    list.SetRedraw(true);
    list.Invalidate();
    return TRUE;
}

HBRUSH CCharProfessionsDlg::OnCtlColor(HDC dc, HWND control, UINT)
{
    const int id = GetDlgCtrlID(control);
    for (const Note& note : kNotes)
        if (note.id == id) {
            SetTextColor(dc, TextColour(note.shade));
            SetBkMode(dc, TRANSPARENT);
            return GetSysColorBrush(COLOR_3DFACE);
        }
    return nullptr;
}

bool CCharProfessionsDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    if (id != IDC_PROFESSIONS_LIST)
        return CDialog::OnDrawItem(id, item);
    if (item->itemID < m_rows.size())
        DrawRow(*item);
    return true;
}

// Selection is not shown: the icon, the name in its row's colour, then each value right-aligned.
void CCharProfessionsDlg::DrawRow(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    const int index = static_cast<int>(item.itemID);
    const ProfessionRow& row = m_rows[item.itemID];
    const CListView list(item.hwndItem);
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    const RECT icon = list.GetItemRect(index, LVIR_ICON);
    if (const CGameData* game = GetGameData())
        ImageList_Draw(SharedImageList(game->ItemImagesSmall()), row.icon, dc, icon.left, icon.top, ILD_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    RECT name{icon.right + 1, item.rcItem.top, list.GetSubItemRect(index, 1).left, item.rcItem.bottom};
    FillRect(dc, &name, GetSysColorBrush(COLOR_WINDOW));
    name.left += 2;
    SetTextColor(dc, TextColour(row.shade));
    const std::wstring text = Widen(row.name);
    DrawTextW(dc, text.c_str(), -1, &name, format);
    for (size_t a = 0; a < row.cells.size(); ++a) {
        RECT cell = list.GetSubItemRect(index, static_cast<int>(a) + 1);
        FillRect(dc, &cell, GetSysColorBrush(COLOR_WINDOW));
        cell.right -= kCellMargin;
        SetTextColor(dc, TextColour(row.cells[a].shade));
        const std::wstring value = Widen(row.cells[a].text);
        DrawTextW(dc, value.c_str(), -1, &cell, format | DT_RIGHT);
    }
}
