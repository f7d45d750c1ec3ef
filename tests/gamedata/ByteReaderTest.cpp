#include "gamedata/ByteReader.h"

#include <gtest/gtest.h>

TEST(ByteReader, ReadsLittleEndianValuesInPlace)
{
    const uint8_t bytes[] = {0x34, 0x12, 0xFE, 0xFF, 0x78, 0x56, 0x34, 0x12};
    ByteReader reader(bytes, sizeof bytes);
    EXPECT_EQ(reader.U16(0), 0x1234);
    EXPECT_EQ(reader.S16(2), -2);
    EXPECT_EQ(reader.U8(2), 0xFE);
    EXPECT_EQ(reader.S8(2), -2);
    EXPECT_EQ(reader.U32(4), 0x12345678u);
}

TEST(ByteReader, ReadsOutsideTheRangeGiveZero)
{
    const uint8_t bytes[] = {1, 2, 3};
    ByteReader reader(bytes, sizeof bytes);
    EXPECT_EQ(reader.U8(3), 0);
    EXPECT_EQ(reader.U16(2), 0) << "a value cut by the end is not half read";
    EXPECT_EQ(reader.U32(0), 0u);
    EXPECT_EQ(reader.U16(SIZE_MAX), 0) << "offsets near the top of size_t do not wrap";
    EXPECT_FALSE(reader.Has(2, 2));
    EXPECT_FALSE(reader.Has(SIZE_MAX, 2));
    EXPECT_TRUE(reader.Has(3, 0));
}

TEST(ByteReader, SubRangesAreCutToWhatIsThere)
{
    const uint8_t bytes[] = {1, 2, 3, 4};
    ByteReader reader(bytes, sizeof bytes);
    EXPECT_EQ(reader.Sub(1, 2).Size(), 2u);
    EXPECT_EQ(reader.Sub(1, 2).U8(0), 2);
    EXPECT_EQ(reader.Sub(2).Size(), 2u);
    EXPECT_EQ(reader.Sub(3, 10).Size(), 1u);
    EXPECT_EQ(reader.Sub(9).Size(), 0u);
    EXPECT_EQ(ByteReader(nullptr, 5).Size(), 0u);
}
