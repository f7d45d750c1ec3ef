// Save files on the demo installation: loading the guild and a save file, building everything
// the Save File Viewer and its dialogs show of a character, and the content of World Info.

#include "bench/BenchDemo.h"
#include "gamedata/CGameData.h"
#include "saves/CharacterLists.h"
#include "saves/CharacterSheet.h"
#include "saves/Offers.h"
#include "saves/Professions.h"
#include "saves/SaveGame.h"
#include "saves/SpellTree.h"
#include "saves/WorldContent.h"

#include <benchmark/benchmark.h>

namespace {

struct Demo {
    CGameData& game;
    std::string guild, save;
};

Demo& TheDemo()
{
    static Demo demo = [] {
        BenchDemo& loaded = LoadedBenchDemo(gamebuild::Edition::First);
        return Demo{*loaded.game, loaded.folder + "/pcfile.dbs", loaded.folder + "/SAVES/SAVEGAME.DBS"};
    }();
    return demo;
}

// Everything shown of one character: the viewer's fields, its spell tree and the three dialogs.
void ShowCharacter(const CGameData& game, const SaveGame& file, const SavedCharacter& saved)
{
    const CharacterRecord record = saved.Record();
    const bool guild = file.Kind() == SaveFileKind::Guild;
    benchmark::DoNotOptimize(BuildCharacterSheet(game, record, guild, file.IsDeleted(saved.slot)));
    benchmark::DoNotOptimize(BuildSpellTree(game, record, {true, true, true, 29}, RealmAnimation()));
    benchmark::DoNotOptimize(ProfessionRows(game, record));
    benchmark::DoNotOptimize(BuildCharacterItems(game, record));
    benchmark::DoNotOptimize(BuildNpcAttitudes(game, record));
}

void BM_LoadFile(benchmark::State& state, bool guild)
{
    Demo& demo = TheDemo();
    for (auto _ : state) {
        SaveGame file;
        if (file.Load(guild ? demo.guild : demo.save) == SaveFileKind::NotRecognised)
            state.SkipWithError("the demo's file did not load");
        benchmark::DoNotOptimize(file.Count());
    }
}
BENCHMARK_CAPTURE(BM_LoadFile, guild, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadFile, save, false)->Unit(benchmark::kMicrosecond);

void BM_ShowOneCharacter(benchmark::State& state)
{
    Demo& demo = TheDemo();
    SaveGame file;
    file.Load(demo.save);
    for (auto _ : state)
        ShowCharacter(demo.game, file, file.Characters()[0]);
}
BENCHMARK(BM_ShowOneCharacter)->Unit(benchmark::kMicrosecond);

void BM_ShowEveryCharacter(benchmark::State& state, bool guild)
{
    Demo& demo = TheDemo();
    for (auto _ : state) {
        SaveGame file;
        file.Load(guild ? demo.guild : demo.save);
        for (const SavedCharacter& saved : file.Characters())
            ShowCharacter(demo.game, file, saved);
    }
}
BENCHMARK_CAPTURE(BM_ShowEveryCharacter, guild, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShowEveryCharacter, save, false)->Unit(benchmark::kMicrosecond);

// World Info: the file read again, its lists, a map's markers and what every NPC and shop offers.
void BM_WorldContent(benchmark::State& state)
{
    Demo& demo = TheDemo();
    const CGameData& game = demo.game;
    for (auto _ : state) {
        WorldState world;
        world.Load(demo.save);
        const WorldItemList items = BuildWorldItems(game, world);
        benchmark::DoNotOptimize(BuildAlliances(game, world));
        benchmark::DoNotOptimize(BuildPartyPlace(game, world));
        benchmark::DoNotOptimize(BuildWorldMap(world, items, world.position ? world.position->map : 0, 0, false));
        for (const NpcEntry& entry : BuildNpcEntries(game))
            benchmark::DoNotOptimize(BuildOffers(game, world, entry.data));
    }
}
BENCHMARK(BM_WorldContent)->Unit(benchmark::kMicrosecond);

} // namespace
