// Commands about the world state of a save file, as the World Info window shows it.

#include "gamedata/Format.h"
#include "saves/Offers.h"
#include "saves/SaveGame.h"
#include "saves/WorldContent.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {

// FILE must be a save file; its world state is read into world.
int LoadWorld(const CGameData& game, const std::string& name, WorldState& world)
{
    SaveGame save;
    if (int status = LoadSaveFile(game, name, save))
        return status;
    if (save.Kind() != SaveFileKind::Save)
        return Failure("Only save files hold the state of the world; " + name + " is a guild file.");
    world.Load(SaveFilePath(game, name));
    return kOk;
}

int World(Context& context)
{
    if (context.args.size() != 1)
        return UsageError("world needs one save file");
    const CGameData& game = context.game;
    WorldState world;
    if (int status = LoadWorld(game, context.args[0], world))
        return status;
    const PartyPlaceText place = BuildPartyPlace(game, world);
    PrintLine("Party position: map " + Utf8(place.map) + ", " + place.coordinates + "facing " + place.facing);
    PrintLine("Item availability level: " + AvailabilityText(world));
    PrintLine("");
    PrintRow({"Alliance", "Attitute"});
    for (const AllianceRow& row : BuildAlliances(game, world))
        PrintRow({Cell(row.name), row.attitude});
    PrintLine("");
    const WorldItemList items = BuildWorldItems(game, world);
    PrintRow({"name", "location", "N"});
    for (const WorldItemRow& row : items.rows)
        PrintRow({Cell(row.name), row.location, row.count});
    PrintLine(items.total);
    return kOk;
}

int Offers(Context& context)
{
    if (context.args.empty() || context.args.size() > 2)
        return UsageError("offers needs a save file and, to list what one offers, an entry");
    const CGameData& game = context.game;
    WorldState world;
    if (int status = LoadWorld(game, context.args[0], world))
        return status;
    const std::vector<NpcEntry> entries = BuildNpcEntries(game);
    if (context.args.size() == 1) {
        PrintRow({"entry", "name", "icon"});
        for (const NpcEntry& entry : entries)
            PrintRow({Format("%i", entry.data), Cell(entry.name), Format("%i", entry.icon)});
        return kOk;
    }
    int entry = 0;
    if (!ParseInt(context.args[1], entry))
        return UsageError("ENTRY is a monster number, -101 or -145");
    bool listed = false;
    for (const NpcEntry& candidate : entries)
        listed = listed || candidate.data == entry;
    if (!listed)
        return UsageError(Format("%i is neither an NPC nor a shop", entry));
    const ::Offers offers = BuildOffers(game, world, entry);
    PrintLine("Status: " + offers.status);
    PrintRow({"name"});
    for (const OfferRow& row : offers.rows)
        PrintRow({Cell(row.name)});
    return kOk;
}

} // namespace

void AddWorldCommands(std::vector<Command>& commands)
{
    commands.push_back({"world", "FILE", "the state of the world kept in a save file",
                        "The party's position, the item availability level, the alliances' attitudes,\n"
                        "then the items lying in the world (identified ones by name, with their count)\n"
                        "and the total line.",
                        World});
    commands.push_back({"offers", "FILE [ENTRY]", "what an NPC or shop offers or holds",
                        "Without ENTRY, lists the NPCs and shops (entry, name, alliance icon). With ENTRY\n"
                        "(a monster number, or -101 and -145 for the shops), prints the status line and\n"
                        "the items offered or held, as the stock-roll bytes of the save file decide.",
                        Offers});
}

} // namespace cli
