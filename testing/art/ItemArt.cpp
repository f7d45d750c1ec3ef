// The item catalogue: each picture drawn from a few shaded shapes. Weapons lie on the diagonal,
// handle at the bottom left; everything else stands upright.

#include "testing/art/ItemArt.h"
#include "testing/art/Painter.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>
#include <numbers>

namespace art {

namespace {

using M = Material;
constexpr double kPi = std::numbers::pi;

constexpr Point P(double x, double y) { return {x, y}; }

void Diagonal(Painter& p) { p.SetFrame(45, 1.34); }

// Points along an elliptic arc, angles in degrees clockwise from the right, y down.
std::vector<Point> Arc(Point centre, double rx, double ry, double from, double to, int steps = 12)
{
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        double a = (from + (to - from) * i / steps) * kPi / 180;
        points.push_back(P(centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)));
    }
    return points;
}

std::vector<Point> Join(std::vector<Point> a, const std::vector<Point>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A regular star: points alternate between the outer and the inner radius.
std::vector<Point> Star(Point centre, double outer, double inner, int tips, double turn = -90)
{
    std::vector<Point> points;
    for (int i = 0; i < 2 * tips; ++i) {
        double r = i % 2 ? inner : outer;
        double a = (turn + 180.0 * i / tips) * kPi / 180;
        points.push_back(P(centre.x + r * std::cos(a), centre.y + r * std::sin(a)));
    }
    return points;
}

void Glint(Painter& p, Point at, double r)
{
    p.SetStyle(Style::Flat);
    p.Oval(M::White, at, r, r);
    p.SetStyle(Style::Shaded);
}

void FlatLine(Painter& p, Material m, Point a, Point b, double width, Style style = Style::Flat)
{
    p.SetStyle(style);
    p.Line(m, a, b, width);
    p.SetStyle(Style::Shaded);
}

// ---- Weapons -------------------------------------------------------------------------------

struct SwordLook {
    M blade = M::Steel;
    M guard = M::Gold;
    M grip = M::Leather;
    M pommel = M::Gold;
    double length = 0.6;
    double width = 0.14;
    double guardWidth = 0.34;
    double grip_ = 0.18;
    double curve = 0;   // sideways bend of the tip
    bool ringPommel = false;
};

void Sword(Painter& p, const SwordLook& s)
{
    Diagonal(p);
    const double total = s.length + 0.06 + s.grip_ + 0.09;
    const double top = (1 - total) / 2, guardY = top + s.length, half = s.width / 2;
    if (s.curve == 0) {
        p.Polygon(s.blade, {P(0.5 - half, guardY), P(0.5 - half, top + s.width), P(0.5, top),
                            P(0.5 + half, top + s.width), P(0.5 + half, guardY)});
        if (p.PixelsPerUnit() > 20 && s.width > 0.1)
            FlatLine(p, s.blade, P(0.5, top + s.width * 1.4), P(0.5, guardY - 0.03), 0.02, Style::Light);
    } else {
        std::vector<Point> back, edge;
        for (int i = 0; i <= 10; ++i) {
            double t = i / 10.0;
            double y = guardY - t * (guardY - top);
            double bend = s.curve * t * t;
            double w = half * (1 - 0.5 * t);
            back.push_back(P(0.5 - w + bend, y));
            edge.push_back(P(0.5 + w + bend, y));
        }
        back.back() = P(0.5 + s.curve + half * 0.2, top);
        p.Polygon(s.blade, Join(back, {edge.rbegin() + 1, edge.rend()}));
    }
    if (s.guardWidth > 0.2)
        p.Rect(s.guard, 0.5 - s.guardWidth / 2, guardY, 0.5 + s.guardWidth / 2, guardY + 0.06);
    else
        p.Oval(s.guard, P(0.5, guardY + 0.03), s.guardWidth / 2, 0.04);
    p.Rect(s.grip, 0.5 - 0.045, guardY + 0.06, 0.5 + 0.045, guardY + 0.06 + s.grip_);
    if (s.ringPommel)
        p.Band(s.pommel, P(0.5, guardY + 0.06 + s.grip_ + 0.05), 0.06, 0.06, 0.03);
    else
        p.Oval(s.pommel, P(0.5, guardY + 0.06 + s.grip_ + 0.04), 0.065, 0.05);
}

void Rapier(Painter& p)
{
    SwordLook s;
    s.length = 0.62;
    s.width = 0.07;
    s.guardWidth = 0.12;
    s.guard = M::Silver;
    s.pommel = M::Silver;
    s.grip = M::DarkLeather;
    Sword(p, s);
    Diagonal(p);
    p.Band(M::Silver, P(0.5, 0.73), 0.16, 0.1, 0.035); // the basket
}

void Handle(Painter& p, M m, double top, double bottom, double width)
{
    p.Line(m, P(0.5, top), P(0.5, bottom), width);
}

void Axe(Painter& p, M head, bool twoBlades, double size)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.06, 0.95, 0.09);
    for (double side : {1.0, -1.0}) {
        if (side < 0 && !twoBlades)
            break;
        const double x0 = 0.5 + side * 0.04, x1 = 0.5 + side * size, neck = 0.5 + side * size * 0.4;
        std::vector<Point> shape = {P(x0, 0.14), P(neck, 0.17)};
        for (int i = 0; i <= 12; ++i) {
            double t = i / 12.0;
            shape.push_back(P(x1 + side * 0.08 * std::sin(kPi * t), 0.0 + 0.5 * t));
        }
        shape.push_back(P(neck, 0.33));
        shape.push_back(P(x0, 0.36));
        p.Polygon(head, shape);
    }
    p.Rect(M::Iron, 0.43, 0.1, 0.57, 0.4);
}

void Mace(Painter& p, M head, M handle)
{
    Diagonal(p);
    Handle(p, handle, 0.3, 0.94, 0.09);
    p.Rect(M::Leather, 0.45, 0.72, 0.55, 0.92);
    p.Polygon(head, Star(P(0.5, 0.2), 0.2, 0.13, 6, -90));
    p.Oval(head, P(0.5, 0.2), 0.12, 0.13);
}

void MorningStar(Painter& p)
{
    Diagonal(p);
    Handle(p, M::DarkWood, 0.3, 0.94, 0.09);
    p.Polygon(M::Steel, Star(P(0.5, 0.2), 0.2, 0.1, 8, -90));
    p.Oval(M::Iron, P(0.5, 0.2), 0.12, 0.12);
}

void Flail(Painter& p)
{
    p.SetFrame();
    p.Line(M::Wood, P(0.1, 0.94), P(0.4, 0.6), 0.1);
    p.Rect(M::Iron, 0.36, 0.52, 0.48, 0.62);
    for (int i = 0; i < 3; ++i)
        p.Band(M::Iron, P(0.48 + 0.08 * i, 0.48 - 0.06 * i), 0.05, 0.04, 0.025);
    p.Polygon(M::Steel, Star(P(0.74, 0.24), 0.22, 0.11, 8));
    p.Oval(M::Iron, P(0.74, 0.24), 0.13, 0.13);
}

void Hammer(Painter& p)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.1, 0.94, 0.09);
    p.Rect(M::Iron, 0.24, 0.1, 0.6, 0.3);
    p.Polygon(M::Iron, {P(0.6, 0.14), P(0.8, 0.2), P(0.6, 0.26)});
    p.Rect(M::Leather, 0.45, 0.72, 0.55, 0.92);
}

void Club(Painter& p)
{
    Diagonal(p);
    p.Polygon(M::Wood, {P(0.45, 0.94), P(0.55, 0.94), P(0.64, 0.24), P(0.36, 0.24)});
    p.Oval(M::Wood, P(0.5, 0.22), 0.15, 0.17);
    p.SetStyle(Style::Dark);
    p.Oval(M::Wood, P(0.46, 0.28), 0.03, 0.03);
    p.Oval(M::Wood, P(0.56, 0.46), 0.025, 0.03);
    p.SetStyle(Style::Shaded);
}

void Staff(Painter& p, bool magic)
{
    Diagonal(p);
    Handle(p, magic ? M::DarkWood : M::Wood, 0.08, 0.97, 0.08);
    if (magic) {
        p.Curve(M::Gold, {P(0.5, 0.26), P(0.38, 0.16), P(0.42, 0.04)}, 0.04);
        p.Curve(M::Gold, {P(0.5, 0.26), P(0.62, 0.16), P(0.58, 0.04)}, 0.04);
        p.Oval(M::Sapphire, P(0.5, 0.13), 0.09, 0.09);
        Glint(p, P(0.47, 0.1), 0.025);
    } else {
        p.Rect(M::Iron, 0.45, 0.06, 0.55, 0.12);
        p.Rect(M::Iron, 0.45, 0.9, 0.55, 0.97);
        p.Rect(M::Leather, 0.45, 0.46, 0.55, 0.58);
    }
}

void Spear(Painter& p, M head)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.3, 0.97, 0.07);
    p.Polygon(head, {P(0.5, -0.02), P(0.585, 0.16), P(0.54, 0.32), P(0.46, 0.32), P(0.415, 0.16)});
    FlatLine(p, head, P(0.5, 0.04), P(0.5, 0.28), 0.02, Style::Dark);
    p.Rect(M::Iron, 0.45, 0.3, 0.55, 0.36);
}

void Halberd(Painter& p)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.1, 0.97, 0.07);
    p.Polygon(M::Steel, {P(0.5, 0.0), P(0.55, 0.12), P(0.45, 0.12)});
    p.Polygon(M::Steel, Join({P(0.53, 0.14), P(0.53, 0.34)}, Arc(P(0.72, 0.24), 0.12, 0.16, 90, -90, 8)));
    p.Polygon(M::Steel, {P(0.47, 0.18), P(0.3, 0.14), P(0.34, 0.22), P(0.47, 0.28)});
}

void Trident(Painter& p)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.3, 0.97, 0.07);
    p.Curve(M::Steel, {P(0.3, 0.08), P(0.32, 0.3), P(0.68, 0.3), P(0.7, 0.08)}, 0.05);
    p.Line(M::Steel, P(0.5, 0.02), P(0.5, 0.32), 0.06);
    p.Polygon(M::Steel, {P(0.3, 0.0), P(0.36, 0.1), P(0.24, 0.1)});
    p.Polygon(M::Steel, {P(0.7, 0.0), P(0.76, 0.1), P(0.64, 0.1)});
    p.Polygon(M::Steel, {P(0.5, -0.04), P(0.56, 0.08), P(0.44, 0.08)});
}

