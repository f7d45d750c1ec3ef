#include "items/TextForms.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"

std::string FormatDice(const ByteReader& record, size_t bonusOffset, size_t countOffset, size_t sidesOffset)
{
    return FormatDice(record.S16(bonusOffset), record.U8(countOffset), record.U8(sidesOffset));
}

std::string FormatDice(int bonus, int count, int sides)
{
    const int minimum = count + bonus, maximum = count * sides + bonus;
    if (bonus != 0)
        return Format("%id%i+%i (%i to %i)", count, sides, bonus, minimum, maximum);
    if (count == 0 && sides == 0)
        return {};
    return Format("%id%i (%i to %i)", count, sides, minimum, maximum);
}

std::string FormatThousands(int64_t number)
{
    const uint64_t magnitude = number < 0 ? 0 - static_cast<uint64_t>(number) : static_cast<uint64_t>(number);
    const std::string digits = std::to_string(magnitude);
    std::string text = number < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string CreatureTypeName(const CGameData& game, int code)
{
    static constexpr const char* kTypes[] = {"Giant",  "Unknown",     "Animal", "Plant",     "Insect",
                                             "Ooze",   "Undead",      "Demon",  "Android",   "Sea Monster",
                                             "Dragon", "Legendary",   "Robot",  "Deza Zevaro"};
    if (code >= 0 && code <= 13)
        return game.ProfessionName(code);
    if (code >= 14 && code <= 27)
        return kTypes[code - 14];
    return "Unknown";
}

std::string AttackRangeName(int code)
{
    static constexpr const char* kRanges[] = {"SHORT", "EXTENDED", "THROW", "LONG"};
    return code >= 0 && code < 4 ? kRanges[code] : "";
}

std::string FormatSignedOrEmpty(int8_t value, uint8_t flag)
{
    return value == 0 && flag == 0 ? std::string() : Format("%+i", value);
}

int EffectIcon(int effect)
{
    static constexpr int kIcons[8] = {0, 1, 8, 6, 2, 13, 10, 0};
    return effect >= 0 && effect < 8 ? kIcons[effect] : 0;
}

std::string DropLast(std::string text, size_t count)
{
    text.resize(text.size() > count ? text.size() - count : 0);
    return text;
}

std::string Join(const std::vector<std::string>& entries, const std::string& separator)
{
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i)
        text += (i ? separator : "") + entries[i];
    return text;
}
