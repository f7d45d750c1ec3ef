#include "saves/WorldState.h"
#include "gamedata/ByteReader.h"
#include "gamedata/GameFile.h"

#include <algorithm>

using namespace world;

std::vector<int> NpcState::HeldItems() const
{
    std::vector<int> items;
    for (int i = 0; i < 8; ++i)
        if (bytes[2] >> i & 1)
            items.push_back(400 + i);
    for (int i = 0; i < 3; ++i)
        if (bytes[3] >> i & 1)
            items.push_back(408 + i);
    return items;
}

bool WorldState::Load(const std::string& path)
{
    *this = WorldState();
    std::optional<std::vector<uint8_t>> bytes = ReadGameFile(path);
    if (!bytes)
        return false;
    const ByteReader file(*bytes);

    const size_t a = file.U16(kFillerCountOffset);
    const size_t b = file.U16(kItemCountOffset);
    const size_t w = kFillerSize * a + kItemSize * b;
    const ByteReader list = file.Sub(kItemsOffset + kFillerSize * a, kItemSize * b);
    for (size_t at = 0; list.Has(at, kItemSize); at += kItemSize)
        items.push_back({list.U8(at), list.U8(at + 1), list.U8(at + 2), list.U8(at + 3), list.U16(at + 4),
                         list.U8(at + 6), list.U8(at + 7)});

    if (file.Has(w + kPositionOffset, kPositionSize)) {
        const size_t at = w + kPositionOffset;
        position = PartyPosition{file.U16(at), file.U16(at + 6), file.U16(at + 8), file.U16(at + 10), file.U8(at + 12)};
    }
    if (file.Has(w + kAlliancesOffset, kAlliances)) {
        alliances.emplace();
        for (int i = 0; i < kAlliances; ++i)
            (*alliances)[i] = file.S8(w + kAlliancesOffset + i);
    }
    if (file.Has(kDeadBitsOffset, kDeadBitsSize)) {
        deadBits.emplace();
        for (size_t i = 0; i < kDeadBitsSize; ++i)
            (*deadBits)[i] = file.U8(kDeadBitsOffset + i);
    }
    if (file.Has(w + kAvailabilityOffset, 1))
        availabilityLevel = file.U8(w + kAvailabilityOffset) * kAvailabilityPerStep;
    const ByteReader rollBytes = file.Sub(w + kRollsOffset, kRolls);
    rolls.assign(rollBytes.Data(), rollBytes.Data() + rollBytes.Size());
    for (int slot = 0; slot < kNpcStates; ++slot) {
        const size_t at = w + kNpcStatesOffset + slot * kNpcStateSize;
        if (!file.Has(at, kNpcStateSize))
            break;
        NpcState& state = npcStates.emplace_back();
        std::copy_n(file.Data() + at, kNpcStateSize, state.bytes.begin());
    }
    return true;
}

bool WorldState::IsDead(int npcId) const
{
    if (!deadBits || npcId < 0 || npcId >= kNpcs)
        return false;
    return (*deadBits)[npcId / 8] >> (npcId % 8) & 1;
}

const NpcState* WorldState::StateOf(int slot) const
{
    return slot >= 0 && slot < static_cast<int>(npcStates.size()) ? &npcStates[slot] : nullptr;
}

const char* FacingName(int facing)
{
    static constexpr const char* kNames[kFacings] = {"NORTH", "EAST", "SOUTH", "WEST"};
    return facing >= 0 && facing < kFacings ? kNames[facing] : "";
}
