// The demo's saved parties: a guild of made-up adventurers, a folder of save files with a
// party of six and the world they left behind, and the NPCs and shops that world refers to.

#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"

#include <cstring>

namespace gamebuild {

namespace {

constexpr uint8_t kIdentified = 0x80, kEquipped = 0x01, kCursed = 0x02;

// The first demo item whose stored name is name; fallback when there is none.
int FindItem(const Installation& demo, const char* name, int fallback)
{
    for (size_t i = 1; i < demo.scenario.items.size(); ++i)
        if (std::strncmp(reinterpret_cast<const char*>(demo.scenario.items[i].data()), name, 22) == 0)
            return static_cast<int>(i);
    return fallback;
}

struct Hero {
    const char* name;
    int race, gender, profession, rank, level, portrait;
    std::array<uint8_t, 8> attributes;
};

// Attributes meet each one's profession; the party holds six of them.
constexpr Hero kHeroes[] = {
    {"Brannoc", 2, 0, 0, 4, 9, 3, {15, 8, 10, 16, 11, 10, 8, 6}},
    {"Ysolde", 1, 1, 1, 3, 8, 12, {8, 17, 11, 9, 12, 11, 9, 5}},
    {"Tamsin", 0, 1, 2, 3, 8, 7, {10, 9, 16, 11, 10, 9, 12, 8}},
    {"Quill", 4, 0, 3, 5, 10, 20, {9, 8, 7, 10, 16, 13, 14, 3}},
    {"Haldra", 3, 1, 8, 2, 7, 26, {14, 8, 15, 13, 11, 12, 9, 7}},
    {"Zephyrine", 8, 1, 6, 4, 9, 31, {8, 14, 9, 8, 15, 14, 16, 10}},
    // Guild members who stayed at home.
    {"Orrin", 6, 0, 4, 1, 5, 1, {14, 9, 9, 15, 11, 11, 9, 4}},
    {"Wrenna", 9, 1, 9, 0, 4, 15, {9, 16, 16, 11, 9, 9, 11, 6}},
    {"Dask", 7, 0, 11, 2, 6, 22, {13, 12, 7, 13, 14, 15, 9, 2}},
    {"Mirelle", 5, 1, 7, 1, 5, 29, {11, 15, 7, 15, 11, 14, 13, 9}},
    {"Gorm", 10, 0, 13, 0, 3, 9, {13, 11, 11, 13, 13, 13, 9, 5}},
    {"Pip", 4, 0, 5, 0, 2, 18, {8, 14, 6, 9, 14, 8, 13, 11}},
};

// The realms each profession draws on, with the spells known of them (by the realm's first spell).
struct Magic {
    int profession;
    std::array<bool, 6> realms;
};
constexpr int kRealmFirst[7] = {0, 11, 26, 43, 57, 78, 96};

SaveCharacter Character(const Installation& demo, const Hero& hero, int progress)
{
    SaveCharacter c;
    c.name = hero.name;
    c.race = static_cast<uint8_t>(hero.race);
    c.gender = static_cast<uint8_t>(hero.gender);
    c.profession = static_cast<uint8_t>(hero.profession);
    c.rank = static_cast<uint8_t>(hero.rank + progress / 2);
    c.level = static_cast<uint8_t>(hero.level + progress);
    c.portrait = static_cast<uint8_t>(hero.portrait);
    c.attributes = hero.attributes;
    const int level = c.level;
    c.experience = static_cast<uint32_t>(1500 * level * level + 37 * hero.portrait + 999);
    c.maxHitPoints = static_cast<uint16_t>(8 * level + hero.attributes[3]);
    c.hitPoints = static_cast<uint16_t>(c.maxHitPoints - (hero.portrait % 4) * 3);
    c.maxStamina = static_cast<uint16_t>(10 * level + 2 * hero.attributes[3]);
    c.stamina = static_cast<uint16_t>(c.maxStamina * 4 / 5);
    c.maxCarrying = static_cast<uint16_t>(40 * hero.attributes[0] + 100);
    c.carrying = static_cast<uint16_t>(c.maxCarrying * (hero.portrait % 5) / 4);
    c.loadState = static_cast<uint8_t>(hero.portrait % 5 > 3 ? 3 : hero.portrait % 5);
    c.liveCount = static_cast<uint8_t>(hero.portrait % 3);
    c.maxPreviousLevel = static_cast<uint8_t>(hero.profession == 8 || hero.profession == 6 ? 6 + progress : 0);
    c.regenFirst = static_cast<int8_t>(hero.profession == 12 ? 2 : hero.portrait % 3);
    c.regenSecond = static_cast<int8_t>(hero.portrait % 4 == 3 ? 3 : 0);
    c.swingDie = static_cast<uint8_t>(1 + level / 4);
    c.attacksPerRound = static_cast<uint8_t>(1 + level / 6);
    c.baseInitiative = static_cast<int8_t>(hero.attributes[5] / 3 - 2);
    c.baseMissChance = static_cast<int8_t>(30 - level * 2);
    for (size_t s = 0; s < c.skills.size(); ++s)
        c.skills[s] =
            static_cast<uint8_t>((s * 7 + hero.portrait * 3 + level) % 40 < 12 ? 0 : (s * 11 + level * 5) % 60);
    for (size_t e = 0; e < c.resistanceBase.size(); ++e) {
        c.resistanceBase[e] = static_cast<uint8_t>((e + hero.race) % 4 == 0 ? 10 * (1 + hero.race % 3) : 0);
        c.resistanceFinal[e] = static_cast<uint8_t>(c.resistanceBase[e] + (e % 5 == 1 ? 20 : 0));
    }
    for (size_t a = 0; a < c.attitudes.size(); ++a)
        c.attitudes[a] = static_cast<int8_t>((static_cast<int>(a) * 17 + hero.portrait * 5) % 61 - 30);

    // Armour: the base class, a shield and a few pieces that differ.
    c.armourBase = static_cast<int8_t>(10 - level / 2);
    c.armourShield = static_cast<int8_t>(hero.profession == 0 || hero.profession == 8 ? -2 : 0);
    c.armourMisc = static_cast<int8_t>(hero.portrait % 3 - 1);
    for (size_t part = 0; part < c.armourParts.size(); ++part)
        c.armourParts[part] = static_cast<int8_t>(c.armourBase - ((part + hero.portrait) % 3 == 0 ? 2 : 0));

    // Casters know the lower spells of their realms and have the spell points for them.
    static constexpr Magic kMagic[] = {
        {1, {true, true, true, true, false, false}},    {2, {false, true, false, false, false, true}},
        {5, {false, true, false, true, false, false}},  {6, {false, false, true, false, true, false}},
        {7, {false, false, false, false, true, false}}, {8, {false, true, false, false, false, true}},
        {9, {false, true, false, false, true, true}},   {4, {false, false, false, true, false, false}},
    };
    for (const Magic& magic : kMagic) {
        if (magic.profession != hero.profession)
            continue;
        for (int realm = 0; realm < 6; ++realm) {
            c.spellRegen[realm] = static_cast<uint8_t>(magic.realms[realm] ? 1 + level / 5 : 0);
            if (!magic.realms[realm])
                continue;
            c.maxSpellPoints[realm] = static_cast<uint16_t>(3 * level + realm);
            c.spellPoints[realm] = static_cast<uint16_t>(c.maxSpellPoints[realm] - level % 4);
            const int span = kRealmFirst[realm + 1] - kRealmFirst[realm];
            for (int i = 0; i < span && i < 2 + level / 2; ++i)
                if ((i * 3 + hero.portrait) % 5 != 4)
                    c.spellsKnown.push_back(kRealmFirst[realm] + i);
        }
    }

    // Equipment by profession: a weapon, perhaps a second one, armour and some carried goods.
    const int tier = 36 * (level / 4);
    auto item = [&](const char* name, int fallback) { return FindItem(demo, name, fallback) + tier; };
    const bool fighter = hero.profession == 0 || hero.profession == 4 || hero.profession == 8 ||
                         hero.profession == 10 || hero.profession == 11;
    const bool rogue = hero.profession == 3 || hero.profession == 13;
    int weapon = fighter ? item("Long Sword", 3) : rogue ? item("Dagger", 1) : item("Quarterstaff", 8);
    c.items[0] = {static_cast<uint16_t>(weapon), 1, kIdentified | kEquipped};
    c.primarySlot = 0;
    c.primary = {static_cast<int16_t>(level / 3),
                 static_cast<uint8_t>(1 + level / 5),
                 static_cast<uint8_t>(fighter ? 8 : 4),
                 {},
                 0,
                 static_cast<int8_t>(-level / 3),
                 static_cast<uint8_t>(fighter ? 0x03 : 0x05),
                 1};
    // Valkyries fight with a blade in each hand, as rogues do.
    if (rogue || hero.profession == 8) {
        c.items[1] = {static_cast<uint16_t>(item("Short Sword", 2)), 1, kIdentified | kEquipped};
        c.secondarySlot = 1;
        c.secondary = {0, 1, 6, {}, 6, -1, 0x02, 0};
        c.secondary.specials[2] = 15; // poison
        c.primary.specials[3] = 5;
    } else if (fighter) {
        c.items[1] = {static_cast<uint16_t>(item("Heater Sh=ld", 17)), 1, kIdentified | kEquipped};
        c.primary.specials[5] = 10;
    }
    c.items[2] = {static_cast<uint16_t>(item(fighter ? "Chain Mail" : "Leather Cuirass", 18)), 1,
                  kIdentified | kEquipped};
    c.items[3] = {static_cast<uint16_t>(item("Leather Helm", 21)), 1, kIdentified | kEquipped};
    c.items[4] = {static_cast<uint16_t>(item("Riding Boots", 26)), 1,
                  static_cast<uint8_t>(kIdentified | kEquipped | (hero.portrait == 26 ? kCursed : 0))};
    c.items[5] = {static_cast<uint16_t>(item("Copper Ring", 31) + 36 * 5), 1, 0}; // not identified yet
    c.items[10] = {static_cast<uint16_t>(item("Healing Potion", 27)), static_cast<uint8_t>(1 + level % 4), kIdentified};
    c.items[11] = {static_cast<uint16_t>(item("Scroll of Light", 29)), 2, kIdentified};
    if (hero.profession == 3 || hero.profession == 10)
        c.items[12] = {static_cast<uint16_t>(item("Arrows", 13)), 24, kIdentified};
    if (hero.portrait % 2)
        c.items[13] = {static_cast<uint16_t>(item("Lantern", 36)), 1, 0};
    return c;
}

// Conditions of the party on the road: poisoned, asleep, afraid and the rest.
void AddConditions(SaveCharacter& c, int member, int progress)
{
    switch ((member + progress) % 6) {
    case 0:
        c.conditions[0] = 3;
        break;
    case 2:
        c.conditions[2] = 1, c.conditions[5] = 4;
        break;
    case 3:
        c.conditions[8] = 2;
        break;
    case 4:
        c.conditions[3] = 6, c.conditions[6] = 1, c.conditions[7] = 2;
        break;
    default:
        break;
    }
}

// The NPCs of the demo: existing monsters given an NPC id, a state slot and an alliance.
struct Npc {
    int monster, id, slot, alliance;
};
constexpr Npc kNpcs[] = {
    {16, 3, 0, 5},    {17, 7, 1, 8},    {34, 12, 2, 1}, {35, 15, 255, 8}, {2, 21, 3, 2},  {3, 22, 4, 2},
    {52, 30, 255, 6}, {14, 41, 5, 255}, {10, 44, 6, 7}, {70, 58, 255, 4}, {88, 63, 7, 3}, {106, 95, 19, 1},
};
constexpr int kNpcLoot = 186; // the NPCs' loot records follow from here
constexpr int kShopLoot[] = {101, 145};

Record Loot(std::initializer_list<std::array<int, 4>> entries)
{
    Record loot(scenario::kLootSize, 0);
    ByteWriter out(loot);
    size_t at = 0;
    for (const auto& [kind, chance, a, b] : entries) {
        out.U16(at, static_cast<unsigned>(a)).U16(at + 2, static_cast<unsigned>(b)).U8(at + 4, kind).U8(at + 5, chance);
        at += 6;
    }
    return loot;
}

void AddNpcs(Installation& demo)
{
    auto& monsters = demo.scenario.monsters;
    auto& loot = demo.scenario.loot;
    for (size_t i = 0; i < std::size(kNpcs); ++i) {
        const Npc& npc = kNpcs[i];
        if (npc.monster >= static_cast<int>(monsters.size()) || kNpcLoot + i >= loot.size())
            continue;
        ByteWriter(monsters[npc.monster]).U8(224, npc.id).U8(228, npc.slot).U8(229, npc.alliance);
        ByteWriter(monsters[npc.monster]).U8(169, kNpcLoot + static_cast<unsigned>(i));
        const int first = 40 + 37 * static_cast<int>(i);
        loot[kNpcLoot + i] = Loot({{1, 60, 20 + 10 * static_cast<int>(i), 5},
                                   {2, 70, first, 3},
                                   {3, 18, first + 5, 2},
                                   {2, 35, first + 12, 4},
                                   {3, 45, first + 20, 3}});
    }
    if (loot.size() > 145) {
        loot[kShopLoot[0]] = Loot({{2, 80, 1, 12},
                                   {2, 60, 16, 10},
                                   {3, 9, 27, 4},
                                   {3, 27, 100, 6},
                                   {2, 40, 140, 8},
                                   {3, 54, 250, 5},
                                   {1, 90, 500, 100}});
        loot[kShopLoot[1]] = Loot({{2, 90, 37, 10}, {3, 0, 63, 6}, {2, 55, 73, 9}, {3, 36, 180, 5}, {2, 20, 300, 4}});
    }
}

// A small fixed generator for the stock rolls.
std::vector<uint8_t> Rolls(uint32_t seed)
{
    std::vector<uint8_t> rolls;
    for (int i = 0; i < 100; ++i) {
        seed = seed * 1103515245u + 12345u;
        rolls.push_back(static_cast<uint8_t>((seed >> 16) % 100));
    }
    return rolls;
}

SaveWorld World(const Installation& demo, int progress)
{
    SaveWorld world;
    world.filler = static_cast<uint16_t>(3 + progress);
    // Items dropped and left behind on several maps; two records are spent (no item, no place).
    for (int i = 0; i < 26 + 4 * progress; ++i) {
        SaveWorldItem item;
        item.map = static_cast<uint8_t>((i * 7 + progress) % 32);
        item.quadrant = static_cast<uint8_t>(i % 4);
        item.x = static_cast<uint8_t>((i * 3) % 8);
        item.y = static_cast<uint8_t>((i * 5 + 1) % 8);
        item.item = static_cast<uint16_t>(1 + (i * 53 + progress * 11) % (scenario::kItemCount - 1));
        item.flags = i % 3 == 2 ? 0 : kIdentified;
        item.count = static_cast<uint8_t>(i % 5 == 0 ? 3 + i % 7 : 1);
        item.icon = static_cast<uint8_t>(100 + i % 12);
        world.items.push_back(item);
    }
    world.items[5].item = 0;
    world.items[11].map = 255;
    // A few lie together on the party's cell.
    world.map = static_cast<uint16_t>(4 + progress * 5);
    world.quadrant = 2, world.x = 5, world.y = 3, world.facing = static_cast<uint8_t>(1 + progress) % 4;
    for (int i : {1, 8}) {
        world.items[i].map = static_cast<uint8_t>(world.map);
        world.items[i].quadrant = static_cast<uint8_t>(world.quadrant);
        world.items[i].x = static_cast<uint8_t>(world.x), world.items[i].y = static_cast<uint8_t>(world.y);
    }
    // And a few more lie elsewhere on the party's map.
    for (int i : {14, 19, 23})
        world.items[i].map = static_cast<uint8_t>(world.map);
    world.availabilityStep = static_cast<uint8_t>(2 + progress);
    world.alliances = {25, -12, 0, 48, -70, 10, 5, static_cast<int8_t>(-5 - 10 * progress)};
    for (const Npc& npc : kNpcs)
        if (npc.slot < 20) {
            SaveNpcState& state = world.npcs[npc.slot];
            state.held = static_cast<uint8_t>(npc.id % 7 == 0 ? 0x05 : npc.id % 5 == 0 ? 0x40 : 0);
            state.moreHeld = static_cast<uint8_t>(npc.id == 44 ? 0x02 : 0);
            if ((npc.id + progress) % 4 == 1)
                state.life0 = 0, state.life1 = 1;
        } else if ((npc.id + progress) % 3 == 0) {
            world.deadNpcs.push_back(npc.id);
        }
    world.rolls = Rolls(77u + static_cast<uint32_t>(progress));
    (void)demo;
    return world;
}

SaveFile PartySave(const Installation& demo, int progress)
{
    SaveFile save;
    save.world = World(demo, progress);
    for (int member = 0; member < 6; ++member) {
        SaveCharacter c = Character(demo, kHeroes[member], progress);
        AddConditions(c, member, progress);
        save.party[member] = c;
    }
    return save;
}

GuildFile Guild(const Installation& demo)
{
    GuildFile guild;
    // Slot 3 holds a character marked deleted; slots 7 and 12 are empty.
    constexpr int kSlots[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 13};
    for (size_t i = 0; i < std::size(kSlots) && i < std::size(kHeroes); ++i)
        guild.slots[kSlots[i]] = Character(demo, kHeroes[i], 0);
    guild.deleted[3] = true;
    guild.deleted[7] = true;
    return guild;
}

} // namespace

void AddDemoSaves(Installation& demo)
{
    AddNpcs(demo);
    demo.guild = Guild(demo);
    const bool gold = demo.edition == Edition::Gold;
    demo.saveFiles["SAVES/SAVEGAME.DBS"] = PartySave(demo, 0);
    demo.saveFiles["SAVES/CAMP.DBS"] = PartySave(demo, 1);
    demo.saveFiles[gold ? "SAVES/ENDGAME.END" : "SAVES/FINALE.END"] = PartySave(demo, 2);
}

} // namespace gamebuild
