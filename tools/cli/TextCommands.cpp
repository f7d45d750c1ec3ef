// Commands about the message texts and the name lists.

#include "gamedata/Format.h"
#include "gamedata/NameLists.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {

int Message(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {}, {"--raw"}, options, error))
        return UsageError(error);
    int number = 0;
    if (options.words.size() != 1 || !ParseInt(options.words[0], number) || number < 0 || number > 0xFFFF)
        return UsageError("message takes one message number, 0 to 65535");
    const CGameData& game = context.game;
    if (!game.m_messageIndex.contains(static_cast<uint16_t>(number)))
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
    commands.push_back({"names", "[K]", "name list K (1 to 25), or all of them",
                        "Prints one line per entry, \"index<TAB>name\". Without K, prints every list,\n"
                        "each after a line \"# list K (message M)\" naming the message it is read from.",
                        Names});
}

} // namespace cli
