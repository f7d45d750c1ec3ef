#include "maps/FloorTiles.h"

namespace {

// Walled-in cells of maps whose walls are all 2 (wall) or 4 (the second wall): arcs are runs
// of two or three sides with code 4 in a row; one-2 is a single side with code 2.
struct Enclosure {
    bool allEqual = false;
    int code = 0;
    bool arc = false;
    bool oneTwo = false;
};

Enclosure Classify(const int codes[4]) // north, east, south, west
{
    Enclosure e;
    e.code = codes[0];
    e.allEqual = codes[0] == codes[1] && codes[1] == codes[2] && codes[2] == codes[3];
    int fours = 0, twos = 0;
    for (int side = 0; side < 4; ++side) {
        fours += codes[side] == 4;
        twos += codes[side] == 2;
    }
    if (fours + twos != 4)
        return e;
    e.oneTwo = twos == 1;
    if (fours == 3) {
        e.arc = true;
    } else if (fours == 2) {
        for (int side = 0; side < 4; ++side)
            if (codes[side] == 4 && codes[(side + 1) % 4] == 4)
                e.arc = true;
    }
    return e;
}

} // namespace

int FloorTile(int map, int quadrant, int f)
{
    switch (map) {
    case 0: case 1: case 2: case 3: case 5: case 6: case 13:
        return f & 1 ? 2 : f & 4 ? 3 : 4;
    case 4:
        return f & 1 ? 2 : f & 4 ? 3 : quadrant == 3 ? 1 : 4;
    case 7:
        return f & 4 ? 3 : quadrant == 7 || quadrant == 14 ? 4 : 0;
    case 8: case 9: case 11: case 12:
        return f & 1 ? 1 : f & 4 ? 3 : 4;
    case 10:
        return f & 2 ? 5 : f & 1 ? 1 : f & 4 ? 3 : 4;
    case 14: case 16: case 18: case 21: case 31:
        return f & 2 ? 1 : f & 1 ? 2 : f & 4 ? 2 : 3;
    case 19:
        return f & 2 ? 1 : f & 4 ? 2 : 3;
    case 20:
        return f & 4 ? 2 : 3;
    case 15: case 23: case 26:
        return f & 1 ? -1 : f & 4 ? 1 : 0;
    case 17: case 22: case 24: case 28: case 29: case 30:
        return f & 4 ? 1 : 0;
    case 25:
        return f & 2 ? 5 : f & 4 ? 1 : 0;
    case 27:
        return f & 4 ? 3 : 0;
    }
    return -1;
}

int CellBackgroundTile(const GameMap& map, int quadrant, int x, int y)
{
    return CellBackgroundTile(map, quadrant, x, y, GetCellWalls(map, quadrant, x, y));
}

int CellBackgroundTile(const GameMap& map, int quadrant, int x, int y, const CellWalls& walls)
{
    if (!IsCell(quadrant, x, y))
        return -1;
    const int base = FloorTile(map.Number(), quadrant, map.Flags(quadrant, x, y));
    const int codes[4] = {walls.north, walls.east, walls.south, walls.west};
    if (!codes[0] || !codes[1] || !codes[2] || !codes[3])
        return base;
    const Enclosure e = Classify(codes);
    switch (map.Number()) {
    case 0: case 1: case 3: case 4: case 5: case 8: case 9: case 10: case 11: case 12: case 13:
        return e.allEqual ? (e.code == 2 ? 6 : 7) : e.oneTwo ? 7 : base;
    case 6:
        return e.allEqual ? (e.code == 2 ? 6 : 7) : e.oneTwo ? 7 : base == 3 ? 7 : 6;
    case 2:
        return e.allEqual ? (e.code == 2 ? 6 : 7) : e.arc ? 7 : base == 3 ? 7 : 6;
    case 7: case 27:
        return e.allEqual ? (e.code == 2 ? 8 : 7) : e.arc ? 7 : base == 3 ? 7 : 8;
    case 14: case 16: case 18: case 19: case 20: case 21: case 31:
        return e.allEqual && e.code == 2 ? 6 : base;
    case 15: case 17: case 23: case 24: case 26: case 29: case 30:
        return e.allEqual && e.code == 2 ? 5 : base;
    case 22: case 25: case 28:
        return e.allEqual && e.code == 2 ? 8 : base;
    }
    return base;
}
