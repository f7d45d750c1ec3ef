// Commands that export the item, monster and loot records and the spell table as tables.

#include "gamedata/Format.h"
#include "gamedata/SpellTable.h"
#include "items/ItemText.h"
#include "items/LootList.h"
#include "items/MonsterText.h"
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

// A static control shows "&&" as one ampersand.
std::string ShownLabel(const std::string& label)
{
    std::string shown;
    for (size_t i = 0; i < label.size(); ++i) {
        shown += label[i];
        if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&')
            ++i;
    }
    return shown;
}

std::vector<std::string> ShortItemRow(const CGameData& game, int number, const ItemRecord& item)
{
    return {Number(number),
            Cell(ItemDisplayName(item)),
            Cell(ItemTypeText(game, item)),
            Cell(ItemSkillText(game, item)),
            ItemWeightText(item, Form::Short),
            ItemPriceText(item, Form::Short),
            ItemArmorClassText(item),
            ItemToHitText(item),
            ItemInitiativeText(item),
            ItemDamageText(item),
            ItemPrimarySecondaryText(item),
            ItemHandsText(item),
            Cell(ItemCursedText(game, item)),
            ItemRegenText(item),
            Cell(ItemSpellText(game, item, Form::Short)),
            Cell(ItemResistancesText(game, item)),
            ItemInvokeText(item, Form::Short),
            Cell(ItemEffectsText(game, item)),
            Cell(ItemRacesText(game, item)),
            Cell(ItemProfessionsText(game, item)),
            Cell(ItemGenderText(game, item)),
            Cell(ItemAttackModesText(game, item))};
}

std::vector<std::string> LongItemRow(const CGameData& game, int number, const ItemRecord& item)
{
    std::string label;
    const std::string charges = ItemChargesText(item, &label);
    const AllowedLists races = FillRaceLists(game, item), professions = FillProfessionLists(game, item);
    return {Number(number),
            Cell(ItemDisplayName(item)),
            Cell(ItemTypeText(game, item)),
            Cell(ItemSkillText(game, item)),
            ItemWeightText(item, Form::Long),
            ItemPriceText(item, Form::Long),
            ItemArmorClassText(item),
            ItemToHitText(item),
            ItemInitiativeText(item),
            ItemDamageText(item),
            ItemRangeText(item),
            ItemPrimarySecondaryText(item),
            ItemHandsText(item),
            Cell(ItemCursedText(game, item)),
            ItemRegenText(item),
            Cell(ItemSpellText(game, item, Form::Long)),
            Cell(ItemResistancesText(game, item)),
            ItemInvokeText(item, Form::Long),
            ShownLabel(label),
            charges,
            ListCell(FillEffectsList(game, item.Bytes(), ItemRecord::kHitEffects, ItemRecord::kPoisonStrength)),
            ListCell(races.allowed),
            ListCell(races.restricted),
            ListCell(professions.allowed),
            ListCell(professions.restricted),
            Cell(ItemGenderLongText(game, item)),
            Cell(ItemAttackModesText(game, item)),
            Cell(ItemDoubleDamageText(game, item)),
            Cell(ItemInventoryActionText(game, item)),
            Cell(ItemAssayText(game, item)),
            Cell(ItemIdentifyText(game, item))};
}

int Items(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {}, {"--long"}, options, error))
        return UsageError(error);
    if (!options.words.empty() && !options.Has("--long"))
        return CharacterItems(context); // items FILE SLOT: one character's items
    if (!options.words.empty())
        return UsageError("items takes --long or FILE SLOT");
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
    for (int number = 0; number < game.m_itemCount; ++number) {
        const ItemRecord item(game.GetItem(number));
        PrintRow(longForms ? LongItemRow(game, number, item) : ShortItemRow(game, number, item));
    }
    return kOk;
}

std::string LootCell(const CGameData& game, int number)
{
    std::vector<std::string> rows;
    for (const LootRow& row : FillLootList(game, number, false))
        rows.push_back(row.text + " (" + row.chance + ")");
    return ListCell(rows);
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

    const CGameData& game = context.game;
    for (int number = 0; number < game.m_monsterCount; ++number) {
        const MonsterRecord monster(game.GetMonster(number));
        std::vector<std::string> row = {Number(number),
                                        Cell(MonsterDisplayName(monster)),
                                        Cell(MonsterUnidentifiedText(monster)),
                                        Cell(MonsterTypeText(game, monster)),
                                        Cell(MonsterAllianceText(game, monster)),
                                        MonsterHitPointsText(monster),
                                        MonsterExperienceText(monster),
                                        MonsterStaminaText(monster),
                                        Cell(MonsterGenderText(game, monster)),
                                        MonsterGroupText(monster),
                                        MonsterSpeedText(monster),
                                        Cell(MonsterLocationsText(game, monster)),
                                        Cell(MonsterArmorNoteText(game, monster)),
                                        Number(monster.strength()),
                                        Number(monster.intelligence()),
                                        Number(monster.dexterity()),
                                        Number(monster.speed()),
                                        Cell(MonsterCompanionsText(game, monster)),
                                        ListCell(FillResistances(game, monster)),
                                        ListCell(FillSpells(game, monster)),
                                        MonsterSpellChanceText(monster),
                                        MonsterCastLevelText(monster),
                                        Cell(MonsterSpecialText(game, monster)),
                                        MonsterSpecialChanceText(monster),
                                        Cell(MonsterSpecialEffectText(game, monster)),
                                        Cell(MonsterBehaviourText(game, monster)),
                                        MonsterBehaviourChanceText(monster),
                                        MonsterAttacksText(monster),
                                        MonsterSwingsText(monster)};
        for (int k = 1; k <= MonsterRecord::kAttacks; ++k) {
            row.push_back(AttackRangeText(monster, k));
            row.push_back(Cell(AttackMannerText(game, monster, k)));
            row.push_back(AttackDamageText(monster, k));
            row.push_back(AttackMultiplierText(monster, k));
            row.push_back(ListCell(FillAttackEffects(game, monster, k)));
            row.push_back(AttackMissText(monster, k));
        }
        row.push_back(LootCell(game, monster.lootIndex()));
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
    commands.push_back({"items", "[--long] | FILE SLOT", "every item's fields, or one character's items",
                        "Prints one header row, then one row per item in number order, each field in the\n"
                        "short form of the Item List: ID, name, type, skill, weight, price, AC, to hit,\n"
                        "initiative, damage, P/S, hands, cursed, regen, spell, resistances, invoke,\n"
                        "effects, races, professions, gender, attack modes. An empty name reads\n"
                        "\"?Unknown Item?\". With --long, the long forms of the Item Viewer instead, with\n"
                        "range, the charges and their label, double damage, inventory action, assay and\n"
                        "identify; its lists (effects, races, professions) join their entries with \" | \".\n"
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
