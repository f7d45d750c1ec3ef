// The demo's pictures, spells and portraits keep the promises other windows rely on.

#include "gamedata/MainPictures.h"
#include "gamedata/SpellTable.h"
#include "tests/gamedata/PictureFixture.h"

#include <gtest/gtest.h>

using gamebuild::Edition;

TEST(DemoPictures, EveryPartIsThereAndFitsItsUse)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        SCOPED_TRACE(edition == Edition::Gold ? "Gold" : "first edition");
        TempFolder folder;
        auto loaded = LoadGame(gamebuild::DemoInstallation(edition), folder);
        CGameData& game = *loaded->game;
        ASSERT_TRUE(game.Loaded());

        // Monsters animate over four frames, whatever their frame mark leaves out; those whose
        // numbers name the other pictures show those.
        for (int monster = 0; monster < game.MonsterCount(); ++monster) {
            std::vector<Image> frames;
            const int count = game.LoadMonsterPicture(monster, frames, 1);
            if (monster == 3 || monster == 4 || monster == 7 || monster == 11 || monster == 14 || monster == 16 ||
                monster == 63)
                EXPECT_GT(count, 0) << monster;
            else
                EXPECT_EQ(count, 4) << "monster " << monster;
        }

        // Map tiles: 35, each large enough to hold a wall; the secret button fits in a tile.
        std::vector<Image> tiles;
        ASSERT_EQ(game.LoadPicByNumber(14, tiles, {.scale = 2}), 35);
        EXPECT_GE(tiles[0].Width(), 18);
        EXPECT_GE(tiles[0].Height(), 18);
        std::vector<Image> button;
        ASSERT_EQ(game.LoadPicByNumber(16, button, {.scale = 1, .first = 6, .end = 7}), 1);
        EXPECT_LE(button[0].Width(), 13);

        // The realm spheres: 29 frames, each holding the 20 x 19 piece cut at its own corner.
        std::vector<Image> spheres;
        ASSERT_EQ(game.LoadPicByNumber(3, spheres, {.scale = 1}), 29);
        EXPECT_GE(spheres[0].Width(), 11 + 20);
        EXPECT_GE(spheres[0].Height(), 3 + 19);

        // The main window's pictures: one frame per button, whichever monster is drawn, and an
        // animation of several frames; the monster button fits on the window.
        for (int draw : {0, 481, 481 * 20, 32767}) {
            const auto pictures =
                mainpictures::ChooseMainPictures(game.IsGold(), Rgb(1, 2, 3), [draw] { return draw; });
            for (const auto* button : {&pictures.itemList, &pictures.monsterViewer, &pictures.picViewer,
                                       &pictures.saveFiles}) {
                std::vector<Image> shown;
                ASSERT_EQ(mainpictures::LoadChoice(game, button->picture, shown), 1) << button->picture.number;
            }
            std::vector<Image> monster;
            mainpictures::LoadChoice(game, pictures.monsterViewer.picture, monster);
            EXPECT_LE(mainpictures::MonsterButtonSize(monster[0].Width(), monster[0].Height()).width, 300);
            std::vector<Image> animation;
            EXPECT_GT(mainpictures::LoadChoice(game, pictures.animation, animation), 1);
        }
        EXPECT_TRUE(loaded->platform.errors.empty());

        for (int spell = 0; spell < spells::kCount; ++spell) {
            const uint8_t* record = game.GetSpell(spell);
            ASSERT_NE(record, nullptr);
            EXPECT_GE(record[spells::kLevel], 1);
            EXPECT_LE(record[spells::kLevel], 7);
            EXPECT_GE(record[spells::kSchool], 1);
            EXPECT_LE(record[spells::kSchool], 14);
        }
        for (int portrait = 0; portrait < 33; ++portrait)
            EXPECT_TRUE(game.GetPortrait(portrait, 4)) << portrait;
    }
}
