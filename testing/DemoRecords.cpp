// The demo's items, monsters and loot: made-up records that use every field the viewers show.
// Item types, names and pictures agree with the demo texts (types from entry 20 of message 1530)
// and with the item art; monsters keep the order of their pictures (DemoMonsters.cpp).

#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"
#include "testing/art/ItemArt.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace gamebuild {

using namespace scenario;

namespace {

// A small fixed generator, so that the demo is the same on every machine.
class Dice {
public:
    explicit Dice(uint32_t seed) : m_state(seed) {}
    int Roll(int sides)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return sides > 0 ? static_cast<int>((m_state >> 8) % static_cast<uint32_t>(sides)) : 0;
    }

private:
    uint32_t m_state;
};

// ------------------------------------------------------------------------------------------
// Items

enum Type {
    ShortWeapon, ExtendedWeapon, ThrownWeapon, MissileWeapon, Ammunition, Shield, BodyArmour, Helmet, Gauntlets,
    Boots, Cloak, Ring, Potion, Amulet, Instrument, Scroll, Powder, Book, Key, Tool, Food, Treasure, QuestItem,
    Unknown
};

// Attack modes.
constexpr int kSwing = 1, kThrust = 2, kBash = 4, kMelee = 8, kThrow = 16, kPunch = 32, kKick = 64, kLash = 128;
// Item flags.
constexpr int kTwoHands = 4, kSecondary = 8;

struct ItemKind {
    const char* name;     // as stored: "/" stands for a blank
    const char* picture;  // the item art's name for its picture
    Type type;
    int weight;           // tenths of a pound
    int price;
    int dice, sides;      // damage
    int armour;           // armour class as shown (the stored value negated): below 0 is better
    int flags;
    int modes;            // attack modes
};

