// Decoding the scenario database's tables.

#include "gamedata/ScenarioFile.h"

namespace scenario {

// One map's events, column by column: three 16-bit columns, then six byte columns.
std::vector<MapEvent> DecodeMapEvents(const ByteReader& table)
{
    constexpr size_t kWordColumn = 2 * kEventsPerMap;
    constexpr size_t kByteColumns = 3 * kWordColumn;
    std::vector<MapEvent> events(kEventsPerMap);
    for (size_t k = 0; k < events.size(); ++k) {
        MapEvent& event = events[k];
        event.param0 = table.U16(0 * kWordColumn + 2 * k);
        event.param2 = table.U16(1 * kWordColumn + 2 * k);
        event.param4 = table.U16(2 * kWordColumn + 2 * k);
        event.type = table.U8(kByteColumns + 0 * kEventsPerMap + k);
        event.x = table.U8(kByteColumns + 1 * kEventsPerMap + k);
        event.y = table.U8(kByteColumns + 2 * kEventsPerMap + k);
        event.quadrant = table.U8(kByteColumns + 3 * kEventsPerMap + k);
        event.number = table.U8(kByteColumns + 4 * kEventsPerMap + k);
        event.param11 = table.U8(kByteColumns + 5 * kEventsPerMap + k);
    }
    return events;
}

} // namespace scenario
