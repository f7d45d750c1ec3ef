#pragma once
// The pictures of the main window's buttons, some chosen at random at every start, and where
// an image and a caption sit on a button.

#include "gamedata/PicFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CGameData;

namespace mainpictures {

// The generator (0 to 32767 per call), or a test's sequence.
using Random = std::function<int()>;

// The C runtime's generator of Windows, seeded once at start-up: each call gives 0 to 32767.
class SeededRandom {
public:
    explicit SeededRandom(uint32_t seed) : m_state(seed) {}
    int operator()()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    uint32_t m_state;
};

// The Item Viewer button's icon among count icons: rand() / (32767 / count) - 1, drawn anew for
// the refused numbers and 97 after 50 refusals. The number may lie outside the list (then the
// button gets no icon); -1 when the list is empty.
int ItemViewerIcon(int count, const Random& random);
// The Monster Viewer button's monster picture, 17 to 84: rand() / 481 + 16, drawn anew for the
// refused numbers and 84 after 50 refusals.
int MonsterPicture(const Random& random);

// A picture of the main window: a monster file by number ("MONnn.PIC") or a file by name,
// and the frames, scale and background to take from it.
struct PictureChoice {
    int number = -1; // -1: by name
    std::string name;
    pic::Request request;
};
PictureChoice ByNumber(int number, const pic::Request& request);
PictureChoice ByName(std::string name, const pic::Request& request);

// A picture on a button, with the margin and gap of BitmapPlacement.
struct ButtonPicture {
    PictureChoice picture;
    int margin = 4, gap = 4;
};

struct MainWindowPictures {
    ButtonPicture itemList;
    ButtonPicture monsterViewer; // its size sets the width of the right-hand column (MonsterButtonSize)
    ButtonPicture picViewer;
    ButtonPicture saveFiles;
    PictureChoice animation;     // the window's own picture, every frame
};

// The pictures of a start: the monster drawn with random, the Pic Viewer's by edition; every
// button picture on the button face colour.
MainWindowPictures ChooseMainPictures(bool gold, Colour face, const Random& random);

// Appends the frames of a choice; the number appended (0 also when the file cannot be read).
int LoadChoice(CGameData& game, const PictureChoice& choice, std::vector<Image>& frames);

struct Size {
    int width = 0, height = 0;
};
// The Monster Viewer button around its picture; the Pic Viewer and Save Files Viewer buttons
// take its width, and the window grows by as much as the button did.
Size MonsterButtonSize(int pictureWidth, int pictureHeight);

constexpr int kMapViewerIcon = 124;
constexpr int kAboutIcon = 127;

struct Placement {
    int imageX = 0, imageY = 0;
    int captionX = 0, captionY = 0;
};
// An icon: the image at x = 4, the caption 4 pixels after it; both centred vertically.
Placement IconPlacement(int buttonHeight, int iconWidth, int iconHeight, int captionHeight);
// A bitmap with margin m and gap g: the image at x = g, the caption at m + width + g.
Placement BitmapPlacement(int buttonHeight, int width, int height, int captionHeight, int margin, int gap);

} // namespace mainpictures
