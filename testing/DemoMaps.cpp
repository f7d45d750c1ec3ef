// The demo's 32 maps: quadrants laid out on one plane (columns of quadrants shifted against
// each other, far-off quadrants reached by teleporters), then carved in the style of their
// area: dungeons and caves of rooms and passages cut into rock, towns of buildings, open
// country with hedges, woods and roads, seas with islands.

#include "testing/DemoMaps.h"
#include "gamedata/ScenarioFile.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <queue>

namespace gamebuild {

namespace demomaps {

namespace {

// Wall codes of each style: walls, second walls, archways, doors, portcullis.
struct Codes {
    int wall;
    int second;
    int archway;
    int door;
    int gate;
};

Codes CodesOf(int map)
{
    switch (StyleOf(map)) {
    case Style::Outdoor:
    case Style::Sea: return {2, 4, 0, 0, 0};
    case Style::Mountain: return {2, 4, 1, 3, 0};
    case Style::Town: return {2, 7, 1, 3, 0};
    case Style::Dungeon: return {2, 2, 1, 0, 6};
    case Style::Cave: return {2, 2, 0, 0, 0};
    }
    return {2, 2, 0, 0, 0};
}

struct Shape {
    int columns;
    int rows;
    int far;
};

// The cluster of quadrants of each map and the far-off quadrants beside it.
constexpr Shape kShapes[32] = {
    {3, 2, 1}, {2, 1, 1}, {3, 1, 1}, {2, 2, 1}, {3, 2, 0}, {2, 1, 1}, {2, 2, 0}, {4, 3, 3},
    {3, 1, 0}, {2, 2, 1}, {2, 2, 0}, {2, 2, 1}, {3, 2, 0}, {3, 2, 1}, {3, 3, 1}, {1, 2, 4},
    {3, 2, 1}, {3, 2, 2}, {2, 2, 2}, {3, 2, 1}, {2, 2, 2}, {2, 2, 1}, {2, 2, 3}, {3, 2, 1},
    {3, 2, 2}, {2, 2, 1}, {1, 1, 6}, {3, 2, 1}, {2, 3, 1}, {2, 2, 2}, {3, 2, 3}, {3, 2, 2},
};

void LayOut(Level& level, Random& random)
{
    const Shape shape = kShapes[level.Map()];
    const int x0 = 12 + random.Roll(16), y0 = 12 + random.Roll(16);
    int top = 0;
    for (int column = 0; column < shape.columns; ++column) {
        // Columns are shifted against each other by a few rows on most maps.
        static constexpr int kShifts[] = {0, 3, -2, 5, -4, 0, 2, -6};
        const int shift = column == 0 ? 0 : kShifts[(level.Map() + column) % std::size(kShifts)];
        const int rows = std::max(1, shape.rows - (column % 2 && shape.rows > 1 && random.Chance(30) ? 1 : 0));
        for (int row = 0; row < rows; ++row) {
            const int y = y0 + 6 + shift + 8 * row;
            level.AddQuadrant(x0 + 8 * column, y);
            top = std::max(top, y + 8);
        }
    }
    // Far-off quadrants: apart to the east and north, the last map's spread over the byte range.
    for (int k = 0; k < shape.far; ++k) {
        int x = x0 + 8 * shape.columns + 20 + 30 * k + random.Roll(20);
        int y = y0 + random.Roll(24);
        if (level.Map() == 26) {
            static constexpr Spot kSpread[] = {{248, 10}, {10, 248}, {248, 248}, {130, 130}, {190, 60}, {60, 190}};
            x = kSpread[k].x;
            y = kSpread[k].y;
        } else if (k % 2) {
            x = x0 + 8 * random.Roll(shape.columns);
            y = top + 24 + 16 * k + random.Roll(16);
        }
        level.AddQuadrant(std::min(x, 248), std::min(y, 248));
    }
}

// Groups of cells joined by sides, for carving passages that stay inside the map.
std::vector<Spot> PathBetween(const Level& level, Spot from, Spot to)
{
    std::map<std::pair<int, int>, Spot> came;
    std::queue<Spot> queue;
    queue.push(from);
    came[{from.x, from.y}] = from;
    while (!queue.empty()) {
        const Spot at = queue.front();
        queue.pop();
        if (at == to)
            break;
        // Towards the goal first, so that passages run straight where they can.
        int order[4] = {0, 1, 2, 3};
        std::sort(order, order + 4, [&](int a, int b) {
            auto gain = [&](int d) { return kDx[d] * (to.x - at.x) + kDy[d] * (to.y - at.y); };
            return gain(a) > gain(b);
        });
        for (int d : order) {
            const Spot next{at.x + kDx[d], at.y + kDy[d]};
            if (!level.In(next) || came.count({next.x, next.y}))
                continue;
            came[{next.x, next.y}] = at;
            queue.push(next);
        }
    }
    std::vector<Spot> path;
    if (!came.count({to.x, to.y}))
        return path;
    for (Spot at = to; !(at == from); at = came[{at.x, at.y}])
        path.push_back(at);
    path.push_back(from);
    std::reverse(path.begin(), path.end());
    return path;
}

int DirectionTo(Spot from, Spot to)
{
    for (int d = 0; d < 4; ++d)
        if (from.x + kDx[d] == to.x && from.y + kDy[d] == to.y)
            return d;
    return -1;
}

void Open(Level& level, const std::vector<Spot>& path, int room = -1)
{
    for (size_t i = 0; i < path.size(); ++i) {
        LevelCell& cell = level.At(path[i]);
        cell.open = true;
        if (room >= 0)
            cell.room = room;
        if (i + 1 < path.size())
            level.SetWall(path[i], DirectionTo(path[i], path[i + 1]), 0);
    }
}

// A rectangle of in-map cells of the given size at a random place; empty when none fits.
std::vector<Spot> FindRect(const Level& level, Random& random, int width, int height, bool free)
{
    const std::vector<Spot>& cells = level.Cells();
    for (int attempt = 0; attempt < 40; ++attempt) {
        const Spot corner = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
        std::vector<Spot> rect;
        for (int dy = 0; dy < height; ++dy)
            for (int dx = 0; dx < width; ++dx) {
                const Spot spot{corner.x + dx, corner.y + dy};
                if (level.In(spot) && (!free || (!level.At(spot).open && level.At(spot).room < 0)))
                    rect.push_back(spot);
            }
        if (rect.size() == static_cast<size_t>(width * height))
            return rect;
    }
    return {};
}

void OpenRoom(Level& level, const std::vector<Spot>& room)
{
    const int id = static_cast<int>(level.rooms.size());
    level.rooms.push_back(room);
    for (const Spot& spot : room) {
        level.At(spot).open = true;
        level.At(spot).room = id;
        for (int d = 0; d < 4; ++d)
            if (auto next = level.Neighbour(spot, d); next && level.At(*next).room == id)
                level.SetWall(spot, d, 0);
    }
}

void EncloseAll(Level& level, int code)
{
    for (const Spot& spot : level.Cells())
        for (int d = 0; d < 4; ++d)
            level.SetWall(spot, d, code);
}

// Where a passage meets a room, an archway, a door or a gate now and then.
void Doorways(Level& level, Random& random, const Codes& codes)
{
    for (const Spot& spot : level.Cells())
        for (int d : {0, 1}) {
            auto next = level.Neighbour(spot, d);
            if (!next || level.Wall(spot, d) != 0)
                continue;
            const LevelCell &a = level.At(spot), &b = level.At(*next);
            if (!a.open || !b.open || a.room == b.room)
                continue;
            const int roll = random.Roll(10);
            const int code = roll < 3 ? codes.archway : roll < 6 ? codes.door : roll < 7 ? codes.gate : 0;
            level.SetWall(spot, d, code);
        }
}

// Rooms cut into rock and joined by passages; caves wander.
void CarveUnderground(Level& level, Random& random)
{
    const Codes codes = CodesOf(level.Map());
    const bool cave = level.GetStyle() == Style::Cave;
    EncloseAll(level, codes.wall);
    const int roomCount = std::max(4, static_cast<int>(level.Cells().size()) / 16);
    for (int k = 0; k < roomCount; ++k) {
        std::vector<Spot> room = FindRect(level, random, random.Between(2, 5), random.Between(2, 4), true);
        if (room.empty())
            continue;
        if (cave) // ragged: a corner or two left in the rock
            room.erase(std::remove_if(room.begin(), room.end(), [&](const Spot&) { return random.Chance(15); }),
                       room.end());
        if (!room.empty())
            OpenRoom(level, room);
    }
    // Every room joined to the nearest one before it in its part of the map, and a few loops.
    auto distance = [](Spot a, Spot b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); };
    for (size_t i = 1; i < level.rooms.size(); ++i) {
        std::vector<Spot> best;
        for (size_t j = 0; j < i; ++j) {
            if (distance(level.rooms[i].front(), level.rooms[j].back()) > 24)
                continue;
            std::vector<Spot> path = PathBetween(level, level.rooms[i].front(), level.rooms[j].back());
            if (!path.empty() && (best.empty() || path.size() < best.size()))
                best = std::move(path);
        }
        Open(level, best);
    }
    if (cave) // side passages wander off into the rock
        for (size_t i = 0; i < level.rooms.size(); ++i) {
            Spot at = level.rooms[i].back();
            std::vector<Spot> walk{at};
            for (int step = random.Between(3, 9); step > 0; --step) {
                const int d = random.Roll(4);
                if (!level.In({at.x + kDx[d], at.y + kDy[d]}))
                    continue;
                at = {at.x + kDx[d], at.y + kDy[d]};
                walk.push_back(at);
            }
            Open(level, walk);
        }
    for (int k = 0; k < 2 && level.rooms.size() > 3; ++k)
        Open(level, PathBetween(level, level.rooms[static_cast<size_t>(random.Roll(static_cast<int>(level.rooms.size())))][0],
                                level.rooms[static_cast<size_t>(random.Roll(static_cast<int>(level.rooms.size())))][0]));
    // Every quadrant holds something to walk in.
    for (int q = 0; q < level.QuadrantCount(); ++q) {
        const Spot origin = level.Origin(q);
        bool any = false;
        for (int y = 0; y < 8 && !any; ++y)
            for (int x = 0; x < 8 && !any; ++x)
                any = level.At({origin.x + x, origin.y + y}).open;
        if (!any) {
            std::vector<Spot> room;
            for (int y = 2; y < 6; ++y)
                for (int x = 2; x < 6; ++x)
                    room.push_back({origin.x + x, origin.y + y});
            OpenRoom(level, room);
            Open(level, PathBetween(level, {origin.x + 3, origin.y + 5}, {origin.x + 3, origin.y + 7}));
        }
    }
    Doorways(level, random, codes);
    // Lesser walls of the second kind between some rooms and passages.
    if (codes.second != codes.wall)
        for (const Spot& spot : level.Cells())
            if (level.At(spot).open && random.Chance(12))
                for (int d = 0; d < 4; ++d)
                    if (level.Wall(spot, d) == codes.wall)
                        level.SetWall(spot, d, codes.second);
}

// Open land: hedge lines, single trees and stone ruins, roads; seas are water with islands.
void CarveOpenLand(Level& level, Random& random)
{
    const Codes codes = CodesOf(level.Map());
    const bool sea = level.GetStyle() == Style::Sea;
    for (const Spot& spot : level.Cells()) {
        LevelCell& cell = level.At(spot);
        cell.open = true;
        if (sea)
            cell.build.flags = 1; // water
    }
    if (sea) {
        // Islands of grass, some of rock.
        for (int k = 0; k < 6; ++k) {
            std::vector<Spot> island = FindRect(level, random, random.Between(2, 5), random.Between(2, 4), false);
            for (const Spot& spot : island)
                level.At(spot).build.flags = level.Map() == 10 && k % 3 == 0 ? 2 : 0;
        }
    }
    // Roads (plain maps) or shallows (seas) across the map.
    const std::vector<Spot>& cells = level.Cells();
    for (int k = 0; k < 2; ++k) {
        const Spot a = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
        const Spot b = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
        for (const Spot& spot : PathBetween(level, a, b))
            level.At(spot).build.flags = static_cast<uint8_t>(sea ? 4 : (k ? 4 : 1));
    }
    // Hedge lines and walls of field stone.
    for (int k = 0; k < static_cast<int>(cells.size()) / 24; ++k) {
        Spot at = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
        const int d = random.Roll(2);
        const int code = random.Chance(70) ? codes.second : codes.wall;
        for (int step = random.Between(2, 6); step > 0 && level.In(at); --step) {
            if (!(level.At(at).build.flags & 1) || !sea)
                level.SetWall(at, d ? 0 : 1, code);
            at = {at.x + (d ? 1 : 0), at.y + (d ? 0 : 1)};
        }
    }
    // Woods (cells walled in by hedges) and ruins (walled in by stone).
    for (int k = 0; k < static_cast<int>(cells.size()) / 14; ++k) {
        const Spot spot = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
        LevelCell& cell = level.At(spot);
        if (cell.build.flags & 5)
            continue;
        const bool ruin = random.Chance(25);
        for (int d = 0; d < 4; ++d)
            level.SetWall(spot, d, ruin ? codes.wall : codes.second);
        if (!ruin && random.Chance(30)) // one side of stone
            level.SetWall(spot, random.Roll(4), codes.wall);
        cell.open = false;
    }
    // The bridge country of map 4: its quadrant 3 is a lake with a causeway.
    if (level.Map() == 4 && level.QuadrantCount() > 3) {
        const Spot origin = level.Origin(3);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                LevelCell& cell = level.At({origin.x + x, origin.y + y});
                cell.build.flags = y == 3 || y == 4 ? 4 : 0;
                cell.open = y == 3 || y == 4;
            }
    }
}

// Towns: streets and squares between buildings; some buildings are solid blocks.
void CarveTown(Level& level, Random& random)
{
    const Codes codes = CodesOf(level.Map());
    for (const Spot& spot : level.Cells())
        level.At(spot).open = true;
    const int buildings = static_cast<int>(level.Cells().size()) / 14;
    for (int k = 0; k < buildings; ++k) {
        const int width = random.Between(2, 4), height = random.Between(2, 3);
        const std::vector<Spot> house = FindRect(level, random, width, height, false);
        if (house.empty() || std::any_of(house.begin(), house.end(), [&](const Spot& s) { return level.At(s).room >= 0; }))
            continue;
        const bool solid = random.Chance(35);
        const int wall = random.Chance(25) ? codes.second : codes.wall;
        const int id = static_cast<int>(level.rooms.size());
        level.rooms.push_back(house);
        for (const Spot& spot : house) {
            LevelCell& cell = level.At(spot);
            cell.room = id;
            cell.open = !solid;
            cell.build.flags = solid ? 0 : 4; // floors inside
            for (int d = 0; d < 4; ++d) {
                auto next = level.Neighbour(spot, d);
                const bool inside = next && level.At(*next).room == id;
                level.SetWall(spot, d, solid || !inside ? wall : 0);
            }
        }
        if (!solid) {
            // A door or an archway on the south or west side.
            const Spot at = house[static_cast<size_t>(random.Roll(width))];
            level.SetWall(at, 2, random.Chance(70) ? codes.door : codes.archway);
        }
    }
    // A canal (water) and a garden.
    const std::vector<Spot>& cells = level.Cells();
    const Spot a = cells[static_cast<size_t>(random.Roll(static_cast<int>(cells.size())))];
    for (int x = 0; x < 6; ++x)
        if (level.In({a.x + x, a.y}) && level.At({a.x + x, a.y}).room < 0) {
            level.At({a.x + x, a.y}).build.flags = level.Map() == 20 ? 4 : 2;
            level.At({a.x + x, a.y}).open = level.Map() == 20;
        }
    for (const Spot& spot : FindRect(level, random, 3, 2, false))
        if (level.At(spot).room < 0)
            level.At(spot).build.flags = level.Map() == 19 ? 4 : 1;
}

// The map's own north and east edges: the edge rule closes west and south ones.
void CloseEdges(Level& level)
{
    const Codes codes = CodesOf(level.Map());
    const Style style = level.GetStyle();
    for (const Spot& spot : level.Cells())
        for (int d : {0, 1}) {
            if (level.Neighbour(spot, d))
                continue;
            const int flags = level.At(spot).build.flags;
            int code = codes.wall;
            if (style == Style::Outdoor)
                code = codes.second;
            if (style == Style::Sea)
                code = flags & 1 ? 0 : codes.second;
            if (style == Style::Town && (flags & 2))
                code = 0;
            level.SetWall(spot, d, code);
        }
}

// Battle areas: a few rooms or patches where fights are fought.
void MarkBattleAreas(Level& level, Random& random)
{
    for (int k = 0; k < 3; ++k) {
        std::vector<Spot> area = !level.rooms.empty() && random.Chance(60)
                                     ? level.rooms[static_cast<size_t>(random.Roll(static_cast<int>(level.rooms.size())))]
                                     : FindRect(level, random, 3, 3, false);
        for (const Spot& spot : area)
            if (level.At(spot).open)
                level.At(spot).build.flags |= 8;
    }
}

// Underground floors of water (flag 4), of void (flag 1 on maps 15, 23 and 26) and rock (flag 2 on map 25).
void MarkUndergroundFloors(Level& level, Random& random)
{
    if (level.rooms.empty())
        return;
    const int map = level.Map();
    for (const Spot& spot : level.rooms[static_cast<size_t>(random.Roll(static_cast<int>(level.rooms.size())))])
        level.At(spot).build.flags |= 4;
    if (map == 15 || map == 23 || map == 26)
        for (const Spot& spot : level.rooms[static_cast<size_t>(random.Roll(static_cast<int>(level.rooms.size())))])
            if (!(level.At(spot).build.flags & 4))
                level.At(spot).build.flags |= 1;
    if (map == 25)
        for (const Spot& spot : level.Cells())
            if (level.At(spot).open && random.Chance(6))
                level.At(spot).build.flags |= 2;
}

} // namespace

