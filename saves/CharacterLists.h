#pragma once
// The items and NPCs dialogs of a character: rows ready for their list controls.

#include "saves/CharacterRecord.h"

#include <string>
#include <vector>

class CGameData;

struct CharacterItemRow {
    int slot = 0;
    std::string name;
    int image = 0;        // an image of the small item images
    int data = -1;        // the item number when identified, else -1
    std::string equipped; // first list only: "equipped"
    std::string cursed;   // first list only: the cursed mark
    std::string count;    // "%i" when identified and at least 1
};

struct CharacterItemLists {
    std::vector<CharacterItemRow> first;  // slots 0-9
    std::vector<CharacterItemRow> second; // slots 10-19
};

CharacterItemLists BuildCharacterItems(const CGameData& game, const CharacterRecord& record);

struct NpcAttitudeRow {
    std::string text; // "%s {id %i} {NPC id %i}"
    int image = 0;    // an alliance icon: the monster's alliance - 1
    std::string attitude;
    int data = 0; // the monster number
};

// Every monster with an NPC id, in number order. An id beyond the record's 96 attitudes shows none.
std::vector<NpcAttitudeRow> BuildNpcAttitudes(const CGameData& game, const CharacterRecord& record);
