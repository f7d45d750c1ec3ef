#include "saves/CSaveFileViewerDlg.h"
#include "saves/CWorldInfoDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/ResourceStrings.h"
#include "res/resource.h"
#include "saves/CCharItemsDlg.h"
#include "saves/CCharNpcsDlg.h"
#include "saves/CCharProfessionsDlg.h"
#include "ui/Bitmaps.h"
#include "ui/Controls.h"
#include "ui/DwordSetting.h"
#include "ui/FileDialogs.h"
#include "ui/ImageLists.h"
#include "ui/MappedBitmap.h"
#include "ui/WinText.h"

#include <algorithm>
#include <memory>

namespace {

constexpr wchar_t kOptionsSetting[] = L"vsavefiledata";
constexpr int kHelpTool = 1;
constexpr int kHelpText = 106;
constexpr int kHelpWidth = 400;
constexpr int kSpecialHeight = 14; // pixels per row of the special-attack lists
constexpr int kStateIconSize = 9;

struct OptionBox {
    int id;
    uint32_t bit;
};
constexpr OptionBox kOptionBoxes[] = {
    {IDC_SAVE_ANIMATION, viewoptions::kAnimation},       {IDC_SAVE_SHOW_LEARNED, viewoptions::kShowLearned},
    {IDC_SAVE_SHOW_UNKNOWN, viewoptions::kShowUnknown},  {IDC_SAVE_LATEST_TYPE, viewoptions::kLatestFileType},
    {IDC_SAVE_SCHOOL_ICONS, viewoptions::kSchoolIcons},
};

// Every field that shows a text of the character, emptied together.
constexpr int kFields[] = {
    IDC_SAVE_HIT_POINTS, IDC_SAVE_STAMINA,   IDC_SAVE_CARRYING,   IDC_SAVE_DELETED,   IDC_SAVE_RACE,
    IDC_SAVE_SEX,        IDC_SAVE_CLASS,     IDC_SAVE_LEVEL,      IDC_SAVE_BASE_MISS, IDC_SAVE_BASE_INITIATIVE,
    IDC_SAVE_ATTACKS,    IDC_SAVE_SWINGS,    IDC_SAVE_WEAPON1,    IDC_SAVE_WEAPON2,   IDC_SAVE_MISS1,
    IDC_SAVE_MISS2,      IDC_SAVE_INITIATIVE1, IDC_SAVE_INITIATIVE2, IDC_SAVE_MODES1, IDC_SAVE_MODES2,
    IDC_SAVE_DAMAGE1,    IDC_SAVE_DAMAGE2,   IDC_SAVE_RANK,       IDC_SAVE_MAX_LEVEL, IDC_SAVE_LIVE,
    IDC_SAVE_REGEN,      IDC_SAVE_EXPERIENCE, IDC_SAVE_AC_BASE,   IDC_SAVE_AC_SHIELD, IDC_SAVE_AC_MISC,
    IDC_SAVE_AC_LOAD,    1162,               1163,                1164,               1165,
    1166,                IDC_SAVE_TOTAL_BONUS, IDC_SAVE_PATH,     IDC_SAVE_KIND,      IDC_SAVE_COUNT,
};

struct AttackIds {
    int weapon, damage, modes, miss, initiative, specials;
};
constexpr AttackIds kAttackIds[] = {
    {IDC_SAVE_WEAPON1, IDC_SAVE_DAMAGE1, IDC_SAVE_MODES1, IDC_SAVE_MISS1, IDC_SAVE_INITIATIVE1, IDC_SAVE_SPECIALS1},
    {IDC_SAVE_WEAPON2, IDC_SAVE_DAMAGE2, IDC_SAVE_MODES2, IDC_SAVE_MISS2, IDC_SAVE_INITIATIVE2, IDC_SAVE_SPECIALS2},
};

constexpr int kSkillLists[] = {IDC_SAVE_WEAPONRY, IDC_SAVE_WEAPONRY + 1, IDC_SAVE_WEAPONRY + 2, IDC_SAVE_WEAPONRY + 3};
constexpr int kValueLists[] = {IDC_SAVE_ATTRIBUTES, IDC_SAVE_RESISTANCES, kSkillLists[0],
                               kSkillLists[1],      kSkillLists[2],       kSkillLists[3]};

// The six lists stop drawing while all their rows are made or emptied, and are drawn once
// afterwards: a list that draws lays itself out and sets its scroll bars again after every row
// (a tenth of a millisecond each under Wine, for some sixty rows).
class ListsPaused {
public:
    explicit ListsPaused(HWND window) : m_window(window)
    {
        for (int id : kValueLists)
            CControl(window, id).SetRedraw(false);
    }
    ~ListsPaused()
    {
        for (int id : kValueLists) {
            const CControl list(m_window, id);
            list.SetRedraw(true);
            list.Invalidate();
        }
    }
    ListsPaused(const ListsPaused&) = delete;
    ListsPaused& operator=(const ListsPaused&) = delete;

private:
    HWND m_window;
};

// Name column and value column ("%i") of the attribute and skill lists.
int ClientWidth(const CControl& control)
{
    RECT client{};
    GetClientRect(control.Handle(), &client);
    return client.right;
}

void AddNameValueColumns(const CListView& list)
{
    const int width = ClientWidth(list);
    list.InsertColumn(0, "", width - width / 4, LVCFMT_LEFT);
    list.InsertColumn(1, "", width / 4, LVCFMT_RIGHT);
}

} // namespace


