// A save file: the party (each character as the Save File Viewer and the character dialogs show
// it) and, for a save file, the world (the party's place and every world item on its map).

#include "gamedata/Format.h"
#include "maps/MapRenderer.h"
#include "saves/CharacterLists.h"
#include "saves/CharacterSheet.h"
#include "saves/Professions.h"
#include "saves/SaveGame.h"
#include "saves/SpellTree.h"
#include "saves/WorldContent.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/Site.h"
#include "tools/cli/Cli.h"

#include <set>

namespace atlas {

namespace {

std::string Shaded(const std::string& text, Shade shade)
{
    if (shade == Shade::Normal)
        return Html(text);
    return Format("<span class=\"shade-%i\">", static_cast<int>(shade)) + Html(text) + "</span>";
}

std::string Row(const char* label, const std::string& value) { return "<tr><th>" + HtmlUtf8(label) + "</th><td>" + Html(value) + "</td></tr>\n"; }
std::string Row(const char* label, const ShadedText& value)
{
    return "<tr><th>" + HtmlUtf8(label) + "</th><td>" + Shaded(value.text, value.shade) + "</td></tr>\n";
}

std::string ItemName(const CGameData& game, const std::string& name, int item)
{
    return item >= 0 && game.GetItem(item) ? "<a href=\"item/" + std::to_string(item) + ".html\">" + Html(name) + "</a>"
                                           : Html(name);
}

std::string Attack(const char* title, const AttackView& attack)
{
    std::string html = "<h4>" + HtmlUtf8(title) + "</h4><table class=\"fields\">" + Row("Weapon", attack.weapon) +
                       Row("Dmg", attack.damage) + Row("Attack modes", attack.modes) +
                       Row("Miss chance modifier", attack.missModifier) +
                       Row("Initiative modifier", attack.initiativeModifier) + "</table><ul>";
    for (const SpecialAttackRow& row : attack.specials)
        html += Format("<li><span class=\"si si-%i\"></span> ", row.icon) + Html(row.text) + "</li>";
    return html + "</ul>";
}

std::string Character(CGameData& game, const SaveGame& save, const SavedCharacter& saved)
{
    const CharacterRecord record = saved.Record();
    const CharacterSheet sheet =
        BuildCharacterSheet(game, record, save.Kind() == SaveFileKind::Guild, save.IsDeleted(saved.slot));
    std::string html = Format("<section class=\"character\" id=\"slot%i\"><h2>", saved.slot) + Html(sheet.name) + "</h2>\n";
    html += "<div class=\"columns\"><div><table class=\"fields\">" + Row("HP", sheet.hitPoints) +
            Row("Stamina", sheet.stamina) + Row("CC", sheet.carrying) +
            (sheet.deleted.text.empty() ? "" : Row("Deleted", sheet.deleted)) + Row("Race", sheet.race) +
            Row("Sex", sheet.sex) + Row("Class", sheet.profession) + Row("Level", sheet.level) +
            Row("Base miss chance", sheet.baseMissChance) + Row("Base Initiative", sheet.baseInitiative) +
            Row("Attacks/round", sheet.attacksPerRound) + Row("Swings/attack", sheet.swings) + Row("Rank", sheet.rank) +
            Row("Max previous level", sheet.maxPreviousLevel) + Row("Live", sheet.live) + Row("Regen", sheet.regen) +
            Row("Exp", sheet.experience) + Row("AC Base", sheet.armourBase) + Row("AC Shld", sheet.armourShield) +
            Row("AC Misc", sheet.armourMisc) + Row("AC CC", sheet.armourLoad);
    constexpr const char* kParts[] = {"Head", "Body", "Leg", "Hand", "Foot"};
    for (int part = 0; part < character::kBodyParts; ++part)
        html += Row(kParts[part], sheet.bodyParts[static_cast<size_t>(part)]);
    if (!sheet.totalBonus.empty())
        html += Row("Total / Bonus", sheet.totalBonus);
    html += "</table></div><div><h3>Attributes</h3><table class=\"fields\">";
    for (const NamedValue& row : sheet.attributes)
        html += "<tr><th>" + Html(row.name) + "</th><td>" + Html(row.value) + "</td></tr>";
    html += "</table><h3>Resistances</h3><table class=\"list\"><tr><th>element</th><th>base</th><th>final</th></tr>";
    for (const ResistanceRow& row : sheet.resistances)
        html += "<tr><td>" + Html(row.name) + "</td><td>" + Html(row.base) + "</td><td>" + Html(row.final) + "</td></tr>";
    html += "</table><h3>Conditions</h3><ul>";
    for (const ConditionIcon& condition : sheet.conditions)
        html += "<li>" + Html(condition.tip) + "</li>";
    html += "</ul></div><div><h3>Skills</h3>";
    for (const SkillGroup& group : sheet.skills) {
        html += "<h4>" + HtmlUtf8(group.title) + "</h4><table class=\"fields\">";
        for (const NamedValue& row : group.rows)
            html += "<tr><th>" + Html(row.name) + "</th><td>" + Html(row.value) + "</td></tr>";
        html += "</table>";
    }
    html += "</div><div>" + Attack("Primary attack", sheet.attacks.primary) +
            Attack("Secondary attack", sheet.attacks.secondary) + "</div></div>\n";

    SpellTreeOptions options;
    options.showLearned = true;
    html += "<h3>Spells</h3><ul class=\"spells\">";
    for (const RealmNode& realm : BuildSpellTree(game, record, options, RealmAnimation())) {
        html += "<li>" + Html(realm.text) + "<ul>";
        for (const SpellNode& spell : realm.spells)
            html += "<li>" + Html(spell.text) + "</li>";
        html += "</ul></li>";
    }
    html += "</ul>\n<h3>Items</h3><table class=\"list\"><tr><th>name</th><th>equip</th><th>curse</th><th>N</th></tr>";
    const CharacterItemLists items = BuildCharacterItems(game, record);
    for (const CharacterItemRow& row : items.first)
        html += Format("<tr><td><span class=\"li li-%i\"></span> ", row.image) + ItemName(game, row.name, row.data) +
                "</td><td>" + Html(row.equipped) + "</td><td>" + Html(row.cursed) + "</td><td>" + Html(row.count) +
                "</td></tr>";
    html += "</table><table class=\"list\"><tr><th>name</th><th>N</th></tr>";
    for (const CharacterItemRow& row : items.second)
        html += Format("<tr><td><span class=\"li li-%i\"></span> ", row.image) + ItemName(game, row.name, row.data) +
                "</td><td>" + Html(row.count) + "</td></tr>";
    html += "</table>\n<h3>Professions</h3><table class=\"list\"><tr>";
    for (const std::string& column : ProfessionColumns(game))
        html += "<th>" + Html(column) + "</th>";
    html += "</tr>";
    for (const ProfessionRow& row : ProfessionRows(game, record)) {
        html += "<tr><td>" + Shaded(row.name, row.shade) + "</td>";
        for (const ProfessionCell& cell : row.cells)
            html += "<td>" + Shaded(cell.text, cell.shade) + "</td>";
        html += "</tr>";
    }
    html += "</table>\n<h3>NPC attitudes</h3><table class=\"list\"><tr><th>NPC</th><th>Attitude</th></tr>";
    for (const NpcAttitudeRow& row : BuildNpcAttitudes(game, record))
        html += "<tr><td><a href=\"monster/" + std::to_string(row.data) + ".html\">" + Html(row.text) + "</a></td><td>" +
                Html(row.attitude) + "</td></tr>";
    return html + "</table></section>\n";
}

void WriteWorld(Site& site, const std::string& savePath)
{
    CGameData& game = site.Game();
    WorldState world;
    std::string page = PageStart("World", "", site);
    if (!world.Load(savePath)) {
        site.WriteText("world.html", page + "<p>The file holds no state of the world.</p>\n" + PageEnd());
        return;
    }
    const PartyPlaceText place = BuildPartyPlace(game, world);
    page += "<p>Party position: map " + Html(place.map) + ", " + Html(place.coordinates) + "facing " + Html(place.facing) +
            "</p>\n<p>Item availability level: " + Html(AvailabilityText(world)) + "</p>\n";
    page += "<h2>Alliances</h2><table class=\"list\"><tr><th>Alliance</th><th>Attitute</th></tr>";
    for (const AllianceRow& row : BuildAlliances(game, world))
        page += "<tr><td>" + Html(row.name) + "</td><td>" + Html(row.attitude) + "</td></tr>";
    const WorldItemList items = BuildWorldItems(game, world);
    page += "</table>\n<h2>World items</h2><table class=\"list\"><tr><th>name</th><th>location</th><th>N</th></tr>";
    std::set<int> maps;
    for (size_t i = 0; i < items.rows.size(); ++i) {
        const WorldItemRow& row = items.rows[i];
        const ItemPlace& where = items.places[i];
        maps.insert(where.map);
        page += Format("<tr><td><span class=\"li li-%i\"></span> ", row.image) + ItemName(game, row.name, where.item) +
                Format("</td><td><a href=\"#world-map-%i\">", where.map) + Html(row.location) + "</a></td><td>" +
                Html(row.count) + "</td></tr>";
    }
    page += "</table><p>" + Html(items.total) + "</p>\n";
    if (world.position)
        maps.insert(world.position->map);

    // Each map that holds items or the party, with every item marked and the party's cell.
    MapTileSet tiles;
    if (BuildMapTileSet(game, 2, tiles)) {
        MapRenderer renderer(game);
        renderer.SetTileSet(&tiles);
        renderer.SetOptions(0, false);
        for (int map : maps) {
            const WorldMapView view = BuildWorldMap(world, items, map, -1, false);
            renderer.SetMap(map);
            renderer.SetMarkerList(view.markers);
            if (view.party)
                renderer.SetHighlight(view.party->quadrant, view.party->x, view.party->y, view.party->facing);
            const std::optional<Image> image = renderer.Render();
            if (!image)
                continue;
            const std::string file = Format("img/world-map-%i.png", map);
            site.WritePicture(file, *image);
            page += Format("<section id=\"world-map-%i\"><h3><a href=\"map/%i.html\">Map %i</a>%s</h3>", map, map, map,
                           view.party ? " (the party is here)" : "") +
                    Format("<img src=\"%s\" width=\"%i\" height=\"%i\" alt=\"map %i with the world items marked\"></section>\n",
                           file.c_str(), image->Width(), image->Height(), map);
        }
    }
    site.WriteText("world.html", page + PageEnd());
}

} // namespace

void WriteSavePages(Site& site, const SaveGame& save, const std::string& savePath)
{
    CGameData& game = site.Game();
    const std::string fileName = savePath.substr(savePath.find_last_of("/\\") + 1);
    std::string page = PageStart("Party", "", site) + "<p>" + Html(fileName) + ": " + Html(savefile::KindLabel(save.Kind())) +
                       ", " + Html(savefile::CountText(save.Count())) + "</p>\n<ul>";
    for (const SavedCharacter& saved : save.Characters())
        page += Format("<li><a href=\"#slot%i\">", saved.slot) +
                Html(BuildCharacterSheet(game, saved.Record(), false, false).name) + "</a></li>";
    page += "</ul>\n";
    for (const SavedCharacter& saved : save.Characters())
        page += Character(game, save, saved);
    site.WriteText("party.html", page + PageEnd());
    if (save.Kind() == SaveFileKind::Save)
        WriteWorld(site, savePath);
    else
        site.WriteText("world.html", PageStart("World", "", site) + "<p>A guild file holds no state of the world.</p>\n" +
                                         PageEnd());
}

} // namespace atlas
