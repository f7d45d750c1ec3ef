// A map record and its event table, put into the scenario database: walls, descriptions, cell
// contents with their event chains, and the drawing.

#include "testing/GameDataSeam.h"
#include "fuzz/FuzzStore.h"
#include "gamedata/GameFile.h"
#include "gamedata/ScenarioFile.h"
#include "testing/Exercise.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace scenario;
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    const int map = (data[0] >> 1) & 31;
    CGameData& game = fuzz::Store(edition);
    const std::string name = gamebuild::ScenarioFileName(edition);
    static std::vector<uint8_t> original[2];
    std::vector<uint8_t>& file = original[edition == gamebuild::Edition::Gold];
    if (file.empty()) {
        std::optional<std::vector<uint8_t>> bytes = ReadGameFile(fuzz::PathOf(edition, name));
        if (!bytes || bytes->size() != kFileSize)
            std::abort();
        file = *bytes;
    }
    // The input is the map's record, then its event table; what it leaves out is zero.
    std::vector<uint8_t> bytes = file;
    std::vector<uint8_t> input(data + 1, data + size);
    input.resize(kMapSize + kMapEventsSize, 0);
    std::copy_n(input.begin(), kMapSize, bytes.begin() + kMapOffset + kMapSize * map);
    std::copy_n(input.begin() + kMapSize, kMapEventsSize, bytes.begin() + kMapEventsOffset + kMapEventsSize * map);
    fuzz::Replace(edition, name, bytes.data(), bytes.size());
    if (!game.LoadScenario())
        return 0;
    GameDataSeam(game).ForgetMap();
    exercise::Map(game, map, 3);
    return 0;
}
