// The Item List's rows, filters and sort order.

#include "gamedata/NameLists.h"
#include "testing/GameDataSeam.h"
#include "items/ItemListContent.h"
#include "items/ItemText.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace itemlist;

class ItemListContent : public ::testing::Test, protected ItemTable {
protected:
    ItemRecord Item(int number) { return ItemRecord(Game().GetItem(number)); }
    std::vector<int> Passing(const ItemListFilter& filter)
    {
        std::vector<int> numbers;
        for (const ItemListRow& row : ItemListRows(Game(), filter))
            numbers.push_back(row.number);
        return numbers;
    }
    std::vector<int> Sorted(int column, bool descending)
    {
        std::vector<ItemListRow> rows = ItemListRows(Game(), {});
        SortRows(Game(), rows, column, descending);
        std::vector<int> numbers;
        for (const ItemListRow& row : rows)
            numbers.push_back(row.number);
        return numbers;
    }
};

using Numbers = std::vector<int>;

} // namespace

TEST_F(ItemListContent, ARowHoldsTheShortFormOfEachColumnAndThePicture)
{
    const int dagger = Add("Dagger");
    Set(dagger).U8(56, 0).U8(57, 14).U16(36, 15).U32(22, 250).U8(32, 1).U8(33, 4).U8(55, 8).U8(42, 10);
    Add("");
    const ItemListRow row = ItemListRowOf(Game(), dagger);
    EXPECT_EQ(row.number, dagger);
    EXPECT_EQ(row.image, 14);
    EXPECT_EQ(row.texts[kName], "Dagger");
    EXPECT_EQ(row.texts[kType], "Short");
    EXPECT_EQ(row.texts[kSkill], "skill1");
    EXPECT_EQ(row.texts[kWeight], "1.5");
    EXPECT_EQ(row.texts[kPrice], "250");
    EXPECT_EQ(row.texts[kDamage], "1d4 (1 to 4)");
    EXPECT_EQ(row.texts[kPrimarySecondary], "P/S");
    EXPECT_EQ(row.texts[kHands], "1H");
    EXPECT_EQ(row.texts[kEffects], ItemEffectsText(Game(), Item(dagger)));
    EXPECT_EQ(ItemListRowOf(Game(), 1).texts[kName], "?Unknown Item?");
}

TEST_F(ItemListContent, ColumnsAreNamedOrNumbered)
{
    EXPECT_EQ(ColumnNamed("name"), kName);
    EXPECT_EQ(ColumnNamed("to hit"), kToHit);
    EXPECT_EQ(ColumnNamed("attack modes"), kAttackModes);
    EXPECT_EQ(ColumnNamed("8"), kDamage);
    EXPECT_EQ(ColumnNamed("21"), -1);
    EXPECT_EQ(ColumnNamed("-1"), -1);
    EXPECT_EQ(ColumnNamed("Name"), -1);
    EXPECT_EQ(ColumnNamed(""), -1);
    int images = 0;
    for (const ColumnHeader& column : kColumns)
        images += column.image >= 0;
    EXPECT_EQ(images, 7);
    EXPECT_EQ(kColumns[kGender].image, 6);
    EXPECT_EQ(ItemCountText(571), "571 items");
}

TEST_F(ItemListContent, TypeAndSkillCombosRestrictAndAnyLetsAllThrough)
{
    const int sword = Add("Sword"), bow = Add("Bow"), odd = Add("Odd Blade"), shield = Add("Shield");
    Set(sword).U8(56, 0).U8(57, 1);  // skill 1
    Set(bow).U8(56, 3).U8(57, 11);   // skill 7
    Set(odd).U8(56, 1).U8(57, 200);  // a picture in no skill table: skill 0
    Set(shield).U8(56, 5);
    EXPECT_EQ(Passing({}), (Numbers{sword, bow, odd, shield}));
    ItemListFilter filter;
    filter.type = 3;
    EXPECT_EQ(Passing(filter), (Numbers{bow}));
    filter = {};
    filter.skill = 0;
    EXPECT_EQ(Passing(filter), (Numbers{odd}));
    filter.skill = 7;
    EXPECT_EQ(Passing(filter), (Numbers{bow}));
    filter.skill = 1;
    filter.type = 3;
    EXPECT_TRUE(Passing(filter).empty()) << "both must hold";
}

