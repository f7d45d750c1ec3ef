#pragma once
// Map events in words: the one-line description of an event, the outcome lines of the branching
// types, and the partial texts of the map windows. A describer belongs to a window that shows
// one cell of one map: texts that name a cell say "at this Cell" for that one.

#include "maps/MapData.h"

#include <array>
#include <map>
#include <string>
#include <vector>

class CGameData;

enum class PassabilityKind { None, SecretButton, OpenableDoor, InvisibleWall, IllusionWall, LockedDoor };

struct Passability {
    PassabilityKind kind = PassabilityKind::None;
    int mask = 0; // 1 north, 2 east, 4 south, 8 west
};

enum class HiddenKind { Something = 1, Lever = 2, SecretButton = 3 };

struct HiddenThing {
    HiddenKind kind = HiddenKind::Something;
    int mask = 0;
};

struct FountainText {
    std::string good;
    std::string bad;
    int power = 0;
};

// One outcome of a branching event, with the event number it sets (0 for none) and its icon.
struct OutcomeLine {
    std::string text;
    int number = 0;
    int icon = 0;
};

struct EventOutcomes {
    std::string title;
    std::vector<OutcomeLine> lines;
};

// True for the branching types: action fork, skill test, item equip, time check, theft.
bool IsBranchingType(int type);

// What a passability event does to the sides of its cell; kind None for any other type.
Passability PassabilityOf(const GameMap& map, const MapEvent& event);
// What a hidden/pushable event hides, by its side and the feature of its cell.
HiddenThing HiddenThingOf(const GameMap& map, const MapEvent& event);

class EventDescriber {
public:
    // cell is the window's cell; its map is the shown map.
    EventDescriber(CGameData& game, MapCell cell);

    const MapCell& Cell() const { return m_cell; }
    void SetCell(const MapCell& cell) { m_cell = cell; }
    CGameData& Game() const { return m_game; }

    // A map's record and events, read once and kept; an unreadable map has neither.
    const MapData& Map(int map);
    // The event in a slot of a map; an empty event outside the table.
    const MapEvent& Event(int map, int slot);

    std::string DescribeEvent(int map, int slot, bool withLocation);
    // Empty title and no lines for a type that does not branch.
    EventOutcomes DescribeEventOutcomes(int map, int slot, bool withLocation);
    std::string EventLocationText(int map, int slot);
    std::string TransferText(const MapEvent& event) const;

    Passability PassabilityOf(int map, const MapEvent& event);
    std::string PassabilityText(Passability passability, const MapEvent& event) const;
    HiddenThing HiddenThingOf(int map, const MapEvent& event);
    std::string HiddenThingText(int map, const MapEvent& event);
    std::string WallChangerText(int map, const MapEvent& event);
    std::string EventManagerText(int map, const MapEvent& event) const;
    std::string NegativeEffectText(const MapEvent& event) const;
    FountainText FountainTexts(const MapEvent& event) const;
    std::string CellDisplayText(const MapEvent& event) const;

    // Names through the name expansion; empty for a number beyond its table.
    std::string ItemName(int item) const;
    std::string MonsterName(int monster) const;
    std::string IncidentName(int incident) const;

    // The lines of a message as separate pieces, unchanged; none when it cannot be read.
    std::vector<std::string> MessageLines(int message) const;

private:
    EventOutcomes ActionForkOutcomes(const MapEvent& event) const;

    CGameData& m_game;
    MapCell m_cell;
    std::map<int, MapData> m_maps;
};

// "[%i] " when the event has a number.
std::string EventNumberPrefix(const MapEvent& event);
