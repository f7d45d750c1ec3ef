#pragma once
// Bounds-checked little-endian reading of a byte range held elsewhere.
// Every read outside the range gives zero, so a short or damaged file never
// leads to memory outside its buffer; callers that must know use Has().

#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}
    explicit ByteReader(std::span<const uint8_t> bytes) : ByteReader(bytes.data(), bytes.size()) {}

    size_t Size() const { return m_size; }
    const uint8_t* Data() const { return m_data; }
    bool Has(size_t offset, size_t count) const { return offset <= m_size && count <= m_size - offset; }

    uint8_t U8(size_t offset) const { return Has(offset, 1) ? m_data[offset] : 0; }
    int8_t S8(size_t offset) const { return static_cast<int8_t>(U8(offset)); }
    uint16_t U16(size_t offset) const
    {
        return Has(offset, 2) ? static_cast<uint16_t>(m_data[offset] | (m_data[offset + 1] << 8)) : 0;
    }
    int16_t S16(size_t offset) const { return static_cast<int16_t>(U16(offset)); }
    uint32_t U32(size_t offset) const
    {
        if (!Has(offset, 4))
            return 0;
        return static_cast<uint32_t>(m_data[offset]) | (static_cast<uint32_t>(m_data[offset + 1]) << 8) |
               (static_cast<uint32_t>(m_data[offset + 2]) << 16) | (static_cast<uint32_t>(m_data[offset + 3]) << 24);
    }
    int32_t S32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }

    // The bytes from offset on, at most count of them; empty when offset lies beyond the end.
    ByteReader Sub(size_t offset, size_t count = SIZE_MAX) const
    {
        if (offset >= m_size)
            return {};
        size_t left = m_size - offset;
        return ByteReader(m_data + offset, count < left ? count : left);
    }

private:
    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
};
