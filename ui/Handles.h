#pragma once
// One owner for every GDI and USER handle the program creates.

#include <windows.h>

#include <commctrl.h>
#include <utility>

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    Handle Release() { return std::exchange(m_handle, nullptr); }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle)
            Traits::Free(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

struct GdiObjectTraits {
    static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct IconTraits {
    static void Free(HICON icon) { DestroyIcon(icon); }
};
struct ImageListTraits {
    static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};
struct MemoryDcTraits {
    static void Free(HDC dc) { DeleteDC(dc); }
};
struct RegistryKeyTraits {
    static void Free(HKEY key) { RegCloseKey(key); }
};

using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectTraits>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectTraits>;
using FontHandle = UniqueHandle<HFONT, GdiObjectTraits>;
using PenHandle = UniqueHandle<HPEN, GdiObjectTraits>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;

// A window's device context, released when the holder goes.
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(m_window, m_dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a DC and restores what was selected before.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(m_dc, m_previous); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The wait cursor while the holder lives; the cursor before it comes back.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