Style StyleOf(int map)
{
    switch (map) {
    case 7: case 27: return Style::Mountain;
    case 8: case 9: case 10: case 11: case 12: return Style::Sea;
    case 14: case 16: case 18: case 19: case 20: case 21: case 31: return Style::Town;
    case 22: case 25: case 28: return Style::Cave;
    case 15: case 17: case 23: case 24: case 26: case 29: case 30: return Style::Dungeon;
    }
    return Style::Outdoor;
}

bool Level::AddQuadrant(int x, int y)
{
    if (m_count >= 16 || x < 0 || y < 0 || x > 255 || y > 255)
        return false;
    for (int q = 0; q < m_count; ++q) {
        const Spot o = m_origins[static_cast<size_t>(q)];
        if (x < o.x + 8 && o.x < x + 8 && y < o.y + 8 && o.y < y + 8)
            return false;
    }
    m_origins[static_cast<size_t>(m_count)] = {x, y};
    for (int cy = 0; cy < 8; ++cy)
        for (int cx = 0; cx < 8; ++cx) {
            m_cells.push_back({x + cx, y + cy});
            m_owner[static_cast<size_t>((y + cy) * kPlane + x + cx)] = static_cast<int8_t>(m_count);
        }
    ++m_count;
    return true;
}

std::optional<Place> Level::Find(Spot spot) const
{
    if (spot.x < 0 || spot.y < 0 || spot.x >= kPlane || spot.y >= kPlane)
        return std::nullopt;
    const int q = m_owner[static_cast<size_t>(spot.y * kPlane + spot.x)];
    if (q < 0)
        return std::nullopt;
    const Spot o = m_origins[static_cast<size_t>(q)];
    return Place{q, spot.x - o.x, spot.y - o.y};
}

