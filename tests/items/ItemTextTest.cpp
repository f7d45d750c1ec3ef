// The text forms of an item's fields.

#include "items/ItemText.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

// An item record of recognisable bytes, changed by each test.
struct Item {
    Record bytes = Record(72, 0);
    ByteWriter Set() { return ByteWriter(bytes); }
    ItemRecord View() const { return ItemRecord(bytes.data()); }
};

class ItemText : public ::testing::Test {
protected:
    NamedStore store;
    const CGameData& game = store.game;
    Item item;
};

} // namespace

TEST_F(ItemText, SignedModifiersShowTheirSignAndAZeroShowsNothing)
{
    int value = 99;
    EXPECT_EQ(ItemArmorClassText(item.View(), &value), "");
    EXPECT_EQ(value, 0);
    item.Set().U8(64, static_cast<uint8_t>(-3)).U8(65, 2).U8(66, static_cast<uint8_t>(-8));
    EXPECT_EQ(ItemArmorClassText(item.View(), &value), "+3") << "the stored armour class is shown negated";
    EXPECT_EQ(value, 3);
    EXPECT_EQ(ItemToHitText(item.View(), &value), "+2");
    EXPECT_EQ(ItemInitiativeText(item.View(), &value), "-8");
    EXPECT_EQ(value, -8);
    item.Set().U8(64, 5);
    EXPECT_EQ(ItemArmorClassText(item.View(), &value), "-5");
    // -(-128) does not wrap back to -128: the best armour keeps its sign.
    item.Set().U8(64, 0x80);
    EXPECT_EQ(ItemArmorClassText(item.View(), &value), "+128");
    EXPECT_EQ(value, 128);
}

TEST_F(ItemText, RegenerationIsTheLowNibbleElseTheHighNibbleAsALoss)
{
    int value = 99;
    EXPECT_EQ(ItemRegenText(item.View(), &value), "");
    EXPECT_EQ(value, 0);
    item.Set().U8(60, 0x30);
    EXPECT_EQ(ItemRegenText(item.View(), &value), "-3");
    EXPECT_EQ(value, -3);
    item.Set().U8(60, 0x02);
    EXPECT_EQ(ItemRegenText(item.View(), &value), "+2");
    item.Set().U8(60, 0x32);
    EXPECT_EQ(ItemRegenText(item.View(), &value), "+2") << "a gain wins over a loss";
    item.Set().U8(60, 0xF0);
    EXPECT_EQ(ItemRegenText(item.View(), &value), "-15");
}

TEST_F(ItemText, WeightAndPrice)
{
    EXPECT_EQ(ItemWeightText(item.View(), Form::Long), "");
    item.Set().U16(36, 15);
    EXPECT_EQ(ItemWeightText(item.View(), Form::Long), "1.5 lbs");
    EXPECT_EQ(ItemWeightText(item.View(), Form::Short), "1.5");
    item.Set().U16(36, static_cast<uint16_t>(-20));
    EXPECT_EQ(ItemWeightText(item.View(), Form::Long), "") << "not above 0";

    EXPECT_EQ(ItemPriceText(item.View(), Form::Long), "");
    item.Set().U32(22, 1500);
    EXPECT_EQ(ItemPriceText(item.View(), Form::Long), "1500 gp");
    EXPECT_EQ(ItemPriceText(item.View(), Form::Short), "1500");
    item.Set().U32(22, 3000000000u);
    EXPECT_EQ(ItemPriceText(item.View(), Form::Short), "3000000000") << "the price is unsigned";
}

TEST_F(ItemText, ResistancesReadCodeAndTenthsFromNibbles)
{
    EXPECT_EQ(ItemResistancesText(game, item.View()), "");
    item.Set().U8(40, 0x13);
    EXPECT_EQ(ItemResistancesText(game, item.View()), "30% Fire");
    item.Set().U8(41, 0xDF);
    EXPECT_EQ(ItemResistancesText(game, item.View()), "30% Fire, 150% Critical Hits");
    item.Set().U8(40, 0);
    EXPECT_EQ(ItemResistancesText(game, item.View()), "0% Nothing, 150% Critical Hits") << "the second alone";
}

TEST_F(ItemText, SpellNamesTheLevelOrTheCharactersSkill)
{
    EXPECT_EQ(ItemSpellText(game, item.View(), Form::Long), "");
    item.Set().U8(35, 3);
    EXPECT_EQ(ItemSpellText(game, item.View(), Form::Long), "Spell0 Lvl 3") << "spell 0 is a spell";
    EXPECT_EQ(ItemSpellText(game, item.View(), Form::Short), "Spell0(3)");
    item.Set().U8(34, 12).U8(35, 0);
    EXPECT_EQ(ItemSpellText(game, item.View(), Form::Long), "Spell12 Lvl 0 (character's skill used)");
    EXPECT_EQ(ItemSpellText(game, item.View(), Form::Short), "Spell12(0)");
}

