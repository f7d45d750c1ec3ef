#include "saves/Offers.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ItemName.h"
#include "items/LootRecord.h"
#include "saves/NpcFields.h"
#include "saves/SaveText.h"

#include <optional>

using namespace offers;

namespace {

// An NPC state slot that names one of the twenty records; 20 and above name none.
const NpcState* StateOf(const WorldState& world, int slot)
{
    return slot < world::kNpcStates ? world.StateOf(slot) : nullptr;
}

// The stock rolls in order; none once the file's bytes are used up.
class Rolls {
public:
    explicit Rolls(const std::vector<uint8_t>& rolls) : m_rolls(rolls) {}
    std::optional<uint8_t> Next()
    {
        if (m_next >= m_rolls.size())
            return std::nullopt;
        return m_rolls[m_next++];
    }

private:
    const std::vector<uint8_t>& m_rolls;
    size_t m_next = 0;
};

struct LootEntry {
    int valueA, valueB, kind, chance;
};

LootEntry EntryOf(const LootRecord& loot, int k)
{
    const ByteReader entry = loot.Entry(k);
    return {entry.S16(0), entry.S16(2), entry.U8(4), entry.S8(5)};
}

OfferRow ItemRow(const CGameData& game, int item)
{
    return {savetext::ItemName(game, item, true), savetext::ItemPicture(game, item), item};
}

// Adds the rows of the loot record's first eight entries, until the rolls run out.
void AddLoot(const CGameData& game, const WorldState& world, int lootNumber, std::vector<OfferRow>& rows)
{
    const LootRecord loot(game.GetLootRecord(lootNumber));
    if (!loot.Valid())
        return;
    const int availability = world.availabilityLevel.value_or(0);
    Rolls rolls(world.rolls);
    for (int k = 0; k < kLootEntries; ++k) {
        const LootEntry entry = EntryOf(loot, k);
        if (entry.kind == 1) {
            std::optional<uint8_t> roll = rolls.Next();
            if (!roll)
                return;
            if (*roll < entry.chance)
                rows.push_back({Format("%i-%i gp", entry.valueB, entry.valueA), kGoldPicture, -1});
            continue;
        }
        if (entry.kind != 2 && entry.kind != 3)
            continue;
        if (entry.kind == 3 && entry.chance > availability)
            continue; // beyond the party's availability level: no rolls taken
        const int threshold = entry.kind == 3 ? kFixedChance : entry.chance;
        for (int i = 0; i < entry.valueB && static_cast<int>(rows.size()) < kMaxRows; ++i) {
            std::optional<uint8_t> roll = rolls.Next();
            if (!roll)
                return;
            if (*roll < threshold)
                rows.push_back(ItemRow(game, entry.valueA + i));
        }
    }
}

std::string StatusOf(const WorldState& world, const MonsterRecord& monster)
{
    if (const NpcState* state = StateOf(world, npc::StateSlotOf(monster)))
        return state->Dead() ? "Dead" : "Alive";
    const int id = npc::IdOf(monster);
    return id && world.IsDead(id) ? "Dead" : "Alive";
}

} // namespace

std::vector<NpcEntry> BuildNpcEntries(const CGameData& game)
{
    std::vector<NpcEntry> entries;
    for (int number = 0; number < game.MonsterCount(); ++number) {
        const MonsterRecord monster(game.GetMonster(number));
        if (!npc::IdOf(monster))
            continue;
        const int alliance = npc::AllianceOf(monster);
        entries.push_back({ExpandItemName(monster.name()), (alliance > 254 ? 9 : alliance) - 1, number});
    }
    entries.push_back({"RATSKEL' SHOP (BLIENMEIS)", 6, kFirstShop});
    entries.push_back({"UMPANI' SHOP", 2, kSecondShop});
    return entries;
}

Offers BuildOffers(const CGameData& game, const WorldState& world, int entry)
{
    Offers offers;
    if (entry < 0) {
        AddLoot(game, world, -entry, offers.rows);
        return offers;
    }
    const uint8_t* bytes = game.GetMonster(entry);
    if (!bytes)
        return offers;
    const MonsterRecord monster(bytes);
    if (const NpcState* state = StateOf(world, npc::StateSlotOf(monster)))
        for (int item : state->HeldItems())
            offers.rows.push_back(ItemRow(game, item));
    AddLoot(game, world, monster.lootIndex(), offers.rows);
    offers.status = StatusOf(world, monster);
    return offers;
}
