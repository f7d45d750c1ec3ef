// The message files: "msg.hdr" and "msg.dbs" (prefix-coded pieces) or "msg.gld" (plain pieces).

#include "gamedata/MessageFile.h"
#include "testing/GameBuilder.h"

#include <array>

namespace gamebuild {

namespace {

using message::kBlockSize;

struct BitCode {
    uint32_t value = 0;
    int bits = 0; // 0: the byte has no code
};

// The decoder's table turned around: byte -> code. A code's length is that of its value, as
// every code but the one-bit 0 begins with a 1 bit.
const std::array<BitCode, 256>& CodesByByte()
{
    static const std::array<BitCode, 256> table = [] {
        std::array<BitCode, 256> codes{};
        for (const MessageCode& code : MessageCodes()) {
            int bits = 1;
            while (code.value >> bits)
                ++bits;
            codes[code.byte] = {code.value, bits};
        }
        return codes;
    }();
    return table;
}

// The header records of one message (the message and the entries it goes on with).
struct Entry {
    uint16_t number;
    size_t block;
    size_t offset;
    size_t pieces;
};

// Lays a message out from byte start of the file: a new entry begins after each piece that
// reaches the end of a block, numbered on from the message's own number. nullopt when the
// layout does not work from there: the last piece reaches the end of a block (a reader would
// go on into the next message), an entry would hold more than 256 pieces, or a number it
// needs is not free (it must come before the next message's number).
std::optional<std::vector<Entry>> Layout(uint16_t number, size_t start, const std::vector<std::vector<uint8_t>>& pieces,
                                         size_t nextNumber)
{
    std::vector<Entry> entries{{number, start / kBlockSize, start % kBlockSize, 0}};
    size_t position = start % kBlockSize;
    for (size_t i = 0; i < pieces.size(); ++i) {
        Entry& entry = entries.back();
        if (++entry.pieces > 256)
            return std::nullopt;
        position += pieces[i].size();
        if (position < kBlockSize)
            continue;
        if (i + 1 == pieces.size())
            return std::nullopt;
        position -= kBlockSize;
        size_t following = size_t{entry.number} + 1;
        if (following >= nextNumber)
            return std::nullopt;
        entries.push_back({static_cast<uint16_t>(following), entry.block + 1, position, 0});
    }
    return entries;
}

} // namespace

std::optional<std::vector<uint8_t>> EncodeMessagePiece(std::string_view text)
{
    if (text.empty())
        return std::vector<uint8_t>{0}; // an empty piece has no count byte
    if (text.size() > 255)
        return std::nullopt;
    std::vector<uint8_t> piece = {0, static_cast<uint8_t>(text.size())};
    int used = 8; // bits used in the last byte
    for (char c : text) {
        const BitCode& code = CodesByByte()[static_cast<uint8_t>(c)];
        if (code.bits == 0)
            return std::nullopt;
        for (int bit = code.bits - 1; bit >= 0; --bit) {
            if (used == 8) {
                piece.push_back(0);
                used = 0;
            }
            piece.back() |= static_cast<uint8_t>(((code.value >> bit) & 1) << (7 - used));
            ++used;
        }
    }
    if (piece.size() - 1 > 255)
        return std::nullopt;
    piece[0] = static_cast<uint8_t>(piece.size() - 1);
    return piece;
}

std::optional<MessageFiles> MessageFileBytes(const Messages& messages, Edition edition)
{
    const bool gold = edition == Edition::Gold;
    const size_t maxBlock = gold ? 0xFFFF : 0xFF;
    std::vector<Entry> entries;
    std::vector<uint8_t> texts;
    for (auto at = messages.begin(); at != messages.end(); ++at) {
        const auto& [number, pieceTexts] = *at;
        std::vector<std::vector<uint8_t>> pieces;
        for (const std::string& text : pieceTexts) {
            if (gold) {
                if (text.size() > 255)
                    return std::nullopt;
                std::vector<uint8_t> piece = {static_cast<uint8_t>(text.size())};
                piece.insert(piece.end(), text.begin(), text.end());
                pieces.push_back(std::move(piece));
            } else if (auto piece = EncodeMessagePiece(text)) {
                pieces.push_back(std::move(*piece));
            } else {
                return std::nullopt;
            }
        }
        if (pieces.empty())
            pieces.push_back({0}); // the header cannot say "no pieces"

        auto next = std::next(at);
        size_t nextNumber = next == messages.end() ? 0x10000 : next->first;
        // From where the file stands, or a little later (the gap is left as zeros).
        size_t start = texts.size();
        std::optional<std::vector<Entry>> layout = Layout(number, start, pieces, nextNumber);
        while (!layout && start < texts.size() + 2 * kBlockSize)
            layout = Layout(number, ++start, pieces, nextNumber);
        if (!layout || layout->back().block > maxBlock)
            return std::nullopt;
        texts.resize(start, 0);
        for (const auto& piece : pieces)
            texts.insert(texts.end(), piece.begin(), piece.end());
        entries.insert(entries.end(), layout->begin(), layout->end());
    }

    const size_t recordSize = gold ? message::kGoldHeaderRecordSize : message::kHeaderRecordSize;
    MessageFiles files;
    files.header.assign(2 + entries.size() * recordSize, 0);
    ByteWriter header(files.header);
    header.U16(0, static_cast<unsigned>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        size_t at = 2 + i * recordSize;
        header.U16(at, entry.number).U16(at + 2, static_cast<unsigned>(entry.offset));
        header.U8(at + 4, static_cast<unsigned>(entry.pieces - 1));
        if (gold)
            header.U16(at + 5, static_cast<unsigned>(entry.block));
        else
            header.U8(at + 5, static_cast<unsigned>(entry.block));
    }
    files.texts = std::move(texts);
    return files;
}

const char* MessageFileName(Edition edition) { return edition == Edition::Gold ? "msg.gld" : "msg.dbs"; }

} // namespace gamebuild
