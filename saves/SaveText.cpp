#include "saves/SaveText.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "items/ItemName.h"
#include "items/ItemRecord.h"

namespace savetext {

std::string Dice(int bonus, int count, int sides)
{
    const int minimum = count + bonus;
    const int maximum = count * sides + bonus;
    if (bonus != 0)
        return Format("%id%i+%i (%i to %i)", count, sides, bonus, minimum, maximum);
    if (count == 0 && sides == 0)
        return {};
    return Format("%id%i (%i to %i)", count, sides, minimum, maximum);
}

std::string Thousands(uint32_t number)
{
    const std::string digits = Format("%u", number);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

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
