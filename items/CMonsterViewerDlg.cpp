#include "items/CMonsterViewerDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemViewerLink.h"
#include "items/MonsterViewerContent.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

#include <algorithm>
#include <utility>

namespace {


using Control = FramePlayer::Control;

struct FrameButton {
    int id;
    int bitmap;
    Control control;
};
// In the order of m_buttonArt.
constexpr FrameButton kFrameButtons[] = {
    {IDC_MONSTER_PREVIOUS_FRAME, IDB_PREVIOUS_FRAME, Control::Previous},
    {IDC_MONSTER_STOP, IDB_STOP_FRAMES, Control::Stop},
    {IDC_MONSTER_NEXT_FRAME, IDB_NEXT_FRAME, Control::Next},
    {IDC_MONSTER_PLAY, IDB_PLAY_FRAMES, Control::Play},
};

int ControlId(Control control)
{
    for (const FrameButton& button : kFrameButtons)
        if (button.control == control)
            return button.id;
    return IDC_MONSTER_SHOW_PICTURES;
}

constexpr HelpButton kHelpButtons[] = {
    {IDC_MONSTER_HELP_GROUP, 1, strings::kHelpExpertGroupSize, -1, 5000},
    {IDC_MONSTER_HELP_HIT_POINTS, 2, strings::kHelpExpertHitPoints, -1, 5000},
    {IDC_MONSTER_HELP_SPECIAL, 3, strings::kHelpSpecialAttack, 300, 15000},
    {IDC_MONSTER_HELP_EFFECTS1, 4, strings::kHelpAttackPoison, 300, 20000},
    {IDC_MONSTER_HELP_EFFECTS2, 4, strings::kHelpAttackPoison, 300, 20000},
    {IDC_MONSTER_HELP_EFFECTS3, 4, strings::kHelpAttackPoison, 300, 20000},
    {IDC_MONSTER_HELP_MISS1, 5, strings::kHelpMissChance, 300, 10000},
    {IDC_MONSTER_HELP_MISS2, 5, strings::kHelpMissChance, 300, 10000},
    {IDC_MONSTER_HELP_MISS3, 5, strings::kHelpMissChance, 300, 10000},
    {IDC_MONSTER_HELP_LOOT, 6, strings::kHelpLoot, 300, 10000},
    {IDC_MONSTER_HELP_MANNER1, 7, strings::kHelpAttackRange, 300, 20000},
    {IDC_MONSTER_HELP_MANNER2, 7, strings::kHelpAttackRange, 300, 20000},
    {IDC_MONSTER_HELP_MANNER3, 7, strings::kHelpAttackRange, 300, 20000},
};

struct AttackIds {
    int range, manner, damage, multiplier, effects, miss;
};
constexpr AttackIds kAttackIds[] = {
    {IDC_MONSTER_RANGE1, IDC_MONSTER_MANNER1, IDC_MONSTER_DAMAGE1, IDC_MONSTER_MULTIPLIER1, IDC_MONSTER_EFFECTS1,
     IDC_MONSTER_MISS1},
    {IDC_MONSTER_RANGE2, IDC_MONSTER_MANNER2, IDC_MONSTER_DAMAGE2, IDC_MONSTER_MULTIPLIER2, IDC_MONSTER_EFFECTS2,
     IDC_MONSTER_MISS2},
    {IDC_MONSTER_RANGE3, IDC_MONSTER_MANNER3, IDC_MONSTER_DAMAGE3, IDC_MONSTER_MULTIPLIER3, IDC_MONSTER_EFFECTS3,
     IDC_MONSTER_MISS3},
};

} // namespace

CMonsterViewerDlg::CMonsterViewerDlg(bool page)
    : CViewerDialog(page ? IDD_MONSTER_FORM : IDD_MONSTER_VIEWER), m_page(page), m_openItem(OpenItemViewerModal)
{
}

BOOL CMonsterViewerDlg::OnInitDialog()
{
    const HWND window = Handle();
    m_lists.Attach(window, IDC_MONSTER_NUMBER, IDC_MONSTER_NAME);
    m_showPictures.Attach(window, IDC_MONSTER_SHOW_PICTURES);
    m_stage = CControl(window, IDC_MONSTER_PICTURE).RectInParent();
    m_picture.ReplaceControl(window, IDC_MONSTER_PICTURE);
    m_picture.SetStore(GetGameData());
    ShowWindow(m_picture.Handle(), SW_HIDE);

    if (m_help.Create(window))
        m_help.AddButtons(kHelpButtons);
    if (!m_page)
        SetIcons(IDI_MONSTER_VIEWER);

    FillSelectionLists();
    LoadButtonArt();
    PrepareLootList();
    const CGameData* game = GetGameData();
    for (size_t k = 0; k < m_effects.size(); ++k)
        m_effects[k].Attach(window, kAttackIds[k].effects, game ? game->StateIcons9() : ImageList());
    BindControls();

    m_showPictures.SetCheck(true);
    UpdateFrameButtons();
    return TRUE;
}

