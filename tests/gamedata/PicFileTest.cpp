// PIC pictures: both layouts, the frame range, scale and centring, files cut short or lying
// about their counts, and the loaders of the store.

#include "gamedata/PicFile.h"
#include "tests/gamedata/PictureFixture.h"

#include <gtest/gtest.h>

using gamebuild::Edition;

namespace {

constexpr Colour kBack = Rgb(96, 96, 128);
const pic::Palette kPalette = TestPalette();

using Bytes = std::vector<uint8_t>;

void Put(Bytes& bytes, std::initializer_list<int> values)
{
    for (int value : values)
        bytes.push_back(static_cast<uint8_t>(value));
}
void PutRun(Bytes& bytes, size_t count, uint8_t value) { bytes.insert(bytes.end(), count, value); }

std::vector<Image> Decode(const Bytes& file, pic::Form form, int scale = 1, int first = 0, int end = 0)
{
    std::vector<Image> frames;
    int count = pic::Decode(file, form, kPalette, {scale, first, end, kBack}, frames);
    EXPECT_EQ(count, static_cast<int>(frames.size())) << "the result counts the frames appended";
    return frames;
}

// One frame of 2 x 1 blocks with only block 1 present; its pixel (x, y) is 16 + 8y + x,
// except (0, 0), which is transparent.
//   4B 00 00 00    S = 75: count 2 + table 4 + header 4 + mask 1 + one block 64
//   01 00          one frame
//   00 00 00 00    frame table
//   05 00 02 01    pixels at 5, 2 x 1 blocks
//   02             mask: block 1 only
Bytes OneFrameOfTwoBlocks()
{
    Bytes file;
    Put(file, {0x4B, 0, 0, 0, 1, 0, 0, 0, 0, 0, 5, 0, 2, 1, 0x02});
    for (int i = 0; i < 64; ++i)
        file.push_back(static_cast<uint8_t>(i == 0 ? 255 : 16 + i));
    return file;
}

// Frame A: 2 x 2 blocks, block 0 only, all pixels 40. Frame B: 4 x 2 blocks, block 7 only,
// all pixels 50. S = 2 + 8 + (5 + 64) + (5 + 64) = 148; the file is 152 bytes:
//   0 size | 4 count | 6 table | 14 A header | 18 A mask | 19 A pixels
//   | 83 B header | 87 B mask | 88 B pixels | 152 end
Bytes TwoFrames()
{
    Bytes file;
    Put(file, {148, 0, 0, 0, 2, 0});
    PutRun(file, 8, 0);
    Put(file, {5, 0, 2, 2, 0x01});
    PutRun(file, 64, 40);
    Put(file, {5, 0, 4, 2, 0x80});
    PutRun(file, 64, 50);
    return file;
}

// count frames of one block each, frame f all of colour 10 (f + 1).
Bytes OneBlockFrames(int count)
{
    Bytes file(4, 0);
    Put(file, {count, 0});
    PutRun(file, 4 * count, 0);
    for (int f = 0; f < count; ++f) {
        Put(file, {5, 0, 1, 1, 1});
        PutRun(file, 64, static_cast<uint8_t>(10 * (f + 1)));
    }
    uint32_t rest = static_cast<uint32_t>(file.size() - 4);
    file[0] = rest & 0xFF;
    file[1] = rest >> 8;
    return file;
}

// Plain form: one frame of width and height units, stored pixel (x, y) given by value.
template <typename Value>
Bytes PlainFrame(int width, int height, Value value)
{
    Bytes file;
    Put(file, {1, 0, width, height, 0, 0, 0, 0});
    for (int y = 0; y < 8 * height; ++y)
        for (int x = 0; x < 8 * width; ++x)
            file.push_back(static_cast<uint8_t>(value(x, y)));
    return file;
}

std::vector<Colour> FrameColours(const std::vector<Image>& frames)
{
    std::vector<Colour> colours;
    for (const Image& frame : frames)
        colours.push_back(frame.Pixel(0, 0));
    return colours;
}

} // namespace

