// The text forms of a monster's fields and attacks.

#include "gamedata/NameLists.h"
#include "testing/GameDataSeam.h"
#include "items/MonsterText.h"
#include "tests/gamedata/GameDataFixture.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

struct Monster {
    Record bytes = Record(232, 0);
    ByteWriter Set() { return ByteWriter(bytes); }
    MonsterRecord View() const { return MonsterRecord(bytes.data()); }
    // Attack k (1 to 3) with damage dice, so that it is there.
    ByteWriter Attack(int k, int manner, int count = 1, int sides = 6)
    {
        const size_t block = 68 + 18 * (k - 1);
        return Set().U8(block + 2, count).U8(block + 3, sides).U8(134 + k - 1, manner);
    }
};

class MonsterText : public ::testing::Test {
protected:
    NamedStore store;
    const CGameData& game = store.game;
    Monster monster;
};

std::vector<std::string> Texts(const std::vector<IconEntry>& entries)
{
    std::vector<std::string> texts;
    for (const IconEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

} // namespace

TEST_F(MonsterText, AnAbsentAttackShowsNothingButItsEffects)
{
    // 0d0 without a bonus: no attack, whatever else the block holds.
    monster.Set().U8(68 + 18 + 13, 1).U8(68 + 18 + 14, 9).U8(68 + 18 + 15, 0x08).U8(135, 4).U8(68 + 18 + 4, 20);
    const MonsterRecord view = monster.View();
    for (const std::string& text : {AttackRangeText(view, 2), AttackMannerText(game, view, 2),
                                    AttackMultiplierText(view, 2), AttackMissText(view, 2), AttackDamageText(view, 2)})
        EXPECT_EQ(text, "");
    EXPECT_EQ(Texts(FillAttackEffects(game, view, 2)), std::vector<std::string>{"Sleep 20%"});

    // A bonus alone makes it an attack.
    monster.Set().U16(68 + 18, 2);
    EXPECT_EQ(AttackDamageText(monster.View(), 2), "0d0+2 (2 to 2)");
    EXPECT_EQ(AttackRangeText(monster.View(), 2) + " " + AttackMissText(monster.View(), 2), "EXTENDED 9");
    EXPECT_EQ(AttackMultiplierText(monster.View(), 2), "x2 always");
    // Attacks are numbered 1 to 3; others read as absent.
    EXPECT_EQ(AttackDamageText(monster.View(), 0), "");
    EXPECT_EQ(AttackDamageText(monster.View(), 4), "");
}

TEST_F(MonsterText, MannersNameTheirVerbAndWeapon)
{
    monster.Attack(1, 1).U8(68 + 15, 0x13).U8(137, 2);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 1), "SWINGS/THRUSTS/THROWS Broad Sword");
    monster.Set().U8(68 + 15, 0x80);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 1), "LASHES Broad Sword");
    monster.Set().U8(68 + 15, 0);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 1), "") << "swinging in no way is no verb";

    monster.Attack(2, 5).U8(138, 1);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 2), "BITES") << "a bite takes no weapon";
    monster.Attack(2, 12).U8(138, 0);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 2), "STOPMS") << "weapon 0 is none";
    monster.Attack(2, 13).U8(138, 9);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 2), "THROWS") << "a weapon beyond the list is none";
    monster.Attack(3, 15).U8(139, 1);
    EXPECT_EQ(AttackMannerText(game, monster.View(), 3), "SURPRISE Club");
    for (int none : {0, 16, 255}) {
        monster.Attack(3, none);
        EXPECT_EQ(AttackMannerText(game, monster.View(), 3), "") << none;
    }
}

TEST_F(MonsterText, MultiplierFromTheSwingKinds)
{
    monster.Attack(1, 1);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "");
    monster.Set().U8(68 + 15, 0x08);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "x2 always");
    monster.Set().U8(68 + 15, 0x19);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "x2 1/3");
    monster.Set().U8(68 + 15, 0x40);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "+2 always");
    monster.Set().U8(68 + 15, 0x41);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "+2 1/2");
    monster.Set().U8(68 + 15, 0x48);
    EXPECT_EQ(AttackMultiplierText(monster.View(), 1), "+2 1/2") << "with both, only the second shows";
}

