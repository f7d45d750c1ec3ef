#include "items/MonsterViewerContent.h"

#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "items/MonsterText.h"

#include <algorithm>

std::optional<MonsterViewerFields> MonsterViewerFieldsOf(const CGameData& game, int number)
{
    const uint8_t* bytes = game.GetMonster(number);
    if (!bytes)
        return std::nullopt;
    const MonsterRecord monster(bytes);
    MonsterViewerFields view;
    view.number = Format("%i", number);
    view.name = MonsterDisplayName(monster);
    view.unidentified = MonsterUnidentifiedText(monster);
    view.type = MonsterTypeText(game, monster);
    view.alliance = MonsterAllianceText(game, monster);
    view.gender = MonsterGenderText(game, monster);
    view.experience = MonsterExperienceText(monster);
    view.hitPoints = MonsterHitPointsText(monster);
    view.stamina = MonsterStaminaText(monster);
    view.group = MonsterGroupText(monster);
    view.speedFactor = MonsterSpeedText(monster);
    view.strength = Format("%i", monster.strength());
    view.intelligence = Format("%i", monster.intelligence());
    view.dexterity = Format("%i", monster.dexterity());
    view.speed = Format("%i", monster.speed());
    view.attacksPerRound = MonsterAttacksText(monster);
    view.swings = MonsterSwingsText(monster);
    view.armorClass = MonsterLocationsText(game, monster);
    view.armorNote = MonsterArmorNoteText(game, monster);
    view.companions = MonsterCompanionsText(game, monster);
    view.behaviour = MonsterBehaviourText(game, monster);
    view.behaviourChance = MonsterBehaviourChanceText(monster);
    view.special = MonsterSpecialText(game, monster);
    view.specialChance = MonsterSpecialChanceText(monster);
    view.specialEffect = MonsterSpecialEffectText(game, monster);
    view.resistances = FillResistances(game, monster);
    view.spells = FillSpells(game, monster);
    view.spellChance = MonsterSpellChanceText(monster);
    view.castLevel = MonsterCastLevelText(monster);
    for (int k = 1; k <= MonsterRecord::kAttacks; ++k) {
        MonsterAttackFields& attack = view.attacks[static_cast<size_t>(k - 1)];
        attack.range = AttackRangeText(monster, k);
        attack.manner = AttackMannerText(game, monster, k);
        attack.damage = AttackDamageText(monster, k);
        attack.multiplier = AttackMultiplierText(monster, k);
        attack.miss = AttackMissText(monster, k);
        attack.effects = FillAttackEffects(game, monster, k);
    }
    view.loot = FillLootList(game, monster.lootIndex(), false);
    return view;
}

std::vector<std::string> MonsterNames(const CGameData& game)
{
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(std::max(game.MonsterCount(), 0)));
    for (int i = 0; i < game.MonsterCount(); ++i)
        names.push_back(MonsterDisplayName(MonsterRecord(game.GetMonster(i))));
    return names;
}

std::optional<int> LootRowItem(const CGameData& game, const LootRow& row, int choice)
{
    if (row.data == LootRow::kNotAnItem)
        return std::nullopt;
    // A row without alternatives always stands for its own item.
    const int offset = row.choices.empty() ? 0 : choice;
    if (offset < 0 || (offset > 0 && static_cast<size_t>(offset) >= row.choices.size()))
        return std::nullopt;
    const int item = row.data + offset;
    if (!game.GetItem(item))
        return std::nullopt;
    return item;
}

bool MonsterFormFitsWorkArea(int width, int height) { return width > 800 && height > 600; }
