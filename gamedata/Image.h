#pragma once
// Pictures as the model draws them: 32-bit pixels in COLORREF order (0x00BBGGRR),
// so that colours read the same here and in the Windows layer.

#include <cstdint>
#include <vector>

using Colour = uint32_t;

constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

class Image {
public:
    Image() = default;
    Image(int width, int height, Colour fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }

    // Reads outside the image give 0, writes outside it are ignored.
    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);
    void Fill(Colour colour);
    void FillRect(int x, int y, int width, int height, Colour colour);
    // Copies source onto this image at (x, y), clipped; pixels equal to *transparent are skipped.
    void Draw(const Image& source, int x, int y, const Colour* transparent = nullptr);

    const std::vector<Colour>& Pixels() const { return m_pixels; }
    // The pixels of row y (Width() of them), or nullptr outside the image.
    const Colour* Row(int y) const;
    Colour* Row(int y);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Colour> m_pixels;
};

// A strip of equal cells, as a Windows image list holds them; mask colour marks transparency.
class ImageList {
public:
    ImageList() = default;
    ImageList(int cellWidth, int cellHeight, Colour mask) : m_cellWidth(cellWidth), m_cellHeight(cellHeight), m_mask(mask) {}

    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    Colour Mask() const { return m_mask; }
    int Count() const { return static_cast<int>(m_cells.size()); }
    bool Empty() const { return m_cells.empty(); }

    // Adds a picture of the cell size (larger ones are clipped, smaller ones padded with the mask).
    void Add(const Image& image);
    const Image* Get(int index) const;
    Image* Get(int index);
    void Clear() { m_cells.clear(); }
    // The cells side by side, as one picture (one cell of the mask colour when there is none).
    Image Strip() const;

private:
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    Colour m_mask = 0;
    std::vector<Image> m_cells;
};