TEST_F(MonsterText, AttackEffectsNameWhatDrainAndPoisonDo)
{
    monster.Attack(1, 4).U8(68 + 4 + 2, 30).U8(68 + 4 + 5, 40).U8(68 + 4 + 6, 5).U8(68 + 12, 6).U8(128, 8);
    std::vector<IconEntry> effects = FillAttackEffects(game, monster.View(), 1);
    EXPECT_EQ(Texts(effects), (std::vector<std::string>{"Poison 30% (Str 6)", "Drain 40%", "Madden 5%"}));
    EXPECT_EQ(effects[0].icon, 8);
    EXPECT_EQ(effects[1].icon, 13);
    EXPECT_EQ(effects[2].icon, 10);

    monster.Set().U8(223, 11);
    effects = FillAttackEffects(game, monster.View(), 1);
    EXPECT_EQ(effects[1].text, "Drain 40% (HP 1d4)");
    EXPECT_EQ(effects[1].icon, 12);
    monster.Set().U8(223, 3); // m = (8 + 4) / 3 = 4
    effects = FillAttackEffects(game, monster.View(), 1);
    EXPECT_EQ(effects[1].text, "Drain 40% (Stamina 8d4 + 16)");
    EXPECT_EQ(effects[1].icon, 13);
    monster.Set().U8(68 + 12, 0);
    EXPECT_EQ(FillAttackEffects(game, monster.View(), 1)[0].text, "Poison 30% (Str 0)");
}

TEST_F(MonsterText, SpellsShareTheTenSlots)
{
    monster.Set().U8(144, 5).U8(145, 5).U8(146, 9).U8(147, 5);
    EXPECT_TRUE(FillSpells(game, monster.View()).empty()) << "no spell chance, no spells";
    EXPECT_EQ(MonsterSpellChanceText(monster.View()), "");
    EXPECT_EQ(MonsterCastLevelText(monster.View()), "");

    monster.Set().U8(174, 35).U8(128, 7);
    EXPECT_EQ(FillSpells(game, monster.View()),
              (std::vector<std::string>{"Spell5 (30%)", "Spell9 (10%)", "Spell0 (60%)"}));
    EXPECT_EQ(MonsterSpellChanceText(monster.View()), "35%");
    EXPECT_EQ(MonsterCastLevelText(monster.View()), "1-5 (1/7), 6 (2/7)");
    monster.Set().U8(128, 3);
    EXPECT_EQ(MonsterCastLevelText(monster.View()), "1-3 (1/3)");
    monster.Set().U8(128, 6);
    EXPECT_EQ(MonsterCastLevelText(monster.View()), "1-6 (1/6)");
}

TEST_F(MonsterText, SpecialAttacksFromTheirTables)
{
    monster.Set().U8(222, 1);
    EXPECT_EQ(MonsterSpecialText(game, monster.View()), "") << "no chance, no special";
    EXPECT_EQ(MonsterSpecialChanceText(monster.View()), "");
    EXPECT_EQ(MonsterSpecialEffectText(game, monster.View()), "");
    monster.Set().U8(176, 25);
    EXPECT_EQ(MonsterSpecialChanceText(monster.View()), "25%");

    struct Case {
        int code;
        const char* special;
        const char* effect;
    };
    const Case cases[] = {
        {1, "verb0 what0", "Delivers damage"},
        {2, "verb8 what1", "condition18"},
        {3, "verb0 what2", "Delivers damage"},
        {4, "verb3 what4", "condition6"},
        {5, "verb4 what5", "condition11 Delivers damage"},
        {6, "verb0 what6", "condition8 Delivers damage"},
        {7, "verb5 what7", "condition9 Delivers damage"},
        {8, "verb0 what3", "Delivers damage"},
        {9, "verb6 what8", "condition5"},
        {10, "verb2", "condition10 Delivers damage"},
        {11, "verb7", "condition4"},
        {12, "verb0", ""}, // its name lies beyond the list
    };
    for (const Case& c : cases) {
        monster.Set().U8(222, c.code);
        EXPECT_EQ(MonsterSpecialText(game, monster.View()), c.special) << "code " << c.code;
        EXPECT_EQ(MonsterSpecialEffectText(game, monster.View()), c.effect) << "code " << c.code;
    }
    monster.Set().U8(222, 0);
    EXPECT_EQ(MonsterSpecialText(game, monster.View()), "");
}

TEST_F(MonsterText, BehaviourAndArmourNote)
{
    EXPECT_EQ(MonsterBehaviourChanceText(monster.View()), "0%");
    const std::pair<int, const char*> cases[] = {{0, "Attacks on sight"}, {0x05, "Attacks on sight"},
                                                 {0x0C, "condition28"},    {0x08, "Flees on sight"},
                                                 {0x02, ""}};
    for (const auto& [flags, text] : cases) {
        monster.Set().U8(226, flags);
        EXPECT_EQ(MonsterBehaviourText(game, monster.View()), text) << flags;
    }
    EXPECT_EQ(MonsterArmorNoteText(game, monster.View()), "Armour");
    monster.Set().U8(226, 0x01);
    EXPECT_EQ(MonsterArmorNoteText(game, monster.View()), "");
    monster.Set().U8(226, 0x02);
    GameDataSeam(store.game).NameList(namelist::kBehaviourWords)[18] = "Hide";
    EXPECT_EQ(MonsterArmorNoteText(game, monster.View()), "Hide") << "a shorter word is kept whole";
}

