#pragma once
// The 25 name lists: names that the viewers look up by number, one per piece of a chosen
// message, loaded once at start-up. Each list is a member of CGameData; its lookup takes the
// index as an unsigned byte and gives an empty name for an entry beyond the list.
//
//  list  message  title case  held in                 lookup
//   1    4000     yes         m_spellNames            SpellName: spell number
//   2     400     yes         m_resistanceNames       ResistanceName
//   3     100     yes         m_raceNames             RaceName
//   4     120     yes         m_professionNames       ProfessionName
//   5     140     yes         m_genderNames           GenderName: 0 and 1 only
//   6    5500     no          m_skillNames            SkillName
//   7     450     yes         m_itemWords             ItemWord; EffectName reads entry effect + 25
//   8    5050     no          m_attributeNames        AttributeName
//   9     300     no          m_inventoryActionNames  InventoryActionName
//  10    3050     no          m_attackModeNames       AttackModeName
//  11    1530     no          m_itemTypeNames         ItemTypeName: entry type + 20
//  12    3800     no          m_weaponNames           WeaponName; names expanded, entry 0 empty
//  13    1750     no          m_allianceNames         AllianceName: 255 is none
//  14    3300     yes         m_bodyLocationNames     BodyLocationName (Gold: message 3321)
//  15    3330     yes         m_plantLocationNames    BodyLocationName
//  16    3390     yes         m_robotLocationNames    BodyLocationName
//  17    5250     no          m_negativeEffectNames   NegativeEffectName
//  18    3700     no          m_specialAttackNames    SpecialAttackName
//  19    3340     no          m_specialAttackVerbs    SpecialAttackVerb
//  20    3469     no          m_conditionNames        ConditionName
//  21    2020     no          m_creatureKindNames     CreatureKindName
//  22    3500     no          m_behaviourWords        BehaviourWord
//  23    3950     no          m_realmNames            RealmName
//  24    6000     no          m_unidentifiedNames     UnidentifiedName: by picture number
//  25     800     no          m_rankTitles            RankTitle: entry profession * 10 + rank

#include "gamedata/CGameData.h"

namespace namelist {

constexpr int kListCount = 25;

struct Source {
    int message;
    int goldMessage; // the message in the Gold edition
    bool titleCase;
    bool expand;     // names carry the abbreviation marks of item names
    std::vector<std::string> CGameData::*list;
};

// The source of name list k, 1 to 25 (null otherwise).
const Source* SourceOf(int list);

// Lower-cases every letter A to Z that is neither the first character nor after a blank.
std::string TitleCase(std::string name);

} // namespace namelist
