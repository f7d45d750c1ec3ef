// The text forms of an item's fields.

#include "gamedata/NameLists.h"
#include "testing/GameDataSeam.h"
#include "items/ItemText.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

class ItemText : public ::testing::Test {
protected:
    ByteWriter Set() { return ByteWriter(bytes); }
    ItemRecord Item() const { return ItemRecord(bytes.data()); }

    NamedStore store;
    const CGameData& game = store.game;
    Record bytes = Record(72, 0);
};

} // namespace

TEST_F(ItemText, SignedModifiersShowTheirSignAndAZeroShowsNothing)
{
    int value = 99;
    EXPECT_EQ(ItemArmorClassText(Item(), &value), "");
    EXPECT_EQ(value, 0);
    Set().U8(64, static_cast<uint8_t>(-3)).U8(65, 2).U8(66, static_cast<uint8_t>(-8));
    EXPECT_EQ(ItemArmorClassText(Item(), &value), "+3") << "the stored armour class is shown negated";
    EXPECT_EQ(value, 3);
    EXPECT_EQ(ItemToHitText(Item()), "+2");
    EXPECT_EQ(ItemInitiativeText(Item(), &value), "-8");
    EXPECT_EQ(value, -8);
    // -(-128) does not wrap back to -128: the best armour keeps its sign.
    Set().U8(64, 0x80);
    EXPECT_EQ(ItemArmorClassText(Item(), &value), "+128");
    EXPECT_EQ(value, 128);
}

TEST_F(ItemText, RegenerationIsTheLowNibbleElseTheHighNibbleAsALoss)
{
    int value = 99;
    EXPECT_EQ(ItemRegenText(Item(), &value), "");
    EXPECT_EQ(value, 0);
    const std::pair<int, const char*> cases[] = {{0x30, "-3"}, {0x02, "+2"}, {0x32, "+2"}, {0xF0, "-15"}};
    for (const auto& [regen, text] : cases) {
        Set().U8(60, regen);
        EXPECT_EQ(ItemRegenText(Item(), &value), text) << regen;
        EXPECT_EQ(value, std::stoi(text));
    }
}

TEST_F(ItemText, WeightAndPrice)
{
    EXPECT_EQ(ItemWeightText(Item(), Form::Long), "");
    Set().U16(36, 15).U32(22, 1500);
    EXPECT_EQ(ItemWeightText(Item(), Form::Long), "1.5 lbs");
    EXPECT_EQ(ItemWeightText(Item(), Form::Short), "1.5");
    EXPECT_EQ(ItemPriceText(Item(), Form::Long), "1500 gp");
    EXPECT_EQ(ItemPriceText(Item(), Form::Short), "1500");
    Set().U16(36, static_cast<uint16_t>(-20)).U32(22, 3000000000u);
    EXPECT_EQ(ItemWeightText(Item(), Form::Long), "") << "not above 0";
    EXPECT_EQ(ItemPriceText(Item(), Form::Short), "3000000000") << "the price is unsigned";
    Set().U32(22, 0);
    EXPECT_EQ(ItemPriceText(Item(), Form::Long), "");
}

TEST_F(ItemText, ResistancesAndSpellFromTheirBytes)
{
    EXPECT_EQ(ItemResistancesText(game, Item()), "");
    Set().U8(40, 0x13);
    EXPECT_EQ(ItemResistancesText(game, Item()), "30% Fire");
    Set().U8(41, 0xDF);
    EXPECT_EQ(ItemResistancesText(game, Item()), "30% Fire, 150% Critical Hits");
    Set().U8(40, 0);
    EXPECT_EQ(ItemResistancesText(game, Item()), "0% Nothing, 150% Critical Hits") << "the second alone";

    EXPECT_EQ(ItemSpellText(game, Item(), Form::Long), "");
    Set().U8(35, 3);
    EXPECT_EQ(ItemSpellText(game, Item(), Form::Long), "Spell0 Lvl 3") << "spell 0 is a spell";
    EXPECT_EQ(ItemSpellText(game, Item(), Form::Short), "Spell0(3)");
    Set().U8(34, 12).U8(35, 0);
    EXPECT_EQ(ItemSpellText(game, Item(), Form::Long), "Spell12 Lvl 0 (character's skill used)");
}

