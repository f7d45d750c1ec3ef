// Every file of the demo installations cut short: each loads without reading outside what it
// holds, and what the cut file still holds reads as in the whole file.

#include "testing/GameDataSeam.h"
#include "gamedata/CGameData.h"
#include "gamedata/GameFile.h"
#include "gamedata/MemoryPlatform.h"
#include "gamedata/ScenarioFile.h"
#include "gamedata/SpellTable.h"
#include "maps/MapData.h"
#include "saves/SaveGame.h"
#include "testing/Exercise.h"
#include "testing/GameBuilder.h"
#include "tests/TempFolder.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using gamebuild::Edition;

namespace {

// A demo installation written once for the whole suite, with a store loaded from it.
struct Demo {
    TempFolder folder;
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;

    explicit Demo(Edition edition)
    {
        if (!gamebuild::DemoInstallation(edition).Write(folder.Path()))
            return;
        platform.settings["w7path"] = folder.Path();
        game = std::make_unique<CGameData>(platform);
    }
    std::string File(const std::string& name) const { return folder.File(name); }
};

// Every length up to header, then about count lengths spread over the rest, the lengths at and
// around each boundary, and the whole file less one byte. The whole length is left out: it is
// the file as written.
std::vector<size_t> CutLengths(size_t size, size_t header, size_t count, std::initializer_list<size_t> boundaries = {})
{
    std::set<size_t> lengths;
    for (size_t length = 0; length <= header && length < size; ++length)
        lengths.insert(length);
    const size_t step = std::max<size_t>(1, (size > header ? size - header : 0) / std::max<size_t>(count, 1));
    for (size_t length = header; length < size; length += step)
        lengths.insert(length);
    for (size_t boundary : boundaries)
        for (size_t length = boundary > 2 ? boundary - 2 : 0; length <= boundary + 2; ++length)
            if (length < size)
                lengths.insert(length);
    if (size > 0)
        lengths.insert(size - 1);
    return {lengths.begin(), lengths.end()};
}

// Cuts the file at each length in turn, calls check with the length, and puts the whole file back.
void Sweep(const std::string& path, const std::vector<size_t>& lengths, const std::function<void(size_t)>& check)
{
    const std::optional<std::vector<uint8_t>> whole = ReadGameFile(path);
    ASSERT_TRUE(whole) << path;
    for (size_t length : lengths) {
        ASSERT_TRUE(gamebuild::WriteBytes(path, std::vector<uint8_t>(whole->begin(), whole->begin() + length)));
        check(length);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << path << " cut at " << length << " bytes";
            break;
        }
    }
    ASSERT_TRUE(gamebuild::WriteBytes(path, *whole));
}

std::vector<uint8_t> Bytes(const uint8_t* record, size_t size)
{
    return record ? std::vector<uint8_t>(record, record + size) : std::vector<uint8_t>();
}

bool IsBeginningOf(const std::string& part, const std::string& whole)
{
    return part.size() <= whole.size() && whole.compare(0, part.size(), part) == 0;
}

// The demo of each edition is written once in a run, when a test first asks for it.
class Truncation : public ::testing::TestWithParam<Edition> {
protected:
    static void TearDownTestSuite() { s_demos[0].reset(), s_demos[1].reset(); }
    void SetUp() override
    {
        std::unique_ptr<Demo>& demo = s_demos[Gold()];
        if (!demo)
            demo = std::make_unique<Demo>(GetParam());
        m_demo = demo.get();
        ASSERT_TRUE(m_demo->game && m_demo->game->Loaded());
    }
    CGameData& Game() { return *m_demo->game; }
    bool Gold() const { return GetParam() == Edition::Gold; }

    Demo* m_demo = nullptr;
    static std::unique_ptr<Demo> s_demos[2];
};

std::unique_ptr<Demo> Truncation::s_demos[2];

