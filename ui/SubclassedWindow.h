#pragma once
// A control of a system window class whose messages this object sees first (through the
// common controls' subclassing), for the program's own kinds of control.

#include <windows.h>

class CSubclassedWindow {
public:
    CSubclassedWindow() = default;
    virtual ~CSubclassedWindow();
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;

    HWND Handle() const { return m_window; }
    // Sees the messages of an existing window first; false when it is not there.
    bool Attach(HWND window);

protected:
    // Takes over the dialog's control with the given id: destroys it and creates a window of
    // the class at its place with its id. False when the control is not there.
    bool ReplaceDialogControl(HWND dialog, int id, const wchar_t* windowClass, DWORD style, DWORD extendedStyle);
    // Return true when the message was handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
    // For controls that draw themselves: erasing is left to Paint, which paints the whole client.
    bool HandlePaint(UINT message, LRESULT& result);
    virtual void Paint(HDC /*dc*/) const {}

private:
    bool Subclass(HWND window);
    // Our own procedure in front of the window's, finding this object in the window's user data.
    static LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Unchain();
    // The common controls' subclassing, where the user data is taken.
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    HWND m_window = nullptr;
    WNDPROC m_previous = nullptr; // set while ChainProc is in front
    bool m_going = false;         // the object is being destroyed: messages pass by it
};
