#pragma once
// Stores loaded from one test's installation, for the palette, image set and font tests.

#include "tests/gamedata/GameDataFixture.h"

#include <memory>

struct LoadedGame {
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

inline std::unique_ptr<LoadedGame> LoadGame(const std::string& folder, std::optional<Image> iconBitmap = std::nullopt)
{
    auto loaded = std::make_unique<LoadedGame>();
    loaded->platform.settings["w7path"] = folder;
    if (iconBitmap)
        loaded->platform.bitmaps[131] = *iconBitmap;
    loaded->game = std::make_unique<CGameData>(loaded->platform);
    return loaded;
}

// Writes the installation, then replaces one of its files by the given bytes.
inline std::unique_ptr<LoadedGame> LoadWithFile(const gamebuild::Installation& installation, const std::string& name,
                                                const std::vector<uint8_t>& bytes)
{
    TempFolder folder;
    installation.Write(folder.Path());
    gamebuild::WriteBytes(folder.File(name), bytes);
    return LoadGame(folder.Path());
}

// A palette in which index i is a distinct colour, so that a pixel tells which index drew it.
inline std::vector<Colour> CountingPalette()
{
    std::vector<Colour> colours;
    for (int i = 0; i < 256; ++i)
        colours.push_back(Rgb(4 * (i % 64), 4 * (i / 64), 4 * (i % 7)));
    return colours;
}

inline Colour CountingColour(int index) { return Rgb(4 * (index % 64), 4 * (index / 64), 4 * (index % 7)); }