void PoleBlade(Painter& p, M blade, bool slim)
{
    Diagonal(p);
    Handle(p, slim ? M::DarkWood : M::Wood, 0.3, 0.97, 0.07);
    if (slim)
        p.Polygon(blade, {P(0.46, 0.36), P(0.45, 0.16), P(0.5, 0.04), P(0.6, -0.02), P(0.57, 0.14), P(0.56, 0.36)});
    else
        p.Polygon(blade, {P(0.45, 0.36), P(0.4, 0.12), P(0.5, -0.02), P(0.66, 0.12), P(0.62, 0.24), P(0.56, 0.36)});
    p.Rect(M::Gold, 0.43, 0.34, 0.57, 0.39);
}

void Scythe(Painter& p)
{
    p.SetFrame();
    p.Curve(M::Wood, {P(0.56, 0.97), P(0.6, 0.6), P(0.66, 0.3), P(0.74, 0.08)}, 0.075);
    p.Line(M::Wood, P(0.6, 0.56), P(0.44, 0.52), 0.06);
    p.Polygon(M::Steel, {P(0.76, 0.06), P(0.5, 0.02), P(0.26, 0.08), P(0.04, 0.3), P(0.24, 0.18), P(0.48, 0.14),
                         P(0.74, 0.18)});
}

void Sickle(Painter& p)
{
    p.SetFrame(-20);
    p.Rect(M::Wood, 0.44, 0.62, 0.56, 0.96);
    p.Rect(M::Iron, 0.43, 0.58, 0.57, 0.64);
    p.Polygon(M::Steel, Join(Arc(P(0.4, 0.38), 0.34, 0.34, 90, -60, 12), Arc(P(0.34, 0.36), 0.24, 0.24, -70, 75, 12)));
}

void Bow(Painter& p, bool long_)
{
    p.SetFrame(long_ ? 20 : 15);
    double top = long_ ? 0.02 : 0.1, bottom = long_ ? 0.98 : 0.9, bulge = long_ ? 0.66 : 0.64;
    FlatLine(p, M::WhiteCloth, P(0.34, top + 0.02), P(0.34, bottom - 0.02), 0.015, Style::Dark);
    if (long_) {
        p.Curve(M::Wood, {P(0.34, top), P(0.52, 0.18), P(bulge, 0.5), P(0.52, 0.82), P(0.34, bottom)}, 0.08);
    } else {
        p.Curve(M::DarkWood, {P(0.3, top), P(0.38, 0.16), P(0.54, 0.26), P(bulge, 0.5), P(0.54, 0.74), P(0.38, 0.84),
                              P(0.3, bottom)},
                0.08);
    }
    p.Rect(M::Leather, bulge - 0.06, 0.43, bulge + 0.06, 0.57);
}

void Crossbow(Painter& p)
{
    Diagonal(p);
    p.Rect(M::Wood, 0.44, 0.22, 0.56, 0.96);
    p.Curve(M::Iron, {P(0.12, 0.42), P(0.3, 0.26), P(0.5, 0.22), P(0.7, 0.26), P(0.88, 0.42)}, 0.07);
    FlatLine(p, M::WhiteCloth, P(0.12, 0.42), P(0.5, 0.52), 0.015, Style::Dark);
    FlatLine(p, M::WhiteCloth, P(0.88, 0.42), P(0.5, 0.52), 0.015, Style::Dark);
    p.Line(M::Steel, P(0.5, 0.1), P(0.5, 0.5), 0.04);
    p.Rect(M::Iron, 0.42, 0.6, 0.58, 0.66);
}

void Arrow(Painter& p, double dx, double top, double bottom, M head, M feathers, double width)
{
    p.Line(M::LightWood, P(0.5 + dx, top + 0.08), P(0.5 + dx, bottom), width);
    p.Polygon(head, {P(0.5 + dx, top), P(0.5 + dx + 0.07, top + 0.14), P(0.5 + dx - 0.07, top + 0.14)});
    p.Polygon(feathers, {P(0.5 + dx, bottom - 0.2), P(0.5 + dx + 0.07, bottom - 0.12), P(0.5 + dx + 0.07, bottom),
                         P(0.5 + dx, bottom - 0.06), P(0.5 + dx - 0.07, bottom), P(0.5 + dx - 0.07, bottom - 0.12)});
}

void Arrows(Painter& p)
{
    Diagonal(p);
    Arrow(p, -0.13, 0.08, 0.94, M::Steel, M::RedCloth, 0.035);
    Arrow(p, 0.13, 0.08, 0.94, M::Steel, M::RedCloth, 0.035);
    Arrow(p, 0, 0.02, 0.98, M::Steel, M::WhiteCloth, 0.035);
}

void Quarrels(Painter& p)
{
    Diagonal(p);
    Arrow(p, -0.1, 0.14, 0.86, M::Iron, M::Leather, 0.06);
    Arrow(p, 0.1, 0.1, 0.82, M::Iron, M::Leather, 0.06);
}

void Sling(Painter& p)
{
    p.SetFrame();
    p.Curve(M::Leather, {P(0.2, 0.06), P(0.26, 0.4), P(0.4, 0.68)}, 0.05);
    p.Curve(M::Leather, {P(0.84, 0.1), P(0.78, 0.42), P(0.62, 0.68)}, 0.05);
    p.Polygon(M::DarkLeather, Join({P(0.34, 0.64), P(0.68, 0.64)}, Arc(P(0.51, 0.66), 0.18, 0.2, 0, 180, 8)));
    p.Oval(M::Stone, P(0.51, 0.6), 0.12, 0.1);
    p.Band(M::Leather, P(0.2, 0.06), 0.05, 0.05, 0.025);
}

void Shuriken(Painter& p)
{
    p.SetFrame(20);
    p.Polygon(M::Steel, Star(P(0.5, 0.5), 0.47, 0.13, 4));
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.5, 0.5), 0.06, 0.06);
    p.SetStyle(Style::Shaded);
}

void Whip(Painter& p)
{
    p.SetFrame();
    p.Curve(M::Leather, {P(0.3, 0.6), P(0.24, 0.36), P(0.4, 0.12), P(0.72, 0.1), P(0.86, 0.3), P(0.78, 0.52),
                         P(0.56, 0.56), P(0.5, 0.44)},
            0.045);
    p.Line(M::DarkLeather, P(0.16, 0.94), P(0.3, 0.6), 0.1);
    p.Rect(M::Gold, 0.2, 0.6, 0.36, 0.66);
}

void Wand(Painter& p, M tip)
{
    Diagonal(p);
    Handle(p, M::DarkWood, 0.2, 0.94, 0.06);
    p.Rect(M::Gold, 0.45, 0.18, 0.55, 0.24);
    p.Polygon(tip, Star(P(0.5, 0.11), 0.12, 0.05, 4, -90));
    Glint(p, P(0.5, 0.11), 0.025);
}

void Rod(Painter& p)
{
    Diagonal(p);
    Handle(p, M::Silver, 0.16, 0.94, 0.09);
    p.Oval(M::Silver, P(0.5, 0.13), 0.1, 0.1);
    p.Oval(M::Ruby, P(0.5, 0.13), 0.06, 0.06);
    p.Rect(M::Gold, 0.43, 0.3, 0.57, 0.35);
    p.Rect(M::Gold, 0.43, 0.78, 0.57, 0.83);
}

// ---- Armour --------------------------------------------------------------------------------

std::vector<Point> HeaterShape(double m)
{
    return Join({P(0.1 + m, 0.05 + m), P(0.9 - m, 0.05 + m), P(0.9 - m, 0.45)},
                Join(Arc(P(0.5, 0.45), 0.4 - m, 0.5 - m * 1.2, 0, 90, 8), Arc(P(0.5, 0.45), 0.4 - m, 0.5 - m * 1.2, 90, 180, 8)));
}

void HeaterShield(Painter& p, M face, M rim, int emblem)
{
    p.SetFrame();
    p.Polygon(rim, HeaterShape(0));
    p.Polygon(face, HeaterShape(0.07));
    if (emblem == 1) { // a cross
        p.Rect(M::Gold, 0.44, 0.16, 0.56, 0.8);
        p.Rect(M::Gold, 0.22, 0.3, 0.78, 0.42);
    } else if (emblem == 2) { // a beast's head
        p.Polygon(M::Gold, {P(0.5, 0.22), P(0.66, 0.3), P(0.62, 0.56), P(0.5, 0.7), P(0.38, 0.56), P(0.34, 0.3)});
        p.SetStyle(Style::Flat);
        p.Oval(M::Black, P(0.44, 0.42), 0.03, 0.03);
        p.Oval(M::Black, P(0.56, 0.42), 0.03, 0.03);
        p.SetStyle(Style::Shaded);
    } else if (emblem == 3) { // a chevron
        p.Polygon(M::WhiteCloth, {P(0.16, 0.5), P(0.5, 0.24), P(0.84, 0.5), P(0.84, 0.64), P(0.5, 0.38), P(0.16, 0.64)});
    }
}

void RoundShield(Painter& p, M face, double radius, bool spiked)
{
    p.SetFrame();
    p.Oval(face, P(0.5, 0.5), radius, radius);
    p.Band(M::Iron, P(0.5, 0.5), radius, radius, 0.06);
    if (radius > 0.4) {
        for (int i = 0; i < 8; ++i) {
            double a = i * kPi / 4;
            p.SetStyle(Style::Light);
            p.Oval(M::Steel, P(0.5 + 0.36 * std::cos(a), 0.5 + 0.36 * std::sin(a)), 0.025, 0.025);
            p.SetStyle(Style::Shaded);
        }
    }
    if (spiked)
        p.Polygon(M::Steel, Star(P(0.5, 0.5), 0.2, 0.09, 6));
    p.Oval(M::Steel, P(0.5, 0.5), 0.12, 0.12);
}

void TowerShield(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Iron, Join(Arc(P(0.5, 0.2), 0.36, 0.18, 180, 360, 8), {P(0.86, 0.9), P(0.5, 0.98), P(0.14, 0.9)}));
    p.Polygon(M::BlueCloth, Join(Arc(P(0.5, 0.22), 0.29, 0.13, 180, 360, 8), {P(0.79, 0.86), P(0.5, 0.92), P(0.21, 0.86)}));
    p.Rect(M::Iron, 0.44, 0.12, 0.56, 0.9);
    p.Oval(M::Steel, P(0.5, 0.5), 0.1, 0.1);
}

