// The items: one table with the Item List's columns, sorting and filters, and a page per item
// with the Item Viewer's long forms.

#include "gamedata/Format.h"
#include "gamedata/TextPicture.h"
#include "items/ItemRecord.h"
#include "items/ItemViewerContent.h"
#include "tools/atlas/Html.h"
#include "tools/atlas/ItemTable.h"
#include "tools/atlas/Site.h"
#include "tools/cli/Cli.h"

namespace atlas {

namespace {

std::string Checks(const char* name, const std::vector<std::string>& entries)
{
    std::string html;
    for (size_t i = 0; i < entries.size(); ++i)
        html += Format("<label><input type=\"checkbox\" name=\"%s\" value=\"%i\"> ", name, static_cast<int>(i)) +
                Html(entries[i]) + "</label> ";
    return html;
}

std::string Checks(const char* name, const std::vector<IconEntry>& entries)
{
    std::string html;
    for (size_t i = 0; i < entries.size(); ++i)
        html += Format("<label><input type=\"checkbox\" name=\"%s\" value=\"%i\"> <span class=\"si si-%i\"></span> ", name,
                       static_cast<int>(i), entries[i].icon) +
                Html(entries[i].text) + "</label> ";
    return html;
}

std::string Options(const std::vector<FilterChoice>& choices)
{
    std::string html;
    for (const FilterChoice& choice : choices)
        html += Format("<option value=\"%i\"%s>", choice.data, choice.data == itemlist::kAny ? " selected" : "") +
                Html(choice.text) + "</option>";
    return html;
}

std::string ItemTablePage(Site& site, const ItemTable& table)
{
    const CGameData& game = site.Game();
    std::string page = PageStart("Items", "", site);
    page += "<form id=\"item-filter\" class=\"filters\">"
            "<p><label>Item type: <select name=\"type\">" + Options(ItemTypeChoices(game)) + "</select></label> "
            "<label>Weapon skill: <select name=\"skill\">" + Options(WeaponSkillChoices(game)) +
            "</select></label> <label>Name contains: <input type=\"search\" name=\"find\"></label></p>"
            "<fieldset><legend><label><input type=\"checkbox\" name=\"use-res\"> Show items only with one of the "
            "checked resistances:</label></legend>" + Checks("res", ResistanceFilterRows(game)) + "</fieldset>"
            "<fieldset><legend><label><input type=\"checkbox\" name=\"use-eff\"> Show weapons only with one of the "
            "checked effects:</label></legend>" + Checks("eff", EffectFilterRows(game)) + "</fieldset>"
            "<fieldset><legend><label><input type=\"checkbox\" name=\"use-prop\"> Show items only with one of the "
            "following properties:</label></legend>" + Checks("prop", PropertyFilterRows(game)) + "</fieldset>"
            "</form>\n<p id=\"item-count\" class=\"status\">" +
            Html(itemlist::ItemCountText(static_cast<int>(table.rows.size()))) +
            "</p>\n<table id=\"items\" class=\"list sortable\"" +
            Format(" aria-rowcount=\"%i\"><thead><tr aria-rowindex=\"1\">", static_cast<int>(table.rows.size()) + 1);
    for (int c = 0; c < itemlist::kColumnCount; ++c)
        page += Format("<th data-col=\"%i\" tabindex=\"0\">%s</th>", c, itemlist::kColumns[static_cast<size_t>(c)].name);
    // The rows wait in a template: the page shows those in view, as laying out all of them at
    // each sort would take the browser too long.
    page += "</tr></thead>\n<tbody></tbody></table>\n<noscript><p>The table is shown by the page's script; "
            "without it, <a href=\"item/0.html\">the items</a> are reached one after the other.</p></noscript>\n"
            "<template id=\"item-rows\">\n";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const ItemTableRow& entry = table.rows[r];
        std::string ranks;
        for (int c = 0; c < itemlist::kColumnCount; ++c)
            ranks += (c ? "," : "") + std::to_string(table.rank[static_cast<size_t>(c)][r]);
        page += Format("<tr id=\"i%i\" data-type=\"%i\" data-skill=\"%i\" data-eff=\"%u\" data-res=\"%u\" "
                       "data-prop=\"%u\" data-rank=\"%s\">",
                       entry.row.number, entry.type, entry.skill, entry.effects, entry.resistances, entry.properties,
                       ranks.c_str());
        page += Format("<td><span class=\"ii ii-%i\"></span><a href=\"item/%i.html\">", entry.row.image, entry.row.number) +
                Html(entry.row.texts[0]) + "</a></td>";
        for (int c = 1; c < itemlist::kColumnCount; ++c)
            page += "<td>" + Html(entry.row.texts[static_cast<size_t>(c)]) + "</td>";
        page += "</tr>\n";
    }
    return page + "</template>\n" + PageEnd();
}

const char* ColourClass(Colour colour)
{
    if (colour == itemviewer::kGoodColour)
        return "good";
    if (colour == itemviewer::kBadColour)
        return "bad";
    return "";
}

std::string Field(const char* label, const std::string& value, const char* colourClass = "")
{
    std::string row = "<tr><th>" + HtmlUtf8(label) + "</th><td";
    if (*colourClass)
        row += std::string(" class=\"") + colourClass + "\"";
    return row + ">" + Html(value) + "</td></tr>\n";
}

std::string List(const std::vector<std::string>& entries, const char* colourClass)
{
    std::string html = std::string("<ul class=\"") + colourClass + "\">";
    for (const std::string& entry : entries)
        html += "<li>" + Html(entry) + "</li>";
    return html + "</ul>";
}

void WriteItemPage(Site& site, int number, int count)
{
    CGameData& game = site.Game();
    const std::optional<ItemViewerFields> f = ItemViewerFieldsOf(game, number);
    if (!f)
        return;
    const ItemRecord item(game.GetItem(number));
    const std::string name = ItemDisplayName(item);
    std::string page = PageStart(cli::Utf8(name), "../", site);
    page += "<p class=\"pager\">";
    if (number > 0)
        page += Format("<a href=\"%i.html\" rel=\"prev\">previous</a> ", number - 1);
    if (number + 1 < count)
        page += Format("<a href=\"%i.html\" rel=\"next\">next</a> ", number + 1);
    page += Format("<a href=\"../items.html#i%i\">in the list</a></p>\n", number);
    page += Format("<p><span class=\"ii ii-%i\"></span></p>\n<table class=\"fields\">\n", ItemPictureIndex(item));
    page += Field("ID", f->id) + Field("Type", f->type) + Field("Skill", f->skill) + Field("Damage", f->damage) +
            Field("Price", f->price) + Field("Weight", f->weight) + Field("Spell", f->spell, "spell") +
            Field("Cursed", f->cursed, "cursed") + Field("Resistances", f->resistances, "res") +
            Field("Regeneration", f->regen, ColourClass(f->regenColour)) +
            Field("To hit", f->toHit, ColourClass(f->toHitColour)) +
            Field("Initiative", f->initiative, ColourClass(f->initiativeColour)) +
            Field("AC", f->armorClass, ColourClass(f->armorClassColour)) + Field("Range", f->range) +
            Field("P/S", f->primarySecondary) + Field("Hands", f->hands) + Field("Invoke", f->invoke, "invoke") +
            Field(f->chargesLabel.empty() ? "Charges" : cli::Utf8(ShownLabel(f->chargesLabel)).c_str(), f->charges) +
            Field("Double damage", f->doubleDamage) + Field("Attack modes", f->attackModes) +
            Field("Inventory action", f->inventoryAction) + Field("Assay", f->assay) +
            Field("Identify", f->identify) + Field("Gender", f->gender);
    page += "</table>\n<h2>Effects</h2><ul class=\"effects\">";
    for (const IconEntry& effect : f->effects)
        page += Format("<li><span class=\"si si-%i\"></span> ", effect.icon) + Html(effect.text) + "</li>";
    page += "</ul>\n<div class=\"columns\"><div><h2>Races</h2>" + List(f->races.allowed, "allowed") +
            List(f->races.restricted, "restricted") + "</div><div><h2>Professions</h2>" +
            List(f->professions.allowed, "allowed") + List(f->professions.restricted, "restricted") + "</div></div>\n";
    if (f->hasText) {
        const std::string text = game.GetMessageText(f->textNumber);
        const Image picture = RenderMessageText(game, text.data(), text.size(), false);
        page += Format("<h2>Text (message %i)</h2>\n", f->textNumber);
        if (!picture.Empty()) {
            site.WritePicture(Format("img/item-text-%i.png", number), picture);
            page += Format("<p><img class=\"gametext\" src=\"../img/item-text-%i.png\" width=\"%i\" height=\"%i\" alt=\"\"></p>",
                           number, picture.Width(), picture.Height());
        }
        page += "<p class=\"plain\">" + HtmlLines(text) + "</p>\n";
    }
    site.WriteText(Format("item/%i.html", number), page + PageEnd());
}

} // namespace

void WriteItemPages(Site& site)
{
    site.MakeFolder("item");
    site.WriteStrip("img/item-icons.png", site.Game().IconImages());
    const ItemTable table = BuildItemTable(site.Game());
    site.WriteText("items.html", ItemTablePage(site, table));
    for (int number = 0; number < site.Game().ItemCount() && site.Ok(); ++number)
        WriteItemPage(site, number, site.Game().ItemCount());
}

} // namespace atlas
