// Decoding the game's text font.

#include "gamedata/FontFile.h"

#include <algorithm>

using namespace fontfile;

TextFont DecodeTextFont(const ByteReader& widths, const ByteReader& glyphs, Colour ink)
{
    TextFont font;
    for (int c = 0; c < kGlyphCount; ++c) {
        size_t at = 2 * static_cast<size_t>(c) + 1;
        // Stored as width + 1; a zero there wraps to 255, as an 8-bit width.
        font.widths[c] = widths.Has(at, 1) ? static_cast<uint8_t>(widths.U8(at) - 1) : 0;
        font.maxWidth = std::max(font.maxWidth, font.widths[c]);
    }
    const int cell = font.maxWidth;
    font.strip = Image(cell * kGlyphCount, kRows, Rgb(0, 0, 0));
    for (int c = 0; c < kGlyphCount; ++c)
        for (int row = 0; row < kRows; ++row) {
            size_t at = (static_cast<size_t>(c) * kRows + row) * 2;
            unsigned bits = static_cast<unsigned>(glyphs.U8(at)) << 8 | glyphs.U8(at + 1);
            for (int x = 0; x < std::min(kRowBits, cell); ++x)
                if (bits & (0x8000u >> x))
                    font.strip.SetPixel(cell * c + x, row, ink);
        }
    return font;
}
