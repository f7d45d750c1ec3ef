// The cli's map commands: tables, a cell's contents, drawings, hit tests and their errors.

#include "tests/tools/CliRunner.h"
#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "maps/MapLayout.h"
#include "tests/maps/MapFixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

size_t Fields(const std::string& line) { return static_cast<size_t>(std::count(line.begin(), line.end(), '\t')) + 1; }

// The demo's maps with plain map tiles.
class MapCommands : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_installation = maptest::MapInstallation();
        gamebuild::AddDemoMaps(s_installation);
        s_installation.pictures["MON14.PIC"] = {pic::Form::MaskedBlocks,
                                                std::vector<gamebuild::PicFrame>(35, {16, 16, Record(256, 1)})};
        s_installation.pictures["MON16.PIC"] = {pic::Form::MaskedBlocks,
                                                std::vector<gamebuild::PicFrame>(8, {8, 8, Record(64, 1)})};
        s_folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(s_installation.Write(s_folder->Path()));
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    static std::string Game() { return "--game " + s_folder->Path() + " "; }

    static gamebuild::Installation s_installation;
    static std::unique_ptr<TempFolder> s_folder;
};

gamebuild::Installation MapCommands::s_installation;
std::unique_ptr<TempFolder> MapCommands::s_folder;

} // namespace

TEST_F(MapCommands, AreasCellsAndEventsAreTables)
{
    const std::vector<std::string> areas = SplitLines(RunCli(Game() + "areas").out);
    ASSERT_EQ(areas.size(), 32u);
    EXPECT_EQ(areas[0], "{00} West of New City, Orchid Field, Road to Dane Tower and Nyctalinth");
    EXPECT_EQ(areas[31].rfind("{31} New City (T'Rang", 0), 0u);

    const CliRun cells = RunCli(Game() + "cells 3");
    EXPECT_EQ(cells.status, 0);
    const std::vector<std::string> rows = SplitLines(cells.out);
    ASSERT_EQ(rows.size(), 1025u);
    EXPECT_EQ(rows[0], "quadrant\tx\ty\twest\tnorth\teast\tsouth\twest open\tsouth open\tfeature\tdirection\tflags\tevents");
    EXPECT_EQ(rows[1].rfind("0\t0\t0\t", 0), 0u);
    EXPECT_EQ(rows[2].rfind("0\t1\t0\t", 0), 0u) << "x before y within a row";
    EXPECT_EQ(rows[9].rfind("0\t0\t1\t", 0), 0u);
    for (const std::string& row : rows)
        ASSERT_EQ(Fields(row), 13u) << row;

    const CliRun events = RunCli(Game() + "events 3");
    EXPECT_EQ(events.status, 0);
    const std::vector<std::string> lines = SplitLines(events.out);
    EXPECT_EQ(lines[0], "slot\tnumber\ttype\tquadrant\tx\ty\tdescription\toutcomes");
    size_t expected = 0;
    for (const MapEvent& event : s_installation.scenario.events[3])
        expected += event.type != 0;
    EXPECT_EQ(lines.size(), expected + 1);
    bool forked = false;
    for (const std::string& line : lines) {
        ASSERT_EQ(Fields(line), 8u) << line;
        forked = forked || (line.find("<Action Fork>") != std::string::npos && line.find(" | ") != std::string::npos);
    }
    EXPECT_TRUE(forked) << "outcomes joined by \" | \"";
}

