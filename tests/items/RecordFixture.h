#pragma once
// A store without an installation: its name lists hold recognisable names, and the tests give
// it the records they read. Records are built byte by byte at the offsets the forms read.

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
        game.m_raceNames = {"Human", "Elf", "Dwarf", "Gnome", "Halfling", "Faun",
                            "Lizardkin", "Drakeborn", "Wolfkin", "Catfolk", "Stoneborn"};
        game.m_professionNames = {"Warrior", "Sorcerer", "Cleric", "Rogue", "Warden", "Apothecary", "Minstrel",
                                  "Mentalist", "Shieldmaiden", "Abbot", "Templar", "Duelist", "Ascetic", "Shadow"};
        game.m_genderNames = {"Male", "Female"};
        game.m_resistanceNames = {"Nothing", "Fire", "Cold", "Lightning", "Poison", "Acid", "Magic",
                                  "Mind", "Death", "Disease", "Paralysis", "Sleep", "Stoning", "Critical Hits"};
        game.m_itemWords = Numbered("word", 33);
        game.m_itemWords[0] = " Needed:";
        game.m_itemWords[19] = "Cursed";
        const char* effects[] = {"Sleep", "Paralyze", "Poison", "Blind", "Petrify", "Drain", "Madden", "Slay"};
        for (int i = 0; i < 8; ++i)
            game.m_itemWords[25 + i] = effects[i];
        game.m_skillNames = Numbered("skill", 34);
        game.m_skillNames[24] = "Lore";
        game.m_spellNames = Numbered("Spell", 102);
        game.m_spellNames[64] = "Identify";
        game.m_attackModeNames = {"SWING", "THRUST", "BASH", "MELEE", "THROW", "PUNCH", "KICK", "LASH", "SHOOT"};
        game.m_itemTypeNames = Numbered("label", 20);
        for (const char* type : {"Short", "Extended", "Thrown", "Missile", "Ammunition", "Shield"})
            game.m_itemTypeNames.push_back(type);
        game.m_inventoryActionNames = Numbered("action", 12);
        game.m_weaponNames = {"", "Club", "Broad Sword"};
        game.m_allianceNames = Numbered("alliance", 9);
        game.m_specialAttackNames = Numbered("what", 9);
        game.m_specialAttackVerbs = Numbered("verb", 9);
        game.m_conditionNames = Numbered("condition", 29);
        game.m_behaviourWords = Numbered("word", 30);
        game.m_behaviourWords[17] = "Attacks";
        game.m_behaviourWords[18] = "Armoured hide";
        game.m_behaviourWords[22] = "on sight";
        game.m_behaviourWords[25] = "Flees";
    }

    MemoryPlatform platform; // no folder: the store loads nothing
    CGameData game{platform};
};
