#include "maps/MapRenderer.h"
#include "gamedata/CGameData.h"
#include "maps/EventDescriber.h"
#include "maps/FloorTiles.h"
#include "maps/MapData.h"
#include "maps/MapNames.h"
#include "maps/MapWalls.h"

#include <algorithm>
#include <array>

using namespace eventtype;

namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kBattleMask = Rgb(200, 0, 0);
constexpr int kNegativeEffectIcon = 10; // of the 9 x 9 state icons

enum class Blit { Copy, SkipBlack, Or };

// Copies width x height pixels of source from (sourceX, sourceY), clipped to both pictures.
void DrawTile(Image& target, const Image* source, int x, int y, int width, int height, Blit mode, int sourceX = 0,
              int sourceY = 0)
{
    if (!source || sourceX < 0 || sourceY < 0)
        return;
    const int left = std::max(0, -x), right = std::min({width, source->Width() - sourceX, target.Width() - x});
    const int top = std::max(0, -y), bottom = std::min({height, source->Height() - sourceY, target.Height() - y});
    for (int row = top; row < bottom; ++row) {
        const Colour* from = source->Row(sourceY + row);
        Colour* to = target.Row(y + row);
        for (int column = left; column < right; ++column) {
            Colour colour = from[sourceX + column];
            if (mode == Blit::SkipBlack && colour == kBlack)
                continue;
            if (mode == Blit::Or)
                colour |= to[x + column];
            to[x + column] = colour;
        }
    }
}

// An image of an image list, its mask colour left out.
void DrawListImage(Image& target, const ImageList& list, int index, int x, int y)
{
    if (const Image* image = list.Get(index)) {
        const Colour mask = list.Mask();
        target.Draw(*image, x, y, &mask);
    }
}

struct EventIconRule {
    uint32_t option;
    int type;
    int slot;
};

// The first that applies marks a cell with events.
constexpr EventIconRule kEventIcons[] = {
    {mapoption::kTeleporters, kTeleporter, legend::kTeleporter},
    {mapoption::kFights, kFight, legend::kFight},
    {mapoption::kHiddenThings, kHidden, legend::kHiddenThing},
    {mapoption::kLoot, kLoot, legend::kLoot},
    {mapoption::kItemUsages, kItemUsage, legend::kItemUsage},
    {mapoption::kIncidents, kIncident, legend::kIncident},
    {mapoption::kActionForks, kActionFork, legend::kActionFork},
    {mapoption::kTexts, kText, legend::kText},
    {mapoption::kMovers, kMover, legend::kMover},
    {mapoption::kEventManagers, kEventManager, legend::kEventManager},
    {mapoption::kNoMonsterAreas, kNoMonsters, legend::kNoMonsters},
};

constexpr int CellIndex(int quadrant, int x, int y) { return quadrant * 64 + y * 8 + x; }

} // namespace

// One run of Render: the picture and what it is drawn from.
class MapRenderer::Drawing {
public:
    Drawing(const MapRenderer& renderer, const MapData& data, const MapLayout& layout)
        : r(renderer), p(renderer.m_params), tiles(*renderer.m_tiles), data(data), map(data.Record()), layout(layout),
          image(layout.width, layout.height, kBlack)
    {
        for (int q = 0; q < kQuadrantCount; ++q)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    walls[CellIndex(q, x, y)] = GetCellWalls(map, q, x, y);
        for (const MapEvent& event : data.Events()) {
            if (event.type == 0 || !IsCell(event.quadrant, event.x, event.y))
                continue;
            const int cell = CellIndex(event.quadrant, event.x, event.y);
            hasEvents[cell] = true;
            if (event.type < 32)
                eventTypes[cell] |= 1u << event.type;
        }
    }

    Image Run()
    {
        for (int q = 0; q < kQuadrantCount; ++q)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    DrawCell(q, x, y, layout.CellPixelX(p, q, x), layout.CellPixelY(p, q, y));
        DrawHorizontalWalls();
        DrawVerticalWalls();
        return std::move(image);
    }

private:
    bool Shows(uint32_t option) const { return (r.m_options & option) != 0; }
    bool Has(int cell, int type) const { return (eventTypes[cell] >> type) & 1; }
    int LegendTile(int slot, int offset = 0) const { return tiles.legend[static_cast<size_t>(slot)] + offset; }
    void Copy(int tile, int x, int y, Blit mode = Blit::Copy)
    {
        DrawTile(image, tiles.Tile(tile), x, y, p.tileWidth, p.tileHeight, mode);
    }

    void DrawCell(int q, int x, int y, int px, int py)
    {
        const int cell = CellIndex(q, x, y);
        int tile = FeatureTile(q, x, y, px, py);
        if (tile < 0 && hasEvents[cell]) {
            tile = EventIcon(cell);
            if (tile < 0 && DrawPassability(q, x, y, px, py)) {
                Overlays(q, x, y, px, py);
                return;
            }
        }
        if (tile < 0)
            tile = CellBackgroundTile(map, q, x, y, walls[cell]);
        if (tile >= 0)
            Copy(tile, px, py);
        Overlays(q, x, y, px, py);
    }

