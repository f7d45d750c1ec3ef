#pragma once
// Model pictures to GDI bitmaps and back.

#include "gamedata/Image.h"
#include "ui/Handles.h"

#include <optional>

BitmapHandle CreateBitmapFromImage(const Image& image);
std::optional<Image> ImageFromBitmap(HBITMAP bitmap);
