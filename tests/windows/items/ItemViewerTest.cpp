// The Item Viewer as a user drives it: choosing items, finding them by name, the coloured
// fields, the text area, the help tips, and opening it modeless or modal.

#include "app/CMainDlg.h"
#include "gamedata/CGameData.h"
#include "items/CItemViewerDlg.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/gamedata/GameDataFixture.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kScroll = 3, kSpelledRing = 2, kRing = 5, kUnknown = 6, kSealedScroll = 14;

// The small installation with a few items of its own at the front.
gamebuild::Installation ViewerInstallation()
{
    gamebuild::Installation installation = SmallInstallation();
    auto item = [&](int number, const char* name) {
        Record& record = installation.scenario.items[static_cast<size_t>(number)];
        record.assign(72, 0);
        ByteWriter(record).Text(0, name, 22);
        return ByteWriter(record);
    };
    // A dagger that poisons: good to hit, bad initiative.
    item(0, "Dagger").U8(56, 0).U8(32, 1).U8(33, 4).U8(65, 2).U8(66, static_cast<uint8_t>(-1)).U8(42, 10)
        .U8(44, 30).U8(69, 5).U8(55, 8);
    item(1, "Short/Sword").U8(56, 0).U8(32, 1).U8(33, 6).U16(36, 30);
    item(kSpelledRing, "Ring of Healing").U8(56, 11);
    item(kScroll, "OLD SCROLL").U8(56, 15).U8(58, 5).U16(38, 500);
    item(kRing, "RING=HEALING").U8(56, 11).U8(60, 0x02).U8(57, 9);
    item(kUnknown, "");
    item(12, "Twelfth/Blade").U8(56, 0).U32(22, 1200).U8(57, 12);
    item(kSealedScroll, "SEALED SCROLL").U8(56, 15).U8(58, 5).U16(38, 502);
    installation.messages[500] = {"BEWARE THE GATE AT DUSK. SPEAK THE WORD OF THE RIVER AND IT WILL YIELD."};
    installation.messages[502] = {"MEET ME AT THE FOUNTAIN."};
    gamebuild::GameFont font{};
    for (auto& glyph : font) {
        glyph.width = 6;
        glyph.rows.fill(0x7800);
    }
    installation.font = font;
    return installation;
}

int Selected(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0)); }

// The item a name entry stands for; -1 when no name is selected.
int SelectedName(HWND dialog)
{
    const int at = Selected(dialog, IDC_ITEM_NAMES);
    return at < 0 ? -1 : static_cast<int>(SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETITEMDATA, at, 0));
}

std::wstring ComboText(HWND dialog, int id, int index)
{
    if (id == IDC_ITEM_NUMBERS) {
        wchar_t text[128] = {};
        COMBOBOXEXITEMW entry{};
        entry.mask = CBEIF_TEXT;
        entry.iItem = index;
        entry.pszText = text;
        entry.cchTextMax = 128;
        SendDlgItemMessageW(dialog, id, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
        return text;
    }
    wchar_t text[128] = {};
    SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

// The name entry of an item.
int NameEntry(HWND dialog, int number)
{
    const int count = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETITEMDATA, i, 0) == number)
            return i;
    return -1;
}

// The text colour the dialog gives a field, as it would paint it.
COLORREF FieldColour(HWND dialog, int id)
{
    WindowDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    SetTextColor(dc.Get(), RGB(1, 2, 3));
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return GetTextColor(dc.Get());
}


