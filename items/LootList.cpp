#include "items/LootList.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ItemName.h"
#include "items/ItemRecord.h"
#include "items/LootRecord.h"

#include <algorithm>

namespace {

constexpr int kGoldImage = 115, kExperienceImage = 50, kEmptyImage = 158;

// A row for items first to first + count - 1, cut to the items the table holds.
bool ItemRow(const CGameData& game, const LootEntry& entry, LootRow& row)
{
    const long long first = std::max<long long>(entry.valueA, 0);
    const long long end = std::min<long long>(static_cast<long long>(entry.valueA) + std::max(entry.valueB, 1),
                                              game.ItemCount());
    if (first >= end)
        return false;
    auto choice = [&](long long number) {
        const ItemRecord item(game.GetItem(static_cast<int>(number)));
        return LootChoice{ExpandItemName(item.name()), item.picture()};
    };
    const LootChoice shown = choice(first);
    row.text = shown.text;
    row.image = shown.image;
    row.data = static_cast<int>(first);
    if (end - first > 1)
        for (long long number = first; number < end; ++number)
            row.choices.push_back(choice(number));
    return true;
}

} // namespace

std::vector<LootRow> FillLootList(const CGameData& game, int number, bool addEmptyRow)
{
    std::vector<LootRow> rows;
    const uint8_t* bytes = game.GetLootRecord(number);
    if (!bytes)
        return rows;
    const LootRecord record(bytes);
    for (int k = 0; k < LootRecord::kShownEntries; ++k) {
        const LootEntry entry = record.Unpack(k);
        LootRow row;
        switch (entry.kind) {
        case LootEntry::Items:
        case LootEntry::ItemsAtHalf:
            if (!ItemRow(game, entry, row))
                continue;
            break;
        case LootEntry::Gold:
            row = {Format("%i-%i gp", entry.valueB, entry.valueA), kGoldImage, LootRow::kNotAnItem, {}, {}};
            break;
        case LootEntry::Experience:
            row = {Format("%i EXP", entry.valueA), kExperienceImage, LootRow::kNotAnItem, {}, {}};
            break;
        default:
            continue;
        }
        row.chance = entry.kind == LootEntry::ItemsAtHalf ? Format("50%% (%i)", entry.chance)
                                                          : Format("%i%%", entry.chance);
        rows.push_back(std::move(row));
    }
    if (rows.empty() && addEmptyRow)
        rows.push_back({"EMPTY", kEmptyImage, LootRow::kNotAnItem, Format("%i%%", 100), {}});
    return rows;
}
