#pragma once
// The art of the viewer windows: their icons and the bitmaps of their buttons.

#include "gamedata/Image.h"
#include "tools/art/ProgramIcons.h"

namespace art {

// The colour that the program turns into the face colour of buttons.
constexpr Colour kButtonMask = Rgb(255, 0, 255);

// Icon 139, the Item Viewer: a sword under a magnifying glass.
Rgba ItemViewerIcon(double x, double y);

// Bitmap 139: the question mark of the help buttons, 10 x 10 pixels on the button mask.
Image HelpButtonBitmap();

// Icon 140, the Item List: a ledger page of item rows.
Rgba ItemListIcon(double x, double y);

// Bitmap 141: the Item List's seven header images of 14 x 14 pixels side by side, on white (the
// mask): weight, price, armour class, to hit, hands, regeneration, gender.
Image ItemListHeaderBitmap();

} // namespace art