void CMonsterViewerDlg::BindControls()
{
    BindCommand(IDC_MONSTER_NAME, CBN_SELENDOK, [this] { OnSelectName(); });
    BindCommand(IDC_MONSTER_NUMBER, CBN_SELENDOK, [this] { OnSelectNumber(); });
    BindClick(IDC_MONSTER_STOP, [this] {
        m_player.Stop();
        KillTimer(Handle(), kFrameTimer);
        UpdateFrameButtons();
    });
    BindClick(IDC_MONSTER_PLAY, [this] {
        m_player.Play();
        StartFrames();
    });
    BindClick(IDC_MONSTER_PREVIOUS_FRAME, [this] {
        m_player.Step(-1);
        ShowFrame();
    });
    BindClick(IDC_MONSTER_NEXT_FRAME, [this] {
        m_player.Step(1);
        ShowFrame();
    });
    BindClick(IDC_MONSTER_SHOW_PICTURES, [this] { OnShowPictures(); });
    for (const HelpButton& help : kHelpButtons)
        BindClick(help.id, [this, id = help.id] { m_help.ShowFor(id); });
    BindNotify(IDC_MONSTER_LOOT, NM_DBLCLK, [this](NMHDR& header) {
        OnLootDoubleClick(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        return LRESULT{0};
    });
}

void CMonsterViewerDlg::FillSelectionLists()
{
    if (const CGameData* game = GetGameData())
        m_lists.Fill(MonsterNames(*game));
}

void CMonsterViewerDlg::LoadButtonArt()
{
    const Colour face = GetSysColor(COLOR_BTNFACE);
    for (size_t i = 0; i < std::size(kFrameButtons); ++i) {
        m_buttonArt[i][0] = LoadMappedBitmap(kFrameButtons[i].bitmap, kArtMaskColour, face);
        m_buttonArt[i][1] = LoadMappedBitmap(kFrameButtons[i].bitmap, kArtMaskColour, Rgb(255, 255, 255));
    }
    // Without their picture the help buttons keep their "?".
    m_helpArt = LoadMappedBitmap(IDB_HELP_BUTTON, kArtMaskColour, face);
    if (!m_helpArt)
        return;
    for (const HelpButton& help : kHelpButtons) {
        const CButton button(Handle(), help.id);
        button.AddStyle(BS_BITMAP);
        button.SetImage(m_helpArt.Get());
    }
}

void CMonsterViewerDlg::PrepareLootList()
{
    m_lootView.Attach(Handle(), IDC_MONSTER_LOOT);
    m_loot.Attach(m_lootView.Handle());
    m_lootView.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 2; ++i)
        m_lootView.InsertColumn(i, L"", 0);
    FitLootColumns();
    const CGameData* game = GetGameData();
    if (!game)
        return;
    // Every window shares the store's image list: the template keeps the list from destroying it.
    if (HIMAGELIST images = SharedImageList(game->ItemImagesSmall()))
        m_lootView.SetImageList(images, LVSIL_SMALL);
}

// The item column takes what the chance column leaves: the chance column is 14/60 of the width
// beside any scroll bar, so that neither ever needs a horizontal one.
void CMonsterViewerDlg::FitLootColumns() const
{
    RECT client{};
    GetClientRect(m_lootView.Handle(), &client);
    const int width = client.right, chance = 14 * width / 60;
    if (m_lootView.GetColumnWidth(1) == chance && m_lootView.GetColumnWidth(0) == width - chance)
        return;
    m_lootView.SetColumnWidth(0, width - chance);
    m_lootView.SetColumnWidth(1, chance);
}

void CMonsterViewerDlg::SelectMonster(int number)
{
    if (number < 0 || number >= m_lists.Count())
        return;
    m_lists.Numbers().SetCurSel(number);
    OnSelectNumber();
}

void CMonsterViewerDlg::OnSelectName()
{
    const int number = m_lists.OnNameChosen();
    if (number < 0)
        return;
    m_current = number;
    ShowMonster(m_current);
}

