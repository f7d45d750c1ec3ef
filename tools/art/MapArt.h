#pragma once
// The program's bitmaps of the maps: marks of 14 x 14 pixels on black (bitmaps 144, 216 to
// 238 and 240 to 243), and the strip of 42 tree icons of 16 x 16 on the mask colour (239).

#include "gamedata/Image.h"

namespace art {

constexpr int kMapBitmapIds[] = {144, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229,
                                 230, 231, 232, 233, 234, 235, 236, 237, 238, 239, 240, 241, 242, 243};

// An empty image for an id that is not one of these.
Image DrawMapBitmap(int id);

} // namespace art
