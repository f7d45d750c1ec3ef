// The demo's records use every field the viewers show, in both editions.

#include "items/ItemText.h"
#include "items/LootRecord.h"
#include "items/MonsterText.h"
#include "testing/GameBuilder.h"
#include "tools/art/ItemArt.h"

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
        // Entries 20 on of message 1530 name the types.
        const size_t typeCount = demo.messages.at(1530).size() - 20;
        std::set<int> types, labels, invokes, effects;
        std::set<std::string> marks;
        bool gain = false, loss = false, cursed = false, restricted = false, twoResistances = false, skillLevel = false;
        ASSERT_EQ(demo.scenario.items.size(), 571u);
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
            gain |= (item.regen() & 0x0F) != 0;
            loss |= item.regen() >= 0x10 && (item.regen() & 0x0F) == 0;
            cursed |= item.cursed() != 0;
            restricted |= item.racesLow() != 0xFF || item.professionsLow() != 0xFF || item.genders() != 3;
            twoResistances |= item.resistance2() != 0;
            skillLevel |= item.spell() && !item.spellLevel();
        }
        EXPECT_EQ(types.size(), typeCount) << "one item of every type at least";
        EXPECT_EQ(marks.size(), 5u);
        EXPECT_EQ(labels.size(), 5u) << "every label of the charges";
        for (int named : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 40, 41, 42, 43, 44, 45, 46, 47, 48})
            EXPECT_TRUE(invokes.contains(named)) << "invoke " << named;
        EXPECT_TRUE(invokes.contains(18) && invokes.contains(49)) << "codes without a name";
        EXPECT_EQ(effects.size(), 8u);
        EXPECT_TRUE(gain);
        EXPECT_TRUE(loss);
        EXPECT_TRUE(cursed);
        EXPECT_TRUE(restricted);
        EXPECT_TRUE(twoResistances);
        EXPECT_TRUE(skillLevel);
    }
}

TEST(DemoRecords, MonstersShowEveryKindOfField)
{
    const gamebuild::Installation demo = DemoRecords(Edition::First);
    ASSERT_EQ(demo.scenario.monsters.size(), 250u);
    std::set<int> manners, creatureTypes, specials, attackCounts, drains;
    bool npc = false, companions = false, spells = false, swings = false;
    for (const Record& bytes : demo.scenario.monsters) {
        const MonsterRecord monster(bytes.data());
        int attacks = 0;
        for (int k = 1; k <= 3; ++k)
            if (AttackPresent(monster, k)) {
                ++attacks;
                manners.insert(monster.attackManner(k));
                swings |= monster.attackManner(k) == 1 && (monster.attack(k).swingKinds() & 0x48) == 0x48;
            }
        attackCounts.insert(attacks);
        creatureTypes.insert(monster.creatureType());
        if (monster.specialChance())
            specials.insert(monster.specialAttack());
        drains.insert(monster.effect5Kind());
        npc |= monster.npcId() != 0 && monster.npcSlot() != 255;
        companions |= monster.companionChance(0) && monster.companionChance(1);
        spells |= monster.spellChance() != 0;
    }
    EXPECT_EQ(manners, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(attackCounts, (std::set<int>{1, 2, 3}));
    for (int type = 0; type <= 27; ++type)
        EXPECT_TRUE(creatureTypes.contains(type)) << "creature type " << type;
    EXPECT_TRUE(creatureTypes.contains(40)) << "a type beyond the named ones";
    EXPECT_EQ(specials, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_TRUE(drains.contains(3) && drains.contains(11));
    EXPECT_TRUE(npc);
    EXPECT_TRUE(companions);
    EXPECT_TRUE(spells);
    EXPECT_TRUE(swings);
}

TEST(DemoRecords, LootOfEveryKind)
{
    const gamebuild::Installation demo = DemoRecords(Edition::First);
    ASSERT_EQ(demo.scenario.loot.size(), 200u);
    std::set<int> kinds;
    bool range = false, empty = false;
    for (const Record& bytes : demo.scenario.loot) {
        const LootRecord loot(bytes.data());
        bool any = false;
        for (int k = 0; k < LootRecord::kShownEntries; ++k) {
            const LootEntry entry = loot.Unpack(k);
            kinds.insert(entry.kind);
            any |= entry.kind != 0;
            range |= entry.kind == LootEntry::Items && entry.valueB > 1;
        }
        empty |= !any;
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(range && empty);
}
