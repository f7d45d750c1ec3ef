#pragma once
// Structured input of the game builder for guild files and save files.

#include "testing/ByteWriter.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gamebuild {

enum class Edition;

struct SaveItem {
    uint16_t item = 0; // 0: empty slot
    uint8_t count = 0;
    uint8_t flags = 0; // 1 equipped, 2 cursed, 0x80 identified
};

struct SaveWeapon {
    int16_t damageBonus = 0;
    uint8_t dice = 0;
    uint8_t sides = 0;
    std::array<uint8_t, 8> specials{}; // chance of special attack k
    uint8_t poison = 0;
    int8_t missModifier = 0;
    uint8_t modes = 0;
    int8_t initiativeModifier = 0;
};

// Every field of a character record.
struct SaveCharacter {
    std::string name; // at most 11 characters are stored
    uint32_t experience = 0;
    uint16_t hitPoints = 0, maxHitPoints = 0;
    uint16_t stamina = 0, maxStamina = 0;
    uint16_t carrying = 0, maxCarrying = 0; // tenths
    uint8_t level = 1;
    uint8_t liveCount = 0;
    std::array<uint16_t, 6> spellPoints{}, maxSpellPoints{};
    std::array<SaveItem, 20> items{};
    SaveWeapon primary, secondary;
    int8_t primarySlot = -1, secondarySlot = -1;
    std::array<uint8_t, 6> spellRegen{};
    std::array<uint8_t, 9> conditions{};
    std::array<uint8_t, 8> attributes{};
    std::array<uint8_t, 34> skills{};
    std::array<uint8_t, 13> resistanceBase{}, resistanceFinal{};
    int8_t armourBase = 10, armourShield = 0, armourMisc = 0;
    std::array<int8_t, 5> armourParts{10, 10, 10, 10, 10}; // head, body, legs, hands, feet
    std::array<int8_t, 96> attitudes{};
    std::vector<int> spellsKnown;
    uint8_t portrait = 0, race = 0, gender = 0, profession = 0, rank = 0;
    int8_t regenFirst = 0, regenSecond = 0;
    uint8_t loadState = 0;
    uint8_t swingDie = 1, attacksPerRound = 1;
    int8_t baseInitiative = 0, baseMissChance = 0;
    uint8_t maxPreviousLevel = 0;
};

Record CharacterRecordBytes(const SaveCharacter& character);

// A guild file: sixteen slots, each empty or holding a character, and the slots marked deleted.
struct GuildFile {
    std::array<std::optional<SaveCharacter>, 16> slots;
    std::array<bool, 16> deleted{};
};
std::vector<uint8_t> GuildFileBytes(const GuildFile& guild);
const char* GuildFileName(Edition edition); // "pcfile.dbs" or "pcfile.gld"

struct SaveWorldItem {
    uint8_t map = 0; // 255: nowhere
    uint8_t flags = 0x80;
    uint8_t x = 0, y = 0, quadrant = 0;
    uint16_t item = 0;
    uint8_t count = 0;
    uint8_t icon = 0;
};

struct SaveNpcState {
    uint8_t life0 = 1, life1 = 0; // dead: 0 and not 0
    uint8_t held = 0;             // bit i: item 400 + i
    uint8_t moreHeld = 0;         // bit i: item 408 + i
};

struct SaveWorld {
    uint16_t filler = 0; // the count A of six-byte records ahead of the world items
    std::vector<SaveWorldItem> items;
    uint16_t map = 0, x = 0, y = 0, quadrant = 0;
    uint8_t facing = 0;
    uint8_t availabilityStep = 0;
    std::array<int8_t, 8> alliances{};
    std::array<SaveNpcState, 20> npcs{};
    std::vector<int> deadNpcs;  // NPC ids 0 to 95
    std::vector<uint8_t> rolls; // at most 100
};
// The first offset after the world part.
size_t WorldPartEnd(const SaveWorld& world);

// A save file: bytes from offset 0 on, the world part at its fixed places, then the party
// marker and the party. With length the file is cut (or padded with zeros) to that size.
struct SaveFile {
    std::vector<uint8_t> prefix;
    std::optional<SaveWorld> world;
    std::optional<size_t> markerOffset; // default: after the prefix and the world part
    bool marker = true;
    std::array<std::optional<SaveCharacter>, 6> party;
    std::optional<size_t> length;
};
std::vector<uint8_t> SaveFileBytes(const SaveFile& save);

} // namespace gamebuild