TEST(PicFile, TheFormFollowsTheLengthField)
{
    EXPECT_EQ(pic::FormOf(OneFrameOfTwoBlocks()), pic::Form::MaskedBlocks);
    Bytes longer = OneFrameOfTwoBlocks();
    longer.push_back(0);
    EXPECT_EQ(pic::FormOf(longer), pic::Form::Plain);
    EXPECT_EQ(pic::FormOf(Bytes{}), pic::Form::Plain);
    EXPECT_EQ(pic::FormOf(Bytes{0, 0, 0, 0}), pic::Form::MaskedBlocks) << "an empty rest";
    EXPECT_TRUE(Decode(Bytes{}, pic::Form::Plain).empty());
}

TEST(PicFile, MaskedBlocksDrawOnlyThePresentBlocksAtTheirPlace)
{
    std::vector<Image> frames = Decode(OneFrameOfTwoBlocks(), pic::Form::MaskedBlocks, 2);
    ASSERT_EQ(frames.size(), 1u);
    const Image& image = frames[0];
    ASSERT_EQ(image.Width(), 32);
    ASSERT_EQ(image.Height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.Pixel(x, y), kBack) << "block 0 is absent: " << x << "," << y;
    // Each pixel is a 2 x 2 square: block pixel (1, 0) = 17 at (18..19, 0..1).
    EXPECT_EQ(image.Pixel(18, 0), kPalette[17]);
    EXPECT_EQ(image.Pixel(19, 1), kPalette[17]);
    EXPECT_EQ(image.Pixel(16, 0), kBack) << "255 is transparent";
    EXPECT_EQ(image.Pixel(17, 1), kBack);
    EXPECT_EQ(image.Pixel(31, 15), kPalette[16 + 63]);
    EXPECT_EQ(image.Pixel(16, 2), kPalette[16 + 8]) << "rows run top first";
}

TEST(PicFile, FramesShareOneSizeAndAreCentred)
{
    std::vector<Image> frames = Decode(TwoFrames(), pic::Form::MaskedBlocks);
    ASSERT_EQ(frames.size(), 2u);
    for (const Image& frame : frames) {
        EXPECT_EQ(frame.Width(), 32);
        EXPECT_EQ(frame.Height(), 16);
    }
    // Frame A (16 pixels wide) sits 8 pixels in; its block 0 fills (8..15, 0..7).
    EXPECT_EQ(frames[0].Pixel(7, 0), kBack);
    EXPECT_EQ(frames[0].Pixel(8, 0), kPalette[40]);
    EXPECT_EQ(frames[0].Pixel(15, 7), kPalette[40]);
    EXPECT_EQ(frames[0].Pixel(16, 0), kBack);
    EXPECT_EQ(frames[0].Pixel(8, 8), kBack);
    // Frame B fills the width; block 7 is the last of its second row.
    EXPECT_EQ(frames[1].Pixel(24, 8), kPalette[50]);
    EXPECT_EQ(frames[1].Pixel(23, 8), kBack);
    EXPECT_EQ(frames[1].Pixel(31, 7), kBack);

    // Centring uses the largest frame of those produced only.
    std::vector<Image> alone = Decode(TwoFrames(), pic::Form::MaskedBlocks, 1, 0, 1);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].Width(), 16);
    EXPECT_EQ(alone[0].Pixel(0, 0), kPalette[40]);
}

