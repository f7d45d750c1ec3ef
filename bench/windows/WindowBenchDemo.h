#pragma once
// The demo installation of the window benchmarks, read through BenchPlatform (the model
// benchmarks have theirs in bench/BenchDemo.h).

#include <functional>

class CGameData;

// Writes the full first-edition demo into a temporary folder of that name, registers the common
// controls, makes the demo the store of the windows, runs bench on it and removes the folder
// again. What main returns: 0, or 1 when the demo could not be written or read.
int RunOnDemo(const char* folderName, const std::function<void(const CGameData& game)>& bench);
