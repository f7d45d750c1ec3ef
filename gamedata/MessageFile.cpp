#include "gamedata/MessageFile.h"
#include "gamedata/ByteReader.h"

#include <algorithm>
#include <array>

namespace {

using Code = MessageCode;

// A complete prefix code: every code but the one-bit code 0 begins with a 1 bit, so the value
// alone identifies it. Sorted by value.
constexpr Code kCodes[] = {
    {0x0, 0x20},
    {0x8, 0x65}, {0x9, 0x74},
    {0x14, 0x6F}, {0x15, 0x61}, {0x18, 0x2E}, {0x19, 0x64},
    {0x2C, 0x6E}, {0x2D, 0x73}, {0x34, 0x75}, {0x35, 0x66}, {0x38, 0x41}, {0x39, 0x2C},
    {0x5C, 0x69}, {0x5D, 0x72}, {0x5E, 0x68}, {0x5F, 0x6C}, {0x6C, 0x63}, {0x6D, 0x67}, {0x74, 0x62},
    {0x75, 0x53}, {0x78, 0x4C}, {0x79, 0x25},
    {0xDC, 0x79}, {0xDD, 0x6D}, {0xEC, 0x49}, {0xED, 0x52}, {0xF4, 0x26}, {0xF5, 0x44}, {0xF8, 0x59},
    {0xF9, 0x47},
    {0x1BC, 0x70}, {0x1BD, 0x77}, {0x1BE, 0x45}, {0x1BF, 0x54}, {0x1DC, 0x4F}, {0x1DD, 0x6B},
    {0x1EC, 0x5D}, {0x1ED, 0x43}, {0x1F4, 0x50}, {0x1F5, 0x42}, {0x1F8, 0x4B}, {0x1F9, 0x2F},
    {0x3BC, 0x4E}, {0x3BD, 0x76}, {0x3BE, 0x21}, {0x3BF, 0x48}, {0x3DC, 0x2D}, {0x3DD, 0x55},
    {0x3DE, 0x40}, {0x3DF, 0x4D}, {0x3EC, 0x57}, {0x3ED, 0x46}, {0x3EE, 0x27}, {0x3EF, 0x01},
    {0x3F4, 0x3F}, {0x3F5, 0x56}, {0x3F8, 0x22}, {0x3F9, 0x03},
    {0x7EC, 0x7A}, {0x7ED, 0x24}, {0x7F4, 0x6A}, {0x7F5, 0x2A}, {0x7F8, 0x04}, {0x7F9, 0x08},
    {0xFDC, 0x02}, {0xFDD, 0x71}, {0xFEC, 0x1F}, {0xFED, 0x58}, {0xFF4, 0x06}, {0xFF5, 0x32},
    {0xFF8, 0x7E}, {0xFF9, 0x0A},
    {0x1FBC, 0x30}, {0x1FBD, 0x3A}, {0x1FBE, 0x78}, {0x1FBF, 0x23}, {0x1FDC, 0x05}, {0x1FDD, 0x5E},
    {0x1FEC, 0x35}, {0x1FED, 0x5A}, {0x1FF4, 0x33}, {0x1FF5, 0x07}, {0x1FF8, 0x37}, {0x1FF9, 0x0F},
    {0x3FBC, 0x31}, {0x3FBD, 0x4A}, {0x3FBE, 0x29}, {0x3FBF, 0x28}, {0x3FDC, 0x0C}, {0x3FDD, 0x51},
    {0x3FDE, 0x5F}, {0x3FDF, 0x34}, {0x3FEC, 0x09}, {0x3FED, 0x38}, {0x3FEE, 0x0B}, {0x3FEF, 0x36},
    {0x3FF4, 0x39}, {0x3FF5, 0x1E}, {0x3FF6, 0x3B}, {0x3FF7, 0x0D}, {0x3FF8, 0x2B}, {0x3FF9, 0x0E},
    {0x7FF4, 0x12}, {0x7FF5, 0x11}, {0x7FF6, 0x14}, {0x7FF7, 0x10}, {0x7FF8, 0x5B}, {0x7FF9, 0x13},
    {0xFFF4, 0x7D}, {0xFFF5, 0x7C}, {0xFFF6, 0x1D}, {0xFFF7, 0x3D}, {0xFFF8, 0x1B}, {0xFFF9, 0x1A},
    {0xFFFA, 0x19}, {0xFFFB, 0x15}, {0xFFFC, 0x3E}, {0xFFFD, 0x16}, {0xFFFE, 0x7F},
    {0x1FFFE, 0x1C}, {0x1FFFF, 0x17},
};
static_assert(std::size(kCodes) == 122);

const Code* FindCode(uint32_t value)
{
    const Code* end = std::end(kCodes);
    const Code* found = std::lower_bound(std::begin(kCodes), end, value,
                                         [](const Code& code, uint32_t v) { return code.value < v; });
    return found != end && found->value == value ? found : nullptr;
}

// Decodes up to count characters from the code bits; fewer when the bits run out.
void DecodeCharacters(std::span<const uint8_t> bits, size_t count, std::vector<uint8_t>& out)
{
    uint32_t value = 0;
    size_t decoded = 0;
    for (uint8_t byte : bits) {
        for (int bit = 7; bit >= 0 && decoded < count; --bit) {
            value = 2 * value + ((byte >> bit) & 1);
            if (const Code* code = FindCode(value)) {
                out.push_back(code->byte);
                ++decoded;
                value = 0;
            }
        }
        if (decoded == count)
            break;
    }
}

} // namespace

