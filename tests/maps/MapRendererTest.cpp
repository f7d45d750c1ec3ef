// Map drawing: the layout, cell tiles by option, stairs, event icons, overlays, walls, the
// battle mask, highlight and markers, and the hit test.

#include "maps/FloorTiles.h"
#include "maps/MapRenderer.h"
#include "tests/maps/MapFixture.h"

#include <cstdio>
#include <gtest/gtest.h>

using gamebuild::MapLevel;
using maptest::Event;
using maptest::MemoryMap;
using maptest::TestTiles;
using maptest::TileColour;

namespace {

int Legend(const MapTileSet& set, int slot, int offset = 0) { return set.legend[static_cast<size_t>(slot)] + offset; }

// One quadrant at (16, 16), all floor; tests add to it.
MapLevel OneQuadrant()
{
    MapLevel level;
    level.originX[0] = 16;
    level.originY[0] = 16;
    return level;
}

class Drawn {
public:
    Drawn(int map, const MapLevel& level, std::vector<MapEvent> events = {}, bool gold = false)
    {
        gamebuild::Installation installation = maptest::MapInstallation(gold ? gamebuild::Edition::Gold
                                                                             : gamebuild::Edition::First);
        installation.scenario.maps[static_cast<size_t>(map)] = gamebuild::MapRecordBytes(level);
        installation.scenario.events[static_cast<size_t>(map)] = std::move(events);
        m_loaded = maptest::Load(installation);
        renderer = std::make_unique<MapRenderer>(*m_loaded->game);
        renderer->SetMap(map);
        renderer->SetTileSet(&tiles);
    }

    CGameData& Game() { return *m_loaded->game; }
    const std::vector<std::string>& Errors() const { return m_loaded->platform.errors; }

    const Image& Render(uint32_t options = mapoption::kAll, bool battle = false)
    {
        renderer->SetOptions(options, battle);
        std::optional<Image> drawn = renderer->Render();
        EXPECT_TRUE(drawn);
        image = drawn ? std::move(*drawn) : Image();
        return image;
    }

    // The pixel at (dx, dy) inside the cell's tile.
    Colour At(int q, int x, int y, int dx = 7, int dy = 7) const
    {
        const MapRenderParams& p = renderer->Params();
        const MapLayout& layout = renderer->Layout();
        return image.Pixel(layout.CellPixelX(p, q, x) + dx, layout.CellPixelY(p, q, y) + dy);
    }

    MapTileSet tiles = TestTiles();
    std::unique_ptr<MapRenderer> renderer;
    Image image;

private:
    std::unique_ptr<maptest::LoadedMaps> m_loaded;
};

} // namespace

TEST(MapLayout, FarQuadrantsAreDrawnFourEmptyCellsApart)
{
    MapLevel level;
    level.originX = {20, 60};
    level.originY = {20, 20};
    const MapRenderParams p = MapRenderParams::ForEdition(false);
    const MapLayout layout = LayOutMap(MemoryMap(3, level).map, p);
    EXPECT_EQ(layout.x[0], 0);
    EXPECT_EQ(layout.y[0], 0);
    EXPECT_EQ(layout.x[1], 12);
    EXPECT_EQ(layout.y[1], 0);
    EXPECT_EQ(layout.width, 15 * (12 + 8) + 4);
    EXPECT_EQ(layout.height, 15 * 8 + 4);
    EXPECT_LT(layout.x[2], -7) << "unused quadrants end up outside";

    // Near quadrants keep their distance, vertical shifts included.
    level.originX = {20, 28, 20};
    level.originY = {20, 23, 40};
    const MapLayout near = LayOutMap(MemoryMap(3, level).map, p);
    EXPECT_EQ(near.x[1] - near.x[0], 8);
    EXPECT_EQ(near.y[1] - near.y[0], 3);
    EXPECT_EQ(near.y[2] - near.y[1], 12) << "17 rows apart become 12";
    EXPECT_EQ(std::min({near.x[0], near.x[1], near.x[2]}), 0);
    EXPECT_EQ(std::min({near.y[0], near.y[1], near.y[2]}), 0);
    EXPECT_EQ(near.maxY, 15);
}

