#pragma once
// A small painter for item pictures: shapes in a unit square, drawn at any pixel size with a
// light from the top left and a dark outline, in the flat look of a game's inventory icons.

#include "gamedata/Image.h"

#include <cstdint>
#include <vector>

namespace art {

struct Point {
    double x = 0;
    double y = 0;
};

enum class Material : uint8_t {
    Steel, Iron, DarkIron, Silver, Gold, Copper, Bronze,
    Wood, DarkWood, LightWood, Leather, DarkLeather, Rope,
    RedCloth, BlueCloth, GreenCloth, VioletCloth, WhiteCloth, BrownCloth, BlackCloth,
    Parchment, Bone, Stone, Glass, Ice,
    Ruby, Sapphire, Emerald, Amethyst, Diamond, Topaz, Pearl,
    RedLiquid, BlueLiquid, GreenLiquid, YellowLiquid, VioletLiquid,
    FlameRed, FlameOrange, FlameYellow, Leaf, Bread, Apple,
    Black, White, Ink,
};

// How a shape is lit: shaded takes the light from the top left at its edges; the others use
// one tone of the material throughout (for small details).
enum class Style : uint8_t { Shaded, Flat, Light, Dark };

class Painter {
public:
    // Pictures of size x size pixels; the unit square maps to the inner square left by inset.
    Painter(int size, int inset);

    int Size() const { return m_size; }
    // Pixels per unit of the current frame, to keep details at least a pixel wide.
    double PixelsPerUnit() const { return (m_size - 2 * m_inset) * m_scale; }

    // Later shapes are given in a frame turned clockwise by angle degrees about the centre,
    // scaled about it, then shifted.
    void SetFrame(double angleDegrees = 0, double scale = 1, Point shift = {});
    void SetStyle(Style style) { m_style = style; }

    void Polygon(Material material, std::vector<Point> points);
    void Rect(Material material, double left, double top, double right, double bottom);
    // A thick segment with round ends.
    void Line(Material material, Point a, Point b, double width);
    // Thick segments through the points, in order.
    void Curve(Material material, const std::vector<Point>& points, double width);
    void Oval(Material material, Point centre, double radiusX, double radiusY);
    // An oval ring of the given thickness.
    void Band(Material material, Point centre, double radiusX, double radiusY, double thickness);

    // The picture on background, with a one-pixel dark outline around the shapes when asked.
    Image Finish(Colour background, bool outline) const;

private:
    enum class Kind : uint8_t { Polygon, Line, Oval, Band };
    struct Shape {
        Kind kind = Kind::Polygon;
        Material material = Material::Black;
        Style style = Style::Shaded;
        std::vector<Point> points; // polygon corners, or the line's ends, or the oval's centre
        double a = 0, b = 0, c = 0; // line: half width; oval and band: radii, band thickness
        double cosine = 1, sine = 0, scale = 1;
        Point shift;
    };
    static Shape NewShape(Kind kind, Material material, std::vector<Point> points);
    void Add(Shape shape);
    bool Covers(const Shape& shape, Point unit) const;

    int m_size;
    int m_inset;
    double m_cosine = 1, m_sine = 0, m_scale = 1;
    Point m_shift;
    Style m_style = Style::Shaded;
    std::vector<Shape> m_shapes;
};

} // namespace art
