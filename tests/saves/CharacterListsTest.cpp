// The items and NPCs dialogs of a character.

#include "saves/CharacterLists.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

TEST(CharacterLists, ItemListsShowWhatThePartyKnows)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.items[0] = {7, 1, 0x83};
    c.items[3] = {42, 5, 0x00};  // not identified: its look, no count
    c.items[9] = {600, 2, 0x80}; // beyond the item table
    c.items[12] = {12, 0, 0x81}; // equipped, but the second list has no marks
    const Record bytes = gamebuild::CharacterRecordBytes(c);
    const CharacterItemLists lists = BuildCharacterItems(*game.data, CharacterRecord(bytes.data()));

    ASSERT_EQ(lists.first.size(), 3u);
    EXPECT_EQ(lists.first[0].name, "Robe of Light");
    EXPECT_EQ(lists.first[0].equipped, "equipped");
    EXPECT_EQ(lists.first[0].cursed, "Cursed");
    EXPECT_EQ(lists.first[0].count, "1");
    EXPECT_EQ(lists.first[0].data, 7);
    EXPECT_EQ(lists.first[0].image, 7);
    EXPECT_EQ(lists.first[1].name, "?Look 42");
    EXPECT_EQ(lists.first[1].count, "");
    EXPECT_EQ(lists.first[1].data, -1);
    EXPECT_EQ(lists.first[2].name, "");
    EXPECT_EQ(lists.first[2].image, 0);

    ASSERT_EQ(lists.second.size(), 1u);
    EXPECT_EQ(lists.second[0].slot, 12);
    EXPECT_EQ(lists.second[0].equipped, "");
    EXPECT_EQ(lists.second[0].count, "") << "a count of 0 shows nothing";

    const Record empty = gamebuild::CharacterRecordBytes(SaveCharacter{});
    const CharacterItemLists none = BuildCharacterItems(*game.data, CharacterRecord(empty.data()));
    EXPECT_TRUE(none.first.empty() && none.second.empty());
}

TEST(CharacterLists, NpcRowsListEveryNpcWithTheAttitude)
{
    gamebuild::Installation installation = SaveInstallation();
    MakeNpc(installation, 4, 95, 255, 3, 0);
    MakeNpc(installation, 9, 200, 255, 1, 0); // an id beyond the 96 attitudes
    Game game(installation);
    SaveCharacter c;
    c.attitudes[95] = -7;
    const Record bytes = gamebuild::CharacterRecordBytes(c);
    const std::vector<NpcAttitudeRow> rows = BuildNpcAttitudes(*game.data, CharacterRecord(bytes.data()));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "Monster 4 {id 4} {NPC id 95}");
    EXPECT_EQ(rows[0].image, 2);
    EXPECT_EQ(rows[0].attitude, "-7");
    EXPECT_EQ(rows[0].data, 4);
    EXPECT_EQ(rows[1].attitude, "") << "no attitude is stored for it";
}