std::span<const MessageCode> MessageCodes() { return kCodes; }

std::vector<uint8_t> DecodeMessagePieces(std::span<const uint8_t> raw)
{
    std::vector<uint8_t> plain;
    size_t at = 0;
    while (at < raw.size()) {
        size_t length = raw[at];
        if (length == 0) { // an empty piece has no count byte
            plain.push_back(0);
            ++at;
            continue;
        }
        if (at + 1 + length > raw.size())
            break;
        size_t count = raw[at + 1];
        size_t lengthAt = plain.size();
        plain.push_back(0);
        DecodeCharacters(raw.subspan(at + 2, length - 1), count, plain);
        plain[lengthAt] = static_cast<uint8_t>(plain.size() - lengthAt - 1);
        at += length + 1;
    }
    return plain;
}

namespace {

constexpr char kLineBreak = 11;

// Calls f with the characters of each plain piece, in order; a piece the buffer does not hold
// whole ends the walk.
template <typename F>
void ForEachPiece(std::span<const uint8_t> pieces, F f)
{
    size_t at = 0;
    while (at < pieces.size()) {
        size_t length = pieces[at];
        if (length > pieces.size() - at - 1)
            return;
        f(pieces.subspan(at + 1, length));
        at += length + 1;
    }
}

// Reads stored pieces one after another from a position of the message file, a chunk at a time.
class PieceReader {
public:
    PieceReader(const ReadMessageBytes& read, uint64_t start) : m_read(read), m_next(start) {}

    // Appends the next piece, its length byte and its bytes, to out; false (and nothing
    // appended) when the file does not hold it whole.
    bool ReadPiece(std::vector<uint8_t>& out)
    {
        if (!Ensure(1) || !Ensure(1 + size_t{m_buffer[m_at]}))
            return false;
        size_t size = 1 + size_t{m_buffer[m_at]};
        out.insert(out.end(), m_buffer.begin() + static_cast<long>(m_at),
                   m_buffer.begin() + static_cast<long>(m_at + size));
        m_at += size;
        return true;
    }

private:
    static constexpr size_t kChunk = 4096;

    bool Ensure(size_t count)
    {
        while (m_buffer.size() - m_at < count) {
            auto more = m_read(m_next, kChunk);
            if (!more || more->empty())
                return false;
            m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<long>(m_at));
            m_at = 0;
            m_buffer.insert(m_buffer.end(), more->begin(), more->end());
            m_next += more->size();
        }
        return true;
    }

    const ReadMessageBytes& m_read;
    uint64_t m_next;
    std::vector<uint8_t> m_buffer;
    size_t m_at = 0;
};

} // namespace

std::string JoinMessagePieces(std::span<const uint8_t> pieces)
{
    std::string text;
    char previous = ' ';
    ForEachPiece(pieces, [&](std::span<const uint8_t> piece) {
        if (piece.empty())
            return;
        std::string part(piece.begin(), piece.end());
        if (part[0] == '!') {
            part[0] = kLineBreak;
            if (part.size() > 1 && part[1] == '!')
                part[1] = kLineBreak;
        }
        if (piece[0] != ' ' && part[0] != '@' && previous != ' ')
            text += ' ';
        text += part;
        previous = part.back();
    });
    return text;
}

std::string MessageTextToString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '!' && i + 1 < text.size() && text[i + 1] != '!' && text[i + 1] != ' ' && text[i + 1] != '@')
            c = kLineBreak;
        if (c == '@')
            out += "\r\n\r\n";
        else if (c == kLineBreak)
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> MessagePieceTexts(std::span<const uint8_t> pieces)
{
    std::vector<std::string> texts;
    ForEachPiece(pieces, [&](std::span<const uint8_t> piece) {
        auto end = std::find(piece.begin(), piece.end(), 0);
        texts.emplace_back(piece.begin(), end);
    });
    return texts;
}

MessageIndex DecodeMessageIndex(std::span<const uint8_t> header, bool gold)
{
    MessageIndex index;
    ByteReader bytes(header);
    size_t recordSize = gold ? message::kGoldHeaderRecordSize : message::kHeaderRecordSize;
    size_t held = bytes.Size() > 2 ? (bytes.Size() - 2) / recordSize : 0;
    size_t count = std::min<size_t>(bytes.U16(0), held);
    for (size_t i = 0; i < count; ++i) {
        ByteReader record = bytes.Sub(2 + i * recordSize, recordSize);
        MessageLocation location;
        location.offset = record.U16(2);
        location.piecesMinusOne = record.U8(4);
        location.block = gold ? record.U16(5) : record.U8(5);
        index.emplace(record.U16(0), location);
    }
    return index;
}

std::vector<uint8_t> CollectMessagePieces(const MessageIndex& index, uint16_t number, const ReadMessageBytes& read)
{
    auto entry = index.find(number);
    if (entry == index.end())
        return {};
    const MessageLocation& start = entry->second;
    PieceReader reader(read, uint64_t{start.block} * message::kBlockSize + start.offset);
    std::vector<uint8_t> stored;
    // A message that runs past the end of its block goes on with the piece count of the next
    // entry; the last entry has none to go on with.
    size_t position = start.offset;
    for (auto at = entry; at != index.end(); ++at) {
        for (int piece = 0; piece <= at->second.piecesMinusOne; ++piece) {
            size_t before = stored.size();
            if (!reader.ReadPiece(stored))
                return stored; // the file ends inside it: the pieces read so far
            position += stored.size() - before;
        }
        if (position < message::kBlockSize)
            break;
        position -= message::kBlockSize;
    }
    return stored;
}
