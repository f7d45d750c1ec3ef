#pragma once
// The monster record's bytes that tie an NPC to the saved world, read through the record view.

#include "items/MonsterRecord.h"

namespace npc {
constexpr size_t kIdOffset = 224;        // 0: not an NPC; else the NPC's number in attitudes and dead bits
constexpr size_t kStateSlotOffset = 228; // its NpcState slot in a save file; 255: none
constexpr size_t kAllianceOffset = 229;  // 1 to 8; 255: none
constexpr int kNoStateSlot = 255;
constexpr int kNoAllianceIcon = 8; // the ninth alliance icon

inline int IdOf(const MonsterRecord& monster) { return monster.Bytes().U8(kIdOffset); }
inline int StateSlotOf(const MonsterRecord& monster) { return monster.Bytes().U8(kStateSlotOffset); }
inline int AllianceOf(const MonsterRecord& monster) { return monster.Bytes().U8(kAllianceOffset); }
} // namespace npc
