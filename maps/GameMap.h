#pragma once
// A map of the scenario database: its 2,768-byte record read in place, and how cells are addressed.
//
// A map is up to 16 quadrants of 8 x 8 cells. x grows eastward, y northward (row 0 is the
// southern row). Every table of the record is indexed by the row index r = quadrant * 8 + y.

#include "gamedata/RecordView.h"

#include <cstdint>

constexpr int kQuadrantCount = 16;
constexpr int kQuadrantSide = 8;

// True for a quadrant 0 to 15 and a column and row 0 to 7.
constexpr bool IsCell(int quadrant, int x, int y)
{
    return quadrant >= 0 && quadrant < kQuadrantCount && x >= 0 && x < kQuadrantSide && y >= 0 && y < kQuadrantSide;
}

// A cell of a map; quadrant -1 means none.
struct MapCell {
    int map = -1;
    int quadrant = -1;
    int x = 0;
    int y = 0;
    bool operator==(const MapCell&) const = default;
};

// The 16-bit packed cell reference of map events: bits 0 to 2 x, 3 to 5 y, 6 to 9 quadrant.
struct CellRef {
    int quadrant = 0;
    int x = 0;
    int y = 0;
    bool operator==(const CellRef&) const = default;
};
// Bits 10 to 15 are not part of the reference and are ignored.
constexpr CellRef UnpackCellRef(unsigned value)
{
    return {static_cast<int>((value & 0x3FF) >> 6), static_cast<int>(value & 7), static_cast<int>((value & 63) >> 3)};
}

// Cell feature codes the maps use.
namespace feature {
constexpr int kNone = 0;
constexpr int kFountain = 4;
constexpr int kLadder = 8;
constexpr int kStairs = 16;
constexpr int kSecretButton = 20;
constexpr int kLadder2 = 24;
constexpr int kStairs2 = 32;
constexpr int kLever = 40;
constexpr int kPit = 44;
constexpr int kChest = 52;
constexpr int kPit2 = 60;
} // namespace feature

class GameMap : public RecordView<2768> {
public:
    static constexpr size_t kNorthWalls = 176;         // 4 bytes per row: two 4-bit codes a byte
    static constexpr size_t kEastWalls = 688;
    static constexpr size_t kOriginX = 1200;           // one byte per quadrant
    static constexpr size_t kOriginY = 1216;
    static constexpr size_t kFeatures = 1232;          // 6 bytes per row: eight 6-bit codes
    static constexpr size_t kFeatureDirections = 2000; // 2 bytes per row: eight 2-bit directions
    static constexpr size_t kFlagPlanes = 2256;        // four planes of 128 bytes, one bit per column
    static constexpr size_t kFlagPlaneSize = 128;

    // bytes may be null (a map that could not be read): every field then reads as 0.
    GameMap(const uint8_t* bytes, int number) : RecordView(bytes), m_number(number) {}

    int Number() const { return m_number; }

    // Fields of a cell; a quadrant or coordinate out of range reads as 0.
    int OriginX(int quadrant) const;
    int OriginY(int quadrant) const;
    int NorthCode(int quadrant, int x, int y) const;
    int EastCode(int quadrant, int x, int y) const;
    int FeatureCode(int quadrant, int x, int y) const;
    int FeatureDirection(int quadrant, int x, int y) const;
    int Flags(int quadrant, int x, int y) const;

private:
    int WallCode(size_t table, int quadrant, int x, int y) const;

    int m_number;
};

struct CellFeatureInfo {
    int code = 0;
    int direction = 0; // 0 north, 1 east, 2 south, 3 west
};
CellFeatureInfo GetCellFeature(const GameMap& map, int quadrant, int x, int y);
// Bit k is the cell's bit in flag plane k; 8 is the battle mask.
int GetCellFlags(const GameMap& map, int quadrant, int x, int y);
