// The map record: cell fields, walls with their neighbour searches and edge rules, names.

#include "maps/MapNames.h"
#include "maps/MapWalls.h"
#include "tests/maps/MapFixture.h"

#include <gtest/gtest.h>

using gamebuild::MapLevel;
using maptest::MemoryMap;

TEST(GameMap, FeatureCodesAreThreePairsEachLowPairOfAByteFirst)
{
    // Row r = 9 (quadrant 1, y 1): its six feature bytes at 1232 + 6 * 9.
    // Byte 0 = 0b00'11'00'10: pairs 0, 1, 2 = 2, 0, 3, so column 0 is 2 * 16 + 0 * 4 + 3 = 35.
    // Byte 4 = 0b10'01'00'00 and byte 5 = 0b11'10'01'00: pairs 18, 19, 20 = 1, 2, 0 give column 6
    // 24, and pairs 21, 22, 23 (the last three of byte 5) = 1, 2, 3 give column 7 27.
    Record bytes(2768, 0);
    const size_t row = 1232 + 6 * 9;
    bytes[row] = 0b00110010;
    bytes[row + 4] = 0b10010000;
    bytes[row + 5] = 0b11100100;
    // Directions of row 9 at 2000 + 18: column 7 is bits 6-7 of the second byte.
    bytes[2000 + 18 + 1] = 0b10000000;
    const GameMap map(bytes.data(), 3);
    EXPECT_EQ(GetCellFeature(map, 1, 0, 1).code, 35);
    EXPECT_EQ(GetCellFeature(map, 1, 6, 1).code, 24);
    EXPECT_EQ(GetCellFeature(map, 1, 7, 1).code, 27);
    EXPECT_EQ(GetCellFeature(map, 1, 7, 1).direction, 2);
    EXPECT_EQ(GetCellFeature(map, 1, 1, 1).code, 0);
}

TEST(GameMap, TheBuilderWritesWhatTheReaderReads)
{
    MapLevel level;
    for (int q = 0; q < 16; ++q) {
        level.originX[q] = static_cast<uint8_t>(10 + q);
        level.originY[q] = static_cast<uint8_t>(200 - q);
        for (int i = 0; i < 64; ++i)
            level.cells[q][i] = {static_cast<uint8_t>((q + i) % 16), static_cast<uint8_t>((q * 3 + i) % 16),
                                 static_cast<uint8_t>((q * 64 + i * 5) % 64), static_cast<uint8_t>(i % 4),
                                 static_cast<uint8_t>((q + 2 * i) % 16)};
    }
    const MemoryMap m(0, level);
    for (int q = 0; q < 16; ++q) {
        EXPECT_EQ(m.map.OriginX(q), 10 + q);
        EXPECT_EQ(m.map.OriginY(q), 200 - q);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const gamebuild::MapCellBuild& cell = level.cells[q][y * 8 + x];
                ASSERT_EQ(m.map.NorthCode(q, x, y), cell.north) << q << " " << x << " " << y;
                ASSERT_EQ(m.map.EastCode(q, x, y), cell.east);
                ASSERT_EQ(GetCellFeature(m.map, q, x, y).code, cell.feature);
                ASSERT_EQ(GetCellFeature(m.map, q, x, y).direction, cell.direction);
                ASSERT_EQ(GetCellFlags(m.map, q, x, y), cell.flags);
            }
    }
}

TEST(GameMap, CellsOutOfRangeReadAsNothing)
{
    MapLevel level;
    for (auto& quadrant : level.cells)
        for (auto& cell : quadrant)
            cell = {15, 15, 63, 3, 15};
    level.originX.fill(200);
    const MemoryMap m(16, level);
    for (auto [q, x, y] : {std::array{16, 0, 0}, std::array{255, 7, 7}, std::array{-1, 0, 0}, std::array{0, 8, 0},
                           std::array{0, 0, 8}, std::array{3, -1, 2}}) {
        EXPECT_EQ(m.map.NorthCode(q, x, y), 0);
        EXPECT_EQ(GetCellFeature(m.map, q, x, y).code, 0);
        EXPECT_EQ(GetCellFlags(m.map, q, x, y), 0);
        const CellWalls walls = GetCellWalls(m.map, q, x, y);
        EXPECT_EQ(walls.west | walls.north | walls.east | walls.south, 0);
    }
    EXPECT_EQ(m.map.OriginX(16), 0);
    const GameMap none(nullptr, 4);
    EXPECT_EQ(none.NorthCode(0, 0, 0), 0);
    EXPECT_EQ(GetCellWalls(none, 0, 3, 3).north, 0);
}

