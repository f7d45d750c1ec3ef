#pragma once
// Text forms shared by the save windows.

#include <cstdint>
#include <string>

class CGameData;

namespace savetext {

// "%+i".
std::string Signed(int value);

// An item's name as the party knows it: the expanded name when identified, else the name
// of its picture's unidentified look. Empty for a number the item table does not hold.
std::string ItemName(const CGameData& game, int item, bool identified);
// The item's picture, an image of the item image sets; 0 for a number the table does not hold.
int ItemPicture(const CGameData& game, int item);

} // namespace savetext
