#include "saves/SaveText.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ItemName.h"
#include "items/ItemRecord.h"

namespace savetext {

std::string Signed(int value) { return Format("%+i", value); }

std::string ItemName(const CGameData& game, int item, bool identified)
{
    const uint8_t* bytes = game.GetItem(item);
    if (!bytes)
        return {};
    ItemRecord record(bytes);
    return identified ? ExpandItemName(record.name()) : game.UnidentifiedName(record.picture());
}

int ItemPicture(const CGameData& game, int item) { return ItemRecord(game.GetItem(item)).picture(); }

} // namespace savetext
