#include "gamedata/ScenarioFile.h"
#include "testing/GameBuilder.h"

#include <algorithm>

namespace gamebuild {

using namespace scenario;

namespace {
void PutTable(std::vector<uint8_t>& file, size_t offset, size_t size, const std::vector<Record>& records, int count)
{
    for (size_t i = 0; i < records.size() && i < static_cast<size_t>(count); ++i)
        std::copy_n(records[i].begin(), std::min(size, records[i].size()), file.begin() + offset + i * size);
}
} // namespace

std::vector<uint8_t> ScenarioFileBytes(const Scenario& scenario)
{
    std::vector<uint8_t> file(kFileSize, 0);
    PutTable(file, kItemOffset, kItemSize, scenario.items, kItemCount);
    PutTable(file, kMapOffset, kMapSize, {scenario.maps.begin(), scenario.maps.end()}, kMapCount);
    PutTable(file, kMonsterOffset, kMonsterSize, scenario.monsters, kMonsterCount);
    PutTable(file, kIncidentOffset, kIncidentSize, scenario.incidents, kIncidentCount);
    PutTable(file, kLootOffset, kLootSize, scenario.loot, kLootCount);

    // Map events are stored column by column: three 16-bit columns, then six byte columns.
    for (int map = 0; map < kMapCount; ++map) {
        Record table(kMapEventsSize, 0);
        ByteWriter out(table);
        const auto& events = scenario.events[map];
        for (size_t k = 0; k < events.size() && k < static_cast<size_t>(kEventsPerMap); ++k) {
            const MapEvent& e = events[k];
            out.U16(2 * k, e.param0).U16(480 + 2 * k, e.param2).U16(960 + 2 * k, e.param4);
            out.U8(1440 + k, e.type).U8(1680 + k, e.x).U8(1920 + k, e.y);
            out.U8(2160 + k, e.quadrant).U8(2400 + k, e.number).U8(2640 + k, e.param11);
        }
        std::copy(table.begin(), table.end(), file.begin() + kMapEventsOffset + map * kMapEventsSize);
    }
    return file;
}

const char* ScenarioFileName(Edition edition) { return edition == Edition::Gold ? "scenario.gld" : "scenario.dbs"; }

} // namespace gamebuild
