// Map marks and event tree icons, drawn with the item painter in the same shaded style.

#include "tools/art/MapArt.h"
#include "testing/art/ItemArt.h"
#include "testing/art/Painter.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace art {

namespace {

using M = Material;
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr int kMark = 14;
constexpr int kIcon = 16;
constexpr int kIconCount = 42;

constexpr Point P(double x, double y) { return {x, y}; }

std::vector<Point> Star(Point c, double outer, double inner, int tips, double turn = -90)
{
    std::vector<Point> points;
    for (int i = 0; i < 2 * tips; ++i) {
        const double r = i % 2 ? inner : outer, a = (turn + 180.0 * i / tips) * std::numbers::pi / 180;
        points.push_back(P(c.x + r * std::cos(a), c.y + r * std::sin(a)));
    }
    return points;
}

// ---- Shapes shared by marks and icons, in the unit square ------------------------------------

void Chest(Painter& p)
{
    p.Rect(M::Wood, 0.06, 0.36, 0.94, 0.92);
    p.Polygon(M::Wood, {P(0.06, 0.36), P(0.14, 0.12), P(0.86, 0.12), P(0.94, 0.36)});
    p.Rect(M::Gold, 0.06, 0.34, 0.94, 0.44);
    p.Rect(M::Gold, 0.42, 0.3, 0.58, 0.6);
    p.SetStyle(Style::Dark);
    p.Rect(M::Black, 0.47, 0.44, 0.53, 0.54);
    p.SetStyle(Style::Shaded);
}

void Swirl(Painter& p)
{
    p.Band(M::Amethyst, P(0.5, 0.5), 0.46, 0.46, 0.13);
    p.Band(M::Sapphire, P(0.5, 0.5), 0.3, 0.3, 0.12);
    p.SetStyle(Style::Light);
    p.Oval(M::Ice, P(0.5, 0.5), 0.13, 0.13);
    p.SetStyle(Style::Shaded);
}

void CrossedSwords(Painter& p)
{
    p.Line(M::Steel, P(0.12, 0.12), P(0.78, 0.78), 0.13);
    p.Line(M::Steel, P(0.88, 0.12), P(0.22, 0.78), 0.13);
    p.Line(M::Gold, P(0.6, 0.84), P(0.86, 0.6), 0.1);
    p.Line(M::Gold, P(0.4, 0.84), P(0.14, 0.6), 0.1);
    p.Line(M::Leather, P(0.8, 0.8), P(0.92, 0.92), 0.12);
    p.Line(M::Leather, P(0.2, 0.8), P(0.08, 0.92), 0.12);
}

void Scroll(Painter& p)
{
    p.Rect(M::Parchment, 0.18, 0.12, 0.82, 0.88);
    p.Oval(M::Parchment, P(0.5, 0.12), 0.4, 0.09);
    p.Oval(M::Parchment, P(0.5, 0.88), 0.4, 0.09);
    p.SetStyle(Style::Flat);
    for (double y : {0.32, 0.48, 0.64})
        p.Line(M::Ink, P(0.3, y), P(0.7, y), 0.06);
    p.SetStyle(Style::Shaded);
}

void Fountain(Painter& p)
{
    p.Oval(M::Stone, P(0.5, 0.76), 0.46, 0.2);
    p.Oval(M::BlueLiquid, P(0.5, 0.72), 0.36, 0.11);
    p.Rect(M::Stone, 0.42, 0.36, 0.58, 0.72);
    p.SetStyle(Style::Light);
    p.Curve(M::BlueLiquid, {P(0.5, 0.36), P(0.5, 0.1), P(0.24, 0.26), P(0.2, 0.6)}, 0.08);
    p.Curve(M::BlueLiquid, {P(0.5, 0.1), P(0.76, 0.26), P(0.8, 0.6)}, 0.08);
    p.SetStyle(Style::Shaded);
}

void Bag(Painter& p, M material = M::Leather)
{
    p.Oval(material, P(0.5, 0.64), 0.38, 0.32);
    p.Polygon(material, {P(0.36, 0.38), P(0.64, 0.38), P(0.74, 0.12), P(0.26, 0.12)});
    p.Line(M::Rope, P(0.32, 0.36), P(0.68, 0.36), 0.08);
}

void Coins(Painter& p)
{
    Bag(p);
    p.Oval(M::Gold, P(0.28, 0.84), 0.2, 0.12);
    p.Oval(M::Gold, P(0.62, 0.86), 0.2, 0.12);
    p.Oval(M::Gold, P(0.46, 0.72), 0.18, 0.11);
}

void Key(Painter& p)
{
    p.Band(M::Gold, P(0.3, 0.3), 0.22, 0.22, 0.1);
    p.Line(M::Gold, P(0.44, 0.44), P(0.88, 0.88), 0.12);
    p.Line(M::Gold, P(0.68, 0.68), P(0.8, 0.56), 0.1);
    p.Line(M::Gold, P(0.8, 0.8), P(0.92, 0.68), 0.1);
}

void Padlock(Painter& p)
{
    p.Band(M::Steel, P(0.5, 0.38), 0.24, 0.3, 0.1);
    p.Rect(M::Gold, 0.16, 0.42, 0.84, 0.92);
    p.SetStyle(Style::Dark);
    p.Oval(M::Black, P(0.5, 0.6), 0.07, 0.07);
    p.Rect(M::Black, 0.47, 0.6, 0.53, 0.78);
    p.SetStyle(Style::Shaded);
}

void Exclamation(Painter& p)
{
    p.Oval(M::Topaz, P(0.5, 0.5), 0.46, 0.46);
    p.SetStyle(Style::Flat);
    p.Polygon(M::Black, {P(0.42, 0.18), P(0.58, 0.18), P(0.54, 0.6), P(0.46, 0.6)});
    p.Oval(M::Black, P(0.5, 0.76), 0.08, 0.08);
    p.SetStyle(Style::Shaded);
}

void Eye(Painter& p)
{
    p.Polygon(M::WhiteCloth, {P(0.04, 0.5), P(0.3, 0.24), P(0.7, 0.24), P(0.96, 0.5), P(0.7, 0.76), P(0.3, 0.76)});
    p.Oval(M::Sapphire, P(0.5, 0.5), 0.2, 0.2);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.5, 0.5), 0.09, 0.09);
    p.SetStyle(Style::Shaded);
}