CSaveFileViewerDlg::CSaveFileViewerDlg() : CViewerDialog(IDD_SAVE_VIEWER)
{
    if (std::optional<DWORD> stored = ReadDwordSetting(kOptionsSetting))
        m_options = *stored;
}

BOOL CSaveFileViewerDlg::OnInitDialog()
{
    const HWND window = Handle();
    if ((m_helpArt = LoadMappedBitmap(IDB_HELP_BUTTON, kArtMaskColour, GetSysColor(COLOR_BTNFACE))))
        CButton(window, IDC_SAVE_HELP).SetImage(m_helpArt.Get());
    SetIcons(IDI_SAVE_VIEWER);
    for (const OptionBox& box : kOptionBoxes)
        CButton(window, box.id).SetCheck(m_options & box.bit);

    BindControls();
    PrepareLists();
    PrepareSpellTree();
    if (m_options & viewoptions::kAnimation)
        SetTimer(window, kAnimationTimer, kAnimationMilliseconds, nullptr);
    m_conditionImages.fill(-1);
    for (int k = 0; k < character::kConditions; ++k) {
        m_conditions[static_cast<size_t>(k)].Attach(GetDlgItem(window, IDC_SAVE_CONDITION1 + k));
        m_conditions[static_cast<size_t>(k)].SetBackground(GetSysColor(COLOR_BTNFACE));
    }
    m_portrait.ReplaceControl(window, IDC_SAVE_PORTRAIT);
    m_portrait.SetFitToPicture(true, true);
    UpdateButtons();
    return TRUE;
}

