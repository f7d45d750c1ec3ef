#pragma once
// The game's 8-bit text is Windows-1252: the code point of each byte, as the windows widen it.

// Bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
inline constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// An undefined byte keeps its own value, as the system's conversion gives it.
constexpr char16_t Cp1252CodePoint(unsigned char byte)
{
    const char16_t high = byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : 0;
    return high ? high : byte;
}
