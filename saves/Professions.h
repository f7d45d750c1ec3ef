#pragma once
// The professions dialog: how a character stands against each profession's requirements.

#include "saves/CharacterRecord.h"
#include "saves/CharacterTables.h"
#include "saves/Shades.h"

#include <array>
#include <string>
#include <vector>

class CGameData;

struct ProfessionCell {
    int value = 0;
    std::string text;
    Shade shade = Shade::Normal; // Current in the character's own row, else Allowed or Normal
};

struct ProfessionRow {
    int profession = 0; // the row's data
    std::string name;
    int icon = 0; // an image of the small item images
    Shade shade = Shade::Normal;
    std::array<ProfessionCell, character::kRacedAttributes> cells;
};

// The column headers: "Profession", then the first three characters of attributes 0 to 6.
std::vector<std::string> ProfessionColumns(const CGameData& game);

// The value of attribute a in profession p's row: the character's own in its current
// profession; where the requirement is met, the requirement raised to the race's base (the
// value just after changing to p); otherwise the shortage, negative.
int ProfessionValue(const CharacterRecord& record, int profession, int attribute);

// Professions 0 to 13 in order; profession 8 only for gender codes other than 0.
std::vector<ProfessionRow> ProfessionRows(const CGameData& game, const CharacterRecord& record);