TEST(PicFile, TheFrameRangeIsSettledAgainstTheCount)
{
    EXPECT_EQ(pic::SettleEnd(0, 5), 5);
    EXPECT_EQ(pic::SettleEnd(6, 5), 5);
    EXPECT_EQ(pic::SettleEnd(3, 5), 3);
    EXPECT_EQ(pic::SettleEnd(-1, 5), 4);
    EXPECT_EQ(pic::SettleEnd(-1, 1), 1) << "nothing left: all frames";
    EXPECT_EQ(pic::SettleEnd(-2, 1), -1);

    const Bytes file = OneBlockFrames(4);
    auto colours = [&](int first, int end) {
        return FrameColours(Decode(file, pic::Form::MaskedBlocks, 1, first, end));
    };
    const Colour c10 = kPalette[10], c20 = kPalette[20], c30 = kPalette[30], c40 = kPalette[40];
    EXPECT_EQ(colours(2, 3), (std::vector<Colour>{c30}));
    EXPECT_EQ(colours(0, 0), (std::vector<Colour>{c10, c20, c30, c40}));
    EXPECT_EQ(colours(1, 9), (std::vector<Colour>{c20, c30, c40}));
    EXPECT_EQ(colours(0, -1), (std::vector<Colour>{c10, c20, c30}));
    EXPECT_EQ(colours(1, -2), (std::vector<Colour>{c20}));
    EXPECT_TRUE(colours(3, 3).empty());
    EXPECT_TRUE(colours(0, -5).empty());
    EXPECT_TRUE(colours(4, 0).empty());
    EXPECT_EQ(colours(-2, 2), (std::vector<Colour>{c10, c20})) << "a first frame below 0 is frame 0";
    EXPECT_EQ(FrameColours(Decode(OneBlockFrames(1), pic::Form::MaskedBlocks, 1, 0, -1)), (std::vector<Colour>{c10}));
}

TEST(PicFile, ScaleRulesOfBothForms)
{
    // Masked: every pixel a square of the scale; a scale below 1 draws as 1.
    EXPECT_EQ(Decode(TwoFrames(), pic::Form::MaskedBlocks, 1)[1].Width(), 32);
    EXPECT_EQ(Decode(TwoFrames(), pic::Form::MaskedBlocks, 3)[1].Width(), 96);
    EXPECT_EQ(Decode(TwoFrames(), pic::Form::MaskedBlocks, 0)[1].Width(), 32);

    // Plain, 4 x 4 units stored (32 x 32): scale 1 keeps the even pixels of the even rows,
    // whose values are 1 + (x / 2 + 16 (y / 2)) mod 253; every other stored pixel is 254.
    const Bytes plain =
        PlainFrame(4, 4, [](int x, int y) { return x % 2 || y % 2 ? 254 : 1 + (x / 2 + 16 * (y / 2)) % 253; });
    std::vector<Image> half = Decode(plain, pic::Form::Plain, 1);
    ASSERT_EQ(half.size(), 1u);
    ASSERT_EQ(half[0].Width(), 16);
    ASSERT_EQ(half[0].Height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(half[0].Pixel(x, y), kPalette[1 + (x + 16 * y) % 253]) << x << "," << y;
    // Any other scale draws it as stored.
    for (int scale : {2, 3}) {
        std::vector<Image> whole = Decode(plain, pic::Form::Plain, scale);
        ASSERT_EQ(whole[0].Width(), 32);
        EXPECT_EQ(whole[0].Pixel(1, 0), kPalette[254]);
        EXPECT_EQ(whole[0].Pixel(2, 2), kPalette[2 + 16]);
    }
}

TEST(PicFile, PlainFramesAreCentredAndTransparentWhere255)
{
    // Two frames: 1 x 1 units of 7 with a transparent first pixel, then 2 x 1 units of 9.
    Bytes file;
    Put(file, {2, 0, 1, 1, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0});
    file.push_back(255);
    PutRun(file, 63, 7);
    PutRun(file, 128, 9);
    std::vector<Image> frames = Decode(file, pic::Form::Plain, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].Width(), 16);
    EXPECT_EQ(frames[0].Height(), 8);
    EXPECT_EQ(frames[0].Pixel(3, 0), kBack);
    EXPECT_EQ(frames[0].Pixel(4, 0), kBack) << "the transparent pixel, 4 in";
    EXPECT_EQ(frames[0].Pixel(5, 0), kPalette[7]);
    EXPECT_EQ(frames[0].Pixel(11, 7), kPalette[7]);
    EXPECT_EQ(frames[0].Pixel(12, 7), kBack);
    EXPECT_EQ(frames[1].Pixel(0, 0), kPalette[9]);
    EXPECT_EQ(frames[1].Pixel(15, 7), kPalette[9]);
}

