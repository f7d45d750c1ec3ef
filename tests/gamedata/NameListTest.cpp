// Name lists: loading them from their messages and the lookup rules of each.

#include "gamedata/NameLists.h"
#include "tests/gamedata/GameDataFixture.h"

#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {

struct Loaded {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

std::vector<std::string> Numbered(const std::string& stem, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(stem + std::to_string(i));
    return names;
}

// Every list's message holds recognisable names; the first edition's body locations follow
// 21 other words in message 3300, the Gold edition's stand alone in message 3321.
gamebuild::Messages ListMessages(Edition edition)
{
    gamebuild::Messages messages;
    messages[100] = {"LONG SWORD", "KING'S CROWN", "O'MALLEY", "a-B c"};
    messages[140] = {"MALE", "FEMALE", "OTHER"};
    messages[450] = Numbered("WORD", 40);
    messages[800] = Numbered("title", 60);
    messages[1530] = Numbered("type", 30);
    messages[1750] = Numbered("a", 256);
    messages[3800] = {"Sword=Flame", "X/Y"};
    std::vector<std::string> locations = {"HEAD", "TORSO", "ARMS", "LEGS", "FEET", "WINGS", "TAIL"};
    if (edition == Edition::Gold) {
        messages[3300] = Numbered("OTHER", 21);
        messages[3321] = locations;
    } else {
        messages[3300] = Numbered("OTHER", 21);
        messages[3300].insert(messages[3300].end(), locations.begin(), locations.end());
    }
    messages[3330] = {"PLANT", "BLOOM", "STEM", "LEAF", "ROOT", "THORN", "TENDRIL", "BARK"};
    messages[3390] = {"ROBOT", "EYE", "SHELL"};
    return messages;
}

std::unique_ptr<Loaded> Load(const TempFolder& folder, Edition edition)
{
    gamebuild::Installation installation = SmallInstallation(edition);
    installation.messages = ListMessages(edition);
    EXPECT_TRUE(installation.Write(folder.Path()));
    auto loaded = std::make_unique<Loaded>();
    loaded->platform.settings["w7path"] = folder.Path();
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    return loaded;
}

} // namespace

TEST(NameLists, TitleCaseAndExpansion)
{
    TempFolder folder;
    auto loaded = Load(folder, Edition::First);
    const CGameData& game = *loaded->game;
    EXPECT_EQ(*game.NameList(namelist::kRaces),
              (std::vector<std::string>{"Long Sword", "King's Crown", "O'malley", "a-b c"}));
    EXPECT_EQ(game.NameList(namelist::kItemWords)->at(3), "Word3");
    EXPECT_EQ(game.NameList(namelist::kRankTitles)->at(3), "title3") << "not a title-case list";
    // The weapon list begins with an empty entry, and its names are expanded.
    EXPECT_EQ(*game.NameList(namelist::kWeapons), (std::vector<std::string>{"", "Sword of Flame", "X Y"}));
    // A list whose message is missing stays empty; LoadNameList appends to what is there.
    EXPECT_TRUE(game.NameList(namelist::kSpells)->empty());
    std::vector<std::string> list = {"kept"};
    game.LoadNameList(list, 3800, true, true);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "Sword of flame", "X y"}));
}

TEST(NameLists, IndexesAreUnsignedBytesWithTheListsOwnRules)
{
    TempFolder folder;
    auto loaded = Load(folder, Edition::First);
    const CGameData& game = *loaded->game;
    EXPECT_EQ(game.RaceName(1), "King's Crown");
    EXPECT_EQ(game.RaceName(256 + 1), "King's Crown");
    EXPECT_EQ(game.RaceName(-255), "King's Crown");
    EXPECT_EQ(game.RaceName(4), "") << "beyond the list";

    // Genders: only 0 and 1, though the list has a third entry.
    EXPECT_EQ(game.GenderName(1), "Female");
    EXPECT_EQ(game.GenderName(2), "");
    EXPECT_EQ(game.GenderName(257), "Female");

    // Item words: the effects are entry + 25, wrapping at 256.
    EXPECT_EQ(game.ItemWord(19), "Word19");
    EXPECT_EQ(game.EffectName(0), "Word25");
    EXPECT_EQ(game.EffectName(7), "Word32");
    EXPECT_EQ(game.EffectName(231), "Word0");

    // Item types from entry 20 on, wrapping at 256.
    EXPECT_EQ(game.ItemTypeName(0), "type20");
    EXPECT_EQ(game.ItemTypeName(9), "type29");
    EXPECT_EQ(game.ItemTypeName(10), "");
    EXPECT_EQ(game.ItemTypeName(236), "type0");

    // Alliances: 255 is none even in a list that long.
    EXPECT_EQ(game.NameList(namelist::kAlliances)->size(), 256u);
    EXPECT_EQ(game.AllianceName(254), "a254");
    EXPECT_EQ(game.AllianceName(255), "");
    EXPECT_EQ(game.AllianceName(-1), "");

    // Ranks: profession and rank each a byte, entry profession * 10 + rank.
    EXPECT_EQ(game.RankTitle(2, 3), "title23");
    EXPECT_EQ(game.RankTitle(256 + 5, 9), "title59");
    EXPECT_EQ(game.RankTitle(6, 0), "");

    EXPECT_EQ(game.WeaponName(0), "");
    EXPECT_EQ(game.WeaponName(1), "Sword of Flame");
}

TEST(NameLists, BodyLocationsByCreatureTypeInBothEditions)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        TempFolder folder;
        auto loaded = Load(folder, edition);
        const CGameData& game = *loaded->game;
        SCOPED_TRACE(edition == Edition::Gold ? "Gold" : "first edition");
        EXPECT_EQ(game.NameListMessage(14), edition == Edition::Gold ? 3321 : 3300);
        EXPECT_EQ(game.BodyLocationName(0, 0), "Head");
        EXPECT_EQ(game.BodyLocationName(20, 6), "Tail");
        EXPECT_EQ(game.BodyLocationName(0, 7), "") << "beyond the list";
        EXPECT_EQ(game.BodyLocationName(17, 0), "Bloom") << "plants: entry + 1 of their own list";
        EXPECT_EQ(game.BodyLocationName(17, 5), "Tendril");
        EXPECT_EQ(game.BodyLocationName(26, 1), "Shell") << "robots: entry + 1 of their own list";
        EXPECT_EQ(game.BodyLocationName(26, 2), "");
        EXPECT_EQ(game.BodyLocationName(23, 5), "Tendril") << "a sea monster's location 5";
        EXPECT_EQ(game.BodyLocationName(23, 4), "Feet");
    }
}
