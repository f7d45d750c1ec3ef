// Events in words: passability, hidden things, wall changes, managers, harm, fountains,
// displays, the one-line descriptions and the outcomes of branching events.

#include "gamedata/CGameData.h"
#include "maps/EventDescriber.h"
#include "tests/maps/MapFixture.h"

#include <gtest/gtest.h>

using maptest::Event;
using maptest::With;

namespace {

constexpr int kTown = 16;  // walls: 1 archway, 2 wall, 3 door, 7 wall
constexpr int kOther = 5;

// Slots of the town's event table.
enum Slot {
    kTeleportHere, kTeleportAway, kTurn, kMove, kFightMonster, kFightGroup, kIncident, kNoIncident, kUse,
    kFountain, kChangeNumbered, kPortcullisHere, kPortcullisThere, kText, kLoot, kUnknown,
    kTest, kEquip, kTime, kTheft, kFork, kShortFork, kOddFork, kCode, kNoMessage, kOnlyFailure,
};

class EventTexts : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        gamebuild::Installation installation = maptest::MapInstallation();
        gamebuild::MapLevel town;
        town.originX[0] = 16;
        town.originY[0] = 16;
        town.Cell(0, 1, 1).north = 2;
        town.Cell(0, 4, 4).north = 2; // the changing cell: wall, door, archway, passage
        town.Cell(0, 4, 4).east = 3;
        town.Cell(0, 4, 3).north = 1;
        town.Cell(0, 2, 2).feature = 40;
        town.Cell(0, 3, 3).feature = 20;
        installation.scenario.maps[kTown] = gamebuild::MapRecordBytes(town);
        const uint16_t here = gamebuild::PackCellRef(0, 6, 6), there = gamebuild::PackCellRef(2, 3, 4);
        installation.scenario.events[kTown] = {
            With(Event(1, 0, 6, 6), 0, 0, here, kTown),
            With(Event(1, 0, 6, 6, 12), 0, 0, there | 0xFC00, kOther),
            With(Event(2, 0, 6, 6), 0, 0, 0x0900, 0),
            With(Event(2, 0, 6, 6), 0, 0, 0x0F03, 1),
            With(Event(4, 0, 6, 6), 0, 0, 0x10, 7),
            With(Event(4, 0, 6, 6), 0, 0, 0x11, 42),
            With(Event(5, 0, 6, 6), 0, 0, 0, 3),
            With(Event(5, 0, 6, 6), 0, 0, 0, 120),
            With(Event(19, 0, 1, 2, 9), 9, 0, 0, 0),
            With(Event(25, 0, 6, 6), 0, 4, 0x0105, 0),
            With(Event(10, 0, 6, 6), 0, 0x0012, gamebuild::PackCellRef(0, 4, 4), 0),
            With(Event(21, 0, 6, 6, 3), 0, 1, here, 1),
            With(Event(21, 0, 6, 6), 0, 3, there, 0),
            With(Event(16, 0, 6, 6), 710, 0, 0, 0),
            With(Event(3, 0, 6, 6), 0, 0, 0, 1),
            With(Event(30, 0, 6, 6, 2), 0, 0, 0, 0),
            With(Event(22, 0, 6, 6, 4), 11, 12, 0, 0),
            With(Event(6, 0, 6, 6), 650, 13, 0, 14),
            With(Event(13, 0, 6, 6), 15, 0, 0, 0),
            With(Event(14, 0, 6, 6), 17, 16, 0, 0),
            With(Event(12, 0, 6, 6, 8), 700, 0, 0x2003, 0),
            With(Event(12, 0, 6, 6), 704, 0, 0x2002, 0),
            With(Event(12, 0, 6, 6), 706, 0, 0x2005, 0),
            With(Event(12, 0, 6, 6), 702, 0x0A09, 0x0003, 0),
            With(Event(12, 0, 6, 6), 999, 0x0102, 0, 0),
            With(Event(22, 0, 6, 6), 0, 12, 0, 0),
        };
        installation.messages[700] = {"0500", "  Open the door ", "Leave", "Wait"};
        installation.messages[702] = {"SESAME", "Say it"};
        installation.messages[704] = {"5", "One", "Two"};
        installation.messages[706] = {"a5x9", "One", "Two"};
        installation.messages[710] = {"A door."};
        installation.scenario.items[9] = Record(72, 0);
        ByteWriter(installation.scenario.items[9]).Text(0, "Key=Dawn", 22);
        ByteWriter(installation.scenario.monsters[7]).Text(0, "Grey/Wolf", 16);
        s_loaded = maptest::Load(installation);
    }
    static void TearDownTestSuite() { s_loaded.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_loaded && s_loaded->game->Loaded());
        describer = std::make_unique<EventDescriber>(*s_loaded->game, MapCell{kTown, 0, 6, 6});
    }

    std::string Describe(int slot, bool withLocation = false) { return describer->DescribeEvent(kTown, slot, withLocation); }

    static std::unique_ptr<maptest::LoadedMaps> s_loaded;
    std::unique_ptr<EventDescriber> describer;
};

