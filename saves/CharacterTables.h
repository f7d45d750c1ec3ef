#pragma once
// The program's own tables about races and professions, for attributes 0 to 6.

#include <array>
#include <cstdint>
#include <optional>

namespace character {

constexpr int kRaceCount = 11;
constexpr int kProfessionCount = 14;
constexpr int kGenderedProfession = 8; // offered only to gender codes other than 0

using AttributeRow = std::array<uint8_t, 7>;

// The base attributes of each race, by race code.
constexpr std::array<AttributeRow, kRaceCount> kRaceBaseAttributes = {{
    {9, 8, 8, 9, 9, 8, 8},
    {7, 10, 10, 7, 9, 9, 8},
    {11, 6, 10, 12, 7, 7, 7},
    {10, 7, 13, 10, 8, 6, 6},
    {8, 7, 6, 9, 10, 7, 13},
    {5, 11, 6, 6, 10, 14, 12},
    {12, 5, 5, 14, 8, 10, 3},
    {10, 7, 6, 12, 10, 8, 6},
    {7, 10, 7, 7, 10, 12, 10},
    {8, 6, 12, 10, 8, 8, 10},
    {10, 10, 6, 10, 7, 7, 9},
}};

// The least attributes each profession asks for, by profession code.
constexpr std::array<AttributeRow, kProfessionCount> kProfessionRequirements = {{
    {12, 0, 0, 0, 0, 0, 0},
    {0, 12, 0, 0, 0, 0, 0},
    {0, 0, 12, 0, 0, 0, 8},
    {0, 0, 0, 0, 12, 8, 0},
    {10, 8, 8, 11, 10, 8, 8},
    {0, 13, 0, 0, 13, 0, 0},
    {0, 10, 0, 0, 12, 8, 12},
    {10, 14, 0, 14, 0, 0, 10},
    {10, 0, 11, 11, 10, 11, 8},
    {0, 15, 15, 0, 0, 0, 8},
    {12, 9, 12, 12, 9, 9, 14},
    {12, 11, 0, 9, 12, 14, 8},
    {13, 8, 13, 0, 10, 13, 8},
    {12, 10, 10, 12, 12, 12, 0},
}};

// The item picture (an image of the small item images) shown for each profession.
constexpr std::array<uint8_t, kProfessionCount> kProfessionIcons = {14, 39, 78, 0,  37, 102, 122,
                                                                    82, 90, 50, 36, 16, 10,  21};

// The race's base attributes; none for a code without a row.
inline const AttributeRow* RaceBase(int race)
{
    return race >= 0 && race < kRaceCount ? &kRaceBaseAttributes[race] : nullptr;
}

// The sum of the race's base attributes; none for a code without a row.
inline std::optional<int> RaceBaseSum(int race)
{
    const AttributeRow* row = RaceBase(race);
    if (!row)
        return std::nullopt;
    int sum = 0;
    for (uint8_t value : *row)
        sum += value;
    return sum;
}

} // namespace character
