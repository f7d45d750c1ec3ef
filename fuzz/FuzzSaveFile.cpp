// A save or guild file: every character's views and, for a save file, the world state and
// every NPC's offers.

#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    fuzz::Replace(edition, "SAVES/FUZZ.DBS", data + 1, size - 1);
    exercise::SaveFile(game, fuzz::PathOf(edition, "SAVES/FUZZ.DBS"));
    return 0;
}
