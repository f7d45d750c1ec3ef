// Start-up: the installation folder, the two chances for the scenario file, and the settings.

#include "tests/gamedata/GameDataFixture.h"

#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {
const char* const kAllSettings[] = {"w7path", "bmpsavepath", "w7savepath", "w7saveext"};
}

TEST(StartUp, FirstRunAsksForTheFolderBeforeAnythingElse)
{
    MemoryPlatform platform; // no settings: the key is new
    {
        CGameData game(platform);
        EXPECT_FALSE(game.Loaded());
    }
    EXPECT_EQ(platform.folderPrompts, 1);
    EXPECT_TRUE(platform.errors.empty()) << "cancelling the folder dialog ends the run silently";
    EXPECT_TRUE(platform.settings.empty()) << "a run that stops writes nothing";
}

TEST(StartUp, MissingScenarioNamesTheGoldPathThenAsksOnceMore)
{
    TempFolder empty, alsoEmpty;
    MemoryPlatform platform;
    platform.settings = {{"w7path", empty.Path()}, {"bmpsavepath", "C:\\pics\\"}};
    auto before = platform.settings;
    platform.folderAnswers = {alsoEmpty.Path()};
    {
        CGameData game(platform);
        EXPECT_FALSE(game.Loaded());
    }
    EXPECT_EQ(platform.folderPrompts, 1);
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[0], "Error while opening file " + empty.Path() +
                                      "\\scenario.gld\nMain information cannot be accessed!\n"
                                      "Make sure you supplied the correct path to Wizardry VII installation folder.");
    EXPECT_NE(platform.errors[1].find(alsoEmpty.Path() + "\\scenario.gld"), std::string::npos);
    EXPECT_EQ(platform.settings, before) << "a second failure ends the run without changing any value";
}

TEST(StartUp, CancellingTheSecondFolderDialogStopsAfterOneMessage)
{
    TempFolder empty;
    MemoryPlatform platform;
    platform.settings = {{"w7path", empty.Path()}};
    CGameData game(platform);
    EXPECT_FALSE(game.Loaded());
    EXPECT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.folderPrompts, 1);
}

TEST(StartUp, SecondChanceLoadsTheChosenFolderAndKeepsIt)
{
    TempFolder empty, game;
    ASSERT_TRUE(SmallInstallation().Write(game.Path()));
    MemoryPlatform platform;
    platform.settings = {{"w7path", empty.Path()}};
    platform.folderAnswers = {game.Path()};
    {
        CGameData data(platform);
        EXPECT_TRUE(data.Loaded());
        EXPECT_EQ(data.ItemCount(), 571);
    }
    EXPECT_EQ(platform.settings["w7path"], game.Path());
}

TEST(Settings, AfterANormalRunAllFourValuesExistEmptyOnesIncluded)
{
    TempFolder game;
    ASSERT_TRUE(SmallInstallation().Write(game.Path()));
    MemoryPlatform platform;
    platform.folderAnswers = {game.Path()};
    {
        CGameData data(platform);
        ASSERT_TRUE(data.Loaded());
    }
    ASSERT_EQ(platform.settings.size(), 4u);
    for (const char* name : kAllSettings)
        EXPECT_EQ(platform.settings.count(name), 1u) << name;
    EXPECT_EQ(platform.settings["w7path"], game.Path());
    EXPECT_EQ(platform.settings["w7saveext"], "");
}

TEST(Settings, StoredValuesAreReadBackAndWrittenUnchanged)
{
    TempFolder game;
    ASSERT_TRUE(SmallInstallation().Write(game.Path()));
    MemoryPlatform platform;
    platform.settings = {{"w7path", game.Path()},
                         {"bmpsavepath", "C:\\pictures\\"},
                         {"w7savepath", "C:\\games\\wiz7\\"},
                         {"w7saveext", "end"}};
    auto stored = platform.settings;
    {
        CGameData data(platform);
        EXPECT_EQ(platform.folderPrompts, 0);
        EXPECT_EQ(data.BmpSavePath(), "C:\\pictures\\");
        EXPECT_EQ(data.SaveFilePath(), "C:\\games\\wiz7\\");
        EXPECT_EQ(data.SaveFileExt(), "end");
    }
    EXPECT_EQ(platform.settings, stored);
}

TEST(Settings, AValueLongerThan259CharactersIsNotReadBack)
{
    MemoryPlatform platform;
    platform.settings = {{"w7path", std::string(260, 'x')}, {"bmpsavepath", std::string(259, 'y')}};
    CGameData game(platform); // the folder dialog is cancelled
    EXPECT_EQ(platform.folderPrompts, 1) << "a path that does not fit counts as no path";
    EXPECT_TRUE(game.InstallPath().empty());
    EXPECT_EQ(game.BmpSavePath().size(), 259u);
}

TEST(FileDialogs, ChosenFilesRememberTheirFolderAndExtension)
{
    MemoryPlatform platform;
    CGameData game(platform); // not loaded: only the path rules are used
    game.RememberBmpFile("C:\\pictures\\orc.bmp");
    EXPECT_EQ(game.BmpSavePath(), "C:\\pictures\\");
    game.RememberBmpFile("\\orc.bmp");
    EXPECT_EQ(game.BmpSavePath(), "C:\\pictures\\") << "a backslash only at the start names no folder";

    game.RememberSaveFile("D:\\saves\\party.end", false);
    EXPECT_EQ(game.SaveFilePath(), "D:\\saves\\");
    EXPECT_EQ(game.SaveFileExt(), "");
    game.RememberSaveFile("D:\\saves\\party.end", true);
    EXPECT_EQ(game.SaveFileExt(), "end");
    game.RememberSaveFile("D:\\saves\\party", true);
    EXPECT_EQ(game.SaveFileExt(), "*");
}

TEST(FileDialogs, SaveFileFiltersOfferTheRememberedTypeFirst)
{
    MemoryPlatform platform;
    CGameData game(platform);
    using Filters = std::vector<std::pair<std::string, std::string>>;
    const Filters plain = {{"Wizardry 7 save files (*.dbs; *.end)", "*.dbs;*.end"}, {"All Files (*.*)", "*.*"}};
    EXPECT_EQ(game.SaveFileFilters(true), plain) << "nothing remembered yet";

    game.RememberSaveFile("C:\\saves\\party", true); // no extension: every type
    Filters remembered = plain;
    remembered.insert(remembered.begin(), {"Latest file type used (*.*)", "*.*"});
    EXPECT_EQ(game.SaveFileFilters(true), remembered);
    EXPECT_EQ(game.SaveFileFilters(false), plain);
}
