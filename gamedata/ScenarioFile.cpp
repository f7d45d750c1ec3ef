// CGameData's reading of the scenario database and the lookups on its tables.

#include "gamedata/CGameData.h"
#include "gamedata/ByteReader.h"
#include "gamedata/GameFile.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/ScenarioFile.h"

using namespace scenario;

namespace {

// Reads whole records of the given size, up to count, at offset; nullopt when the seek fails.
std::optional<int> ReadRecords(GameFile& file, size_t offset, size_t size, int count, std::vector<uint8_t>& into)
{
    auto bytes = file.ReadAt(offset, size * count);
    if (!bytes)
        return std::nullopt;
    into.assign(size * count, 0);
    int whole = static_cast<int>(bytes->size() / size);
    std::copy(bytes->begin(), bytes->begin() + whole * size, into.begin());
    return whole;
}

// Reads up to size bytes into a zero-filled table; what the file does not hold stays zero.
std::vector<uint8_t> ReadZeroFilled(GameFile& file, size_t offset, size_t size)
{
    std::vector<uint8_t> table(size, 0);
    if (auto bytes = file.ReadAt(offset, size))
        std::copy(bytes->begin(), bytes->end(), table.begin());
    return table;
}

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

const uint8_t* RecordAt(const std::vector<uint8_t>& table, size_t size, int number, int count)
{
    if (number < 0 || number >= count || table.size() < (number + 1) * size)
        return nullptr;
    return table.data() + number * size;
}

} // namespace

std::string CGameData::ScenarioPath() const
{
    return GamePath(m_installPath, m_isGold ? "\\scenario.gld" : "\\scenario.dbs");
}

bool CGameData::LoadScenario()
{
    m_isGold = false;
    std::optional<GameFile> file;
    file.emplace(ScenarioPath());
    if (!file->IsOpen()) {
        m_isGold = true;
        file.emplace(ScenarioPath());
        if (!file->IsOpen())
            return ShowLoadError(strings::kErrorMainInformation, ScenarioPath());
    }

    auto items = ReadRecords(*file, kItemOffset, kItemSize, kItemCount, m_items);
    if (!items)
        return false;
    m_itemCount = *items;
    auto monsters = ReadRecords(*file, kMonsterOffset, kMonsterSize, kMonsterCount, m_monsters);
    if (!monsters)
        return false;
    m_monsterCount = *monsters;

    m_lootTable = ReadZeroFilled(*file, kLootOffset, kLootSize * kLootCount);
    // A table the file holds only in part reads as far as it goes; the rest stays zero.
    std::vector<uint8_t> events = ReadZeroFilled(*file, kMapEventsOffset, kMapEventsSize * kMapCount);
    for (int map = 0; map < kMapCount; ++map)
        m_mapEvents[map] = DecodeMapEvents(ByteReader(events.data() + map * kMapEventsSize, kMapEventsSize));
    m_incidents = ReadZeroFilled(*file, kIncidentOffset, kIncidentSize * kIncidentCount);
    return true;
}

const uint8_t* CGameData::GetItem(int number) const { return RecordAt(m_items, kItemSize, number, m_itemCount); }

const uint8_t* CGameData::GetMonster(int number) const
{
    return RecordAt(m_monsters, kMonsterSize, number, m_monsterCount);
}

const uint8_t* CGameData::GetIncident(int number) const
{
    return RecordAt(m_incidents, kIncidentSize, number, kIncidentCount);
}

const uint8_t* CGameData::GetLootRecord(int number) const
{
    return RecordAt(m_lootTable, kLootSize, number, kLootCount);
}

const MapEvent* CGameData::GetMapEvents(int map, int& count) const
{
    if (map < 0 || map >= kMapCount || m_mapEvents[map].empty()) {
        count = 0;
        return nullptr;
    }
    count = static_cast<int>(m_mapEvents[map].size());
    return m_mapEvents[map].data();
}

const uint8_t* CGameData::GetMap(int map)
{
    if (map == m_cachedMapIndex && !m_cachedMap.empty())
        return m_cachedMap.data();
    m_cachedMap.clear();
    m_cachedMapIndex = -1;
    if (map < 0 || map >= kMapCount)
        return nullptr;

    std::string path = ScenarioPath();
    GameFile file(path);
    if (!file.IsOpen()) {
        ShowLoadError(strings::kErrorMainInformation, path);
        return nullptr;
    }
    auto record = file.ReadAt(kMapOffset + kMapSize * map, kMapSize);
    if (!record)
        return nullptr;
    // A record the file holds only in part reads as far as it goes; the rest is zero.
    record->resize(kMapSize, 0);
    m_cachedMap = std::move(*record);
    m_cachedMapIndex = map;
    return m_cachedMap.data();
}
