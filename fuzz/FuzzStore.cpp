#include "fuzz/FuzzStore.h"

#include "gamedata/MemoryPlatform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace fuzz {

namespace {

struct Installation {
    std::string folder;
    MemoryPlatform platform;
    std::unique_ptr<CGameData> game;
};

std::filesystem::path& Root()
{
    static std::filesystem::path root;
    return root;
}

void RemoveRoot()
{
    std::error_code ignored;
    if (!Root().empty())
        std::filesystem::remove_all(Root(), ignored);
}

Installation& Load(gamebuild::Edition edition)
{
    static std::unique_ptr<Installation> loaded[2];
    std::unique_ptr<Installation>& slot = loaded[edition == gamebuild::Edition::Gold];
    if (slot)
        return *slot;
    if (Root().empty()) {
        char pattern[] = "/tmp/tallowmark-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("mkdtemp");
            std::abort();
        }
        Root() = pattern;
        std::atexit(RemoveRoot);
    }
    slot = std::make_unique<Installation>();
    slot->folder = (Root() / (edition == gamebuild::Edition::Gold ? "gold" : "first")).string();
    if (!gamebuild::DemoInstallation(edition).Write(slot->folder)) {
        std::fprintf(stderr, "cannot write the demo installation into %s\n", slot->folder.c_str());
        std::abort();
    }
    slot->platform.settings["w7path"] = slot->folder;
    slot->game = std::make_unique<CGameData>(slot->platform);
    if (!slot->game->Loaded())
        std::abort();
    return *slot;
}

} // namespace

CGameData& Store(gamebuild::Edition edition)
{
    Installation& installation = Load(edition);
    // Messages pile up in the platform with every damaged input.
    installation.platform.errors.clear();
    return *installation.game;
}

std::string PathOf(gamebuild::Edition edition, const std::string& name) { return Load(edition).folder + "/" + name; }

void Replace(gamebuild::Edition edition, const std::string& name, const uint8_t* data, size_t size)
{
    if (!gamebuild::WriteBytes(PathOf(edition, name), std::vector<uint8_t>(data, data + size)))
        std::abort();
}

} // namespace fuzz