TEST(GameMap, CellReferencesIgnoreTheirUpperBits)
{
    EXPECT_EQ(UnpackCellRef((5 << 6) | (6 << 3) | 7), (CellRef{5, 7, 6}));
    EXPECT_EQ(UnpackCellRef(0xFC00 | (15 << 6) | 1), (CellRef{15, 1, 0}));
    EXPECT_EQ(UnpackCellRef(0xFFFF), (CellRef{15, 7, 7}));
}

namespace {
// Two quadrants side by side, the second shifted up by shift rows.
MapLevel SideBySide(int shift)
{
    MapLevel level;
    level.originX[0] = 40;
    level.originY[0] = 40;
    level.originX[1] = 48;
    level.originY[1] = static_cast<uint8_t>(40 + shift);
    return level;
}
} // namespace

TEST(CellWalls, WestWallsComeFromTheNeighbourQuadrantAtAnyVerticalOffset)
{
    for (int shift = -7; shift <= 7; ++shift) {
        SCOPED_TRACE(shift);
        MapLevel level = SideBySide(shift);
        for (int y = 0; y < 8; ++y)
            level.Cell(0, 7, y).east = static_cast<uint8_t>(1 + y);
        const MemoryMap m(15, level);
        for (int y = 0; y < 8; ++y) {
            const CellWalls walls = GetCellWalls(m.map, 1, 0, y);
            const int row = y + shift; // the row of quadrant 0 beside it
            if (row >= 0 && row < 8) {
                EXPECT_FALSE(walls.westOpen);
                EXPECT_EQ(walls.west, 1 + row);
            } else {
                EXPECT_TRUE(walls.westOpen);
                EXPECT_EQ(walls.west, 2) << "map 15 closes every open edge";
            }
        }
    }
}

TEST(CellWalls, SouthWallsComeFromTheQuadrantBelowAtAnyHorizontalOffset)
{
    for (int shift = -7; shift <= 7; ++shift) {
        SCOPED_TRACE(shift);
        MapLevel level;
        level.originX[0] = 40;
        level.originY[0] = 40;
        level.originX[1] = static_cast<uint8_t>(40 + shift);
        level.originY[1] = 48;
        for (int x = 0; x < 8; ++x)
            level.Cell(0, x, 7).north = static_cast<uint8_t>(1 + x);
        const MemoryMap m(22, level);
        for (int x = 0; x < 8; ++x) {
            const CellWalls walls = GetCellWalls(m.map, 1, x, 0);
            const int column = x + shift;
            if (column >= 0 && column < 8) {
                EXPECT_FALSE(walls.southOpen);
                EXPECT_EQ(walls.south, 1 + column);
            } else {
                EXPECT_TRUE(walls.southOpen);
                EXPECT_EQ(walls.south, 2);
            }
        }
    }
}

TEST(CellWalls, InsideAQuadrantWestAndSouthAreTheNeighboursEastAndNorth)
{
    MapLevel level = SideBySide(0);
    level.Cell(0, 2, 3).east = 4;
    level.Cell(0, 3, 2).north = 7;
    level.Cell(0, 3, 3).north = 1;
    level.Cell(0, 3, 3).east = 3;
    const MemoryMap m(14, level);
    const CellWalls walls = GetCellWalls(m.map, 0, 3, 3);
    EXPECT_EQ(walls.west, 4);
    EXPECT_EQ(walls.north, 1);
    EXPECT_EQ(walls.east, 3);
    EXPECT_EQ(walls.south, 7);
    EXPECT_FALSE(walls.westOpen || walls.southOpen);
    EXPECT_EQ(walls.Code(0), 1);
    EXPECT_EQ(walls.Code(3), 4);
}