void Gear(Painter& p, Point c = P(0.5, 0.5), double r = 0.46)
{
    p.Polygon(M::Steel, Star(c, r, r * 0.72, 8, -90 + 180.0 / 16));
    p.Oval(M::Steel, c, r * 0.72, r * 0.72);
    p.SetStyle(Style::Dark);
    p.Oval(M::DarkIron, c, r * 0.3, r * 0.3);
    p.SetStyle(Style::Shaded);
}

void ForkArrow(Painter& p)
{
    p.Line(M::Emerald, P(0.5, 0.92), P(0.5, 0.55), 0.14);
    p.Line(M::Emerald, P(0.5, 0.58), P(0.22, 0.26), 0.14);
    p.Line(M::Emerald, P(0.5, 0.58), P(0.78, 0.26), 0.14);
    p.Polygon(M::Emerald, {P(0.06, 0.08), P(0.36, 0.14), P(0.14, 0.36)});
    p.Polygon(M::Emerald, {P(0.94, 0.08), P(0.64, 0.14), P(0.86, 0.36)});
}

void NoEntry(Painter& p)
{
    p.Band(M::Ruby, P(0.5, 0.5), 0.46, 0.46, 0.13);
    p.Line(M::Ruby, P(0.2, 0.2), P(0.8, 0.8), 0.13);
}

void MoverArrows(Painter& p)
{
    for (int d = 0; d < 4; ++d) {
        p.SetFrame(90.0 * d);
        p.Polygon(M::GreenCloth, {P(0.5, 0.02), P(0.74, 0.3), P(0.26, 0.3)});
        p.Line(M::GreenCloth, P(0.5, 0.24), P(0.5, 0.42), 0.12);
    }
    p.SetFrame();
    p.Oval(M::LightWood, P(0.5, 0.5), 0.12, 0.12);
}

void Button(Painter& p)
{
    p.Oval(M::Stone, P(0.5, 0.5), 0.44, 0.44);
    p.Oval(M::RedCloth, P(0.5, 0.5), 0.24, 0.24);
}

