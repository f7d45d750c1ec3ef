// The demo's pictures: the palette, the item images at both sizes, the 15 state marks and a
// proportional font for the printable characters.

#include "gamedata/ImageSetFile.h"
#include "testing/DemoImages.h"
#include "testing/DemoPalette.h"
#include "testing/art/ItemArt.h"

#include <algorithm>
#include <map>
#include <utility>

namespace gamebuild {

namespace {

constexpr int kSmallSide = 14; // "vcfont1.vga": cells of 16 x 16 with the border
constexpr int kMarkSide = 9;   // "vcfont2.vga": the state marks' size, doubled in the large list

// The nearest colour of the palette as the game stores it (6 bits a channel). Index 255 is
// transparent in image sets, so it is never chosen.
class Quantizer {
public:
    explicit Quantizer(const std::array<Colour, 256>& palette)
    {
        for (size_t i = 0; i < palette.size(); ++i)
            m_stored[i] = Rgb(RedOf(palette[i]) & ~3, GreenOf(palette[i]) & ~3, BlueOf(palette[i]) & ~3);
    }

    uint8_t Index(Colour colour)
    {
        auto known = m_cache.find(colour);
        if (known != m_cache.end())
            return known->second;
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < 255; ++i) {
            long dr = RedOf(colour) - RedOf(m_stored[i]), dg = GreenOf(colour) - GreenOf(m_stored[i]),
                 db = BlueOf(colour) - BlueOf(m_stored[i]);
            long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return m_cache[colour] = static_cast<uint8_t>(best);
    }

