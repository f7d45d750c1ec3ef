#pragma once
// Windows BMP files: reading the uncompressed kinds (1, 4, 8, 24 and 32 bits per pixel) and
// writing 24-bit ones.

#include "gamedata/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

std::optional<Image> DecodeBmp(std::span<const uint8_t> file);
std::vector<uint8_t> EncodeBmp24(const Image& image);
// Writes the file whole or not at all: a failed write leaves no partial file behind.
bool WriteBmpFile(const std::string& path, const Image& image);