std::unique_ptr<maptest::LoadedMaps> EventTexts::s_loaded;

std::vector<std::string> Lines(const EventOutcomes& outcomes)
{
    std::vector<std::string> lines{outcomes.title};
    for (const OutcomeLine& line : outcomes.lines)
        lines.push_back(line.text + " =" + std::to_string(line.number));
    return lines;
}

} // namespace

TEST_F(EventTexts, PassabilityKindsBySidesKeysAndWalls)
{
    auto of = [&](int param4, int key = 0, int picking = 0) {
        return describer->PassabilityOf(kTown, With(Event(7, 0, 1, 1), 0, key, param4, picking));
    };
    auto same = [](Passability p, PassabilityKind kind, int mask) { return p.kind == kind && p.mask == mask; };
    EXPECT_TRUE(same(of(0x0800), PassabilityKind::SecretButton, 2)) << "high byte 8: the east wall";
    EXPECT_TRUE(same(of(0x8000), PassabilityKind::SecretButton, 8));
    EXPECT_TRUE(same(of(0x0300), PassabilityKind::SecretButton, 0)) << "a side that is none of the four";
    EXPECT_TRUE(same(of(0x22), PassabilityKind::LockedDoor, 5));
    EXPECT_TRUE(same(of(0x01, 0, 2), PassabilityKind::OpenableDoor, 1));
    EXPECT_TRUE(same(of(0x41, 9), PassabilityKind::OpenableDoor, 9));
    EXPECT_TRUE(same(of(0x02, 9), PassabilityKind::LockedDoor, 1)) << "a key but no side to open";
    EXPECT_TRUE(same(of(0x01), PassabilityKind::None, 0));
    EXPECT_TRUE(same(of(0), PassabilityKind::None, 0));
    EXPECT_TRUE(same(of(0x03), PassabilityKind::IllusionWall, 1)) << "north of (1, 1) is a wall";
    EXPECT_TRUE(same(of(0x0C), PassabilityKind::InvisibleWall, 2)) << "east of (1, 1) is a passage";
    EXPECT_TRUE(same(of(0x33), PassabilityKind::IllusionWall, 5)) << "the first side named decides";
    EXPECT_TRUE(same(describer->PassabilityOf(kTown, With(Event(8, 0, 1, 1), 0, 0, 0x0800, 0)), PassabilityKind::None, 0));
}

