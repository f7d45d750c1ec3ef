#pragma once
// The 25 name lists: names that the viewers look up by number, one per piece of a chosen
// message, loaded once at start-up and held by CGameData; its lookup takes the
// index as an unsigned byte and gives an empty name for an entry beyond the list.
//
//  list  message  title case  constant                lookup
//   1    4000     yes         kSpells                 SpellName: spell number
//   2     400     yes         kResistances            ResistanceName
//   3     100     yes         kRaces                  RaceName
//   4     120     yes         kProfessions            ProfessionName
//   5     140     yes         kGenders                GenderName: 0 and 1 only
//   6    5500     no          kSkills                 SkillName
//   7     450     yes         kItemWords              ItemWord; EffectName reads entry effect + 25
//   8    5050     no          kAttributes             AttributeName
//   9     300     no          kInventoryActions       InventoryActionName
//  10    3050     no          kAttackModes            AttackModeName
//  11    1530     no          kItemTypes              ItemTypeName: entry type + 20
//  12    3800     no          kWeapons                WeaponName; names expanded, entry 0 empty
//  13    1750     no          kAlliances              AllianceName: 255 is none
//  14    3300     yes         kBodyLocations          BodyLocationName (Gold: message 3321)
//  15    3330     yes         kPlantLocations         BodyLocationName
//  16    3390     yes         kRobotLocations         BodyLocationName
//  17    5250     no          kNegativeEffects        NegativeEffectName
//  18    3700     no          kSpecialAttacks         SpecialAttackName
//  19    3340     no          kSpecialAttackVerbs     SpecialAttackVerb
//  20    3469     no          kConditions             ConditionName
//  21    2020     no          kCreatureKinds          CreatureKindName
//  22    3500     no          kBehaviourWords         BehaviourWord
//  23    3950     no          kRealms                 RealmName
//  24    6000     no          kUnidentifiedNames      UnidentifiedName: by picture number
//  25     800     no          kRankTitles             RankTitle: entry profession * 10 + rank

#include <string>

namespace namelist {

constexpr int kListCount = 25;

enum List : int {
    kSpells = 1, kResistances, kRaces, kProfessions, kGenders, kSkills, kItemWords, kAttributes,
    kInventoryActions, kAttackModes, kItemTypes, kWeapons, kAlliances, kBodyLocations, kPlantLocations,
    kRobotLocations, kNegativeEffects, kSpecialAttacks, kSpecialAttackVerbs, kConditions, kCreatureKinds,
    kBehaviourWords, kRealms, kUnidentifiedNames, kRankTitles,
};
static_assert(kRankTitles == kListCount);

struct Source {
    int message;
    int goldMessage; // the message in the Gold edition
    bool titleCase;
    bool expand;     // names carry the abbreviation marks of item names
};

// The source of name list k, 1 to 25 (null otherwise).
const Source* SourceOf(int list);

// Lower-cases every letter A to Z that is neither the first character nor after a blank.
std::string TitleCase(std::string name);

} // namespace namelist