void KiteShield(Painter& p)
{
    p.SetFrame();
    std::vector<Point> outer = Join(Arc(P(0.5, 0.28), 0.36, 0.24, 180, 360, 8), {P(0.5, 0.98)});
    std::vector<Point> inner = Join(Arc(P(0.5, 0.29), 0.29, 0.18, 180, 360, 8), {P(0.5, 0.88)});
    p.Polygon(M::Silver, outer);
    p.Polygon(M::GreenCloth, inner);
    p.Rect(M::Gold, 0.46, 0.14, 0.54, 0.78);
}

std::vector<Point> Torso(double waist)
{
    return {P(0.2, 0.08), P(0.38, 0.04), P(0.5, 0.16), P(0.62, 0.04), P(0.8, 0.08), P(0.95, 0.34), P(0.8, 0.42),
            P(0.5 + waist, 0.94), P(0.5 - waist, 0.94), P(0.2, 0.42), P(0.05, 0.34)};
}

void BodyArmour(Painter& p, M m, int pattern)
{
    p.SetFrame();
    p.Polygon(m, Torso(0.27));
    p.SetStyle(Style::Dark);
    if (pattern == 1) { // rings
        double step = std::max(0.1, 2.2 / p.PixelsPerUnit());
        for (double y = 0.22; y < 0.9; y += step)
            for (double x = 0.28 + (static_cast<int>((y - 0.22) / step) % 2) * step / 2; x < 0.74; x += step)
                p.Oval(m, P(x, y), 0.5 / p.PixelsPerUnit() + 0.005, 0.5 / p.PixelsPerUnit() + 0.005);
    } else if (pattern == 2) { // scales
        for (double y = 0.3; y < 0.9; y += 0.14)
            p.Curve(m, {P(0.26, y), P(0.38, y + 0.05), P(0.5, y), P(0.62, y + 0.05), P(0.74, y)}, 0.02);
    }
    p.SetStyle(Style::Shaded);
    if (pattern == 3) { // plate: breast ridge, shoulders and a belt
        FlatLine(p, m, P(0.5, 0.22), P(0.5, 0.8), 0.03, Style::Light);
        p.Oval(m, P(0.18, 0.22), 0.16, 0.12);
        p.Oval(m, P(0.82, 0.22), 0.16, 0.12);
        p.Rect(M::Leather, 0.24, 0.72, 0.76, 0.8);
        p.Rect(M::Gold, 0.45, 0.71, 0.55, 0.81);
    }
    if (pattern == 0) { // leather: laces
        for (double y = 0.3; y < 0.7; y += 0.12)
            FlatLine(p, M::DarkLeather, P(0.44, y), P(0.56, y + 0.06), 0.025);
        p.Rect(M::DarkLeather, 0.24, 0.8, 0.76, 0.86);
    }
}

void Robe(Painter& p, M cloth, M trim)
{
    p.SetFrame();
    p.Polygon(cloth, {P(0.32, 0.04), P(0.5, 0.14), P(0.68, 0.04), P(0.8, 0.1), P(0.98, 0.5), P(0.84, 0.56),
                      P(0.74, 0.36), P(0.88, 0.96), P(0.12, 0.96), P(0.26, 0.36), P(0.16, 0.56), P(0.02, 0.5),
                      P(0.2, 0.1)});
    p.Line(trim, P(0.5, 0.16), P(0.5, 0.94), 0.05);
    p.Rect(M::Rope, 0.26, 0.44, 0.74, 0.5);
}

void Cloak(Painter& p, M cloth)
{
    p.SetFrame();
    p.Polygon(cloth, Join({P(0.34, 0.2), P(0.66, 0.2)}, {P(0.92, 0.96), P(0.08, 0.96)}));
    p.Oval(cloth, P(0.5, 0.2), 0.2, 0.17);
    p.SetStyle(Style::Dark);
    p.Oval(cloth, P(0.5, 0.23), 0.11, 0.11);
    p.Line(cloth, P(0.38, 0.5), P(0.3, 0.92), 0.02);
    p.Line(cloth, P(0.62, 0.5), P(0.7, 0.92), 0.02);
    p.SetStyle(Style::Shaded);
    p.Oval(M::Gold, P(0.5, 0.4), 0.06, 0.06);
}

void Jerkin(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::BrownCloth, Torso(0.24));
    p.Rect(M::Leather, 0.22, 0.56, 0.78, 0.64);
    p.Rect(M::Bronze, 0.45, 0.55, 0.55, 0.65);
    for (double y = 0.24; y < 0.52; y += 0.1)
        FlatLine(p, M::Bronze, P(0.5, y), P(0.5, y), 0.03, Style::Light);
}

std::vector<Point> Dome(double top, double brim, double half)
{
    return Join(Arc(P(0.5, brim), half, brim - top, 180, 360, 12), {});
}

void Helm(Painter& p, int kind)
{
    p.SetFrame();
    switch (kind) {
    case 0: // leather cap
        p.Polygon(M::Leather, Dome(0.16, 0.66, 0.36));
        p.Rect(M::DarkLeather, 0.1, 0.62, 0.9, 0.74);
        FlatLine(p, M::DarkLeather, P(0.5, 0.2), P(0.5, 0.62), 0.03);
        break;
    case 1: // open iron helm with a nasal
        p.Polygon(M::Iron, Dome(0.1, 0.62, 0.36));
        p.Rect(M::Steel, 0.12, 0.56, 0.88, 0.66);
        p.Rect(M::Steel, 0.45, 0.56, 0.55, 0.88);
        p.Line(M::Steel, P(0.5, 0.12), P(0.5, 0.56), 0.05);
        break;
    case 2: // great helm
        p.Polygon(M::Steel, Join(Arc(P(0.5, 0.3), 0.34, 0.24, 180, 360, 10), {P(0.84, 0.92), P(0.16, 0.92)}));
        p.SetStyle(Style::Flat);
        p.Rect(M::Black, 0.2, 0.42, 0.8, 0.49);
        for (double y = 0.62; y < 0.85; y += 0.1) {
            p.Oval(M::Black, P(0.62, y), 0.025, 0.025);
            p.Oval(M::Black, P(0.72, y), 0.025, 0.025);
        }
        p.SetStyle(Style::Shaded);
        p.Rect(M::Gold, 0.46, 0.08, 0.54, 0.42);
        break;
    case 3: // horned
        p.Polygon(M::Bone, {P(0.18, 0.5), P(0.02, 0.3), P(0.04, 0.04), P(0.1, 0.28), P(0.28, 0.38)});
        p.Polygon(M::Bone, {P(0.82, 0.5), P(0.98, 0.3), P(0.96, 0.04), P(0.9, 0.28), P(0.72, 0.38)});
        p.Polygon(M::Iron, Dome(0.2, 0.7, 0.34));
        p.Rect(M::Bronze, 0.14, 0.64, 0.86, 0.76);
        p.Rect(M::Bronze, 0.45, 0.22, 0.55, 0.66);
        break;
    case 4: // hood
        p.Polygon(M::BrownCloth, Join(Arc(P(0.5, 0.48), 0.38, 0.42, 180, 360, 12), {P(0.94, 0.96), P(0.06, 0.96)}));
        p.SetStyle(Style::Flat);
        p.Oval(M::Black, P(0.5, 0.56), 0.22, 0.26);
        p.SetStyle(Style::Shaded);
        break;
    }
}

void Crown(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Gold, {P(0.08, 0.78), P(0.08, 0.26), P(0.26, 0.5), P(0.36, 0.18), P(0.5, 0.46), P(0.64, 0.18),
                        P(0.74, 0.5), P(0.92, 0.26), P(0.92, 0.78)});
    p.Rect(M::Gold, 0.08, 0.62, 0.92, 0.82);
    p.Oval(M::Ruby, P(0.5, 0.72), 0.07, 0.06);
    p.Oval(M::Sapphire, P(0.26, 0.72), 0.05, 0.05);
    p.Oval(M::Emerald, P(0.74, 0.72), 0.05, 0.05);
    for (double x : {0.08, 0.36, 0.64, 0.92})
        p.Oval(M::Pearl, P(x, x == 0.08 || x == 0.92 ? 0.24 : 0.16), 0.04, 0.04);
}

void WizardHat(Painter& p)
{
    p.SetFrame();
    p.Oval(M::VioletCloth, P(0.5, 0.82), 0.46, 0.12);
    p.Polygon(M::VioletCloth, {P(0.24, 0.8), P(0.56, 0.2), P(0.84, 0.02), P(0.66, 0.28), P(0.76, 0.8)});
    p.Rect(M::Gold, 0.26, 0.68, 0.74, 0.76);
    p.Polygon(M::Gold, Star(P(0.52, 0.5), 0.1, 0.04, 5));
}

void Hand(Painter& p, M m, M cuff)
{
    p.SetFrame();
    for (int i = 0; i < 4; ++i) {
        double x = 0.34 + 0.12 * i;
        p.Line(m, P(x, 0.48), P(x, 0.1 + (i == 0 || i == 3 ? 0.08 : 0)), 0.11);
    }
    p.Line(m, P(0.36, 0.62), P(0.12, 0.4), 0.12);
    p.Polygon(m, {P(0.28, 0.4), P(0.76, 0.4), P(0.74, 0.74), P(0.3, 0.74)});
    p.Rect(cuff, 0.24, 0.7, 0.78, 0.96);
    if (m == M::Steel)
        for (int i = 0; i < 4; ++i)
            p.Oval(M::Iron, P(0.34 + 0.12 * i, 0.44), 0.05, 0.04);
}

void Bracers(Painter& p)
{
    p.SetFrame();
    for (double x : {0.3, 0.7}) {
        p.Polygon(M::Leather, {P(x - 0.16, 0.08), P(x + 0.16, 0.08), P(x + 0.13, 0.92), P(x - 0.13, 0.92)});
        p.Rect(M::Bronze, x - 0.16, 0.24, x + 0.16, 0.3);
        p.Rect(M::Bronze, x - 0.14, 0.68, x + 0.14, 0.74);
    }
}

void Boot(Painter& p, M m, M sole)
{
    p.SetFrame();
    p.Polygon(m, {P(0.2, 0.1), P(0.56, 0.1), P(0.58, 0.56), P(0.86, 0.7), P(0.92, 0.86), P(0.2, 0.86)});
    p.Rect(sole, 0.18, 0.84, 0.94, 0.94);
    p.Rect(m == M::Steel ? M::Iron : M::DarkLeather, 0.18, 0.06, 0.58, 0.18);
    if (m == M::Steel)
        p.Oval(M::Iron, P(0.38, 0.52), 0.1, 0.08);
}

