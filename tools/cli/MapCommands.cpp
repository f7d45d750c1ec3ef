// Commands about the maps: area names, cells, events, one cell's contents, drawings and hit tests.

#include "gamedata/BmpFile.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/ItemName.h"
#include "items/ItemRecord.h"
#include "items/LootList.h"
#include "items/TextForms.h"
#include "maps/CellContents.h"
#include "maps/EventChain.h"
#include "maps/MapNames.h"
#include "maps/MapRenderer.h"
#include "maps/MapViewerContent.h"
#include "maps/MapWalls.h"
#include "tools/cli/Cli.h"

#include <array>
#include <charconv>

namespace cli {

namespace {

constexpr int kDefaultDepth = 3;


bool ParseMap(const std::string& text, int& map, int& status)
{
    if (!ParseInt(text, map) || map < 0 || map > 31) {
        status = UsageError("a map number is 0 to 31");
        return false;
    }
    return true;
}

// The map's record and events; false (after the store's message) when it cannot be read.
std::optional<MapData> LoadMap(CGameData& game, int map, int& status)
{
    std::optional<MapData> data = MapData::Load(game, map);
    if (!data)
        status = Failure(Format("Map %i cannot be read.", map));
    return data;
}

std::string OneLine(std::string text)
{
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, " ");
    return Cell(text);
}

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " | ") + part;
    return text;
}

int Areas(Context& context)
{
    if (!context.args.empty())
        return UsageError("areas takes no arguments");
    for (int map = 0; map < 32; ++map)
        PrintLine(FormatV(ResourceString(strings::kMapTitle), map, GetMapAreaName(map)));
    return kOk;
}

int Cells(Context& context)
{
    int map = 0, status = kOk;
    if (context.args.size() != 1)
        return UsageError("cells needs a map number");
    if (!ParseMap(context.args[0], map, status))
        return status;
    std::optional<MapData> data = LoadMap(context.game, map, status);
    if (!data)
        return status;
    const GameMap record = data->Record();
    PrintRow({"quadrant", "x", "y", "west", "north", "east", "south", "west open", "south open", "feature",
              "direction", "flags", "events"});
    for (int q = 0; q < kQuadrantCount; ++q)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const CellWalls walls = GetCellWalls(record, q, x, y);
                const CellFeatureInfo f = GetCellFeature(record, q, x, y);
                int events = 0;
                for (const MapEvent& event : data->Events())
                    events += event.type != 0 && IsOnCell(event, q, x, y);
                PrintRow({Format("%i", q), Format("%i", x), Format("%i", y), Format("%i", walls.west),
                          Format("%i", walls.north), Format("%i", walls.east), Format("%i", walls.south),
                          walls.westOpen ? "1" : "0", walls.southOpen ? "1" : "0", Format("%i", f.code),
                          Format("%i", f.direction), Format("%i", GetCellFlags(record, q, x, y)), Format("%i", events)});
            }
    return kOk;
}

int Events(Context& context)
{
    int map = 0, status = kOk;
    if (context.args.size() != 1)
        return UsageError("events needs a map number");
    if (!ParseMap(context.args[0], map, status))
        return status;
    if (!LoadMap(context.game, map, status))
        return status;
    EventDescriber describer(context.game, MapCell{map, 0, 0, 0});
    std::span<const MapEvent> events = describer.Map(map).Events();
    PrintRow({"slot", "number", "type", "quadrant", "x", "y", "description", "outcomes"});
    for (size_t i = 0; i < events.size(); ++i) {
        const MapEvent& event = events[i];
        const int slot = static_cast<int>(i);
        if (event.type == 0)
            continue;
        describer.SetCell({map, event.quadrant, event.x, event.y});
        std::string outcomes;
        if (IsBranchingType(event.type)) {
            const EventOutcomes o = describer.DescribeEventOutcomes(map, slot, false);
            std::vector<std::string> parts{o.title};
            for (const OutcomeLine& line : o.lines)
                parts.push_back(line.text);
            outcomes = Joined(parts);
        }
        PrintRow({Format("%i", slot), Format("%i", event.number), Cell(EventTypeName(event.type)),
                  Format("%i", event.quadrant), Format("%i", event.x), Format("%i", event.y),
                  OneLine(describer.DescribeEvent(map, slot, false)), OneLine(outcomes)});
    }
    return kOk;
}

