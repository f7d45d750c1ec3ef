#pragma once
// Installations with maps for one test, and a store loaded from them.

#include "maps/MapData.h"
#include "maps/MapTileSet.h"
#include "tests/gamedata/GameDataFixture.h"

#include <algorithm>
#include <memory>

namespace maptest {

// A cell's wall codes, feature and flags, written into a level.
inline gamebuild::MapCellBuild& CellOf(gamebuild::MapLevel& level, int quadrant, int x, int y)
{
    return level.Cell(quadrant, x, y);
}

inline MapEvent Event(int type, int quadrant, int x, int y, int number = 0)
{
    MapEvent event;
    event.type = static_cast<uint8_t>(type);
    event.quadrant = static_cast<uint8_t>(quadrant);
    event.x = static_cast<uint8_t>(x);
    event.y = static_cast<uint8_t>(y);
    event.number = static_cast<uint8_t>(number);
    return event;
}

// A record of map number held in memory.
struct MemoryMap {
    MemoryMap(int number, const gamebuild::MapLevel& level) : bytes(gamebuild::MapRecordBytes(level)), map(bytes.data(), number) {}
    Record bytes;
    GameMap map;
};

// The small installation with the name lists and incidents the map texts use.
// The event with its parameters 0, 2, 4 and 11 set.
inline MapEvent With(MapEvent event, int param0, int param2, int param4, int param11)
{
    event.param0 = static_cast<uint16_t>(param0);
    event.param2 = static_cast<uint16_t>(param2);
    event.param4 = static_cast<uint16_t>(param4);
    event.param11 = static_cast<uint8_t>(param11);
    return event;
}

inline gamebuild::Installation MapInstallation(gamebuild::Edition edition = gamebuild::Edition::First)
{
    gamebuild::Installation installation = SmallInstallation(edition);
    std::vector<std::string> harms;
    for (int i = 0; i < 26; ++i)
        harms.push_back("Harm " + std::to_string(i));
    installation.messages[5250] = harms;
    std::vector<std::string> words(25, "WORD");
    for (const char* word : {"SLEEP", "PARALYZE", "POISON", "BLIND"})
        words.push_back(word);
    installation.messages[450] = words;
    installation.messages[2020] = {"Person", "Beast", "Plant", "Spirit", "Undead", "Monster"};
    installation.scenario.incidents.clear();
    for (int i = 0; i < 96; ++i)
        installation.scenario.incidents.push_back(gamebuild::IncidentRecordBytes("Shrine=Dawn " + std::to_string(i)));
    return installation;
}

struct LoadedMaps {
    TempFolder folder;
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

inline std::unique_ptr<LoadedMaps> Load(const gamebuild::Installation& installation)
{
    auto loaded = std::make_unique<LoadedMaps>();
    installation.Write(loaded->folder.Path()); // a failed write shows as a store that did not load
    loaded->platform.settings["w7path"] = loaded->folder.Path();
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    return loaded;
}

// Every tile a colour of its own (never black), so that a pixel tells which tile drew it.
inline Colour TileColour(int tile) { return Rgb(20 + 4 * tile, 250 - 3 * tile, 60 + tile); }

// The game's 35 tiles at 32 x 32, then the marks as BuildMapTileSet appends them.
inline MapTileSet TestTiles()
{
    MapTileSet set;
    for (int t = 0; t < tile::kGameTiles; ++t)
        set.tiles.emplace_back(32, 32, TileColour(t));
    // See-through walls: only their first and last four pixels are not black.
    for (int kind : {11, 12, 13, 14, 17, 18})
        set.tiles[static_cast<size_t>(kind)].FillRect(4, 0, 10, 32, 0);
    // Arrows: a dot in the middle on black.
    for (int t = tile::kArrowNorth; t < tile::kArrowNorth + 4; ++t) {
        set.tiles[static_cast<size_t>(t)].Fill(0);
        set.tiles[static_cast<size_t>(t)].SetPixel(7, 7, TileColour(t));
    }
    const int groups[] = {legend::kIllusionWalls, legend::kInvisibleWalls, legend::kLevers};
    for (int slot = 0; slot < legend::kSlots; ++slot) {
        if (slot == legend::kSecretButton)
            continue;
        set.legend[static_cast<size_t>(slot)] = static_cast<int>(set.tiles.size());
        const bool group = std::find(std::begin(groups), std::end(groups), slot) != std::end(groups);
        for (int i = 0; i < (group ? 4 : 1); ++i)
            set.tiles.emplace_back(14, 14, TileColour(static_cast<int>(set.tiles.size())));
    }
    // Wall marks: one pixel on black for each side, so that OR-ing them shows every side.
    for (int slot : {legend::kIllusionWalls, legend::kInvisibleWalls})
        for (int d = 0; d < 4; ++d) {
            Image& mark = set.tiles[static_cast<size_t>(set.legend[static_cast<size_t>(slot)] + d)];
            mark.Fill(0);
            mark.SetPixel(2 + 2 * d, 2, Rgb(1 << d, slot, 0));
        }
    set.legend[legend::kSecretButton] = static_cast<int>(set.tiles.size());
    set.tiles.emplace_back(4, 6, Rgb(255, 255, 1));
    return set;
}

} // namespace maptest
