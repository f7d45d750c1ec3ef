#include "testing/Exercise.h"

#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/SpellTable.h"
#include "gamedata/TextPicture.h"
#include "items/ItemRecord.h"
#include "items/ItemText.h"
#include "items/LootList.h"
#include "items/MonsterRecord.h"
#include "items/MonsterText.h"
#include "maps/CellContents.h"
#include "maps/EventChain.h"
#include "maps/MapData.h"
#include "maps/MapRenderer.h"
#include "maps/MapWalls.h"
#include "saves/Attacks.h"
#include "saves/CharacterLists.h"
#include "saves/CharacterSheet.h"
#include "saves/Offers.h"
#include "saves/Professions.h"
#include "saves/SaveGame.h"
#include "saves/SpellTree.h"
#include "saves/WorldContent.h"
#include "saves/WorldState.h"

#include <functional>

namespace exercise {

namespace {

size_t Weigh(const std::string& text) { return text.size(); }

// Takes the total size of everything produced, so that nothing produced goes unread.
volatile size_t g_sink = 0;
int Keep(size_t weight)
{
    g_sink = g_sink + weight;
    return 0;
}

size_t ItemForms(const CGameData& game, const ItemRecord& item)
{
    size_t weight = 0;
    std::string label;
    for (Form form : {Form::Short, Form::Long}) {
        weight += Weigh(ItemWeightText(item, form)) + Weigh(ItemPriceText(item, form)) +
                  Weigh(ItemSpellText(game, item, form)) + Weigh(ItemInvokeText(item, form));
    }
    weight += Weigh(ItemDisplayName(item)) + Weigh(ItemTypeText(game, item)) + Weigh(ItemSkillText(game, item)) +
              Weigh(ItemArmorClassText(item)) + Weigh(ItemToHitText(item)) + Weigh(ItemInitiativeText(item)) +
              Weigh(ItemDamageText(item)) + Weigh(ItemChargesText(item, &label)) + Weigh(ItemRangeText(item)) +
              Weigh(ItemPrimarySecondaryText(item)) + Weigh(ItemHandsText(item)) +
              Weigh(ItemCursedText(game, item)) + Weigh(ItemRegenText(item)) +
              Weigh(ItemResistancesText(game, item)) + Weigh(ItemEffectsText(game, item)) +
              Weigh(ItemAttackModesText(game, item)) + Weigh(ItemDoubleDamageText(game, item)) +
              Weigh(ItemInventoryActionText(game, item)) + Weigh(ItemAssayText(game, item)) +
              Weigh(ItemIdentifyText(game, item)) + Weigh(ItemRacesText(game, item)) +
              Weigh(ItemProfessionsText(game, item)) + Weigh(ItemGenderText(game, item)) +
              Weigh(ItemGenderLongText(game, item));
    weight += FillRaceLists(game, item).allowed.size() + FillProfessionLists(game, item).restricted.size();
    weight += FillEffectsList(game, item.Bytes(), ItemRecord::kHitEffects, ItemRecord::kPoisonStrength).size();
    weight += static_cast<size_t>(ItemPictureIndex(item) & 1);
    return weight;
}

size_t MonsterForms(const CGameData& game, const MonsterRecord& monster)
{
    size_t weight = Weigh(MonsterDisplayName(monster)) + Weigh(MonsterUnidentifiedText(monster)) +
                    Weigh(MonsterTypeText(game, monster)) + Weigh(MonsterAllianceText(game, monster)) +
                    Weigh(MonsterHitPointsText(monster)) + Weigh(MonsterExperienceText(monster)) +
                    Weigh(MonsterStaminaText(monster)) + Weigh(MonsterGenderText(game, monster)) +
                    Weigh(MonsterGroupText(monster)) + Weigh(MonsterSpeedText(monster)) +
                    Weigh(MonsterLocationsText(game, monster)) + Weigh(MonsterArmorNoteText(game, monster)) +
                    Weigh(MonsterCompanionsText(game, monster)) + Weigh(MonsterSpellChanceText(monster)) +
                    Weigh(MonsterCastLevelText(monster)) + Weigh(MonsterSpecialText(game, monster)) +
                    Weigh(MonsterSpecialChanceText(monster)) + Weigh(MonsterSpecialEffectText(game, monster)) +
                    Weigh(MonsterBehaviourText(game, monster)) + Weigh(MonsterBehaviourChanceText(monster)) +
                    Weigh(MonsterAttacksText(monster)) + Weigh(MonsterSwingsText(monster));
    weight += FillResistances(game, monster).size() + FillSpells(game, monster).size();
    for (int k = 1; k <= MonsterRecord::kAttacks; ++k) {
        weight += Weigh(AttackRangeText(monster, k)) + Weigh(AttackMannerText(game, monster, k)) +
                  Weigh(AttackDamageText(monster, k)) + Weigh(AttackMultiplierText(monster, k)) +
                  Weigh(AttackMissText(monster, k)) + FillAttackEffects(game, monster, k).size();
    }
    weight += FillLootList(game, monster.lootIndex(), false).size();
    return weight;
}

} // namespace

int Item(CGameData& game, int number)
{
    const size_t weight = ItemForms(game, ItemRecord(game.GetItem(number)));
    return Keep(weight) + (weight > 0);
}

int Monster(CGameData& game, int number)
{
    const size_t weight = MonsterForms(game, MonsterRecord(game.GetMonster(number)));
    return Keep(weight) + (weight > 0);
}

int Loot(CGameData& game, int number)
{
    size_t weight = 0;
    const std::vector<LootRow> rows = FillLootList(game, number, true);
    for (const LootRow& row : rows)
        weight += row.text.size() + row.choices.size();
    return Keep(weight) + static_cast<int>(rows.size());
}

int Scenario(CGameData& game)
{
    for (int number = -1; number <= game.ItemCount(); ++number)
        Item(game, number);
    for (int number = -1; number <= game.MonsterCount(); ++number)
        Monster(game, number);
    for (int number = -1; number <= 200; ++number)
        Loot(game, number);
    int incidents = 0;
    for (int number = -1; number <= 96; ++number)
        incidents += game.GetIncident(number) != nullptr;
    return incidents;
}

int Messages(CGameData& game)
{
    game.LoadNameLists();
    int texts = 0;
    size_t weight = 0;
    for (int list = 0; list <= 26; ++list)
        if (const std::vector<std::string>* names = game.NameList(list))
            weight += names->size();
    for (int index = -1; index <= 300; ++index)
        weight += game.SpellName(index).size() + game.RankTitle(index & 15, index >> 4).size() +
                  game.BodyLocationName(index & 31, index >> 5).size();
    // The index as it stands, plus numbers beside and beyond it.
    std::vector<int> numbers = {-1, 0, 65535, 65536};
    for (const auto& [number, location] : game.Messages()) {
        numbers.push_back(number);
        numbers.push_back(number + 1);
    }
    for (int number : numbers) {
        const std::string text = game.GetMessageText(number);
        const std::string shown = game.GetMessageString(number);
        weight += shown.size();
        if (!text.empty()) {
            ++texts;
            weight += RenderMessageText(game, text.data(), text.size(), false).Width();
        }
        const std::vector<uint8_t> pieces = game.ReadMessagePieces(number);
        if (!pieces.empty())
            weight += RenderMessageText(game, reinterpret_cast<const char*>(pieces.data()), pieces.size(), true)
                          .Height();
    }
    return texts + Keep(weight);
}

int Images(CGameData& game)
{
    int loaded = game.LoadPalette() ? 1 : 0;
    loaded += game.LoadStateIcons();
    loaded += game.LoadItemImages();
    loaded += game.LoadIconImages();
    loaded += game.LoadTextFont();
    const std::string sample = "The quick brown fox!\x0b jumps over the lazy dog \x7f\x80\xff";
    loaded += RenderMessageText(game, sample.data(), sample.size(), false).Width() > 0;
    MapTileSet tiles;
    for (int size : {0, 1, 2})
        loaded += BuildMapTileSet(game, size, tiles);
    return loaded;
}

int Picture(CGameData& game, const std::string& path, int monster)
{
    int frames = 0;
    for (int scale : {1, 2}) {
        std::vector<Image> images;
        frames += game.LoadPicture(path, images, {.scale = scale, .background = Rgb(255, 255, 255)});
        frames += game.LoadPicture(path, images, {.scale = scale, .first = 1, .end = 3, .background = Rgb(0, 0, 0)});
        frames += game.LoadPicture(path, images, {.scale = scale, .first = 1000, .background = Rgb(0, 0, 0)});
        if (monster >= 0)
            frames += game.LoadMonsterPicture(monster, images, scale);
    }
    return frames;
}

int Spells(CGameData& game)
{
    if (!game.LoadSpellTable())
        return 0;
    int spells = 0;
    size_t weight = 0;
    for (int number = -1; number <= spells::kCount; ++number)
        if (const uint8_t* spell = game.GetSpell(number)) {
            ++spells;
            weight += spell[spells::kLevel] + spell[spells::kCost] + game.SpellName(number).size();
        }
    return spells + Keep(weight);
}

int Portraits(CGameData& game)
{
    int shown = 0;
    for (int number : {-1, 0, 1, 2, 31, 32, 33})
        for (int scale : {0, 1, 2, 4, 5})
            shown += game.GetPortrait(number, scale).has_value();
    return shown;
}

int Map(CGameData& game, int map, int depth)
{
    std::optional<MapData> data = MapData::Load(game, map);
    if (!data)
        return 0;
    int described = 0;
    const GameMap record = data->Record();
    EventDescriber describer(game, MapCell{map, 0, 0, 0});
    const std::span<const MapEvent> events = describer.Map(map).Events();
    for (size_t slot = 0; slot < events.size(); ++slot) {
        const MapEvent& event = events[slot];
        if (event.type == 0)
            continue;
        describer.SetCell({map, event.quadrant, event.x, event.y});
        described += !describer.DescribeEvent(map, static_cast<int>(slot), true).empty();
        described += static_cast<int>(describer.DescribeEventOutcomes(map, static_cast<int>(slot), false).lines.size());
    }
    std::function<void(EventChainTree&, int, int)> expand = [&](EventChainTree& tree, int id, int level) {
        if (level >= depth || !tree.Expand(id))
            return;
        const std::vector<int> children = tree.Node(id).children;
        for (int child : children)
            expand(tree, child, level + 1);
    };
    for (int q = 0; q < kQuadrantCount; ++q)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const CellWalls walls = GetCellWalls(record, q, x, y);
                described += walls.north != 0;
                if (!HasCellEvents(data->Events(), q, x, y))
                    continue;
                describer.SetCell({map, q, x, y});
                const CellContents contents = DescribeCell(describer);
                described += static_cast<int>(contents.texts.size() + contents.loot.size());
                EventChainTree tree(describer);
                for (int root : tree.Roots())
                    expand(tree, root, 0);
                described += tree.Count();
            }
    MapTileSet tiles;
    if (!BuildMapTileSet(game, 2, tiles))
        return described;
    MapRenderer renderer(game);
    renderer.SetMap(map);
    renderer.SetTileSet(&tiles);
    for (bool battle : {false, true}) {
        renderer.SetOptions(battle ? mapoption::kAll : 0, battle);
        renderer.SetHighlight(battle ? 15 : 0, 7, 7, battle ? 3 : 0);
        renderer.SetMarker(1, 2, 3, 4);
        if (std::optional<Image> image = renderer.Render()) {
            described += image->Width() > 0;
            const CellHit hit = renderer.HitTest(image->Width() / 2, image->Height() / 2);
            described += hit.quadrant >= 0;
        }
    }
    return described;
}

