// What the Item Viewer shows of an item, and how it finds one by name.

#include "items/ItemViewerContent.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ItemName.h"

#include <algorithm>

std::optional<ItemViewerFields> ItemViewerFieldsOf(const CGameData& game, int number)
{
    const ItemRecord item(game.GetItem(number));
    if (!item.Valid())
        return std::nullopt;
    using namespace itemviewer;
    ItemViewerFields fields;
    fields.number = number;
    fields.id = Format("%i", number);
    fields.name = ItemDisplayName(item);
    fields.type = ItemTypeText(game, item);
    fields.professions = FillProfessionLists(game, item);
    fields.races = FillRaceLists(game, item);
    fields.gender = ItemGenderLongText(game, item);
    fields.effects = FillEffectsList(game, item.Bytes(), ItemRecord::kHitEffects, ItemRecord::kPoisonStrength);
    fields.damage = ItemDamageText(item);
    fields.price = ItemPriceText(item, Form::Long);
    fields.weight = ItemWeightText(item, Form::Long);
    fields.spell = ItemSpellText(game, item, Form::Long);
    fields.cursed = ItemCursedText(game, item);
    fields.resistances = ItemResistancesText(game, item);
    int value = 0;
    fields.regen = ItemRegenText(item, &value);
    fields.regenColour = ModifierColour(value);
    fields.toHit = ItemToHitText(item, &value);
    fields.toHitColour = ModifierColour(value);
    fields.initiative = ItemInitiativeText(item, &value);
    fields.initiativeColour = ModifierColour(value);
    fields.armorClass = ItemArmorClassText(item, &value);
    fields.armorClassColour = ArmorClassColour(value);
    fields.range = ItemRangeText(item);
    fields.primarySecondary = ItemPrimarySecondaryText(item);
    fields.hands = ItemHandsText(item);
    fields.invoke = ItemInvokeText(item, Form::Long);
    fields.doubleDamage = ItemDoubleDamageText(game, item);
    fields.attackModes = ItemAttackModesText(game, item);
    fields.inventoryAction = ItemInventoryActionText(game, item);
    fields.skill = ItemSkillText(game, item);
    fields.assay = ItemAssayText(game, item);
    fields.identify = ItemIdentifyText(game, item);
    fields.charges = ItemChargesText(item, &fields.chargesLabel);
    fields.hasText = item.inventoryAction() == kReadAction;
    fields.textNumber = item.textNumber();
    return fields;
}

std::vector<ItemChoice> ItemViewerChoices(const CGameData& game)
{
    std::vector<ItemChoice> choices;
    choices.reserve(static_cast<size_t>(std::max(game.ItemCount(), 0)));
    for (int number = 0; number < game.ItemCount(); ++number) {
        const ItemRecord item(game.GetItem(number));
        choices.push_back({ItemDisplayName(item), ItemPictureIndex(item)});
    }
    return choices;
}

std::string ItemNameSearchMask(std::string mask)
{
    for (char& c : mask)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    // The first "OF" that stands as a word, also at either end: "ring of" is typed before the
    // rest of the name is.
    for (size_t at = mask.find("OF"); at != std::string::npos; at = mask.find("OF", at + 1)) {
        const bool wordStart = at == 0 || mask[at - 1] == ' ';
        const bool wordEnd = at + 2 == mask.size() || mask[at + 2] == ' ';
        if (wordStart && wordEnd) {
            mask.replace(at, 2, "of");
            break;
        }
    }
    return mask;
}

int FindItem(const CGameData& game, const std::string& mask, int start, int step)
{
    if (step != 1 && step != -1)
        return -1;
    const std::string pattern = ItemNameSearchMask(mask);
    for (int number = start;; number += step) {
        const ItemRecord item(game.GetItem(number));
        if (!item.Valid())
            return -1;
        if (ExpandItemName(item.name()).find(pattern) != std::string::npos)
            return number;
    }
}

TextAreaChange TextAreaChangeFor(bool hasText, bool showText, bool wide)
{
    const bool open = hasText && showText;
    if (open && !wide)
        return TextAreaChange::Widen;
    if (!open && wide)
        return TextAreaChange::Narrow;
    return TextAreaChange::None;
}

std::string ShownLabel(const std::string& label)
{
    std::string shown;
    for (size_t i = 0; i < label.size(); ++i) {
        shown += label[i];
        if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&')
            ++i;
    }
    return shown;
}
