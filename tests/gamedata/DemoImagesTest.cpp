// The demo's hand-drawn pictures: a font that covers the printable characters and state marks
// that the program can recolour.

#include "gamedata/ImageSetFile.h"
#include "testing/DemoImages.h"
#include "tests/gamedata/ImageFixture.h"

#include <gtest/gtest.h>

TEST(DemoImages, TheFontHasAGlyphForEveryPrintableCharacterWithABlankColumnAfterIt)
{
    gamebuild::GameFont font = gamebuild::DemoFont();
    EXPECT_EQ(font[' '].width, 3);
    for (int c = 33; c < 127; ++c) {
        const gamebuild::FontGlyph& glyph = font[c];
        ASSERT_GE(glyph.width, 2) << static_cast<char>(c);
        uint16_t ink = 0;
        for (uint16_t row : glyph.rows)
            ink |= row;
        EXPECT_NE(ink, 0) << static_cast<char>(c);
        EXPECT_EQ(ink & (0xFFFF >> (glyph.width - 1)), 0) << static_cast<char>(c) << " inks beyond its width";
        EXPECT_NE(ink & (0x8000 >> (glyph.width - 2)), 0) << static_cast<char>(c) << " has an empty last column";
    }
    EXPECT_EQ(font[127].width, 0);
}

TEST(DemoImages, StateMarksAreWholeAndMark8UsesOnlyTheColoursThatAreRecoloured)
{
    auto marks = gamebuild::DemoStateMarks();
    ASSERT_EQ(marks.size(), 15u);
    for (const auto& mark : marks)
        ASSERT_EQ(mark.size(), 81u);
    for (uint8_t value : marks[8]) {
        EXPECT_TRUE(value == imageset::kTransparent || (value >= 64 && value <= 71)) << int(value);
        EXPECT_NE(value, 66) << "66 becomes the font's ink in mark 13";
    }

    TempFolder folder;
    ASSERT_TRUE(gamebuild::DemoInstallation(gamebuild::Edition::First).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const CGameData& game = *loaded->game;
    EXPECT_TRUE(loaded->platform.errors.empty());
    EXPECT_EQ(game.StateIcons9().Count(), 15);
    EXPECT_GE(game.ItemImagesSmall().Count(), 159) << "the loot list's empty mark is image 158";
    EXPECT_EQ(game.ItemImagesLarge().CellWidth(), 18);
    EXPECT_EQ(game.Font().widths['m'], 6);
}