TEST(PicFile, AMaskedFileCutAtEachSectionGivesWhatItHolds)
{
    struct Cut {
        size_t length;
        size_t frames;
    };
    // A frame is there once its header, its mask and its first pixel are; pixels cut away
    // after that are background.
    const Cut cuts[] = {{0, 0},  {2, 0},  {5, 0},  {6, 0},  {14, 0}, {16, 0}, {18, 0},  {19, 0},
                        {20, 1}, {51, 1}, {83, 1}, {87, 1}, {88, 1}, {89, 2}, {120, 2}, {152, 2}};
    for (const Cut& cut : cuts) {
        Bytes file = TwoFrames();
        file.resize(cut.length);
        std::vector<Image> frames = Decode(file, pic::Form::MaskedBlocks);
        ASSERT_EQ(frames.size(), cut.frames) << "cut at " << cut.length;
        for (const Image& frame : frames)
            for (Colour colour : frame.Pixels())
                ASSERT_TRUE(colour == kBack || colour == kPalette[40] || colour == kPalette[50])
                    << "cut at " << cut.length;
    }

    // Cut after A's first pixel: the rest of its block is background.
    Bytes onePixel = TwoFrames();
    onePixel.resize(20);
    EXPECT_EQ(Decode(onePixel, pic::Form::MaskedBlocks)[0].Pixel(0, 0), kPalette[40]);
    EXPECT_EQ(Decode(onePixel, pic::Form::MaskedBlocks)[0].Pixel(1, 0), kBack);
    // Cut after 32 of A's 64 pixels: its top four rows only.
    Bytes half = TwoFrames();
    half.resize(51);
    Image a = Decode(half, pic::Form::MaskedBlocks)[0];
    EXPECT_EQ(a.Pixel(7, 3), kPalette[40]);
    EXPECT_EQ(a.Pixel(0, 4), kBack);
    // Cut one byte short: B's last pixel only is missing.
    Bytes short1 = TwoFrames();
    short1.pop_back();
    Image b = Decode(short1, pic::Form::MaskedBlocks)[1];
    EXPECT_EQ(b.Pixel(30, 15), kPalette[50]);
    EXPECT_EQ(b.Pixel(31, 15), kBack);
}

TEST(PicFile, CountsBeyondTheFileAndNegativeCounts)
{
    // Masked: a count of 3 whose table is there but whose last frame is not gives the two
    // frames held, and the range is settled against those.
    Bytes fewer = OneBlockFrames(3);
    fewer.resize(fewer.size() - 69);
    EXPECT_EQ(Decode(fewer, pic::Form::MaskedBlocks).size(), 2u);
    EXPECT_EQ(Decode(fewer, pic::Form::MaskedBlocks, 1, 0, -1).size(), 1u);
    // A count whose frame table alone runs past the end gives nothing.
    Bytes table = OneBlockFrames(1);
    table[4] = 40;
    EXPECT_TRUE(Decode(table, pic::Form::MaskedBlocks).empty());

    // A frame of 255 x 255 blocks whose mask runs past the end, or whose pixels would begin
    // inside its own mask, ends the picture; so does a frame that would begin where the last
    // one did, however large the count.
    Bytes huge;
    Put(huge, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0x10, 0, 255, 255, 0xFF, 0xFF});
    EXPECT_TRUE(Decode(huge, pic::Form::MaskedBlocks).empty());
    Bytes inside = OneBlockFrames(1);
    inside[10] = 4; // pixels at 4: on the mask
    EXPECT_TRUE(Decode(inside, pic::Form::MaskedBlocks).empty());
    // 32767 frames whose first has its pixels at 0, on its own header: without the rule every
    // frame would begin at the same place and the picture would be that frame 32767 times.
    Bytes repeating;
    Put(repeating, {0, 0, 0, 0, 0xFF, 0x7F});
    PutRun(repeating, 4 * 32767, 0);
    Put(repeating, {0, 0, 1, 1, 0});
    EXPECT_TRUE(Decode(repeating, pic::Form::MaskedBlocks).empty());

    // A negative count (0xFFFF is -1) is no frame, in either form.
    Bytes negative = TwoFrames();
    negative[4] = 0xFF, negative[5] = 0xFF;
    EXPECT_TRUE(Decode(negative, pic::Form::MaskedBlocks).empty());
    Bytes plainNegative = PlainFrame(1, 1, [](int, int) { return 3; });
    plainNegative[0] = 0xFF, plainNegative[1] = 0xFF;
    EXPECT_TRUE(Decode(plainNegative, pic::Form::Plain).empty());

    // Plain: a count of 100 in a file of 72 bytes: the 11 headers it holds would have their
    // pixels from 602 on, beyond the end, so there is no frame.
    Bytes plainMany = PlainFrame(1, 1, [](int, int) { return 1; });
    plainMany[0] = 100;
    EXPECT_TRUE(Decode(plainMany, pic::Form::Plain, 2).empty());
    // Frames without pixels (0 x 4 and 3 x 0 units) need none in the file; together they
    // still span 3 x 4 units.
    Bytes empty;
    Put(empty, {2, 0, 0, 4, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0});
    std::vector<Image> none = Decode(empty, pic::Form::Plain, 2);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[0].Width(), 24);
    EXPECT_EQ(none[1].Height(), 32);
    EXPECT_EQ(none[1].Pixel(0, 0), kBack);
    // Frames without pixels that would begin beyond the end, after a frame cut short, are not held.
    Bytes cut;
    Put(cut, {3, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 7, 7});
    EXPECT_EQ(Decode(cut, pic::Form::Plain, 2).size(), 1u);
}