LevelCell& Level::At(Spot spot)
{
    static LevelCell outside;
    const std::optional<Place> place = Find(spot);
    if (!place) {
        outside = LevelCell{};
        return outside;
    }
    return m_grid[static_cast<size_t>(place->quadrant)][static_cast<size_t>(place->y * 8 + place->x)];
}

const LevelCell& Level::At(Spot spot) const { return const_cast<Level*>(this)->At(spot); }

Spot Level::SpotOf(int quadrant, int x, int y) const
{
    const Spot o = m_origins[static_cast<size_t>(quadrant)];
    return {o.x + x, o.y + y};
}

std::optional<Spot> Level::Neighbour(Spot spot, int direction) const
{
    const Spot next{spot.x + kDx[direction], spot.y + kDy[direction]};
    return In(next) ? std::optional<Spot>(next) : std::nullopt;
}

int Level::Wall(Spot spot, int direction) const
{
    switch (direction) {
    case 0: return At(spot).build.north;
    case 1: return At(spot).build.east;
    }
    const std::optional<Spot> next = Neighbour(spot, direction);
    if (!next)
        return -1;
    return direction == 2 ? At(*next).build.north : At(*next).build.east;
}

void Level::SetWall(Spot spot, int direction, int code)
{
    if (!In(spot))
        return;
    if (direction == 0)
        At(spot).build.north = static_cast<uint8_t>(code);
    else if (direction == 1)
        At(spot).build.east = static_cast<uint8_t>(code);
    else if (const std::optional<Spot> next = Neighbour(spot, direction))
        (direction == 2 ? At(*next).build.north : At(*next).build.east) = static_cast<uint8_t>(code);
}