void Skull(Painter& p)
{
    p.Oval(M::Bone, P(0.5, 0.42), 0.36, 0.34);
    p.Rect(M::Bone, 0.32, 0.6, 0.68, 0.86);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.36, 0.44), 0.09, 0.1);
    p.Oval(M::Black, P(0.64, 0.44), 0.09, 0.1);
    p.Line(M::Black, P(0.44, 0.78), P(0.44, 0.86), 0.04);
    p.Line(M::Black, P(0.56, 0.78), P(0.56, 0.86), 0.04);
    p.SetStyle(Style::Shaded);
}

void Portcullis(Painter& p)
{
    p.Rect(M::Stone, 0.04, 0.04, 0.96, 0.2);
    for (double x : {0.22, 0.42, 0.62, 0.82})
        p.Line(M::DarkIron, P(x - 0.04, 0.2), P(x - 0.04, 0.9), 0.08);
    for (double y : {0.42, 0.68})
        p.Line(M::DarkIron, P(0.1, y), P(0.9, y), 0.07);
}

void BrickWall(Painter& p)
{
    for (int row = 0; row < 4; ++row)
        for (int i = -1; i < 3; ++i) {
            const double left = 0.06 + 0.32 * i + (row % 2 ? 0.16 : 0), top = 0.1 + 0.2 * row;
            p.Rect(M::Copper, std::max(left, 0.06), top, std::min(left + 0.28, 0.94), top + 0.16);
        }
}

void Hourglass(Painter& p)
{
    p.Rect(M::Wood, 0.16, 0.06, 0.84, 0.16);
    p.Rect(M::Wood, 0.16, 0.84, 0.84, 0.94);
    p.Polygon(M::Glass, {P(0.24, 0.16), P(0.76, 0.16), P(0.54, 0.5), P(0.76, 0.84), P(0.24, 0.84), P(0.46, 0.5)});
    p.Polygon(M::Topaz, {P(0.32, 0.84), P(0.68, 0.84), P(0.5, 0.62)});
    p.Polygon(M::Topaz, {P(0.34, 0.24), P(0.66, 0.24), P(0.5, 0.44)});
}

void Die(Painter& p)
{
    p.Polygon(M::WhiteCloth, {P(0.5, 0.06), P(0.92, 0.28), P(0.92, 0.72), P(0.5, 0.94), P(0.08, 0.72), P(0.08, 0.28)});
    p.SetStyle(Style::Flat);
    p.Line(M::Stone, P(0.5, 0.5), P(0.5, 0.94), 0.04);
    p.Line(M::Stone, P(0.5, 0.5), P(0.08, 0.28), 0.04);
    p.Line(M::Stone, P(0.5, 0.5), P(0.92, 0.28), 0.04);
    for (Point dot : {P(0.5, 0.28), P(0.28, 0.58), P(0.72, 0.58), P(0.3, 0.74)})
        p.Oval(M::Black, dot, 0.06, 0.06);
    p.SetStyle(Style::Shaded);
}

void Shield(Painter& p)
{
    p.Polygon(M::BlueCloth, {P(0.12, 0.1), P(0.88, 0.1), P(0.86, 0.52), P(0.5, 0.94), P(0.14, 0.52)});
    p.Line(M::Gold, P(0.5, 0.14), P(0.5, 0.84), 0.1);
    p.Line(M::Gold, P(0.18, 0.38), P(0.82, 0.38), 0.1);
}

void Hand(Painter& p)
{
    p.Oval(M::Bread, P(0.46, 0.64), 0.3, 0.28);
    for (int i = 0; i < 4; ++i)
        p.Line(M::Bread, P(0.26 + 0.13 * i, 0.56), P(0.24 + 0.14 * i, 0.16 + (i == 0 || i == 3 ? 0.1 : 0)), 0.11);
    p.Line(M::Bread, P(0.7, 0.66), P(0.9, 0.44), 0.11);
}

void Lever(Painter& p)
{
    p.Rect(M::Stone, 0.1, 0.78, 0.9, 0.96);
    p.Line(M::Wood, P(0.5, 0.84), P(0.78, 0.2), 0.12);
    p.Oval(M::RedCloth, P(0.8, 0.18), 0.13, 0.13);
}

