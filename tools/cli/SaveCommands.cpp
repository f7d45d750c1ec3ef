// Commands about save files and the guild file: the characters, as the Save File Viewer and
// the character dialogs show them.

#include "gamedata/BmpFile.h"
#include "gamedata/Format.h"
#include "gamedata/GameFile.h"
#include "saves/CharacterLists.h"
#include "saves/CharacterSheet.h"
#include "saves/Professions.h"
#include "saves/SaveGame.h"
#include "saves/SpellTree.h"
#include "tools/cli/Cli.h"

#include <filesystem>

namespace cli {

std::string SaveFilePath(const CGameData& game, const std::string& name)
{
    if (GameFile(name).IsOpen())
        return name;
    const std::string inGame = GamePath(game.InstallPath(), "\\" + name);
    return GameFile(inGame).IsOpen() ? inGame : name;
}

int LoadSaveFile(const CGameData& game, const std::string& name, SaveGame& save)
{
    if (save.Load(SaveFilePath(game, name)) == SaveFileKind::NotRecognised)
        return Failure(save.FailureMessage());
    return kOk;
}

namespace {

const char* ShadeName(Shade shade)
{
    switch (shade) {
    case Shade::Better:
        return "better";
    case Shade::Worse:
        return "worse";
    case Shade::Differs:
        return "differs";
    case Shade::LightLoad:
        return "light load";
    case Shade::MediumLoad:
        return "medium load";
    case Shade::HeavyLoad:
        return "heavy load";
    case Shade::Current:
        return "current";
    case Shade::Allowed:
        return "allowed";
    default:
        return "";
    }
}

// FILE and SLOT: the loaded file and the character in that slot.
int LoadCharacter(Context& context, const char* command, SaveGame& save, const SavedCharacter*& character)
{
    int slot = 0;
    if (context.args.size() != 2 || !ParseInt(context.args[1], slot))
        return UsageError(Format("%s needs a file and a slot number", command));
    if (int status = LoadSaveFile(context.game, context.args[0], save))
        return status;
    character = save.InSlot(slot);
    if (!character)
        return UsageError(Format("slot %i holds no character", slot));
    return kOk;
}

// "label: text", with the text's shade in brackets when it has one.
void PrintField(const char* label, const std::string& text, Shade shade = Shade::Normal)
{
    std::string line = std::string(label) + ": " + Utf8(text);
    if (shade != Shade::Normal && !text.empty())
        line += Format(" [%s]", ShadeName(shade));
    PrintLine(line);
}

void PrintField(const char* label, const ShadedText& text) { PrintField(label, text.text, text.shade); }

int Save(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {"--portraits"}, {}, options, error))
        return UsageError(error);
    if (options.words.size() != 1)
        return UsageError("save needs one file");
    SaveGame save;
    if (int status = LoadSaveFile(context.game, options.words[0], save))
        return status;
    const CGameData& game = context.game;
    PrintLine(savefile::KindLabel(save.Kind()));
    PrintLine(savefile::CountText(save.Count()));
    PrintRow({"slot", "name", "deleted", "race", "sex", "class", "rank", "level", "experience", "hit points", "stamina",
              "carrying capacity", "live", "max previous level", "regen", "portrait"});
    for (const SavedCharacter& saved : save.Characters()) {
        const CharacterSheet sheet = BuildCharacterSheet(game, saved.Record(), false, false);
        PrintRow({Format("%i", saved.slot), Cell(sheet.name), save.IsDeleted(saved.slot) ? "1" : "0", Cell(sheet.race),
                  Cell(sheet.sex), Cell(sheet.profession), Cell(sheet.rank), sheet.level, sheet.experience,
                  sheet.hitPoints, sheet.stamina, sheet.carrying.text, sheet.live, sheet.maxPreviousLevel,
                  sheet.regen.text, Format("%i", sheet.portrait)});
    }
    if (const std::string* folder = options.Value("--portraits")) {
        std::error_code ignored;
        std::filesystem::create_directories(*folder, ignored);
        for (const SavedCharacter& saved : save.Characters()) {
            const std::string path = (std::filesystem::path(*folder) / Format("slot%i.bmp", saved.slot)).string();
            std::optional<Image> portrait = game.GetPortrait(saved.Record().portrait(), 4);
            if (!portrait)
                return Failure(Format("Portrait %i cannot be read.", saved.Record().portrait()));
            if (!WriteBmpFile(path, *portrait))
                return Failure("cannot write " + path);
        }
    }
    return kOk;
}

