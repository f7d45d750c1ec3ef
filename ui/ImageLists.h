#pragma once
// The store's image lists as Windows image lists, made once and kept for the run.

#include "gamedata/Image.h"
#include "ui/Handles.h"

ImageListHandle CreateImageList(const ImageList& list);
// The Windows image list of one of the store's lists; made at the first call, kept after.
HIMAGELIST SharedImageList(const ImageList& list);
// Frees the shared lists; called when the store they were made from goes.
void ReleaseSharedImageLists();
