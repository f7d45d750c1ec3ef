#pragma once
// The two file dialogs of the viewers. Their folders live in the store's path strings.

#include <windows.h>

#include <string>

class CGameData;

// Save dialog for a BMP file; the chosen path, or empty when cancelled.
std::string ChooseBmpFile(CGameData& game, HWND parent);
// Open dialog for a save or guild file; the chosen path, or empty when cancelled.
std::string ChooseSaveFile(CGameData& game, HWND parent, bool rememberExtension);
