#include "gamedata/MainPictures.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>

using namespace mainpictures;

namespace {
// A generator that gives the values in turn, then the last one forever.
Random Sequence(std::vector<int> values)
{
    auto next = std::make_shared<size_t>(0);
    return [values, next] { return values[std::min((*next)++, values.size() - 1)]; };
}
} // namespace

TEST(MainPictures, ItemViewerIconSkipsRefusedNumbers)
{
    // 128 icons: divisor 255; 255 * 21 / 255 - 1 = 20 (refused), then 255 * 6 -> 5.
    EXPECT_EQ(ItemViewerIcon(128, Sequence({255 * 21, 255 * 6})), 5);
    EXPECT_EQ(ItemViewerIcon(128, Sequence({0})), -1) << "the formula can give -1: no icon then";
    EXPECT_EQ(ItemViewerIcon(128, Sequence({255 * 126})), 97) << "50 refusals give 97";
    EXPECT_EQ(ItemViewerIcon(0, Sequence({1000})), -1);
}

TEST(MainPictures, MonsterPictureStaysInRangeAndSkipsRefusedNumbers)
{
    EXPECT_EQ(MonsterPicture(Sequence({0, 481 * 20})), 84) << "16, then 36 for ever: both refused";
    EXPECT_EQ(MonsterPicture(Sequence({0, 481 * 2})), 18) << "16 is below 17; 18 is taken";
    for (int value : {481 * 36, 481 * 40, 481 * 45, 481 * 65}) // 52, 56, 61 and 81 are refused
        EXPECT_EQ(MonsterPicture(Sequence({value})), 84) << value;
    // Every value the generator can give lands on an allowed picture.
    for (int value = 0; value <= 32767; value += 97) {
        int number = MonsterPicture(Sequence({value}));
        EXPECT_GE(number, 17);
        EXPECT_LE(number, 84);
    }
}

TEST(MainPictures, SeededChoicesNeverShowARefusedPicture)
{
    const std::set<int> refusedIcons = {20, 77, 106, 117, 125, 126};
    const std::set<int> refusedMonsters = {36, 45, 50, 52, 53, 54, 55, 56, 57, 58, 59, 60,
                                           61, 62, 63, 64, 67, 68, 70, 71, 75, 76, 81, 82, 83};
    std::set<int> icons, monsters;
    for (uint32_t seed = 0; seed < 20000; seed += 7) {
        SeededRandom random(seed);
        const Random draw = [&random] { return random(); };
        const int icon = ItemViewerIcon(128, draw);
        EXPECT_EQ(refusedIcons.count(icon), 0u) << "seed " << seed << " gave icon " << icon;
        EXPECT_GE(icon, -1);
        EXPECT_LT(icon, 128);
        const int monster = MonsterPicture(draw);
        EXPECT_TRUE(monster >= 17 && monster <= 84 && !refusedMonsters.count(monster))
            << "seed " << seed << " gave monster " << monster;
        icons.insert(icon);
        monsters.insert(monster);
    }
    // Starts a few milliseconds apart look different.
    EXPECT_GT(icons.size(), 100u);
    EXPECT_GT(monsters.size(), 40u);
}

TEST(MainPictures, ImagesAndCaptionsAreCentredVertically)
{
    Placement icon = IconPlacement(53, 26, 26, 15);
    EXPECT_EQ(icon.imageX, 4);
    EXPECT_EQ(icon.imageY, 13);
    EXPECT_EQ(icon.captionX, 34);
    EXPECT_EQ(icon.captionY, 19);
    Placement bitmap = BitmapPlacement(60, 40, 30, 15, 14, 14);
    EXPECT_EQ(bitmap.imageX, 14);
    EXPECT_EQ(bitmap.imageY, 15);
    EXPECT_EQ(bitmap.captionX, 68);
}

TEST(MainPictures, ThePicViewerButtonShowsEachEditionsOwnPicture)
{
    const Random any = Sequence({481 * 2});
    const MainWindowPictures gold = ChooseMainPictures(true, Rgb(9, 9, 9), any);
    EXPECT_EQ(gold.picViewer.picture.number, 7);
    EXPECT_EQ(gold.picViewer.picture.request.scale, 2);
    const MainWindowPictures first = ChooseMainPictures(false, Rgb(9, 9, 9), any);
    EXPECT_EQ(first.picViewer.picture.number, -1) << "a file by name";
    EXPECT_FALSE(first.picViewer.picture.name.empty());
    EXPECT_EQ(first.monsterViewer.picture.number, 18);
    EXPECT_EQ(first.saveFiles.margin, 14);
    EXPECT_EQ(first.animation.request.background, pic::kBackground) << "the animation is not on the button face";

    const Size button = MonsterButtonSize(40, 30);
    EXPECT_EQ(button.width, 142);
    EXPECT_EQ(button.height, 42);
}