    int FeatureTile(int q, int x, int y, int px, int py)
    {
        const CellFeatureInfo f = GetCellFeature(map, q, x, y);
        switch (f.code) {
        case feature::kFountain:
            return Shows(mapoption::kFountains) ? LegendTile(legend::kFountain) : -1;
        case feature::kLadder:
        case feature::kLadder2:
            return Shows(mapoption::kLadders) ? (f.code == feature::kLadder ? tile::kLadder : tile::kLadder2) : -1;
        case feature::kStairs:
        case feature::kStairs2:
            if (Shows(mapoption::kStairs))
                DeferStairs(f, px, py);
            return -1;
        case feature::kLever:
            return Shows(mapoption::kLevers) ? LegendTile(legend::kLevers, f.direction) : -1;
        case feature::kPit:
        case feature::kPit2:
            return Shows(mapoption::kPits) ? (f.code == feature::kPit ? tile::kPit : tile::kPit2) : -1;
        case feature::kChest:
            return Shows(mapoption::kChests) ? LegendTile(legend::kChest) : -1;
        }
        for (size_t i = 0; i < stairs.size(); ++i)
            if (stairs[i].x == px && stairs[i].y == py) {
                const int tile = stairs[i].tile;
                stairs.erase(stairs.begin() + static_cast<long>(i));
                return tile;
            }
        return -1;
    }

    // The stairs mark goes on the neighbour the stairs lead to; one already drawn gets it now.
    void DeferStairs(const CellFeatureInfo& f, int px, int py)
    {
        static constexpr int kDx[] = {0, 1, 0, -1}, kDy[] = {-1, 0, 1, 0};
        const Stairs mark{px + kDx[f.direction] * p.columnStep, py + kDy[f.direction] * p.rowStep,
                          f.code == feature::kStairs ? tile::kStairs : tile::kStairs2};
        stairs.push_back(mark);
        if (f.direction == 2 || f.direction == 3)
            Copy(mark.tile, mark.x, mark.y);
    }

    int EventIcon(int cell) const
    {
        for (const EventIconRule& rule : kEventIcons)
            if (Shows(rule.option) && Has(cell, rule.type))
                return LegendTile(rule.slot);
        return -1;
    }

    // Marks of the cell's passability event, or of a negative effect; true when anything was drawn.
    bool DrawPassability(int q, int x, int y, int px, int py)
    {
        const MapEvent* event = nullptr;
        Passability passability;
        for (const MapEvent& candidate : data.Events()) {
            if (candidate.type != kPassability || !IsOnCell(candidate, q, x, y))
                continue;
            const Passability of = PassabilityOf(map, candidate);
            if (!event || (passability.kind == PassabilityKind::None && of.kind != PassabilityKind::None)) {
                event = &candidate;
                passability = of;
            }
            if (of.kind != PassabilityKind::None)
                break;
        }
        if (!event) {
            if (!Shows(mapoption::kNegativeEffects) || !Has(CellIndex(q, x, y), kNegativeEffect))
                return false;
            const ImageList& icons = r.m_game.StateIcons9();
            DrawListImage(image, icons, kNegativeEffectIcon, px + (p.tileWidth - icons.CellWidth()) / 2,
                          py + (p.tileHeight - icons.CellHeight()) / 2);
            return true;
        }
        bool drew = false;
        auto orGroup = [&](int slot) {
            for (int d = 0; d < 4; ++d)
                if (passability.mask & (1 << d)) {
                    Copy(LegendTile(slot, d), px, py, Blit::Or);
                    drew = true;
                }
        };
        if (Shows(mapoption::kIllusionWalls) && passability.kind == PassabilityKind::IllusionWall)
            orGroup(legend::kIllusionWalls);
        if (Shows(mapoption::kIllusionWalls) && passability.kind == PassabilityKind::InvisibleWall)
            orGroup(legend::kInvisibleWalls);
        if (Shows(mapoption::kLockedDoors) &&
            (passability.kind == PassabilityKind::OpenableDoor || passability.kind == PassabilityKind::LockedDoor)) {
            Copy(LegendTile(legend::kLockedDoor), px, py);
            drew = true;
        }
        if (Shows(mapoption::kSecretButtons))
            drew = DrawSecretButton(*event, px, py) || drew;
        return drew;
    }

    bool DrawSecretButton(const MapEvent& event, int px, int py)
    {
        const Image* button = tiles.Legend(legend::kSecretButton);
        if (!button || !(event.param4 & (0x200 | 0x800 | 0x2000 | 0x8000)))
            return false;
        const int w = button->Width(), h = button->Height();
        int x = px, y = py;
        if (event.param4 & 0x200)
            x += (p.tileWidth - w) / 2;
        if (event.param4 & 0x800) {
            x += p.tileWidth - w - 1;
            y += (p.tileHeight - h) / 2;
        }
        if (event.param4 & 0x2000) {
            x += (p.tileWidth - w) / 2;
            y += p.tileHeight - h - 1;
        }
        if (event.param4 & 0x8000)
            y += (p.tileHeight - h) / 2;
        DrawTile(image, button, x, y, w, h, Blit::Copy);
        return true;
    }

