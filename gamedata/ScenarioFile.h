#pragma once
// Layout of the scenario database ("scenario.dbs", Gold "scenario.gld"): six tables at fixed offsets.

#include "gamedata/ByteReader.h"
#include "gamedata/MapEvent.h"

#include <cstddef>
#include <vector>

namespace scenario {
constexpr size_t kItemOffset = 896;
constexpr size_t kItemSize = 72;
constexpr int kItemCount = 571;

constexpr size_t kMapOffset = 44064;
constexpr size_t kMapSize = 2768;
constexpr int kMapCount = 32;

constexpr size_t kMapEventsOffset = 132672;
constexpr size_t kMapEventsSize = 2896; // nine columns of 240 values, then 16 bytes not read
constexpr int kEventsPerMap = 240;

constexpr size_t kMonsterOffset = 225344;
constexpr size_t kMonsterSize = 232;
constexpr int kMonsterCount = 250;

constexpr size_t kIncidentOffset = 283344;
constexpr size_t kIncidentSize = 148;
constexpr int kIncidentCount = 96;

constexpr size_t kLootOffset = 323152;
constexpr size_t kLootSize = 54;
constexpr int kLootCount = 200;

// One map's events, column by column: three 16-bit columns, then six byte columns.
std::vector<MapEvent> DecodeMapEvents(const ByteReader& table);

// The whole file as the game stores it: the loot table is the last table read.
constexpr size_t kFileSize = kLootOffset + kLootSize * kLootCount;
} // namespace scenario
