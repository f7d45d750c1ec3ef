#include "maps/MapData.h"
#include "gamedata/CGameData.h"

MapData::MapData(int number, std::vector<uint8_t> record, std::span<const MapEvent> events)
    : m_number(number), m_record(std::move(record)), m_events(events)
{
    m_record.resize(GameMap::kSize, 0);
}

std::optional<MapData> MapData::Load(CGameData& game, int map)
{
    const uint8_t* record = game.GetMap(map);
    if (!record)
        return std::nullopt;
    return MapData(map, std::vector<uint8_t>(record, record + GameMap::kSize), GetMapEventTable(game, map));
}

std::span<const MapEvent> GetMapEventTable(const CGameData& game, int map)
{
    int count = 0;
    const MapEvent* events = game.GetMapEvents(map, count);
    return events ? std::span<const MapEvent>(events, static_cast<size_t>(count)) : std::span<const MapEvent>();
}

bool IsOnCell(const MapEvent& event, int quadrant, int x, int y)
{
    return event.quadrant == quadrant && event.x == x && event.y == y;
}

bool HasCellEvents(std::span<const MapEvent> events, int quadrant, int x, int y)
{
    for (const MapEvent& event : events)
        if (event.type != 0 && IsOnCell(event, quadrant, x, y))
            return true;
    return false;
}
