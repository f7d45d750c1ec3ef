#include "gamedata/Image.h"

#include <algorithm>

Image::Image(int width, int height, Colour fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill)
{
    if (m_pixels.empty())
        m_width = m_height = 0;
}

Colour Image::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void Image::SetPixel(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<size_t>(y) * m_width + x] = colour;
}

void Image::Fill(Colour colour) { std::fill(m_pixels.begin(), m_pixels.end(), colour); }

void Image::FillRect(int x, int y, int width, int height, Colour colour)
{
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = std::min(x + width, m_width), bottom = std::min(y + height, m_height);
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column)
            m_pixels[static_cast<size_t>(row) * m_width + column] = colour;
}

void Image::Draw(const Image& source, int x, int y, const Colour* transparent)
{
    for (int row = 0; row < source.Height(); ++row)
        for (int column = 0; column < source.Width(); ++column) {
            Colour colour = source.m_pixels[static_cast<size_t>(row) * source.m_width + column];
            if (!transparent || colour != *transparent)
                SetPixel(x + column, y + row, colour);
        }
}

void ImageList::Add(const Image& image)
{
    Image cell(m_cellWidth, m_cellHeight, m_mask);
    cell.Draw(image, 0, 0);
    m_cells.push_back(std::move(cell));
}

const Image* ImageList::Get(int index) const
{
    return index >= 0 && index < Count() ? &m_cells[static_cast<size_t>(index)] : nullptr;
}

Image* ImageList::Get(int index)
{
    return index >= 0 && index < Count() ? &m_cells[static_cast<size_t>(index)] : nullptr;
}