void CSaveFileViewerDlg::PrepareLists()
{
    const HWND window = Handle();
    const CGameData* game = GetGameData();
    const ListsPaused paused(window);
    const CListView attributes(window, IDC_SAVE_ATTRIBUTES);
    attributes.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    attributes.SetColours(kAttributeText, Rgb(0, 0, 0));
    AddNameValueColumns(attributes);
    for (int a = 0; a < character::kAttributes; ++a)
        attributes.InsertItem(a, game ? game->AttributeName(a) : std::string(), -1, 0);

    for (size_t g = 0; g < kSkillGroups.size(); ++g) {
        const CListView skills(window, kSkillLists[g]);
        skills.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        skills.SetColours(kSkillGroups[g].colour, GetSysColor(COLOR_WINDOW));
        AddNameValueColumns(skills);
        for (int s = kSkillGroups[g].first; s < kSkillGroups[g].first + kSkillGroups[g].count; ++s)
            skills.InsertItem(s - kSkillGroups[g].first, game ? game->SkillName(s) : std::string(), -1, 0);
    }

    // The three columns fill the client width; the last gives way where they would not fit.
    const CListView resistances(window, IDC_SAVE_RESISTANCES);
    resistances.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    const int width = ClientWidth(resistances), unit = width / 9;
    const int name = 4 * unit, value = unit / 2 + 2 * unit + 2;
    resistances.InsertColumn(0, "element", name, LVCFMT_LEFT);
    resistances.InsertColumn(1, "base", value, LVCFMT_RIGHT);
    resistances.InsertColumn(2, "final", std::min(value, width - name - value), LVCFMT_RIGHT);
    for (int e = 0; e < character::kResistances; ++e)
        resistances.InsertItem(e, game ? game->ResistanceName(e + 1) : std::string(), -1, 0);

    for (const AttackIds& attack : kAttackIds)
        CListBox(window, attack.specials).SetItemHeight(kSpecialHeight);
    if (game)
        for (int i = 0; i < game->StateIcons9().Count(); ++i)
            m_stateIcons.push_back(CreateBitmapFromImage(*game->StateIcons9().Get(i)));
}

// The tree's images are the same for every viewer on one store: made once, kept for the run (a
// store at the address of an earlier one has its own installation folder).
void CSaveFileViewerDlg::PrepareSpellTree()
{
    CGameData* game = GetGameData();
    if (!game)
        return;
    struct Made {
        const CGameData* game;
        std::string folder;
        Colour window;
        ImageList images;
        int sphereFrames;
    };
    static std::vector<std::unique_ptr<Made>> made;
    const Colour window = GetSysColor(COLOR_WINDOW);
    auto found = std::find_if(made.begin(), made.end(), [&](const auto& entry) {
        return entry->game == game && entry->folder == game->InstallPath() && entry->window == window;
    });
    if (found == made.end()) {
        const Image schools = game->LoadProgramBitmap(spelltree::kSchoolBitmap).value_or(Image());
        auto entry = std::make_unique<Made>(Made{game, game->InstallPath(), window, {}, 0});
        entry->images = BuildSpellTreeImages(*game, window, schools, entry->sphereFrames);
        found = made.insert(made.end(), std::move(entry));
    }
    m_sphereFrames = (*found)->sphereFrames;
    CTreeView(Handle(), IDC_SAVE_SPELLS).SetImageList(SharedImageList((*found)->images));
}

const SavedCharacter* CSaveFileViewerDlg::Shown() const { return m_shownSlot < 0 ? nullptr : m_save.InSlot(m_shownSlot); }

// ---- Loading ---------------------------------------------------------------------------------

void CSaveFileViewerDlg::Report(const std::string& text) const
{
    if (m_report)
        m_report(text);
    else if (CGameData* game = GetGameData())
        game->ShowError(text);
}

void CSaveFileViewerDlg::LoadFile(const std::string& path)
{
    if (path.empty())
        return;
    SaveGame loaded;
    const SaveFileKind kind = loaded.Load(path);
    if (loaded.Failure() == SaveLoadFailure::CannotOpen) {
        Report(loaded.FailureMessage());
        return;
    }
    m_path = path;
    m_save = std::move(loaded);
    const int entry = kind == SaveFileKind::NotRecognised ? -1 : m_save.EntryNamed(m_lastName);
    // A character about to be shown sets every field and value itself: clearing them first
    // would only draw them twice.
    if (entry < 0 || !GetGameData())
        Clear();
    else
        ClearCharacterList();
    if (kind == SaveFileKind::NotRecognised) {
        Report(m_save.FailureMessage());
        ForgetSpellTree();
        UpdateButtons();
        return;
    }
    const HWND window = Handle();
    const CComboBox characters(window, IDC_SAVE_CHARACTER);
    for (const SavedCharacter& saved : m_save.Characters())
        characters.AddString(saved.Record().name());
    SetField(IDC_SAVE_PATH, path);
    SetField(IDC_SAVE_COUNT, savefile::CountText(m_save.Count()));
    SetField(IDC_SAVE_KIND, savefile::KindLabel(kind));
    if (entry >= 0) {
        characters.SetCurSel(entry);
        ShowSelected();
    }
    SetFocus(characters.Handle());
    UpdateButtons();
}

