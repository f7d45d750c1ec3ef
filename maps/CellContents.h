#pragma once
// What the map properties window shows for one cell: its coordinates and tile, and every event
// of the cell sorted into the window's fields. Each field is a list of entries; a window shows
// a single entry in an edit and two or more in a list.

#include "maps/EventDescriber.h"

#include <string>
#include <vector>

struct CellEntry {
    std::string text;
    int data = 0;       // the event's slot; for texts, the message number
    std::string detail; // transfers: where they lead; texts: the message as shown
    int record = -1;    // loot: the loot record
};

struct CellContents {
    std::string coordinates;
    int backgroundTile = -1; // the floor or enclosed-cell tile; -1 for none

    std::vector<CellEntry> transfers;       // teleporters and ladders
    std::vector<CellEntry> fights;
    std::vector<CellEntry> itemUsages;
    std::vector<CellEntry> hiddenThings;
    std::vector<CellEntry> eventManagers;
    std::vector<CellEntry> loot;
    std::vector<CellEntry> texts;
    std::vector<CellEntry> negativeEffects;
    std::vector<CellEntry> movers;
    std::vector<CellEntry> passability;
    std::vector<CellEntry> incidents;

    bool hasFountain = false;
    std::string fountainGood;
    std::string fountainPower;
    std::string fountainBad;
    std::string freeCell; // a no-monsters area
};

// The contents of the describer's cell.
CellContents DescribeCell(EventDescriber& describer);
