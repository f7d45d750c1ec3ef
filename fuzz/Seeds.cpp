// fuzz_seeds DIR: writes the seed corpora of the fuzz targets, one folder per target, from the
// files of both demo installations and a few small files of every kind.

#include "gamedata/GameFile.h"
#include "gamedata/ScenarioFile.h"
#include "gamedata/SpellTable.h"
#include "testing/GameBuilder.h"

#include <cstdio>
#include <filesystem>

using gamebuild::Edition;

namespace {

std::filesystem::path g_root;
int g_written = 0;

void Seed(const std::string& target, const std::string& name, std::vector<uint8_t> prefix,
          const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(g_root / target);
    prefix.insert(prefix.end(), bytes.begin(), bytes.end());
    if (gamebuild::WriteBytes((g_root / target / name).string(), prefix))
        ++g_written;
}

std::vector<uint8_t> Read(const std::string& path)
{
    std::optional<std::vector<uint8_t>> bytes = ReadGameFile(path);
    return bytes ? *bytes : std::vector<uint8_t>();
}

void DemoSeeds(Edition edition, const std::string& folder)
{
    const bool gold = edition == Edition::Gold;
    const uint8_t e = gold ? 1 : 0;
    const std::string tag = gold ? "gold-" : "first-";
    const auto file = [&](const std::string& name) { return Read(folder + "/" + name); };

    const std::vector<uint8_t> scenarioFile = file(gamebuild::ScenarioFileName(edition));
    Seed("scenario", tag + "demo", {e}, scenarioFile);
    for (int slot : {1, 37, 120, 193, 240}) {
        using namespace scenario;
        // An item, a monster and a loot record of the demo, each at its own slot.
        const size_t item = static_cast<size_t>(slot * 2 + 1), monster = static_cast<size_t>(slot),
                     loot = static_cast<size_t>(slot % kLootCount);
        const auto at = scenarioFile.begin();
        std::vector<uint8_t> input(at + kItemOffset + kItemSize * item, at + kItemOffset + kItemSize * (item + 1));
        input.insert(input.end(), at + kMonsterOffset + kMonsterSize * monster,
                     at + kMonsterOffset + kMonsterSize * (monster + 1));
        input.insert(input.end(), at + kLootOffset + kLootSize * loot, at + kLootOffset + kLootSize * (loot + 1));
        Seed("records", tag + "records" + std::to_string(slot),
             {static_cast<uint8_t>(e | (item >> 8) << 1), static_cast<uint8_t>(item), static_cast<uint8_t>(monster),
              static_cast<uint8_t>(loot)},
             input);
    }
    for (int map : {0, 3, 12}) {
        using namespace scenario;
        std::vector<uint8_t> input(scenarioFile.begin() + kMapOffset + kMapSize * map,
                                   scenarioFile.begin() + kMapOffset + kMapSize * (map + 1));
        input.insert(input.end(), scenarioFile.begin() + kMapEventsOffset + kMapEventsSize * map,
                     scenarioFile.begin() + kMapEventsOffset + kMapEventsSize * (map + 1));
        Seed("map", tag + "map" + std::to_string(map), {static_cast<uint8_t>(e | map << 1)}, input);
    }
    const std::vector<uint8_t> header = file("msg.hdr");
    Seed("messages", tag + "demo", {e, static_cast<uint8_t>(header.size()), static_cast<uint8_t>(header.size() >> 8)},
         header.size() < 0x10000 ? header : std::vector<uint8_t>());
    const char* images[] = {"palette.def", "vcfont1.vga", "vcfont2.vga", "vbfont2.vga"};
    for (uint8_t k = 0; k < 4; ++k)
        Seed("images", tag + images[k], {e, k}, file(images[k]));
    for (const char* picture : {"MON03.PIC", "MON04.PIC", "MON16.PIC", "video10.pic"})
        Seed("picture", tag + picture, {e}, file(picture));
    Seed("portraits", tag + "demo", {e}, gold ? file("RES/BITS/PCA/pc0.bmp") : file("portdata.vga"));
    const std::vector<uint8_t> exe = file(gamebuild::ExecutableName(edition));
    const size_t offset = gold ? spells::kGoldOffset : spells::kFirstOffset;
    if (exe.size() > offset)
        Seed("executable", tag + "demo", {e}, std::vector<uint8_t>(exe.begin() + offset, exe.end()));
    Seed("savefile", tag + "guild", {e}, file(gold ? "pcfile.gld" : "pcfile.dbs"));
    Seed("savefile", tag + "save", {e}, file("SAVES/SAVEGAME.DBS"));
}

// Small files of every kind, quicker for the fuzzer to change than the demo's.
void SmallSeeds(Edition edition)
{
    const uint8_t e = edition == Edition::Gold ? 1 : 0;
    const std::string tag = e ? "gold-small" : "first-small";
    if (auto messages = gamebuild::MessageFileBytes({{1, {"One", "!two"}}, {7, {"Seven"}}}, edition)) {
        const std::vector<uint8_t>& header = messages->header;
        std::vector<uint8_t> input = header;
        input.insert(input.end(), messages->texts.begin(), messages->texts.end());
        Seed("messages", tag, {e, static_cast<uint8_t>(header.size()), static_cast<uint8_t>(header.size() >> 8)},
             input);
    }
    Seed("images", tag + "-palette", {e, 0}, gamebuild::PaletteFileBytes({Rgb(0, 0, 0), Rgb(252, 128, 4)}));
    Seed("images", tag + "-set", {e, 1}, gamebuild::ImageSetFileBytes({3, 2, {{1, 2, 3, 255, 4, 5}}}));
    gamebuild::GameFont font{};
    font['A'] = {5, {0xF000, 0x9000, 0xF000, 0x9000}};
    Seed("images", tag + "-font", {e, 3}, gamebuild::FontFileBytes(font));
    for (pic::Form form : {pic::Form::MaskedBlocks, pic::Form::Plain}) {
        gamebuild::PicFile picture{form, {{8, 8, std::vector<uint8_t>(64, 7)}, {16, 8, std::vector<uint8_t>(128, 255)}}};
        Seed("picture", tag + (form == pic::Form::Plain ? "-plain" : "-masked"), {e}, gamebuild::PicFileBytes(picture));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    g_root = argv[1];
    const std::filesystem::path demos = g_root / "demo-installations";
    for (Edition edition : {Edition::First, Edition::Gold}) {
        const std::string folder = (demos / (edition == Edition::Gold ? "gold" : "first")).string();
        if (!gamebuild::DemoInstallation(edition).Write(folder)) {
            std::fprintf(stderr, "cannot write %s\n", folder.c_str());
            return 1;
        }
        DemoSeeds(edition, folder);
        SmallSeeds(edition);
    }
    std::error_code ignored;
    std::filesystem::remove_all(demos, ignored);
    std::printf("%i seeds written into %s\n", g_written, argv[1]);
    return 0;
}
