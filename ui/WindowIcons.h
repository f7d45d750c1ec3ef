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
    // Paints a minimised window: its background erased the icon's way, the big icon centred.
    // False (nothing painted) while the window is not minimised.
    bool PaintMinimised(HWND window) const;

private:
    IconHandle m_big;
    IconHandle m_small;
};
