#pragma once
// A window's big and small icons from one icon resource, owned until the holder goes.

#include "ui/Handles.h"

class CWindowIcons {
public:
    // Loads both sizes of the icon resource and gives them to the window.
    void Set(HWND window, int iconId);
    // Takes the two icons and gives them to the window.
    void Set(HWND window, HICON big, HICON small);
    HICON Big() const { return m_big.Get(); }

private:
    IconHandle m_big;
    IconHandle m_small;
};
