// Character portraits: the first edition's "portdata.vga" and Gold's BMP files.

#include "gamedata/Portraits.h"
#include "gamedata/BmpFile.h"

#include <algorithm>

namespace portraits {

namespace {
constexpr uint8_t kTransparent = 255;
}

Shades ShadesOf(uint8_t v, const std::array<Colour, 256>& palette)
{
    Shades shades{v > 0 ? palette[v - 1] : palette[v], palette[v], v < 255 ? palette[v + 1] : palette[v]};
    for (uint8_t end : kShadeRangeEnds) {
        if (v == end) {
            shades.bottomRight = palette[v];
            break;
        }
        if (v == end + 1) {
            shades.topLeft = palette[v];
            break;
        }
    }
    return shades;
}

Image DrawPortrait(std::span<const uint8_t> pixels, int scale, const std::array<Colour, 256>& palette)
{
    scale = std::clamp(scale, 1, 4);
    Image image(kWidth * scale, kHeight * scale, Rgb(0, 0, 0));
    for (size_t at = 0; at < pixels.size() && at < kSize; ++at) {
        const uint8_t v = pixels[at];
        if (v == kTransparent)
            continue;
        const int c = static_cast<int>(at % kWidth), r = static_cast<int>(at / kWidth);
        if (scale == 4) {
            const Shades shades = ShadesOf(v, palette);
            image.FillRect(4 * c, 4 * r, 2, 2, shades.topLeft);
            image.FillRect(4 * c + 2, 4 * r, 2, 2, shades.middle);
            image.FillRect(4 * c, 4 * r + 2, 2, 2, shades.middle);
            image.FillRect(4 * c + 2, 4 * r + 2, 2, 2, shades.bottomRight);
        } else if (scale == 2) {
            image.FillRect(2 * c, 2 * r, 2, 2, palette[v]);
        } else {
            image.SetPixel(c, r, palette[v]);
        }
    }
    return image;
}

} // namespace portraits
