#pragma once
// The dialog base: owns the HWND of one dialog made from a template and hands its messages to
// virtual handlers. Modal dialogs run their own message loop, which gives keyboard navigation
// to every dialog of the program (modeless viewers included).
//
// Controls' notifications reach handlers bound to a control id and a notification code
// (BindCommand, BindClick, BindNotify; see ui/Controls.h for an example). The virtual OnCommand
// and OnNotify see every notification first, for what concerns all of them.

#include "ui/Handles.h"
#include "ui/WindowIcons.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CDialog {
public:
    explicit CDialog(int templateId) : m_templateId(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; returns the result given to EndDialog, or -1 when it cannot be made.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the dialog modeless and shows it.
    bool Create(HWND owner = nullptr);
    // Ends a modal dialog with the given result.
    void EndDialog(INT_PTR result);

    HWND Handle() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }

    void SetItemText(int id, std::string_view text) const;
    void SetItemText(int id, const wchar_t* text) const;
    std::wstring ItemText(int id) const;
    void EnableItem(int id, bool enable) const;
    void CheckItem(int id, bool check) const;
    bool IsItemChecked(int id) const;
    // Loads the icon resource in the window's two sizes and gives them to the window.
    void SetIcons(int iconId);
    HICON BigIcon() const { return m_icons.Big(); }
    const CWindowIcons& Icons() const { return m_icons; }
    // Moves the keyboard focus to a control as Tab would.
    void FocusControl(HWND control) const;

    // For control classes that act on their own notifications (a sort on a header click):
    // watcher sees the WM_NOTIFY messages of control before the dialog's handlers do, and ends
    // them there with result when it returns true. One watcher per control; the dialog drops its
    // watchers with its window.
    using NotifyWatcher = std::function<bool(NMHDR& header, LRESULT& result)>;
    void WatchNotifications(HWND control, NotifyWatcher watcher);
    void StopWatching(HWND control);

    // Gives a keyboard message to the dialog it belongs to, if that is one of ours.
    static bool RouteDialogMessage(MSG& message);
    // The object of one of our dialogs, or null.
    static CDialog* FromHandle(HWND dialog);

protected:
    // Calls handler on WM_COMMAND from control id with notification code code (one handler per
    // pair; a later binding replaces an earlier one).
    void BindCommand(int id, int code, std::function<void()> handler);
    // A button's click.
    void BindClick(int id, std::function<void()> handler) { BindCommand(id, BN_CLICKED, std::move(handler)); }
    // Calls handler on WM_NOTIFY from control id with code; what it returns is the message's result.
    void BindNotify(int id, UINT code, std::function<LRESULT(NMHDR&)> handler);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Before the bound handlers; return true when the command was handled (no handler then runs).
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    virtual void OnTimer(UINT_PTR /*timer*/) {}
    // A brush for the control's background, or null for the default.
    virtual HBRUSH OnCtlColor(HDC /*dc*/, HWND /*control*/, UINT /*message*/) { return nullptr; }
    // The default hands owner drawing to the control itself (see kReflectedDrawItem).
    virtual bool OnDrawItem(int id, DRAWITEMSTRUCT* item);
    virtual bool OnMeasureItem(int /*id*/, MEASUREITEMSTRUCT* /*item*/) { return false; }
    virtual void OnSize(UINT /*type*/, int /*width*/, int /*height*/) {}
    // Return true when the window was painted.
    virtual bool OnPaint() { return false; }
    virtual void OnDestroy() {}
    // After the window is gone; self-deleting dialogs delete themselves here and nowhere else.
    virtual void PostNcDestroy() {}
    // Any other message; return true when handled (result in result).
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/)
    {
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    int m_templateId;
    std::map<std::pair<int, int>, std::function<void()>> m_commandHandlers;
    std::map<std::pair<int, UINT>, std::function<LRESULT(NMHDR&)>> m_notifyHandlers;
    std::vector<std::pair<HWND, NotifyWatcher>> m_watchers; // a few at most
    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_result = -1;
    CWindowIcons m_icons;
};

// A viewer: a modeless top-level dialog that deletes itself when its window is gone.
// Enter does nothing in it; Escape or the close box destroys it.
class CViewerDialog : public CDialog {
public:
    using CDialog::CDialog;

    // Creates a viewer on the heap and shows it; the object then owns itself.
    template <typename Viewer, typename... Args>
    static Viewer* Open(Args&&... args)
    {
        Viewer* viewer = new Viewer(std::forward<Args>(args)...);
        if (!viewer->Create(nullptr)) {
            delete viewer;
            return nullptr;
        }
        return viewer;
    }

protected:
    void OnOK() override {}
    void OnCancel() override { DestroyWindow(Handle()); }
    void PostNcDestroy() override { delete this; }
};

// Sent by a dialog to an owner-drawn control with the DRAWITEMSTRUCT in lParam, so that a
// control class draws itself; a control that does returns TRUE.
constexpr UINT kReflectedDrawItem = WM_APP + 0x3F00;

HINSTANCE ProgramInstance();
