// Commands that export the item, monster and loot records and the spell table as tables.

#include "gamedata/Format.h"
#include "gamedata/SpellTable.h"
#include "items/ItemListContent.h"
#include "items/ItemText.h"
#include "items/ItemViewerContent.h"
#include "items/LootList.h"
#include "items/MonsterText.h"
#include "items/MonsterViewerContent.h"
#include "tools/cli/Cli.h"

namespace cli {

namespace {

constexpr const char* kListSeparator = " | ";

std::string Number(int value) { return Format("%i", value); }

std::string ListCell(const std::vector<std::string>& entries) { return Cell(Join(entries, kListSeparator)); }

std::string ListCell(const std::vector<IconEntry>& entries)
{
    std::vector<std::string> texts;
    for (const IconEntry& entry : entries)
        texts.push_back(entry.text);
    return ListCell(texts);
}

std::vector<std::string> ShortItemRow(const ItemListRow& row)
{
    std::vector<std::string> cells = {Number(row.number)};
    for (const std::string& text : row.texts)
        cells.push_back(Cell(text));
    return cells;
}

// A list of numbers separated by commas, each from first to last; the empty list ticks none.
bool ParseTicks(const std::string& text, int first, int last, std::vector<int>& ticks)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        int value = 0;
        if (!ParseInt(text.substr(start, comma - start), value) || value < first || value > last)
            return false;
        ticks.push_back(value);
        start = comma + 1;
        if (comma + 1 == text.size())
            return false; // a trailing comma
    }
    return true;
}

template <size_t N>
bool ParseList(const Options& options, const char* name, int first, bool& on, std::array<bool, N>& rows,
               std::string& error)
{
    const std::string* value = options.Value(name);
    if (!value)
        return true;
    std::vector<int> ticks;
    if (!ParseTicks(*value, first, first + static_cast<int>(N) - 1, ticks)) {
        error = Format("%s takes numbers from %i to %i separated by commas", name, first,
                       first + static_cast<int>(N) - 1);
        return false;
    }
    on = true;
    for (int tick : ticks)
        rows[static_cast<size_t>(tick - first)] = true;
    return true;
}

// The Item List's filters and sort from the options; false with a message on a bad value.
bool ParseItemListOptions(const Options& options, ItemListFilter& filter, int& sortColumn, bool& descending,
                          std::string& error)
{
    for (const char* name : {"--type", "--skill"}) {
        const std::string* value = options.Value(name);
        int code = 0;
        if (!value)
            continue;
        if (!ParseInt(*value, code) || code < 0 || code > 255) {
            error = std::string(name) + " takes a number from 0 to 255";
            return false;
        }
        (std::string(name) == "--type" ? filter.type : filter.skill) = code;
    }
    if (!ParseList(options, "--effects", 0, filter.byEffects, filter.effects, error) ||
        !ParseList(options, "--resistances", 1, filter.byResistances, filter.resistances, error) ||
        !ParseList(options, "--properties", 0, filter.byProperties, filter.properties, error))
        return false;
    if (const std::string* value = options.Value("--sort")) {
        std::string column = *value;
        const size_t colon = column.rfind(':');
        descending = colon != std::string::npos && column.substr(colon) == ":desc";
        if (colon != std::string::npos && (descending || column.substr(colon) == ":asc"))
            column.resize(colon);
        sortColumn = itemlist::ColumnNamed(column);
        if (sortColumn < 0) {
            error = "--sort takes a column name or number (0 to 20), then :desc or :asc if wanted";
            return false;
        }
    }
    return true;
}

// The Item Viewer's fields, as it shows them.
std::vector<std::string> LongItemRow(const ItemViewerFields& f)
{
    return {f.id,
            Cell(f.name),
            Cell(f.type),
            Cell(f.skill),
            f.weight,
            f.price,
            f.armorClass,
            f.toHit,
            f.initiative,
            f.damage,
            f.range,
            f.primarySecondary,
            f.hands,
            Cell(f.cursed),
            f.regen,
            Cell(f.spell),
            Cell(f.resistances),
            f.invoke,
            ShownLabel(f.chargesLabel),
            f.charges,
            ListCell(f.effects),
            ListCell(f.races.allowed),
            ListCell(f.races.restricted),
            ListCell(f.professions.allowed),
            ListCell(f.professions.restricted),
            Cell(f.gender),
            Cell(f.attackModes),
            Cell(f.doubleDamage),
            Cell(f.inventoryAction),
            Cell(f.assay),
            Cell(f.identify)};
}

