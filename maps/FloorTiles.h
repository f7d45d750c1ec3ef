#pragma once
// The tile under a cell: the map's floor for the cell's flags, or the tile of a cell that is
// walled in on all four sides.

#include "maps/MapWalls.h"

// The floor tile of a map for a cell's quadrant and flags; -1 for none (the cell stays black).
int FloorTile(int map, int quadrant, int flags);
// The floor tile, or the enclosed-cell tile when all four walls of the cell are there.
int CellBackgroundTile(const GameMap& map, int quadrant, int x, int y);
// The same with the cell's walls already at hand.
int CellBackgroundTile(const GameMap& map, int quadrant, int x, int y, const CellWalls& walls);
