#pragma once
// A bitmap of the program's resources with one colour replaced, as buttons show their art:
// magenta becomes the button face, or white for the embossed look of a disabled button.

#include "gamedata/Image.h"
#include "ui/Handles.h"

constexpr Colour kArtMaskColour = Rgb(255, 0, 255);

// Bitmap resource id with every pixel of colour from turned to colour to; empty when there is
// no such resource.
BitmapHandle LoadMappedBitmap(int id, Colour from, Colour to);
