#pragma once
// The World Info window's content: the party's place, the world items and where they lie,
// the alliances, and what a map of the world marks.

#include "maps/MapRenderer.h" // MapMarker: what the map renderer marks on one map of the world
#include "saves/WorldState.h"

#include <optional>
#include <string>
#include <vector>

class CGameData;

// Where one listed world item lies; the world-item rows' data are indexes of these.
struct ItemPlace {
    int item = -1; // the item number when identified, else -1
    int map = 0;
    int quadrant = 0;
    int x = 0;
    int y = 0;
    int icon = 0;
};

struct WorldItemRow {
    std::string name;
    int image = 0;        // an image of the small item images
    std::string location; // "Map {%.2i} Quadrant %i (%i,%i)"
    std::string count;
    int data = 0;
};

struct WorldItemList {
    std::vector<WorldItemRow> rows;
    std::vector<ItemPlace> places; // one per row, in row order
    std::string total;             // "%i item(s) total"
};

// The world items with an item and a place, in file order.
WorldItemList BuildWorldItems(const CGameData& game, const WorldState& world);

// The items lying on one cell, in file order; the rows' data are item numbers, -1 when not identified.
WorldItemList BuildCellItems(const CGameData& game, const WorldState& world, int map, int quadrant, int x, int y);

struct PartyPlaceText {
    std::string map;         // "{%.2i} %s" with the area name
    std::string coordinates; // "Quadrant %i (%i, %i)  "
    std::string facing;
};
// Empty texts when the file does not hold the position.
PartyPlaceText BuildPartyPlace(const CGameData& game, const WorldState& world);
// The availability level, "%i"; empty when the file does not hold it.
std::string AvailabilityText(const WorldState& world);

struct AllianceRow {
    std::string name;
    int icon = 0; // an alliance icon
    std::string attitude;
};
// Alliances 1 to 8; without attitudes when the file does not hold them.
std::vector<AllianceRow> BuildAlliances(const CGameData& game, const WorldState& world);

struct PartyHighlight {
    int quadrant = 0;
    int x = 0;
    int y = 0;
    int facing = 0;
};

struct WorldMapView {
    int map = 0;
    std::optional<PartyHighlight> party; // when the party stands on this map
    std::optional<MapMarker> chosen;     // the item the map was asked for
    std::vector<MapMarker> markers;      // every listed item on this map, in row order
};

namespace worldmap {
constexpr int kNoticeableChosenIcon = 84;
constexpr int kNoticeableIcon = 38;
constexpr int kMapWindowIcon = 124;
} // namespace worldmap

// The map window's caption: "World Map: {%.2i} %s" with the map's number and area name.
std::string WorldMapTitle(int map);

// chosenRow: a row of the world-item list, or -1. noticeable: "Use noticeable icons".
WorldMapView BuildWorldMap(const WorldState& world, const WorldItemList& list, int map, int chosenRow, bool noticeable);
