// The one-line descriptions, the outcomes of branching events, and the texts that name places.

#include "maps/EventDescriber.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemName.h"
#include "items/ItemRecord.h"
#include "items/MonsterRecord.h"
#include "maps/IncidentRecord.h"
#include "maps/MapNames.h"

using namespace eventtype;

namespace {

std::string Text(int id) { return ResourceString(id); }

const MapEvent kEmptyEvent{};

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The event number of option i (from 1) of an action fork: two decimal digits of line 0;
// 0 when the line is too short for them or they are not digits.
int OptionNumber(const std::string& digits, int option)
{
    const size_t at = 2 * static_cast<size_t>(option - 1);
    if (at + 1 >= digits.size())
        return 0;
    const char tens = digits[at], ones = digits[at + 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return 0;
    return 10 * (tens - '0') + (ones - '0');
}

} // namespace

bool IsBranchingType(int type)
{
    return type == kActionFork || type == kSkillTest || type == kItemEquip || type == kTimeCheck || type == kTheft;
}

std::string EventNumberPrefix(const MapEvent& event)
{
    return event.number ? FormatV(ResourceString(strings::kEventNumberPrefix), event.number) : std::string();
}

EventDescriber::EventDescriber(CGameData& game, MapCell cell) : m_game(game), m_cell(cell) {}

const MapData& EventDescriber::Map(int map)
{
    auto found = m_maps.find(map);
    if (found == m_maps.end()) {
        std::optional<MapData> loaded = MapData::Load(m_game, map);
        found = m_maps.emplace(map, loaded ? std::move(*loaded) : MapData(map)).first;
    }
    return found->second;
}

const MapEvent& EventDescriber::Event(int map, int slot)
{
    std::span<const MapEvent> events = Map(map).Events();
    return slot >= 0 && static_cast<size_t>(slot) < events.size() ? events[static_cast<size_t>(slot)] : kEmptyEvent;
}

std::string EventDescriber::ItemName(int item) const { return ExpandItemName(ItemRecord(m_game.GetItem(item)).name()); }

std::string EventDescriber::MonsterName(int monster) const
{
    return ExpandItemName(MonsterRecord(m_game.GetMonster(monster)).name());
}

std::string EventDescriber::IncidentName(int incident) const
{
    return ExpandItemName(IncidentRecord(m_game.GetIncident(incident)).name());
}

std::vector<std::string> EventDescriber::MessageLines(int message) const
{
    std::vector<std::string> lines;
    m_game.LoadNameList(lines, message, false, false);
    return lines;
}

std::string EventDescriber::EventLocationText(int map, int slot)
{
    const MapEvent& event = Event(map, slot);
    if (map == m_cell.map && IsOnCell(event, m_cell.quadrant, m_cell.x, m_cell.y))
        return Text(strings::kAtThisCell);
    return FormatV(ResourceString(strings::kAtQuadrant), event.quadrant, event.x, event.y);
}

std::string EventDescriber::TransferText(const MapEvent& event) const
{
    const CellRef to = UnpackCellRef(event.param4);
    if (event.param11 == m_cell.map)
        return FormatV(ResourceString(strings::kTransferInMap), "\r\n", to.quadrant, to.x, to.y);
    const char* area = GetMapAreaName(event.param11);
    return FormatV(ResourceString(strings::kTransferToMap), event.param11, area ? area : "", "\r\n", to.quadrant, to.x, to.y);
}

std::string EventDescriber::DescribeEvent(int map, int slot, bool withLocation)
{
    const MapEvent& event = Event(map, slot);
    std::string text;
    bool locate = withLocation;
    switch (event.type) {
    case kTeleporter: {
        const CellRef to = UnpackCellRef(event.param4);
        text = event.param11 == map ? FormatV(ResourceString(strings::kTeleporterInMap), to.quadrant, to.x, to.y)
                                    : FormatV(ResourceString(strings::kTeleporterToMap), event.param11, to.quadrant, to.x, to.y);
        break;
    }
    case kMover: {
        const std::string directions = DirectionListText((event.param4 >> 8) & 15).text;
        text = event.param11 ? FormatV(ResourceString(strings::kMovesFor), directions.c_str(), event.param4 & 0xFF)
                             : FormatV(ResourceString(strings::kTurns), directions.c_str());
        break;
    }
    case kFight:
        text = event.param4 & 1 ? FormatV(ResourceString(strings::kFightRandomMonster), event.param11)
                                : FormatV(ResourceString(strings::kFightWithMonster), MonsterName(event.param11).c_str(), event.param11);
        break;
    case kIncident:
        text = FormatV(ResourceString(strings::kIncident), IncidentName(event.param11).c_str(), event.param11);
        break;
    case kPassability:
        text = PassabilityText(PassabilityOf(map, event), event);
        break;
    case kHidden:
        text = HiddenThingText(map, event);
        break;
    case kNegativeEffect:
        text = NegativeEffectText(event);
        break;
    case kEventManager:
        text = EventManagerText(map, event);
        break;
    case kItemUsage:
        text = FormatV(ResourceString(strings::kUseOfItem), ItemName(event.param0).c_str(), event.param0);
        break;
    case kFountain: {
        const FountainText fountain = FountainTexts(event);
        text = FormatV(ResourceString(strings::kFountain), fountain.good.c_str(), fountain.bad.c_str(), fountain.power);
        break;
    }
    case kWallChanger:
    case kCellDisplay: {
        // These name their own cell and always carry the number.
        const std::string change = event.type == kWallChanger ? WallChangerText(map, event) : CellDisplayText(event);
        return change.empty() ? change : FormatV(ResourceString(strings::kEventChange), event.number, change.c_str());
    }
    case kPortcullis: {
        const CellRef at = UnpackCellRef(event.param4);
        const bool here = map == m_cell.map && at == CellRef{m_cell.quadrant, m_cell.x, m_cell.y};
        const std::string where = here ? Text(strings::kAtThisCell) : FormatV(ResourceString(strings::kAtQuadrant), at.quadrant, at.x, at.y);
        text = FormatV(ResourceString(strings::kPortcullis), ResourceString(event.param11 ? strings::kOpens : strings::kCloses), DirectionName(event.param2 & 0xFF),
                       where.c_str());
        locate = false;
        break;
    }
    default:
        text = EventTypeName(event.type);
        break;
    }
    text = EventNumberPrefix(event) + text;
    if (locate) {
        text += ' ';
        text += EventLocationText(map, slot);
    }
    return text;
}

EventOutcomes EventDescriber::ActionForkOutcomes(const MapEvent& event) const
{
    const std::vector<std::string> lines = MessageLines(event.param0);
    const std::string first = lines.empty() ? std::string() : lines[0];
    EventOutcomes outcomes;
    if (!(event.param4 & 0x2000)) {
        outcomes.title = FormatV(ResourceString(strings::kCodeInputRequired), first.c_str());
        outcomes.lines.push_back({FormatV(ResourceString(strings::kCorrectCodeSetsEvent), event.param2 & 0xFF), event.param2 & 0xFF, 28});
        outcomes.lines.push_back({FormatV(ResourceString(strings::kIncorrectCodeSetsEvent), event.param2 >> 8), event.param2 >> 8, 29});
        return outcomes;
    }
    outcomes.title = Text(strings::kActionFork);
    const int options = event.param4 & 15;
    // Only the options the message has lines for.
    for (int i = 1; i <= options && static_cast<size_t>(i) < lines.size(); ++i) {
        const std::string option = Trim(lines[static_cast<size_t>(i)]);
        const int number = OptionNumber(first, i);
        outcomes.lines.push_back({number ? FormatV(ResourceString(strings::kAnswerSetsEvent), option.c_str(), number)
                                         : FormatV(ResourceString(strings::kAnswerDoesNothing), option.c_str()),
                                  number, 27});
    }
    return outcomes;
}

EventOutcomes EventDescriber::DescribeEventOutcomes(int map, int slot, bool withLocation)
{
    const MapEvent& event = Event(map, slot);
    EventOutcomes outcomes;
    auto add = [&](int id, int number, int icon) {
        if (number)
            outcomes.lines.push_back({FormatV(ResourceString(id), number), number, icon});
    };
    switch (event.type) {
    case kSkillTest:
        outcomes.title = Text(strings::kTestingSomething);
        add(strings::kSuccessSetsEvent, event.param0, 34);
        add(strings::kFailureSetsEvent, event.param2, 35);
        break;
    case kItemEquip:
        outcomes.title = FormatV(ResourceString(strings::kItemToEquip), ItemName(event.param0).c_str());
        add(strings::kEquippedSetsEvent, event.param2, 31);
        add(strings::kNotEquippedSetsEvent, event.param11, 32);
        break;
    case kTimeCheck:
        outcomes.title = Text(strings::kTimeCheck);
        add(strings::kCheckSucceededSetsEvent, event.param0, 37);
        add(strings::kCheckFailedSetsEvent, event.param2, 38);
        break;
    case kTheft:
        outcomes.title = Text(strings::kNpcTheft);
        add(strings::kTheftSetsEvent, event.param2, 40);
        add(strings::kNoTheftSetsEvent, event.param0, 41);
        break;
    case kActionFork:
        outcomes = ActionForkOutcomes(event);
        break;
    default:
        return outcomes;
    }
    outcomes.title = EventNumberPrefix(event) + outcomes.title;
    if (withLocation) {
        outcomes.title += ' ';
        outcomes.title += EventLocationText(map, slot);
    }
    return outcomes;
}
