// The Picture Viewer and the About box driven as a user drives them: choosing a picture set,
// stepping through its frames with the buttons and the wheel, saving all frames, reading the
// version.

#include "app/CAboutDlg.h"
#include "app/CMainDlg.h"
#include "app/CPictureViewerDlg.h"
#include "gamedata/BmpFile.h"
#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/TextPicture.h"
#include "res/resource.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using gamebuild::PicFile;
using gamebuild::PicFrame;

// A picture of count frames of 48 x 32 pixels, each frame of its own colour with a darker bar.
PicFile Frames(int count)
{
    PicFile picture;
    for (int i = 0; i < count; ++i) {
        PicFrame frame{48, 32, std::vector<uint8_t>(48 * 32, static_cast<uint8_t>(10 + i))};
        for (int x = 0; x < 48; ++x)
            frame.pixels[static_cast<size_t>(8 * 48 + x)] = static_cast<uint8_t>(40 + i);
        picture.frames.push_back(frame);
    }
    return picture;
}

// A store with three picture sets: "FIVE.PIC" (5 frames), "one.pic" (1), "Two.Pic" (2).
gamebuild::Installation PictureInstallation()
{
    gamebuild::Installation game;
    for (int i = 0; i < 4; ++i)
        game.scenario.items.push_back(Record(72, 0));
    game.scenario.monsters = {Record(232, 0)};
    game.scenario.loot = {Record(54, 0)};
    std::vector<Colour> palette(256, Rgb(0, 0, 0));
    for (int i = 0; i < 256; ++i)
        palette[static_cast<size_t>(i)] = Rgb((i * 37) & 0xFC, (i * 91) & 0xFC, (i * 53) & 0xFC);
    game.palette = palette;
    game.pictures["FIVE.PIC"] = Frames(5);
    game.pictures["one.pic"] = Frames(1);
    game.pictures["Two.Pic"] = Frames(2);
    return game;
}

