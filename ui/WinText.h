#pragma once
// Game and model text is 8-bit; windows speak UTF-16. The conversion happens here only,
// with the system's ANSI code page.

#include <string>
#include <string_view>

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);
