#include "saves/WorldContent.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "maps/MapNames.h"
#include "saves/SaveText.h"

namespace {

const char* AreaNameOf(int map)
{
    const char* name = GetMapAreaName(map);
    return name ? name : "";
}

void AddRow(WorldItemList& list, const CGameData& game, const WorldItem& item, bool dataIsItem)
{
    const bool identified = item.identified();
    const ItemPlace place{identified ? item.item : -1, item.map, item.quadrant, item.x(), item.y(), item.icon};
    WorldItemRow& row = list.rows.emplace_back();
    row.name = savetext::ItemName(game, item.item, identified);
    row.image = savetext::ItemPicture(game, item.item);
    row.location = Format("Map {%.2i} Quadrant %i (%i,%i)", place.map, place.quadrant, place.x, place.y);
    if (identified && item.count >= 1)
        row.count = Format("%i", item.count);
    row.data = dataIsItem ? place.item : static_cast<int>(list.places.size());
    list.places.push_back(place);
}

void Total(WorldItemList& list) { list.total = Format("%i item(s) total", static_cast<int>(list.rows.size())); }

} // namespace

WorldItemList BuildWorldItems(const CGameData& game, const WorldState& world)
{
    WorldItemList list;
    for (const WorldItem& item : world.items)
        if (item.Listed())
            AddRow(list, game, item, false);
    Total(list);
    return list;
}

WorldItemList BuildCellItems(const CGameData& game, const WorldState& world, int map, int quadrant, int x, int y)
{
    WorldItemList list;
    for (const WorldItem& item : world.items)
        if (item.Listed() && item.map == map && item.quadrant == quadrant && item.x() == x && item.y() == y)
            AddRow(list, game, item, true);
    Total(list);
    return list;
}

PartyPlaceText BuildPartyPlace(const CGameData&, const WorldState& world)
{
    if (!world.position)
        return {};
    const PartyPosition& at = *world.position;
    return {Format("{%.2i} %s", at.map, AreaNameOf(at.map)),
            Format("Quadrant %i (%i, %i)  ", at.quadrant, at.x, at.y), FacingName(at.facing)};
}

std::string AvailabilityText(const WorldState& world)
{
    return world.availabilityLevel ? Format("%i", *world.availabilityLevel) : std::string();
}

std::vector<AllianceRow> BuildAlliances(const CGameData& game, const WorldState& world)
{
    std::vector<AllianceRow> rows;
    for (int i = 0; i < world::kAlliances; ++i) {
        AllianceRow& row = rows.emplace_back();
        row.name = game.AllianceName(i + 1);
        row.icon = i;
        if (world.alliances)
            row.attitude = Format("%i", (*world.alliances)[i]);
    }
    return rows;
}

WorldMapView BuildWorldMap(const WorldState& world, const WorldItemList& list, int map, int chosenRow, bool noticeable)
{
    WorldMapView view;
    view.map = map;
    if (world.position && world.position->map == map) {
        const PartyPosition& at = *world.position;
        view.party = PartyHighlight{at.quadrant, at.x, at.y, at.facing};
    }
    if (chosenRow >= 0 && chosenRow < static_cast<int>(list.places.size())) {
        const ItemPlace& place = list.places[chosenRow];
        view.chosen =
            MapMarker{place.quadrant, place.x, place.y, noticeable ? worldmap::kNoticeableChosenIcon : place.icon};
    }
    for (const ItemPlace& place : list.places)
        if (place.map == map)
            view.markers.push_back(
                {place.quadrant, place.x, place.y, noticeable ? worldmap::kNoticeableIcon : place.icon});
    return view;
}

std::string WorldMapTitle(int map) { return Format("World Map: {%.2i} %s", map, AreaNameOf(map)); }
