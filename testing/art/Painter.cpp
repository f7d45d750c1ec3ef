#include "testing/art/Painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

struct Tones {
    Colour light, mid, dark;
};

constexpr Tones T(int r1, int g1, int b1, int r2, int g2, int b2, int r3, int g3, int b3)
{
    return {Rgb(r1, g1, b1), Rgb(r2, g2, b2), Rgb(r3, g3, b3)};
}

// In the order of Material.
constexpr Tones kTones[] = {
    T(236, 240, 248, 176, 186, 200, 104, 114, 134), // Steel
    T(178, 178, 184, 124, 124, 132, 72, 72, 80),    // Iron
    T(112, 112, 122, 74, 74, 84, 42, 42, 50),       // DarkIron
    T(252, 252, 255, 206, 210, 222, 134, 140, 156), // Silver
    T(255, 242, 150, 230, 182, 52, 156, 108, 22),   // Gold
    T(246, 176, 126, 204, 114, 62, 132, 66, 30),    // Copper
    T(232, 190, 120, 184, 134, 64, 118, 80, 34),    // Bronze
    T(204, 152, 96, 154, 104, 58, 98, 62, 32),      // Wood
    T(142, 98, 62, 102, 66, 40, 62, 38, 22),        // DarkWood
    T(236, 204, 150, 204, 164, 104, 150, 112, 62),  // LightWood
    T(196, 134, 84, 150, 94, 52, 98, 58, 28),       // Leather
    T(132, 84, 54, 94, 58, 36, 58, 34, 20),         // DarkLeather
    T(228, 204, 150, 186, 158, 102, 128, 104, 62),  // Rope
    T(238, 84, 72, 188, 38, 38, 116, 18, 24),       // RedCloth
    T(96, 140, 240, 48, 86, 196, 24, 44, 124),      // BlueCloth
    T(104, 196, 96, 50, 140, 58, 24, 84, 34),       // GreenCloth
    T(184, 116, 232, 128, 64, 180, 76, 32, 112),    // VioletCloth
    T(255, 255, 250, 222, 222, 214, 160, 160, 156), // WhiteCloth
    T(178, 140, 100, 132, 100, 68, 86, 62, 40),     // BrownCloth
    T(96, 96, 110, 58, 58, 70, 30, 30, 38),         // BlackCloth
    T(255, 246, 214, 236, 214, 160, 184, 150, 100), // Parchment
    T(252, 248, 230, 222, 212, 180, 160, 146, 112), // Bone
    T(176, 170, 160, 128, 122, 114, 82, 78, 72),    // Stone
    T(236, 248, 255, 176, 214, 236, 112, 150, 184), // Glass
    T(224, 252, 255, 150, 222, 250, 72, 150, 206),  // Ice
    T(255, 120, 130, 218, 24, 48, 124, 6, 24),      // Ruby
    T(120, 170, 255, 30, 76, 224, 12, 30, 130),     // Sapphire
    T(120, 250, 150, 24, 180, 80, 6, 100, 44),      // Emerald
    T(220, 150, 255, 150, 60, 210, 84, 24, 128),    // Amethyst
    T(255, 255, 255, 206, 232, 250, 130, 170, 210), // Diamond
    T(255, 240, 120, 250, 186, 20, 170, 100, 6),    // Topaz
    T(255, 255, 255, 236, 230, 226, 184, 174, 180), // Pearl
    T(255, 96, 96, 210, 20, 30, 126, 8, 20),        // RedLiquid
    T(110, 170, 255, 36, 92, 230, 16, 40, 140),     // BlueLiquid
    T(150, 255, 110, 60, 200, 40, 24, 118, 20),     // GreenLiquid
    T(255, 250, 130, 246, 210, 30, 170, 130, 10),   // YellowLiquid
    T(230, 130, 255, 170, 50, 220, 96, 20, 140),    // VioletLiquid
    T(255, 110, 60, 230, 50, 24, 160, 20, 10),      // FlameRed
    T(255, 196, 80, 255, 140, 20, 210, 80, 10),     // FlameOrange
    T(255, 255, 210, 255, 236, 110, 250, 196, 40),  // FlameYellow
    T(140, 220, 90, 80, 170, 50, 40, 110, 30),      // Leaf
    T(246, 200, 120, 214, 150, 70, 150, 94, 36),    // Bread
    T(255, 110, 100, 214, 40, 36, 140, 16, 20),     // Apple
    T(56, 52, 60, 36, 32, 40, 20, 18, 24),          // Black
    T(255, 255, 255, 255, 255, 255, 230, 230, 230), // White
    T(90, 70, 60, 66, 48, 40, 44, 30, 26),          // Ink
};

constexpr Colour kOutline = Rgb(30, 22, 20);