// Grouped by type, so that a loot range over neighbours offers things alike.
constexpr ItemKind kItemKinds[] = {
    {"Dagger", "Dagger", ShortWeapon, 10, 15, 1, 4, 0, kSecondary, kThrust | kMelee | kThrow},
    {"Short/Sword", "Short Sword", ShortWeapon, 30, 40, 1, 6, 0, kSecondary, kSwing | kThrust},
    {"Long Sword", "Long Sword", ShortWeapon, 40, 120, 1, 8, 0, 0, kSwing | kThrust},
    {"Broadsword", "Broadsword", ShortWeapon, 50, 160, 1, 10, 0, 0, kSwing},
    {"Scimitar", "Scimitar", ShortWeapon, 40, 140, 1, 8, 0, 0, kSwing | kMelee},
    {"Katana", "Katana", ShortWeapon, 35, 400, 1, 10, 0, 0, kSwing | kThrust | kMelee},
    {"Rapier", "Rapier", ShortWeapon, 25, 180, 1, 6, 0, kSecondary, kThrust},
    {"Hand Axe", "Hand Axe", ShortWeapon, 40, 30, 1, 6, 0, kSecondary, kSwing | kThrow},
    {"Battle Axe", "Battle Axe", ShortWeapon, 70, 250, 2, 4, 0, 0, kSwing | kBash},
    {"Mace", "Mace", ShortWeapon, 50, 90, 1, 6, 0, 0, kBash},
    {"War/Hammer", "War Hammer", ShortWeapon, 60, 150, 1, 8, 0, 0, kBash | kMelee},
    {"Morning/Star", "Morning Star", ShortWeapon, 60, 200, 2, 4, 0, 0, kBash | kSwing},
    {"Flail", "Flail", ShortWeapon, 60, 160, 1, 8, 0, 0, kBash | kLash},
    {"Club", "Club", ShortWeapon, 40, 5, 1, 4, 0, kSecondary, kBash},
    {"Whip", "Whip", ShortWeapon, 20, 25, 1, 3, 0, kSecondary, kLash},
    {"Sickle", "Sickle", ShortWeapon, 25, 20, 1, 4, 0, kSecondary, kSwing | kPunch},
    {"Wand", "Wand", ShortWeapon, 5, 300, 1, 2, 0, kSecondary, kBash},
    {"Rod", "Rod", ShortWeapon, 15, 350, 1, 3, 0, 0, kBash},
    {"Bastard/Sword", "Bastard Sword", ExtendedWeapon, 60, 300, 2, 6, 0, kTwoHands, kSwing | kThrust | kMelee},
    {"Great Axe", "Great Axe", ExtendedWeapon, 90, 350, 3, 4, 0, kTwoHands, kSwing | kBash},
    {"Quarterstaff", "Quarterstaff", ExtendedWeapon, 40, 20, 1, 6, 0, kTwoHands, kBash | kThrust | kKick},
    {"Magic/Staff", "Magic Staff", ExtendedWeapon, 40, 800, 1, 6, 0, kTwoHands, kBash},
    {"Spear", "Spear", ExtendedWeapon, 50, 60, 1, 8, 0, kTwoHands, kThrust | kThrow},
    {"Halberd", "Halberd", ExtendedWeapon, 90, 400, 2, 6, 0, kTwoHands, kSwing | kThrust},
    {"Trident", "Trident", ExtendedWeapon, 70, 220, 2, 5, 0, kTwoHands, kThrust},
    {"Glaive", "Glaive", ExtendedWeapon, 80, 280, 2, 5, 0, kTwoHands, kSwing | kThrust},
    {"Scythe", "Scythe", ExtendedWeapon, 80, 120, 2, 4, 0, kTwoHands, kSwing},
    {"Naginata", "Naginata", ExtendedWeapon, 70, 500, 2, 6, 0, kTwoHands, kSwing | kThrust | kMelee},
    {"Shuriken", "Shuriken", ThrownWeapon, 2, 12, 1, 4, 0, 0, kThrow},
    {"Throwing/Knife", "Throwing Knife", ThrownWeapon, 5, 10, 1, 4, 0, 0, kThrow},
    {"Short Bow", "Short Bow", MissileWeapon, 30, 80, 1, 6, 0, kTwoHands, 0},
    {"Long Bow", "Long Bow", MissileWeapon, 40, 200, 1, 8, 0, kTwoHands, 0},
    {"Crossbow", "Crossbow", MissileWeapon, 70, 260, 2, 4, 0, kTwoHands, 0},
    {"Sling", "Sling", MissileWeapon, 5, 8, 1, 4, 0, 0, 0},
    {"Arrows", "Arrows", Ammunition, 1, 2, 1, 3, 0, 0, kThrust},
    {"Quarrels", "Quarrels", Ammunition, 1, 3, 1, 4, 0, 0, kThrust},
    {"Buckler", "Buckler", Shield, 40, 30, 0, 0, -1, 0, 0},
    {"Round/Shield", "Round Shield", Shield, 60, 60, 0, 0, -2, 0, 0},
    {"Heater/Shield", "Heater Shield", Shield, 70, 110, 0, 0, -2, 0, 0},
    {"Tower/Shield", "Tower Shield", Shield, 120, 300, 0, 0, -4, 0, 0},
    {"Kite/Shield", "Kite Shield", Shield, 80, 180, 0, 0, -3, 0, 0},
    {"Leather/Cuirass", "Leather Cuirass", BodyArmour, 100, 70, 0, 0, -2, 0, 0},
    {"Chain Mail", "Chain Mail", BodyArmour, 250, 450, 0, 0, -4, 0, 0},
    {"Scale Mail", "Scale Mail", BodyArmour, 300, 600, 0, 0, -5, 0, 0},
    {"Plate/Armour", "Plate Armour", BodyArmour, 400, 1500, 0, 0, -7, 0, 0},
    {"Robe", "Robe", BodyArmour, 30, 40, 0, 0, -1, 0, 0},
    {"Jerkin", "Jerkin", BodyArmour, 50, 30, 0, 0, -1, 0, 0},
    {"Leggings", "Leggings", BodyArmour, 60, 50, 0, 0, -1, 0, 0},
    {"Leather Cap", "Leather Cap", Helmet, 20, 25, 0, 0, -1, 0, 0},
    {"Iron Helm", "Iron Helm", Helmet, 50, 120, 0, 0, -2, 0, 0},
    {"Great Helm", "Great Helm", Helmet, 80, 300, 0, 0, -3, 0, 0},
    {"Horned Helm", "Horned Helm", Helmet, 70, 220, 0, 0, -2, 0, 0},
    {"Hood", "Hood", Helmet, 10, 15, 0, 0, 0, 0, 0},
    {"Wizard/Hat", "Wizard Hat", Helmet, 10, 90, 0, 0, 0, 0, 0},
    {"Leather/Gloves", "Leather Gloves", Gauntlets, 10, 20, 0, 0, 0, 0, 0},
    {"Gauntlets", "Gauntlets", Gauntlets, 30, 180, 0, 0, -1, 0, 0},
    {"Bracers", "Bracers", Gauntlets, 20, 150, 0, 0, -1, 0, 0},
    {"Sandals", "Sandals", Boots, 10, 5, 0, 0, 0, 0, 0},
    {"Leather/Boots", "Leather Boots", Boots, 30, 60, 0, 0, -1, 0, 0},
    {"Iron Boots", "Iron Boots", Boots, 60, 200, 0, 0, -2, 0, 0},
    {"Cloak", "Cloak", Cloak, 20, 30, 0, 0, -1, 0, 0},
    {"Elven Cloak", "Elven Cloak", Cloak, 10, 700, 0, 0, -2, 0, 0},
    {"Copper Ring", "Copper Ring", Ring, 1, 150, 0, 0, 0, 0, 0},
    {"Gold Ring", "Gold Ring", Ring, 1, 500, 0, 0, 0, 0, 0},
    {"Ruby Ring", "Ruby Ring", Ring, 1, 900, 0, 0, 0, 0, 0},
    {"Sapphire/Ring", "Sapphire Ring", Ring, 1, 1100, 0, 0, 0, 0, 0},
    {"Red Potion", "Healing Potion", Potion, 5, 100, 0, 0, 0, 0, 0},
    {"Blue Potion", "Blue Potion", Potion, 5, 150, 0, 0, 0, 0, 0},
    {"Green Potion", "Green Potion", Potion, 5, 120, 0, 0, 0, 0, 0},
    {"Yellow Potion", "Yellow Potion", Potion, 5, 400, 0, 0, 0, 0, 0},
    {"Violet Vial", "Violet Vial", Potion, 3, 600, 0, 0, 0, 0, 0},
    {"Amulet", "Amulet", Amulet, 2, 800, 0, 0, 0, 0, 0},
    {"Gold Amulet", "Gold Amulet", Amulet, 2, 1200, 0, 0, 0, 0, 0},
    {"Medallion", "Medallion", Amulet, 3, 1000, 0, 0, 0, 0, 0},
    {"Pearl/Necklace", "Pearl Necklace", Amulet, 2, 1500, 0, 0, 0, 0, 0},
    {"Horn", "Horn", Instrument, 20, 250, 0, 0, 0, 0, 0},
    {"Lute", "Lute", Instrument, 40, 300, 0, 0, 0, 0, 0},
    {"Bell", "Bell", Instrument, 10, 120, 0, 0, 0, 0, 0},
    {"Scroll", "Scroll", Scroll, 1, 75, 0, 0, 0, 0, 0},
    {"Sealed Scroll", "Sealed Scroll", Scroll, 1, 250, 0, 0, 0, 0, 0},
    {"Old Scroll", "Open Scroll", Scroll, 1, 150, 0, 0, 0, 0, 0},
    {"Herb/Powder", "Herbs", Powder, 2, 40, 0, 0, 0, 0, 0},
    {"Spore/Powder", "Mushroom", Powder, 2, 90, 0, 0, 0, 0, 0},
    {"Spellbook", "Spellbook", Book, 30, 900, 0, 0, 0, 0, 0},
    {"Tome", "Tome", Book, 50, 1300, 0, 0, 0, 0, 0},
    {"Iron Key", "Iron Key", Key, 2, 1, 0, 0, 0, 0, 0},
    {"Gold Key", "Gold Key", Key, 2, 50, 0, 0, 0, 0, 0},
    {"Silver Key", "Silver Key", Key, 2, 20, 0, 0, 0, 0, 0},
    {"Lockpicks", "Lockpicks", Tool, 5, 60, 0, 0, 0, 0, 0},
    {"Rope", "Rope", Tool, 50, 10, 0, 0, 0, 0, 0},
    {"Lantern", "Lantern", Tool, 20, 30, 0, 0, 0, 0, 0},
    {"Torch", "Torch", Tool, 10, 2, 0, 0, 0, 0, 0},
    {"Compass", "Compass", Tool, 5, 200, 0, 0, 0, 0, 0},
    {"Pick", "Pick", Tool, 60, 25, 0, 0, 0, 0, 0},
    {"Backpack", "Backpack", Tool, 20, 15, 0, 0, 0, 0, 0},
    {"Bread", "Bread", Food, 5, 1, 0, 0, 0, 0, 0},
    {"Apple", "Apple", Food, 3, 1, 0, 0, 0, 0, 0},
    {"Water/Skin", "Water Skin", Food, 20, 3, 0, 0, 0, 0, 0},
    {"Ruby", "Ruby", Treasure, 1, 900, 0, 0, 0, 0, 0},
    {"Topaz", "Topaz", Treasure, 1, 400, 0, 0, 0, 0, 0},
    {"Sapphire", "Sapphire", Treasure, 1, 800, 0, 0, 0, 0, 0},
    {"Emerald", "Emerald", Treasure, 1, 850, 0, 0, 0, 0, 0},
    {"Diamond", "Diamond", Treasure, 1, 2000, 0, 0, 0, 0, 0},
    {"Amethyst", "Amethyst", Treasure, 1, 300, 0, 0, 0, 0, 0},
    {"Pearl", "Pearl", Treasure, 1, 250, 0, 0, 0, 0, 0},
    {"Coins", "Coins", Treasure, 10, 100, 0, 0, 0, 0, 0},
    {"Idol", "Idol", Treasure, 30, 1800, 0, 0, 0, 0, 0},
    {"Bracelet", "Bracelet", Treasure, 2, 600, 0, 0, 0, 0, 0},
    {"Map", "Map", QuestItem, 1, 0, 0, 0, 0, 0, 0},
    {"Rune Stone", "Rune Stone", QuestItem, 20, 0, 0, 0, 0, 0, 0},
    {"Skull", "Skull", QuestItem, 20, 0, 0, 0, 0, 0, 0},
    {"Bone", "Bone", QuestItem, 10, 0, 0, 0, 0, 0, 0},
    {"Feather", "Feather", QuestItem, 0, 0, 0, 0, 0, 0, 0},
    {"Ankh", "Ankh", QuestItem, 5, 0, 0, 0, 0, 0, 0},
    {"Crystal Ball", "Crystal Ball", QuestItem, 30, 0, 0, 0, 0, 0, 0},
    {"Hourglass", "Hourglass", QuestItem, 15, 0, 0, 0, 0, 0, 0},
    {"Odd Stone", "Stone", Unknown, 10, 0, 0, 0, 0, 0, 0},
};
constexpr int kKindCount = static_cast<int>(std::size(kItemKinds));

