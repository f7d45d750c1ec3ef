#include "tools/atlas/ItemTable.h"

#include "gamedata/CGameData.h"
#include "items/ItemRecord.h"
#include "items/ItemText.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace atlas {

namespace {

constexpr const char* kColumnNames[kItemColumns] = {
    "name",   "type",  "skill",  "weight",      "price",  "AC",      "to hit",      "initiative",
    "damage", "P/S",   "hands",  "cursed",      "regen",  "spell",   "resistances", "invoke",
    "effects", "races", "professions", "gender", "attack modes"};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Entry(const std::vector<std::string>& list, size_t index) { return index < list.size() ? list[index] : ""; }

// The list control's own comparison: letter case aside.
int CompareText(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i])), cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int CompareCodes(const std::string& a, const std::string& b)
{
    const int order = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [](char x, char y) {
                                                       return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                                   });
    return a == b ? 0 : order ? -1 : 1;
}

template <typename T> int CompareValues(T a, T b) { return a == b ? 0 : a > b ? 1 : -1; }

// The value the numeric columns sort by; the others sort by their text.
double SortValue(const ItemRecord& item, int column)
{
    int value = 0;
    switch (column) {
    case 3: return item.weight();
    case 4: return static_cast<int32_t>(item.price());
    case 5: ItemArmorClassText(item, &value); return value;
    case 6: return item.toHit();
    case 7: return item.initiative();
    case 12: ItemRegenText(item, &value); return value;
    case 8: return item.damageCount() * (item.damageSides() + 1) * 0.5 + item.damageBonus();
    default: return 0;
    }
}

bool IsNumeric(int column) { return (column >= 3 && column <= 8) || column == 12; }

unsigned PropertiesOf(const ItemRecord& item)
{
    const bool weapon = item.type() < 5;
    const bool flags[8] = {item.cursed() != 0, item.regen() != 0, item.spell() != 0 || item.spellLevel() != 0,
                           item.invokePower() != 0, weapon && !(item.flags() & 4), weapon && (item.flags() & 4),
                           weapon && !(item.flags() & 8), weapon && (item.flags() & 8)};
    unsigned bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= flags[i] ? 1u << i : 0;
    return bits;
}

} // namespace

const char* ItemColumnName(int column) { return column >= 0 && column < kItemColumns ? kColumnNames[column] : ""; }

ItemTable BuildItemTable(const CGameData& game)
{
    ItemTable table;
    std::vector<double> values[kItemColumns];
    for (int number = 0; number < game.m_itemCount; ++number) {
        const ItemRecord item(game.GetItem(number));
        ItemTableRow row;
        row.number = number;
        row.icon = ItemPictureIndex(item);
        row.cells = {ItemDisplayName(item),          ItemTypeText(game, item),
                     ItemSkillText(game, item),      ItemWeightText(item, Form::Short),
                     ItemPriceText(item, Form::Short), ItemArmorClassText(item),
                     ItemToHitText(item),            ItemInitiativeText(item),
                     ItemDamageText(item),           ItemPrimarySecondaryText(item),
                     ItemHandsText(item),            ItemCursedText(game, item),
                     ItemRegenText(item),            ItemSpellText(game, item, Form::Short),
                     ItemResistancesText(game, item), ItemInvokeText(item, Form::Short),
                     ItemEffectsText(game, item),    ItemRacesText(game, item),
                     ItemProfessionsText(game, item), ItemGenderText(game, item),
                     ItemAttackModesText(game, item)};
        row.type = item.type();
        row.skill = WeaponSkillOf(item);
        for (int i = 0; i < ItemRecord::kEffectCount; ++i)
            row.effects |= item.hitEffects(i) ? 1u << i : 0;
        for (uint8_t resistance : {item.resistance1(), item.resistance2()})
            row.resistances |= (resistance >> 4) ? 1u << (resistance >> 4) : 0;
        row.properties = PropertiesOf(item);
        for (int c = 0; c < kItemColumns; ++c)
            values[c].push_back(SortValue(item, c));
        table.rows.push_back(std::move(row));
    }

    const size_t count = table.rows.size();
    for (int c = 0; c < kItemColumns; ++c) {
        auto compare = [&](size_t a, size_t b) {
            if (IsNumeric(c))
                return CompareValues(values[c][a], values[c][b]);
            const std::string& ta = table.rows[a].cells[static_cast<size_t>(c)];
            const std::string& tb = table.rows[b].cells[static_cast<size_t>(c)];
            return c >= 17 && c <= 19 ? CompareCodes(ta, tb) : CompareText(ta, tb);
        };
        std::vector<size_t> order(count);
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return compare(a, b) < 0; });
        std::vector<int>& rank = table.rank[static_cast<size_t>(c)];
        rank.assign(count, 0);
        for (size_t i = 1; i < count; ++i)
            rank[order[i]] = rank[order[i - 1]] + (compare(order[i - 1], order[i]) != 0);
    }
    return table;
}

ItemFilterChoices ItemFilters(const CGameData& game)
{
    ItemFilterChoices filters;
    for (int skill = 0; skill < 8; ++skill)
        filters.skills.emplace_back(skill, Entry(game.m_skillNames, static_cast<size_t>(skill)));
    const size_t typeCount = game.m_itemTypeNames.size();
    for (size_t entry = 20; entry + 2 <= typeCount; ++entry) // entries 20 to n - 2
        filters.types.emplace_back(static_cast<int>(entry - 20), game.m_itemTypeNames[entry]);
    for (size_t entry = 25; entry <= 32; ++entry)
        filters.effects.push_back(Entry(game.m_itemWords, entry));
    for (size_t code = 1; code <= 13; ++code)
        filters.resistances.push_back(Entry(game.m_resistanceNames, code));
    filters.properties = {Upper(Entry(game.m_itemWords, 19)), Upper(Entry(game.m_itemWords, 18)), "SPELL",
                          Upper(Entry(game.m_itemWords, 20)), Upper(Entry(game.m_itemWords, 7)),
                          Upper(Entry(game.m_itemWords, 8)),  "P", "P/S"};
    return filters;
}

} // namespace atlas
