#include "items/CItemViewerDlg.h"

#include "gamedata/CGameData.h"
#include "gamedata/MessageFile.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/TextPicture.h"
#include "items/ItemRecord.h"
#include "items/ItemViewerContent.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

#include <array>

namespace {

constexpr int kItemNotFound = 38;
constexpr int kStateIconSide = 9;
constexpr int kTextLineStep = 13; // one line of the game's font

struct HelpButton {
    int button;
    int tool;
    int text; // resource string
};
constexpr std::array<HelpButton, 4> kHelpButtons = {{
    {IDC_ITEM_HELP_EFFECTS, 1, 4},
    {IDC_ITEM_HELP_CHARGES, 2, 7},
    {IDC_ITEM_HELP_INITIATIVE, 3, 10},
    {IDC_ITEM_HELP_DOUBLE_DAMAGE, 4, 11},
}};

// Notification codes on which a shown help tip goes: a click, a combo box taking or losing the
// focus (a list box taking it), an edit taking it.
bool HidesHelp(int code) { return code == 0 || code == 3 || code == 4 || code == 256; }

void FillListBox(HWND list, const std::vector<std::string>& entries)
{
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
}

} // namespace

CItemViewerDlg::CItemViewerDlg()
    : CViewerDialog(IDD_ITEM_VIEWER), m_regenColor(itemviewer::kGoodColour),
      m_armorClassColor(itemviewer::kGoodColour), m_toHitColor(itemviewer::kGoodColour),
      m_initiativeColor(itemviewer::kGoodColour)
{
    m_icon.Reset(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDI_ITEM_VIEWER), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    m_smallIcon.Reset(static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDI_ITEM_VIEWER),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), 0)));
}

INT_PTR CItemViewerDlg::ShowModal(HWND owner, int number)
{
    CItemViewerDlg viewer;
    viewer.SetItem(number);
    viewer.SetModal(true);
    return viewer.DoModal(owner);
}

BOOL CItemViewerDlg::OnInitDialog()
{
    const HWND window = Handle();
    if (m_textPicture.ReplaceControl(window, IDC_ITEM_TEXT_PICTURE)) {
        m_textPicture.SetLineSteps(0, kTextLineStep);
        m_textPicture.SetFitToPicture(true, false);
    }
    ShowWindow(Item(IDC_ITEM_TEXT), SW_HIDE); // beyond the narrow window: out of the tab order too
    CreateHelpTip();

    m_helpBitmap = LoadMappedBitmap(IDB_HELP_BUTTON, RGB(255, 0, 255), GetSysColor(COLOR_BTNFACE));
    for (const HelpButton& help : kHelpButtons)
        SendMessageW(Item(help.button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_helpBitmap.Get()));

    // The list's entries are measured before this object sees its messages: set their height here.
    SendMessageW(Item(IDC_ITEM_EFFECTS), LB_SETITEMHEIGHT, 0, kEffectRowHeight);

    if (const CGameData* game = GetGameData()) {
        const ImageList& marks = game->m_stateIcons9;
        Image strip(std::max(marks.Count(), 1) * kStateIconSide, kStateIconSide, marks.Mask());
        for (int i = 0; i < marks.Count(); ++i)
            strip.Draw(*marks.Get(i), i * kStateIconSide, 0);
        m_stateIcons = CreateBitmapFromImage(strip);
        SendMessageW(Item(IDC_ITEM_NUMBERS), CBEM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(SharedImageList(game->m_iconImages)));
        FillLists();
    }

    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.Get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    if (m_current >= 0) {
        SendMessageW(Item(IDC_ITEM_NUMBERS), CB_SETCURSEL, static_cast<WPARAM>(m_current), 0);
        OnNumberSelected();
    }
    return TRUE;
}