std::wstring TipText(HWND tip, int tool, HWND dialog)
{
    wchar_t text[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = dialog;
    info.uId = static_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    return text;
}

class ItemViewer : public testing::Test {
protected:
    // One installation and store for the suite: writing and loading them is slow under Wine.
    static void SetUpTestSuite()
    {
        s_store = std::make_unique<TestStore>(ViewerInstallation());
        ASSERT_TRUE(s_store->Loaded());
    }
    static void TearDownTestSuite() { s_store.reset(); }

    // A modeless viewer whose messages are captured; it deletes itself when destroyed.
    HWND Open()
    {
        CItemViewerDlg* viewer = CViewerDialog::Open<CItemViewerDlg>();
        EXPECT_NE(viewer, nullptr);
        if (!viewer)
            return nullptr;
        viewer->SetReporter([this](const wchar_t* text) { messages.push_back(text); });
        m_viewer = viewer;
        return viewer->Handle();
    }
    CItemViewerDlg& Viewer() { return *m_viewer; }
    void TearDown() override
    {
        if (m_viewer && IsWindow(m_viewer->Handle()))
            DestroyWindow(m_viewer->Handle());
        PumpMessages();
    }

    std::vector<std::wstring> messages;

    static inline std::unique_ptr<TestStore> s_store;

private:
    CItemViewerDlg* m_viewer = nullptr;
};

} // namespace

TEST_F(ItemViewer, BothListsHoldEveryItemAndChoosingInOneSelectsInTheOther)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ITEM_NUMBERS, CB_GETCOUNT, 0, 0), 571);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ITEM_NAMES, CB_GETCOUNT, 0, 0), 571);
    EXPECT_EQ(ComboText(dialog, IDC_ITEM_NUMBERS, 1), L"Short Sword");
    EXPECT_EQ(ComboText(dialog, IDC_ITEM_NUMBERS, kUnknown), L"?Unknown Item?");
    EXPECT_EQ(ComboText(dialog, IDC_ITEM_NAMES, NameEntry(dialog, kUnknown)), L"?Unknown Item?");
    EXPECT_EQ(ComboText(dialog, IDC_ITEM_NAMES, 0), L"?Unknown Item?") << "names are sorted";
    EXPECT_EQ(Selected(dialog, IDC_ITEM_NUMBERS), -1) << "nothing is shown at first";

    COMBOBOXEXITEMW entry{};
    entry.mask = CBEIF_IMAGE | CBEIF_LPARAM;
    entry.iItem = kRing;
    SendDlgItemMessageW(dialog, IDC_ITEM_NUMBERS, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    EXPECT_EQ(entry.iImage, 9) << "each number shows the item's picture";
    EXPECT_EQ(entry.lParam, kRing);

    Choose(dialog, IDC_ITEM_NUMBERS, 12);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"12");
    EXPECT_EQ(Text(dialog, IDC_ITEM_PRICE), L"1200 gp");
    EXPECT_EQ(SelectedName(dialog), 12);

    Choose(dialog, IDC_ITEM_NAMES, NameEntry(dialog, kRing));
    EXPECT_EQ(Selected(dialog, IDC_ITEM_NUMBERS), kRing);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"5");
    EXPECT_EQ(Viewer().Current(), kRing);

    // The arrow keys walk through the numbers.
    SetFocus(GetDlgItem(dialog, IDC_ITEM_NUMBERS));
    PressKey(dialog, VK_DOWN);
    PumpMessages();
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"6");
    EXPECT_EQ(SelectedName(dialog), kUnknown);
}

TEST_F(ItemViewer, FindRunsFromTheFirstItemAndReportsTheEnds)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_ITEM_FIND);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"0") << "the empty mask matches the first item";
    EXPECT_EQ(Selected(dialog, IDC_ITEM_NUMBERS), 0);
    EXPECT_EQ(SelectedName(dialog), 0);
    Click(dialog, IDC_ITEM_FIND_NEXT);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"1");
    Click(dialog, IDC_ITEM_FIND_PREV);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"0");
    EXPECT_TRUE(messages.empty());

    Click(dialog, IDC_ITEM_FIND_PREV);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], L"Item not found.");
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"0") << "the item shown stays";
    EXPECT_EQ(Viewer().Current(), 0) << "and the search goes on from it";
    Click(dialog, IDC_ITEM_FIND_NEXT);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"1");
}

