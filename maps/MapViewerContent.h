#pragma once
// What the Map Viewer shows besides the map itself: its stored view state, the map list, the
// text for the cell under the mouse, and which fields of the properties window become lists.

#include "maps/MapLayout.h"
#include "maps/MapEvent.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The view state as it is stored: 12 bytes. Byte 0 is 1 when the option panel is hidden,
// bytes 1 to 3 are kept as they are, 4 to 7 the show options, 8 to 11 the battle-mask switch.
class MapViewState {
public:
    static constexpr size_t kSize = 12;

    // Stored bytes replace the defaults (all zero) only when there are at most 12 of them; a
    // longer value comes from something else and is ignored.
    static MapViewState FromStored(std::span<const uint8_t> stored);
    const std::array<uint8_t, kSize>& Bytes() const { return m_bytes; }

    bool PanelHidden() const { return m_bytes[0] != 0; }
    void SetPanelHidden(bool hidden) { m_bytes[0] = hidden ? 1 : 0; }
    uint32_t Options() const { return Word(4); }
    void SetOptions(uint32_t options) { SetWord(4, options); }
    bool BattleMask() const { return Word(8) != 0; }
    void SetBattleMask(bool on) { SetWord(8, on ? 1 : 0); }

private:
    uint32_t Word(size_t at) const;
    void SetWord(size_t at, uint32_t value);

    std::array<uint8_t, kSize> m_bytes{};
};

// "To&ggle All" shows checked exactly when the options' low 16 bits are all set.
constexpr bool ToggleAllChecked(uint32_t options) { return (options & 0xFFFFu) == 0xFFFFu; }

// "{NN} area" of a map, as the map list shows it.
std::string MapListEntry(int map);

// The cell under the mouse and the type names of its events in slot order; empty for no cell.
std::string HoverText(std::span<const MapEvent> events, const CellHit& hit);

// A field of the properties window shows its one entry in an edit; two or more in a list.
constexpr bool FieldShowsList(size_t entries) { return entries >= 2; }
