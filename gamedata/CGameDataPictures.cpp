// CGameData's pictures: the palette, the image sets, the icons and the font read at start-up,
// and pictures and portraits read anew on each call.

#include "gamedata/BmpFile.h"
#include "gamedata/CGameData.h"
#include "gamedata/FontFile.h"
#include "gamedata/Format.h"
#include "gamedata/GameFile.h"
#include "gamedata/ImageSetFile.h"
#include "gamedata/PaletteFile.h"
#include "gamedata/PicFile.h"
#include "gamedata/Portraits.h"
#include "gamedata/ResourceStrings.h"
#include "res/resource.h"

#include <algorithm>

bool CGameData::LoadPalette()
{
    std::string path = GamePath(m_installPath, "\\palette.def");
    GameFile file(path);
    if (!file.IsOpen())
        return ShowLoadError(strings::kErrorPalette, path);
    if (auto bytes = file.ReadAt(0, palettefile::kMaxBytes))
        DecodePalette(*bytes, m_palette);
    return true;
}

bool CGameData::LoadStateIcons()
{
    // Both are built, each showing its message when the file is missing.
    const bool small = BuildStateIcons(m_stateIcons9, 9);
    const bool large = BuildStateIcons(m_stateIcons16, 16);
    return small && large;
}

bool CGameData::LoadItemImages()
{
    const bool small = LoadImageSet("\\vcfont1.vga", m_itemImagesSmall, 1, 1, false);
    const bool large = LoadImageSet("\\vcfont2.vga", m_itemImagesLarge, 0, 0, true);
    return small && large;
}

bool CGameData::BuildStateIcons(ImageList& list, int cellSize)
{
    std::string path = GamePath(m_installPath, "\\vcfont2.vga");
    GameFile file(path);
    if (!file.IsOpen())
        return ShowLoadError(strings::kErrorStateImages, path);
    auto pixels = file.ReadAt(imageset::kPixelsOffset, imageset::kStateIconBytes);
    if (!pixels)
        return false;
    list = DrawStateIcons(ByteReader(*pixels), m_palette, cellSize, m_platform.WindowColour());
    return true;
}

bool CGameData::LoadImageSet(const char* name, ImageList& list, int borderX, int borderY, bool doubled)
{
    std::string path = GamePath(m_installPath, name);
    GameFile file(path);
    if (!file.IsOpen())
        return ShowLoadError(strings::kErrorItemImages, path);
    auto header = file.ReadAt(0, imageset::kHeaderSize).value_or(std::vector<uint8_t>());
    ByteReader fields(header);
    size_t size = static_cast<size_t>(fields.U8(imageset::kWidthOffset)) * fields.U8(imageset::kHeightOffset) *
                  fields.U8(imageset::kCountOffset);
    auto pixels = file.ReadAt(imageset::kPixelsOffset, size);
    if (!pixels)
        return false;
    list = DrawImageSet(fields, ByteReader(*pixels), m_palette, borderX, borderY, doubled);
    return true;
}

namespace {
constexpr int kIconSide = 26;
} // namespace

bool CGameData::LoadIconImages()
{
    m_iconImages = ImageList(kIconSide, kIconSide, imageset::kItemMask);
    std::optional<Image> bitmap = m_platform.LoadProgramBitmap(IDB_ITEM_ICONS);
    if (!bitmap)
        return true;
    for (int x = 0; x + kIconSide <= bitmap->Width(); x += kIconSide) {
        Image cell(kIconSide, kIconSide, imageset::kItemMask);
        for (int y = 0; y < std::min(kIconSide, bitmap->Height()); ++y)
            for (int column = 0; column < kIconSide; ++column)
                cell.SetPixel(column, y, bitmap->Pixel(x + column, y));
        m_iconImages.Add(cell);
    }
    return true;
}

bool CGameData::LoadTextFont()
{
    GameFile file(GamePath(m_installPath, "\\vbfont2.vga"));
    auto widths = file.ReadAt(fontfile::kWidthsOffset, fontfile::kWidthsSize);
    auto glyphs = widths ? file.ReadAt(fontfile::kGlyphsOffset, fontfile::kGlyphsSize) : std::nullopt;
    if (!glyphs)
        return false;
    TextFont font = DecodeTextFont(ByteReader(*widths), ByteReader(*glyphs), m_palette[fontfile::kInkIndex]);
    m_font = std::move(font);
    return true;
}

int CGameData::LoadPicture(const std::string& path, std::vector<Image>& frames, const pic::Request& request)
{
    std::optional<std::vector<uint8_t>> file = ReadGameFile(path);
    if (!file) {
        ShowLoadError(strings::kErrorPictures, path);
        return 0;
    }
    return pic::Decode(*file, pic::FormOf(*file), m_palette, request, frames);
}

int CGameData::LoadPicByNumber(int number, std::vector<Image>& frames, const pic::Request& request)
{
    return LoadPicture(Format("%s\\MON%.2i.PIC", m_installPath.c_str(), number), frames, request);
}

int CGameData::LoadPicByName(const std::string& name, std::vector<Image>& frames, const pic::Request& request)
{
    return LoadPicture(Format("%s\\%s", m_installPath.c_str(), name.c_str()), frames, request);
}

int CGameData::LoadMonsterPicture(int monster, std::vector<Image>& frames, int scale)
{
    constexpr size_t kFrameMark = 215;
    int end = 0;
    if (const uint8_t* record = GetMonster(monster)) {
        const uint8_t mark = record[kFrameMark];
        if (mark == '0' || mark == '*' || mark == '+')
            end = mark == '+' && m_isGold ? -2 : -1;
    }
    return LoadPicByNumber(monster & 0xFF, frames, {.scale = scale, .end = end, .background = pic::kBackground});
}

std::optional<Image> CGameData::GetPortrait(int number, int scale) const
{
    if (number < 0 || number >= portraits::kCount)
        return std::nullopt;
    if (m_isGold) {
        const char* folder = scale < 2 ? "\\RES\\BITS\\PCA" : "\\RES\\BITS\\PCB";
        std::optional<std::vector<uint8_t>> file =
            ReadGameFile(Format("%s\\pc%i.bmp", GamePath(m_installPath, folder).c_str(), number));
        return file ? DecodeBmp(*file) : std::nullopt;
    }
    GameFile file(GamePath(m_installPath, "\\portdata.vga"));
    std::optional<std::vector<uint8_t>> pixels = file.ReadAt(portraits::kSize * number, portraits::kSize);
    // A portrait the file does not reach is missing; one it holds in part is drawn as far as it goes.
    if (!pixels || pixels->empty())
        return std::nullopt;
    return portraits::DrawPortrait(*pixels, scale, m_palette);
}
