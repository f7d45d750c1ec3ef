#pragma once
// The tree of event chains. It refuses the keypad "*", which would expand every branch: a chain
// that leads back to where it began would grow for ever.

#include "ui/SubclassedWindow.h"

#include <commctrl.h>
#include <functional>
#include <string>

class CEventTreeCtrl : public CSubclassedWindow {
public:
    // Shows a warning; the default is a message box with the warning icon.
    using Warner = std::function<void(HWND owner, const std::wstring& text)>;
    void SetWarner(Warner warner) { m_warn = std::move(warner); }

    // Shows or removes the item's expand button.
    void SetHasChildren(HTREEITEM item, bool hasChildren) const;

    static const wchar_t kExpandAllWarning[];

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Warner m_warn;
};
