#include "items/CItemViewerDlg.h"

#include "gamedata/CGameData.h"
#include "gamedata/MessageFile.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/TextPicture.h"
#include "items/ItemViewerContent.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

namespace {

constexpr int kTextLineStep = 13; // one line of the game's font

constexpr HelpButton kHelpButtons[] = {
    {IDC_ITEM_HELP_EFFECTS, 1, strings::kHelpItemPoison, 350, CItemViewerDlg::kHelpMilliseconds},
    {IDC_ITEM_HELP_CHARGES, 2, strings::kHelpStackable, 350, CItemViewerDlg::kHelpMilliseconds},
    {IDC_ITEM_HELP_INITIATIVE, 3, strings::kHelpInitiative, 350, CItemViewerDlg::kHelpMilliseconds},
    {IDC_ITEM_HELP_DOUBLE_DAMAGE, 4, strings::kHelpDoubleDamage, 350, CItemViewerDlg::kHelpMilliseconds},
};

} // namespace

CItemViewerDlg::CItemViewerDlg()
    : CViewerDialog(IDD_ITEM_VIEWER), m_regenColor(itemviewer::kGoodColour),
      m_armorClassColor(itemviewer::kGoodColour), m_toHitColor(itemviewer::kGoodColour),
      m_initiativeColor(itemviewer::kGoodColour)
{
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
    m_lists.Attach(window, IDC_ITEM_NUMBERS, IDC_ITEM_NAMES);
    m_numbers.Attach(window, IDC_ITEM_NUMBERS);
    m_showText.Attach(window, IDC_ITEM_SHOW_TEXT);
    m_text.Attach(window, IDC_ITEM_TEXT);
    if (m_textPicture.ReplaceControl(window, IDC_ITEM_TEXT_PICTURE)) {
        m_textPicture.SetLineSteps(0, kTextLineStep);
        m_textPicture.SetFitToPicture(true, false);
        m_textPicture.SetStore(GetGameData());
    }
    m_text.Show(false); // beyond the narrow window: out of the tab order too
    if (m_help.Create(window))
        m_help.AddButtons(kHelpButtons);

    m_helpBitmap = LoadMappedBitmap(IDB_HELP_BUTTON, kArtMaskColour, GetSysColor(COLOR_BTNFACE));
    for (const HelpButton& help : kHelpButtons)
        CButton(window, help.id).SetImage(m_helpBitmap.Get());

    const CGameData* game = GetGameData();
    m_effects.Attach(window, IDC_ITEM_EFFECTS, game ? game->StateIcons9() : ImageList());
    if (game) {
        m_numbers.SetImageList(SharedImageList(game->IconImages()));
        FillLists();
    }
    SetIcons(IDI_ITEM_VIEWER);
    BindControls();

    if (m_current >= 0) {
        m_lists.Numbers().SetCurSel(m_current);
        OnNumberChosen();
    }
    return TRUE;
}

void CItemViewerDlg::BindControls()
{
    BindClick(IDC_ITEM_FIND, [this] {
        m_current = 0;
        Search(1);
    });
    BindClick(IDC_ITEM_FIND_NEXT, [this] {
        ++m_current;
        Search(1);
    });
    BindClick(IDC_ITEM_FIND_PREV, [this] {
        --m_current;
        Search(-1);
    });
    BindCommand(IDC_ITEM_NUMBERS, CBN_SELENDOK, [this] { OnNumberChosen(); });
    BindCommand(IDC_ITEM_NAMES, CBN_SELENDOK, [this] {
        if (const int number = m_lists.OnNameChosen(); number >= 0)
            ShowItem(m_current = number);
    });
    BindClick(IDC_ITEM_SHOW_TEXT, [this] { UpdateItemText(); });
    for (const HelpButton& help : kHelpButtons)
        BindClick(help.id, [this, id = help.id] { m_help.ShowFor(id); });
}

