#pragma once
// The event chains of a cell: a tree that follows the event numbers the cell's events set or
// reset through the maps. Items are filled when they are expanded, once each, so a chain that
// leads back to where it began grows only as far as it is opened.

#include "maps/EventDescriber.h"

#include <string>
#include <vector>

// A tree item that can be expanded: the event (map, slot), or the outcome line of that event
// that sets number.
struct EventLink {
    int map = 0;
    int slot = 0;
    int number = 0; // 0: the event itself
};

struct ChainNode {
    std::string text;
    int icon = 0;       // of the program's 16 x 16 tree icons
    int parent = -1;
    std::vector<int> children;
    int link = -1;      // in the link list; -1 for an item that is not expanded on demand
    bool filled = false;
};

// The tree icon of an event.
int EventIcon(EventDescriber& describer, int map, const MapEvent& event);

namespace chainicon {
constexpr int kSets = 7;   // "Sets event" items
constexpr int kResets = 8; // "Resets event" items
} // namespace chainicon

class EventChainTree {
public:
    // The roots for the describer's cell: its item usages, hidden things and event managers,
    // and its branching events with their outcome lines.
    explicit EventChainTree(EventDescriber& describer);

    const std::vector<int>& Roots() const { return m_roots; }
    const ChainNode& Node(int id) const { return m_nodes[static_cast<size_t>(id)]; }
    int Count() const { return static_cast<int>(m_nodes.size()); }
    const std::vector<EventLink>& Links() const { return m_links; }

    // Shows an expand button: it has children, or may have when it is first expanded.
    bool CanExpand(int id) const;
    // Adds the item's children the first time it is expanded; true when it has any.
    bool Expand(int id);

private:
    int Add(int parent, std::string text, int icon, int link = -1);
    int AddLink(int map, int slot, int number);
    // Adds an event found by a chain: branching ones with their outcomes.
    void AddEvent(int parent, int map, int slot, bool withLocation);
    void Chain(int map, int set, int reset, int parent, bool direct, bool sameCell, bool firstOnly,
               const EventLink& caller);

    EventDescriber& m_describer;
    std::vector<ChainNode> m_nodes;
    std::vector<int> m_roots;
    std::vector<EventLink> m_links;
};
