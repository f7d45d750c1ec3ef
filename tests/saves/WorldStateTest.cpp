// The world state of a save file: reading only what the file holds, and the World Info rows.

#include "saves/WorldContent.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

namespace {

SaveWorld SmallWorld()
{
    SaveWorld world;
    world.filler = 2;
    world.items = {{3, 0x80, 2, 7, 1, 7, 4, 90},    // identified, with a count
                   {3, 0x00, 5, 5, 2, 42, 9, 91},   // not identified: no count
                   {9, 0x80, 0, 0, 0, 0, 1, 92},    // no item
                   {255, 0x80, 0, 0, 0, 8, 1, 93},  // no place
                   {3, 0x80, 2, 7, 1, 600, 1, 94}}; // beyond the item table
    world.map = 3, world.quadrant = 1, world.x = 2, world.y = 7, world.facing = 2;
    world.availabilityStep = 4;
    world.alliances = {1, -2, 3, -4, 5, -6, 7, -128};
    world.deadNpcs = {5, 95};
    world.rolls.assign(100, 42);
    return world;
}

// The file offsets of the blocks of SmallWorld: W = 6 x 2 + 8 x 5.
constexpr size_t kW = 52;

} // namespace

TEST(WorldState, BlocksAreReadWhereTheFileHoldsThem)
{
    Game game(SaveInstallation());
    SaveFile save;
    save.world = SmallWorld();
    const std::vector<uint8_t> bytes = gamebuild::SaveFileBytes(save);
    WorldState world;
    ASSERT_TRUE(world.Load(game.Write("whole.dbs", bytes)));
    ASSERT_EQ(world.items.size(), 5u);
    EXPECT_EQ(world.items[1].x(), 5);
    EXPECT_EQ(world.items[1].y(), 5);
    ASSERT_TRUE(world.position && world.availabilityLevel && world.alliances && world.deadBits);
    EXPECT_EQ(world.position->y, 7);
    EXPECT_EQ(world.position->facing, 2);
    EXPECT_EQ(*world.availabilityLevel, 36);
    EXPECT_EQ((*world.alliances)[7], -128);
    EXPECT_TRUE(world.IsDead(5) && world.IsDead(95) && !world.IsDead(6));
    EXPECT_FALSE(world.IsDead(96) || world.IsDead(-1)) << "no bits beyond the 96 NPCs";
    EXPECT_EQ(world.npcStates.size(), 20u);
    EXPECT_EQ(world.rolls.size(), 100u);

    // Cut at each block: what lies beyond stays empty, nothing is made up.
    struct Cut {
        size_t length;
        size_t items;
        bool position, availability, alliances;
        size_t states, rolls;
    };
    const Cut cuts[] = {
        {844 + 12 + 8 * 2 + 3, 2, false, false, false, 0, 0}, // inside the third world item
        {kW + 9036 + 13, 5, false, false, false, 0, 0},       // inside the position
        {kW + 9077, 5, true, true, false, 0, 0},
        {kW + 9842 + 38 * 3 + 1, 5, true, true, true, 3, 0}, // inside the fourth NPC state
        {kW + 10720 + 60, 5, true, true, true, 20, 60},
    };
    for (const Cut& cut : cuts) {
        std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut.length));
        ASSERT_TRUE(world.Load(game.Write("cut.dbs", part)));
        EXPECT_EQ(world.items.size(), cut.items) << cut.length;
        EXPECT_EQ(world.position.has_value(), cut.position) << cut.length;
        EXPECT_EQ(world.availabilityLevel.has_value(), cut.availability) << cut.length;
        EXPECT_EQ(world.alliances.has_value(), cut.alliances) << cut.length;
        EXPECT_EQ(world.npcStates.size(), cut.states) << cut.length;
        EXPECT_EQ(world.rolls.size(), cut.rolls) << cut.length;
    }

    // A count of world items far beyond the file.
    std::vector<uint8_t> lying = bytes;
    lying[718] = 0xFF, lying[719] = 0xFF;
    ASSERT_TRUE(world.Load(game.Write("lying.dbs", lying)));
    EXPECT_EQ(world.items.size(), (bytes.size() - 856) / 8) << "only the records the file holds";
    EXPECT_FALSE(world.position);
    EXPECT_TRUE(world.rolls.empty());

    EXPECT_FALSE(world.Load(game.folder.File("missing.dbs")));
    EXPECT_TRUE(world.items.empty());
    EXPECT_FALSE(world.deadBits);
}

