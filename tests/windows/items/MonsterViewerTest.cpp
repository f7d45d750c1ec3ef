// The Monster Viewer driven as a user drives it: choosing monsters, the picture and its frame
// buttons, the loot list, the help texts, and the scrolling frame of small screens.

#include "app/CMainDlg.h"
#include "gamedata/CGameData.h"
#include "gamedata/ResourceStrings.h"
#include "items/CMonsterScrollDlg.h"
#include "items/CMonsterViewerDlg.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/Bitmaps.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

using gamebuild::PicFrame;
using gamebuild::PicFile;

// A picture of count frames of 16 x 8 pixels, each of its own colour.
PicFile Frames(int count)
{
    PicFile picture;
    for (int i = 0; i < count; ++i)
        picture.frames.push_back(PicFrame{16, 8, std::vector<uint8_t>(16 * 8, static_cast<uint8_t>(10 + i))});
    return picture;
}

// Monsters: 0 "Orc" with three frames and loot record 1 (gold, items 2 to 4, experience, item 6);
// 1 "Slime" with one frame and no loot; 2 "Ghost" without a picture file.
gamebuild::Installation SmallBestiary()
{
    gamebuild::Installation game;
    for (int i = 0; i < 8; ++i) {
        Record item(72, 0);
        ByteWriter(item).Text(0, "Item " + std::to_string(i), 22);
        game.scenario.items.push_back(item);
    }
    auto monster = [](const char* name, int loot) {
        Record record(232, 0);
        ByteWriter(record).Text(0, name, 16).U8(128, 3).U8(129, 8).U8(169, loot).U8(140, 17);
        return record;
    };
    game.scenario.monsters = {monster("Orc", 1), monster("Slime", 0), monster("Ghost", 0)};
    Record loot(54, 0);
    ByteWriter(loot)
        .U16(0, 20).U16(2, 10).U8(4, 1).U8(5, 60)   // 10-20 gp
        .U16(6, 2).U16(8, 3).U8(10, 2).U8(11, 30)   // items 2 to 4
        .U16(12, 500).U8(16, 4).U8(17, 100)         // 500 EXP
        .U16(18, 6).U16(20, 1).U8(22, 2).U8(23, 5); // item 6
    game.scenario.loot = {Record(54, 0), loot};
    game.pictures["MON00.PIC"] = Frames(3);
    game.pictures["MON01.PIC"] = Frames(1);
    return game;
}

class MonsterViewer : public testing::Test {
protected:
    void SetUp() override
    {
        m_store = std::make_unique<TestStore>(SmallBestiary());
        ASSERT_TRUE(m_store->Loaded());
        m_store->Platform().errors.clear(); // the image files this installation leaves out
        m_viewer = OpenMonsterViewer(1024, 768);
        ASSERT_NE(m_viewer, nullptr);
        m_viewer->SetItemOpener([this](HWND owner, int item) { m_opened.emplace_back(owner, item); });
    }
    void TearDown() override
    {
        if (m_viewer)
            DestroyWindow(Root());
        m_store.reset();
    }

