// What the Item Viewer shows of an item and how its name search runs.

#include "testing/GameDataSeam.h"
#include "items/ItemViewerContent.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

class ItemViewerContent : public ::testing::Test, protected ItemTable {};

} // namespace

TEST_F(ItemViewerContent, TheMaskIsSearchedInCapitalsWithItsWordOfInLowerCase)
{
    EXPECT_EQ(ItemNameSearchMask("ring of"), "RING of");
    EXPECT_EQ(ItemNameSearchMask("Staff Of Power"), "STAFF of POWER");
    EXPECT_EQ(ItemNameSearchMask("of heal"), "of HEAL");
    EXPECT_EQ(ItemNameSearchMask("a of b of c"), "A of B OF C") << "the first word only";
    EXPECT_EQ(ItemNameSearchMask("proof offer"), "PROOF OFFER") << "not inside a word";
    EXPECT_EQ(ItemNameSearchMask(""), "");
}

TEST_F(ItemViewerContent, FindRunsEitherWayAndStopsAtTheEndsOfTheTable)
{
    Add("");
    const int spelled = Add("Ring of Healing");
    const int ring = Add("RING=HEALING"); // expands to RING of HEALING
    Add("ROBE/=PROTECTION");

    EXPECT_EQ(FindItem(Game(), "", 0, 1), 0) << "the empty mask matches any name, even an empty one";
    EXPECT_EQ(FindItem(Game(), "", 3, 1), 3);
    EXPECT_EQ(FindItem(Game(), "", -1, -1), -1);
    EXPECT_EQ(FindItem(Game(), "", 4, 1), -1);

    EXPECT_EQ(FindItem(Game(), "ring of", 0, 1), ring) << "not the name in mixed case";
    EXPECT_EQ(FindItem(Game(), "ring of", ring + 1, 1), -1);
    EXPECT_EQ(FindItem(Game(), "Ring of", 3, -1), ring);
    EXPECT_EQ(FindItem(Game(), "ring", spelled, 1), ring);
    EXPECT_EQ(FindItem(Game(), "robe of prot", 0, 1), 3) << "the name is searched expanded";
    EXPECT_EQ(FindItem(Game(), "robe/", 0, 1), -1);
    EXPECT_EQ(FindItem(Game(), "", 0, 0), -1) << "a search that would not move";
}

TEST_F(ItemViewerContent, ListsNameEveryItemWithItsPicture)
{
    Add("");
    Add("Short/Sword");
    Set(1).U8(57, 42);
    const std::vector<ItemChoice> choices = ItemViewerChoices(Game());
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].name, "?Unknown Item?");
    EXPECT_EQ(choices[1].name, "Short Sword");
    EXPECT_EQ(choices[1].picture, 42);
}

TEST_F(ItemViewerContent, ModifiersAreGreenAboveZeroAndArmourClassBelowZero)
{
    const int plain = Add("Stick");
    std::optional<ItemViewerFields> fields = ItemViewerFieldsOf(Game(), plain);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->toHit, "");
    EXPECT_EQ(fields->toHitColour, itemviewer::kBadColour) << "zero is not above zero";
    EXPECT_EQ(fields->armorClassColour, itemviewer::kBadColour);

    const int magic = Add("Blade");
    Set(magic).U8(65, 2).U8(66, static_cast<uint8_t>(-1)).U8(60, 0x30).U8(64, 2);
    fields = ItemViewerFieldsOf(Game(), magic);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->toHitColour, itemviewer::kGoodColour);
    EXPECT_EQ(fields->initiative, "-1");
    EXPECT_EQ(fields->initiativeColour, itemviewer::kBadColour);
    EXPECT_EQ(fields->regen, "-3");
    EXPECT_EQ(fields->regenColour, itemviewer::kBadColour);
    EXPECT_EQ(fields->armorClass, "-2") << "shown negated";
    EXPECT_EQ(fields->armorClassColour, itemviewer::kGoodColour);

    Set(magic).U8(60, 0x02).U8(64, static_cast<uint8_t>(-3));
    fields = ItemViewerFieldsOf(Game(), magic);
    EXPECT_EQ(fields->regenColour, itemviewer::kGoodColour);
    EXPECT_EQ(fields->armorClass, "+3");
    EXPECT_EQ(fields->armorClassColour, itemviewer::kBadColour);
}

TEST_F(ItemViewerContent, FieldsOfAnItemAndWhetherItCarriesAText)
{
    Add("");
    const int wand = Add("Wand");
    Set(wand).U8(34, 26).U8(35, 2).U8(28, 2).U8(29, 4).U8(44, 25).U8(69, 3).U16(38, 512).U8(58, 5);
    const std::optional<ItemViewerFields> fields = ItemViewerFieldsOf(Game(), wand);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->id, "1");
    EXPECT_EQ(fields->spell, "Spell26 Lvl 2");
    EXPECT_EQ(fields->chargesLabel, "Number of charges for spell:");
    ASSERT_EQ(fields->effects.size(), 1u);
    EXPECT_EQ(fields->effects[0].text, "Poison 25%, Str 3");
    EXPECT_TRUE(fields->hasText);
    EXPECT_EQ(fields->textNumber, 512);
    EXPECT_FALSE(ItemViewerFieldsOf(Game(), 0)->hasText);

    EXPECT_FALSE(ItemViewerFieldsOf(Game(), -1));
    EXPECT_FALSE(ItemViewerFieldsOf(Game(), Game().ItemCount()));
}