// What a suffix word adds to an item of its group. "effect" and "resist" are -1 for none.
struct Enchantment {
    const char* word;
    int effect;     // weapon effect 0 to 7
    int resist;     // resistance code
    int invoke;     // invoke power
    int spell;      // spell number + 1; 0 for none
    int bonus;      // to hit, armour and damage
    bool cursed;
};

constexpr Enchantment kWeaponEnchantments[] = {
    {"Venom", 2, -1, 0, 0, 1, false},  {"Sleep", 0, -1, 0, 0, 0, false}, {"Stun", 1, -1, 0, 0, 1, false},
    {"Night", 3, -1, 0, 0, 1, false},  {"Stone", 4, -1, 0, 0, 2, false}, {"Blood", 5, -1, 0, 0, 2, false},
    {"Chaos", 6, -1, 0, 0, 1, false},  {"Death", 7, -1, 0, 0, 3, false}, {"Might", -1, -1, 1, 0, 1, false},
    {"Fire", 2, -1, 0, 1 + 2, 2, false}, {"Ruin", -1, -1, 0, 0, -2, true}, {"Speed", -1, -1, 6, 0, 1, false},
    {"Power", -1, -1, 40, 0, 2, false}, {"Flame", -1, 1, 9, 1 + 8, 3, false}, {"Storm", 0, 3, 0, 1 + 29, 2, false},
    {"Woe", 6, -1, 16, 0, -1, true},
};

constexpr Enchantment kArmourEnchantments[] = {
    {"Fire", -1, 1, 0, 0, 1, false},    {"Frost", -1, 2, 0, 0, 1, false},  {"Storm", -1, 3, 0, 0, 1, false},
    {"Venom", -1, 4, 0, 0, 1, false},   {"Acid", -1, 5, 0, 0, 1, false},   {"Magic", -1, 6, 0, 0, 2, false},
    {"Mind", -1, 7, 0, 0, 1, false},    {"Life", -1, 8, 13, 0, 2, false},  {"Plague", -1, 9, 0, 0, 1, false},
    {"Waking", -1, 11, 0, 0, 1, false}, {"Stone", -1, 12, 0, 0, 2, false}, {"Guard", -1, 13, 0, 0, 3, false},
    {"Doom", -1, -1, 0, 0, -2, true},   {"Kings", -1, 10, 4, 1 + 81, 3, false},
};

constexpr Enchantment kJewelEnchantments[] = {
    {"Might", -1, -1, 1, 0, 0, false},  {"Wit", -1, -1, 2, 0, 0, false},    {"Faith", -1, -1, 3, 0, 0, false},
    {"Vigor", -1, -1, 4, 0, 0, false},  {"Grace", -1, -1, 5, 0, 0, false},  {"Haste", -1, -1, 6, 0, 0, false},
    {"Charm", -1, -1, 7, 0, 0, false},  {"Fate", -1, -1, 8, 0, 0, false},   {"Blade", -1, -1, 9, 0, 0, false},
    {"Staff", -1, -1, 10, 0, 0, false}, {"Life", -1, 8, 11, 0, 0, false},   {"Oak", -1, -1, 12, 0, 0, false},
    {"Heart", -1, -1, 13, 0, 0, false}, {"Mana", -1, 6, 14, 0, 0, false},   {"Ninja", -1, -1, 15, 0, 0, false},
    {"Curse", -1, -1, 16, 0, 0, true},  {"Dawn", -1, 1, 17, 0, 0, false},   {"Power", -1, -1, 40, 0, 0, false},
    {"Tides", -1, -1, 41, 0, 0, false}, {"Mirror", -1, -1, 42, 0, 0, false}, {"Ages", -1, -1, 43, 0, 0, false},
    {"Hands", -1, -1, 44, 0, 0, false}, {"Thief", -1, -1, 45, 0, 0, false}, {"Scout", -1, -1, 46, 0, 0, false},
    {"Goat", -1, -1, 47, 0, 0, false},  {"Hawk", -1, -1, 48, 0, 0, false},  {"Mist", -1, -1, 18, 0, 0, false},
    {"Echo", -1, -1, 39, 0, 0, false},  {"Void", -1, -1, 49, 0, 0, false},  {"Stars", -1, 7, 200, 1 + 69, 0, false},
    {"Sight", -1, -1, 0, 1 + 76, 0, false},
};