namespace {
// The open edges of cell (x, y) of quadrant q, alone on map, with the given own walls and flags.
CellWalls Alone(int map, int q, int x, int y, int north, int east, int flags = 0, int south = 0)
{
    MapLevel level;
    level.originX[static_cast<size_t>(q)] = 100;
    level.originY[static_cast<size_t>(q)] = 100;
    level.Cell(q, x, y).north = static_cast<uint8_t>(north);
    level.Cell(q, x, y).east = static_cast<uint8_t>(east);
    level.Cell(q, x, y).flags = static_cast<uint8_t>(flags);
    if (y > 0)
        level.Cell(q, x, y - 1).north = static_cast<uint8_t>(south);
    return GetCellWalls(MemoryMap(map, level).map, q, x, y);
}
} // namespace

TEST(CellWalls, OpenCornersFollowTheEdgeRuleOfTheirMap)
{
    // West from (north, east, -); then south from (west, north, east).
    CellWalls walls = Alone(0, 0, 0, 0, 2, 2);
    EXPECT_TRUE(walls.westOpen && walls.southOpen);
    EXPECT_EQ(walls.west, 2);
    EXPECT_EQ(walls.south, 2);
    walls = Alone(0, 0, 0, 0, 0, 2);
    EXPECT_EQ(walls.west, 4);
    EXPECT_EQ(walls.south, 4);
    walls = Alone(13, 0, 0, 0, 2, 4);
    EXPECT_EQ(walls.west, 4);

    for (int map : {15, 17, 22, 23, 24, 25, 26, 28, 29, 30}) {
        walls = Alone(map, 0, 0, 0, 0, 0, 15);
        EXPECT_EQ(walls.west, 2) << map;
        EXPECT_EQ(walls.south, 2) << map;
    }
    for (int map : {14, 16, 18, 19, 20, 21, 31}) {
        EXPECT_EQ(Alone(map, 0, 0, 0, 0, 0).west, 2) << map;
        EXPECT_EQ(Alone(map, 0, 0, 0, 0, 0, 2).west, 0) << map;
        EXPECT_EQ(Alone(map, 0, 0, 0, 0, 0, 2).south, 0) << map;
    }
    EXPECT_EQ(Alone(4, 3, 0, 0, 2, 2).west, 0) << "map 4, quadrant 3 without flags 1 or 4";
    EXPECT_EQ(Alone(4, 3, 0, 0, 2, 2, 4).west, 2);
    EXPECT_EQ(Alone(4, 2, 0, 0, 2, 2).west, 2);
    EXPECT_EQ(Alone(9, 1, 0, 0, 2, 2, 1).west, 0);
    EXPECT_EQ(Alone(9, 3, 0, 0, 0, 0).west, 0);
    EXPECT_EQ(Alone(9, 2, 0, 0, 0, 0).west, 4);
    EXPECT_EQ(Alone(12, 1, 0, 3, 0, 0, 1, 2).west, 0) << "map 12 above row 0";
    EXPECT_EQ(Alone(12, 1, 0, 0, 0, 0, 1).west, 4) << "map 12 in row 0";
    EXPECT_EQ(Alone(12, 13, 0, 3, 0, 0, 1, 2).west, 4) << "map 12 in quadrant 13";
    EXPECT_EQ(Alone(7, 5, 0, 0, 0, 0).west, 2);
    EXPECT_EQ(Alone(7, 4, 0, 0, 0, 0).west, 4);
    EXPECT_EQ(Alone(7, 4, 0, 0, 2, 2).west, 2);
    EXPECT_EQ(Alone(27, 6, 0, 1, 0, 0, 0, 2).west, 4) << "quadrant 6, x < 4, y not 2";
    EXPECT_EQ(Alone(27, 6, 0, 2, 0, 0, 0, 2).west, 2);
    EXPECT_EQ(Alone(27, 5, 0, 1, 0, 0, 0, 2).west, 2);
}

TEST(CellWalls, AKnownSouthSideIsKeptAtAnOpenWestEdge)
{
    // Column 0 above row 0: the south side is the cell below's north wall, a passage here.
    CellWalls walls = Alone(0, 0, 0, 4, 2, 2, 0, 0);
    EXPECT_TRUE(walls.westOpen);
    EXPECT_FALSE(walls.southOpen);
    EXPECT_EQ(walls.south, 0);
    EXPECT_EQ(walls.west, 4) << "from north 2, east 2 and the passage to the south";
    walls = Alone(0, 0, 0, 4, 2, 2, 0, 2);
    EXPECT_EQ(walls.west, 2);
}