TEST_F(ItemText, ChargesAreLabelledByWhatTheyCount)
{
    std::string label = "old";
    EXPECT_EQ(ItemChargesText(Item(), &label), "");
    EXPECT_EQ(label, "") << "no charges, no label";

    Set().U8(28, 2).U8(29, 4);
    EXPECT_EQ(ItemChargesText(Item(), &label), "2d4 (2 to 8)");
    EXPECT_EQ(label, "Quantity of items in one stack:") << "neither spell nor invoke";
    Set().U8(34, 7);
    ItemChargesText(Item(), &label);
    EXPECT_EQ(label, "Number of charges for spell:");
    Set().U8(62, 1);
    ItemChargesText(Item(), &label);
    EXPECT_EQ(label, "Number of charges for spell && invoke:");
    Set().U8(34, 0);
    ItemChargesText(Item(), &label);
    EXPECT_EQ(label, "Number of charges for invoke:");
    for (int stackable : {2, 12, 15, 16}) {
        Set().U8(56, stackable);
        ItemChargesText(Item(), &label);
        EXPECT_EQ(label, "Quantity of items in one stack:") << "type " << stackable;
    }
    Set().U8(56, 14);
    ItemChargesText(Item(), &label);
    EXPECT_EQ(label, "Number of special usages:");
}

TEST_F(ItemText, InvokesNamedAndUnnamed)
{
    EXPECT_EQ(ItemInvokeText(Item(), Form::Long), "");
    Set().U8(62, 17);
    EXPECT_EQ(ItemInvokeText(Item(), Form::Long), "Restores HP & Stamina, Increase Vitality (+1, max 18)");
    EXPECT_EQ(ItemInvokeText(Item(), Form::Short), "Restore HP&Sta, +1 Vit");
    for (int unnamed : {18, 39, 49, 255}) {
        Set().U8(62, unnamed);
        EXPECT_EQ(ItemInvokeText(Item(), Form::Long), "Should do something") << unnamed;
        EXPECT_EQ(ItemInvokeText(Item(), Form::Short), "???") << unnamed;
    }
}

TEST_F(ItemText, EffectsInOneLineAndAsAListWithIcons)
{
    EXPECT_EQ(ItemEffectsText(game, Item()), "") << "nothing to cut at a comma";
    Set().U8(42, 10).U8(44, 25).U8(47, 5).U8(49, 100).U8(69, 7);
    EXPECT_EQ(ItemEffectsText(game, Item()), "Sleep 10%, Poison 25% (Str 7), Drain 5%, Slay 100%");
    std::vector<IconEntry> list = FillEffectsList(game, Item().Bytes(), 42, 69);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].text, "Poison 25%, Str 7");
    EXPECT_EQ(list[1].icon, 8);
    EXPECT_EQ(list[2].icon, 13);
    EXPECT_EQ(list[3].icon, 0);
    Set().U8(69, 0);
    EXPECT_EQ(ItemEffectsText(game, Item()), "Sleep 10%, Poison 25%, Drain 5%, Slay 100%");
    EXPECT_EQ(FillEffectsList(game, Item().Bytes(), 42, 69)[1].text, "Poison 25%");
}

