#pragma once
// "vbfont2.vga", the game's text font: 128 glyphs of 14 rows, each row 16 bits wide.

#include "gamedata/ByteReader.h"
#include "gamedata/Image.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fontfile {
constexpr int kGlyphCount = 128;
constexpr int kRows = 14;
constexpr int kRowBits = 16;
constexpr size_t kWidthsOffset = 16;   // per glyph: a byte not used, then width + 1
constexpr size_t kWidthsSize = 2 * kGlyphCount;
constexpr size_t kGlyphsOffset = 272;  // per glyph: 14 rows of 2 bytes, leftmost pixel in bit 7 of the first
constexpr size_t kGlyphsSize = static_cast<size_t>(kGlyphCount) * kRows * 2;
constexpr int kInkIndex = 84;          // palette colour of the ink
} // namespace fontfile

struct TextFont {
    std::array<uint8_t, fontfile::kGlyphCount> widths{};
    uint8_t maxWidth = 0;
    Image strip; // glyph c at x = maxWidth * c, ink on black; empty when every width is 0
};

// Widths and glyph rows as far as the bytes hold them; what they do not hold is width 0 or no
// ink. Ink is kept inside its glyph's cell of the strip, so that a row wider than the widest
// glyph does not mark its neighbour.
TextFont DecodeTextFont(const ByteReader& widths, const ByteReader& glyphs, Colour ink);
