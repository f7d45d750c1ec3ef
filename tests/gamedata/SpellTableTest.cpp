// The spell table copied from the game's executable at start-up.

#include "gamedata/SpellTable.h"
#include "tests/gamedata/PictureFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {
// Spell n's record is n, n + 1, ..., n + 5 (mod 256), so every byte tells where it came from.
std::vector<Record> NumberedSpells(int offset = 0)
{
    std::vector<Record> spells;
    for (int n = 0; n < spells::kCount; ++n) {
        Record record(6);
        for (int b = 0; b < 6; ++b)
            record[b] = static_cast<uint8_t>(n + b + offset);
        spells.push_back(record);
    }
    return spells;
}
} // namespace

TEST(SpellTable, EachEditionReadsItsOwnExecutable)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        TempFolder folder;
        gamebuild::Installation installation = SmallInstallation(edition);
        installation.spells = NumberedSpells();
        // The other edition's executable is there too, with other records.
        Edition other = edition == Edition::Gold ? Edition::First : Edition::Gold;
        ASSERT_TRUE(gamebuild::WriteBytes(folder.File(gamebuild::ExecutableName(other)),
                                          gamebuild::ExecutableBytes(other, NumberedSpells(100))));
        auto loaded = LoadGame(installation, folder);
        CGameData& game = *loaded->game;
        ASSERT_TRUE(game.Loaded());
        ASSERT_NE(game.GetSpell(0), nullptr);
        EXPECT_EQ(game.GetSpell(0)[0], 0);
        EXPECT_EQ(game.GetSpell(7)[spells::kLevel], 8);
        const uint8_t* last = game.GetSpell(101);
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last[0], 101) << "record 101 is bytes 606 to 611";
        EXPECT_EQ(last[5], 106);
        EXPECT_EQ(game.GetSpell(102), nullptr);
        EXPECT_EQ(game.GetSpell(-1), nullptr);
    }
}

TEST(SpellTable, AMissingExecutableIsSilent)
{
    TempFolder folder;
    auto loaded = LoadGame(SmallInstallation(), folder);
    ASSERT_TRUE(loaded->game->Loaded());
    EXPECT_EQ(loaded->game->GetSpell(0), nullptr);
    EXPECT_TRUE(loaded->platform.errors.empty());
    EXPECT_FALSE(loaded->game->LoadSpellTable());
}

TEST(SpellTable, AShortExecutableGivesTheRecordsItHolds)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    installation.spells = NumberedSpells(1);
    auto loaded = LoadGame(installation, folder);
    const std::string exe = folder.File("ds.exe");

    // Cut inside record 50 (at byte 303 of the table): its last three bytes and all later
    // records read as zero.
    ASSERT_TRUE(gamebuild::CutFile(exe, spells::kFirstOffset + 303));
    CGameData& game = *loaded->game;
    ASSERT_TRUE(game.LoadSpellTable());
    EXPECT_EQ(game.GetSpell(49)[5], 55);
    EXPECT_EQ(game.GetSpell(50)[2], 53);
    EXPECT_EQ(game.GetSpell(50)[3], 0);
    EXPECT_EQ(game.GetSpell(101)[1], 0);

    // An executable that ends before the table holds no spell table at all.
    for (size_t length : {size_t{1000}, spells::kFirstOffset}) {
        ASSERT_TRUE(gamebuild::CutFile(exe, length));
        EXPECT_FALSE(game.LoadSpellTable());
        EXPECT_EQ(game.GetSpell(0), nullptr);
    }
    EXPECT_TRUE(loaded->platform.errors.empty());
}