void Doorway(Painter& p)
{
    p.Polygon(M::Stone, {P(0.1, 0.94), P(0.1, 0.36), P(0.5, 0.06), P(0.9, 0.36), P(0.9, 0.94), P(0.7, 0.94),
                          P(0.7, 0.42), P(0.5, 0.28), P(0.3, 0.42), P(0.3, 0.94)});
}

void Frame(Painter& p)
{
    p.Rect(M::Gold, 0.08, 0.12, 0.92, 0.88);
    p.Rect(M::Leaf, 0.2, 0.24, 0.8, 0.76);
    p.Oval(M::FlameYellow, P(0.64, 0.4), 0.08, 0.08);
    p.Polygon(M::Stone, {P(0.2, 0.76), P(0.4, 0.5), P(0.56, 0.76)});
}

void SpeechBubble(Painter& p)
{
    p.Oval(M::WhiteCloth, P(0.5, 0.42), 0.44, 0.32);
    p.Polygon(M::WhiteCloth, {P(0.3, 0.62), P(0.5, 0.7), P(0.2, 0.92)});
    p.SetStyle(Style::Flat);
    for (double x : {0.3, 0.5, 0.7})
        p.Oval(M::Ink, P(x, 0.42), 0.06, 0.06);
    p.SetStyle(Style::Shaded);
}

void Chain(Painter& p)
{
    p.Band(M::Iron, P(0.34, 0.38), 0.26, 0.16, 0.08);
    p.Band(M::Iron, P(0.66, 0.62), 0.26, 0.16, 0.08);
}

void Grid(Painter& p)
{
    p.Rect(M::Stone, 0.08, 0.08, 0.92, 0.92);
    p.SetStyle(Style::Flat);
    for (double at : {0.36, 0.64}) {
        p.Line(M::DarkIron, P(at, 0.08), P(at, 0.92), 0.05);
        p.Line(M::DarkIron, P(0.08, at), P(0.92, at), 0.05);
    }
    p.SetStyle(Style::Shaded);
    p.Oval(M::Ruby, P(0.5, 0.5), 0.1, 0.1);
}

void Diamond(Painter& p)
{
    p.Polygon(M::Stone, {P(0.5, 0.04), P(0.96, 0.5), P(0.5, 0.96), P(0.04, 0.5)});
    p.SetStyle(Style::Flat);
    p.Curve(M::Black, {P(0.36, 0.36), P(0.42, 0.24), P(0.58, 0.24), P(0.64, 0.36), P(0.5, 0.5), P(0.5, 0.6)}, 0.08);
    p.Oval(M::Black, P(0.5, 0.75), 0.05, 0.05);
    p.SetStyle(Style::Shaded);
}

// A wall seen from above with a dotted line on it: illusion (violet) or invisible (ice blue).
void SeeThroughWall(Painter& p, M dots)
{
    p.Rect(M::Stone, 0.06, 0.3, 0.94, 0.7);
    p.SetStyle(Style::Light);
    for (double x : {0.16, 0.38, 0.6, 0.82})
        p.Oval(dots, P(x, 0.5), 0.09, 0.09);
    p.SetStyle(Style::Shaded);
}

// Small marks in a corner of an icon.
void Tick(Painter& p)
{
    p.Line(M::Emerald, P(0.58, 0.78), P(0.7, 0.9), 0.12);
    p.Line(M::Emerald, P(0.7, 0.9), P(0.94, 0.6), 0.12);
}

void Cross(Painter& p)
{
    p.Line(M::Ruby, P(0.6, 0.6), P(0.92, 0.92), 0.12);
    p.Line(M::Ruby, P(0.92, 0.6), P(0.6, 0.92), 0.12);
}

void Plus(Painter& p)
{
    p.Line(M::Emerald, P(0.6, 0.78), P(0.94, 0.78), 0.13);
    p.Line(M::Emerald, P(0.77, 0.61), P(0.77, 0.95), 0.13);
}

void Minus(Painter& p) { p.Line(M::Ruby, P(0.6, 0.8), P(0.94, 0.8), 0.14); }

