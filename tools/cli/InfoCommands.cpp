// Commands about the installation as a whole.

#include "gamedata/Format.h"
#include "gamedata/SpellTable.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {
int Info(Context& context)
{
    if (!context.args.empty())
        return UsageError("info takes no arguments");
    const CGameData& game = context.game;
    PrintLine(Format("edition\t%s", game.IsGold() ? "Gold" : "first"));
    PrintLine(Format("items\t%i", game.ItemCount()));
    PrintLine(Format("monsters\t%i", game.MonsterCount()));
    PrintLine(Format("messages\t%i", static_cast<int>(game.Messages().size())));
    PrintLine(Format("spells\t%i", game.SpellCount()));
    return kOk;
}
} // namespace

void AddInfoCommands(std::vector<Command>& commands)
{
    commands.push_back({"info", "", "the edition and the number of records loaded",
                        "Prints one line per fact, \"name<TAB>value\": edition (first or Gold), then the\n"
                        "number of items and monsters read from the scenario database, of entries in the\n"
                        "message index, and of spells in the spell table.",
                        Info});
}

} // namespace cli
