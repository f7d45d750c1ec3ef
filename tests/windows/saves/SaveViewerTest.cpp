// The Save File Viewer and its character dialogs driven as a user drives them, on save and
// guild files written for each test.

#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "saves/CCharItemsDlg.h"
#include "saves/CCharNpcsDlg.h"
#include "saves/CCharProfessionsDlg.h"
#include "saves/CSaveFileViewerDlg.h"
#include "saves/CWorldInfoDlg.h"
#include "tests/saves/SaveFixture.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

using gamebuild::GuildFile;
using gamebuild::SaveCharacter;
using gamebuild::SaveFile;

SaveCharacter Named(const std::string& name)
{
    SaveCharacter c;
    c.name = name;
    c.race = 1;
    c.attributes = {7, 10, 10, 7, 9, 9, 8, 5};
    return c;
}

SaveFile Party(std::initializer_list<std::string> names)
{
    SaveFile save;
    size_t slot = 0;
    for (const std::string& name : names)
        save.party[slot++] = Named(name);
    return save;
}

// A store on the saves' installation, with files written beside it.
class SaveWindows : public testing::Test {
protected:
    void SetUp() override
    {
        gamebuild::Installation installation = savetest::SaveInstallation();
        savetest::MakeNpc(installation, 5, 3, 255, 2, 0);
        savetest::MakeNpc(installation, 9, 7, 255, 4, 0);
        m_store = std::make_unique<TestStore>(installation);
        ASSERT_TRUE(m_store->Loaded());
    }
    void TearDown() override { m_store.reset(); }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string path = m_store->Folder().File(name);
        EXPECT_TRUE(gamebuild::WriteBytes(path, bytes));
        return path;
    }

    std::unique_ptr<TestStore> m_store;
};

class SaveViewer : public SaveWindows {
protected:
    void SetUp() override
    {
        SaveWindows::SetUp();
        m_viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
        ASSERT_NE(m_viewer, nullptr);
        m_viewer->SetReporter([this](const std::string& text) { m_messages.push_back(text); });
    }
    void TearDown() override
    {
        if (m_viewer)
            DestroyWindow(m_viewer->Handle());
        SaveWindows::TearDown();
    }

    HWND Item(int id) const { return m_viewer->Item(id); }
    std::string Text(int id) const
    {
        wchar_t text[512] = {};
        GetWindowTextW(Item(id), text, 512);
        return Narrow(text);
    }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Choose(int index) const
    {
        SendMessageW(Item(IDC_SAVE_CHARACTER), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(m_viewer->Handle(), WM_COMMAND, MAKEWPARAM(IDC_SAVE_CHARACTER, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_SAVE_CHARACTER)));
    }
    int Selected() const { return static_cast<int>(SendMessageW(Item(IDC_SAVE_CHARACTER), CB_GETCURSEL, 0, 0)); }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        const HWND combo = Item(IDC_SAVE_CHARACTER);
        for (LRESULT i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[64] = {};
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.push_back(Narrow(text));
        }
        return entries;
    }
    void Wheel(int delta) const
    {
        SendMessageW(m_viewer->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    }
    std::string ListText(int id, int row, int column) const
    {
        wchar_t text[128] = {};
        ListView_GetItemText(Item(id), row, column, text, 128);
        return Narrow(text);
    }
    // The text colour the viewer gives a field.
    COLORREF FieldColour(int id) const
    {
        const HDC dc = GetDC(Item(id));
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(m_viewer->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Item(id)));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(Item(id), dc);
        return colour;
    }
    std::string TreeText(HTREEITEM item) const
    {
        wchar_t text[128] = {};
        TVITEMW info{};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = text;
        info.cchTextMax = 128;
        TreeView_GetItem(Item(IDC_SAVE_SPELLS), &info);
        return Narrow(text);
    }
    int TreeImage(HTREEITEM item) const
    {
        TVITEMW info{};
        info.mask = TVIF_IMAGE;
        info.hItem = item;
        TreeView_GetItem(Item(IDC_SAVE_SPELLS), &info);
        return info.iImage;
    }
    std::vector<std::string> Children(int realm) const
    {
        std::vector<std::string> texts;
        const HWND tree = Item(IDC_SAVE_SPELLS);
        for (HTREEITEM child = TreeView_GetChild(tree, m_viewer->RealmItem(realm)); child;
             child = TreeView_GetNextSibling(tree, child))
            texts.push_back(TreeText(child));
        return texts;
    }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)); }

    CSaveFileViewerDlg* m_viewer = nullptr;
    std::vector<std::string> m_messages;
};