    std::vector<uint8_t> Indexes(const Image& image, Colour transparent)
    {
        std::vector<uint8_t> indexes;
        for (Colour colour : image.Pixels())
            indexes.push_back(colour == transparent ? imageset::kTransparent : Index(colour));
        return indexes;
    }

private:
    std::array<Colour, 256> m_stored{};
    std::map<Colour, uint8_t> m_cache;
};

// The marks, drawn in letters of the key below; mark 8 uses only colours 64 to 71 (digits 0 to
// 7), which the program recolours for marks 12 and 13.
constexpr const char* kMarks[15][9] = {
    {"..kkkkk..", ".kGGgggk.", "kGgggggdk", "kgkkgkkdk", "kgkkgkkdk", "kgggkgddk", ".kgggddk.", "..kgkdk..", "...kkk..."},
    {"...kkkkk.", "..kyyyyk.", "..kyyyk..", ".kyyyykkk", ".kkkyyyyk", "...kyyyk.", "..kyyyk..", "..kyyk...", ".kkkk...."},
    {"kkkkkkkk.", "kbbbbbbk.", "kkkkkbbk.", "...kbbk..", "..kbbk...", ".kbbkkkk.", "kbbbbbbk.", "kkkkkkkk.", "........."},
    {"...kkkk..", "...kook..", "...kook..", "...kook..", "...kOOk..", "...kkkk..", "...kkkk..", "...kook..", "...kkkk.."},
    {"r........", ".rkkkkk..", ".krwwwwk.", "kwwrbbwwk", "kwbkrbwwk", "kwwbbrwwk", ".kwwwwrk.", "..kkkkkr.", "........r"},
    {"..kkkkk..", ".kvvvvvk.", "kvvkvvvvk", "kvvvvvkvk", "kvkvvvvvk", "kvvvvkvvk", "kvvkvvvvk", ".kvvvvvk.", "..kkkkk.."},
    {".........", ".kkkkkkk.", "kllllllmk", "klmllkmmk", "kllkllmmk", "klllmlmmk", "kmmmmmmmk", ".kkkkkkk.", "........."},
    {".kkkkkkk.", "kvvvvvvvk", "kvkkkkkvk", "kvkvvvkvk", "kvkvkvkvk", "kvkkkvkvk", "kvvvvvkvk", "kkkkkkkvk", "......kkk"},
    {"....0....", "...050...", "...050...", "..05550..", ".0575550.", ".0755530.", ".0555530.", "..03330..", "...000..."},
    {"....k....", ".k.kok.k.", "..koook..", ".kooOook.", "kooOOOook", ".kooOook.", "..koook..", ".k.kok.k.", "....k...."},
    {"..kkkkk..", ".kwweeek.", "kweeeeeEk", "kekkekkEk", "kekkekkEk", "keeekeEEk", ".keeeEEk.", "..kekEk..", "...kkk..."},
    {".........", ".........", ".kkkkkkk.", "kfffffffk", "kmkmkmkmk", "kFFFFFFFk", ".kkkkkkk.", ".........", "........."},
    {"....0....", "...050...", "...050...", "..05550..", ".0575550.", ".0755530.", ".0555530.", "..03330..", "...000..."},
    {"....0....", "...050...", "...050...", "..05550..", ".0575550.", ".0755530.", ".0555530.", "..03330..", "...000..."},
    {".........", ".kkk.kkk.", "kvvvkvvvk", "kvVvvvkvk", "kvvvvkvvk", ".kvvkvvk.", "..kvvkk..", "...kvk...", "....k...."},
};

int MarkColour(char key)
{
    switch (key) {
    case 'k': return PaletteIndex(kGrey, 2);
    case 'g': return PaletteIndex(kGreen, 12);
    case 'G': return PaletteIndex(kGreen, 15);
    case 'd': return PaletteIndex(kGreen, 8);
    case 'y': return PaletteIndex(kYellow, 15);
    case 'b': return PaletteIndex(kBlue, 13);
    case 'o': return PaletteIndex(kOrange, 15);
    case 'O': return PaletteIndex(kOrange, 10);
    case 'r': return PaletteIndex(kRed, 14);
    case 'w': return PaletteIndex(kGrey, 15);
    case 'l': return PaletteIndex(kGrey, 11);
    case 'm': return PaletteIndex(kGrey, 7);
    case 'v': return PaletteIndex(kViolet, 13);
    case 'V': return PaletteIndex(kViolet, 7);
    case 'e': return PaletteIndex(kBone, 14);
    case 'E': return PaletteIndex(kBone, 9);
    case 'f': return PaletteIndex(kFlesh, 13);
    case 'F': return PaletteIndex(kFlesh, 9);
    default:
        return key >= '0' && key <= '7' ? 64 + (key - '0') : imageset::kTransparent;
    }
}

ImageSet ItemImages(Quantizer& quantizer, int side, bool outline, int count)
{
    ImageSet set{side, side, {}};
    for (int i = 0; i < count; ++i)
        set.images.push_back(quantizer.Indexes(art::DrawItemPicture(i, side, art::kMaskColour, outline), art::kMaskColour));
    return set;
}

} // namespace

int DemoItemPicture(std::string_view kindName)
{
    // Stored names that differ from the picture's name.
    static constexpr std::pair<std::string_view, std::string_view> kRenamed[] = {
        {"Heater Sh=ld", "Heater Shield"},   {"Plate/Armour", "Plate Armour"},  {"Leather Helm", "Leather Cap"},
        {"Riding Boots", "Leather Boots"},   {"Potion of Might", "Yellow Potion"}, {"Scroll of Light", "Scroll"},
        {"Scroll of Fire", "Sealed Scroll"}, {"Ring of Warding", "Sapphire Ring"}, {"Amulet of Dawn", "Gold Amulet"},
        {"Rusty Key", "Iron Key"},           {"Old Map", "Map"},
    };
    std::string_view name = kindName;
    for (const auto& [stored, picture] : kRenamed)
        if (kindName == stored)
            name = picture;
    return std::max(art::FindItemPicture(name), 0);
}

std::vector<std::vector<uint8_t>> DemoStateMarks()
{
    std::vector<std::vector<uint8_t>> marks;
    for (int i = 0; i < 15; ++i) {
        std::vector<uint8_t> pixels;
        for (const char* row : kMarks[i])
            for (int x = 0; x < kMarkSide; ++x)
                pixels.push_back(static_cast<uint8_t>(MarkColour(row[x])));
        // Marks 12 and 13 are stored as the program shows them.
        for (uint8_t& pixel : pixels)
            if (pixel >= 64 && pixel <= 71)
                pixel = static_cast<uint8_t>(i == 12 ? pixel - 42 : i == 13 ? pixel + 18 : pixel);
        marks.push_back(std::move(pixels));
    }
    return marks;
}

void AddDemoImages(Installation& demo)
{
    const std::array<Colour, 256> palette = DemoPalette();
    demo.palette = std::vector<Colour>(palette.begin(), palette.end());
    Quantizer quantizer(palette);
    demo.itemImages = ItemImages(quantizer, kSmallSide, true, art::ItemPictureCount());
    ImageSet marks = ItemImages(quantizer, kMarkSide, true, art::kIconCount);
    std::vector<std::vector<uint8_t>> stateMarks = DemoStateMarks();
    marks.images.insert(marks.images.begin(), stateMarks.begin(), stateMarks.end());
    demo.stateImages = marks;
    demo.font = DemoFont();
}

} // namespace gamebuild