int Items(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--type", "--skill", "--effects", "--resistances", "--properties", "--sort"},
                      {"--long"}, options, error))
        return UsageError(error);
    if (!options.words.empty() && !options.Has("--long") && options.values.empty())
        return CharacterItems(context); // items FILE SLOT: one character's items
    if (!options.words.empty())
        return UsageError("items takes options, or FILE SLOT");
    ItemListFilter filter;
    int sortColumn = -1;
    bool descending = false;
    if (!ParseItemListOptions(options, filter, sortColumn, descending, error))
        return UsageError(error);
    const bool longForms = options.Has("--long");
    if (longForms)
        PrintRow({"ID", "name", "type", "skill", "weight", "price", "AC", "to hit", "initiative", "damage", "range",
                  "P/S", "hands", "cursed", "regen", "spell", "resistances", "invoke", "charges label", "charges",
                  "effects", "races allowed", "races restricted", "professions allowed", "professions restricted",
                  "gender", "attack modes", "double damage", "inventory action", "assay", "identify"});
    else
        PrintRow({"ID", "name", "type", "skill", "weight", "price", "AC", "to hit", "initiative", "damage", "P/S",
                  "hands", "cursed", "regen", "spell", "resistances", "invoke", "effects", "races", "professions",
                  "gender", "attack modes"});
    const CGameData& game = context.game;
    std::vector<ItemListRow> rows = ItemListRows(game, filter);
    if (sortColumn >= 0)
        SortRows(game, rows, sortColumn, descending);
    for (const ItemListRow& row : rows) {
        if (!longForms)
            PrintRow(ShortItemRow(row));
        else if (const std::optional<ItemViewerFields> fields = ItemViewerFieldsOf(game, row.number))
            PrintRow(LongItemRow(*fields));
    }
    return kOk;
}

int Monsters(Context& context)
{
    if (!context.args.empty())
        return UsageError("monsters takes no arguments");
    std::vector<std::string> header = {"ID", "name", "unidentified", "type", "alliance", "hit points", "experience",
                                       "stamina", "gender", "appearance", "speed factor", "armor class",
                                       "armor note", "str", "int", "dex", "spd", "companions", "resistances",
                                       "spells", "spell chance", "cast level", "special", "special chance",
                                       "special effect", "behaviour", "behaviour chance", "attacks/round",
                                       "swings/attack"};
    for (int k = 1; k <= MonsterRecord::kAttacks; ++k)
        for (const char* field : {"range", "manner", "damage", "multiplier", "effects", "miss"})
            header.push_back(Format("attack %i %s", k, field));
    header.push_back("loot");
    PrintRow(header);

    // The Monster Viewer's fields, as it shows them.
    const CGameData& game = context.game;
    for (int number = 0; number < game.MonsterCount(); ++number) {
        const std::optional<MonsterViewerFields> fields = MonsterViewerFieldsOf(game, number);
        if (!fields)
            continue;
        const MonsterViewerFields& f = *fields;
        std::vector<std::string> row = {f.number,
                                        Cell(f.name),
                                        Cell(f.unidentified),
                                        Cell(f.type),
                                        Cell(f.alliance),
                                        f.hitPoints,
                                        f.experience,
                                        f.stamina,
                                        Cell(f.gender),
                                        f.group,
                                        f.speedFactor,
                                        Cell(f.armorClass),
                                        Cell(f.armorNote),
                                        f.strength,
                                        f.intelligence,
                                        f.dexterity,
                                        f.speed,
                                        Cell(f.companions),
                                        ListCell(f.resistances),
                                        ListCell(f.spells),
                                        f.spellChance,
                                        f.castLevel,
                                        Cell(f.special),
                                        f.specialChance,
                                        Cell(f.specialEffect),
                                        Cell(f.behaviour),
                                        f.behaviourChance,
                                        f.attacksPerRound,
                                        f.swings};
        for (const MonsterAttackFields& attack : f.attacks) {
            row.push_back(attack.range);
            row.push_back(Cell(attack.manner));
            row.push_back(attack.damage);
            row.push_back(attack.multiplier);
            row.push_back(ListCell(attack.effects));
            row.push_back(attack.miss);
        }
        std::vector<std::string> loot;
        for (const LootRow& entry : f.loot)
            loot.push_back(entry.text + " (" + entry.chance + ")");
        row.push_back(ListCell(loot));
        PrintRow(row);
    }
    return kOk;
}

int Loot(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {}, {"--empty"}, options, error))
        return UsageError(error);
    int number = 0;
    if (options.words.size() != 1 || !ParseInt(options.words[0], number) || !context.game.GetLootRecord(number))
        return UsageError("loot takes one loot record number, 0 to 199");
    PrintRow({"text", "image", "data", "chance", "choices"});
    for (const LootRow& row : FillLootList(context.game, number, options.Has("--empty"))) {
        std::vector<std::string> choices;
        for (const LootChoice& choice : row.choices)
            choices.push_back(choice.text);
        PrintRow({Cell(row.text), Number(row.image), Number(row.data), row.chance, ListCell(choices)});
    }
    return kOk;
}

