// The features and events of the demo's maps. Every map carries the same kinds of things in
// variants that change from map to map, so that the maps together show every feature in every
// direction and every event type in each form the descriptions tell apart. Events that others
// set or reset carry fixed numbers on every map:
//   10 a wall that changes     11 a locked door          20 a hidden lever (sets 21, then 22)
//   21 a manager setting 20    22 the lever's display    30, 31 a fork's options (on its cell)
//   32, 33 a code's outcomes   40 a portcullis           41 to 48 outcomes of tests and checks
// so item usages, managers on other maps and the chains that lead back all find their targets.

#include "gamedata/ScenarioFile.h"
#include "maps/GameMap.h"
#include "maps/MapWalls.h"
#include "testing/DemoMaps.h"

#include <algorithm>
#include <functional>

namespace gamebuild::demomaps {

namespace {

constexpr int kPlaceTexts = 512; // twelve texts of places, every other number (DemoTexts)
constexpr int kSpeech = 536;     // twelve speeches
constexpr int kForkTexts = 7000; // the action forks' questions, written here

enum Numbers {
    kChangingWall = 10,
    kLockedDoor = 11,
    kLever = 20,
    kLeverManager = 21,
    kLeverDisplay = 22,
    kFirstOption = 30,
    kSecondOption = 31,
    kCorrectCode = 32,
    kWrongCode = 33,
    kPortcullis = 40,
    kTestPassed = 41,
    kTestFailed = 42,
    kTheft = 43,
    kNoTheft = 44,
    kInTime = 45,
    kTooLate = 46,
    kEquipped = 47,
    kNotEquipped = 48,
};

int Text(int k) { return kPlaceTexts + 2 * (k % 12); }
int Speech(int k) { return kSpeech + 2 * (k % 12); }

class Furnisher {
public:
    Furnisher(Level& level, const std::vector<Level>& levels, Random& random, Messages& messages)
        : m_level(level), m_levels(levels), m_random(random), m_messages(messages), m_map(level.Map()),
          m_record(MapRecordBytes(level.Build()))
    {
    }

    std::vector<MapEvent> Run()
    {
        Features();
        Transfers();
        Fights();
        Treasure();
        Passages();
        Mechanisms();
        Choices();
        Atmosphere();
        if (m_events.size() > static_cast<size_t>(scenario::kEventsPerMap))
            m_events.resize(scenario::kEventsPerMap);
        return m_events;
    }

private:
    GameMap MapRecord() const { return GameMap(m_record.data(), m_map); }
    CellWalls WallsOf(Spot spot) const
    {
        const Place p = *m_level.Find(spot);
        return GetCellWalls(MapRecord(), p.quadrant, p.x, p.y);
    }

    // A random open cell not yet used that passes the test; none when there is no such cell.
    std::optional<Spot> FreeCell(const std::function<bool(Spot)>& test = {})
    {
        std::vector<Spot> cells;
        for (const Spot& spot : m_level.OpenCells())
            if (!m_level.At(spot).taken && (!test || test(spot)))
                cells.push_back(spot);
        if (cells.empty())
            return std::nullopt;
        const Spot spot = cells[static_cast<size_t>(m_random.Roll(static_cast<int>(cells.size())))];
        m_level.At(spot).taken = true;
        return spot;
    }

    uint16_t Ref(Spot spot) const
    {
        const Place p = *m_level.Find(spot);
        return PackCellRef(p.quadrant, p.x, p.y);
    }

    MapEvent& Add(Spot at, int type, int number = 0)
    {
        const Place p = *m_level.Find(at);
        MapEvent event;
        event.type = static_cast<uint8_t>(type);
        event.quadrant = static_cast<uint8_t>(p.quadrant);
        event.x = static_cast<uint8_t>(p.x);
        event.y = static_cast<uint8_t>(p.y);
        event.number = static_cast<uint8_t>(number);
        m_events.push_back(event);
        return m_events.back();
    }

    void SetFeature(Spot at, int code, int direction)
    {
        LevelCell& cell = m_level.At(at);
        cell.build.feature = static_cast<uint8_t>(code);
        cell.build.direction = static_cast<uint8_t>(direction & 3);
        m_record = MapRecordBytes(m_level.Build());
    }