TEST_F(MapCommands, CellShowsItsFieldsAndChains)
{
    // A cell with an item usage: its chain has a level below the root.
    const MapEvent* use = nullptr;
    for (const MapEvent& event : s_installation.scenario.events[4])
        if (event.type == 19)
            use = &event;
    ASSERT_NE(use, nullptr);
    const std::string where = std::to_string(use->quadrant) + " " + std::to_string(use->x) + " " + std::to_string(use->y);
    const CliRun cell = RunCli(Game() + "cell 4 " + where);
    EXPECT_EQ(cell.status, 0);
    const std::vector<std::string> lines = SplitLines(cell.out);
    ASSERT_GT(lines.size(), 18u);
    EXPECT_EQ(lines[0], "Coordinates: Map {04} Quadrant " + std::to_string(use->quadrant) + " (" + std::to_string(use->x) +
                            "," + std::to_string(use->y) + ")");
    EXPECT_EQ(lines[1].rfind("Tile: ", 0), 0u);
    const auto chains = std::find(lines.begin(), lines.end(), "Event chains:");
    ASSERT_NE(chains, lines.end());
    ASSERT_LT(chains + 2, lines.end());
    EXPECT_EQ((chains + 1)->rfind("  Use of ", 0), 0u);
    EXPECT_EQ((chains + 2)->rfind("    Sets event [10] at this Map", 0), 0u);
    EXPECT_EQ(SplitLines(RunCli(Game() + "cell 4 " + where + " --depth 0").out).back(), "Event chains:");
    EXPECT_EQ(RunCli(Game() + "cell 4 16 0 0").status, 2);
    EXPECT_EQ(RunCli(Game() + "cell 4 1 2").status, 2);
}

TEST_F(MapCommands, MapDrawsTheLayoutAndHitFindsItsCells)
{
    TempFolder out;
    const CliRun drawn = RunCli(Game() + "map 3 --out " + out.File("map.bmp") + " --battle --highlight 0 1 2 3 --options 0x1FF");
    EXPECT_EQ(drawn.status, 0) << drawn.out;
    auto bytes = ReadGameFile(out.File("map.bmp"));
    ASSERT_TRUE(bytes);
    std::optional<Image> image = DecodeBmp(*bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(drawn.out, "map 3: " + std::to_string(image->Width()) + " x " + std::to_string(image->Height()) + "\n");

    // The same layout here: the centre of every cell of the first quadrant goes back to it.
    const GameMap record(s_installation.scenario.maps[3].data(), 3);
    const MapRenderParams p = MapRenderParams::ForEdition(false);
    const MapLayout layout = LayOutMap(record, p);
    EXPECT_EQ(layout.width, image->Width());
    EXPECT_EQ(RunCli(Game() + "hit 3 " + std::to_string(layout.CellPixelX(p, 0, 2) + 7) + " " +
                  std::to_string(layout.CellPixelY(p, 0, 5) + 7)).out,
              "0\t2\t5\n");
    EXPECT_EQ(RunCli(Game() + "hit 3 -4 10").out, "none\n");
    // The hover text of the same cell starts with it; outside every cell it is empty.
    EXPECT_EQ(RunCli(Game() + "hover 3 " + std::to_string(layout.CellPixelX(p, 0, 2) + 7) + " " +
                  std::to_string(layout.CellPixelY(p, 0, 5) + 7)).out.substr(0, 17),
              "Quadrant 0 (2, 5)");
    EXPECT_EQ(RunCli(Game() + "hover 3 -4 10").out, "\n");
    EXPECT_EQ(RunCli(Game() + "hover 3 1").status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3 --out " + out.File("plain.bmp") + " --options 0").status, 0);
}

TEST_F(MapCommands, UsageErrors)
{
    TempFolder out;
    const std::string file = " --out " + out.File("x.bmp");
    EXPECT_EQ(RunCli(Game() + "map 32" + file).status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3").status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3" + file + " --options 0x1G").status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3" + file + " --options 4294967296").status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3" + file + " --highlight 0 1 2").status, 2);
    EXPECT_EQ(RunCli(Game() + "map 3" + file + " --highlight 0 1 2 4").status, 2);
    EXPECT_EQ(RunCli(Game() + "cells").status, 2);
    EXPECT_EQ(RunCli(Game() + "events x").status, 2);
    EXPECT_EQ(RunCli(Game() + "hit 3 1").status, 2);
    EXPECT_EQ(RunCli(Game() + "areas 1").status, 2);

}
