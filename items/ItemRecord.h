#pragma once
// One item of the scenario database, 72 bytes, read in place. Its number is its index.

#include "gamedata/RecordView.h"

class ItemRecord : public RecordView<72> {
public:
    using RecordView::RecordView;

    // Offsets of the fields read as dice or as groups of bytes.
    static constexpr size_t kChargesBonus = 26, kChargesCount = 28, kChargesSides = 29;
    static constexpr size_t kDamageBonus = 30, kDamageCount = 32, kDamageSides = 33;
    static constexpr size_t kHitEffects = 42;
    static constexpr size_t kPoisonStrength = 69;
    static constexpr int kEffectCount = 8;

    std::string name() const { return Text(0, 22); } // as stored, with its abbreviation marks
    uint32_t price() const { return m_bytes.U32(22); }
    int16_t chargesBonus() const { return m_bytes.S16(kChargesBonus); }
    uint8_t chargesCount() const { return m_bytes.U8(kChargesCount); }
    uint8_t chargesSides() const { return m_bytes.U8(kChargesSides); }
    int16_t damageBonus() const { return m_bytes.S16(kDamageBonus); }
    uint8_t damageCount() const { return m_bytes.U8(kDamageCount); }
    uint8_t damageSides() const { return m_bytes.U8(kDamageSides); }
    uint8_t spell() const { return m_bytes.U8(34); }
    uint8_t spellLevel() const { return m_bytes.U8(35); } // 0: the character's own skill
    int16_t weight() const { return m_bytes.S16(36); }    // tenths of a pound
    uint16_t textNumber() const { return m_bytes.U16(38); }
    // High nibble: resistance code; low nibble: percentage / 10.
    uint8_t resistance1() const { return m_bytes.U8(40); }
    uint8_t resistance2() const { return m_bytes.U8(41); }
    // Chance in percent of weapon effect i (0 to 7); 0 outside.
    uint8_t hitEffects(int i) const { return InRange(i, kEffectCount) ? m_bytes.U8(kHitEffects + i) : 0; }
    uint8_t professionsLow() const { return m_bytes.U8(50); }  // professions 0 to 7
    uint8_t professionsHigh() const { return m_bytes.U8(51); } // professions 8 to 13
    uint8_t racesLow() const { return m_bytes.U8(52); }        // races 0 to 7
    uint8_t racesHigh() const { return m_bytes.U8(53); }       // races 8 to 10
    uint8_t genders() const { return m_bytes.U8(54); }
    uint8_t flags() const { return m_bytes.U8(55); } // 4: both hands; 8: secondary weapon too
    uint8_t type() const { return m_bytes.U8(56); }
    uint8_t picture() const { return m_bytes.U8(57); }
    uint8_t inventoryAction() const { return m_bytes.U8(58); } // 5: carries a text
    uint8_t identifyLevel() const { return m_bytes.U8(59); }
    uint8_t regen() const { return m_bytes.U8(60); } // low nibble gain, high nibble loss per turn
    uint8_t cursed() const { return m_bytes.U8(61); }
    uint8_t invokePower() const { return m_bytes.U8(62); }
    int8_t armorClass() const { return m_bytes.S8(64); } // shown negated
    int8_t toHit() const { return m_bytes.S8(65); }
    int8_t initiative() const { return m_bytes.S8(66); }
    uint8_t doubleDamageType() const { return m_bytes.U8(67); }
    uint8_t poisonStrength() const { return m_bytes.U8(kPoisonStrength); }
    uint8_t attackModes() const { return m_bytes.U8(70); }

    // Races 0 to 10, professions 0 to 13, genders 0 and 1 that may use the item.
    bool RaceAllowed(int race) const { return InRange(race, 11) && ((racesLow() | racesHigh() << 8) >> race & 1); }
    bool ProfessionAllowed(int profession) const
    {
        return InRange(profession, 14) && ((professionsLow() | professionsHigh() << 8) >> profession & 1);
    }
    bool GenderAllowed(int gender) const { return InRange(gender, 2) && (genders() >> gender & 1); }
    bool NeedsBothHands() const { return flags() & 4; }
    bool MaySecondary() const { return flags() & 8; }
    bool IsWeapon() const { return type() <= 4; }

private:
    static bool InRange(int i, int count) { return i >= 0 && i < count; }
};
