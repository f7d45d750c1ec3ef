// The Monster Viewer's art. The button glyphs are drawn with the item painter, so they share
// the icons' light and outline; the window icon is painted like the program's own.

#include "tools/art/MonsterArt.h"
#include "testing/art/Painter.h"

#include <cmath>

namespace art {

namespace {

constexpr Colour kMagenta = Rgb(255, 0, 255);
constexpr int kGlyphSize = 16;

// The glyphs sit in the unit square of a 16-pixel picture with a 2-pixel margin.
Image Glyph(void (*draw)(Painter&))
{
    Painter painter(kGlyphSize, 2);
    draw(painter);
    return painter.Finish(kMagenta, true);
}

void RightTriangle(Painter& p, Material m, double left, double right)
{
    p.Polygon(m, {{left, 0.05}, {right, 0.5}, {left, 0.95}});
}

void LeftTriangle(Painter& p, Material m, double left, double right)
{
    p.Polygon(m, {{right, 0.05}, {left, 0.5}, {right, 0.95}});
}

struct Tone {
    double r, g, b;
};

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

// Inside the triangle a, b, c (either winding).
bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx, double cy)
{
    auto side = [&](double px, double py, double qx, double qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
    const double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
    return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
}

IconColour Solid(Tone c, double shade = 1) { return {c.r * shade, c.g * shade, c.b * shade, 1}; }

} // namespace

Image PreviousFrameBitmap()
{
    return Glyph([](Painter& p) {
        p.Rect(Material::Sapphire, 0.05, 0.05, 0.25, 0.95);
        LeftTriangle(p, Material::Sapphire, 0.3, 0.95);
    });
}

Image NextFrameBitmap()
{
    return Glyph([](Painter& p) {
        RightTriangle(p, Material::Sapphire, 0.05, 0.7);
        p.Rect(Material::Sapphire, 0.75, 0.05, 0.95, 0.95);
    });
}

Image StopFramesBitmap()
{
    return Glyph([](Painter& p) { p.Rect(Material::Ruby, 0.1, 0.1, 0.9, 0.9); });
}

Image PlayFramesBitmap()
{
    return Glyph([](Painter& p) { RightTriangle(p, Material::Emerald, 0.15, 0.95); });
}

IconColour MonsterViewerIcon(double x, double y)
{
    const Tone horn{0.93, 0.88, 0.72}, skin{0.30, 0.62, 0.25}, dark{0.12, 0.30, 0.10}, eye{1.0, 0.85, 0.1},
        mouth{0.35, 0.05, 0.05}, tooth{1.0, 1.0, 0.95};
    const double mx = std::fabs(x - 0.5); // the head is symmetric
    IconColour colour{};
    // Horns curve up and out from the brow.
    if (InTriangle(mx, y, 0.17, 0.36, 0.33, 0.30, 0.42, 0.02))
        colour = Solid(horn, 1.0 - 0.4 * (0.36 - y));
    // Ears, then the head, shaded from the light at the top left.
    if (InTriangle(mx, y, 0.28, 0.45, 0.30, 0.62, 0.48, 0.42))
        colour = Solid(dark, 1.3);
    if (InEllipse(x, y, 0.5, 0.56, 0.30, 0.36)) {
        const double light = 1.15 - 0.55 * std::hypot(x - 0.38, y - 0.40);
        colour = Solid(skin, light);
    }
    // Brow ridge, eyes with slit pupils.
    if (mx < 0.25 && std::fabs(y - (0.43 - 0.25 * mx)) < 0.035)
        colour = Solid(dark);
    if (InEllipse(mx, y, 0.13, 0.50, 0.075, 0.05)) {
        colour = Solid(eye);
        if (std::fabs(mx - 0.13) < 0.015)
            colour = Solid(dark, 0.6);
    }
    // Nostrils.
    if (InEllipse(mx, y, 0.05, 0.63, 0.025, 0.018))
        colour = Solid(dark, 0.7);
    // A wide mouth with two fangs.
    if (InEllipse(x, y, 0.5, 0.76, 0.19, 0.08) && y > 0.73)
        colour = Solid(mouth);
    if (InTriangle(mx, y, 0.08, 0.735, 0.15, 0.735, 0.115, 0.84))
        colour = Solid(tooth);
    return colour;
}

} // namespace art
