#include "gamedata/TextPicture.h"
#include "gamedata/CGameData.h"
#include "gamedata/MessageFile.h"

#include <span>

using namespace textpicture;

namespace {

// The characters of decoded pieces, without their length bytes.
std::string PieceCharacters(const std::vector<uint8_t>& pieces)
{
    std::string text;
    for (size_t at = 0; at < pieces.size(); at += pieces[at] + size_t{1}) {
        size_t end = std::min(pieces.size(), at + 1 + pieces[at]);
        text.append(pieces.begin() + static_cast<long>(at) + 1, pieces.begin() + static_cast<long>(end));
    }
    return text;
}

} // namespace

std::vector<TextLine> LayOutMessageText(std::string& text, const std::array<uint8_t, 128>& widths)
{
    auto widthOf = [&](size_t i) { return static_cast<uint8_t>(text[i]) < 128 ? widths[static_cast<uint8_t>(text[i])] : 0; };
    constexpr size_t kNone = std::string::npos;
    std::vector<TextLine> lines;
    const size_t length = text.size();
    size_t start = 0;
    size_t lastBlank = kNone; // only a blank of the current line
    int width = 0, widthAtBlank = 0;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '!' && i + 1 < length && text[i + 1] != '!' && text[i + 1] != ' ' && text[i + 1] != kParagraph)
            text[i] = c = static_cast<char>(kLineBreak);
        if (c == kParagraph || c == kLineBreak) {
            lines.push_back({start, i - start, width});
            if (c == kParagraph)
                lines.push_back({i + 1, 0, 0});
            start = i + 1;
            width = 0;
            lastBlank = kNone;
            continue;
        }
        if (c == ' ') {
            lastBlank = i;
            widthAtBlank = width;
        }
        width += widthOf(i);
        if (width <= kMaxLineWidth || c == ' ')
            continue;
        if (lastBlank != kNone) {
            // The line ends before the blank; the scan goes on from the character after it.
            lines.push_back({start, lastBlank - start, widthAtBlank});
            start = i = lastBlank + 1;
            width = widthOf(i);
            lastBlank = kNone;
        } else if (i > start) {
            lines.push_back({start, i - start, width - widthOf(i)});
            start = i;
            width = widthOf(i);
        }
    }
    lines.push_back({start, length - start, width});
    return lines;
}

Image RenderMessageText(const CGameData& game, const char* text, size_t length, bool coded)
{
    std::string characters;
    if (text && coded)
        characters = PieceCharacters(DecodeMessagePieces(std::span(reinterpret_cast<const uint8_t*>(text), length)));
    else if (text)
        characters.assign(text, length);

    std::vector<TextLine> lines = LayOutMessageText(characters, game.Font().widths);
    Image picture(kWidth, kLineHeight * static_cast<int>(lines.size()) + 2, Rgb(0, 0, 0));
    const Image& strip = game.Font().strip;
    for (size_t k = 0; k < lines.size(); ++k) {
        const TextLine& line = lines[k];
        int x = (kWidth - line.width) / 2;
        const int y = kLineHeight * static_cast<int>(k);
        for (size_t i = line.start; i < line.start + line.length; ++i) {
            uint8_t c = static_cast<uint8_t>(characters[i]);
            if (c >= 128)
                continue;
            const int glyphX = game.Font().maxWidth * c;
            for (int row = 0; row < kGlyphRows; ++row)
                for (int column = 0; column < game.Font().widths[c]; ++column)
                    picture.SetPixel(x + column, y + row, strip.Pixel(glyphX + column, row));
            x += game.Font().widths[c];
        }
    }
    return picture;
}

