#pragma once
// PIC picture files: the frames of one animation, stored in one of two layouts.
//
// Masked blocks (first edition): u32 length of the rest of the file, s16 frame count, 4 bytes
// per frame of a frame table the decoder does not need, then the frames one after another.
// A frame: u16 offset of its pixel data from the frame's start, width and height in blocks of
// 8 x 8 pixels, a mask with one bit per block (row by row, low bit first), then 64 bytes for
// each block present.
//
// Plain (Gold): u16 frame count, 6 bytes per frame (width and height in units of 8 pixels, four
// bytes unused), then every frame's pixels whole, row by row, at twice the resolution.
//
// A pixel is a palette index; 255 is transparent and leaves the background.

#include "gamedata/Image.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace pic {

enum class Form { MaskedBlocks, Plain };

constexpr uint8_t kTransparent = 255;
// The background of monster pictures and of the Picture Viewer.
constexpr Colour kBackground = Rgb(96, 96, 128);

using Palette = std::array<Colour, 256>;

// Masked blocks when the first four bytes give the length of the rest of the file.
Form FormOf(std::span<const uint8_t> file);

// The end frame (exclusive) for a picture of frameCount frames: 0, or more than the count,
// means all frames; a negative end counts back from the count, and when that gives 0 it
// also means all frames.
int SettleEnd(int end, int frameCount);

struct Request {
    int scale = 1;
    int first = 0;
    int end = 0;
    Colour background = 0;
};

// Appends frames first to end - 1, all of one size and each centred, drawn with the palette
// on the background; returns how many were appended. Only what the file holds is read: the
// picture ends before the first frame whose header, block mask or first pixel the file does
// not hold (or whose pixels would begin inside its own mask), and pixels cut off at the end
// of the file are transparent.
int Decode(std::span<const uint8_t> file, Form form, const Palette& palette, const Request& request,
           std::vector<Image>& frames);

} // namespace pic
