// The scenario database: edition by file name, the six tables, lookups and the map cache.

#include "testing/GameDataSeam.h"
#include "gamedata/ByteReader.h"
#include "gamedata/ScenarioFile.h"
#include "tests/gamedata/GameDataFixture.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {

struct Loaded {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

std::unique_ptr<Loaded> Load(const std::string& folder)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->platform.settings["w7path"] = folder;
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    return loaded;
}

std::string NameOf(const uint8_t* record) { return reinterpret_cast<const char*>(record); }

} // namespace

TEST(Scenario, EditionFollowsTheFileNameFound)
{
    TempFolder gold, both;
    ASSERT_TRUE(SmallInstallation(Edition::Gold).Write(gold.Path()));
    auto loadedGold = Load(gold.Path());
    ASSERT_TRUE(loadedGold->game->Loaded());
    EXPECT_TRUE(loadedGold->game->IsGold());

    ASSERT_TRUE(SmallInstallation(Edition::Gold).Write(both.Path()));
    ASSERT_TRUE(SmallInstallation(Edition::First).Write(both.Path()));
    auto loadedBoth = Load(both.Path());
    EXPECT_FALSE(loadedBoth->game->IsGold()) << "scenario.dbs wins when both are there";
}

TEST(Scenario, RecordsAreHandedOutAsStored)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    auto loaded = Load(folder.Path());
    CGameData& game = *loaded->game;
    ASSERT_TRUE(game.Loaded());
    EXPECT_EQ(game.ItemCount(), 571);
    EXPECT_EQ(game.MonsterCount(), 250);
    EXPECT_EQ(NameOf(game.GetItem(0)), "Item 0");
    EXPECT_EQ(NameOf(game.GetItem(570)), "Item 570");
    EXPECT_EQ(ByteReader(game.GetItem(300), 72).U16(36), 300);
    EXPECT_EQ(NameOf(game.GetMonster(249)), "Monster 249");
    EXPECT_EQ(ByteReader(game.GetMonster(17), 232).U32(64), 1017u);
    EXPECT_EQ(ByteReader(game.GetLootRecord(199), 54).U16(0), 199);
    EXPECT_EQ(ByteReader(game.GetLootRecord(199), 54).U8(53), 0xA5);
    EXPECT_EQ(ByteReader(game.GetIncident(95), 148).U16(0), 595);
    EXPECT_EQ(ByteReader(game.GetIncident(95), 148).U8(147), 0x5A);
}

TEST(Scenario, LookupsBeyondTheirTablesGiveNull)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    auto loaded = Load(folder.Path());
    CGameData& game = *loaded->game;
    EXPECT_EQ(game.GetItem(571), nullptr);
    EXPECT_EQ(game.GetItem(-1), nullptr);
    EXPECT_EQ(game.GetMonster(250), nullptr);
    EXPECT_EQ(game.GetMonster(-1), nullptr);
    EXPECT_EQ(game.GetIncident(96), nullptr);
    EXPECT_EQ(game.GetIncident(-1), nullptr);
    EXPECT_EQ(game.GetLootRecord(200), nullptr);
    EXPECT_EQ(game.GetLootRecord(-1), nullptr);
    int count = -5;
    EXPECT_EQ(game.GetMapEvents(32, count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(game.GetMapEvents(-1, count), nullptr);
    EXPECT_NE(game.GetMapEvents(31, count), nullptr);
    EXPECT_EQ(count, 240);
}

TEST(Scenario, MapEventsAreReadColumnByColumn)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    MapEvent first{0x1234, 0x5678, 0x9ABC, 7, 3, 4, 15, 1, 200};
    MapEvent last{0xFFFF, 1, 2, 31, 7, 0, 2, 240, 9};
    installation.scenario.events[5] = std::vector<MapEvent>(240);
    installation.scenario.events[5][0] = first;
    installation.scenario.events[5][239] = last;
    ASSERT_TRUE(installation.Write(folder.Path()));
    auto loaded = Load(folder.Path());
    int count = 0;
    const MapEvent* events = loaded->game->GetMapEvents(5, count);
    ASSERT_EQ(count, 240);
    auto same = [](const MapEvent& a, const MapEvent& b) {
        return a.param0 == b.param0 && a.param2 == b.param2 && a.param4 == b.param4 && a.type == b.type &&
               a.x == b.x && a.y == b.y && a.quadrant == b.quadrant && a.number == b.number && a.param11 == b.param11;
    };
    EXPECT_TRUE(same(events[0], first));
    EXPECT_TRUE(same(events[239], last));
    EXPECT_EQ(loaded->game->GetMapEvents(4, count)[0].type, 0) << "the neighbouring map is untouched";
}

