// CGameData's records: the scenario database's tables read at start-up, one map record at a
// time on demand, and the spell table of the game's executable.

#include "gamedata/CGameData.h"
#include "gamedata/ByteReader.h"
#include "gamedata/GameFile.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/ScenarioFile.h"
#include "gamedata/SpellTable.h"

#include <algorithm>

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
        m_mapEvents[map] = scenario::DecodeMapEvents(ByteReader(events.data() + map * kMapEventsSize, kMapEventsSize));
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

bool CGameData::LoadSpellTable()
{
    m_spells.clear();
    const std::string name = std::string("\\") + (m_isGold ? spells::kGoldExecutable : spells::kFirstExecutable);
    GameFile file(GamePath(m_installPath, name));
    auto bytes = file.ReadAt(m_isGold ? spells::kGoldOffset : spells::kFirstOffset, spells::kTableSize);
    // An executable that ends before the table is not the game's: no figures rather than zeros.
    if (!bytes || bytes->empty())
        return false;
    // One that ends inside it gives what it holds; the rest of the table stays zero.
    m_spells.assign(spells::kTableSize, 0);
    std::copy(bytes->begin(), bytes->end(), m_spells.begin());
    return true;
}

const uint8_t* CGameData::GetSpell(int number) const
{
    if (number < 0 || number >= spells::kCount || m_spells.size() < spells::kTableSize)
        return nullptr;
    return m_spells.data() + number * spells::kRecordSize;
}

int CGameData::SpellCount() const
{
    return m_spells.size() < spells::kTableSize ? 0 : spells::kCount;
}