void CItemViewerDlg::FillLists()
{
    const std::vector<ItemChoice> choices = ItemViewerChoices(*GetGameData());
    std::vector<std::string> names;
    names.reserve(choices.size());
    for (const ItemChoice& choice : choices)
        names.push_back(choice.name);
    m_lists.Fill(names, false);
    // The number list shows each item's picture: it is filled here.
    const CComboBox numbersCombo = m_numbers.ComboControl();
    m_numbers.SetRedraw(false);
    numbersCombo.SetRedraw(false);
    numbersCombo.InitStorage(choices.size(), 0);
    for (size_t i = 0; i < choices.size(); ++i)
        m_numbers.InsertItem(static_cast<int>(i), Widen(choices[i].name).c_str(), choices[i].picture,
                             static_cast<LPARAM>(i));
    numbersCombo.SetRedraw(true);
    m_numbers.SetRedraw(true);
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

bool CItemViewerDlg::OnCommand(int, int code, HWND)
{
    m_help.HideOnCommand(code);
    return false;
}

void CItemViewerDlg::OnNumberChosen()
{
    m_current = m_lists.OnNumberChosen();
    if (m_current >= 0)
        ShowItem(m_current);
}

void CItemViewerDlg::Search(int step)
{
    const CGameData* game = GetGameData();
    const int found = game ? FindItem(*game, Narrow(ItemText(IDC_ITEM_NAME_MASK)), m_current, step) : -1;
    if (found < 0) {
        m_current = m_lists.Selected();
        Report(Widen(ResourceString(strings::kItemNotFound)).c_str());
        return;
    }
    m_current = found;
    m_lists.Select(found);
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
    CListBox(Handle(), IDC_ITEM_PROFESSIONS_ALLOWED).Fill(fields->professions.allowed);
    CListBox(Handle(), IDC_ITEM_PROFESSIONS_RESTRICTED).Fill(fields->professions.restricted);
    CListBox(Handle(), IDC_ITEM_RACES_ALLOWED).Fill(fields->races.allowed);
    CListBox(Handle(), IDC_ITEM_RACES_RESTRICTED).Fill(fields->races.restricted);
    SetItemText(IDC_ITEM_GENDER, fields->gender);
    m_effects.Fill(fields->effects);

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
    m_itemShown = true;
    m_hasText = fields->hasText;
    m_textNumber = fields->textNumber;
    UpdateItemText();
}

void CItemViewerDlg::UpdateItemText()
{
    const CGameData* game = GetGameData();
    if (!game || !m_itemShown)
        return;
    const bool hasText = m_hasText;
    const bool showText = m_showText.IsChecked();
    if (showText && hasText) {
        const std::string text = game->GetMessageText(m_textNumber);
        SetItemText(IDC_ITEM_TEXT, MessageTextToString(text));
        BitmapHandle picture = CreateBitmapFromImage(RenderMessageText(*game, text.data(), text.size(), false));
        m_textPicture.SetBitmap(picture.Get());
        m_textBitmap = std::move(picture);
    }
    m_showText.Enable(hasText);

    const TextAreaChange change = TextAreaChangeFor(hasText, showText, m_wide);
    if (change == TextAreaChange::None)
        return;
    const RECT names = m_lists.Names().RectInParent();
    RECT panel{}, outer{};
    GetWindowRect(Item(IDC_ITEM_TEXT_PICTURE), &panel);
    GetWindowRect(Handle(), &outer);
    const int grow = (panel.right - panel.left) + names.left;
    m_wide = change == TextAreaChange::Widen;
    const int width = outer.right - outer.left + (m_wide ? grow : -grow);
    SetWindowPos(Handle(), nullptr, 0, 0, width, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_text.Show(m_wide);
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

void CItemViewerDlg::OnTimer(UINT_PTR timer)
{
    if (timer == kHelpTimer)
        m_help.Hide();
}

bool CItemViewerDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&)
{
    if (message == WM_LBUTTONDOWN)
        m_help.Hide();
    return false;
}

void CItemViewerDlg::OnDestroy()
{
    m_help.Destroy();
    KillTimer(Handle(), kHelpTimer);
}
