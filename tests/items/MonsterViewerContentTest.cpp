// What the Monster Viewer shows of a monster, which item a loot row opens, where the form opens,
// and the rules of its picture player.

#include "testing/GameDataSeam.h"
#include "items/FramePlayer.h"
#include "items/MonsterViewerContent.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

class MonsterViewerContent : public ::testing::Test {
protected:
    MonsterViewerContent()
    {
        for (int i = 0; i < 6; ++i) {
            Record item(72, 0);
            ByteWriter(item).Text(0, "Item " + std::to_string(i), 22);
            GameDataSeam(store.game).AddItem(item);
        }
        GameDataSeam(store.game).LootTable().assign(54 * 200, 0);
    }

    // A monster of that name whose loot is record loot.
    void AddMonster(const std::string& name, int loot, uint8_t strength = 0)
    {
        Record monster(232, 0);
        ByteWriter(monster).Text(0, name, 16).U8(169, loot).U8(140, strength);
        GameDataSeam(store.game).AddMonster(monster);
    }

    NamedStore store;
    const CGameData& game = store.game;
};

LootRow ItemRow(int first, int alternatives)
{
    LootRow row;
    row.data = first;
    for (int i = 0; i < alternatives; ++i)
        row.choices.push_back({"Item " + std::to_string(first + i), 0});
    return row;
}

} // namespace

TEST_F(MonsterViewerContent, OnlyMonstersOfTheStoreAreDescribed)
{
    AddMonster("Orc", 0);
    AddMonster("", 0, 250);
    EXPECT_FALSE(MonsterViewerFieldsOf(game, -1));
    EXPECT_FALSE(MonsterViewerFieldsOf(game, 2));

    std::optional<MonsterViewerFields> view = MonsterViewerFieldsOf(game, 1);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->number, "1");
    EXPECT_EQ(view->name, "?Unknown Monster?") << "named as the selection lists name it";
    EXPECT_EQ(view->strength, "250") << "attributes are unsigned";
    EXPECT_TRUE(view->loot.empty()) << "an empty loot record shows no EMPTY row here";
    EXPECT_EQ(view->resistances.size(), 13u);
    EXPECT_TRUE(view->attacks[2].damage.empty());

    EXPECT_EQ(MonsterNames(game), (std::vector<std::string>{"Orc", "?Unknown Monster?"}));
}

TEST_F(MonsterViewerContent, AMonsterShowsItsLootRecordWithTheItemRangesOffered)
{
    // Loot record 3, entry 0: items 1 to 3 (kind 2, 40 %); entry 1: 10 to 20 gold.
    Record entries(12, 0);
    ByteWriter(entries).U16(0, 1).U16(2, 3).U8(4, 2).U8(5, 40).U16(6, 20).U16(8, 10).U8(10, 1).U8(11, 90);
    std::copy(entries.begin(), entries.end(), GameDataSeam(store.game).LootTable().begin() + 54 * 3);
    AddMonster("Orc", 3);

    std::vector<LootRow> loot = MonsterViewerFieldsOf(game, 0)->loot;
    ASSERT_EQ(loot.size(), 2u);
    EXPECT_EQ(loot[0].text, "Item 1");
    EXPECT_EQ(loot[0].choices.size(), 3u);
    EXPECT_EQ(loot[1].text, "10-20 gp");
}

TEST_F(MonsterViewerContent, ALootRowOpensTheAlternativeItShows)
{
    EXPECT_EQ(LootRowItem(game, ItemRow(2, 0), 0), 2);
    EXPECT_EQ(LootRowItem(game, ItemRow(2, 0), 3), 2) << "a row without alternatives has no choice";
    EXPECT_EQ(LootRowItem(game, ItemRow(2, 3), 0), 2);
    EXPECT_EQ(LootRowItem(game, ItemRow(2, 3), 2), 4);
    EXPECT_FALSE(LootRowItem(game, ItemRow(2, 3), 3)) << "no such alternative";
    EXPECT_FALSE(LootRowItem(game, ItemRow(2, 3), -1));
    EXPECT_FALSE(LootRowItem(game, ItemRow(9, 0), 0)) << "an item beyond the table";

    LootRow gold = ItemRow(LootRow::kNotAnItem, 0);
    EXPECT_FALSE(LootRowItem(game, gold, 0)) << "gold and experience rows open nothing";
}

TEST(MonsterForm, OpensWholeOnlyOnAWorkAreaLargerThan800By600)
{
    EXPECT_FALSE(MonsterFormFitsWorkArea(800, 600));
    EXPECT_FALSE(MonsterFormFitsWorkArea(1280, 600));
    EXPECT_FALSE(MonsterFormFitsWorkArea(800, 1024));
    EXPECT_TRUE(MonsterFormFitsWorkArea(801, 601));
}

TEST(FramePlayer, ButtonsFollowPlayStopAndThePictureSwitch)
{
    using C = FramePlayer::Control;
    auto enabled = [](const FramePlayer& player) {
        std::string states;
        for (C control : {C::Previous, C::Stop, C::Next, C::Play})
            states += player.Enabled(control) ? '1' : '0';
        return states;
    };
    FramePlayer player;
    EXPECT_EQ(enabled(player), "0000") << "no frames yet";
    player.Load(4);
    EXPECT_TRUE(player.Turning());
    EXPECT_EQ(enabled(player), "0100");
    player.Stop();
    EXPECT_FALSE(player.Turning());
    EXPECT_EQ(enabled(player), "1011");
    EXPECT_EQ(player.FocusAfterDisabling(), C::Play);
    player.ShowPictures(false);
    EXPECT_EQ(enabled(player), "0000");
    EXPECT_FALSE(player.Visible());
    EXPECT_EQ(player.FocusAfterDisabling(), C::ShowPictures);
    player.ShowPictures(true);
    EXPECT_EQ(enabled(player), "1011") << "stopped it stays";
    player.Play();
    EXPECT_EQ(enabled(player), "0100");
    EXPECT_EQ(player.FocusAfterDisabling(), C::Stop);
}

TEST(FramePlayer, StepsWrapRoundAndStayPutWithOneFrameOrNone)
{
    FramePlayer player;
    player.Load(3);
    player.Step(-1);
    EXPECT_EQ(player.Frame(), 2);
    player.Step(1);
    EXPECT_EQ(player.Frame(), 0);
    player.Step(1);
    player.Play();
    EXPECT_EQ(player.Frame(), 0) << "play starts from the first frame";

    player.Load(1);
    for (int by : {1, -1, 1})
        player.Step(by);
    EXPECT_EQ(player.Frame(), 0);

    player.Load(0);
    player.Step(-1);
    EXPECT_EQ(player.Frame(), 0) << "never a frame that is not there";
    EXPECT_FALSE(player.Turning());
}