TEST_F(EventTexts, PassabilityTextsAreSingularOrPlural)
{
    auto text = [&](int param4, int key = 0, int picking = 0) {
        const MapEvent event = With(Event(7, 0, 1, 1), 0, key, param4, picking);
        return describer->PassabilityText(describer->PassabilityOf(kTown, event), event);
    };
    EXPECT_EQ(text(0x0800), "Secret button on EAST wall");
    EXPECT_EQ(text(0x0300), "No path anomalies");
    EXPECT_EQ(text(0x22), "Locked doors to NORTH and SOUTH");
    EXPECT_EQ(text(0x08), "Locked door to EAST");
    EXPECT_EQ(text(0x01, 0, 3), "Locked door to NORTH; openable by lockpicking (3)");
    EXPECT_EQ(text(0x05, 9, 0x12), "Locked doors to NORTH and EAST; openable by lockpicking (2) or by Key of Dawn {id 9}");
    EXPECT_EQ(text(0x40, 600), "Locked door to WEST; openable by  {id 600}") << "an item beyond the table has no name";
    EXPECT_EQ(text(0x03), "Illusion wall to NORTH");
    EXPECT_EQ(text(0x0C), "Invisible wall blocks EAST passway");
    EXPECT_EQ(text(0xCC), "Invisible walls block EAST and WEST passways");
    EXPECT_EQ(text(0), "No path anomalies");
}

TEST_F(EventTexts, HiddenThingsTakeTheirKindFromTheCellsFeature)
{
    auto text = [&](int x, int side) { return describer->HiddenThingText(kTown, With(Event(8, 0, x, x), 0, 0, side << 12, 0)); };
    EXPECT_EQ(text(2, 4), "Lever at NORTH wall");
    EXPECT_EQ(text(3, 7), "Secret Button at WEST wall");
    EXPECT_EQ(text(5, 6), "Something hidden at SOUTH");
    EXPECT_EQ(text(2, 0), "Something hidden around") << "no side: whatever the feature";
    EXPECT_EQ(text(2, 8), "Something hidden around");
    EXPECT_EQ(describer->HiddenThingText(kTown, With(Event(8, 16, 9, 9), 0, 0, 0x4000, 0)), "Something hidden at NORTH")
        << "a cell out of range has no feature";
}

TEST_F(EventTexts, WallChangesNameEachSideThatChangesItsKind)
{
    auto text = [&](int codes) {
        return describer->WallChangerText(kTown, With(Event(10, 0, 0, 0), 0, codes, gamebuild::PackCellRef(0, 4, 4), 0));
    };
    // The cell has north 2 (wall), east 3 (door), south 1 (archway), west 0 (passage).
    EXPECT_EQ(text(0x0132), "Cell becomes: Wall on NORTH, Door on EAST, Archway on SOUTH, Passage on WEST at Quadrant 0 (4, 4)");
    EXPECT_EQ(text(0x3210), "NORTH Wall disappears; Archway replaces EAST Door; Wall blocks SOUTH Archway; "
                            "Door appears on WEST Passage at Quadrant 0 (4, 4)");
    EXPECT_EQ(text(0x0117), "Archway replaces EAST Door at Quadrant 0 (4, 4)") << "7 is a wall too; no leading separator";
    EXPECT_EQ(text(0x0C32), "Passage replaces SOUTH Archway at Quadrant 0 (4, 4)") << "code 12 is no wall here";
    // The portcullis column, on a dungeon map: 6 is a portcullis, 1 an archway, 2 a wall.
    EXPECT_EQ(describer->WallChangerText(15, With(Event(10, 0, 0, 0), 0, 0x0006, gamebuild::PackCellRef(9, 1, 1), 0)),
              "Port appears on NORTH Passage at Quadrant 9 (1, 1)");
}

