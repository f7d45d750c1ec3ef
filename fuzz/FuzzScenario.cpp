// The scenario database: every record's text forms and the lookups on every table.

#include "testing/GameDataSeam.h"
#include "fuzz/FuzzStore.h"
#include "testing/Exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const gamebuild::Edition edition = fuzz::EditionOf(data[0]);
    CGameData& game = fuzz::Store(edition);
    fuzz::Replace(edition, gamebuild::ScenarioFileName(edition), data + 1, size - 1);
    if (!game.LoadScenario())
        return 0;
    GameDataSeam(game).ForgetMap();
    game.GetMap(static_cast<int>(size % 32));
    exercise::Scenario(game);
    return 0;
}
