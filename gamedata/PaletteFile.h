#pragma once
// "palette.def": the game's colours as triples of 6-bit red, green and blue intensities.

#include "gamedata/Image.h"

#include <array>
#include <cstdint>
#include <span>

using Palette = std::array<Colour, 256>;

namespace palettefile {
constexpr size_t kTripleSize = 3;
constexpr size_t kMaxBytes = kTripleSize * 256;
constexpr uint8_t kEndMark = 255; // any byte of a triple equal to this ends the list
} // namespace palettefile

// Sets colours from index 0 on, stopping at a triple that holds the end mark, at the end of
// the bytes (a triple cut short is not a colour) or after 256 colours. Each intensity is
// multiplied by 4 and kept to 8 bits. Returns the number of colours set; the others are kept.
int DecodePalette(std::span<const uint8_t> file, Palette& palette);