TEST_F(EventTexts, ManagersHarmFountainsAndDisplays)
{
    auto manager = [&](int action, int map, int number) {
        return describer->EventManagerText(kTown, With(Event(11, 0, 0, 0), 0, 0, (action << 13) | (map << 8) | number, 0));
    };
    EXPECT_EQ(manager(2, kTown, 7), "Sets event [7] on this Map");
    EXPECT_EQ(manager(3, 4, 255), "Resets event [255] on the Map {04}");
    EXPECT_EQ(manager(6, 31, 1), "Starts event [1] on the Map {31}");
    EXPECT_EQ(manager(5, kTown, 2), "Manages event [2] on this Map");
    EXPECT_EQ(manager(0, kTown, 2), "Manages event [2] on this Map");

    auto harm = [&](int param4) { return describer->NegativeEffectText(With(Event(9, 0, 0, 0), 0, 0, param4, 0)); };
    EXPECT_EQ(harm(0x8400), "Effect: Everybody die!");
    EXPECT_EQ(harm(0x0126), "Effect: Harm 12 Delivers 2d6 dmg");
    EXPECT_EQ(harm(0x0B30), "Effect: Harm 5 (Str 3) Delivers 3d0 dmg");
    EXPECT_EQ(harm(0x0524), "Effect: Harm 16 Delivers 2d4 dmg");
    EXPECT_EQ(harm(0x0024), " Delivers 2d4 dmg");
    EXPECT_EQ(harm(0x8E00), "Effect: Harm 25");
    EXPECT_EQ(harm(0x8F00), "Effect: Harm 9");
    EXPECT_EQ(harm(0x8600), "Effect: Harm 0");
    EXPECT_EQ(harm(0x8000), "");

    auto fountain = [&](int good, int bad) {
        return describer->FountainTexts(With(Event(25, 0, 0, 0), 0, 7, good | (bad << 8), 0));
    };
    EXPECT_EQ(fountain(0x05, 0).good, "+Stamina, +HP; ");
    EXPECT_EQ(fountain(0x05, 0).bad, "");
    EXPECT_EQ(fountain(0x7F, 0).good, "+Stamina, +SP, +HP; -Poison, -Paralyze, -Blind, -Sleep; ");
    EXPECT_EQ(fountain(0, 0x0A).bad, "-SP; +Poison; ");
    EXPECT_EQ(fountain(0, 0x80).bad, "");
    EXPECT_EQ(fountain(0, 0).power, 7);

    auto display = [&](int what, int side, int x) {
        return describer->CellDisplayText(With(Event(23, 0, 1, 1), what, 0, gamebuild::PackCellRef(0, x, 1), side));
    };
    EXPECT_EQ(display(10, 1, 1), "Lever up on EAST wall  at this Cell");
    EXPECT_EQ(display(14, 1, 1), "Pit down  at this Cell");
    EXPECT_EQ(display(0, 0, 2), "Nothing special is visible  at Quadrant 0 (2, 1)");
    EXPECT_EQ(display(16, 2, 2), "Scorched T'Rang eggs  at Quadrant 0 (2, 1)");
    EXPECT_EQ(display(6, 3, 1), "Pushed putton on WEST wall  at this Cell");
    EXPECT_EQ(display(99, 9, 1), "Unknown on  wall  at this Cell");
}

TEST_F(EventTexts, OneLineDescriptions)
{
    EXPECT_EQ(Describe(kTeleportHere), "Teleporter to this Map Quadrant 0 (6,6)");
    EXPECT_EQ(Describe(kTeleportAway), "[12] Teleporter to Map {05} Quadrant 2 (3,4)");
    EXPECT_EQ(Describe(kTeleportAway, true), "[12] Teleporter to Map {05} Quadrant 2 (3,4) at this Cell");
    EXPECT_EQ(Describe(kTurn), "Turns NORTH and WEST");
    EXPECT_EQ(Describe(kMove), "Moves NORTH, EAST, SOUTH and WEST for 3 cells");
    EXPECT_EQ(Describe(kFightMonster), "Fight with Grey Wolf {id 7}");
    EXPECT_EQ(Describe(kFightGroup), "Fight with random monster (group id 42)");
    EXPECT_EQ(Describe(kIncident), "Shrine of Dawn 3 (incident id 3)");
    EXPECT_EQ(Describe(kNoIncident), " (incident id 120)") << "an incident beyond the table has no name";
    EXPECT_EQ(Describe(kUse, true), "[9] Use of Key of Dawn {id 9} at Quadrant 0 (1,2)");
    EXPECT_EQ(Describe(kFountain), "+Stamina, +HP;  -Stamina;  Power: 4");
    EXPECT_EQ(Describe(kChangeNumbered, true), "[0] Archway replaces EAST Door; Passage replaces SOUTH Archway at "
                                               "Quadrant 0 (4, 4)")
        << "always numbered, never located";
    EXPECT_EQ(Describe(kPortcullisHere, true), "[3] Opens Portcullis to the EAST at this Cell");
    EXPECT_EQ(Describe(kPortcullisThere), "Closes Portcullis to the WEST at Quadrant 2 (3,4)");
    EXPECT_EQ(Describe(kText), "<Text>");
    EXPECT_EQ(Describe(kLoot, true), "<Loot> at this Cell");
    EXPECT_EQ(Describe(kUnknown), "[2] <30>");

    describer->SetCell({kOther, 0, 6, 6});
    EXPECT_EQ(Describe(kTeleportHere), "Teleporter to this Map Quadrant 0 (6,6)") << "the event's own map decides";
    EXPECT_EQ(Describe(kPortcullisHere), "[3] Opens Portcullis to the EAST at Quadrant 0 (6,6)");
    EXPECT_EQ(describer->EventLocationText(kTown, kText), "at Quadrant 0 (6,6)");
    EXPECT_EQ(describer->DescribeEvent(kTown, 240, false), "<0>") << "a slot beyond the table is empty";
}

