#pragma once
// The game's abbreviated item names made readable: the game writes "=" and "/" into stored
// names (and into the names of monsters, incidents and weapons) to stand for "of" and a blank.

#include <string>
#include <string_view>

// Works on the name up to its first zero byte, so a fixed-width field of a record may be
// passed whole. The first marker found of "=/", "= ", "/=" and "=" (tried in that order)
// becomes "of " ("=/", "= ") or " of " ("/=", "="); then every "/" left becomes a blank.
std::string ExpandItemName(std::string_view name);
// The same for a zero-terminated name; a null name gives an empty text.
std::string ExpandItemName(const char* name);