// Spells of the things that are drunk, read or played, by their suffix.
constexpr Enchantment kMagicEnchantments[] = {
    {"Cure", -1, -1, 0, 1 + 79, 0, false},  {"Light", -1, -1, 0, 1 + 80, 0, false},
    {"Haste", -1, -1, 0, 1 + 36, 0, false}, {"Sleep", -1, -1, 0, 1 + 57, 0, false},
    {"Fire", -1, -1, 0, 1 + 2, 0, false},   {"Ice", -1, -1, 0, 1 + 11, 0, false},
    {"Mana", -1, -1, 14, 0, 0, false},      {"Life", -1, -1, 11, 1 + 90, 0, false},
    {"Stone", -1, -1, 0, 1 + 43, 0, false}, {"Sight", -1, -1, 0, 1 + 76, 0, false},
    {"Calm", -1, -1, 0, 1 + 1, 0, false},   {"Dread", -1, -1, 0, 1 + 60, 0, false},
};

// Owners and places, for things that are not enchanted.
constexpr const char* kPlaces[] = {"Crypt", "Tower", "Gate", "Vault", "Kings", "Elves", "Dawn", "Mist",
                                   "Bones", "Moon", "Sea", "Wyrm", "Fens", "Ash"};

// The four ways the game marks "of" in a stored name, one per tier above the first.
std::string Named(const char* base, int tier, const char* word)
{
    static constexpr const char* kMarks[] = {"=", "/=", " =/", " = "};
    if (tier == 0)
        return base;
    std::string name = std::string(base) + kMarks[(tier - 1) % 4] + word;
    return name.size() <= 21 ? name : std::string(base) + "=" + word; // 21 characters and the terminator
}

bool IsWeapon(Type type) { return type <= Ammunition; }
bool IsArmour(Type type) { return type >= Shield && type <= Cloak; }
bool IsJewel(Type type) { return type == Ring || type == Amulet; }
bool IsMagic(Type type)
{
    return type == Potion || type == Scroll || type == Powder || type == Instrument || type == Book;
}
bool IsStackable(Type type) { return type == ThrownWeapon || type == Potion || type == Scroll || type == Powder; }

const Enchantment* EnchantmentOf(Type type, int kind, int tier)
{
    if (tier == 0 && type != Book) // books always hold a spell
        return nullptr;
    const int pick = kind * 3 + tier * 5;
    if (IsWeapon(type))
        return &kWeaponEnchantments[pick % std::size(kWeaponEnchantments)];
    if (IsArmour(type))
        return &kArmourEnchantments[pick % std::size(kArmourEnchantments)];
    if (IsJewel(type)) {
        // Rings and amulets take the powers in turn, so that each one is somewhere.
        int ordinal = 0;
        for (int other = 0; other < kind; ++other)
            ordinal += IsJewel(kItemKinds[other].type);
        return &kJewelEnchantments[(ordinal * 4 + tier - 1) % std::size(kJewelEnchantments)];
    }
    if (IsMagic(type))
        return &kMagicEnchantments[pick % std::size(kMagicEnchantments)];
    return nullptr;
}

int InventoryAction(const ItemKind& kind, const Enchantment* enchantment)
{
    const std::string name = kind.name;
    const Type type = kind.type;
    switch (type) {
    case Potion: return 1;     // drink
    case Food: return 2;       // eat
    case Book: return 3;       // cast spell
    case Instrument: return 8; // play
    case Powder: return 10;    // combine
    case QuestItem: return 11; // break
    case Tool: return name == "Lantern" || name == "Torch" ? 7 : name == "Backpack" ? 6 : 0; // light, open
    default: break;
    }
    if (IsArmour(type) || IsJewel(type))
        return enchantment && enchantment->invoke ? 4 : 9; // invoke, or wear
    return 0;
}

// Who may use it: heavy things not the small races, great weapons only the fighters, robes and
// hats only the casters; a few things for one gender.
void Restrictions(ByteWriter& out, const ItemKind& kind, int number, bool cursed)
{
    unsigned races = 0x7FF, professions = 0x3FFF, genders = 3;
    if (kind.weight >= 250)
        races &= ~((1u << 3) | (1u << 4)); // gnomes, halflings
    if (kind.type == ExtendedWeapon || kind.type == BodyArmour)
        professions &= kind.weight >= 250 ? 0x0511u : 0x3D19u; // fighters; or all but the casters
    const std::string name = kind.name;
    if (name == "Robe" || name == "Wizard/Hat" || name == "Magic/Staff" || kind.type == Book)
        professions = (1u << 1) | (1u << 2) | (1u << 5) | (1u << 7) | (1u << 9);
    if (name == "Pearl/Necklace")
        genders = 2;
    if (name == "Horned Helm")
        genders = 1;
    if (name.rfind("Iron", 0) == 0)
        races &= ~(1u << 1); // elves
    if (kind.type == MissileWeapon && number % 2)
        races &= ~(1u << 6); // lizardkin
    if (cursed && number % 3 == 0)
        genders = 0;
    out.U8(50, professions & 0xFF).U8(51, professions >> 8).U8(52, races & 0xFF).U8(53, races >> 8).U8(54, genders);
}