void CSaveFileViewerDlg::ClearCharacterList()
{
    m_shownSlot = -1;
    CComboBox(Handle(), IDC_SAVE_CHARACTER).ResetContent();
}

void CSaveFileViewerDlg::Clear()
{
    const HWND window = Handle();
    ClearCharacterList();
    for (int id : kFields)
        SetField(id, "");
    const ListsPaused paused(window);
    const auto clearValues = [window](int id, int first, int last) {
        const CListView list(window, id);
        for (int row = 0; row < list.GetItemCount(); ++row)
            for (int column = first; column <= last; ++column)
                list.SetItemText(row, column, "");
    };
    clearValues(IDC_SAVE_ATTRIBUTES, 1, 1);
    clearValues(IDC_SAVE_RESISTANCES, 1, 2);
    for (int id : kSkillLists)
        clearValues(id, 1, 1);
    for (size_t k = 0; k < std::size(kAttackIds); ++k)
        FillSpecials(k, {});
    ShowConditions({});
    ShowPortrait(-1);
}

void CSaveFileViewerDlg::ForgetSpellTree()
{
    CTreeView(Handle(), IDC_SAVE_SPELLS).DeleteAllItems();
    m_realms = {};
}

// ---- Showing a character ---------------------------------------------------------------------

void CSaveFileViewerDlg::ShowSelected()
{
    const int entry = CComboBox(Handle(), IDC_SAVE_CHARACTER).GetCurSel();
    if (entry < 0 || entry >= m_save.Count())
        return;
    const SavedCharacter& saved = m_save.Characters()[static_cast<size_t>(entry)];
    WaitCursor wait;
    m_lastName = saved.Record().name();
    ShowCharacter(saved);
}

void CSaveFileViewerDlg::SetField(int id, const std::string& text, Shade shade)
{
    const CTextControl field(Handle(), id);
    // Only this sets the fields: the text each was given last is the text it shows.
    std::string& shown = m_fieldTexts[id];
    if (shown != text) {
        field.SetText(text);
        shown = text;
    }
    const auto found = std::find_if(m_shades.begin(), m_shades.end(), [id](const auto& entry) { return entry.first == id; });
    if (shade == Shade::Normal) {
        if (found != m_shades.end()) {
            m_shades.erase(found);
            InvalidateRect(field.Handle(), nullptr, TRUE);
        }
        return;
    }
    if (found == m_shades.end())
        m_shades.emplace_back(id, shade);
    else if (found->second != shade)
        found->second = shade;
    else
        return;
    InvalidateRect(field.Handle(), nullptr, TRUE);
}

