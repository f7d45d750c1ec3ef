#include "saves/CharacterLists.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ItemName.h"
#include "saves/NpcFields.h"
#include "saves/SaveText.h"

namespace {
constexpr int kCursedWord = 19; // of the item words
} // namespace

CharacterItemLists BuildCharacterItems(const CGameData& game, const CharacterRecord& record)
{
    CharacterItemLists lists;
    for (int k = 0; k < character::kItemSlots; ++k) {
        const ItemSlot slot = record.itemSlot(k);
        if (!slot.item())
            continue;
        const bool first = k < character::kFirstListSlots;
        CharacterItemRow& row = (first ? lists.first : lists.second).emplace_back();
        row.slot = k;
        row.name = savetext::ItemName(game, slot.item(), slot.identified());
        row.image = savetext::ItemPicture(game, slot.item());
        row.data = slot.identified() ? slot.item() : -1;
        if (first && slot.equipped())
            row.equipped = "equipped";
        if (first && slot.cursed())
            row.cursed = game.ItemWord(kCursedWord);
        if (slot.identified() && slot.count() >= 1)
            row.count = Format("%i", slot.count());
    }
    return lists;
}

std::vector<NpcAttitudeRow> BuildNpcAttitudes(const CGameData& game, const CharacterRecord& record)
{
    std::vector<NpcAttitudeRow> rows;
    for (int number = 0; number < game.MonsterCount(); ++number) {
        const MonsterRecord monster(game.GetMonster(number));
        const int id = npc::IdOf(monster);
        if (!id)
            continue;
        NpcAttitudeRow& row = rows.emplace_back();
        row.text = Format("%s {id %i} {NPC id %i}", ExpandItemName(monster.name()).c_str(), number, id);
        row.image = npc::AllianceOf(monster) - 1;
        if (id < character::kNpcs)
            row.attitude = Format("%i", record.attitude(id));
        row.data = number;
    }
    return rows;
}
