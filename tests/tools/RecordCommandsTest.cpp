// The cli's record tables on the demo installation: complete, rectangular, in number order.

#include "tests/tools/CliRunner.h"
#include "tests/gamedata/GameDataFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Table = std::vector<std::vector<std::string>>;

Table Rows(const std::string& text)
{
    Table table;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        size_t start = 0, tab;
        while ((tab = line.find('\t', start)) != std::string::npos) {
            cells.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        cells.push_back(line.substr(start));
        table.push_back(cells);
    }
    return table;
}

// Every row as wide as the header, the first cell counting up from 0.
void ExpectTable(const Table& table, size_t records, size_t columns)
{
    ASSERT_EQ(table.size(), records + 1);
    for (size_t row = 0; row < table.size(); ++row) {
        ASSERT_EQ(table[row].size(), columns) << "row " << row;
        if (row) {
            EXPECT_EQ(table[row][0], std::to_string(row - 1));
        }
    }
}

class CliRecords : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = new TempFolder;
        ASSERT_TRUE(gamebuild::DemoInstallation(gamebuild::Edition::First).Write(s_folder->Path()));
    }
    static void TearDownTestSuite()
    {
        delete s_folder;
        s_folder = nullptr;
    }
    static CliRun Run(const std::string& command) { return RunCli("--game " + s_folder->Path() + " " + command); }

    static TempFolder* s_folder;
};
TempFolder* CliRecords::s_folder = nullptr;

} // namespace

TEST_F(CliRecords, ItemsInShortAndLongForms)
{
    CliRun run = Run("items");
    ASSERT_EQ(run.status, 0) << run.out;
    Table table = Rows(run.out);
    ExpectTable(table, 571, 22);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "ID\tname\ttype\tskill\tweight\tprice\tAC\tto hit\tinitiative\tdamage\tP/S\thands\tcursed\tregen\tspell\t"
              "resistances\tinvoke\teffects\traces\tprofessions\tgender\tattack modes");
    EXPECT_EQ(table[1][1], "?Unknown Item?") << "item 0 has no name";

    run = Run("items --long");
    ASSERT_EQ(run.status, 0);
    table = Rows(run.out);
    ExpectTable(table, 571, 31);
    EXPECT_EQ(table[0][18], "charges label");
    bool bothCharges = false;
    for (const auto& row : table)
        bothCharges |= row[18] == "Number of charges for spell & invoke:";
    EXPECT_TRUE(bothCharges) << "the label shows one ampersand";
    ASSERT_EQ(table[0][28], "inventory action");
    int readable = 0;
    for (const auto& row : table)
        readable += row[28] == "Read";
    EXPECT_GT(readable, 10) << "the demo's scrolls and maps carry texts";
    EXPECT_EQ(Run("items 3").status, 2);
}

