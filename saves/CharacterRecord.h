#pragma once
// One saved character, 584 bytes, read in place; its item slots and attack blocks are views
// into the same bytes. Index arguments outside their ranges read as zero.

#include "gamedata/RecordView.h"

namespace character {
constexpr int kRealms = 6;
constexpr int kItemSlots = 20;
constexpr int kFirstListSlots = 10; // slots 0-9 carry the equipped and cursed marks
constexpr int kConditions = 9;
constexpr int kAttributes = 8;
constexpr int kRacedAttributes = 7; // attribute 7 has no race base or requirement
constexpr int kSkills = 34;
constexpr int kResistances = 13;
constexpr int kBodyParts = 5;
constexpr int kNpcs = 96;
constexpr int kSpells = 96;
} // namespace character

class ItemSlot : public RecordView<12> {
public:
    using RecordView::RecordView;
    uint16_t item() const { return m_bytes.U16(0); } // 0: empty
    uint8_t count() const { return m_bytes.U8(6); }
    uint8_t flags() const { return m_bytes.U8(7); }
    bool equipped() const { return flags() & 0x01; }
    bool cursed() const { return flags() & 0x02; }
    bool identified() const { return flags() & 0x80; }
};

class WeaponBlock : public RecordView<18> {
public:
    static constexpr int kSpecials = 8;
    static constexpr int kPoisonSpecial = 2;
    using RecordView::RecordView;
    int16_t damageBonus() const { return m_bytes.S16(0); }
    uint8_t damageDice() const { return m_bytes.U8(2); }
    uint8_t damageSides() const { return m_bytes.U8(3); }
    uint8_t specialChance(int k) const { return k >= 0 && k < kSpecials ? m_bytes.U8(4 + k) : 0; }
    uint8_t poisonStrength() const { return m_bytes.U8(12); }
    int8_t missModifier() const { return m_bytes.S8(14); }
    uint8_t attackModes() const { return m_bytes.U8(15); }
    int8_t initiativeModifier() const { return m_bytes.S8(16); }
};

class CharacterRecord : public RecordView<584> {
public:
    using RecordView::RecordView;

    std::string name() const { return Text(0, 12); }
    bool Empty() const { return m_bytes.U8(0) == 0; }
    uint32_t experience() const { return m_bytes.U32(12); }
    uint16_t hitPoints() const { return m_bytes.U16(24); }
    uint16_t maxHitPoints() const { return m_bytes.U16(26); }
    uint16_t stamina() const { return m_bytes.U16(28); }
    uint16_t maxStamina() const { return m_bytes.U16(30); }
    uint16_t carrying() const { return m_bytes.U16(32); } // tenths
    uint16_t maxCarrying() const { return m_bytes.U16(34); }
    uint8_t level() const { return m_bytes.U8(36); }
    uint8_t liveCount() const { return m_bytes.U8(38); }
    uint16_t spellPoints(int realm) const { return InRealms(realm) ? m_bytes.U16(40 + 4 * realm) : 0; }
    uint16_t maxSpellPoints(int realm) const { return InRealms(realm) ? m_bytes.U16(42 + 4 * realm) : 0; }
    ItemSlot itemSlot(int k) const { return ItemSlot(k >= 0 && k < character::kItemSlots ? At(64 + 12 * k) : nullptr); }
    WeaponBlock primaryAttack() const { return WeaponBlock(At(304)); }
    WeaponBlock secondaryAttack() const { return WeaponBlock(At(322)); }
    int8_t primarySlot() const { return m_bytes.S8(340); } // negative: none
    int8_t secondarySlot() const { return m_bytes.S8(341); }
    uint8_t spellRegen(int realm) const { return InRealms(realm) ? m_bytes.U8(352 + realm) : 0; }
    uint8_t condition(int c) const { return In(c, character::kConditions) ? m_bytes.U8(359 + c) : 0; }
    uint8_t attribute(int a) const { return In(a, character::kAttributes) ? m_bytes.U8(368 + a) : 0; }
    uint8_t skill(int s) const { return In(s, character::kSkills) ? m_bytes.U8(376 + s) : 0; }
    uint8_t resistanceBase(int e) const { return In(e, character::kResistances) ? m_bytes.U8(411 + e) : 0; }
    uint8_t resistanceFinal(int e) const { return In(e, character::kResistances) ? m_bytes.U8(425 + e) : 0; }
    int8_t armourBase() const { return m_bytes.S8(438); }
    int8_t armourShield() const { return m_bytes.S8(439); }
    int8_t armourMisc() const { return m_bytes.S8(440); }
    // Head, body, legs, hands, feet.
    int8_t armourOf(int part) const { return In(part, character::kBodyParts) ? m_bytes.S8(441 + part) : 0; }
    int8_t attitude(int npc) const { return In(npc, character::kNpcs) ? m_bytes.S8(446 + npc) : 0; }
    bool knowsSpell(int spell) const
    {
        return In(spell, character::kSpells) && (m_bytes.U8(542 + spell / 8) >> (spell % 8)) & 1;
    }
    uint8_t portrait() const { return m_bytes.U8(566); }
    uint8_t race() const { return m_bytes.U8(567); }
    uint8_t gender() const { return m_bytes.U8(568); }
    uint8_t profession() const { return m_bytes.U8(569); }
    uint8_t rank() const { return m_bytes.U8(570); }
    int8_t regenFirst() const { return m_bytes.S8(572); }
    int8_t regenSecond() const { return m_bytes.S8(573); }
    int regeneration() const { return regenFirst() - regenSecond(); }
    uint8_t loadState() const { return m_bytes.U8(575); }
    uint8_t swingDie() const { return m_bytes.U8(579); }
    uint8_t attacksPerRound() const { return m_bytes.U8(580); }
    int8_t baseInitiative() const { return m_bytes.S8(581); }
    int8_t baseMissChance() const { return m_bytes.S8(582); }
    uint8_t maxPreviousLevel() const { return m_bytes.U8(583); }

private:
    static bool In(int index, int count) { return index >= 0 && index < count; }
    static bool InRealms(int realm) { return In(realm, character::kRealms); }
    const uint8_t* At(size_t offset) const { return Valid() ? m_bytes.Data() + offset : nullptr; }
};
