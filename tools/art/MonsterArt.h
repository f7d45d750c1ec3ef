#pragma once
// The Monster Viewer's art: the four frame buttons and its window icon.

#include "gamedata/Image.h"
#include "tools/art/ProgramIcons.h"

namespace art {

// The frame buttons' glyphs, 16 x 16 pixels on magenta, the colour the program maps to the
// button face (or to white, for the embossed look of a disabled button).
Image PreviousFrameBitmap(); // bitmap 135
Image NextFrameBitmap();     // bitmap 136
Image StopFramesBitmap();    // bitmap 137
Image PlayFramesBitmap();    // bitmap 138

// Icon 136: a horned monster's head, as a painting of the unit square.
IconColour MonsterViewerIcon(double x, double y);

} // namespace art
