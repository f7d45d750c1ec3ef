#include "tools/art/SaveArt.h"
#include "testing/art/Painter.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace art {

namespace {

using M = Material;
constexpr double kPi = std::numbers::pi;
constexpr Point P(double x, double y) { return {x, y}; }

std::vector<Point> Star(Point centre, double outer, double inner, int tips, double turn = -90)
{
    std::vector<Point> points;
    for (int i = 0; i < 2 * tips; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = (turn + 180.0 * i / tips) * kPi / 180;
        points.push_back(P(centre.x + r * std::cos(a), centre.y + r * std::sin(a)));
    }
    return points;
}

std::vector<Point> Arc(Point centre, double radius, double from, double to, int steps = 10)
{
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * kPi / 180;
        points.push_back(P(centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)));
    }
    return points;
}

// The drawing on a background no shape uses, then that background made the mask colour;
// drawn pixels of the mask colour itself are nudged off it.
Image OnMask(const Painter& painter, Colour mask)
{
    constexpr Colour kScratch = Rgb(1, 2, 3);
    Image image = painter.Finish(kScratch, true);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Colour pixel = image.Pixel(x, y);
            if (pixel == kScratch)
                image.SetPixel(x, y, mask);
            else if (pixel == mask)
                image.SetPixel(x, y, Rgb(RedOf(mask) ^ 4, GreenOf(mask) ^ 4, BlueOf(mask) ^ 4));
        }
    return image;
}

// ---- Schools ---------------------------------------------------------------------------------

void Flame(Painter& p)
{
    p.Polygon(M::FlameRed, {P(0.5, 0.02), P(0.78, 0.42), P(0.84, 0.7), P(0.66, 0.95), P(0.34, 0.95), P(0.16, 0.7),
                            P(0.3, 0.46), P(0.4, 0.58)});
    p.Polygon(M::FlameYellow, {P(0.52, 0.4), P(0.68, 0.68), P(0.6, 0.9), P(0.4, 0.9), P(0.34, 0.72)});
}

void Drop(Painter& p)
{
    p.Polygon(M::BlueLiquid, {P(0.5, 0.04), P(0.74, 0.5), P(0.26, 0.5)});
    p.Oval(M::BlueLiquid, P(0.5, 0.64), 0.27, 0.3);
    p.SetStyle(Style::Light);
    p.Oval(M::Glass, P(0.4, 0.62), 0.06, 0.1);
    p.SetStyle(Style::Shaded);
}

void Wind(Painter& p)
{
    p.Curve(M::Glass, {P(0.06, 0.3), P(0.5, 0.3), P(0.7, 0.22), P(0.7, 0.08), P(0.55, 0.06)}, 0.1);
    p.Curve(M::Glass, {P(0.06, 0.55), P(0.8, 0.55), P(0.94, 0.45), P(0.9, 0.32)}, 0.1);
    p.Curve(M::Glass, {P(0.16, 0.8), P(0.6, 0.8), P(0.74, 0.9)}, 0.1);
}

void Rock(Painter& p)
{
    p.Polygon(M::Stone, {P(0.05, 0.92), P(0.3, 0.3), P(0.46, 0.46), P(0.62, 0.12), P(0.95, 0.92)});
    p.SetStyle(Style::Light);
    p.Polygon(M::Stone, {P(0.62, 0.12), P(0.7, 0.34), P(0.58, 0.3)});
    p.SetStyle(Style::Shaded);
}

void Eye(Painter& p)
{
    std::vector<Point> lids;
    for (int i = 0; i <= 24; ++i) {
        const double t = (i <= 12 ? i : 24 - i) / 12.0;
        const double side = i <= 12 ? -1 : 1;
        lids.push_back(P(0.04 + 0.92 * t, 0.5 + side * 0.3 * std::sin(kPi * t)));
    }
    p.Polygon(M::Bone, lids);
    p.Oval(M::VioletCloth, P(0.5, 0.5), 0.22, 0.22);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.5, 0.5), 0.09, 0.09);
    p.SetStyle(Style::Shaded);
}

void Sun(Painter& p)
{
    p.Polygon(M::Gold, Star(P(0.5, 0.5), 0.48, 0.3, 8));
    p.Oval(M::FlameYellow, P(0.5, 0.5), 0.24, 0.24);
}

void Bolt(Painter& p)
{
    p.Polygon(M::Topaz,
              {P(0.58, 0.02), P(0.2, 0.56), P(0.46, 0.56), P(0.34, 0.98), P(0.8, 0.4), P(0.54, 0.4), P(0.72, 0.02)});
}

void Skull(Painter& p)
{
    p.Oval(M::Bone, P(0.5, 0.42), 0.36, 0.34);
    p.Rect(M::Bone, 0.32, 0.6, 0.68, 0.9);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.36, 0.46), 0.09, 0.1);
    p.Oval(M::Black, P(0.64, 0.46), 0.09, 0.1);
    p.Polygon(M::Black, {P(0.5, 0.58), P(0.56, 0.7), P(0.44, 0.7)});
    p.Line(M::Black, P(0.44, 0.8), P(0.44, 0.9), 0.04);
    p.Line(M::Black, P(0.56, 0.8), P(0.56, 0.9), 0.04);
    p.SetStyle(Style::Shaded);
}

