#pragma once
// printf-style formatting into std::string; the program's texts are printf formats.

#include <string>

#if defined(__GNUC__)
#define TM_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TM_PRINTF_FORMAT(fmt, args)
#endif

std::string Format(const char* format, ...) TM_PRINTF_FORMAT(1, 2);

// For formats taken from a table at run time (the resource strings); arguments are checked by the caller.
std::string FormatV(const char* format, ...);
