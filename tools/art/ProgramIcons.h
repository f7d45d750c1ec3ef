#pragma once
// The program's icons as .ico files (16, 32 and 48 pixels, 32-bit), by resource id.

#include <cstdint>
#include <vector>

namespace art {

constexpr int kProgramIconIds[] = {128, 136};

// The .ico file of icon id; empty for an id the program has no icon for.
std::vector<uint8_t> ProgramIconFile(int id);

// An icon painted as a function of the point (x, y) of the unit square (y down): its colour
// and coverage there, each 0 to 1.
struct IconColour {
    double r = 0, g = 0, b = 0, a = 0;
};
using IconPainting = IconColour (*)(double x, double y);
// The .ico file of a painting at each of the sizes.
std::vector<uint8_t> PaintedIconFile(IconPainting paint, const std::vector<int>& sizes);

} // namespace art
