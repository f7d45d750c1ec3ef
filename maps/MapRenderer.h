#pragma once
// A map drawn into one picture: floors, walls, features, the marks of the chosen event kinds
// and the overlays; and the way back from a pixel to its cell.

#include "gamedata/Image.h"
#include "maps/MapLayout.h"
#include "maps/MapTileSet.h"

#include <cstdint>
#include <optional>
#include <vector>

class CGameData;

// The show options of the map windows: bit n of the mask shows one kind of thing.
namespace mapoption {
constexpr uint32_t kLadders = 1u << 0;
constexpr uint32_t kStairs = 1u << 1;
constexpr uint32_t kPits = 1u << 2;
constexpr uint32_t kFountains = 1u << 3;
constexpr uint32_t kChests = 1u << 4;
constexpr uint32_t kTeleporters = 1u << 5;
constexpr uint32_t kFights = 1u << 6;
constexpr uint32_t kLoot = 1u << 7;
constexpr uint32_t kTexts = 1u << 8;
constexpr uint32_t kSecretButtons = 1u << 9;
constexpr uint32_t kIllusionWalls = 1u << 10;
constexpr uint32_t kItemUsages = 1u << 11;
constexpr uint32_t kNegativeEffects = 1u << 12;
constexpr uint32_t kLevers = 1u << 13;
constexpr uint32_t kMovers = 1u << 14;
constexpr uint32_t kLockedDoors = 1u << 15;
constexpr uint32_t kIncidents = 1u << 16;
constexpr uint32_t kHiddenThings = 1u << 17;
constexpr uint32_t kEventManagers = 1u << 18;
constexpr uint32_t kActionForks = 1u << 19;
constexpr uint32_t kNoMonsterAreas = 1u << 20;
constexpr uint32_t kAll = 0xFFFFFFFFu;
} // namespace mapoption

// A mark on a cell: an image of the small item image list.
struct MapMarker {
    int quadrant = -1;
    int x = 0;
    int y = 0;
    int icon = 0;
};

class MapRenderer {
public:
    // The geometry starts as that of the store's edition.
    explicit MapRenderer(CGameData& game);

    void SetMap(int map) { m_map = map; }
    void SetOptions(uint32_t options, bool battleMask);
    // Not owned: the window keeps the tile set while the renderer uses it.
    void SetTileSet(const MapTileSet* tiles) { m_tiles = tiles; }
    void SetParams(const MapRenderParams& params) { m_params = params; }
    const MapRenderParams& Params() const { return m_params; }

    // These hold for the next Render only. facing 0 to 3 is north, east, south, west.
    void SetHighlight(int quadrant, int x, int y, int facing);
    void SetMarker(int quadrant, int x, int y, int icon);
    void SetMarkerList(std::vector<MapMarker> markers) { m_markers = std::move(markers); }

    // nothing when the map record cannot be read or there is no tile set.
    std::optional<Image> Render();

    // The cell under a pixel of the last drawing.
    CellHit HitTest(int pixelX, int pixelY) const { return HitTestLayout(m_layout, m_params, pixelX, pixelY); }
    const MapLayout& Layout() const { return m_layout; }

private:
    class Drawing;
    void ClearMarks();

    CGameData& m_game;
    int m_map = 0;
    uint32_t m_options = 0;
    bool m_battleMask = false;
    const MapTileSet* m_tiles = nullptr;
    MapRenderParams m_params;
    MapLayout m_layout;
    MapMarker m_highlight;  // icon holds the direction mask
    MapMarker m_marker;
    std::vector<MapMarker> m_markers;
};