void CSaveFileViewerDlg::ShowCharacter(const SavedCharacter& saved)
{
    const CGameData* game = GetGameData();
    if (!game)
        return;
    const HWND window = Handle();
    const bool guild = m_save.Kind() == SaveFileKind::Guild;
    const CharacterSheet sheet = BuildCharacterSheet(*game, saved.Record(), guild, guild && m_save.IsDeleted(saved.slot));
    m_shownSlot = saved.slot;

    const std::pair<int, const std::string*> plain[] = {
        {IDC_SAVE_HIT_POINTS, &sheet.hitPoints},        {IDC_SAVE_STAMINA, &sheet.stamina},
        {IDC_SAVE_RACE, &sheet.race},                   {IDC_SAVE_SEX, &sheet.sex},
        {IDC_SAVE_CLASS, &sheet.profession},            {IDC_SAVE_LEVEL, &sheet.level},
        {IDC_SAVE_BASE_MISS, &sheet.baseMissChance},    {IDC_SAVE_BASE_INITIATIVE, &sheet.baseInitiative},
        {IDC_SAVE_ATTACKS, &sheet.attacksPerRound},     {IDC_SAVE_SWINGS, &sheet.swings},
        {IDC_SAVE_RANK, &sheet.rank},                   {IDC_SAVE_MAX_LEVEL, &sheet.maxPreviousLevel},
        {IDC_SAVE_LIVE, &sheet.live},                   {IDC_SAVE_EXPERIENCE, &sheet.experience},
        {IDC_SAVE_TOTAL_BONUS, &sheet.totalBonus},
    };
    for (const auto& [id, text] : plain)
        SetField(id, *text);
    const std::pair<int, const ShadedText*> shaded[] = {
        {IDC_SAVE_CARRYING, &sheet.carrying},  {IDC_SAVE_DELETED, &sheet.deleted},
        {IDC_SAVE_REGEN, &sheet.regen},        {IDC_SAVE_AC_BASE, &sheet.armourBase},
        {IDC_SAVE_AC_SHIELD, &sheet.armourShield}, {IDC_SAVE_AC_MISC, &sheet.armourMisc},
        {IDC_SAVE_AC_LOAD, &sheet.armourLoad},
    };
    for (const auto& [id, text] : shaded)
        SetField(id, text->text, text->shade);
    for (int part = 0; part < character::kBodyParts; ++part)
        SetField(IDC_SAVE_AC_HEAD + part, sheet.bodyParts[static_cast<size_t>(part)].text,
                 sheet.bodyParts[static_cast<size_t>(part)].shade);

    // The lists keep drawing here: only the values that change are drawn again.
    const CListView attributes(window, IDC_SAVE_ATTRIBUTES);
    for (int a = 0; a < character::kAttributes; ++a)
        attributes.SetItemText(a, 1, sheet.attributes[static_cast<size_t>(a)].value);
    const CListView resistances(window, IDC_SAVE_RESISTANCES);
    for (int e = 0; e < character::kResistances; ++e) {
        resistances.SetItemText(e, 1, sheet.resistances[static_cast<size_t>(e)].base);
        resistances.SetItemText(e, 2, sheet.resistances[static_cast<size_t>(e)].final);
    }
    for (size_t g = 0; g < sheet.skills.size(); ++g) {
        const CListView skills(window, kSkillLists[g]);
        for (size_t row = 0; row < sheet.skills[g].rows.size(); ++row)
            skills.SetItemText(static_cast<int>(row), 1, sheet.skills[g].rows[row].value);
    }

    const AttackView* attacks[] = {&sheet.attacks.primary, &sheet.attacks.secondary};
    for (size_t k = 0; k < std::size(attacks); ++k) {
        const AttackView& attack = *attacks[k];
        const AttackIds& ids = kAttackIds[k];
        SetField(ids.weapon, attack.weapon);
        SetField(ids.damage, attack.damage);
        SetField(ids.modes, attack.modes);
        SetField(ids.miss, attack.missModifier);
        SetField(ids.initiative, attack.initiativeModifier);
        FillSpecials(k, attack.specials);
    }
    ShowConditions(sheet.conditions);
    ShowPortrait(sheet.portrait);
    FillSpellTree();
}

