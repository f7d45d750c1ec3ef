// tallowmark-cli --game DIR COMMAND [ARGS...]

#include "gamedata/MemoryPlatform.h"
#include "tools/cli/Cli.h"
#include <cstring>

namespace {

std::vector<cli::Command> AllCommands()
{
    std::vector<cli::Command> commands;
    cli::AddInfoCommands(commands);
    cli::AddTextCommands(commands);
    cli::AddImageCommands(commands);
    cli::AddPictureCommands(commands);
    cli::AddRecordCommands(commands);
    cli::AddMapCommands(commands);
    cli::AddSaveCommands(commands);
    cli::AddWorldCommands(commands);
    cli::AddAtlasCommands(commands);
    return commands;
}

void PrintHelp(const std::vector<cli::Command>& commands)
{
    std::printf("Usage: tallowmark-cli --game DIR COMMAND [ARGS...]\n"
                "       tallowmark-cli COMMAND --help\n"
                "       tallowmark-cli --version\n\n"
                "Reads a Wizardry VII installation (first edition or Gold) in DIR, never writing to it,\n"
                "and prints what the viewer shows. Text is UTF-8 (the game's text read as Windows-1252)\n"
                "with LF line ends; tables are tab-separated with one header row; pictures are written\n"
                "as 24-bit BMP files.\n\n"
                "Exit status: 0 on success, 1 when the installation or a named file cannot be read,\n"
                "2 on a usage error.\n\nCommands:\n");
    // The summaries in one column; a usage too long for its place puts its summary on the next line.
    constexpr int kUsageWidth = 41;
    for (const cli::Command& command : commands) {
        const std::string usage = std::string(command.name) + " " + command.synopsis;
        if (static_cast<int>(usage.size()) <= kUsageWidth)
            std::printf("  %-*s %s\n", kUsageWidth, usage.c_str(), command.summary);
        else
            std::printf("  %s\n  %-*s %s\n", usage.c_str(), kUsageWidth, "", command.summary);
    }
}

void PrintCommandHelp(const cli::Command& command)
{
    std::printf("Usage: tallowmark-cli --game DIR %s %s\n\n%s\n", command.name, command.synopsis, command.summary);
    if (*command.details)
        std::printf("\n%s\n", command.details);
}

// Messages go to stderr; there is no folder browser, so a missing installation is final.
class CliPlatform : public MemoryPlatform {
public:
    void ShowError(const std::string& text) override
    {
        MemoryPlatform::ShowError(text);
        cli::Failure(text);
    }
    std::optional<Image> LoadProgramBitmap(int id) override { return cli::LoadProgramBitmap(id); }
};

} // namespace

int main(int argc, char** argv)
{
    cli::SetExecutablePath(argv[0]);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<cli::Command> commands = AllCommands();
    std::string folder;
    size_t next = 0;
    for (; next < args.size(); ++next) {
        if (args[next] == "--help" || args[next] == "-h") {
            PrintHelp(commands);
            return cli::kOk;
        }
        if (args[next] == "--version") {
            std::printf("tallowmark-cli %s\n", TALLOWMARK_VERSION);
            return cli::kOk;
        }
        if (args[next] != "--game")
            break;
        if (next + 1 >= args.size())
            return cli::UsageError("--game needs a folder");
        folder = args[++next];
    }
    if (next >= args.size())
        return cli::UsageError("no command given");

    const cli::Command* command = nullptr;
    for (const cli::Command& candidate : commands)
        if (args[next] == candidate.name)
            command = &candidate;
    if (!command)
        return cli::UsageError("unknown command '" + args[next] + "'");
    std::vector<std::string> rest(args.begin() + static_cast<long>(next) + 1, args.end());
    for (const std::string& arg : rest)
        if (arg == "--help" || arg == "-h") {
            PrintCommandHelp(*command);
            return cli::kOk;
        }
    if (folder.empty())
        return cli::UsageError("--game DIR is needed");

    // A trailing separator would double the one that every game file name begins with.
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    CliPlatform platform;
    platform.settings["w7path"] = folder;
    CGameData game(platform);
    if (!game.Loaded())
        return platform.errors.empty() ? cli::Failure("The installation cannot be read: " + folder) : cli::kFailed;
    SetGameData(&game);
    cli::Context context{game, rest};
    int result = command->run(context);
    SetGameData(nullptr);
    std::fflush(stdout);
    return result;
}