TEST_P(Truncation, ScenarioKeepsTheWholeRecordsItHolds)
{
    using namespace scenario;
    CGameData& game = Game();
    GameDataSeam seam(game);
    const std::vector<uint8_t> items = seam.Items(), monsters = seam.Monsters(), loot = seam.LootTable();
    const std::vector<uint8_t> firstMap = Bytes(game.GetMap(0), kMapSize);
    const std::string path = m_demo->File(gamebuild::ScenarioFileName(GetParam()));
    const auto wholeCount = [](size_t length, size_t offset, size_t size, int count) {
        return length <= offset ? 0 : std::min<int>(count, static_cast<int>((length - offset) / size));
    };
    int sweep = 0;
    Sweep(path, CutLengths(kFileSize, 16, 40, {kItemOffset, kMapOffset, kMapEventsOffset, kMonsterOffset,
                                                kIncidentOffset, kLootOffset}),
          [&](size_t length) {
              // A file that ends before the monster table is refused, as a missing one is.
              if (length < kMonsterOffset) {
                  ASSERT_FALSE(game.LoadScenario());
                  exercise::Scenario(game);
                  return;
              }
              ASSERT_TRUE(game.LoadScenario());
              const int itemCount = wholeCount(length, kItemOffset, kItemSize, kItemCount);
              ASSERT_EQ(game.ItemCount(), itemCount);
              ASSERT_EQ(game.MonsterCount(), wholeCount(length, kMonsterOffset, kMonsterSize, kMonsterCount));
              if (itemCount > 0) {
                  ASSERT_EQ(Bytes(game.GetItem(itemCount - 1), kItemSize),
                            std::vector<uint8_t>(items.begin() + (itemCount - 1) * kItemSize,
                                                 items.begin() + itemCount * kItemSize));
              }
              ASSERT_EQ(game.GetItem(itemCount), nullptr);
              // The loot table reads as far as the file goes, then zero.
              const size_t lootHeld = length > kLootOffset ? length - kLootOffset : 0;
              ASSERT_EQ(std::memcmp(seam.LootTable().data(), loot.data(), lootHeld), 0);
              ASSERT_TRUE(std::all_of(seam.LootTable().begin() + lootHeld, seam.LootTable().end(),
                                      [](uint8_t b) { return b == 0; }));
              seam.ForgetMap();
              const uint8_t* map = game.GetMap(0);
              if (length > kMapOffset) {
                  ASSERT_NE(map, nullptr);
                  const size_t held = std::min(length - kMapOffset, kMapSize);
                  ASSERT_EQ(std::memcmp(map, firstMap.data(), held), 0);
              }
              // The text forms of every record, and a map described and drawn now and then.
              exercise::Scenario(game);
              if (++sweep % 10 == 0)
                  exercise::Map(game, 0, 1);
          });
    ASSERT_TRUE(game.LoadScenario());
    EXPECT_EQ(seam.Items(), items);
    EXPECT_EQ(seam.Monsters(), monsters);
}

TEST_P(Truncation, MessageIndexAndTextsGiveWhatTheyHold)
{
    CGameData& game = Game();
    std::map<int, std::string> texts;
    for (const auto& [number, location] : game.Messages())
        texts[number] = game.GetMessageText(number);
    ASSERT_GT(texts.size(), 50u);
    const size_t indexSize = game.Messages().size();

    const std::string header = m_demo->File("msg.hdr");
    const uint64_t headerSize = GameFile(header).Size();
    Sweep(header, CutLengths(headerSize, 16, 30), [&](size_t) {
        game.LoadMessageIndex();
        ASSERT_LE(game.Messages().size(), indexSize);
        // A message that goes on under the following numbers ends where the index does.
        for (const auto& [number, location] : game.Messages())
            ASSERT_TRUE(IsBeginningOf(game.GetMessageText(number), texts[number])) << "message " << number;
        exercise::Messages(game);
    });
    ASSERT_TRUE(game.LoadMessageIndex());
    ASSERT_EQ(game.Messages().size(), indexSize);

    // A message the cut file holds only in part reads as a beginning of its text, or not at all.
    const std::string textFile = m_demo->File(gamebuild::MessageFileName(GetParam()));
    const uint64_t textSize = GameFile(textFile).Size();
    size_t lastReadable = 0;
    Sweep(textFile, CutLengths(textSize, 16, 60), [&](size_t) {
        size_t readable = 0;
        for (const auto& [number, whole] : texts) {
            const std::string text = game.GetMessageText(number);
            ASSERT_TRUE(IsBeginningOf(text, whole)) << "message " << number;
            readable += text == whole;
        }
        ASSERT_GE(readable, lastReadable);
        lastReadable = readable;
    });
    exercise::Messages(game);
}

TEST_P(Truncation, PaletteImageSetsAndFont)
{
    CGameData& game = Game();
    const std::array<Colour, 256> palette = game.Palette();
    Sweep(m_demo->File("palette.def"), CutLengths(768, 768, 1), [&](size_t length) {
        ASSERT_TRUE(game.LoadPalette());
        for (size_t i = 0; i < length / 3; ++i)
            ASSERT_EQ(game.Palette()[i], palette[i]) << "colour " << i;
    });
    ASSERT_TRUE(game.LoadPalette());
    for (const char* name : {"vcfont1.vga", "vcfont2.vga", "vbfont2.vga"}) {
        const std::string path = m_demo->File(name);
        Sweep(path, CutLengths(GameFile(path).Size(), 16, 30), [&](size_t) { exercise::Images(game); });
    }
    ASSERT_EQ(exercise::Images(game), exercise::Images(game));
    EXPECT_GT(game.ItemImagesSmall().Count(), 0);
    EXPECT_GT(game.Font().maxWidth, 0);
}

