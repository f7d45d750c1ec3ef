#include "tools/atlas/ItemTable.h"

#include "gamedata/CGameData.h"
#include "items/ItemText.h"

#include <algorithm>
#include <numeric>

namespace atlas {

namespace {

// The filter with one entry of one list ticked and switched on.
template <size_t N>
unsigned PassingEntries(const ItemRecord& item, bool ItemListFilter::*use, std::array<bool, N> ItemListFilter::*entries)
{
    unsigned bits = 0;
    for (size_t i = 0; i < N; ++i) {
        ItemListFilter filter;
        filter.*use = true;
        (filter.*entries)[i] = true;
        bits |= PassesFilter(filter, item) ? 1u << i : 0;
    }
    return bits;
}

} // namespace

ItemTable BuildItemTable(const CGameData& game)
{
    ItemTable table;
    for (ItemListRow& row : ItemListRows(game, ItemListFilter{})) {
        const ItemRecord item(game.GetItem(row.number));
        ItemTableRow entry;
        entry.type = item.type();
        entry.skill = WeaponSkillOf(item);
        entry.effects = PassingEntries(item, &ItemListFilter::byEffects, &ItemListFilter::effects);
        entry.resistances = PassingEntries(item, &ItemListFilter::byResistances, &ItemListFilter::resistances);
        entry.properties = PassingEntries(item, &ItemListFilter::byProperties, &ItemListFilter::properties);
        entry.row = std::move(row);
        table.rows.push_back(std::move(entry));
    }

    const size_t count = table.rows.size();
    for (int c = 0; c < itemlist::kColumnCount; ++c) {
        auto compare = [&](size_t a, size_t b) { return CompareRows(game, table.rows[a].row, table.rows[b].row, c, false); };
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

} // namespace atlas
