// The Map Viewer's stored view state, its map list, the text for the cell under the mouse and
// the properties window's choice between an edit and a list.

#include "maps/MapViewerContent.h"
#include "tests/maps/MapFixture.h"

#include <gtest/gtest.h>
#include <vector>

using maptest::Event;

TEST(MapViewState, StoredBytesReplaceTheDefaultsOnlyWhenThereAreAtMostTwelve)
{
    const MapViewState none = MapViewState::FromStored({});
    EXPECT_FALSE(none.PanelHidden());
    EXPECT_EQ(none.Options(), 0u);
    EXPECT_FALSE(none.BattleMask());

    // Panel hidden, a reserved byte, options 0x001F0203, battle mask on.
    const std::vector<uint8_t> stored{1, 0xAB, 0, 0, 0x03, 0x02, 0x1F, 0x00, 1, 0, 0, 0};
    const MapViewState full = MapViewState::FromStored(stored);
    EXPECT_TRUE(full.PanelHidden());
    EXPECT_EQ(full.Options(), 0x001F0203u);
    EXPECT_TRUE(full.BattleMask());
    EXPECT_EQ(std::vector<uint8_t>(full.Bytes().begin(), full.Bytes().end()), stored) << "the reserved byte is kept";

    // A short value replaces the bytes it has; the rest stay zero.
    const MapViewState part = MapViewState::FromStored(std::vector<uint8_t>{1, 0, 0, 0, 0xFF});
    EXPECT_TRUE(part.PanelHidden());
    EXPECT_EQ(part.Options(), 0xFFu);
    EXPECT_FALSE(part.BattleMask());

    std::vector<uint8_t> longer = stored;
    longer.push_back(0);
    const MapViewState ignored = MapViewState::FromStored(longer);
    EXPECT_FALSE(ignored.PanelHidden());
    EXPECT_EQ(ignored.Options(), 0u);
    EXPECT_FALSE(ignored.BattleMask());
}

TEST(MapViewState, ChangesAreStoredLittleEndianAndTheBattleMaskAsOneOrZero)
{
    MapViewState state = MapViewState::FromStored(std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 7, 7});
    EXPECT_TRUE(state.BattleMask()) << "any non-zero value is on";
    state.SetOptions(0xFFFFFFFFu);
    state.SetPanelHidden(true);
    state.SetBattleMask(true);
    EXPECT_EQ(std::vector<uint8_t>(state.Bytes().begin(), state.Bytes().end()),
              (std::vector<uint8_t>{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}));
    state.SetBattleMask(false);
    state.SetPanelHidden(false);
    EXPECT_EQ(state.Bytes()[0], 0);
    EXPECT_EQ(state.Bytes()[8], 0);
}

TEST(MapViewState, ToggleAllLooksAtTheLowSixteenBitsOnly)
{
    EXPECT_TRUE(ToggleAllChecked(0xFFFFFFFFu));
    EXPECT_TRUE(ToggleAllChecked(0x0000FFFFu));
    EXPECT_TRUE(ToggleAllChecked(0x000AFFFFu)) << "bits 16 to 20 partly clear";
    EXPECT_FALSE(ToggleAllChecked(0x001F7FFFu));
    EXPECT_FALSE(ToggleAllChecked(0));
}

TEST(MapViewerContent, MapListEntriesAndFieldRule)
{
    EXPECT_EQ(MapListEntry(0).substr(0, 5), "{00} ");
    EXPECT_EQ(MapListEntry(31).substr(0, 5), "{31} ");
    EXPECT_GT(MapListEntry(7).size(), 5u);
    EXPECT_FALSE(FieldShowsList(0));
    EXPECT_FALSE(FieldShowsList(1));
    EXPECT_TRUE(FieldShowsList(2));
}

TEST(MapViewerContent, HoverTextNamesTheCellAndItsEventsInSlotOrder)
{
    const std::vector<MapEvent> events{
        Event(4, 2, 3, 4),  // a fight
        Event(0, 2, 3, 4),  // an empty slot on the cell
        Event(1, 2, 5, 4),  // elsewhere
        Event(3, 2, 3, 4),  // loot
        Event(4, 2, 3, 4),  // a second fight
    };
    EXPECT_EQ(HoverText(events, CellHit{2, 3, 4}), "Quadrant 2 (3, 4)  <Fight>, <Loot>, <Fight>");
    EXPECT_EQ(HoverText(events, CellHit{2, 0, 0}), "Quadrant 2 (0, 0)") << "no events: the two blanks go";
    EXPECT_EQ(HoverText(events, CellHit{}), "") << "outside the map";
    EXPECT_EQ(HoverText({}, CellHit{15, 7, 7}), "Quadrant 15 (7, 7)");
}
