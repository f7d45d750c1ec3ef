// The ".vga" image sets: the state marks of "vcfont2.vga", the item images of both sets, and
// the icon list cut from the program's bitmap.

#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "gamedata/ImageSetFile.h"
#include "tests/gamedata/ImageFixture.h"
#include "tools/art/ProgramArt.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <set>

using gamebuild::ImageSet;

namespace {

// 8 x 6 images: image k has the value 10 + k at (x, y) = (k, 0), 255 at (1, 1), 20 elsewhere.
ImageSet EightBySix(int count)
{
    ImageSet set{8, 6, {}};
    for (int k = 0; k < count; ++k) {
        Record image(48, 20);
        image[k] = static_cast<uint8_t>(10 + k);
        image[8 + 1] = 255;
        set.images.push_back(image);
    }
    return set;
}

gamebuild::Installation WithImages(const ImageSet& small, const ImageSet& large)
{
    gamebuild::Installation installation = SmallInstallation();
    installation.palette = CountingPalette();
    installation.itemImages = small;
    installation.stateImages = large;
    return installation;
}

// Fifteen marks of 9 x 9: mark i is filled with the value i + 100 and has 255 at (0, 0); mark 8
// holds every value from 60 to 75 in its first row and first half of its second.
ImageSet Marks()
{
    ImageSet set{9, 9, {}};
    for (int i = 0; i < 15; ++i) {
        Record mark(81, static_cast<uint8_t>(100 + i));
        mark[0] = 255;
        if (i == 8)
            for (int v = 60; v <= 75; ++v)
                mark[v - 60 + 1] = static_cast<uint8_t>(v);
        set.images.push_back(mark);
    }
    return set;
}

} // namespace

