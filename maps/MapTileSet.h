#pragma once
// The tiles maps are drawn with: the game's map tiles, the program's own marks appended, and
// a legend that says where each mark lies.

#include "gamedata/Image.h"

#include <array>
#include <vector>

class CGameData;

// Fixed tile numbers of the game's map tiles.
namespace tile {
constexpr int kFirstFloor = 0;     // 0 to 5 floors, 5 to 8 enclosed cells
constexpr int kFirstWall = 9;      // wall kind k: tile k horizontal, k + 1 vertical
constexpr int kStairs = 25;
constexpr int kStairs2 = 26;
constexpr int kPit2 = 27;
constexpr int kLadder2 = 28;
constexpr int kPit = 29;
constexpr int kLadder = 30;
constexpr int kArrowNorth = 31;    // then east, south, west
constexpr int kGameTiles = 35;
} // namespace tile

// Slots of the legend; a group slot is the first of four tiles: north, east, south, west.
namespace legend {
constexpr int kChest = 0;
constexpr int kTeleporter = 1;
constexpr int kFight = 2;
constexpr int kText = 3;
constexpr int kFountain = 4;
constexpr int kLoot = 5;
constexpr int kSecretButton = 6;
constexpr int kIllusionWalls = 7;
constexpr int kInvisibleWalls = 8;
constexpr int kItemUsage = 9;
constexpr int kLevers = 10;
constexpr int kMover = 11;
constexpr int kIncident = 12;
constexpr int kLockedDoor = 13;
constexpr int kHiddenThing = 14;
constexpr int kEventManager = 15;
constexpr int kActionFork = 16;
constexpr int kNoMonsters = 17;
constexpr int kSlots = 18;
} // namespace legend

// The program's bitmaps of map marks, 14 x 14.
namespace mapart {
constexpr int kChest = 144;
constexpr int kFirstMark = 216; // 216 to 238, then 240 and 241
constexpr int kTreeIcons = 239; // 42 icons of 16 x 16 for event trees
constexpr int kTreeIconSize = 16;
constexpr int kTreeIconCount = 42;
constexpr int kGoldLeverEast = 242;
constexpr int kGoldLeverSouth = 243;
constexpr int kMarkSize = 14;
} // namespace mapart

struct MapTileSet {
    std::vector<Image> tiles;
    std::array<int, legend::kSlots> legend{};

    // The tile of a legend slot (plus an offset within a group); null when it is not there.
    const Image* Tile(int number) const;
    const Image* Legend(int slot, int offset = 0) const;
    bool Empty() const { return tiles.empty(); }
};

// The game's MON14.PIC at the scale (both windows use 2), the program's marks, then frame 6 of
// MON16.PIC. Tiles that cannot be read are empty images, so that the numbers stay in place; the
// result is false when the game's tiles could not be read at all.
bool BuildMapTileSet(CGameData& game, int sizeMode, MapTileSet& tiles);
