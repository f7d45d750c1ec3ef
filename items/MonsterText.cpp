// The text forms of a monster's identity, statistics, specials, companions and spells.

#include "items/MonsterText.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "items/ItemName.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kNoAlliance = 255;
// Behaviour words and the one behaviour among the conditions.
constexpr int kAttacksWord = 17, kArmourWord = 18, kOnSightWord = 22, kFleesWord = 25;
constexpr int kKeepsDistance = 28;
constexpr size_t kArmourNoteLength = 6;
constexpr int kBeyondList = 100;

std::string Percent(int value) { return Format("%i%%", value); }

bool HasSpecial(const MonsterRecord& monster) { return monster.specialChance() && monster.specialAttack(); }

} // namespace

std::string MonsterName(const MonsterRecord& monster) { return ExpandItemName(monster.name()); }

std::string MonsterDisplayName(const MonsterRecord& monster)
{
    std::string name = MonsterName(monster);
    return name.empty() ? ResourceString(strings::kUnknownMonster) : name;
}

std::string MonsterUnidentifiedText(const MonsterRecord& monster) { return ExpandItemName(monster.unidentifiedName()); }

// Experience is unsigned: above 2,147,483,647 it must not read as a negative number.
std::string MonsterExperienceText(const MonsterRecord& monster) { return FormatThousands(monster.experience()); }

std::string MonsterHitPointsText(const MonsterRecord& monster)
{
    return FormatDice(monster.Bytes(), MonsterRecord::kHpBonus, MonsterRecord::kHpCount, MonsterRecord::kHpSides);
}

std::string MonsterStaminaText(const MonsterRecord& monster)
{
    return FormatDice(monster.Bytes(), MonsterRecord::kStaminaBonus, MonsterRecord::kStaminaCount,
                      MonsterRecord::kStaminaSides);
}

std::string MonsterGroupText(const MonsterRecord& monster)
{
    return FormatDice(monster.Bytes(), MonsterRecord::kGroupBonus, MonsterRecord::kGroupCount,
                      MonsterRecord::kGroupSides);
}

std::string MonsterAllianceText(const CGameData& game, const MonsterRecord& monster)
{
    return monster.alliance() == kNoAlliance ? std::string() : game.AllianceName(monster.alliance());
}

std::string MonsterTypeText(const CGameData& game, const MonsterRecord& monster)
{
    return CreatureTypeName(game, monster.creatureType());
}

std::string MonsterGenderText(const CGameData& game, const MonsterRecord& monster)
{
    return monster.gender() <= 1 ? game.GenderName(monster.gender()) : std::string();
}

std::string MonsterAttacksText(const MonsterRecord& monster) { return Format("%i", monster.attacksPerRound()); }
std::string MonsterSwingsText(const MonsterRecord& monster) { return Format("1d%i", monster.swingsDie()); }
std::string MonsterSpeedText(const MonsterRecord& monster) { return Format("%i", monster.speedFactor()); }

std::string MonsterLocationsText(const CGameData& game, const MonsterRecord& monster)
{
    std::string text;
    for (int v = 0; v < 7; ++v)
        if (monster.locationChance(v))
            text += Format("%i%% %s %+i   ", monster.locationChance(v),
                           game.BodyLocationName(monster.creatureType(), v).c_str(), monster.locationArmor(v));
    return DropLast(text, 3);
}

std::string MonsterArmorNoteText(const CGameData& game, const MonsterRecord& monster)
{
    if (!(monster.behaviourFlags() & 2))
        return {};
    return game.BehaviourWord(kArmourWord).substr(0, kArmourNoteLength);
}

std::string MonsterSpecialText(const CGameData& game, const MonsterRecord& monster)
{
    if (!HasSpecial(monster))
        return {};
    const int c = monster.specialAttack();
    int p = c - 1;
    if (c >= 4 && c <= 7)
        p = c;
    else if (c == 8)
        p = 3;
    else if (c == 10 || c == 11)
        p = kBeyondList;
    int q = 0;
    switch (c) {
    case 2: q = 8; break;
    case 4: q = 3; break;
    case 5: q = 4; break;
    case 7: q = 5; break;
    case 9: q = 6; break;
    case 10: q = 2; break;
    case 11: q = 7; break;
    default: break;
    }
    const std::string& what = game.SpecialAttackName(p);
    const std::string& verb = game.SpecialAttackVerb(q);
    return what.empty() ? verb : verb + " " + what;
}

