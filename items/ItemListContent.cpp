// What the Item List shows, filters and sorts.

#include "items/ItemListContent.h"

#include "gamedata/CGameData.h"
#include "gamedata/NameLists.h"
#include "gamedata/Cp1252.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemText.h"

#include <algorithm>
#include <charconv>

namespace itemlist {

const std::array<ColumnHeader, kColumnCount> kColumns = {{
    {"name", -1},     {"type", -1},  {"skill", -1},       {"weight", 0},      {"price", 1},         {"AC", 2},
    {"to hit", 3},    {"initiative", -1}, {"damage", -1}, {"P/S", -1},        {"hands", 4},         {"cursed", -1},
    {"regen", 5},     {"spell", -1}, {"resistances", -1}, {"invoke", -1},     {"effects", -1},      {"races", -1},
    {"professions", -1}, {"gender", 6}, {"attack modes", -1},
}};

int ColumnNamed(std::string_view name)
{
    for (int column = 0; column < kColumnCount; ++column)
        if (name == kColumns[static_cast<size_t>(column)].name)
            return column;
    int number = -1;
    const char* end = name.data() + name.size();
    auto [last, error] = std::from_chars(name.data(), end, number);
    return error == std::errc() && last == end && number >= 0 && number < kColumnCount ? number : -1;
}

std::string ItemCountText(int count) { return Format("%i items", count); }

} // namespace itemlist

using namespace itemlist;

