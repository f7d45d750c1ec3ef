// The maps: per map its drawing with one overlay per show option, the hover text of every cell,
// and for each cell with events what the Map Properties window shows, with its event chains.

#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/TextPicture.h"
#include "items/LootList.h"
#include "items/MonsterViewerContent.h"
#include "maps/CellContents.h"
#include "maps/MapViewerContent.h"
#include "maps/EventChain.h"
#include "maps/MapData.h"
#include "maps/MapNames.h"
#include "maps/MapRenderer.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/Site.h"
#include "tools/cli/Cli.h"

#include <algorithm>
#include <array>
#include <set>

namespace atlas {

namespace {

// The Map Viewer's check boxes, bit by bit.
constexpr const char* kOptionNames[21] = {
    "Show ladders", "Show stairs", "Show pits", "Show fountains", "Show chests", "Show teleporters",
    "Show fights", "Show loot", "Show texts", "Show secret buttons!", "Show illusionary walls",
    "Show item usages", "Show negative effects :", "Show levers", "Show party movers", "Show locked doors",
    "Show incidents", "Show hidden things", "Show event managers", "Show action forks", "Show no monster areas"};

// The overlays from the bottom up. The drawing puts one mark on a cell, the first that applies:
// a feature, then an event's icon in the renderer's order, then passability or a negative
// effect; stacked in this order, the overlays of several options show the mark that wins.
// The battle mask goes over any mark.
constexpr int kBattleLayer = 21;
constexpr int kLayerOrder[22] = {12, 10, 15, 9, 20, 18, 14, 8, 19, 16, 11, 7, 17, 6, 5, 4, 2, 13, 0, 3, 1, kBattleLayer};

// How far chains are written out: deeper items link to the cell of their event instead.
constexpr int kChainDepth = 4;
constexpr int kChainBudget = 400; // items per cell

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
};

// The smallest rectangle holding every pixel in which the two images (of one size) differ.
std::optional<Box> ChangedBox(const Image& image, const Image& base)
{
    if (image.Width() != base.Width() || image.Height() != base.Height())
        return Box{0, 0, image.Width(), image.Height()};
    int left = image.Width(), top = image.Height(), right = -1, bottom = -1;
    for (int y = 0; y < image.Height(); ++y) {
        const Colour* a = image.Row(y);
        const Colour* b = base.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            if (a[x] != b[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    if (right < 0)
        return std::nullopt;
    return Box{left, top, right - left + 1, bottom - top + 1};
}

Image Crop(const Image& image, const Box& box)
{
    Image piece(box.width, box.height);
    piece.Draw(image, -box.x, -box.y);
    return piece;
}

std::string CellId(int q, int x, int y) { return Format("c-%i-%i-%i", q, x, y); }

struct MapWriter {
    Site& site;
    std::set<int> writtenTexts; // messages drawn in the game's font so far

    std::string Entries(const char* label, const std::vector<CellEntry>& entries)
    {
        if (entries.empty())
            return "";
        std::string html = "<tr><th>" + HtmlUtf8(label) + "</th><td><ul>";
        for (const CellEntry& entry : entries)
            html += "<li>" + HtmlLines(entry.text) + "</li>";
        return html + "</ul></td></tr>\n";
    }

    std::string LootRows(int record)
    {
        CGameData& game = site.Game();
        std::string html = "<ul class=\"loot\">";
        for (const LootRow& row : FillLootList(game, record, false)) {
            html += Format("<li><span class=\"li li-%i\"></span> ", row.image);
            html += (row.data != LootRow::kNotAnItem && game.GetItem(row.data) ? ItemLink(game, row.data, "../")
                                                                                : Html(row.text)) +
                    " " + Html(row.chance);
            if (!row.choices.empty()) {
                html += " (one of:";
                for (size_t k = 0; k < row.choices.size(); ++k) {
                    const std::optional<int> item = LootRowItem(game, row, static_cast<int>(k));
                    html += " " + (item ? ItemLink(game, *item, "../") : Html(row.choices[k].text));
                }
                html += ")";
            }
            html += "</li>";
        }
        return html + "</ul>";
    }

    std::string TextPicture(int message)
    {
        const std::string text = site.Game().GetMessageText(message);
        const Image picture = RenderMessageText(site.Game(), text.data(), text.size(), false);
        if (picture.Empty())
            return "";
        if (writtenTexts.insert(message).second)
            site.WritePicture(Format("img/message-%i.png", message), picture);
        return Format("<img class=\"gametext\" src=\"../img/message-%i.png\" width=\"%i\" height=\"%i\" alt=\"\">",
                      message, picture.Width(), picture.Height());
    }

    std::string Chain(EventChainTree& tree, EventDescriber& describer, int id, int level, int& budget)
    {
        --budget;
        if (level < kChainDepth && budget > 0)
            tree.Expand(id);
        const ChainNode& node = tree.Node(id);
        const std::string text = HtmlLines(node.text);
        if (node.children.empty()) {
            std::string html = "<li>" + text;
            if (tree.CanExpand(id) && node.link >= 0) {
                const EventLink& link = tree.Links()[static_cast<size_t>(node.link)];
                const MapEvent& event = describer.Event(link.map, link.slot);
                html += Format(" <a class=\"follow\" href=\"%i.html#%s\">go on at map %i, %s</a>", link.map,
                               CellId(event.quadrant, event.x, event.y).c_str(), link.map,
                               cli::Utf8(FormatV(ResourceString(43), event.quadrant, event.x, event.y)).c_str());
            }
            return html + "</li>";
        }
        std::string html = "<li><details><summary>" + text + "</summary><ul>";
        const std::vector<int> children = node.children;
        for (int child : children)
            html += Chain(tree, describer, child, level + 1, budget);
        return html + "</ul></details></li>";
    }

    std::string Cell(int map, int q, int x, int y)
    {
        CGameData& game = site.Game();
        EventDescriber describer(game, MapCell{map, q, x, y});
        const CellContents c = DescribeCell(describer);
        std::string html = "<section class=\"cell\" id=\"" + CellId(q, x, y) + "\" hidden><h2>" + Html(c.coordinates) +
                           "</h2>\n<table class=\"fields\">\n" +
                           Format("<tr><th>Tile</th><td>%i</td></tr>\n", c.backgroundTile);
        if (!c.transfers.empty()) {
            html += "<tr><th>Ladders, stairs, pits, teleporters:</th><td><ul>";
            for (const CellEntry& entry : c.transfers)
                html += "<li>" + HtmlLines(entry.text) + ": " + HtmlLines(entry.detail) + "</li>";
            html += "</ul></td></tr>\n";
        }
        html += Entries("Fight with:", c.fights) + Entries("Item(s) usable at this cell:", c.itemUsages) +
                Entries("Can be discovered/trigered at this cell:", c.hiddenThings) +
                Entries("Event manager on this cell affects following events:", c.eventManagers);
        if (!c.loot.empty()) {
            html += "<tr><th>Loot:</th><td>";
            for (const CellEntry& entry : c.loot)
                html += "<p>" + HtmlLines(entry.text) + Format(" (loot %i)</p>", entry.record) + LootRows(entry.record);
            html += "</td></tr>\n";
        }
        if (!c.texts.empty()) {
            html += "<tr><th>Text(s):</th><td>";
            for (const CellEntry& entry : c.texts)
                html += "<p>" + HtmlLines(entry.text) + Format(" (message %i)</p>", entry.data) + TextPicture(entry.data) +
                        "<p class=\"plain\">" + HtmlLines(entry.detail) + "</p>";
            html += "</td></tr>\n";
        }
        html += Entries("Negative Effects:", c.negativeEffects) + Entries("Capable of moving/turning party:", c.movers) +
                Entries("Illusion and invisible walls, locked doors and secret buttons:", c.passability) +
                Entries("Incident:", c.incidents);
        if (c.hasFountain)
            html += "<tr><th>Fountain:</th><td>" + Html(c.fountainGood) + "<br>" + Html(c.fountainPower) + "<br>" +
                    Html(c.fountainBad) + "</td></tr>\n";
        if (!c.freeCell.empty())
            html += "<tr><th>Free cell:</th><td>" + Html(c.freeCell) + "</td></tr>\n";
        html += "</table>\n";
        EventChainTree tree(describer);
        if (!tree.Roots().empty()) {
            html += "<h3>Event chains</h3><ul class=\"chains\">";
            int budget = kChainBudget;
            for (int root : tree.Roots())
                html += Chain(tree, describer, root, 0, budget);
            html += "</ul>\n";
        }
        return html + "</section>\n";
    }

    void Map(int map, const MapTileSet& tiles)
    {
        CGameData& game = site.Game();
        const std::string title = cli::Utf8(FormatV(ResourceString(42), map, GetMapAreaName(map)));
        std::string page = PageStart("Map " + title, "../", site);
        const std::optional<MapData> data = MapData::Load(game, map);
        MapRenderer renderer(game);
        renderer.SetMap(map);
        renderer.SetTileSet(&tiles);
        renderer.SetOptions(0, false);
        const std::optional<Image> base = data ? renderer.Render() : std::nullopt;
        if (!base) {
            site.WriteText(Format("map/%i.html", map), page + "<p>This map cannot be drawn.</p>\n" + PageEnd());
            return;
        }
        const std::string stem = Format("img/map-%i", map);
        site.WritePicture(stem + ".png", *base);
        std::string options = "<div class=\"options\"><label><input type=\"checkbox\" id=\"toggle-all\"> Toggle All</label>";
        std::array<std::string, 22> layerOf;
        for (int bit = 0; bit <= kBattleLayer; ++bit) {
            const bool battle = bit == kBattleLayer;
            renderer.SetOptions(battle ? 0 : 1u << bit, battle);
            const std::optional<Image> drawn = renderer.Render();
            const std::string name = battle ? "battle" : std::to_string(bit);
            const std::optional<Box> box = drawn ? ChangedBox(*drawn, *base) : std::nullopt;
            const bool differs = box.has_value();
            if (differs) {
                // Only the part the option changes, placed over the drawing by the style sheet.
                const std::string file = Format("map-%i-%s", map, name.c_str());
                site.WriteOverlay("img/" + file + ".png", Crop(*drawn, *box), Crop(*base, *box));
                site.AddStyle(Format(".%s{left:%ipx;top:%ipx}\n", file.c_str(), box->x, box->y));
                layerOf[static_cast<size_t>(bit)] = Format("<img id=\"overlay-%s\" class=\"%s\" src=\"../img/%s.png\" width=\"%i\" height=\"%i\" "
                                 "alt=\"\" hidden>",
                                 name.c_str(), file.c_str(), file.c_str(), box->width, box->height);
            }
            options += std::string(battle ? "<hr>" : "") + "<label" + (differs ? "" : " class=\"none\" title=\"nothing on this map\"") +
                       "><input type=\"checkbox\" data-overlay=\"" + name + "\"" + (differs ? "" : " disabled") + "> " +
                       (battle ? "Show battle mask" : kOptionNames[bit]) + "</label>";
        }
        options += "</div>";
        std::string layers;
        for (int layer : kLayerOrder)
            layers += layerOf[static_cast<size_t>(layer)];

        // The hit test's answer for every step of the grid it works in, and each cell's texts.
        renderer.SetOptions(0, false);
        renderer.Render();
        const MapRenderParams& params = renderer.Params();
        const int columns = (base->Width() + params.columnStep - 1) / params.columnStep;
        const int rows = (base->Height() + params.rowStep - 1) / params.rowStep;
        std::string grid, cells, sections;
        std::map<int, int> cellIndex;
        for (int r = 0; r < rows; ++r)
            for (int col = 0; col < columns; ++col) {
                const CellHit hit = renderer.HitTest(col * params.columnStep, r * params.rowStep);
                int index = -1;
                if (hit.quadrant >= 0) {
                    const int key = hit.quadrant * 64 + hit.y * 8 + hit.x;
                    auto found = cellIndex.find(key);
                    if (found == cellIndex.end()) {
                        index = static_cast<int>(cellIndex.size());
                        cellIndex[key] = index;
                        const bool events = HasCellEvents(data->Events(), hit.quadrant, hit.x, hit.y);
                        cells += (index ? "," : "") + std::string("[") + Json(HoverText(data->Events(), hit)) + "," +
                                 (events ? JsonUtf8(CellId(hit.quadrant, hit.x, hit.y)) : std::string("0")) + "]";
                        if (events)
                            sections += Cell(map, hit.quadrant, hit.x, hit.y);
                    } else {
                        index = found->second;
                    }
                }
                grid += (grid.empty() ? "" : ",") + std::to_string(index);
            }
        page += "<div class=\"mapview\"><div><p id=\"hover\" aria-live=\"polite\"></p><div id=\"map\">" +
                Format("<img class=\"base\" src=\"../%s.png\" width=\"%i\" height=\"%i\" alt=\"%s\">", stem.c_str(),
                       base->Width(), base->Height(), HtmlUtf8(title).c_str()) +
                layers + "</div></div>" + options + "</div>\n";
        page += Format("<script type=\"application/json\" id=\"map-data\">{\"width\":%i,\"height\":%i,\"columnStep\":%i,"
                       "\"rowStep\":%i,\"columns\":%i,\"grid\":[",
                       base->Width(), base->Height(), params.columnStep, params.rowStep, columns) +
                grid + "],\"cells\":[" + cells + "]}</script>\n" + sections;
        site.WriteText(Format("map/%i.html", map), page + PageEnd());
    }
};

} // namespace

void WriteMapPages(Site& site)
{
    site.MakeFolder("map");
    std::string index = PageStart("Maps", "", site) + "<ul class=\"maps\">";
    for (int map = 0; map < 32; ++map)
        index += Format("<li><a href=\"map/%i.html\">", map) + Html(FormatV(ResourceString(42), map, GetMapAreaName(map))) +
                 "</a></li>";
    site.WriteText("maps.html", index + "</ul>\n" + PageEnd());
    // Without the tile pictures the pages say that their map cannot be drawn.
    MapTileSet tiles;
    BuildMapTileSet(site.Game(), 2, tiles);
    MapWriter writer{site, {}};
    for (int map = 0; map < 32 && site.Ok(); ++map)
        writer.Map(map, tiles);
}

} // namespace atlas
