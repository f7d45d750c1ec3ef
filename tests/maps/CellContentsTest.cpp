// What the properties window shows for a cell: its fields, the event chains and their icons,
// and the tile set the map windows share.

#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "maps/CellContents.h"
#include "maps/EventChain.h"
#include "maps/MapTileSet.h"
#include "tests/maps/MapFixture.h"
#include "tools/art/ProgramArt.h"

#include <gtest/gtest.h>

using maptest::Event;
using maptest::With;

namespace {

constexpr int kShown = 16;
constexpr int kOther = 5;

std::unique_ptr<maptest::LoadedMaps> LoadCells()
{
    gamebuild::Installation installation = maptest::MapInstallation();
    gamebuild::MapLevel level;
    level.originX[0] = 16;
    level.originY[0] = 16;
    installation.scenario.maps[kShown] = gamebuild::MapRecordBytes(level);
    installation.scenario.maps[kOther] = gamebuild::MapRecordBytes(level);
    const uint16_t away = gamebuild::PackCellRef(1, 2, 3);
    installation.scenario.events[kShown] = {
        // The cell (6, 6), a bit of everything.
        With(Event(4, 0, 6, 6), 0, 0, 0, 7),
        With(Event(4, 0, 6, 6, 3), 0, 0, 1, 2),
        With(Event(1, 0, 6, 6), 0, 0, away, kShown),
        With(Event(1, 0, 6, 6, 12), 0, 0, away, kOther),
        With(Event(15, 0, 6, 6), 0, 0, away, 40),
        With(Event(8, 0, 6, 6), 710, 0, 0, 0),
        With(Event(9, 0, 6, 6, 4), 712, 0, 0x8400, 0),
        With(Event(3, 0, 6, 6, 5), 0, 710, 0, 17),
        With(Event(16, 0, 6, 6), 714, 0, 0, 0),
        With(Event(17, 0, 6, 6), 710, 0, 0, 0),
        With(Event(25, 0, 6, 6), 0, 3, 0x0201, 0),
        With(Event(18, 0, 6, 6), 0, 0, 0, 0),
        With(Event(7, 0, 6, 6), 0, 0, 0x0800, 0),
        With(Event(5, 0, 6, 6), 0, 0, 0, 2),
        With(Event(2, 0, 6, 6), 0, 0, 0x0100, 0),
        With(Event(11, 0, 6, 6), 0, 0, (2 << 13) | (kShown << 8) | 1, 0),
        With(Event(19, 0, 6, 6), 9, 0, 0, 0),
        With(Event(4, 0, 5, 6), 0, 0, 0, 8), // another cell
        // The cell (1, 1), whose events set and reset others.
        With(Event(19, 0, 1, 1), 9, 0, (11 << 8) | 10, 0),           // 18
        With(Event(16, 0, 2, 2, 10), 710, 0, 0, 0),                  // 19
        With(Event(7, 0, 3, 3, 11), 0, 0, 0x22, 0),                  // 20
        With(Event(8, 0, 4, 4, 10), 0, 20, 0, 0),                    // 21
        With(Event(8, 0, 1, 1, 20), 0, 21, 22, 0),                   // 22
        With(Event(11, 0, 5, 5, 21), 0, 0, (2 << 13) | (kShown << 8) | 20, 0), // 23: back to 20
        With(Event(23, 0, 1, 1, 22), 10, 0, gamebuild::PackCellRef(0, 1, 1), 0), // 24
        With(Event(23, 0, 1, 1, 22), 11, 0, gamebuild::PackCellRef(0, 1, 1), 0), // 25: after the first
        With(Event(11, 0, 1, 1), 0, 0, (3 << 13) | (kOther << 8) | 7, 0), // 26
        With(Event(12, 0, 1, 1), 700, 0, 0x2002, 0),                  // 27
        With(Event(4, 0, 1, 1, 5), 0, 0, 0, 1),                       // 28: on the fork's cell
        With(Event(4, 0, 2, 2, 5), 0, 0, 0, 1),                       // 29: elsewhere
        With(Event(22, 0, 1, 1), 10, 0, 0, 0),                        // 30
    };
    installation.scenario.events[kOther] = {
        With(Event(16, 0, 1, 1, 7), 710, 0, 0, 0),
        With(Event(19, 0, 2, 2, 7), 3, 0, 3, 0),
        With(Event(4, 0, 2, 2, 8), 0, 0, 0, 1),
        With(Event(16, 0, 3, 3, 3), 710, 0, 0, 0),
    };
    installation.messages[700] = {"0506", "One", "Two"};
    installation.messages[710] = {"A door."};
    installation.messages[714] = {"@Far away,", "!bells."};
    return maptest::Load(installation);
}

std::vector<std::string> Texts(const std::vector<CellEntry>& entries)
{
    std::vector<std::string> texts;
    for (const CellEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

// The tree below an item, one line per item with two blanks per level, depth levels deep.
void Print(EventChainTree& tree, int id, int depth, int level, std::vector<std::string>& lines)
{
    if (level + 1 < depth)
        tree.Expand(id);
    lines.push_back(std::string(2 * level, ' ') + tree.Node(id).text);
    if (level + 1 < depth)
        for (int child : std::vector<int>(tree.Node(id).children))
            Print(tree, child, depth, level + 1, lines);
}

std::vector<std::string> Tree(EventChainTree& tree, int root, int depth)
{
    std::vector<std::string> lines;
    Print(tree, tree.Roots()[static_cast<size_t>(root)], depth, 0, lines);
    return lines;
}

using V = std::vector<std::string>;

} // namespace

TEST(CellContents, EventsAreSortedIntoTheirFields)
{
    auto loaded = LoadCells();
    ASSERT_TRUE(loaded->game->Loaded());
    EventDescriber describer(*loaded->game, MapCell{kShown, 0, 6, 6});
    const CellContents c = DescribeCell(describer);
    EXPECT_EQ(c.coordinates, "Map {16} Quadrant 0 (6,6)");
    EXPECT_EQ(c.backgroundTile, 3) << "the town's floor";
    EXPECT_EQ(Texts(c.fights), (V{"Fight with Monster 7 {id 7}", "[3] Fight with random monster (group id 2)"}));
    EXPECT_EQ(c.fights[1].data, 1) << "entries carry their slot";
    EXPECT_EQ(Texts(c.transfers), (V{"Teleporter N 1", "[12] Teleporter N 2", "Teleporter N 3"}));
    EXPECT_EQ(c.transfers[0].detail, "Transfers to this Map\r\nQuadrant 1 (2,3)");
    EXPECT_EQ(c.transfers[1].detail, "Transfers to Map {05} 'Road from Munkharama to Ukpyr'\r\nQuadrant 1 (2,3)");
    EXPECT_EQ(c.transfers[2].data, 4);
    EXPECT_EQ(Texts(c.hiddenThings), (V{"Something hidden around"}));
    EXPECT_EQ(Texts(c.negativeEffects), (V{"[4] Effect: Everybody die!"}));
    EXPECT_EQ(Texts(c.loot), (V{"[5] Cell Loot N 1"}));
    EXPECT_EQ(c.loot[0].record, 17);
    // Message 712 is not there; the loot's first text is none.
    EXPECT_EQ(Texts(c.texts), (V{"Cell Text N 1", "[5] Cell Text N 2", "Cell Text N 3", "Cell Text N 4"}));
    EXPECT_EQ(c.texts[1].data, 710);
    EXPECT_EQ(c.texts[1].detail, "A door.");
    EXPECT_EQ(c.texts[2].detail, "\r\n\r\nFar away, \r\nbells.");
    EXPECT_TRUE(c.hasFountain);
    EXPECT_EQ(c.fountainGood, "+Stamina; ");
    EXPECT_EQ(c.fountainPower, "Power: 3");
    EXPECT_EQ(c.fountainBad, "-SP; ");
    EXPECT_EQ(c.freeCell, "Monster Free Cell");
    EXPECT_EQ(Texts(c.passability), (V{"Secret button on EAST wall"}));
    EXPECT_EQ(Texts(c.incidents), (V{"Shrine of Dawn 2 (incident id 2)"}));
    EXPECT_EQ(Texts(c.movers), (V{"Turns NORTH"}));
    EXPECT_EQ(Texts(c.eventManagers), (V{"Sets event [1] on this Map"}));
    EXPECT_EQ(Texts(c.itemUsages), (V{"Use of Item 9 {id 9}"}));

    describer.SetCell({kShown, 0, 0, 0});
    const CellContents empty = DescribeCell(describer);
    EXPECT_TRUE(empty.fights.empty() && empty.texts.empty() && !empty.hasFountain && empty.freeCell.empty());
}

TEST(EventChains, FollowTheNumbersThatEventsSetAndReset)
{
    auto loaded = LoadCells();
    EventDescriber describer(*loaded->game, MapCell{kShown, 0, 1, 1});
    EventChainTree tree(describer);
    ASSERT_EQ(tree.Roots().size(), 5u);
    EXPECT_EQ(Tree(tree, 0, 3), (V{"Use of Item 9 {id 9}",
                                   "  Sets event [10] at this Map",
                                   "    [10] <Text> at Quadrant 0 (2,2)",
                                   "    [10] Something hidden around at Quadrant 0 (4,4)",
                                   "  Resets event [11] at this Map",
                                   "    [11] Locked doors to NORTH and SOUTH at Quadrant 0 (3,3)"}));
    // The hidden thing: what it sets, then the first event with its second number on its own cell.
    EXPECT_EQ(Tree(tree, 1, 3), (V{"[20] Something hidden around",
                                   "  Sets event [21] at this Map",
                                   "    [21] Sets event [20] on this Map at Quadrant 0 (5,5)",
                                   "  Sets event [22] at this Map",
                                   "    [22] Lever up on NORTH wall  at this Cell"}));
    // A manager goes straight to its matches, on its own map; their chains name that map.
    EXPECT_EQ(Tree(tree, 2, 4), (V{"Resets event [7] on the Map {05}",
                                   "  [7] <Text> at Quadrant 0 (1,1)",
                                   "  [7] Use of Item 3 {id 3} at Quadrant 0 (2,2)",
                                   "    Sets event [3] at Map {05}",
                                   "      [3] <Text> at Quadrant 0 (3,3)"}));
    // Fork options reach only their own cell; an option that finds nothing loses its button.
    EXPECT_EQ(Tree(tree, 3, 3), (V{"Action Fork", "  'One' sets event [5] at this Cell", "    [5] Fight with Monster 1 {id 1} at this Cell",
                                   "  'Two' sets event [6] at this Cell"}));
    const int two = tree.Node(tree.Roots()[3]).children[1];
    EXPECT_FALSE(tree.CanExpand(two));
    EXPECT_EQ(Tree(tree, 4, 3), (V{"Testing something", "  Success sets event [10]", "    [10] <Text> at Quadrant 0 (2,2)",
                                   "    [10] Something hidden around at Quadrant 0 (4,4)"}));
}

TEST(EventChains, AChainThatLoopsBackGrowsOnlyAsFarAsItIsOpened)
{
    auto loaded = LoadCells();
    EventDescriber describer(*loaded->game, MapCell{kShown, 0, 1, 1});
    EventChainTree tree(describer);
    // hidden 20 -> sets 21 -> manager 21 sets 20 -> hidden 20 ...
    int id = tree.Roots()[1];
    for (int round = 0; round < 50; ++round) {
        ASSERT_TRUE(tree.Expand(id));
        const int sets = tree.Node(id).children[0];
        ASSERT_TRUE(tree.Expand(sets));
        const int manager = tree.Node(sets).children[0];
        ASSERT_TRUE(tree.CanExpand(manager));
        ASSERT_TRUE(tree.Expand(manager));
        id = tree.Node(manager).children[0];
        ASSERT_EQ(tree.Node(id).text, "[20] Something hidden around at this Cell");
    }
    const int count = tree.Count();
    EXPECT_LT(count, 50 * 8);
    const int again = tree.Roots()[1];
    EXPECT_TRUE(tree.Expand(again));
    EXPECT_EQ(tree.Count(), count) << "an item is filled once";
    EXPECT_FALSE(tree.Expand(-1));
    EXPECT_FALSE(tree.Expand(tree.Count()));
}

TEST(EventChains, IconsFollowTheEventIconRule)
{
    auto loaded = LoadCells();
    EventDescriber describer(*loaded->game, MapCell{kShown, 0, 1, 1});
    auto icon = [&](int type, int param4 = 0, int x = 1) { return EventIcon(describer, kShown, With(Event(type, 0, x, 1), 0, 0, param4, 0)); };
    const std::vector<std::pair<int, int>> plain = {{1, 13}, {15, 13}, {2, 12}, {3, 9}, {4, 4}, {5, 21}, {6, 30},
                                                    {9, 22}, {10, 24}, {12, 26}, {13, 36}, {14, 39}, {16, 14}, {19, 15},
                                                    {21, 18}, {22, 33}, {23, 25}, {25, 5}, {17, 19}, {18, 19}, {99, 19}};
    for (auto [type, expected] : plain)
        EXPECT_EQ(icon(type), expected) << type;
    EXPECT_EQ(icon(7, 0), 16);
    EXPECT_EQ(icon(7, 0x0200), 23);
    EXPECT_EQ(icon(7, 0x02), 10);
    EXPECT_EQ(icon(7, 0x0C), 3);
    EXPECT_EQ(icon(8, 0x4000), 20);
    EXPECT_EQ(icon(11, 2 << 13), 7);
    EXPECT_EQ(icon(11, 6 << 13), 7);
    EXPECT_EQ(icon(11, 3 << 13), 8);
    EXPECT_EQ(icon(11, 1 << 13), 6);

    EventChainTree tree(describer);
    EXPECT_EQ(tree.Node(tree.Roots()[0]).icon, 15);
    tree.Expand(tree.Roots()[0]);
    EXPECT_EQ(tree.Node(tree.Node(tree.Roots()[0]).children[0]).icon, chainicon::kSets);
    EXPECT_EQ(tree.Node(tree.Node(tree.Roots()[0]).children[1]).icon, chainicon::kResets);
    const ChainNode& fork = tree.Node(tree.Roots()[3]);
    EXPECT_EQ(fork.icon, 26);
    EXPECT_EQ(tree.Node(fork.children[0]).icon, 27);
}

TEST(MapTileSet, GameTilesThenTheProgramsMarksThenTheButton)
{
    for (auto edition : {gamebuild::Edition::First, gamebuild::Edition::Gold}) {
        const bool gold = edition == gamebuild::Edition::Gold;
        SCOPED_TRACE(gold ? "Gold" : "first edition");
        gamebuild::Installation installation = maptest::MapInstallation(edition);
        const pic::Form form = gold ? pic::Form::Plain : pic::Form::MaskedBlocks;
        installation.pictures["MON14.PIC"] = {form, std::vector<gamebuild::PicFrame>(35, {16, 16, Record(256, 1)})};
        gamebuild::PicFile marks{form, std::vector<gamebuild::PicFrame>(8, {16, 16, Record(256, 1)})};
        marks.frames[6] = {16, 8, Record(128, 1)};
        installation.pictures["MON16.PIC"] = marks;
        auto loaded = maptest::Load(installation);
        for (int id : {144, 216, 221, 222, 223, 224, 226, 227, 228, 229, 235, 241, 242, 243})
            if (auto bytes = ReadGameFile(std::string(TALLOWMARK_ART_DIR) + "/" + art::ProgramBitmapFile(id)))
                loaded->platform.bitmaps[id] = *DecodeBmp(*bytes);
        ASSERT_EQ(loaded->platform.bitmaps.size(), 14u) << "the art generator's map bitmaps";

        MapTileSet set;
        ASSERT_TRUE(BuildMapTileSet(*loaded->game, 2, set));
        ASSERT_EQ(set.tiles.size(), 62u);
        EXPECT_EQ(set.tiles[0].Width(), gold ? 16 : 32);
        EXPECT_EQ(set.legend[legend::kChest], 35);
        EXPECT_EQ(set.legend[legend::kTeleporter], 36);
        EXPECT_EQ(set.legend[legend::kIllusionWalls], 41);
        EXPECT_EQ(set.legend[legend::kLevers], 50);
        EXPECT_EQ(set.legend[legend::kNoMonsters], 60);
        EXPECT_EQ(set.legend[legend::kSecretButton], 61);
        const auto& bitmaps = loaded->platform.bitmaps;
        EXPECT_EQ(set.Legend(legend::kIllusionWalls, 0)->Pixels(), bitmaps.at(223).Pixels()) << "north first";
        EXPECT_EQ(set.Legend(legend::kIllusionWalls, 1)->Pixels(), bitmaps.at(221).Pixels());
        EXPECT_EQ(set.Legend(legend::kLevers, 1)->Pixels(), bitmaps.at(gold ? 242 : 227).Pixels());
        EXPECT_EQ(set.Legend(legend::kLevers, 2)->Pixels(), bitmaps.at(gold ? 243 : 228).Pixels());
        EXPECT_EQ(set.Legend(legend::kLevers, 3)->Pixels(), bitmaps.at(229).Pixels());
        EXPECT_EQ(set.Legend(legend::kSecretButton)->Width(), gold ? 8 : 16) << "frame 6 of MON16.PIC at scale 1";
        EXPECT_EQ(set.Legend(legend::kSecretButton)->Height(), gold ? 4 : 8);
        EXPECT_TRUE(set.Legend(legend::kText)->Empty()) << "a bitmap that is not there keeps its place";
        EXPECT_EQ(set.Legend(legend::kNoMonsters)->Width(), 14);
    }
}
