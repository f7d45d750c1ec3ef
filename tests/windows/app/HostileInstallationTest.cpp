// The program on whole and damaged installations: it starts, reports what it cannot read, opens
// every viewer there is, walks through their records and closes, without a crash.

#include "app/CMainDlg.h"
#include "app/CViewerApp.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/ImageLists.h"
#include "ui/WinText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

enum class Damage { None, CutInHalf, CutInHalfButTheScenario, RandomBytes };

// Damages every file of the installation (the save folder included) in place.
void DamageInstallation(const std::string& folder, gamebuild::Edition edition, Damage damage)
{
    if (damage == Damage::None)
        return;
    std::mt19937 random(7);
    const std::string scenario = gamebuild::ScenarioFileName(edition);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    for (const std::filesystem::path& file : files) {
        const auto size = std::filesystem::file_size(file);
        if (damage == Damage::RandomBytes) {
            std::vector<char> bytes(size);
            for (char& byte : bytes)
                byte = static_cast<char>(random());
            std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::ssize(bytes));
        } else if (damage == Damage::CutInHalf || file.filename().string() != scenario) {
            std::filesystem::resize_file(file, size / 2);
        }
    }
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Chooses entries of every visible list box and list view of the viewer (about 40 of each, spread over the
// list, the last included) and ticks every check box, as a user would. Returns the choices made.
int WalkViewer(HWND viewer)
{
    int choices = 0;
    std::vector<HWND> children;
    EnumChildWindows(
        viewer,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (!IsWindowVisible(child) || !IsWindowEnabled(child))
            continue;
        const int id = GetDlgCtrlID(child);
        if (ClassOf(child) == L"ComboBox") {
            const int count = static_cast<int>(SendMessageW(child, CB_GETCOUNT, 0, 0));
            std::vector<int> entries;
            for (int index = 0; index < count; index += std::max(1, count / 40))
                entries.push_back(index);
            if (count > 0 && entries.back() != count - 1)
                entries.push_back(count - 1);
            for (int index : entries) {
                ++choices;
                SendMessageW(child, CB_SETCURSEL, index, 0);
                SendMessageW(GetParent(child), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(child));
            }
        } else if (ClassOf(child) == L"SysListView32") {
            // Rows spread over the list, each selected in turn.
            const int count = static_cast<int>(SendMessageW(child, LVM_GETITEMCOUNT, 0, 0));
            for (int row = 0; row < count; row += std::max(1, count / 40)) {
                ++choices;
                LVITEMW item{};
                item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                item.state = LVIS_SELECTED | LVIS_FOCUSED;
                SendMessageW(child, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            }
        } else if (ClassOf(child) == L"Button" &&
                   (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            SendMessageW(child, BM_CLICK, 0, 0);
        }
    }
    return choices;
}

class HostileInstallation : public testing::TestWithParam<std::tuple<gamebuild::Edition, Damage>> {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        ReleaseSharedImageLists();
        ClearSettings();
    }
};

TEST_P(HostileInstallation, StartsOpensEveryViewerAndCloses)
{
    const auto [edition, damage] = GetParam();
    TempFolder damaged;
    std::string folder = DemoGameFolder();
    if (damage != Damage::None || edition != gamebuild::Edition::First) {
        folder = damaged.Path();
        ASSERT_TRUE(gamebuild::DemoInstallation(edition).Write(folder));
        DamageInstallation(folder, edition, damage);
    }
    StoreSetting(L"w7path", Widen(folder));

    CapturingPlatform platform;
    CViewerApp app(platform);
    const bool loaded = app.LoadGameData();
    if (damage == Damage::None) {
        EXPECT_TRUE(platform.errors.empty());
    }
    if (damage == Damage::CutInHalf) {
        // Half a scenario database does not reach the monster table: not an installation.
        EXPECT_FALSE(loaded);
        EXPECT_EQ(platform.folderPrompts, 1);
        app.ExitInstance();
        return;
    }
    ASSERT_TRUE(loaded);

    CMainDlg main;
    int opened = 0, enabled = 0;
    RunSoon([&] {
        for (int id : CMainDlg::kButtonIds) {
            HWND button = GetDlgItem(main.Handle(), id);
            if (IsWindowEnabled(button)) {
                ++enabled;
                SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            }
        }
        RunSoon([&] {
            for (HWND viewer : DialogsBeside(main.Handle())) {
                ++opened;
                EXPECT_GE(WalkViewer(viewer), 40) << "a viewer offers its records to choose";
            }
            RunSoon([&] {
                for (HWND viewer : DialogsBeside(main.Handle()))
                    DestroyWindow(viewer);
                PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
            });
        });
    });
    EXPECT_EQ(main.DoModal(nullptr), IDCANCEL);
    EXPECT_GE(enabled, 2) << "the Item Viewer and the Monster Viewer at least";
    EXPECT_EQ(opened, enabled) << "each enabled button opens its viewer";
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(, HostileInstallation,
                         testing::Combine(testing::Values(gamebuild::Edition::First, gamebuild::Edition::Gold),
                                          testing::Values(Damage::None, Damage::CutInHalf, Damage::CutInHalfButTheScenario,
                                                          Damage::RandomBytes)));

} // namespace