TEST(Scenario, ATruncatedFileGivesWhatItHolds)
{
    using namespace scenario;
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    installation.scenario.events[0] = {MapEvent{1, 2, 3, 4, 5, 6, 7, 8, 9}};
    ASSERT_TRUE(installation.Write(folder.Path()));
    // Cut inside the 101st monster: the loot and incident tables and most map events are gone.
    const std::string file = ScenarioFile(folder, Edition::First);
    ASSERT_TRUE(gamebuild::CutFile(file, kMonsterOffset + 100 * kMonsterSize + 50));
    auto loaded = Load(folder.Path());
    CGameData& game = *loaded->game;
    ASSERT_TRUE(game.Loaded());
    EXPECT_EQ(game.MonsterCount(), 100);
    EXPECT_NE(game.GetMonster(99), nullptr);
    EXPECT_EQ(game.GetMonster(100), nullptr);
    EXPECT_EQ(ByteReader(game.GetLootRecord(5), 54).U16(0), 0);
    EXPECT_EQ(ByteReader(game.GetIncident(5), 148).U16(0), 0);
    int count = 0;
    EXPECT_EQ(game.GetMapEvents(0, count)[0].param11, 9) << "map 0's table lies before the cut";
    EXPECT_EQ(game.GetMapEvents(31, count)[0].param11, 0) << "map 31's table was cut away: zeros";
}

TEST(Scenario, AFileEndingBeforeTheMonsterTableIsNotAScenario)
{
    using namespace scenario;
    // Before the item table, and inside the map events (which lie before the monsters).
    for (size_t length : {kItemOffset - 1, kMapEventsOffset + 1440 + 100}) {
        TempFolder folder;
        ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
        ASSERT_TRUE(gamebuild::CutFile(ScenarioFile(folder, Edition::First), length));
        auto loaded = Load(folder.Path());
        EXPECT_FALSE(loaded->game->Loaded()) << length;
        EXPECT_TRUE(loaded->platform.errors.empty()) << "a failed seek shows no message";
        EXPECT_EQ(loaded->platform.folderPrompts, 1) << "but counts as a failed load";
    }
}

TEST(MapCache, OnlyAChangeOfMapReadsTheFile)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    ASSERT_TRUE(installation.Write(folder.Path()));
    auto loaded = Load(folder.Path());
    CGameData& game = *loaded->game;

    ASSERT_NE(game.GetMap(3), nullptr);
    EXPECT_EQ(game.GetMap(3)[0], 3);
    EXPECT_EQ(game.GetMap(3)[2767], 0xC3);
    EXPECT_EQ(GameDataSeam(game).CachedMap(), 3);

    // Change map 3 on disk: a cached read does not see it, a read after another map does.
    installation.scenario.maps[3][0] = 0x33;
    ASSERT_TRUE(installation.Write(folder.Path()));
    EXPECT_EQ(game.GetMap(3)[0], 3) << "the same map twice reads the file once";
    EXPECT_EQ(game.GetMap(5)[0], 5);
    EXPECT_EQ(game.GetMap(3)[0], 0x33) << "maps 3, 5, 3 read the file three times";
}

TEST(MapCache, AScenarioFileGoneSinceStartUpGivesMessage15AndNull)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation(Edition::Gold).Write(folder.Path()));
    auto loaded = Load(folder.Path());
    CGameData& game = *loaded->game;
    ASSERT_NE(game.GetMap(1), nullptr);
    std::filesystem::remove(ScenarioFile(folder, Edition::Gold));
    EXPECT_EQ(game.GetMap(2), nullptr);
    EXPECT_EQ(GameDataSeam(game).CachedMap(), -1);
    ASSERT_EQ(loaded->platform.errors.size(), 1u);
    EXPECT_NE(loaded->platform.errors[0].find("\\scenario.gld\nMain information cannot be accessed!"),
              std::string::npos);
}

TEST(MapCache, AMapCutByTheEndOfTheFileReadsAsFarAsItGoes)
{
    using namespace scenario;
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    auto loaded = Load(folder.Path());
    // Cut after the load: map 31 is then only partly in the file.
    ASSERT_TRUE(gamebuild::CutFile(ScenarioFile(folder, Edition::First), kMapOffset + 31 * kMapSize + 10));
    const uint8_t* map = loaded->game->GetMap(31);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map[0], 31);
    EXPECT_EQ(map[2767], 0) << "the part not in the file is zero";
}
