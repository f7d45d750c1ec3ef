#include "gamedata/MainPictures.h"
#include "gamedata/CGameData.h"
#include "gamedata/ResourceStrings.h"

#include <algorithm>
#include <array>

namespace mainpictures {

namespace {
constexpr int kTries = 50;
constexpr std::array<int, 6> kRefusedIcons = {20, 77, 106, 117, 125, 126};
constexpr int kFallbackIcon = 97;
constexpr int kFallbackMonster = 84;

bool MonsterRefused(int number)
{
    static constexpr std::array<int, 10> kRefused = {36, 45, 50, 67, 68, 70, 71, 75, 76};
    return number < 17 || (number >= 52 && number <= 64) || (number >= 81 && number <= 83) ||
           std::find(kRefused.begin(), kRefused.end(), number) != kRefused.end();
}
} // namespace

int ItemViewerIcon(int count, const Random& random)
{
    if (count <= 0)
        return -1;
    const int divisor = std::max(32767 / count, 1);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        int number = random() / divisor - 1;
        if (std::find(kRefusedIcons.begin(), kRefusedIcons.end(), number) == kRefusedIcons.end())
            return number;
    }
    return kFallbackIcon;
}

int MonsterPicture(const Random& random)
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        int number = random() / 481 + 16;
        if (!MonsterRefused(number))
            return number;
    }
    return kFallbackMonster;
}

PictureChoice ByNumber(int number, const pic::Request& request) { return {number, {}, request}; }
PictureChoice ByName(std::string name, const pic::Request& request) { return {-1, std::move(name), request}; }

MainWindowPictures ChooseMainPictures(bool gold, Colour face, const Random& random)
{
    MainWindowPictures pictures;
    pictures.itemList.picture = ByNumber(4, {.scale = 1, .first = 2, .end = 3, .background = face});
    pictures.monsterViewer.picture = ByNumber(MonsterPicture(random), {.scale = 1, .end = 1, .background = face});
    if (gold)
        pictures.picViewer.picture = ByNumber(7, {.scale = 2, .first = 1, .end = 2, .background = face});
    else
        pictures.picViewer.picture = ByName(ResourceString(strings::kMainPicture), {.scale = 1, .first = 4, .end = 5, .background = face});
    pictures.saveFiles = {.picture = ByNumber(11, {.scale = 1, .first = 1, .end = 2, .background = face}),
                          .margin = 14,
                          .gap = 14};
    pictures.animation = ByNumber(63, {.scale = 2, .background = pic::kBackground});
    return pictures;
}

int LoadChoice(CGameData& game, const PictureChoice& choice, std::vector<Image>& frames)
{
    return choice.number >= 0 ? game.LoadPicByNumber(choice.number, frames, choice.request)
                              : game.LoadPicByName(choice.name, frames, choice.request);
}

Size MonsterButtonSize(int pictureWidth, int pictureHeight) { return {pictureWidth + 102, pictureHeight + 12}; }

Placement IconPlacement(int buttonHeight, int iconWidth, int iconHeight, int captionHeight)
{
    return {4, (buttonHeight - iconHeight) / 2, iconWidth + 8, (buttonHeight - captionHeight) / 2};
}

Placement BitmapPlacement(int buttonHeight, int width, int height, int captionHeight, int margin, int gap)
{
    return {gap, (buttonHeight - height) / 2, margin + width + gap, (buttonHeight - captionHeight) / 2};
}

} // namespace mainpictures
