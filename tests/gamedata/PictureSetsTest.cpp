// The Picture Viewer's rules: which files it lists, how its frame counter steps, and the names
// the frames of a set are saved under.

#include "gamedata/PictureSets.h"
#include "tests/TempFolder.h"
#include "tests/gamedata/GameDataFixture.h"
#include "tests/tools/CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace picturesets;

TEST(PictureSets, ListsThePictureFilesSortedWithoutRegardToCase)
{
    TempFolder folder;
    for (const char* name : {"b.pic", "MON10.PIC", "A.PIC", "c.Pic", "notes.txt", "x.pics", "pic", "mon02.pic"})
        std::ofstream(folder.File(name)) << "x";
    std::filesystem::create_directory(folder.File("folder.pic"));

    const std::vector<std::string> expected = {"A.PIC", "b.pic", "c.Pic", "mon02.pic", "MON10.PIC"};
    EXPECT_EQ(ListPictureFiles(folder.Path()), expected);
    EXPECT_TRUE(ListPictureFiles(folder.File("missing")).empty());


    // The command-line tool prints the same list for an installation.
    ASSERT_TRUE(SmallInstallation().Write(folder.Path()));
    CliRun run = RunCli("--game " + folder.Path() + " pics");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "A.PIC\nb.pic\nc.Pic\nmon02.pic\nMON10.PIC\n");
}

TEST(PictureSets, FrameCounterWrapsBothWays)
{
    FrameCursor frames;
    EXPECT_EQ(frames.CounterText(), "") << "no set chosen";
    frames.Next();
    frames.Previous();
    EXPECT_EQ(frames.Frame(), 0);
    EXPECT_FALSE(frames.HasFrames());

    frames.Load(5);
    EXPECT_EQ(frames.CounterText(), "1 of 5");
    frames.Previous();
    EXPECT_EQ(frames.CounterText(), "5 of 5");
    frames.Next();
    EXPECT_EQ(frames.CounterText(), "1 of 5");
    for (int i = 0; i < 4; ++i)
        frames.Next();
    EXPECT_EQ(frames.CounterText(), "5 of 5");

    frames.Load(1);
    frames.Next();
    EXPECT_EQ(frames.CounterText(), "1 of 1");
    frames.Load(0); // a set that could not be read
    EXPECT_EQ(frames.CounterText(), "");
    frames.Next();
    EXPECT_EQ(frames.Frame(), 0);
}

TEST(PictureSets, FramesAreNamedAtTheFirstBmpOfTheFileName)
{
    EXPECT_EQ(FrameFileName("x.bmp", 0), "x_frm00.bmp");
    EXPECT_EQ(FrameFileName("C:\\pics\\dragon.bmp", 1), "C:\\pics\\dragon_frm01.bmp");
    EXPECT_EQ(FrameFileName("a.bmp.bmp", 0), "a_frm00.bmp.bmp");
    EXPECT_EQ(FrameFileName("a.bmp", 123), "a_frm123.bmp");
    // A folder named like a bitmap is not split.
    EXPECT_EQ(FrameFileName("C:\\old.bmp\\dragon.bmp", 2), "C:\\old.bmp\\dragon_frm02.bmp");
    EXPECT_EQ(FrameFileName("/home/a.bmp/dragon.bmp", 2), "/home/a.bmp/dragon_frm02.bmp");
    // The lower-case ".bmp" comes first; another case only where there is none.
    EXPECT_EQ(FrameFileName("a.BMP.bmp", 0), "a.BMP_frm00.bmp");
    EXPECT_EQ(FrameFileName("C:\\PICS\\DRAGON.BMP", 3), "C:\\PICS\\DRAGON_frm03.BMP");
    // Without ".bmp" every frame is still written, the name kept whole.
    EXPECT_EQ(FrameFileName("C:\\pics\\dragon", 0), "C:\\pics\\dragon_frm00.bmp");
    EXPECT_EQ(FrameFileName("dragon.png", 4), "dragon.png_frm04.bmp");
    EXPECT_EQ(FrameFileName("C:\\old.bmp\\dragon", 0), "C:\\old.bmp\\dragon_frm00.bmp");
}
