#pragma once
// The rows of a loot record as the loot lists show them (Monster Viewer, map cells): items with
// their alternatives, gold and experience, each with its chance.

#include <string>
#include <vector>

class CGameData;

struct LootChoice {
    std::string text;
    int image = 0; // index into the small item images
};

struct LootRow {
    static constexpr int kNotAnItem = 5000; // the data of gold, experience and empty rows

    std::string text;
    int image = 0;  // index into the small item images
    int data = 0;   // the item number, or kNotAnItem
    std::string chance;               // the second column
    std::vector<LootChoice> choices;  // the items of a range, the first included; empty for one item
};

// The rows of the first 8 entries of loot record number. When none is added and addEmptyRow is
// set, one row "EMPTY". A number beyond the loot table gives no rows at all; an item range
// offers only the items that exist.
std::vector<LootRow> FillLootList(const CGameData& game, int number, bool addEmptyRow);
