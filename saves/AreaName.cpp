#include "saves/AreaName.h"

// The area names belong to the map model; this is where the save windows take them from.
std::string WorldAreaName(const CGameData&, int) { return {}; }
