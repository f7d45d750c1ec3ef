#pragma once
// The world-state part of a save file, at fixed places. With A the u16 at 716 and B the u16 at
// 718 (the number of world items), W = 6A + 8B:
//   512          12 bytes   dead-NPC bits: bit n % 8 of byte n / 8 for NPC n (0 to 95)
//   844 + 6A     8B bytes   the world items
//   W + 9036     14 bytes   the party's position
//   W + 9076     1 byte     availability step (the level is 9 times it)
//   W + 9241     8 bytes    attitude of alliances 1 to 8 towards the party (s8)
//   W + 9842     20 x 38    NPC states, slot 0 first
//   W + 10720    100 bytes  stock rolls
// Only what the file holds is taken: a block the file cuts short stays empty, and of the world
// items, NPC states and rolls only those held whole.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace world {
constexpr size_t kDeadBitsOffset = 512;
constexpr size_t kDeadBitsSize = 12;
constexpr size_t kFillerCountOffset = 716;
constexpr size_t kItemCountOffset = 718;
constexpr size_t kItemsOffset = 844;
constexpr size_t kFillerSize = 6;
constexpr size_t kItemSize = 8;
constexpr size_t kPositionOffset = 9036;
constexpr size_t kPositionSize = 14;
constexpr size_t kAvailabilityOffset = 9076;
constexpr int kAvailabilityPerStep = 9;
constexpr size_t kAlliancesOffset = 9241;
constexpr int kAlliances = 8;
constexpr size_t kNpcStatesOffset = 9842;
constexpr size_t kNpcStateSize = 38;
constexpr int kNpcStates = 20;
constexpr size_t kRollsOffset = 10720;
constexpr int kRolls = 100;
constexpr int kNpcs = 96;
constexpr int kNoMap = 255;
constexpr int kFacings = 4;
} // namespace world

struct WorldItem {
    uint8_t map = 0; // 255: nowhere
    uint8_t flags = 0;
    uint8_t cell = 0; // x in the high four bits, y in the low four
    uint8_t quadrant = 0;
    uint16_t item = 0; // 0: none
    uint8_t count = 0;
    uint8_t icon = 0; // its marker on a drawn map, an image of the small item images

    int x() const { return cell >> 4; }
    int y() const { return cell & 0x0F; }
    bool identified() const { return flags & 0x80; }
    // Records without an item or a place are not shown.
    bool Listed() const { return item != 0 && map != world::kNoMap; }
};

struct PartyPosition {
    int map = 0;
    int x = 0;
    int y = 0;
    int quadrant = 0;
    int facing = 0; // 0 north, 1 east, 2 south, 3 west
};

struct NpcState {
    std::array<uint8_t, world::kNpcStateSize> bytes{};
    // Dead when the first life byte is 0 and the second is not.
    bool Dead() const { return bytes[0] == 0 && bytes[1] != 0; }
    // The special items held: bit i of byte 2 is item 400 + i, bit i (0 to 2) of byte 3 item 408 + i.
    std::vector<int> HeldItems() const;
};

class WorldState {
public:
    // Reads the file anew; false when it cannot be read, which leaves everything empty.
    bool Load(const std::string& path);

    std::vector<WorldItem> items; // file order, all records, listed or not
    std::optional<PartyPosition> position;
    std::optional<int> availabilityLevel;
    std::optional<std::array<int8_t, world::kAlliances>> alliances; // alliance 1 first
    std::vector<NpcState> npcStates;
    std::optional<std::array<uint8_t, world::kDeadBitsSize>> deadBits;
    std::vector<uint8_t> rolls;

    // The NPC's dead bit; false for numbers outside 0 to 95 or when the file has no bits.
    bool IsDead(int npcId) const;
    // The state of a slot the file holds; null for any other slot.
    const NpcState* StateOf(int slot) const;
};

// "NORTH", "EAST", "SOUTH", "WEST"; empty for any other value.
const char* FacingName(int facing);
