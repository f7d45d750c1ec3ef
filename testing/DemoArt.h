#pragma once
// Drawing the demo's pictures in the demo palette: grids of palette indexes painted with
// shaded shapes. Shapes are given in design units, which a painter maps to pixels, so one
// drawing serves the first edition's pictures and Gold's pictures of twice the resolution.
// Light falls from the top left and the front; every shape is shaded along one ramp and may
// carry a dark outline.

#include "testing/DemoPalette.h"
#include "testing/GameBuilder.h"

#include <cstdint>
#include <vector>

namespace gamebuild::art {

constexpr uint8_t kClear = 255;

struct Grid {
    Grid() = default;
    Grid(int width, int height, uint8_t fill = kClear);

    uint8_t At(int x, int y) const; // clear outside
    // Index 255 would read as transparent in a picture: the gold ramp stops one shade short.
    void Set(int x, int y, uint8_t index);
    PicFrame Frame() const { return {width, height, pixels}; }

    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

struct Pt {
    double x, y;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
// The point at angle degrees (0 to the right, 90 down) and distance length from p.
Pt Polar(Pt p, double degrees, double length);

// A ramp and the shades it is painted with, from the side away from the light to the light.
struct Paint {
    DemoRamp ramp = kGrey;
    int dark = 2;
    int light = 13;
    int outline = 1; // shade of the outline; -1 for none

    Paint Darker(int by) const { return {ramp, dark - by, light - by, outline}; }
    Paint Lighter(int by) const { return {ramp, dark + by, light + by, outline}; }
    Paint NoOutline() const { return {ramp, dark, light, -1}; }
    uint8_t Shade(int shade) const { return static_cast<uint8_t>(PaletteIndex(ramp, shade)); }
};

class Painter {
public:
    // A design point p lands on pixel origin + p * scale; with mirror the picture is flipped
    // left to right (the light still comes from the left).
    Painter(Grid& grid, double scale, Pt origin = {0, 0}, bool mirror = false);

    double Scale() const { return m_scale; }

    void Ellipse(Pt centre, double rx, double ry, const Paint& paint, double degrees = 0);
    // A limb: a capsule from a to b whose radius goes from ra to rb.
    void Limb(Pt a, Pt b, double ra, double rb, const Paint& paint);
    // Limbs through the points, tapering from ra to rb.
    void Chain(const std::vector<Pt>& points, double ra, double rb, const Paint& paint);
    // A flat shape, shaded a little from its middle outwards.
    void Polygon(const std::vector<Pt>& points, const Paint& paint);

    // Unshaded details in one palette index, without outline.
    void Disc(Pt centre, double r, uint8_t index);
    void Line(Pt a, Pt b, double width, uint8_t index);
    void FlatPolygon(const std::vector<Pt>& points, uint8_t index);
    void Dot(Pt p, uint8_t index); // one pixel, whatever the scale

private:
    struct Hit {
        bool inside = false;
        double nx = 0, ny = 0, nz = 1;
    };
    template <typename Shape>
    void Fill(double left, double top, double right, double bottom, const Paint* paint, uint8_t flat, Shape shape);
    Pt Design(double px, double py) const;

    Grid& m_grid;
    double m_scale;
    Pt m_origin;
    bool m_mirror;
};

// Every painted pixel moved to another ramp, its shade shifted (a flash or a fading).
void Tint(Grid& grid, DemoRamp ramp, int shadeShift);

// A small fixed hash for textures and scattered details.
unsigned Hash(int x, int y, unsigned seed);

// Pictures, portraits and spells of the demo, drawn in their own units.
std::map<std::string, PicFile> DemoMonsterPictures(Edition edition, std::vector<Record>& monsters);
std::map<std::string, PicFile> DemoFixedPictures(Edition edition);
std::vector<Record> DemoSpells();
std::vector<Record> DemoPortraitGrids();
std::vector<Image> DemoGoldPortraits(int scale);

} // namespace gamebuild::art
