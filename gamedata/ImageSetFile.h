#pragma once
// The ".vga" image sets ("vcfont1.vga", "vcfont2.vga"): a header with the images' size and
// count, then the images' pixels as palette indexes. "vcfont2.vga" begins with the 15
// character-state marks of 9 x 9 pixels.

#include "gamedata/ByteReader.h"
#include "gamedata/Image.h"
#include "gamedata/PaletteFile.h"

#include <cstddef>
#include <cstdint>

namespace imageset {
constexpr size_t kWidthOffset = 0;
constexpr size_t kHeightOffset = 1;
constexpr size_t kCountOffset = 5;
constexpr size_t kHeaderSize = 272;
constexpr size_t kPixelsOffset = kHeaderSize;
constexpr uint8_t kTransparent = 255;

constexpr Colour kItemMask = Rgb(255, 128, 64);

constexpr int kStateIconCount = 15;
constexpr int kStateIconSide = 9;
constexpr size_t kStateIconBytes = kStateIconCount * kStateIconSide * kStateIconSide;
} // namespace imageset

// One cell per image the pixels hold, at most the header's count; a last image held only in
// part keeps the rest transparent. Cells are the image size (doubled when asked) plus the
// border on each side, filled with the item mask colour where no pixel is drawn.
ImageList DrawImageSet(const ByteReader& header, const ByteReader& pixels, const Palette& palette, int borderX,
                       int borderY, bool doubled);

// The 15 state marks centred in cells of cellSize (9 or 16) on the background colour, which is
// also the list's mask. Marks 12 and 13 are mark 8 recoloured: its colours 64 to 71 become 22
// to 29 and 82 to 89. Pixels the bytes do not hold are background.
ImageList DrawStateIcons(const ByteReader& pixels, const Palette& palette, int cellSize, Colour background);