    HWND Root() const { return GetAncestor(m_viewer->Handle(), GA_ROOT); }
    HWND Item(int id) const { return m_viewer->Item(id); }
    void Click(int id) const { ::Click(m_viewer->Handle(), id); }
    void Choose(int combo, int index) const { ::Choose(m_viewer->Handle(), combo, index); }
    void Tick() const { SendMessageW(m_viewer->Handle(), WM_TIMER, CMonsterViewerDlg::kFrameTimer, 0); }
    // The four frame buttons' states as "previous stop next play", 1 for enabled.
    std::string Buttons() const
    {
        std::string states;
        for (int id : {IDC_MONSTER_PREVIOUS_FRAME, IDC_MONSTER_STOP, IDC_MONSTER_NEXT_FRAME, IDC_MONSTER_PLAY})
            states += IsWindowEnabled(Item(id)) ? '1' : '0';
        return states;
    }
    HBITMAP Face(int id) const
    {
        return reinterpret_cast<HBITMAP>(SendMessageW(Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    // A double click at the middle of row's first column, or below the last row.
    void DoubleClickRow(int row) const
    {
        HWND list = Item(IDC_MONSTER_LOOT);
        RECT place{};
        place.left = LVIR_LABEL;
        POINT at{20, 0};
        if (ListView_GetItemRect(list, row, &place, LVIR_LABEL))
            at = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        else {
            RECT client{};
            GetClientRect(list, &client);
            at.y = client.bottom - 2;
        }
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    std::wstring Text(int id) const { return ::Text(m_viewer->Handle(), id); }

    std::unique_ptr<TestStore> m_store;
    CMonsterViewerDlg* m_viewer = nullptr;
    std::vector<std::pair<HWND, int>> m_opened;
};

} // namespace

TEST_F(MonsterViewer, ChoosingByNameOrByNumberShowsTheMonsterInBoth)
{
    EXPECT_EQ(m_viewer->Current(), -1);
    EXPECT_EQ(SendMessageW(Item(IDC_MONSTER_NAME), CB_GETCOUNT, 0, 0), m_store->Game().MonsterCount());
    const LRESULT orc = SendMessageW(Item(IDC_MONSTER_NAME), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(L"Orc"));
    ASSERT_GE(orc, 0);
    Choose(IDC_MONSTER_NAME, static_cast<int>(orc));
    EXPECT_EQ(m_viewer->Current(), 0);
    EXPECT_EQ(SendMessageW(Item(IDC_MONSTER_NUMBER), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(IDC_MONSTER_ID), L"0");
    EXPECT_EQ(Text(IDC_MONSTER_HIT_POINTS), L"3d8 (3 to 24)");
    EXPECT_EQ(Text(IDC_MONSTER_STRENGTH), L"17");
    EXPECT_EQ(SendMessageW(Item(IDC_MONSTER_RESISTANCES), LB_GETCOUNT, 0, 0), 13);
    EXPECT_EQ(ListView_GetItemCount(Item(IDC_MONSTER_LOOT)), 4);

    Choose(IDC_MONSTER_NUMBER, 2);
    EXPECT_EQ(m_viewer->Current(), 2);
    const LRESULT name = SendMessageW(Item(IDC_MONSTER_NAME), CB_GETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageW(Item(IDC_MONSTER_NAME), CB_GETITEMDATA, name, 0), 2);
    EXPECT_EQ(Text(IDC_MONSTER_ID), L"2");
    EXPECT_EQ(ListView_GetItemCount(Item(IDC_MONSTER_LOOT)), 0) << "no loot, and no EMPTY row";

    Choose(IDC_MONSTER_NUMBER, -1); // a list that reports no selection
    EXPECT_EQ(m_viewer->Current(), 2) << "the monster shown stays the current one";
}

TEST_F(MonsterViewer, FrameButtonsFollowStopPlayStepsAndThePictureSwitch)
{
    EXPECT_EQ(Buttons(), "0000") << "no monster yet";
    m_viewer->SelectMonster(0);
    const FramePlayer& player = m_viewer->Player();
    ASSERT_EQ(player.Count(), 3);
    EXPECT_TRUE(IsWindowVisible(m_viewer->PictureWindow()));
    EXPECT_EQ(Buttons(), "0100") << "animating: only stop";
    const HBITMAP playDisabled = Face(IDC_MONSTER_PLAY);
    const HBITMAP first = m_viewer->ShownBitmap();
    Tick();
    EXPECT_EQ(player.Frame(), 1);
    EXPECT_NE(m_viewer->ShownBitmap(), first);

    SetFocus(Item(IDC_MONSTER_STOP));
    Click(IDC_MONSTER_STOP);
    EXPECT_EQ(Buttons(), "1011");
    EXPECT_NE(Face(IDC_MONSTER_PLAY), playDisabled) << "an enabled button shows its enabled face";
    EXPECT_EQ(GetFocus(), Item(IDC_MONSTER_PLAY)) << "the focus leaves the disabled stop button for play";
    Tick();
    EXPECT_EQ(player.Frame(), 1) << "stopped";
    Click(IDC_MONSTER_NEXT_FRAME);
    Click(IDC_MONSTER_NEXT_FRAME);
    EXPECT_EQ(player.Frame(), 0) << "next wraps round";
    Click(IDC_MONSTER_PREVIOUS_FRAME);
    EXPECT_EQ(player.Frame(), 2) << "previous wraps round";

    SetFocus(Item(IDC_MONSTER_NEXT_FRAME));
    Click(IDC_MONSTER_SHOW_PICTURES);
    EXPECT_EQ(Buttons(), "0000");
    EXPECT_FALSE(IsWindowVisible(m_viewer->PictureWindow()));
    EXPECT_EQ(GetFocus(), Item(IDC_MONSTER_SHOW_PICTURES));

    m_viewer->SelectMonster(1); // chosen while pictures are off: none is loaded
    EXPECT_EQ(player.Count(), 0);
    m_viewer->SelectMonster(0);
    Click(IDC_MONSTER_SHOW_PICTURES);
    EXPECT_EQ(player.Count(), 3) << "checking again loads the monster's frames";
    EXPECT_EQ(Buttons(), "1011") << "and it stays stopped";
    EXPECT_TRUE(IsWindowVisible(m_viewer->PictureWindow()));

    SetFocus(Item(IDC_MONSTER_PLAY));
    Click(IDC_MONSTER_PLAY);
    EXPECT_EQ(Buttons(), "0100");
    EXPECT_EQ(player.Frame(), 0);
    EXPECT_EQ(GetFocus(), Item(IDC_MONSTER_STOP));
}

TEST_F(MonsterViewer, AOneFramePictureAnimatesWithoutChangeAndNoPictureDisablesAll)
{
    m_viewer->SelectMonster(1);
    const FramePlayer& player = m_viewer->Player();
    ASSERT_EQ(player.Count(), 1);
    EXPECT_TRUE(player.Turning());
    const HBITMAP only = m_viewer->ShownBitmap();
    ASSERT_NE(only, nullptr);
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(player.Frame(), 0);
    EXPECT_EQ(m_viewer->ShownBitmap(), only);
    Click(IDC_MONSTER_STOP);
    Click(IDC_MONSTER_NEXT_FRAME);
    Click(IDC_MONSTER_PREVIOUS_FRAME);
    EXPECT_EQ(player.Frame(), 0);

    m_viewer->SelectMonster(2);
    EXPECT_EQ(Buttons(), "0000") << "a monster without a picture";
    EXPECT_FALSE(IsWindowVisible(m_viewer->PictureWindow()));
    EXPECT_EQ(m_store->Platform().errors.size(), 1u) << "the missing picture file is reported";
}

TEST_F(MonsterViewer, DoubleClickingGoldExperienceOrNoRowOpensNothing)
{
    m_viewer->SelectMonster(0);
    for (int row : {0, 2, 7})
        DoubleClickRow(row);
    EXPECT_TRUE(m_opened.empty());
    DoubleClickRow(3);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], std::make_pair(Root(), 6));
}

TEST_F(MonsterViewer, ALootRowsChoiceChangesTheItemItOpens)
{
    m_viewer->SelectMonster(0);
    const CChoiceListCtrl& loot = m_viewer->LootList();
    ASSERT_NE(loot.ChoiceButton(1), nullptr) << "items 2 to 4 offer a choice";
    const std::optional<Image> arrow = ImageFromBitmap(
        reinterpret_cast<HBITMAP>(SendMessageW(loot.ChoiceButton(1), BM_GETIMAGE, IMAGE_BITMAP, 0)));
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->Pixel(0, 0), GetSysColor(COLOR_3DFACE)) << "the arrow stands on the button's face";
    DoubleClickRow(1);
    SendMessageW(loot.ChoiceButton(1), BM_CLICK, 0, 0);
    SendMessageW(loot.ChoiceCombo(), CB_SETCURSEL, 2, 0);
    SendMessageW(loot.Handle(), WM_COMMAND, MAKEWPARAM(CChoiceListCtrl::kComboId, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(loot.ChoiceCombo()));
    SendMessageW(loot.ChoiceCombo(), CB_SHOWDROPDOWN, FALSE, 0);
    DoubleClickRow(1);
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(m_opened[0].second, 2);
    EXPECT_EQ(m_opened[1].second, 4);
}

TEST_F(MonsterViewer, HelpButtonsShowTheirTextUntilTheTimerOrAClick)
{
    const CHelpTip& help = m_viewer->HelpTip();
    Click(IDC_MONSTER_HELP_SPECIAL);
    EXPECT_EQ(help.ShownTool(), 3);
    EXPECT_TRUE(IsWindowVisible(help.Handle()));
    wchar_t text[1024] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_viewer->Handle();
    tool.uId = 3;
    tool.lpszText = text;
    SendMessageW(help.Handle(), TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(Narrow(text), ResourceString(strings::kHelpSpecialAttack));
    SendMessageW(m_viewer->Handle(), WM_TIMER, CHelpTip::kTimer, 0);
    EXPECT_EQ(help.ShownTool(), 0);
    EXPECT_FALSE(IsWindowVisible(help.Handle()));

    Click(IDC_MONSTER_HELP_MISS3);
    EXPECT_EQ(help.ShownTool(), 5);
    SendMessageW(m_viewer->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(help.ShownTool(), 0);
    Click(IDC_MONSTER_HELP_LOOT);
    EXPECT_EQ(help.ShownTool(), 6);
    Click(IDC_MONSTER_SHOW_PICTURES);
    EXPECT_EQ(help.ShownTool(), 0) << "any click of a control hides it";
}

TEST_F(MonsterViewer, OnAWorkAreaOfExactly800By600TheFormOpensInTheScrollingFrame)
{
    EXPECT_EQ(Root(), m_viewer->Handle()) << "1024 x 768: the form is the window";
    wchar_t caption[128] = {};
    GetWindowTextW(Root(), caption, 128);
    EXPECT_STREQ(caption, L"Wizardry VII Monster Viewer");

    CMonsterViewerDlg* page = OpenMonsterViewer(800, 600);
    ASSERT_NE(page, nullptr);
    HWND frame = GetAncestor(page->Handle(), GA_ROOT);
    EXPECT_NE(frame, page->Handle());
    EXPECT_TRUE(GetWindowLongW(frame, GWL_STYLE) & WS_VSCROLL);
    wchar_t frameCaption[128] = {};
    GetWindowTextW(frame, frameCaption, 128);
    EXPECT_STREQ(frameCaption, caption);
    // Escape in the page closes the frame and the page with it.
    SendMessageW(page->Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(frame));
}

TEST_F(MonsterViewer, TheScrollingFrameMovesTheFormWithinItsHeight)
{
    CMonsterViewerDlg* page = OpenMonsterViewer(640, 480);
    ASSERT_NE(page, nullptr);
    HWND frame = GetAncestor(page->Handle(), GA_ROOT);
    auto top = [&] {
        RECT place{};
        GetWindowRect(page->Handle(), &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        return static_cast<int>(place.top);
    };
    RECT form{}, client{};
    GetWindowRect(page->Handle(), &form);
    GetClientRect(frame, &client);
    const int lowest = (form.bottom - form.top) - client.bottom;
    ASSERT_GT(lowest, 0) << "the form is higher than the frame";

    SendMessageW(frame, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(top(), -CMonsterScrollDlg::kLineStep);
    EXPECT_EQ(GetScrollPos(frame, SB_VERT), CMonsterScrollDlg::kLineStep);
    SendMessageW(frame, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(frame, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(top(), -lowest) << "never beyond the form's bottom";
    SendMessageW(frame, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(top(), -lowest + WHEEL_DELTA / 2);
    for (int i = 0; i < 20; ++i)
        SendMessageW(frame, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(top(), 0) << "nor above its top";
    DestroyWindow(frame);
}

TEST_F(MonsterViewer, TheScrollingFrameBringsEveryControlTabReachesIntoView)
{
    CMonsterViewerDlg* page = OpenMonsterViewer(640, 480);
    ASSERT_NE(page, nullptr);
    HWND frame = GetAncestor(page->Handle(), GA_ROOT);
    RECT client{};
    GetClientRect(frame, &client);
    HWND first = GetDlgItem(page->Handle(), IDC_MONSTER_NUMBER);
    SetFocus(first);
    int reached = 0, lowest = 0;
    do {
        PressKey(frame, VK_TAB);
        PumpMessages();
        HWND focus = GetFocus();
        ASSERT_TRUE(IsChild(page->Handle(), focus));
        RECT place{};
        GetWindowRect(focus, &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_GE(place.top, 0) << GetDlgCtrlID(focus);
        EXPECT_LE(place.bottom, client.bottom) << GetDlgCtrlID(focus);
        lowest = std::max(lowest, GetScrollPos(frame, SB_VERT));
        ++reached;
    } while (GetFocus() != first && GetParent(GetFocus()) != first && reached < 300);
    EXPECT_GT(lowest, 0) << "the frame scrolled to reach the lower controls";
    EXPECT_LT(GetScrollPos(frame, SB_VERT), lowest) << "back at the first control, the frame went back up";
    DestroyWindow(frame);
}

TEST_F(MonsterViewer, TheMainWindowsButtonOpensAViewerEachTime)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    HWND button = GetDlgItem(main.Handle(), IDC_MONSTER_VIEWER);
    EXPECT_TRUE(IsWindowEnabled(button));
    const auto isViewer = [](HWND window) { return WindowText(window) == L"Wizardry VII Monster Viewer"; };
    auto count = [&] {
        return static_cast<int>(
            ThreadWindows([&](HWND window) { return isViewer(window) && IsWindowVisible(window); }).size());
    };
    const int before = count();
    SendMessageW(button, BM_CLICK, 0, 0);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(count(), before + 2);
    DestroyWindow(main.Handle());
    // The viewers stay until closed; close the two opened here.
    for (HWND viewer : ThreadWindows([&](HWND window) { return isViewer(window) && window != Root(); }))
        DestroyWindow(viewer);
}