TEST_F(ItemListContent, CheckedListsLetThroughItemsWithOneTickedEntryAndNoneWhenNothingIsTicked)
{
    const int poison = Add("Poisoner"), fire = Add("Fire Ring"), both = Add("Cold Ring"), plain = Add("Plain");
    Set(poison).U8(44, 30);
    Set(fire).U8(40, 0x25);              // 50% code 2
    Set(both).U8(40, 0x01).U8(41, 0x33); // code 0 (never matches), then code 3
    Set(plain).U8(56, 0).U8(55, 4);      // a two-handed primary weapon

    ItemListFilter filter;
    filter.byEffects = true;
    EXPECT_TRUE(Passing(filter).empty());
    filter.effects[2] = true;
    EXPECT_EQ(Passing(filter), (Numbers{poison}));
    filter.effects = {};
    filter.effects[0] = true;
    EXPECT_TRUE(Passing(filter).empty());

    filter = {};
    filter.byResistances = true;
    EXPECT_TRUE(Passing(filter).empty());
    filter.resistances[1] = true; // code 2
    EXPECT_EQ(Passing(filter), (Numbers{fire}));
    filter.resistances[2] = true; // and code 3, held second
    EXPECT_EQ(Passing(filter), (Numbers{fire, both}));

    filter = {};
    filter.byProperties = true;
    EXPECT_TRUE(Passing(filter).empty());
    filter.properties[5] = true; // 2H
    EXPECT_EQ(Passing(filter), (Numbers{plain}));
    filter.properties[4] = true; // 1H: every other weapon; the rings are type 0 as well
    EXPECT_EQ(Passing(filter), (Numbers{poison, fire, both, plain}));
}

TEST_F(ItemListContent, PropertiesMatchTheirFieldsAndHandsOnlyForWeapons)
{
    const int item = Add("Thing");
    Set(item).U8(56, 11);
    for (int row = 0; row < kPropertyRows; ++row)
        EXPECT_FALSE(HasProperty(Item(item), row)) << row;
    Set(item).U8(61, 1).U8(60, 0x10).U8(35, 2).U8(62, 3).U8(55, 12);
    EXPECT_TRUE(HasProperty(Item(item), 0));
    EXPECT_TRUE(HasProperty(Item(item), 1));
    EXPECT_TRUE(HasProperty(Item(item), 2)) << "a spell level alone counts";
    EXPECT_TRUE(HasProperty(Item(item), 3));
    for (int row = 4; row < kPropertyRows; ++row)
        EXPECT_FALSE(HasProperty(Item(item), row)) << "not a weapon: " << row;
    Set(item).U8(56, 4);
    EXPECT_TRUE(HasProperty(Item(item), 5));
    EXPECT_TRUE(HasProperty(Item(item), 7));
    EXPECT_FALSE(HasProperty(Item(item), 4));
    EXPECT_FALSE(HasProperty(Item(item), 6));
    EXPECT_FALSE(HasProperty(Item(item), 8));
}

TEST_F(ItemListContent, DamageSortsByItsAverageAndEqualAveragesKeepTheirOrder)
{
    const int d8 = Add("A"), d4 = Add("B"), d6 = Add("C");
    Set(d8).U8(32, 1).U8(33, 8);                  // 4.5
    Set(d4).U8(32, 2).U8(33, 4);                  // 5.0
    Set(d6).U8(32, 1).U8(33, 6).U16(30, 1);       // 4.5
    EXPECT_EQ(Sorted(kDamage, false), (Numbers{d8, d6, d4}));
    EXPECT_EQ(Sorted(kDamage, true), (Numbers{d4, d8, d6}));
}

