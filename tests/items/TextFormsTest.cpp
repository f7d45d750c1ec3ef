// Dice, grouped numbers, creature types and the other forms shared by items and monsters.

#include "items/TextForms.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {
std::string Dice(int bonus, int count, int sides)
{
    Record bytes(4, 0);
    ByteWriter(bytes).U16(0, static_cast<uint16_t>(bonus)).U8(2, count).U8(3, sides);
    return FormatDice(ByteReader(bytes.data(), bytes.size()), 0, 2, 3);
}
} // namespace

TEST(TextForms, DiceShowTheirRangeAndKeepTheSignOfTheBonus)
{
    EXPECT_EQ(Dice(0, 3, 6), "3d6 (3 to 18)");
    EXPECT_EQ(Dice(0, 0, 0), "") << "0d0 means none";
    EXPECT_EQ(Dice(5, 0, 0), "0d0+5 (5 to 5)");
    EXPECT_EQ(Dice(-1, 2, 4), "2d4+-1 (1 to 7)") << "a negative bonus after the plus sign";
    EXPECT_EQ(Dice(-32768, 255, 255), "255d255+-32768 (-32513 to 32257)") << "the bonus is signed 16-bit";
    // Offsets outside the record read as zero.
    EXPECT_EQ(FormatDice(ByteReader(), 0, 2, 3), "");
}

TEST(TextForms, ThousandsAreGroupedByThree)
{
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1200000), "1,200,000");
    EXPECT_EQ(FormatThousands(4294967295), "4,294,967,295");
    EXPECT_EQ(FormatThousands(-1234), "-1,234") << "the sign is not a digit";
    EXPECT_EQ(FormatThousands(-123), "-123");
}

TEST(TextForms, CreatureTypesAreProfessionsThenKindsAndUnknownOtherwise)
{
    NamedStore store;
    EXPECT_EQ(CreatureTypeName(store.game, 0), "Warrior");
    EXPECT_EQ(CreatureTypeName(store.game, 13), "Shadow");
    EXPECT_EQ(CreatureTypeName(store.game, 14), "Giant");
    EXPECT_EQ(CreatureTypeName(store.game, 15), "Unknown") << "15 has no name although 14 and 16 do";
    EXPECT_EQ(CreatureTypeName(store.game, 16), "Animal");
    EXPECT_EQ(CreatureTypeName(store.game, 27), "Deza Zevaro");
    EXPECT_EQ(CreatureTypeName(store.game, 28), "Unknown");
    EXPECT_EQ(CreatureTypeName(store.game, 255), "Unknown");
}

TEST(TextForms, SignedOrEmptyAndCuts)
{
    EXPECT_EQ(FormatSignedOrEmpty(0, 0), "");
    EXPECT_EQ(FormatSignedOrEmpty(0, 1), "+0") << "the flag shows a zero";
    EXPECT_EQ(FormatSignedOrEmpty(-3, 0), "-3");
    EXPECT_EQ(DropLast("", 1), "") << "nothing to cut from";
    EXPECT_EQ(DropLast("ab", 3), "");
}
