#include "maps/CellHoverText.h"

#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "maps/MapData.h"
#include "maps/MapNames.h"

std::string CellHoverText(std::span<const MapEvent> events, const CellHit& hit)
{
    if (hit.quadrant < 0)
        return {};
    std::string text = FormatV(ResourceString(43), hit.quadrant, hit.x, hit.y);
    for (const MapEvent& event : events)
        if (event.type != 0 && IsOnCell(event, hit.quadrant, hit.x, hit.y))
            text += EventTypeName(event.type) + ", ";
    // Without events the cell text's own two trailing blanks go; with them, the last ", ".
    return text.substr(0, text.size() >= 2 ? text.size() - 2 : 0);
}
