// What NPCs and shops offer: held items, the stock rolls and the NPCs' status.

#include "saves/Offers.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

namespace {

// Loot entries (kind, chance, valueA, valueB).
Record Loot(std::initializer_list<std::array<int, 4>> entries)
{
    Record loot(54, 0);
    ByteWriter out(loot);
    size_t at = 0;
    for (const auto& [kind, chance, a, b] : entries) {
        out.U16(at, static_cast<unsigned>(a)).U16(at + 2, static_cast<unsigned>(b)).U8(at + 4, kind).U8(at + 5, chance);
        at += 6;
    }
    return loot;
}

struct World {
    explicit World(const gamebuild::Installation& installation, const SaveWorld& saved) : game(installation)
    {
        SaveFile save;
        save.world = saved;
        EXPECT_TRUE(state.Load(game.Write("world.dbs", gamebuild::SaveFileBytes(save))));
    }
    std::vector<std::string> Names(int entry) const
    {
        std::vector<std::string> names;
        for (const OfferRow& row : BuildOffers(*game.data, state, entry).rows)
            names.push_back(row.name);
        return names;
    }
    Game game;
    WorldState state;
};

using Names = std::vector<std::string>;

} // namespace

TEST(Offers, EveryItemOfARangeTakesARoll)
{
    gamebuild::Installation installation = SaveInstallation();
    // Five items at 60%, then gold at 50%, then a range at the fixed 50% whose level is too high.
    installation.scenario.loot[101] = Loot({{2, 60, 10, 5}, {1, 50, 200, 100}, {3, 30, 20, 2}, {2, 60, 30, 1}});
    SaveWorld saved;
    saved.availabilityStep = 3; // level 27
    saved.rolls = {10, 70, 59, 60, 99, 49, 5};
    World world(installation, saved);
    // Rolls 10, 70, 59, 60, 99 for items 10-14; 49 for the gold; none for the level-30 range; 5 for item 30.
    EXPECT_EQ(world.Names(-101), (Names{"Item 10", "Item 12", "100-200 gp", "Item 30"}));
    const Offers offers = BuildOffers(*world.game.data, world.state, -101);
    EXPECT_EQ(offers.status, "") << "shops have no status";
    EXPECT_EQ(offers.rows[2].data, -1);
    EXPECT_EQ(offers.rows[2].image, 115);

    saved.availabilityStep = 4; // level 36: the range is offered at 50%, after the gold
    saved.rolls = {0, 0, 0, 0, 0, 0, 50, 49, 0};
    World richer(installation, saved);
    EXPECT_EQ(richer.Names(-101),
              (Names{"Item 10", "Item 11", "Item 12", "Item 13", "Item 14", "100-200 gp", "Item 21", "Item 30"}));
}

TEST(Offers, ItemRowsStopAtThirtyAndRowsStopWhenTheRollsRunOut)
{
    gamebuild::Installation installation = SaveInstallation();
    installation.scenario.loot[145] = Loot({{2, 100, 1, 40}, {1, 100, 9, 1}, {2, 100, 100, 5}, {1, 100, 8, 2}});
    SaveWorld saved;
    saved.rolls.assign(100, 0);
    World world(installation, saved);
    Names names = world.Names(-145);
    ASSERT_EQ(names.size(), 32u) << "30 item rows, then gold regardless";
    EXPECT_EQ(names[29], "Item 30");
    EXPECT_EQ(names[30], "1-9 gp");
    EXPECT_EQ(names[31], "2-8 gp");

    // Loot that needs more than the file's 100 rolls: nothing after the last one.
    installation.scenario.loot[145] = Loot({{2, 100, 1, 25}, {2, 0, 1, 74}, {2, 100, 200, 3}, {1, 100, 9, 1}});
    World dry(installation, saved);
    names = dry.Names(-145);
    ASSERT_EQ(names.size(), 26u);
    EXPECT_EQ(names.back(), "Item 200") << "the 100th roll is the last";
}

TEST(Offers, NpcsHoldTheirSpecialItemsAndHaveAStatus)
{
    gamebuild::Installation installation = SaveInstallation();
    MakeNpc(installation, 20, 5, 2, 4, 50);    // state slot 2
    MakeNpc(installation, 21, 6, 255, 255, 0); // no slot: the dead bits tell
    MakeNpc(installation, 22, 7, 20, 1, 0);    // slot 20 names no state
    installation.scenario.loot[50] = Loot({{2, 50, 300, 1}});
    SaveWorld saved;
    saved.npcs[2] = {0, 1, 0x81, 0x04};
    saved.npcs[0] = {0, 1, 0xFF, 0x07}; // what a misread slot 20 might find
    saved.deadNpcs = {6, 7};
    saved.rolls = {49};
    World world(installation, saved);

    const Offers held = BuildOffers(*world.game.data, world.state, 20);
    EXPECT_EQ(held.status, "Dead");
    EXPECT_EQ(world.Names(20), (Names{"Item 400", "Item 407", "Item 410", "Item 300"}));
    EXPECT_EQ(held.rows[0].data, 400);
    EXPECT_EQ(BuildOffers(*world.game.data, world.state, 21).status, "Dead");
    const Offers twenty = BuildOffers(*world.game.data, world.state, 22);
    EXPECT_EQ(twenty.status, "Dead") << "slot 20 counts as no slot";
    EXPECT_TRUE(twenty.rows.empty());

    const std::vector<NpcEntry> entries = BuildNpcEntries(*world.game.data);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, "Monster 20");
    EXPECT_EQ(entries[0].icon, 3);
    EXPECT_EQ(entries[1].icon, 8) << "no alliance: the ninth icon";
    EXPECT_EQ(entries[3].name, "RATSKEL' SHOP (BLIENMEIS)");
    EXPECT_EQ(entries[4].data, -145);
}
