// Commands about the message texts and the name lists.

#include "gamedata/BmpFile.h"
#include "gamedata/Format.h"
#include "gamedata/NameLists.h"
#include "gamedata/TextPicture.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {

// The message number of a command's only word; false when it is not one.
bool MessageNumber(const Options& options, int& number)
{
    return options.words.size() == 1 && ParseInt(options.words[0], number) && number >= 0 && number <= 0xFFFF;
}

int Message(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {}, {"--raw"}, options, error))
        return UsageError(error);
    int number = 0;
    if (!MessageNumber(options, number))
        return UsageError("message takes one message number, 0 to 65535");
    const CGameData& game = context.game;
    if (!game.Messages().contains(static_cast<uint16_t>(number)))
        return Failure(Format("Message %i is not in the index.", number));

    std::string text;
    if (options.Has("--raw")) {
        for (char c : game.GetMessageText(number))
            text += c == '\v' ? std::string("\\v") : std::string(1, c);
    } else {
        for (char c : game.GetMessageString(number))
            if (c != '\r')
                text += c;
    }
    PrintLine(Utf8(text));
    return kOk;
}

int Text(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--out"}, {}, options, error))
        return UsageError(error);
    int number = 0;
    if (!MessageNumber(options, number) || !options.Value("--out"))
        return UsageError("text takes one message number, 0 to 65535, and --out FILE.bmp");
    const CGameData& game = context.game;
    if (!game.Messages().contains(static_cast<uint16_t>(number)))
        return Failure(Format("Message %i is not in the index.", number));
    const std::string text = game.GetMessageText(number);
    const Image picture = RenderMessageText(game, text.c_str(), text.size(), false);
    const std::string& path = *options.Value("--out");
    if (!WriteBmpFile(path, picture))
        return Failure("Cannot write " + path);
    PrintLine(Format("text %i: %i x %i", number, picture.Width(), picture.Height()));
    return kOk;
}

void PrintNameList(const CGameData& game, int list)
{
    const std::vector<std::string>& names = *game.NameList(list);
    for (size_t i = 0; i < names.size(); ++i)
        PrintRow({Format("%i", static_cast<int>(i)), Cell(names[i])});
}

int Names(Context& context)
{
    const CGameData& game = context.game;
    if (context.args.empty()) {
        for (int list = 1; list <= namelist::kListCount; ++list) {
            PrintLine(Format("# list %i (message %i)", list, game.NameListMessage(list)));
            PrintNameList(game, list);
        }
        return kOk;
    }
    int list = 0;
    if (context.args.size() != 1 || !ParseInt(context.args[0], list) || !game.NameList(list))
        return UsageError("names takes at most one list number, 1 to 25");
    PrintNameList(game, list);
    return kOk;
}

} // namespace

void AddTextCommands(std::vector<Command>& commands)
{
    commands.push_back({"message", "N [--raw]", "the text of message N",
                        "Prints the message as the viewers show it, with LF line breaks: a paragraph\n"
                        "mark gives an empty line. With --raw, prints the pieces joined as stored,\n"
                        "each line-break byte shown as \\v. Fails when N is not in the message index.",
                        Message});
    commands.push_back({"text", "N --out FILE.bmp", "message N drawn in the game's font",
                        "Draws the message as the game shows it, centred line by line on black in the\n"
                        "game's own font, 172 pixels wide, writes it as a 24-bit BMP file and prints\n"
                        "\"text N: W x H\". Fails when N is not in the message index.",
                        Text});
    commands.push_back({"names", "[K]", "name list K (1 to 25), or all of them",
                        "Prints one line per entry, \"index<TAB>name\". Without K, prints every list,\n"
                        "each after a line \"# list K (message M)\" naming the message it is read from.",
                        Names});
}

} // namespace cli
