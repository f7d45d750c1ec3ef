#include "maps/MapTileSet.h"
#include "gamedata/CGameData.h"

namespace {

struct Mark {
    int slot;
    std::array<int, 4> bitmaps; // one, or a group of four
    int count;
};

// Appended in this order.
constexpr Mark kMarks[] = {
    {legend::kChest, {144}, 1},
    {legend::kTeleporter, {216}, 1},
    {legend::kFight, {217}, 1},
    {legend::kText, {218}, 1},
    {legend::kFountain, {219}, 1},
    {legend::kLoot, {220}, 1},
    {legend::kIllusionWalls, {223, 221, 224, 222}, 4},
    {legend::kInvisibleWalls, {231, 232, 234, 233}, 4},
    {legend::kItemUsage, {225}, 1},
    {legend::kLevers, {226, 227, 228, 229}, 4},
    {legend::kMover, {230}, 1},
    {legend::kIncident, {236}, 1},
    {legend::kLockedDoor, {235}, 1},
    {legend::kHiddenThing, {237}, 1},
    {legend::kEventManager, {238}, 1},
    {legend::kActionFork, {240}, 1},
    {legend::kNoMonsters, {241}, 1},
};

constexpr int kMarkFrameFile = 16;
constexpr int kButtonFrame = 6;
constexpr int kTileFile = 14;

} // namespace

const Image* MapTileSet::Tile(int number) const
{
    return number >= 0 && static_cast<size_t>(number) < tiles.size() ? &tiles[static_cast<size_t>(number)] : nullptr;
}

const Image* MapTileSet::Legend(int slot, int offset) const
{
    return slot >= 0 && slot < legend::kSlots ? Tile(legend[static_cast<size_t>(slot)] + offset) : nullptr;
}

bool BuildMapTileSet(CGameData& game, int sizeMode, MapTileSet& set)
{
    set.tiles.clear();
    set.legend.fill(-1);
    const int read = game.LoadPicByNumber(kTileFile, set.tiles, {.scale = sizeMode, .background = Rgb(0, 0, 0)});
    // Fixed numbers: a short file leaves empty tiles where its frames are missing.
    set.tiles.resize(std::max<size_t>(set.tiles.size(), tile::kGameTiles));

    for (const Mark& mark : kMarks) {
        set.legend[static_cast<size_t>(mark.slot)] = static_cast<int>(set.tiles.size());
        for (int i = 0; i < mark.count; ++i) {
            int id = mark.bitmaps[static_cast<size_t>(i)];
            if (game.IsGold() && id == 227)
                id = mapart::kGoldLeverEast;
            else if (game.IsGold() && id == 228)
                id = mapart::kGoldLeverSouth;
            std::optional<Image> bitmap = game.LoadProgramBitmap(id);
            set.tiles.push_back(bitmap ? std::move(*bitmap) : Image());
        }
    }

    set.legend[legend::kSecretButton] = static_cast<int>(set.tiles.size());
    std::vector<Image> button;
    game.LoadPicByNumber(kMarkFrameFile, button, {.scale = 1, .first = kButtonFrame, .end = kButtonFrame + 1, .background = Rgb(0, 0, 0)});
    set.tiles.push_back(button.empty() ? Image() : std::move(button.front()));
    return read > 0;
}