TEST(PicFile, FramesOfAFewBytesCannotAskForGigabytes)
{
    // Plain: one frame of 255 x 255 units with its first pixel held, after 30000 frames of
    // 0 x 0 units. Each frame is drawn at 2040 x 2040 pixels at scale 2, so all of them would
    // need 500 gigabytes; the frames produced stay within 2^24 pixels, and there is one at least.
    Bytes plain;
    Put(plain, {0x31, 0x75});
    PutRun(plain, 6 * 30000, 0);
    Put(plain, {255, 255, 0, 0, 0, 0, 9});
    std::vector<Image> frames = Decode(plain, pic::Form::Plain, 2);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0].Width(), 2040);
    EXPECT_LE(frames.size() * 2040 * 2040, size_t{1} << 24);
    EXPECT_EQ(Decode(plain, pic::Form::Plain, 2, 30000).size(), 1u) << "the last frame alone fits";

    // Masked: 255 x 255 blocks with every block present need 8 KB of mask and the first pixel;
    // at scale 2 that frame alone is 4080 x 4080 pixels.
    Bytes masked;
    Put(masked, {0, 0, 0, 0, 3, 0});
    PutRun(masked, 12, 0);
    Put(masked, {4, 0, 0, 0, 4, 0, 0, 0});
    Put(masked, {static_cast<int>(4 + 8129), 0x1F, 255, 255});
    PutRun(masked, 8129, 0xFF);
    Put(masked, {5});
    std::vector<Image> large = Decode(masked, pic::Form::MaskedBlocks, 2);
    ASSERT_EQ(large.size(), 1u) << "two empty frames, then the large one: only one fits";
    EXPECT_EQ(large[0].Width(), 4080);
}

TEST(PicFile, APlainFileCutShortGivesWhatItHolds)
{
    // Two frames of 1 x 1 units: headers at 2 and 8, pixels at 14 and 78; 142 bytes.
    Bytes file;
    Put(file, {2, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0});
    PutRun(file, 64, 20);
    PutRun(file, 64, 30);
    const std::pair<size_t, size_t> cuts[] = {{1, 0},  {2, 0},  {7, 0},  {8, 0},  {14, 0},
                                              {15, 1}, {46, 1}, {78, 1}, {79, 2}, {142, 2}};
    for (auto [length, count] : cuts) {
        Bytes cut = file;
        cut.resize(length);
        EXPECT_EQ(Decode(cut, pic::Form::Plain, 2).size(), count) << "cut at " << length;
    }
    Bytes half = file;
    half.resize(110); // frame 1's first four rows
    std::vector<Image> frames = Decode(half, pic::Form::Plain, 2);
    EXPECT_EQ(frames[0].Pixel(7, 7), kPalette[20]);
    EXPECT_EQ(frames[1].Pixel(7, 3), kPalette[30]);
    EXPECT_EQ(frames[1].Pixel(0, 4), kBack);
}

