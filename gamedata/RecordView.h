#pragma once
// The base of the record views: a record of the game's files read in place, at named offsets,
// through the bounds-checked reader. A view of a null record reads as all zero.

#include "gamedata/ByteReader.h"

#include <string>

template <size_t Size>
class RecordView {
public:
    static constexpr size_t kSize = Size;

    explicit RecordView(const uint8_t* bytes) : m_bytes(bytes, bytes ? Size : 0) {}
    bool Valid() const { return m_bytes.Size() == Size; }
    const ByteReader& Bytes() const { return m_bytes; }

protected:
    // A text field of width bytes, ended by its first zero byte.
    std::string Text(size_t offset, size_t width) const
    {
        std::string text;
        for (size_t i = 0; i < width; ++i) {
            char c = static_cast<char>(m_bytes.U8(offset + i));
            if (!c)
                break;
            text += c;
        }
        return text;
    }

    ByteReader m_bytes;
};