TEST_F(SaveViewer, KeepsTheCharacterByNameAcrossFilesAndWheelsThroughTheParty)
{
    EXPECT_FALSE(Enabled(IDC_SAVE_NPCS) || Enabled(IDC_SAVE_ITEMS) || Enabled(IDC_SAVE_PROFESSIONS));
    m_viewer->LoadFile(Write("first.dbs", gamebuild::SaveFileBytes(Party({"Anna", "Bert", "Cara"}))));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Anna", "Bert", "Cara"}));
    EXPECT_EQ(Text(IDC_SAVE_COUNT), "3 characters");
    EXPECT_EQ(Text(IDC_SAVE_KIND), "Save File");
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(GetFocus(), Item(IDC_SAVE_CHARACTER));
    Choose(1);
    EXPECT_EQ(m_viewer->Shown()->Record().name(), "Bert");

    m_viewer->LoadFile(Write("second.dbs", gamebuild::SaveFileBytes(Party({"cara", "BERT"}))));
    EXPECT_EQ(Selected(), 1) << "the same name, letter case ignored";
    EXPECT_EQ(m_viewer->Shown()->Record().name(), "BERT");
    m_viewer->LoadFile(Write("third.dbs", gamebuild::SaveFileBytes(Party({"Dora", "Emil", "Finn"}))));
    EXPECT_EQ(Selected(), 0) << "no such name: the first";

    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(Selected(), 1);
    Wheel(-WHEEL_DELTA);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(Selected(), 2) << "clamped at the last";
    EXPECT_EQ(m_viewer->Shown()->Record().name(), "Finn");
    Wheel(WHEEL_DELTA);
    EXPECT_EQ(m_viewer->Shown()->Record().name(), "Emil");
    EXPECT_TRUE(Enabled(IDC_SAVE_NPCS) && Enabled(IDC_SAVE_ITEMS) && Enabled(IDC_SAVE_PROFESSIONS));
    EXPECT_TRUE(m_messages.empty());

    // "World..." opens World Info, modal over the viewer.
    ASSERT_TRUE(Enabled(IDC_SAVE_WORLD));
    int worlds = 0;
    RunSoon([&] {
        const auto isWorldInfo = [](HWND w) { return dynamic_cast<CWorldInfoDlg*>(CDialog::FromHandle(w)) != nullptr; };
        for (HWND window : ThreadWindows(isWorldInfo)) {
            ++worlds;
            EXPECT_EQ(GetWindow(window, GW_OWNER), m_viewer->Handle());
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    });
    Click(IDC_SAVE_WORLD);
    EXPECT_EQ(worlds, 1);
}

TEST_F(SaveViewer, GuildFileShowsItsCountDeletedSlotsAndTheTotal)
{
    GuildFile guild;
    for (int slot = 0; slot < 5; ++slot)
        guild.slots[static_cast<size_t>(slot)] = Named("Guild" + std::to_string(slot));
    guild.deleted[3] = true;
    m_viewer->LoadFile(Write("pcfile.dbs", gamebuild::GuildFileBytes(guild)));
    EXPECT_EQ(Text(IDC_SAVE_COUNT), "5 characters");
    EXPECT_EQ(Text(IDC_SAVE_KIND), "Guild File");
    EXPECT_EQ(Entries().size(), 5u);
    // Attributes 7 10 10 7 9 9 8 sum to 60, the race's own sum.
    EXPECT_EQ(Text(IDC_SAVE_TOTAL_BONUS), "Total / Bonus: 60/0");
    EXPECT_EQ(Text(IDC_SAVE_DELETED), "");
    Choose(3);
    EXPECT_EQ(Text(IDC_SAVE_DELETED), "DELETED!");
    EXPECT_EQ(FieldColour(IDC_SAVE_DELETED), RGB(200, 0, 0));
    EXPECT_FALSE(Enabled(IDC_SAVE_WORLD)) << "a guild file has no world";
}

// The sheet of a character in a second file replaces all of the first one's, "DELETED!", the
// total, conditions and values included.
TEST_F(SaveViewer, TheSameNameInAnotherFileShowsOnlyItsOwnSheet)
{
    GuildFile guild;
    guild.slots[0] = Named("Anna");
    guild.slots[0]->conditions[0] = 3;
    guild.slots[0]->resistanceBase[12] = 40;
    guild.deleted[0] = true;
    m_viewer->LoadFile(Write("pcfile.dbs", gamebuild::GuildFileBytes(guild)));
    ASSERT_EQ(Text(IDC_SAVE_DELETED), "DELETED!");
    ASSERT_TRUE(IsWindowVisible(m_viewer->ConditionPanel(0)));

    SaveCharacter anna = Named("Anna");
    anna.hitPoints = 3;
    m_viewer->LoadFile(Write("anna.dbs", gamebuild::SaveFileBytes(savetest::OneCharacter(anna))));
    EXPECT_EQ(Text(IDC_SAVE_DELETED), "");
    EXPECT_EQ(Text(IDC_SAVE_TOTAL_BONUS), "") << "a save file has no total";
    EXPECT_EQ(Text(IDC_SAVE_HIT_POINTS), "3/0");
    EXPECT_EQ(ListText(IDC_SAVE_RESISTANCES, 12, 1), "0%");
    EXPECT_FALSE(IsWindowVisible(m_viewer->ConditionPanel(0)));
    EXPECT_EQ(Text(IDC_SAVE_KIND), "Save File");
}

TEST_F(SaveViewer, FailedLoadsLeaveTheWindowOrClearIt)
{
    const std::string good = Write("good.dbs", gamebuild::SaveFileBytes(Party({"Anna"})));
    m_viewer->LoadFile(good);
    m_viewer->LoadFile(m_store->Folder().File("missing.dbs"));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Cannot open file specified!");
    EXPECT_EQ(Text(IDC_SAVE_PATH), good) << "a file that cannot be opened changes nothing";
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_EQ(TreeView_GetCount(Item(IDC_SAVE_SPELLS)), 6u);

    m_viewer->LoadFile(Write("junk.dbs", std::vector<uint8_t>(3000, 0x41)));
    ASSERT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_messages[1], "Not a Wizardry VII Save File or Guild File or error reading specified file!");
    EXPECT_TRUE(Entries().empty());
    for (int id : {IDC_SAVE_PATH, IDC_SAVE_COUNT, IDC_SAVE_HIT_POINTS, IDC_SAVE_WEAPON1, IDC_SAVE_AC_HEAD})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(ListText(IDC_SAVE_ATTRIBUTES, 0, 1), "");
    EXPECT_EQ(TreeView_GetCount(Item(IDC_SAVE_SPELLS)), 0u);
    EXPECT_EQ(m_viewer->Portrait(), nullptr);
    EXPECT_FALSE(Enabled(IDC_SAVE_NPCS) || Enabled(IDC_SAVE_ITEMS) || Enabled(IDC_SAVE_PROFESSIONS));

    m_viewer->LoadFile("");
    EXPECT_EQ(m_messages.size(), 2u) << "an empty path (a cancelled dialog) does nothing";
}