TEST_F(ItemText, ChargesAreLabelledByWhatTheyCount)
{
    std::string label = "old";
    EXPECT_EQ(ItemChargesText(item.View(), &label), "");
    EXPECT_EQ(label, "") << "no charges, no label";

    item.Set().U8(28, 2).U8(29, 4);
    EXPECT_EQ(ItemChargesText(item.View(), &label), "2d4 (2 to 8)");
    EXPECT_EQ(label, "Quantity of items in one stack:") << "neither spell nor invoke";
    item.Set().U8(34, 7);
    ItemChargesText(item.View(), &label);
    EXPECT_EQ(label, "Number of charges for spell:");
    item.Set().U8(62, 1);
    ItemChargesText(item.View(), &label);
    EXPECT_EQ(label, "Number of charges for spell && invoke:");
    item.Set().U8(34, 0);
    ItemChargesText(item.View(), &label);
    EXPECT_EQ(label, "Number of charges for invoke:");
    for (int stackable : {2, 12, 15, 16}) {
        item.Set().U8(56, stackable).U8(34, 7);
        ItemChargesText(item.View(), &label);
        EXPECT_EQ(label, "Quantity of items in one stack:") << "type " << stackable;
    }
    item.Set().U8(56, 14);
    ItemChargesText(item.View(), &label);
    EXPECT_EQ(label, "Number of special usages:");
}

TEST_F(ItemText, InvokesNamedAndUnnamed)
{
    EXPECT_EQ(ItemInvokeText(item.View(), Form::Long), "");
    item.Set().U8(62, 1);
    EXPECT_EQ(ItemInvokeText(item.View(), Form::Long), "Increase Strength (+1, max 20)");
    EXPECT_EQ(ItemInvokeText(item.View(), Form::Short), "+1 Str");
    item.Set().U8(62, 17);
    EXPECT_EQ(ItemInvokeText(item.View(), Form::Short), "Restore HP&Sta, +1 Vit");
    item.Set().U8(62, 48);
    EXPECT_EQ(ItemInvokeText(item.View(), Form::Long), "Gives/Increases Eagle Eye (+3d2)");
    for (int unnamed : {18, 39, 49, 255}) {
        item.Set().U8(62, unnamed);
        EXPECT_EQ(ItemInvokeText(item.View(), Form::Long), "Should do something") << unnamed;
        EXPECT_EQ(ItemInvokeText(item.View(), Form::Short), "???") << unnamed;
    }
}

TEST_F(ItemText, EffectsInOneLineAndAsAListWithIcons)
{
    EXPECT_EQ(ItemEffectsText(game, item.View()), "");
    EXPECT_TRUE(FillEffectsList(game, item.View().Bytes(), 42, 69).empty());

    item.Set().U8(42, 10).U8(44, 25).U8(47, 5).U8(49, 100).U8(69, 7);
    EXPECT_EQ(ItemEffectsText(game, item.View()), "Sleep 10%, Poison 25% (Str 7), Drain 5%, Slay 100%");
    std::vector<IconEntry> list = FillEffectsList(game, item.View().Bytes(), 42, 69);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].text, "Poison 25%, Str 7");
    EXPECT_EQ(list[1].icon, 8);
    EXPECT_EQ(list[2].text, "Drain 5%");
    EXPECT_EQ(list[2].icon, 13);
    EXPECT_EQ(list[3].icon, 0);

    item.Set().U8(69, 0);
    EXPECT_EQ(ItemEffectsText(game, item.View()), "Sleep 10%, Poison 25%, Drain 5%, Slay 100%")
        << "no strength shown without one";
    // The list reads any record at the offsets it is given.
    Record other(20, 0);
    ByteWriter(other).U8(5, 30).U8(13, 2);
    list = FillEffectsList(game, ByteReader(other.data(), other.size()), 3, 13);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].text, "Poison 30%, Str 2");
}

TEST_F(ItemText, WeaponFormsOnlyForTypesUpToFour)
{
    item.Set().U8(56, 1).U8(55, 4 | 8).U8(70, 0x85);
    EXPECT_EQ(ItemRangeText(item.View()), "EXTENDED");
    EXPECT_EQ(ItemPrimarySecondaryText(item.View()), "P/S");
    EXPECT_EQ(ItemHandsText(item.View()), "2H");
    EXPECT_EQ(ItemAttackModesText(game, item.View()), "SWING BASH LASH");
    EXPECT_EQ(ItemDoubleDamageText(game, item.View()), "Deals double damage to Warriors");
    item.Set().U8(55, 0).U8(70, 0).U8(67, 20);
    EXPECT_EQ(ItemPrimarySecondaryText(item.View()), "P");
    EXPECT_EQ(ItemHandsText(item.View()), "1H");
    EXPECT_EQ(ItemAttackModesText(game, item.View()), "") << "no mode, nothing to cut";
    EXPECT_EQ(ItemDoubleDamageText(game, item.View()), "Deals double damage to Undeads");

    item.Set().U8(56, 3).U8(70, 0x01);
    EXPECT_EQ(ItemAttackModesText(game, item.View()), "SHOOT") << "every missile weapon shoots";

    item.Set().U8(56, 5).U8(55, 12).U8(70, 0xFF);
    EXPECT_EQ(ItemRangeText(item.View()), "");
    EXPECT_EQ(ItemPrimarySecondaryText(item.View()), "");
    EXPECT_EQ(ItemHandsText(item.View()), "");
    EXPECT_EQ(ItemAttackModesText(game, item.View()), "");
    EXPECT_EQ(ItemDoubleDamageText(game, item.View()), "");
    EXPECT_EQ(ItemTypeText(game, item.View()), "Shield");
}

