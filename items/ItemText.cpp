// The text forms of an item's fields.

#include "items/ItemText.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemName.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kCursedWord = 19;         // item words
constexpr int kAssaySuffixWord = 0;
constexpr int kAssaySkill = 24;         // skill names
constexpr int kIdentifySpell = 64;      // spell names
constexpr int kMissileAttackMode = 8;   // attack mode shown for every missile weapon
constexpr int kMissileWeapon = 3;
constexpr int kThrownWeapon = 2;

bool OneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

std::string SignedOrEmpty(int value) { return value ? Format("%+i", value) : std::string(); }

} // namespace

std::string ItemDisplayName(const ItemRecord& item)
{
    std::string name = ExpandItemName(item.name());
    return name.empty() ? ResourceString(strings::kUnknownItem) : name;
}

std::string ItemTypeText(const CGameData& game, const ItemRecord& item) { return game.ItemTypeName(item.type()); }

int WeaponSkillOf(const ItemRecord& item)
{
    const int picture = item.picture();
    switch (item.type()) {
    case 0:
    case 1:
        // Pictures of the game's own weapons, by the skill that wields them.
        if (OneOf(picture, {1, 14, 15, 16, 51, 53, 58, 59, 108}))
            return 1;
        if (OneOf(picture, {2, 3}))
            return 2;
        if (OneOf(picture, {4, 5, 6, 52, 54, 56}))
            return 3;
        if (OneOf(picture, {7, 8, 9, 10, 17, 19, 57, 90, 105}))
            return 4;
        return 0; // pictures 0, 18, 55, 88 and any other
    case kThrownWeapon:
        return 5;
    case kMissileWeapon:
        if (OneOf(picture, {11, 12, 37}))
            return 7;
        if (picture == 13)
            return 6;
        if (OneOf(picture, {104, 110, 114}))
            return 18;
        return 0;
    default:
        return -1;
    }
}

std::string ItemSkillText(const CGameData& game, const ItemRecord& item)
{
    const int skill = WeaponSkillOf(item);
    return skill < 0 ? std::string() : game.SkillName(skill);
}

std::string ItemWeightText(const ItemRecord& item, Form form)
{
    const double pounds = item.weight() * 0.1;
    if (!(pounds > 0.0))
        return {};
    return Format(form == Form::Short ? "%.1f" : "%.1f lbs", pounds);
}

std::string ItemPriceText(const ItemRecord& item, Form form)
{
    // The price is unsigned: a large one must not read as a negative number.
    const unsigned price = item.price();
    if (price == 0)
        return {};
    return Format(form == Form::Short ? "%u" : "%u gp", price);
}

std::string ItemArmorClassText(const ItemRecord& item, int* value)
{
    // Negated in full width, so that a stored -128 shows as +128.
    const int shown = -item.armorClass();
    if (value)
        *value = shown;
    return SignedOrEmpty(shown);
}

std::string ItemToHitText(const ItemRecord& item, int* value)
{
    if (value)
        *value = item.toHit();
    return SignedOrEmpty(item.toHit());
}

std::string ItemInitiativeText(const ItemRecord& item, int* value)
{
    if (value)
        *value = item.initiative();
    return SignedOrEmpty(item.initiative());
}

std::string ItemDamageText(const ItemRecord& item)
{
    return FormatDice(item.Bytes(), ItemRecord::kDamageBonus, ItemRecord::kDamageCount, ItemRecord::kDamageSides);
}

std::string ItemChargesText(const ItemRecord& item, std::string* label)
{
    std::string charges =
        FormatDice(item.Bytes(), ItemRecord::kChargesBonus, ItemRecord::kChargesCount, ItemRecord::kChargesSides);
    if (!label)
        return charges;
    const bool hasSpell = item.spell() || item.spellLevel();
    const bool stackable = OneOf(item.type(), {kThrownWeapon, 12, 15, 16});
    if (charges.empty())
        label->clear();
    else if (item.type() == 14)
        *label = "Number of special usages:";
    else if (stackable || (!hasSpell && !item.invokePower()))
        *label = "Quantity of items in one stack:";
    else if (hasSpell)
        *label = item.invokePower() ? "Number of charges for spell && invoke:" : "Number of charges for spell:";
    else
        *label = "Number of charges for invoke:";
    return charges;
}

std::string ItemRangeText(const ItemRecord& item) { return AttackRangeName(item.type()); }

std::string ItemPrimarySecondaryText(const ItemRecord& item)
{
    return !item.IsWeapon() ? "" : item.MaySecondary() ? "P/S" : "P";
}

