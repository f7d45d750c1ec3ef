#pragma once
// Names of maps, event types and directions.

#include <string>

// Map event types.
namespace eventtype {
constexpr int kNone = 0;
constexpr int kTeleporter = 1;
constexpr int kMover = 2;
constexpr int kLoot = 3;
constexpr int kFight = 4;
constexpr int kIncident = 5;
constexpr int kItemEquip = 6;
constexpr int kPassability = 7;
constexpr int kHidden = 8;
constexpr int kNegativeEffect = 9;
constexpr int kWallChanger = 10;
constexpr int kEventManager = 11;
constexpr int kActionFork = 12;
constexpr int kTimeCheck = 13;
constexpr int kTheft = 14;
constexpr int kLadder = 15;
constexpr int kText = 16;
constexpr int kText2 = 17;
constexpr int kNoMonsters = 18;
constexpr int kItemUsage = 19;
constexpr int kPortcullis = 21;
constexpr int kSkillTest = 22;
constexpr int kCellDisplay = 23;
constexpr int kFountain = 25;
} // namespace eventtype

// The area a map covers; null for a number outside 0 to 31.
const char* GetMapAreaName(int map);

// "<Teleporter>" and the like; "<%i>" for a type without a name.
std::string EventTypeName(int type);

// 0 "NORTH", 1 "EAST", 2 "SOUTH", 3 "WEST"; any other value the empty text.
const char* DirectionName(int direction);

// Direction masks: 1 north, 2 east, 4 south, 8 west.
struct DirectionList {
    std::string text;
    bool plural = false; // more than one direction is named
};
// "ANY" for 0; otherwise the names joined by ", " and the last two by " and ".
DirectionList DirectionListText(int mask);
