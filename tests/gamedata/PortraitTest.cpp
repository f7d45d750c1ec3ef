// Character portraits: "portdata.vga" with the scale-4 shading, and Gold's BMP files.

#include "gamedata/Portraits.h"
#include "tests/gamedata/PictureFixture.h"

#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {
const std::array<Colour, 256> kPalette = TestPalette();
constexpr Colour kBlack = Rgb(0, 0, 0);

// Portrait n: every pixel n + 10, except (1, 2), which is 16, and (0, 0), which is transparent.
Record TestPortrait(int n)
{
    Record pixels(portraits::kSize, static_cast<uint8_t>(n + 10));
    pixels[2 * 26 + 1] = 16;
    pixels[0] = 255;
    return pixels;
}
} // namespace

TEST(Portrait, ShadingKeepsEachQuarterInsideItsRange)
{
    auto shades = [](uint8_t v) { return portraits::ShadesOf(v, kPalette); };
    EXPECT_EQ(shades(16).topLeft, kPalette[16]) << "16 begins a range";
    EXPECT_EQ(shades(16).bottomRight, kPalette[17]);
    EXPECT_EQ(shades(15).topLeft, kPalette[14]);
    EXPECT_EQ(shades(15).bottomRight, kPalette[15]) << "15 ends a range";
    EXPECT_EQ(shades(0).topLeft, kPalette[0]);
    EXPECT_EQ(shades(0).bottomRight, kPalette[0]);
    EXPECT_EQ(shades(100).topLeft, kPalette[99]);
    EXPECT_EQ(shades(100).middle, kPalette[100]);
    EXPECT_EQ(shades(100).bottomRight, kPalette[101]);
    EXPECT_EQ(shades(254).bottomRight, kPalette[254]) << "the last range ends below the transparent index";
    EXPECT_EQ(shades(36).topLeft, kPalette[36]);

    Image image = portraits::DrawPortrait(TestPortrait(0), 4, kPalette);
    ASSERT_EQ(image.Width(), 104);
    ASSERT_EQ(image.Height(), 120);
    // Pixel (1, 2) of 16 covers (4..7, 8..11): top-left 16, the two middle quarters 16, bottom-right 17.
    EXPECT_EQ(image.Pixel(5, 9), kPalette[16]);
    EXPECT_EQ(image.Pixel(6, 8), kPalette[16]);
    EXPECT_EQ(image.Pixel(4, 11), kPalette[16]);
    EXPECT_EQ(image.Pixel(7, 11), kPalette[17]);
    EXPECT_EQ(image.Pixel(6, 10), kPalette[17]);
    EXPECT_EQ(image.Pixel(3, 3), kBlack) << "transparent pixels stay black";
}

TEST(Portrait, FirstEditionScales)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    installation.portraits = {TestPortrait(0), TestPortrait(1)};
    auto loaded = LoadGame(installation, folder);
    const CGameData& game = *loaded->game;

    struct Case {
        int scale, width;
    };
    for (Case c : {Case{1, 26}, Case{2, 52}, Case{3, 78}, Case{4, 104}, Case{9, 104}, Case{0, 26}}) {
        std::optional<Image> image = game.GetPortrait(1, c.scale);
        ASSERT_TRUE(image) << "scale " << c.scale;
        EXPECT_EQ(image->Width(), c.width) << "scale " << c.scale;
        EXPECT_EQ(image->Height(), c.width / 26 * 30);
    }
    EXPECT_EQ(game.GetPortrait(1, 1)->Pixel(1, 0), kPalette[11]);
    EXPECT_EQ(game.GetPortrait(1, 1)->Pixel(0, 0), kBlack);
    EXPECT_EQ(game.GetPortrait(1, 2)->Pixel(3, 5), kPalette[16]);
    // Scale 3: the portrait at scale 1 in the top-left corner of a bitmap three times its size.
    Image three = *game.GetPortrait(0, 3);
    EXPECT_EQ(three.Pixel(25, 29), kPalette[10]);
    EXPECT_EQ(three.Pixel(26, 29), kBlack);
    EXPECT_EQ(three.Pixel(25, 30), kBlack);
}

TEST(Portrait, MissingPortraitsGiveNothing)
{
    for (Edition edition : {Edition::First, Edition::Gold}) {
        TempFolder folder;
        gamebuild::Installation installation = SmallInstallation(edition);
        installation.portraits = std::vector<Record>(33, TestPortrait(0));
        installation.goldPortraitsSmall = installation.goldPortraitsLarge = std::vector<Image>(34, Image(4, 4));
        auto loaded = LoadGame(installation, folder);
        const CGameData& game = *loaded->game;
        EXPECT_TRUE(game.GetPortrait(32, 4));
        EXPECT_FALSE(game.GetPortrait(33, 4)) << "the files hold a 34th portrait, but 33 is not one";
        EXPECT_FALSE(game.GetPortrait(-1, 4));
        EXPECT_TRUE(loaded->platform.errors.empty());
    }

    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    auto loaded = LoadGame(installation, folder);
    EXPECT_FALSE(loaded->game->GetPortrait(0, 4)) << "no portdata.vga";

    // A file that ends inside portrait 1: portrait 1 as far as it goes, portrait 2 not at all.
    installation.portraits = {TestPortrait(0), TestPortrait(1), TestPortrait(2)};
    ASSERT_TRUE(installation.Write(folder.Path()));
    ASSERT_TRUE(gamebuild::CutFile(folder.File("portdata.vga"), 780 + 26 * 10));
    std::optional<Image> cut = loaded->game->GetPortrait(1, 1);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Pixel(25, 9), kPalette[11]);
    EXPECT_EQ(cut->Pixel(0, 10), kBlack);
    EXPECT_FALSE(loaded->game->GetPortrait(2, 1));
}

TEST(Portrait, GoldReadsSmallAndLargeBitmapsAsTheyAre)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation(Edition::Gold);
    installation.portraits = {TestPortrait(0)}; // not read in the Gold edition
    for (int n = 0; n < 33; ++n) {
        installation.goldPortraitsSmall.push_back(Image(10, 12, Rgb(n, 1, 2)));
        installation.goldPortraitsLarge.push_back(Image(40, 48, Rgb(n, 3, 4)));
    }
    auto loaded = LoadGame(installation, folder);
    const CGameData& game = *loaded->game;
    std::optional<Image> small = game.GetPortrait(5, 1);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width(), 10);
    EXPECT_EQ(small->Pixel(9, 11), Rgb(5, 1, 2));
    for (int scale : {2, 4}) {
        std::optional<Image> large = game.GetPortrait(5, scale);
        ASSERT_TRUE(large);
        EXPECT_EQ(large->Width(), 40) << "no scaling";
        EXPECT_EQ(large->Pixel(0, 0), Rgb(5, 3, 4));
    }
    EXPECT_EQ(game.GetPortrait(0, 0)->Width(), 10);

    ASSERT_TRUE(gamebuild::CutFile(folder.File("RES/BITS/PCB/pc7.bmp"), 30));
    EXPECT_FALSE(game.GetPortrait(7, 4)) << "a damaged bitmap";
    EXPECT_TRUE(game.GetPortrait(7, 1));
}
