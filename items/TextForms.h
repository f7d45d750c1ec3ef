#pragma once
// Text forms shared by the item, monster and save-file views: dice, grouped numbers, creature
// types and attack ranges. Values that mean "none" give empty text.

#include "gamedata/ByteReader.h"

#include <cstdint>
#include <string>
#include <vector>

class CGameData;

// A list box entry drawn with a state icon; the icon number is the entry's item data.
struct IconEntry {
    std::string text;
    int icon = 0;
};

// Dice read from a record: a signed 16-bit bonus, a count byte and a sides byte. "2d4+-1 (1 to 7)"
// with a bonus, "3d6 (3 to 18)" without, empty for 0d0 without a bonus.
std::string FormatDice(const ByteReader& record, size_t bonusOffset, size_t countOffset, size_t sidesOffset);
std::string FormatDice(int bonus, int count, int sides);
// Decimal with a comma between groups of three digits: 1,200,000.
std::string FormatThousands(int64_t number);
// Codes 0 to 13 are the professions; "Unknown" for 15 and codes above 27.
std::string CreatureTypeName(const CGameData& game, int code);
// "SHORT", "EXTENDED", "THROW", "LONG"; empty for other codes.
std::string AttackRangeName(int code);
// "%+i" of the value, empty when value and flag are both 0.
std::string FormatSignedOrEmpty(int8_t value, uint8_t flag);

// The state icon of weapon effect 0 to 7 (icons of the state marks); 0 outside.
int EffectIcon(int effect);

// The text without its last count characters; empty when it is no longer than that.
std::string DropLast(std::string text, size_t count);
// The entries joined with separator between them.
std::string Join(const std::vector<std::string>& entries, const std::string& separator);
