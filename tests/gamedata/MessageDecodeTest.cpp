#include "gamedata/MessageFile.h"

#include <gtest/gtest.h>
#include <string>

namespace {
std::string Plain(const std::vector<uint8_t>& pieces) { return std::string(pieces.begin(), pieces.end()); }
std::string Decode(std::vector<uint8_t> raw) { return Plain(DecodeMessagePieces(raw)); }
} // namespace

// "You": Y = 11111000 (F8), o = 10100 (14), u = 110100 (34):
// 11111000 10100110 100|00000 -> F8 A6 80, five bits left over.
TEST(MessageDecode, HandComputedCodesGiveTheirCharacters)
{
    const std::vector<uint8_t> you = {4, 3, 0xF8, 0xA6, 0x80};
    EXPECT_EQ(Plain(DecodeMessagePieces(you)), std::string("\x03You", 4));

    // The longest codes: 1FFFF -> 0x17 (seventeen 1 bits), then 1FFFE -> 0x1C.
    // 11111111 11111111 1|1111111 11111111 10|000000 -> FF FF FF FF 80
    const std::vector<uint8_t> longest = {6, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0x80};
    EXPECT_EQ(Plain(DecodeMessagePieces(longest)), std::string("\x02\x17\x1C", 3));
}

TEST(MessageDecode, PiecesFollowOneAnotherAndLeftoverBitsAreIgnored)
{
    // Two pieces: "You" and "e" (1000 -> 0x80 with leftover zero bits that would read as blanks).
    const std::vector<uint8_t> pieces = {4, 3, 0xF8, 0xA6, 0x80, 2, 1, 0x80};
    EXPECT_EQ(Plain(DecodeMessagePieces(pieces)), std::string("\x03You\x01" "e", 6));
}

TEST(MessageDecode, CountAndLengthBytesAreUnsigned)
{
    // 200 blanks: one zero bit each, 25 bytes of code.
    std::vector<uint8_t> raw = {26, 200};
    raw.resize(2 + 25, 0);
    std::vector<uint8_t> plain = DecodeMessagePieces(raw);
    ASSERT_EQ(plain.size(), 201u);
    EXPECT_EQ(plain[0], 200);
    EXPECT_EQ(plain[200], ' ');
}

TEST(MessageDecode, DamagedPiecesEndTheDecodingCleanly)
{
    // Bits run out before the count: the piece holds what was decoded.
    EXPECT_EQ(Decode({2, 9, 0xF8}), std::string("\x01Y", 2));
    // A piece longer than the buffer is not read at all.
    EXPECT_EQ(Decode({4, 3, 0xF8, 0xA6, 0x80, 9, 3, 0xF8}), std::string("\x03You", 4));
    EXPECT_TRUE(Decode({}).empty());
    // An empty piece has no count byte and gives an empty piece.
    EXPECT_EQ(Decode({0, 2, 1, 0x80}), std::string("\x00\x01" "e", 3));
}
