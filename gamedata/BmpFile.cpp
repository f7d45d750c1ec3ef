#include "gamedata/BmpFile.h"
#include "gamedata/ByteReader.h"

#include <cstdio>

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 1 << 15; // far beyond any picture of the game; keeps sizes sane

size_t RowBytes(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

void Put16(std::vector<uint8_t>& out, size_t at, unsigned value)
{
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}
} // namespace

std::optional<Image> DecodeBmp(std::span<const uint8_t> file)
{
    ByteReader bytes(file);
    if (!bytes.Has(0, kFileHeaderSize + kInfoHeaderSize) || bytes.U8(0) != 'B' || bytes.U8(1) != 'M')
        return std::nullopt;
    const uint32_t pixelsAt = bytes.U32(10);
    const uint32_t infoSize = bytes.U32(14);
    const int32_t width = bytes.S32(18);
    const int32_t rawHeight = bytes.S32(22);
    const int bits = bytes.U16(28);
    const uint32_t compression = bytes.U32(30);
    uint32_t colours = bytes.U32(46);
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || infoSize < kInfoHeaderSize)
        return std::nullopt;
    if (!(compression == 0 || (compression == 3 && bits == 32)))
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    if (bits <= 8 && (colours == 0 || colours > (1u << bits)))
        colours = 1u << bits;

    std::vector<Colour> palette;
    const size_t paletteAt = kFileHeaderSize + infoSize;
    for (uint32_t i = 0; bits <= 8 && i < colours; ++i) {
        size_t at = paletteAt + 4 * i;
        palette.push_back(Rgb(bytes.U8(at + 2), bytes.U8(at + 1), bytes.U8(at)));
    }

    const size_t rowBytes = RowBytes(width, bits);
    if (!bytes.Has(pixelsAt, rowBytes * static_cast<size_t>(height)))
        return std::nullopt;
    Image image(width, static_cast<int>(height));
    for (int row = 0; row < height; ++row) {
        ByteReader line = bytes.Sub(pixelsAt + rowBytes * row, rowBytes);
        int y = topDown ? row : static_cast<int>(height) - 1 - row;
        for (int x = 0; x < width; ++x) {
            Colour colour = 0;
            if (bits == 24 || bits == 32) {
                size_t at = static_cast<size_t>(x) * (bits / 8);
                colour = Rgb(line.U8(at + 2), line.U8(at + 1), line.U8(at));
            } else {
                size_t bit = static_cast<size_t>(x) * bits;
                unsigned index = (line.U8(bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                colour = index < palette.size() ? palette[index] : 0;
            }
            image.SetPixel(x, y, colour);
        }
    }
    return image;
}

std::vector<uint8_t> EncodeBmp24(const Image& image)
{
    const int width = image.Width(), height = image.Height();
    const size_t rowBytes = RowBytes(width, 24);
    const size_t pixelsAt = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> out(pixelsAt + rowBytes * height, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(pixelsAt));
    Put32(out, 14, kInfoHeaderSize);
    Put32(out, 18, static_cast<uint32_t>(width));
    Put32(out, 22, static_cast<uint32_t>(height));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, static_cast<uint32_t>(rowBytes * height));
    Put32(out, 38, 2835); // 72 dots per inch
    Put32(out, 42, 2835);
    for (int y = 0; y < height; ++y) {
        size_t at = pixelsAt + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            Colour colour = image.Pixel(x, y);
            out[at + 3 * x] = static_cast<uint8_t>(BlueOf(colour));
            out[at + 3 * x + 1] = static_cast<uint8_t>(GreenOf(colour));
            out[at + 3 * x + 2] = static_cast<uint8_t>(RedOf(colour));
        }
    }
    return out;
}

bool WriteBmpFile(const std::string& path, const Image& image)
{
    std::vector<uint8_t> bytes = EncodeBmp24(image);
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (written) {
#ifdef _WIN32
        std::remove(path.c_str()); // rename does not replace an existing file there
#endif
        written = std::rename(temporary.c_str(), path.c_str()) == 0;
    }
    if (!written)
        std::remove(temporary.c_str());
    return written;
}