TEST(MapLayout, OriginsAtTheEdgesOfTheByteRangeGiveABitmapOfTheLayoutsSize)
{
    MapLevel level;
    for (int q = 0; q < 16; ++q) {
        level.originX[static_cast<size_t>(q)] = static_cast<uint8_t>(q % 2 ? 255 : 8 + q);
        level.originY[static_cast<size_t>(q)] = static_cast<uint8_t>(q % 3 ? 255 - q : 0);
        for (int i = 0; i < 64; ++i)
            level.cells[static_cast<size_t>(q)][static_cast<size_t>(i)] = {2, 2, 16, static_cast<uint8_t>(i % 4), 15};
    }
    Drawn drawn(15, level);
    const Image& image = drawn.Render(mapoption::kAll, true);
    EXPECT_EQ(image.Width(), drawn.renderer->Layout().width);
    EXPECT_EQ(image.Height(), drawn.renderer->Layout().height);
    EXPECT_GT(image.Width(), 0);
}

TEST(MapRenderer, HitTestFindsEveryCellAndNothingInTheGaps)
{
    MapLevel level;
    level.originX = {20, 60, 28};
    level.originY = {20, 20, 23};
    Drawn drawn(5, level);
    drawn.Render();
    const MapRenderParams& p = drawn.renderer->Params();
    const MapLayout& layout = drawn.renderer->Layout();
    for (int q = 0; q < 3; ++q)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const CellHit hit = drawn.renderer->HitTest(layout.CellPixelX(p, q, x) + 5, layout.CellPixelY(p, q, y) + 5);
                ASSERT_EQ(hit.quadrant, q);
                ASSERT_EQ(hit.x, x);
                ASSERT_EQ(hit.y, y);
            }
    // Columns 16 to 19 lie between quadrant 2 (ending at 16) and quadrant 1 (at 20).
    EXPECT_EQ(drawn.renderer->HitTest(15 * 17 + 5, layout.height - 20).quadrant, -1);
    EXPECT_EQ(drawn.renderer->HitTest(-3, 10).quadrant, -1);
    EXPECT_EQ(drawn.renderer->HitTest(10, -3).quadrant, -1);
    EXPECT_EQ(drawn.renderer->HitTest(layout.width, 10).quadrant, -1);
}

TEST(MapRenderer, FeaturesShowWhenTheirOptionIsOn)
{
    MapLevel level = OneQuadrant();
    level.Cell(0, 0, 0).feature = 4;
    level.Cell(0, 1, 0).feature = 8;
    level.Cell(0, 2, 0).feature = 24;
    level.Cell(0, 3, 0).feature = 44;
    level.Cell(0, 4, 0).feature = 60;
    level.Cell(0, 5, 0).feature = 52;
    level.Cell(0, 6, 0) = {0, 0, 40, 3, 0};
    level.Cell(0, 7, 0).feature = 36; // not a feature the maps show
    Drawn drawn(17, level);
    drawn.Render();
    const MapTileSet& t = drawn.tiles;
    EXPECT_EQ(drawn.At(0, 0, 0), TileColour(Legend(t, legend::kFountain)));
    EXPECT_EQ(drawn.At(0, 1, 0), TileColour(30));
    EXPECT_EQ(drawn.At(0, 2, 0), TileColour(28));
    EXPECT_EQ(drawn.At(0, 3, 0), TileColour(29));
    EXPECT_EQ(drawn.At(0, 4, 0), TileColour(27));
    EXPECT_EQ(drawn.At(0, 5, 0), TileColour(Legend(t, legend::kChest)));
    EXPECT_EQ(drawn.At(0, 6, 0), TileColour(Legend(t, legend::kLevers, 3)));
    EXPECT_EQ(drawn.At(0, 7, 0), TileColour(0)) << "map 17's floor";

    drawn.Render(mapoption::kAll & ~(mapoption::kFountains | mapoption::kLadders | mapoption::kPits |
                                      mapoption::kChests | mapoption::kLevers));
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(drawn.At(0, x, 0), TileColour(0)) << x;
}

