#pragma once
// The four walls of a cell, the kinds raw wall codes stand for on each map, and their names.

#include "maps/GameMap.h"

// Raw 4-bit wall codes, as stored and as the edge rules fill them in.
struct CellWalls {
    int west = 0;
    int north = 0;
    int east = 0;
    int south = 0;
    bool westOpen = false;  // column 0 and no quadrant to the west
    bool southOpen = false; // row 0 and no quadrant to the south

    // By direction: 0 north, 1 east, 2 south, 3 west; 0 for any other.
    int Code(int direction) const;
};

// North and east are the cell's own; south and west come from the neighbouring cell, found in
// a neighbouring quadrant at the quadrant's edges, or from the map's edge rule where there is
// none. A cell out of range has no walls.
CellWalls GetCellWalls(const GameMap& map, int quadrant, int x, int y);

// The wall kind of a raw code on a map: the tile of a horizontal wall (the vertical one is the
// next tile), and the key of its name. -1 is no wall.
int WallKindOf(int map, int code);

enum class WallClass { Passage, Wall, Archway, Portcullis, Door };
WallClass WallClassOf(int kind);
// "Wall", "Archway", "Portcullis", "Door" or "Passage".
const char* WallName(int kind);
