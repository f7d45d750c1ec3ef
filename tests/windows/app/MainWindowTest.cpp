// The main window: its template, its buttons and its keys.

#include "app/CMainDlg.h"
#include "gamedata/CGameData.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A template rectangle in pixels: position and size are each converted as the template's are.
RECT DialogUnits(HWND dialog, int x, int y, int width, int height)
{
    RECT place{x, y, width, height};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

struct Button {
    int id;
    RECT units; // x, y, width, height
    const wchar_t* caption;
};

const Button kButtons[] = {
    {IDC_MONSTER_VIEWER, {302, 7, 13, 65}, L"&Monster Viewer..."},
    {IDC_SAVE_FILES_VIEWER, {302, 94, 13, 22}, L"&Save Files Viewer..."},
    {IDC_ITEM_VIEWER, {7, 123, 79, 32}, L"&Item Viewer..."},
    {IDC_ITEM_LIST, {95, 123, 79, 32}, L"Item &List..."},
    {IDC_MAP_VIEWER, {183, 123, 79, 32}, L"Ma&p Viewer..."},
    {IDC_ABOUT, {271, 133, 23, 22}, L""},
    {IDC_PIC_VIEWER, {302, 133, 13, 22}, L"Pi&c Viewer..."},
};

} // namespace

TEST(MainWindow, TemplateHoldsTheSevenOwnerDrawnButtonsInPlace)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    HWND window = main.Handle();

    RECT client{};
    GetClientRect(window, &client);
    RECT expected = DialogUnits(window, 0, 0, 322, 162);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);

    for (const Button& button : kButtons) {
        HWND control = GetDlgItem(window, button.id);
        ASSERT_NE(control, nullptr) << button.id;
        RECT want = DialogUnits(window, button.units.left, button.units.top, button.units.right, button.units.bottom);
        RECT got = ChildRect(window, button.id);
        EXPECT_EQ(got.left, want.left) << button.id;
        EXPECT_EQ(got.top, want.top) << button.id;
        EXPECT_EQ(got.right - got.left, want.right - want.left) << button.id;
        EXPECT_EQ(got.bottom - got.top, want.bottom - want.top) << button.id;
        EXPECT_EQ(WindowText(control), button.caption);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << button.id;
    }
    EXPECT_NE(GetDlgItem(window, IDC_MAIN_PICTURE), nullptr);
    EXPECT_GT(main.CaptionTextHeight(), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    DestroyWindow(window);
}

TEST(MainWindow, ButtonsOfViewersNotYetThereAreDisabled)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    for (int id : CMainDlg::kButtonIds)
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(main.Handle(), id)) != FALSE,
                  id == IDC_ITEM_VIEWER || id == IDC_ITEM_LIST || id == IDC_MONSTER_VIEWER || id == IDC_MAP_VIEWER ||
                      id == IDC_PIC_VIEWER ||
                      id == IDC_SAVE_FILES_VIEWER || id == IDC_ABOUT)
            << id;
    DestroyWindow(main.Handle());
}

TEST(MainWindow, EnterNeverClosesItAndEscapeDoes)
{
    CMainDlg main;
    bool openAfterEnter = false;
    int viewers = 0;
    RunSoon([&] {
        PressKey(main.Handle(), VK_RETURN);
        SendMessageW(main.Handle(), WM_COMMAND, IDOK, 0);
        RunSoon([&] {
            openAfterEnter = IsWindow(main.Handle()) && IsWindowVisible(main.Handle());
            // Each opened the viewer of the focused button, which took the focus: close them.
            for (HWND window : DialogsBeside(main.Handle())) {
                ++viewers;
                DestroyWindow(window);
            }
            SetFocus(main.Handle());
            PressKey(main.Handle(), VK_ESCAPE);
        });
    });
    EXPECT_EQ(main.DoModal(nullptr), IDCANCEL);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_GE(viewers, 1) << "Enter opens the viewer of the focused button";
    EXPECT_EQ(main.Handle(), nullptr) << "the window is gone once the modal run ends";
}

TEST(MainWindow, TheCloseBoxClosesIt)
{
    CMainDlg main;
    RunSoon([&] { PostMessageW(main.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(main.DoModal(nullptr), IDCANCEL);
}

namespace {
// The store of a demo installation, for the pictures of the main window.
class DecoratedMainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(DemoGameFolder().empty());
        m_store = std::make_unique<TestStore>(DemoGameFolder());
        ASSERT_TRUE(m_store->Loaded());
    }
    void TearDown() override { m_store.reset(); }

    std::unique_ptr<TestStore> m_store;
};

} // namespace

TEST_F(DecoratedMainWindow, TheMonsterPictureWidensTheRightColumnAndTheWindow)
{
    CMainDlg plain;
    SetGameData(nullptr);
    ASSERT_TRUE(plain.Create(nullptr));
    const int plainWidth = WindowWidth(plain.Handle());
    const int plainButton = WindowWidth(GetDlgItem(plain.Handle(), IDC_MONSTER_VIEWER));
    DestroyWindow(plain.Handle());
    SetGameData(&m_store->Game());

    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    HWND window = main.Handle();
    const int button = WindowWidth(GetDlgItem(window, IDC_MONSTER_VIEWER));
    EXPECT_GT(button, plainButton);
    EXPECT_EQ(WindowWidth(GetDlgItem(window, IDC_PIC_VIEWER)), button);
    EXPECT_EQ(WindowWidth(GetDlgItem(window, IDC_SAVE_FILES_VIEWER)), button);
    EXPECT_EQ(WindowWidth(window) - plainWidth, button - plainButton) << "the window grows as the button did";
    EXPECT_TRUE(m_store->Platform().errors.empty()) << "every picture of the demo loads";

    // The main picture takes the place of the static control and the picture's size.
    HWND picture = GetDlgItem(window, IDC_MAIN_PICTURE);
    ASSERT_NE(picture, nullptr);
    RECT client{};
    GetClientRect(picture, &client);
    EXPECT_GT(client.right, 100);
    DestroyWindow(window);
}