// The rows of a special-attack list; a list that would show the rows it has is left alone.
void CSaveFileViewerDlg::FillSpecials(size_t attack, const std::vector<SpecialAttackRow>& rows)
{
    std::vector<SpecialAttackRow>& shown = m_specialRows[attack];
    const auto same = [](const SpecialAttackRow& a, const SpecialAttackRow& b) { return a.text == b.text && a.icon == b.icon; };
    if (std::equal(shown.begin(), shown.end(), rows.begin(), rows.end(), same))
        return;
    const CListBox specials(Handle(), kAttackIds[attack].specials);
    specials.SetRedraw(false);
    specials.ResetContent();
    for (const SpecialAttackRow& row : rows)
        specials.SetItemData(specials.AddString(row.text), row.icon);
    specials.SetRedraw(true);
    specials.Invalidate();
    shown = rows;
}

void CSaveFileViewerDlg::ShowConditions(const std::vector<ConditionIcon>& conditions)
{
    for (int tool = 1; tool <= m_conditionCount; ++tool)
        m_conditionTip.RemoveTool(tool);
    m_conditionCount = 0;
    const CGameData* game = GetGameData();
    for (size_t k = 0; k < m_conditions.size(); ++k) {
        const bool shown = k < conditions.size() && game && game->ItemImagesLarge().Get(conditions[k].image);
        const int image = shown ? conditions[k].image : -1;
        // A panel given its picture again would draw it again.
        if (m_conditionImages[k] != image) {
            m_conditions[k].SetBitmap(shown ? ConditionPicture(image) : nullptr, false);
            m_conditionImages[k] = image;
        }
        if (!shown)
            continue;
        if (!m_conditionTip.Handle())
            m_conditionTip.Create(Handle());
        m_conditionTip.AddTool(static_cast<int>(k) + 1, Widen(conditions[k].tip));
        m_conditionCount = static_cast<int>(k) + 1;
    }
}

// A condition's picture on the window's face, made once for the viewer.
HBITMAP CSaveFileViewerDlg::ConditionPicture(int image)
{
    BitmapHandle& made = m_conditionPictures[image];
    const CGameData* game = GetGameData();
    const Image* picture = game ? game->ItemImagesLarge().Get(image) : nullptr;
    if (!made && picture) {
        Image shown(picture->Width(), picture->Height(), GetSysColor(COLOR_BTNFACE));
        const Colour mask = game->ItemImagesLarge().Mask();
        shown.Draw(*picture, 0, 0, &mask);
        made = CreateBitmapFromImage(shown);
    }
    return made.Get();
}

void CSaveFileViewerDlg::ShowPortrait(int number)
{
    m_portrait.SetBitmap(nullptr);
    m_portraitBitmap.Reset();
    const CGameData* game = GetGameData();
    if (number < 0 || !game)
        return;
    if (std::optional<Image> portrait = game->GetPortrait(number, 4)) {
        m_portraitBitmap = CreateBitmapFromImage(*portrait);
        m_portrait.SetBitmap(m_portraitBitmap.Get());
    }
}

// ---- Spell tree ------------------------------------------------------------------------------

void CSaveFileViewerDlg::FillSpellTree()
{
    const SavedCharacter* saved = Shown();
    const CGameData* game = GetGameData();
    if (!saved || !game)
        return;
    WaitCursor wait;
    const SpellTree tree =
        BuildSpellTree(*game, saved->Record(), viewoptions::TreeOptions(m_options, m_sphereFrames), m_animation);
    const CTreeView view(Handle(), IDC_SAVE_SPELLS);
    view.SetRedraw(false);
    for (size_t realm = 0; realm < tree.size(); ++realm) {
        HTREEITEM& item = m_realms[realm];
        if (!item)
            item = view.InsertItem(TVI_ROOT, tree[realm].text, tree[realm].image, static_cast<LPARAM>(realm));
        else
            view.SetItem(item, tree[realm].text, tree[realm].image);
        while (HTREEITEM child = view.GetChild(item))
            view.DeleteItem(child);
        for (const SpellNode& spell : tree[realm].spells)
            view.InsertItem(item, spell.text, spell.image, spell.spell);
    }
    view.SetRedraw(true);
    view.Invalidate();
}