Record DemoItem(int number, Dice& dice)
{
    Record item(kItemSize, 0);
    if (number == 0)
        return item; // item 0 is the empty item, as in the game
    ByteWriter out(item);
    const int index = (number - 1) % kKindCount, tier = (number - 1) / kKindCount;
    const ItemKind& kind = kItemKinds[index];
    const Enchantment* magic = EnchantmentOf(kind.type, index, tier);
    const char* word = magic ? magic->word : kPlaces[(index + tier * 3) % std::size(kPlaces)];
    const bool cursed = magic && magic->cursed;
    const int bonus = magic ? magic->bonus : 0;

    // The game stores item names in capitals; only the expanded "of" is lower case.
    std::string name = Named(kind.name, tier, word);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    out.Text(0, name, 22);
    out.U32(22, kind.price ? static_cast<uint32_t>(kind.price * (1 + 2 * tier) + dice.Roll(10)) : 0);
    out.U16(36, kind.weight + (kind.weight ? tier : 0));
    out.U8(56, kind.type).U8(57, std::max(art::FindItemPicture(kind.picture), 0));
    out.U8(55, kind.flags);
    out.U8(58, InventoryAction(kind, magic));
    out.U8(59, std::min(3 * tier + (magic ? 2 : 0) + dice.Roll(2), 60));
    Restrictions(out, kind, number, cursed);

    if (kind.dice) {
        // A cursed weapon loses a point of damage: the dice read "2d4+-1".
        out.U16(30, static_cast<uint16_t>(cursed ? -1 : tier > 2 ? bonus : 0)).U8(32, kind.dice).U8(33, kind.sides);
        out.U8(70, kind.modes);
        // Weapons deal double damage to the creature type of their byte: most to type 0, as in the game.
        out.U8(67, magic && magic->effect == 7 ? 20 : magic && magic->invoke == 40 ? 24 : 0);
    }
    if (IsWeapon(kind.type) || IsArmour(kind.type))
        out.U8(65, bonus).U8(66, kind.type == MissileWeapon ? -tier : tier / 2);
    if (kind.armour || (IsArmour(kind.type) && bonus))
        out.U8(64, bonus - kind.armour);

    if (IsStackable(kind.type)) // how many come in one stack
        out.U16(26, kind.type == ThrownWeapon ? 2 : 0).U8(28, kind.type == ThrownWeapon ? 2 : 1).U8(29, 4);
    if (kind.type == Instrument) // special usages, a fixed number
        out.U16(26, 3 + tier);
    if (kind.type == Ammunition)
        out.U8(28, 2).U8(29, 6);
    if (magic) {
        if (magic->effect >= 0) {
            out.U8(42 + magic->effect, 10 + 5 * tier + dice.Roll(10));
            if (magic->effect == 2)
                out.U8(69, 3 + 4 * tier);
        }
        // Weapons of the deeper tiers carry a second effect.
        if (IsWeapon(kind.type) && tier >= 3)
            out.U8(42 + (index + tier) % 8, 5 + dice.Roll(10));
        if (magic->resist >= 0)
            out.U8(40, magic->resist << 4 | std::min(2 + tier, 15));
        if (IsArmour(kind.type) && tier >= 4)
            out.U8(41, ((magic->resist + 5) % 13 + 1) << 4 | 2);
        if (magic->invoke)
            out.U8(62, magic->invoke);
        if (magic->spell) {
            // Level 0: cast at the character's own skill.
            out.U8(34, magic->spell - 1).U8(35, kind.type == Book ? 0 : 1 + (tier + index) % 6);
        }
        if ((magic->invoke || magic->spell) && !IsStackable(kind.type) && kind.type != Instrument)
            out.U16(26, tier).U8(28, 1).U8(29, 3 + tier); // charges
        if (cursed) {
            out.U8(61, 1);
            out.U8(60, (1 + tier % 3) << 4); // a loss per turn
        }
    }
    // Healing things regenerate: rings and amulets of life, the Elven Cloak, an Ankh.
    if ((magic && !magic->cursed && (std::string(magic->word) == "Life" || std::string(magic->word) == "Ages")) ||
        std::string(kind.name) == "Elven Cloak" || std::string(kind.name) == "Ankh")
        out.U8(60, (tier % 2 ? 0x30 : 0x00) | (1 + tier % 3)); // a gain, which wins over a loss
    // Wands and rods hold charges of a lightning spell, whatever else they grant.
    if (std::string(kind.name) == "Wand" || std::string(kind.name) == "Rod")
        out.U8(34, 26 + tier).U8(35, 2 + tier).U8(28, 2).U8(29, 4 + tier).U16(26, 0);
    return item;
}

} // namespace

