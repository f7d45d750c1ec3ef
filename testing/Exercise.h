#pragma once
// Drives the model over what one kind of game file feeds, as the windows and the cli do: every
// lookup, text form, picture and drawing the file reaches. Used by the truncation tests and the
// fuzz targets, so that a damaged file meets the program's own code paths. Each returns a small
// tally of what it produced, so that a caller can see how much of the file was still usable.

#include <string>

class CGameData;

namespace exercise {

// Every item, monster and loot record in every text form, and the lookups at and past their ends.
int Scenario(CGameData& game);
// One record of the database in every text form (a monster with its loot list, a loot record
// with its choices).
int Item(CGameData& game, int number);
int Monster(CGameData& game, int number);
int Loot(CGameData& game, int number);
// The name lists loaded anew, then every indexed message as text, as a string and as a picture.
int Messages(CGameData& game);
// Palette, image sets, icons and font loaded anew, a text drawn in the font, the map tile set.
int Images(CGameData& game);
// One PIC file at scales 1 and 2, whole and in part; with the monster-picture rule for monster.
int Picture(CGameData& game, const std::string& path, int monster = -1);
// The spell table and every spell's name.
int Spells(CGameData& game);
// Every portrait at every scale.
int Portraits(CGameData& game);
// A map: the walls of every cell, every event described, every cell's contents with its event
// chains expanded to depth, and the drawing with every option, the battle mask and a highlight.
int Map(CGameData& game, int map, int depth);
// A save or guild file: every character's every view; for a save file the world state and every
// NPC's offers.
int SaveFile(CGameData& game, const std::string& path);

} // namespace exercise