std::string ItemHandsText(const ItemRecord& item)
{
    return !item.IsWeapon() ? "" : item.NeedsBothHands() ? "2H" : "1H";
}

std::string ItemCursedText(const CGameData& game, const ItemRecord& item)
{
    return item.cursed() ? game.ItemWord(kCursedWord) : std::string();
}

std::string ItemRegenText(const ItemRecord& item, int* value)
{
    const int gain = item.regen() & 0x0F, loss = item.regen() >> 4;
    const int shown = gain ? gain : -loss;
    if (value)
        *value = shown;
    return item.regen() ? Format("%+i", shown) : std::string();
}

std::string ItemSpellText(const CGameData& game, const ItemRecord& item, Form form)
{
    if (!item.spell() && !item.spellLevel())
        return {};
    const char* name = game.SpellName(item.spell()).c_str();
    if (form == Form::Short)
        return Format("%s(%i)", name, item.spellLevel());
    return Format("%s Lvl %i", name, item.spellLevel()) + (item.spellLevel() ? "" : " (character's skill used)");
}

std::string ItemResistancesText(const CGameData& game, const ItemRecord& item)
{
    auto percent = [](uint8_t resistance) { return static_cast<uint8_t>((resistance & 0x0F) * 10); };
    auto name = [&](uint8_t resistance) { return game.ResistanceName(resistance >> 4).c_str(); };
    const uint8_t first = item.resistance1(), second = item.resistance2();
    if (!first && !second)
        return {};
    if (second)
        return Format("%i%% %s, %i%% %s", percent(first), name(first), percent(second), name(second));
    return Format("%i%% %s", percent(first), name(first));
}

std::string ItemEffectsText(const CGameData& game, const ItemRecord& item)
{
    std::string text;
    for (int i = 0; i < ItemRecord::kEffectCount; ++i) {
        const int percent = item.hitEffects(i);
        if (!percent)
            continue;
        const char* name = game.EffectName(i).c_str();
        if (i == 2 && item.poisonStrength())
            text += Format("%s %i%% (Str %i), ", name, percent, item.poisonStrength());
        else
            text += Format("%s %i%%, ", name, percent);
    }
    const size_t comma = text.rfind(',');
    return comma == std::string::npos ? std::string() : text.substr(0, comma);
}

std::vector<IconEntry> FillEffectsList(const CGameData& game, const ByteReader& record, size_t percentOffset,
                                       size_t strengthOffset)
{
    std::vector<IconEntry> entries;
    const int strength = record.U8(strengthOffset);
    for (int i = 0; i < ItemRecord::kEffectCount; ++i) {
        const int percent = record.U8(percentOffset + i);
        if (!percent)
            continue;
        const char* name = game.EffectName(i).c_str();
        entries.push_back({i == 2 && strength ? Format("%s %i%%, Str %i", name, percent, strength)
                                              : Format("%s %i%%", name, percent),
                           EffectIcon(i)});
    }
    return entries;
}

std::string ItemAttackModesText(const CGameData& game, const ItemRecord& item)
{
    if (!item.IsWeapon())
        return {};
    if (item.type() == kMissileWeapon)
        return game.AttackModeName(kMissileAttackMode);
    std::string text;
    for (int mode = 0; mode < 8; ++mode)
        if (item.attackModes() >> mode & 1)
            text += game.AttackModeName(mode) + " ";
    return DropLast(text, 1);
}

std::string ItemDoubleDamageText(const CGameData& game, const ItemRecord& item)
{
    if (!item.IsWeapon())
        return {};
    return Format("Deals double damage to %ss", CreatureTypeName(game, item.doubleDamageType()).c_str());
}

std::string ItemInventoryActionText(const CGameData& game, const ItemRecord& item)
{
    return game.InventoryActionName(item.inventoryAction());
}

std::string ItemAssayText(const CGameData& game, const ItemRecord& item)
{
    return Format("%s%s %i", game.SkillName(kAssaySkill).c_str(), game.ItemWord(kAssaySuffixWord).c_str(),
                  item.identifyLevel() * 5);
}

std::string ItemIdentifyText(const CGameData& game, const ItemRecord& item)
{
    const int level = (item.identifyLevel() + 2) / 3;
    return Format("%s level %i", game.SpellName(kIdentifySpell).c_str(), level ? level : 1);
}

int ItemPictureIndex(const ItemRecord& item) { return item.picture(); }