TEST(MapRenderer, StairsMarkTheCellTheyLeadTo)
{
    MapLevel level = OneQuadrant();
    level.Cell(0, 2, 2) = {0, 0, 16, 0, 0}; // north: marks (2, 3) when it is drawn
    level.Cell(0, 5, 5) = {0, 0, 32, 1, 0}; // east: (6, 5)
    level.Cell(0, 2, 6) = {0, 0, 16, 2, 0}; // south: (2, 5) at once
    level.Cell(0, 5, 2) = {0, 0, 32, 3, 0}; // west: (4, 2) at once
    level.Cell(0, 6, 6) = {0, 0, 16, 0, 0}; // north onto a fountain, which keeps its own tile
    level.Cell(0, 6, 7).feature = 4;
    Drawn drawn(17, level);
    drawn.Render();
    EXPECT_EQ(drawn.At(0, 2, 3), TileColour(25));
    EXPECT_EQ(drawn.At(0, 6, 5), TileColour(26));
    EXPECT_EQ(drawn.At(0, 2, 5), TileColour(25));
    EXPECT_EQ(drawn.At(0, 4, 2), TileColour(26));
    EXPECT_EQ(drawn.At(0, 6, 7), TileColour(Legend(drawn.tiles, legend::kFountain)));
    EXPECT_EQ(drawn.At(0, 2, 2), TileColour(0)) << "the stairs' own cell shows its floor";

    drawn.Render(mapoption::kAll & ~mapoption::kStairs);
    EXPECT_EQ(drawn.At(0, 2, 3), TileColour(0));
    EXPECT_EQ(drawn.At(0, 2, 5), TileColour(0));
}

TEST(MapRenderer, EventIconsFollowTheirOrderAndOptions)
{
    std::vector<MapEvent> events = {Event(4, 0, 1, 1), Event(1, 0, 1, 1), Event(16, 0, 2, 1), Event(18, 0, 3, 1),
                                    Event(0, 0, 4, 1), Event(12, 0, 5, 1), Event(8, 0, 5, 1)};
    Drawn drawn(17, OneQuadrant(), events);
    const MapTileSet& t = drawn.tiles;
    drawn.Render();
    EXPECT_EQ(drawn.At(0, 1, 1), TileColour(Legend(t, legend::kTeleporter)));
    EXPECT_EQ(drawn.At(0, 2, 1), TileColour(Legend(t, legend::kText)));
    EXPECT_EQ(drawn.At(0, 3, 1), TileColour(Legend(t, legend::kNoMonsters)));
    EXPECT_EQ(drawn.At(0, 4, 1), TileColour(0)) << "an empty slot";
    EXPECT_EQ(drawn.At(0, 5, 1), TileColour(Legend(t, legend::kHiddenThing)));
    drawn.Render(mapoption::kAll & ~mapoption::kTeleporters);
    EXPECT_EQ(drawn.At(0, 1, 1), TileColour(Legend(t, legend::kFight)));
    drawn.Render(0);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(drawn.At(0, x, 1), TileColour(0)) << "with every option off only floors: " << x;
}

TEST(MapRenderer, PassabilityAndHarmOverlays)
{
    MapEvent illusion = Event(7, 0, 1, 1), invisible = Event(7, 0, 2, 1), locked = Event(7, 0, 3, 1);
    MapEvent button = Event(7, 0, 4, 1), plain = Event(7, 0, 5, 1);
    illusion.param4 = 0xC3;  // north and west pairs 3, both sides walled (below)
    invisible.param4 = 0x0C; // east pair 3 on a passage
    locked.param4 = 0x02;
    button.param4 = 0x0800;  // east wall
    plain.param4 = 0x01;
    MapEvent harm = Event(9, 0, 6, 1);
    MapLevel level = OneQuadrant();
    level.Cell(0, 1, 1).north = 2;
    level.Cell(0, 0, 1).east = 2;
    Drawn drawn(17, level, {plain, illusion, invisible, locked, button, Event(7, 0, 5, 1), harm});
    drawn.Render();
    const MapTileSet& t = drawn.tiles;
    // Both marks of the illusion walls, OR-ed onto the black cell; the floor is not drawn.
    EXPECT_EQ(drawn.At(0, 1, 1, 2, 2), Rgb(1, legend::kIllusionWalls, 0));
    EXPECT_EQ(drawn.At(0, 1, 1, 8, 2), Rgb(8, legend::kIllusionWalls, 0));
    EXPECT_EQ(drawn.At(0, 1, 1), 0u);
    EXPECT_EQ(drawn.At(0, 2, 1, 4, 2), Rgb(2, legend::kInvisibleWalls, 0));
    EXPECT_EQ(drawn.At(0, 3, 1), TileColour(Legend(t, legend::kLockedDoor)));
    // The 4 x 6 button against the east wall: x + 14 - 4 - 1, y + (14 - 6) / 2.
    EXPECT_EQ(drawn.At(0, 4, 1, 9, 4), Rgb(255, 255, 1));
    EXPECT_EQ(drawn.At(0, 4, 1, 8, 4), 0u);
    EXPECT_EQ(drawn.At(0, 5, 1), TileColour(0)) << "nothing to mark: the floor";
    const ImageList& icons = drawn.Game().StateIcons9();
    ASSERT_NE(icons.Get(10), nullptr);
    const Colour harmPixel = icons.Get(10)->Pixel(4, 4);
    EXPECT_EQ(drawn.At(0, 6, 1, 2 + 4, 2 + 4), harmPixel == icons.Mask() ? 0u : harmPixel) << "centred: (14 - 9) / 2";
    EXPECT_EQ(drawn.At(0, 6, 1, 1, 1), 0u);

    drawn.Render(mapoption::kAll & ~(mapoption::kIllusionWalls | mapoption::kLockedDoors | mapoption::kSecretButtons |
                                     mapoption::kNegativeEffects));
    for (int x = 1; x < 7; ++x)
        EXPECT_EQ(drawn.At(0, x, 1), TileColour(0)) << x;
}