void Sandals(Painter& p)
{
    p.SetFrame(-15);
    for (double x : {0.3, 0.7}) {
        p.Oval(M::Leather, P(x, 0.52), 0.15, 0.4);
        p.SetStyle(Style::Dark);
        p.Line(M::DarkLeather, P(x - 0.14, 0.3), P(x + 0.14, 0.3), 0.05);
        p.Line(M::DarkLeather, P(x - 0.14, 0.56), P(x + 0.14, 0.56), 0.05);
        p.SetStyle(Style::Shaded);
    }
}

void Belt(Painter& p)
{
    p.SetFrame(-20);
    p.Band(M::Leather, P(0.5, 0.52), 0.44, 0.26, 0.13);
    p.Rect(M::Gold, 0.36, 0.62, 0.64, 0.86);
    p.Rect(M::DarkLeather, 0.42, 0.68, 0.58, 0.8);
    p.Line(M::Gold, P(0.5, 0.68), P(0.5, 0.8), 0.04);
}

void Leggings(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::BrownCloth, {P(0.2, 0.06), P(0.8, 0.06), P(0.86, 0.94), P(0.58, 0.94), P(0.5, 0.36), P(0.42, 0.94),
                              P(0.14, 0.94)});
    p.Rect(M::Leather, 0.2, 0.06, 0.8, 0.14);
}

// ---- Potions, books and provisions ------------------------------------------------------------

// A disc cut off above the given level.
std::vector<Point> DiscBelow(Point c, double r, double level)
{
    double a = std::asin(std::clamp((level - c.y) / r, -1.0, 1.0)) * 180 / kPi;
    return Arc(c, r, r, a, 180 - a, 16);
}

void Potion(Painter& p, M liquid, int shape)
{
    p.SetFrame();
    if (shape == 0) { // round flask
        p.Rect(M::Glass, 0.4, 0.14, 0.6, 0.42);
        p.Oval(M::Glass, P(0.5, 0.64), 0.32, 0.32);
        if (liquid != M::Glass)
            p.Polygon(liquid, DiscBelow(P(0.5, 0.64), 0.27, 0.54));
        p.Rect(M::Glass, 0.36, 0.12, 0.64, 0.18);
        p.Rect(M::Wood, 0.41, 0.02, 0.59, 0.13);
        Glint(p, P(0.38, 0.5), 0.05);
    } else if (shape == 1) { // tall vial
        p.Polygon(M::Glass, Join({P(0.34, 0.22), P(0.66, 0.22)}, Arc(P(0.5, 0.78), 0.16, 0.16, 0, 180, 8)));
        if (liquid != M::Glass)
            p.Polygon(liquid, Join({P(0.38, 0.44), P(0.62, 0.44)}, Arc(P(0.5, 0.78), 0.12, 0.12, 0, 180, 8)));
        p.Rect(M::Glass, 0.3, 0.18, 0.7, 0.24);
        p.Rect(M::Bronze, 0.37, 0.06, 0.63, 0.19);
        FlatLine(p, M::White, P(0.4, 0.3), P(0.4, 0.6), 0.03);
    } else { // square bottle
        p.Rect(M::Glass, 0.42, 0.1, 0.58, 0.32);
        p.Polygon(M::Glass, {P(0.42, 0.3), P(0.58, 0.3), P(0.82, 0.42), P(0.82, 0.94), P(0.18, 0.94), P(0.18, 0.42)});
        if (liquid != M::Glass)
            p.Rect(liquid, 0.23, 0.56, 0.77, 0.89);
        p.Rect(M::DarkWood, 0.4, 0.02, 0.6, 0.12);
        FlatLine(p, M::White, P(0.26, 0.46), P(0.26, 0.8), 0.035);
    }
}

void Scroll(Painter& p, bool sealed)
{
    p.SetFrame(45, 1.2);
    p.Rect(M::Parchment, 0.34, 0.14, 0.66, 0.86);
    p.Oval(M::Parchment, P(0.5, 0.86), 0.16, 0.06);
    p.SetStyle(Style::Light);
    p.Oval(M::Parchment, P(0.5, 0.14), 0.16, 0.06);
    p.SetStyle(Style::Dark);
    p.Oval(M::Parchment, P(0.5, 0.14), 0.06, 0.025);
    p.SetStyle(Style::Shaded);
    p.Rect(sealed ? M::BlueCloth : M::RedCloth, 0.34, 0.44, 0.66, 0.52);
    if (sealed)
        p.Oval(M::RedLiquid, P(0.66, 0.48), 0.08, 0.08);
}

void OpenScroll(Painter& p, M ink)
{
    p.SetFrame();
    p.Rect(M::Parchment, 0.16, 0.12, 0.84, 0.88);
    p.Line(M::Parchment, P(0.1, 0.12), P(0.9, 0.12), 0.12);
    p.Line(M::Parchment, P(0.1, 0.88), P(0.9, 0.88), 0.12);
    double lengths[] = {0.48, 0.4, 0.46, 0.3};
    for (int i = 0; i < 4; ++i)
        FlatLine(p, ink, P(0.26, 0.3 + 0.14 * i), P(0.26 + lengths[i], 0.3 + 0.14 * i), 0.035);
}

void Book(Painter& p, M cover, bool big)
{
    p.SetFrame();
    double l = big ? 0.1 : 0.16, r = big ? 0.84 : 0.78, t = big ? 0.06 : 0.1, b = big ? 0.88 : 0.86;
    p.Polygon(M::Parchment, {P(l + 0.06, b - 0.04), P(r, t + 0.02), P(r + 0.08, t + 0.08), P(r + 0.08, b + 0.02),
                             P(l + 0.08, b + 0.08)});
    p.Rect(cover, l, t, r, b);
    p.Rect(cover == M::BlackCloth ? M::DarkIron : M::DarkLeather, l, t, l + 0.1, b);
    if (big) {
        for (Point c : {P(r - 0.06, t + 0.06), P(r - 0.06, b - 0.06)})
            p.Rect(M::Gold, c.x - 0.06, c.y - 0.06, c.x + 0.06, c.y + 0.06);
        p.Rect(M::Gold, r - 0.04, 0.42, r + 0.08, 0.52);
    }
    p.Polygon(M::Gold, Star(P((l + r) / 2 + 0.05, (t + b) / 2), 0.16, 0.07, 5));
}

void Herbs(Painter& p)
{
    p.SetFrame();
    p.Curve(M::Leaf, {P(0.5, 0.96), P(0.48, 0.6), P(0.36, 0.2)}, 0.03);
    p.Curve(M::Leaf, {P(0.5, 0.96), P(0.54, 0.56), P(0.72, 0.24)}, 0.03);
    const struct { Point at; double turn; } leaves[] = {
        {P(0.32, 0.24), -30}, {P(0.7, 0.26), 35}, {P(0.4, 0.5), -55}, {P(0.64, 0.56), 55}, {P(0.5, 0.16), 0}};
    for (const auto& leaf : leaves) {
        p.SetFrame(leaf.turn, 1, P(leaf.at.x - 0.5, leaf.at.y - 0.5));
        p.Oval(M::Leaf, P(0.5, 0.5), 0.09, 0.18);
    }
    p.SetFrame();
    p.Rect(M::Rope, 0.42, 0.72, 0.58, 0.8);
}

void Bread(Painter& p)
{
    p.SetFrame(-15);
    p.Oval(M::Bread, P(0.5, 0.56), 0.44, 0.28);
    for (double x : {0.32, 0.5, 0.68})
        FlatLine(p, M::Bread, P(x - 0.05, 0.48), P(x + 0.05, 0.38), 0.04, Style::Light);
}

void Apple(Painter& p)
{
    p.SetFrame();
    p.Oval(M::Apple, P(0.38, 0.6), 0.26, 0.3);
    p.Oval(M::Apple, P(0.62, 0.6), 0.26, 0.3);
    p.Line(M::DarkWood, P(0.5, 0.34), P(0.54, 0.12), 0.05);
    p.SetFrame(50, 1, P(0.16, -0.3));
    p.Oval(M::Leaf, P(0.5, 0.5), 0.07, 0.15);
    p.SetFrame();
    Glint(p, P(0.34, 0.48), 0.05);
}

void Mushroom(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Bone, {P(0.38, 0.5), P(0.62, 0.5), P(0.66, 0.94), P(0.34, 0.94)});
    p.Polygon(M::RedCloth, Join(Arc(P(0.5, 0.52), 0.46, 0.42, 180, 360, 14), {}));
    p.SetStyle(Style::Flat);
    for (Point c : {P(0.3, 0.36), P(0.52, 0.24), P(0.7, 0.4)})
        p.Oval(M::White, c, 0.06, 0.05);
    p.SetStyle(Style::Shaded);
}

void WaterSkin(Painter& p)
{
    p.SetFrame();
    p.Curve(M::DarkLeather, {P(0.36, 0.26), P(0.12, 0.1), P(0.08, 0.4)}, 0.04);
    p.Oval(M::Leather, P(0.5, 0.62), 0.36, 0.32);
    p.Polygon(M::Leather, {P(0.36, 0.36), P(0.42, 0.16), P(0.58, 0.16), P(0.64, 0.36)});
    p.Rect(M::Wood, 0.42, 0.06, 0.58, 0.18);
    FlatLine(p, M::DarkLeather, P(0.2, 0.6), P(0.8, 0.6), 0.025);
}

void Flame(Painter& p, Point base, double size)
{
    p.Polygon(M::FlameRed, Join(Arc(P(base.x, base.y - size * 0.4), size * 0.4, size * 0.4, 0, 180, 8),
                                {P(base.x - size * 0.3, base.y - size), P(base.x, base.y - size * 1.4),
                                 P(base.x + size * 0.1, base.y - size * 0.9), P(base.x + size * 0.36, base.y - size * 1.1)}));
    p.Oval(M::FlameOrange, P(base.x, base.y - size * 0.42), size * 0.28, size * 0.36);
    p.Oval(M::FlameYellow, P(base.x, base.y - size * 0.36), size * 0.14, size * 0.22);
}

void Torch(Painter& p)
{
    p.SetFrame(25);
    p.Polygon(M::Wood, {P(0.44, 0.46), P(0.58, 0.46), P(0.54, 0.98), P(0.48, 0.98)});
    p.Rect(M::BrownCloth, 0.4, 0.4, 0.62, 0.54);
    Flame(p, P(0.51, 0.46), 0.34);
}

