#include "saves/CCharItemsDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "items/ItemViewerLink.h"
#include "res/resource.h"
#include "saves/TypedControls.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"

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
    if (const Image* icon = game->m_iconImages.Get(kPanelIcon)) {
        Image shown(icon->Width(), icon->Height(), GetSysColor(COLOR_BTNFACE));
        const Colour mask = game->m_iconImages.Mask();
        shown.Draw(*icon, 0, 0, &mask);
        m_icon.SetBitmap(CreateBitmapFromImage(shown).Release(), true);
    }

    const typed::ListView first(window, IDC_ITEMS_FIRST), second(window, IDC_ITEMS_SECOND);
    const int width = first.ClientWidth(), name = width / 2, mark = (width / 2) / 3;
    first.AddColumn("name", name);
    first.AddColumn("equip", mark);
    first.AddColumn("curse", mark);
    first.AddColumn("N", mark, LVCFMT_RIGHT);
    second.AddColumn("name", name);
    second.AddColumn("N", second.ClientWidth() - name, LVCFMT_RIGHT);
    const CharacterItemLists lists = BuildCharacterItems(*game, m_record);
    Fill(IDC_ITEMS_FIRST, lists.first, true);
    Fill(IDC_ITEMS_SECOND, lists.second, false);
    return TRUE;
}

void CCharItemsDlg::Fill(int id, const std::vector<CharacterItemRow>& rows, bool first) const
{
    const typed::ListView list(Handle(), id);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (const CGameData* game = GetGameData())
        list.SetImageList(SharedImageList(game->m_itemImagesSmall), LVSIL_SMALL);
    for (const CharacterItemRow& row : rows) {
        const int at = list.Add(row.name, row.image, row.data);
        if (first) {
            list.SetText(at, 1, row.equipped);
            list.SetText(at, 2, row.cursed);
        }
        list.SetText(at, first ? 3 : 1, row.count);
    }
}

void CCharItemsDlg::OnDoubleClick(int id, int row)
{
    const typed::ListView list(Handle(), id);
    if (row < 0 || row >= list.Count())
        return;
    const LPARAM item = list.Data(row);
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

bool CCharItemsDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    const int id = static_cast<int>(header->idFrom);
    if ((id != IDC_ITEMS_FIRST && id != IDC_ITEMS_SECOND) || header->code != NM_DBLCLK)
        return false;
    OnDoubleClick(id, reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    result = 0;
    return true;
}