std::wstring Text(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::optional<Image> ReadBmp(const std::string& path)
{
    std::optional<std::vector<uint8_t>> bytes = ReadGameFile(path);
    return bytes ? DecodeBmp(*bytes) : std::nullopt;
}

class PictureViewer : public testing::Test {
protected:
    void SetUp() override
    {
        m_store = std::make_unique<TestStore>(PictureInstallation());
        ASSERT_TRUE(m_store->Loaded());
        m_store->Platform().errors.clear(); // the image files this installation leaves out
        m_viewer = CViewerDialog::Open<CPictureViewerDlg>();
        ASSERT_NE(m_viewer, nullptr);
        m_window = m_viewer->Handle();
        m_viewer->SetErrorReporter([this](const wchar_t* text) { m_saveErrors.push_back(text); });
    }
    void TearDown() override
    {
        if (IsWindow(m_window))
            DestroyWindow(m_window); // the viewer deletes itself
        PumpMessages();
        m_store.reset();
    }

    HWND Control(int id) const { return GetDlgItem(m_window, id); }
    std::wstring Counter() const { return Text(Control(IDC_PICTURE_FRAMES)); }
    bool PictureShown() const { return IsWindowVisible(m_viewer->PictureWindow()) != FALSE; }

    // Picks a set in the combo box as the mouse or keyboard does.
    void ChooseSet(const wchar_t* name)
    {
        const HWND sets = Control(IDC_PICTURE_SETS);
        const LRESULT at = SendMessageW(sets, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        ASSERT_GE(at, 0) << Narrow(name);
        SendMessageW(sets, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(IDC_PICTURE_SETS, CBN_SELENDOK), reinterpret_cast<LPARAM>(sets));
    }
    void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    void Wheel(int delta) const
    {
        SendMessageW(m_window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    }
    // Save All with the name the user would type into the file dialog.
    void SaveAllAs(const std::string& name)
    {
        m_viewer->SetFileChooser([name](HWND) { return name; });
        Click(IDC_PICTURE_SAVE_ALL);
    }

    std::unique_ptr<TestStore> m_store;
    CPictureViewerDlg* m_viewer = nullptr;
    HWND m_window = nullptr;
    std::vector<std::wstring> m_saveErrors;
};

} // namespace

TEST_F(PictureViewer, ListsTheSetsSortedAndDoesNothingBeforeOneIsChosen)
{
    const HWND sets = Control(IDC_PICTURE_SETS);
    ASSERT_EQ(SendMessageW(sets, CB_GETCOUNT, 0, 0), 3);
    std::vector<std::wstring> entries;
    for (int i = 0; i < 3; ++i) {
        wchar_t entry[64] = {};
        SendMessageW(sets, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        entries.push_back(entry);
    }
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"FIVE.PIC", L"one.pic", L"Two.Pic"}));

    EXPECT_FALSE(PictureShown());
    EXPECT_EQ(Counter(), L"");
    Click(IDC_PICTURE_NEXT);
    Click(IDC_PICTURE_PREVIOUS);
    Wheel(-120);
    EXPECT_FALSE(PictureShown());
    EXPECT_EQ(Counter(), L"");
    EXPECT_EQ(m_viewer->ShownBitmap(), nullptr);

    // Enter does not close it; a second viewer opens beside it; Escape closes each.
    SendMessageW(m_window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindow(m_window));
    CPictureViewerDlg* second = CViewerDialog::Open<CPictureViewerDlg>();
    ASSERT_NE(second, nullptr);
    const HWND secondWindow = second->Handle();
    EXPECT_NE(SendMessageW(secondWindow, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(secondWindow, WM_GETICON, ICON_SMALL, 0), 0);
    SendMessageW(secondWindow, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(secondWindow));
    EXPECT_TRUE(IsWindow(m_window));
}

TEST_F(PictureViewer, ButtonsAndWheelStepThroughTheFramesRoundAndRound)
{
    ChooseSet(L"FIVE.PIC");
    EXPECT_EQ(Counter(), L"1 of 5");
    EXPECT_TRUE(PictureShown());
    const HBITMAP first = m_viewer->ShownBitmap();
    ASSERT_NE(first, nullptr);

    Click(IDC_PICTURE_PREVIOUS);
    EXPECT_EQ(Counter(), L"5 of 5") << "Previous from the first frame goes to the last";
    EXPECT_NE(m_viewer->ShownBitmap(), first);
    Click(IDC_PICTURE_NEXT);
    EXPECT_EQ(Counter(), L"1 of 5") << "Next from the last frame goes to the first";
    EXPECT_EQ(m_viewer->ShownBitmap(), first);
    for (int i = 0; i < 4; ++i)
        Click(IDC_PICTURE_NEXT);
    EXPECT_EQ(Counter(), L"5 of 5");

    // Towards the user: next; away from the user: previous.
    Wheel(-120);
    EXPECT_EQ(Counter(), L"1 of 5");
    Wheel(-120);
    EXPECT_EQ(Counter(), L"2 of 5");
    Wheel(120);
    Wheel(120);
    EXPECT_EQ(Counter(), L"5 of 5");

    // The picture (96 x 64 at scale 2) is centred in the area under the controls.
    RECT picture{}, client{}, sets{};
    GetWindowRect(m_viewer->PictureWindow(), &picture);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&picture), 2);
    GetClientRect(m_viewer->PictureWindow(), &client);
    EXPECT_EQ(client.right, 96);
    EXPECT_EQ(client.bottom, 64);
    GetWindowRect(Control(IDC_PICTURE_SETS), &sets);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&sets), 2);
    RECT dialog{};
    GetClientRect(m_window, &dialog);
    EXPECT_NEAR(picture.left + picture.right, dialog.right, 2) << "centred across";
    EXPECT_GT(picture.top, sets.bottom) << "below the controls";

    // Another set replaces the frames and starts at its first.
    ChooseSet(L"Two.Pic");
    EXPECT_EQ(Counter(), L"1 of 2");
    Click(IDC_PICTURE_PREVIOUS);
    EXPECT_EQ(Counter(), L"2 of 2");
}