void Lantern(Painter& p)
{
    p.SetFrame();
    p.Band(M::Iron, P(0.5, 0.1), 0.1, 0.08, 0.04);
    p.Polygon(M::Iron, {P(0.3, 0.28), P(0.5, 0.14), P(0.7, 0.28)});
    p.Rect(M::Glass, 0.3, 0.28, 0.7, 0.82);
    Flame(p, P(0.5, 0.74), 0.3);
    p.Rect(M::Iron, 0.28, 0.26, 0.72, 0.32);
    p.Rect(M::Iron, 0.26, 0.8, 0.74, 0.9);
    p.Rect(M::Iron, 0.29, 0.3, 0.33, 0.82);
    p.Rect(M::Iron, 0.67, 0.3, 0.71, 0.82);
}

// ---- Jewels and treasure ---------------------------------------------------------------------

void Ring(Painter& p, M band, M gem)
{
    p.SetFrame();
    p.Band(band, P(0.5, 0.62), 0.34, 0.28, 0.1);
    if (gem != band) {
        p.Oval(band, P(0.5, 0.32), 0.17, 0.12);
        p.Oval(gem, P(0.5, 0.28), 0.12, 0.1);
        Glint(p, P(0.46, 0.25), 0.03);
    }
}

void Amulet(Painter& p, M chain, M setting, M gem, bool disc)
{
    p.SetFrame();
    p.Curve(chain, Arc(P(0.5, 0.36), 0.3, 0.32, 190, 350, 10), 0.035);
    p.Curve(chain, {P(0.2, 0.4), P(0.44, 0.6)}, 0.035);
    p.Curve(chain, {P(0.8, 0.4), P(0.56, 0.6)}, 0.035);
    if (disc) {
        p.Oval(setting, P(0.5, 0.74), 0.22, 0.22);
        p.Band(setting, P(0.5, 0.74), 0.16, 0.16, 0.03);
        p.SetStyle(Style::Light);
        p.Polygon(setting, Star(P(0.5, 0.74), 0.11, 0.05, 6));
        p.SetStyle(Style::Shaded);
    } else {
        p.Polygon(setting, Join({P(0.5, 0.54)}, Arc(P(0.5, 0.74), 0.18, 0.2, -30, 210, 10)));
        p.Oval(gem, P(0.5, 0.76), 0.1, 0.12);
        Glint(p, P(0.47, 0.72), 0.03);
    }
}

void Necklace(Painter& p)
{
    p.SetFrame();
    std::vector<Point> beads = Arc(P(0.5, 0.36), 0.38, 0.5, 10, 170, 12);
    for (const Point& c : beads)
        p.Oval(M::Pearl, c, 0.055, 0.055);
    p.Oval(M::Ruby, P(0.5, 0.9), 0.08, 0.08);
}

void Bracelet(Painter& p)
{
    p.SetFrame();
    p.Band(M::Silver, P(0.5, 0.52), 0.42, 0.3, 0.12);
    for (double x : {0.3, 0.5, 0.7})
        p.Oval(x == 0.5 ? M::Sapphire : M::Ruby, P(x, 0.8 - (x == 0.5 ? 0 : 0.04)), 0.05, 0.04);
}

void Bag(Painter& p, M cloth, bool coins)
{
    p.SetFrame();
    p.Polygon(cloth, Join({P(0.36, 0.32), P(0.64, 0.32)}, Arc(P(0.5, 0.64), 0.4, 0.32, -20, 200, 12)));
    p.Polygon(cloth, {P(0.38, 0.3), P(0.24, 0.08), P(0.4, 0.16), P(0.5, 0.06), P(0.6, 0.16), P(0.76, 0.08), P(0.62, 0.3)});
    p.Rect(M::Rope, 0.34, 0.26, 0.66, 0.34);
    if (coins)
        p.Polygon(M::Gold, Star(P(0.5, 0.64), 0.14, 0.06, 4, -45)); // a sign on the sack
    else
        p.Rect(M::DarkLeather, 0.24, 0.5, 0.76, 0.62); // a pocket flap
}

enum class Cut { Brilliant, Step, Round };

void Gem(Painter& p, M m, Cut cut)
{
    p.SetFrame();
    if (cut == Cut::Brilliant) {
        p.SetStyle(Style::Light);
        p.Polygon(m, {P(0.3, 0.16), P(0.7, 0.16), P(0.94, 0.4), P(0.06, 0.4)});
        p.SetStyle(Style::Shaded);
        p.Polygon(m, {P(0.06, 0.4), P(0.94, 0.4), P(0.5, 0.94)});
        FlatLine(p, m, P(0.32, 0.4), P(0.5, 0.92), 0.02, Style::Dark);
        FlatLine(p, m, P(0.68, 0.4), P(0.5, 0.92), 0.02, Style::Dark);
        FlatLine(p, m, P(0.3, 0.16), P(0.36, 0.4), 0.02, Style::Flat);
    } else if (cut == Cut::Step) {
        p.Polygon(m, {P(0.26, 0.12), P(0.74, 0.12), P(0.88, 0.26), P(0.88, 0.74), P(0.74, 0.88), P(0.26, 0.88),
                      P(0.12, 0.74), P(0.12, 0.26)});
        p.SetStyle(Style::Light);
        p.Rect(m, 0.3, 0.3, 0.7, 0.7);
        p.SetStyle(Style::Shaded);
        p.Rect(m, 0.34, 0.34, 0.66, 0.66);
    } else {
        p.Oval(m, P(0.5, 0.5), 0.4, 0.4);
        p.SetStyle(Style::Light);
        p.Polygon(m, Star(P(0.5, 0.5), 0.24, 0.18, 4, -45));
        p.SetStyle(Style::Shaded);
    }
    Glint(p, P(0.36, 0.28), 0.04);
}

void Pearl(Painter& p, M m)
{
    p.SetFrame();
    p.Oval(m, P(0.5, 0.52), 0.36, 0.36);
    p.SetStyle(Style::Light);
    p.Oval(m, P(0.42, 0.42), 0.16, 0.16);
    p.SetStyle(Style::Shaded);
    Glint(p, P(0.38, 0.36), 0.05);
}

void Key(Painter& p, M m)
{
    Diagonal(p);
    p.Band(m, P(0.5, 0.2), 0.17, 0.17, 0.07);
    p.Line(m, P(0.5, 0.36), P(0.5, 0.92), 0.08);
    p.Rect(m, 0.5, 0.74, 0.68, 0.8);
    p.Rect(m, 0.5, 0.84, 0.64, 0.93);
    p.Rect(m, 0.43, 0.4, 0.57, 0.45);
}

void Lockpicks(Painter& p)
{
    p.SetFrame();
    const double turns[] = {-18, 0, 18};
    for (double turn : turns) {
        p.SetFrame(turn);
        p.Line(M::Steel, P(0.5, 0.1), P(0.5, 0.6), 0.035);
        p.Line(M::Steel, P(0.5, 0.1), P(0.58, 0.06), 0.035);
    }
    p.SetFrame();
    p.Rect(M::DarkLeather, 0.3, 0.56, 0.7, 0.94);
    p.Rect(M::Leather, 0.3, 0.66, 0.7, 0.72);
}

void Rope(Painter& p)
{
    p.SetFrame();
    p.Band(M::Rope, P(0.5, 0.62), 0.42, 0.3, 0.12);
    p.Band(M::Rope, P(0.5, 0.5), 0.36, 0.26, 0.12);
    p.Band(M::Rope, P(0.5, 0.4), 0.3, 0.22, 0.12);
    p.Curve(M::Rope, {P(0.8, 0.42), P(0.9, 0.2), P(0.8, 0.06)}, 0.08);
}

void Coins(Painter& p, M m)
{
    p.SetFrame();
    for (int i = 0; i < 4; ++i) {
        double y = 0.84 - 0.1 * i, x = 0.38 + (i % 2) * 0.03;
        p.SetStyle(Style::Dark);
        p.Oval(m, P(x, y + 0.04), 0.3, 0.1);
        p.SetStyle(Style::Shaded);
        p.Oval(m, P(x, y), 0.3, 0.1);
    }
    p.Oval(m, P(0.7, 0.4), 0.22, 0.22);
    p.SetStyle(Style::Dark);
    p.Band(m, P(0.7, 0.4), 0.15, 0.15, 0.025);
    p.SetStyle(Style::Shaded);
}

void Chest(Painter& p, M wood, M bands)
{
    p.SetFrame();
    p.Rect(wood, 0.06, 0.44, 0.94, 0.9);
    p.Polygon(wood, Join(Arc(P(0.5, 0.44), 0.44, 0.3, 180, 360, 12), {}));
    p.SetStyle(Style::Dark);
    p.Rect(wood, 0.06, 0.42, 0.94, 0.46);
    p.SetStyle(Style::Shaded);
    for (double x : {0.2, 0.8}) {
        p.Rect(bands, x - 0.05, 0.44, x + 0.05, 0.9);
        p.Line(bands, P(x, 0.44), P(x, 0.2), 0.1);
    }
    p.Rect(M::Gold, 0.42, 0.4, 0.58, 0.58);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.5, 0.47), 0.025, 0.03);
    p.SetStyle(Style::Shaded);
}

void Horn(Painter& p)
{
    p.SetFrame();
    std::vector<Point> outer, inner;
    for (int i = 0; i <= 14; ++i) {
        double t = i / 14.0;
        double a = (150 + 210 * t) * kPi / 180;
        double w = 0.025 + 0.17 * t * t;
        Point c = P(0.5 + 0.32 * std::cos(a), 0.58 + 0.3 * std::sin(a));
        outer.push_back(P(c.x + w * std::cos(a), c.y + w * std::sin(a)));
        inner.push_back(P(c.x - w * std::cos(a), c.y - w * std::sin(a)));
    }
    p.Curve(M::Leather, {P(0.24, 0.72), P(0.5, 0.92), P(0.8, 0.7)}, 0.035);
    p.Polygon(M::Bone, Join(outer, {inner.rbegin(), inner.rend()}));
    p.Line(M::Gold, outer.back(), inner.back(), 0.07);
    p.SetStyle(Style::Dark);
    p.Line(M::Bone, P(0.5, 0.38), P(0.56, 0.2), 0.03);
    p.SetStyle(Style::Shaded);
    p.Oval(M::Gold, outer.front(), 0.05, 0.05);
}

