#pragma once
// The program's settings key of the current user, and the viewers' number settings (REG_DWORD) in it.

#include <windows.h>

#include <optional>

extern const wchar_t kSettingsKey[]; // the program's key under HKEY_CURRENT_USER

// The value, or nothing when it is missing or not a number.
std::optional<DWORD> ReadDwordSetting(const wchar_t* name);
void WriteDwordSetting(const wchar_t* name, DWORD value);
