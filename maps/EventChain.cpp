#include "maps/EventChain.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "maps/MapNames.h"

using namespace eventtype;

int EventIcon(EventDescriber& describer, int map, const MapEvent& event)
{
    switch (event.type) {
    case kTeleporter:
    case kLadder: return 13;
    case kMover: return 12;
    case kLoot: return 9;
    case kFight: return 4;
    case kIncident: return 21;
    case kItemEquip: return 30;
    case kPassability:
        switch (describer.PassabilityOf(map, event).kind) {
        case PassabilityKind::None: return 16;
        case PassabilityKind::SecretButton: return 23;
        case PassabilityKind::OpenableDoor:
        case PassabilityKind::LockedDoor: return 10;
        case PassabilityKind::InvisibleWall: return 3;
        case PassabilityKind::IllusionWall: return 2;
        }
        return 16;
    case kHidden:
        switch (describer.HiddenThingOf(map, event).kind) {
        case HiddenKind::Lever: return 11;
        case HiddenKind::SecretButton: return 23;
        case HiddenKind::Something: break;
        }
        return 20;
    case kNegativeEffect: return 22;
    case kWallChanger: return 24;
    case kEventManager: {
        const int action = event.param4 >> 13;
        return action == 2 || action == 6 ? 7 : action == 3 ? 8 : 6;
    }
    case kActionFork: return 26;
    case kTimeCheck: return 36;
    case kTheft: return 39;
    case kText: return 14;
    case kItemUsage: return 15;
    case kPortcullis: return 18;
    case kSkillTest: return 33;
    case kCellDisplay: return 25;
    case kFountain: return 5;
    }
    return 19;
}

EventChainTree::EventChainTree(EventDescriber& describer) : m_describer(describer)
{
    const MapCell cell = describer.Cell();
    std::span<const MapEvent> events = describer.Map(cell.map).Events();
    for (size_t i = 0; i < events.size(); ++i) {
        const MapEvent& event = events[i];
        const int slot = static_cast<int>(i);
        if (event.type == 0 || !IsOnCell(event, cell.quadrant, cell.x, cell.y))
            continue;
        if (event.type == kItemUsage || event.type == kHidden || event.type == kEventManager) {
            m_roots.push_back(Add(-1, describer.DescribeEvent(cell.map, slot, false), EventIcon(describer, cell.map, event),
                                  AddLink(cell.map, slot, 0)));
        } else if (IsBranchingType(event.type)) {
            m_roots.push_back(static_cast<int>(m_nodes.size()));
            AddEvent(-1, cell.map, slot, false);
        }
    }
}

int EventChainTree::Add(int parent, std::string text, int icon, int link)
{
    const int id = static_cast<int>(m_nodes.size());
    ChainNode node;
    node.text = std::move(text);
    node.icon = icon;
    node.parent = parent;
    node.link = link;
    m_nodes.push_back(std::move(node));
    if (parent >= 0)
        m_nodes[static_cast<size_t>(parent)].children.push_back(id);
    return id;
}

int EventChainTree::AddLink(int map, int slot, int number)
{
    m_links.push_back({map, slot, number});
    return static_cast<int>(m_links.size()) - 1;
}

void EventChainTree::AddEvent(int parent, int map, int slot, bool withLocation)
{
    const MapEvent& event = m_describer.Event(map, slot);
    if (IsBranchingType(event.type)) {
        const EventOutcomes outcomes = m_describer.DescribeEventOutcomes(map, slot, false);
        const int title = Add(parent, outcomes.title, EventIcon(m_describer, map, event));
        m_nodes[static_cast<size_t>(title)].filled = true;
        for (const OutcomeLine& line : outcomes.lines)
            Add(title, line.text, line.icon, line.number ? AddLink(map, slot, line.number) : -1);
        return;
    }
    const bool chains = event.type == kItemUsage || event.type == kHidden || event.type == kEventManager;
    Add(parent, m_describer.DescribeEvent(map, slot, withLocation), EventIcon(m_describer, map, event),
        chains ? AddLink(map, slot, 0) : -1);
}

bool EventChainTree::CanExpand(int id) const
{
    const ChainNode& node = Node(id);
    return !node.children.empty() || (node.link >= 0 && !node.filled);
}

bool EventChainTree::Expand(int id)
{
    if (id < 0 || id >= Count())
        return false;
    if (m_nodes[static_cast<size_t>(id)].link < 0 || m_nodes[static_cast<size_t>(id)].filled)
        return !Node(id).children.empty();
    m_nodes[static_cast<size_t>(id)].filled = true;
    // Copies: the lists grow while the chain is followed.
    const EventLink link = m_links[static_cast<size_t>(Node(id).link)];
    const MapEvent event = m_describer.Event(link.map, link.slot);
    if (link.number) {
        // An outcome line: its number on the event's own map; action-fork lines on its cell only.
        const bool fork = event.type == kActionFork;
        Chain(link.map, link.number, 0, id, true, fork, false, link);
    } else if (event.type == kItemUsage) {
        Chain(link.map, event.param4 & 0xFF, event.param4 >> 8, id, false, false, false, link);
    } else if (event.type == kHidden) {
        Chain(link.map, event.param2 ? event.param2 : event.param4 & 0xFF, 0, id, false, false, false, link);
        if (event.param2)
            Chain(link.map, event.param4 & 0xFF, 0, id, false, true, true, link);
    } else if (event.type == kEventManager) {
        const int number = event.param4 & 0xFF, target = (event.param4 >> 8) & 31;
        if (event.param4 >> 13 == 3)
            Chain(target, 0, number, id, true, false, false, link);
        else
            Chain(target, number, 0, id, true, false, false, link);
    }
    return !Node(id).children.empty();
}

void EventChainTree::Chain(int map, int set, int reset, int parent, bool direct, bool sameCell, bool firstOnly,
                           const EventLink& caller)
{
    if (sameCell && map != caller.map)
        return;
    const int shown = m_describer.Cell().map;
    int setParent = parent, resetParent = parent;
    if (!direct) {
        if (set)
            setParent = Add(parent,
                            map == shown ? FormatV(ResourceString(strings::kSetsEventInMap), set) : FormatV(ResourceString(strings::kSetsEventAtMap), set, map),
                            chainicon::kSets);
        if (reset)
            resetParent = Add(parent,
                              map == shown ? FormatV(ResourceString(strings::kResetsEventInMap), reset) : FormatV(ResourceString(strings::kResetsEventAtMap), reset, map),
                              chainicon::kResets);
    }
    const MapEvent& from = m_describer.Event(caller.map, caller.slot);
    std::span<const MapEvent> events = m_describer.Map(map).Events();
    for (size_t i = firstOnly ? static_cast<size_t>(std::max(caller.slot, 0)) : 0; i < events.size(); ++i) {
        const MapEvent& event = events[i];
        if (event.type == 0 || (sameCell && !IsOnCell(event, from.quadrant, from.x, from.y)))
            continue;
        int under = -1;
        if (set && event.number == set)
            under = setParent;
        else if (reset && event.number == reset)
            under = resetParent;
        if (under < 0)
            continue;
        AddEvent(under, map, static_cast<int>(i), true);
        if (firstOnly)
            break;
    }
}