TEST_F(ItemListContent, NumericColumnsCompareValuesNotTexts)
{
    const int a = Add("a"), b = Add("b"), c = Add("c");
    Set(a).U32(22, 900).U8(64, static_cast<uint8_t>(-2)).U8(65, 10).U8(60, 0x20).U16(36, 100);
    Set(b).U32(22, 3000000000u).U8(64, 5).U8(65, static_cast<uint8_t>(-1)).U8(60, 0x01).U16(36, 9);
    Set(c).U32(22, 1000).U8(65, 2).U16(36, static_cast<uint16_t>(-5));
    EXPECT_EQ(Sorted(kPrice, false), (Numbers{a, c, b})) << "the price is unsigned, as shown";
    EXPECT_EQ(Sorted(kArmorClass, false), (Numbers{b, c, a})) << "by the value shown: -5, 0, +2";
    EXPECT_EQ(Sorted(kToHit, false), (Numbers{b, c, a}));
    EXPECT_EQ(Sorted(kRegen, false), (Numbers{a, c, b})) << "-2, 0, +1";
    EXPECT_EQ(Sorted(kWeight, true), (Numbers{a, b, c}));
}

TEST_F(ItemListContent, LetterColumnsAreCaseSensitiveAndTextColumnsAreNot)
{
    const int upper = Add("beta"), lower = Add("Alpha"), mixed = Add("alpha2");
    Set(upper).U8(52, 0xFF).U8(53, 0x07);  // every race: capitals
    Set(mixed).U8(52, 0x01);
    EXPECT_EQ(Sorted(kName, false), (Numbers{lower, mixed, upper}));
    // Capitals sort before small letters; descending puts rows beginning with a small letter first.
    EXPECT_EQ(Sorted(kRaces, false), (Numbers{upper, mixed, lower}));
    EXPECT_EQ(Sorted(kRaces, true), (Numbers{lower, mixed, upper}));
    EXPECT_LT(CompareTextIgnoringCase("ABC", "abd"), 0);
    EXPECT_EQ(CompareTextIgnoringCase("Abc", "aBC"), 0);
    EXPECT_LT(CompareTextIgnoringCase("ab", "abc"), 0);
    EXPECT_LT(CompareTextIgnoringCase("_", "a"), 0) << "letters compare as small letters";
    EXPECT_GT(CompareTextIgnoringCase("\x80", "\xFF"), 0) << "the euro sign lies beyond the 8-bit range";
}

TEST_F(ItemListContent, FilterChoicesComeFromTheNameLists)
{
    const std::vector<FilterChoice> types = ItemTypeChoices(Game());
    // Entries 20 to n - 2 of the type names: the last one is left out.
    ASSERT_EQ(types.size(), 6u);
    EXPECT_EQ(types[0].text, "Short");
    EXPECT_EQ(types[0].data, 0);
    EXPECT_EQ(types[4].text, "Ammunition");
    EXPECT_EQ(types[4].data, 4);
    EXPECT_EQ(types[5].text, "-any-");
    EXPECT_EQ(types[5].data, kAny);
    const std::vector<FilterChoice> skills = WeaponSkillChoices(Game());
    ASSERT_EQ(skills.size(), 9u);
    EXPECT_EQ(skills[7].text, "skill7");
    EXPECT_EQ(skills[8].data, kAny);

    const std::vector<IconEntry> effects = EffectFilterRows(Game());
    ASSERT_EQ(effects.size(), 8u);
    EXPECT_EQ(effects[2].text, "Poison");
    EXPECT_EQ(effects[2].icon, EffectIcon(2));
    const std::vector<std::string> resistances = ResistanceFilterRows(Game());
    ASSERT_EQ(resistances.size(), 13u);
    EXPECT_EQ(resistances[0], "Fire");
    EXPECT_EQ(resistances[12], "Critical Hits");
    EXPECT_EQ(PropertyFilterRows(Game()),
              (std::vector<std::string>{"CURSED", "WORD18", "SPELL", "WORD20", "WORD7", "WORD8", "P", "P/S"}));
}

TEST_F(ItemListContent, AnEmptyTypeListGivesOnlyAny)
{
    GameDataSeam(store.game).NameList(namelist::kItemTypes).clear();
    const std::vector<FilterChoice> types = ItemTypeChoices(Game());
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].data, kAny);
}
