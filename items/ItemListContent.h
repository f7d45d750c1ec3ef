#pragma once
// What the Item List shows: one row per item with the short text forms of its 21 columns, the
// choices of its filters, which items pass them, and the order of a sort on any column. The
// window and the command line put these out and decide nothing.

#include "items/ItemRecord.h"
#include "items/TextForms.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CGameData;

namespace itemlist {

constexpr int kColumnCount = 21;
enum Column : int {
    kName, kType, kSkill, kWeight, kPrice, kArmorClass, kToHit, kInitiative, kDamage, kPrimarySecondary, kHands,
    kCursed, kRegen, kSpell, kResistances, kInvoke, kEffects, kRaces, kProfessions, kGender, kAttackModes,
};

// A column's name, and the header image shown in place of the name (-1: the name is shown).
struct ColumnHeader {
    const char* name;
    int image;
};
extern const std::array<ColumnHeader, kColumnCount> kColumns;
// The column of that name or number ("to hit", "6"); -1 for none.
int ColumnNamed(std::string_view name);

// A combo entry that stands for no restriction.
constexpr int kAny = 255;
constexpr int kEffectRows = 8;
constexpr int kResistanceRows = 13; // row r - 1 stands for resistance code r
constexpr int kPropertyRows = 8;

// "%i items" for the status bar.
std::string ItemCountText(int count);

} // namespace itemlist

struct ItemListRow {
    int number = 0;
    int image = 0; // the item's picture among the item icons
    std::array<std::string, itemlist::kColumnCount> texts;
};
ItemListRow ItemListRowOf(const CGameData& game, int number);

// The filters as the window's controls set them. A list that is switched on with no row ticked
// lets no item through.
struct ItemListFilter {
    int type = itemlist::kAny;  // an item type code
    int skill = itemlist::kAny; // a weapon skill, as WeaponSkillOf gives it
    bool byEffects = false;
    std::array<bool, itemlist::kEffectRows> effects{};
    bool byResistances = false;
    std::array<bool, itemlist::kResistanceRows> resistances{};
    bool byProperties = false;
    std::array<bool, itemlist::kPropertyRows> properties{};
};
bool PassesFilter(const ItemListFilter& filter, const ItemRecord& item);
// Whether property row 0 to 7 (cursed, regenerating, spell, invoke, 1H, 2H, P, P/S) fits the item.
bool HasProperty(const ItemRecord& item, int row);

// The rows of every item that passes, in number order.
std::vector<ItemListRow> ItemListRows(const CGameData& game, const ItemListFilter& filter);

// Row a against row b on column: negative when a goes first, 0 when they are equal. Numeric
// columns compare their values (the damage by its average), the letter columns (races,
// professions, gender) by character code, the others as text without regard to letter case.
int CompareRows(const CGameData& game, const ItemListRow& a, const ItemListRow& b, int column, bool descending);
// A stable sort with CompareRows: rows that compare equal keep their order.
void SortRows(const CGameData& game, std::vector<ItemListRow>& rows, int column, bool descending);

// The wide text comparison of list controls: letters A to Z as a to z, then by code point of the
// Windows-1252 text.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

// The choices of the filters, in the order the window lists them.
struct FilterChoice {
    std::string text;
    int data = 0;
};
// The type names (entries 20 to n - 2 of the list) with their codes, then "-any-".
std::vector<FilterChoice> ItemTypeChoices(const CGameData& game);
// Skills 0 to 7, then "-any-".
std::vector<FilterChoice> WeaponSkillChoices(const CGameData& game);
// The eight weapon effects with their state icons.
std::vector<IconEntry> EffectFilterRows(const CGameData& game);
// Resistances 1 to 13.
std::vector<std::string> ResistanceFilterRows(const CGameData& game);
std::vector<std::string> PropertyFilterRows(const CGameData& game);