void Leaf(Painter& p)
{
    p.Polygon(M::Leaf, {P(0.12, 0.9), P(0.14, 0.5), P(0.32, 0.24), P(0.6, 0.1), P(0.92, 0.06), P(0.86, 0.4),
                        P(0.68, 0.7), P(0.4, 0.86)});
    p.SetStyle(Style::Dark);
    p.Line(M::Leaf, P(0.14, 0.88), P(0.8, 0.16), 0.05);
    p.SetStyle(Style::Shaded);
}

void Shield(Painter& p)
{
    p.Polygon(M::Silver, {P(0.12, 0.08), P(0.88, 0.08), P(0.86, 0.5), P(0.5, 0.96), P(0.14, 0.5)});
    p.Polygon(M::BlueCloth, {P(0.24, 0.18), P(0.76, 0.18), P(0.74, 0.5), P(0.5, 0.82), P(0.26, 0.5)});
    p.Line(M::Gold, P(0.5, 0.22), P(0.5, 0.74), 0.08);
    p.Line(M::Gold, P(0.32, 0.4), P(0.68, 0.4), 0.08);
}

void Moon(Painter& p)
{
    std::vector<Point> outer = Arc(P(0.5, 0.5), 0.46, 60, 300, 16);
    std::vector<Point> inner = Arc(P(0.68, 0.44), 0.34, 285, 75, 16);
    outer.insert(outer.end(), inner.begin(), inner.end());
    p.Polygon(M::Pearl, outer);
}

void Crystal(Painter& p)
{
    for (double angle : {0.0, 60.0, 120.0}) {
        const double a = angle * kPi / 180;
        p.Line(M::Ice, P(0.5 - 0.44 * std::sin(a), 0.5 - 0.44 * std::cos(a)),
               P(0.5 + 0.44 * std::sin(a), 0.5 + 0.44 * std::cos(a)), 0.1);
    }
    p.Oval(M::Glass, P(0.5, 0.5), 0.12, 0.12);
}

void Heart(Painter& p)
{
    p.Oval(M::Ruby, P(0.32, 0.34), 0.22, 0.22);
    p.Oval(M::Ruby, P(0.68, 0.34), 0.22, 0.22);
    p.Polygon(M::Ruby, {P(0.11, 0.42), P(0.89, 0.42), P(0.5, 0.92)});
}

using Drawing = void (*)(Painter&);
constexpr Drawing kSchools[] = {Flame, Drop, Wind, Rock, Eye, Sun, Bolt, Skull, Leaf, Shield, Moon, Crystal, Heart};

// ---- Alliances -------------------------------------------------------------------------------

struct Banner {
    M field;
    M charge;
    int emblem; // 0 crown, 1 wave, 2 tower, 3 star, 4 coin, 5 mountain, 6 flame, 7 dagger
};
constexpr Banner kBanners[] = {{M::BlueCloth, M::Gold, 0},    {M::GreenCloth, M::Glass, 1}, {M::RedCloth, M::Stone, 2},
                               {M::VioletCloth, M::Topaz, 3}, {M::BrownCloth, M::Gold, 4},  {M::Ice, M::DarkIron, 5},
                               {M::Gold, M::FlameRed, 6},     {M::BlackCloth, M::Steel, 7}};

// Emblems are drawn in one light tone, to stand out at 16 pixels.
void Emblem(Painter& p, M m, int emblem)
{
    p.SetStyle(Style::Light);
    switch (emblem) {
    case 0:
        p.Polygon(
            m, {P(0.22, 0.64), P(0.22, 0.26), P(0.36, 0.44), P(0.5, 0.2), P(0.64, 0.44), P(0.78, 0.26), P(0.78, 0.64)});
        break;
    case 1:
        p.Curve(m, {P(0.2, 0.36), P(0.35, 0.26), P(0.5, 0.36), P(0.65, 0.46), P(0.8, 0.36)}, 0.12);
        p.Curve(m, {P(0.24, 0.62), P(0.38, 0.52), P(0.52, 0.62), P(0.66, 0.72), P(0.76, 0.62)}, 0.12);
        break;
    case 2:
        p.Rect(m, 0.34, 0.34, 0.66, 0.76);
        p.Rect(m, 0.26, 0.2, 0.74, 0.36);
        break;
    case 3:
        p.Polygon(m, Star(P(0.5, 0.46), 0.34, 0.15, 5));
        break;
    case 4:
        p.Oval(m, P(0.5, 0.46), 0.24, 0.24);
        break;
    case 5:
        p.Polygon(m, {P(0.16, 0.7), P(0.4, 0.22), P(0.54, 0.44), P(0.64, 0.32), P(0.84, 0.7)});
        break;
    case 6:
        p.Polygon(m, {P(0.5, 0.14), P(0.74, 0.5), P(0.64, 0.76), P(0.36, 0.76), P(0.26, 0.5)});
        break;
    default:
        p.Line(m, P(0.5, 0.2), P(0.5, 0.64), 0.12);
        p.Rect(m, 0.3, 0.6, 0.7, 0.7);
        p.Line(m, P(0.5, 0.7), P(0.5, 0.8), 0.1);
        break;
    }
    p.SetStyle(Style::Shaded);
}

