// The spell table of the game's executable. The input is what follows the table's offset; the
// bytes before it are the installation's own.

#include "testing/GameDataSeam.h"
#include "fuzz/FuzzStore.h"
#include "gamedata/GameFile.h"
#include "gamedata/SpellTable.h"
#include "testing/Exercise.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    const std::string name = gamebuild::ExecutableName(edition);
    static std::vector<uint8_t> before[2];
    std::vector<uint8_t>& head = before[edition == gamebuild::Edition::Gold];
    if (head.empty()) {
        const size_t offset = edition == gamebuild::Edition::Gold ? spells::kGoldOffset : spells::kFirstOffset;
        std::optional<std::vector<uint8_t>> file = ReadGameFile(fuzz::PathOf(edition, name));
        if (!file || file->size() < offset)
            std::abort();
        head.assign(file->begin(), file->begin() + offset);
    }
    std::vector<uint8_t> file = head;
    file.insert(file.end(), data + 1, data + size);
    fuzz::Replace(edition, name, file.data(), file.size());
    GameDataSeam(game).Spells().clear();
    exercise::Spells(game);
    return 0;
}
