#pragma once
// Everything the Save File Viewer shows of one character, as texts with their shades and
// image numbers, ready for its controls.

#include "saves/Attacks.h"
#include "saves/CharacterRecord.h"
#include "saves/Shades.h"

#include <array>
#include <string>
#include <vector>

class CGameData;

struct ShadedText {
    std::string text;
    Shade shade = Shade::Normal;
};

// A row of the attribute and skill lists.
struct NamedValue {
    std::string name;
    std::string value;
};

struct ResistanceRow {
    std::string name;
    std::string base;
    std::string final;
};

// A condition the character is in: its image of the large item images and its tool tip.
struct ConditionIcon {
    int condition = 0;
    int image = 0;
    std::string tip;
};

struct SkillGroup {
    const char* title;
    Colour colour;
    std::vector<NamedValue> rows;
};

// The skill groups: title, first skill, number of skills and text colour.
struct SkillGroupInfo {
    const char* title;
    int first;
    int count;
    Colour colour;
};
constexpr std::array<SkillGroupInfo, 4> kSkillGroups = {{
    {"WEAPONRY", 0, 10, Rgb(0, 92, 188)},
    {"PHYSICAL", 10, 8, Rgb(0, 156, 0)},
    {"PERSONAL", 18, 6, Rgb(96, 0, 0)},
    {"ACADEMIA", 24, 10, Rgb(180, 0, 184)},
}};

// The image of the large item images shown for each condition.
constexpr int kConditionImages[character::kConditions] = {3, 0, 1, 9, 8, 2, 4, 2, 5};

struct CharacterSheet {
    std::string name;
    int portrait = 0;
    std::string hitPoints;
    std::string stamina;
    ShadedText carrying;
    ShadedText deleted; // guild files: "DELETED!"
    std::string race;
    std::string sex;
    std::string profession;
    std::string level;
    std::array<NamedValue, character::kAttributes> attributes;
    std::vector<ConditionIcon> conditions; // in condition order; at most nine
    std::array<ResistanceRow, character::kResistances> resistances;
    std::string baseMissChance;
    std::string baseInitiative;
    std::string attacksPerRound;
    std::string swings;
    CharacterAttacks attacks;
    std::string rank;
    std::string maxPreviousLevel;
    std::string live;
    ShadedText regen;
    std::string experience;
    ShadedText armourBase;
    ShadedText armourShield;
    ShadedText armourMisc;
    ShadedText armourLoad;
    std::array<ShadedText, character::kBodyParts> bodyParts; // head, body, legs, hands, feet
    std::array<SkillGroup, 4> skills;
    std::string totalBonus; // guild files: "Total / Bonus: %i/%i"
};

// The condition's name as the viewer shows it.
std::string ConditionText(const CGameData& game, int condition);
// The armour class penalty of a load state: 0, 1, 2, or 4 from state 3 on.
int LoadPenalty(int loadState);

// guild: the record comes from a guild file, whose slot may be marked deleted.
CharacterSheet BuildCharacterSheet(const CGameData& game, const CharacterRecord& record, bool guild, bool deleted);
