#pragma once
// The Save File Viewer's spell tree: six realm items with the spells as their children, the
// realm animation, and the tree's image list (sphere frames, the unknown-spell image, then
// the thirteen school icons).

#include "gamedata/Image.h"
#include "saves/CharacterRecord.h"

#include <array>
#include <string>
#include <vector>

class CGameData;

namespace spelltree {
constexpr int kImageWidth = 20;
constexpr int kImageHeight = 19;
constexpr int kSpherePicture = 3; // the picture number the sphere frames are cut from
constexpr int kUnknownIcon = 127; // the item icon drawn into the unknown-spell image
constexpr int kSchoolIcons = 13;  // in the program's bitmap 151, white as mask
constexpr int kSchoolBitmap = 151;

// The realm of a spell 0 to 95 (0 to 5), or -1.
int RealmOf(int spell);
// The image of a realm's spells (a frame of its animation, which realm items cycle through).
int RealmImage(int realm);
// The school icon of a school code 1 to 14, counted after the unknown-spell image; -1 for none.
int SchoolIcon(int school);
} // namespace spelltree

// The realm icons' frames: each realm runs through its own range of the sphere frames.
class RealmAnimation {
public:
    RealmAnimation();
    int Frame(int realm) const;
    // One step: each realm marked advances, wrapping to its first frame after its last.
    void Advance(const std::array<bool, character::kRealms>& realms);

private:
    struct Range {
        int current, first, last;
    };
    std::array<Range, character::kRealms> m_ranges;
};

struct SpellTreeOptions {
    bool showLearned = true;
    bool showUnknown = false;
    bool schoolIcons = false;
    int sphereFrames = 0; // the number of sphere frames at the head of the image list
};

// The Save File Viewer's options, kept as one number in the settings ("vsavefiledata").
namespace viewoptions {
constexpr uint32_t kAnimation = 1;
constexpr uint32_t kShowLearned = 2;
constexpr uint32_t kShowUnknown = 4;
constexpr uint32_t kLatestFileType = 8;
constexpr uint32_t kSchoolIcons = 16;
constexpr uint32_t kDefault = kAnimation | kShowLearned | kLatestFileType;

constexpr SpellTreeOptions TreeOptions(uint32_t options, int sphereFrames)
{
    return {(options & kShowLearned) != 0, (options & kShowUnknown) != 0, (options & kSchoolIcons) != 0, sphereFrames};
}
} // namespace viewoptions

struct SpellNode {
    int spell = 0;
    bool known = false;
    std::string text;
    int image = 0;
};

struct RealmNode {
    std::string text;
    int image = 0; // the realm's current animation frame
    std::vector<SpellNode> spells;
};

using SpellTree = std::array<RealmNode, character::kRealms>;

// The realm item's text: with spell points "%s [SP %i/%i, Regen %i]", else "%s [Regen %i]".
std::string RealmText(const CGameData& game, const CharacterRecord& record, int realm);
// A spell's text: "%s [%i/%i]" with its level and cost when the spell table has it, else the name.
std::string SpellText(const CGameData& game, int spell);

// Each realm lists the known spells in ascending order ahead of the unknown ones.
SpellTree BuildSpellTree(const CGameData& game, const CharacterRecord& record, const SpellTreeOptions& options,
                         const RealmAnimation& animation);

// The tree's image list on the window colour (its mask): the frames of picture 3 cut to the
// sphere frames (their number goes to sphereFrames), the unknown-spell image, then the school
// icons of schoolBitmap (260 x 19; an empty image leaves them out).
ImageList BuildSpellTreeImages(CGameData& game, Colour window, const Image& schoolBitmap, int& sphereFrames);
