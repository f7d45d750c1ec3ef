// Drawing the image sets: the state icons and the item images.

#include "gamedata/ImageSetFile.h"

#include <algorithm>

using namespace imageset;

ImageList DrawImageSet(const ByteReader& header, const ByteReader& pixels, const Palette& palette, int borderX,
                       int borderY, bool doubled)
{
    const int width = header.U8(kWidthOffset), height = header.U8(kHeightOffset);
    const size_t count = header.U8(kCountOffset);
    const int scale = doubled ? 2 : 1;
    const int cellWidth = scale * width + 2 * borderX, cellHeight = scale * height + 2 * borderY;
    ImageList list(cellWidth, cellHeight, kItemMask);
    const size_t imageBytes = static_cast<size_t>(width) * height;
    if (imageBytes == 0)
        return list;

    const size_t held = std::min(count, (pixels.Size() + imageBytes - 1) / imageBytes);
    for (size_t i = 0; i < held; ++i) {
        Image cell(cellWidth, cellHeight, kItemMask);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                size_t at = i * imageBytes + static_cast<size_t>(y) * width + x;
                if (!pixels.Has(at, 1) || pixels.U8(at) == kTransparent)
                    continue;
                cell.FillRect(borderX + scale * x, borderY + scale * y, scale, scale, palette[pixels.U8(at)]);
            }
        list.Add(cell);
    }
    return list;
}

ImageList DrawStateIcons(const ByteReader& pixels, const Palette& palette, int cellSize, Colour background)
{
    constexpr int kSide = kStateIconSide;
    const int margin = std::max((cellSize - kSide) / 2, 0);
    ImageList list(cellSize, cellSize, background);
    for (int i = 0; i < kStateIconCount; ++i) {
        // Marks 12 and 13 are not stored: they are mark 8 in other colours.
        const int source = i == 12 || i == 13 ? 8 : i;
        Image cell(cellSize, cellSize, background);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                size_t at = static_cast<size_t>(source * kSide * kSide + y * kSide + x);
                if (!pixels.Has(at, 1) || pixels.U8(at) == kTransparent)
                    continue;
                int value = pixels.U8(at);
                if (value >= 64 && value <= 71)
                    value += i == 12 ? -42 : i == 13 ? 18 : 0;
                cell.SetPixel(margin + x, margin + y, palette[value]);
            }
        list.Add(cell);
    }
    return list;
}
