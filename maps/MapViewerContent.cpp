#include "maps/MapViewerContent.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "maps/MapData.h"
#include "maps/MapNames.h"

#include <algorithm>

MapViewState MapViewState::FromStored(std::span<const uint8_t> stored)
{
    MapViewState state;
    if (stored.size() <= kSize)
        std::copy(stored.begin(), stored.end(), state.m_bytes.begin());
    return state;
}

uint32_t MapViewState::Word(size_t at) const
{
    return m_bytes[at] | m_bytes[at + 1] << 8 | m_bytes[at + 2] << 16 | static_cast<uint32_t>(m_bytes[at + 3]) << 24;
}

void MapViewState::SetWord(size_t at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        m_bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::string MapListEntry(int map)
{
    const char* area = GetMapAreaName(map);
    return FormatV(ResourceString(42), map, area ? area : "");
}

std::string HoverText(std::span<const MapEvent> events, const CellHit& hit)
{
    if (hit.quadrant < 0)
        return {};
    // The cell text ends in two blanks: they part it from the first name, or are dropped with
    // the last ", " when there is none.
    std::string text = FormatV(ResourceString(43), hit.quadrant, hit.x, hit.y);
    for (const MapEvent& event : events)
        if (event.type != 0 && IsOnCell(event, hit.quadrant, hit.x, hit.y))
            text += EventTypeName(event.type) + ", ";
    text.resize(text.size() >= 2 ? text.size() - 2 : 0);
    return text;
}
