#pragma once
// The program's icons as .ico files (16, 32 and 48 pixels, 32-bit), by resource id.

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

// A colour and its coverage, each 0 to 1.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};
// An icon's picture as a function of the point (x, y) in 0..1 (y down); returns the colour there.
using PaintFunction = std::function<Rgba(double x, double y)>;
// Paints over: the later layer covers the earlier by its alpha.
Rgba Over(Rgba below, Rgba above);

constexpr int kProgramIconIds[] = {128, 136, 139, 140, 141, 142};

// The .ico file of icon id; empty for an id the program has no icon for.
std::vector<uint8_t> ProgramIconFile(int id);

// The icons' drawing functions give their colour and coverage as this.
using IconColour = Rgba;

} // namespace art
