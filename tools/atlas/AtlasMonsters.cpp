// The monsters: the table of every monster and a page per monster with what the Monster Viewer
// shows, its picture turning frame by frame and its loot linked to the items.

#include "gamedata/Format.h"
#include "items/MonsterRecord.h"
#include "items/MonsterText.h"
#include "items/MonsterViewerContent.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/Site.h"
#include "tools/cli/Cli.h"

namespace atlas {

namespace {

constexpr int kFrameMilliseconds = 500; // the viewer's frame timer

std::string Joined(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries)
        text += (text.empty() ? "" : ", ") + entry;
    return text;
}

std::string Row(const char* label, const std::string& value)
{
    return "<tr><th>" + HtmlUtf8(label) + "</th><td>" + Html(value) + "</td></tr>\n";
}

std::string Loot(const CGameData& game, const std::vector<LootRow>& loot)
{
    std::string html = "<ul class=\"loot\">";
    for (const LootRow& row : loot) {
        html += Format("<li><span class=\"li li-%i\"></span> ", row.image);
        const std::optional<int> item = LootRowItem(game, row, 0);
        html += (item && row.choices.empty() ? ItemLink(game, *item, "../") : Html(row.text)) + " " + Html(row.chance);
        if (!row.choices.empty()) {
            html += " (one of:";
            for (size_t k = 0; k < row.choices.size(); ++k) {
                const std::optional<int> choice = LootRowItem(game, row, static_cast<int>(k));
                html += " " + (choice ? ItemLink(game, *choice, "../") : Html(row.choices[k].text));
            }
            html += ")";
        }
        html += "</li>";
    }
    return html + "</ul>";
}

void WriteMonsterPage(Site& site, int number, const std::string& name)
{
    CGameData& game = site.Game();
    const std::optional<MonsterViewerFields> m = MonsterViewerFieldsOf(game, number);
    if (!m)
        return;
    std::string page = PageStart(cli::Utf8(name), "../", site);
    page += "<p class=\"pager\">";
    if (number > 0)
        page += Format("<a href=\"%i.html\" rel=\"prev\">previous</a> ", number - 1);
    if (number + 1 < game.MonsterCount())
        page += Format("<a href=\"%i.html\" rel=\"next\">next</a> ", number + 1);
    page += "</p>\n";
    std::vector<Image> frames;
    game.LoadMonsterPicture(number, frames, 2);
    if (!frames.empty()) {
        page += Format("<div class=\"frames\" data-delay=\"%i\">", kFrameMilliseconds);
        for (const std::string& frame : site.WriteFrames(Format("monster-%i", number), frames))
            page += frame;
        page += "</div>\n";
    }
    page += "<table class=\"fields\">\n" + Row("Number", m->number) + Row("Unidentified", m->unidentified) +
            Row("Type", m->type) + Row("Alliance", m->alliance) + Row("Gender", m->gender) +
            Row("Experience", m->experience) + Row("Hit points", m->hitPoints) + Row("Stamina", m->stamina) +
            Row("Appearance", m->group) + Row("Speed factor", m->speedFactor) + Row("Strength", m->strength) +
            Row("Intelligence", m->intelligence) + Row("Dexterity", m->dexterity) + Row("Speed", m->speed) +
            Row("Attacks per round", m->attacksPerRound) + Row("Swings per attack", m->swings) +
            Row("Armor class", m->armorClass) + Row("Armor note", m->armorNote) + Row("Companions", m->companions) +
            Row("Behaviour", m->behaviour) + Row("Behaviour chance", m->behaviourChance) +
            Row("Special attack", m->special) + Row("Special chance", m->specialChance) +
            Row("Special effect", m->specialEffect) + Row("Resistances", Joined(m->resistances)) +
            Row("Spells", Joined(m->spells)) + Row("Spell chance", m->spellChance) + Row("Cast level", m->castLevel) +
            "</table>\n<h2>Attacks</h2><table class=\"list\"><tr><th>Attack</th><th>Range</th><th>Manner</th>"
            "<th>Damage</th><th>Multiplier</th><th>Miss</th><th>Effects</th></tr>\n";
    for (size_t k = 0; k < m->attacks.size(); ++k) {
        const MonsterAttackFields& a = m->attacks[k];
        std::vector<std::string> effects;
        for (const IconEntry& effect : a.effects)
            effects.push_back(effect.text);
        page += Format("<tr><td>%i</td>", static_cast<int>(k) + 1) + "<td>" + Html(a.range) + "</td><td>" + Html(a.manner) +
                "</td><td>" + Html(a.damage) + "</td><td>" + Html(a.multiplier) + "</td><td>" + Html(a.miss) +
                "</td><td>" + Html(Joined(effects)) + "</td></tr>\n";
    }
    page += "</table>\n<h2>Loot</h2>" + Loot(game, m->loot) + "\n";
    site.WriteText(Format("monster/%i.html", number), page + PageEnd());
}

} // namespace

void WriteMonsterPages(Site& site)
{
    site.MakeFolder("monster");
    const CGameData& game = site.Game();
    const std::vector<std::string> names = MonsterNames(game);
    std::string page = PageStart("Monsters", "", site) +
                       "<table id=\"monsters\" class=\"list\"><thead><tr><th>ID</th><th>name</th><th>type</th>"
                       "<th>alliance</th><th>hit points</th><th>experience</th><th>armor class</th><th>speed</th>"
                       "<th>attacks/round</th><th>loot</th></tr></thead><tbody>\n";
    for (int number = 0; number < game.MonsterCount(); ++number) {
        const std::optional<MonsterViewerFields> m = MonsterViewerFieldsOf(game, number);
        if (!m)
            continue;
        std::vector<std::string> loot;
        for (const LootRow& row : m->loot)
            loot.push_back(row.text);
        page += Format("<tr><td>%i</td><td><a href=\"monster/%i.html\">", number, number) +
                Html(names[static_cast<size_t>(number)]) + "</a></td><td>" + Html(m->type) + "</td><td>" +
                Html(m->alliance) + "</td><td>" + Html(m->hitPoints) + "</td><td>" + Html(m->experience) + "</td><td>" +
                Html(m->armorClass) + "</td><td>" + Html(m->speed) + "</td><td>" + Html(m->attacksPerRound) +
                "</td><td>" + Html(Joined(loot)) + "</td></tr>\n";
    }
    site.WriteText("monsters.html", page + "</tbody></table>\n" + PageEnd());
    for (int number = 0; number < game.MonsterCount() && site.Ok(); ++number)
        WriteMonsterPage(site, number, names[static_cast<size_t>(number)]);
}

} // namespace atlas
