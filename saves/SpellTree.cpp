#include "saves/SpellTree.h"
#include "gamedata/CGameData.h"
#include "gamedata/Format.h"
#include "gamedata/ResourceStrings.h"
#include "gamedata/SpellTable.h"

namespace spelltree {

namespace {
// The first spell of each realm, and the end of the last.
constexpr int kRealmStarts[character::kRealms + 1] = {0, 11, 26, 43, 57, 78, 96};
// Sphere frames: the first and last of each realm's animation.
constexpr int kRealmFrames[character::kRealms][2] = {{0, 5}, {6, 10}, {11, 14}, {15, 21}, {22, 25}, {26, 28}};
// The image of each realm's spells: not always the first frame of its animation (realm 3's is 17).
constexpr int kRealmSpellImages[character::kRealms] = {0, 6, 11, 17, 22, 26};
// School codes 1 to 14; code 13 has no icon.
constexpr int kSchoolIconOf[14] = {10, 11, 7, 12, 4, 3, 1, 13, 5, 2, 6, 8, -1, 9};
} // namespace

int RealmOf(int spell)
{
    for (int realm = 0; realm < character::kRealms; ++realm)
        if (spell >= kRealmStarts[realm] && spell < kRealmStarts[realm + 1])
            return realm;
    return -1;
}

int RealmImage(int realm) { return realm >= 0 && realm < character::kRealms ? kRealmSpellImages[realm] : 0; }

int SchoolIcon(int school) { return school >= 1 && school <= 14 ? kSchoolIconOf[school - 1] : -1; }

} // namespace spelltree

using namespace spelltree;

RealmAnimation::RealmAnimation()
{
    for (int realm = 0; realm < character::kRealms; ++realm)
        m_ranges[realm] = {kRealmFrames[realm][0], kRealmFrames[realm][0], kRealmFrames[realm][1]};
}

int RealmAnimation::Frame(int realm) const
{
    return realm >= 0 && realm < character::kRealms ? m_ranges[realm].current : 0;
}

void RealmAnimation::Advance(const std::array<bool, character::kRealms>& realms)
{
    for (int realm = 0; realm < character::kRealms; ++realm) {
        Range& range = m_ranges[realm];
        if (realms[realm] && ++range.current > range.last)
            range.current = range.first;
    }
}

std::string RealmText(const CGameData& game, const CharacterRecord& record, int realm)
{
    const char* name = game.RealmName(realm).c_str();
    if (record.maxSpellPoints(realm))
        return Format("%s [SP %i/%i, Regen %i]", name, record.spellPoints(realm), record.maxSpellPoints(realm),
                      record.spellRegen(realm));
    return Format("%s [Regen %i]", name, record.spellRegen(realm));
}

std::string SpellText(const CGameData& game, int spell)
{
    const uint8_t* entry = game.GetSpell(spell);
    if (!entry)
        return game.SpellName(spell);
    return FormatV(ResourceString(strings::kSpellEntry), game.SpellName(spell).c_str(), entry[spells::kLevel], entry[spells::kCost]);
}

namespace {

SpellNode SpellNodeOf(const CGameData& game, int spell, bool known, const SpellTreeOptions& options)
{
    SpellNode node{spell, known, SpellText(game, spell), RealmImage(RealmOf(spell))};
    const uint8_t* entry = game.GetSpell(spell);
    if (options.schoolIcons) {
        if (!known)
            node.text = "?" + node.text;
        const int icon = entry ? SchoolIcon(entry[spells::kSchool]) : -1;
        if (icon >= 0)
            node.image = options.sphereFrames + icon;
    } else if (!known) {
        node.image = options.sphereFrames;
    }
    return node;
}

} // namespace

SpellTree BuildSpellTree(const CGameData& game, const CharacterRecord& record, const SpellTreeOptions& options,
                         const RealmAnimation& animation)
{
    SpellTree tree;
    for (int realm = 0; realm < character::kRealms; ++realm) {
        tree[realm].text = RealmText(game, record, realm);
        tree[realm].image = animation.Frame(realm);
    }
    // Known spells first, each pass in ascending order.
    for (bool known : {true, false}) {
        if (known ? !options.showLearned : !options.showUnknown)
            continue;
        for (int spell = 0; spell < character::kSpells; ++spell)
            if (record.knowsSpell(spell) == known)
                tree[RealmOf(spell)].spells.push_back(SpellNodeOf(game, spell, known, options));
    }
    return tree;
}

namespace {
// Where each sphere frame lies in its picture frame.
constexpr int kSphereCorners[29][2] = {
    {4, 0}, {4, 0}, {4, 0}, {4, 0},  {4, 0}, {4, 0}, {5, 2}, {3, 2}, {2, 2}, {5, 2},
    {5, 2}, {0, 0}, {5, 3}, {11, 2}, {6, 0}, {4, 0}, {4, 0}, {2, 0}, {2, 0}, {0, 0},
    {0, 0}, {3, 0}, {5, 0}, {5, 0},  {5, 0}, {5, 0}, {6, 0}, {6, 0}, {6, 0},
};
} // namespace

ImageList BuildSpellTreeImages(CGameData& game, Colour window, const Image& schoolBitmap, int& sphereFrames)
{
    ImageList list(kImageWidth, kImageHeight, window);
    std::vector<Image> frames;
    sphereFrames = game.LoadPicByNumber(kSpherePicture, frames, {.scale = 1, .background = window});
    for (size_t k = 0; k < frames.size(); ++k) {
        const int* corner = kSphereCorners[k < std::size(kSphereCorners) ? k : 0];
        Image cell(kImageWidth, kImageHeight, window);
        cell.Draw(frames[k], -corner[0], -corner[1]);
        list.Add(cell);
    }
    Image unknown(kImageWidth, kImageHeight, window);
    if (game.IconImages().Count() > kUnknownIcon) {
        const Colour mask = game.IconImages().Mask();
        unknown.Draw(*game.IconImages().Get(kUnknownIcon), 0, 0, &mask);
    }
    list.Add(unknown);
    for (int i = 0; i < kSchoolIcons && (i + 1) * kImageWidth <= schoolBitmap.Width(); ++i) {
        Image cell(kImageWidth, kImageHeight, window);
        for (int y = 0; y < kImageHeight; ++y)
            for (int x = 0; x < kImageWidth; ++x) {
                const Colour pixel = schoolBitmap.Pixel(i * kImageWidth + x, y);
                if (pixel != Rgb(255, 255, 255))
                    cell.SetPixel(x, y, pixel);
            }
        list.Add(cell);
    }
    return list;
}
