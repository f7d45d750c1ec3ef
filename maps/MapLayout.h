#pragma once
// Where a map's quadrants lie in its drawing, and the geometry of the drawing per edition.

#include "maps/GameMap.h"

#include <array>

// The geometry of the large drawing both map windows use.
struct MapRenderParams {
    int scale = 2;
    int tileWidth = 14;
    int tileHeight = 14;
    int columnStep = 15;
    int rowStep = 15;
    int horizontalWallWidth = 18;
    int horizontalWallHeight = 3;
    int horizontalWallX = -2;  // from the cell's column
    int cellY = -2;
    int verticalWallSourceX = 14; // where the vertical wall lies inside its tile
    int verticalWallWidth = 3;
    int verticalWallHeight = 18;
    int cellX = -2;
    int verticalWallY = -2;

    static MapRenderParams ForEdition(bool gold);
};

// Quadrant origins brought close together and to 0, and the size of the drawing.
struct MapLayout {
    std::array<int, kQuadrantCount> x{};
    std::array<int, kQuadrantCount> y{};
    int maxX = 0;
    int maxY = 0;
    int width = 0;
    int height = 0;

    // The top-left pixel of a cell's tile.
    int CellPixelX(const MapRenderParams& p, int quadrant, int column) const;
    int CellPixelY(const MapRenderParams& p, int quadrant, int row) const;
};

// Origins further apart than 12 cells are moved to 12 (4 empty cells between quadrants); then
// the smallest used origin goes to 0. Quadrants a map does not use have origin (0, 0): leading
// zero origins are passed over, and those quadrants end up outside the drawing.
MapLayout LayOutMap(const GameMap& map, const MapRenderParams& p);

struct CellHit {
    int quadrant = -1; // -1: no cell
    int x = 0;
    int y = 0;
};
// The cell under a pixel of the drawing; none for a pixel outside it.
CellHit HitTestLayout(const MapLayout& layout, const MapRenderParams& p, int pixelX, int pixelY);