TEST_P(Truncation, PicturesGiveTheFramesTheyHold)
{
    CGameData& game = Game();
    for (const char* name : {"MON03.PIC", "MON16.PIC", "video10.pic"}) {
        const std::string path = m_demo->File(name);
        const int whole = exercise::Picture(game, path, 3);
        ASSERT_GT(whole, 0) << name;
        Sweep(path, CutLengths(GameFile(path).Size(), 32, 40), [&](size_t) {
            ASSERT_LE(exercise::Picture(game, path, 3), whole);
        });
    }
}

TEST_P(Truncation, SpellTableIsReadOnlyWhole)
{
    CGameData& game = Game();
    const std::string path = m_demo->File(gamebuild::ExecutableName(GetParam()));
    const size_t table = Gold() ? spells::kGoldOffset : spells::kFirstOffset;
    game.LoadSpellTable();
    const std::vector<uint8_t> whole = GameDataSeam(game).Spells();
    std::vector<size_t> lengths = CutLengths(GameFile(path).Size(), 16, 20, {table, table + spells::kTableSize});
    for (size_t length = table; length < table + spells::kTableSize; length += 5)
        lengths.push_back(length);
    // An executable that ends inside the table gives what it holds, the rest zero.
    Sweep(path, lengths, [&](size_t length) {
        const int spells = exercise::Spells(game);
        ASSERT_EQ(spells, length > table ? spells::kCount : 0);
        if (spells > 0) {
            const size_t held = std::min(length - table, spells::kTableSize);
            ASSERT_TRUE(std::equal(whole.begin(), whole.begin() + held, game.GetSpell(0)));
            ASSERT_TRUE(std::all_of(game.GetSpell(0) + held, game.GetSpell(0) + spells::kTableSize,
                                    [](uint8_t b) { return b == 0; }));
        }
    });
    EXPECT_EQ(exercise::Spells(game), spells::kCount);
}

TEST_P(Truncation, PortraitsAreDrawnAsFarAsTheyGo)
{
    CGameData& game = Game();
    if (!Gold()) {
        const std::string path = m_demo->File("portdata.vga");
        const size_t size = GameFile(path).Size();
        Sweep(path, CutLengths(size, 16, 60), [&](size_t length) {
            exercise::Portraits(game);
            ASSERT_EQ(game.GetPortrait(2, 1).has_value(), length > 2 * 780);
        });
        return;
    }
    for (const char* name : {"RES/BITS/PCA/pc0.bmp", "RES/BITS/PCB/pc1.bmp"}) {
        const std::string path = m_demo->File(name);
        ASSERT_TRUE(GameFile(path).IsOpen()) << name;
        Sweep(path, CutLengths(GameFile(path).Size(), 64, 20), [&](size_t) { exercise::Portraits(game); });
    }
    EXPECT_TRUE(game.GetPortrait(0, 1).has_value());
    EXPECT_TRUE(game.GetPortrait(1, 3).has_value());
}

TEST_P(Truncation, SaveAndGuildFilesKeepTheWholeCharactersTheyHold)
{
    CGameData& game = Game();
    const std::string guild = m_demo->File(Gold() ? "pcfile.gld" : "pcfile.dbs");
    const std::string save = m_demo->File("SAVES/SAVEGAME.DBS");
    for (const std::string& path : {guild, save}) {
        SaveGame whole;
        ASSERT_NE(whole.Load(path), SaveFileKind::NotRecognised) << path;
        const uint64_t size = GameFile(path).Size();
        Sweep(path, CutLengths(size, 32, 100), [&](size_t) {
            SaveGame cut;
            cut.Load(path);
            ASSERT_LE(cut.Count(), whole.Count());
            for (const SavedCharacter& character : cut.Characters())
                ASSERT_EQ(character.bytes, whole.InSlot(character.slot)->bytes) << "slot " << character.slot;
            exercise::SaveFile(game, path);
        });
        EXPECT_GT(exercise::SaveFile(game, path), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(, Truncation, ::testing::Values(Edition::First, Edition::Gold),
                         [](const auto& info) { return info.param == Edition::Gold ? "Gold" : "First"; });

} // namespace