void Lute(Painter& p)
{
    p.SetFrame(35, 1.12);
    p.Rect(M::DarkWood, 0.455, 0.12, 0.545, 0.5);
    p.Polygon(M::DarkWood, {P(0.44, 0.14), P(0.56, 0.14), P(0.62, 0.0), P(0.46, 0.0)});
    p.Oval(M::Wood, P(0.5, 0.7), 0.27, 0.28);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.5, 0.62), 0.07, 0.07);
    p.SetStyle(Style::Shaded);
    p.Rect(M::DarkWood, 0.4, 0.84, 0.6, 0.88);
    FlatLine(p, M::Parchment, P(0.48, 0.06), P(0.48, 0.86), 0.01, Style::Light);
    FlatLine(p, M::Parchment, P(0.52, 0.06), P(0.52, 0.86), 0.01, Style::Light);
}

void Bell(Painter& p)
{
    p.SetFrame(-10);
    p.Band(M::Iron, P(0.5, 0.12), 0.08, 0.08, 0.035);
    p.Oval(M::Iron, P(0.5, 0.86), 0.09, 0.08);
    p.Polygon(M::Bronze, Join(Arc(P(0.5, 0.36), 0.2, 0.16, 180, 360, 8), {P(0.72, 0.62), P(0.88, 0.82), P(0.12, 0.82), P(0.28, 0.62)}));
    p.SetStyle(Style::Light);
    p.Rect(M::Bronze, 0.2, 0.72, 0.8, 0.76);
    p.SetStyle(Style::Shaded);
}

void Hourglass(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Glass, {P(0.24, 0.14), P(0.76, 0.14), P(0.54, 0.5), P(0.76, 0.86), P(0.24, 0.86), P(0.46, 0.5)});
    p.Polygon(M::LightWood, {P(0.4, 0.36), P(0.6, 0.36), P(0.52, 0.5), P(0.48, 0.5)});
    p.Polygon(M::LightWood, {P(0.5, 0.66), P(0.7, 0.84), P(0.3, 0.84)});
    p.Line(M::LightWood, P(0.5, 0.5), P(0.5, 0.7), 0.02);
    p.Rect(M::DarkWood, 0.14, 0.06, 0.86, 0.14);
    p.Rect(M::DarkWood, 0.14, 0.86, 0.86, 0.94);
    p.Rect(M::DarkWood, 0.16, 0.12, 0.21, 0.88);
    p.Rect(M::DarkWood, 0.79, 0.12, 0.84, 0.88);
}

void Skull(Painter& p)
{
    p.SetFrame();
    p.Rect(M::Bone, 0.32, 0.58, 0.68, 0.86);
    p.Oval(M::Bone, P(0.5, 0.42), 0.38, 0.34);
    p.SetStyle(Style::Flat);
    p.Oval(M::Black, P(0.35, 0.48), 0.1, 0.09);
    p.Oval(M::Black, P(0.65, 0.48), 0.1, 0.09);
    p.Polygon(M::Black, {P(0.5, 0.58), P(0.55, 0.68), P(0.45, 0.68)});
    for (double x : {0.4, 0.5, 0.6})
        p.Line(M::Ink, P(x, 0.76), P(x, 0.86), 0.02);
    p.SetStyle(Style::Shaded);
}

void Bone(Painter& p)
{
    Diagonal(p);
    p.Line(M::Bone, P(0.5, 0.22), P(0.5, 0.78), 0.12);
    for (double y : {0.16, 0.84})
        for (double x : {0.43, 0.57})
            p.Oval(M::Bone, P(x, y), 0.08, 0.08);
}

void Feather(Painter& p)
{
    p.SetFrame(35);
    p.Oval(M::WhiteCloth, P(0.5, 0.42), 0.16, 0.4);
    p.SetStyle(Style::Dark);
    p.Polygon(M::WhiteCloth, {P(0.34, 0.4), P(0.44, 0.44), P(0.34, 0.5)});
    p.SetStyle(Style::Shaded);
    FlatLine(p, M::Stone, P(0.5, 0.08), P(0.5, 0.98), 0.025);
}

void Ankh(Painter& p)
{
    p.SetFrame();
    p.Band(M::Gold, P(0.5, 0.25), 0.17, 0.21, 0.08);
    p.Rect(M::Gold, 0.16, 0.44, 0.84, 0.54);
    p.Polygon(M::Gold, {P(0.44, 0.48), P(0.56, 0.48), P(0.62, 0.95), P(0.38, 0.95)});
}

void Idol(Painter& p, M m)
{
    p.SetFrame();
    p.Rect(M::Stone, 0.26, 0.84, 0.74, 0.96);
    p.Polygon(m, {P(0.38, 0.36), P(0.62, 0.36), P(0.72, 0.86), P(0.28, 0.86)});
    p.Line(m, P(0.36, 0.42), P(0.22, 0.62), 0.08);
    p.Line(m, P(0.64, 0.42), P(0.78, 0.62), 0.08);
    p.Oval(m, P(0.5, 0.22), 0.15, 0.16);
    p.SetStyle(Style::Dark);
    p.Oval(m, P(0.45, 0.2), 0.025, 0.025);
    p.Oval(m, P(0.55, 0.2), 0.025, 0.025);
    p.SetStyle(Style::Shaded);
}

void Map(Painter& p)
{
    p.SetFrame(-8);
    p.Polygon(M::Parchment, {P(0.06, 0.14), P(0.36, 0.2), P(0.64, 0.12), P(0.94, 0.18), P(0.94, 0.86), P(0.64, 0.8),
                             P(0.36, 0.88), P(0.06, 0.82)});
    p.SetStyle(Style::Dark);
    p.Line(M::Parchment, P(0.36, 0.22), P(0.36, 0.86), 0.015);
    p.Line(M::Parchment, P(0.64, 0.14), P(0.64, 0.78), 0.015);
    p.SetStyle(Style::Flat);
    for (double t = 0; t < 1; t += 0.2)
        p.Oval(M::Ink, P(0.16 + 0.5 * t, 0.7 - 0.3 * t + 0.08 * std::sin(t * 6)), 0.022, 0.022);
    p.Line(M::RedLiquid, P(0.68, 0.3), P(0.82, 0.44), 0.04);
    p.Line(M::RedLiquid, P(0.82, 0.3), P(0.68, 0.44), 0.04);
    p.SetStyle(Style::Shaded);
}

void Compass(Painter& p)
{
    p.SetFrame();
    p.Oval(M::Bronze, P(0.5, 0.52), 0.42, 0.42);
    p.Oval(M::Parchment, P(0.5, 0.52), 0.32, 0.32);
    p.SetStyle(Style::Flat);
    p.Polygon(M::RedLiquid, {P(0.5, 0.24), P(0.57, 0.52), P(0.43, 0.52)});
    p.Polygon(M::Iron, {P(0.5, 0.8), P(0.57, 0.52), P(0.43, 0.52)});
    p.SetStyle(Style::Shaded);
    p.Band(M::Bronze, P(0.5, 0.08), 0.07, 0.06, 0.03);
}

void Pick(Painter& p)
{
    Diagonal(p);
    Handle(p, M::Wood, 0.14, 0.96, 0.09);
    p.Polygon(M::Iron, Join(Arc(P(0.5, 0.5), 0.44, 0.4, 195, 345, 12), Arc(P(0.5, 0.56), 0.36, 0.38, 330, 210, 12)));
}

void CrystalBall(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Gold, {P(0.3, 0.74), P(0.7, 0.74), P(0.82, 0.94), P(0.18, 0.94)});
    p.Oval(M::Ice, P(0.5, 0.44), 0.36, 0.36);
    p.SetStyle(Style::Flat);
    p.Curve(M::VioletLiquid, Arc(P(0.52, 0.46), 0.16, 0.12, 0, 300, 10), 0.04);
    p.SetStyle(Style::Shaded);
    Glint(p, P(0.36, 0.3), 0.06);
}

void RuneStone(Painter& p)
{
    p.SetFrame(-10);
    p.Polygon(M::Stone, {P(0.3, 0.1), P(0.72, 0.08), P(0.86, 0.4), P(0.78, 0.92), P(0.24, 0.94), P(0.14, 0.5)});
    p.SetStyle(Style::Flat);
    p.Line(M::BlueLiquid, P(0.48, 0.24), P(0.48, 0.8), 0.05);
    p.Line(M::BlueLiquid, P(0.48, 0.3), P(0.66, 0.46), 0.05);
    p.Line(M::BlueLiquid, P(0.66, 0.46), P(0.48, 0.6), 0.05);
    p.SetStyle(Style::Shaded);
}

void Flag(Painter& p, M cloth)
{
    p.SetFrame();
    p.Line(M::DarkWood, P(0.22, 0.06), P(0.22, 0.96), 0.07);
    p.Polygon(cloth, {P(0.25, 0.08), P(0.86, 0.16), P(0.7, 0.32), P(0.9, 0.48), P(0.25, 0.52)});
    p.Oval(M::Gold, P(0.22, 0.06), 0.06, 0.06);
}

void StarMark(Painter& p, M m)
{
    p.SetFrame();
    p.Polygon(m, Star(P(0.5, 0.54), 0.48, 0.2, 5));
}

void CrossMark(Painter& p, M m)
{
    p.SetFrame();
    p.Line(m, P(0.16, 0.16), P(0.84, 0.84), 0.2);
    p.Line(m, P(0.84, 0.16), P(0.16, 0.84), 0.2);
}

void Candle(Painter& p)
{
    p.SetFrame();
    p.Oval(M::Bronze, P(0.5, 0.88), 0.34, 0.08);
    p.Rect(M::WhiteCloth, 0.38, 0.4, 0.62, 0.88);
    p.Oval(M::WhiteCloth, P(0.5, 0.4), 0.12, 0.04);
    Flame(p, P(0.5, 0.38), 0.22);
}

void Dice(Painter& p)
{
    p.SetFrame(-12);
    p.Rect(M::Bone, 0.16, 0.22, 0.72, 0.78);
    p.SetStyle(Style::Flat);
    for (Point c : {P(0.28, 0.34), P(0.44, 0.5), P(0.6, 0.66), P(0.6, 0.34), P(0.28, 0.66)})
        p.Oval(M::Black, c, 0.045, 0.045);
    p.SetStyle(Style::Shaded);
    p.SetFrame(20, 0.6, P(0.22, 0.22));
    p.Rect(M::RedCloth, 0.16, 0.22, 0.72, 0.78);
}