    // Battle mask, markers and the highlight, over whatever the cell shows.
    void Overlays(int q, int x, int y, int px, int py)
    {
        if (r.m_battleMask && (map.Flags(q, x, y) & 8)) {
            for (int row = py; row < py + p.tileHeight; ++row)
                for (int column = px + (row & 1); column < px + p.tileWidth; column += 2)
                    image.SetPixel(column, row, kBattleMask);
        }
        const ImageList& items = r.m_game.ItemImagesSmall();
        if (r.m_marker.quadrant == q && r.m_marker.x == x && r.m_marker.y == y) {
            DrawListImage(image, items, r.m_marker.icon, px, py);
        } else {
            for (const MapMarker& marker : r.m_markers)
                if (marker.quadrant == q && marker.x == x && marker.y == y) {
                    DrawListImage(image, items, marker.icon, px, py);
                    break;
                }
        }
        if (r.m_highlight.quadrant == q && r.m_highlight.x == x && r.m_highlight.y == y)
            for (int d = 0; d < 4; ++d)
                if (r.m_highlight.icon & (1 << d))
                    Copy(tile::kArrowNorth + d, px, py, Blit::SkipBlack);
    }

    void DrawWall(int code, int x, int y, bool horizontal)
    {
        const int kind = WallKindOf(map.Number(), code);
        if (kind < 0)
            return;
        const Blit mode = kind == 11 || kind == 13 || kind == 17 ? Blit::SkipBlack : Blit::Copy;
        if (horizontal)
            DrawTile(image, tiles.Tile(kind), x, y, p.horizontalWallWidth, p.horizontalWallHeight, mode);
        else
            DrawTile(image, tiles.Tile(kind + 1), x, y, p.verticalWallWidth, p.verticalWallHeight, mode,
                     p.verticalWallSourceX);
    }

    void DrawHorizontalWalls()
    {
        for (int q = 0; q < kQuadrantCount; ++q) {
            const int X = layout.x[static_cast<size_t>(q)], top = layout.maxY - layout.y[static_cast<size_t>(q)];
            for (int x = 0; x < 8; ++x) {
                const int px = p.columnStep * X - p.cellX + p.horizontalWallX + p.columnStep * x;
                DrawWall(walls[CellIndex(q, x, 0)].south, px, p.rowStep * (top + 8), true);
                for (int y = 0; y < 8; ++y)
                    DrawWall(walls[CellIndex(q, x, y)].north, px, p.rowStep * (top + 7 - y), true);
            }
        }
    }

    void DrawVerticalWalls()
    {
        for (int q = 0; q < kQuadrantCount; ++q) {
            const int X = layout.x[static_cast<size_t>(q)], top = layout.maxY - layout.y[static_cast<size_t>(q)];
            for (int y = 0; y < 8; ++y) {
                const int py = p.rowStep * (top + 7) - p.cellY + p.verticalWallY - p.rowStep * y;
                DrawWall(walls[CellIndex(q, 0, y)].west, p.columnStep * X, py, false);
                for (int x = 0; x < 8; ++x)
                    DrawWall(walls[CellIndex(q, x, y)].east, p.columnStep * (X + 1 + x), py, false);
            }
        }
    }

    struct Stairs {
        int x, y, tile;
    };

    const MapRenderer& r;
    const MapRenderParams& p;
    const MapTileSet& tiles;
    const MapData& data;
    GameMap map;
    const MapLayout& layout;
    Image image;
    std::array<CellWalls, kQuadrantCount * 64> walls{};
    std::array<uint32_t, kQuadrantCount * 64> eventTypes{};
    std::array<bool, kQuadrantCount * 64> hasEvents{};
    std::vector<Stairs> stairs;
};

MapRenderer::MapRenderer(CGameData& game) : m_game(game), m_params(MapRenderParams::ForEdition(game.IsGold()))
{
    ClearMarks();
}

void MapRenderer::SetOptions(uint32_t options, bool battleMask)
{
    m_options = options;
    m_battleMask = battleMask;
}

void MapRenderer::SetHighlight(int quadrant, int x, int y, int facing)
{
    m_highlight = {quadrant, x, y, facing >= 0 && facing < 4 ? 1 << facing : 0};
}

void MapRenderer::SetMarker(int quadrant, int x, int y, int icon) { m_marker = {quadrant, x, y, icon}; }

void MapRenderer::ClearMarks()
{
    m_highlight = MapMarker{};
    m_marker = MapMarker{};
    m_markers.clear();
}

std::optional<Image> MapRenderer::Render()
{
    std::optional<MapData> data = MapData::Load(m_game, m_map);
    if (!data || !m_tiles || m_tiles->Empty()) {
        ClearMarks();
        return std::nullopt;
    }
    m_layout = LayOutMap(data->Record(), m_params);
    Image image = Drawing(*this, *data, m_layout).Run();
    ClearMarks();
    return image;
}