void PrintField(const char* label, const std::vector<CellEntry>& entries)
{
    std::vector<std::string> texts;
    for (const CellEntry& entry : entries)
        texts.push_back(OneLine(entry.text));
    PrintLine(std::string(label) + (texts.empty() ? "" : " " + Joined(texts)));
}

// The loot rows as the Map Properties window lists them: "text  chance", and the alternatives
// of an item range.
void PrintLootRows(const CGameData& game, int number)
{
    for (const LootRow& row : FillLootList(game, number, false)) {
        std::string line = "    " + Utf8(row.text) + "  " + row.chance;
        if (!row.choices.empty()) {
            std::vector<std::string> names;
            for (const LootChoice& choice : row.choices)
                names.push_back(Utf8(choice.text));
            line += "  (one of: " + Join(names, " | ") + ")";
        }
        PrintLine(line);
    }
}

void PrintTree(EventChainTree& tree, int id, int level, int depth)
{
    if (level + 1 < depth)
        tree.Expand(id);
    const ChainNode& node = tree.Node(id);
    const bool more = node.children.empty() ? tree.CanExpand(id) : level + 1 >= depth;
    PrintLine(std::string(2 * (level + 1), ' ') + OneLine(node.text) + (more ? " (more)" : ""));
    if (level + 1 >= depth)
        return;
    const std::vector<int> children = tree.Node(id).children;
    for (int child : children)
        PrintTree(tree, child, level + 1, depth);
}

int CellCommand(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--depth"}, {}, options, error))
        return UsageError(error);
    int map = 0, quadrant = 0, x = 0, y = 0, depth = kDefaultDepth, status = kOk;
    if (options.words.size() != 4)
        return UsageError("cell needs a map, a quadrant and the cell's x and y");
    if (!ParseMap(options.words[0], map, status))
        return status;
    if (!ParseInt(options.words[1], quadrant) || !ParseInt(options.words[2], x) || !ParseInt(options.words[3], y) ||
        !IsCell(quadrant, x, y))
        return UsageError("a quadrant is 0 to 15, x and y 0 to 7");
    if (const std::string* text = options.Value("--depth"); text && (!ParseInt(*text, depth) || depth < 0))
        return UsageError("--depth needs a whole number of 0 or more");
    if (!LoadMap(context.game, map, status))
        return status;

    CGameData& game = context.game;
    EventDescriber describer(game, MapCell{map, quadrant, x, y});
    const CellContents c = DescribeCell(describer);
    PrintLine("Coordinates: " + Utf8(c.coordinates));
    PrintLine(Format("Tile: %i", c.backgroundTile));
    PrintField("Ladders, stairs, pits, teleporters:", c.transfers);
    for (const CellEntry& entry : c.transfers)
        PrintLine("  " + OneLine(entry.text) + ": " + OneLine(entry.detail));
    PrintField("Fight with:", c.fights);
    PrintField("Item(s) usable at this cell:", c.itemUsages);
    PrintField("Can be discovered/trigered at this cell:", c.hiddenThings);
    PrintField("Event manager on this cell affects following events:", c.eventManagers);
    PrintField("Loot:", c.loot);
    for (const CellEntry& entry : c.loot) {
        PrintLine(Format("  %s (loot %i):", OneLine(entry.text).c_str(), entry.record));
        PrintLootRows(game, entry.record);
    }
    PrintField("Text(s):", c.texts);
    for (const CellEntry& entry : c.texts) {
        PrintLine(Format("  %s (message %i):", OneLine(entry.text).c_str(), entry.data));
        std::string text = entry.detail;
        for (size_t start = 0; start <= text.size();) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            PrintLine("    " + Cell(text.substr(start, end - start)));
            start = end + 2;
        }
    }
    PrintField("Negative Effects:", c.negativeEffects);
    PrintField("Capable of moving/turning party:", c.movers);
    PrintField("Illusion and invisible walls, locked doors and secret buttons:", c.passability);
    PrintField("Incident:", c.incidents);
    PrintLine(c.hasFountain ? "Fountain: " + Joined({Cell(c.fountainGood), Cell(c.fountainPower), Cell(c.fountainBad)})
                            : std::string("Fountain:"));
    PrintLine("Free cell:" + (c.freeCell.empty() ? std::string() : " " + Cell(c.freeCell)));
    PrintLine("Event chains:");
    EventChainTree tree(describer);
    for (int root : tree.Roots())
        if (depth > 0)
            PrintTree(tree, root, 0, depth);
    return kOk;
}