namespace {

constexpr int kAnyString = 104;
constexpr int kTypeEntriesBase = 20; // the type names begin at this entry of their list
constexpr int kCursedWord = 19, kRegenWord = 18, kInvokeWord = 20, kOneHandWord = 7, kTwoHandsWord = 8;
constexpr int kFirstNonWeaponType = 5;

std::string UpperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int Compare(double a, double b) { return a < b ? -1 : a > b ? 1 : 0; }

// Case-sensitive, by the code points the list shows.
int CompareCodes(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int x = Cp1252CodePoint(static_cast<unsigned char>(a[i]));
        const int y = Cp1252CodePoint(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

double DamageAverage(const ItemRecord& item)
{
    return item.damageCount() * (item.damageSides() + 1) * 0.5 + item.damageBonus();
}

} // namespace

ItemListRow ItemListRowOf(const CGameData& game, int number)
{
    const ItemRecord item(game.GetItem(number));
    ItemListRow row;
    row.number = number;
    row.image = ItemPictureIndex(item);
    row.texts = {ItemDisplayName(item),
                 ItemTypeText(game, item),
                 ItemSkillText(game, item),
                 ItemWeightText(item, Form::Short),
                 ItemPriceText(item, Form::Short),
                 ItemArmorClassText(item),
                 ItemToHitText(item),
                 ItemInitiativeText(item),
                 ItemDamageText(item),
                 ItemPrimarySecondaryText(item),
                 ItemHandsText(item),
                 ItemCursedText(game, item),
                 ItemRegenText(item),
                 ItemSpellText(game, item, Form::Short),
                 ItemResistancesText(game, item),
                 ItemInvokeText(item, Form::Short),
                 ItemEffectsText(game, item),
                 ItemRacesText(game, item),
                 ItemProfessionsText(game, item),
                 ItemGenderText(game, item),
                 ItemAttackModesText(game, item)};
    return row;
}

bool HasProperty(const ItemRecord& item, int row)
{
    const bool weapon = item.type() < kFirstNonWeaponType;
    switch (row) {
    case 0: return item.cursed() != 0;
    case 1: return item.regen() != 0;
    case 2: return item.spell() != 0 || item.spellLevel() != 0;
    case 3: return item.invokePower() != 0;
    case 4: return weapon && !item.NeedsBothHands();
    case 5: return weapon && item.NeedsBothHands();
    case 6: return weapon && !item.MaySecondary();
    case 7: return weapon && item.MaySecondary();
    default: return false;
    }
}

bool PassesFilter(const ItemListFilter& filter, const ItemRecord& item)
{
    if (filter.type != kAny && filter.type != item.type())
        return false;
    if (filter.skill != kAny && filter.skill != WeaponSkillOf(item))
        return false;
    if (filter.byEffects) {
        bool shared = false;
        for (int effect = 0; effect < kEffectRows; ++effect)
            shared |= filter.effects[static_cast<size_t>(effect)] && item.hitEffects(effect) != 0;
        if (!shared)
            return false;
    }
    if (filter.byResistances) {
        auto ticked = [&](uint8_t resistance) {
            const int code = resistance >> 4;
            return code >= 1 && code <= kResistanceRows && filter.resistances[static_cast<size_t>(code - 1)];
        };
        if (!ticked(item.resistance1()) && !ticked(item.resistance2()))
            return false;
    }
    if (filter.byProperties) {
        bool matched = false;
        for (int row = 0; row < kPropertyRows; ++row)
            matched |= filter.properties[static_cast<size_t>(row)] && HasProperty(item, row);
        if (!matched)
            return false;
    }
    return true;
}

std::vector<ItemListRow> ItemListRows(const CGameData& game, const ItemListFilter& filter)
{
    std::vector<ItemListRow> rows;
    for (int number = 0; number < game.ItemCount(); ++number)
        if (PassesFilter(filter, ItemRecord(game.GetItem(number))))
            rows.push_back(ItemListRowOf(game, number));
    return rows;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b)
{
    auto folded = [](char c) {
        const int code = Cp1252CodePoint(static_cast<unsigned char>(c));
        return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
    };
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int x = folded(a[i]), y = folded(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int CompareRows(const CGameData& game, const ItemListRow& a, const ItemListRow& b, int column, bool descending)
{
    const ItemRecord x(game.GetItem(a.number)), y(game.GetItem(b.number));
    int order = 0;
    switch (column) {
    case kWeight: order = Compare(x.weight(), y.weight()); break;
    // Unsigned, as the price is shown: a price above 2^31 is not a debt.
    case kPrice: order = Compare(x.price(), y.price()); break;
    case kArmorClass: order = Compare(-x.armorClass(), -y.armorClass()); break;
    case kToHit: order = Compare(x.toHit(), y.toHit()); break;
    case kInitiative: order = Compare(x.initiative(), y.initiative()); break;
    case kDamage: order = Compare(DamageAverage(x), DamageAverage(y)); break;
    case kRegen: {
        int first = 0, second = 0;
        ItemRegenText(x, &first);
        ItemRegenText(y, &second);
        order = Compare(first, second);
        break;
    }
    case kRaces:
    case kProfessions:
    case kGender:
        order = CompareCodes(a.texts[static_cast<size_t>(column)], b.texts[static_cast<size_t>(column)]);
        break;
    default:
        if (column >= 0 && column < kColumnCount)
            order = CompareTextIgnoringCase(a.texts[static_cast<size_t>(column)],
                                            b.texts[static_cast<size_t>(column)]);
        break;
    }
    return descending ? -order : order;
}

void SortRows(const CGameData& game, std::vector<ItemListRow>& rows, int column, bool descending)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const ItemListRow& a, const ItemListRow& b) {
        return CompareRows(game, a, b, column, descending) < 0;
    });
}

std::vector<FilterChoice> ItemTypeChoices(const CGameData& game)
{
    std::vector<FilterChoice> choices;
    const std::vector<std::string>& typeNames = *game.NameList(namelist::kItemTypes);
    const int entries = static_cast<int>(typeNames.size());
    for (int entry = kTypeEntriesBase; entry <= entries - 2; ++entry)
        choices.push_back({typeNames[static_cast<size_t>(entry)], entry - kTypeEntriesBase});
    choices.push_back({ResourceString(kAnyString), kAny});
    return choices;
}

std::vector<FilterChoice> WeaponSkillChoices(const CGameData& game)
{
    std::vector<FilterChoice> choices;
    for (int skill = 0; skill <= 7; ++skill)
        choices.push_back({game.SkillName(skill), skill});
    choices.push_back({ResourceString(kAnyString), kAny});
    return choices;
}

std::vector<IconEntry> EffectFilterRows(const CGameData& game)
{
    std::vector<IconEntry> rows;
    for (int effect = 0; effect < kEffectRows; ++effect)
        rows.push_back({game.EffectName(effect), EffectIcon(effect)});
    return rows;
}

std::vector<std::string> ResistanceFilterRows(const CGameData& game)
{
    std::vector<std::string> rows;
    for (int code = 1; code <= kResistanceRows; ++code)
        rows.push_back(game.ResistanceName(code));
    return rows;
}

std::vector<std::string> PropertyFilterRows(const CGameData& game)
{
    return {UpperCase(game.ItemWord(kCursedWord)), UpperCase(game.ItemWord(kRegenWord)), "SPELL",
            UpperCase(game.ItemWord(kInvokeWord)),  UpperCase(game.ItemWord(kOneHandWord)),
            UpperCase(game.ItemWord(kTwoHandsWord)), "P", "P/S"};
}
