#include "maps/GameMap.h"

namespace {
constexpr int Row(int quadrant, int y) { return quadrant * kQuadrantSide + y; }
} // namespace

int GameMap::OriginX(int quadrant) const
{
    return quadrant >= 0 && quadrant < kQuadrantCount ? m_bytes.U8(kOriginX + quadrant) : 0;
}

int GameMap::OriginY(int quadrant) const
{
    return quadrant >= 0 && quadrant < kQuadrantCount ? m_bytes.U8(kOriginY + quadrant) : 0;
}

int GameMap::WallCode(size_t table, int quadrant, int x, int y) const
{
    if (!IsCell(quadrant, x, y))
        return 0;
    uint8_t pair = m_bytes.U8(table + 4 * Row(quadrant, y) + x / 2);
    return x % 2 ? pair >> 4 : pair & 15;
}

int GameMap::NorthCode(int quadrant, int x, int y) const { return WallCode(kNorthWalls, quadrant, x, y); }
int GameMap::EastCode(int quadrant, int x, int y) const { return WallCode(kEastWalls, quadrant, x, y); }

int GameMap::FeatureCode(int quadrant, int x, int y) const
{
    if (!IsCell(quadrant, x, y))
        return 0;
    // The row's six bytes are 24 two-bit pairs, the low pair of each byte first; a column's
    // code is its three pairs, the first most significant.
    const size_t row = kFeatures + 6 * Row(quadrant, y);
    auto pair = [&](int k) { return (m_bytes.U8(row + k / 4) >> (2 * (k % 4))) & 3; };
    return pair(3 * x) * 16 + pair(3 * x + 1) * 4 + pair(3 * x + 2);
}

int GameMap::FeatureDirection(int quadrant, int x, int y) const
{
    if (!IsCell(quadrant, x, y))
        return 0;
    return (m_bytes.U8(kFeatureDirections + 2 * Row(quadrant, y) + x / 4) >> (2 * (x % 4))) & 3;
}

int GameMap::Flags(int quadrant, int x, int y) const
{
    if (!IsCell(quadrant, x, y))
        return 0;
    int flags = 0;
    for (int plane = 0; plane < 4; ++plane)
        flags |= ((m_bytes.U8(kFlagPlanes + kFlagPlaneSize * plane + Row(quadrant, y)) >> x) & 1) << plane;
    return flags;
}

CellFeatureInfo GetCellFeature(const GameMap& map, int quadrant, int x, int y)
{
    return {map.FeatureCode(quadrant, x, y), map.FeatureDirection(quadrant, x, y)};
}

int GetCellFlags(const GameMap& map, int quadrant, int x, int y) { return map.Flags(quadrant, x, y); }