void CSaveFileViewerDlg::AdvanceAnimation()
{
    const CTreeView view(Handle(), IDC_SAVE_SPELLS);
    std::array<bool, character::kRealms> moving{};
    for (size_t realm = 0; realm < m_realms.size(); ++realm)
        moving[realm] = m_realms[realm] && view.GetChild(m_realms[realm]);
    m_animation.Advance(moving);
    for (size_t realm = 0; realm < m_realms.size(); ++realm)
        if (moving[realm])
            view.SetItemImage(m_realms[realm], m_animation.Frame(static_cast<int>(realm)));
}

// ---- Commands --------------------------------------------------------------------------------

void CSaveFileViewerDlg::UpdateButtons()
{
    const HWND window = Handle();
    const bool loaded = m_save.Kind() != SaveFileKind::NotRecognised;
    for (int id : {IDC_SAVE_NPCS, IDC_SAVE_ITEMS, IDC_SAVE_PROFESSIONS})
        CControl(window, id).Enable(loaded);
    CControl(window, IDC_SAVE_WORLD).Enable(m_save.Kind() == SaveFileKind::Save);
}

void CSaveFileViewerDlg::SetOption(uint32_t bit, bool on) { m_options = on ? m_options | bit : m_options & ~bit; }

void CSaveFileViewerDlg::OpenCharacterDialog(int id)
{
    const SavedCharacter* saved = Shown();
    if (!saved)
        return;
    const CharacterRecord record = saved->Record();
    if (id == IDC_SAVE_PROFESSIONS)
        CCharProfessionsDlg(record).DoModal(Handle());
    else if (id == IDC_SAVE_ITEMS)
        CCharItemsDlg(record).DoModal(Handle());
    else
        CCharNpcsDlg(record).DoModal(Handle());
}

// Any click, menu choice or focus change of a combo box or edit hides the help text first.
bool CSaveFileViewerDlg::OnCommand(int, int code, HWND)
{
    m_help.HideOnCommand(code);
    return false;
}

void CSaveFileViewerDlg::BindControls()
{
    BindCommand(IDC_SAVE_CHARACTER, CBN_SELCHANGE, [this] { ShowSelected(); });
    BindClick(IDC_SAVE_OPEN, [this] {
        if (CGameData* game = GetGameData())
            LoadFile(m_chooseFile ? m_chooseFile()
                                  : ChooseSaveFile(*game, Handle(), m_options & viewoptions::kLatestFileType));
    });
    BindClick(IDC_SAVE_OPEN_GUILD, [this] {
        if (CGameData* game = GetGameData())
            LoadFile(savefile::GuildFilePath(game->InstallPath(), game->IsGold()));
    });
    BindClick(IDC_SAVE_ANIMATION, [this] {
        SetOption(viewoptions::kAnimation, CButton(Handle(), IDC_SAVE_ANIMATION).IsChecked());
        if (m_options & viewoptions::kAnimation)
            SetTimer(Handle(), kAnimationTimer, kAnimationMilliseconds, nullptr);
        else
            KillTimer(Handle(), kAnimationTimer);
    });
    for (const OptionBox& box : kOptionBoxes) {
        if (box.id == IDC_SAVE_ANIMATION)
            continue;
        BindClick(box.id, [this, box] {
            SetOption(box.bit, CButton(Handle(), box.id).IsChecked());
            if (box.id != IDC_SAVE_LATEST_TYPE)
                FillSpellTree();
        });
    }
    BindClick(IDC_SAVE_HELP, [this] {
        if (!m_help.Handle() && m_help.Create(Handle()))
            m_help.AddTool(kHelpTool, Widen(ResourceString(kHelpText)));
        m_help.Show(kHelpTool, Item(IDC_SAVE_HELP), kHelpWidth, kHelpMilliseconds);
    });
    for (int id : {IDC_SAVE_NPCS, IDC_SAVE_ITEMS, IDC_SAVE_PROFESSIONS})
        BindClick(id, [this, id] { OpenCharacterDialog(id); });
    BindClick(IDC_SAVE_WORLD, [this] {
        if (m_save.Kind() == SaveFileKind::Save)
            CWorldInfoDlg::ShowModal(Handle(), m_path);
    });
}

