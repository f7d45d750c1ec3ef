#pragma once
// The demo's maps, built in two steps: levels laid out and carved on the plane of their
// quadrants (DemoMaps.cpp), then furnished with features and events (DemoMapEvents.cpp).

#include "testing/GameBuilder.h"

#include <optional>
#include <vector>

namespace gamebuild::demomaps {

// A small fixed generator, so that the demo is the same on every machine.
class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed) {}
    int Roll(int sides)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return sides > 0 ? static_cast<int>((m_state >> 8) % static_cast<uint32_t>(sides)) : 0;
    }
    int Between(int low, int high) { return low + Roll(high - low + 1); }
    bool Chance(int percent) { return Roll(100) < percent; }

private:
    uint32_t m_state;
};

enum class Style { Outdoor, Sea, Mountain, Town, Dungeon, Cave };
Style StyleOf(int map);

// Directions: 0 north, 1 east, 2 south, 3 west.
constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {1, 0, -1, 0};

struct Spot {
    int x = 0;
    int y = 0;
    bool operator==(const Spot&) const = default;
};

struct Place {
    int quadrant = -1;
    int x = 0;
    int y = 0;
};

// A cell of a level under construction.
struct LevelCell {
    MapCellBuild build;
    bool open = false;    // the party can stand here
    int room = -1;        // the room it belongs to; -1 for corridors and open ground
    bool taken = false;   // a feature or an event stands here already
};

class Level {
public:
    explicit Level(int map) : m_map(map) {}

    int Map() const { return m_map; }
    Style GetStyle() const { return StyleOf(m_map); }

    // False when the quadrant would overlap another or all 16 are used.
    bool AddQuadrant(int x, int y);
    int QuadrantCount() const { return m_count; }
    Spot Origin(int quadrant) const { return m_origins[static_cast<size_t>(quadrant)]; }

    // Plane cells: x eastward, y northward.
    std::optional<Place> Find(Spot spot) const;
    bool In(Spot spot) const { return Find(spot).has_value(); }
    LevelCell& At(Spot spot);
    const LevelCell& At(Spot spot) const;
    Spot SpotOf(int quadrant, int x, int y) const;
    const std::vector<Spot>& Cells() const { return m_cells; }

    // The wall on a side of a cell; -1 where the side faces no cell of the map and the wall
    // is not stored (the west and south edges, which the map's edge rule closes).
    int Wall(Spot spot, int direction) const;
    void SetWall(Spot spot, int direction, int code);
    // The cell on the other side, if it is part of the map.
    std::optional<Spot> Neighbour(Spot spot, int direction) const;

    std::vector<Spot> OpenCells() const;
    std::vector<std::vector<Spot>> rooms;

    MapLevel Build() const;

private:
    static constexpr int kPlane = 264; // origins are bytes: every cell lies below 256 + 8

    int m_map;
    std::vector<int8_t> m_owner = std::vector<int8_t>(kPlane * kPlane, -1); // quadrant of each plane cell
    int m_count = 0;
    std::array<Spot, 16> m_origins{};
    std::array<std::array<LevelCell, 64>, 16> m_grid{};
    std::vector<Spot> m_cells;
};

// Quadrants, walls and floor flags of one map.
Level BuildLevel(int map, Random& random);

// Features and events of every level; messages receive the texts of action forks.
std::vector<MapEvent> FurnishLevel(Level& level, const std::vector<Level>& levels, Random& random, Messages& messages);

// Names of the 96 incidents.
std::vector<Record> DemoIncidents();

} // namespace gamebuild::demomaps
