// The demo's pictures other than monsters (map tiles, the realm spheres, the main window's
// pictures), its spell table, and the entry that adds all of them with the portraits.

#include "gamedata/SpellTable.h"
#include "testing/DemoArt.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gamebuild {

namespace art {

namespace {

uint8_t Index(DemoRamp ramp, int shade) { return static_cast<uint8_t>(PaletteIndex(ramp, shade)); }

// ---------------------------------------------------------------------------------------------
// MON14.PIC: the map tiles. Each tile is drawn in the pixels of the map (two per game pixel in
// the first edition, one per stored pixel in Gold): floors in the top-left tile square, a wall
// along the top rows (horizontal) or down the column from x = 14 (vertical).

struct TileMetrics {
    int tile;  // floor tiles are tile x tile
    int wall;  // length of a wall
    int thick; // its thickness
    int verticalX;
};

// Floors in the order the maps use them: 0 is the floor underground, 1 water, 2 earth and 3
// cobbles (roads and streets), 4 grass out of doors; 5 to 8 fill cells walled in on every side:
// bedrock underground, masonry (buildings and ruins), thicket (woods), and the rock of caves
// and mountains.
enum TileNumber {
    kFlagstones,
    kWater,
    kEarth,
    kCobbles,
    kGrass,
    kBedrock,
    kMasonry,
    kForest,
    kCaveRock,
    kFirstWall = 9,
    kStairsUp = 25,
    kStairsDown,
    kPitDeep,
    kLadderUp,
    kPitGrate,
    kLadderDown,
    kArrowNorth,
    kTileCount = 35,
};

uint8_t FloorPixel(int tile, int x, int y, const TileMetrics& m)
{
    const unsigned noise = Hash(x, y, static_cast<unsigned>(tile));
    const int n = static_cast<int>(noise % 3);
    const int t = m.tile;
    switch (tile) {
    case kFlagstones: {
        const bool joint = y % 7 == 6 || (x + (y / 7) * 3) % 7 == 6;
        return Index(kGrey, joint ? 2 : 5 + n / 2);
    }
    case kWater: {
        const int wave = (x + static_cast<int>(std::lround(2 * std::sin(y * 0.9)))) % 6;
        return Index(kBlue, wave == 0 ? 11 : 5 + n);
    }
    case kEarth:
        if (noise % 13 == 0)
            return Index(kBrown, 10);
        return Index(kBrown, 6 + n);
    case kCobbles: {
        const int row = y / 4;
        const bool joint = y % 4 == 3 || (x + (row % 2) * 2) % 4 == 3;
        return Index(kParchment, joint ? 4 : 8 + n);
    }
    case kGrass:
        if (noise % 29 == 0)
            return Index(kYellow, 13);
        return Index(kGreen, 4 + n + ((x + 2 * y) % 5 == 0 ? 2 : 0));
    case kBedrock:
        return Index(kGrey, 1 + (noise % 9 == 0 ? 2 : n / 2));
    case kMasonry: {
        const int row = y / 4;
        const bool mortar = y % 4 == 3 || (x + (row % 2) * 3) % 6 == 5;
        return Index(kRust, mortar ? 3 : 6 + n / 2);
    }
    case kForest: {
        // Two tree crowns on dark undergrowth.
        for (auto [cx, cy] : {std::pair{0.3, 0.35}, std::pair{0.72, 0.68}}) {
            const double dx = x - cx * t, dy = y - cy * t, r = 0.32 * t;
            if (dx * dx + dy * dy < r * r)
                return Index(kGreen, dx + dy < -r * 0.4 ? 10 : dx + dy < r * 0.3 ? 7 : 4);
        }
        return Index(kMoss, 2 + n);
    }
    case kCaveRock:
        return Index(kBrown, 2 + n + (noise % 11 == 0 ? 3 : 0));
    }
    return kClear;
}

// A wall's pixel, along it and across it (0 to thick - 1); clear where it may be seen through.
uint8_t WallPixel(int kind, int along, int across, const TileMetrics& m)
{
    const bool edge = across == 0 || across == m.thick - 1;
    const bool end = along < 3 || along >= m.wall - 3;
    switch (kind) {
    case 9: // dressed stone underground
        return Index(kGrey, along % 5 == 4 ? 6 : edge ? 8 : 11);
    case 11: // archway in a hedge: two posts, the passage clear
        return end ? Index(kBrown, edge ? 4 : 8) : kClear;
    case 13: // portcullis: bars to see through
        return along % 3 == 1 || across == 1 ? Index(kGrey, 9) : kClear;
    case 15: // stone
        return Index(kGrey, along % 6 == 5 ? 7 : edge ? 10 : 13);
    case 17: // stone archway
        return end ? Index(kGrey, edge ? 9 : 13) : kClear;
    case 19: // door in a stone frame
        if (end)
            return Index(kGrey, 11);
        if (along == m.wall / 2 && across == 1)
            return Index(kGold, 13);
        return Index(kBrown, along % 4 == 0 ? 5 : 9);
    case 21: // hedge
        return Index(edge ? kMoss : kGreen, edge ? 1 : 2 + static_cast<int>(Hash(along, across, 21) % 3));
    case 23: // cave wall
        return Index(kBrown, 4 + static_cast<int>(Hash(along, across, 23) % 4));
    }
    return kClear;
}

uint8_t TilePixel(int tile, int x, int y, const TileMetrics& m)
{
    const int t = m.tile;
    if (tile >= kFirstWall && tile < kStairsUp) {
        const int kind = tile % 2 ? tile : tile - 1;
        if (tile % 2) // horizontal: along the top rows
            return y < m.thick && x < m.wall ? WallPixel(kind, x, y, m) : kClear;
        return x >= m.verticalX && x < m.verticalX + m.thick && y < m.wall ? WallPixel(kind, y, x - m.verticalX, m)
                                                                           : kClear;
    }
    if (x >= t || y >= t)
        return kClear;
    if (tile < kFirstWall)
        return FloorPixel(tile, x, y, m);
    const double u = (x + 0.5) / t, v = (y + 0.5) / t; // 0 to 1 across the tile
    switch (tile) {
    case kStairsUp:
    case kStairsDown: {
        // Four steps, lit from above going up, darkening going down.
        const int step = std::min(static_cast<int>(v * 4), 3);
        const bool lip = static_cast<int>(v * 4 * 3) % 3 == 0;
        const int shade = tile == kStairsUp ? 13 - 2 * step : 6 + step - (tile == kStairsDown ? 3 : 0);
        if (u < 0.12 || u > 0.88)
            return Index(kGrey, 4);
        return Index(kGrey, lip ? std::min(shade + 2, 15) : shade);
    }
    case kPitDeep:
    case kPitGrate: {
        const double dx = u - 0.5, dy = v - 0.5, r2 = dx * dx + dy * dy;
        if (r2 > 0.16)
            return kClear;
        if (r2 > 0.11)
            return Index(kGrey, 3);
        if (tile == kPitGrate && (x % 3 == 1 || y % 3 == 1))
            return Index(kRust, 7);
        return Index(kGrey, 0);
    }
    case kLadderUp:
    case kLadderDown: {
        const bool rail = std::abs(u - 0.25) < 0.07 || std::abs(u - 0.75) < 0.07;
        const bool rung = u > 0.25 && u < 0.75 && static_cast<int>(v * 12) % 3 == 1;
        if (rail || rung)
            return Index(kBrown, rail ? 10 : 8);
        if (tile == kLadderDown && u > 0.18 && u < 0.82 && v > 0.1 && v < 0.9)
            return Index(kGrey, 0);
        return kClear;
    }
    }
    // Facing arrows, pointing north, east, south and west: a gold head on a short shaft.
    const int direction = tile - kArrowNorth;
    double a = u - 0.5, b = v - 0.5; // turned so that the arrow points up
    for (int turn = 0; turn < direction; ++turn) {
        const double was = a;
        a = b;
        b = -was;
    }
    const bool head = b > -0.42 && b < -0.02 && std::abs(a) < (b + 0.42) * 0.85;
    const bool shaft = b >= -0.02 && b < 0.38 && std::abs(a) < 0.1;
    return head || shaft ? Index(kGold, head ? 13 : 10) : kClear;
}

PicFile MapTiles(Edition edition)
{
    const bool gold = edition == Edition::Gold;
    const TileMetrics m = gold ? TileMetrics{13, 17, 3, 14} : TileMetrics{14, 18, 3, 14};
    // First edition: 16 x 16 game pixels, shown at twice the size; Gold: 24 x 24 stored.
    const int side = gold ? 24 : 16, step = gold ? 1 : 2;
    PicFile picture{gold ? pic::Form::Plain : pic::Form::MaskedBlocks, {}};
    for (int tile = 0; tile < kTileCount; ++tile) {
        Grid grid(side, side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (const uint8_t index = TilePixel(tile, step * x, step * y, m); index != kClear)
                    grid.Set(x, y, index);
        picture.frames.push_back(grid.Frame());
    }
    return picture;
}

// ---------------------------------------------------------------------------------------------
// Pictures drawn with the painter, in design units of the first edition's pixels.

template <typename Draw>
PicFile Drawn(Edition edition, int width, int height, int frames, Draw draw)
{
    const bool gold = edition == Edition::Gold;
    const int resolution = gold ? 2 : 1;
    PicFile picture{gold ? pic::Form::Plain : pic::Form::MaskedBlocks, {}};
    for (int frame = 0; frame < frames; ++frame) {
        Grid grid(width * resolution, height * resolution);
        Painter painter(grid, resolution);
        draw(painter, grid, frame, resolution);
        picture.frames.push_back(grid.Frame());
    }
    return picture;
}

// MON16.PIC: small wall fittings, 8 x 8. Frame 6, a round stone button, marks secret buttons on the map.
PicFile Fittings(Edition edition)
{
    return Drawn(edition, 8, 8, 8, [](Painter& p, Grid&, int frame, int) {
        const Paint stone{kGrey, 3, 12}, brass{kGold, 4, 14}, wood{kBrown, 3, 11};
        switch (frame) {
        case 0:
        case 1: // a lever down and up
            p.Ellipse({4, 6}, 2.5, 1.5, stone);
            p.Limb({4, 6}, frame ? Pt{6.5, 1} : Pt{6.5, 7.5}, 0.7, 0.6, wood);
            p.Disc(frame ? Pt{6.5, 1} : Pt{6.5, 7.5}, 1.1, Index(kRed, 11));
            break;
        case 2: // a keyhole plate
            p.Ellipse({4, 4}, 3.5, 3.8, brass);
            p.Disc({4, 3.3}, 1, Index(kGrey, 0));
            p.FlatPolygon({{3.4, 3.6}, {4.6, 3.6}, {5, 6.2}, {3, 6.2}}, Index(kGrey, 0));
            break;
        case 3: // a rune
            p.Ellipse({4, 4}, 3.7, 3.7, stone);
            p.Line({2.5, 2}, {5.5, 6}, 0.8, Index(kTeal, 14));
            p.Line({5.5, 2}, {4, 4}, 0.8, Index(kTeal, 14));
            break;
        case 4: // a gem in a setting
            p.Ellipse({4, 4}, 3.6, 3.6, brass);
            p.Ellipse({4, 4}, 2.2, 2.2, Paint{kRed, 5, 15, 1}, 45);
            break;
        case 5: // a carved skull
            p.Ellipse({4, 3.6}, 3.2, 3, Paint{kBone, 5, 14});
            p.Disc({2.8, 3.6}, 0.8, Index(kGrey, 0));
            p.Disc({5.2, 3.6}, 0.8, Index(kGrey, 0));
            p.Line({3, 6.6}, {5, 6.6}, 0.8, Index(kBone, 8));
            break;
        case 6: // the button
            p.Ellipse({4, 4}, 3.9, 3.9, Paint{kGrey, 2, 9});
            p.Ellipse({4, 4}, 2.4, 2.4, Paint{kRed, 4, 14, -1});
            p.Dot({3, 3}, Index(kRed, 15));
            break;
        default: // a pressure plate
            p.Polygon({{0.5, 2}, {7.5, 2}, {7.5, 6}, {0.5, 6}}, stone);
            p.Line({1.5, 4}, {6.5, 4}, 0.6, Index(kGrey, 5));
            break;
        }
    });
}

// MON03.PIC: the spheres of the six realms of magic. Each frame shows one sphere inside the
// 20 x 19 rectangle that the Save File Viewer cuts out of it at its own corner.
PicFile RealmSpheres(Edition edition)
{
    static constexpr int kCorners[29][2] = {{4, 0}, {4, 0}, {4, 0}, {4, 0}, {4, 0}, {4, 0},  {5, 2}, {3, 2},
                                            {2, 2}, {5, 2}, {5, 2}, {0, 0}, {5, 3}, {11, 2}, {6, 0}, {4, 0},
                                            {4, 0}, {2, 0}, {2, 0}, {0, 0}, {0, 0}, {3, 0},  {5, 0}, {5, 0},
                                            {5, 0}, {5, 0}, {6, 0}, {6, 0}, {6, 0}};
    struct Realm {
        int first, last;
        DemoRamp ramp;
    };
    static constexpr Realm kRealms[] = {{0, 5, kRed},     {6, 10, kBlue},    {11, 14, kSky},
                                        {15, 21, kBrown}, {22, 25, kViolet}, {26, 28, kGold}};
    return Drawn(edition, 32, 24, 29, [](Painter& p, Grid&, int frame, int) {
        int realm = 0;
        while (frame > kRealms[realm].last)
            ++realm;
        const Realm& r = kRealms[realm];
        const int k = frame - r.first, count = r.last - r.first + 1;
        const double turn = 360.0 * k / count;
        const Pt c{kCorners[frame][0] + 10.0, kCorners[frame][1] + 9.5};
        p.Ellipse(c, 8.6, 8.6, Paint{r.ramp, 2, 12, 0});
        const uint8_t bright = Index(r.ramp, 15), light = Index(r.ramp, 13);
        switch (realm) {
        case 0: { // fire: a flickering flame
            const double lick = std::sin(turn * 3.14159 / 180) * 1.2;
            p.Polygon({c + Pt{-3.5, 4}, c + Pt{-2.5 + lick, -1}, c + Pt{lick * 0.5, -6 - std::abs(lick)},
                       c + Pt{2.5 - lick, -1}, c + Pt{3.5, 4}},
                      Paint{kOrange, 8, 15, -1});
            p.Polygon({c + Pt{-1.5, 4}, c + Pt{-lick * 0.5, -2}, c + Pt{1.5, 4}}, Paint{kYellow, 12, 15, -1});
            break;
        }
        case 1: // water: a wave rolling round
            for (int i = 0; i < 3; ++i)
                p.Line(Polar(c, turn + 120 * i, 4), Polar(c, turn + 120 * i + 50, 5.5), 1.2, light);
            p.Disc(c, 1.5, bright);
            break;
        case 2: // air: a turning swirl
            for (int i = 0; i < 6; ++i)
                p.Disc(Polar(c, turn + 40 * i, 1 + 0.9 * i), 0.5 + 0.15 * i, i % 2 ? light : bright);
            break;
        case 3: // earth: a tumbling stone
            p.Polygon(
                {Polar(c, turn, 4.5), Polar(c, turn + 80, 3.5), Polar(c, turn + 170, 4.8), Polar(c, turn + 260, 3.8)},
                Paint{kMoss, 5, 14, -1});
            break;
        case 4: { // mind: an eye opening and closing
            const double open = 0.6 + 0.6 * std::abs(std::sin(turn * 3.14159 / 360));
            p.Ellipse(c, 5, 2.8 * open, Paint{kBone, 10, 15, -1});
            p.Disc(c, 1.8 * std::min(open, 1.0), Index(kViolet, 4));
            p.Disc(c, 0.8, Index(kGrey, 0));
            break;
        }
        default: // the divine: a turning star
            for (int i = 0; i < 4; ++i)
                p.Line(Polar(c, turn / 2 + 45 * i, 6), Polar(c, turn / 2 + 45 * i + 180, 6), i % 2 ? 0.8 : 1.4, bright);
            p.Disc(c, 2, Index(kParchment, 15));
            break;
        }
        p.Disc(c + Pt{-3.5, -3.5}, 1.2, Index(kGrey, 15));
    });
}

// MON04.PIC: an open chest of treasure, glinting (the Item List button shows frame 2).
PicFile Treasure(Edition edition)
{
    return Drawn(edition, 40, 32, 4, [](Painter& p, Grid&, int frame, int) {
        const Paint wood{kBrown, 2, 10}, gold{kGold, 4, 14}, iron{kGrey, 3, 11};
        p.Polygon({{6, 6}, {34, 6}, {32, 14}, {8, 14}}, wood.Darker(1)); // the open lid
        p.Line({7, 9}, {33, 9}, 1.2, gold.Shade(9));
        p.Limb({25, 16}, {37, 4}, 1.3, 1, iron); // a sword leaning in
        p.Polygon({{36, 2}, {38.5, 4.5}, {37, 6}, {34.5, 3.5}}, gold);
        for (int i = 0; i < 9; ++i) // coins heaped up
            p.Ellipse({10 + 2.6 * i, 15 - (i % 3) * 1.4 + (i > 4 ? 1 : 0)}, 2.4, 1.5, gold);
        p.Ellipse({14, 12}, 2.6, 3.2, Paint{kRed, 4, 14}); // a potion
        p.Line({14, 8}, {14, 10}, 1.4, Index(kBrown, 6));
        p.Polygon({{5, 15}, {35, 15}, {33, 30}, {7, 30}}, wood); // the chest
        for (double x : {9.0, 31.0})
            p.Line({x, 15}, {x + (x < 20 ? 0.4 : -0.4), 30}, 1.6, gold.Shade(10));
        p.Line({5.5, 19}, {34.5, 19}, 1.4, gold.Shade(9));
        p.Polygon({{18, 18}, {22, 18}, {22, 23}, {18, 23}}, gold);
        p.Disc({20, 20.5}, 0.7, Index(kGrey, 0));
        // A glint that moves from coin to coin.
        const Pt glint[] = {{12, 13}, {22, 12}, {30, 14}, {17, 15}};
        const Pt g = glint[frame % 4];
        p.Line(g + Pt{-2.5, 0}, g + Pt{2.5, 0}, 0.7, Index(kParchment, 15));
        p.Line(g + Pt{0, -2.5}, g + Pt{0, 2.5}, 0.7, Index(kParchment, 15));
    });
}

// MON07.PIC: a small framed painting of hills under the sun (Gold's Picture Viewer button).
PicFile Painting(Edition edition)
{
    return Drawn(edition, 16, 16, 3, [](Painter& p, Grid& grid, int frame, int resolution) {
        const int side = 16 * resolution;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const int border = std::min({x, y, side - 1 - x, side - 1 - y});
                if (border < resolution * 2)
                    grid.Set(x, y, Index(kGold, border < resolution ? 7 : 12));
                else
                    grid.Set(x, y, Index(kSky, 13 - 6 * y / side));
            }
        p.Disc({5.0 + 2.0 * frame, 6.0 - 0.5 * frame}, 2, Index(kYellow, 14));
        p.FlatPolygon({{2, 14}, {2, 10}, {6, 7.5}, {9, 10}, {12, 8}, {14, 9.5}, {14, 14}}, Index(kGreen, 7));
        p.FlatPolygon({{2, 14}, {2, 12}, {7, 10.5}, {14, 12.5}, {14, 14}}, Index(kGreen, 4));
    });
}

// MON11.PIC: an open book with a quill, its page turning (the Save Files Viewer button shows frame 1).
PicFile Book(Edition edition)
{
    return Drawn(edition, 32, 24, 3, [](Painter& p, Grid&, int frame, int) {
        const Paint cover{kRed, 2, 8}, page{kParchment, 8, 14};
        p.Polygon({{1, 8}, {16, 10}, {31, 8}, {31, 21}, {16, 23}, {1, 21}}, cover);
        p.Polygon({{3, 7}, {16, 9}, {16, 21}, {3, 19}}, page);
        p.Polygon({{29, 7}, {16, 9}, {16, 21}, {29, 19}}, page);
        for (int line = 0; line < 4; ++line) {
            p.Line({5, 11.0 + 2.2 * line}, {14, 12.3 + 2.2 * line}, 0.5, Index(kGrey, 6));
            p.Line({18, 12.3 + 2.2 * line}, {27, 11.0 + 2.2 * line}, 0.5, Index(kGrey, 6));
        }
        // The turning page: flat on the right, upright, then coming down on the left.
        const double lift[] = {0, 7, 12};
        const double edgeX = 29 - lift[frame] * 1.1, edgeY = 7 - lift[frame] * 0.45;
        if (frame > 0)
            p.Polygon({{16, 9}, {edgeX, edgeY}, {edgeX, edgeY + 12}, {16, 21}}, page.Lighter(1));
        p.Limb({22, 20}, {30, 3}, 0.5, 0.3, Paint{kBone, 6, 13});
        p.Polygon({{30.5, 1}, {27, 8}, {29, 9}}, Paint{kBone, 9, 15});
    });
}

// "video10.pic": a crystal ball with colours swirling in it (the first edition's Picture
// Viewer button shows frame 4).
PicFile CrystalBall(Edition edition)
{
    return Drawn(edition, 32, 32, 6, [](Painter& p, Grid&, int frame, int) {
        p.Polygon({{8, 30}, {24, 30}, {21, 24}, {11, 24}}, Paint{kBrown, 2, 10});
        p.Ellipse({16, 14}, 11, 11, Paint{kBlue, 2, 8});
        static constexpr DemoRamp kMists[] = {kTeal, kViolet, kSky};
        for (int i = 0; i < 3; ++i) {
            const double angle = frame * 60.0 + i * 120;
            p.Ellipse(Polar({16, 14}, angle, 4), 4.5, 2.2, Paint{kMists[i], 8, 14, -1}, angle + 90);
        }
        p.Disc({16, 14}, 2, Index(kParchment, 15));
        p.Disc({11, 9}, 1.6, Index(kGrey, 15));
    });
}

// MON63.PIC: the main window's picture, a night over a castle on a hill, with a drake
// crossing the sky.
PicFile Title(Edition edition)
{
    constexpr int kWidth = 208, kHeight = 88;
    return Drawn(edition, kWidth, kHeight, 4, [](Painter& p, Grid& grid, int frame, int resolution) {
        // Sky, darkest at the top, dithered between shades.
        static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        for (int y = 0; y < grid.height; ++y)
            for (int x = 0; x < grid.width; ++x) {
                const double level = 1 + 6.0 * y / grid.height;
                const int shade =
                    static_cast<int>(level) + ((level - static_cast<int>(level)) * 16 > kBayer[y % 4][x % 4]);
                grid.Set(x, y, Index(kBlue, shade));
            }
        // Stars, each twinkling in its own frames.
        for (int star = 0; star < 70; ++star) {
            const unsigned h = Hash(star, 7, 63);
            const Pt at{static_cast<double>(h % kWidth), static_cast<double>((h >> 8) % 50)};
            const bool bright = (h >> 16) % 4 == static_cast<unsigned>(frame);
            p.Disc(at + Pt{0.5, 0.5}, bright ? 0.9 : 0.45, Index(bright ? kParchment : kSky, bright ? 15 : 11));
        }
        p.Ellipse({168, 20}, 11, 11, Paint{kBone, 9, 15, -1});
        p.Disc({164, 17}, 2, Index(kBone, 10));
        p.Disc({171, 24}, 1.5, Index(kBone, 10));
        // Mountains, the hill and the castle.
        p.FlatPolygon({{0, 70},
                       {0, 52},
                       {22, 34},
                       {40, 48},
                       {64, 28},
                       {92, 50},
                       {120, 38},
                       {150, 56},
                       {176, 40},
                       {208, 58},
                       {208, 70}},
                      Index(kViolet, 3));
        p.FlatPolygon({{60, 33}, {64, 28}, {68, 33}, {66, 35}, {62, 35}}, Index(kBone, 10));
        p.FlatPolygon({{172, 44}, {176, 40}, {180, 44}, {176, 46}}, Index(kBone, 9));
        p.Polygon({{0, 88}, {0, 70}, {40, 62}, {80, 58}, {110, 60}, {150, 68}, {208, 66}, {208, 88}},
                  Paint{kMoss, 1, 5, -1});
        const Paint stone{kGrey, 4, 10, 2};
        p.Polygon({{70, 60}, {70, 44}, {116, 44}, {116, 60}}, stone);
        for (double x : {66.0, 88.0, 112.0}) {
            const double top = x == 88.0 ? 24 : 34;
            p.Polygon({{x, 60}, {x, top}, {x + 8, top}, {x + 8, 60}}, stone);
            p.FlatPolygon({{x - 1, top}, {x + 4, top - 8}, {x + 9, top}}, Index(kRed, 5));
            p.Disc({x + 4, top + 6}, 1.1, Index(kYellow, frame % 2 ? 14 : 12));
        }
        for (double x = 72; x < 114; x += 4)
            p.FlatPolygon({{x, 44}, {x, 41.5}, {x + 2, 41.5}, {x + 2, 44}}, stone.Shade(8));
        p.Polygon({{89, 60}, {89, 53}, {91, 51}, {93, 53}, {93, 60}}, Paint{kBrown, 1, 4, -1});
        p.Disc({80, 50}, 1, Index(kYellow, 13));
        p.Disc({104, 50}, 1, Index(kYellow, frame % 3 ? 13 : 9));
        // A flag on the keep, waving.
        p.Line({92, 24}, {92, 14}, 0.8, Index(kGrey, 9));
        const double wave = frame % 2 ? 1 : -1;
        p.FlatPolygon({{92, 14}, {99, 15 + wave}, {92, 18}}, Index(kGold, 11));
        // The drake crossing the sky: a dark shape, wings up and down.
        const Pt drake{30.0 + 28 * frame, 22.0 - 3 * (frame % 2)};
        const double wing = frame % 2 ? 6 : -6;
        const uint8_t shadow = Index(kViolet, 1);
        p.Ellipse(drake, 6, 2, Paint{kViolet, 1, 2, -1});
        p.Line(drake + Pt{-5, -1}, drake + Pt{-9, -3}, 1.4, shadow);
        p.Line(drake + Pt{5, 0}, drake + Pt{12, 2}, 1, shadow);
        p.FlatPolygon({drake + Pt{-2, 0}, drake + Pt{3, -1 + wing}, drake + Pt{8, -2 + wing * 1.2}, drake + Pt{2, 0}},
                      shadow);
        (void)resolution;
    });
}

} // namespace

std::map<std::string, PicFile> DemoFixedPictures(Edition edition)
{
    return {{"MON03.PIC", RealmSpheres(edition)}, {"MON04.PIC", Treasure(edition)},
            {"MON07.PIC", Painting(edition)},     {"MON11.PIC", Book(edition)},
            {"MON14.PIC", MapTiles(edition)},     {"MON16.PIC", Fittings(edition)},
            {"MON63.PIC", Title(edition)},        {"video10.pic", CrystalBall(edition)}};
}

// 102 spells: the six realms' spells in order of level, then six of no realm. Byte 1 is the
// level, byte 2 the cost per power level, byte 5 the school; bytes 0, 3 and 4 are the game's
// own (here: the realm, a target kind and a duration).
std::vector<Record> DemoSpells()
{
    struct Realm {
        int first, last;
        std::array<int, 3> schools;
    };
    static constexpr Realm kRealms[] = {{0, 10, {1, 2, 5}},   {11, 25, {3, 6, 11}},  {26, 42, {4, 7, 9}},
                                        {43, 56, {8, 12, 2}}, {57, 77, {10, 14, 6}}, {78, 95, {11, 13, 1}},
                                        {96, 101, {9, 4, 7}}};
    std::vector<Record> spellRecords;
    for (int realm = 0; realm < 7; ++realm) {
        const Realm& r = kRealms[realm];
        const int count = r.last - r.first + 1;
        for (int i = 0; i < count; ++i) {
            const int level = 1 + i * 7 / count;
            Record record(spells::kRecordSize, 0);
            ByteWriter(record)
                .U8(0, realm)
                .U8(spells::kLevel, level)
                .U8(spells::kCost, 2 * level + (i * 5) % 3 + (realm == 5 ? 1 : 0))
                .U8(3, i % 4)
                .U8(4, level * 3)
                .U8(spells::kSchool, r.schools[i % 3]);
            spellRecords.push_back(record);
        }
    }
    return spellRecords;
}

} // namespace art

void AddDemoPictures(Installation& demo)
{
    demo.pictures = art::DemoMonsterPictures(demo.edition, demo.scenario.monsters);
    for (auto& [name, picture] : art::DemoFixedPictures(demo.edition))
        demo.pictures[name] = std::move(picture);
    demo.spells = art::DemoSpells();
    if (demo.edition == Edition::Gold) {
        demo.goldPortraitsSmall = art::DemoGoldPortraits(2);
        demo.goldPortraitsLarge = art::DemoGoldPortraits(4);
    } else {
        demo.portraits = art::DemoPortraitGrids();
    }
}

} // namespace gamebuild