bool ParseMask(const std::string& text, uint32_t& mask)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    auto [last, error] = std::from_chars(begin, end, mask, hex ? 16 : 10);
    return error == std::errc() && last == end && begin != end;
}

int MapCommand(Context& context)
{
    // --highlight takes four values; the other options are taken by the common parser.
    std::vector<std::string> args;
    std::optional<std::array<int, 4>> highlight;
    for (size_t i = 0; i < context.args.size(); ++i) {
        if (context.args[i] != "--highlight") {
            args.push_back(context.args[i]);
            continue;
        }
        std::array<int, 4> values{};
        for (int k = 0; k < 4; ++k)
            if (++i >= context.args.size() || !ParseInt(context.args[i], values[static_cast<size_t>(k)]))
                return UsageError("--highlight needs a quadrant, x, y and a facing 0 to 3");
        if (!IsCell(values[0], values[1], values[2]) || values[3] < 0 || values[3] > 3)
            return UsageError("--highlight needs a quadrant, x, y and a facing 0 to 3");
        highlight = values;
    }
    Options options;
    std::string error;
    if (!ParseOptions(args, {"--out", "--options"}, {"--battle"}, options, error))
        return UsageError(error);
    int map = 0, status = kOk;
    if (options.words.size() != 1)
        return UsageError("map needs one map number");
    if (!ParseMap(options.words[0], map, status))
        return status;
    const std::string* out = options.Value("--out");
    if (!out)
        return UsageError("map needs --out FILE.bmp");
    uint32_t mask = mapoption::kAll;
    if (const std::string* text = options.Value("--options"); text && !ParseMask(*text, mask))
        return UsageError("--options needs a 32-bit number, decimal or 0x-hexadecimal");

    CGameData& game = context.game;
    if (!LoadMap(game, map, status))
        return status;
    MapTileSet tiles;
    if (!BuildMapTileSet(game, 2, tiles))
        return kFailed; // the picture loader has shown its message
    MapRenderer renderer(game);
    renderer.SetMap(map);
    renderer.SetOptions(mask, options.Has("--battle"));
    renderer.SetTileSet(&tiles);
    if (highlight)
        renderer.SetHighlight((*highlight)[0], (*highlight)[1], (*highlight)[2], (*highlight)[3]);
    std::optional<Image> image = renderer.Render();
    if (!image)
        return Failure(Format("Map %i cannot be drawn.", map));
    if (!WriteBmpFile(*out, *image))
        return Failure("cannot write " + *out);
    PrintLine(Format("map %i: %i x %i", map, image->Width(), image->Height()));
    return kOk;
}

struct PixelOnMap {
    std::optional<MapData> data;
    CellHit hit;
};

// "MAP PX PY": the map and the cell under that pixel of its drawing; no data (and the status
// set) when the arguments or the map are wrong.
PixelOnMap ReadPixelOnMap(Context& context, const char* command, int& status)
{
    PixelOnMap found;
    int map = 0, px = 0, py = 0;
    if (context.args.size() != 3) {
        status = UsageError(std::string(command) + " needs a map number and a pixel's x and y");
        return found;
    }
    if (!ParseMap(context.args[0], map, status))
        return found;
    if (!ParseInt(context.args[1], px) || !ParseInt(context.args[2], py)) {
        status = UsageError("a pixel's x and y are whole numbers");
        return found;
    }
    found.data = LoadMap(context.game, map, status);
    if (found.data) {
        const MapRenderParams params = MapRenderParams::ForEdition(context.game.IsGold());
        found.hit = HitTestLayout(LayOutMap(found.data->Record(), params), params, px, py);
    }
    return found;
}

