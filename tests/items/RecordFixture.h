#pragma once
// A store without an installation: its name lists hold recognisable names, and the tests give
// it the records they read. Records are built byte by byte at the offsets the forms read.

#include "gamedata/NameLists.h"
#include "testing/GameDataSeam.h"
#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "testing/ByteWriter.h"

#include <string>
#include <vector>

inline std::vector<std::string> Numbered(const std::string& stem, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(stem + std::to_string(i));
    return names;
}

class NamedStore {
public:
    NamedStore()
    {
        using namespace namelist;
        GameDataSeam seam(game);
        seam.NameList(kRaces) = {"Human", "Elf", "Dwarf", "Gnome", "Halfling", "Faun",
                            "Lizardkin", "Drakeborn", "Wolfkin", "Catfolk", "Stoneborn"};
        seam.NameList(kProfessions) = {"Warrior", "Sorcerer", "Cleric", "Rogue", "Warden", "Apothecary", "Minstrel",
                                  "Mentalist", "Shieldmaiden", "Abbot", "Templar", "Duelist", "Ascetic", "Shadow"};
        seam.NameList(kGenders) = {"Male", "Female"};
        seam.NameList(kResistances) = {"Nothing", "Fire", "Cold", "Lightning", "Poison", "Acid", "Magic",
                                  "Mind", "Death", "Disease", "Paralysis", "Sleep", "Stoning", "Critical Hits"};
        seam.NameList(kItemWords) = Numbered("word", 33);
        seam.NameList(kItemWords)[0] = " Needed:";
        seam.NameList(kItemWords)[19] = "Cursed";
        const char* effects[] = {"Sleep", "Paralyze", "Poison", "Blind", "Petrify", "Drain", "Madden", "Slay"};
        for (int i = 0; i < 8; ++i)
            seam.NameList(kItemWords)[25 + i] = effects[i];
        seam.NameList(kSkills) = Numbered("skill", 34);
        seam.NameList(kSkills)[24] = "Lore";
        seam.NameList(kSpells) = Numbered("Spell", 102);
        seam.NameList(kSpells)[64] = "Identify";
        seam.NameList(kAttackModes) = {"SWING", "THRUST", "BASH", "MELEE", "THROW", "PUNCH", "KICK", "LASH", "SHOOT"};
        seam.NameList(kItemTypes) = Numbered("label", 20);
        for (const char* type : {"Short", "Extended", "Thrown", "Missile", "Ammunition", "Shield"})
            seam.NameList(kItemTypes).push_back(type);
        seam.NameList(kInventoryActions) = Numbered("action", 12);
        seam.NameList(kWeapons) = {"", "Club", "Broad Sword"};
        seam.NameList(kAlliances) = Numbered("alliance", 9);
        seam.NameList(kSpecialAttacks) = Numbered("what", 9);
        seam.NameList(kSpecialAttackVerbs) = Numbered("verb", 9);
        seam.NameList(kConditions) = Numbered("condition", 29);
        seam.NameList(kBehaviourWords) = Numbered("word", 30);
        seam.NameList(kBehaviourWords)[17] = "Attacks";
        seam.NameList(kBehaviourWords)[18] = "Armoured hide";
        seam.NameList(kBehaviourWords)[22] = "on sight";
        seam.NameList(kBehaviourWords)[25] = "Flees";
    }

    MemoryPlatform platform; // no folder: the store loads nothing
    CGameData game{platform};
};

// A named store with items a test adds and edits byte by byte.
class ItemTable {
public:
    // Adds an item with the stored name; returns its number.
    int Add(const std::string& name)
    {
        items.emplace_back(72, 0);
        ByteWriter(items.back()).Text(0, name, 22);
        return static_cast<int>(items.size()) - 1;
    }
    ByteWriter Set(int number) { return ByteWriter(items[static_cast<size_t>(number)]); }
    // The store with the items as they now are.
    const CGameData& Game()
    {
        GameDataSeam(store.game).SetItems(items);
        return store.game;
    }

    NamedStore store;
    std::vector<Record> items;
};
