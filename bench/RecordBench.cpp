// Every text form of every item and monster of the demo, as the Item List, the Item Viewer and
// the Monster Viewer ask for them.

#include "gamedata/CGameData.h"
#include "gamedata/MemoryPlatform.h"
#include "items/ItemText.h"
#include "items/LootList.h"
#include "items/MonsterText.h"
#include "testing/GameBuilder.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

std::string RecordDemoFolder()
{
    auto folder = std::filesystem::temp_directory_path() / "tallowmark-recordbench";
    gamebuild::DemoInstallation(gamebuild::Edition::First).Write(folder.string());
    return folder.string();
}

size_t ItemForms(const CGameData& game, const ItemRecord& item)
{
    std::string label;
    int value = 0;
    size_t size = ItemDisplayName(item).size() + ItemTypeText(game, item).size() + ItemSkillText(game, item).size();
    for (Form form : {Form::Long, Form::Short})
        size += ItemWeightText(item, form).size() + ItemPriceText(item, form).size() +
                ItemSpellText(game, item, form).size() + ItemInvokeText(item, form).size();
    size += ItemArmorClassText(item, &value).size() + ItemToHitText(item, &value).size() +
            ItemInitiativeText(item, &value).size() + ItemRegenText(item, &value).size();
    size += ItemDamageText(item).size() + ItemChargesText(item, &label).size() + ItemRangeText(item).size() +
            ItemPrimarySecondaryText(item).size() + ItemHandsText(item).size() + ItemCursedText(game, item).size() +
            ItemResistancesText(game, item).size() + ItemEffectsText(game, item).size() +
            ItemAttackModesText(game, item).size() + ItemDoubleDamageText(game, item).size() +
            ItemInventoryActionText(game, item).size() + ItemAssayText(game, item).size() +
            ItemIdentifyText(game, item).size() + ItemGenderLongText(game, item).size();
    size += ItemRacesText(game, item).size() + ItemProfessionsText(game, item).size() +
            ItemGenderText(game, item).size();
    size += FillEffectsList(game, item.Bytes(), ItemRecord::kHitEffects, ItemRecord::kPoisonStrength).size();
    size += FillRaceLists(game, item).allowed.size() + FillProfessionLists(game, item).allowed.size();
    return size;
}

size_t MonsterForms(const CGameData& game, const MonsterRecord& monster)
{
    size_t size = MonsterDisplayName(monster).size() + MonsterUnidentifiedText(monster).size() +
                  MonsterExperienceText(monster).size() + MonsterHitPointsText(monster).size() +
                  MonsterStaminaText(monster).size() + MonsterGroupText(monster).size() +
                  MonsterAllianceText(game, monster).size() + MonsterTypeText(game, monster).size() +
                  MonsterGenderText(game, monster).size() + MonsterLocationsText(game, monster).size() +
                  MonsterArmorNoteText(game, monster).size() + MonsterSpecialText(game, monster).size() +
                  MonsterSpecialChanceText(monster).size() + MonsterSpecialEffectText(game, monster).size() +
                  MonsterBehaviourText(game, monster).size() + MonsterBehaviourChanceText(monster).size() +
                  MonsterAttacksText(monster).size() + MonsterSwingsText(monster).size() +
                  MonsterSpeedText(monster).size() + MonsterCompanionsText(game, monster).size() +
                  MonsterSpellChanceText(monster).size() + MonsterCastLevelText(monster).size();
    for (int k = 1; k <= MonsterRecord::kAttacks; ++k)
        size += AttackRangeText(monster, k).size() + AttackDamageText(monster, k).size() +
                AttackMultiplierText(monster, k).size() + AttackMannerText(game, monster, k).size() +
                AttackMissText(monster, k).size() + FillAttackEffects(game, monster, k).size();
    size += FillResistances(game, monster).size() + FillSpells(game, monster).size();
    size += FillLootList(game, monster.lootIndex(), false).size();
    return size;
}

void BM_EveryItemAndMonsterForm(benchmark::State& state)
{
    const std::string folder = RecordDemoFolder();
    MemoryPlatform platform;
    platform.settings["w7path"] = folder;
    CGameData game(platform);
    if (!game.m_loaded)
        state.SkipWithError("the demo did not load");
    for (auto _ : state) {
        size_t size = 0;
        for (int number = 0; number < game.m_itemCount; ++number)
            size += ItemForms(game, ItemRecord(game.GetItem(number)));
        for (int number = 0; number < game.m_monsterCount; ++number)
            size += MonsterForms(game, MonsterRecord(game.GetMonster(number)));
        benchmark::DoNotOptimize(size);
    }
    state.counters["records"] = game.m_itemCount + game.m_monsterCount;
}
BENCHMARK(BM_EveryItemAndMonsterForm)->Unit(benchmark::kMillisecond);

} // namespace
