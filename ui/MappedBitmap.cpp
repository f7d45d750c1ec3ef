#include "ui/MappedBitmap.h"
#include "ui/Bitmaps.h"
#include "ui/Dialog.h"

BitmapHandle LoadMappedBitmap(int id, Colour from, Colour to)
{
    BitmapHandle loaded(static_cast<HBITMAP>(
        LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    std::optional<Image> image = ImageFromBitmap(loaded.Get());
    if (!image)
        return {};
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < image->Width(); ++x)
            if (image->Pixel(x, y) == from)
                image->SetPixel(x, y, to);
    return CreateBitmapFromImage(*image);
}
