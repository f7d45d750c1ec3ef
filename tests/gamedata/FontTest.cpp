// "vbfont2.vga": glyph widths at 16, glyph rows at 272, drawn into one strip in palette colour 84.

#include "gamedata/FontFile.h"
#include "tests/gamedata/ImageFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr Colour kInk = Rgb(252, 244, 212);
constexpr Colour kBlack = Rgb(0, 0, 0);

gamebuild::Installation WithFont(const gamebuild::GameFont& font)
{
    gamebuild::Installation installation = SmallInstallation();
    std::vector<Colour> palette(85, Rgb(40, 40, 40));
    palette[84] = kInk;
    installation.palette = palette;
    installation.font = font;
    return installation;
}

// 'A' 5 wide with its leftmost and rightmost columns inked in row 3; 'i' 1 wide; '!' width 0.
gamebuild::GameFont SmallFont()
{
    gamebuild::GameFont font{};
    font['A'].width = 5;
    font['A'].rows[3] = 0x8800; // bits 15 and 11: columns 0 and 4
    font['i'].width = 1;
    font['i'].rows[13] = 0x8000;
    font['!'].width = 0;
    return font;
}

} // namespace

TEST(TextFont, WidthsAndGlyphsMakeOneStripInk84OnBlack)
{
    TempFolder folder;
    ASSERT_TRUE(WithFont(SmallFont()).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const CGameData& game = *loaded->game;
    EXPECT_EQ(game.Font().widths['A'], 5);
    EXPECT_EQ(game.Font().widths['i'], 1);
    EXPECT_EQ(game.Font().widths['!'], 0) << "a width byte of 1";
    EXPECT_EQ(game.Font().maxWidth, 5);
    ASSERT_EQ(game.Font().strip.Width(), 5 * 128);
    ASSERT_EQ(game.Font().strip.Height(), 14);
    EXPECT_EQ(game.Font().strip.Pixel(5 * 'A' + 0, 3), kInk);
    EXPECT_EQ(game.Font().strip.Pixel(5 * 'A' + 4, 3), kInk);
    EXPECT_EQ(game.Font().strip.Pixel(5 * 'A' + 1, 3), kBlack);
    EXPECT_EQ(game.Font().strip.Pixel(5 * 'i', 13), kInk);
    int inked = 0;
    for (Colour colour : game.Font().strip.Pixels())
        inked += colour == kInk;
    EXPECT_EQ(inked, 3);
}

TEST(TextFont, InkBeyondTheWidestGlyphStaysInItsOwnCell)
{
    gamebuild::GameFont font = SmallFont();
    font['B'].width = 3;
    font['B'].rows[0] = 0xFFFF; // 16 pixels of ink in a font whose widest glyph is 5
    TempFolder folder;
    ASSERT_TRUE(WithFont(font).Write(folder.Path()));
    auto loaded = LoadGame(folder.Path());
    const Image& strip = loaded->game->Font().strip;
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(strip.Pixel(5 * 'B' + x, 0), kInk);
    for (int x = 5; x < 16; ++x)
        EXPECT_EQ(strip.Pixel(5 * 'B' + x, 0), kBlack) << "column " << x - 5 << " of glyph 'C'";
}

TEST(TextFont, ShortFilesGiveNoFontOrTheGlyphsTheyHold)
{
    const std::vector<uint8_t> whole = gamebuild::FontFileBytes(SmallFont());
    // Before the widths and before the glyph rows: no font at all.
    for (size_t length : {size_t{10}, fontfile::kWidthsOffset + 40, fontfile::kGlyphsOffset - 1}) {
        auto loaded = LoadWithFile(WithFont(SmallFont()), "vbfont2.vga", {whole.begin(), whole.begin() + length});
        EXPECT_TRUE(loaded->game->Font().strip.Empty()) << length;
        EXPECT_EQ(loaded->game->Font().maxWidth, 0) << length;
        EXPECT_EQ(loaded->game->Font().widths['A'], 0) << length;
        EXPECT_TRUE(loaded->platform.errors.empty()) << "the font has no message";
    }
    // Inside the rows of 'A' (glyph 65, row 3 is bytes 6 and 7 of its 28): rows not held are blank.
    size_t cut = fontfile::kGlyphsOffset + 65 * 28 + 6;
    auto loaded = LoadWithFile(WithFont(SmallFont()), "vbfont2.vga", {whole.begin(), whole.begin() + cut});
    EXPECT_EQ(loaded->game->Font().widths['A'], 5);
    EXPECT_EQ(loaded->game->Font().strip.Width(), 5 * 128);
    EXPECT_EQ(loaded->game->Font().strip.Pixel(5 * 'A', 3), kBlack);

    TempFolder folder;
    ASSERT_TRUE(WithFont(SmallFont()).Write(folder.Path()));
    std::filesystem::remove(folder.File("vbfont2.vga"));
    auto missing = LoadGame(folder.Path());
    EXPECT_TRUE(missing->game->Loaded());
    EXPECT_TRUE(missing->game->Font().strip.Empty());
    EXPECT_TRUE(missing->platform.errors.empty());
}