TEST(MapRenderer, WallsBattleMaskHighlightAndMarkers)
{
    MapLevel level = OneQuadrant();
    level.Cell(0, 3, 3).north = 2; // kind 9 on map 17
    level.Cell(0, 4, 3).north = 1; // kind 11: see-through
    level.Cell(0, 3, 3).east = 6;  // kind 13, vertical tile 14
    level.Cell(0, 5, 5).flags = 8;
    Drawn drawn(17, level);
    const MapRenderParams& p = drawn.renderer->Params();
    drawn.renderer->SetHighlight(0, 1, 1, 2);
    drawn.renderer->SetMarker(0, 2, 2, 0);
    drawn.renderer->SetMarkerList({{0, 6, 6, 0}});
    drawn.Render(mapoption::kAll, true);
    const MapLayout& layout = drawn.renderer->Layout();
    const int wallY = p.rowStep * (layout.maxY - layout.y[0] + 7 - 3);
    const int left3 = p.columnStep * (layout.x[0] + 3);
    EXPECT_EQ(drawn.image.Pixel(left3 + 8, wallY + 1), TileColour(9));
    const int left4 = p.columnStep * (layout.x[0] + 4);
    EXPECT_EQ(drawn.image.Pixel(left4 + 3, wallY + 2), TileColour(11));
    EXPECT_EQ(drawn.image.Pixel(left4 + 8, wallY + 2), TileColour(0)) << "black parts of an archway are not copied";
    const int wallX = p.columnStep * (layout.x[0] + 4);
    const int top = p.rowStep * (layout.maxY - layout.y[0] + 7 - 3);
    EXPECT_EQ(drawn.image.Pixel(wallX + 1, top + 1), TileColour(14));
    // The battle mask: every second pixel, starting one further on odd rows.
    const int cx = layout.CellPixelX(p, 0, 5), cy = layout.CellPixelY(p, 0, 5);
    EXPECT_EQ(drawn.image.Pixel(cx + (cy % 2), cy), Rgb(200, 0, 0));
    EXPECT_EQ(drawn.image.Pixel(cx + 1 - (cy % 2), cy), TileColour(0));
    EXPECT_EQ(drawn.image.Pixel(cx + 1 - (cy % 2), cy + 1), Rgb(200, 0, 0));
    EXPECT_EQ(drawn.At(0, 1, 1), TileColour(tile::kArrowNorth + 2));
    const ImageList& items = drawn.Game().ItemImagesSmall();
    ASSERT_NE(items.Get(0), nullptr);
    const Colour itemPixel = items.Get(0)->Pixel(1, 1);
    ASSERT_NE(itemPixel, items.Mask()) << "the test needs a pixel of the image";
    EXPECT_EQ(drawn.At(0, 2, 2, 1, 1), itemPixel);
    EXPECT_EQ(drawn.At(0, 6, 6, 1, 1), itemPixel);

    drawn.Render();
    EXPECT_EQ(drawn.At(0, 1, 1), TileColour(0)) << "the highlight lasts one drawing";
    EXPECT_EQ(drawn.At(0, 2, 2, 1, 1), TileColour(0));
    EXPECT_EQ(drawn.At(0, 6, 6, 1, 1), TileColour(0));
    EXPECT_EQ(drawn.At(0, 5, 5, 0, 0), TileColour(0)) << "no battle mask";
}

