// tallowmark-cli as a caller sees it: output, exit status and messages.

#include "gamedata/BmpFile.h"
#include "gamedata/GameFile.h"
#include "tests/gamedata/GameDataFixture.h"
#include "tests/tools/CliRunner.h"

#include <gtest/gtest.h>


TEST(Cli, InfoNamesTheEditionAndCounts)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation(gamebuild::Edition::Gold).Write(folder.Path()));
    CliRun run = RunCli("--game " + folder.Path() + " info");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("edition\tGold\nitems\t571\nmonsters\t250\n", 0), 0u) << run.out;
}

TEST(Cli, AMissingInstallationFailsWithTheProgramsMessage)
{
    TempFolder empty;
    CliRun run = RunCli("--game " + empty.Path() + " info");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Main information cannot be accessed!"), std::string::npos) << run.out;
}

TEST(Cli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("--game /tmp nosuchcommand").status, 2);
    EXPECT_EQ(RunCli("info").status, 2) << "no installation named";
    CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos);
    EXPECT_EQ(RunCli("info --help").status, 0);
    CliRun version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tallowmark-cli " TALLOWMARK_VERSION "\n");
}

namespace {
std::string TextInstallation(const TempFolder& folder)
{
    gamebuild::Installation installation = SmallInstallation();
    installation.messages[140] = {"MALE", "FEMALE"};
    installation.messages[500] = {"You see", "a door.", "@It is", "!locked."};
    EXPECT_TRUE(installation.Write(folder.Path()));
    return "--game " + folder.Path();
}
} // namespace

TEST(Cli, MessagePrintsTheShownTextOrTheRawOne)
{
    TempFolder folder;
    std::string game = TextInstallation(folder);
    CliRun shown = RunCli(game + " message 500");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "You see a door.\n\nIt is \nlocked.\n");
    CliRun raw = RunCli(game + " message 500 --raw");
    EXPECT_EQ(raw.out, "You see a door.@It is \\vlocked.\n");

    EXPECT_EQ(RunCli(game + " message 501").status, 1) << "not in the index";
    EXPECT_EQ(RunCli(game + " message 65536").status, 2);
}

TEST(Cli, TextDrawsAMessageAsTheGameShowsIt)
{
    TempFolder folder, out;
    std::string game = TextInstallation(folder);
    // "You see a door.", the paragraph's empty line, "It is ", "locked.": 4 lines of 13 pixels and 2.
    CliRun drawn = RunCli(game + " text 500 --out " + out.File("door.bmp"));
    EXPECT_EQ(drawn.status, 0);
    EXPECT_EQ(drawn.out, "text 500: 172 x 54\n");
    auto bmp = ReadGameFile(out.File("door.bmp"));
    ASSERT_TRUE(bmp);
    ASSERT_TRUE(DecodeBmp(*bmp));
    EXPECT_EQ(DecodeBmp(*bmp)->Height(), 54);
    EXPECT_EQ(RunCli(game + " text 500").status, 2) << "--out is needed";
    EXPECT_EQ(RunCli(game + " text 501 --out " + out.File("x.bmp")).status, 1);
}

TEST(Cli, NamesPrintsOneListOrAll)
{
    TempFolder folder;
    std::string game = TextInstallation(folder);
    CliRun one = RunCli(game + " names 5");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out, "0\tMale\n1\tFemale\n");

    CliRun all = RunCli(game + " names");
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("# list 4 (message 120)\n# list 5 (message 140)\n0\tMale\n1\tFemale\n# list 6 "),
              std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find("# list 12 (message 3800)\n0\t\n# list 13"), std::string::npos) << "the empty weapon";
    EXPECT_NE(all.out.find("# list 25 (message 800)\n"), std::string::npos);

    EXPECT_EQ(RunCli(game + " names 26").status, 2);
    CliRun info = RunCli(game + " info");
    EXPECT_NE(info.out.find("monsters\t250\nmessages\t2\n"), std::string::npos) << info.out;
}

TEST(Cli, PicPrintsAndWritesEachFrame)
{
    TempFolder folder, out;
    gamebuild::Installation installation = SmallInstallation();
    gamebuild::PicFrame wide{16, 8, std::vector<uint8_t>(128, 7)}, narrow{8, 8, std::vector<uint8_t>(64, 7)};
    installation.pictures["scene.pic"] = {pic::Form::MaskedBlocks, {narrow, wide, narrow}};
    ASSERT_TRUE(installation.Write(folder.Path()));
    const std::string game = "--game " + folder.Path() + " pic ";

    CliRun run = RunCli(game + "scene.pic --scale 1 --first 1 --end -1 --out " + out.File("scene"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "frame 1: 16 x 8\n");
    EXPECT_TRUE(ReadGameFile(out.File("scene_frm01.bmp")));
    EXPECT_FALSE(ReadGameFile(out.File("scene_frm00.bmp")));

    EXPECT_EQ(RunCli(game + "scene.pic").out, "frame 0: 32 x 16\nframe 1: 32 x 16\nframe 2: 32 x 16\n");
    CliRun missing = RunCli(game + "nothing.pic");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("Pictures cannot be retrieved!"), std::string::npos) << missing.out;
    EXPECT_EQ(RunCli(game + "scene.pic --scale 0").status, 2);
    EXPECT_EQ(RunCli(game).status, 2);
    EXPECT_EQ(RunCli("pic --help").status, 0);
}

TEST(Cli, PortraitWritesOneBitmap)
{
    TempFolder folder, out;
    gamebuild::Installation installation = SmallInstallation();
    installation.portraits = {Record(780, 20)};
    ASSERT_TRUE(installation.Write(folder.Path()));
    const std::string game = "--game " + folder.Path() + " portrait ";

    CliRun run = RunCli(game + "0 --out " + out.File("face.bmp"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "portrait 0: 104 x 120\n");
    std::optional<std::vector<uint8_t>> bmp = ReadGameFile(out.File("face.bmp"));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(DecodeBmp(*bmp)->Width(), 104);
    EXPECT_EQ(RunCli(game + "1 --out " + out.File("none.bmp")).status, 1);
    EXPECT_EQ(RunCli(game + "0").status, 2) << "--out is needed";
    EXPECT_EQ(RunCli("portrait --help").status, 0);
}
