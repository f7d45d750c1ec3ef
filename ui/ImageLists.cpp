#include "ui/ImageLists.h"
#include "ui/Bitmaps.h"

#include <map>

ImageListHandle CreateImageList(const ImageList& list)
{
    if (list.CellWidth() <= 0 || list.CellHeight() <= 0)
        return {};
    ImageListHandle handle(ImageList_Create(list.CellWidth(), list.CellHeight(), ILC_COLOR32 | ILC_MASK,
                                            list.Count(), 4));
    for (int i = 0; handle && i < list.Count(); ++i) {
        BitmapHandle cell = CreateBitmapFromImage(*list.Get(i));
        ImageList_AddMasked(handle.Get(), cell.Get(), list.Mask());
    }
    return handle;
}

namespace {
std::map<const ImageList*, ImageListHandle>& SharedLists()
{
    static std::map<const ImageList*, ImageListHandle> lists;
    return lists;
}
} // namespace

HIMAGELIST SharedImageList(const ImageList& list)
{
    auto& made = SharedLists();
    auto found = made.find(&list);
    if (found == made.end())
        found = made.emplace(&list, CreateImageList(list)).first;
    return found->second.Get();
}

void ReleaseSharedImageLists() { SharedLists().clear(); }