TEST(CellWalls, RowZeroWithAWestNeighbourTakesItsSouthFromTheEdgeRule)
{
    MapLevel level = SideBySide(0);
    level.Cell(1, 0, 0).north = 2;
    level.Cell(0, 7, 0).east = 2;
    EXPECT_EQ(GetCellWalls(MemoryMap(0, level).map, 1, 0, 0).south, 4) << "west 2, north 2, east 0";
    level.Cell(1, 0, 0).east = 2;
    EXPECT_EQ(GetCellWalls(MemoryMap(0, level).map, 1, 0, 0).south, 2);
    EXPECT_EQ(GetCellWalls(MemoryMap(0, level).map, 1, 3, 0).south, 4) << "x > 0: west is known";
}

TEST(WallKinds, EachGroupOfMapsHasItsOwnTable)
{
    // Codes 1, 2, 3, 4, 6, 7 by map.
    const std::vector<std::pair<int, std::array<int, 6>>> rows = {
        {0, {-1, 15, -1, 21, -1, -1}},  {13, {-1, 15, -1, 21, -1, -1}}, {7, {17, 23, 19, 21, -1, -1}},
        {27, {17, 23, 19, 21, -1, -1}}, {14, {17, 15, 19, -1, -1, 15}}, {31, {17, 15, 19, -1, -1, 15}},
        {15, {11, 9, -1, -1, 13, -1}},  {30, {11, 9, -1, -1, 13, -1}},  {20, {17, 15, 19, -1, -1, -1}},
        {22, {-1, 23, -1, -1, -1, -1}}, {28, {-1, 23, -1, -1, -1, -1}},
    };
    for (const auto& [map, kinds] : rows) {
        const int codes[] = {1, 2, 3, 4, 6, 7};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(WallKindOf(map, codes[i]), kinds[static_cast<size_t>(i)]) << map << " code " << codes[i];
        for (int code : {0, 5, 8, 15})
            EXPECT_EQ(WallKindOf(map, code), -1);
    }
    EXPECT_EQ(WallKindOf(32, 2), -1);
    EXPECT_EQ(WallKindOf(-1, 2), -1);
    EXPECT_STREQ(WallName(9), "Wall");
    EXPECT_STREQ(WallName(24), "Wall");
    EXPECT_STREQ(WallName(12), "Archway");
    EXPECT_STREQ(WallName(14), "Portcullis");
    EXPECT_STREQ(WallName(20), "Door");
    EXPECT_STREQ(WallName(-1), "Passage");
    EXPECT_STREQ(WallName(25), "Passage");
}

TEST(MapNames, AreasTypesAndDirections)
{
    EXPECT_STREQ(GetMapAreaName(0), "West of New City, Orchid Field, Road to Dane Tower and Nyctalinth");
    EXPECT_STREQ(GetMapAreaName(23), "Munkharama Undergrownd Temple");
    EXPECT_STREQ(GetMapAreaName(31),
                 "New City (T'Rang building, Umpani Building, Security Staion and Mysterious Courtyard)");
    EXPECT_EQ(GetMapAreaName(32), nullptr);
    EXPECT_EQ(GetMapAreaName(-1), nullptr);

    EXPECT_EQ(EventTypeName(1), "<Teleporter>");
    EXPECT_EQ(EventTypeName(23), "<Change Cell Display Info>");
    EXPECT_EQ(EventTypeName(25), "<Fountain>");
    EXPECT_EQ(EventTypeName(17), "<17>");
    EXPECT_EQ(EventTypeName(24), "<24>");
    EXPECT_EQ(EventTypeName(200), "<200>");

    EXPECT_STREQ(DirectionName(3), "WEST");
    EXPECT_STREQ(DirectionName(4), "");
    EXPECT_EQ(DirectionListText(0).text, "ANY");
    EXPECT_EQ(DirectionListText(1).text, "NORTH");
    EXPECT_FALSE(DirectionListText(1).plural);
    EXPECT_FALSE(DirectionListText(8).plural);
    EXPECT_EQ(DirectionListText(3).text, "NORTH and EAST");
    EXPECT_TRUE(DirectionListText(3).plural);
    EXPECT_EQ(DirectionListText(10).text, "EAST and WEST");
    EXPECT_EQ(DirectionListText(15).text, "NORTH, EAST, SOUTH and WEST");
}
