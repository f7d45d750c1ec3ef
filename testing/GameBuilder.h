#pragma once
// Writes synthetic game installations from structured records: one writer per file format.
// Tests build exactly the installation they need; mkgame writes the two demo installations.

#include "gamedata/Image.h"
#include "gamedata/PicFile.h"
#include "gamedata/MapEvent.h"
#include "testing/ByteWriter.h"
#include "testing/SaveBuilder.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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

// A map record from its cells: per cell the wall codes of its north and east sides (4 bits
// each), its feature code (6 bits) and the feature's direction (0 to 3), and its four flag bits.
// Quadrants a map does not use keep origin (0, 0).
struct MapCellBuild {
    uint8_t north = 0;
    uint8_t east = 0;
    uint8_t feature = 0;
    uint8_t direction = 0;
    uint8_t flags = 0;
};
struct MapLevel {
    std::array<uint8_t, 16> originX{};
    std::array<uint8_t, 16> originY{};
    std::array<std::array<MapCellBuild, 64>, 16> cells{}; // by quadrant, then y * 8 + x

    MapCellBuild& Cell(int quadrant, int x, int y) { return cells[quadrant & 15][((y & 7) << 3) | (x & 7)]; }
};
Record MapRecordBytes(const MapLevel& level);
// An incident record holding its name.
Record IncidentRecordBytes(std::string_view name);
// The packed cell reference of map events.
uint16_t PackCellRef(int quadrant, int x, int y);
const char* ScenarioFileName(Edition edition); // "scenario.dbs" or "scenario.gld"

// Message texts: each message number with its pieces, in order (each piece at most 255
// characters). The message file is laid out in 1024-byte blocks; a message that runs past
// the end of a block takes the following numbers for the entries it goes on with, so those
// must be free.
using Messages = std::map<uint16_t, std::vector<std::string>>;

struct MessageFiles {
    std::vector<uint8_t> header; // "msg.hdr"
    std::vector<uint8_t> texts;  // "msg.dbs" (prefix-coded pieces) or "msg.gld" (plain pieces)
};
// nullopt when the messages cannot be stored: a piece too long, a character without a code,
// a message with no free numbers to go on with, or too many blocks for the edition.
std::optional<MessageFiles> MessageFileBytes(const Messages& messages, Edition edition);
const char* MessageFileName(Edition edition); // "msg.dbs" or "msg.gld"
// A first-edition piece as stored: length, character count, then the code bits; nullopt
// when a character has no code or the piece does not fit its length byte.
std::optional<std::vector<uint8_t>> EncodeMessagePiece(std::string_view text);
// The palette: 8-bit colours, stored as 6-bit intensities (the two low bits are dropped).
std::vector<uint8_t> PaletteFileBytes(const std::vector<Colour>& colours);

// A ".vga" image set: images of one size as grids of palette indexes, row after row, left to
// right; 255 is transparent. At most 255 images; an image shorter than its size is padded
// with 255.
struct ImageSet {
    int width = 0;
    int height = 0;
    std::vector<std::vector<uint8_t>> images;
};
std::vector<uint8_t> ImageSetFileBytes(const ImageSet& set);

// The text font, 128 glyphs. A row's bit 15 is its leftmost pixel.
struct FontGlyph {
    int width = 0; // pixels the text advances
    std::array<uint16_t, 14> rows{};
};
using GameFont = std::array<FontGlyph, 128>;
std::vector<uint8_t> FontFileBytes(const GameFont& font);
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
    Messages messages; // the message files are written even when empty
    std::optional<std::vector<Colour>> palette; // "palette.def"
    std::optional<ImageSet> itemImages;         // "vcfont1.vga"
    std::optional<ImageSet> stateImages;        // "vcfont2.vga": the 15 state marks of 9 x 9 first
    std::optional<GameFont> font;               // "vbfont2.vga"
    std::map<std::string, PicFile> pictures; // by file name, such as "MON14.PIC"
    std::vector<Record> spells;              // the executable is written when any is given
    std::vector<Record> portraits;           // "portdata.vga", written when any is given
    std::vector<Image> goldPortraitsSmall;   // "RES\BITS\PCA\pc<n>.bmp"
    std::vector<Image> goldPortraitsLarge;   // "RES\BITS\PCB\pc<n>.bmp"
    std::optional<GuildFile> guild;          // "pcfile.dbs" or "pcfile.gld"
    std::map<std::string, SaveFile> saveFiles; // by path within the folder, "/" between folders

    // Writes every file of the installation into folder (created when missing).
    bool Write(const std::string& folder) const;
};

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// The palette, image sets and font of the installation that are given.
bool WriteImageFiles(const Installation& installation, const std::string& folder);
// The guild file and the save files of the installation that are given.
bool WriteSaveFiles(const Installation& installation, const std::string& folder);
// Cuts an existing file to its first length bytes.
bool CutFile(const std::string& path, size_t length);

// The demo installations: full-size tables of made-up content.
Installation DemoInstallation(Edition edition);
// The demo's items, monsters and loot.
void AddDemoRecords(Installation& demo);
// The demo's message texts: every name list and a few dozen long texts; points some items at them.
void AddDemoTexts(Installation& demo);
// The demo's palette, item images, state marks and font.
void AddDemoImages(Installation& demo);
// The demo's pictures, spell table and portraits; sets each demo monster's frame mark to fit.
void AddDemoPictures(Installation& demo);
// The demo's 32 maps with their events, the incidents' names and the texts the events ask for.
void AddDemoMaps(Installation& demo);
// The demo's guild, a folder of save files, and the NPCs and shops their world refers to.
void AddDemoSaves(Installation& demo);

} // namespace gamebuild