int SaveFile(CGameData& game, const std::string& path)
{
    SaveGame save;
    if (save.Load(path) == SaveFileKind::NotRecognised)
        return 0;
    int shown = 0;
    size_t weight = 0;
    const bool guild = save.Kind() == SaveFileKind::Guild;
    for (const SavedCharacter& saved : save.Characters()) {
        const CharacterRecord record = saved.Record();
        const CharacterSheet sheet = BuildCharacterSheet(game, record, guild, save.IsDeleted(saved.slot));
        ++shown;
        weight += sheet.name.size();
        const CharacterAttacks attacks = BuildAttacks(game, record);
        weight += attacks.primary.specials.size() + attacks.secondary.specials.size();
        const CharacterItemLists items = BuildCharacterItems(game, record);
        weight += items.first.size() + items.second.size();
        weight += BuildNpcAttitudes(game, record).size() + ProfessionRows(game, record).size();
        for (bool unknown : {false, true}) {
            SpellTreeOptions options;
            options.showUnknown = unknown;
            options.schoolIcons = unknown;
            weight += BuildSpellTree(game, record, options, RealmAnimation())[0].spells.size();
        }
        weight += game.GetPortrait(record.portrait(), 2).has_value();
    }
    weight += static_cast<size_t>(save.EntryNamed("nobody") + 1);
    if (save.Kind() != SaveFileKind::Save)
        return shown;
    WorldState world;
    if (!world.Load(path))
        return shown;
    weight += BuildPartyPlace(game, world).map.size() + AvailabilityText(world).size();
    weight += BuildAlliances(game, world).size();
    const WorldItemList items = BuildWorldItems(game, world);
    shown += static_cast<int>(items.rows.size());
    for (int map = 0; map < 32; map += 7) {
        weight += BuildWorldMap(world, items, map, 0, true).markers.size();
        weight += BuildCellItems(game, world, map, 0, 0, 0).rows.size();
    }
    for (const NpcEntry& entry : BuildNpcEntries(game))
        weight += BuildOffers(game, world, entry.data).rows.size();
    return shown + Keep(weight);
}

} // namespace exercise
