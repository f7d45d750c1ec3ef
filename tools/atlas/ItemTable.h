#pragma once
// The Item List's rows for the atlas: the 21 cells of each item, the order of the rows under
// each column's comparison, and what the filters look at.

#include <array>
#include <string>
#include <vector>

class CGameData;

namespace atlas {

constexpr int kItemColumns = 21;

struct ItemTableRow {
    int number = 0;
    int icon = 0; // in the 26 x 26 item icons
    std::array<std::string, kItemColumns> cells; // game text
    int type = 0;
    int skill = 0;         // the weapon skill, or -1
    unsigned effects = 0;  // bit i: weapon effect i
    unsigned resistances = 0; // bit r: resistance code r
    unsigned properties = 0;  // bit i: property row i
};

struct ItemTable {
    std::vector<ItemTableRow> rows;
    // rank[c][row]: the row's place when sorted ascending by column c; rows the comparison
    // holds equal share a rank.
    std::array<std::vector<int>, kItemColumns> rank;
};

ItemTable BuildItemTable(const CGameData& game);

// The column headers and the texts of the filters' entries.
const char* ItemColumnName(int column);
struct ItemFilterChoices {
    std::vector<std::pair<int, std::string>> types;  // code, name
    std::vector<std::pair<int, std::string>> skills; // code, name
    std::vector<std::string> effects;      // rows 0 to 7
    std::vector<std::string> resistances;  // codes 1 to 13
    std::vector<std::string> properties;   // rows 0 to 7
};
ItemFilterChoices ItemFilters(const CGameData& game);

} // namespace atlas