void PrintAttack(const char* title, const AttackView& attack)
{
    PrintLine(title);
    PrintField("  Weapon", attack.weapon);
    PrintField("  Dmg", attack.damage);
    PrintField("  Attack modes", attack.modes);
    PrintField("  Miss chance modifier", attack.missModifier);
    PrintField("  Initiative modifier", attack.initiativeModifier);
    for (const SpecialAttackRow& row : attack.specials)
        PrintLine(Format("  special: %s (icon %i)", Utf8(row.text).c_str(), row.icon));
}

void PrintSpellTree(CGameData& game, const CharacterRecord& record, const Options& options)
{
    SpellTreeOptions tree;
    tree.showLearned = !options.Has("--no-learned");
    tree.showUnknown = options.Has("--unknown");
    tree.schoolIcons = options.Has("--school-icons");
    // The sphere frames come first in the tree's images; a missing picture has none.
    if (GameFile(Format("%s\\MON%.2i.PIC", game.InstallPath().c_str(), spelltree::kSpherePicture)).IsOpen()) {
        std::vector<Image> frames;
        tree.sphereFrames = game.LoadPicByNumber(spelltree::kSpherePicture, frames, {.scale = 1, .background = Rgb(255, 255, 255)});
    }
    PrintLine("Magic:");
    for (const RealmNode& realm : BuildSpellTree(game, record, tree, RealmAnimation())) {
        PrintLine(Format("  %s (image %i)", Utf8(realm.text).c_str(), realm.image));
        for (const SpellNode& spell : realm.spells)
            PrintLine(Format("    %s (image %i)", Utf8(spell.text).c_str(), spell.image));
    }
}

int Character(Context& context)
{
    Options options;
    std::string error;
    if (!ParseOptions(context.args, {}, {"--unknown", "--no-learned", "--school-icons"}, options, error))
        return UsageError(error);
    context.args = options.words;
    SaveGame save;
    const SavedCharacter* saved = nullptr;
    if (int status = LoadCharacter(context, "character", save, saved))
        return status;
    CGameData& game = context.game;
    const CharacterRecord record = saved->Record();
    const bool guild = save.Kind() == SaveFileKind::Guild;
    const CharacterSheet sheet = BuildCharacterSheet(game, record, guild, save.IsDeleted(saved->slot));

    PrintField("File path", SaveFilePath(game, context.args[0]));
    PrintLine(savefile::KindLabel(save.Kind()));
    PrintLine(savefile::CountText(save.Count()));
    PrintField("Character", sheet.name);
    PrintField("Portrait", Format("%i", sheet.portrait));
    PrintField("HP", sheet.hitPoints);
    PrintField("Stamina", sheet.stamina);
    PrintField("CC", sheet.carrying);
    if (!sheet.deleted.text.empty())
        PrintLine(sheet.deleted.text + Format(" [%s]", ShadeName(sheet.deleted.shade)));
    PrintField("Race", sheet.race);
    PrintField("Sex", sheet.sex);
    PrintField("Class", sheet.profession);
    PrintField("Level", sheet.level);
    PrintField("Base miss chance", sheet.baseMissChance);
    PrintField("Base Initiative", sheet.baseInitiative);
    PrintField("Attacks/round", sheet.attacksPerRound);
    PrintField("Swings/attack", sheet.swings);
    PrintField("Rank", sheet.rank);
    PrintField("Max previous level", sheet.maxPreviousLevel);
    PrintField("Live", sheet.live);
    PrintField("Regen", sheet.regen);
    PrintField("Exp", sheet.experience);
    PrintField("AC Base", sheet.armourBase);
    PrintField("AC Shld", sheet.armourShield);
    PrintField("AC Misc", sheet.armourMisc);
    PrintField("AC CC", sheet.armourLoad);
    constexpr const char* kParts[] = {"Head", "Body", "Leg", "Hand", "Foot"};
    for (int part = 0; part < character::kBodyParts; ++part)
        PrintField(kParts[part], sheet.bodyParts[part]);
    if (!sheet.totalBonus.empty())
        PrintLine(sheet.totalBonus);

    PrintLine("Attributes:");
    for (const NamedValue& row : sheet.attributes)
        PrintLine("  " + Cell(row.name) + "\t" + row.value);
    PrintLine("Resistances:");
    PrintLine("  element\tbase\tfinal");
    for (const ResistanceRow& row : sheet.resistances)
        PrintLine("  " + Cell(row.name) + "\t" + row.base + "\t" + row.final);
    PrintLine("Skills:");
    for (const SkillGroup& group : sheet.skills) {
        PrintLine(Format("  %s", group.title));
        for (const NamedValue& row : group.rows)
            PrintLine("    " + Cell(row.name) + "\t" + row.value);
    }
    PrintAttack("Primary attack:", sheet.attacks.primary);
    PrintAttack("Secondary attack:", sheet.attacks.secondary);
    PrintLine("Conditions:");
    for (const ConditionIcon& condition : sheet.conditions)
        PrintLine(Format("  %s (image %i)", Utf8(condition.tip).c_str(), condition.image));
    PrintSpellTree(game, record, options);
    return kOk;
}

