#pragma once
// Character portraits. The first edition keeps them in "portdata.vga", 780 bytes each: 30 rows
// of 26 palette indexes (255 transparent). Gold keeps one BMP file per portrait and size,
// "pc<n>.bmp" under "RES\BITS\PCA" (small) and "RES\BITS\PCB" (large).

#include "gamedata/Image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace portraits {
constexpr int kCount = 33;
constexpr int kWidth = 26;
constexpr int kHeight = 30;
constexpr size_t kSize = kWidth * kHeight;

// The last index of each range of the palette's shades; a pixel drawn at scale 4 is shaded
// with its neighbours in the palette, never across the end of its range.
constexpr std::array<uint8_t, 30> kShadeRangeEnds = {0,   15,  35,  43,  47,  58,  63,  74,  79,  93,
                                                     95,  119, 127, 143, 147, 150, 159, 163, 166, 175,
                                                     183, 191, 207, 214, 223, 226, 230, 239, 245, 254};

// The colours of a pixel of index v drawn at scale 4: the top-left quarter, the top-right and
// bottom-left quarters (v itself) and the bottom-right quarter.
struct Shades {
    Colour topLeft, middle, bottomRight;
};
Shades ShadesOf(uint8_t v, const std::array<Colour, 256>& palette);

// Draws one first-edition portrait (as many bytes of it as there are; the rest is transparent)
// on black. Scales 1, 2 and 4 draw at that size; 3 gives three times the size with the
// portrait at scale 1 in its top-left corner; above 4 is 4.
Image DrawPortrait(std::span<const uint8_t> pixels, int scale, const std::array<Colour, 256>& palette);
} // namespace portraits
