#pragma once
// The text forms of an item's fields: long forms for the Item Viewer, short forms for the Item
// List. They read the record and the name lists only. Forms that also give a number for
// colouring or sorting hand it out through an optional pointer.

#include "items/ItemRecord.h"
#include "items/TextForms.h"

class CGameData;

enum class Form { Long, Short };

// The expanded name, or "?Unknown Item?" when that is empty.
std::string ItemDisplayName(const ItemRecord& item);
std::string ItemTypeText(const CGameData& game, const ItemRecord& item);
// The weapon skill (an index into the skill names) from the type and picture; -1 for none.
int WeaponSkillOf(const ItemRecord& item);
std::string ItemSkillText(const CGameData& game, const ItemRecord& item);
std::string ItemWeightText(const ItemRecord& item, Form form);
std::string ItemPriceText(const ItemRecord& item, Form form);
std::string ItemArmorClassText(const ItemRecord& item, int* value = nullptr); // the stored value negated
std::string ItemToHitText(const ItemRecord& item, int* value = nullptr);
std::string ItemInitiativeText(const ItemRecord& item, int* value = nullptr);
std::string ItemDamageText(const ItemRecord& item);
// The charges dice, and in label what they count ("&&" stands for one ampersand).
std::string ItemChargesText(const ItemRecord& item, std::string* label = nullptr);
std::string ItemRangeText(const ItemRecord& item);
std::string ItemPrimarySecondaryText(const ItemRecord& item);
std::string ItemHandsText(const ItemRecord& item);
std::string ItemCursedText(const CGameData& game, const ItemRecord& item);
// Gain per turn, or the loss (negative) when there is no gain.
std::string ItemRegenText(const ItemRecord& item, int* value = nullptr);
std::string ItemSpellText(const CGameData& game, const ItemRecord& item, Form form);
std::string ItemResistancesText(const CGameData& game, const ItemRecord& item);
std::string ItemInvokeText(const ItemRecord& item, Form form);
// The weapon effects in one line (the Item List's form).
std::string ItemEffectsText(const CGameData& game, const ItemRecord& item);
// The 8 effect chances at percentOffset of any record, and the poison strength byte: one entry
// per effect that has a chance (the Item Viewer's form).
std::vector<IconEntry> FillEffectsList(const CGameData& game, const ByteReader& record, size_t percentOffset,
                                       size_t strengthOffset);
std::string ItemAttackModesText(const CGameData& game, const ItemRecord& item);
std::string ItemDoubleDamageText(const CGameData& game, const ItemRecord& item);
std::string ItemInventoryActionText(const CGameData& game, const ItemRecord& item);
std::string ItemAssayText(const CGameData& game, const ItemRecord& item);
std::string ItemIdentifyText(const CGameData& game, const ItemRecord& item);
int ItemPictureIndex(const ItemRecord& item);

// Who may use the item. Short forms: one letter per race (11), profession (14) or gender (2),
// the first of its name, lower-case when that one may not use the item.
std::string ItemRacesText(const CGameData& game, const ItemRecord& item);
std::string ItemProfessionsText(const CGameData& game, const ItemRecord& item);
std::string ItemGenderText(const CGameData& game, const ItemRecord& item);

struct AllowedLists {
    std::vector<std::string> allowed;
    std::vector<std::string> restricted;
};
AllowedLists FillRaceLists(const CGameData& game, const ItemRecord& item);
AllowedLists FillProfessionLists(const CGameData& game, const ItemRecord& item);
// "None", "Male only", "Male & Female".
std::string ItemGenderLongText(const CGameData& game, const ItemRecord& item);
