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

Rgba ItemListIcon(double x, double y)
{
    // A ledger page with ruled rows, each row led by a coloured item mark; a sort arrow at the right.
    Rgba colour;
    constexpr double kLeft = 0.1, kTop = 0.08, kRight = 0.8, kBottom = 0.92;
    const double edge = std::min({x - kLeft, kRight - x, y - kTop, kBottom - y});
    if (edge > 0)
        colour = Shade({0.98, 0.94, 0.82, 1}, 1.05 - 0.25 * (x + y) / 2);
    else if (edge > -kOutlineWidth)
        colour = kOutline;
    constexpr Rgba kMarks[] = {{0.8, 0.2, 0.15, 1}, {0.2, 0.45, 0.85, 1}, {0.85, 0.65, 0.15, 1},
                               {0.25, 0.65, 0.3, 1}, {0.55, 0.3, 0.7, 1}};
    for (int row = 0; row < 5; ++row) {
        const double middle = 0.2 + row * 0.155;
        if (edge > 0 && std::fabs(y - (middle + 0.075)) < 0.012)
            colour = Over(colour, {0.55, 0.5, 0.45, 1}); // the rule under the row
        Stroke(colour, std::hypot(x - 0.2, y - middle), 0.045, [&](double) { return kMarks[row]; });
        const Segment text = ToSegment(x, y, 0.31, middle, 0.68 - (row % 2) * 0.1, middle);
        if (text.distance < 0.022)
            colour = Over(colour, {0.3, 0.28, 0.3, 1});
    }
    // The arrow: a shaft and a head pointing down.
    Stroke(colour, ToSegment(x, y, 0.88, 0.22, 0.88, 0.7).distance, 0.035,
           [&](double) { return Rgba{0.2, 0.35, 0.7, 1}; });
    const double head = (y - 0.62) / 0.2; // 0 at the head's base, 1 at its point
    if (head >= 0 && head <= 1 && std::fabs(x - 0.88) < 0.1 * (1 - head))
        colour = Over(colour, {0.2, 0.35, 0.7, 1});
    return colour;
}

Image ItemListHeaderBitmap()
{
    constexpr int kSide = 14;
    constexpr Colour kMask = Rgb(255, 255, 255);
    Image strip(kSide * 7, kSide, kMask);
    auto put = [&](int image, int x, int y, Colour colour) {
        if (x >= 0 && x < kSide && y >= 0 && y < kSide)
            strip.SetPixel(image * kSide + x, y, colour);
    };
    auto disc = [&](int image, double cx, double cy, double radius, Colour fill, Colour rim) {
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d <= radius)
                    put(image, x, y, d > radius - 1.1 ? rim : fill);
            }
    };
    auto line = [&](int image, int x0, int y0, int x1, int y1, Colour colour) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i)
            put(image, x0 + (x1 - x0) * i / std::max(steps, 1), y0 + (y1 - y0) * i / std::max(steps, 1), colour);
    };
    const Colour dark = Rgb(40, 40, 48);
    // 0 weight: an iron weight with a ring on top.
    disc(0, 7, 3.5, 2.6, kMask, dark);
    for (int y = 5; y < 13; ++y) {
        const int half = 2 + (y - 5) / 2;
        for (int x = 7 - half; x < 7 + half; ++x)
            put(0, x, y, x == 7 - half || x == 6 + half || y == 12 ? dark : Rgb(96, 100, 112));
    }
    // 1 price: a gold coin.
    disc(1, 7, 7, 6, Rgb(236, 190, 50), Rgb(150, 100, 10));
    line(1, 7, 4, 7, 10, Rgb(150, 100, 10));
    // 2 armour class: a shield.
    for (int y = 1; y < 13; ++y) {
        const int half = y < 8 ? 5 : 5 - (y - 7);
        for (int x = 7 - half; x < 7 + half; ++x)
            put(2, x, y, x == 7 - half || x == 6 + half || y == 1 || half <= 1 ? dark
                         : x < 7 ? Rgb(120, 150, 200) : Rgb(80, 105, 160));
    }
    // 3 to hit: a target.
    disc(3, 7, 7, 6.5, Rgb(210, 40, 40), Rgb(150, 20, 20));
    disc(3, 7, 7, 4.5, Rgb(245, 235, 220), Rgb(245, 235, 220));
    disc(3, 7, 7, 2.5, Rgb(210, 40, 40), Rgb(210, 40, 40));
    // 4 hands: an open hand.
    const Colour skin = Rgb(230, 180, 140), skinDark = Rgb(150, 100, 70);
    for (int y = 7; y < 13; ++y)
        for (int x = 3; x < 10; ++x)
            put(4, x, y, x == 3 || x == 9 || y == 12 ? skinDark : skin);
    for (int finger = 0; finger < 4; ++finger) {
        const int x = 3 + finger * 2, top = finger == 0 || finger == 3 ? 3 : 1;
        for (int y = top; y < 7; ++y) {
            put(4, x, y, skinDark);
            put(4, x + 1, y, y == top ? skinDark : skin);
        }
    }
    line(4, 10, 9, 12, 6, skinDark); // the thumb
    line(4, 10, 10, 12, 7, skinDark);
    // 5 regeneration: a heart.
    disc(5, 4.5, 5, 3.2, Rgb(220, 40, 60), Rgb(220, 40, 60));
    disc(5, 9.5, 5, 3.2, Rgb(220, 40, 60), Rgb(220, 40, 60));
    for (int y = 5; y < 13; ++y)
        for (int x = 1 + (y - 5); x < 13 - (y - 5); ++x)
            put(5, x, y, Rgb(220, 40, 60));
    line(5, 7, 3, 7, 8, Rgb(255, 200, 210));
    line(5, 5, 5, 9, 5, Rgb(255, 200, 210));
    // 6 gender: the joined signs, a circle with an arrow and a cross.
    const Colour sign = Rgb(70, 60, 150);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double d = std::hypot(x + 0.5 - 6, y + 0.5 - 6.5);
            if (d > 2.2 && d < 3.6)
                put(6, x, y, sign);
        }
    line(6, 8, 4, 12, 0, sign);
    line(6, 9, 0, 12, 0, sign);
    line(6, 12, 0, 12, 3, sign);
    line(6, 6, 10, 6, 13, sign);
    line(6, 4, 12, 8, 12, sign);
    return strip;
}

} // namespace art
