#pragma once
// The About box's text. The program holds it as the game holds its texts: as pieces in the
// prefix code of the first edition's message file, which the box decodes and draws.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace art {

// "@" ends a paragraph, as in the game's texts.
std::string AboutText();
// The text as coded pieces; nullopt when a character has no code.
std::optional<std::vector<uint8_t>> CodedAboutText();

} // namespace art
