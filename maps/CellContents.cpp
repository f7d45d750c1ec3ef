#include "maps/CellContents.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "maps/FloorTiles.h"
#include "maps/MapNames.h"

using namespace eventtype;

CellContents DescribeCell(EventDescriber& describer)
{
    const MapCell cell = describer.Cell();
    const CGameData& game = describer.Game();
    const MapData& data = describer.Map(cell.map);
    CellContents contents;
    contents.coordinates = FormatV(ResourceString(strings::kCellCoordinates), cell.map, cell.quadrant, cell.x, cell.y);
    contents.backgroundTile = CellBackgroundTile(data.Record(), cell.quadrant, cell.x, cell.y);

    auto addText = [&](const MapEvent& event, int message) {
        std::string text = game.GetMessageString(message);
        if (text.empty())
            return;
        const int n = static_cast<int>(contents.texts.size()) + 1;
        contents.texts.push_back({EventNumberPrefix(event) + FormatV(ResourceString(strings::kCellTextNumber), n), message, text, -1});
    };

    std::span<const MapEvent> events = data.Events();
    for (size_t i = 0; i < events.size(); ++i) {
        const MapEvent& event = events[i];
        const int slot = static_cast<int>(i);
        if (event.type == 0 || !IsOnCell(event, cell.quadrant, cell.x, cell.y))
            continue;
        auto described = [&] { return CellEntry{describer.DescribeEvent(cell.map, slot, false), slot, {}, -1}; };
        switch (event.type) {
        case kLoot: {
            const int n = static_cast<int>(contents.loot.size()) + 1;
            contents.loot.push_back({EventNumberPrefix(event) + FormatV(ResourceString(strings::kCellLootNumber), n), slot, {}, event.param11});
            // Loot names its texts with 0 for none.
            if (event.param0)
                addText(event, event.param0);
            if (event.param2)
                addText(event, event.param2);
            break;
        }
        case kTeleporter:
        case kLadder: {
            const int n = static_cast<int>(contents.transfers.size()) + 1;
            contents.transfers.push_back(
                {EventNumberPrefix(event) + FormatV(ResourceString(strings::kTeleporterNumber), n), slot, describer.TransferText(event), -1});
            break;
        }
        case kFight: contents.fights.push_back(described()); break;
        case kItemUsage: contents.itemUsages.push_back(described()); break;
        case kHidden:
            contents.hiddenThings.push_back(described());
            addText(event, event.param0);
            break;
        case kNegativeEffect:
            contents.negativeEffects.push_back({EventNumberPrefix(event) + describer.NegativeEffectText(event), slot, {}, -1});
            addText(event, event.param0);
            break;
        case kMover: contents.movers.push_back(described()); break;
        case kIncident: contents.incidents.push_back(described()); break;
        case kPassability: contents.passability.push_back(described()); break;
        case kEventManager: contents.eventManagers.push_back(described()); break;
        case kText:
        case kText2:
            addText(event, event.param0);
            break;
        case kFountain: {
            const FountainText fountain = describer.FountainTexts(event);
            contents.hasFountain = true;
            contents.fountainGood = fountain.good;
            contents.fountainPower = FormatV(ResourceString(strings::kFountainPower), fountain.power);
            contents.fountainBad = fountain.bad;
            break;
        }
        case kNoMonsters:
            contents.freeCell = FormatV(ResourceString(strings::kFreeCell), game.CreatureKindName(5).c_str());
            break;
        }
    }
    return contents;
}
