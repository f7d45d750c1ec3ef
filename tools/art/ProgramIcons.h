#pragma once
// The program's icons as .ico files (16, 32 and 48 pixels, 32-bit), by resource id.

#include <cstdint>
#include <vector>

namespace art {

constexpr int kProgramIconIds[] = {128, 142};

// The .ico file of icon id; empty for an id the program has no icon for.
std::vector<uint8_t> ProgramIconFile(int id);

} // namespace art
