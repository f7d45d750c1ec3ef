// Single records of the scenario database in every text form: an item, a monster and a loot
// record put in place of demo records, so that small inputs reach every rule of the text forms
// (the scenario target covers reading the whole file). The input: edition and slots in its
// first four bytes, then the item, the monster and the loot record; what it leaves out is zero.

#include "testing/GameDataSeam.h"
#include "fuzz/FuzzStore.h"
#include "gamedata/ScenarioFile.h"
#include "testing/Exercise.h"

#include <algorithm>
#include <vector>

namespace {

// Puts bytes over one record of a table for as long as the object lives.
class PlacedRecord {
public:
    PlacedRecord(std::vector<uint8_t>& table, size_t size, int slot, const uint8_t* bytes)
        : m_place(table.begin() + static_cast<std::ptrdiff_t>(size * static_cast<size_t>(slot))),
          m_saved(m_place, m_place + static_cast<std::ptrdiff_t>(size))
    {
        std::copy_n(bytes, size, m_place);
    }
    ~PlacedRecord() { std::copy(m_saved.begin(), m_saved.end(), m_place); }

private:
    std::vector<uint8_t>::iterator m_place;
    std::vector<uint8_t> m_saved;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace scenario;
    constexpr size_t kHead = 4;
    if (size < kHead)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    const int item = (data[1] | (data[0] & 0xFE) << 7) % kItemCount;
    const int monster = data[2] % kMonsterCount;
    const int loot = data[3] % kLootCount;

    std::vector<uint8_t> input(data + kHead, data + size);
    input.resize(kItemSize + kMonsterSize + kLootSize, 0);
    GameDataSeam seam(game);
    if (seam.Items().size() < kItemSize * kItemCount || seam.Monsters().size() < kMonsterSize * kMonsterCount ||
        seam.LootTable().size() < kLootSize * kLootCount)
        return 0;
    const PlacedRecord placedItem(seam.Items(), kItemSize, item, input.data());
    const PlacedRecord placedMonster(seam.Monsters(), kMonsterSize, monster, input.data() + kItemSize);
    const PlacedRecord placedLoot(seam.LootTable(), kLootSize, loot, input.data() + kItemSize + kMonsterSize);
    exercise::Item(game, item);
    exercise::Monster(game, monster);
    exercise::Loot(game, loot);
    return 0;
}
