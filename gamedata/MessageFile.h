#pragma once
// The game's message texts: "msg.hdr" (where each message lies) and the message file,
// "msg.dbs" (pieces in a prefix code) or "msg.gld" (plain pieces).
//
// A message is a run of pieces, each a length byte L and L characters. The message file is
// laid out in 1024-byte blocks; a message that runs past the end of its block goes on with
// the piece count of the next entry of the index.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace message {
constexpr size_t kBlockSize = 1024;
constexpr size_t kHeaderRecordSize = 6;     // first edition: the block number is one byte
constexpr size_t kGoldHeaderRecordSize = 7; // Gold: the block number is two bytes
} // namespace message

// Where a message begins in the message file, as "msg.hdr" gives it.
struct MessageLocation {
    uint16_t block = 0;
    uint16_t offset = 0;         // within the block
    uint16_t piecesMinusOne = 0;
};

// The index by message number; the first record of a number wins.
using MessageIndex = std::map<uint16_t, MessageLocation>;

// "msg.hdr": a u16 record count, then records of 6 (first edition) or 7 (Gold) bytes. A count
// beyond what the bytes hold gives the records they hold.
MessageIndex DecodeMessageIndex(std::span<const uint8_t> header, bool gold);

// Reads count bytes of the message file at offset: fewer at its end, nothing past it.
using ReadMessageBytes = std::function<std::optional<std::vector<uint8_t>>(uint64_t offset, size_t count)>;
// The stored pieces of a message, each with its length byte, as far as the file holds them
// whole; nothing for a number not in the index.
std::vector<uint8_t> CollectMessagePieces(const MessageIndex& index, uint16_t number, const ReadMessageBytes& read);

// One code of the first edition's prefix code: its bits read as a number, most significant
// first. Every code but the one-bit code 0 begins with a 1 bit, so the value alone gives its length.
struct MessageCode {
    uint32_t value;
    uint8_t byte;
};
// The 122 codes, sorted by value.
std::span<const MessageCode> MessageCodes();

// Decodes first-edition pieces (length L, character count N, L - 1 bytes of code bits) into
// plain pieces (length N, then N characters). Length and count bytes are unsigned. A piece the
// buffer does not hold whole ends the decoding; code bits that end early give a shorter piece.
std::vector<uint8_t> DecodeMessagePieces(std::span<const uint8_t> raw);

// Joins plain pieces into one text: a blank goes between two pieces unless one side already has
// one or the next piece begins a paragraph ("@"); a "!" that begins a piece (and a second one
// right after it) becomes the line-break byte 11. Empty pieces are skipped.
std::string JoinMessagePieces(std::span<const uint8_t> pieces);
// A joined text with "\r\n" line breaks: two for "@", one for the byte 11 and for a "!" that
// is followed by anything but "!", a blank or "@".
std::string MessageTextToString(std::string_view text);
// Each plain piece as a text of its own, up to its first zero byte.
std::vector<std::string> MessagePieceTexts(std::span<const uint8_t> pieces);