namespace {

// ------------------------------------------------------------------------------------------
// Monsters

// Manners of attack, and the swing kinds of manner 1.
enum Manner { Swings = 1, Throws, Shoots, Claws, Bites, Lashes, Stings, Touches, Grabs, Punches, Kicks, Stomps,
              Hurls, Backstab, Surprise };
constexpr int kSwingsKind = 1, kThrustsKind = 2, kBashesKind = 4, kMeleesKind = 8, kThrowsKind = 16,
              kKicksKind = 64;
// Weapon effects.
constexpr int kSleepEffect = 0, kParalyzeEffect = 1, kPoisonEffect = 2, kPetrifyEffect = 4, kDrainEffect = 5,
              kMaddenEffect = 6, kSlayEffect = 7, kNoEffect = -1;
enum Range { Short, Extended, Thrown, Long };
// Creature types that are not professions.
constexpr int kGiant = 14, kUnknownType = 15, kAnimal = 16, kPlant = 17, kInsect = 18, kOoze = 19, kUndead = 20,
              kDemon = 21, kAndroid = 22, kSeaMonster = 23, kDragon = 24, kLegendary = 25, kRobot = 26,
              kQueen = 27;
constexpr int kNone = 255;

struct Attack {
    int manner = 0;
    int weapon = 0; // weapon name number; 0 for none
    int dice = 0, sides = 0, bonus = 0;
    int range = Short;
    int swings = 0; // swing kinds of manner 1
    int effect = kNoEffect, chance = 0;
    int effect2 = kNoEffect, chance2 = 0;
};

enum class Body { Humanoid, Beast, Flier, Insect, Ooze, Plant, Spirit };

struct MonsterKind {
    const char* name;   // as stored
    const char* shortName;
    const char* plural; // named as a companion
    const char* unidentified;
    int level;
    int type;           // creature type; -1: a profession by rank
    int hpSides;
    Attack attacks[3];
    int special;        // special attack code
    int drain;          // what effect 5 drains: 11 hit points, 3 stamina
    Body body;
    int behaviour;      // flags
    int spellChance;
    int spells[5];      // -1 ends the list
    int alliance;
    int resist[4][2];   // (code, percent) pairs; code 0 ends them
    int partner;        // the kind that comes along; -1 for none
};

// In the order of the monster pictures.
const MonsterKind kMonsterKinds[] = {
    {"Giant/Rat", "Rat", "Giant/Rats", "Rodent", 1, kAnimal, 4,
     {{Bites, 9, 1, 3, 0, Short, 0, kPoisonEffect, 10}}, 0, 0, Body::Beast, 8, 0, {-1}, kNone, {{9, 50}}, 1},
    {"Cave/Bat", "Bat", "Cave/Bats", "Bat", 1, kAnimal, 3, {{Bites, 0, 1, 2}, {Claws, 0, 1, 2}},
     10, 0, Body::Flier, 0, 0, {-1}, kNone, {{0, 0}}, 0},
    {"Kobold", "Kobold", "Kobolds", "Humanoid", 2, 0, 6,
     {{Swings, 6, 1, 6, 0, Extended, kThrustsKind | kThrowsKind},
      {Throws, 20, 1, 2, 0, Thrown, 0, kParalyzeEffect, 20}},
     0, 0, Body::Humanoid, 1, 0, {-1}, 2, {{0, 0}}, 3},
    {"Goblin", "Goblin", "Goblins", "Humanoid", 2, 3, 6,
     {{Swings, 5, 1, 4, 0, Short, kSwingsKind | kMeleesKind}, {Backstab, 5, 2, 4}},
     10, 0, Body::Humanoid, 0, 0, {-1}, 6, {{0, 0}}, 4},
    {"Orc/Warrior", "Orc", "Orcs", "Humanoid", 4, 0, 8,
     {{Swings, 7, 1, 10, 0, Short, kSwingsKind | kMeleesKind | kThrowsKind}, {Punches, 17, 1, 4}, {Kicks, 0, 1, 3}},
     0, 0, Body::Humanoid, 2, 0, {-1}, 3, {{13, 20}}, 3},
    {"Skeleton", "Skeleton", "Skeletons", "Bones", 5, kUndead, 8,
     {{Swings, 2, 1, 8, 0, Short, kSwingsKind | kThrustsKind}, {Hurls, 16, 1, 6, 0, Thrown}},
     0, 0, Body::Humanoid, 0, 0, {-1}, kNone, {{8, 100}, {4, 100}, {11, 100}}, 6},
    {"Zombie", "Zombie", "Zombies", "Corpse", 5, kUndead, 10,
     {{Grabs, 0, 1, 4, 0, Short, 0, kParalyzeEffect, 15}, {Bites, 16, 1, 6, 0, Short, 0, kPoisonEffect, 10}},
     2, 0, Body::Humanoid, 0, 0, {-1}, kNone, {{8, 100}, {4, 100}, {9, 100}}, 5},
    {"Wolf", "Wolf", "Wolves", "Animal", 3, kAnimal, 8, {{Bites, 0, 1, 6}, {Claws, 0, 1, 4}, {Claws, 0, 1, 4}},
     0, 0, Body::Beast, 1, 0, {-1}, kNone, {{2, 30}}, 7},
    {"Giant/Spider", "Spider", "Spiders", "Insect", 6, kInsect, 8,
     {{Stings, 0, 1, 6, 0, Short, 0, kPoisonEffect, 40}, {Bites, 0, 1, 4},
      {Grabs, 0, 1, 2, 0, Short, 0, kParalyzeEffect, 25}},
     4, 0, Body::Insect, 4, 0, {-1}, kNone, {{4, 100}}, 8},
    {"Slime", "Slime", "Slimes", "Ooze", 4, kOoze, 12,
     {{Touches, 0, 2, 4, -1, Short, 0, kDrainEffect, 20, kPetrifyEffect, 5}},
     8, 3, Body::Ooze, 0, 0, {-1}, kNone, {{5, 100}, {12, 100}, {13, 50}}, 9},
    {"Troll", "Troll", "Trolls", "Giant", 9, kGiant, 10, {{Claws, 0, 1, 8}, {Claws, 0, 1, 8}, {Bites, 0, 2, 6}},
     0, 0, Body::Humanoid, 3, 0, {-1}, 6, {{1, 10}, {9, 80}}, 11},
    {"Ogre", "Ogre", "Ogres", "Giant", 10, kGiant, 10,
     {{Swings, 1, 2, 6, 0, Short, kMeleesKind}, {Stomps, 0, 2, 8}}, 0, 0, Body::Humanoid, 0, 0, {-1}, 6,
     {{13, 30}}, 10},
    {"Wraith", "Wraith", "Wraiths", "Spirit", 12, kUndead, 8,
     {{Touches, 0, 1, 8, 0, Short, 0, kDrainEffect, 30, kMaddenEffect, 10}, {Surprise, 0, 2, 6}},
     5, 11, Body::Spirit, 4, 25, {57, 60, 66, 98, -1}, kNone, {{8, 100}, {7, 100}, {11, 100}, {1, 20}}, 5},
    {"Fire/Drake", "Drake", "Fire/Drakes", "Dragon", 15, kDragon, 12,
     {{Claws, 0, 2, 6}, {Bites, 0, 3, 6, 2}, {Lashes, 0, 2, 4, 0, Extended, 0, kSleepEffect, 10}},
     1, 0, Body::Beast, 0, 20, {96, 2, 6, -1}, kNone, {{1, 100}, {11, 50}}, -1},
    {"Lich", "Lich", "Liches", "Robed Figure", 20, kUndead, 8,
     {{Touches, 0, 2, 8, 0, Short, 0, kSlayEffect, 5, kDrainEffect, 20},
      {Swings, 4, 1, 8, 2, Short, kMeleesKind | kKicksKind}},
     6, 11, Body::Humanoid, 4, 50, {2, 29, 66, 71, 100}, 7, {{8, 100}, {7, 80}, {6, 50}, {11, 100}}, 12},
    {"Thornvine", "Vine", "Thornvines", "Plant", 3, kPlant, 10,
     {{Lashes, 0, 1, 6, 0, Extended, 0, kPoisonEffect, 20, kDrainEffect, 10},
      {Grabs, 0, 1, 4, 0, Short, 0, kSleepEffect, 10}},
     7, 3, Body::Plant, 2, 10, {99, -1}, kNone, {{11, 100}, {7, 100}}, -1},
    {"Bandit", "Bandit", "Bandits", "Man", 3, -1, 8,
     {{Swings, 2, 1, 8, 0, Short, kSwingsKind | kThrustsKind | kKicksKind}, {Shoots, 11, 1, 10, 0, Long},
      {Backstab, 18, 2, 4, 0, Short, 0, kPoisonEffect, 30}},
     11, 0, Body::Humanoid, 1, 0, {-1}, 8, {{0, 0}}, 17},
    {"Dark/Mage", "Mage", "Dark/Mages", "Robed Figure", 8, -1, 4,
     {{Swings, 4, 1, 6, 0, Short, kBashesKind}, {Shoots, 0, 1, 4, 0, Long}},
     9, 0, Body::Humanoid, 4, 40, {2, 29, 57, 60, 11}, 7, {{6, 30}, {7, 30}}, 16},
};
constexpr int kMonsterKindCount = static_cast<int>(std::size(kMonsterKinds));

// "", Greater, Elder, Dread, Ancient, Giant, Mad, Black, White, Red, Grey, Old, Young, Wild: the
// order of the monster pictures' ranks.
constexpr const char* kRanks[] = {"", "Greater", "Elder", "Dread", "Ancient", "Giant", "Mad",
                                  "Black", "White", "Red", "Grey", "Old", "Young", "Wild"};

// Monsters that stand apart from their kind: a name of their own, or another creature type.
struct Special {
    int kind, rank;
    const char* name;   // null: the kind's
    const char* plural;
    const char* unidentified;
    int type;
    int gender = -1; // -1: by rank
};
constexpr Special kSpecials[] = {
    {5, 10, "Iron/Sentinel", "Sentinels", "Statue", kRobot},
    {5, 12, "Clockwork/Man", "Clockwork/Men", "Man", kAndroid},
    {17, 12, "Veiled/Queen", "Veiled/Queens", "Robed Figure", kQueen, 1},
    {12, 3, nullptr, nullptr, nullptr, kDemon},
    {12, 7, nullptr, nullptr, nullptr, kDemon},
    {12, 12, nullptr, nullptr, nullptr, kUnknownType},
    {13, 4, nullptr, nullptr, nullptr, kLegendary},
    {9, 5, nullptr, nullptr, nullptr, kSeaMonster},
    {9, 9, nullptr, nullptr, nullptr, kSeaMonster},
    {9, 12, nullptr, nullptr, nullptr, 40},
};

// Professions of the mages, by rank.
constexpr int kMageProfessions[] = {1, 5, 7, 2, 9, 10, 11, 12, 13, 6, 4, 8, 1, 0};

// The monster's name from its rank: "Greater Orc", "Wraith=Dread" ("Wraith of Dread").
std::string RankedName(int rank, const char* name, const char* shortName)
{
    if (rank == 0)
        return name;
    if (rank == 3)
        return std::string(shortName) + "=" + kRanks[rank];
    std::string ranked = std::string(kRanks[rank]) + " " + name;
    return ranked.size() <= 15 ? ranked : std::string(kRanks[rank]) + " " + shortName;
}

struct Locations {
    int chance[7];
    int armour[7]; // added to the monster's own armour class
};

Locations LocationsOf(Body body)
{
    switch (body) {
    case Body::Humanoid: return {{15, 5, 40, 15, 5, 15, 5}, {1, 2, -1, 0, 2, 0, 1}};
    case Body::Beast: return {{20, 10, 45, 0, 0, 25, 0}, {0, 1, -1, 0, 0, 1, 0}};
    case Body::Flier: return {{30, 0, 40, 30, 0, 0, 0}, {1, 0, 0, 2, 0, 0, 0}};
    case Body::Insect: return {{10, 0, 50, 0, 0, 40, 0}, {-2, 0, -3, 0, 0, 0, 0}};
    case Body::Ooze: return {{0, 0, 100, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}};
    case Body::Plant: return {{10, 10, 20, 20, 15, 15, 10}, {0, 1, -2, 0, 1, 2, -1}};
    case Body::Spirit: return {{30, 0, 70, 0, 0, 0, 0}, {-3, 0, -4, 0, 0, 0, 0}};
    }
    return {};
}

int AttackCount(const MonsterKind& kind)
{
    return static_cast<int>(std::count_if(std::begin(kind.attacks), std::end(kind.attacks),
                                           [](const Attack& attack) { return attack.manner != 0; }));
}

Record DemoMonster(int number, Dice& dice)
{
    Record monster(kMonsterSize, 0);
    ByteWriter out(monster);
    const int index = number % kMonsterKindCount, rank = number / kMonsterKindCount;
    const MonsterKind& kind = kMonsterKinds[index];
    int type = kind.type < 0 ? (index == 16 ? rank % 14 : kMageProfessions[rank % 14]) : kind.type;
    std::string name = RankedName(rank, kind.name, kind.shortName);
    std::string plural = RankedName(rank, kind.plural, kind.plural);
    std::string unidentified = kind.unidentified;
    int gender = kind.body == Body::Humanoid || kind.body == Body::Beast ? rank % 2 : 2; // 2: none shown
    for (const Special& special : kSpecials)
        if (special.kind == index && special.rank == rank) {
            type = special.type;
            gender = special.gender >= 0 ? special.gender : gender;
            if (special.name) {
                name = special.name;
                plural = special.plural;
                unidentified = special.unidentified;
            }
        }
    const int level = kind.level + rank;
    const bool npc = (index == 16 || index == 17) && rank >= 11;

    out.Text(0, name, 16).Text(16, plural, 16).Text(32, unidentified, 16);
    // The Ancient Lich is worth more than a signed 32-bit number holds.
    out.U32(64, index == 14 && rank == 4 ? 3000000000u : static_cast<uint32_t>(25 * level * level + dice.Roll(50)));

    for (int k = 0; k < 3; ++k) {
        const Attack& attack = kind.attacks[k];
        if (!attack.manner)
            continue;
        const size_t block = 68 + 18 * k;
        out.U16(block, static_cast<uint16_t>(attack.bonus + (attack.bonus >= 0 ? rank / 3 : 0)));
        out.U8(block + 2, attack.dice + rank / 5).U8(block + 3, attack.sides);
        if (attack.effect >= 0)
            out.U8(block + 4 + attack.effect, std::min(attack.chance + 2 * rank, 100));
        if (attack.effect2 >= 0)
            out.U8(block + 4 + attack.effect2, std::min(attack.chance2 + rank, 100));
        if (attack.effect == kPoisonEffect || attack.effect2 == kPoisonEffect)
            out.U8(block + 12, 1 + level / 3);
        out.U8(block + 13, attack.range).U8(block + 14, std::max(1, 20 - level / 2 + dice.Roll(5)));
        out.U8(block + 15, attack.swings);
        out.U8(134 + k, attack.manner).U8(137 + k, attack.weapon);
    }

    // How many come together: rats and bats in swarms, the youngest in packs less one, NPCs alone.
    if (npc)
        out.U16(122, 1);
    else if (rank >= 12)
        out.U16(122, static_cast<uint16_t>(-1)).U8(124, 2).U8(125, 4);
    else
        out.U16(122, rank / 4).U8(124, index <= 1 ? 2 : 1).U8(125, 4);
    out.U16(126, static_cast<uint16_t>(level * 2)).U8(128, level).U8(129, kind.hpSides);
    out.U16(130, static_cast<uint16_t>(5 * level)).U8(132, level).U8(133, 6);
    for (int attribute = 0; attribute < 4; ++attribute)
        out.U8(140 + attribute, std::min(5 + dice.Roll(8) + level / 2, 30));
    if (kind.spellChance) {
        int count = 0;
        while (count < 5 && kind.spells[count] >= 0)
            ++count;
        for (int slot = 0; slot < 10; ++slot) // each spell of the list takes its share of the slots
            out.U8(144 + slot, kind.spells[(slot * count / 10 + rank) % count]);
        out.U8(174, std::min(kind.spellChance + 2 * rank, 90));
    }
    for (const auto& [code, percent] : kind.resist)
        if (code)
            out.U8(154 + code, std::min(percent + 5 * rank, 100));
    out.U8(169, (number * 37 + 11) % kLootCount);

    // A lesser one of its kind, and its partner kind, come along.
    if (rank > 0)
        out.U8(170, number - kMonsterKindCount).U8(172, std::min(15 + 5 * rank, 90));
    if (kind.partner >= 0 && (rank + index) % 3 != 0) {
        const int partner = kind.partner + kMonsterKindCount * (rank / 2);
        out.U8(171, partner < kMonsterCount ? partner : kind.partner).U8(173, 10 + 3 * rank);
    }
    if (kind.special) {
        const int special = index == 13 && rank % 2 ? 3 : kind.special; // odd ranks of drakes breathe lightning
        out.U8(222, special).U8(176, std::min(10 + 4 * rank, 80));
    }
    out.U8(178, kind.behaviour ? 40 + 4 * rank : 0);
    const Locations locations = LocationsOf(kind.body);
    const int armour = 10 - level / 2;
    for (int v = 0; v < 7; ++v)
        out.U8(181 + v, locations.chance[v]).U8(197 + v, static_cast<uint8_t>(armour + locations.armour[v]));
    out.U8(214, type);
    out.U8(217, 1 + (level + dice.Roll(4)) / 4).U8(218, 1 + AttackCount(kind) + rank / 5).U8(219, 1 + rank / 5);
    out.U8(220, gender);
    out.U8(223, kind.drain);
    out.U8(224, npc ? 1 + (index - 16) * 2 + (rank - 11) : 0);
    out.U8(226, kind.behaviour);
    out.U8(228, npc ? (index - 16) * 2 + (rank - 11) : kNone);
    out.U8(229, npc || rank % 4 != 1 ? kind.alliance : kNone);
    return monster;
}

} // namespace