void CSaveFileViewerDlg::OnTimer(UINT_PTR timer)
{
    if (timer == kHelpTimer)
        m_help.Hide();
    else if (timer == kAnimationTimer)
        AdvanceAnimation();
}

// ---- Mouse -----------------------------------------------------------------------------------

// The condition under the mouse shows its tool tip; the mouse is held until it leaves the icon.
void CSaveFileViewerDlg::OnMouseMove(POINT point)
{
    for (int k = 0; k < m_conditionCount; ++k) {
        const HWND icon = m_conditions[static_cast<size_t>(k)].Handle();
        RECT place{};
        GetWindowRect(icon, &place);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
        if (!PtInRect(&place, point))
            continue;
        if (m_conditionTip.ShownTool() != k + 1) {
            m_conditionTip.Hide();
            SetCapture(Handle());
            m_conditionTip.Show(k + 1, icon, -1, 0);
        }
        return;
    }
    if (GetCapture() == Handle())
        ReleaseCapture();
    m_conditionTip.Hide();
}

bool CSaveFileViewerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return false;
    case WM_CAPTURECHANGED:
        m_conditionTip.Hide();
        return false;
    case WM_LBUTTONDOWN:
        m_help.Hide();
        return false;
    case WM_MOUSEWHEEL: {
        const CComboBox characters(Handle(), IDC_SAVE_CHARACTER);
        const int count = characters.GetCount(), selected = characters.GetCurSel();
        if (count <= 0)
            return false;
        // Towards the user: the next character.
        const int step = static_cast<short>(HIWORD(wParam)) < 0 ? 1 : -1;
        const int next = std::clamp(selected + step, 0, count - 1);
        if (next != selected) {
            characters.SetCurSel(next);
            ShowSelected();
        }
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

// ---- Drawing ---------------------------------------------------------------------------------

HBRUSH CSaveFileViewerDlg::OnCtlColor(HDC dc, HWND control, UINT)
{
    const int id = GetDlgCtrlID(control);
    const auto found = std::find_if(m_shades.begin(), m_shades.end(), [id](const auto& entry) { return entry.first == id; });
    if (found == m_shades.end())
        return nullptr;
    const std::optional<Colour> colour = ShadeColour(found->second);
    SetTextColor(dc, colour ? *colour : GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_3DFACE);
}

bool CSaveFileViewerDlg::OnMeasureItem(int id, MEASUREITEMSTRUCT* item)
{
    if (id != IDC_SAVE_SPECIALS1 && id != IDC_SAVE_SPECIALS2)
        return false;
    item->itemHeight = kSpecialHeight;
    return true;
}

bool CSaveFileViewerDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    if (id != IDC_SAVE_SPECIALS1 && id != IDC_SAVE_SPECIALS2)
        return CViewerDialog::OnDrawItem(id, item);
    if (item->itemID != static_cast<UINT>(-1))
        DrawSpecialAttack(*item);
    return true;
}

// The row's state mark, then its text 12 pixels on; no selection, no focus.
void CSaveFileViewerDlg::DrawSpecialAttack(const DRAWITEMSTRUCT& item) const
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
    const std::wstring text = CListBox(item.hwndItem).GetText(static_cast<int>(item.itemID));
    place.left += 12;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), -1, &place, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CSaveFileViewerDlg::OnDestroy()
{
    KillTimer(Handle(), kAnimationTimer);
    m_help.Destroy();
    m_conditionTip.Destroy();
    m_portrait.SetBitmap(nullptr);
    m_save = SaveGame();
    WriteDwordSetting(kOptionsSetting, m_options);
}
