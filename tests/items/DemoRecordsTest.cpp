// The demo's records use every field the viewers show.

#include "items/ItemText.h"
#include "items/LootRecord.h"
#include "items/MonsterText.h"
#include "testing/GameBuilder.h"
#include "testing/art/ItemArt.h"

#include <gtest/gtest.h>
#include <set>

using gamebuild::Edition;

namespace {
// The demo's records and texts, without its pictures.
gamebuild::Installation DemoRecords(Edition edition)
{
    gamebuild::Installation demo;
    demo.edition = edition;
    gamebuild::AddDemoRecords(demo);
    gamebuild::AddDemoTexts(demo);
    return demo;
}
} // namespace

TEST(DemoRecords, ItemsShowEveryKindOfField)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        SCOPED_TRACE(edition == Edition::Gold ? "Gold" : "first edition");
        const gamebuild::Installation demo = DemoRecords(edition);
        std::set<int> types, labels, invokes, effects;
        std::set<std::string> marks, kinds; // kinds: regen gain, regen loss, curse, ...
        for (const Record& bytes : demo.scenario.items) {
            const ItemRecord item(bytes.data());
            types.insert(item.type());
            EXPECT_LT(item.picture(), art::kIconCount) << item.name();
            for (const char* mark : {"=/", "= ", "/=", "=", "/"})
                if (item.name().find(mark) != std::string::npos)
                    marks.insert(mark);
            std::string label;
            if (!ItemChargesText(item, &label).empty())
                labels.insert(static_cast<int>(label.size())); // the five labels differ in length
            invokes.insert(item.invokePower());
            for (int i = 0; i < 8; ++i)
                if (item.hitEffects(i))
                    effects.insert(i);
            const std::pair<bool, const char*> fields[] = {
                {(item.regen() & 0x0F) != 0, "gain"},
                {item.regen() >= 0x10 && !(item.regen() & 0x0F), "loss"},
                {item.cursed() != 0, "curse"},
                {item.racesLow() != 0xFF || item.professionsLow() != 0xFF || item.genders() != 3, "restriction"},
                {item.resistance2() != 0, "two resistances"},
                {item.spell() && !item.spellLevel(), "character's skill"},
            };
            for (const auto& [has, kind] : fields)
                if (has)
                    kinds.insert(kind);
        }
        EXPECT_EQ(types.size(), demo.messages.at(1530).size() - 20) << "an item of every type";
        EXPECT_EQ(marks.size(), 5u);
        EXPECT_EQ(labels.size(), 5u) << "every label of the charges";
        for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 40, 41, 42, 43, 44, 45, 46, 47,
                         48, 18, 49})
            EXPECT_TRUE(invokes.contains(code)) << "invoke " << code;
        EXPECT_EQ(effects.size(), 8u);
        EXPECT_EQ(kinds.size(), 6u);
    }
}

TEST(DemoRecords, MonstersAndLootShowEveryKindOfField)
{
    const gamebuild::Installation demo = DemoRecords(Edition::First);
    std::set<int> manners, creatureTypes, specials, attackCounts, drains, lootKinds;
    std::set<std::string> kinds;
    for (const Record& bytes : demo.scenario.monsters) {
        const MonsterRecord monster(bytes.data());
        int attacks = 0;
        for (int k = 1; k <= 3; ++k)
            if (AttackPresent(monster, k)) {
                ++attacks;
                manners.insert(monster.attackManner(k));
                if (monster.attackManner(k) == 1 && (monster.attack(k).swingKinds() & 0x48) == 0x48)
                    kinds.insert("double and plus two");
            }
        attackCounts.insert(attacks);
        creatureTypes.insert(monster.creatureType());
        if (monster.specialChance())
            specials.insert(monster.specialAttack());
        drains.insert(monster.effect5Kind());
        if (monster.npcId() && monster.npcSlot() != 255)
            kinds.insert("NPC");
        if (monster.companionChance(0) && monster.companionChance(1))
            kinds.insert("companions");
    }
    const std::set<int> allManners = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(manners, allManners);
    EXPECT_EQ(attackCounts, (std::set<int>{1, 2, 3}));
    for (int type = 0; type <= 27; ++type)
        EXPECT_TRUE(creatureTypes.contains(type)) << type;
    EXPECT_GT(*creatureTypes.rbegin(), 27) << "a type without a name";
    EXPECT_EQ(specials, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_TRUE(drains.contains(3) && drains.contains(11));
    EXPECT_EQ(kinds.size(), 3u);

    bool range = false;
    for (const Record& bytes : demo.scenario.loot)
        for (int k = 0; k < LootRecord::kShownEntries; ++k) {
            const LootEntry entry = LootRecord(bytes.data()).Unpack(k);
            lootKinds.insert(entry.kind);
            range |= entry.kind == LootEntry::Items && entry.valueB > 1;
        }
    EXPECT_EQ(lootKinds, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(range);
}
