#include "items/TextForms.h"
#include "saves/Attacks.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "saves/SaveText.h"

namespace {

constexpr int kUnarmedSkill = 9; // its name stands for a weapon without a name

// The item number in the slot a weapon slot byte names; negative bytes stay as they are.
int WeaponItem(const CharacterRecord& record, int slot)
{
    if (slot < 0)
        return slot;
    return slot < character::kItemSlots ? record.itemSlot(slot).item() : 0;
}

AttackView AttackOf(const CGameData& game, const WeaponBlock& block)
{
    AttackView view;
    view.damage = FormatDice(block.damageBonus(), block.damageDice(), block.damageSides());
    view.modes = AttackModesText(game, block.attackModes());
    view.missModifier = savetext::Signed(block.missModifier());
    view.initiativeModifier = savetext::Signed(block.initiativeModifier());
    view.specials = SpecialAttackRows(game, block);
    return view;
}

} // namespace

std::vector<SpecialAttackRow> SpecialAttackRows(const CGameData& game, const WeaponBlock& block)
{
    std::vector<SpecialAttackRow> rows;
    for (int k = 0; k < WeaponBlock::kSpecials; ++k) {
        const int chance = block.specialChance(k);
        if (!chance)
            continue;
        const char* name = game.EffectName(k).c_str();
        std::string text = k == WeaponBlock::kPoisonSpecial && block.poisonStrength()
                               ? Format("%s %i%%, Str %i", name, chance, block.poisonStrength())
                               : Format("%s %i%%", name, chance);
        rows.push_back({std::move(text), kSpecialAttackIcons[k]});
    }
    return rows;
}

std::string AttackModesText(const CGameData& game, uint8_t modes)
{
    std::string text;
    for (int m = 0; m < 8; ++m) {
        if (!(modes >> m & 1))
            continue;
        if (!text.empty())
            text += ' ';
        text += game.AttackModeName(m);
    }
    return text;
}

CharacterAttacks BuildAttacks(const CGameData& game, const CharacterRecord& record)
{
    CharacterAttacks attacks{AttackOf(game, record.primaryAttack()), AttackOf(game, record.secondaryAttack())};
    const int primarySlot = record.primarySlot();
    const int secondarySlot = record.secondarySlot();
    const std::string& unarmed = game.SkillName(kUnarmedSkill);

    attacks.primary.weapon = savetext::ItemName(game, WeaponItem(record, primarySlot), true);
    if (attacks.primary.weapon.empty())
        attacks.primary.weapon = unarmed;
    if (primarySlot >= 0 && secondarySlot < 0) {
        // One weapon in hand: the second attack shows nothing but its special attacks.
        std::vector<SpecialAttackRow> specials = std::move(attacks.secondary.specials);
        attacks.secondary = AttackView{};
        attacks.secondary.specials = std::move(specials);
        return attacks;
    }
    attacks.secondary.weapon = savetext::ItemName(game, WeaponItem(record, secondarySlot), true);
    if (attacks.secondary.weapon.empty() && primarySlot < 0)
        attacks.secondary.weapon = unarmed;
    return attacks;
}