TEST_F(SaveViewer, ShowsTheSheetInItsColours)
{
    SaveCharacter c = Named("Anna");
    c.hitPoints = 12, c.maxHitPoints = 20;
    c.carrying = 123, c.maxCarrying = 400, c.loadState = 2;
    c.regenFirst = 3, c.regenSecond = 1;
    c.armourBase = 5, c.armourShield = -2, c.armourMisc = 0;
    c.armourParts = {5, 3, 5, 5, 5};
    c.attributes[2] = 15;
    c.resistanceBase[0] = 10, c.resistanceFinal[0] = 25;
    c.experience = 1234567;
    m_viewer->LoadFile(Write("anna.dbs", gamebuild::SaveFileBytes(savetest::OneCharacter(c))));
    EXPECT_EQ(Text(IDC_SAVE_HIT_POINTS), "12/20");
    EXPECT_EQ(Text(IDC_SAVE_CARRYING), "12.3/40.0");
    EXPECT_EQ(FieldColour(IDC_SAVE_CARRYING), RGB(188, 180, 20));
    EXPECT_EQ(Text(IDC_SAVE_REGEN), "+2");
    EXPECT_EQ(FieldColour(IDC_SAVE_REGEN), RGB(0, 150, 0));
    EXPECT_EQ(Text(IDC_SAVE_EXPERIENCE), "1,234,567");
    EXPECT_EQ(Text(IDC_SAVE_AC_SHIELD), "-2");
    EXPECT_EQ(FieldColour(IDC_SAVE_AC_SHIELD), RGB(0, 150, 0));
    EXPECT_EQ(Text(IDC_SAVE_AC_LOAD), "+2");
    EXPECT_EQ(FieldColour(IDC_SAVE_AC_LOAD), RGB(200, 0, 0));
    // Head: 5 - 2 + 0 + 2; its byte equals the base, so it keeps the normal colour. Body differs.
    EXPECT_EQ(Text(IDC_SAVE_AC_HEAD), "+5");
    EXPECT_EQ(FieldColour(IDC_SAVE_AC_HEAD), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(FieldColour(IDC_SAVE_AC_HEAD + 1), RGB(0, 96, 192));
    EXPECT_EQ(ListText(IDC_SAVE_ATTRIBUTES, 2, 0), "Piety");
    EXPECT_EQ(ListText(IDC_SAVE_ATTRIBUTES, 2, 1), "15");
    EXPECT_EQ(ListText(IDC_SAVE_RESISTANCES, 0, 1), "10%");
    EXPECT_EQ(ListText(IDC_SAVE_RESISTANCES, 0, 2), "25%");
    EXPECT_EQ(Text(IDC_SAVE_WEAPON1), "Skill 9") << "no weapon: the unarmed skill";
}

// The longest name, "Critical Hits", once lost its end to the column's edge.
TEST_F(SaveViewer, ResistanceNamesShowWholeBesideBothValues)
{
    m_viewer->LoadFile(Write("anna.dbs", gamebuild::SaveFileBytes(Party({"Anna"}))));
    const HWND list = Item(IDC_SAVE_RESISTANCES);
    ASSERT_EQ(ListView_GetItemCount(list), 13);
    EXPECT_EQ(ListText(IDC_SAVE_RESISTANCES, 12, 0), "Critical Hits");
    const int nameWidth = ListView_GetColumnWidth(list, 0);
    for (int row = 0; row < 13; ++row) {
        const std::wstring name = Widen(ListText(IDC_SAVE_RESISTANCES, row, 0));
        EXPECT_LE(ListView_GetStringWidth(list, name.c_str()) + 12, nameWidth) << Narrow(name);
    }
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_LE(nameWidth + ListView_GetColumnWidth(list, 1) + ListView_GetColumnWidth(list, 2), client.right)
        << "both values in view";
}

TEST_F(SaveViewer, SpellTreeFollowsItsCheckBoxesAndAnimatesWhereItStood)
{
    SaveCharacter c = Named("Mage");
    c.maxSpellPoints[0] = 10, c.spellPoints[0] = 7, c.spellRegen[0] = 2, c.spellRegen[1] = 1;
    c.spellsKnown = {0, 2};
    m_viewer->LoadFile(Write("mage.dbs", gamebuild::SaveFileBytes(savetest::OneCharacter(c))));
    ASSERT_NE(m_viewer->RealmItem(0), nullptr);
    EXPECT_EQ(TreeText(m_viewer->RealmItem(0)), "Fire [SP 7/10, Regen 2]");
    EXPECT_EQ(TreeText(m_viewer->RealmItem(1)), "Water [Regen 1]") << "no spell points: the regeneration only";
    EXPECT_EQ(Children(0), (std::vector<std::string>{"Spell 0 [1/2]", "Spell 2 [3/2]"}));

    Click(IDC_SAVE_SHOW_UNKNOWN);
    EXPECT_EQ(Children(0).size(), 11u);
    EXPECT_EQ(Children(0)[2], "Spell 1 [2/2]") << "known spells ahead of the unknown";
    Click(IDC_SAVE_SCHOOL_ICONS);
    EXPECT_EQ(Children(0)[2], "?Spell 1 [2/2]");
    Click(IDC_SAVE_SHOW_UNKNOWN);
    Click(IDC_SAVE_SHOW_LEARNED);
    EXPECT_EQ(TreeView_GetCount(Item(IDC_SAVE_SPELLS)), 6u) << "six realms without children";
    Click(IDC_SAVE_SHOW_LEARNED);

    // Only realms with children turn.
    const HWND window = m_viewer->Handle();
    SendMessageW(window, WM_TIMER, CSaveFileViewerDlg::kAnimationTimer, 0);
    SendMessageW(window, WM_TIMER, CSaveFileViewerDlg::kAnimationTimer, 0);
    EXPECT_EQ(TreeImage(m_viewer->RealmItem(0)), 2);
    EXPECT_EQ(TreeImage(m_viewer->RealmItem(1)), 6);
    Click(IDC_SAVE_ANIMATION);
    EXPECT_FALSE(KillTimer(window, CSaveFileViewerDlg::kAnimationTimer)) << "the animation stopped";
    EXPECT_EQ(m_viewer->Animation().Frame(0), 2);
    Click(IDC_SAVE_ANIMATION);
    EXPECT_TRUE(KillTimer(window, CSaveFileViewerDlg::kAnimationTimer)) << "and runs again";
    SendMessageW(window, WM_TIMER, CSaveFileViewerDlg::kAnimationTimer, 0);
    EXPECT_EQ(TreeImage(m_viewer->RealmItem(0)), 3) << "from where it stood";
}

TEST_F(SaveViewer, ConditionTipsFollowTheMouseAndHelpHides)
{
    SaveCharacter c = Named("Sick");
    c.conditions[0] = 3, c.conditions[5] = 4;
    m_viewer->LoadFile(Write("sick.dbs", gamebuild::SaveFileBytes(savetest::OneCharacter(c))));
    EXPECT_TRUE(IsWindowVisible(m_viewer->ConditionPanel(0)));
    EXPECT_TRUE(IsWindowVisible(m_viewer->ConditionPanel(1)));
    EXPECT_FALSE(IsWindowVisible(m_viewer->ConditionPanel(2)));

    const HWND window = m_viewer->Handle();
    auto moveTo = [window](HWND icon, int dx) {
        RECT place{};
        GetWindowRect(icon, &place);
        POINT at{(place.left + place.right) / 2 + dx, (place.top + place.bottom) / 2};
        ScreenToClient(window, &at);
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    };
    moveTo(m_viewer->ConditionPanel(1), 0);
    EXPECT_EQ(m_viewer->ConditionTip().ShownTool(), 2);
    EXPECT_EQ(GetCapture(), window);
    wchar_t tip[128] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = window;
    info.uId = 2;
    info.lpszText = tip;
    SendMessageW(m_viewer->ConditionTip().Handle(), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(Narrow(tip), "Stoned, power 4");
    moveTo(m_viewer->ConditionPanel(1), 200);
    EXPECT_EQ(m_viewer->ConditionTip().ShownTool(), 0);
    EXPECT_NE(GetCapture(), window);

    Click(IDC_SAVE_HELP);
    EXPECT_EQ(m_viewer->HelpTip().ShownTool(), 1);
    SendMessageW(window, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(m_viewer->HelpTip().ShownTool(), 0);
    Click(IDC_SAVE_HELP);
    SendMessageW(window, WM_TIMER, CSaveFileViewerDlg::kHelpTimer, 0);
    EXPECT_EQ(m_viewer->HelpTip().ShownTool(), 0);
}

TEST_F(SaveViewer, OptionsAreStoredWhenTheWindowGoes)
{
    Click(IDC_SAVE_SHOW_UNKNOWN);
    DestroyWindow(m_viewer->Handle());
    m_viewer = nullptr;
    std::optional<RegistryValue> stored = ReadStoredSetting(L"vsavefiledata");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_DWORD));

    m_viewer = CViewerDialog::Open<CSaveFileViewerDlg>();
    ASSERT_NE(m_viewer, nullptr);
    EXPECT_EQ(m_viewer->Options(), 15u);
    EXPECT_EQ(SendMessageW(Item(IDC_SAVE_SHOW_UNKNOWN), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// ---- Character dialogs -----------------------------------------------------------------------

class CharacterDialogs : public SaveWindows {
protected:
    // Runs the dialog on the character, with check run while it is open.
    template <typename Dialog, typename Check>
    void Run(const SaveCharacter& character, Check check)
    {
        Record bytes = gamebuild::CharacterRecordBytes(character);
        Dialog dialog{CharacterRecord(bytes.data())};
        Prepare(dialog);
        RunSoon([&] {
            check(dialog);
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    }
    template <typename Dialog>
    void Prepare(Dialog&)
    {
    }
    void Prepare(CCharItemsDlg& dialog)
    {
        dialog.SetReporter([this](const std::string& text) { m_messages.push_back(text); });
        dialog.SetItemOpener([this](HWND, int item) { m_opened.push_back(item); });
    }
    static int Rows(HWND list) { return ListView_GetItemCount(list); }
    static std::string Cell(HWND list, int row, int column)
    {
        wchar_t text[128] = {};
        ListView_GetItemText(list, row, column, text, 128);
        return Narrow(text);
    }
    static void DoubleClick(HWND list, int row)
    {
        RECT place{};
        place.left = LVIR_LABEL;
        ListView_GetItemRect(list, row, &place, LVIR_LABEL);
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                     MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2));
    }

    std::vector<std::string> m_messages;
    std::vector<int> m_opened;
};

TEST_F(CharacterDialogs, ProfessionsByGenderWithRequirementsMetExactly)
{
    SaveCharacter c = Named("Vala");
    c.profession = 0;
    c.attributes = {12, 12, 8, 8, 8, 8, 8, 5};
    Run<CCharProfessionsDlg>(c, [](CCharProfessionsDlg& dialog) {
        const HWND list = dialog.Item(IDC_PROFESSIONS_LIST);
        EXPECT_EQ(Rows(list), 13) << "gender code 0 leaves profession 8 out";
        wchar_t title[64] = {};
        GetWindowTextW(dialog.Handle(), title, 64);
        EXPECT_EQ(Narrow(title), "Vala vs Professions");
        // Profession 1 needs intelligence 12, met exactly; the race's base (10) is lower, so
        // the requirement shows.
        EXPECT_EQ(Cell(list, 1, 0), "Calling 1");
        EXPECT_EQ(Cell(list, 1, 2), "12");
        EXPECT_EQ(dialog.Rows()[1].cells[1].shade, Shade::Allowed);
    });
    c.gender = 1;
    Run<CCharProfessionsDlg>(c, [](CCharProfessionsDlg& dialog) {
        EXPECT_EQ(Rows(dialog.Item(IDC_PROFESSIONS_LIST)), 14);
    });
}

TEST_F(CharacterDialogs, ItemListsAndTheirDoubleClicks)
{
    Run<CCharItemsDlg>(Named("Bare"), [](CCharItemsDlg& dialog) {
        EXPECT_EQ(Rows(dialog.Item(IDC_ITEMS_FIRST)), 0);
        EXPECT_EQ(Rows(dialog.Item(IDC_ITEMS_SECOND)), 0);
    });
    SaveCharacter c = Named("Laden");
    c.items[0] = {12, 1, 0x81};
    c.items[1] = {30, 5, 0x00};
    c.items[12] = {40, 3, 0x81}; // equipped, but the second list has no such column
    Run<CCharItemsDlg>(c, [this](CCharItemsDlg& dialog) {
        const HWND first = dialog.Item(IDC_ITEMS_FIRST), second = dialog.Item(IDC_ITEMS_SECOND);
        ASSERT_EQ(Rows(first), 2);
        EXPECT_EQ(Cell(first, 0, 0), "Item 12");
        EXPECT_EQ(Cell(first, 0, 1), "equipped");
        EXPECT_EQ(Cell(first, 1, 0), "?Look 30");
        EXPECT_EQ(Cell(first, 1, 3), "") << "no count for an unidentified item";
        ASSERT_EQ(Rows(second), 1);
        EXPECT_EQ(Cell(second, 0, 1), "3");
        DoubleClick(first, 1);
        EXPECT_EQ(m_messages, std::vector<std::string>{"Item was not identified by your characters!"});
        DoubleClick(second, 0);
        EXPECT_EQ(m_opened, std::vector<int>{40});
    });
}

// Their lists show pictures kept for the run, which other windows show as well after them.
TEST_F(CharacterDialogs, LeaveTheSharedPicturesInPlace)
{
    SaveCharacter c = Named("Laden");
    c.items[0] = {12, 1, 0x81};
    const HIMAGELIST pictures = SharedImageList(m_store->Game().ItemImagesSmall());
    Run<CCharItemsDlg>(c, [](CCharItemsDlg&) {});
    Run<CCharProfessionsDlg>(c, [](CCharProfessionsDlg&) {});
    EXPECT_GT(ImageList_GetImageCount(pictures), 0);
    Run<CCharItemsDlg>(c, [pictures](CCharItemsDlg& dialog) {
        EXPECT_EQ(ListView_GetImageList(dialog.Item(IDC_ITEMS_FIRST), LVSIL_SMALL), pictures);
    });
    for (int time = 0; time < 2; ++time)
        Run<CCharNpcsDlg>(c, [](CCharNpcsDlg& dialog) {
            EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(dialog.Item(IDC_NPCS_LIST), LVSIL_SMALL)), 9);
        });
}

TEST_F(CharacterDialogs, NpcAttitudesSortOnTheirHeaders)
{
    SaveCharacter c = Named("Diplomat");
    c.attitudes[3] = -5;
    c.attitudes[7] = 12;
    Run<CCharNpcsDlg>(c, [](CCharNpcsDlg& dialog) {
        const HWND list = dialog.Item(IDC_NPCS_LIST);
        ASSERT_EQ(Rows(list), 2);
        EXPECT_EQ(Cell(list, 0, 0), "Monster 5 {id 5} {NPC id 3}");
        EXPECT_EQ(Cell(list, 0, 1), "-5");
        NMLISTVIEW click{};
        click.hdr = {list, IDC_NPCS_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = 1;
        SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_NPCS_LIST, reinterpret_cast<LPARAM>(&click));
        SendMessageW(dialog.Handle(), WM_NOTIFY, IDC_NPCS_LIST, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(Cell(list, 0, 1), "12") << "a second click sorts downwards";
    });
}

} // namespace
