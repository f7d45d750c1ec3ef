#include "items/ItemViewerLink.h"
#include "items/CItemViewerDlg.h"

void OpenItemViewerModal(HWND owner, int item) { CItemViewerDlg::ShowModal(owner, item); }
