#include "tools/art/AboutText.h"
#include "testing/GameBuilder.h"

namespace art {

std::string AboutText()
{
    return "TALLOWMARK@Version " TALLOWMARK_VERSION "@A viewer of the items, monsters, maps, pictures and saved "
           "parties of Wizardry VII and of its Gold edition. It only reads the game's files.@Free software under "
           "the MIT licence.";
}

std::optional<std::vector<uint8_t>> CodedAboutText()
{
    // Pieces end after a blank, so that joined without blanks they give the text back.
    constexpr size_t kPieceLength = 40;
    const std::string text = AboutText();
    std::vector<uint8_t> coded;
    for (size_t start = 0; start < text.size();) {
        size_t end = std::min(text.size(), start + kPieceLength);
        if (end < text.size()) {
            const size_t blank = text.rfind(' ', end - 1);
            if (blank != std::string::npos && blank > start)
                end = blank + 1;
        }
        std::optional<std::vector<uint8_t>> piece = gamebuild::EncodeMessagePiece(text.substr(start, end - start));
        if (!piece)
            return std::nullopt;
        coded.insert(coded.end(), piece->begin(), piece->end());
        start = end;
    }
    return coded;
}

} // namespace art