void CMonsterViewerDlg::OnSelectNumber()
{
    const int number = m_lists.OnNumberChosen();
    if (number < 0)
        return; // the monster shown stays the current one
    m_current = number;
    ShowMonster(m_current);
}

void CMonsterViewerDlg::SetValue(int id, const std::string& text) const
{
    CTextControl(Handle(), id).SetTextIfChanged(text);
}

void CMonsterViewerDlg::ShowMonster(int number)
{
    const CGameData* game = GetGameData();
    const std::optional<MonsterViewerFields> found = game ? MonsterViewerFieldsOf(*game, number) : std::nullopt;
    if (!found)
        return;
    const MonsterViewerFields& fields = *found;
    // Values that stay as they were are left alone: each text set costs a redraw.
    const std::pair<int, const std::string*> values[] = {
        {IDC_MONSTER_UNIDENTIFIED, &fields.unidentified},
        {IDC_MONSTER_EXPERIENCE, &fields.experience},
        {IDC_MONSTER_HIT_POINTS, &fields.hitPoints},
        {IDC_MONSTER_STAMINA, &fields.stamina},
        {IDC_MONSTER_GROUP, &fields.group},
        {IDC_MONSTER_ALLIANCE, &fields.alliance},
        {IDC_MONSTER_TYPE, &fields.type},
        {IDC_MONSTER_GENDER, &fields.gender},
        {IDC_MONSTER_SPEED_FACTOR, &fields.speedFactor},
        {IDC_MONSTER_ID, &fields.number},
        {IDC_MONSTER_STRENGTH, &fields.strength},
        {IDC_MONSTER_INTELLIGENCE, &fields.intelligence},
        {IDC_MONSTER_DEXTERITY, &fields.dexterity},
        {IDC_MONSTER_SPEED, &fields.speed},
        {IDC_MONSTER_ATTACKS, &fields.attacksPerRound},
        {IDC_MONSTER_SWINGS, &fields.swings},
        {IDC_MONSTER_ARMOR_CLASS, &fields.armorClass},
        {IDC_MONSTER_ARMOR_NOTE, &fields.armorNote},
        {IDC_MONSTER_COMPANIONS, &fields.companions},
        {IDC_MONSTER_BEHAVIOUR, &fields.behaviour},
        {IDC_MONSTER_BEHAVIOUR_CHANCE, &fields.behaviourChance},
        {IDC_MONSTER_SPECIAL, &fields.special},
        {IDC_MONSTER_SPECIAL_CHANCE, &fields.specialChance},
        {IDC_MONSTER_SPECIAL_EFFECT, &fields.specialEffect},
        {IDC_MONSTER_SPELL_CHANCE, &fields.spellChance},
        {IDC_MONSTER_CAST_LEVEL, &fields.castLevel},
    };
    for (const auto& [id, text] : values)
        SetValue(id, *text);
    CListBox(Handle(), IDC_MONSTER_RESISTANCES).Fill(fields.resistances);
    CListBox(Handle(), IDC_MONSTER_SPELLS).Fill(fields.spells);
    for (size_t k = 0; k < fields.attacks.size(); ++k) {
        const MonsterAttackFields& attack = fields.attacks[k];
        const AttackIds& ids = kAttackIds[k];
        const std::pair<int, const std::string*> texts[] = {{ids.range, &attack.range},
                                                           {ids.manner, &attack.manner},
                                                           {ids.damage, &attack.damage},
                                                           {ids.multiplier, &attack.multiplier},
                                                           {ids.miss, &attack.miss}};
        for (const auto& [id, text] : texts)
            SetValue(id, *text);
        m_effects[k].Fill(attack.effects);
    }
    FillLoot(fields.loot);
    ShowPicture(number);
}

void CMonsterViewerDlg::FillLoot(std::vector<LootRow> rows)
{
    m_loot.ClearChoices();
    m_lootView.SetRedraw(false);
    m_lootView.DeleteAllItems();
    for (size_t i = 0; i < rows.size(); ++i) {
        const int at = m_lootView.InsertItem(static_cast<int>(i), rows[i].text, rows[i].image, rows[i].data);
        m_lootView.SetItemText(at, 1, rows[i].chance);
    }
    m_lootView.SetRedraw(true);
    FitLootColumns(); // the rows may have brought a scroll bar
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].choices.empty())
            continue;
        ChoiceSet set;
        for (const LootChoice& choice : rows[i].choices) {
            set.texts.push_back(Widen(choice.text));
            set.images.push_back(choice.image);
        }
        m_loot.AddChoices(static_cast<int>(i), set);
    }
    m_lootRows = std::move(rows);
}