TEST(WorldState, WorldItemsListThoseWithAnItemAndAPlace)
{
    Game game(SaveInstallation());
    SaveFile save;
    save.world = SmallWorld();
    WorldState world;
    ASSERT_TRUE(world.Load(game.Write("world.dbs", gamebuild::SaveFileBytes(save))));
    const WorldItemList list = BuildWorldItems(*game.data, world);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.total, "3 item(s) total");
    EXPECT_EQ(list.rows[0].name, "Robe of Light");
    EXPECT_EQ(list.rows[0].location, "Map {03} Quadrant 1 (2,7)");
    EXPECT_EQ(list.rows[0].count, "4");
    EXPECT_EQ(list.rows[1].name, "?Look 42");
    EXPECT_EQ(list.rows[1].count, "");
    EXPECT_EQ(list.rows[2].name, "") << "an item beyond the table has no name";
    EXPECT_EQ(list.rows[2].data, 2);
    EXPECT_EQ(list.places[1].item, -1);
    EXPECT_EQ(list.places[2].icon, 94);

    const WorldItemList cell = BuildCellItems(*game.data, world, 3, 1, 2, 7);
    ASSERT_EQ(cell.rows.size(), 2u);
    EXPECT_EQ(cell.rows[0].data, 7) << "cell rows carry item numbers";
    EXPECT_EQ(cell.total, "2 item(s) total");
    EXPECT_TRUE(BuildCellItems(*game.data, world, 3, 1, 2, 6).rows.empty());

    const PartyPlaceText place = BuildPartyPlace(*game.data, world);
    EXPECT_EQ(place.coordinates, "Quadrant 1 (2, 7)  ");
    EXPECT_EQ(place.facing, "SOUTH");
    EXPECT_EQ(AvailabilityText(world), "36");
    const std::vector<AllianceRow> alliances = BuildAlliances(*game.data, world);
    ASSERT_EQ(alliances.size(), 8u);
    EXPECT_EQ(alliances[0].name, "First");
    EXPECT_EQ(alliances[7].attitude, "-128");
    EXPECT_EQ(alliances[7].icon, 7);
}

TEST(WorldState, AMapMarksItsItemsAndTheParty)
{
    Game game(SaveInstallation());
    SaveFile save;
    save.world = SmallWorld();
    WorldState world;
    ASSERT_TRUE(world.Load(game.Write("world.dbs", gamebuild::SaveFileBytes(save))));
    const WorldItemList list = BuildWorldItems(*game.data, world);

    WorldMapView view = BuildWorldMap(world, list, 3, 1, false);
    ASSERT_TRUE(view.party);
    EXPECT_EQ(view.party->facing, 2);
    ASSERT_TRUE(view.chosen);
    EXPECT_EQ(view.chosen->icon, 91) << "the item's own icon";
    ASSERT_EQ(view.markers.size(), 3u);
    EXPECT_EQ(view.markers[1].x, 5);

    view = BuildWorldMap(world, list, 3, 0, true);
    EXPECT_EQ(view.chosen->icon, 84);
    EXPECT_EQ(view.markers[0].icon, 38);

    view = BuildWorldMap(world, list, 9, -1, false);
    EXPECT_FALSE(view.party) << "the party stands elsewhere";
    EXPECT_FALSE(view.chosen);
    EXPECT_TRUE(view.markers.empty());
}
