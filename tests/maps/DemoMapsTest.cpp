// The demo's maps hold what their viewers are shown with: quadrants in every arrangement, every
// wall kind of each map, every feature each way, flags, and every kind of event.

#include "maps/EventDescriber.h"
#include "maps/MapNames.h"
#include "maps/MapRenderer.h"
#include "maps/MapWalls.h"
#include "tests/maps/MapFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

TEST(DemoMaps, EveryMapLooksLikeALevelAndTogetherTheyShowEverything)
{
    gamebuild::Installation installation = maptest::MapInstallation();
    gamebuild::AddDemoMaps(installation);
    auto loaded = maptest::Load(installation);
    CGameData& game = *loaded->game;
    ASSERT_TRUE(game.Loaded());

    std::set<std::pair<int, int>> features; // code, direction
    std::set<int> types, flags;
    bool shifted = false, far = false;
    MapTileSet tiles = maptest::TestTiles();
    MapRenderer renderer(game);
    renderer.SetTileSet(&tiles);
    renderer.SetOptions(mapoption::kAll, true);
    for (int map = 0; map < 32; ++map) {
        SCOPED_TRACE(map);
        std::optional<MapData> data = MapData::Load(game, map);
        ASSERT_TRUE(data);
        const GameMap record = data->Record();
        std::set<int> used, kinds, battle;
        for (int q = 0; q < 16; ++q)
            if (record.OriginX(q) || record.OriginY(q))
                used.insert(q);
        EXPECT_GE(used.size(), 2u);
        for (int q : used)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const CellWalls walls = GetCellWalls(record, q, x, y);
                    for (int side = 0; side < 4; ++side)
                        kinds.insert(WallKindOf(map, walls.Code(side)));
                    const CellFeatureInfo f = GetCellFeature(record, q, x, y);
                    if (f.code)
                        features.insert({f.code, f.direction});
                    const int cellFlags = GetCellFlags(record, q, x, y);
                    flags.insert(cellFlags & 7);
                    if (cellFlags & 8)
                        battle.insert(q);
                    if (x == 0 && !walls.westOpen) // a neighbour to the west: shifted against this one?
                        for (int q2 : used)
                            shifted = shifted || (record.OriginX(q2) == record.OriginX(q) - 8 &&
                                                  record.OriginY(q2) != record.OriginY(q));
                }
        // Every kind the map's codes can give, and no wall where there should be none.
        std::set<int> table;
        for (int code = 0; code < 16; ++code)
            table.insert(WallKindOf(map, code));
        EXPECT_EQ(kinds, table);
        EXPECT_FALSE(battle.empty());

        const std::optional<Image> image = [&] {
            renderer.SetMap(map);
            return renderer.Render();
        }();
        ASSERT_TRUE(image);
        far = far || renderer.Layout().maxX >= 20;

        EventDescriber describer(game, MapCell{map, 0, 0, 0});
        int events = 0;
        for (size_t slot = 0; slot < data->Events().size(); ++slot) {
            const MapEvent& event = data->Events()[slot];
            if (!event.type)
                continue;
            ++events;
            types.insert(event.type);
            EXPECT_TRUE(used.count(event.quadrant)) << "slot " << slot;
            EXPECT_FALSE(describer.DescribeEvent(map, static_cast<int>(slot), true).empty());
        }
        EXPECT_GT(events, 40);
    }
    for (int code : {4, 8, 16, 20, 24, 32, 40, 44, 52, 60})
        for (int direction = 0; direction < 4; ++direction)
            EXPECT_TRUE(features.count({code, direction})) << code << " " << direction;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 25})
        EXPECT_TRUE(types.count(type)) << type;
    for (int flag : {1, 2, 4})
        EXPECT_TRUE(std::any_of(flags.begin(), flags.end(), [&](int f) { return f & flag; })) << flag;
    EXPECT_TRUE(shifted) << "quadrants beside each other, shifted vertically";
    EXPECT_TRUE(far);
    for (int i = 0; i < 96; ++i)
        EXPECT_NE(game.GetIncident(i)[0], 0) << "incident " << i << " has a name";
}
