// The rows of loot records: items and their ranges, gold, experience, and the table's edges.

#include "testing/GameDataSeam.h"
#include "items/LootList.h"
#include "tests/items/RecordFixture.h"

#include <gtest/gtest.h>

namespace {

class LootList : public ::testing::Test {
protected:
    LootList()
    {
        // Items 0 to 9, named Item=N ("Item of N") with picture 20 + N.
        for (int i = 0; i < 10; ++i) {
            Record item(72, 0);
            ByteWriter(item).Text(0, "Item=" + std::to_string(i), 22).U8(57, 20 + i);
            GameDataSeam(store.game).AddItem(item);
        }
        GameDataSeam(store.game).LootTable().assign(54 * 200, 0);
    }

    // Entry k of loot record number.
    void Entry(int number, int k, int kind, int chance, int valueA, int valueB)
    {
        Record entry(6, 0);
        ByteWriter(entry).U16(0, static_cast<uint16_t>(valueA)).U16(2, static_cast<uint16_t>(valueB)).U8(4, kind).U8(
            5, static_cast<uint8_t>(chance));
        std::copy(entry.begin(), entry.end(), GameDataSeam(store.game).LootTable().begin() + 54 * number + 6 * k);
    }

    std::vector<LootRow> Rows(int number, bool addEmptyRow = false)
    {
        return FillLootList(store.game, number, addEmptyRow);
    }

    NamedStore store;
};

std::vector<std::string> ChoiceTexts(const LootRow& row)
{
    std::vector<std::string> texts;
    for (const LootChoice& choice : row.choices)
        texts.push_back(choice.text);
    return texts;
}

} // namespace

TEST_F(LootList, EachKindMakesItsRow)
{
    Entry(7, 0, 1, 60, 300, 100);  // gold: upper, then lower
    Entry(7, 1, 2, 25, 4, 1);      // one item
    Entry(7, 2, 0, 99, 4, 1);      // empty
    Entry(7, 3, 3, 4, 2, 3);       // a range at half chance, availability level 4
    Entry(7, 4, 4, 100, 1500, 0);  // experience
    Entry(7, 5, 9, 10, 1, 1);      // an unknown kind
    Entry(7, 6, 2, -5, 6, 0);      // a range of none is one item
    std::vector<LootRow> rows = Rows(7);
    ASSERT_EQ(rows.size(), 5u);

    EXPECT_EQ(rows[0].text, "100-300 gp");
    EXPECT_EQ(rows[0].image, 115);
    EXPECT_EQ(rows[0].data, 5000);
    EXPECT_EQ(rows[0].chance, "60%");

    EXPECT_EQ(rows[1].text, "Item of 4");
    EXPECT_EQ(rows[1].image, 24);
    EXPECT_EQ(rows[1].data, 4);
    EXPECT_EQ(rows[1].chance, "25%");
    EXPECT_TRUE(rows[1].choices.empty());

    EXPECT_EQ(rows[2].text, "Item of 2");
    EXPECT_EQ(rows[2].chance, "50% (4)");
    EXPECT_EQ(ChoiceTexts(rows[2]), (std::vector<std::string>{"Item of 2", "Item of 3", "Item of 4"}));
    EXPECT_EQ(rows[2].choices[2].image, 24);

    EXPECT_EQ(rows[3].text, "1500 EXP");
    EXPECT_EQ(rows[3].image, 50);
    EXPECT_EQ(rows[3].data, 5000);
    EXPECT_EQ(rows[3].chance, "100%");

    EXPECT_EQ(rows[4].text, "Item of 6");
    EXPECT_EQ(rows[4].chance, "-5%") << "the chance is signed";
    EXPECT_TRUE(rows[4].choices.empty());
}

TEST_F(LootList, OnlyTheFirstEightEntriesAndTheEmptyRow)
{
    Entry(3, 8, 4, 100, 500, 0);
    EXPECT_TRUE(Rows(3).empty()) << "the ninth entry is never shown";
    std::vector<LootRow> rows = Rows(3, true);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, "EMPTY");
    EXPECT_EQ(rows[0].image, 158);
    EXPECT_EQ(rows[0].data, 5000);
    EXPECT_EQ(rows[0].chance, "100%");

    Entry(3, 7, 1, 10, 20, 5);
    EXPECT_EQ(Rows(3, true).size(), 1u);
    EXPECT_EQ(Rows(3, true)[0].text, "5-20 gp");
}

TEST_F(LootList, NothingIsReadBeyondEitherTable)
{
    EXPECT_TRUE(Rows(200, true).empty()) << "loot record 200 does not exist";
    EXPECT_TRUE(Rows(255).empty());
    EXPECT_TRUE(Rows(-1, true).empty());

    Entry(0, 0, 2, 30, 8, 5);   // items 8 to 12 of 10
    Entry(0, 1, 3, 2, 10, 3);   // items 10 to 12: none exist
    Entry(0, 2, 2, 30, 9, 1);   // the last item
    Entry(0, 3, 2, 30, -2, 4);  // items -2 to 1
    Entry(0, 4, 2, 30, 32767, 32767);
    std::vector<LootRow> rows = Rows(0);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].data, 8);
    EXPECT_EQ(ChoiceTexts(rows[0]), (std::vector<std::string>{"Item of 8", "Item of 9"}));
    EXPECT_EQ(rows[1].text, "Item of 9");
    EXPECT_TRUE(rows[1].choices.empty());
    EXPECT_EQ(rows[2].data, 0) << "the choices begin at the first item that exists";
    EXPECT_EQ(ChoiceTexts(rows[2]), (std::vector<std::string>{"Item of 0", "Item of 1"}));
}
