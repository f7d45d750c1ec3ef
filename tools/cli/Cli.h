#pragma once
// tallowmark-cli: the scriptable face of the model. One command per view; formatting only.

#include "gamedata/CGameData.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SaveGame;

namespace cli {

// Exit codes.
constexpr int kOk = 0;
constexpr int kFailed = 1;   // the installation or a named file cannot be read
constexpr int kUsage = 2;

struct Context {
    CGameData& game;
    std::vector<std::string> args; // the command's own arguments, after its name
};

struct Command {
    const char* name;
    const char* synopsis; // arguments, as --help shows them
    const char* summary;  // one line
    const char* details;  // the command's --help text after the synopsis; may be empty
    int (*run)(Context&);
};

// Each unit of commands adds its own to the list.
void AddInfoCommands(std::vector<Command>& commands);
void AddTextCommands(std::vector<Command>& commands);
void AddImageCommands(std::vector<Command>& commands);
void AddRecordCommands(std::vector<Command>& commands);

// The program's generated bitmaps, looked for beside this executable, then where the build drew them.
void SetExecutablePath(const char* path);
std::optional<Image> LoadProgramBitmap(int id);
void AddPictureCommands(std::vector<Command>& commands);
void AddMapCommands(std::vector<Command>& commands);
void AddSaveCommands(std::vector<Command>& commands);
// "items FILE SLOT": the item lists of one saved character (the items command's second form).
int CharacterItems(Context& context);
void AddWorldCommands(std::vector<Command>& commands);
void AddAtlasCommands(std::vector<Command>& commands);

// Output conventions: UTF-8 with the game's 8-bit text read as Windows-1252, LF line ends.
std::string Utf8(std::string_view gameText);
// A TSV cell: tabs and line breaks become blanks.
std::string Cell(std::string_view gameText);
void PrintLine(const std::string& utf8);
void PrintRow(const std::vector<std::string>& cells); // cells already in UTF-8
int UsageError(const std::string& message);
int Failure(const std::string& message);

// Option parsing for commands: "--name value" pairs and bare words.
struct Options {
    std::vector<std::string> words;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> flags;
    bool Has(std::string_view flag) const;
    const std::string* Value(std::string_view name) const;
};
// Parses args; valueOptions take the next argument, flagOptions none. False on anything else.
bool ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                  const std::vector<std::string>& flagOptions, Options& options, std::string& error);
bool ParseInt(const std::string& text, int& value);

// Save files: a path, or else a name within the installation folder. Loading prints the
// program's message and gives kFailed for a file that cannot be read or is not recognised.
std::string SaveFilePath(const CGameData& game, const std::string& name);
int LoadSaveFile(const CGameData& game, const std::string& name, SaveGame& save);

} // namespace cli