TEST(PicFile, TheStoreFindsPicturesByNumberAndName)
{
    TempFolder folder;
    gamebuild::Installation installation = SmallInstallation();
    gamebuild::PicFrame frame{8, 8, std::vector<uint8_t>(64, 33)};
    installation.pictures["MON05.PIC"] = {pic::Form::MaskedBlocks, {frame, frame}};
    installation.pictures["MON100.PIC"] = {pic::Form::MaskedBlocks, {frame}};
    installation.pictures["title.pic"] = {pic::Form::Plain, {frame, frame, frame}};
    auto loaded = LoadGame(installation, folder);
    CGameData& game = *loaded->game;

    std::vector<Image> frames;
    EXPECT_EQ(game.LoadPicByNumber(5, frames, {.scale = 1, .background = kBack}), 2);
    EXPECT_EQ(game.LoadPicByNumber(100, frames, {.scale = 1, .background = kBack}), 1);
    EXPECT_EQ(game.LoadPicByName("title.pic", frames, {.scale = 2, .first = 1, .background = kBack}), 2);
    ASSERT_EQ(frames.size(), 5u) << "frames are appended to what the list holds";
    EXPECT_EQ(frames[0].Pixel(0, 0), kPalette[33]);
    EXPECT_TRUE(loaded->platform.errors.empty());

    EXPECT_EQ(game.LoadPicByNumber(6, frames, {.scale = 1, .background = kBack}), 0);
    EXPECT_EQ(frames.size(), 5u);
    ASSERT_EQ(loaded->platform.errors.size(), 1u);
    EXPECT_EQ(loaded->platform.errors[0], "Error while opening file " + folder.Path() +
                                              "\\MON06.PIC\nPictures cannot be retrieved!\n"
                                              "Make sure you supplied the correct path to Wizardry VII installation "
                                              "folder.");
}

TEST(PicFile, TheMonsterFrameMarkLeavesOutTheLastFrames)
{
    struct Case {
        uint8_t mark;
        size_t first, gold; // frames of a four-frame picture shown in each edition
    };
    const Case cases[] = {{'0', 3, 3}, {'*', 3, 3}, {'+', 3, 2}, {'1', 4, 4}, {0, 4, 4}};
    for (Edition edition : {Edition::First, Edition::Gold}) {
        TempFolder folder;
        gamebuild::Installation installation = SmallInstallation(edition);
        gamebuild::PicFrame frame{8, 8, std::vector<uint8_t>(64, 33)};
        for (int i = 0; i < 5; ++i) {
            installation.scenario.monsters[i][215] = cases[i].mark;
            installation.pictures["MON0" + std::to_string(i) + ".PIC"] = {pic::Form::MaskedBlocks,
                                                                          std::vector<gamebuild::PicFrame>(4, frame)};
        }
        auto loaded = LoadGame(installation, folder);
        for (int i = 0; i < 5; ++i) {
            std::vector<Image> frames;
            int count = loaded->game->LoadMonsterPicture(i, frames, 2);
            size_t expected = edition == Edition::Gold ? cases[i].gold : cases[i].first;
            EXPECT_EQ(count, static_cast<int>(expected)) << "mark " << int(cases[i].mark);
            ASSERT_EQ(frames.size(), expected);
            EXPECT_EQ(frames[0].Width(), 16);
        }
        // Monster 261 has no record: all frames of MON05.PIC (261 modulo 256), on the monster background.
        installation.pictures.clear();
        installation.pictures["MON05.PIC"] = {pic::Form::MaskedBlocks,
                                              std::vector<gamebuild::PicFrame>(2, gamebuild::PicFrame{16, 8, {}})};
        ASSERT_TRUE(installation.Write(folder.Path()));
        std::vector<Image> frames;
        EXPECT_EQ(loaded->game->LoadMonsterPicture(261, frames, 1), 2);
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[1].Pixel(0, 0), kBack);
    }
}
