#pragma once
// Little-endian writing into a record of fixed size, for the game builder. Writes that do
// not fit are dropped, so a builder mistake cannot overrun a record.

#include <cstdint>
#include <string_view>
#include <vector>

using Record = std::vector<uint8_t>;

class ByteWriter {
public:
    explicit ByteWriter(Record& bytes) : m_bytes(bytes) {}

    ByteWriter& U8(size_t offset, unsigned value)
    {
        if (offset < m_bytes.size())
            m_bytes[offset] = static_cast<uint8_t>(value);
        return *this;
    }
    ByteWriter& U16(size_t offset, unsigned value) { return U8(offset, value).U8(offset + 1, value >> 8); }
    ByteWriter& U32(size_t offset, uint32_t value) { return U16(offset, value & 0xFFFF).U16(offset + 2, value >> 16); }
    // Text ended by a zero byte, cut to fit width bytes with its terminator.
    ByteWriter& Text(size_t offset, std::string_view text, size_t width)
    {
        for (size_t i = 0; i < width; ++i)
            U8(offset + i, i + 1 < width && i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
        return *this;
    }
    ByteWriter& Bytes(size_t offset, const std::vector<uint8_t>& bytes)
    {
        for (size_t i = 0; i < bytes.size(); ++i)
            U8(offset + i, bytes[i]);
        return *this;
    }

private:
    Record& m_bytes;
};
