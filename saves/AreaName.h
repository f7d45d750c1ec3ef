#pragma once
// The area name of a map, as the save windows show it beside the map's number.

#include <string>

class CGameData;

// The name of map 0 to 31; empty for any other number, and until the maps' own table is here.
std::string WorldAreaName(const CGameData& game, int map);