Image AllianceIcon(int index, Colour mask)
{
    Painter p(16, 1);
    if (index >= static_cast<int>(std::size(kBanners))) {
        // No alliance: a plain grey disc with a bar across.
        p.Oval(M::Stone, P(0.5, 0.5), 0.42, 0.42);
        p.SetStyle(Style::Flat);
        p.Rect(M::Black, 0.22, 0.44, 0.78, 0.56);
        return OnMask(p, mask);
    }
    const Banner& banner = kBanners[index];
    p.Polygon(banner.field, {P(0.08, 0.04), P(0.92, 0.04), P(0.92, 0.5), P(0.5, 0.98), P(0.08, 0.5)});
    Emblem(p, banner.charge, banner.emblem);
    return OnMask(p, mask);
}

// ---- The window icon ---------------------------------------------------------------------------

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

} // namespace

Image SpellSchoolIcons()
{
    constexpr int kWidth = 20, kHeight = 19;
    const Colour white = Rgb(255, 255, 255);
    Image strip(kWidth * static_cast<int>(std::size(kSchools)), kHeight, white);
    for (size_t i = 0; i < std::size(kSchools); ++i) {
        Painter p(kHeight, 1);
        kSchools[i](p);
        strip.Draw(OnMask(p, white), kWidth * static_cast<int>(i) + 1, 0);
    }
    return strip;
}

Image AllianceIcons()
{
    constexpr int kSide = 16, kCount = 9;
    const Colour mask = Rgb(96, 96, 128);
    Image strip(kSide * kCount, kSide, mask);
    for (int i = 0; i < kCount; ++i)
        strip.Draw(AllianceIcon(i, mask), kSide * i, 0);
    return strip;
}

// A character sheet: a parchment page with a portrait, lines of writing and a red seal.
IconColour SaveViewerIcon(double x, double y)
{
    IconColour colour;
    // Shadow, then the page with a rolled top edge.
    if (x > 0.2 && x < 0.88 && y > 0.1 && y < 0.98)
        colour = Over(colour, {0, 0, 0, 0.25});
    if (x > 0.14 && x < 0.82 && y > 0.06 && y < 0.94) {
        const double shade = 1.0 - 0.12 * (x - 0.14) / 0.68;
        colour = Over(colour, {0.98 * shade, 0.92 * shade, 0.76 * shade, 1});
    }
    if (InEllipse(x, y, 0.48, 0.07, 0.36, 0.05))
        colour = Over(colour, {0.86, 0.74, 0.52, 1});
    const bool pageEdge = (x > 0.14 && x < 0.17 && y > 0.06 && y < 0.94) ||
                          (x > 0.79 && x < 0.82 && y > 0.06 && y < 0.94) ||
                          (y > 0.91 && y < 0.94 && x > 0.14 && x < 0.82);
    if (pageEdge)
        colour = Over(colour, {0.55, 0.42, 0.25, 1});
    // The portrait: a frame with a head and shoulders.
    if (x > 0.22 && x < 0.46 && y > 0.16 && y < 0.46)
        colour = Over(colour, {0.36, 0.46, 0.62, 1});
    if (InEllipse(x, y, 0.34, 0.27, 0.06, 0.07))
        colour = Over(colour, {0.96, 0.8, 0.62, 1});
    if (InEllipse(x, y, 0.34, 0.46, 0.1, 0.1) && y < 0.46)
        colour = Over(colour, {0.7, 0.16, 0.14, 1});
    // Lines of writing beside and below the portrait.
    for (double line : {0.2, 0.28, 0.36, 0.52, 0.6, 0.68, 0.76}) {
        const double right = line < 0.45 ? 0.74 : (line > 0.7 ? 0.56 : 0.74);
        const double left = line < 0.45 ? 0.52 : 0.22;
        if (y > line && y < line + 0.035 && x > left && x < right)
            colour = Over(colour, {0.3, 0.22, 0.16, 0.9});
    }
    // The seal at the bottom right.
    const double seal = std::hypot(x - 0.72, y - 0.8);
    if (seal < 0.14)
        colour = Over(colour, {0.72 - 0.8 * std::fmax(0, seal - 0.08), 0.08, 0.08, 1});
    if (seal < 0.06 && std::fabs(x - 0.72) < 0.02)
        colour = Over(colour, {0.95, 0.8, 0.3, 1});
    return colour;
}

} // namespace art
