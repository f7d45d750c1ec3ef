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
        GameDataSeam(game).NameList(namelist::kRaces) = {"Human", "Elf", "Dwarf", "Gnome", "Halfling", "Faun",
                            "Lizardkin", "Drakeborn", "Wolfkin", "Catfolk", "Stoneborn"};
        GameDataSeam(game).NameList(namelist::kProfessions) = {"Warrior", "Sorcerer", "Cleric", "Rogue", "Warden", "Apothecary", "Minstrel",
                                  "Mentalist", "Shieldmaiden", "Abbot", "Templar", "Duelist", "Ascetic", "Shadow"};
        GameDataSeam(game).NameList(namelist::kGenders) = {"Male", "Female"};
        GameDataSeam(game).NameList(namelist::kResistances) = {"Nothing", "Fire", "Cold", "Lightning", "Poison", "Acid", "Magic",
                                  "Mind", "Death", "Disease", "Paralysis", "Sleep", "Stoning", "Critical Hits"};
        GameDataSeam(game).NameList(namelist::kItemWords) = Numbered("word", 33);
        GameDataSeam(game).NameList(namelist::kItemWords)[0] = " Needed:";
        GameDataSeam(game).NameList(namelist::kItemWords)[19] = "Cursed";
        const char* effects[] = {"Sleep", "Paralyze", "Poison", "Blind", "Petrify", "Drain", "Madden", "Slay"};
        for (int i = 0; i < 8; ++i)
            GameDataSeam(game).NameList(namelist::kItemWords)[25 + i] = effects[i];
        GameDataSeam(game).NameList(namelist::kSkills) = Numbered("skill", 34);
        GameDataSeam(game).NameList(namelist::kSkills)[24] = "Lore";
        GameDataSeam(game).NameList(namelist::kSpells) = Numbered("Spell", 102);
        GameDataSeam(game).NameList(namelist::kSpells)[64] = "Identify";
        GameDataSeam(game).NameList(namelist::kAttackModes) = {"SWING", "THRUST", "BASH", "MELEE", "THROW", "PUNCH", "KICK", "LASH", "SHOOT"};
        GameDataSeam(game).NameList(namelist::kItemTypes) = Numbered("label", 20);
        for (const char* type : {"Short", "Extended", "Thrown", "Missile", "Ammunition", "Shield"})
            GameDataSeam(game).NameList(namelist::kItemTypes).push_back(type);
        GameDataSeam(game).NameList(namelist::kInventoryActions) = Numbered("action", 12);
        GameDataSeam(game).NameList(namelist::kWeapons) = {"", "Club", "Broad Sword"};
        GameDataSeam(game).NameList(namelist::kAlliances) = Numbered("alliance", 9);
        GameDataSeam(game).NameList(namelist::kSpecialAttacks) = Numbered("what", 9);
        GameDataSeam(game).NameList(namelist::kSpecialAttackVerbs) = Numbered("verb", 9);
        GameDataSeam(game).NameList(namelist::kConditions) = Numbered("condition", 29);
        GameDataSeam(game).NameList(namelist::kBehaviourWords) = Numbered("word", 30);
        GameDataSeam(game).NameList(namelist::kBehaviourWords)[17] = "Attacks";
        GameDataSeam(game).NameList(namelist::kBehaviourWords)[18] = "Armoured hide";
        GameDataSeam(game).NameList(namelist::kBehaviourWords)[22] = "on sight";
        GameDataSeam(game).NameList(namelist::kBehaviourWords)[25] = "Flees";
    }

    MemoryPlatform platform; // no folder: the store loads nothing
    CGameData game{platform};
};
