#include "items/ItemViewerLink.h"

// The Item Viewer is not part of this build yet: nothing opens.
void OpenItemViewerModal(HWND, int) {}
