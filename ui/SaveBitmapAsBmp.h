#pragma once
// Writes a bitmap as a BMP file in the format the screen gives it (bits per pixel rounded up
// to 1, 4, 8, 16, 24 or 32; a colour table for 8 bits and fewer).

#include <windows.h>

#include <functional>
#include <string>

// Shows a failure; the default is a message box with the stop icon.
using ErrorReporter = std::function<void(const wchar_t* text)>;
void ShowErrorBox(const wchar_t* text);

// The whole file is written beside the target first and replaces it only when every write
// succeeded, so a failure never leaves a partial file nor damages the one that was there.
bool SaveBitmapAsBmp(const std::wstring& path, HBITMAP bitmap, const ErrorReporter& report = ShowErrorBox);
