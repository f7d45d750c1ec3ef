#pragma once
// The program's numbered texts (the string table), by id.

#include <string>

// The text of string id, or an empty string for an id the table does not hold.
const char* ResourceString(int id);