TEST_F(EventTexts, OutcomesOfBranchingEvents)
{
    auto lines = [&](int slot, bool withLocation = false) {
        return Lines(describer->DescribeEventOutcomes(kTown, slot, withLocation));
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(lines(kTest), (V{"[4] Testing something", "Success sets event [11] =11", "Failure sets event [12] =12"}));
    EXPECT_EQ(lines(kOnlyFailure), (V{"Testing something", "Failure sets event [12] =12"}));
    EXPECT_EQ(lines(kEquip), (V{"Item  should be equipped", "If equipped sets event [13] =13",
                               "If not equipped sets event [14] =14"}));
    EXPECT_EQ(lines(kTime, true), (V{"Time check at this Cell", "Successful check sets event [15] =15"}));
    EXPECT_EQ(lines(kTheft), (V{"NPC Theft", "Theft occured sets event [16] =16", "Theft not occured sets event [17] =17"}));
    EXPECT_EQ(lines(kFork), (V{"[8] Action Fork", "'Open the door' sets event [5] at this Cell =5",
                              "'Leave' do nothing special =0", "'Wait' do nothing special =0"}));
    EXPECT_EQ(lines(kShortFork), (V{"Action Fork", "'One' do nothing special =0", "'Two' do nothing special =0"}))
        << "a line 0 too short for an option gives it nothing";
    EXPECT_EQ(lines(kOddFork), (V{"Action Fork", "'One' do nothing special =0", "'Two' do nothing special =0"}))
        << "only digits make a number; five options but two lines";
    EXPECT_EQ(lines(kCode), (V{"Code input required: 'SESAME'", "Correct code sets (incorrect code resets) event [9] =9",
                              "Incorrect code sets (correct code resets) event [10] =10"}));
    EXPECT_EQ(lines(kNoMessage), (V{"Code input required: ''", "Correct code sets (incorrect code resets) event [2] =2",
                                   "Incorrect code sets (correct code resets) event [1] =1"}));
    EXPECT_TRUE(describer->DescribeEventOutcomes(kTown, kTeleportHere, false).title.empty());
    const EventOutcomes fork = describer->DescribeEventOutcomes(kTown, kFork, false);
    EXPECT_EQ(fork.lines[0].icon, 27);
    EXPECT_EQ(describer->DescribeEventOutcomes(kTown, kTest, false).lines[1].icon, 35);
}

TEST_F(EventTexts, TransfersNameTheMapAndItsArea)
{
    const MapEvent& away = describer->Event(kTown, kTeleportAway);
    EXPECT_EQ(describer->TransferText(away), "Transfers to Map {05} 'Road from Munkharama to Ukpyr'\r\nQuadrant 2 (3,4)");
    EXPECT_EQ(describer->TransferText(describer->Event(kTown, kTeleportHere)), "Transfers to this Map\r\nQuadrant 0 (6,6)");
    EXPECT_EQ(describer->TransferText(With(Event(15, 0, 0, 0), 0, 0, 0, 77)), "Transfers to Map {77} ''\r\nQuadrant 0 (0,0)");
}
