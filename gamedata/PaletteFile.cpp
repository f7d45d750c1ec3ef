// Decoding the palette.

#include "gamedata/PaletteFile.h"
#include "gamedata/ByteReader.h"

using namespace palettefile;

int DecodePalette(std::span<const uint8_t> file, Palette& palette)
{
    ByteReader bytes(file);
    int count = 0;
    for (size_t at = 0; count < 256 && bytes.Has(at, kTripleSize); at += kTripleSize) {
        uint8_t red = bytes.U8(at), green = bytes.U8(at + 1), blue = bytes.U8(at + 2);
        if (red == kEndMark || green == kEndMark || blue == kEndMark)
            break;
        palette[count++] = Rgb(red * 4, green * 4, blue * 4);
    }
    return count;
}
