// The professions dialog: which professions are listed, the value rule and the shades.

#include "saves/Professions.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

namespace {

std::vector<ProfessionRow> Rows(const Game& game, const SaveCharacter& character)
{
    const Record bytes = gamebuild::CharacterRecordBytes(character);
    return ProfessionRows(*game.data, CharacterRecord(bytes.data()));
}

const ProfessionRow& RowOf(const std::vector<ProfessionRow>& rows, int profession)
{
    for (const ProfessionRow& row : rows)
        if (row.profession == profession)
            return row;
    static const ProfessionRow none;
    ADD_FAILURE() << "no row for profession " << profession;
    return none;
}

} // namespace

TEST(Professions, ProfessionEightIsListedOnlyForGendersOtherThanZero)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.gender = 0;
    EXPECT_EQ(Rows(game, c).size(), 13u);
    c.gender = 1;
    const std::vector<ProfessionRow> rows = Rows(game, c);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[8].name, "Calling 8");
    EXPECT_EQ(rows[8].icon, 90);
    EXPECT_EQ(ProfessionColumns(*game.data),
              (std::vector<std::string>{"Profession", "Str", "Int", "Pie", "Vit", "Dex", "Spe", "Per"}));
}

TEST(Professions, ValuesAreRaisedRequirementsShortagesOrTheCharactersOwn)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.race = 3;       // bases 10, 7, 13, 10, 8, 6, 6
    c.profession = 1; // needs Int 12
    c.attributes = {12, 12, 12, 9, 11, 5, 20, 0};

    const std::vector<ProfessionRow> rows = Rows(game, c);
    const ProfessionRow& warrior = RowOf(rows, 0); // needs Str 12
    EXPECT_EQ(warrior.cells[0].value, 12) << "met exactly: the requirement";
    EXPECT_EQ(warrior.cells[0].shade, Shade::Allowed);
    EXPECT_EQ(warrior.cells[2].value, 13) << "no requirement: raised to the race's base";
    EXPECT_EQ(warrior.cells[5].value, 6);
    EXPECT_EQ(warrior.shade, Shade::Allowed) << "every requirement met";

    const ProfessionRow& all = RowOf(rows, 10); // 12, 9, 12, 12, 9, 9, 14
    EXPECT_EQ(all.cells[3].value, -3) << "the shortage";
    EXPECT_EQ(all.cells[3].text, "-3");
    EXPECT_EQ(all.cells[3].shade, Shade::Normal);
    EXPECT_EQ(all.cells[6].value, 14);
    EXPECT_EQ(all.shade, Shade::Normal);

    const ProfessionRow& own = RowOf(rows, 1);
    EXPECT_EQ(own.cells[1].value, 12);
    EXPECT_EQ(own.cells[5].value, 5) << "the character's own value, below the race base";
    EXPECT_EQ(own.cells[5].shade, Shade::Current);
    EXPECT_EQ(own.shade, Shade::Current);

    c.race = 200; // a race without a row: requirements are not raised
    EXPECT_EQ(RowOf(Rows(game, c), 0).cells[2].value, 0);
    c.attributes[1] = 3; // its own profession's requirement no longer met
    EXPECT_EQ(RowOf(Rows(game, c), 1).shade, Shade::Normal);
}
