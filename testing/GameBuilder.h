#pragma once
// Writes synthetic game installations from structured records: one writer per file format.
// Tests build exactly the installation they need; mkgame writes the two demo installations.

#include "maps/MapEvent.h"
#include "testing/ByteWriter.h"

#include <array>
#include <string>
#include <vector>

namespace gamebuild {

enum class Edition { First, Gold };

// The six tables of the scenario database. Records are written in order from number 0;
// records not given (and bytes a record leaves out) are zero.
struct Scenario {
    std::vector<Record> items;     // 72 bytes each, at most 571
    std::vector<Record> monsters;  // 232 bytes each, at most 250
    std::vector<Record> loot;      // 54 bytes each, at most 200
    std::vector<Record> incidents; // 148 bytes each, at most 96
    std::array<Record, 32> maps;   // 2,768 bytes each
    std::array<std::vector<MapEvent>, 32> events; // at most 240 per map
};

std::vector<uint8_t> ScenarioFileBytes(const Scenario& scenario);
const char* ScenarioFileName(Edition edition); // "scenario.dbs" or "scenario.gld"

struct Installation {
    Edition edition = Edition::First;
    Scenario scenario;

    // Writes every file of the installation into folder (created when missing).
    bool Write(const std::string& folder) const;
};

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Cuts an existing file to its first length bytes.
bool CutFile(const std::string& path, size_t length);

// The demo installations: full-size tables of made-up content.
Installation DemoInstallation(Edition edition);

} // namespace gamebuild
