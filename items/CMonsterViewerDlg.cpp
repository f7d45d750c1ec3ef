#include "items/CMonsterViewerDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemViewerLink.h"
#include "items/MonsterView.h"
#include "res/resource.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

#include <algorithm>
#include <utility>
#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr int kHelpBitmap = 139;
constexpr int kEffectHeight = 14; // pixels per entry of the effects lists
constexpr int kStateIconSize = 9;

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

// The help buttons: the tool each shows, its text, how wide its lines may be and how long it stays.
struct HelpButton {
    int id;
    int tool;
    int text; // resource string
    int maxWidth; // pixels; -1: no limit
    UINT milliseconds;
};
constexpr HelpButton kHelpButtons[] = {
    {IDC_MONSTER_HELP_GROUP, 1, 2, -1, 5000},
    {IDC_MONSTER_HELP_HIT_POINTS, 2, 1, -1, 5000},
    {IDC_MONSTER_HELP_SPECIAL, 3, 3, 300, 15000},
    {IDC_MONSTER_HELP_EFFECTS1, 4, 5, 300, 20000},
    {IDC_MONSTER_HELP_EFFECTS2, 4, 5, 300, 20000},
    {IDC_MONSTER_HELP_EFFECTS3, 4, 5, 300, 20000},
    {IDC_MONSTER_HELP_MISS1, 5, 6, 300, 10000},
    {IDC_MONSTER_HELP_MISS2, 5, 6, 300, 10000},
    {IDC_MONSTER_HELP_MISS3, 5, 6, 300, 10000},
    {IDC_MONSTER_HELP_LOOT, 6, 8, 300, 10000},
    {IDC_MONSTER_HELP_MANNER1, 7, 9, 300, 20000},
    {IDC_MONSTER_HELP_MANNER2, 7, 9, 300, 20000},
    {IDC_MONSTER_HELP_MANNER3, 7, 9, 300, 20000},
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

bool IsEffectsList(int id)
{
    return id == IDC_MONSTER_EFFECTS1 || id == IDC_MONSTER_EFFECTS2 || id == IDC_MONSTER_EFFECTS3;
}

// Commands before which the help text goes: clicks, focus changes of combo boxes and edits.
bool HidesHelp(int code) { return code == 0 || code == 3 || code == 4 || code == 256; }

HICON LoadProgramIcon(int id, int metricX, int metricY)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
}

} // namespace

CMonsterViewerDlg::CMonsterViewerDlg(bool page)
    : CViewerDialog(page ? IDD_MONSTER_FORM : IDD_MONSTER_VIEWER), m_page(page), m_openItem(OpenItemViewerModal)
{
}

BOOL CMonsterViewerDlg::OnInitDialog()
{
    const HWND window = Handle();
    if (HWND stage = Item(IDC_MONSTER_PICTURE)) {
        GetWindowRect(stage, &m_stage);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&m_stage), 2);
    }
    m_picture.ReplaceControl(window, IDC_MONSTER_PICTURE);
    ShowWindow(m_picture.Handle(), SW_HIDE);

    m_help.Create(window);
    for (const HelpButton& button : kHelpButtons)
        m_help.AddTool(button.tool, Widen(ResourceString(button.text)));

    if (!m_page) {
        m_bigIcon.Reset(LoadProgramIcon(IDI_MONSTER_VIEWER, SM_CXICON, SM_CYICON));
        m_smallIcon.Reset(LoadProgramIcon(IDI_MONSTER_VIEWER, SM_CXSMICON, SM_CYSMICON));
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.Get()));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
    }

    FillSelectionLists();
    LoadButtonArt();
    PrepareLootList();
    PrepareEffectsLists();

    CheckItem(IDC_MONSTER_SHOW_PICTURES, true);
    UpdateFrameButtons();
    return TRUE;
}

