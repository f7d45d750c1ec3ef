#pragma once
// The dialog base: owns the HWND of one dialog made from a template and hands its messages to
// virtual handlers. Modal dialogs run their own message loop, which gives keyboard navigation
// to every dialog of the program (modeless viewers included).

#include <windows.h>

#include <string>
#include <string_view>

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
    int TemplateId() const { return m_templateId; }

    void SetItemText(int id, std::string_view text) const;
    void SetItemText(int id, const wchar_t* text) const;
    std::wstring ItemText(int id) const;
    void EnableItem(int id, bool enable) const;
    bool IsItemEnabled(int id) const;
    void CheckItem(int id, bool check) const;
    bool IsItemChecked(int id) const;

    // Gives a keyboard message to the dialog it belongs to, if that is one of ours.
    static bool RouteDialogMessage(MSG& message);
    // The object of one of our dialogs, or null.
    static CDialog* FromHandle(HWND dialog);

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Return true when the command was handled.
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
    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_result = -1;
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