TEST_F(MonsterText, CompanionsAreNamedByTheirCompanionForm)
{
    Record other(232, 0);
    ByteWriter(other).Text(16, "Giant/Rats", 16);
    GameDataSeam(store.game).SetMonsters({other});

    EXPECT_EQ(MonsterCompanionsText(game, monster.View()), "");
    monster.Set().U8(170, 0).U8(172, 30);
    EXPECT_EQ(MonsterCompanionsText(game, monster.View()), "Giant Rats 30%");
    monster.Set().U8(171, 200).U8(173, 15);
    EXPECT_EQ(MonsterCompanionsText(game, monster.View()), "Giant Rats 30%,  15%") << "200 names nobody";
    monster.Set().U8(172, 0);
    EXPECT_EQ(MonsterCompanionsText(game, monster.View()), " 15%");
}

TEST_F(MonsterText, NamesFiguresAndNone)
{
    monster.Set().Text(32, "Man=War", 16).U32(64, 3000000000u).U16(126, static_cast<uint16_t>(-2)).U8(128, 2);
    monster.Set().U8(129, 8).U8(229, 255).U8(220, 2).U8(214, 15).U8(218, 3);
    EXPECT_EQ(MonsterDisplayName(monster.View()), "?Unknown Monster?");
    EXPECT_EQ(MonsterUnidentifiedText(monster.View()), "Man of War");
    EXPECT_EQ(MonsterExperienceText(monster.View()), "3,000,000,000") << "experience is unsigned";
    EXPECT_EQ(MonsterHitPointsText(monster.View()), "2d8+-2 (0 to 14)");
    EXPECT_EQ(MonsterAllianceText(game, monster.View()), "") << "255 is none";
    EXPECT_EQ(MonsterGenderText(game, monster.View()), "") << "only 0 and 1 have names";
    EXPECT_EQ(MonsterTypeText(game, monster.View()), "Unknown");
    EXPECT_EQ(MonsterSwingsText(monster.View()), "1d3");

    std::vector<std::string> resistances = FillResistances(game, monster.View());
    ASSERT_EQ(resistances.size(), 13u) << "every resistance, also at 0%";
    EXPECT_EQ(resistances[0], "Fire 0%");
    monster.Set().U8(167, 75);
    EXPECT_EQ(FillResistances(game, monster.View())[12], "Critical Hits 75%");
}

// Body locations come from the typed lookup of the name lists, which differs by edition:
// written through the game's own message files.
TEST(MonsterLocations, TheCreatureTypeChoosesTheListInBothEditions)
{
    for (gamebuild::Edition edition : {gamebuild::Edition::First, gamebuild::Edition::Gold}) {
        SCOPED_TRACE(edition == gamebuild::Edition::Gold ? "Gold" : "first edition");
        gamebuild::Installation installation = SmallInstallation(edition);
        const std::vector<std::string> body = {"HEAD", "NECK", "TORSO", "ARMS", "HANDS", "LEGS", "FEET"};
        std::vector<std::string> first = Numbered("WORD", 21);
        if (edition == gamebuild::Edition::Gold) {
            installation.messages[3300] = first;
            installation.messages[3321] = body;
        } else {
            installation.messages[3300] = first;
            installation.messages[3300].insert(installation.messages[3300].end(), body.begin(), body.end());
        }
        installation.messages[3330] = {"PLANT", "BLOSSOM", "STALK", "LEAVES", "THORNS", "ROOTS", "TENDRILS", "BARK"};
        installation.messages[3390] = {"MACHINE", "SENSOR", "CASING", "ARMS", "GRIPPERS", "WHEELS", "CABLES", "CORE"};
        TempFolder folder;
        ASSERT_TRUE(installation.Write(folder.Path()));
        MemoryPlatform platform;
        platform.settings["w7path"] = folder.Path();
        CGameData game(platform);
        ASSERT_TRUE(game.Loaded());

        Monster monster;
        monster.Set().U8(181, 20).U8(183, 50).U8(186, 30).U8(197, 2).U8(199, static_cast<uint8_t>(-3)).U8(186 + 16, 0);
        EXPECT_EQ(MonsterLocationsText(game, monster.View()), "20% Head +2   50% Torso -3   30% Legs +0");
        monster.Set().U8(214, 17);
        EXPECT_EQ(MonsterLocationsText(game, monster.View()), "20% Blossom +2   50% Leaves -3   30% Tendrils +0");
        monster.Set().U8(214, 26);
        EXPECT_EQ(MonsterLocationsText(game, monster.View()), "20% Sensor +2   50% Arms -3   30% Cables +0");
        monster.Set().U8(214, 23); // a sea monster's location 5 is the plants' sixth word
        EXPECT_EQ(MonsterLocationsText(game, monster.View()), "20% Head +2   50% Torso -3   30% Tendrils +0");
        monster.Set().U8(181, 0).U8(183, 0).U8(186, 0);
        EXPECT_EQ(MonsterLocationsText(game, monster.View()), "") << "nothing to cut from";
    }
}
