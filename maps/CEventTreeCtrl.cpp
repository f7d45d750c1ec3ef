#include "maps/CEventTreeCtrl.h"

const wchar_t CEventTreeCtrl::kExpandAllWarning[] =
    L"This option is disabled due to high possibility of infinite item nesting...";

void CEventTreeCtrl::SetHasChildren(HTREEITEM item, bool hasChildren) const
{
    TVITEMW change{};
    change.mask = TVIF_CHILDREN | TVIF_HANDLE;
    change.hItem = item;
    change.cChildren = hasChildren ? 1 : 0;
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

bool CEventTreeCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_KEYDOWN || wParam != VK_MULTIPLY)
        return false;
    const HWND owner = GetAncestor(Handle(), GA_ROOT);
    if (m_warn)
        m_warn(owner, kExpandAllWarning);
    else
        MessageBoxW(owner, kExpandAllWarning, L"Tallowmark", MB_OK | MB_ICONWARNING);
    result = 0;
    return true;
}