void Chalice(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::Gold, Join({P(0.16, 0.1), P(0.84, 0.1)}, Arc(P(0.5, 0.24), 0.34, 0.26, 0, 180, 10)));
    p.Rect(M::Gold, 0.45, 0.48, 0.55, 0.82);
    p.Oval(M::Gold, P(0.5, 0.86), 0.26, 0.08);
    p.Oval(M::Ruby, P(0.5, 0.3), 0.06, 0.06);
    p.SetStyle(Style::Dark);
    p.Oval(M::Gold, P(0.5, 0.1), 0.34, 0.05);
    p.SetStyle(Style::Shaded);
}

void Mirror(Painter& p)
{
    p.SetFrame(-20);
    p.Line(M::Silver, P(0.5, 0.66), P(0.5, 0.96), 0.1);
    p.Oval(M::Silver, P(0.5, 0.38), 0.3, 0.34);
    p.Oval(M::Glass, P(0.5, 0.38), 0.22, 0.26);
    FlatLine(p, M::White, P(0.4, 0.28), P(0.5, 0.2), 0.04);
}

void Flute(Painter& p)
{
    Diagonal(p);
    p.Line(M::LightWood, P(0.5, 0.04), P(0.5, 0.96), 0.1);
    p.SetStyle(Style::Flat);
    for (double y = 0.3; y < 0.8; y += 0.1)
        p.Oval(M::Black, P(0.5, y), 0.025, 0.025);
    p.SetStyle(Style::Shaded);
    p.Rect(M::Gold, 0.44, 0.12, 0.56, 0.16);
}

void Cheese(Painter& p)
{
    p.SetFrame();
    p.Polygon(M::YellowLiquid, {P(0.08, 0.46), P(0.92, 0.24), P(0.92, 0.76), P(0.08, 0.84)});
    p.SetStyle(Style::Light);
    p.Polygon(M::YellowLiquid, {P(0.08, 0.46), P(0.92, 0.24), P(0.92, 0.34), P(0.08, 0.54)});
    p.SetStyle(Style::Dark);
    p.Oval(M::YellowLiquid, P(0.4, 0.66), 0.06, 0.05);
    p.Oval(M::YellowLiquid, P(0.7, 0.56), 0.05, 0.05);
    p.SetStyle(Style::Shaded);
}

void Egg(Painter& p, M m)
{
    p.SetFrame();
    p.Oval(m, P(0.5, 0.56), 0.3, 0.38);
    p.SetStyle(Style::Dark);
    for (Point c : {P(0.4, 0.5), P(0.6, 0.66), P(0.52, 0.36)})
        p.Oval(m, c, 0.04, 0.035);
    p.SetStyle(Style::Shaded);
    Glint(p, P(0.4, 0.36), 0.05);
}

void Shard(Painter& p, M m)
{
    p.SetFrame(10);
    p.Polygon(m, {P(0.5, 0.02), P(0.7, 0.3), P(0.64, 0.94), P(0.36, 0.94), P(0.3, 0.3)});
    p.SetStyle(Style::Light);
    p.Polygon(m, {P(0.5, 0.02), P(0.5, 0.94), P(0.36, 0.94), P(0.3, 0.3)});
    p.SetStyle(Style::Shaded);
    p.SetFrame(-25, 0.6, P(0.2, 0.16));
    p.Polygon(m, {P(0.5, 0.02), P(0.7, 0.3), P(0.64, 0.94), P(0.36, 0.94), P(0.3, 0.3)});
}

void Nothing(Painter& p)
{
    p.SetFrame();
    p.Band(M::RedCloth, P(0.5, 0.5), 0.44, 0.44, 0.12);
    p.SetFrame(45);
    p.Rect(M::RedCloth, 0.44, 0.1, 0.56, 0.9);
}

void Question(Painter& p)
{
    p.SetFrame();
    p.Curve(M::Gold, Join(Arc(P(0.5, 0.32), 0.22, 0.2, 180, 400, 10), {P(0.5, 0.58)}), 0.12);
    p.Oval(M::Gold, P(0.5, 0.82), 0.08, 0.08);
}

// ---- The catalogue ---------------------------------------------------------------------------

struct Entry {
    const char* name;
    void (*draw)(Painter&);
};

SwordLook Look(double length, double width, M blade = M::Steel, M guard = M::Gold)
{
    SwordLook s;
    s.length = length;
    s.width = width;
    s.blade = blade;
    s.guard = guard;
    s.pommel = guard;
    return s;
}

