// The game's executables, as far as the program reads them: the spell table at its offset.

#include "gamedata/SpellTable.h"
#include "testing/GameBuilder.h"

#include <algorithm>

namespace gamebuild {

const char* ExecutableName(Edition edition)
{
    return edition == Edition::Gold ? spells::kGoldExecutable : spells::kFirstExecutable;
}

std::vector<uint8_t> ExecutableBytes(Edition edition, const std::vector<Record>& spellRecords)
{
    const size_t offset = edition == Edition::Gold ? spells::kGoldOffset : spells::kFirstOffset;
    // Some code and data after the table too, as a real executable has.
    std::vector<uint8_t> file(offset + spells::kTableSize + 4096, 0);
    Record header(32, 0);
    const size_t pages = (file.size() + 511) / 512;
    ByteWriter(header).Text(0, "MZ", 3).U16(2, file.size() % 512).U16(4, pages).U16(8, 2).U16(24, 0x40);
    std::copy_n(header.begin(), 28, file.begin());
    // Filler that is not all zeros, so that a table read from the wrong place shows.
    for (size_t at = 64; at < file.size(); ++at)
        file[at] = static_cast<uint8_t>((at * 2654435761u) >> 24 | 0x80);
    std::fill_n(file.begin() + offset, spells::kTableSize, 0);
    for (size_t i = 0; i < spellRecords.size() && i < static_cast<size_t>(spells::kCount); ++i)
        std::copy_n(spellRecords[i].begin(), std::min(spellRecords[i].size(), spells::kRecordSize),
                    file.begin() + offset + i * spells::kRecordSize);
    return file;
}

} // namespace gamebuild
