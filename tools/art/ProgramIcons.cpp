// The program's icons, drawn by code so that no binary art is kept without its source.

#include "tools/art/ProgramIcons.h"
#include "tools/art/SaveArt.h"
#include "tools/art/ViewerArt.h"
#include "tools/art/MonsterArt.h"

#include <cmath>
#include <functional>

namespace art {

Rgba Over(Rgba below, Rgba above)
{
    double a = above.a + below.a * (1 - above.a);
    if (a <= 0)
        return {};
    auto mix = [&](double top, double bottom) { return (top * above.a + bottom * below.a * (1 - above.a)) / a; };
    return {mix(above.r, below.r), mix(above.g, below.g), mix(above.b, below.b), a};
}

namespace {

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

Rgba Candle(double x, double y)
{
    Rgba colour;
    // Glow around the flame.
    double glow = std::hypot(x - 0.5, (y - 0.25) * 1.2);
    if (glow < 0.3)
        colour = Over(colour, {1.0, 0.8, 0.3, 0.35 * (1 - glow / 0.3)});
    // Saucer.
    if (InEllipse(x, y, 0.5, 0.88, 0.42, 0.09))
        colour = Over(colour, {0.45, 0.30, 0.15, 1});
    if (InEllipse(x, y, 0.5, 0.86, 0.36, 0.06))
        colour = Over(colour, {0.62, 0.44, 0.22, 1});
    // Body: cream tallow, shaded from left to right, with a drip.
    if (x > 0.33 && x < 0.67 && y > 0.42 && y < 0.86) {
        double shade = 1.0 - 0.35 * std::fabs(x - 0.45) / 0.22;
        colour = Over(colour, {0.98 * shade, 0.93 * shade, 0.78 * shade, 1});
    }
    if (InEllipse(x, y, 0.5, 0.42, 0.17, 0.04))
        colour = Over(colour, {1.0, 0.97, 0.86, 1});
    if (x > 0.36 && x < 0.41 && y > 0.42 && y < 0.58)
        colour = Over(colour, {1.0, 0.97, 0.86, 1});
    // The mark: a red chevron pressed into the tallow.
    double mx = x - 0.5, my = y - 0.66;
    if (std::fabs(my + std::fabs(mx) * 0.9) < 0.035 && std::fabs(mx) < 0.12)
        colour = Over(colour, {0.75, 0.1, 0.1, 1});
    // Wick and flame.
    if (x > 0.49 && x < 0.51 && y > 0.33 && y < 0.42)
        colour = Over(colour, {0.15, 0.1, 0.05, 1});
    if (InEllipse(x, y, 0.5, 0.24, 0.08, 0.13))
        colour = Over(colour, {1.0, 0.55, 0.1, 1});
    if (InEllipse(x, y, 0.5, 0.27, 0.045, 0.08))
        colour = Over(colour, {1.0, 0.92, 0.5, 1});
    return colour;
}

// The Picture Viewer's: a framed picture of a moon over two hills, a second frame behind it.
Rgba PictureViewerIcon(double x, double y)
{
    Rgba colour;
    auto framed = [&](double left, double top, double right, double bottom, double dim) {
        if (x < left || x > right || y < top || y > bottom)
            return;
        const double border = 0.07;
        if (x < left + border || x > right - border || y < top + border || y > bottom - border) {
            colour = Over(colour, {0.55 * dim, 0.36 * dim, 0.16 * dim, 1}); // the wooden frame
            return;
        }
        // Night sky of the program's picture colour, a pale moon, two green hills.
        const double u = (x - left) / (right - left), v = (y - top) / (bottom - top);
        Rgba inside{0.38 * dim, 0.38 * dim, 0.50 * dim, 1};
        if (InEllipse(u, v, 0.68, 0.3, 0.12, 0.12))
            inside = {0.98 * dim, 0.95 * dim, 0.75 * dim, 1};
        if (v > 0.62 + 0.12 * std::cos((u - 0.25) * 6.0))
            inside = {0.25 * dim, 0.55 * dim, 0.22 * dim, 1};
        if (v > 0.78 + 0.08 * std::cos((u - 0.8) * 7.0))
            inside = {0.18 * dim, 0.42 * dim, 0.16 * dim, 1};
        colour = Over(colour, inside);
    };
    framed(0.30, 0.06, 0.96, 0.62, 0.7);
    framed(0.04, 0.30, 0.80, 0.94, 1.0);
    return colour;
}

// Renders size x size pixels with 4 x 4 samples each; pixels as BGRA, bottom-up, as icons keep them.
std::vector<uint8_t> Render(const PaintFunction& paint, int size)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    Rgba c = paint((px + (sx + 0.5) / 4) / size, (py + (sy + 0.5) / 4) / size);
                    sum.r += c.r * c.a, sum.g += c.g * c.a, sum.b += c.b * c.a, sum.a += c.a;
                }
            size_t at = (static_cast<size_t>(size - 1 - py) * size + px) * 4;
            double a = sum.a / 16;
            auto channel = [&](double premultiplied) {
                return static_cast<uint8_t>(a > 0 ? std::lround(std::fmin(premultiplied / sum.a, 1.0) * 255) : 0);
            };
            pixels[at] = channel(sum.b);
            pixels[at + 1] = channel(sum.g);
            pixels[at + 2] = channel(sum.r);
            pixels[at + 3] = static_cast<uint8_t>(std::lround(a * 255));
        }
    return pixels;
}

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An .ico file with one 32-bit image per size.
std::vector<uint8_t> IconFile(const PaintFunction& paint, const std::vector<int>& sizes)
{
    std::vector<std::vector<uint8_t>> images;
    for (int size : sizes) {
        std::vector<uint8_t> image;
        Put(image, 40, 4);
        Put(image, size, 4);
        Put(image, 2 * size, 4); // colour and mask rows
        Put(image, 1, 2);
        Put(image, 32, 2);
        for (int i = 0; i < 6; ++i)
            Put(image, 0, 4);
        std::vector<uint8_t> pixels = Render(paint, size);
        image.insert(image.end(), pixels.begin(), pixels.end());
        const int maskRow = (size + 31) / 32 * 4;
        for (int y = 0; y < size; ++y) {
            std::vector<uint8_t> row(static_cast<size_t>(maskRow), 0);
            for (int x = 0; x < size; ++x)
                if (pixels[(static_cast<size_t>(y) * size + x) * 4 + 3] == 0)
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            image.insert(image.end(), row.begin(), row.end());
        }
        images.push_back(std::move(image));
    }
    std::vector<uint8_t> file;
    Put(file, 0, 2);
    Put(file, 1, 2);
    Put(file, static_cast<uint32_t>(sizes.size()), 2);
    uint32_t offset = static_cast<uint32_t>(6 + 16 * sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        Put(file, sizes[i] >= 256 ? 0 : sizes[i], 1);
        Put(file, sizes[i] >= 256 ? 0 : sizes[i], 1);
        Put(file, 0, 2);
        Put(file, 1, 2);
        Put(file, 32, 2);
        Put(file, static_cast<uint32_t>(images[i].size()), 4);
        Put(file, offset, 4);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    return file;
}

} // namespace

std::vector<uint8_t> ProgramIconFile(int id)
{
    switch (id) {
    case 128: // the program's own: a tallow candle with a mark
        return IconFile(Candle, {16, 32, 48});
    case 141: // the Picture Viewer's
        return IconFile(PictureViewerIcon, {16, 32, 48});
    case 142: // the Save File Viewer's
        return IconFile(SaveViewerIcon, {16, 32, 48});
    case 139: // the Item Viewer
        return IconFile(ItemViewerIcon, {16, 32, 48});
    case 140: // the Item List
        return IconFile(ItemListIcon, {16, 32, 48});
    case 136: // the Monster Viewer's: a horned monster's head
        return IconFile(MonsterViewerIcon, {16, 32, 48});
    default:
        return {};
    }
}

} // namespace art
