#pragma once
// The item pictures: one catalogue, drawn at any size. The program's icon bitmap holds the
// first 128 at 26 x 26 pixels; the demo installations draw the same items, and a few marks
// after them, as the game's own small images.

#include "gamedata/Image.h"

#include <string_view>

namespace art {

constexpr int kIconCount = 128;         // the program's item icons
constexpr Colour kMaskColour = Rgb(255, 128, 64);

int ItemPictureCount();                 // the icons, then marks for the game's image sets
const char* ItemPictureName(int index); // nullptr out of range
int FindItemPicture(std::string_view name); // -1 when there is none of that name

// The picture on background; with an outline, the shapes keep a one-pixel margin for it.
Image DrawItemPicture(int index, int size, Colour background, bool outline = true);

} // namespace art
