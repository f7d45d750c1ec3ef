#pragma once
// PNG files through libpng, for the atlas.

#include "gamedata/Image.h"

#include <string>

namespace atlas {

// The image, opaque. False when the file cannot be written.
bool WritePng(const std::string& path, const Image& image);
// The pixels of image that differ from base (same size), on a transparent ground: what an
// option adds to a drawing, to be laid over it.
bool WritePngOverlay(const std::string& path, const Image& image, const Image& base);

} // namespace atlas
