// The spell tree: realm texts, the order of known and unknown spells, their images, the realm
// animation and the tree's image list.

#include "saves/SpellTree.h"
#include "tests/saves/SaveFixture.h"

using namespace savetest;

namespace {

SpellTree Tree(const Game& game, const SaveCharacter& character, const SpellTreeOptions& options)
{
    const Record bytes = gamebuild::CharacterRecordBytes(character);
    return BuildSpellTree(*game.data, CharacterRecord(bytes.data()), options, RealmAnimation());
}

std::vector<int> Spells(const RealmNode& realm)
{
    std::vector<int> spells;
    for (const SpellNode& node : realm.spells)
        spells.push_back(node.spell);
    return spells;
}

} // namespace

TEST(SpellTree, KnownSpellsComeFirstThenTheUnknownOnesEachAscending)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.spellsKnown = {10, 3, 11, 95};
    SpellTreeOptions both{true, true, false, 29};
    const SpellTree tree = Tree(game, c, both);
    EXPECT_EQ(Spells(tree[0]), (std::vector<int>{3, 10, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(tree[1].spells.size(), 15u);
    EXPECT_EQ(tree[1].spells[0].spell, 11);
    EXPECT_EQ(tree[5].spells.front().spell, 95);
    EXPECT_EQ(tree[5].spells[1].spell, 78);

    EXPECT_EQ(Spells(Tree(game, c, {true, false, false, 29})[0]), (std::vector<int>{3, 10}));
    EXPECT_EQ(Spells(Tree(game, c, {false, true, false, 29})[1]).front(), 12);
    const SpellTree none = Tree(game, c, {false, false, false, 29});
    for (const RealmNode& realm : none)
        EXPECT_TRUE(realm.spells.empty());
    EXPECT_EQ(none[2].text, "Air [Regen 0]") << "realm items stay without children";
}

TEST(SpellTree, TextsAndImagesFollowTheOptions)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    c.spellsKnown = {26, 38};
    c.spellPoints[2] = 4, c.maxSpellPoints[2] = 9, c.spellRegen[2] = 2, c.spellRegen[3] = 1;
    const SpellTree plain = Tree(game, c, {true, true, false, 29});
    EXPECT_EQ(plain[2].text, "Air [SP 4/9, Regen 2]");
    EXPECT_EQ(plain[3].text, "Earth [Regen 1]") << "no spell points in that realm";
    EXPECT_EQ(plain[2].image, 11) << "the realm's first animation frame";
    const SpellNode& known = plain[2].spells[0];
    EXPECT_EQ(known.text, "Spell 26 [6/2]");
    EXPECT_EQ(known.image, 11) << "the realm's image";
    const SpellNode& unknown = plain[2].spells[2];
    EXPECT_EQ(unknown.spell, 27);
    EXPECT_EQ(unknown.image, 29) << "the unknown-spell image follows the sphere frames";

    // Spell 26 is of school 13, which has no icon; 38 of school 11; 27 of school 14.
    const SpellTree schools = Tree(game, c, {true, true, true, 29});
    EXPECT_EQ(schools[2].spells[0].image, 11);
    EXPECT_EQ(schools[2].spells[1].image, 29 + 6);
    EXPECT_EQ(schools[2].spells[2].text, "?Spell 27 [7/2]");
    EXPECT_EQ(schools[2].spells[2].image, 29 + 9);

    gamebuild::Installation bare = SaveInstallation();
    bare.spells.clear(); // no executable: no spell records
    Game noTable(bare);
    EXPECT_EQ(SpellText(*noTable.data, 27), "Spell 27");
    const SpellTree unrecorded = Tree(noTable, c, {true, true, true, 29});
    EXPECT_EQ(unrecorded[2].spells[2].text, "?Spell 27");
    EXPECT_EQ(unrecorded[2].spells[2].image, 11);
}

TEST(SpellTree, RealmsAnimateWithinTheirOwnFrames)
{
    RealmAnimation animation;
    const std::array<bool, 6> onlyAir{false, false, true, false, false, false};
    EXPECT_EQ(animation.Frame(2), 11);
    for (int step = 0; step < 3; ++step)
        animation.Advance(onlyAir);
    EXPECT_EQ(animation.Frame(2), 14) << "the last of the realm's frames";
    EXPECT_EQ(animation.Frame(0), 0) << "realms without children stay";
    animation.Advance(onlyAir);
    EXPECT_EQ(animation.Frame(2), 11) << "wraps to the first";
    animation.Advance({true, true, true, true, true, true});
    EXPECT_EQ(animation.Frame(5), 27);
    EXPECT_EQ(animation.Frame(7), 0);
}

TEST(SpellTree, ImagesAreSphereFramesThenUnknownThenSchools)
{
    gamebuild::Installation installation = SaveInstallation();
    installation.palette = std::vector<Colour>{Rgb(0, 0, 0), Rgb(252, 252, 252), Rgb(200, 0, 0)};
    gamebuild::PicFrame sphere{24, 24, std::vector<uint8_t>(24 * 24, 2)};
    sphere.pixels[0] = 1; // the top-left pixel, which frame 0's cut at (4, 0) leaves out
    installation.pictures["MON03.PIC"] = {pic::Form::MaskedBlocks, std::vector<gamebuild::PicFrame>(3, sphere)};
    Game game(installation);

    Image schools(260, 19, Rgb(255, 255, 255));
    schools.SetPixel(20 + 3, 5, Rgb(1, 2, 3));
    const Colour window = Rgb(240, 240, 240);
    int sphereFrames = 0;
    const ImageList list = BuildSpellTreeImages(*game.data, window, schools, sphereFrames);
    EXPECT_EQ(sphereFrames, 3);
    ASSERT_EQ(list.Count(), 3 + 1 + 13);
    EXPECT_EQ(list.CellWidth(), 20);
    EXPECT_EQ(list.Mask(), window);
    EXPECT_EQ(list.Get(0)->Pixel(0, 0), Rgb(200, 0, 0));
    EXPECT_EQ(list.Get(3)->Pixel(0, 0), window) << "no icon 127: the unknown image is empty";
    EXPECT_EQ(list.Get(5)->Pixel(3, 5), Rgb(1, 2, 3));
    EXPECT_EQ(list.Get(5)->Pixel(0, 0), window) << "white is the school icons' mask";
}

TEST(SpellTree, EachRealmsSpellsHaveTheirRealmsImageWhileRealmItemsStartTheirAnimation)
{
    Game game(SaveInstallation());
    SaveCharacter c;
    const int firstSpells[6] = {0, 11, 26, 43, 57, 78};
    for (int spell : firstSpells)
        c.spellsKnown.push_back(spell);
    const SpellTree tree = Tree(game, c, {true, false, false, 29});
    const int spellImages[6] = {0, 6, 11, 17, 22, 26};
    const int firstFrames[6] = {0, 6, 11, 15, 22, 26};
    for (int realm = 0; realm < 6; ++realm) {
        ASSERT_EQ(tree[realm].spells.size(), 1u) << "realm " << realm;
        EXPECT_EQ(tree[realm].spells[0].image, spellImages[realm]) << "realm " << realm;
        EXPECT_EQ(tree[realm].image, firstFrames[realm]) << "realm " << realm;
    }
}
