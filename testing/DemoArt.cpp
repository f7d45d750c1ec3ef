#include "testing/DemoArt.h"

#include <algorithm>
#include <cmath>

namespace gamebuild::art {

namespace {
constexpr double kPi = 3.14159265358979;

// Towards the light: left, up and in front.
constexpr double kLightX = -0.5, kLightY = -0.62, kLightZ = 0.6;

bool InsidePolygon(const std::vector<Pt>& points, double x, double y)
{
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Pt& a = points[i];
        const Pt& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double SegmentParameter(Pt a, Pt b, double x, double y)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    return length > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
}
} // namespace

Grid::Grid(int w, int h, uint8_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) { }

uint8_t Grid::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return kClear;
    return pixels[static_cast<size_t>(y) * width + x];
}

void Grid::Set(int x, int y, uint8_t index)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    pixels[static_cast<size_t>(y) * width + x] = index == kClear ? kClear - 1 : index;
}

Pt Polar(Pt p, double degrees, double length)
{
    const double radians = degrees * kPi / 180;
    return {p.x + std::cos(radians) * length, p.y + std::sin(radians) * length};
}

Painter::Painter(Grid& grid, double scale, Pt origin, bool mirror)
    : m_grid(grid), m_scale(scale), m_origin(origin), m_mirror(mirror)
{
}

Pt Painter::Design(double px, double py) const
{
    const double x = m_mirror ? m_grid.width - px : px;
    return {(x - m_origin.x) / m_scale, (py - m_origin.y) / m_scale};
}

template <typename Shape>
void Painter::Fill(double left, double top, double right, double bottom, const Paint* paint, uint8_t flat, Shape shape)
{
    double x0 = m_origin.x + left * m_scale, x1 = m_origin.x + right * m_scale;
    if (m_mirror) {
        x0 = m_grid.width - x0;
        x1 = m_grid.width - x1;
    }
    const int pxFrom = std::max(0, static_cast<int>(std::floor(std::min(x0, x1))) - 1);
    const int pxTo = std::min(m_grid.width - 1, static_cast<int>(std::ceil(std::max(x0, x1))) + 1);
    const int pyFrom = std::max(0, static_cast<int>(std::floor(m_origin.y + top * m_scale)) - 1);
    const int pyTo = std::min(m_grid.height - 1, static_cast<int>(std::ceil(m_origin.y + bottom * m_scale)) + 1);
    const double lightLength = std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
    for (int py = pyFrom; py <= pyTo; ++py)
        for (int px = pxFrom; px <= pxTo; ++px) {
            const Pt d = Design(px + 0.5, py + 0.5);
            const Hit hit = shape(d.x, d.y);
            if (!hit.inside)
                continue;
            if (!paint) {
                m_grid.Set(px, py, flat);
                continue;
            }
            if (paint->outline >= 0) {
                bool edge = false;
                for (auto [ox, oy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const Pt n = Design(px + 0.5 + ox, py + 0.5 + oy);
                    edge = edge || !shape(n.x, n.y).inside;
                }
                if (edge) {
                    m_grid.Set(px, py, paint->Shade(paint->outline));
                    continue;
                }
            }
            const double nx = m_mirror ? -hit.nx : hit.nx;
            const double light = (nx * kLightX + hit.ny * kLightY + hit.nz * kLightZ) / lightLength;
            const double t = std::clamp((light + 0.2) / 1.1, 0.0, 1.0);
            int shade = paint->dark + static_cast<int>(std::lround((paint->light - paint->dark) * t));
            if (light > 0.97)
                ++shade;
            m_grid.Set(px, py, paint->Shade(std::clamp(shade, 0, 15)));
        }
}

void Painter::Ellipse(Pt c, double rx, double ry, const Paint& paint, double degrees)
{
    const double radians = degrees * kPi / 180, cs = std::cos(radians), sn = std::sin(radians);
    const double reach = std::max(rx, ry);
    Fill(c.x - reach, c.y - reach, c.x + reach, c.y + reach, &paint, 0, [&](double x, double y) {
        const double u = ((x - c.x) * cs + (y - c.y) * sn) / rx;
        const double v = (-(x - c.x) * sn + (y - c.y) * cs) / ry;
        const double r2 = u * u + v * v;
        if (r2 >= 1)
            return Hit{};
        return Hit{true, u * cs - v * sn, u * sn + v * cs, std::sqrt(1 - r2)};
    });
}

void Painter::Limb(Pt a, Pt b, double ra, double rb, const Paint& paint)
{
    const double reach = std::max(ra, rb);
    Fill(std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach, std::max(a.y, b.y) + reach,
         &paint, 0, [&](double x, double y) {
             const double t = SegmentParameter(a, b, x, y);
             const double r = ra + (rb - ra) * t;
             const double dx = x - (a.x + (b.x - a.x) * t), dy = y - (a.y + (b.y - a.y) * t);
             const double d2 = (dx * dx + dy * dy) / (r * r);
             if (r <= 0 || d2 >= 1)
                 return Hit{};
             return Hit{true, dx / r, dy / r, std::sqrt(1 - d2)};
         });
}

void Painter::Chain(const std::vector<Pt>& points, double ra, double rb, const Paint& paint)
{
    if (points.size() < 2)
        return;
    // One shape, so that the joints carry no outline: each point takes the segment it lies deepest in.
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    const double reach = std::max(ra, rb);
    for (const Pt& p : points) {
        left = std::min(left, p.x - reach), right = std::max(right, p.x + reach);
        top = std::min(top, p.y - reach), bottom = std::max(bottom, p.y + reach);
    }
    const size_t segments = points.size() - 1;
    Fill(left, top, right, bottom, &paint, 0, [&](double x, double y) {
        Hit best;
        double deepest = 1;
        for (size_t i = 0; i < segments; ++i) {
            const Pt a = points[i], b = points[i + 1];
            const double t = SegmentParameter(a, b, x, y);
            const double r = ra + (rb - ra) * (i + t) / segments;
            const double dx = x - (a.x + (b.x - a.x) * t), dy = y - (a.y + (b.y - a.y) * t);
            const double d2 = (dx * dx + dy * dy) / (r * r);
            if (r > 0 && d2 < deepest) {
                deepest = d2;
                best = Hit{true, dx / r, dy / r, std::sqrt(1 - d2)};
            }
        }
        return best;
    });
}

void Painter::Polygon(const std::vector<Pt>& points, const Paint& paint)
{
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Pt& p : points) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double hw = std::max((right - left) / 2, 0.5), hh = std::max((bottom - top) / 2, 0.5);
    Fill(left, top, right, bottom, &paint, 0, [&](double x, double y) {
        if (!InsidePolygon(points, x, y))
            return Hit{};
        const double u = 0.45 * (x - cx) / hw, v = 0.45 * (y - cy) / hh;
        const double length = std::sqrt(u * u + v * v + 1);
        return Hit{true, u / length, v / length, 1 / length};
    });
}

