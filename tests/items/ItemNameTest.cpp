// Stored item names made readable.

#include "gamedata/ItemName.h"

#include <gtest/gtest.h>

TEST(ItemName, TheFirstMarkerFoundIsExpandedOnce)
{
    EXPECT_EQ(ExpandItemName("ROBE/=PROTECTION"), "ROBE of PROTECTION");
    EXPECT_EQ(ExpandItemName("A=/B"), "Aof B");
    EXPECT_EQ(ExpandItemName("A= B"), "Aof B");
    EXPECT_EQ(ExpandItemName("RING=POWER"), "RING of POWER");
    EXPECT_EQ(ExpandItemName("RING=POWER=X"), "RING of POWER=X") << "later markers stay";
    // The markers are tried in order, not by position: "/=" before "=".
    EXPECT_EQ(ExpandItemName("A=B/=C"), "A=B of C");
    EXPECT_EQ(ExpandItemName("A/B=/C"), "A Bof C");
}

TEST(ItemName, SlashesBecomeBlanks)
{
    EXPECT_EQ(ExpandItemName("X/Y"), "X Y");
    EXPECT_EQ(ExpandItemName("LONG/SWORD/=/FIRE"), "LONG SWORD of FIRE");
    EXPECT_EQ(ExpandItemName("Dagger"), "Dagger");
}

TEST(ItemName, NamesEndAtTheirZeroByte)
{
    EXPECT_EQ(ExpandItemName(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(ExpandItemName(""), "");
    // A fixed-width field passed whole: what follows the zero byte is not part of the name.
    const char field[8] = {'A', '/', 'B', 0, '=', 'Z', 'Z', 'Z'};
    EXPECT_EQ(ExpandItemName(std::string_view(field, sizeof field)), "A B");
    const char full[4] = {'M', '=', 'N', 'O'};
    EXPECT_EQ(ExpandItemName(std::string_view(full, sizeof full)), "M of NO");
}
