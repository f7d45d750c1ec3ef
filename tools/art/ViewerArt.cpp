// The viewers' icons and button bitmaps, drawn by code like the rest of the program's art.

#include "tools/art/ViewerArt.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

struct Segment {
    double distance; // from the point to the segment
    double along;    // 0 at its start, 1 at its end
};

Segment ToSegment(double x, double y, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0) : 0.0;
    return {std::hypot(x - (ax + t * dx), y - (ay + t * dy)), t};
}

Rgba Shade(Rgba colour, double factor)
{
    return {std::min(colour.r * factor, 1.0), std::min(colour.g * factor, 1.0), std::min(colour.b * factor, 1.0),
            colour.a};
}

constexpr Rgba kOutline{0.12, 0.11, 0.14, 1};
constexpr double kOutlineWidth = 0.035;

// A shape of the given half width around a segment: filled, with a dark outline around it.
// The fill is given the distance from the middle as a part of the half width.
template <typename Fill>
void Stroke(Rgba& colour, double distance, double halfWidth, Fill fill)
{
    if (distance < halfWidth)
        colour = Over(colour, fill(distance / halfWidth));
    else if (distance < halfWidth + kOutlineWidth)
        colour = Over(colour, kOutline);
}

// The sword, lying from the pommel at the lower left to the point at the upper right.
Rgba Sword(double x, double y)
{
    Rgba colour;
    // Blade: lit along its upper edge, tapering to the point.
    const double bladeFrom[2] = {0.28, 0.72}, bladeTo[2] = {0.9, 0.1};
    const Segment blade = ToSegment(x, y, bladeFrom[0], bladeFrom[1], bladeTo[0], bladeTo[1]);
    const double halfWidth = 0.075 * std::min(1.0, (1.0 - blade.along) / 0.18);
    const double across = (x - bladeFrom[0]) + (y - bladeFrom[1]); // > 0 below the blade's spine
    Stroke(colour, blade.distance, std::max(halfWidth, 0.0), [&](double) {
        const double light = across < 0 ? 1.0 : 0.72;
        return Rgba{0.86 * light, 0.89 * light, 0.94 * light, 1};
    });
    // Fuller: a dark groove along the middle of the blade.
    if (blade.distance < 0.012 && blade.along > 0.05 && blade.along < 0.7)
        colour = Over(colour, {0.45, 0.5, 0.58, 1});
    // Grip and pommel.
    const Segment grip = ToSegment(x, y, 0.13, 0.87, 0.26, 0.74);
    Stroke(colour, grip.distance, 0.045, [&](double) {
        const bool wrap = std::fmod(grip.along * 4.0, 1.0) < 0.5;
        return wrap ? Rgba{0.5, 0.3, 0.13, 1} : Rgba{0.38, 0.22, 0.09, 1};
    });
    Stroke(colour, std::hypot(x - 0.11, y - 0.89), 0.065,
           [&](double) { return Shade({0.95, 0.74, 0.22, 1}, x + y < 1.0 ? 1.1 : 0.8); });
    // Cross guard, across the blade.
    const Segment guard = ToSegment(x, y, 0.17, 0.59, 0.41, 0.83);
    Stroke(colour, guard.distance, 0.045,
           [&](double) { return Shade({0.95, 0.74, 0.22, 1}, across < 0 ? 1.1 : 0.78); });
    return colour;
}

} // namespace

Rgba ItemViewerIcon(double x, double y)
{
    constexpr double kLensX = 0.66, kLensY = 0.52, kLensRadius = 0.18, kRim = 0.05, kMagnify = 1.6;
    const double fromLens = std::hypot(x - kLensX, y - kLensY);

    Rgba colour;
    // The handle of the glass, behind the rim.
    const Segment handle = ToSegment(x, y, kLensX + 0.15, kLensY + 0.15, 0.92, 0.8);
    Stroke(colour, handle.distance, 0.07, [&](double) {
        return Shade({0.42, 0.24, 0.1, 1}, (x - y) > 0 ? 1.2 : 0.85);
    });
    if (fromLens < kLensRadius) {
        // Through the glass the sword is larger, and tinted.
        colour = Over(colour, Sword(kLensX + (x - kLensX) / kMagnify, kLensY + (y - kLensY) / kMagnify));
        colour = Over(colour, {0.65, 0.85, 1.0, 0.3});
        // A highlight at the upper left of the glass.
        if (std::hypot(x - (kLensX - 0.1), y - (kLensY - 0.1)) < 0.06)
            colour = Over(colour, {1, 1, 1, 0.65});
    } else {
        colour = Over(colour, Sword(x, y));
    }
    // The rim: brass, lit from the top left.
    const double ring = std::fabs(fromLens - kLensRadius - kRim / 2);
    if (ring < kRim / 2)
        colour = Over(colour, Shade({0.86, 0.66, 0.26, 1}, 1.15 - 0.5 * ((x - kLensX) + (y - kLensY) + 0.5)));
    else if (ring < kRim / 2 + kOutlineWidth)
        colour = Over(colour, kOutline);
    return colour;
}

Image HelpButtonBitmap()
{
    constexpr int kSide = 10;
    // A blue disc, its edge softened towards a light grey (any face colour suits it) and
    // nothing left of the mask colour under it.
    constexpr Colour kFace = Rgb(224, 224, 224);
    Image bitmap(kSide, kSide, kButtonMask);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    inside += std::hypot(x + (sx + 0.5) / 4 - kSide / 2.0, y + (sy + 0.5) / 4 - kSide / 2.0) <= 5.0;
            if (inside < 3)
                continue;
            const double cover = inside / 16.0;
            const double light = 1.0 - 0.35 * (x + y) / (2.0 * kSide); // lit from the top left
            auto mix = [&](int disc, int face) {
                return static_cast<int>(std::lround(disc * light * cover + face * (1 - cover)));
            };
            bitmap.SetPixel(x, y, Rgb(mix(40, RedOf(kFace)), mix(100, GreenOf(kFace)), mix(215, BlueOf(kFace))));
        }
    // The question mark, in white.
    static constexpr const char* kMark[] = {
        ".##.",
        "#..#",
        "...#",
        "..#.",
        ".#..",
        "....",
        ".#..",
    };
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 4; ++column)
            if (kMark[row][column] == '#')
                bitmap.SetPixel(3 + column, 1 + row, Rgb(255, 255, 255));
    return bitmap;
}

} // namespace art