int Hit(Context& context)
{
    int status = kOk;
    const PixelOnMap pixel = ReadPixelOnMap(context, "hit", status);
    if (!pixel.data)
        return status;
    const CellHit& hit = pixel.hit;
    PrintLine(hit.quadrant < 0 ? std::string("none") : Format("%i\t%i\t%i", hit.quadrant, hit.x, hit.y));
    return kOk;
}

int Hover(Context& context)
{
    int status = kOk;
    const PixelOnMap pixel = ReadPixelOnMap(context, "hover", status);
    if (!pixel.data)
        return status;
    PrintLine(Cell(HoverText(pixel.data->Events(), pixel.hit)));
    return kOk;
}

} // namespace

void AddMapCommands(std::vector<Command>& commands)
{
    commands.push_back({"areas", "", "the 32 maps and the areas they cover",
                        "Prints one line per map, \"{NN} area\", maps 0 to 31 in order, as the map list of the\n"
                        "Map Viewer shows them.",
                        Areas});
    commands.push_back(
        {"cells", "M", "every cell of a map: walls, feature, flags and events",
         "Prints a table of the 1,024 cells of map M (0 to 31), quadrant by quadrant, row y 0 to 7,\n"
         "then column x 0 to 7. west, north, east and south are the raw wall codes with the map's\n"
         "edge rules applied; west open and south open are 1 at a quadrant edge without a\n"
         "neighbour; feature is the 6-bit feature code and direction its direction (0 north to\n"
         "3 west); flags the four flag bits (8: battle mask); events the number of events on the cell.",
         Cells});
    commands.push_back(
        {"events", "M", "the events of a map in words",
         "Prints a table of the non-empty event slots of map M in slot order: slot, event number,\n"
         "type name, the cell (quadrant, x, y), the description as a window showing the event's\n"
         "own cell gives it, and for the branching types the title and outcome lines joined by \" | \".",
         Events});
    commands.push_back(
        {"cell", "M Q X Y [--depth D]", "what the Map Properties window shows for a cell",
         "Prints the fields of the cell Q (X, Y) of map M one per line, label first and entries\n"
         "joined by \" | \"; then where each transfer leads, the loot rows, the texts, the fountain\n"
         "and the event chains, expanded to D levels (default 3), two spaces of indent per level.\n"
         "An item that could be expanded further ends in \" (more)\".",
         CellCommand});
    commands.push_back(
        {"map", "M --out FILE.bmp [--options MASK] [--battle] [--highlight Q X Y FACING]", "draws a map",
         "Draws map M as the Map Viewer does and writes it as a 24-bit BMP file; prints\n"
         "\"map M: W x H\".\n\n"
         "  --options MASK  the show options, a 32-bit number, decimal or 0x-hexadecimal\n"
         "                  (default: everything shown); bit 0 ladders, 1 stairs, 2 pits,\n"
         "                  3 fountains, 4 chests, 5 teleporters, 6 fights, 7 loot, 8 texts,\n"
         "                  9 secret buttons, 10 illusion walls, 11 item usages, 12 negative\n"
         "                  effects, 13 levers, 14 party movers, 15 locked doors, 16 incidents,\n"
         "                  17 hidden things, 18 event managers, 19 action forks, 20 no-monster areas\n"
         "  --battle        show the battle mask\n"
         "  --highlight Q X Y FACING  mark the cell with a facing arrow (0 north to 3 west)",
         MapCommand});
    commands.push_back({"hit", "M PX PY", "the cell under a pixel of a map's drawing",
                        "Prints \"quadrant<TAB>x<TAB>y\" of the cell under pixel (PX, PY) of the drawing of\n"
                        "map M, or \"none\".",
                        Hit});
    commands.push_back({"hover", "M PX PY", "what the Map Viewer says for the mouse at a pixel of a map",
                        "Prints the text the Map Viewer shows with the mouse at pixel (PX, PY) of the drawing\n"
                        "of map M: \"Quadrant Q (X, Y)\" and the type names of the cell's events in slot\n"
                        "order, or an empty line outside every cell.",
                        Hover});
}

} // namespace cli