void Painter::Disc(Pt c, double r, uint8_t index)
{
    Fill(c.x - r, c.y - r, c.x + r, c.y + r, nullptr, index,
         [&](double x, double y) { return Hit{(x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) < r * r}; });
}

void Painter::Line(Pt a, Pt b, double width, uint8_t index)
{
    const double r = width / 2;
    Fill(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r, nullptr, index,
         [&](double x, double y) {
             const double t = SegmentParameter(a, b, x, y);
             const double dx = x - (a.x + (b.x - a.x) * t), dy = y - (a.y + (b.y - a.y) * t);
             return Hit{dx * dx + dy * dy < r * r};
         });
}

void Painter::FlatPolygon(const std::vector<Pt>& points, uint8_t index)
{
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Pt& p : points) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    Fill(left, top, right, bottom, nullptr, index,
         [&](double x, double y) { return Hit{InsidePolygon(points, x, y)}; });
}

void Painter::Dot(Pt p, uint8_t index)
{
    double x = m_origin.x + p.x * m_scale;
    if (m_mirror)
        x = m_grid.width - x;
    m_grid.Set(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(m_origin.y + p.y * m_scale)), index);
}

void Tint(Grid& grid, DemoRamp ramp, int shadeShift)
{
    for (uint8_t& pixel : grid.pixels)
        if (pixel != kClear)
            pixel = static_cast<uint8_t>(std::min(PaletteIndex(ramp, pixel % 16 + shadeShift), 254));
}

unsigned Hash(int x, int y, unsigned seed)
{
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

} // namespace gamebuild::art
