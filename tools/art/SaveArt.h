#pragma once
// The Save File Viewer's art: the spell school icons (bitmap 151), the alliance icons
// (bitmap 244) and the viewer's window icon (icon 142).

#include "gamedata/Image.h"
#include "tools/art/ProgramIcons.h"

namespace art {

// Thirteen 20 x 19 school icons side by side on white, their mask colour.
Image SpellSchoolIcons();
// Nine 16 x 16 alliance icons side by side on RGB(96, 96, 128), their mask colour; the
// ninth stands for no alliance.
Image AllianceIcons();

// The window icon's colour at (x, y) in 0..1, y down, with its coverage a in 0..1.
IconColour SaveViewerIcon(double x, double y);

} // namespace art
