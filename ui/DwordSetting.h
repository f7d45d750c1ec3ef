#pragma once
// Number settings of the viewers: REG_DWORD values under the program's key of the current user.

#include <windows.h>

#include <optional>

// The value, or nothing when it is missing or not a number.
std::optional<DWORD> ReadDwordSetting(const wchar_t* name);
void WriteDwordSetting(const wchar_t* name, DWORD value);
