#pragma once
// A bitmap of the program's resources with one colour replaced, such as the mask colour of a
// button's picture by the face colour of buttons.

#include "ui/Handles.h"

// Null when the resource is not there.
BitmapHandle LoadMappedBitmap(int resourceId, COLORREF from, COLORREF to);
