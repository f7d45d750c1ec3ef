// The image sets and the font: ".vga" files with a 272-byte header.

#include "gamedata/FontFile.h"
#include "gamedata/ImageSetFile.h"
#include "testing/GameBuilder.h"

#include <algorithm>
#include <filesystem>

namespace gamebuild {

std::vector<uint8_t> ImageSetFileBytes(const ImageSet& set)
{
    using namespace imageset;
    const size_t count = std::min<size_t>(set.images.size(), 255);
    const size_t imageBytes = static_cast<size_t>(set.width) * set.height;
    Record file(kPixelsOffset + count * imageBytes, kTransparent);
    std::fill_n(file.begin(), kHeaderSize, 0);
    ByteWriter out(file);
    out.U8(kWidthOffset, set.width).U8(kHeightOffset, set.height).U8(kCountOffset, count);
    for (size_t i = 0; i < count; ++i)
        std::copy_n(set.images[i].begin(), std::min(imageBytes, set.images[i].size()),
                    file.begin() + kPixelsOffset + i * imageBytes);
    return file;
}

std::vector<uint8_t> FontFileBytes(const GameFont& font)
{
    using namespace fontfile;
    Record file(kGlyphsOffset + kGlyphsSize, 0);
    ByteWriter out(file);
    for (int c = 0; c < kGlyphCount; ++c) {
        out.U8(kWidthsOffset + 2 * c + 1, font[c].width + 1);
        for (int row = 0; row < kRows; ++row) {
            size_t at = kGlyphsOffset + (static_cast<size_t>(c) * kRows + row) * 2;
            out.U8(at, font[c].rows[row] >> 8).U8(at + 1, font[c].rows[row] & 0xFF);
        }
    }
    return file;
}

bool WriteImageFiles(const Installation& installation, const std::string& folder)
{
    std::filesystem::path base(folder);
    bool written = true;
    if (installation.palette)
        written = WriteBytes((base / "palette.def").string(), PaletteFileBytes(*installation.palette)) && written;
    if (installation.itemImages)
        written = WriteBytes((base / "vcfont1.vga").string(), ImageSetFileBytes(*installation.itemImages)) && written;
    if (installation.stateImages)
        written = WriteBytes((base / "vcfont2.vga").string(), ImageSetFileBytes(*installation.stateImages)) && written;
    if (installation.font)
        written = WriteBytes((base / "vbfont2.vga").string(), FontFileBytes(*installation.font)) && written;
    return written;
}

} // namespace gamebuild