TEST(ImageSet, CellsHaveTheBorderOrAreDoubledAndKeepTheMaskWhereTransparent)
{
    TempFolder folder;
    ASSERT_TRUE(WithImages(EightBySix(3), EightBySix(15)).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const CGameData& game = *loaded->game;
    EXPECT_TRUE(loaded->platform.errors.empty());

    const ImageList& small = game.ItemImagesSmall();
    ASSERT_EQ(small.Count(), 3);
    EXPECT_EQ(small.CellWidth(), 10);
    EXPECT_EQ(small.CellHeight(), 8);
    EXPECT_EQ(small.Mask(), imageset::kItemMask);
    const Image& second = *small.Get(1);
    EXPECT_EQ(second.Pixel(0, 0), imageset::kItemMask) << "the border";
    EXPECT_EQ(second.Pixel(9, 7), imageset::kItemMask);
    EXPECT_EQ(second.Pixel(1 + 1, 1), CountingColour(11)) << "pixel (1, 0) of image 1";
    EXPECT_EQ(second.Pixel(1 + 0, 1), CountingColour(20));
    EXPECT_EQ(second.Pixel(1 + 1, 1 + 1), imageset::kItemMask) << "255 is transparent";
    EXPECT_EQ(second.Pixel(1 + 7, 1 + 5), CountingColour(20));

    const ImageList& large = game.ItemImagesLarge();
    ASSERT_EQ(large.Count(), 15);
    EXPECT_EQ(large.CellWidth(), 16);
    EXPECT_EQ(large.CellHeight(), 12);
    const Image& third = *large.Get(2);
    for (int x : {4, 5})
        for (int y : {0, 1})
            EXPECT_EQ(third.Pixel(x, y), CountingColour(12)) << "a 2 x 2 square for pixel (2, 0)";
    EXPECT_EQ(third.Pixel(6, 0), CountingColour(20));
    EXPECT_EQ(third.Pixel(2, 2), imageset::kItemMask);
    EXPECT_EQ(third.Pixel(3, 3), imageset::kItemMask);
    EXPECT_EQ(third.Pixel(15, 11), CountingColour(20));
}

TEST(ImageSet, AFileHoldingFewerImagesThanItsCountGivesWhatItHolds)
{
    std::vector<uint8_t> bytes = gamebuild::ImageSetFileBytes(EightBySix(3));
    bytes[imageset::kCountOffset] = 200; // far more than the file holds
    bytes.resize(imageset::kPixelsOffset + 48 + 20); // image 1 cut in its third row
    auto loaded = LoadWithFile(WithImages(EightBySix(1), Marks()), "vcfont1.vga", bytes);
    const ImageList& small = loaded->game->ItemImagesSmall();
    ASSERT_EQ(small.Count(), 2);
    EXPECT_EQ(small.Get(1)->Pixel(1 + 3, 1 + 2), CountingColour(20)) << "byte 19 of image 1 is there";
    EXPECT_EQ(small.Get(1)->Pixel(1 + 4, 1 + 2), imageset::kItemMask) << "byte 20 is not";
    EXPECT_EQ(small.Get(1)->Pixel(1 + 7, 1 + 5), imageset::kItemMask);
    EXPECT_TRUE(loaded->platform.errors.empty());
}

TEST(ImageSet, HeadersWithoutPixelsGiveEmptyLists)
{
    const ImageSet three = EightBySix(3);
    // Cut inside the header (the seek to the pixels fails), and at the header's end.
    for (size_t length : {size_t{3}, size_t{200}, imageset::kPixelsOffset}) {
        std::vector<uint8_t> bytes = gamebuild::ImageSetFileBytes(three);
        bytes.resize(length);
        auto loaded = LoadWithFile(WithImages(three, Marks()), "vcfont1.vga", bytes);
        EXPECT_TRUE(loaded->game->ItemImagesSmall().Empty()) << length;
        EXPECT_TRUE(loaded->platform.errors.empty()) << length;
    }
    // Images of no width hold no pixels, whatever their count says.
    auto flat = LoadWithFile(WithImages(three, Marks()), "vcfont1.vga", gamebuild::ImageSetFileBytes(ImageSet{0, 6, {{}, {}}}));
    EXPECT_TRUE(flat->game->ItemImagesSmall().Empty());
}

TEST(ImageSet, MissingFilesShowTheirMessagesAndLeaveTheListsEmpty)
{
    TempFolder folder;
    ASSERT_TRUE(WithImages(EightBySix(3), Marks()).Write(folder.Path()));
    std::filesystem::remove(folder.File("vcfont2.vga"));
    auto loaded = LoadGame(folder.Path());
    EXPECT_TRUE(loaded->game->Loaded());
    EXPECT_TRUE(loaded->game->StateIcons9().Empty());
    EXPECT_TRUE(loaded->game->StateIcons16().Empty());
    EXPECT_TRUE(loaded->game->ItemImagesLarge().Empty());
    EXPECT_EQ(loaded->game->ItemImagesSmall().Count(), 3);
    const std::vector<std::string>& errors = loaded->platform.errors;
    ASSERT_GE(errors.size(), 2u);
    EXPECT_NE(errors.front().find("\\vcfont2.vga\nCharacter state images cannot be retrieved!"), std::string::npos);
    EXPECT_NE(errors.back().find("\\vcfont2.vga\nItems images cannot be retrieved!"), std::string::npos);

    const size_t before = errors.size();
    std::filesystem::remove(folder.File("vcfont1.vga"));
    loaded = LoadGame(folder.Path());
    ASSERT_EQ(loaded->platform.errors.size(), before + 1);
    EXPECT_NE(loaded->platform.errors[before - 1].find("\\vcfont1.vga\nItems images cannot be retrieved!"),
              std::string::npos) << "the small set is read before the large one";
}

TEST(StateIcons, MarksSitCentredOnTheWindowColour)
{
    TempFolder folder;
    ASSERT_TRUE(WithImages(EightBySix(1), Marks()).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const CGameData& game = *loaded->game;
    ASSERT_EQ(game.StateIcons9().Count(), 15);
    ASSERT_EQ(game.StateIcons16().Count(), 15);
    const Colour window = Rgb(255, 255, 255);
    EXPECT_EQ(game.StateIcons16().Mask(), window);
    EXPECT_EQ(game.StateIcons9().Get(4)->Pixel(1, 0), CountingColour(104));
    EXPECT_EQ(game.StateIcons9().Get(4)->Pixel(0, 0), window) << "255 shows the window colour";

    // Three pixels of margin on the top and left, four on the bottom and right.
    const Image& icon = *game.StateIcons16().Get(14);
    for (int i = 0; i < 16; ++i) {
        bool insideRow = i >= 3 && i <= 11;
        EXPECT_EQ(icon.Pixel(i, 2), window);
        EXPECT_EQ(icon.Pixel(i, 12), window);
        EXPECT_EQ(icon.Pixel(2, i), window);
        EXPECT_EQ(icon.Pixel(12, i), window);
        if (insideRow && i > 3) {
            EXPECT_EQ(icon.Pixel(i, 3), CountingColour(114)) << i;
            EXPECT_EQ(icon.Pixel(11, i), CountingColour(114)) << i;
        }
    }
}

TEST(StateIcons, Marks12And13AreMark8Recoloured)
{
    TempFolder folder;
    ASSERT_TRUE(WithImages(EightBySix(1), Marks()).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const ImageList& icons = loaded->game->StateIcons9();
    ASSERT_EQ(icons.Count(), 15);
    for (int v = 60; v <= 75; ++v) {
        int x = (v - 60 + 1) % 9, y = (v - 60 + 1) / 9;
        bool shifted = v >= 64 && v <= 71;
        EXPECT_EQ(icons.Get(8)->Pixel(x, y), CountingColour(v));
        EXPECT_EQ(icons.Get(12)->Pixel(x, y), CountingColour(shifted ? v - 42 : v)) << v;
        EXPECT_EQ(icons.Get(13)->Pixel(x, y), CountingColour(shifted ? v + 18 : v)) << v;
    }
    EXPECT_EQ(icons.Get(12)->Pixel(8, 8), CountingColour(108)) << "their own bytes are not used";
    EXPECT_EQ(icons.Get(13)->Pixel(8, 8), CountingColour(108));
    EXPECT_EQ(icons.Get(14)->Pixel(8, 8), CountingColour(114));
}

TEST(StateIcons, ACutFileLeavesMarksNotHeldBlankAndTheWindowColourComesFromThePlatform)
{
    std::vector<uint8_t> bytes = gamebuild::ImageSetFileBytes(Marks());
    bytes.resize(imageset::kPixelsOffset + 81 * 9 + 40); // ends inside mark 9, after mark 8
    TempFolder folder;
    ASSERT_TRUE(WithImages(EightBySix(1), Marks()).Write(folder.Path()));
    ASSERT_TRUE(gamebuild::WriteBytes(folder.File("vcfont2.vga"), bytes));

    struct GreyWindows : MemoryPlatform {
        Colour WindowColour() override { return Rgb(212, 208, 200); }
    } platform;
    platform.settings["w7path"] = folder.Path();
    CGameData game(platform);
    const Colour window = Rgb(212, 208, 200);
    ASSERT_EQ(game.StateIcons9().Count(), 15);
    EXPECT_EQ(game.StateIcons9().Mask(), window);
    EXPECT_EQ(game.StateIcons9().Get(9)->Pixel(3, 4), CountingColour(109)) << "byte 39 of mark 9";
    EXPECT_EQ(game.StateIcons9().Get(9)->Pixel(4, 4), window) << "byte 40 is not held";
    EXPECT_EQ(game.StateIcons9().Get(10)->Pixel(4, 4), window);
    EXPECT_EQ(game.StateIcons9().Get(13)->Pixel(4, 4), CountingColour(108)) << "drawn from mark 8, which is held";

    gamebuild::CutFile(folder.File("vcfont2.vga"), 100);
    CGameData cut(platform);
    EXPECT_TRUE(cut.StateIcons9().Empty()) << "no pixels at all: the list stays empty";
}

TEST(IconImages, TheGeneratedBitmapGives128DistinctIconsOnTheMaskColour)
{
    auto bytes = ReadGameFile(std::string(TALLOWMARK_ART_DIR) + "/" + art::ProgramBitmapFile(131));
    ASSERT_TRUE(bytes) << "the art generator's bitmap 131";
    std::optional<Image> bitmap = DecodeBmp(*bytes);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 3328);
    EXPECT_EQ(bitmap->Height(), 26);

    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    auto loaded = LoadGame(folder.Path(), bitmap);
    const ImageList& icons = loaded->game->IconImages();
    ASSERT_EQ(icons.Count(), 128);
    EXPECT_EQ(icons.CellWidth(), 26);
    EXPECT_EQ(icons.Mask(), Rgb(255, 128, 64));
    std::set<std::vector<Colour>> distinct;
    for (int i = 0; i < icons.Count(); ++i) {
        const Image& icon = *icons.Get(i);
        EXPECT_EQ(icon.Pixel(0, 0), icons.Mask()) << "icon " << i << " is drawn on the mask colour";
        int drawn = 0;
        for (Colour colour : icon.Pixels())
            drawn += colour != icons.Mask();
        EXPECT_GT(drawn, 26 * 26 / 8) << "icon " << i << " shows something";
        distinct.insert(icon.Pixels());
    }
    EXPECT_EQ(distinct.size(), 128u);
}

TEST(IconImages, WholeCellsOfWhateverBitmapThereIsAndNoneWithoutOne)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    Image narrow(60, 20, Rgb(1, 2, 3));
    narrow.SetPixel(26, 0, Rgb(9, 9, 9));
    auto loaded = LoadGame(folder.Path(), narrow);
    const ImageList& icons = loaded->game->IconImages();
    ASSERT_EQ(icons.Count(), 2);
    EXPECT_EQ(icons.Get(1)->Pixel(0, 0), Rgb(9, 9, 9));
    EXPECT_EQ(icons.Get(1)->Pixel(0, 25), Rgb(255, 128, 64)) << "rows the bitmap lacks are transparent";

    loaded = LoadGame(folder.Path());
    EXPECT_TRUE(loaded->game->IconImages().Empty());
    EXPECT_TRUE(loaded->platform.errors.empty());
    EXPECT_TRUE(loaded->game->Loaded());
}

TEST(ImageList, AStripHoldsTheCellsSideBySideAndOneMaskCellWhenEmpty)
{
    const Colour mask = Rgb(255, 0, 255);
    ImageList list(3, 2, mask);
    EXPECT_EQ(list.Strip().Width(), 3) << "one cell of the mask colour";
    EXPECT_EQ(list.Strip().Pixel(2, 1), mask);
    list.Add(Image(3, 2, Rgb(1, 1, 1)));
    list.Add(Image(3, 2, Rgb(2, 2, 2)));
    const Image strip = list.Strip();
    ASSERT_EQ(strip.Width(), 6);
    ASSERT_EQ(strip.Height(), 2);
    EXPECT_EQ(strip.Pixel(2, 1), Rgb(1, 1, 1));
    EXPECT_EQ(strip.Pixel(3, 0), Rgb(2, 2, 2)) << "the second cell begins at the cell width";
}
