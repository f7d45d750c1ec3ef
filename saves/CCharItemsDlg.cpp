#include "saves/CCharItemsDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "items/ItemViewerLink.h"
#include "res/resource.h"
#include "ui/Controls.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

namespace {
constexpr int kPanelIcon = 99; // of the program's item icons
}

CCharItemsDlg::CCharItemsDlg(const CharacterRecord& record)
    : CDialog(IDD_CHAR_ITEMS), m_record(record), m_openItem(OpenItemViewerModal)
{
}

BOOL CCharItemsDlg::OnInitDialog()
{
    const HWND window = Handle();
    SetWindowTextW(window, Widen(Format("%s's Items", m_record.name().c_str())).c_str());
    m_icon.ReplaceControl(window, IDC_ITEMS_ICON, true);
    m_icon.SetBackground(GetSysColor(COLOR_BTNFACE));
    const CGameData* game = GetGameData();
    if (!game)
        return TRUE;
    if (const Image* icon = game->IconImages().Get(kPanelIcon)) {
        Image shown(icon->Width(), icon->Height(), GetSysColor(COLOR_BTNFACE));
        const Colour mask = game->IconImages().Mask();
        shown.Draw(*icon, 0, 0, &mask);
        m_icon.SetBitmap(CreateBitmapFromImage(shown).Release(), true);
    }

    m_first.AttachToDialog(window, IDC_ITEMS_FIRST);
    m_second.AttachToDialog(window, IDC_ITEMS_SECOND);
    for (int id : {IDC_ITEMS_FIRST, IDC_ITEMS_SECOND})
        BindNotify(id, NM_DBLCLK, [this, id](NMHDR& header) {
            OnDoubleClick(id, reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
            return LRESULT{0};
        });
    const CListView first(window, IDC_ITEMS_FIRST), second(window, IDC_ITEMS_SECOND);
    RECT client{};
    GetClientRect(first.Handle(), &client);
    const int width = client.right, name = width / 2, mark = (width / 2) / 3;
    first.InsertColumn(0, "name", name, LVCFMT_LEFT);
    first.InsertColumn(1, "equip", mark, LVCFMT_LEFT);
    first.InsertColumn(2, "curse", mark, LVCFMT_LEFT);
    first.InsertColumn(3, "N", mark, LVCFMT_RIGHT);
    GetClientRect(second.Handle(), &client);
    second.InsertColumn(0, "name", name, LVCFMT_LEFT);
    second.InsertColumn(1, "N", client.right - name, LVCFMT_RIGHT);
    const CharacterItemLists lists = BuildCharacterItems(*game, m_record);
    Fill(IDC_ITEMS_FIRST, lists.first, true);
    Fill(IDC_ITEMS_SECOND, lists.second, false);
    return TRUE;
}

void CCharItemsDlg::Fill(int id, const std::vector<CharacterItemRow>& rows, bool first) const
{
    const CListView list(Handle(), id);
    list.SetRedraw(false); // else the list lays itself out again after every cell
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (const CGameData* game = GetGameData())
        list.SetImageList(SharedImageList(game->ItemImagesSmall()), LVSIL_SMALL);
    for (const CharacterItemRow& row : rows) {
        const int at = list.InsertItem(list.GetItemCount(), row.name, row.image, row.data);
        if (first) {
            list.SetItemText(at, 1, row.equipped);
            list.SetItemText(at, 2, row.cursed);
        }
        list.SetItemText(at, first ? 3 : 1, row.count);
    }
    list.SetRedraw(true);
    list.Invalidate();
}

void CCharItemsDlg::OnDoubleClick(int id, int row)
{
    const CListView list(Handle(), id);
    if (row < 0 || row >= list.GetItemCount())
        return;
    const LPARAM item = list.GetItemData(row);
    if (item < 0) {
        if (m_report)
            m_report(kNotIdentified);
        else
            MessageBoxW(Handle(), Widen(kNotIdentified).c_str(), L"Tallowmark", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (m_openItem)
        m_openItem(Handle(), static_cast<int>(item));
}
