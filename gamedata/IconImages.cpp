// CGameData's icon list, cut from the program's own bitmap of item icons.

#include "gamedata/CGameData.h"
#include "gamedata/ImageSetFile.h"
#include "res/resource.h"

#include <algorithm>

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