int Spells(Context& context)
{
    if (!context.args.empty())
        return UsageError("spells takes no arguments");
    const CGameData& game = context.game;
    if (!game.GetSpell(0))
        return Failure("The spell table cannot be read.");
    for (int number = 0; number < spells::kCount; ++number) {
        const uint8_t* spell = game.GetSpell(number);
        PrintRow({Number(number), Cell(game.SpellName(number)), Number(spell[spells::kLevel]),
                  Number(spell[spells::kCost]), Number(spell[spells::kSchool])});
    }
    return kOk;
}

} // namespace

void AddRecordCommands(std::vector<Command>& commands)
{
    commands.push_back({"items", "[--long] [FILTERS] [--sort COLUMN[:desc]] | FILE SLOT",
                        "every item's fields, or one character's items",
                        "Prints one header row, then one row per item in number order, each field in the\n"
                        "short form of the Item List: ID, name, type, skill, weight, price, AC, to hit,\n"
                        "initiative, damage, P/S, hands, cursed, regen, spell, resistances, invoke,\n"
                        "effects, races, professions, gender, attack modes. An empty name reads\n"
                        "\"?Unknown Item?\". With --long, the long forms of the Item Viewer instead, with\n"
                        "range, the charges and their label, double damage, inventory action, assay and\n"
                        "identify; its lists (effects, races, professions) join their entries with \" | \".\n"
                        "The Item List's filters choose the rows, as its window does:\n"
                        "  --type N          items of type code N only (0 to 4 are the weapons)\n"
                        "  --skill N         weapons of weapon skill N (0 to 7) only; no other items\n"
                        "  --effects LIST    weapons with one of the listed hit effects (0 to 7, in the\n"
                        "                    order in which the Item Viewer lists them)\n"
                        "  --resistances LIST  items with one of the listed resistance codes (1 to 13)\n"
                        "  --properties LIST   items with one of the listed properties: 0 cursed,\n"
                        "                    1 regenerating, 2 spell, 3 invoke, 4 one-handed, 5 two-handed,\n"
                        "                    6 primary only (P), 7 primary or secondary (P/S); 4 to 7\n"
                        "                    weapons only\n"
                        "A LIST is numbers separated by commas (\"1,3,5\"); an empty LIST (\"\") ticks\n"
                        "none, and like the window's checked filter with nothing ticked it lets no item\n"
                        "through. --sort orders the rows as a click on the column's header does: COLUMN\n"
                        "is a header name as above (\"to hit\", quoted) or a column number, 0 (name) to\n"
                        "20 (attack modes), ID not counted; \":desc\" sorts descending. Numeric columns\n"
                        "sort by value (damage by its average), races, professions and gender by\n"
                        "character code (capitals first), the others as text without regard to case;\n"
                        "rows that compare equal stay in number order.\n"
                        "With FILE SLOT, the two item lists of that character of a save or guild file:\n"
                        "the first (slots 0-9, with the equipped and cursed marks, headers name, equip,\n"
                        "curse, N), a blank line, then the second (slots 10-19, headers name, N).\n"
                        "Unidentified items show their unidentified name.",
                        Items});
    commands.push_back({"monsters", "", "every monster's fields as a table",
                        "Prints one header row, then one row per monster in number order, with every field\n"
                        "of the Monster Viewer: identity, statistics, resistances, spells, special attack,\n"
                        "behaviour, then for each of the three attacks its range, manner, damage,\n"
                        "multiplier, effects and miss factor, and last the loot, each row \"text (chance)\".\n"
                        "Lists join their entries with \" | \". An empty name reads \"?Unknown Monster?\".",
                        Monsters});
    commands.push_back({"loot", "N [--empty]", "the rows of loot record N (0 to 199)",
                        "Prints one header row, then the rows the Monster Viewer lists for the record:\n"
                        "text, image (small item image number), data (the item number, or 5000 for gold,\n"
                        "experience and the empty row), chance, and the choices of an item range joined\n"
                        "with \" | \". With --empty, a record without rows gives the row \"EMPTY\", as map\n"
                        "cells show it.",
                        Loot});
    commands.push_back({"spells", "", "the spell table",
                        "Prints one line per spell, \"number<TAB>name<TAB>level<TAB>cost<TAB>school\": the\n"
                        "name from the spell names, the level, mana cost and school from the game's\n"
                        "executable. Fails when the spell table cannot be read.",
                        Spells});
}

} // namespace cli