bool InPolygon(const std::vector<Point>& points, Point p)
{
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double SegmentDistance(Point a, Point b, Point p)
{
    double dx = b.x - a.x, dy = b.y - a.y;
    double length = dx * dx + dy * dy;
    double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double OvalValue(Point centre, double rx, double ry, Point p)
{
    if (rx <= 0 || ry <= 0)
        return 2;
    double u = (p.x - centre.x) / rx, v = (p.y - centre.y) / ry;
    return u * u + v * v;
}

} // namespace

Painter::Painter(int size, int inset) : m_size(size), m_inset(inset) {}

void Painter::SetFrame(double angleDegrees, double scale, Point shift)
{
    double radians = angleDegrees * std::numbers::pi / 180;
    m_cosine = std::cos(radians);
    m_sine = std::sin(radians);
    m_scale = scale;
    m_shift = shift;
}

Painter::Shape Painter::NewShape(Kind kind, Material material, std::vector<Point> points)
{
    Shape shape;
    shape.kind = kind;
    shape.material = material;
    shape.points = std::move(points);
    return shape;
}

void Painter::Add(Shape shape)
{
    shape.style = m_style;
    shape.cosine = m_cosine;
    shape.sine = m_sine;
    shape.scale = m_scale;
    shape.shift = m_shift;
    m_shapes.push_back(std::move(shape));
}

void Painter::Polygon(Material material, std::vector<Point> points)
{
    if (points.size() >= 3)
        Add(NewShape(Kind::Polygon, material, std::move(points)));
}

void Painter::Rect(Material material, double left, double top, double right, double bottom)
{
    Polygon(material, {{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

void Painter::Line(Material material, Point a, Point b, double width)
{
    // Never thinner than a pixel, so that thin parts stay joined at small sizes.
    double half = std::max(width / 2, 0.55 / PixelsPerUnit());
    Shape shape = NewShape(Kind::Line, material, {a, b});
    shape.a = half;
    Add(std::move(shape));
}

void Painter::Curve(Material material, const std::vector<Point>& points, double width)
{
    for (size_t i = 1; i < points.size(); ++i)
        Line(material, points[i - 1], points[i], width);
}

void Painter::Oval(Material material, Point centre, double radiusX, double radiusY)
{
    Shape shape = NewShape(Kind::Oval, material, {centre});
    shape.a = radiusX;
    shape.b = radiusY;
    Add(std::move(shape));
}

void Painter::Band(Material material, Point centre, double radiusX, double radiusY, double thickness)
{
    Shape shape = NewShape(Kind::Band, material, {centre});
    shape.a = radiusX;
    shape.b = radiusY;
    shape.c = std::max(thickness, 1.1 / PixelsPerUnit());
    Add(std::move(shape));
}

bool Painter::Covers(const Shape& shape, Point unit) const
{
    // Back from the unit square into the shape's frame.
    double dx = (unit.x - 0.5 - shape.shift.x) / shape.scale, dy = (unit.y - 0.5 - shape.shift.y) / shape.scale;
    Point p{0.5 + shape.cosine * dx + shape.sine * dy, 0.5 - shape.sine * dx + shape.cosine * dy};
    switch (shape.kind) {
    case Kind::Polygon:
        return InPolygon(shape.points, p);
    case Kind::Line:
        return SegmentDistance(shape.points[0], shape.points[1], p) <= shape.a;
    case Kind::Oval:
        return OvalValue(shape.points[0], shape.a, shape.b, p) <= 1;
    case Kind::Band:
        return OvalValue(shape.points[0], shape.a, shape.b, p) <= 1 &&
               OvalValue(shape.points[0], shape.a - shape.c, shape.b - shape.c, p) > 1;
    }
    return false;
}

Image Painter::Finish(Colour background, bool outline) const
{
    const int n = m_size;
    const double span = n - 2 * m_inset;
    std::vector<int> owner(static_cast<size_t>(n) * n, -1);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            Point unit{(x + 0.5 - m_inset) / span, (y + 0.5 - m_inset) / span};
            for (int k = static_cast<int>(m_shapes.size()) - 1; k >= 0; --k)
                if (Covers(m_shapes[k], unit)) {
                    owner[static_cast<size_t>(y) * n + x] = k;
                    break;
                }
        }
    auto ownerAt = [&](int x, int y) { return x < 0 || y < 0 || x >= n || y >= n ? -1 : owner[static_cast<size_t>(y) * n + x]; };

    Image image(n, n, background);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            int k = ownerAt(x, y);
            if (k < 0) {
                bool edge = ownerAt(x - 1, y) >= 0 || ownerAt(x + 1, y) >= 0 || ownerAt(x, y - 1) >= 0 ||
                            ownerAt(x, y + 1) >= 0;
                if (outline && edge)
                    image.SetPixel(x, y, kOutline);
                continue;
            }
            const Shape& shape = m_shapes[k];
            const Tones& tones = kTones[static_cast<int>(shape.material)];
            Colour colour = tones.mid;
            if (shape.style == Style::Light)
                colour = tones.light;
            else if (shape.style == Style::Dark)
                colour = tones.dark;
            else if (shape.style == Style::Shaded) {
                bool lit = ownerAt(x - 1, y) != k || ownerAt(x, y - 1) != k;
                bool shadowed = ownerAt(x + 1, y) != k || ownerAt(x, y + 1) != k;
                if (lit && !shadowed)
                    colour = tones.light;
                else if (shadowed && !lit)
                    colour = tones.dark;
            }
            image.SetPixel(x, y, colour);
        }
    return image;
}

} // namespace art
