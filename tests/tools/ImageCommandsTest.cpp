// The cli's images and palette commands.

#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "tests/gamedata/GameDataFixture.h"
#include "tests/tools/CliRunner.h"

#include <algorithm>
#include <gtest/gtest.h>


TEST(CliImages, PalettePrintsEveryColourAsHex)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    CliRun run = RunCli("--game " + folder.Path() + " palette");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("0\t#000000\n1\t#fcfcfc\n2\t#000000\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n255\t#000000\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 256);
}

TEST(CliImages, ListsAreWrittenAsStripsOfTheirCells)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    const std::string game = "--game " + folder.Path() + " images ";
    struct Expected {
        const char* kind;
        int width, height;
    } expected[] = {{"small", 4, 4}, {"large", 18 * 15, 18}, {"state9", 9 * 15, 9}, {"state16", 16 * 15, 16}, {"icons", 26 * 128, 26}};
    for (const Expected& e : expected) {
        std::string out = folder.File(std::string(e.kind) + ".bmp");
        CliRun run = RunCli(game + e.kind + " --out " + out);
        ASSERT_EQ(run.status, 0) << e.kind << run.out;
        auto bytes = ReadGameFile(out);
        ASSERT_TRUE(bytes) << e.kind;
        std::optional<Image> image = DecodeBmp(*bytes);
        ASSERT_TRUE(image) << e.kind;
        EXPECT_EQ(image->Width(), e.width) << e.kind;
        EXPECT_EQ(image->Height(), e.height) << e.kind;
    }
    CliRun empty = RunCli(game + "font --out " + folder.File("font.bmp"));
    EXPECT_EQ(empty.status, 1) << "the small installation's font has no glyph with a width";
    EXPECT_NE(empty.out.find("No font images were loaded."), std::string::npos);
}

TEST(CliImages, UsageErrors)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    const std::string game = "--game " + folder.Path() + " ";
    EXPECT_EQ(RunCli(game + "images small").status, 2) << "no --out";
    EXPECT_EQ(RunCli(game + "images --out x.bmp").status, 2) << "no kind";
    EXPECT_EQ(RunCli(game + "images tiles --out x.bmp").status, 2);
    EXPECT_EQ(RunCli(game + "palette 3").status, 2);
    CliRun help = RunCli("images --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("state16"), std::string::npos);
}
