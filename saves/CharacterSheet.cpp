#include "items/TextForms.h"
#include "saves/CharacterSheet.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "saves/CharacterTables.h"
#include "saves/SaveText.h"

namespace {

constexpr int kConditionText = 4;            // condition c is named by condition text c + 4
constexpr int kInsaneConditionText = 18;     // but the last by text 18
constexpr int kTrimmedConditions[] = {1, 6}; // their texts begin with a word the viewer leaves out
constexpr int kCutCondition = 6;             // and this one ends at its "!"

Shade CarryingShade(int loadState)
{
    switch (loadState) {
    case 0:
        return Shade::Normal;
    case 1:
        return Shade::LightLoad;
    case 2:
        return Shade::MediumLoad;
    default:
        return Shade::HeavyLoad;
    }
}

// Armour class modifiers: a higher class is worse.
ShadedText ArmourModifier(int value)
{
    return {savetext::Signed(value), value > 0 ? Shade::Worse : value < 0 ? Shade::Better : Shade::Normal};
}

std::string Percent(int value) { return Format("%i%%", value); }

void FillArmour(CharacterSheet& sheet, const CharacterRecord& record)
{
    const int shield = record.armourShield();
    const int misc = record.armourMisc();
    const int penalty = LoadPenalty(record.loadState());
    sheet.armourBase = {savetext::Signed(record.armourBase()), Shade::Normal};
    sheet.armourShield = ArmourModifier(shield);
    sheet.armourMisc = ArmourModifier(misc);
    sheet.armourLoad = ArmourModifier(penalty);
    for (int part = 0; part < character::kBodyParts; ++part) {
        const int8_t own = record.armourOf(part);
        const int8_t total = static_cast<int8_t>(own + shield + misc + penalty);
        sheet.bodyParts[part] = {savetext::Signed(total), own != record.armourBase() ? Shade::Differs : Shade::Normal};
    }
}

void FillLists(CharacterSheet& sheet, const CGameData& game, const CharacterRecord& record)
{
    for (int a = 0; a < character::kAttributes; ++a)
        sheet.attributes[a] = {game.AttributeName(a), Format("%i", record.attribute(a))};
    for (int e = 0; e < character::kResistances; ++e)
        sheet.resistances[e] = {game.ResistanceName(e + 1), Percent(record.resistanceBase(e)),
                                Percent(record.resistanceFinal(e))};
    for (size_t g = 0; g < kSkillGroups.size(); ++g) {
        const SkillGroupInfo& info = kSkillGroups[g];
        SkillGroup& group = sheet.skills[g];
        group.title = info.title;
        group.colour = info.colour;
        for (int s = info.first; s < info.first + info.count; ++s)
            group.rows.push_back({game.SkillName(s), Format("%i", record.skill(s))});
    }
    for (int c = 0; c < character::kConditions; ++c)
        if (const int power = record.condition(c))
            sheet.conditions.push_back(
                {c, kConditionImages[c], Format("%s, power %i", ConditionText(game, c).c_str(), power)});
}

// Guild files: how far the attributes are above the race's base.
std::string TotalBonus(const CharacterRecord& record)
{
    std::optional<int> base = character::RaceBaseSum(record.race());
    if (!base)
        return {};
    int total = 0;
    for (int a = 0; a < character::kRacedAttributes; ++a)
        total += record.attribute(a);
    return Format("Total / Bonus: %i/%i", total, total - *base);
}

} // namespace

std::string ConditionText(const CGameData& game, int condition)
{
    if (condition < 0 || condition >= character::kConditions)
        return {};
    std::string text = game.ConditionName(condition == 8 ? kInsaneConditionText : condition + kConditionText);
    for (int trimmed : kTrimmedConditions) {
        if (condition != trimmed)
            continue;
        size_t blank = text.find(' ');
        if (blank != std::string::npos)
            text.erase(0, blank + 1);
    }
    if (condition == kCutCondition) {
        size_t mark = text.find('!');
        if (mark != std::string::npos)
            text.erase(mark);
    }
    return text;
}

int LoadPenalty(int loadState) { return loadState >= 3 ? 4 : loadState; }

CharacterSheet BuildCharacterSheet(const CGameData& game, const CharacterRecord& record, bool guild, bool deleted)
{
    CharacterSheet sheet;
    sheet.name = record.name();
    sheet.portrait = record.portrait();
    sheet.hitPoints = Format("%i/%i", record.hitPoints(), record.maxHitPoints());
    sheet.stamina = Format("%i/%i", record.stamina(), record.maxStamina());
    sheet.carrying = {Format("%.1f/%.1f", record.carrying() / 10.0, record.maxCarrying() / 10.0),
                      CarryingShade(record.loadState())};
    sheet.race = game.RaceName(record.race());
    sheet.sex = game.GenderName(record.gender());
    sheet.profession = game.ProfessionName(record.profession());
    sheet.level = Format("%i", record.level());
    FillLists(sheet, game, record);
    sheet.baseMissChance = savetext::Signed(record.baseMissChance());
    sheet.baseInitiative = savetext::Signed(record.baseInitiative());
    sheet.attacksPerRound = Format("%i", record.attacksPerRound());
    sheet.swings = Format("1d%i", record.swingDie());
    sheet.attacks = BuildAttacks(game, record);
    sheet.rank = game.RankTitle(record.profession(), record.rank());
    if (record.maxPreviousLevel())
        sheet.maxPreviousLevel = Format("%i", record.maxPreviousLevel());
    sheet.live = Format("%i", record.liveCount());
    const int regen = record.regeneration();
    if (regen)
        sheet.regen = {savetext::Signed(regen), regen > 0 ? Shade::Better : Shade::Worse};
    sheet.experience = FormatThousands(record.experience());
    FillArmour(sheet, record);
    if (guild) {
        if (deleted)
            sheet.deleted = {"DELETED!", Shade::Worse};
        sheet.totalBonus = TotalBonus(record);
    }
    return sheet;
}