// The order is fixed: items refer to their picture by its number here.
const Entry kEntries[] = {
    {"Dagger", [](Painter& p) { SwordLook s = Look(0.4, 0.16, M::Steel, M::Bronze); s.grip_ = 0.16; s.guardWidth = 0.28; Sword(p, s); }},
    {"Short Sword", [](Painter& p) { Sword(p, Look(0.5, 0.14, M::Steel, M::Iron)); }},
    {"Long Sword", [](Painter& p) { Sword(p, Look(0.6, 0.14)); }},
    {"Broadsword", [](Painter& p) { SwordLook s = Look(0.58, 0.2, M::Steel, M::Bronze); s.guardWidth = 0.4; Sword(p, s); }},
    {"Bastard Sword", [](Painter& p) { SwordLook s = Look(0.6, 0.15, M::Silver, M::Iron); s.grip_ = 0.2; s.guardWidth = 0.42; s.grip = M::DarkLeather; Sword(p, s); }},
    {"Scimitar", [](Painter& p) { SwordLook s = Look(0.58, 0.16, M::Steel, M::Gold); s.curve = 0.16; Sword(p, s); }},
    {"Katana", [](Painter& p) { SwordLook s = Look(0.6, 0.1, M::Silver, M::DarkIron); s.curve = 0.07; s.guardWidth = 0.16; s.grip = M::BlackCloth; s.pommel = M::DarkIron; Sword(p, s); }},
    {"Rapier", Rapier},
    {"Flame Sword", [](Painter& p) { SwordLook s = Look(0.6, 0.15, M::FlameOrange, M::DarkIron); s.grip = M::RedCloth; Sword(p, s); }},
    {"Frost Brand", [](Painter& p) { SwordLook s = Look(0.6, 0.15, M::Ice, M::Silver); s.grip = M::BlueCloth; Sword(p, s); }},
    {"Great Axe", [](Painter& p) { Axe(p, M::Steel, true, 0.3); }},
    {"Hand Axe", [](Painter& p) { Axe(p, M::Iron, false, 0.24); }},
    {"Battle Axe", [](Painter& p) { Axe(p, M::Steel, false, 0.34); }},
    {"Mace", [](Painter& p) { Mace(p, M::Iron, M::Wood); }},
    {"War Hammer", Hammer},
    {"Morning Star", MorningStar},
    {"Quarterstaff", [](Painter& p) { Staff(p, false); }},
    {"Flail", Flail},
    {"Club", Club},
    {"Magic Staff", [](Painter& p) { Staff(p, true); }},
    {"Spear", [](Painter& p) { Spear(p, M::Steel); }},
    {"Short Bow", [](Painter& p) { Bow(p, false); }},
    {"Long Bow", [](Painter& p) { Bow(p, true); }},
    {"Crossbow", Crossbow},
    {"Arrows", Arrows},
    {"Quarrels", Quarrels},
    {"Sling", Sling},
    {"Shuriken", Shuriken},
    {"Throwing Knife", [](Painter& p) { SwordLook s = Look(0.48, 0.13, M::Silver, M::DarkIron); s.guardWidth = 0.12; s.grip = M::BlackCloth; s.ringPommel = true; s.pommel = M::DarkIron; Sword(p, s); }},
    {"Whip", Whip},
    {"Wand", [](Painter& p) { Wand(p, M::FlameYellow); }},
    {"Rod", Rod},
    {"Halberd", Halberd},
    {"Trident", Trident},
    {"Glaive", [](Painter& p) { PoleBlade(p, M::Steel, false); }},
    {"Scythe", Scythe},
    {"Holy Mace", [](Painter& p) { Mace(p, M::Gold, M::WhiteCloth); }},
    {"Naginata", [](Painter& p) { PoleBlade(p, M::Silver, true); }},
    {"Ruby", [](Painter& p) { Gem(p, M::Ruby, Cut::Brilliant); }},
    {"Sickle", Sickle},
    {"Buckler", [](Painter& p) { RoundShield(p, M::Wood, 0.36, false); }},
    {"Round Shield", [](Painter& p) { RoundShield(p, M::RedCloth, 0.46, false); }},
    {"Heater Shield", [](Painter& p) { HeaterShield(p, M::BlueCloth, M::Iron, 1); }},
    {"Tower Shield", TowerShield},
    {"Kite Shield", KiteShield},
    {"Leather Cuirass", [](Painter& p) { BodyArmour(p, M::Leather, 0); }},
    {"Chain Mail", [](Painter& p) { BodyArmour(p, M::Iron, 1); }},
    {"Scale Mail", [](Painter& p) { BodyArmour(p, M::Bronze, 2); }},
    {"Plate Armour", [](Painter& p) { BodyArmour(p, M::Steel, 3); }},
    {"Robe", [](Painter& p) { Robe(p, M::BlueCloth, M::Gold); }},
    {"Cloak", [](Painter& p) { Cloak(p, M::BrownCloth); }},
    {"Jerkin", Jerkin},
    {"Leather Cap", [](Painter& p) { Helm(p, 0); }},
    {"Iron Helm", [](Painter& p) { Helm(p, 1); }},
    {"Great Helm", [](Painter& p) { Helm(p, 2); }},
    {"Horned Helm", [](Painter& p) { Helm(p, 3); }},
    {"Crown", Crown},
    {"Wizard Hat", WizardHat},
    {"Leather Gloves", [](Painter& p) { Hand(p, M::Leather, M::DarkLeather); }},
    {"Gauntlets", [](Painter& p) { Hand(p, M::Steel, M::Iron); }},
    {"Bracers", Bracers},
    {"Sandals", Sandals},
    {"Leather Boots", [](Painter& p) { Boot(p, M::Leather, M::DarkLeather); }},
    {"Iron Boots", [](Painter& p) { Boot(p, M::Steel, M::DarkIron); }},
    {"Belt", Belt},
    {"Leggings", Leggings},
    {"Mithril Mail", [](Painter& p) { BodyArmour(p, M::Silver, 1); }},
    {"Elven Cloak", [](Painter& p) { Cloak(p, M::GreenCloth); }},
    {"Dragon Shield", [](Painter& p) { HeaterShield(p, M::RedCloth, M::Gold, 2); }},
    {"Spiked Shield", [](Painter& p) { RoundShield(p, M::DarkWood, 0.46, true); }},
    {"Hood", [](Painter& p) { Helm(p, 4); }},
    {"Silk Robe", [](Painter& p) { Robe(p, M::VioletCloth, M::Silver); }},
    {"Healing Potion", [](Painter& p) { Potion(p, M::RedLiquid, 0); }},
    {"Blue Potion", [](Painter& p) { Potion(p, M::BlueLiquid, 0); }},
    {"Green Potion", [](Painter& p) { Potion(p, M::GreenLiquid, 2); }},
    {"Yellow Potion", [](Painter& p) { Potion(p, M::YellowLiquid, 1); }},
    {"Violet Vial", [](Painter& p) { Potion(p, M::VioletLiquid, 1); }},
    {"Empty Bottle", [](Painter& p) { Potion(p, M::Glass, 2); }},
    {"Scroll", [](Painter& p) { Scroll(p, false); }},
    {"Sealed Scroll", [](Painter& p) { Scroll(p, true); }},
    {"Open Scroll", [](Painter& p) { OpenScroll(p, M::Ink); }},
    {"Spellbook", [](Painter& p) { Book(p, M::RedCloth, false); }},
    {"Tome", [](Painter& p) { Book(p, M::BlackCloth, true); }},
    {"Herbs", Herbs},
    {"Topaz", [](Painter& p) { Gem(p, M::Topaz, Cut::Brilliant); }},
    {"Bread", Bread},
    {"Apple", Apple},
    {"Mushroom", Mushroom},
    {"Water Skin", WaterSkin},
    {"Torch", Torch},
    {"Copper Ring", [](Painter& p) { Ring(p, M::Copper, M::Copper); }},
    {"Gold Ring", [](Painter& p) { Ring(p, M::Gold, M::Gold); }},
    {"Ruby Ring", [](Painter& p) { Ring(p, M::Gold, M::Ruby); }},
    {"Sapphire Ring", [](Painter& p) { Ring(p, M::Silver, M::Sapphire); }},
    {"Amulet", [](Painter& p) { Amulet(p, M::Silver, M::Silver, M::Emerald, false); }},
    {"Gold Amulet", [](Painter& p) { Amulet(p, M::Gold, M::Gold, M::Ruby, false); }},
    {"Medallion", [](Painter& p) { Amulet(p, M::Gold, M::Gold, M::Gold, true); }},
    {"Pearl Necklace", Necklace},
    {"Bracelet", Bracelet},
    {"Backpack", [](Painter& p) { Bag(p, M::Leather, false); }},
    {"Lantern", Lantern},
    {"Sapphire", [](Painter& p) { Gem(p, M::Sapphire, Cut::Round); }},
    {"Emerald", [](Painter& p) { Gem(p, M::Emerald, Cut::Step); }},
    {"Diamond", [](Painter& p) { Gem(p, M::Diamond, Cut::Brilliant); }},
    {"Amethyst", [](Painter& p) { Gem(p, M::Amethyst, Cut::Step); }},
    {"Pearl", [](Painter& p) { Pearl(p, M::Pearl); }},
    {"Stone", [](Painter& p) { Pearl(p, M::Stone); }},
    {"Iron Key", [](Painter& p) { Key(p, M::Iron); }},
    {"Gold Key", [](Painter& p) { Key(p, M::Gold); }},
    {"Silver Key", [](Painter& p) { Key(p, M::Silver); }},
    {"Rune Stone", RuneStone},
    {"Lockpicks", Lockpicks},
    {"Rope", Rope},
    {"Coins", [](Painter& p) { Coins(p, M::Gold); }},
    {"Chest", [](Painter& p) { Chest(p, M::Wood, M::Iron); }},
    {"Horn", Horn},
    {"Lute", Lute},
    {"Bell", Bell},
    {"Hourglass", Hourglass},
    {"Skull", Skull},
    {"Bone", Bone},
    {"Feather", Feather},
    {"Ankh", Ankh},
    {"Idol", [](Painter& p) { Idol(p, M::Gold); }},
    {"Map", Map},
    {"Compass", Compass},
    {"Pick", Pick},
    {"Crystal Ball", CrystalBall},
    // Marks of the game's own image sets, after the icons.
    {"Gold Coins", [](Painter& p) { Bag(p, M::BrownCloth, true); }},
    {"Silver Coins", [](Painter& p) { Coins(p, M::Silver); }},
    {"Iron Chest", [](Painter& p) { Chest(p, M::DarkWood, M::Steel); }},
    {"Copper Coins", [](Painter& p) { Coins(p, M::Copper); }},
    {"Red Flag", [](Painter& p) { Flag(p, M::RedCloth); }},
    {"Blue Flag", [](Painter& p) { Flag(p, M::BlueCloth); }},
    {"Green Flag", [](Painter& p) { Flag(p, M::GreenCloth); }},
    {"White Flag", [](Painter& p) { Flag(p, M::WhiteCloth); }},
    {"Gold Star", [](Painter& p) { StarMark(p, M::Gold); }},
    {"Red Star", [](Painter& p) { StarMark(p, M::Ruby); }},
    {"Red Cross", [](Painter& p) { CrossMark(p, M::RedCloth); }},
    {"Blue Cross", [](Painter& p) { CrossMark(p, M::BlueCloth); }},
    {"Orange Potion", [](Painter& p) { Potion(p, M::FlameOrange, 0); }},
    {"White Potion", [](Painter& p) { Potion(p, M::WhiteCloth, 1); }},
    {"Black Pearl", [](Painter& p) { Pearl(p, M::BlackCloth); }},
    {"Garnet", [](Painter& p) { Gem(p, M::Ruby, Cut::Round); }},
    {"Jade Idol", [](Painter& p) { Idol(p, M::Emerald); }},
    {"Silver Idol", [](Painter& p) { Idol(p, M::Silver); }},
    {"Bronze Key", [](Painter& p) { Key(p, M::Bronze); }},
    {"Rune Scroll", [](Painter& p) { OpenScroll(p, M::BlueLiquid); }},
    {"Candle", Candle},
    {"Dice", Dice},
    {"Chalice", Chalice},
    {"Mirror", Mirror},
    {"Flute", Flute},
    {"Cheese", Cheese},
    {"Egg", [](Painter& p) { Egg(p, M::Parchment); }},
    {"Dragon Egg", [](Painter& p) { Egg(p, M::Emerald); }},
    {"Crystal Shard", [](Painter& p) { Shard(p, M::Amethyst); }},
    {"Ice Shard", [](Painter& p) { Shard(p, M::Ice); }},
    {"Nothing", Nothing},
    {"Unknown", Question},
};

// Where a picture must stand: the weapon skills go by picture number (swords 0, 18, 55, 88; axes
// 1, 14, 15, 16, 51, 53; polearms 2, 3; maces and flails 4, 5, 6, 52, 54, 56; daggers 7, 8; bows 11, 12,
// 37; slings 13; the other numbers of those groups hold no weapon), the loot list shows gold and
// experience as 115 and 50, and the program's buttons take 124 and 127.
constexpr std::pair<int, const char*> kPlaces[] = {
    {0, "Long Sword"},    {18, "Broadsword"},   {55, "Bastard Sword"}, {88, "Katana"},
    {1, "Battle Axe"},    {14, "Hand Axe"},     {15, "Great Axe"},     {16, "Sickle"},
    {2, "Halberd"},       {3, "Spear"},
    {4, "Mace"},          {5, "Morning Star"},  {6, "Flail"},          {52, "War Hammer"},
    {54, "Club"},         {56, "Holy Mace"},
    {7, "Dagger"},        {8, "Throwing Knife"}, {9, "Crown"},         {10, "Belt"},
    {17, "Empty Bottle"}, {19, "Silk Robe"},    {57, "Wizard Hat"},    {90, "Copper Ring"},
    {105, "Pearl"},       {51, "Glaive"},       {53, "Scythe"},        {58, "Leather Gloves"},
    {59, "Gauntlets"},    {108, "Gold Key"},
    {11, "Short Bow"},    {12, "Long Bow"},     {37, "Crossbow"},      {13, "Sling"},
    {104, "Amethyst"},    {110, "Rune Stone"},  {114, "Chest"},
    {38, "Ruby"},         {84, "Topaz"},        {99, "Backpack"},      {124, "Map"},
    {127, "Crystal Ball"}, {115, "Gold Coins"}, {50, "Gold Star"},     {158, "Nothing"},
    {159, "Unknown"},
    // Gold and experience came from beyond the program's 128 icons: two it does not need go there.
    {128, "Mithril Mail"}, {129, "Dragon Shield"},
};

// Picture number -> entry: the fixed places first, the other entries in their order after.
const std::vector<int>& Order()
{
    static const std::vector<int> order = [] {
        const int count = static_cast<int>(std::size(kEntries));
        std::vector<int> slots(static_cast<size_t>(count), -1);
        std::vector<bool> placed(static_cast<size_t>(count), false);
        for (const auto& [index, name] : kPlaces)
            for (int entry = 0; entry < count; ++entry)
                if (std::string_view(kEntries[entry].name) == name) {
                    slots[static_cast<size_t>(index)] = entry;
                    placed[static_cast<size_t>(entry)] = true;
                }
        int next = 0;
        for (int entry = 0; entry < count; ++entry) {
            if (placed[static_cast<size_t>(entry)])
                continue;
            while (slots[static_cast<size_t>(next)] != -1)
                ++next;
            slots[static_cast<size_t>(next)] = entry;
        }
        return slots;
    }();
    return order;
}

const Entry& EntryAt(int index) { return kEntries[Order()[static_cast<size_t>(index)]]; }

} // namespace

int ItemPictureCount() { return static_cast<int>(std::size(kEntries)); }

const char* ItemPictureName(int index)
{
    return index >= 0 && index < ItemPictureCount() ? EntryAt(index).name : nullptr;
}

int FindItemPicture(std::string_view name)
{
    for (int i = 0; i < ItemPictureCount(); ++i)
        if (name == EntryAt(i).name)
            return i;
    return -1;
}

Image DrawItemPicture(int index, int size, Colour background, bool outline)
{
    if (index < 0 || index >= ItemPictureCount() || size <= 0)
        return Image();
    // Below 12 pixels the outline takes no margin: it only closes the shapes' open sides.
    Painter painter(size, outline && size >= 12 ? 1 : 0);
    EntryAt(index).draw(painter);
    return painter.Finish(background, outline);
}

} // namespace art