// Draws a main shape smaller towards the top left, so that a mark fits beside it.
template <typename Draw>
void Smaller(Painter& p, Draw draw)
{
    p.SetFrame(0, 0.8, P(-0.1, -0.1));
    draw(p);
    p.SetFrame();
}

// ---- Marks of 14 x 14 --------------------------------------------------------------------------

// A band of dots along one side (0 north .. 3 west), kept off the last row and column so that
// it shows in the 13-pixel tiles of the Gold edition as well; drawn on black for OR-copying.
Image SideMark(int side, Colour light, Colour dark)
{
    Image image(kMark, kMark, kBlack);
    for (int along = 1; along < 12; ++along)
        for (int across = 1; across < 3; ++across) {
            const Colour colour = (along + across) % 3 == 0 ? dark : light;
            if ((along / 2) % 2 == 1 && across == 2)
                continue; // dashes
            int x = along, y = across;
            if (side == 1) {
                x = 12 - across;
                y = along;
            } else if (side == 2) {
                x = along;
                y = 12 - across;
            } else if (side == 3) {
                x = across;
                y = along;
            }
            image.SetPixel(x, y, colour);
        }
    return image;
}

// A lever on the wall of one side; lastPixel is where the tile ends (13 or 12).
Image LeverMark(int side, int lastPixel)
{
    Painter p(kMark, 1);
    // Drawn pointing north, then turned.
    p.SetFrame(90.0 * side);
    p.Rect(M::Stone, 0.2, -0.04, 0.8, 0.14);
    p.Line(M::Wood, P(0.5, 0.06), P(0.68, 0.6), 0.14);
    p.Oval(M::RedCloth, P(0.7, 0.64), 0.14, 0.14);
    Image image = p.Finish(kBlack, true);
    // Pull east and south levers back onto the tile's last pixel.
    const int shift = kMark - 1 - lastPixel;
    if (shift == 0 || (side != 1 && side != 2))
        return image;
    Image moved(kMark, kMark, kBlack);
    moved.Draw(image, side == 1 ? -shift : 0, side == 2 ? -shift : 0);
    return moved;
}

template <typename Draw>
Image Mark(Draw draw)
{
    Painter p(kMark, 1);
    draw(p);
    return p.Finish(kBlack, true);
}

// ---- Tree icons of 16 x 16 ---------------------------------------------------------------------

using IconDraw = void (*)(Painter&);

