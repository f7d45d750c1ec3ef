#pragma once
// A character's primary and secondary attack as the Save File Viewer shows them.

#include "saves/CharacterRecord.h"

#include <string>
#include <vector>

class CGameData;

// A special attack of a weapon: its text and its image of the 9 x 9 state icons.
struct SpecialAttackRow {
    std::string text;
    int icon = 0;
};

struct AttackView {
    std::string weapon;
    std::string damage;
    std::string modes;
    std::string missModifier;
    std::string initiativeModifier;
    std::vector<SpecialAttackRow> specials;
};

struct CharacterAttacks {
    AttackView primary;
    AttackView secondary;
};

// The state icon of each special attack k.
constexpr int kSpecialAttackIcons[WeaponBlock::kSpecials] = {0, 1, 8, 6, 2, 13, 10, 0};

// "%s %i%%" per special attack with a chance, k ascending; the poison one adds ", Str %i".
std::vector<SpecialAttackRow> SpecialAttackRows(const CGameData& game, const WeaponBlock& block);
// The names of the attack modes set, lowest bit first, joined by blanks.
std::string AttackModesText(const CGameData& game, uint8_t modes);

CharacterAttacks BuildAttacks(const CGameData& game, const CharacterRecord& record);
