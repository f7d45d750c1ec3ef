#pragma once
// One event slot of a map's event table: value k of each of the table's nine columns.

#include <cstdint>

struct MapEvent {
    uint16_t param0 = 0;
    uint16_t param2 = 0;
    uint16_t param4 = 0;
    uint8_t type = 0;
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t quadrant = 0;
    uint8_t number = 0;
    uint8_t param11 = 0;
};
