#pragma once
// What the Monster Viewer shows of one monster: every field as text, its attacks, its loot rows,
// and which item a loot row stands for. The window only puts these into its controls.

#include "items/LootList.h"
#include "items/TextForms.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class CGameData;

struct MonsterAttackFields {
    std::string range;
    std::string manner;
    std::string damage;
    std::string multiplier;
    std::string miss;
    std::vector<IconEntry> effects;
};

struct MonsterViewerFields {
    std::string number;
    std::string name; // as the selection lists show it
    std::string unidentified;
    std::string type;
    std::string alliance;
    std::string gender;
    std::string experience;
    std::string hitPoints;
    std::string stamina;
    std::string group;
    std::string speedFactor;
    std::string strength;
    std::string intelligence;
    std::string dexterity;
    std::string speed;
    std::string attacksPerRound;
    std::string swings;
    std::string armorClass;
    std::string armorNote;
    std::string companions;
    std::string behaviour;
    std::string behaviourChance;
    std::string special;
    std::string specialChance;
    std::string specialEffect;
    std::vector<std::string> resistances;
    std::vector<std::string> spells;
    std::string spellChance;
    std::string castLevel;
    std::array<MonsterAttackFields, 3> attacks;
    std::vector<LootRow> loot; // without the "EMPTY" row
};

// Monster number's fields; nullopt when the store has no such monster.
std::optional<MonsterViewerFields> MonsterViewerFieldsOf(const CGameData& game, int number);

// The names the selection lists offer, by monster number; "?Unknown Monster?" for an empty name.
std::vector<std::string> MonsterNames(const CGameData& game);

// The item a loot row opens when the alternative choice is shown in it: none for gold and
// experience, and none for an item the store does not hold.
std::optional<int> LootRowItem(const CGameData& game, const LootRow& row, int choice);

// The Monster Viewer's form fits a work area wider than 800 and higher than 600 pixels;
// on a smaller one it opens inside a scrolling frame.
bool MonsterFormFitsWorkArea(int width, int height);
