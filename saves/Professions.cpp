#include "saves/Professions.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"

#include <algorithm>

using namespace character;

std::vector<std::string> ProfessionColumns(const CGameData& game)
{
    std::vector<std::string> columns{"Profession"};
    for (int a = 0; a < kRacedAttributes; ++a)
        columns.push_back(game.AttributeName(a).substr(0, 3));
    return columns;
}

int ProfessionValue(const CharacterRecord& record, int profession, int attribute)
{
    const int own = record.attribute(attribute);
    if (profession == record.profession() || profession < 0 || profession >= kProfessionCount || attribute < 0 ||
        attribute >= kRacedAttributes)
        return own;
    const int required = kProfessionRequirements[profession][attribute];
    const int8_t margin = static_cast<int8_t>(own - required);
    if (margin < 0)
        return margin;
    const AttributeRow* base = RaceBase(record.race());
    return base ? std::max<int>(required, (*base)[attribute]) : required;
}

std::vector<ProfessionRow> ProfessionRows(const CGameData& game, const CharacterRecord& record)
{
    std::vector<ProfessionRow> rows;
    for (int p = 0; p < kProfessionCount; ++p) {
        if (p == kGenderedProfession && record.gender() == 0)
            continue;
        const bool current = p == record.profession();
        ProfessionRow& row = rows.emplace_back();
        row.profession = p;
        row.name = game.ProfessionName(p);
        row.icon = kProfessionIcons[p];
        bool allMet = true;
        for (int a = 0; a < kRacedAttributes; ++a) {
            const bool met = record.attribute(a) >= kProfessionRequirements[p][a];
            allMet = allMet && met;
            ProfessionCell& cell = row.cells[a];
            cell.value = ProfessionValue(record, p, a);
            cell.text = Format("%i", cell.value);
            cell.shade = current ? Shade::Current : met ? Shade::Allowed : Shade::Normal;
        }
        row.shade = allMet ? (current ? Shade::Current : Shade::Allowed) : Shade::Normal;
    }
    return rows;
}
