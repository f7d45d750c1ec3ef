#pragma once
// Pieces of the demo's pictures, for the demo and its tests.

#include "testing/GameBuilder.h"

namespace gamebuild {

GameFont DemoFont();
// The 15 state marks of 9 x 9 pixels, as palette indexes of the demo palette.
std::vector<std::vector<uint8_t>> DemoStateMarks();

} // namespace gamebuild