int Professions(Context& context)
{
    SaveGame save;
    const SavedCharacter* saved = nullptr;
    if (int status = LoadCharacter(context, "professions", save, saved))
        return status;
    const CGameData& game = context.game;
    std::vector<std::string> header;
    for (const std::string& column : ProfessionColumns(game))
        header.push_back(Cell(column));
    PrintRow(header);
    for (const ProfessionRow& row : ProfessionRows(game, saved->Record())) {
        std::vector<std::string> cells{Cell(row.name)};
        for (const ProfessionCell& cell : row.cells)
            cells.push_back(cell.text);
        PrintRow(cells);
    }
    return kOk;
}

} // namespace

int CharacterItems(Context& context)
{
    SaveGame save;
    const SavedCharacter* saved = nullptr;
    if (int status = LoadCharacter(context, "items", save, saved))
        return status;
    const CharacterItemLists lists = BuildCharacterItems(context.game, saved->Record());
    PrintRow({"name", "equip", "curse", "N"});
    for (const CharacterItemRow& row : lists.first)
        PrintRow({Cell(row.name), row.equipped, Cell(row.cursed), row.count});
    PrintLine("");
    PrintRow({"name", "N"});
    for (const CharacterItemRow& row : lists.second)
        PrintRow({Cell(row.name), row.count});
    return kOk;
}

namespace {

int Npcs(Context& context)
{
    SaveGame save;
    const SavedCharacter* saved = nullptr;
    if (int status = LoadCharacter(context, "npcs", save, saved))
        return status;
    PrintRow({"NPC", "Attitude"});
    for (const NpcAttitudeRow& row : BuildNpcAttitudes(context.game, saved->Record()))
        PrintRow({Cell(row.text), row.attitude});
    return kOk;
}

} // namespace

void AddSaveCommands(std::vector<Command>& commands)
{
    commands.push_back({"save", "FILE [--portraits DIR]", "the characters of a save file or guild file",
                        "Reads FILE (a path, or a name within the installation folder such as pcfile.dbs) and\n"
                        "prints \"Save File\" or \"Guild File\", the count line, then one row per character in slot\n"
                        "order; deleted is 1 for a guild slot marked deleted.\n\n"
                        "  --portraits DIR  also write each character's portrait as DIR/slotN.bmp (scale 4)",
                        Save});
    commands.push_back({"character", "FILE SLOT [--unknown] [--no-learned] [--school-icons]",
                        "everything the Save File Viewer shows of one character",
                        "One \"label: value\" line per field in the viewer's order (a coloured value is\n"
                        "followed by its meaning in brackets), then the attributes, resistances, skills\n"
                        "by group, both attacks, the conditions with their images, and the spell tree.\n"
                        "The tree lists the spells known; --unknown adds the others, --no-learned leaves\n"
                        "the known ones out, --school-icons shows the school images and \"?\" prefixes.",
                        Character});
    commands.push_back({"professions", "FILE SLOT", "the character against each profession's requirements",
                        "The rows of the professions dialog: the profession, then per attribute the value\n"
                        "it would have (the requirement raised to the race's base), the shortage when\n"
                        "negative, or the character's own in its current profession.",
                        Professions});
    commands.push_back({"npcs", "FILE SLOT", "the character's attitude towards every NPC", "", Npcs});
}

} // namespace cli
