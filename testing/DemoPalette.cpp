#include "testing/DemoPalette.h"

namespace gamebuild {

namespace {
struct Ramp {
    int r, g, b; // the brightest shade
};

constexpr Ramp kRamps[16] = {
    {255, 255, 255}, {240, 48, 40},   {255, 150, 40},  {255, 236, 90},  {80, 220, 70},  {255, 244, 214},
    {60, 210, 190},  {70, 120, 255},  {190, 100, 240}, {190, 130, 80},  {250, 200, 170}, {150, 180, 80},
    {150, 210, 255}, {200, 90, 50},   {240, 230, 200}, {255, 210, 60},
};
} // namespace

std::array<Colour, 256> DemoPalette()
{
    std::array<Colour, 256> palette{};
    for (int ramp = 0; ramp < 16; ++ramp)
        for (int shade = 0; shade < 16; ++shade) {
            // Shade 0 is near black, shade 15 the ramp's own colour.
            int scale = 12 + shade * (256 - 12) / 15;
            const Ramp& top = kRamps[ramp];
            palette[16 * ramp + shade] = Rgb(top.r * scale / 256, top.g * scale / 256, top.b * scale / 256);
        }
    palette[0] = Rgb(0, 0, 0);
    palette[kFontInk] = Rgb(255, 244, 214); // ink must read well on black
    return palette;
}

} // namespace gamebuild
