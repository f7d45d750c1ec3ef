#include "maps/MapLayout.h"

#include <algorithm>

namespace {

constexpr int kMaxGap = 12;

// Moves every value above a gap of more than 12 down to close it.
void CompressGaps(std::array<int, kQuadrantCount>& origins, std::array<int, kQuadrantCount>& sorted)
{
    for (int i = 0; i + 1 < kQuadrantCount; ++i) {
        const int gap = sorted[i + 1] - sorted[i] - kMaxGap;
        if (gap <= 0)
            continue;
        const int above = sorted[i];
        for (int& value : origins)
            if (value > above)
                value -= gap;
        for (int& value : sorted)
            if (value > above)
                value -= gap;
    }
}

void Shift(std::array<int, kQuadrantCount>& values, int by)
{
    for (int& value : values)
        value -= by;
}

} // namespace

MapRenderParams MapRenderParams::ForEdition(bool gold)
{
    if (gold)
        return {2, 13, 13, 14, 14, 17, 3, -2, -2, 14, 3, 17, -2, -2};
    return {2, 14, 14, 15, 15, 18, 3, -2, -2, 14, 3, 18, -2, -2};
}

int MapLayout::CellPixelX(const MapRenderParams& p, int quadrant, int column) const
{
    return p.columnStep * x[static_cast<size_t>(quadrant)] - p.cellX + p.columnStep * column;
}

int MapLayout::CellPixelY(const MapRenderParams& p, int quadrant, int row) const
{
    return p.rowStep * (maxY - y[static_cast<size_t>(quadrant)] + 7) - p.cellY - p.rowStep * row;
}

MapLayout LayOutMap(const GameMap& map, const MapRenderParams& p)
{
    MapLayout layout;
    for (int q = 0; q < kQuadrantCount; ++q) {
        layout.x[static_cast<size_t>(q)] = map.OriginX(q);
        layout.y[static_cast<size_t>(q)] = map.OriginY(q);
    }
    std::array<int, kQuadrantCount> sx = layout.x, sy = layout.y;
    std::sort(sx.begin(), sx.end());
    std::sort(sy.begin(), sy.end());
    CompressGaps(layout.x, sx);
    CompressGaps(layout.y, sy);

    size_t i = 0;
    if (sx[0] == 0) {
        while (i < kQuadrantCount - 1 && sx[i] == 0 && sy[i] == 0)
            ++i;
    }
    const int dx = sx[i], dy = sy[i];
    Shift(layout.x, dx);
    Shift(sx, dx);
    Shift(layout.y, dy);
    Shift(sy, dy);

    layout.maxX = sx[kQuadrantCount - 1];
    layout.maxY = sy[kQuadrantCount - 1];
    layout.width = p.columnStep * (layout.maxX + 8) - 2 * p.cellY;
    layout.height = p.rowStep * (layout.maxY + 8) - 2 * p.cellX;
    return layout;
}

CellHit HitTestLayout(const MapLayout& layout, const MapRenderParams& p, int pixelX, int pixelY)
{
    if (pixelX < 0 || pixelY < 0 || pixelX >= layout.width || pixelY >= layout.height || p.columnStep <= 0 ||
        p.rowStep <= 0)
        return {};
    const int column = pixelX / p.columnStep;
    const int row = layout.maxY - pixelY / p.rowStep;
    for (int q = 0; q < kQuadrantCount; ++q) {
        const int X = layout.x[static_cast<size_t>(q)], Y = layout.y[static_cast<size_t>(q)];
        if (X <= column && column < X + 8 && Y - 8 < row && row <= Y)
            return {q, column - X, row - Y + 7};
    }
    return {};
}
