#include "maps/MapWalls.h"

#include <array>
#include <optional>

namespace {

// The wall code assumed at an open quadrant edge, from the cell's other three walls a, b, c
// (clockwise from the missing side); c is absent when it is not known yet.
int EdgeRule(const GameMap& map, int quadrant, int x, int y, int a, int b, std::optional<int> c)
{
    const int flags = map.Flags(quadrant, x, y);
    const bool closed = a == 2 && b == 2 && (!c || *c == 2);
    const int rule = closed ? 2 : 4;
    const bool dryQuadrant3 = quadrant == 3 && (flags & 5) == 0;
    switch (map.Number()) {
    case 0: case 1: case 2: case 3: case 5: case 6: case 13:
        return rule;
    case 4:
        return dryQuadrant3 ? 0 : rule;
    case 7:
        return closed || quadrant == 5 ? 2 : 4;
    case 8: case 9: case 10: case 11:
        return (flags & 1) || dryQuadrant3 ? 0 : rule;
    case 12:
        return ((flags & 1) && quadrant != 13 && y != 0) || dryQuadrant3 ? 0 : rule;
    case 14: case 16: case 18: case 19: case 20: case 21: case 31:
        return flags & 2 ? 0 : 2;
    case 27:
        return quadrant == 6 && !(x >= 4 || y == 2) ? 4 : 2;
    default: // 15, 17, 22 to 26, 28 to 30
        return 2;
    }
}

} // namespace

int CellWalls::Code(int direction) const
{
    switch (direction) {
    case 0: return north;
    case 1: return east;
    case 2: return south;
    case 3: return west;
    }
    return 0;
}

CellWalls GetCellWalls(const GameMap& map, int quadrant, int x, int y)
{
    CellWalls walls;
    if (!IsCell(quadrant, x, y))
        return walls;
    walls.north = map.NorthCode(quadrant, x, y);
    walls.east = map.EastCode(quadrant, x, y);
    const int X = map.OriginX(quadrant), Y = map.OriginY(quadrant);

    if (y > 0) {
        walls.south = map.NorthCode(quadrant, x, y - 1);
    } else {
        walls.southOpen = true;
        for (int q = 0; q < kQuadrantCount; ++q) {
            const int X2 = map.OriginX(q), Y2 = map.OriginY(q);
            if (Y2 == Y - 8 && X + x - 7 <= X2 && X2 <= X + x) {
                walls.south = map.NorthCode(q, X + x - X2, 7);
                walls.southOpen = false;
                break;
            }
        }
    }

    bool westFound = x > 0;
    if (x > 0) {
        walls.west = map.EastCode(quadrant, x - 1, y);
    } else {
        for (int q = 0; q < kQuadrantCount; ++q) {
            const int X2 = map.OriginX(q), Y2 = map.OriginY(q);
            if (X2 == X - 8 && Y + y - 7 <= Y2 && Y2 <= Y + y) {
                walls.west = map.EastCode(q, 7, Y + y - Y2);
                westFound = true;
                break;
            }
        }
    }

    if (!westFound) {
        walls.westOpen = true;
        // A south side that is known (a wall, or a passage to a neighbouring cell) is kept.
        if (walls.south != 0 || !walls.southOpen) {
            walls.west = EdgeRule(map, quadrant, x, y, walls.north, walls.east, walls.south);
        } else {
            walls.west = EdgeRule(map, quadrant, x, y, walls.north, walls.east, std::nullopt);
            walls.south = EdgeRule(map, quadrant, x, y, walls.west, walls.north, walls.east);
        }
    } else if (walls.south == 0 && walls.southOpen) {
        walls.south = EdgeRule(map, quadrant, x, y, walls.west, walls.north, walls.east);
    }
    return walls;
}

int WallKindOf(int map, int code)
{
    // Kinds of codes 0 to 15 by group of maps; codes not listed are no wall.
    using Row = std::array<int, 16>;
    static constexpr Row kOutdoor = {-1, -1, 15, -1, 21, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr Row kMountain = {-1, 17, 23, 19, 21, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr Row kTown = {-1, 17, 15, 19, -1, -1, -1, 15, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr Row kDungeon = {-1, 11, 9, -1, -1, -1, 13, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr Row kSkyCity = {-1, 17, 15, 19, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr Row kCave = {-1, -1, 23, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    static constexpr const Row* kByMap[32] = {
        &kOutdoor,  &kOutdoor, &kOutdoor,  &kOutdoor, &kOutdoor,  &kOutdoor,  &kOutdoor,  &kMountain,
        &kOutdoor,  &kOutdoor, &kOutdoor,  &kOutdoor, &kOutdoor,  &kOutdoor,  &kTown,     &kDungeon,
        &kTown,     &kDungeon, &kTown,     &kTown,    &kSkyCity,  &kTown,     &kCave,     &kDungeon,
        &kDungeon,  &kCave,    &kDungeon,  &kMountain, &kCave,    &kDungeon,  &kDungeon,  &kTown,
    };
    if (map < 0 || map >= 32 || code < 0 || code > 15)
        return -1;
    return (*kByMap[map])[code];
}

WallClass WallClassOf(int kind)
{
    switch (kind) {
    case 9: case 10: case 15: case 16: case 21: case 22: case 23: case 24:
        return WallClass::Wall;
    case 11: case 12: case 17: case 18:
        return WallClass::Archway;
    case 13: case 14:
        return WallClass::Portcullis;
    case 19: case 20:
        return WallClass::Door;
    default:
        return WallClass::Passage;
    }
}

const char* WallName(int kind)
{
    switch (WallClassOf(kind)) {
    case WallClass::Wall: return "Wall";
    case WallClass::Archway: return "Archway";
    case WallClass::Portcullis: return "Portcullis";
    case WallClass::Door: return "Door";
    case WallClass::Passage: break;
    }
    return "Passage";
}