    // A cell for a feature facing a direction: stairs face an open neighbour, levers and
    // buttons a wall.
    std::optional<Spot> FacingCell(int direction, bool wall)
    {
        return FreeCell([&](Spot spot) {
            if (wall)
                return WallsOf(spot).Code(direction) != 0;
            const std::optional<Spot> next = m_level.Neighbour(spot, direction);
            return next && m_level.At(*next).open && m_level.Wall(spot, direction) == 0 && !m_level.At(*next).taken;
        });
    }

    // A destination on another map (or this one).
    uint16_t Destination(int map)
    {
        const std::vector<Spot> open = m_levels[static_cast<size_t>(map)].OpenCells();
        if (open.empty())
            return 0;
        const Spot spot = open[static_cast<size_t>(m_random.Roll(static_cast<int>(open.size())))];
        const Place p = *m_levels[static_cast<size_t>(map)].Find(spot);
        return PackCellRef(p.quadrant, p.x, p.y);
    }

    // ---------------------------------------------------------------------------------------------

    void Features()
    {
        // Every code once, turned a quarter further on each map, so the maps show them all four ways.
        static constexpr int kCodes[] = {feature::kFountain, feature::kLadder, feature::kStairs, feature::kSecretButton,
                                         feature::kLadder2, feature::kStairs2, feature::kLever, feature::kPit,
                                         feature::kChest, feature::kPit2};
        for (size_t k = 0; k < std::size(kCodes); ++k) {
            const int code = kCodes[k], direction = (m_map + static_cast<int>(k)) % 4;
            const bool onWall = code == feature::kLever || code == feature::kSecretButton;
            const bool stairs = code == feature::kStairs || code == feature::kStairs2;
            std::optional<Spot> at = onWall || stairs ? FacingCell(direction, onWall) : FreeCell();
            if (!at)
                at = FreeCell();
            if (!at)
                continue;
            SetFeature(*at, code, direction);
            m_features.push_back({*at, code, direction});
        }
        // A second chest in a room, and a lever that no event works.
        if (auto at = FreeCell([&](Spot s) { return m_level.At(s).room >= 0; })) {
            SetFeature(*at, feature::kChest, m_map % 4);
            m_features.push_back({*at, feature::kChest, m_map % 4});
        }
        if (auto at = FacingCell((m_map + 2) % 4, true))
            SetFeature(*at, feature::kLever, (m_map + 2) % 4);
    }

    struct FeatureAt {
        Spot spot;
        int code;
        int direction;
    };

    std::vector<FeatureAt> FeaturesOf(int code) const
    {
        std::vector<FeatureAt> found;
        for (const FeatureAt& f : m_features)
            if (f.code == code)
                found.push_back(f);
        return found;
    }

    void Transfers()
    {
        // Stairs and ladders lead to neighbouring maps; pits drop to the map below.
        for (const FeatureAt& f : m_features) {
            int type = 0, to = m_map;
            if (f.code == feature::kStairs || f.code == feature::kStairs2) {
                type = 1;
                to = (m_map + (f.code == feature::kStairs ? 1 : 31)) % 32;
            } else if (f.code == feature::kLadder || f.code == feature::kLadder2) {
                type = 15;
                to = (m_map + 7) % 32;
            } else if (f.code == feature::kPit2) {
                type = 1;
                to = (m_map + 3) % 32;
            }
            if (type) {
                MapEvent& e = Add(f.spot, type);
                e.param11 = static_cast<uint8_t>(to);
                e.param4 = Destination(to);
            }
        }
        // Teleporters within the map: into and out of every far-off quadrant, and one more.
        for (int q = 1; q < m_level.QuadrantCount(); ++q) {
            if (q % 3 != 0 && q < m_level.QuadrantCount() - 3)
                continue;
            const Spot o = m_level.Origin(q);
            auto inQuadrant = [&](Spot s) { return s.x >= o.x && s.x < o.x + 8 && s.y >= o.y && s.y < o.y + 8; };
            const std::optional<Spot> there = FreeCell(inQuadrant);
            const std::optional<Spot> here = FreeCell([&](Spot s) { return !inQuadrant(s); });
            if (!there || !here)
                continue;
            MapEvent& out = Add(*here, 1);
            out.param11 = static_cast<uint8_t>(m_map);
            out.param4 = static_cast<uint16_t>(Ref(*there) | (m_map % 5 == 0 ? 0xFC00 : 0)); // unused bits set
            MapEvent& back = Add(*there, 1, 34 + q % 2);
            back.param11 = static_cast<uint8_t>(m_map);
            back.param4 = Ref(*here);
        }
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 1);
            e.param11 = static_cast<uint8_t>((m_map + 11) % 32);
            e.param4 = Destination((m_map + 11) % 32);
        }
    }

