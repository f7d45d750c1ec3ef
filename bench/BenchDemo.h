#pragma once
// The demo installation the benchmarks work on: written once per run and edition into the
// temporary folder, and a store loaded from it with the program's bitmaps from the art folder.

#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "testing/GameBuilder.h"

#include <memory>
#include <string>

struct BenchDemo {
    std::string folder;
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

const std::string& BenchDemoFolder(gamebuild::Edition edition);
// The store is shared by every benchmark of the run: a benchmark may reload what it measures.
BenchDemo& LoadedBenchDemo(gamebuild::Edition edition);