TEST(MapRenderer, NothingToDrawWithoutATileSetOrARecord)
{
    Drawn drawn(3, OneQuadrant());
    drawn.renderer->SetTileSet(nullptr);
    drawn.renderer->SetOptions(0, false);
    EXPECT_FALSE(drawn.renderer->Render());
    drawn.renderer->SetTileSet(&drawn.tiles);
    drawn.renderer->SetMap(32);
    EXPECT_FALSE(drawn.renderer->Render());

    // The scenario file gone after start-up: the store's message, and no drawing.
    const std::string path = drawn.Game().InstallPath() + "/scenario.dbs";
    ASSERT_EQ(std::remove(path.c_str()), 0);
    drawn.renderer->SetMap(4);
    EXPECT_FALSE(drawn.renderer->Render());
    EXPECT_FALSE(MapData::Load(drawn.Game(), 4));
    ASSERT_FALSE(drawn.Errors().empty());
    EXPECT_NE(drawn.Errors().back().find("Main information cannot be accessed!"), std::string::npos);
}

TEST(FloorTiles, EachMapHasItsFloorsAndEnclosures)
{
    EXPECT_EQ(FloorTile(0, 0, 1), 2);
    EXPECT_EQ(FloorTile(0, 0, 4), 3);
    EXPECT_EQ(FloorTile(0, 0, 0), 4);
    EXPECT_EQ(FloorTile(4, 3, 0), 1);
    EXPECT_EQ(FloorTile(4, 3, 4), 3);
    EXPECT_EQ(FloorTile(7, 14, 0), 4);
    EXPECT_EQ(FloorTile(7, 6, 0), 0);
    EXPECT_EQ(FloorTile(10, 0, 3), 5);
    EXPECT_EQ(FloorTile(11, 0, 1), 1);
    EXPECT_EQ(FloorTile(16, 0, 3), 1);
    EXPECT_EQ(FloorTile(16, 0, 4), 2);
    EXPECT_EQ(FloorTile(19, 0, 1), 3);
    EXPECT_EQ(FloorTile(20, 0, 2), 3);
    EXPECT_EQ(FloorTile(15, 0, 5), -1);
    EXPECT_EQ(FloorTile(24, 0, 1), 0);
    EXPECT_EQ(FloorTile(25, 0, 2), 5);
    EXPECT_EQ(FloorTile(27, 0, 4), 3);
    EXPECT_EQ(FloorTile(32, 0, 0), -1);

    // Walls north, east, south, west of the cell (3, 3), on map.
    auto enclosed = [](int map, std::array<int, 4> codes, int flags = 0) {
        MapLevel level = OneQuadrant();
        level.Cell(0, 3, 3) = {static_cast<uint8_t>(codes[0]), static_cast<uint8_t>(codes[1]), 0, 0,
                               static_cast<uint8_t>(flags)};
        level.Cell(0, 3, 2).north = static_cast<uint8_t>(codes[2]);
        level.Cell(0, 2, 3).east = static_cast<uint8_t>(codes[3]);
        return CellBackgroundTile(MemoryMap(map, level).map, 0, 3, 3);
    };
    EXPECT_EQ(enclosed(0, {2, 2, 2, 2}), 6);
    EXPECT_EQ(enclosed(0, {4, 4, 4, 4}), 7);
    EXPECT_EQ(enclosed(0, {5, 5, 5, 5}), 7);
    EXPECT_EQ(enclosed(0, {2, 4, 4, 4}), 7) << "one 2";
    EXPECT_EQ(enclosed(0, {4, 4, 2, 2}), 4) << "an arc of two counts only where arcs do";
    EXPECT_EQ(enclosed(2, {4, 4, 2, 2}), 7);
    EXPECT_EQ(enclosed(2, {4, 2, 4, 2}), 6) << "not an arc";
    EXPECT_EQ(enclosed(2, {4, 2, 4, 2}, 4), 7) << "otherwise 7 on floor 3";
    EXPECT_EQ(enclosed(6, {2, 4, 2, 4}), 6);
    EXPECT_EQ(enclosed(7, {2, 2, 2, 2}), 8);
    EXPECT_EQ(enclosed(7, {4, 2, 2, 4}), 7);
    EXPECT_EQ(enclosed(27, {1, 2, 3, 2}), 8);
    EXPECT_EQ(enclosed(14, {2, 2, 2, 2}), 6);
    EXPECT_EQ(enclosed(14, {3, 3, 3, 3}), 3);
    EXPECT_EQ(enclosed(15, {2, 2, 2, 2}, 1), 5);
    EXPECT_EQ(enclosed(15, {2, 2, 2, 0}, 1), -1);
    EXPECT_EQ(enclosed(22, {2, 2, 2, 2}), 8);
    EXPECT_EQ(enclosed(0, {2, 2, 2, 0}), 4) << "an open side";
}
