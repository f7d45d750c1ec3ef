#pragma once
// The text the Map Viewer shows for the cell under the mouse: its place and the type names of
// the events standing on it, in slot order.

#include "maps/MapEvent.h"
#include "maps/MapLayout.h"

#include <span>
#include <string>

// Empty when the hit names no cell.
std::string CellHoverText(std::span<const MapEvent> events, const CellHit& hit);