void CItemViewerDlg::FillLists()
{
    const std::vector<ItemChoice> choices = ItemViewerChoices(*GetGameData());
    // Hundreds of entries: room for them at once, and no drawing of the lists meanwhile.
    HWND numbers = Item(IDC_ITEM_NUMBERS), names = Item(IDC_ITEM_NAMES);
    HWND numbersCombo = reinterpret_cast<HWND>(SendMessageW(numbers, CBEM_GETCOMBOCONTROL, 0, 0));
    for (HWND list : {numbers, numbersCombo, names})
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(numbersCombo, CB_INITSTORAGE, choices.size(), 0);
    SendMessageW(names, CB_INITSTORAGE, choices.size(), choices.size() * 32 * sizeof(wchar_t));
    for (size_t i = 0; i < choices.size(); ++i) {
        std::wstring name = Widen(choices[i].name);
        COMBOBOXEXITEMW entry{};
        entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
        entry.iItem = static_cast<INT_PTR>(i);
        entry.pszText = name.data();
        entry.iImage = entry.iSelectedImage = choices[i].picture;
        entry.lParam = static_cast<LPARAM>(i);
        SendMessageW(numbers, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
        const LRESULT at = SendMessageW(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (at >= 0)
            SendMessageW(names, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    }
    for (HWND list : {numbersCombo, numbers, names})
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void CItemViewerDlg::OnCancel()
{
    if (m_modal)
        EndDialog(IDCANCEL);
    else
        CViewerDialog::OnCancel();
}

void CItemViewerDlg::PostNcDestroy()
{
    if (!m_modal)
        CViewerDialog::PostNcDestroy();
}

bool CItemViewerDlg::OnCommand(int id, int code, HWND)
{
    if (HidesHelp(code))
        m_help.Hide();
    switch (id) {
    case IDC_ITEM_FIND:
        if (code != BN_CLICKED)
            return false;
        m_current = 0;
        Search(1);
        return true;
    case IDC_ITEM_FIND_NEXT:
        if (code != BN_CLICKED)
            return false;
        ++m_current;
        Search(1);
        return true;
    case IDC_ITEM_FIND_PREV:
        if (code != BN_CLICKED)
            return false;
        --m_current;
        Search(-1);
        return true;
    case IDC_ITEM_NUMBERS:
        if (code != CBN_SELENDOK)
            return false;
        OnNumberSelected();
        return true;
    case IDC_ITEM_NAMES:
        if (code != CBN_SELENDOK)
            return false;
        OnNameSelected();
        return true;
    case IDC_ITEM_SHOW_TEXT:
        if (code != BN_CLICKED)
            return false;
        UpdateItemText(m_current);
        return true;
    default:
        for (const HelpButton& help : kHelpButtons)
            if (id == help.button && code == BN_CLICKED) {
                m_help.Show(help.tool, Item(help.button), 350, kHelpMilliseconds);
                return true;
            }
        return false;
    }
}

void CItemViewerDlg::OnNumberSelected()
{
    m_current = static_cast<int>(SendMessageW(Item(IDC_ITEM_NUMBERS), CB_GETCURSEL, 0, 0));
    if (m_current < 0)
        return;
    SelectName(m_current);
    ShowItem(m_current);
}

void CItemViewerDlg::OnNameSelected()
{
    HWND names = Item(IDC_ITEM_NAMES);
    const LRESULT selected = SendMessageW(names, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return;
    m_current = static_cast<int>(SendMessageW(names, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    SendMessageW(Item(IDC_ITEM_NUMBERS), CB_SETCURSEL, static_cast<WPARAM>(m_current), 0);
    ShowItem(m_current);
}

void CItemViewerDlg::SelectName(int number)
{
    HWND names = Item(IDC_ITEM_NAMES);
    const int count = static_cast<int>(SendMessageW(names, CB_GETCOUNT, 0, 0));
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i)
        if (SendMessageW(names, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == number)
            found = i;
    SendMessageW(names, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void CItemViewerDlg::Search(int step)
{
    const CGameData* game = GetGameData();
    const int found = game ? FindItem(*game, Narrow(ItemText(IDC_ITEM_NAME_MASK)), m_current, step) : -1;
    if (found < 0) {
        m_current = static_cast<int>(SendMessageW(Item(IDC_ITEM_NUMBERS), CB_GETCURSEL, 0, 0));
        Report(Widen(ResourceString(kItemNotFound)).c_str());
        return;
    }
    m_current = found;
    SendMessageW(Item(IDC_ITEM_NUMBERS), CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    SelectName(found);
    ShowItem(found);
}

void CItemViewerDlg::Report(const wchar_t* text) const
{
    if (m_report)
        m_report(text);
    else
        MessageBoxW(Handle(), text, L"Tallowmark", MB_OK | MB_ICONINFORMATION);
}

void CItemViewerDlg::ShowItem(int number)
{
    const CGameData* game = GetGameData();
    const std::optional<ItemViewerFields> fields = game ? ItemViewerFieldsOf(*game, number) : std::nullopt;
    if (!fields)
        return;
    SetItemText(IDC_ITEM_ID, fields->id);
    SetItemText(IDC_ITEM_TYPE, fields->type);
    FillListBox(Item(IDC_ITEM_PROFESSIONS_ALLOWED), fields->professions.allowed);
    FillListBox(Item(IDC_ITEM_PROFESSIONS_RESTRICTED), fields->professions.restricted);
    FillListBox(Item(IDC_ITEM_RACES_ALLOWED), fields->races.allowed);
    FillListBox(Item(IDC_ITEM_RACES_RESTRICTED), fields->races.restricted);
    SetItemText(IDC_ITEM_GENDER, fields->gender);

    HWND effects = Item(IDC_ITEM_EFFECTS);
    SendMessageW(effects, LB_RESETCONTENT, 0, 0);
    m_effectTexts.clear();
    for (const IconEntry& effect : fields->effects) {
        const LRESULT at = SendMessageW(effects, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(effect.text).c_str()));
        SendMessageW(effects, LB_SETITEMDATA, static_cast<WPARAM>(at), effect.icon);
        m_effectTexts.push_back(effect.text);
    }

    SetItemText(IDC_ITEM_DAMAGE, fields->damage);
    SetItemText(IDC_ITEM_PRICE, fields->price);
    SetItemText(IDC_ITEM_WEIGHT, fields->weight);
    SetItemText(IDC_ITEM_SPELL, fields->spell);
    SetItemText(IDC_ITEM_CURSED, fields->cursed);
    SetItemText(IDC_ITEM_RESISTANCES, fields->resistances);
    // A colour changes before the text is set, which repaints the field.
    m_regenColor = fields->regenColour;
    SetItemText(IDC_ITEM_REGEN, fields->regen);
    m_toHitColor = fields->toHitColour;
    SetItemText(IDC_ITEM_TO_HIT, fields->toHit);
    m_initiativeColor = fields->initiativeColour;
    SetItemText(IDC_ITEM_INITIATIVE, fields->initiative);
    m_armorClassColor = fields->armorClassColour;
    SetItemText(IDC_ITEM_ARMOR_CLASS, fields->armorClass);
    SetItemText(IDC_ITEM_RANGE, fields->range);
    SetItemText(IDC_ITEM_PRIMARY_SECONDARY, fields->primarySecondary);
    SetItemText(IDC_ITEM_HANDS, fields->hands);
    SetItemText(IDC_ITEM_INVOKE, fields->invoke);
    SetItemText(IDC_ITEM_DOUBLE_DAMAGE, fields->doubleDamage);
    SetItemText(IDC_ITEM_ATTACK_MODES, fields->attackModes);
    SetItemText(IDC_ITEM_INVENTORY_ACTION, fields->inventoryAction);
    SetItemText(IDC_ITEM_SKILL, fields->skill);
    SetItemText(IDC_ITEM_ASSAY, fields->assay);
    SetItemText(IDC_ITEM_IDENTIFY, fields->identify);
    SetItemText(IDC_ITEM_CHARGES, fields->charges);
    SetItemText(IDC_ITEM_CHARGES_LABEL, fields->chargesLabel);
    UpdateItemText(number);
}

void CItemViewerDlg::UpdateItemText(int number)
{
    const CGameData* game = GetGameData();
    const ItemRecord item(game ? game->GetItem(number) : nullptr);
    if (!item.Valid())
        return;
    const bool hasText = item.inventoryAction() == itemviewer::kReadAction;
    const bool showText = IsItemChecked(IDC_ITEM_SHOW_TEXT);
    if (showText && hasText) {
        const std::string text = game->GetMessageText(item.textNumber());
        SetItemText(IDC_ITEM_TEXT, MessageTextToString(text));
        BitmapHandle picture = CreateBitmapFromImage(RenderMessageText(*game, text.data(), text.size(), false));
        m_textPicture.SetBitmap(picture.Get());
        m_textBitmap = std::move(picture);
    }
    EnableItem(IDC_ITEM_SHOW_TEXT, hasText);

    const TextAreaChange change = TextAreaChangeFor(hasText, showText, m_wide);
    if (change == TextAreaChange::None)
        return;
    RECT names{}, panel{}, outer{};
    GetWindowRect(Item(IDC_ITEM_NAMES), &names);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&names), 2);
    GetWindowRect(Item(IDC_ITEM_TEXT_PICTURE), &panel);
    GetWindowRect(Handle(), &outer);
    const int grow = (panel.right - panel.left) + names.left;
    m_wide = change == TextAreaChange::Widen;
    const int width = outer.right - outer.left + (m_wide ? grow : -grow);
    SetWindowPos(Handle(), nullptr, 0, 0, width, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Item(IDC_ITEM_TEXT), m_wide ? SW_SHOWNA : SW_HIDE);
}

HBRUSH CItemViewerDlg::OnCtlColor(HDC dc, HWND control, UINT message)
{
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT)
        return nullptr;
    COLORREF colour = 0;
    switch (GetDlgCtrlID(control)) {
    case IDC_ITEM_RESISTANCES: colour = itemviewer::kResistancesColour; break;
    case IDC_ITEM_SPELL: colour = itemviewer::kSpellColour; break;
    case IDC_ITEM_TO_HIT: colour = m_toHitColor; break;
    case IDC_ITEM_ARMOR_CLASS: colour = m_armorClassColor; break;
    case IDC_ITEM_CURSED: colour = itemviewer::kCursedColour; break;
    case IDC_ITEM_REGEN: colour = m_regenColor; break;
    case IDC_ITEM_INVOKE: colour = itemviewer::kInvokeColour; break;
    case IDC_ITEM_INITIATIVE: colour = m_initiativeColor; break;
    default: return nullptr;
    }
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool CItemViewerDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    if (id != IDC_ITEM_EFFECTS)
        return CViewerDialog::OnDrawItem(id, item);
    if (item->itemID == static_cast<UINT>(-1) || item->itemID >= m_effectTexts.size())
        return true;
    RECT place = item->rcItem;
    FillRect(item->hDC, &place, GetSysColorBrush(COLOR_WINDOW));
    if (m_stateIcons) {
        MemoryDc icons(CreateCompatibleDC(item->hDC));
        SelectGuard select(icons.Get(), m_stateIcons.Get());
        const int icon = static_cast<int>(item->itemData);
        BitBlt(item->hDC, place.left + 1, place.top + (place.bottom - place.top - kStateIconSide) / 2, kStateIconSide,
               kStateIconSide, icons.Get(), icon * kStateIconSide, 0, SRCCOPY);
    }
    place.left += 12;
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring text = Widen(m_effectTexts[item->itemID]);
    DrawTextW(item->hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return true;
}

void CItemViewerDlg::CreateHelpTip()
{
    if (!m_help.Create(Handle()))
        return;
    for (const HelpButton& help : kHelpButtons)
        m_help.AddTool(help.tool, Widen(ResourceString(help.text)));
}

void CItemViewerDlg::OnTimer(UINT_PTR timer)
{
    if (timer == kHelpTimer)
        m_help.Hide();
}

bool CItemViewerDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        m_help.Hide();
        return false;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_icon.Get());
        return true;
    default:
        return false;
    }
}

void CItemViewerDlg::OnDestroy()
{
    m_help.Destroy();
    KillTimer(Handle(), kHelpTimer);
}
