#pragma once
// The spell table inside the game's executable: 102 records of 6 bytes, spell 0 first.
// Byte 1 is the spell's level, byte 2 its mana cost per power level, byte 5 its school (1 to 14).

#include <cstddef>

namespace spells {
constexpr int kCount = 102;
constexpr size_t kRecordSize = 6;
constexpr size_t kTableSize = kCount * kRecordSize;

constexpr size_t kLevel = 1;
constexpr size_t kCost = 2;
constexpr size_t kSchool = 5;

// Where the table lies in each edition's executable.
constexpr const char* kFirstExecutable = "ds.exe";
constexpr size_t kFirstOffset = 67456;
constexpr const char* kGoldExecutable = "wizard.exe";
constexpr size_t kGoldOffset = 786536;
} // namespace spells
