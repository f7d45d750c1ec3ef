#pragma once
// A game text drawn as the game shows it: in its font, centred line by line on black.

#include "gamedata/Image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CGameData;

namespace textpicture {
constexpr int kWidth = 172;
constexpr int kMaxLineWidth = 168;
constexpr int kLineHeight = 13;
constexpr int kGlyphRows = 14;
constexpr uint8_t kLineBreak = 11;
constexpr uint8_t kParagraph = '@';
} // namespace textpicture

struct TextLine {
    size_t start = 0;  // index of the line's first character in the text
    size_t length = 0;
    int width = 0;     // in pixels
    bool operator==(const TextLine&) const = default;
};

// Breaks the text into lines: at each "@" (followed by an empty line) and line break mark
// (byte 11, also made from a "!" that is followed by anything but "!", a blank or "@"), and
// before the last blank of a line that grows wider than 168 pixels, or, when the line holds no
// blank, before the glyph that makes it too wide. Characters 128 to 255 have no width.
// The "!" that become marks are changed in the text.
std::vector<TextLine> LayOutMessageText(std::string& text, const std::array<uint8_t, 128>& widths);

// The picture of a text in the store's font: 172 pixels wide, 13 per line plus 2 high. A coded
// text is a buffer of prefix-coded message pieces; its decoded characters are drawn.
Image RenderMessageText(const CGameData& game, const char* text, size_t length, bool coded);
