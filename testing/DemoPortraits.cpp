// The demo's 33 character portraits: three faces for each of the game's eleven races, drawn
// once in design units of the first edition's 26 x 30 pixels and again, finer, for Gold.

#include "gamedata/Portraits.h"
#include "testing/DemoArt.h"

#include <algorithm>
#include <cmath>

namespace gamebuild::art {

namespace {

uint8_t Index(DemoRamp ramp, int shade) { return static_cast<uint8_t>(PaletteIndex(ramp, shade)); }

enum class Race { Human, Elf, Dwarf, Gnome, Hobbit, Faerie, Lizard, Dracon, Cat, Dog, Mook };

struct Face {
    Race race;
    Paint skin; // skin, fur or scales
    Paint hair; // hair, beard, crest or markings
    Paint clothes;
    DemoRamp backdrop;
    uint8_t iris;
    bool longHair = false;
    bool beard = false;
    bool hat = false; // helmet, hood or pointed hat by race
};

void Eyes(Painter& p, const Face& f, double y, double spread, double size, bool slit = false)
{
    for (double side : {-1.0, 1.0}) {
        const Pt at{13 + side * spread, y};
        p.Ellipse(at, 1.5 * size, 0.9 * size, Paint{kBone, 12, 14, -1});
        p.Disc(at + Pt{side * 0.2, 0.05}, 0.75 * size, f.iris);
        if (slit)
            p.Line(at + Pt{side * 0.2, -0.6 * size}, at + Pt{side * 0.2, 0.6 * size}, 0.35 * size, Index(kGrey, 1));
        else
            p.Disc(at + Pt{side * 0.2, 0.05}, 0.35 * size, Index(kGrey, 1));
        p.Line(at + Pt{-1.6 * size, -1.5 * size}, at + Pt{1.6 * size, -1.7 * size + side * 0.3}, 0.6,
               f.hair.Shade(std::max(f.hair.dark, 1)));
    }
}

void Mouth(Painter& p, const Face& f, double y, double width, bool smile = false)
{
    p.Line({13 - width, y - (smile ? 0.4 : 0)}, {13, y + (smile ? 0.3 : 0)}, 0.6, f.skin.Shade(f.skin.dark));
    p.Line({13, y + (smile ? 0.3 : 0)}, {13 + width, y - (smile ? 0.4 : 0)}, 0.6, f.skin.Shade(f.skin.dark));
}

void Backdrop(Grid& grid, DemoRamp ramp)
{
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) {
            const double dx = (x + 0.5) / grid.width - 0.5, dy = (y + 0.5) / grid.height - 0.4;
            const int shade = 6 - static_cast<int>(std::lround(std::sqrt(dx * dx + dy * dy) * 9));
            grid.Set(x, y, Index(ramp, std::clamp(shade, 1, 6)));
        }
}

// The head is drawn with its own painter, a little larger and lower than the shoulders'.
void DrawFace(Painter& body, Painter& p, Grid& grid, const Face& f)
{
    Backdrop(grid, f.backdrop);
    const Paint& skin = f.skin;
    const Paint& hair = f.hair;

    // What lies behind the head: wings, long hair, a mane.
    if (f.race == Race::Faerie)
        for (double side : {-1.0, 1.0}) {
            p.Polygon({{13 + side * 3, 20}, {13 + side * 13, 6}, {13 + side * 12.5, 18}}, Paint{kTeal, 7, 13, 5});
            p.Polygon({{13 + side * 3, 22}, {13 + side * 11, 27}, {13 + side * 7, 21}}, Paint{kViolet, 7, 13, 5});
        }
    if (f.longHair)
        p.Ellipse({13, 16}, 8.5, 11, hair);
    if (f.race == Race::Mook)
        p.Ellipse({13, 15}, 11.5, 12, hair);

    // Shoulders and neck.
    body.Ellipse({13, 31}, 13, 7.5, f.clothes);
    body.Polygon({{9.5, 24.5}, {16.5, 24.5}, {13, 28.5}}, f.clothes.Darker(2).NoOutline());
    body.Limb({13, 21}, {13, 25}, 2.8, 3, skin.Darker(1));

    switch (f.race) {
    case Race::Human:
    case Race::Elf:
    case Race::Hobbit:
    case Race::Faerie: {
        const bool elf = f.race == Race::Elf, hobbit = f.race == Race::Hobbit, faerie = f.race == Race::Faerie;
        const double rx = elf      ? 5.4
                          : hobbit ? 6.6
                          : faerie ? 5.2
                                   : 6,
                     ry = elf      ? 7.8
                          : hobbit ? 6.8
                          : faerie ? 6.6
                                   : 7.4;
        const double cy = faerie ? 14 : 13.5;
        for (double side : {-1.0, 1.0}) {
            if (elf || faerie)
                p.Polygon({{13 + side * (rx - 0.8), cy - 1},
                           {13 + side * (rx + 4.5), cy - 6},
                           {13 + side * (rx - 0.5), cy + 2}},
                          skin);
            else
                p.Ellipse({13 + side * rx, cy + 0.5}, 1.4, 2.1, skin);
        }
        p.Ellipse({13, cy}, rx, ry, skin);
        if (hobbit)
            for (double side : {-1.0, 1.0})
                p.Disc({13 + side * 3.6, cy + 2.6}, 0.9, Index(kFlesh, 6));
        // Hair on top: a fringe, curls for hobbits.
        if (hobbit) {
            for (int k = 0; k < 7; ++k)
                p.Ellipse(Polar({13, cy + 1}, 200 + k * 23.0, 6.6), 2, 2, hair);
        } else {
            p.Ellipse({13, cy - ry + 2.6}, rx + 0.6, 3.4, hair);
            p.Polygon({{13 - rx, cy - 3}, {13 - rx + 1, cy - ry + 2}, {13 + 1, cy - ry + 2.5}, {13 - 2, cy - 4}},
                      hair.NoOutline());
        }
        Eyes(p, f, cy + 0.2, elf ? 2.3 : 2.5, faerie ? 1.25 : 1);
        p.Line({13, cy + 0.8}, {13.6, cy + 3.2}, 0.7, skin.Shade(skin.dark + 1));
        if (f.beard) {
            p.Polygon({{13 - rx + 0.5, cy + 1},
                       {13 + rx - 0.5, cy + 1},
                       {13 + 3, cy + ry + 3},
                       {13, cy + ry + 5},
                       {13 - 3, cy + ry + 3}},
                      hair);
            p.Ellipse({13, cy + 4.6}, 2.4, 0.9, hair.Darker(2).NoOutline());
        } else {
            Mouth(p, f, cy + 4.6, hobbit ? 2.2 : 1.6, hobbit || faerie);
        }
        if (f.hat && elf)
            p.Line({13 - rx, cy - 4}, {13 + rx, cy - 4}, 0.9, Index(kGold, 13));
        break;
    }
    case Race::Dwarf: {
        p.Ellipse({13, 13.5}, 6.8, 7, skin);
        for (double side : {-1.0, 1.0})
            p.Ellipse({13 + side * 6.8, 14}, 1.4, 2, skin);
        if (f.hat) {
            p.Ellipse({13, 9.5}, 7.6, 4.8, Paint{kGrey, 3, 13});
            p.Line({5.5, 10.5}, {20.5, 10.5}, 1.2, Index(kGold, 11));
            for (double side : {-1.0, 1.0})
                p.Limb({13 + side * 6, 8}, {13 + side * 10, 3}, 1.1, 0.4, Paint{kBone, 6, 14});
        } else {
            p.Ellipse({13, 8.5}, 6.6, 3.2, hair);
        }
        Eyes(p, f, 13.2, 2.7, 0.9);
        p.Polygon({{5.6, 15}, {20.4, 15}, {19, 23}, {13, 28}, {7, 23}}, hair); // the beard
        p.Ellipse({13, 16}, 2, 2.2, skin.Lighter(1));                          // the nose
        p.Ellipse({13, 19.5}, 2.6, 0.8, hair.Darker(2).NoOutline());
        break;
    }
    case Race::Gnome: {
        for (double side : {-1.0, 1.0})
            p.Polygon({{13 + side * 5, 12}, {13 + side * 9.5, 9}, {13 + side * 5.5, 16}}, skin);
        p.Ellipse({13, 14}, 5.6, 6.8, skin);
        if (f.hat)
            p.Polygon({{6.5, 10}, {19.5, 10}, {17, 2}, {12, -2}}, Paint{f.clothes.ramp, 3, 12});
        else
            p.Ellipse({13, 8.8}, 5.6, 2.6, hair);
        Eyes(p, f, 13, 2.3, 0.9);
        if (f.beard)
            p.Polygon({{8, 16}, {18, 16}, {16.5, 24}, {13, 27}, {9.5, 24}}, hair);
        else
            Mouth(p, f, 18.6, 1.5, true);
        p.Ellipse({13, 16}, 2.2, 2.4, skin.Lighter(1)); // a large nose
        break;
    }
    case Race::Lizard:
    case Race::Dracon: {
        const bool dracon = f.race == Race::Dracon;
        if (dracon)
            for (double side : {-1.0, 1.0})
                p.Chain({{13 + side * 4, 8}, {13 + side * 8, 4}, {13 + side * 9.5, 0.5}}, 1.2, 0.3,
                        Paint{kBone, 5, 14});
        else
            p.Polygon({{10, 7}, {13, 1}, {16, 7}}, hair);
        p.Ellipse({13, 12}, 5.8, 5.5, skin);
        p.Ellipse({13, 17}, 5, 4.2, skin); // the snout, towards us
        p.Ellipse({13, 19}, 3.6, 2, f.hair.Lighter(2).NoOutline());
        for (double side : {-1.0, 1.0}) {
            p.Disc({13 + side * 1.3, 16.4}, 0.5, Index(kGrey, 1));
            p.Line({13 + side * 5.2, 8.8}, {13 + side * 1.2, 10}, 0.9, hair.Shade(hair.light)); // the brow ridge
        }
        Eyes(p, f, 11.6, 3, 0.9, true);
        p.Line({10, 21}, {16, 21}, 0.6, skin.Shade(skin.dark));
        for (int k = 0; k < 5; ++k) // scales
            p.Dot({8.5 + 2.2 * k, 14.5 + (k % 2)}, skin.Shade(skin.dark + 2));
        break;
    }
    case Race::Cat: {
        for (double side : {-1.0, 1.0}) {
            p.Polygon({{13 + side * 2, 8}, {13 + side * 7, 1}, {13 + side * 7.5, 10}}, skin);
            p.Polygon({{13 + side * 3.5, 8}, {13 + side * 6.6, 3.5}, {13 + side * 6.6, 9}}, Paint{kFlesh, 6, 11, -1});
        }
        p.Ellipse({13, 13.5}, 7, 6.8, skin);
        for (int k = 0; k < 3; ++k)
            p.Line({13 - 1.6 + 1.6 * k, 7.5}, {13 - 1.2 + 1.2 * k, 10.5}, 0.7, hair.Shade(hair.dark + 1));
        p.Ellipse({13, 17.5}, 3.8, 2.6, Paint{kBone, 9, 14, -1}); // the muzzle
        Eyes(p, f, 12.8, 2.9, 1.1, true);
        p.FlatPolygon({{11.8, 15.6}, {14.2, 15.6}, {13, 16.9}}, Index(kFlesh, 8));
        p.Line({13, 16.9}, {13, 18.2}, 0.5, Index(kGrey, 3));
        for (double side : {-1.0, 1.0})
            for (int k = 0; k < 2; ++k)
                p.Line({13 + side * 2.5, 17.2 + k}, {13 + side * 8, 16 + 1.8 * k}, 0.35, Index(kBone, 14));
        break;
    }
    case Race::Dog: {
        for (double side : {-1.0, 1.0}) {
            if (f.hat)
                p.Polygon({{13 + side * 3, 7}, {13 + side * 7.5, 0.5}, {13 + side * 7, 10}}, hair);
            else
                p.Ellipse({13 + side * 6.4, 13}, 2.3, 5, hair, side * -15);
        }
        p.Ellipse({13, 12.5}, 6, 6.5, skin);
        p.Ellipse({13, 17.5}, 3.6, 4.2, skin.Lighter(1)); // the muzzle, towards us
        p.Ellipse({13, 15}, 1.9, 1.3, Paint{kGrey, 1, 4, -1});
        Eyes(p, f, 11.5, 2.8, 1);
        p.Line({13, 16.2}, {13, 19.5}, 0.5, skin.Shade(skin.dark));
        p.Line({11, 20}, {15, 20}, 0.6, skin.Shade(skin.dark));
        break;
    }
    case Race::Mook: {
        p.Ellipse({13, 14.5}, 7, 7.5, skin);
        p.Ellipse({13, 10.5}, 6.5, 2.2, hair.NoOutline()); // the heavy brow
        Eyes(p, f, 12.8, 2.6, 0.8);
        p.Ellipse({13, 16.5}, 3.2, 2.2, skin.Darker(1));
        for (double side : {-1.0, 1.0})
            p.Disc({13 + side * 1.2, 16.8}, 0.6, Index(kGrey, 1));
        Mouth(p, f, 19.6, 2.4);
        break;
    }
    }
}

// The faces, in the order of the races.
std::vector<Face> Faces()
{
    const uint8_t brown = Index(kBrown, 7), blue = Index(kBlue, 11), green = Index(kGreen, 10), grey = Index(kGrey, 9),
                  amber = Index(kOrange, 12), gold = Index(kGold, 12), red = Index(kRed, 11),
                  violet = Index(kViolet, 12);
    const Paint fair{kFlesh, 5, 13}, tan{kFlesh, 3, 11}, dark{kBrown, 4, 11};
    return {
        {Race::Human, fair, {kBrown, 2, 7}, {kBlue, 3, 10}, kTeal, brown},
        {Race::Human, fair, {kYellow, 5, 13}, {kRed, 3, 10}, kViolet, blue, true},
        {Race::Human, tan, {kGrey, 8, 14}, {kGreen, 2, 8}, kBrown, grey, false, true},
        {Race::Elf, fair, {kBone, 8, 14}, {kGreen, 3, 10}, kBlue, green, true},
        {Race::Elf, fair, {kGold, 7, 14}, {kTeal, 3, 10}, kMoss, violet, true, false, true},
        {Race::Elf, tan, {kGrey, 1, 5}, {kViolet, 3, 9}, kTeal, amber, true},
        {Race::Dwarf, tan, {kRust, 3, 10}, {kRed, 2, 8}, kGrey, brown, false, true, true},
        {Race::Dwarf, fair, {kOrange, 4, 11}, {kGreen, 2, 8}, kBrown, blue, false, true},
        {Race::Dwarf, tan, {kGrey, 7, 13}, {kBlue, 2, 8}, kRust, grey, false, true, true},
        {Race::Gnome, fair, {kBone, 9, 14}, {kRed, 3, 11}, kGreen, blue, false, true, true},
        {Race::Gnome, tan, {kBrown, 3, 9}, {kBlue, 3, 11}, kViolet, brown, false, false, true},
        {Race::Gnome, fair, {kGrey, 9, 14}, {kGreen, 3, 10}, kBlue, green, false, true},
        {Race::Hobbit, fair, {kBrown, 3, 9}, {kGreen, 3, 10}, kYellow, brown},
        {Race::Hobbit, tan, {kRust, 4, 11}, {kYellow, 4, 11}, kTeal, green},
        {Race::Hobbit, fair, {kYellow, 5, 12}, {kRed, 3, 10}, kMoss, blue},
        {Race::Faerie, fair, {kViolet, 6, 14}, {kTeal, 4, 12}, kBlue, violet, true},
        {Race::Faerie, fair, {kSky, 7, 14}, {kViolet, 4, 12}, kGreen, blue, true},
        {Race::Faerie, tan, {kRed, 6, 13}, {kGreen, 4, 12}, kViolet, green, true},
        {Race::Lizard, {kGreen, 3, 11}, {kTeal, 3, 10}, {kBrown, 2, 8}, kYellow, gold},
        {Race::Lizard, {kMoss, 3, 11}, {kRust, 3, 10}, {kGrey, 2, 8}, kBlue, red},
        {Race::Lizard, {kTeal, 3, 11}, {kGreen, 3, 10}, {kRust, 2, 8}, kBrown, amber},
        {Race::Dracon, {kRed, 3, 11}, {kGold, 5, 13}, {kGrey, 3, 10}, kGrey, gold},
        {Race::Dracon, {kGold, 4, 12}, {kRust, 4, 11}, {kRed, 2, 8}, kViolet, red},
        {Race::Dracon, {kBlue, 3, 11}, {kSky, 5, 13}, {kGrey, 3, 10}, kRust, amber},
        {Race::Cat, {kOrange, 4, 12}, {kRust, 3, 9}, {kGreen, 3, 10}, kBlue, green},
        {Race::Cat, {kGrey, 4, 12}, {kGrey, 1, 5}, {kRed, 3, 10}, kMoss, gold},
        {Race::Cat, {kBone, 6, 14}, {kBrown, 3, 8}, {kBlue, 3, 10}, kViolet, blue},
        {Race::Dog, {kBrown, 4, 11}, {kBrown, 2, 7}, {kBlue, 3, 10}, kGreen, amber},
        {Race::Dog, {kGrey, 5, 12}, {kGrey, 2, 7}, {kRed, 3, 10}, kTeal, gold, false, false, true},
        {Race::Dog, {kBone, 6, 13}, {kRust, 3, 9}, {kGreen, 3, 10}, kBrown, brown},
        {Race::Mook, dark, {kBone, 7, 14}, {kRust, 3, 9}, kBlue, amber},
        {Race::Mook, {kGrey, 4, 10}, {kGrey, 8, 14}, {kGreen, 3, 9}, kRed, grey},
        {Race::Mook, dark, {kBrown, 5, 12}, {kBlue, 3, 9}, kMoss, green},
    };
}

// Shades 0 and 15 are kept out: the first edition's scale-4 drawing shades each pixel with its
// neighbours in the palette, which across the end of a ramp belong to another colour.
void KeepInsideRamps(Grid& grid)
{
    for (uint8_t& pixel : grid.pixels)
        pixel = static_cast<uint8_t>(16 * (pixel / 16) + std::clamp(pixel % 16, 1, 14));
}

Grid DrawPortraitGrid(const Face& face, int scale)
{
    Grid grid(portraits::kWidth * scale, portraits::kHeight * scale);
    Painter body(grid, scale);
    constexpr double kHeadSize = 1.1;
    Painter head(grid, scale * kHeadSize, {(13 - 13 * kHeadSize) * scale, 0.2 * scale});
    DrawFace(body, head, grid, face);
    KeepInsideRamps(grid);
    return grid;
}

} // namespace

std::vector<Record> DemoPortraitGrids()
{
    std::vector<Record> grids;
    for (const Face& face : Faces())
        grids.push_back(DrawPortraitGrid(face, 1).pixels);
    return grids;
}

std::vector<Image> DemoGoldPortraits(int scale)
{
    const std::array<Colour, 256> palette = DemoPalette();
    std::vector<Image> images;
    for (const Face& face : Faces()) {
        const Grid grid = DrawPortraitGrid(face, scale);
        Image image(grid.width, grid.height);
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x)
                image.SetPixel(x, y, palette[grid.At(x, y)]);
        images.push_back(std::move(image));
    }
    return images;
}

} // namespace gamebuild::art
