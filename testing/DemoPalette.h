#pragma once
// The demo installations' palette, shared by every demo picture so that art drawn by index
// looks the same everywhere.
//
// Sixteen ramps of sixteen shades each, darkest first: index = 16 * ramp + shade.
// Ramp 5 (80 to 95) is parchment, and its entry 84 is the font's ink, bright on black.

#include "gamedata/Image.h"

#include <array>

namespace gamebuild {

enum DemoRamp {
    kGrey = 0, kRed, kOrange, kYellow, kGreen, kParchment, kTeal, kBlue,
    kViolet, kBrown, kFlesh, kMoss, kSky, kRust, kBone, kGold,
};

constexpr int PaletteIndex(DemoRamp ramp, int shade) { return 16 * ramp + (shade < 0 ? 0 : shade > 15 ? 15 : shade); }

constexpr int kFontInk = 84;

std::array<Colour, 256> DemoPalette();

} // namespace gamebuild
