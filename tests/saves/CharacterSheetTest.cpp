// What the Save File Viewer shows of a character: text forms, shades, conditions and attacks.

#include "saves/CharacterSheet.h"
#include "saves/SaveText.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

namespace {

CharacterSheet Sheet(const Game& game, const SaveCharacter& character, bool guild = false, bool deleted = false)
{
    const Record bytes = gamebuild::CharacterRecordBytes(character);
    return BuildCharacterSheet(*game.data, CharacterRecord(bytes.data()), guild, deleted);
}

} // namespace

TEST(CharacterText, FieldsShowTheirValuesAndShades)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.hitPoints = 5, c.maxHitPoints = 12, c.carrying = 705, c.maxCarrying = 1000, c.loadState = 2;
    c.race = 3, c.gender = 1, c.profession = 13, c.rank = 9, c.experience = 1000;
    c.regenFirst = 1, c.regenSecond = 3, c.swingDie = 4, c.baseMissChance = -5;
    CharacterSheet sheet = Sheet(game, c);
    EXPECT_EQ(sheet.hitPoints, "5/12");
    EXPECT_EQ(sheet.carrying.text, "70.5/100.0");
    EXPECT_EQ(sheet.carrying.shade, Shade::MediumLoad);
    EXPECT_EQ(sheet.race, "Race 3");
    EXPECT_EQ(sheet.sex, "Female");
    EXPECT_EQ(sheet.rank, "Rank 139");
    EXPECT_EQ(sheet.experience, "1,000");
    EXPECT_EQ(sheet.regen.text, "-2");
    EXPECT_EQ(sheet.regen.shade, Shade::Worse);
    EXPECT_EQ(sheet.swings, "1d4");
    EXPECT_EQ(sheet.baseMissChance, "-5");
    EXPECT_EQ(sheet.maxPreviousLevel, "") << "0 shows empty";
    EXPECT_EQ(sheet.totalBonus, "") << "save files show no total";

    c.regenSecond = 1, c.gender = 2, c.loadState = 7, c.maxPreviousLevel = 3;
    sheet = Sheet(game, c);
    EXPECT_EQ(sheet.regen.text, "") << "regeneration 0 shows empty";
    EXPECT_EQ(sheet.sex, "") << "only genders 0 and 1 have names";
    EXPECT_EQ(sheet.carrying.shade, Shade::HeavyLoad);
    EXPECT_EQ(sheet.maxPreviousLevel, "3");
    c.regenFirst = 4;
    EXPECT_EQ(Sheet(game, c).regen.shade, Shade::Better);
}

TEST(CharacterText, BodyPartsAddTheModifiersAndTheLoadPenalty)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.armourBase = 4, c.armourShield = -2, c.armourMisc = 1, c.loadState = 3;
    c.armourParts = {4, 2, 125, 4, -128};
    const CharacterSheet sheet = Sheet(game, c);
    EXPECT_EQ(sheet.armourBase.text, "+4");
    EXPECT_EQ(sheet.armourShield.shade, Shade::Better);
    EXPECT_EQ(sheet.armourMisc.shade, Shade::Worse);
    EXPECT_EQ(sheet.armourLoad.text, "+4") << "load state 3 and above costs 4";
    EXPECT_EQ(sheet.bodyParts[0].text, "+7");
    EXPECT_EQ(sheet.bodyParts[0].shade, Shade::Normal) << "same as the base";
    EXPECT_EQ(sheet.bodyParts[1].shade, Shade::Differs);
    EXPECT_EQ(sheet.bodyParts[2].text, "-128") << "an 8-bit sum";
    EXPECT_EQ(sheet.bodyParts[4].text, "-125");
    c.loadState = 0, c.armourShield = 0, c.armourMisc = 0;
    EXPECT_EQ(Sheet(game, c).armourLoad.shade, Shade::Normal);
}

