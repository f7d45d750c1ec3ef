#pragma once
// Pieces of the demo's pictures, for the demo and its tests.

#include "testing/GameBuilder.h"

#include <string_view>

namespace gamebuild {

GameFont DemoFont();
// The picture number (icon and small image) of a demo item kind, by its stored name.
int DemoItemPicture(std::string_view kindName);
// The 15 state marks of 9 x 9 pixels, as palette indexes of the demo palette.
std::vector<std::vector<uint8_t>> DemoStateMarks();

} // namespace gamebuild
