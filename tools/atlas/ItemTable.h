#pragma once
// The Item List's rows as the atlas puts them in one table: the rows of its content, the order
// of the rows under each column's comparison, and which filter entries each item passes.

#include "items/ItemListContent.h"

#include <array>
#include <vector>

class CGameData;

namespace atlas {

struct ItemTableRow {
    ItemListRow row;
    int type = 0;
    int skill = 0;
    // Bit i: the item passes the list's filter with only entry i of that list ticked.
    unsigned effects = 0;
    unsigned resistances = 0;
    unsigned properties = 0;
};

struct ItemTable {
    std::vector<ItemTableRow> rows; // every item, in number order
    // rank[c][r]: row r's place when sorted ascending on column c; rows that compare equal
    // share a rank.
    std::array<std::vector<int>, itemlist::kColumnCount> rank;
};

ItemTable BuildItemTable(const CGameData& game);

} // namespace atlas
