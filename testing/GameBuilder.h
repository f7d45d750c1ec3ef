#pragma once
// Writes synthetic game installations from structured records: one writer per file format.
// Tests build exactly the installation they need; mkgame writes the two demo installations.

#include "gamedata/Image.h"
#include "gamedata/PicFile.h"
#include "maps/MapEvent.h"
#include "testing/ByteWriter.h"

#include <array>
#include <map>
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

// One frame of a PIC file: palette indexes row by row, 255 transparent. A size that is not a
// multiple of 8 is padded with transparent pixels on the right and at the bottom. Plain-form
// frames are given at their stored (double) resolution.
struct PicFrame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

struct PicFile {
    pic::Form form = pic::Form::MaskedBlocks;
    std::vector<PicFrame> frames;
};

std::vector<uint8_t> PicFileBytes(const PicFile& picture);
// A frame of the masked-block form: header, block mask, the blocks that hold a pixel.
std::vector<uint8_t> MaskedFrameBytes(const PicFrame& frame);

// The edition's executable ("ds.exe" or "wizard.exe"): filler with the spell table (6-byte
// records, at most 102) at its offset.
std::vector<uint8_t> ExecutableBytes(Edition edition, const std::vector<Record>& spells);
const char* ExecutableName(Edition edition);

// "portdata.vga": 780 bytes per portrait (30 rows of 26 indexes), in order.
std::vector<uint8_t> PortraitFileBytes(const std::vector<Record>& portraits);
// Gold's portrait files, 24-bit BMP, numbered from 0 in each folder; nothing for empty lists.
bool WriteGoldPortraits(const std::string& folder, const std::vector<Image>& small, const std::vector<Image>& large);

struct Installation {
    Edition edition = Edition::First;
    Scenario scenario;
    std::map<std::string, PicFile> pictures; // by file name, such as "MON14.PIC"
    std::vector<Record> spells;              // the executable is written when any is given
    std::vector<Record> portraits;           // "portdata.vga", written when any is given
    std::vector<Image> goldPortraitsSmall;   // "RES\BITS\PCA\pc<n>.bmp"
    std::vector<Image> goldPortraitsLarge;   // "RES\BITS\PCB\pc<n>.bmp"

    // Writes every file of the installation into folder (created when missing).
    bool Write(const std::string& folder) const;
};

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Cuts an existing file to its first length bytes.
bool CutFile(const std::string& path, size_t length);

// The demo installations: full-size tables of made-up content.
Installation DemoInstallation(Edition edition);
// The demo's pictures, spell table and portraits; sets each demo monster's frame mark to fit.
void AddDemoPictures(Installation& demo);

} // namespace gamebuild
