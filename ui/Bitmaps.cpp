#include "ui/Bitmaps.h"

#include <vector>

namespace {
BITMAPINFO TopDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// COLORREF (0x00BBGGRR) and DIB pixels (0x00RRGGBB) order their bytes the other way round.
uint32_t SwapRedBlue(uint32_t pixel) { return (pixel & 0x00FF00) | ((pixel & 0xFF) << 16) | ((pixel >> 16) & 0xFF); }
} // namespace

BitmapHandle CreateBitmapFromImage(const Image& image)
{
    if (image.Empty())
        return {};
    BITMAPINFO info = TopDown32(image.Width(), image.Height());
    std::vector<uint32_t> pixels(image.Pixels().size());
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = SwapRedBlue(image.Pixels()[i]);
    WindowDc screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), image.Width(), image.Height());
    if (bitmap)
        SetDIBits(screen.Get(), bitmap, 0, image.Height(), pixels.data(), &info, DIB_RGB_COLORS);
    return BitmapHandle(bitmap);
}

std::optional<Image> ImageFromBitmap(HBITMAP bitmap)
{
    BITMAP header{};
    if (!bitmap || !GetObjectW(bitmap, sizeof header, &header) || header.bmWidth <= 0 || header.bmHeight <= 0)
        return std::nullopt;
    BITMAPINFO info = TopDown32(header.bmWidth, header.bmHeight);
    std::vector<uint32_t> pixels(static_cast<size_t>(header.bmWidth) * header.bmHeight);
    WindowDc screen(nullptr);
    if (!GetDIBits(screen.Get(), bitmap, 0, header.bmHeight, pixels.data(), &info, DIB_RGB_COLORS))
        return std::nullopt;
    Image image(header.bmWidth, header.bmHeight);
    for (int y = 0; y < header.bmHeight; ++y)
        for (int x = 0; x < header.bmWidth; ++x)
            image.SetPixel(x, y, SwapRedBlue(pixels[static_cast<size_t>(y) * header.bmWidth + x]));
    return image;
}