TEST(CharacterText, ConditionsGetTheirImagesAndTrimmedNames)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.conditions = {0, 2, 0, 0, 0, 0, 9, 0, 1};
    const CharacterSheet sheet = Sheet(game, c);
    ASSERT_EQ(sheet.conditions.size(), 3u);
    EXPECT_EQ(sheet.conditions[0].image, 0);
    EXPECT_EQ(sheet.conditions[0].tip, "Nauseous, power 2") << "condition 1 drops its first word";
    EXPECT_EQ(sheet.conditions[1].image, 4);
    EXPECT_EQ(sheet.conditions[1].tip, "Irritated, power 9") << "condition 6 also ends at its \"!\"";
    EXPECT_EQ(sheet.conditions[2].image, 5);
    EXPECT_EQ(sheet.conditions[2].tip, "Insane, power 1") << "condition 8 is named by text 18";
}

TEST(CharacterText, GuildCharactersShowTheirMarkAndAttributeBonus)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.race = 6; // base sum 57
    c.attributes = {12, 6, 6, 15, 9, 11, 4, 30};
    CharacterSheet sheet = Sheet(game, c, true, true);
    EXPECT_EQ(sheet.totalBonus, "Total / Bonus: 63/6") << "attribute 7 is not counted";
    EXPECT_EQ(sheet.deleted.text, "DELETED!");
    EXPECT_EQ(sheet.deleted.shade, Shade::Worse);
    EXPECT_EQ(Sheet(game, c, true, false).deleted.text, "");
    c.race = 11;
    EXPECT_EQ(Sheet(game, c, true, false).totalBonus, "") << "a race without base attributes shows no total";
}

TEST(CharacterText, AttacksNameTheirWeaponsOrFallBack)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.items[2] = {7, 1, 0x81};
    c.items[4] = {9, 1, 0x01};
    c.primary = {-1, 2, 4, {0, 0, 25, 0, 0, 10}, 3, -2, 0x05, 1};
    c.secondary = {0, 1, 6, {0, 5}, 0, 0, 0, 0};

    c.primarySlot = 2, c.secondarySlot = 4;
    CharacterAttacks attacks = Sheet(game, c).attacks;
    EXPECT_EQ(attacks.primary.weapon, "Robe of Light");
    EXPECT_EQ(attacks.primary.damage, "2d4+-1 (1 to 7)");
    EXPECT_EQ(attacks.primary.modes, "SWING BASH");
    EXPECT_EQ(attacks.primary.missModifier, "-2");
    ASSERT_EQ(attacks.primary.specials.size(), 2u);
    EXPECT_EQ(attacks.primary.specials[0].text, "Poison 25%, Str 3");
    EXPECT_EQ(attacks.primary.specials[0].icon, 8);
    EXPECT_EQ(attacks.primary.specials[1].text, "Drain 10%");
    EXPECT_EQ(attacks.primary.specials[1].icon, 13);
    EXPECT_EQ(attacks.secondary.weapon, "Item 9");
    EXPECT_EQ(attacks.secondary.damage, "1d6 (1 to 6)");

    c.secondarySlot = -1; // one weapon: the second attack shows only its special attacks
    attacks = Sheet(game, c).attacks;
    EXPECT_EQ(attacks.secondary.weapon, "");
    EXPECT_EQ(attacks.secondary.damage, "");
    EXPECT_EQ(attacks.secondary.missModifier, "");
    ASSERT_EQ(attacks.secondary.specials.size(), 1u);
    EXPECT_EQ(attacks.secondary.specials[0].text, "Paralyze 5%");

    c.primarySlot = -1, c.secondarySlot = 5; // bare hands, and an empty slot
    attacks = Sheet(game, c).attacks;
    EXPECT_EQ(attacks.primary.weapon, "Skill 9");
    EXPECT_EQ(attacks.secondary.weapon, "Skill 9");
    EXPECT_EQ(attacks.secondary.damage, "1d6 (1 to 6)");

    c.primarySlot = 5, c.secondarySlot = 40; // a slot number beyond the 20 slots holds nothing
    attacks = Sheet(game, c).attacks;
    EXPECT_EQ(attacks.primary.weapon, "Skill 9");
    EXPECT_EQ(attacks.secondary.weapon, "") << "no fall-back while a primary slot is set";
}
