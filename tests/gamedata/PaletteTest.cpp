// "palette.def": triples of 6-bit intensities, ended by a triple holding 255 or by the file's end.

#include "gamedata/ImageSetFile.h"
#include "gamedata/PaletteFile.h"
#include "tests/gamedata/ImageFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
Palette Decode(const std::vector<uint8_t>& bytes, int* count = nullptr)
{
    Palette palette{};
    int n = DecodePalette(bytes, palette);
    if (count)
        *count = n;
    return palette;
}
} // namespace

TEST(Palette, TriplesBecomeColoursUntilOneHolds255)
{
    int count = 0;
    // The fourth triple is 255 255 255: three colours; the fifth is never read.
    Palette palette = Decode({63, 0, 0, 0, 63, 0, 1, 2, 3, 255, 255, 255, 9, 9, 9}, &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(palette[0], Rgb(252, 0, 0));
    EXPECT_EQ(palette[1], Rgb(0, 252, 0));
    EXPECT_EQ(palette[2], Rgb(4, 8, 12));
    EXPECT_EQ(palette[3], Rgb(0, 0, 0));
    EXPECT_EQ(palette[255], Rgb(0, 0, 0));

    // Any one byte of 255 ends the list, and an intensity beyond 6 bits keeps 8 bits of its product.
    EXPECT_EQ((Decode({10, 20, 30, 10, 255, 10}, &count), count), 1);
    EXPECT_EQ(Decode({64, 100, 63})[0], Rgb(0, 144, 252));
}

TEST(Palette, TheFileEndsTheListAfterWholeTriplesAndAt256Colours)
{
    int count = 0;
    Palette palette = Decode({5, 5, 5, 6, 6}, &count);
    EXPECT_EQ(count, 1) << "a triple cut by the end of the file is no colour";
    EXPECT_EQ(palette[1], Rgb(0, 0, 0));
    EXPECT_EQ((Decode({}, &count), count), 0);

    std::vector<uint8_t> long_(3 * 300, 7);
    palette = Decode(long_, &count);
    EXPECT_EQ(count, 256);
    EXPECT_EQ(palette[255], Rgb(28, 28, 28));
}

TEST(Palette, LoadedAtStartUpAndAMissingFileLeavesItBlackWithMessage16)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    installation.palette = std::vector<Colour>{Rgb(8, 16, 24), Rgb(255, 255, 255)};
    ASSERT_TRUE(installation.Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    EXPECT_TRUE(loaded->platform.errors.empty());
    EXPECT_EQ(loaded->game->Palette()[0], Rgb(8, 16, 24));
    EXPECT_EQ(loaded->game->Palette()[1], Rgb(252, 252, 252)) << "stored as 6 bits";

    std::filesystem::remove(folder.File("palette.def"));
    loaded = LoadGame(folder.Path());
    EXPECT_TRUE(loaded->game->Loaded()) << "start-up goes on";
    ASSERT_FALSE(loaded->platform.errors.empty());
    EXPECT_EQ(loaded->platform.errors[0], "Error while opening file " + folder.Path() +
                                              "\\palette.def\nPalette information cannot be accessed!\n"
                                              "Make sure you supplied the correct path to Wizardry VII installation "
                                              "folder.");
    EXPECT_EQ(loaded->platform.errors.size(), 1u);
    for (Colour colour : loaded->game->Palette())
        EXPECT_EQ(colour, Rgb(0, 0, 0));
    EXPECT_EQ(*loaded->game->ItemImagesSmall().Get(0)->Pixels().begin(), imageset::kItemMask);
    EXPECT_EQ(loaded->game->ItemImagesSmall().Get(0)->Pixel(1, 1), Rgb(0, 0, 0)) << "images drawn in black";
}