TEST_F(ItemText, WeaponFormsOnlyForTypesUpToFour)
{
    Set().U8(56, 1).U8(55, 4 | 8).U8(70, 0x85);
    EXPECT_EQ(ItemRangeText(Item()), "EXTENDED");
    EXPECT_EQ(ItemPrimarySecondaryText(Item()), "P/S");
    EXPECT_EQ(ItemHandsText(Item()), "2H");
    EXPECT_EQ(ItemAttackModesText(game, Item()), "SWING BASH LASH");
    EXPECT_EQ(ItemDoubleDamageText(game, Item()), "Deals double damage to Warriors");
    Set().U8(55, 0).U8(70, 0).U8(67, 20);
    EXPECT_EQ(ItemPrimarySecondaryText(Item()), "P");
    EXPECT_EQ(ItemHandsText(Item()), "1H");
    EXPECT_EQ(ItemAttackModesText(game, Item()), "") << "no mode, nothing to cut";
    EXPECT_EQ(ItemDoubleDamageText(game, Item()), "Deals double damage to Undeads");
    Set().U8(56, 3).U8(70, 0x01);
    EXPECT_EQ(ItemAttackModesText(game, Item()), "SHOOT") << "every missile weapon shoots";

    Set().U8(56, 5).U8(55, 12).U8(70, 0xFF);
    for (const std::string& text : {ItemRangeText(Item()), ItemPrimarySecondaryText(Item()), ItemHandsText(Item()),
                                    ItemAttackModesText(game, Item()), ItemDoubleDamageText(game, Item())})
        EXPECT_EQ(text, "");
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
        Set().U8(56, c.type).U8(57, c.picture);
        EXPECT_EQ(WeaponSkillOf(Item()), c.skill) << "type " << c.type << ", picture " << c.picture;
    }
    EXPECT_EQ(ItemSkillText(game, Item()), "") << "no skill, no name";
}

TEST_F(ItemText, IdentifyLevelAndUnknownName)
{
    const std::pair<int, const char*> cases[] = {{0, "Identify level 1"}, {1, "Identify level 1"},
                                                 {4, "Identify level 2"}, {255, "Identify level 85"}};
    for (const auto& [level, text] : cases) {
        Set().U8(59, level);
        EXPECT_EQ(ItemIdentifyText(game, Item()), text);
    }
    EXPECT_EQ(ItemAssayText(game, Item()), "Lore Needed: 1275");
    EXPECT_EQ(ItemDisplayName(Item()), "?Unknown Item?");
    EXPECT_EQ(ItemDisplayName(ItemRecord(nullptr)), "?Unknown Item?");
}

TEST_F(ItemText, UsersAsLettersAndAsLists)
{
    Set().U8(52, 0x05).U8(53, 0x04).U8(50, 0x01).U8(51, 0x20).U8(54, 0x02);
    EXPECT_EQ(ItemRacesText(game, Item()), "HeDghfldwcS");
    EXPECT_EQ(ItemProfessionsText(game, Item()), "WscrwammsatdaS");
    EXPECT_EQ(ItemGenderText(game, Item()), "mF");
    AllowedLists races = FillRaceLists(game, Item());
    EXPECT_EQ(races.allowed, (std::vector<std::string>{"Human", "Dwarf", "Stoneborn"}));
    EXPECT_EQ(races.restricted.size(), 8u);
    EXPECT_EQ(FillProfessionLists(game, Item()).allowed, (std::vector<std::string>{"Warrior", "Shadow"}));

    // Bits above the last race, profession or gender are not read.
    Set().U8(52, 0).U8(53, 0xF8).U8(51, 0xC0).U8(54, 0xFC);
    EXPECT_EQ(ItemRacesText(game, Item()), "hedghfldwcs");
    const std::pair<int, const char*> genders[] = {{0xFC, "None"}, {1, "Male only"}, {2, "Female only"},
                                                   {3, "Male & Female"}};
    for (const auto& [bits, text] : genders) {
        Set().U8(54, bits);
        EXPECT_EQ(ItemGenderLongText(game, Item()), text);
    }
    // A name the list lacks keeps its place in the letters.
    GameDataSeam(store.game).NameList(namelist::kRaces).resize(2);
    EXPECT_EQ(ItemRacesText(game, Item()), "he?????????");
}