void CMonsterViewerDlg::FillSelectionLists()
{
    const CGameData* game = GetGameData();
    if (!game)
        return;
    const HWND names = Item(IDC_MONSTER_NAME), numbers = Item(IDC_MONSTER_NUMBER);
    const std::vector<std::string> list = MonsterNames(*game);
    SendMessageW(names, CB_INITSTORAGE, list.size(), list.size() * 20);
    SendMessageW(numbers, CB_INITSTORAGE, list.size(), list.size() * 20);
    for (size_t i = 0; i < list.size(); ++i) {
        const std::wstring name = Widen(list[i]);
        SendMessageW(numbers, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(name.c_str()));
        const LRESULT at = SendMessageW(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (at >= 0)
            SendMessageW(names, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    }
}

void CMonsterViewerDlg::LoadButtonArt()
{
    const Colour face = GetSysColor(COLOR_BTNFACE);
    for (size_t i = 0; i < std::size(kFrameButtons); ++i) {
        m_buttonArt[i][0] = LoadMappedBitmap(kFrameButtons[i].bitmap, kArtMaskColour, face);
        m_buttonArt[i][1] = LoadMappedBitmap(kFrameButtons[i].bitmap, kArtMaskColour, Rgb(255, 255, 255));
    }
    // Without their picture the help buttons keep their "?".
    m_helpArt = LoadMappedBitmap(kHelpBitmap, kArtMaskColour, face);
    if (!m_helpArt)
        return;
    for (const HelpButton& button : kHelpButtons) {
        HWND control = Item(button.id);
        SetWindowLongW(control, GWL_STYLE, GetWindowLongW(control, GWL_STYLE) | BS_BITMAP);
        SendMessageW(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_helpArt.Get()));
    }
}

void CMonsterViewerDlg::PrepareLootList()
{
    const HWND list = Item(IDC_MONSTER_LOOT);
    m_loot.Attach(list);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(L"");
    for (int i = 0; i < 2; ++i)
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    FitLootColumns();
    const CGameData* game = GetGameData();
    if (!game)
        return;
    // Every window shares the store's image list: the template keeps the list from destroying it.
    if (HIMAGELIST images = SharedImageList(game->m_itemImagesSmall))
        ListView_SetImageList(list, images, LVSIL_SMALL);
}

void CMonsterViewerDlg::PrepareEffectsLists()
{
    // Their entries were measured before the dialog had its object: set the height now.
    for (const AttackIds& attack : kAttackIds)
        SendDlgItemMessageW(Handle(), attack.effects, LB_SETITEMHEIGHT, 0, kEffectHeight);
    if (const CGameData* game = GetGameData())
        for (int i = 0; i < game->m_stateIcons9.Count(); ++i)
            m_stateIcons.push_back(CreateBitmapFromImage(*game->m_stateIcons9.Get(i)));
}

// The item column takes what the chance column leaves: the chance column is 14/60 of the width
// beside any scroll bar, so that neither ever needs a horizontal one.
void CMonsterViewerDlg::FitLootColumns() const
{
    const HWND list = Item(IDC_MONSTER_LOOT);
    RECT client{};
    GetClientRect(list, &client);
    const int width = client.right, chance = 14 * width / 60;
    if (ListView_GetColumnWidth(list, 1) == chance && ListView_GetColumnWidth(list, 0) == width - chance)
        return;
    ListView_SetColumnWidth(list, 0, width - chance);
    ListView_SetColumnWidth(list, 1, chance);
}

void CMonsterViewerDlg::SelectMonster(int number)
{
    if (number < 0 || number >= SendDlgItemMessageW(Handle(), IDC_MONSTER_NUMBER, CB_GETCOUNT, 0, 0))
        return;
    SendDlgItemMessageW(Handle(), IDC_MONSTER_NUMBER, CB_SETCURSEL, static_cast<WPARAM>(number), 0);
    OnSelectNumber();
}

void CMonsterViewerDlg::OnSelectName()
{
    const LRESULT selected = SendDlgItemMessageW(Handle(), IDC_MONSTER_NAME, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return;
    m_current = static_cast<int>(SendDlgItemMessageW(Handle(), IDC_MONSTER_NAME, CB_GETITEMDATA, selected, 0));
    SendDlgItemMessageW(Handle(), IDC_MONSTER_NUMBER, CB_SETCURSEL, static_cast<WPARAM>(m_current), 0);
    ShowMonster(m_current);
}

void CMonsterViewerDlg::OnSelectNumber()
{
    const LRESULT selected = SendDlgItemMessageW(Handle(), IDC_MONSTER_NUMBER, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return; // the monster shown stays the current one
    m_current = static_cast<int>(selected);
    const HWND names = Item(IDC_MONSTER_NAME);
    const LRESULT count = SendMessageW(names, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendMessageW(names, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == m_current) {
            SendMessageW(names, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            break;
        }
    ShowMonster(m_current);
}

void CMonsterViewerDlg::FillList(int id, const std::vector<std::string>& entries) const
{
    const HWND list = Item(id);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0); // one redraw for the whole list
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

bool CMonsterViewerDlg::SetValue(int id, const std::string& text) const
{
    const std::wstring wide = Widen(text);
    if (ItemText(id) == wide)
        return false;
    SetItemText(id, wide.c_str());
    return true;
}

void CMonsterViewerDlg::ShowMonster(int number)
{
    const CGameData* game = GetGameData();
    const std::optional<MonsterView> found = game ? DescribeMonster(*game, number) : std::nullopt;
    if (!found)
        return;
    const MonsterView& view = *found;
    // Values that stay as they were are left alone: each text set costs a redraw.
    const std::pair<int, const std::string*> values[] = {
        {IDC_MONSTER_UNIDENTIFIED, &view.unidentified},
        {IDC_MONSTER_EXPERIENCE, &view.experience},
        {IDC_MONSTER_HIT_POINTS, &view.hitPoints},
        {IDC_MONSTER_STAMINA, &view.stamina},
        {IDC_MONSTER_GROUP, &view.group},
        {IDC_MONSTER_ALLIANCE, &view.alliance},
        {IDC_MONSTER_TYPE, &view.type},
        {IDC_MONSTER_GENDER, &view.gender},
        {IDC_MONSTER_SPEED_FACTOR, &view.speedFactor},
        {IDC_MONSTER_ID, &view.number},
        {IDC_MONSTER_STRENGTH, &view.strength},
        {IDC_MONSTER_INTELLIGENCE, &view.intelligence},
        {IDC_MONSTER_DEXTERITY, &view.dexterity},
        {IDC_MONSTER_SPEED, &view.speed},
        {IDC_MONSTER_ATTACKS, &view.attacksPerRound},
        {IDC_MONSTER_SWINGS, &view.swings},
        {IDC_MONSTER_ARMOR_CLASS, &view.armorClass},
        {IDC_MONSTER_ARMOR_NOTE, &view.armorNote},
        {IDC_MONSTER_COMPANIONS, &view.companions},
        {IDC_MONSTER_BEHAVIOUR, &view.behaviour},
        {IDC_MONSTER_BEHAVIOUR_CHANCE, &view.behaviourChance},
        {IDC_MONSTER_SPECIAL, &view.special},
        {IDC_MONSTER_SPECIAL_CHANCE, &view.specialChance},
        {IDC_MONSTER_SPECIAL_EFFECT, &view.specialEffect},
        {IDC_MONSTER_SPELL_CHANCE, &view.spellChance},
        {IDC_MONSTER_CAST_LEVEL, &view.castLevel},
    };
    for (const auto& [id, text] : values)
        SetValue(id, *text);
    FillList(IDC_MONSTER_RESISTANCES, view.resistances);
    FillList(IDC_MONSTER_SPELLS, view.spells);
    for (size_t k = 0; k < view.attacks.size(); ++k) {
        const AttackView& attack = view.attacks[k];
        const AttackIds& ids = kAttackIds[k];
        const std::pair<int, const std::string*> texts[] = {{ids.range, &attack.range},
                                                           {ids.manner, &attack.manner},
                                                           {ids.damage, &attack.damage},
                                                           {ids.multiplier, &attack.multiplier},
                                                           {ids.miss, &attack.miss}};
        for (const auto& [id, text] : texts)
            SetValue(id, *text);
        const HWND effects = Item(ids.effects);
        SendMessageW(effects, WM_SETREDRAW, FALSE, 0);
        SendMessageW(effects, LB_RESETCONTENT, 0, 0);
        for (const IconEntry& entry : attack.effects) {
            const LRESULT at =
                SendMessageW(effects, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry.text).c_str()));
            if (at >= 0)
                SendMessageW(effects, LB_SETITEMDATA, static_cast<WPARAM>(at), entry.icon);
        }
        SendMessageW(effects, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(effects, nullptr, TRUE);
    }
    FillLoot(view.loot);
    ShowPicture(number);
}

void CMonsterViewerDlg::FillLoot(std::vector<LootRow> rows)
{
    const HWND list = Item(IDC_MONSTER_LOOT);
    m_loot.ClearChoices();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring text = Widen(rows[i].text), chance = Widen(rows[i].chance);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = text.data();
        item.iImage = rows[i].image;
        item.lParam = rows[i].data;
        const int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        ListView_SetItemText(list, at, 1, chance.data());
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
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
            PlacePicture(images.front().Width(), images.front().Height());
    }
    StartFrames();
}

// The picture window takes the picture's size, centred on the stage; a picture larger than the
// stage is shown in part, with scroll bars.
void CMonsterViewerDlg::PlacePicture(int width, int height)
{
    const HWND window = m_picture.Handle();
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    const int stageWidth = m_stage.right - m_stage.left, stageHeight = m_stage.bottom - m_stage.top;
    const int w = std::min(width + frameWidth, stageWidth), h = std::min(height + frameHeight, stageHeight);
    SetWindowPos(window, nullptr, m_stage.left + (stageWidth - w) / 2, m_stage.top + (stageHeight - h) / 2, w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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
        const HWND button = Item(kFrameButtons[i].id);
        const bool enabled = m_player.Enabled(kFrameButtons[i].control);
        focusLost |= button == focus && !enabled;
        EnableWindow(button, enabled);
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(m_buttonArt[i][enabled ? 0 : 1].Get()));
    }
    if (focusLost)
        SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(ControlId(m_player.FocusAfterDisabling()))),
                     TRUE);
    ShowWindow(m_picture.Handle(), m_player.Visible() ? SW_SHOWNA : SW_HIDE);
}

