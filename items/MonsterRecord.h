#pragma once
// One monster of the scenario database, 232 bytes, read in place. Its number is its index.

#include "gamedata/RecordView.h"

// One of a monster's three attack blocks, 18 bytes.
class MonsterAttack : public RecordView<18> {
public:
    using RecordView::RecordView;
    explicit MonsterAttack(const ByteReader& bytes) : RecordView(bytes.Size() == kSize ? bytes.Data() : nullptr) {}

    static constexpr size_t kDamageBonus = 0, kDamageCount = 2, kDamageSides = 3;
    static constexpr size_t kEffects = 4;

    int16_t damageBonus() const { return m_bytes.S16(kDamageBonus); }
    uint8_t damageCount() const { return m_bytes.U8(kDamageCount); }
    uint8_t damageSides() const { return m_bytes.U8(kDamageSides); }
    // Chance in percent of weapon effect i (0 to 7); 0 outside.
    uint8_t effects(int i) const { return i >= 0 && i < 8 ? m_bytes.U8(kEffects + i) : 0; }
    uint8_t poisonStrength() const { return m_bytes.U8(12); }
    uint8_t range() const { return m_bytes.U8(13); }
    uint8_t missFactor() const { return m_bytes.U8(14); }
    uint8_t swingKinds() const { return m_bytes.U8(15); } // the swing kinds of manner 1
};

class MonsterRecord : public RecordView<232> {
public:
    using RecordView::RecordView;

    static constexpr int kAttacks = 3;
    static constexpr size_t kGroupBonus = 122, kGroupCount = 124, kGroupSides = 125;
    static constexpr size_t kHpBonus = 126, kHpCount = 128, kHpSides = 129;
    static constexpr size_t kStaminaBonus = 130, kStaminaCount = 132, kStaminaSides = 133;

    // Names as stored, with the abbreviation marks of item names.
    std::string name() const { return Text(0, 16); }
    std::string companionName() const { return Text(16, 16); }
    std::string unidentifiedName() const { return Text(32, 16); }
    uint32_t experience() const { return m_bytes.U32(64); }
    // Attack k, 1 to 3; an attack outside reads as all zero.
    MonsterAttack attack(int k) const
    {
        return MonsterAttack(InRange(k - 1, kAttacks) ? m_bytes.Sub(68 + 18 * (k - 1), 18) : ByteReader());
    }
    int16_t groupBonus() const { return m_bytes.S16(kGroupBonus); }
    uint8_t groupCount() const { return m_bytes.U8(kGroupCount); }
    uint8_t groupSides() const { return m_bytes.U8(kGroupSides); }
    int16_t hpBonus() const { return m_bytes.S16(kHpBonus); }
    uint8_t level() const { return m_bytes.U8(kHpCount); } // also the number of hit point dice
    uint8_t hpSides() const { return m_bytes.U8(kHpSides); }
    int16_t staminaBonus() const { return m_bytes.S16(kStaminaBonus); }
    uint8_t staminaCount() const { return m_bytes.U8(kStaminaCount); }
    uint8_t staminaSides() const { return m_bytes.U8(kStaminaSides); }
    // Manner and weapon of attack k, 1 to 3.
    uint8_t attackManner(int k) const { return Array(134, kAttacks, k - 1); }
    uint8_t attackWeapon(int k) const { return Array(137, kAttacks, k - 1); }
    uint8_t strength() const { return m_bytes.U8(140); }
    uint8_t intelligence() const { return m_bytes.U8(141); }
    uint8_t dexterity() const { return m_bytes.U8(142); }
    uint8_t speed() const { return m_bytes.U8(143); }
    uint8_t spells(int slot) const { return Array(144, 10, slot); } // slots 0 to 9
    // Percent for resistance code r, 1 to 13.
    uint8_t resistances(int r) const { return Array(155, 13, r - 1); }
    uint8_t lootIndex() const { return m_bytes.U8(169); }
    uint8_t companions(int i) const { return Array(170, 2, i); } // i 0 or 1
    uint8_t companionChance(int i) const { return Array(172, 2, i); }
    uint8_t spellChance() const { return m_bytes.U8(174); }
    uint8_t specialChance() const { return m_bytes.U8(176); }
    uint8_t behaviourChance() const { return m_bytes.U8(178); }
    uint8_t locationChance(int v) const { return Array(181, 7, v); } // body locations 0 to 6
    int8_t locationArmor(int v) const { return static_cast<int8_t>(Array(197, 7, v)); }
    uint8_t creatureType() const { return m_bytes.U8(214); }
    char frameMark() const { return static_cast<char>(m_bytes.U8(215)); }
    uint8_t speedFactor() const { return m_bytes.U8(217); }
    uint8_t swingsDie() const { return m_bytes.U8(218); }
    uint8_t attacksPerRound() const { return m_bytes.U8(219); }
    uint8_t gender() const { return m_bytes.U8(220); }
    uint8_t specialAttack() const { return m_bytes.U8(222); }
    uint8_t effect5Kind() const { return m_bytes.U8(223); } // 11: drains hit points; 3: stamina
    uint8_t npcId() const { return m_bytes.U8(224); }
    uint8_t behaviourFlags() const { return m_bytes.U8(226); }
    uint8_t npcSlot() const { return m_bytes.U8(228); } // 255: none
    uint8_t alliance() const { return m_bytes.U8(229); } // 255: none

private:
    static bool InRange(int i, int count) { return i >= 0 && i < count; }
    uint8_t Array(size_t offset, int count, int i) const { return InRange(i, count) ? m_bytes.U8(offset + i) : 0; }
};
