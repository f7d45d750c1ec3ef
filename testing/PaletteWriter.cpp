#include "testing/GameBuilder.h"

namespace gamebuild {

std::vector<uint8_t> PaletteFileBytes(const std::vector<Colour>& colours)
{
    std::vector<uint8_t> file;
    for (Colour colour : colours) {
        file.push_back(static_cast<uint8_t>(RedOf(colour) >> 2));
        file.push_back(static_cast<uint8_t>(GreenOf(colour) >> 2));
        file.push_back(static_cast<uint8_t>(BlueOf(colour) >> 2));
    }
    return file;
}

} // namespace gamebuild
