#pragma once
// Where the art generator puts each of the program's bitmaps: "bitmap<id>.bmp" in its folder.

#include <string>

namespace art {
inline std::string ProgramBitmapFile(int id) { return "bitmap" + std::to_string(id) + ".bmp"; }
} // namespace art