TEST_F(ItemViewer, TheMaskFindsTheExpandedNameInCapitals)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, IDC_ITEM_NAME_MASK, L"ring of");
    Click(dialog, IDC_ITEM_FIND);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"5") << "RING of HEALING, not Ring of Healing";
    EXPECT_EQ(Text(dialog, IDC_ITEM_NAME_MASK), L"ring of") << "the mask stays as typed";
    Click(dialog, IDC_ITEM_FIND_NEXT);
    EXPECT_EQ(messages, std::vector<std::wstring>{L"Item not found."});
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"5");

    // Enter in the mask runs the default button.
    SetDlgItemTextW(dialog, IDC_ITEM_NAME_MASK, L"scroll");
    SetFocus(GetDlgItem(dialog, IDC_ITEM_NAME_MASK));
    PressKey(dialog, VK_RETURN);
    PumpMessages();
    EXPECT_TRUE(IsWindow(dialog)) << "Enter does not close the viewer";
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Text(dialog, IDC_ITEM_ID), L"3");
}

TEST_F(ItemViewer, FieldsShowInTheirColoursAndEffectsWithTheirMarks)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, IDC_ITEM_NUMBERS, 0);
    EXPECT_EQ(Text(dialog, IDC_ITEM_DAMAGE), L"1d4 (1 to 4)");
    EXPECT_EQ(Text(dialog, IDC_ITEM_TO_HIT), L"+2");
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_TO_HIT), RGB(0, 150, 0));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_INITIATIVE), RGB(200, 0, 0));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_REGEN), RGB(200, 0, 0)) << "no regeneration is not above 0";
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_SPELL), RGB(0, 0, 210));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_RESISTANCES), RGB(210, 0, 210));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_CURSED), RGB(200, 0, 0));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_INVOKE), RGB(150, 150, 0));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_DAMAGE), GetSysColor(COLOR_WINDOWTEXT)) << "others have the default";

    // One entry of 14 pixels per effect, its state mark in its data.
    HWND effects = GetDlgItem(dialog, IDC_ITEM_EFFECTS);
    EXPECT_EQ(SendMessageW(effects, LB_GETITEMHEIGHT, 0, 0), 14);
    const std::vector<std::wstring> shown = ListEntries(dialog, IDC_ITEM_EFFECTS);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].substr(shown[1].size() - 10), L"30%, Str 5");
    EXPECT_EQ(SendMessageW(effects, LB_GETITEMDATA, 1, 0), 8) << "the poison mark";

    // The next item replaces every field, colours included.
    Choose(dialog, IDC_ITEM_NUMBERS, kRing);
    EXPECT_EQ(Text(dialog, IDC_ITEM_DAMAGE), L"");
    EXPECT_EQ(SendMessageW(effects, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Text(dialog, IDC_ITEM_REGEN), L"+2");
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_REGEN), RGB(0, 150, 0));
    EXPECT_EQ(FieldColour(dialog, IDC_ITEM_TO_HIT), RGB(200, 0, 0));
    EXPECT_TRUE(ListEntries(dialog, IDC_ITEM_RACES_ALLOWED).empty()) << "no race may use it";
    EXPECT_EQ(ListEntries(dialog, IDC_ITEM_RACES_RESTRICTED).size(), 11u);
}

TEST_F(ItemViewer, ShowTextWidensForAnItemWithTextAndNarrowsForOneWithout)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const int narrow = WindowWidth(dialog);
    Choose(dialog, IDC_ITEM_NUMBERS, 1);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ITEM_SHOW_TEXT))) << "a sword carries no text";

    Choose(dialog, IDC_ITEM_NUMBERS, kScroll);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_ITEM_SHOW_TEXT)));
    EXPECT_EQ(WindowWidth(dialog), narrow) << "the text area opens only on request";
    Click(dialog, IDC_ITEM_SHOW_TEXT);
    ASSERT_TRUE(Checked(dialog, IDC_ITEM_SHOW_TEXT));
    EXPECT_TRUE(Viewer().IsWide());
    RECT names{};
    GetWindowRect(GetDlgItem(dialog, IDC_ITEM_NAMES), &names);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&names), 2);
    const int wide = narrow + WindowWidth(GetDlgItem(dialog, IDC_ITEM_TEXT_PICTURE)) + names.left;
    EXPECT_EQ(WindowWidth(dialog), wide);
    EXPECT_EQ(Text(dialog, IDC_ITEM_TEXT).substr(0, 12), L"BEWARE THE G");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_ITEM_TEXT)));
    BITMAP picture{};
    ASSERT_TRUE(GetObjectW(Viewer().TextBitmap(), sizeof picture, &picture));
    EXPECT_EQ(picture.bmWidth, 172);
    EXPECT_GT(picture.bmHeight, 15) << "the long text takes more than one line";

    Choose(dialog, IDC_ITEM_NUMBERS, 1);
    EXPECT_EQ(WindowWidth(dialog), narrow);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ITEM_SHOW_TEXT)));
    EXPECT_TRUE(Checked(dialog, IDC_ITEM_SHOW_TEXT)) << "disabled, not unchecked";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_ITEM_TEXT)));

    Choose(dialog, IDC_ITEM_NUMBERS, kSealedScroll);
    EXPECT_EQ(WindowWidth(dialog), wide) << "the next text opens it again";
    EXPECT_EQ(Text(dialog, IDC_ITEM_TEXT), L"MEET ME AT THE FOUNTAIN.");

    Click(dialog, IDC_ITEM_SHOW_TEXT);
    EXPECT_FALSE(Checked(dialog, IDC_ITEM_SHOW_TEXT));
    EXPECT_EQ(WindowWidth(dialog), narrow);
}

