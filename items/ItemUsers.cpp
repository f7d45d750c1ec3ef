// Who may use an item: races, professions and genders, as letters and as lists.

#include "items/ItemText.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"

namespace {

constexpr int kRaces = 11, kProfessions = 14, kGenders = 2;

// The game's text is 8-bit (Windows-1252): its accented capitals lie 32 below their small letters.
char Lower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 32);
    return c;
}

template <typename Allowed, typename Name>
std::string Letters(int count, Allowed allowed, Name name)
{
    std::string letters;
    for (int i = 0; i < count; ++i) {
        const std::string& text = name(i);
        const char first = text.empty() ? '?' : text[0]; // a name the list lacks still keeps its place
        letters += allowed(i) ? first : Lower(first);
    }
    return letters;
}

template <typename Allowed, typename Name>
AllowedLists Lists(int count, Allowed allowed, Name name)
{
    AllowedLists lists;
    for (int i = 0; i < count; ++i)
        (allowed(i) ? lists.allowed : lists.restricted).push_back(name(i));
    return lists;
}

} // namespace

std::string ItemRacesText(const CGameData& game, const ItemRecord& item)
{
    return Letters(kRaces, [&](int i) { return item.RaceAllowed(i); },
                   [&](int i) -> const std::string& { return game.RaceName(i); });
}

std::string ItemProfessionsText(const CGameData& game, const ItemRecord& item)
{
    return Letters(kProfessions, [&](int i) { return item.ProfessionAllowed(i); },
                   [&](int i) -> const std::string& { return game.ProfessionName(i); });
}

std::string ItemGenderText(const CGameData& game, const ItemRecord& item)
{
    return Letters(kGenders, [&](int i) { return item.GenderAllowed(i); },
                   [&](int i) -> const std::string& { return game.GenderName(i); });
}

AllowedLists FillRaceLists(const CGameData& game, const ItemRecord& item)
{
    return Lists(kRaces, [&](int i) { return item.RaceAllowed(i); }, [&](int i) { return game.RaceName(i); });
}

AllowedLists FillProfessionLists(const CGameData& game, const ItemRecord& item)
{
    return Lists(kProfessions, [&](int i) { return item.ProfessionAllowed(i); },
                 [&](int i) { return game.ProfessionName(i); });
}

std::string ItemGenderLongText(const CGameData& game, const ItemRecord& item)
{
    const bool first = item.GenderAllowed(0), second = item.GenderAllowed(1);
    if (first && second)
        return Format("%s & %s", game.GenderName(0).c_str(), game.GenderName(1).c_str());
    if (first || second)
        return Format("%s only", game.GenderName(first ? 0 : 1).c_str());
    return "None";
}
