// Start-up as the program runs it: the real registry, captured message boxes and folder browser.

#include "app/CViewerApp.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"
#include "tests/windows/WindowTestSupport.h"
#include "ui/WinText.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* const kValues[] = {L"w7path", L"bmpsavepath", L"w7savepath", L"w7saveext"};

// A scenario file of zeros is enough for start-up.
void WriteInstallation(const TempFolder& folder, gamebuild::Edition edition = gamebuild::Edition::First)
{
    gamebuild::Installation installation;
    installation.edition = edition;
    ASSERT_TRUE(installation.Write(folder.Path()));
}

class StartUp : public testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }
};

} // namespace

TEST_F(StartUp, FirstRunAsksForTheFolderBeforeAnythingElseAndCancelEndsQuietly)
{
    CapturingPlatform platform;
    CViewerApp app(platform);
    EXPECT_FALSE(app.LoadGameData());
    app.ExitInstance();
    EXPECT_EQ(platform.folderPrompts, 1);
    EXPECT_TRUE(platform.errors.empty());
    for (const wchar_t* value : kValues)
        EXPECT_FALSE(ReadStoredSetting(value)) << "nothing is written by a run that stops";
}

TEST_F(StartUp, AFolderWithoutTheScenarioGivesMessage15ThenTheFolderDialogAgain)
{
    TempFolder empty, alsoEmpty;
    StoreSetting(L"w7path", Widen(empty.Path()));
    CapturingPlatform platform;
    platform.folderAnswers = {alsoEmpty.Path()};
    CViewerApp app(platform);
    EXPECT_FALSE(app.LoadGameData());
    app.ExitInstance();

    EXPECT_EQ(platform.folderPrompts, 1);
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[0], "Error while opening file " + empty.Path() +
                                      "\\scenario.gld\nMain information cannot be accessed!\n"
                                      "Make sure you supplied the correct path to Wizardry VII installation folder.");
    auto stored = ReadStoredSetting(L"w7path");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->text, Widen(empty.Path())) << "the second folder is not kept";
    EXPECT_FALSE(ReadStoredSetting(L"bmpsavepath")) << "no value is created";
}

TEST_F(StartUp, ANormalRunWritesAllFourValuesAsStringsEmptyOnesIncluded)
{
    TempFolder game;
    WriteInstallation(game, gamebuild::Edition::Gold);
    CapturingPlatform platform;
    platform.folderAnswers = {game.Path()};
    CViewerApp app(platform);
    ASSERT_TRUE(app.LoadGameData());
    EXPECT_TRUE(GetGameData()->IsGold());
    app.ExitInstance();
    EXPECT_EQ(GetGameData(), nullptr);

    for (const wchar_t* name : kValues) {
        auto value = ReadStoredSetting(name);
        ASSERT_TRUE(value) << Narrow(name);
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->size, (value->text.size() + 1) * sizeof(wchar_t)) << "stored with its terminator";
    }
    EXPECT_EQ(ReadStoredSetting(L"w7path")->text, Widen(game.Path()));
    EXPECT_EQ(ReadStoredSetting(L"w7saveext")->text, L"");
}

TEST_F(StartUp, AStoredPathOf260CharactersIsNotReadBack)
{
    StoreSetting(L"w7path", std::wstring(260, L'x'));
    StoreSetting(L"w7savepath", L"C:\\saves\\");
    CapturingPlatform platform;
    CViewerApp app(platform);
    EXPECT_FALSE(app.LoadGameData());
    EXPECT_EQ(platform.folderPrompts, 1);
    EXPECT_EQ(GetGameData()->SaveFilePath(), "C:\\saves\\");
    app.ExitInstance();
}