TEST_F(CliRecords, ItemsTakeTheItemListsFiltersAndSort)
{
    const Table all = Rows(Run("items").out);
    auto column = [](const Table& table, size_t cell) {
        std::vector<std::string> cells;
        for (size_t row = 1; row < table.size(); ++row)
            cells.push_back(table[row][cell]);
        return cells;
    };
    // A checked list with nothing ticked lets no item through.
    for (const char* option : {"--effects", "--resistances", "--properties"})
        EXPECT_EQ(Rows(Run(std::string("items ") + option + " ''").out).size(), 1u) << option;

    // Each filter keeps only rows that show what it asks for, and some of them.
    Table rows = Rows(Run("items --type 3").out);
    ASSERT_GT(rows.size(), 2u);
    for (const std::string& type : column(rows, 2))
        EXPECT_EQ(type, rows[1][2]);
    rows = Rows(Run("items --properties 0,1").out);
    ASSERT_GT(rows.size(), 2u);
    for (size_t row = 1; row < rows.size(); ++row)
        EXPECT_TRUE(!rows[row][12].empty() || !rows[row][13].empty()) << rows[row][1];
    rows = Rows(Run("items --long --resistances 1,2,3,4,5,6,7,8,9,10,11,12,13").out);
    ASSERT_GT(rows.size(), 2u);
    for (size_t row = 1; row < rows.size(); ++row)
        EXPECT_FALSE(rows[row][16].empty()) << rows[row][1];
    rows = Rows(Run("items --skill 0 --effects 0,1,2,3,4,5,6,7").out);
    ASSERT_GT(rows.size(), 1u);
    for (size_t row = 1; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row][3], rows[1][3]);
        EXPECT_FALSE(rows[row][17].empty());
    }

    // Sorted: the same rows, in order of the column's values.
    rows = Rows(Run("items --sort 'to hit:desc'").out);
    ASSERT_EQ(rows.size(), all.size());
    std::vector<int> toHit;
    for (const std::string& cell : column(rows, 7))
        toHit.push_back(cell.empty() ? 0 : std::stoi(cell));
    EXPECT_TRUE(std::is_sorted(toHit.rbegin(), toHit.rend()));
    std::vector<std::string> ids = column(Rows(Run("items --sort 0").out), 0), sortedIds = column(all, 0);
    std::sort(ids.begin(), ids.end());
    std::sort(sortedIds.begin(), sortedIds.end());
    EXPECT_EQ(ids, sortedIds);
    // Equal values keep number order.
    rows = Rows(Run("items --sort cursed").out);
    for (size_t row = 2; row < rows.size(); ++row)
        if (rows[row][13] == rows[row - 1][13]) {
            EXPECT_LT(std::stoi(rows[row - 1][0]), std::stoi(rows[row][0]));
        }

    for (const char* wrong : {"--effects 8", "--effects 1,", "--resistances 0", "--properties x", "--type -1",
                              "--sort nothing", "--sort name:up", "--skill"})
        EXPECT_EQ(Run(std::string("items ") + wrong).status, 2) << wrong;
}

TEST_F(CliRecords, MonstersWithTheirAttacksAndLoot)
{
    CliRun run = Run("monsters");
    ASSERT_EQ(run.status, 0) << run.out;
    Table table = Rows(run.out);
    ExpectTable(table, 250, 29 + 3 * 6 + 1);
    EXPECT_EQ(table[0][29], "attack 1 range");
    EXPECT_EQ(table[0][47], "loot");
    bool lootListed = false;
    for (const auto& row : table)
        lootListed |= row[47].find("%) | ") != std::string::npos;
    EXPECT_TRUE(lootListed) << "loot rows read \"text (chance)\" joined by \" | \"";
    EXPECT_EQ(Run("monsters 1").status, 2);
}

TEST_F(CliRecords, LootRowsAndSpells)
{
    // The demo's last loot record offers a range that runs past the last item: three exist.
    CliRun run = Run("loot 199");
    ASSERT_EQ(run.status, 0) << run.out;
    Table table = Rows(run.out);
    ASSERT_GE(table.size(), 2u);
    EXPECT_EQ(table[0], (std::vector<std::string>{"text", "image", "data", "chance", "choices"}));
    EXPECT_EQ(table[1][2], "568");
    EXPECT_EQ(std::count(table[1][4].begin(), table[1][4].end(), '|'), 2);
    EXPECT_EQ(Run("loot 0 --empty").out, "text\timage\tdata\tchance\tchoices\nEMPTY\t158\t5000\t100%\t\n");
    EXPECT_EQ(Run("loot 200").status, 2);
    EXPECT_EQ(Run("loot x").status, 2);

    run = Run("spells");
    ASSERT_EQ(run.status, 0) << run.out;
    table = Rows(run.out);
    ASSERT_EQ(table.size(), 102u);
    EXPECT_EQ(table[64][1], "Identify");
    EXPECT_EQ(table[64].size(), 5u);
    TempFolder folder; // without the executable there is no spell table
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    EXPECT_EQ(RunCli("--game " + folder.Path() + " spells").status, 1);
}
