#pragma once
// One map as the map operations read it: a copy of its record and the store's events of it.
// The store keeps one record cached at a time, so a map that outlives other maps' reads holds
// a copy of its own.

#include "maps/GameMap.h"
#include "gamedata/MapEvent.h"

#include <optional>
#include <span>
#include <vector>

class CGameData;

class MapData {
public:
    // Without a record and events: every field reads as 0 and no cell has events.
    explicit MapData(int number = -1) : m_number(number) {}
    MapData(int number, std::vector<uint8_t> record, std::span<const MapEvent> events);

    // nullopt for a map number outside 0 to 31 or a record that cannot be read (the store has
    // shown its message).
    static std::optional<MapData> Load(CGameData& game, int map);

    int Number() const { return m_number; }
    GameMap Record() const { return GameMap(m_record.empty() ? nullptr : m_record.data(), m_number); }
    std::span<const MapEvent> Events() const { return m_events; }

private:
    int m_number;
    std::vector<uint8_t> m_record;
    std::span<const MapEvent> m_events;
};

std::span<const MapEvent> GetMapEventTable(const CGameData& game, int map);

bool IsOnCell(const MapEvent& event, int quadrant, int x, int y);
// A non-empty slot stands on the cell.
bool HasCellEvents(std::span<const MapEvent> events, int quadrant, int x, int y);