namespace {

// ------------------------------------------------------------------------------------------
// Loot

enum LootKind { NoLoot, Gold, Items, ItemsAtHalf, Experience };

// A range of up to four items of one type and tier, as the game keeps alike things side by side.
void ItemRange(ByteWriter& out, size_t at, Dice& dice)
{
    const int first = dice.Roll(kKindCount), tier = dice.Roll(5);
    int alike = 1;
    while (first + alike < kKindCount && alike < 4 && kItemKinds[first + alike].type == kItemKinds[first].type)
        ++alike;
    const int number = 1 + first + tier * kKindCount;
    const int count = std::min(1 + dice.Roll(alike), kItemCount - number);
    out.U16(at, number).U16(at + 2, count);
}

Record DemoLoot(int number, Dice& dice)
{
    Record loot(kLootSize, 0);
    ByteWriter out(loot);
    if (number % 17 == 0)
        return loot; // nothing at all
    static constexpr LootKind kPattern[] = {Items, Gold, ItemsAtHalf, Items, Experience, NoLoot, Items};
    const int entries = 1 + number % 9; // the ninth entry is never shown
    for (int entry = 0; entry < entries; ++entry) {
        const size_t at = 6 * entry;
        const LootKind kind = kPattern[(number + entry) % std::size(kPattern)];
        out.U8(at + 4, kind);
        switch (kind) {
        case Gold: {
            const int upper = 20 + dice.Roll(40) * (1 + number / 10);
            out.U16(at, upper).U16(at + 2, upper / 4).U8(at + 5, 50 + dice.Roll(51));
            break;
        }
        case Items:
            ItemRange(out, at, dice);
            out.U8(at + 5, 5 + dice.Roll(40));
            break;
        case ItemsAtHalf: // the chance byte holds the item availability level
            ItemRange(out, at, dice);
            out.U8(at + 5, 1 + dice.Roll(9));
            break;
        case Experience:
            out.U16(at, 100 * (1 + dice.Roll(40))).U8(at + 5, 100);
            break;
        case NoLoot:
            break;
        }
    }
    if (number == kLootCount - 1) // a range that reaches past the last item
        out.U16(0, kItemCount - 3).U16(2, 6).U8(4, Items).U8(5, 25);
    return loot;
}

} // namespace

void AddDemoRecords(Installation& demo)
{
    Dice dice(demo.edition == Edition::Gold ? 7007u : 7u);
    Scenario& scenario = demo.scenario;
    scenario.items.clear();
    scenario.monsters.clear();
    scenario.loot.clear();
    for (int i = 0; i < kItemCount; ++i)
        scenario.items.push_back(DemoItem(i, dice));
    for (int i = 0; i < kMonsterCount; ++i)
        scenario.monsters.push_back(DemoMonster(i, dice));
    for (int i = 0; i < kLootCount; ++i)
        scenario.loot.push_back(DemoLoot(i, dice));
}

} // namespace gamebuild
