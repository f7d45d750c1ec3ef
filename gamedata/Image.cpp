#include "gamedata/Image.h"

#include <algorithm>
#include <utility>

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

const Colour* Image::Row(int y) const
{
    return y >= 0 && y < m_height ? m_pixels.data() + static_cast<size_t>(y) * m_width : nullptr;
}

Colour* Image::Row(int y) { return const_cast<Colour*>(std::as_const(*this).Row(y)); }

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
    const int left = std::max(0, -x), right = std::min(source.m_width, m_width - x);
    const int top = std::max(0, -y), bottom = std::min(source.m_height, m_height - y);
    for (int row = top; row < bottom; ++row) {
        const Colour* from = source.Row(row);
        Colour* to = Row(y + row);
        for (int column = left; column < right; ++column)
            if (!transparent || from[column] != *transparent)
                to[x + column] = from[column];
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

Image ImageList::Strip() const
{
    Image strip(std::max(Count(), 1) * m_cellWidth, m_cellHeight, m_mask);
    for (int i = 0; i < Count(); ++i)
        strip.Draw(m_cells[static_cast<size_t>(i)], i * m_cellWidth, 0);
    return strip;
}