TEST_F(ItemText, WeaponSkillFollowsTypeAndPicture)
{
    struct Case {
        int type, picture, skill;
    };
    const Case cases[] = {{0, 0, 0},   {0, 88, 0},   {1, 1, 1},  {0, 108, 1}, {1, 3, 2},   {0, 56, 3},
                          {1, 105, 4}, {0, 17, 4},   {0, 11, 0}, {1, 200, 0}, {2, 13, 5},  {3, 37, 7},
                          {3, 13, 6},  {3, 114, 18}, {3, 1, 0},  {4, 1, -1},  {20, 0, -1}};
    for (const Case& c : cases) {
        item.Set().U8(56, c.type).U8(57, c.picture);
        EXPECT_EQ(WeaponSkillOf(item.View()), c.skill) << "type " << c.type << ", picture " << c.picture;
    }
    item.Set().U8(56, 3).U8(57, 114);
    EXPECT_EQ(ItemSkillText(game, item.View()), "skill18");
    item.Set().U8(56, 4);
    EXPECT_EQ(ItemSkillText(game, item.View()), "");
}

TEST_F(ItemText, AssayIdentifyAndNames)
{
    EXPECT_EQ(ItemAssayText(game, item.View()), "Lore Needed: 0");
    EXPECT_EQ(ItemIdentifyText(game, item.View()), "Identify level 1") << "level 0 reads as 1";
    item.Set().U8(59, 4);
    EXPECT_EQ(ItemAssayText(game, item.View()), "Lore Needed: 20");
    EXPECT_EQ(ItemIdentifyText(game, item.View()), "Identify level 2");
    item.Set().U8(59, 255);
    EXPECT_EQ(ItemIdentifyText(game, item.View()), "Identify level 85");

    EXPECT_EQ(ItemDisplayName(item.View()), "?Unknown Item?");
    item.Set().Text(0, "RING=POWER", 22);
    EXPECT_EQ(ItemDisplayName(item.View()), "RING of POWER");
    EXPECT_EQ(ItemDisplayName(ItemRecord(nullptr)), "?Unknown Item?");
}

TEST_F(ItemText, UsersAsLettersAndAsLists)
{
    item.Set().U8(52, 0x05).U8(53, 0x04).U8(50, 0x01).U8(51, 0x20).U8(54, 0x02);
    EXPECT_EQ(ItemRacesText(game, item.View()), "HeDghfldwcS");
    EXPECT_EQ(ItemProfessionsText(game, item.View()), "WscrwammsatdaS");
    EXPECT_EQ(ItemGenderText(game, item.View()), "mF");
    AllowedLists races = FillRaceLists(game, item.View());
    EXPECT_EQ(races.allowed, (std::vector<std::string>{"Human", "Dwarf", "Stoneborn"}));
    EXPECT_EQ(races.restricted.size(), 8u);
    EXPECT_EQ(races.restricted.front(), "Elf");
    AllowedLists professions = FillProfessionLists(game, item.View());
    EXPECT_EQ(professions.allowed, (std::vector<std::string>{"Warrior", "Shadow"}));
    EXPECT_EQ(professions.restricted.size(), 12u);

    // Bits above the last race, profession or gender are not read.
    item.Set().U8(52, 0).U8(53, 0xF8).U8(51, 0xC0).U8(54, 0xFC);
    EXPECT_EQ(ItemRacesText(game, item.View()), "hedghfldwcs");
    EXPECT_EQ(ItemGenderLongText(game, item.View()), "None");
    item.Set().U8(54, 1);
    EXPECT_EQ(ItemGenderLongText(game, item.View()), "Male only");
    item.Set().U8(54, 2);
    EXPECT_EQ(ItemGenderLongText(game, item.View()), "Female only");
    item.Set().U8(54, 3);
    EXPECT_EQ(ItemGenderLongText(game, item.View()), "Male & Female");

    // A name the list lacks keeps its place in the letters.
    store.game.m_raceNames.resize(2);
    EXPECT_EQ(ItemRacesText(game, item.View()).size(), 11u);
}
