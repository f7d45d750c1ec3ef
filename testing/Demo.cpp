// The demo installations: full-size tables of made-up, plausible content, the same every time.

#include "gamedata/ScenarioFile.h"
#include "testing/DemoImages.h"
#include "testing/GameBuilder.h"

#include <string>

namespace gamebuild {

using namespace scenario;

namespace {

// A small fixed generator, so that the demo is the same on every machine.
class Dice {
public:
    explicit Dice(uint32_t seed) : m_state(seed) {}
    unsigned Roll(unsigned sides)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % sides;
    }

private:
    uint32_t m_state;
};

struct ItemKind {
    const char* name;
    int type;
    int weight;   // tenths of a pound
    int price;
    int damageSides;
};

// Names carry the game's abbreviation marks ("=", "/") as stored names do.
constexpr ItemKind kItemKinds[] = {
    {"Dagger", 0, 10, 15, 4},         {"Short Sword", 0, 30, 40, 6},     {"Long Sword", 1, 40, 120, 8},
    {"Bastard Sword", 1, 60, 300, 10}, {"Battle Axe", 2, 70, 250, 10},   {"Mace", 3, 50, 90, 6},
    {"Flail", 3, 60, 160, 8},          {"Quarterstaff", 4, 40, 20, 6},   {"Spear", 5, 50, 60, 8},
    {"Halberd", 5, 90, 400, 12},       {"Short Bow", 6, 30, 80, 6},      {"Long Bow", 6, 40, 200, 8},
    {"Arrows", 7, 10, 10, 4},          {"Sling", 8, 5, 8, 4},            {"Shuriken", 9, 5, 50, 4},
    {"Buckler", 10, 40, 30, 0},        {"Heater Sh=ld", 10, 80, 110, 0}, {"Leather Cuirass", 11, 100, 70, 0},
    {"Chain Mail", 11, 250, 450, 0},   {"Plate/Armour", 11, 400, 1500, 0}, {"Leather Helm", 12, 20, 25, 0},
    {"Great Helm", 12, 60, 300, 0},    {"Leather Gloves", 13, 10, 20, 0}, {"Gauntlets", 13, 30, 180, 0},
    {"Sandals", 14, 10, 5, 0},         {"Riding Boots", 14, 30, 60, 0},  {"Healing Potion", 15, 5, 100, 0},
    {"Potion of Might", 15, 5, 400, 0}, {"Scroll of Light", 16, 1, 75, 0}, {"Scroll of Fire", 16, 1, 250, 0},
    {"Copper Ring", 17, 1, 150, 0},    {"Ring of Warding", 17, 1, 900, 0}, {"Amulet of Dawn", 18, 2, 1200, 0},
    {"Rusty Key", 19, 2, 1, 0},        {"Old Map", 20, 1, 10, 0},        {"Lantern", 20, 20, 30, 0},
};

constexpr const char* kMaterials[] = {"", "Iron ", "Steel ", "Silver ", "Elven ", "Dwarven ", "Mithril ",
                                      "Runed ", "Ancient ", "Cursed ", "Blessed ", "Frost ", "Flame ", "Storm ",
                                      "Shadow ", "Royal "};

struct MonsterKind {
    const char* name;
    const char* unidentified;
    int level;
    int creatureType;
};

constexpr MonsterKind kMonsterKinds[] = {
    {"Giant Rat", "Rodent", 1, 16},   {"Cave Bat", "Bat", 1, 16},        {"Kobold", "Humanoid", 2, 0},
    {"Goblin", "Humanoid", 2, 0},     {"Orc Warrior", "Humanoid", 4, 0}, {"Skeleton", "Bones", 5, 20},
    {"Zombie", "Corpse", 5, 20},      {"Wolf", "Animal", 3, 16},         {"Giant Spider", "Insect", 6, 18},
    {"Slime", "Ooze", 4, 19},         {"Troll", "Giant", 9, 14},         {"Ogre", "Giant", 10, 14},
    {"Wraith", "Spirit", 12, 20},     {"Fire Drake", "Dragon", 15, 10},  {"Lich", "Robed Figure", 20, 20},
    {"Thornvine", "Plant", 3, 17},    {"Bandit", "Man", 3, 0},           {"Dark Mage", "Robed Figure", 8, 0},
};

Record NewRecord(size_t size) { return Record(size, 0); }

Record DemoItem(int number, Dice& dice)
{
    Record item = NewRecord(kItemSize);
    ByteWriter out(item);
    if (number == 0)
        return item; // item 0 is the empty item, as in the game
    const ItemKind& kind = kItemKinds[(number - 1) % std::size(kItemKinds)];
    const char* material = kMaterials[(number - 1) / std::size(kItemKinds) % std::size(kMaterials)];
    std::string name = std::string(material) + kind.name;
    int tier = static_cast<int>((number - 1) / std::size(kItemKinds));
    out.Text(0, name, 22);
    out.U32(22, kind.price * (tier + 1) + dice.Roll(10));
    if (kind.damageSides) {
        out.U16(30, tier / 3).U8(32, 1 + tier / 5).U8(33, kind.damageSides);
        out.U8(70, 1 + dice.Roll(255)); // attack modes
    }
    if (kind.type == 15 || kind.type == 16) // potions and scrolls carry charges and a spell
        out.U8(28, 1).U8(29, 1 + dice.Roll(3)).U8(34, dice.Roll(100)).U8(35, 1 + dice.Roll(7));
    out.U16(36, kind.weight + tier);
    out.U8(40, ((1 + dice.Roll(13)) << 4) | (1 + dice.Roll(5)));
    out.U8(50, 0xFF).U8(51, 0x3F).U8(52, 0xFF).U8(53, 0x07).U8(54, 3);
    out.U8(55, kind.type == 1 || kind.type == 5 ? 4 : (kind.type == 0 ? 8 : 0));
    out.U8(56, kind.type).U8(57, DemoItemPicture(kind.name));
    out.U8(59, tier * 2).U8(61, tier == 9 ? 1 : 0);
    out.U8(64, kind.type >= 10 && kind.type <= 14 ? -(1 + tier / 3) : 0);
    out.U8(65, tier / 4).U8(66, tier / 6);
    return item;
}

Record DemoMonster(int number, Dice& dice)
{
    Record monster = NewRecord(kMonsterSize);
    ByteWriter out(monster);
    const MonsterKind& kind = kMonsterKinds[number % std::size(kMonsterKinds)];
    int rank = number / static_cast<int>(std::size(kMonsterKinds));
    static constexpr const char* kRanks[] = {"", "Greater ", "Elder ", "Dread ", "Ancient ", "Giant ",
                                            "Mad ", "Black ", "White ", "Red ", "Grey ", "Old ", "Young ", "Wild "};
    std::string name = std::string(kRanks[rank % std::size(kRanks)]) + kind.name;
    int level = kind.level + rank;
    out.Text(0, name, 16).Text(16, name, 16).Text(32, kind.unidentified, 16);
    out.U32(64, 25u * level * level + dice.Roll(50));
    for (int attack = 0; attack < 1 + number % 3; ++attack) {
        size_t block = 68 + 18 * attack;
        out.U8(block, 1 + dice.Roll(4)); // a few bytes of each attack block are filled in
        out.U8(134 + attack, 1 + dice.Roll(4)).U8(137 + attack, dice.Roll(40));
    }
    out.U16(122, 0).U8(124, 1).U8(125, 4);
    out.U16(126, level).U8(128, level).U8(129, 8);
    out.U16(130, 10).U8(132, level).U8(133, 6);
    for (int attribute = 0; attribute < 4; ++attribute)
        out.U8(140 + attribute, 5 + dice.Roll(10) + level / 2);
    for (int resistance = 0; resistance < 13; ++resistance)
        out.U8(155 + resistance, dice.Roll(4) == 0 ? 10 * dice.Roll(10) : 0);
    out.U8(169, number % kLootCount);
    out.U8(214, kind.creatureType).U8(215, number % 5 == 0 ? '*' : '0');
    out.U8(217, 1 + dice.Roll(5)).U8(218, 1 + dice.Roll(3)).U8(219, 1 + dice.Roll(2)).U8(220, dice.Roll(2));
    return monster;
}

Record DemoLoot(int number, Dice& dice)
{
    Record loot = NewRecord(kLootSize);
    ByteWriter out(loot);
    for (int entry = 0; entry < 1 + number % 9; ++entry) {
        size_t at = 6 * entry;
        int item = 1 + dice.Roll(kItemCount - 1);
        out.U16(at, item).U16(at + 2, item + dice.Roll(3)).U8(at + 4, 10 + dice.Roll(90));
    }
    return loot;
}

Record DemoIncident(int number)
{
    Record incident = NewRecord(kIncidentSize);
    ByteWriter(incident).U16(0, 1000 + number);
    return incident;
}

// Four quadrants in a square, an outer wall around them and a few walls and doors inside.
Record DemoMap(int map, Dice& dice)
{
    Record record = NewRecord(kMapSize);
    ByteWriter out(record);
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        out.U8(1200 + quadrant, 8 * (quadrant % 2)).U8(1216 + quadrant, 8 * (quadrant / 2));
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        for (int y = 0; y < 8; ++y) {
            int r = quadrant * 8 + y;
            for (int x = 0; x < 8; x += 2) {
                auto wall = [&](int cx, bool north) {
                    bool edge = north ? (quadrant / 2 == 1 && y == 7) : (quadrant % 2 == 1 && cx == 7);
                    if (edge)
                        return 2;
                    unsigned roll = dice.Roll(12);
                    return roll == 0 ? 2 : roll == 1 ? 4 : 0;
                };
                out.U8(176 + 4 * r + x / 2, wall(x, true) | (wall(x + 1, true) << 4));
                out.U8(688 + 4 * r + x / 2, wall(x, false) | (wall(x + 1, false) << 4));
            }
        }
    out.U8(2256 + 3 * 128 + (map % 32), 0x3C); // a battle area
    return record;
}

std::vector<MapEvent> DemoEvents(int map, Dice& dice)
{
    std::vector<MapEvent> events;
    for (int number = 1; number <= 12 + map % 7; ++number) {
        MapEvent event;
        event.type = static_cast<uint8_t>(1 + dice.Roll(30));
        event.quadrant = static_cast<uint8_t>(dice.Roll(4));
        event.x = static_cast<uint8_t>(dice.Roll(8));
        event.y = static_cast<uint8_t>(dice.Roll(8));
        event.number = static_cast<uint8_t>(number);
        event.param0 = static_cast<uint16_t>(dice.Roll(kItemCount));
        event.param2 = static_cast<uint16_t>(dice.Roll(0x400));
        event.param4 = static_cast<uint16_t>(dice.Roll(0x400));
        event.param11 = static_cast<uint8_t>(dice.Roll(kIncidentCount));
        events.push_back(event);
    }
    return events;
}

} // namespace

Installation DemoInstallation(Edition edition)
{
    Installation demo;
    demo.edition = edition;
    Dice dice(edition == Edition::Gold ? 7007u : 7u);
    Scenario& scenario = demo.scenario;
    for (int i = 0; i < kItemCount; ++i)
        scenario.items.push_back(DemoItem(i, dice));
    for (int i = 0; i < kMonsterCount; ++i)
        scenario.monsters.push_back(DemoMonster(i, dice));
    for (int i = 0; i < kLootCount; ++i)
        scenario.loot.push_back(DemoLoot(i, dice));
    for (int i = 0; i < kIncidentCount; ++i)
        scenario.incidents.push_back(DemoIncident(i));
    for (int map = 0; map < kMapCount; ++map) {
        scenario.maps[map] = DemoMap(map, dice);
        scenario.events[map] = DemoEvents(map, dice);
    }
    AddDemoTexts(demo);
    AddDemoImages(demo);
    AddDemoPictures(demo);
    AddDemoSaves(demo);
    return demo;
}

} // namespace gamebuild