std::vector<Spot> Level::OpenCells() const
{
    std::vector<Spot> open;
    for (const Spot& spot : m_cells)
        if (At(spot).open)
            open.push_back(spot);
    return open;
}

MapLevel Level::Build() const
{
    MapLevel level;
    for (int q = 0; q < m_count; ++q) {
        level.originX[static_cast<size_t>(q)] = static_cast<uint8_t>(m_origins[static_cast<size_t>(q)].x);
        level.originY[static_cast<size_t>(q)] = static_cast<uint8_t>(m_origins[static_cast<size_t>(q)].y);
        for (int i = 0; i < 64; ++i)
            level.cells[static_cast<size_t>(q)][static_cast<size_t>(i)] =
                m_grid[static_cast<size_t>(q)][static_cast<size_t>(i)].build;
    }
    return level;
}

Level BuildLevel(int map, Random& random)
{
    Level level(map);
    LayOut(level, random);
    switch (level.GetStyle()) {
    case Style::Dungeon:
    case Style::Cave:
    case Style::Mountain:
        CarveUnderground(level, random);
        MarkUndergroundFloors(level, random);
        break;
    case Style::Town:
        CarveTown(level, random);
        break;
    case Style::Outdoor:
    case Style::Sea:
        CarveOpenLand(level, random);
        break;
    }
    CloseEdges(level);
    MarkBattleAreas(level, random);
    return level;
}

} // namespace demomaps

void AddDemoMaps(Installation& demo)
{
    using namespace demomaps;
    Random random(demo.edition == Edition::Gold ? 9091u : 91u);
    std::vector<Level> levels;
    for (int map = 0; map < scenario::kMapCount; ++map)
        levels.push_back(BuildLevel(map, random));
    demo.scenario.incidents = DemoIncidents();
    for (int map = 0; map < scenario::kMapCount; ++map) {
        demo.scenario.events[static_cast<size_t>(map)] = FurnishLevel(levels[static_cast<size_t>(map)], levels, random, demo.messages);
        demo.scenario.maps[static_cast<size_t>(map)] = MapRecordBytes(levels[static_cast<size_t>(map)].Build());
    }
}

} // namespace gamebuild
