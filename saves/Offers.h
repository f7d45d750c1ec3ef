#pragma once
// What each NPC and the two shops offer or hold, as World Info lists them: the NPCs' own
// special items, then the loot entries of their loot record, each item kept or passed over
// by the next stock-roll byte of the save file.

#include "saves/WorldState.h"

#include <string>
#include <vector>

class CGameData;

namespace offers {
constexpr int kFirstShop = -101; // the entries' data of the shops: minus their loot record
constexpr int kSecondShop = -145;
constexpr int kMaxRows = 30; // item rows from loot stop here; gold rows do not
constexpr int kGoldPicture = 115;
constexpr int kLootEntries = 8;  // of a loot record's nine
constexpr int kFixedChance = 50; // the chance of entries of kind 3
} // namespace offers

struct NpcEntry {
    std::string name;
    int icon = 0; // an alliance icon
    int data = 0; // the monster number, or a shop's negative number
};

// Every monster with an NPC id in number order, then the two shops.
std::vector<NpcEntry> BuildNpcEntries(const CGameData& game);

struct OfferRow {
    std::string name;
    int image = 0; // an image of the small item images
    int data = -1; // the item number; -1 for gold
};

struct Offers {
    std::string status; // "Alive", "Dead", or empty for the shops
    std::vector<OfferRow> rows;
};

// entry: a monster number or a shop's data. Rolls run out after the file's 100 bytes: no
// rows are added after that.
Offers BuildOffers(const CGameData& game, const WorldState& world, int entry);