void CMonsterViewerDlg::OnShowPictures()
{
    m_player.ShowPictures(IsItemChecked(IDC_MONSTER_SHOW_PICTURES));
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

bool CMonsterViewerDlg::ShowHelp(int button)
{
    for (const HelpButton& help : kHelpButtons)
        if (help.id == button) {
            m_help.Show(help.tool, Item(button), help.maxWidth, help.milliseconds);
            return true;
        }
    return false;
}

bool CMonsterViewerDlg::OnCommand(int id, int code, HWND)
{
    if (HidesHelp(code))
        m_help.Hide();
    if (code == CBN_SELENDOK && id == IDC_MONSTER_NAME) {
        OnSelectName();
        return true;
    }
    if (code == CBN_SELENDOK && id == IDC_MONSTER_NUMBER) {
        OnSelectNumber();
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_MONSTER_STOP:
        m_player.Stop();
        KillTimer(Handle(), kFrameTimer);
        UpdateFrameButtons();
        return true;
    case IDC_MONSTER_PLAY:
        m_player.Play();
        StartFrames();
        return true;
    case IDC_MONSTER_PREVIOUS_FRAME:
    case IDC_MONSTER_NEXT_FRAME:
        m_player.Step(id == IDC_MONSTER_NEXT_FRAME ? 1 : -1);
        ShowFrame();
        return true;
    case IDC_MONSTER_SHOW_PICTURES:
        OnShowPictures();
        return true;
    default:
        return ShowHelp(id);
    }
}

bool CMonsterViewerDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_MONSTER_LOOT || header->code != NM_DBLCLK)
        return false;
    OnLootDoubleClick(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    result = 0;
    return true;
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

// ---- Effects lists ---------------------------------------------------------------------------

bool CMonsterViewerDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    if (!IsEffectsList(id))
        return CViewerDialog::OnDrawItem(id, item);
    if (item->itemID != static_cast<UINT>(-1))
        DrawEffect(*item);
    return true;
}

// The entry's state mark, copied as it is, then its text 12 pixels on; no selection, no focus.
void CMonsterViewerDlg::DrawEffect(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    RECT place = item.rcItem;
    FillRect(dc, &place, GetSysColorBrush(COLOR_WINDOW));
    const size_t icon = item.itemData;
    if (icon < m_stateIcons.size() && m_stateIcons[icon]) {
        MemoryDc memory(CreateCompatibleDC(dc));
        SelectGuard select(memory.Get(), m_stateIcons[icon].Get());
        BitBlt(dc, place.left + 1, place.top + (place.bottom - place.top - kStateIconSize) / 2, kStateIconSize,
               kStateIconSize, memory.Get(), 0, 0, SRCCOPY);
    }
    const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    if (length <= 0)
        return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    place.left += 12;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), -1, &place, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