TEST_F(ItemViewer, HelpButtonsShowTheirTipUntilTimerClickOrCommand)
{
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    HWND tip = Viewer().HelpTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(TipText(tip, 1, dialog).substr(0, 17), L" Poison Strength ");
    EXPECT_EQ(TipText(tip, 4, dialog).substr(0, 16), L"Discovered a bug");
    EXPECT_NE(SendDlgItemMessageW(dialog, IDC_ITEM_HELP_EFFECTS, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);

    Click(dialog, IDC_ITEM_HELP_EFFECTS);
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 350);
    SendMessageW(dialog, WM_TIMER, CItemViewerDlg::kHelpTimer, 0);
    EXPECT_FALSE(IsWindowVisible(tip)) << "the timer hides it";

    Click(dialog, IDC_ITEM_HELP_CHARGES);
    EXPECT_TRUE(IsWindowVisible(tip));
    SendMessageW(dialog, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindowVisible(tip)) << "a click in the window hides it";

    Click(dialog, IDC_ITEM_HELP_INITIATIVE);
    EXPECT_TRUE(IsWindowVisible(tip));
    Click(dialog, IDC_ITEM_FIND);
    EXPECT_FALSE(IsWindowVisible(tip)) << "any click on a control hides it";
}

TEST_F(ItemViewer, OpensModalOnAnItemAndCloseEndsTheRun)
{
    int number = -1, name = -1;
    std::wstring id;
    RunSoon([&] {
        HWND dialog = GetActiveWindow();
        number = Selected(dialog, IDC_ITEM_NUMBERS);
        name = SelectedName(dialog);
        id = Text(dialog, IDC_ITEM_ID);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(CItemViewerDlg::ShowModal(nullptr, 12), IDCANCEL);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(name, 12);
    EXPECT_EQ(id, L"12");
}

TEST_F(ItemViewer, TheMainWindowOpensSeveralViewers)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    HWND button = GetDlgItem(main.Handle(), IDC_ITEM_VIEWER);
    EXPECT_TRUE(IsWindowEnabled(button));
    auto viewers = [] {
        return ThreadWindows([](HWND window) {
            return dynamic_cast<CItemViewerDlg*>(CDialog::FromHandle(window)) && IsWindowVisible(window);
        });
    };
    SendMessageW(button, BM_CLICK, 0, 0);
    SendMessageW(button, BM_CLICK, 0, 0);
    const std::vector<HWND> opened = viewers();
    ASSERT_EQ(opened.size(), 2u);
    for (HWND viewer : opened) {
        EXPECT_EQ(GetParent(viewer), nullptr) << "a top-level window of its own";
        EXPECT_NE(SendMessageW(viewer, WM_GETICON, ICON_BIG, 0), 0);
        PostMessageW(viewer, WM_CLOSE, 0, 0);
    }
    PumpMessages();
    EXPECT_TRUE(viewers().empty());
    DestroyWindow(main.Handle());
}
