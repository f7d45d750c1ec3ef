// Game texts drawn in the game's font: line breaking, centring, and coded texts.

#include "testing/GameDataSeam.h"
#include "gamedata/TextPicture.h"
#include "tests/gamedata/ImageFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kInk = Rgb(255, 255, 255);

// Every glyph 6 pixels wide, inked only at column 0 of row 5, so that each drawn character
// leaves one mark at its left edge.
struct MonoFont {
    MemoryPlatform platform; // no folder: the store stays unloaded and only the font is set
    CGameData game{platform};
    MonoFont()
    {
        TextFont& font = GameDataSeam(game).Font();
        font.widths.fill(6);
        font.maxWidth = 6;
        font.strip = Image(6 * 128, 14);
        for (int c = 0; c < 128; ++c)
            font.strip.SetPixel(6 * c, 5, kInk);
    }
    Image Draw(const std::string& text, bool coded = false) const
    {
        return RenderMessageText(game, text.data(), text.size(), coded);
    }
    std::vector<TextLine> Lines(std::string text) const { return LayOutMessageText(text, game.Font().widths); }
};

std::vector<int> MarksInRow(const Image& picture, int y)
{
    std::vector<int> xs;
    for (int x = 0; x < picture.Width(); ++x)
        if (picture.Pixel(x, y) == kInk)
            xs.push_back(x);
    return xs;
}

} // namespace

void PrintTo(const TextLine& line, std::ostream* out)
{
    *out << "{" << line.start << ", " << line.length << ", " << line.width << "}";
}

TEST(TextPicture, ATextThatFitsIsOneCentredLine)
{
    MonoFont font;
    Image picture = font.Draw("Hello");
    EXPECT_EQ(picture.Width(), 172);
    EXPECT_EQ(picture.Height(), 15);
    // 30 pixels wide: starts at (172 - 30) / 2 = 71.
    EXPECT_EQ(MarksInRow(picture, 5), (std::vector<int>{71, 77, 83, 89, 95}));
    EXPECT_EQ(picture.Pixel(0, 0), Rgb(0, 0, 0)) << "on black";

    EXPECT_EQ(font.Draw("").Height(), 15) << "an empty text is one empty line";
}

TEST(TextPicture, AnAtSignEndsTheLineAndAddsAnEmptyOne)
{
    MonoFont font;
    EXPECT_EQ(font.Lines("ab@cd"), (std::vector<TextLine>{{0, 2, 12}, {3, 0, 0}, {3, 2, 12}}));
    Image picture = font.Draw("ab@cd");
    EXPECT_EQ(picture.Height(), 41);
    EXPECT_EQ(MarksInRow(picture, 5), (std::vector<int>{80, 86}));
    EXPECT_TRUE(MarksInRow(picture, 13 + 5).empty());
    EXPECT_EQ(MarksInRow(picture, 26 + 5), (std::vector<int>{80, 86}));
}

TEST(TextPicture, CharactersFrom128OnHaveNoWidthAndDrawNothing)
{
    MonoFont font;
    EXPECT_EQ(MarksInRow(font.Draw("a\x80\xFF" "b"), 5), MarksInRow(font.Draw("ab"), 5));
    EXPECT_EQ(font.Lines("a\x80\xFF" "b")[0].width, 12);
}

TEST(TextPicture, AnExclamationMarkBeforeAWordBreaksTheLine)
{
    MonoFont font;
    EXPECT_EQ(font.Lines("one!two").size(), 2u);
    EXPECT_EQ(font.Lines("one!two")[1], (TextLine{4, 3, 18}));
    EXPECT_EQ(font.Lines("one! two").size(), 1u) << "before a blank it stays";
    EXPECT_EQ(font.Lines("one!!two"), (std::vector<TextLine>{{0, 4, 24}, {5, 3, 18}})) << "the first is before another !";
    EXPECT_EQ(font.Lines("two!").size(), 1u) << "as the last character";
    EXPECT_EQ(font.Lines("a!@b"), (std::vector<TextLine>{{0, 2, 12}, {3, 0, 0}, {3, 1, 6}}));
    EXPECT_EQ(font.Lines("a\vb").size(), 2u) << "the line break mark itself";
    EXPECT_EQ(MarksInRow(font.Draw("one!two"), 5).size(), 3u) << "the mark is not drawn";
}

TEST(TextPicture, ALineTooWideBreaksAtItsLastBlank)
{
    MonoFont font;
    // 28 glyphs of 6 fill 168 pixels; the 29th overflows and the line goes back to the blank.
    std::string text = std::string(20, 'a') + " " + std::string(10, 'b');
    EXPECT_EQ(font.Lines(text), (std::vector<TextLine>{{0, 20, 120}, {21, 10, 60}}));
    std::string words = "aaaa bbbb cccc dddd eeee ffff gggg hhhh";
    std::vector<TextLine> lines = font.Lines(words);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (TextLine{0, 24, 144})) << "the blank after eeee ends it";
    EXPECT_EQ(lines[1], (TextLine{25, 14, 84}));
    Image picture = font.Draw(words);
    EXPECT_EQ(picture.Height(), 28);
    EXPECT_EQ(MarksInRow(picture, 5).front(), (172 - 144) / 2);
}

TEST(TextPicture, ARunWithoutABlankBreaksBeforeTheGlyphThatOverflows)
{
    MonoFont font;
    EXPECT_EQ(font.Lines(std::string(40, 'x')), (std::vector<TextLine>{{0, 28, 168}, {28, 12, 72}}));

    // A long word after a short one: the blank of the first line is not one to break at again.
    std::string text = "ab " + std::string(60, 'x');
    std::vector<TextLine> lines = font.Lines(text);
    EXPECT_EQ(lines, (std::vector<TextLine>{{0, 2, 12}, {3, 28, 168}, {31, 28, 168}, {59, 4, 24}}));
    EXPECT_EQ(font.Draw(text).Height(), 13 * 4 + 2);

    // A glyph wider than a line stands on a line of its own.
    GameDataSeam(font.game).Font().widths['W'] = 200;
    EXPECT_EQ(font.Lines("WW"), (std::vector<TextLine>{{0, 1, 200}, {1, 1, 200}}));
}

TEST(TextPicture, CodedTextsAreDecodedAndTheirLengthBytesNotDrawn)
{
    MonoFont font;
    // "You" in the prefix code (F8 A6 80), then a second piece "e" (80).
    const std::string you("\x04\x03\xF8\xA6\x80", 5);
    EXPECT_EQ(font.Draw(you, true).Pixels(), font.Draw("You").Pixels());
    const std::string two = you + std::string("\x02\x01\x80", 3);
    EXPECT_EQ(font.Draw(two, true).Pixels(), font.Draw("Youe").Pixels());
}
