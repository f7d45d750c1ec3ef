// The demo's guild and save files hold what the save windows are shown with.

#include "saves/CharacterSheet.h"
#include "saves/Offers.h"
#include "saves/SpellTree.h"
#include "saves/WorldContent.h"
#include "tests/saves/SaveFixture.h"

#include <set>

using gamebuild::Edition;

TEST(DemoSaves, TheGuildAndEverySaveFileLoadWithTheirWorld)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        SCOPED_TRACE(edition == Edition::Gold ? "Gold" : "first edition");
        const gamebuild::Installation demo = gamebuild::DemoInstallation(edition);
        savetest::Game game(demo);
        const CGameData& data = *game.data;

        SaveGame guild;
        ASSERT_EQ(guild.Load(savefile::GuildFilePath(game.folder.Path(), data.IsGold())), SaveFileKind::Guild);
        EXPECT_GE(guild.Count(), 10);
        EXPECT_TRUE(guild.IsDeleted(3) && guild.InSlot(3));

        ASSERT_GE(demo.saveFiles.size(), 2u);
        for (const auto& [name, file] : demo.saveFiles) {
            SCOPED_TRACE(name);
            SaveGame save;
            ASSERT_EQ(save.Load(game.folder.File(name)), SaveFileKind::Save);
            ASSERT_EQ(save.Count(), 6) << "the marker is found where the party is";
            std::set<int> races, professions;
            int conditions = 0, spells = 0;
            for (const SavedCharacter& saved : save.Characters()) {
                const CharacterRecord record = saved.Record();
                races.insert(record.race());
                professions.insert(record.profession());
                const CharacterSheet sheet = BuildCharacterSheet(data, record, false, false);
                EXPECT_FALSE(sheet.race.empty() || sheet.profession.empty() || sheet.rank.empty());
                EXPECT_FALSE(sheet.attacks.primary.weapon.empty());
                EXPECT_TRUE(data.GetPortrait(record.portrait(), 4));
                conditions += static_cast<int>(sheet.conditions.size());
                for (const RealmNode& realm : BuildSpellTree(data, record, {}, RealmAnimation()))
                    spells += static_cast<int>(realm.spells.size());
            }
            EXPECT_EQ(races.size(), 6u);
            EXPECT_EQ(professions.size(), 6u);
            EXPECT_GT(conditions, 0);
            EXPECT_GT(spells, 10);

            WorldState world;
            ASSERT_TRUE(world.Load(game.folder.File(name)));
            const WorldItemList items = BuildWorldItems(data, world);
            std::set<int> maps;
            for (const ItemPlace& place : items.places)
                maps.insert(place.map);
            EXPECT_GE(maps.size(), 5u);
            EXPECT_LT(items.rows.size(), world.items.size()) << "some records are spent";
            ASSERT_TRUE(world.position);
            EXPECT_FALSE(BuildCellItems(data, world, world.position->map, world.position->quadrant, world.position->x,
                                        world.position->y)
                             .rows.empty());
            std::set<std::string> statuses;
            size_t offered = 0;
            for (const NpcEntry& entry : BuildNpcEntries(data)) {
                const Offers offers = BuildOffers(data, world, entry.data);
                statuses.insert(offers.status);
                offered += offers.rows.size();
            }
            EXPECT_EQ(statuses, (std::set<std::string>{"", "Alive", "Dead"}));
            EXPECT_GT(offered, 30u);
        }
    }
}