TEST_F(PictureViewer, SaveAllNamesTheFramesAtTheFirstBmp)
{
    TempFolder out;
    ChooseSet(L"one.pic");
    SaveAllAs(out.File("x.bmp"));
    EXPECT_EQ(FilesIn(out.Path()), (std::set<std::string>{"x_frm00.bmp"})) << "one frame, one file";
    SaveAllAs(out.File("a.bmp.bmp"));
    EXPECT_TRUE(std::filesystem::exists(out.File("a_frm00.bmp.bmp")));
    // Without ".bmp" the frames are written all the same, the name kept whole.
    SaveAllAs(out.File("plain"));
    EXPECT_TRUE(std::filesystem::exists(out.File("plain_frm00.bmp")));
    // A cancelled dialog writes nothing.
    const size_t before = FilesIn(out.Path()).size();
    SaveAllAs("");
    EXPECT_EQ(FilesIn(out.Path()).size(), before);
    EXPECT_TRUE(m_saveErrors.empty());

    ChooseSet(L"FIVE.PIC");
    SaveAllAs(out.File("five.bmp"));
    for (int i = 0; i < 5; ++i) {
        std::optional<Image> frame = ReadBmp(out.File("five_frm0" + std::to_string(i) + ".bmp"));
        ASSERT_TRUE(frame) << i;
        EXPECT_EQ(frame->Width(), 96);
        EXPECT_EQ(frame->Height(), 64);
    }
}

TEST_F(PictureViewer, SavedFramesEqualThoseOfTheCommandLineTool)
{
    TempFolder out;
    ChooseSet(L"FIVE.PIC");
    SaveAllAs(out.File("window.bmp"));

    // tallowmark-cli.exe of this build, on the same installation.
    std::wstring cli = Widen(std::string("Z:") + TALLOWMARK_CLI_EXE);
    std::replace(cli.begin(), cli.end(), L'/', L'\\');
    std::wstring command = L"\"" + cli + L"\" --game \"" + Widen(m_store->Folder().Path()) + L"\" pic FIVE.PIC --out \"" +
                           Widen(out.File("cli")) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &process))
        << Narrow(command);
    WaitForSingleObject(process.hProcess, 30000);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(status, 0u);

    for (int i = 0; i < 5; ++i) {
        const std::string mark = "_frm0" + std::to_string(i) + ".bmp";
        std::optional<Image> window = ReadBmp(out.File("window" + mark)), cli = ReadBmp(out.File("cli" + mark));
        ASSERT_TRUE(window && cli) << i;
        ASSERT_EQ(window->Width(), cli->Width());
        ASSERT_EQ(window->Height(), cli->Height());
        int differing = 0;
        for (int y = 0; y < cli->Height(); ++y)
            for (int x = 0; x < cli->Width(); ++x)
                differing += (window->Pixel(x, y) & 0xFFFFFF) != (cli->Pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(differing, 0) << "frame " << i;
    }
}

TEST_F(PictureViewer, FailuresAreReportedAndTheWindowGoesOn)
{
    // A frame that cannot be written: the writer's message for each, every frame attempted.
    ChooseSet(L"FIVE.PIC");
    SaveAllAs(m_store->Folder().File("no such folder\\x.bmp"));
    EXPECT_GE(m_saveErrors.size(), 5u);
    EXPECT_EQ(std::count(m_saveErrors.begin(), m_saveErrors.end(), std::wstring(L"Error saving bitmap!")), 5);

    // A set gone since the list was made: the loader's message, nothing shown, no stale counter.
    Click(IDC_PICTURE_NEXT);
    ASSERT_EQ(Counter(), L"2 of 5");
    std::filesystem::remove(m_store->Folder().File("one.pic"));
    ChooseSet(L"one.pic");
    ASSERT_EQ(m_store->Platform().errors.size(), 1u);
    EXPECT_NE(m_store->Platform().errors[0].find("Pictures cannot be retrieved!"), std::string::npos) << m_store->Platform().errors[0];
    EXPECT_FALSE(PictureShown());
    EXPECT_EQ(Counter(), L"");
    Click(IDC_PICTURE_NEXT);
    EXPECT_EQ(Counter(), L"");
    ChooseSet(L"Two.Pic");
    EXPECT_EQ(Counter(), L"1 of 2");
    EXPECT_TRUE(PictureShown());
}

