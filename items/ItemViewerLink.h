#pragma once
// How other windows open the Item Viewer on one item, modal to their own window.

#include <windows.h>

void OpenItemViewerModal(HWND owner, int item);