void CMonsterViewerDlg::OnLootDoubleClick(int row)
{
    const CGameData* game = GetGameData();
    if (!game || row < 0 || row >= static_cast<int>(m_lootRows.size()))
        return;
    const std::optional<int> item = LootRowItem(*game, m_lootRows[static_cast<size_t>(row)], m_loot.GetChoice(row));
    if (item && m_openItem)
        m_openItem(GetAncestor(Handle(), GA_ROOT), *item);
}

// ---- Picture ---------------------------------------------------------------------------------

void CMonsterViewerDlg::ShowPicture(int number)
{
    KillTimer(Handle(), kFrameTimer);
    m_picture.SetBitmap(nullptr);
    m_frames.clear();
    m_player.Load(0);
    CGameData* game = GetGameData();
    if (m_player.PicturesShown() && game) {
        std::vector<Image> images;
        game->LoadMonsterPicture(number, images, 2);
        for (const Image& image : images)
            if (BitmapHandle frame = CreateBitmapFromImage(image))
                m_frames.push_back(std::move(frame));
        m_player.Load(static_cast<int>(m_frames.size()));
        if (!images.empty())
            m_picture.PlaceCentred(m_stage, images.front().Width(), images.front().Height());
    }
    StartFrames();
}

void CMonsterViewerDlg::StartFrames()
{
    m_player.Restart();
    UpdateFrameButtons();
    if (!m_player.Visible())
        return;
    ShowFrame();
    if (m_player.Animating())
        SetTimer(Handle(), kFrameTimer, kFrameMilliseconds, nullptr);
}

void CMonsterViewerDlg::ShowFrame()
{
    if (!m_player.Visible())
        return;
    // Frames of one picture are of one size: a part scrolled into view stays in view.
    const POINT scrolled = m_picture.GetScrollPosition();
    m_picture.SetBitmap(m_frames[static_cast<size_t>(m_player.Frame())].Get());
    if (scrolled.x || scrolled.y)
        m_picture.SetScrollPosition(scrolled);
}

void CMonsterViewerDlg::UpdateFrameButtons()
{
    const HWND focus = GetFocus();
    bool focusLost = false;
    for (size_t i = 0; i < std::size(kFrameButtons); ++i) {
        const CButton button(Handle(), kFrameButtons[i].id);
        const bool enabled = m_player.Enabled(kFrameButtons[i].control);
        focusLost |= button.Handle() == focus && !enabled;
        button.Enable(enabled);
        button.SetImage(m_buttonArt[i][enabled ? 0 : 1].Get());
    }
    if (focusLost)
        FocusControl(Item(ControlId(m_player.FocusAfterDisabling())));
    ShowWindow(m_picture.Handle(), m_player.Visible() ? SW_SHOWNA : SW_HIDE);
}

void CMonsterViewerDlg::OnShowPictures()
{
    m_player.ShowPictures(m_showPictures.IsChecked());
    if (!m_player.PicturesShown()) {
        KillTimer(Handle(), kFrameTimer);
        UpdateFrameButtons();
        return;
    }
    if (m_current < 0)
        UpdateFrameButtons();
    else if (m_frames.empty())
        ShowPicture(m_current);
    else
        StartFrames();
}

void CMonsterViewerDlg::OnTimer(UINT_PTR timer)
{
    if (timer == CHelpTip::kTimer) {
        m_help.Hide();
        return;
    }
    if (timer != kFrameTimer)
        return;
    if (!m_player.Turning()) {
        KillTimer(Handle(), kFrameTimer);
        return;
    }
    m_player.Step(1);
    ShowFrame();
}

// ---- Commands --------------------------------------------------------------------------------

bool CMonsterViewerDlg::OnCommand(int, int code, HWND)
{
    m_help.HideOnCommand(code);
    return false;
}

bool CMonsterViewerDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&)
{
    if (message == WM_LBUTTONDOWN)
        m_help.Hide();
    return false;
}

void CMonsterViewerDlg::OnCancel()
{
    // As a page, Escape closes the frame that holds it.
    DestroyWindow(GetAncestor(Handle(), GA_ROOT));
}

void CMonsterViewerDlg::OnDestroy()
{
    KillTimer(Handle(), kFrameTimer);
    m_help.Destroy();
    m_picture.SetBitmap(nullptr);
}
