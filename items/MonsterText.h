#pragma once
// The text forms of a monster's fields, as the Monster Viewer shows them. They read the record,
// other records of the store (companions) and the name lists. Attacks are numbered 1 to 3.

#include "items/MonsterRecord.h"
#include "items/TextForms.h"

class CGameData;

std::string MonsterName(const MonsterRecord& monster);        // expanded
std::string MonsterDisplayName(const MonsterRecord& monster); // or "?Unknown Monster?" when empty
std::string MonsterUnidentifiedText(const MonsterRecord& monster);
std::string MonsterExperienceText(const MonsterRecord& monster);
std::string MonsterHitPointsText(const MonsterRecord& monster);
std::string MonsterStaminaText(const MonsterRecord& monster);
std::string MonsterGroupText(const MonsterRecord& monster); // how many appear together
std::string MonsterAllianceText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterTypeText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterGenderText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterAttacksText(const MonsterRecord& monster);
std::string MonsterSwingsText(const MonsterRecord& monster);
std::string MonsterSpeedText(const MonsterRecord& monster);

// An attack is there when its damage dice are; every text of an absent attack is empty.
bool AttackPresent(const MonsterRecord& monster, int k);
std::string AttackRangeText(const MonsterRecord& monster, int k);
std::string AttackDamageText(const MonsterRecord& monster, int k);
std::string AttackMultiplierText(const MonsterRecord& monster, int k);
std::string AttackMannerText(const CGameData& game, const MonsterRecord& monster, int k);
std::string AttackMissText(const MonsterRecord& monster, int k);
// The effects of attack k, one entry each, also for an absent attack.
std::vector<IconEntry> FillAttackEffects(const CGameData& game, const MonsterRecord& monster, int k);

// Where hits land: chance, body location and its armour class, for each location hit.
std::string MonsterLocationsText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterArmorNoteText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterSpecialText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterSpecialChanceText(const MonsterRecord& monster);
std::string MonsterSpecialEffectText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterBehaviourText(const CGameData& game, const MonsterRecord& monster);
std::string MonsterBehaviourChanceText(const MonsterRecord& monster);
std::string MonsterCompanionsText(const CGameData& game, const MonsterRecord& monster);
// One entry per resistance code 1 to 13, also when it is 0.
std::vector<std::string> FillResistances(const CGameData& game, const MonsterRecord& monster);
// One entry per distinct spell of the ten slots, with its share of them; none without a spell chance.
std::vector<std::string> FillSpells(const CGameData& game, const MonsterRecord& monster);
std::string MonsterSpellChanceText(const MonsterRecord& monster);
std::string MonsterCastLevelText(const MonsterRecord& monster);