TEST_F(PictureViewer, MainWindowButtonsOpenTheViewerAndTheAboutBox)
{
    CMainDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    const HWND mainWindow = main.Handle();
    std::vector<HWND> before = DialogsBeside(mainWindow);
    SendMessageW(GetDlgItem(mainWindow, IDC_PIC_VIEWER), BM_CLICK, 0, 0);
    std::vector<HWND> after = DialogsBeside(mainWindow);
    ASSERT_EQ(after.size(), before.size() + 1);
    for (HWND window : after)
        if (window != m_window) {
            EXPECT_NE(dynamic_cast<CPictureViewerDlg*>(CDialog::FromHandle(window)), nullptr);
            DestroyWindow(window);
        }

    // The About box runs modally over the main window; OK (Enter) closes it.
    std::wstring caption;
    bool mainDisabled = false;
    RunSoon([&] {
        HWND about = nullptr;
        for (HWND window : DialogsBeside(mainWindow))
            if (dynamic_cast<CAboutDlg*>(CDialog::FromHandle(window)))
                about = window;
        caption = Text(about);
        mainDisabled = !IsWindowEnabled(mainWindow);
        SendMessageW(about, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(GetDlgItem(mainWindow, IDC_ABOUT), BM_CLICK, 0, 0);
    EXPECT_EQ(caption, L"About Tallowmark");
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
    DestroyWindow(mainWindow);
}

namespace {

// The value of the program's version resource, or empty.
std::wstring VersionResource(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<BYTE> data(size);
    if (!size || !GetFileVersionInfoW(path, 0, size, data.data()))
        return L"";
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return L"";
    return value;
}

} // namespace

TEST(AboutBox, ShowsTheVersionItCarriesAndItsTextInTheGameFont)
{
    EXPECT_EQ(VersionResource(L"ProductVersion"), Widen(TALLOWMARK_VERSION));
    EXPECT_EQ(VersionResource(L"ProductName"), L"Tallowmark");
    EXPECT_FALSE(VersionResource(L"FileDescription").empty());

    ASSERT_FALSE(DemoGameFolder().empty());
    ClearSettings();
    StoreSetting(L"w7path", Widen(DemoGameFolder()));
    CapturingPlatform platform;
    auto game = std::make_unique<CGameData>(platform);
    ASSERT_TRUE(game->Loaded());
    SetGameData(game.get());

    CAboutDlg about;
    std::wstring version;
    BITMAP text{};
    RECT picture{}, client{};
    HICON icon = nullptr;
    RunSoon([&] {
        const HWND window = about.Handle();
        version = Text(GetDlgItem(window, IDC_ABOUT_VERSION));
        GetObjectW(about.ShownBitmap(), sizeof text, &text);
        GetWindowRect(GetDlgItem(window, IDC_ABOUT_TEXT_PICTURE), &picture);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&picture), 2);
        GetClientRect(window, &client);
        icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        PressKey(window, VK_ESCAPE);
    });
    EXPECT_EQ(about.DoModal(nullptr), IDCANCEL);
    EXPECT_EQ(version, L"Version " + Widen(TALLOWMARK_VERSION));
    EXPECT_EQ(text.bmWidth, textpicture::kWidth);
    EXPECT_GT(text.bmHeight, 5 * textpicture::kLineHeight) << "several lines of text";
    EXPECT_EQ((text.bmHeight - 2) % textpicture::kLineHeight, 0);
    EXPECT_LE(picture.bottom, client.bottom) << "the box holds the whole text";
    EXPECT_NE(icon, nullptr);
    EXPECT_TRUE(platform.errors.empty());

    SetGameData(nullptr);
    game.reset();
    ClearSettings();
}