constexpr IconDraw kIcons[kIconCount] = {
    [](Painter& p) { Grid(p); },                                                  // 0 a cell
    [](Painter& p) { Chain(p); },                                                 // 1 a link
    [](Painter& p) { SeeThroughWall(p, M::Amethyst); },                           // 2 illusion wall
    [](Painter& p) { SeeThroughWall(p, M::Ice); },                                // 3 invisible wall
    [](Painter& p) { CrossedSwords(p); },                                         // 4 fight
    [](Painter& p) { Fountain(p); },                                              // 5 fountain
    [](Painter& p) { Gear(p); },                                                  // 6 manages
    [](Painter& p) { Smaller(p, [](Painter& q) { Gear(q); }); Plus(p); },         // 7 sets
    [](Painter& p) { Smaller(p, [](Painter& q) { Gear(q); }); Minus(p); },        // 8 resets
    [](Painter& p) { Coins(p); },                                                 // 9 loot
    [](Painter& p) { Padlock(p); },                                               // 10 locked door
    [](Painter& p) { Lever(p); },                                                 // 11 lever
    [](Painter& p) { MoverArrows(p); },                                           // 12 mover
    [](Painter& p) { Swirl(p); },                                                 // 13 teleporter
    [](Painter& p) { Scroll(p); },                                                // 14 text
    [](Painter& p) { Key(p); },                                                   // 15 item usage
    [](Painter& p) { Doorway(p); },                                               // 16 open passage
    [](Painter& p) { NoEntry(p); },                                               // 17 no monsters
    [](Painter& p) { Portcullis(p); },                                            // 18 portcullis
    [](Painter& p) { Diamond(p); },                                               // 19 other event
    [](Painter& p) { Eye(p); },                                                   // 20 hidden thing
    [](Painter& p) { Exclamation(p); },                                           // 21 incident
    [](Painter& p) { Skull(p); },                                                 // 22 negative effect
    [](Painter& p) { Button(p); },                                                // 23 secret button
    [](Painter& p) { BrickWall(p); },                                             // 24 wall changer
    [](Painter& p) { Frame(p); },                                                 // 25 cell display
    [](Painter& p) { ForkArrow(p); },                                             // 26 action fork
    [](Painter& p) { SpeechBubble(p); },                                          // 27 fork option
    [](Painter& p) { Smaller(p, [](Painter& q) { Key(q); }); Tick(p); },          // 28 correct code
    [](Painter& p) { Smaller(p, [](Painter& q) { Key(q); }); Cross(p); },         // 29 incorrect code
    [](Painter& p) { Shield(p); },                                                // 30 item equip
    [](Painter& p) { Smaller(p, [](Painter& q) { Shield(q); }); Tick(p); },       // 31 equipped
    [](Painter& p) { Smaller(p, [](Painter& q) { Shield(q); }); Cross(p); },      // 32 not equipped
    [](Painter& p) { Die(p); },                                                   // 33 skill test
    [](Painter& p) { Smaller(p, [](Painter& q) { Die(q); }); Tick(p); },          // 34 success
    [](Painter& p) { Smaller(p, [](Painter& q) { Die(q); }); Cross(p); },         // 35 failure
    [](Painter& p) { Hourglass(p); },                                             // 36 time check
    [](Painter& p) { Smaller(p, [](Painter& q) { Hourglass(q); }); Tick(p); },    // 37 in time
    [](Painter& p) { Smaller(p, [](Painter& q) { Hourglass(q); }); Cross(p); },   // 38 too late
    [](Painter& p) { Hand(p); },                                                  // 39 theft
    [](Painter& p) { Smaller(p, [](Painter& q) { Bag(q); }); Cross(p); },         // 40 stolen
    [](Painter& p) { Smaller(p, [](Painter& q) { Bag(q); }); Tick(p); },          // 41 not stolen
};

Image TreeIcons()
{
    Image strip(kIcon * kIconCount, kIcon, kMaskColour);
    for (int i = 0; i < kIconCount; ++i) {
        Painter p(kIcon, 1);
        kIcons[i](p);
        strip.Draw(p.Finish(kMaskColour, true), kIcon * i, 0);
    }
    return strip;
}

} // namespace

Image DrawMapBitmap(int id)
{
    const Colour violet = Rgb(200, 120, 255), violetDark = Rgb(120, 60, 190);
    const Colour ice = Rgb(150, 230, 255), iceDark = Rgb(60, 150, 210);
    switch (id) {
    case 144: return Mark(Chest);
    case 216: return Mark(Swirl);
    case 217: return Mark(CrossedSwords);
    case 218: return Mark(Scroll);
    case 219: return Mark(Fountain);
    case 220: return Mark(Coins);
    case 221: return SideMark(1, violet, violetDark); // illusion walls: east, west, north, south
    case 222: return SideMark(3, violet, violetDark);
    case 223: return SideMark(0, violet, violetDark);
    case 224: return SideMark(2, violet, violetDark);
    case 225: return Mark(Key);
    case 226: return LeverMark(0, 13); // levers: north, east, south, west
    case 227: return LeverMark(1, 13);
    case 228: return LeverMark(2, 13);
    case 229: return LeverMark(3, 13);
    case 230: return Mark(MoverArrows);
    case 231: return SideMark(0, ice, iceDark); // invisible walls: north, east, west, south
    case 232: return SideMark(1, ice, iceDark);
    case 233: return SideMark(3, ice, iceDark);
    case 234: return SideMark(2, ice, iceDark);
    case 235: return Mark(Padlock);
    case 236: return Mark(Exclamation);
    case 237: return Mark(Eye);
    case 238: return Mark([](Painter& p) { Gear(p); });
    case 239: return TreeIcons();
    case 240: return Mark(ForkArrow);
    case 241: return Mark(NoEntry);
    case 242: return LeverMark(1, 12); // Gold: east and south levers on 13-pixel tiles
    case 243: return LeverMark(2, 12);
    }
    return {};
}

} // namespace art