    void Fights()
    {
        // Monsters by name, random groups, and a group fought in a battle area.
        for (int k = 0; k < 4; ++k) {
            auto at = FreeCell([&](Spot s) { return k < 2 || (m_level.At(s).build.flags & 8); });
            if (!at)
                continue;
            MapEvent& e = Add(*at, 4, k == 3 ? kTestFailed : 0);
            const bool group = k % 2 == 1;
            e.param4 = group ? 1 : 0;
            e.param11 = static_cast<uint8_t>(group ? m_random.Roll(40) : (m_map * 7 + k * 13) % 250);
        }
    }

    void Treasure()
    {
        for (const FeatureAt& f : FeaturesOf(feature::kChest)) {
            MapEvent& e = Add(f.spot, 3);
            e.param11 = static_cast<uint8_t>((m_map * 5 + f.direction) % 199 + 1); // loot 0 is empty
            e.param0 = static_cast<uint16_t>(m_random.Chance(50) ? Text(m_map) : 0);
            e.param2 = static_cast<uint16_t>(m_random.Chance(40) ? Speech(m_map + 1) : 0);
        }
        // Loot lying about, with a text of its own.
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 3);
            e.param11 = static_cast<uint8_t>((m_map * 3 + 100) % 200);
            e.param0 = static_cast<uint16_t>(Text(m_map + 5));
        }
    }

    // Secret buttons, locked doors, invisible and illusion walls.
    void Passages()
    {
        static constexpr int kButtonSides[] = {2, 8, 32, 128};
        auto passability = [&](std::optional<Spot> at, uint16_t param4, uint16_t key, uint8_t picking, int number = 0) {
            if (!at)
                return;
            MapEvent& e = Add(*at, 7, number);
            e.param4 = param4;
            e.param2 = key;
            e.param11 = picking;
        };
        // A secret button on a wall, one on another wall on every fourth map, one that names no side.
        const int side = m_map % 4;
        passability(FacingCell(side, true), static_cast<uint16_t>(kButtonSides[side] << 8), 0, 0);
        if (m_map % 4 == 0)
            passability(FacingCell((side + 1) % 4, true), static_cast<uint16_t>(kButtonSides[(side + 1) % 4] << 8), 0, 0);
        if (m_map % 8 == 3)
            passability(FreeCell(), 0x0A00, 0, 0);
        // Doors opened by lockpicking, by a key, or by either; one of them is event 11.
        const uint16_t key = static_cast<uint16_t>(1 + (m_map * 19) % 570);
        const int variant = m_map % 3;
        passability(FacingCell(0, true), static_cast<uint16_t>(variant == 2 ? 0x05 : 0x01),
                    variant == 0 ? 0 : key, static_cast<uint8_t>(variant == 1 ? 0 : 1 + m_map % 15), kLockedDoor);
        // Locked for good: one side, or two.
        passability(FacingCell(1, true), static_cast<uint16_t>(m_map % 2 ? 0x22 : 0x08), 0, 0);
        // Walls that are not there, and passages that are walled.
        if (auto at = FreeCell([&](Spot s) { return WallsOf(s).Code(2) == 0; }))
            passability(at, 0x30, 0, 0);
        if (auto at = FreeCell([&](Spot s) { return WallsOf(s).Code(0) == 0 && WallsOf(s).Code(1) == 0; }); at && m_map % 3 == 0)
            passability(at, 0x0F, 0, 0);
        if (auto at = FreeCell([&](Spot s) { return WallsOf(s).Code(3) != 0 && WallKindOf(m_map, WallsOf(s).Code(3)) > 0; }))
            passability(at, 0xC0, 0, 0);
        // Nothing unusual after all.
        if (m_map % 4 == 1)
            passability(FreeCell(), 0x15, 0, 0);
    }

    // Levers, hidden things, managers, walls that change, a portcullis and changing displays.
    void Mechanisms()
    {
        // The lever: sets 21, whose manager sets 20 again; then its own display, 22.
        for (const FeatureAt& f : FeaturesOf(feature::kLever)) {
            MapEvent& lever = Add(f.spot, 8, kLever);
            lever.param4 = static_cast<uint16_t>(((4 + f.direction) << 12) | kLeverDisplay);
            lever.param2 = kLeverManager;
            lever.param0 = static_cast<uint16_t>(Text(m_map + 2));
            MapEvent& display = Add(f.spot, 23, kLeverDisplay);
            display.param0 = 11;
            display.param11 = static_cast<uint8_t>(f.direction);
            display.param4 = Ref(f.spot);
        }
        if (auto at = FreeCell()) {
            MapEvent& manager = Add(*at, 11, kLeverManager);
            manager.param4 = static_cast<uint16_t>((2 << 13) | (m_map << 8) | kLever);
        }
        for (const FeatureAt& f : FeaturesOf(feature::kSecretButton)) {
            MapEvent& button = Add(f.spot, 8);
            button.param4 = static_cast<uint16_t>(((4 + f.direction) << 12) | kChangingWall);
        }
        // Something hidden on a side of an ordinary cell, and something hidden anywhere around.
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 8);
            e.param4 = static_cast<uint16_t>(((4 + (m_map + 1) % 4) << 12) | kPortcullis);
            e.param0 = static_cast<uint16_t>(Speech(m_map));
        }
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 8);
            e.param4 = static_cast<uint16_t>(m_map % 2 ? 0x9000 : 0);
            e.param2 = kInTime;
        }

        // Item usage: a key that opens the wall (sets 10) and the locked door (resets 11).
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 19);
            e.param0 = static_cast<uint16_t>(1 + (m_map * 19) % 570);
            e.param4 = static_cast<uint16_t>((kLockedDoor << 8) | kChangingWall);
        }
        // Managers of every action, here and on other maps.
        static constexpr int kActions[] = {2, 3, 6, 5, 0};
        for (int k = 0; k < 3; ++k) {
            const std::optional<Spot> at = FreeCell();
            if (!at)
                break;
            const int action = kActions[(m_map + k) % 5];
            const int target = k == 0 ? m_map : (m_map + 5 * k) % 32;
            const int number = k == 0 ? kLockedDoor : kPortcullis;
            MapEvent& e = Add(*at, 11);
            e.param4 = static_cast<uint16_t>((action << 13) | (target << 8) | number);
        }

        WallChangers();

        // The portcullis (40) and a changing display elsewhere.
        if (auto at = FacingCell(m_map % 4, true)) {
            MapEvent& gate = Add(*at, 21, kPortcullis);
            const bool here = m_map % 2 == 0;
            const std::optional<Spot> other = here ? at : FreeCell();
            gate.param4 = Ref(other ? *other : *at);
            gate.param2 = static_cast<uint16_t>(m_map % 4);
            gate.param11 = static_cast<uint8_t>(m_map % 3 ? 1 : 0);
        }
        static constexpr int kDisplays[] = {0, 6, 10, 11, 14, 16, 3};
        if (auto at = FreeCell()) {
            MapEvent& e = Add(*at, 23);
            e.param0 = static_cast<uint16_t>(kDisplays[m_map % 7]);
            e.param11 = static_cast<uint8_t>((m_map + 1) % 4);
            const std::optional<Spot> other = m_map % 3 ? FreeCell() : at;
            e.param4 = Ref(other ? *other : *at);
        }
    }

    // The wall changer 10 changes one side of a cell to the next class the map has; on every
    // fifth map a second one names the walls the cell has already.
    void WallChangers()
    {
        const std::optional<Spot> at = FreeCell();
        const std::optional<Spot> target = FreeCell([&](Spot s) { return m_level.At(s).room < 0 || m_random.Chance(30); });
        if (!at || !target)
            return;
        const CellWalls old = WallsOf(*target);
        int codes[4] = {old.north, old.east, old.south, old.west};
        // The codes this map gives a kind of its own, passage first.
        std::vector<int> classes{0};
        for (int code = 1; code < 16; ++code)
            if (WallKindOf(m_map, code) >= 0 && std::none_of(classes.begin(), classes.end(), [&](int c) {
                    return WallClassOf(WallKindOf(m_map, c)) == WallClassOf(WallKindOf(m_map, code));
                }))
                classes.push_back(code);
        for (int k = 0; k < 2; ++k) {
            const int side = (m_map + 2 * k) % 4;
            const auto now = std::find_if(classes.begin(), classes.end(), [&](int c) {
                return WallClassOf(WallKindOf(m_map, c)) == WallClassOf(WallKindOf(m_map, codes[side]));
            });
            const size_t index = now == classes.end() ? 0 : static_cast<size_t>(now - classes.begin());
            codes[side] = classes[(index + 1 + static_cast<size_t>(m_map / 4)) % classes.size()];
        }
        MapEvent& e = Add(*at, 10, kChangingWall);
        e.param4 = Ref(*target);
        e.param2 = static_cast<uint16_t>(codes[0] | (codes[1] << 4) | (codes[2] << 8) | (codes[3] << 12));
        if (m_map % 5 == 0) {
            MapEvent& same = Add(*at, 10, kEquipped);
            same.param4 = Ref(*target);
            same.param2 = static_cast<uint16_t>(old.north | (old.east << 4) | (old.south << 8) | (old.west << 12));
        }
    }

    // Action forks, tests, time checks, thefts and equipment checks, with their outcomes.
    void Choices()
    {
        // A fork with three options: the first two set events on its own cell.
        if (auto at = FreeCell()) {
            const uint16_t message = static_cast<uint16_t>(kForkTexts + 4 * m_map);
            const char* digits = m_map % 7 == 3 ? "3x31" : m_map % 7 == 5 ? "3" : "303100";
            m_messages[message] = {digits, "Pull the rope", "  Ring the old bell  ", "Walk away"};
            MapEvent& fork = Add(*at, 12);
            fork.param0 = message;
            fork.param4 = 0x2000 | 3;
            Add(*at, 4, kFirstOption).param11 = static_cast<uint8_t>((m_map + 40) % 250);
            MapEvent& loot = Add(*at, 3, kSecondOption);
            loot.param11 = static_cast<uint8_t>((m_map + 60) % 200);
        }
        // A word to speak: the right one sets 32, a wrong one 33, both on its cell.
        if (auto at = FreeCell()) {
            static constexpr const char* kWords[] = {"MIRROR", "EMBER", "SALT", "RAVEN", "LANTERN", "THORN"};
            const uint16_t message = static_cast<uint16_t>(kForkTexts + 4 * m_map + 2);
            m_messages[message] = {kWords[m_map % 6], "Speak the word"};
            MapEvent& code = Add(*at, 12);
            code.param0 = message;
            code.param2 = (kWrongCode << 8) | kCorrectCode;
            MapEvent& in = Add(*at, 1, kCorrectCode);
            in.param11 = static_cast<uint8_t>(m_map);
            in.param4 = Destination(m_map);
            MapEvent& hurt = Add(*at, 9, kWrongCode);
            hurt.param4 = 0x0724;
        }
        auto branch = [&](int type, uint16_t param0, uint16_t param2, uint8_t param11) {
            if (auto at = FreeCell()) {
                MapEvent& e = Add(*at, type);
                e.param0 = param0;
                e.param2 = param2;
                e.param11 = param11;
            }
        };
        branch(22, kTestPassed, m_map % 3 ? kTestFailed : 0, 0);
        branch(13, kInTime, kTooLate, 0);
        branch(14, kNoTheft, kTheft, 0);
        branch(6, static_cast<uint16_t>(1 + (m_map * 23) % 570), kEquipped, m_map % 2 ? kNotEquipped : 0);
        // The outcomes.
        auto outcome = [&](int type, int number, uint16_t param0, uint16_t param4, uint8_t param11) {
            if (auto at = FreeCell()) {
                MapEvent& e = Add(*at, type, number);
                e.param0 = param0;
                e.param4 = param4;
                e.param11 = param11;
            }
        };
        outcome(16, kTestPassed, static_cast<uint16_t>(Text(m_map + 3)), 0, 0);
        outcome(5, kTheft, 0, 0, static_cast<uint8_t>((m_map * 3 + 1) % 96));
        outcome(16, kNoTheft, static_cast<uint16_t>(Speech(m_map + 4)), 0, 0);
        outcome(2, kInTime, 0, static_cast<uint16_t>((((m_map % 15) + 1) << 8) | (1 + m_map % 3)), 1);
        outcome(9, kTooLate, 0, static_cast<uint16_t>(0x8100 | ((m_map % 16) << 8)), 0);
        outcome(5, kNotEquipped, 0, 0, static_cast<uint8_t>((m_map * 3 + 2) % 96));
    }

    // Texts, incidents, harm, movers, fountains, safe places and events of no known kind.
    void Atmosphere()
    {
        for (int k = 0; k < 3; ++k)
            if (auto at = FreeCell()) {
                MapEvent& e = Add(*at, k == 2 ? 17 : 16);
                e.param0 = static_cast<uint16_t>(k == 1 ? Speech(m_map + k) : Text(m_map + 6 + k));
            }
        if (auto at = FreeCell()) // a text with no message
            Add(*at, 16).param0 = 9999;
        for (int k = 0; k < 2; ++k)
            if (auto at = FreeCell())
                Add(*at, 5).param11 = static_cast<uint8_t>(k && m_map % 8 == 0 ? 96 + m_map : (m_map * 3 + 48 * k) % 96);
        // Harm of two kinds on each map: over the maps every kind, with and without damage.
        for (int k = 0; k < 2; ++k) {
            const std::optional<Spot> at = FreeCell();
            if (!at)
                break;
            const int kind = (2 * m_map + k) % 16;
            MapEvent& e = Add(*at, 9);
            e.param4 = static_cast<uint16_t>((kind << 8) | ((1 + (m_map + k) % 6) << 4) | (4 + 2 * k));
            if ((m_map + k) % 3 == 0)
                e.param4 |= 0x8000;
            e.param0 = static_cast<uint16_t>(k ? Text(m_map + 9) : 0);
        }
        for (const FeatureAt& f : FeaturesOf(feature::kPit)) {
            MapEvent& e = Add(f.spot, 9);
            e.param4 = 0x0C46;
        }
        for (int k = 0; k < 2; ++k)
            if (auto at = FreeCell()) {
                MapEvent& e = Add(*at, 2);
                e.param11 = static_cast<uint8_t>(k);
                e.param4 = static_cast<uint16_t>((((m_map + k) % 15 + 1) << 8) | (k ? 2 + m_map % 3 : 0));
            }
        for (const FeatureAt& f : FeaturesOf(feature::kFountain)) {
            MapEvent& e = Add(f.spot, 25);
            e.param4 = static_cast<uint16_t>(((m_map * 37) % 128) | ((((m_map * 53) + 17) % 128) << 8));
            e.param2 = static_cast<uint16_t>(1 + m_map % 9);
        }
        // A room where no monster comes.
        if (!m_level.rooms.empty()) {
            const auto& room = m_level.rooms[static_cast<size_t>(m_map) % m_level.rooms.size()];
            for (size_t i = 0; i < room.size() && i < 3; ++i)
                if (m_level.At(room[i]).open)
                    Add(room[i], 18);
        }
        if (m_map % 3 == 0)
            if (auto at = FreeCell())
                Add(*at, m_map % 2 ? 24 : 20).param0 = 1;
    }

    Level& m_level;
    const std::vector<Level>& m_levels;
    Random& m_random;
    Messages& m_messages;
    const int m_map;
    ::Record m_record;
    std::vector<MapEvent> m_events;
    std::vector<FeatureAt> m_features;
};

} // namespace

std::vector<MapEvent> FurnishLevel(Level& level, const std::vector<Level>& levels, Random& random, Messages& messages)
{
    return Furnisher(level, levels, random, messages).Run();
}

std::vector<Record> DemoIncidents()
{
    static constexpr const char* kPlaces[] = {
        "Old Well",     "Shrine=Dawn",  "Broken Cart",  "Hermit/Hut",   "Toll Gate",      "Ruined Altar",
        "Whisper/Tree", "Fallen Statue", "Bone Pile",   "Sealed Door",  "Glowing Pool",   "Rune Stone",
        "Gallows Hill", "Guard Post",   "Pedlar/Camp",  "Sunken Bell",  "Crypt=Kings",    "Empty Throne",
    };
    std::vector<Record> incidents;
    for (int i = 0; i < scenario::kIncidentCount; ++i) {
        std::string name = kPlaces[i % std::size(kPlaces)];
        if (i >= static_cast<int>(std::size(kPlaces)))
            name += " " + std::to_string(i / std::size(kPlaces) + 1);
        incidents.push_back(IncidentRecordBytes(name));
    }
    return incidents;
}

} // namespace gamebuild::demomaps