std::string MonsterSpecialChanceText(const MonsterRecord& monster)
{
    return HasSpecial(monster) ? Percent(monster.specialChance()) : std::string();
}

std::string MonsterSpecialEffectText(const CGameData& game, const MonsterRecord& monster)
{
    if (!HasSpecial(monster))
        return {};
    static constexpr std::pair<int, int> kConditions[] = {{2, 18}, {4, 6},  {5, 11}, {6, 8},
                                                          {7, 9},  {9, 5},  {10, 10}, {11, 4}};
    const int c = monster.specialAttack();
    std::string name;
    for (const auto& [code, condition] : kConditions)
        if (code == c)
            name = game.ConditionName(condition);
    static constexpr int kDamaging[] = {1, 3, 5, 6, 7, 8, 10};
    const bool damages = std::find(std::begin(kDamaging), std::end(kDamaging), c) != std::end(kDamaging);
    const std::string damage = damages ? "Delivers damage" : "";
    if (name.empty())
        return damage;
    return damage.empty() ? name : name + " " + damage;
}

std::string MonsterBehaviourText(const CGameData& game, const MonsterRecord& monster)
{
    const uint8_t flags = monster.behaviourFlags();
    auto words = [&](int first, int second) {
        return Format("%s %s", game.BehaviourWord(first).c_str(), game.BehaviourWord(second).c_str());
    };
    if (flags == 0 || (flags & 1))
        return words(kAttacksWord, kOnSightWord);
    if (flags & 4)
        return game.ConditionName(kKeepsDistance);
    if (flags & 8)
        return words(kFleesWord, kOnSightWord);
    return {};
}

std::string MonsterBehaviourChanceText(const MonsterRecord& monster) { return Percent(monster.behaviourChance()); }

std::string MonsterCompanionsText(const CGameData& game, const MonsterRecord& monster)
{
    auto companion = [&](int i) {
        const int chance = monster.companionChance(i);
        if (!chance)
            return std::string();
        // A number beyond the monster table names nobody.
        const MonsterRecord other(game.GetMonster(monster.companions(i)));
        return Format("%s %i%%", ExpandItemName(other.companionName()).c_str(), chance);
    };
    const std::string first = companion(0), second = companion(1);
    if (!first.empty() && !second.empty())
        return first + ", " + second;
    return first.empty() ? second : first;
}

std::vector<std::string> FillResistances(const CGameData& game, const MonsterRecord& monster)
{
    std::vector<std::string> entries;
    for (int r = 1; r <= 13; ++r)
        entries.push_back(Format("%s %i%%", game.ResistanceName(r).c_str(), monster.resistances(r)));
    return entries;
}

std::vector<std::string> FillSpells(const CGameData& game, const MonsterRecord& monster)
{
    if (!monster.spellChance())
        return {};
    std::vector<std::pair<int, int>> shares; // spell, slots, in order of first occurrence
    for (int slot = 0; slot < 10; ++slot) {
        const int spell = monster.spells(slot);
        auto known =
            std::find_if(shares.begin(), shares.end(), [&](const auto& share) { return share.first == spell; });
        if (known == shares.end())
            shares.emplace_back(spell, 1);
        else
            ++known->second;
    }
    std::vector<std::string> entries;
    for (const auto& [spell, slots] : shares)
        entries.push_back(Format("%s (%i%%)", game.SpellName(spell).c_str(), 10 * slots));
    return entries;
}

std::string MonsterSpellChanceText(const MonsterRecord& monster)
{
    return monster.spellChance() ? Percent(monster.spellChance()) : std::string();
}

std::string MonsterCastLevelText(const MonsterRecord& monster)
{
    if (!monster.spellChance())
        return {};
    const int level = monster.level();
    if (level > 6)
        return Format("1-5 (1/%i), 6 (%i/%i)", level, level - 5, level);
    return Format("1-%i (1/%i)", level, level);
}
