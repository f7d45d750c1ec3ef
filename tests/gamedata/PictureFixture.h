#pragma once
// Stores loaded from installations written for one test, with a palette whose colours tell
// every index apart (and none of them equal to the backgrounds the tests use).

#include "testing/GameDataSeam.h"
#include "tests/gamedata/GameDataFixture.h"

#include <array>
#include <memory>

inline std::array<Colour, 256> TestPalette()
{
    std::array<Colour, 256> palette{};
    for (int i = 0; i < 256; ++i)
        palette[i] = Rgb(i, 255 - i, 7);
    return palette;
}

struct LoadedGame {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

// Writes the installation into folder and loads it, with the test palette in place.
inline std::unique_ptr<LoadedGame> LoadGame(const gamebuild::Installation& installation, const TempFolder& folder)
{
    auto loaded = std::make_unique<LoadedGame>();
    installation.Write(folder.Path()); // a failed write shows as a store that did not load
    loaded->platform.settings["w7path"] = folder.Path();
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    GameDataSeam(*loaded->game).Palette() = TestPalette();
    return loaded;
}
