#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "tests/TempFolder.h"

#include <gtest/gtest.h>

TEST(BmpFile, ATwentyFourBitRoundTripKeepsEveryPixelAndPadsRows)
{
    Image image(3, 2); // 3 pixels of 3 bytes: rows padded from 9 to 12 bytes
    image.SetPixel(0, 0, Rgb(255, 0, 0));
    image.SetPixel(2, 0, Rgb(1, 2, 3));
    image.SetPixel(1, 1, Rgb(0, 0, 255));
    std::vector<uint8_t> file = EncodeBmp24(image);
    EXPECT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[54 + 12 + 2], 255) << "rows are stored bottom-up in blue, green, red order";
    std::optional<Image> back = DecodeBmp(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Pixels(), image.Pixels());
}

TEST(BmpFile, PalettedAndTopDownFilesDecode)
{
    // 4-bit, 3 x 1, top-down (height -1), colours: 0 black, 1 red; pixels 1, 0, 1.
    std::vector<uint8_t> file(14 + 40 + 2 * 4 + 4, 0);
    file[0] = 'B';
    file[1] = 'M';
    file[10] = 14 + 40 + 8;
    file[14] = 40;
    file[18] = 3;
    file[22] = 0xFF, file[23] = 0xFF, file[24] = 0xFF, file[25] = 0xFF;
    file[26] = 1;
    file[28] = 4;
    file[46] = 2;
    file[54 + 4 + 2] = 255; // colour 1: blue 0, green 0, red 255
    file[62] = 0x10;
    file[63] = 0x10;
    std::optional<Image> image = DecodeBmp(file);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image->Pixel(1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(image->Pixel(2, 0), Rgb(255, 0, 0));
}

TEST(BmpFile, DamagedFilesAreRefused)
{
    std::vector<uint8_t> file = EncodeBmp24(Image(4, 4, Rgb(9, 9, 9)));
    for (size_t length : {size_t(0), size_t(2), size_t(53), file.size() - 1}) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<long>(length));
        EXPECT_FALSE(DecodeBmp(cut)) << length;
    }
    std::vector<uint8_t> huge = file;
    huge[21] = 0x7F; // width of two billion pixels
    EXPECT_FALSE(DecodeBmp(huge));
}

TEST(BmpFile, WritingReplacesAnOldFileWhole)
{
    TempFolder folder;
    const std::string path = folder.File("picture.bmp");
    ASSERT_TRUE(WriteBmpFile(path, Image(8, 8, Rgb(1, 1, 1))));
    ASSERT_TRUE(WriteBmpFile(path, Image(2, 2, Rgb(200, 100, 0))));
    std::optional<Image> back = DecodeBmp(*ReadGameFile(path));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Width(), 2);
    EXPECT_EQ(back->Pixel(1, 1), Rgb(200, 100, 0));
    EXPECT_FALSE(WriteBmpFile(folder.File("no/such/folder/x.bmp"), Image(1, 1)));
}
